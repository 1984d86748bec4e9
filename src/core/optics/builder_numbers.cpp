#include "core/optics/builder_numbers.h"

#include "core/common/numeric_text.h"
#include "core/common/shown_number.h"
#include "core/common/translate.h"
#include "core/optics/yearly_table.h"

#include <optional>

namespace brelo {

namespace {

// Rows of the yearly table: the Sun is largest on 1 January, smallest on 1 July.
constexpr int kJanuaryFirst = 0;
constexpr int kJulyFirst = 12;

enum class Sign { NotNegative, Positive };

// Reads the builder's own texts; the first one at fault names itself. Names
// are source texts of the "fields" context.
struct Reader {
    char separator;
    std::string error;

    std::optional<double> read(const std::string &text, const char *name, Sign sign)
    {
        if (!error.empty())
            return std::nullopt;
        const NumericText n = readNumber(text, separator);
        const bool feminine = genderOfName(name) == Gender::Feminine;
        const char *pattern = nullptr;
        if (!n.ok())
            error = fieldProblem(name, text, n.error);
        else if (sign == Sign::NotNegative && n.value < 0)
            pattern = feminine ? QT_TRANSLATE_NOOP("optics", "%1 ne peut pas être négative.")
                               : QT_TRANSLATE_NOOP("optics", "%1 ne peut pas être négatif.");
        else if (sign == Sign::Positive && n.value <= 0)
            pattern = feminine ? QT_TRANSLATE_NOOP("optics", "%1 doit être positive.")
                               : QT_TRANSLATE_NOOP("optics", "%1 doit être positif.");
        else
            return n.value;
        if (pattern)
            error = filled(translated("optics", pattern), {translated("fields", name)});
        return std::nullopt;
    }
};

Outcome<FieldResult> lensFields(const OpticsPanelTexts &texts, const ParaxialTrace &trace, char sep)
{
    Reader reader{sep, {}};
    const auto d2 = reader.read(texts.do2, QT_TRANSLATE_NOOP("fields", "le diamètre de O2"), Sign::NotNegative);
    const auto d3 = reader.read(texts.do3a, QT_TRANSLATE_NOOP("fields", "le diamètre de O3"), Sign::NotNegative);
    const auto d3b = reader.read(texts.do3b, QT_TRANSLATE_NOOP("fields", "le diamètre de O3'"), Sign::NotNegative);
    if (!reader.error.empty())
        return Outcome<FieldResult>::failure(reader.error);
    return fieldWithoutVignetting(trace, {*d2, *d3, *d3b}, sep);
}

Outcome<CameraResult> camera(const CameraInput &texts, const OpticsResult &run, const FieldResult *field,
                             char sep)
{
    Reader reader{sep, {}};
    const auto pixel = reader.read(texts.pixel, QT_TRANSLATE_NOOP("fields", "la taille des pixels"), Sign::Positive);
    const auto width = reader.read(texts.sensorWidth, QT_TRANSLATE_NOOP("fields", "la largeur du capteur"), Sign::Positive);
    const auto height =
        reader.read(texts.sensorHeight, QT_TRANSLATE_NOOP("fields", "la hauteur du capteur"), Sign::Positive);
    if (!reader.error.empty())
        return Outcome<CameraResult>::failure(reader.error);
    const CameraOptics optics{run.numbers.focal,
                              finalImageDiameter(kJanuaryFirst, run.imageScale, run.magnification),
                              finalImageDiameter(kJulyFirst, run.imageScale, run.magnification)};
    return cameraNumbers({*pixel, *width, *height}, optics, field, sep);
}

} // namespace

Outcome<BuilderResult> builderNumbers(const OpticsPanelTexts &texts, char sep)
{
    const Outcome<OpticsResult> run = calcul(texts.optics, sep, YearRowTexts::Left);
    if (!run.ok())
        return Outcome<BuilderResult>::failure(run.error());
    const OpticsResult &r = run.value();
    const TrainNumbers &n = r.numbers;

    BuilderResult b;
    // The Lyot stop: the image of O1's aperture formed by O2, B behind it.
    b.pupilDiameter = n.d1 * r.state.distb / (n.f1 + n.a);
    const auto pupil = shownNumber(b.pupilDiameter, sep);
    if (!pupil)
        return Outcome<BuilderResult>::failure(outOfRangeMessage());
    b.pupil = filled(translated("optics", "Diamètre de la pupille au diaphragme = %1"), {*pupil});

    b.trace = paraxialTrace({n.f1, n.d1, n.f2, n.a, r.state.distc, n.f3, n.f3b});
    b.field = lensFields(texts, b.trace, sep);
    b.camera = camera(texts.camera, r, b.field.ok() ? &b.field.value() : nullptr, sep);
    return Outcome<BuilderResult>::success(std::move(b));
}

double fieldEdgeAngle(const BuilderResult &builder)
{
    return builder.field.ok() ? builder.field.value().angle : 0.0;
}

} // namespace brelo
