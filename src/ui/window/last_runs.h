#pragma once

#include "core/drawing/layout_drawing.h"
#include "core/ephemeris/calculephem.h"
#include "core/optics/calcul.h"

namespace brelo {

// What the latest successful optical run read and showed, and how its drawing
// was set, so that a file, a print or the clipboard gets that run again.
struct OpticsRun {
    OpticsInput input;
    OpticsResult result;
    LayoutInput layout;
    int scaleSetting = 0;  // UpDownech
    bool rays = false;     // Chkchem
    bool yearRowsWritten = true;  // false while result's listdiam and listdimfoy are empty
    LayoutLabelEdges labelEdges;  // where the drawing put the element labels
};

// The latest successful ephemeris run.
struct EphemerisRun {
    EphemerisInput input;
    EphemerisResult result;
};

} // namespace brelo
