#pragma once

#include "core/drawing/layout_drawing.h"
#include "core/ephemeris/calculephem.h"
#include "core/optics/builder_numbers.h"
#include "core/optics/calcul.h"

#include <optional>

namespace brelo {

// What the latest successful optical run read and showed, and how its drawing
// was set, so that a file, a print or the clipboard gets that run again.
struct OpticsRun {
    OpticsInput input;
    OpticsResult result;
    LayoutInput layout;
    int scaleSetting = 0;  // UpDownech
    bool rays = false;     // Chkchem
    bool paraxialRays = false;  // with rays: the traced rays instead of the schematic ones
    bool yearRowsWritten = true;  // false while result's listdiam and listdimfoy are empty
    LayoutLabelEdges labelEdges;  // where the drawing put the element labels
    CameraInput camera;                    // as the builder's numbers read it
    std::optional<BuilderResult> builder;  // none when they could not be computed
};

// The latest successful ephemeris run.
struct EphemerisRun {
    EphemerisInput input;
    EphemerisResult result;
};

} // namespace brelo
