#pragma once

#include <QRectF>

class QPainter;

namespace brelo {

struct PageDrawing;
struct ResultsText;

// One printed page: the title, the inputs, results and builder's numbers on
// the left, the yearly tables on the right, and the page's drawing below them, as large as the
// page's width and the room left allow. `page` is in the painter's units.
void paintResultsPage(QPainter &painter, const QRectF &page, const ResultsText &text, const PageDrawing &drawing);

} // namespace brelo
