#pragma once

#include "core/common/outcome.h"
#include "core/optics/camera_numbers.h"
#include "core/optics/lens_field.h"
#include "core/optics/panel_texts.h"
#include "core/optics/paraxial_trace.h"

#include <string>

namespace brelo {

// The numbers a builder needs next, every text as the window shows it. The
// field and the camera read texts of their own, so each may fail alone, with
// the French message that names the field at fault.
struct BuilderResult {
    std::string pupil;           // "Diamètre de la pupille au diaphragme = 21.686"
    double pupilDiameter = 0.0;  // D1 × B ÷ (f1 + A), mm, unrounded
    Outcome<FieldResult> field = Outcome<FieldResult>::failure({});
    Outcome<CameraResult> camera = Outcome<CameraResult>::failure({});
    ParaxialTrace trace;         // for the drawing of the true rays
};

// From the panel's texts and the decimal separator that calcul reads them
// with. Fails as calcul does, with its message, when the optics cannot be computed.
Outcome<BuilderResult> builderNumbers(const OpticsPanelTexts &texts, char decimalSeparator);

// The chief ray's angle for drawParaxialRays: the edge of the instrument's
// field in radians, or 0 (no chief ray) when the field is not known, has no
// limit or is cut at its centre.
double fieldEdgeAngle(const BuilderResult &builder);

} // namespace brelo
