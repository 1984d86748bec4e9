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
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace brelo {

// Creators of the window's controls. Each gives the control its name (the
// objectName every other part of the program and the tests look it up by),
// its design text and, when given, its geometry in logical pixels.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry = {});
// A label rewritten by every computation, over a frame of one flat colour.
QLabel *makeResultLabel(QWidget *parent, const char *name, const QString &text, QRect geometry = {});
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

// After a change of font or text, fits a placed label's text to its size again.
// `width` measures a text in a font as QFontMetrics::horizontalAdvance does.
using TextWidth = int (*)(const QFont &font, const QString &text);
void refitText(QLabel *label, TextWidth width = nullptr);

void setTextColor(QWidget *widget, Rgb color);
void setBold(QWidget *widget, bool bold);
void setPointSize(QWidget *widget, double points);

// Labels standing on a picture area take its colour as their background.
void setOpaqueBackground(QWidget *widget, Rgb color);

Rgb rgbOf(const QColor &color);

} // namespace brelo
