#include "core/optics/calcul.h"

#include "core/common/deci.h"
#include "core/common/numeric_text.h"
#include "core/common/shown_number.h"
#include "core/optics/sun_units.h"
#include "core/optics/yearly_table.h"

#include <cmath>
#include <optional>

namespace brelo {

namespace {

constexpr double kSmallestSunArcsec = 1886.0;
constexpr double kLargestSunArcsec = 1955.0;
constexpr double kDiaphragmMarginMm = 15.0;

const Rgb kRed{255, 0, 0};
const Rgb kOrange{255, 80, 0};
const Rgb kBlue{0, 0, 255};

const char *const kImpossibleText =
    "REMARQUE: ATTENTION! IMPOSSIBILITE!! Le calcul montre que le diaphragme est situé derrière "
    "l'objectif O3: le montage est impossible! Vous devez soit augmenter la focale de 03, soit "
    "diminuer celle de O2, soit rapprocher le disque occulteur de O2.";
const char *const kTightText =
    "REMARQUE: ATTENTION! Le diaphragme est situé à moins de 15mm en avant de O3: le montage est "
    "théoriquement possible, mais vérifiez que vous pourrez monter vos éléments aussi proches! Si "
    "ce n'est pas le cas, vous devez soit augmenter la focale de 03, soit diminuer celle de O2, "
    "soit rapprocher le disque occulteur de O2. ";
const char *const kFineText = "REMARQUE: R.A.S.";

struct FieldReader {
    char separator;
    std::string error;

    std::optional<double> read(const std::string &text, const char *fieldName)
    {
        const NumericText n = readNumber(text, separator);
        if (n.ok())
            return n.value;
        if (error.empty())
            error = fieldProblem(fieldName, text, n.error);
        return std::nullopt;
    }
};

std::string divisionByZero(const char *what)
{
    return std::string(what) + " (division par zéro).";
}

const char *const kOutOfRange = kOutOfRangeMessage;

// Shown text of a value, or nothing when it cannot be shown as a finite number.
std::optional<std::string> shown(const char *prefix, double value, char separator)
{
    const std::optional<std::string> number = shownNumber(value, separator);
    if (!number)
        return std::nullopt;
    return prefix + *number;
}

} // namespace

Remark failureRemark(const std::string &message)
{
    return {"REMARQUE: calcul impossible — " + message, kRed, true};
}

Outcome<OpticsResult> calcul(const OpticsInput &input, char decimalSeparator, YearRowTexts rows)
{
    using Failure = Outcome<OpticsResult>;

    // Read in the order the computation takes them; the first bad field is named.
    FieldReader reader{decimalSeparator, {}};
    const auto f2 = reader.read(input.foco2, "la focale de O2");
    const auto f1 = reader.read(input.foco1, "la focale de O1");
    const auto d1 = reader.read(input.do1, "le diamètre de O1");
    const auto a = reader.read(input.discoc, "la distance A");
    const auto f3 = reader.read(input.foco3a, "la focale de O3");
    const auto f3b = reader.read(input.foco3b, "la focale de O3'");
    if (!reader.error.empty())
        return Failure::failure(reader.error);

    OpticsResult r;
    r.state = {input.foco1, input.do1, input.foco2, input.discoc, input.foco3a, input.foco3b, 0, 0, 0};

    const double k = *f1 / kArcsecPerRadian;

    // B: thin-lens image of O1, which stands f1 + A in front of O2, formed by O2.
    if (*f2 == 0.0)
        return Failure::failure(divisionByZero("la focale de O2 est nulle"));
    const double objectDistance = *f1 + *a;
    if (objectDistance == 0.0)
        return Failure::failure(divisionByZero("la focale de O1 plus la distance A est nulle"));
    // A reciprocal that overflows (a length below 1e-308 mm) would silently
    // turn into a made-up limit value further on.
    if (!std::isfinite(objectDistance) || !std::isfinite(1.0 / *f2) || !std::isfinite(1.0 / objectDistance))
        return Failure::failure(kOutOfRange);
    const double vergenceB = 1.0 / *f2 - 1.0 / objectDistance;
    if (vergenceB == 0.0)
        return Failure::failure(divisionByZero(
            "la focale de O2 est égale à la focale de O1 plus la distance A"));
    const double b = 1.0 / vergenceB;

    // x: thin-lens image of the occulting disc, A in front of O2; negative when virtual.
    if (*a == 0.0)
        return Failure::failure(divisionByZero("la distance A est nulle"));
    if (!std::isfinite(1.0 / *a))
        return Failure::failure(kOutOfRange);
    const double vergenceX = 1.0 / *f2 - 1.0 / *a;
    if (vergenceX == 0.0)
        return Failure::failure(divisionByZero("la distance A est égale à la focale de O2"));
    const double x = 1.0 / vergenceX;

    // C puts the image of the disc at the front focal point of O3, whatever the sign of x.
    const double c = *f3 - std::fabs(x);

    if (*f3 == 0.0)
        return Failure::failure(divisionByZero("la focale de O3 est nulle"));
    if (*d1 == 0.0)
        return Failure::failure(divisionByZero("le diamètre de O1 est nul"));
    const double aTimesF3 = *a * *f3;
    if (aTimesF3 == 0.0)
        return Failure::failure(kOutOfRange);
    // The focal length of the whole train: O2 magnifies the disc's image by
    // |x| / A and the pair O3, O3' by f3' / f3, as for the final image below.
    const double focal = *f1 * std::fabs(x) * *f3b / aTimesF3;
    const double fRatio = focal / *d1;

    // Magnification from the disc plane to the final focus, kept in single precision.
    const float m = static_cast<float>((std::fabs(x) * *f3b) / aTimesF3);

    const std::pair<std::string *, std::optional<std::string>> labels[] = {
        {&r.lblb, shown("Distance (Lentille O2 - Diaphragme) B= ", b, decimalSeparator)},
        {&r.lblx, shown("Calcul intermédiaire x= ", x, decimalSeparator)},
        {&r.lblc, shown("Distance (Lentille O2 - Objectif O3) C= ", c, decimalSeparator)},
        {&r.lblfocresult, shown("Focale résultante = ", focal, decimalSeparator)},
        {&r.lblfd, shown("Rapport F/D = ", fRatio, decimalSeparator)},
        {&r.lbldiscmin, shown("Diamètre mini disque occulteur = ", kSmallestSunArcsec * k, decimalSeparator)},
        {&r.lbldiscmax, shown("Diamètre maxi disque occulteur = ", kLargestSunArcsec * k, decimalSeparator)},
    };
    for (const auto &[label, text] : labels) {
        if (!text)
            return Failure::failure(kOutOfRange);
        *label = *text;
    }
    if (!std::isfinite(m))
        return Failure::failure(kOutOfRange);
    for (int i = 0; i < kYearRows; ++i) {
        if (!std::isfinite(deci(occultingDiscDiameter(i, k)))
            || !std::isfinite(deci(finalImageDiameter(i, k, m))))
            return Failure::failure(kOutOfRange);
    }

    // The remark compares the unrounded distances.
    if (b > c)
        r.remark = {kImpossibleText, kRed, true};
    else if (c - b < kDiaphragmMarginMm)
        r.remark = {kTightText, kOrange, false};
    else
        r.remark = {kFineText, kBlue, false};

    r.state.distb = b;
    r.state.interx = x;
    r.state.distc = c;
    r.imageScale = k;
    r.magnification = m;
    r.numbers = {*f1, *d1, *f2, *a, *f3, *f3b, focal};
    if (rows == YearRowTexts::Written)
        writeYearRows(r, decimalSeparator);
    return Outcome<OpticsResult>::success(std::move(r));
}

void writeYearRows(OpticsResult &result, char decimalSeparator)
{
    for (int i = 0; i < kYearRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        result.listdiam[row] = occultingDiscRow(i, result.imageScale, decimalSeparator);
        result.listdimfoy[row] = finalImageRow(i, result.imageScale, result.magnification, decimalSeparator);
    }
}

} // namespace brelo
