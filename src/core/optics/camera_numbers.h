#pragma once

#include "core/common/outcome.h"
#include "core/optics/lens_field.h"

#include <string>

namespace brelo {

// A camera at the final focus, its numbers read and checked positive.
struct CameraSensor {
    double pixelMicrons = 0.0;
    double widthPixels = 0.0;
    double heightPixels = 0.0;
};

// What the camera needs of the optics, in millimetres: the focal length of the
// whole train and the final image of the occulting disc on 1 January (the
// largest of the year) and on 1 July (the smallest).
struct CameraOptics {
    double focal = 0.0;
    double januaryImage = 0.0;
    double julyImage = 0.0;
};

struct CameraResult {
    std::string scale;         // "Échelle de l'image = 0,657 ″/pixel"
    std::string fieldRadii;    // "Champ du capteur = 0,861 × 0,646 R☉"
    std::string fieldArcmin;   // "Champ du capteur = 14,026 × 10,52 minutes d'arc"
    std::string discJanuary;   // "Image du disque occulteur au 1er janvier = 2968,533 pixels"
    std::string discJuly;
    std::string fill;          // whether the field without vignetting fills the sensor
    std::string smallSensor;   // empty unless the disc's image is larger than the sensor

    // The unrounded numbers of the texts, for the export.
    double arcsecPerPixel = 0.0;
    double widthRadii = 0.0, heightRadii = 0.0;
    double widthArcmin = 0.0, heightArcmin = 0.0;
    double januaryPixels = 0.0, julyPixels = 0.0;
};

// field is the instrument's field without vignetting, or null when it is not known.
Outcome<CameraResult> cameraNumbers(const CameraSensor &sensor, const CameraOptics &optics,
                                    const FieldResult *field, char decimalSeparator);

} // namespace brelo
