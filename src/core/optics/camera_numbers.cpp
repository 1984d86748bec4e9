#include "core/optics/camera_numbers.h"

#include "core/common/shown_number.h"
#include "core/common/translate.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace brelo {

namespace {

// Writes numbers into texts, remembering whether one of them was out of range.
struct Writer {
    char separator;
    bool outOfRange = false;

    std::string operator()(double value)
    {
        const auto text = shownNumber(value, separator);
        outOfRange = outOfRange || !text;
        return text.value_or(std::string());
    }
};

// Whether the field without vignetting, a circle about the centre of the
// image, covers the whole sensor, corners included.
std::string fillText(const CameraSensor &sensor, const CameraResult &r, const FieldResult *field, Writer &write)
{
    if (!field)
        return translated("optics",
                          "Le champ sans vignettage n'est pas connu : il ne peut pas être comparé au capteur.");
    if (field->radius == 0.0)
        return translated("optics", "Le centre du champ est coupé : rien n'atteint le capteur sans vignettage.");
    const double halfDiagonal = std::hypot(r.widthRadii, r.heightRadii) / 2;
    if (field->radius >= halfDiagonal)
        return translated("optics", "Le champ sans vignettage couvre tout le capteur.");
    const double circlePixels = 2 * field->radius * kSunRadiusArcsec / r.arcsecPerPixel;
    return filled(translated("optics", "Le champ sans vignettage ne remplit pas le capteur : il en couvre un cercle "
                                       "de %1 pixels de diamètre sur %2 × %3."),
                  {write(circlePixels), write(sensor.widthPixels), write(sensor.heightPixels)});
}

} // namespace

Outcome<CameraResult> cameraNumbers(const CameraSensor &sensor, const CameraOptics &optics,
                                    const FieldResult *field, char sep)
{
    if (optics.focal == 0.0)
        return Outcome<CameraResult>::failure(translated(
            "optics", "la focale résultante est nulle : l'échelle de l'image ne peut pas être calculée."));
    CameraResult r;
    // Arcseconds per millimetre at the final focus, per micrometre, per pixel.
    r.arcsecPerPixel = kArcsecPerRadian / std::fabs(optics.focal) / 1000 * sensor.pixelMicrons;
    const double widthArcsec = sensor.widthPixels * r.arcsecPerPixel;
    const double heightArcsec = sensor.heightPixels * r.arcsecPerPixel;
    r.widthRadii = widthArcsec / kSunRadiusArcsec;
    r.heightRadii = heightArcsec / kSunRadiusArcsec;
    r.widthArcmin = widthArcsec / 60;
    r.heightArcmin = heightArcsec / 60;
    r.januaryPixels = std::fabs(optics.januaryImage) * 1000 / sensor.pixelMicrons;
    r.julyPixels = std::fabs(optics.julyImage) * 1000 / sensor.pixelMicrons;

    Writer write{sep};
    r.scale = filled(translated("optics", "Échelle de l'image = %1 ″/pixel"), {write(r.arcsecPerPixel)});
    r.fieldRadii = filled(translated("optics", "Champ du capteur = %1 × %2 R☉"), {write(r.widthRadii), write(r.heightRadii)});
    r.fieldArcmin = filled(translated("optics", "Champ du capteur = %1 × %2 minutes d'arc"),
                           {write(r.widthArcmin), write(r.heightArcmin)});
    r.discJanuary =
        filled(translated("optics", "Image du disque occulteur au 1er janvier = %1 pixels"), {write(r.januaryPixels)});
    r.discJuly = filled(translated("optics", "Image du disque occulteur au 1er juillet = %1 pixels"), {write(r.julyPixels)});
    r.fill = fillText(sensor, r, field, write);
    const double shortSide = std::min(sensor.widthPixels, sensor.heightPixels);
    if (r.januaryPixels > shortSide)
        r.smallSensor = filled(translated("optics", "Le capteur est plus petit que l'image du disque occulteur : "
                                                    "%1 pixels au 1er janvier pour %2 pixels sur son petit côté."),
                               {write(r.januaryPixels), write(shortSide)});
    if (write.outOfRange)
        return Outcome<CameraResult>::failure(outOfRangeMessage());
    return Outcome<CameraResult>::success(std::move(r));
}

} // namespace brelo
