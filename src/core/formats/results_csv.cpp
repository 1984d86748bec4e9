#include "core/formats/results_csv.h"

#include "core/common/numeric_text.h"
#include "core/common/shown_number.h"
#include "core/common/translate.h"
#include "core/formats/builder_rows.h"
#include "core/formats/csv_writer.h"

#include <vector>

namespace brelo {

namespace {

using Row = std::vector<std::string>;

struct Table {
    char decimalSeparator;
    std::string text;

    explicit Table(char separator) : decimalSeparator(separator)
    {
        add({translated("formats", "Grandeur"), translated("formats", "Texte affiché"), translated("formats", "Valeur")});
    }
    void add(const Row &cells) { text += csvLine(cells, csvSeparatorFor(decimalSeparator)); }

    // An input: its text as typed, and its value when it reads as a number.
    void addInput(const std::string &name, const std::string &typed)
    {
        const NumericText read = readNumber(typed, decimalSeparator);
        add({name, typed, read.ok() ? fullPrecisionText(read.value, decimalSeparator) : std::string()});
    }

    // A label of the optics page: the number is the last word of its text.
    void addShown(const std::string &name, const std::string &shown)
    {
        add({name, shown, shown.substr(shown.rfind(' ') + 1)});
    }
};

struct NamedText {
    const char *name;  // a source text of the "formats" context
    const std::string &text;
};

void addBuilder(Table &table, const CameraInput &camera, const BuilderResult &builder)
{
    for (const CameraInputRow &row : cameraInputRows(camera))
        table.addInput(row.name, *row.text);
    for (const BuilderRow &row : builderRows(builder))
        table.add({row.name, *row.text, shownNumber(row.value, table.decimalSeparator).value_or("")});
}

} // namespace

std::string resultsCsv(const OpticsPanelTexts &inputs, const OpticsResult &result, char decimalSeparator,
                       const BuilderResult *builder)
{
    Table table(decimalSeparator);
    const OpticsInput &in = inputs.optics;
    const NamedText inputRows[] = {
        {QT_TRANSLATE_NOOP("formats", "Focale de O1 (mm)"), in.foco1},
        {QT_TRANSLATE_NOOP("formats", "Diamètre de O1 (mm)"), in.do1},
        {QT_TRANSLATE_NOOP("formats", "Focale de O2 (mm)"), in.foco2},
        {QT_TRANSLATE_NOOP("formats", "Diamètre de O2 (mm)"), inputs.do2},
        {QT_TRANSLATE_NOOP("formats", "Distance A (mm)"), in.discoc},
        {QT_TRANSLATE_NOOP("formats", "Focale de O3 (mm)"), in.foco3a},
        {QT_TRANSLATE_NOOP("formats", "Diamètre de O3 (mm)"), inputs.do3a},
        {QT_TRANSLATE_NOOP("formats", "Focale de O3' (mm)"), in.foco3b},
        {QT_TRANSLATE_NOOP("formats", "Diamètre de O3' (mm)"), inputs.do3b}};
    for (const auto &row : inputRows)
        table.addInput(translated("formats", row.name), row.text);

    const NamedText resultRows[] = {
        {QT_TRANSLATE_NOOP("formats", "Distance B (mm)"), result.lblb},
        {QT_TRANSLATE_NOOP("formats", "Calcul intermédiaire x (mm)"), result.lblx},
        {QT_TRANSLATE_NOOP("formats", "Distance C (mm)"), result.lblc},
        {QT_TRANSLATE_NOOP("formats", "Focale résultante (mm)"), result.lblfocresult},
        {QT_TRANSLATE_NOOP("formats", "Rapport F/D"), result.lblfd},
        {QT_TRANSLATE_NOOP("formats", "Diamètre mini disque occulteur (mm)"), result.lbldiscmin},
        {QT_TRANSLATE_NOOP("formats", "Diamètre maxi disque occulteur (mm)"), result.lbldiscmax}};
    for (const auto &row : resultRows)
        table.addShown(translated("formats", row.name), row.text);
    table.add({translated("formats", "Remarque"), result.remark.text, ""});

    const auto addYear = [&](const char *what, const auto &rows) {
        for (const std::string &shown : rows) {
            // "1er Janvier: 9.462" names its date before the colon.
            table.addShown(filled(translated("formats", what), {shown.substr(0, shown.find(':'))}), shown);
        }
    };
    addYear(QT_TRANSLATE_NOOP("formats", "Disque occulteur (mm), %1"), result.listdiam);
    addYear(QT_TRANSLATE_NOOP("formats", "Image au foyer final (mm), %1"), result.listdimfoy);
    if (builder)
        addBuilder(table, inputs.camera, *builder);
    return table.text;
}

std::string resultsCsv(const EphemerisInput &inputs, const EphemerisResult &result, char decimalSeparator)
{
    Table table(decimalSeparator);
    const NamedText inputRows[] = {
        {QT_TRANSLATE_NOOP("formats", "Année"), inputs.txtann},
        {QT_TRANSLATE_NOOP("formats", "Mois"), inputs.txtmois},
        {QT_TRANSLATE_NOOP("formats", "Jour"), inputs.txtjour},
        {QT_TRANSLATE_NOOP("formats", "Heure (TU)"), inputs.txtheur},
        {QT_TRANSLATE_NOOP("formats", "Minute (TU)"), inputs.txtminut},
        {QT_TRANSLATE_NOOP("formats", "Latitude (degrés)"), inputs.txtlatideg},
        {QT_TRANSLATE_NOOP("formats", "Latitude (minutes)"), inputs.txtlatimin},
        {QT_TRANSLATE_NOOP("formats", "Longitude (degrés, + vers l'Est)"), inputs.txtlongideg},
        {QT_TRANSLATE_NOOP("formats", "Longitude (minutes)"), inputs.txtlongimin}};
    for (const auto &row : inputRows)
        table.addInput(translated("formats", row.name), row.text);

    const EphemerisValues &v = result.values;
    table.add({translated("formats", "Jour julien (TU)"), "", fullPrecisionText(v.julianDay, decimalSeparator)});
    // δ, h, P, B0 and q are computed in single precision: written as floats.
    const struct {
        const char *name;
        const std::string &shown;
        double value;
        bool single;
    } valueRows[] = {
        {QT_TRANSLATE_NOOP("formats", "Ascension droite (degrés)"), result.lblad, v.rightAscensionDeg, false},
        {QT_TRANSLATE_NOOP("formats", "Déclinaison (degrés)"), result.lbldec, v.declinationDeg, true},
        {QT_TRANSLATE_NOOP("formats", "Angle horaire (degrés, + vers l'Ouest)"), result.lblah, v.hourAngleDeg, false},
        {QT_TRANSLATE_NOOP("formats", "Hauteur (degrés)"), result.lblh, v.altitudeDeg, true},
        {QT_TRANSLATE_NOOP("formats", "Azimut (degrés, 0 au Sud, + vers l'Ouest)"), result.lblaz, v.azimuthDeg, false},
        {QT_TRANSLATE_NOOP("formats", "Distance Terre-Soleil (U.A.)"), result.lblr, v.distanceAu, false},
        {QT_TRANSLATE_NOOP("formats", "Angle P (degrés, + vers l'Est)"), result.lblp, v.positionAngleDeg, true},
        {QT_TRANSLATE_NOOP("formats", "Latitude héliographique B0 (degrés)"), result.lblb0, v.latitudeB0Deg, true},
        {QT_TRANSLATE_NOOP("formats", "Longitude héliographique L0 (degrés)"), result.lbll0, v.longitudeL0Deg, false},
        {QT_TRANSLATE_NOOP("formats", "Angle Nord-Zénith (degrés)"), result.lblksi, v.northZenithDeg, true}};
    for (const auto &row : valueRows) {
        const std::string value = row.single
                                      ? fullPrecisionText(static_cast<float>(row.value), decimalSeparator)
                                      : fullPrecisionText(row.value, decimalSeparator);
        table.add({translated("formats", row.name), row.shown, value});
    }
    return table.text;
}

} // namespace brelo
