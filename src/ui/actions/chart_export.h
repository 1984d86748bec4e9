#pragma once

#include "ui/actions/drawing_export.h"

#include <QByteArray>
#include <QString>

class QGraphicsView;
class QWidget;

namespace brelo {

// A chart as the window shows it, as a file: a PNG drawn at twice the screen
// size, or an SVG or a one-page PDF of vector primitives.
QByteArray chartFile(QGraphicsView &chart, DrawingFormat format);

// Asks where to write the chart (PNG, SVG or PDF, by the file's extension or
// the filter chosen) and writes it whole or not at all. Returns what the user
// was told ("" when they cancelled).
QString exportChart(QWidget &parent, QGraphicsView &chart, const QString &baseName);

} // namespace brelo
