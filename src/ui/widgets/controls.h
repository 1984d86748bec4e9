#pragma once

#include "core/common/rgb.h"

#include <QList>
#include <QRect>
#include <QString>

class QCheckBox;
class QColor;
class QFont;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace brelo {

class FittedLabel;

// The window's font: 8.25-point sans serif, the design's.
QFont designFont();

// Creators of the window's controls. Each gives the control its name (the
// objectName the scenario driver and accessibility tools know it by), its
// design text and, when given, its geometry in logical pixels.
FittedLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry = {});
QLineEdit *makeTextBox(QWidget *parent, const char *name, const QString &text, QRect geometry = {});
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry = {});
QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, bool checked,
                        QRect geometry = {});
QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, QRect geometry);
QFrame *makeSeparator(QWidget *parent, const char *name, QRect geometry = {});

// Once the container is first shown, each widget keeps the size its layout
// gave it: a label whose text changes at every computation then posts no
// layout pass over its neighbours.
void keepLaidOutSize(QWidget *container, const QList<QWidget *> &widgets);

void setTextColor(QWidget *widget, Rgb color);
void setBold(QWidget *widget, bool bold);
void setPointSize(QWidget *widget, double points);

// Labels standing on a picture area take its colour as their background.
void setOpaqueBackground(QWidget *widget, Rgb color);

Rgb rgbOf(const QColor &color);

} // namespace brelo
