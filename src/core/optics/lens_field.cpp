#include "core/optics/lens_field.h"

#include "core/common/number_text.h"
#include "core/common/shown_number.h"
#include "core/common/translate.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace brelo {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double solarRadii(double radians) { return radians * kArcsecPerRadian / kSunRadiusArcsec; }

// "O3", "O2 et O3", "O2, O3 et O3'".
std::string namesInWords(const std::vector<std::string> &names)
{
    std::string words;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            words += i + 1 == names.size() ? translated("optics", " et ") : std::string(", ");
        words += names[i];
    }
    return words;
}

// A least diameter rounded up to the thousandth: cut down like the other
// numbers, it would name a lens just too small. An excess below a millionth of
// a thousandth is arithmetic noise (22.95 computed as 22.950000000000003).
std::optional<std::string> shownAtLeast(double mm, char sep)
{
    const float up = static_cast<float>(std::ceil(mm * 1000 - 1e-6) / 1000);
    if (!std::isfinite(mm) || !std::isfinite(up))
        return std::nullopt;
    return numberText(up, sep);
}

// The text of one lens; nothing when a number is out of range.
std::optional<std::string> lensText(const char *name, const LensFieldAngle &field, char sep)
{
    if (field.centreCut) {
        const auto diameter = shownAtLeast(field.neededDiameter, sep);
        if (!diameter)
            return std::nullopt;
        return filled(translated("optics", "Champ sans vignettage à %1 : nul, %1 coupe même le centre du champ "
                                           "(il faut un diamètre de plus de %2 mm)"),
                      {name, *diameter});
    }
    if (field.angle == kInfinity)
        return filled(translated("optics", "Champ sans vignettage à %1 : sans limite (le rayon principal traverse "
                                           "%1 sur l'axe)"),
                      {name});
    const auto radii = shownNumber(solarRadii(field.angle), sep);
    if (!radii)
        return std::nullopt;
    return filled(translated("optics", "Champ sans vignettage à %1 : %2 R☉"), {name, *radii});
}

} // namespace

LensFieldAngle lensFieldAngle(double diameter, double marginalHeight, double chiefHeightPerRadian)
{
    LensFieldAngle field;
    const double margin = diameter / 2 - std::fabs(marginalHeight);
    field.neededDiameter = 2 * std::fabs(marginalHeight);
    field.centreCut = margin <= 0.0;
    if (!field.centreCut)
        field.angle = chiefHeightPerRadian == 0.0 ? kInfinity : margin / std::fabs(chiefHeightPerRadian);
    return field;
}

Outcome<FieldResult> fieldWithoutVignetting(const ParaxialTrace &trace,
                                            const std::array<double, kFieldLenses> &diameters, char sep)
{
    FieldResult result;
    std::vector<std::string> cutting;
    double smallest = kInfinity;
    std::size_t limiting = 0;
    for (std::size_t i = 0; i < kFieldLenses; ++i) {
        const std::size_t lens = kFieldLens[i];
        const LensFieldAngle field =
            lensFieldAngle(diameters[i], trace.marginal.height[lens], trace.chief.height[lens]);
        const auto text = lensText(kFieldLensName[i], field, sep);
        if (!text || std::isnan(field.angle))
            return Outcome<FieldResult>::failure(outOfRangeMessage());
        result.lenses[i] = *text;
        result.lensRadii[i] = field.centreCut ? std::numeric_limits<double>::quiet_NaN() : solarRadii(field.angle);
        if (field.centreCut)
            cutting.push_back(kFieldLensName[i]);
        else if (field.angle < smallest) {
            smallest = field.angle;
            limiting = i;
        }
    }

    if (!cutting.empty()) {
        result.instrument =
            filled(translated("optics", "Champ sans vignettage : nul, le centre du champ est coupé par %1"),
                   {namesInWords(cutting)});
        return Outcome<FieldResult>::success(std::move(result));
    }
    if (smallest == kInfinity) {
        result.instrument = translated("optics", "Champ sans vignettage : sans limite");
        result.radius = kInfinity;
        return Outcome<FieldResult>::success(std::move(result));
    }
    result.radius = result.lensRadii[limiting];
    result.angle = smallest;
    // The lens texts above showed this same number.
    result.instrument = filled(translated("optics", "Champ sans vignettage : %1 R☉ (limité par %2)"),
                               {*shownNumber(result.radius, sep), kFieldLensName[limiting]});
    return Outcome<FieldResult>::success(std::move(result));
}

} // namespace brelo
