#pragma once

#include "core/optics/builder_numbers.h"

#include <array>
#include <string>
#include <vector>

namespace brelo {

// One quantity of the builder's numbers as the exports list it: a name with
// its unit, the text the window shows, and the number that text shows (NaN
// when it shows none). A text may stand on two rows (the sensor's width and
// height); text points into the result.
struct BuilderRow {
    std::string name;
    const std::string *text;
    double value;
};

// In the window's order: the Lyot stop, the field lens by lens and the
// instrument's, then the camera. A section that failed is one row, its message.
std::vector<BuilderRow> builderRows(const BuilderResult &builder);

// The camera's texts with the names the exports give them.
struct CameraInputRow {
    std::string name;
    const std::string *text;
};
std::array<CameraInputRow, 3> cameraInputRows(const CameraInput &camera);

} // namespace brelo
