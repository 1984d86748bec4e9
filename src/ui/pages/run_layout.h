#pragma once

#include "core/drawing/layout_drawing.h"
#include "ui/window/last_runs.h"

#include <optional>

namespace brelo {

class Canvas;

// The layout picture of an optical run as the screen shows it, for the page
// and for the exports alike: dessin, with the traced rays of the builder's
// numbers in place of the schematic ones when the run asked for them. None
// when a text of the drawing cannot be read.
std::optional<LayoutLabelEdges> drawRunLayout(Canvas &canvas, const OpticsRun &run, char decimalSeparator);

} // namespace brelo
