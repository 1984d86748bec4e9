#pragma once

#include <QList>

class QGroupBox;
class QWidget;

namespace brelo {

// Widgets standing on the inside of a frame that the style paints in one flat
// colour take that colour as an opaque background: a new text or a pressed
// arrow then repaints the widget alone, not the frame and the page under it.
// The colour is read from the window's own paint of the frame at its first
// showing and after a change of style or palette; an inside of more than one
// colour leaves the widgets transparent.
void paintOnFlatInside(QGroupBox *frame, const QList<QWidget *> &widgets);

} // namespace brelo
