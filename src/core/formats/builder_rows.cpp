#include "core/formats/builder_rows.h"

#include "core/common/translate.h"

#include <limits>

namespace brelo {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

void addField(std::vector<BuilderRow> &rows, const Outcome<FieldResult> &field)
{
    if (!field.ok()) {
        rows.push_back({translated("formats", "Champ sans vignettage"), &field.error(), kNone});
        return;
    }
    const FieldResult &f = field.value();
    for (std::size_t i = 0; i < kFieldLenses; ++i)
        rows.push_back({filled(translated("formats", "Champ sans vignettage à %1 (R☉)"), {kFieldLensName[i]}),
                        &f.lenses[i], f.lensRadii[i]});
    rows.push_back({translated("formats", "Champ sans vignettage de l'instrument (R☉)"), &f.instrument, f.radius});
}

void addCamera(std::vector<BuilderRow> &rows, const Outcome<CameraResult> &camera)
{
    if (!camera.ok()) {
        rows.push_back({translated("formats", "Caméra au foyer final"), &camera.error(), kNone});
        return;
    }
    const CameraResult &c = camera.value();
    const struct {
        const char *name;
        const std::string *text;
        double value;
    } cameraRows[] = {
        {QT_TRANSLATE_NOOP("formats", "Échelle de l'image (″/pixel)"), &c.scale, c.arcsecPerPixel},
        {QT_TRANSLATE_NOOP("formats", "Champ du capteur, largeur (R☉)"), &c.fieldRadii, c.widthRadii},
        {QT_TRANSLATE_NOOP("formats", "Champ du capteur, hauteur (R☉)"), &c.fieldRadii, c.heightRadii},
        {QT_TRANSLATE_NOOP("formats", "Champ du capteur, largeur (minutes d'arc)"), &c.fieldArcmin, c.widthArcmin},
        {QT_TRANSLATE_NOOP("formats", "Champ du capteur, hauteur (minutes d'arc)"), &c.fieldArcmin, c.heightArcmin},
        {QT_TRANSLATE_NOOP("formats", "Image du disque occulteur au 1er janvier (pixels)"), &c.discJanuary,
         c.januaryPixels},
        {QT_TRANSLATE_NOOP("formats", "Image du disque occulteur au 1er juillet (pixels)"), &c.discJuly, c.julyPixels},
        {QT_TRANSLATE_NOOP("formats", "Champ sans vignettage sur le capteur"), &c.fill, kNone},
        {QT_TRANSLATE_NOOP("formats", "Capteur et image du disque occulteur"), &c.smallSensor, kNone},
    };
    for (const auto &row : cameraRows)
        rows.push_back({translated("formats", row.name), row.text, row.value});
}

} // namespace

std::vector<BuilderRow> builderRows(const BuilderResult &builder)
{
    std::vector<BuilderRow> rows;
    rows.push_back({translated("formats", "Diamètre de la pupille au diaphragme (mm)"), &builder.pupil,
                    builder.pupilDiameter});
    addField(rows, builder.field);
    addCamera(rows, builder.camera);
    return rows;
}

std::array<CameraInputRow, 3> cameraInputRows(const CameraInput &camera)
{
    return {{{translated("formats", "Taille des pixels (µm)"), &camera.pixel},
             {translated("formats", "Largeur du capteur (pixels)"), &camera.sensorWidth},
             {translated("formats", "Hauteur du capteur (pixels)"), &camera.sensorHeight}}};
}

} // namespace brelo
