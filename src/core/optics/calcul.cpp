#include "core/optics/calcul.h"

#include "core/common/deci.h"
#include "core/common/numeric_text.h"
#include "core/common/shown_number.h"
#include "core/common/translate.h"
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

const char *const kImpossibleText = QT_TRANSLATE_NOOP(
    "optics",
    "REMARQUE: ATTENTION! IMPOSSIBILITE!! Le calcul montre que le diaphragme est situé derrière "
    "l'objectif O3: le montage est impossible! Vous devez soit augmenter la focale de 03, soit "
    "diminuer celle de O2, soit rapprocher le disque occulteur de O2.");
const char *const kTightText = QT_TRANSLATE_NOOP(
    "optics",
    "REMARQUE: ATTENTION! Le diaphragme est situé à moins de 15mm en avant de O3: le montage est "
    "théoriquement possible, mais vérifiez que vous pourrez monter vos éléments aussi proches! Si "
    "ce n'est pas le cas, vous devez soit augmenter la focale de 03, soit diminuer celle de O2, "
    "soit rapprocher le disque occulteur de O2. ");
const char *const kFineText = QT_TRANSLATE_NOOP("optics", "REMARQUE: R.A.S.");

// The six inputs as numbers, with their texts, named as the panel labels them.
struct Inputs {
    double f1 = 0, d1 = 0, f2 = 0, a = 0, f3 = 0, f3b = 0;
};

struct Field {
    std::string OpticsInput::*text;
    double Inputs::*value;
    const char *name;
};

// In the panel's order, which is also the order of the message for a value
// that cannot be.
constexpr Field kPanelFields[] = {
    {&OpticsInput::foco1, &Inputs::f1, QT_TRANSLATE_NOOP("fields", "la focale de O1")},
    {&OpticsInput::do1, &Inputs::d1, QT_TRANSLATE_NOOP("fields", "le diamètre de O1")},
    {&OpticsInput::foco2, &Inputs::f2, QT_TRANSLATE_NOOP("fields", "la focale de O2")},
    {&OpticsInput::discoc, &Inputs::a, QT_TRANSLATE_NOOP("fields", "la distance A")},
    {&OpticsInput::foco3a, &Inputs::f3, QT_TRANSLATE_NOOP("fields", "la focale de O3")},
    {&OpticsInput::foco3b, &Inputs::f3b, QT_TRANSLATE_NOOP("fields", "la focale de O3'")},
};

// Read in the order the computation takes them (f2 first): the first field
// that is not a number is the one named.
Outcome<Inputs> readInputs(const OpticsInput &input)
{
    constexpr int kReadingOrder[] = {2, 0, 1, 3, 4, 5};
    Inputs values;
    for (const int i : kReadingOrder) {
        const Field &field = kPanelFields[i];
        const NumericText n = readNumber(input.*field.text);
        if (!n.ok())
            return Outcome<Inputs>::failure(fieldProblem(field.name, input.*field.text, n.error));
        values.*field.value = n.value;
    }
    return Outcome<Inputs>::success(values);
}

// A length that cannot be (a focal length, D1 or A zero or negative) still
// gives numbers, but not a train that can be built: the first one is named.
std::optional<Remark> impossibleValuesRemark(const OpticsInput &input, const Inputs &values)
{
    for (const Field &field : kPanelFields) {
        if (values.*field.value > 0.0)
            continue;
        const bool feminine = genderOfName(field.name) == Gender::Feminine;
        const char *pattern = feminine
            ? QT_TRANSLATE_NOOP("optics", "REMARQUE: ATTENTION! Valeurs impossibles : %1%2 doit être positive.")
            : QT_TRANSLATE_NOOP("optics", "REMARQUE: ATTENTION! Valeurs impossibles : %1%2 doit être positif.");
        return Remark{filled(translated("optics", pattern),
                             {translated("fields", field.name), quotedText(input.*field.text)}),
                      kRed, true};
    }
    return std::nullopt;
}

// `what` is a sentence of the "optics" context.
std::string divisionByZero(const char *what)
{
    return filled(translated("optics", "%1 (division par zéro)."), {translated("optics", what)});
}

// Shown text of a value, or nothing when it cannot be shown as a finite number.
std::optional<std::string> shown(const char *pattern, double value, char separator)
{
    const std::optional<std::string> number = shownNumber(value, separator);
    if (!number)
        return std::nullopt;
    return filled(translated("optics", pattern), {*number});
}

struct Geometry {
    double b = 0, x = 0, c = 0;
};

// B, x and C, or why one of them has no value.
Outcome<Geometry> geometry(const Inputs &in)
{
    using Failure = Outcome<Geometry>;
    // B: thin-lens image of O1, which stands f1 + A in front of O2, formed by O2.
    if (in.f2 == 0.0)
        return Failure::failure(divisionByZero(QT_TRANSLATE_NOOP("optics", "la focale de O2 est nulle")));
    const double objectDistance = in.f1 + in.a;
    if (objectDistance == 0.0)
        return Failure::failure(divisionByZero(QT_TRANSLATE_NOOP("optics", "la focale de O1 plus la distance A est nulle")));
    // A reciprocal that overflows (a length below 1e-308 mm) would silently
    // turn into a made-up limit value further on.
    if (!std::isfinite(objectDistance) || !std::isfinite(1.0 / in.f2) || !std::isfinite(1.0 / objectDistance))
        return Failure::failure(outOfRangeMessage());
    const double vergenceB = 1.0 / in.f2 - 1.0 / objectDistance;
    if (vergenceB == 0.0)
        return Failure::failure(divisionByZero(
            QT_TRANSLATE_NOOP("optics", "la focale de O2 est égale à la focale de O1 plus la distance A")));
    const double b = 1.0 / vergenceB;

    // x: thin-lens image of the occulting disc, A in front of O2; negative when virtual.
    if (in.a == 0.0)
        return Failure::failure(divisionByZero(QT_TRANSLATE_NOOP("optics", "la distance A est nulle")));
    if (!std::isfinite(1.0 / in.a))
        return Failure::failure(outOfRangeMessage());
    const double vergenceX = 1.0 / in.f2 - 1.0 / in.a;
    if (vergenceX == 0.0)
        return Failure::failure(divisionByZero(QT_TRANSLATE_NOOP("optics", "la distance A est égale à la focale de O2")));
    const double x = 1.0 / vergenceX;

    // C puts the image of the disc at the front focal point of O3, whatever the sign of x.
    return Outcome<Geometry>::success({b, x, in.f3 - std::fabs(x)});
}

// The seven labels from B, x, C (in the state), k and the two ratios; false
// when one cannot be shown as a finite number.
bool writeLabels(OpticsResult &r, double focal, double fRatio, char sep)
{
    const OpticalState &t = r.state;
    const double k = r.imageScale;
    const std::pair<std::string *, std::optional<std::string>> labels[] = {
        {&r.lblb, shown(QT_TRANSLATE_NOOP("optics", "Distance (Lentille O2 - Diaphragme) B= %1"), t.distb, sep)},
        {&r.lblx, shown(QT_TRANSLATE_NOOP("optics", "Calcul intermédiaire x= %1"), t.interx, sep)},
        {&r.lblc, shown(QT_TRANSLATE_NOOP("optics", "Distance (Lentille O2 - Objectif O3) C= %1"), t.distc, sep)},
        {&r.lblfocresult, shown(QT_TRANSLATE_NOOP("optics", "Focale résultante = %1"), focal, sep)},
        {&r.lblfd, shown(QT_TRANSLATE_NOOP("optics", "Rapport F/D = %1"), fRatio, sep)},
        {&r.lbldiscmin, shown(QT_TRANSLATE_NOOP("optics", "Diamètre mini disque occulteur = %1"),
                              kSmallestSunArcsec * k, sep)},
        {&r.lbldiscmax, shown(QT_TRANSLATE_NOOP("optics", "Diamètre maxi disque occulteur = %1"),
                              kLargestSunArcsec * k, sep)},
    };
    for (const auto &[label, text] : labels) {
        if (!text)
            return false;
        *label = *text;
    }
    return true;
}

bool yearRowsShowable(double k, float m)
{
    for (int i = 0; i < kYearRows; ++i) {
        if (!std::isfinite(deci(occultingDiscDiameter(i, k)))
            || !std::isfinite(deci(finalImageDiameter(i, k, m))))
            return false;
    }
    return true;
}

} // namespace

Remark failureRemark(const std::string &message)
{
    return {filled(translated("optics", "REMARQUE: calcul impossible — %1"), {message}), kRed, true};
}

Outcome<OpticsResult> calcul(const OpticsInput &input, char decimalSeparator, YearRowTexts rows)
{
    using Failure = Outcome<OpticsResult>;
    const Outcome<Inputs> read = readInputs(input);
    if (!read.ok())
        return Failure::failure(read.error());
    const Inputs &in = read.value();
    const Outcome<Geometry> train = geometry(in);
    if (!train.ok())
        return Failure::failure(train.error());
    const auto [b, x, c] = train.value();

    if (in.f3 == 0.0)
        return Failure::failure(divisionByZero(QT_TRANSLATE_NOOP("optics", "la focale de O3 est nulle")));
    if (in.d1 == 0.0)
        return Failure::failure(divisionByZero(QT_TRANSLATE_NOOP("optics", "le diamètre de O1 est nul")));
    const double aTimesF3 = in.a * in.f3;
    if (aTimesF3 == 0.0)
        return Failure::failure(outOfRangeMessage());
    // The focal length of the whole train: O2 magnifies the disc's image by
    // |x| / A and the pair O3, O3' by f3' / f3, as for the final image below.
    const double focal = in.f1 * std::fabs(x) * in.f3b / aTimesF3;
    const double fRatio = focal / in.d1;

    // Magnification from the disc plane to the final focus, kept in single precision.
    const float m = static_cast<float>((std::fabs(x) * in.f3b) / aTimesF3);
    const double k = in.f1 / kArcsecPerRadian;

    OpticsResult r;
    r.state = {input.foco1, input.do1, input.foco2, input.discoc, input.foco3a, input.foco3b, b, x, c};
    r.imageScale = k;
    r.magnification = m;
    r.numbers = {in.f1, in.d1, in.f2, in.a, in.f3, in.f3b, focal};
    if (!writeLabels(r, focal, fRatio, decimalSeparator) || !std::isfinite(m) || !yearRowsShowable(k, m))
        return Failure::failure(outOfRangeMessage());

    // The remark compares the unrounded distances.
    if (const std::optional<Remark> impossible = impossibleValuesRemark(input, in))
        r.remark = *impossible;
    else if (b > c)
        r.remark = {translated("optics", kImpossibleText), kRed, true};
    else if (c - b < kDiaphragmMarginMm)
        r.remark = {translated("optics", kTightText), kOrange, false};
    else
        r.remark = {translated("optics", kFineText), kBlue, false};
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
