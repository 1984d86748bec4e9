#pragma once

#include "core/optics/calcul.h"

#include <string>

namespace brelo {

// The camera at the final focus, as typed: pixel size in micrometres, sensor
// width and height in pixels.
struct CameraInput {
    std::string pixel;
    std::string sensorWidth;
    std::string sensorHeight;
};

// The texts of the optics panel: the six calcul reads, the three diameters it
// does not, and the camera the builder's numbers also read.
struct OpticsPanelTexts {
    OpticsInput optics;
    std::string do2, do3a, do3b;  // Txtdo2, Txtdo3a, Txtdo3b
    CameraInput camera{};
};

} // namespace brelo
