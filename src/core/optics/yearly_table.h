#pragma once

#include <string>

namespace brelo {

// The Sun's apparent diameter on the 1st and the 15th of each month, with the
// label of its row ("1er Janvier: ", a source text of the "optics" context),
// in calendar order.
struct YearRow {
    const char *label;
    double diameterArcsec;
};

const YearRow &yearRow(int index);  // 0 <= index < 24

// Occulting-disc diameter d × k and final-image diameter (m × d) × k, in mm.
double occultingDiscDiameter(int index, double imageScale);
double finalImageDiameter(int index, double imageScale, float magnification);

// Row index of Listdiam: occulting-disc diameter d × k.
std::string occultingDiscRow(int index, double imageScale, char decimalSeparator);

// Row index of Listdimfoy: final-image diameter (m × d) × k.
std::string finalImageRow(int index, double imageScale, float magnification, char decimalSeparator);

} // namespace brelo
