#pragma once

#include "core/common/outcome.h"
#include "core/common/rgb.h"

#include <array>
#include <string>

namespace brelo {

// The six texts the optical computation reads, named after their text boxes.
struct OpticsInput {
    std::string foco1 = "1000";   // Txtfoco1, focal length of O1
    std::string do1 = "90";       // Txtdo1, diameter of O1
    std::string foco2 = "200";    // Txtfoco2, focal length of O2
    std::string discoc = "30";    // Txtdiscoc, distance A from O2 to the occulting disc
    std::string foco3a = "300";   // Txtfoco3a, focal length of O3
    std::string foco3b = "300";   // Txtfoco3b, focal length of O3'
};

// What the optical computation leaves for the layout drawing: the texts as read
// and the unrounded distances, in millimetres.
struct OpticalState {
    std::string foco1, do1, foco2, discoc, foco3a, foco3b;
    double distb = 0.0;   // B, O2 to the Lyot diaphragm
    double interx = 0.0;  // x, image of the occulting disc by O2 (negative: virtual)
    double distc = 0.0;   // C, O2 to O3
};

// The six inputs of a run read as numbers, and the focal length of the whole
// train, unrounded, in millimetres.
struct TrainNumbers {
    double f1 = 0.0, d1 = 0.0, f2 = 0.0, a = 0.0, f3 = 0.0, f3b = 0.0;
    double focal = 0.0;  // F = f1 × |x| × f3' ÷ (A × f3)
};

struct Remark {
    std::string text;
    Rgb color;
    bool bold = false;

    friend bool operator==(const Remark &, const Remark &) = default;
};

inline constexpr int kYearRows = 24;

// Every output of one run, as the window shows it.
struct OpticsResult {
    std::string lblb, lblx, lblc, lblfocresult, lblfd, lbldiscmin, lbldiscmax;
    std::array<std::string, kYearRows> listdiam;    // rows 0..23, to insert at the top
    std::array<std::string, kYearRows> listdimfoy;
    Remark remark;
    OpticalState state;
    double imageScale = 0.0;     // k = f1 / 206265, mm per arcsecond at the focus of O1
    float magnification = 0.0f;  // m, occulting-disc plane to the final focus
    TrainNumbers numbers;
};

// Whether calcul writes the yearly rows' texts. The window's lists write the
// rows they show themselves, so its runs leave them for a file to ask.
enum class YearRowTexts { Written, Left };

// The optical computation. All or nothing: a field that is not a number, a zero
// divisor or a result out of range gives a French message and no output.
Outcome<OpticsResult> calcul(const OpticsInput &input, char decimalSeparator,
                             YearRowTexts rows = YearRowTexts::Written);

// Writes listdiam and listdimfoy of a result whose run left them.
void writeYearRows(OpticsResult &result, char decimalSeparator);

// The remark shown in Lblrem when calcul fails (red, bold).
Remark failureRemark(const std::string &message);

} // namespace brelo
