#include "core/formats/builder_rows.h"

#include <limits>

namespace brelo {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

void addField(std::vector<BuilderRow> &rows, const Outcome<FieldResult> &field)
{
    if (!field.ok()) {
        rows.push_back({"Champ sans vignettage", &field.error(), kNone});
        return;
    }
    const FieldResult &f = field.value();
    for (std::size_t i = 0; i < kFieldLenses; ++i)
        rows.push_back({std::string("Champ sans vignettage à ") + kFieldLensName[i] + " (R☉)", &f.lenses[i],
                        f.lensRadii[i]});
    rows.push_back({"Champ sans vignettage de l'instrument (R☉)", &f.instrument, f.radius});
}

void addCamera(std::vector<BuilderRow> &rows, const Outcome<CameraResult> &camera)
{
    if (!camera.ok()) {
        rows.push_back({"Caméra au foyer final", &camera.error(), kNone});
        return;
    }
    const CameraResult &c = camera.value();
    const BuilderRow cameraRows[] = {
        {"Échelle de l'image (″/pixel)", &c.scale, c.arcsecPerPixel},
        {"Champ du capteur, largeur (R☉)", &c.fieldRadii, c.widthRadii},
        {"Champ du capteur, hauteur (R☉)", &c.fieldRadii, c.heightRadii},
        {"Champ du capteur, largeur (minutes d'arc)", &c.fieldArcmin, c.widthArcmin},
        {"Champ du capteur, hauteur (minutes d'arc)", &c.fieldArcmin, c.heightArcmin},
        {"Image du disque occulteur au 1er janvier (pixels)", &c.discJanuary, c.januaryPixels},
        {"Image du disque occulteur au 1er juillet (pixels)", &c.discJuly, c.julyPixels},
        {"Champ sans vignettage sur le capteur", &c.fill, kNone},
        {"Capteur et image du disque occulteur", &c.smallSensor, kNone},
    };
    rows.insert(rows.end(), std::begin(cameraRows), std::end(cameraRows));
}

} // namespace

std::vector<BuilderRow> builderRows(const BuilderResult &builder)
{
    std::vector<BuilderRow> rows;
    rows.push_back({"Diamètre de la pupille au diaphragme (mm)", &builder.pupil, builder.pupilDiameter});
    addField(rows, builder.field);
    addCamera(rows, builder.camera);
    return rows;
}

std::array<CameraInputRow, 3> cameraInputRows(const CameraInput &camera)
{
    return {{{"Taille des pixels (µm)", &camera.pixel},
             {"Largeur du capteur (pixels)", &camera.sensorWidth},
             {"Hauteur du capteur (pixels)", &camera.sensorHeight}}};
}

} // namespace brelo
