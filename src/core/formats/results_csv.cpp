#include "core/formats/results_csv.h"

#include "core/common/numeric_text.h"
#include "core/common/shown_number.h"
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
        add({"Grandeur", "Texte affiché", "Valeur"});
    }
    void add(const Row &cells) { text += csvLine(cells, csvSeparatorFor(decimalSeparator)); }

    // An input: its text as typed, and its value when it reads as a number.
    void addInput(const char *name, const std::string &typed)
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
    const char *name;
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
        {"Focale de O1 (mm)", in.foco1},     {"Diamètre de O1 (mm)", in.do1},
        {"Focale de O2 (mm)", in.foco2},     {"Diamètre de O2 (mm)", inputs.do2},
        {"Distance A (mm)", in.discoc},      {"Focale de O3 (mm)", in.foco3a},
        {"Diamètre de O3 (mm)", inputs.do3a}, {"Focale de O3' (mm)", in.foco3b},
        {"Diamètre de O3' (mm)", inputs.do3b}};
    for (const auto &row : inputRows)
        table.addInput(row.name, row.text);

    const NamedText resultRows[] = {
        {"Distance B (mm)", result.lblb},
        {"Calcul intermédiaire x (mm)", result.lblx},
        {"Distance C (mm)", result.lblc},
        {"Focale résultante (mm)", result.lblfocresult},
        {"Rapport F/D", result.lblfd},
        {"Diamètre mini disque occulteur (mm)", result.lbldiscmin},
        {"Diamètre maxi disque occulteur (mm)", result.lbldiscmax}};
    for (const auto &row : resultRows)
        table.addShown(row.name, row.text);
    table.add({"Remarque", result.remark.text, ""});

    const auto addYear = [&](const char *what, const auto &rows) {
        for (const std::string &shown : rows) {
            // "1er Janvier: 9.462" names its date before the colon.
            table.addShown(what + shown.substr(0, shown.find(':')), shown);
        }
    };
    addYear("Disque occulteur (mm), ", result.listdiam);
    addYear("Image au foyer final (mm), ", result.listdimfoy);
    if (builder)
        addBuilder(table, inputs.camera, *builder);
    return table.text;
}

std::string resultsCsv(const EphemerisInput &inputs, const EphemerisResult &result, char decimalSeparator)
{
    Table table(decimalSeparator);
    const NamedText inputRows[] = {
        {"Année", inputs.txtann},
        {"Mois", inputs.txtmois},
        {"Jour", inputs.txtjour},
        {"Heure (TU)", inputs.txtheur},
        {"Minute (TU)", inputs.txtminut},
        {"Latitude (degrés)", inputs.txtlatideg},
        {"Latitude (minutes)", inputs.txtlatimin},
        {"Longitude (degrés, + vers l'Est)", inputs.txtlongideg},
        {"Longitude (minutes)", inputs.txtlongimin}};
    for (const auto &row : inputRows)
        table.addInput(row.name, row.text);

    const EphemerisValues &v = result.values;
    table.add({"Jour julien (TU)", "", fullPrecisionText(v.julianDay, decimalSeparator)});
    // δ, h, P, B0 and q are computed in single precision: written as floats.
    const struct {
        const char *name;
        const std::string &shown;
        double value;
        bool single;
    } valueRows[] = {
        {"Ascension droite (degrés)", result.lblad, v.rightAscensionDeg, false},
        {"Déclinaison (degrés)", result.lbldec, v.declinationDeg, true},
        {"Angle horaire (degrés, + vers l'Ouest)", result.lblah, v.hourAngleDeg, false},
        {"Hauteur (degrés)", result.lblh, v.altitudeDeg, true},
        {"Azimut (degrés, 0 au Sud, + vers l'Ouest)", result.lblaz, v.azimuthDeg, false},
        {"Distance Terre-Soleil (U.A.)", result.lblr, v.distanceAu, false},
        {"Angle P (degrés, + vers l'Est)", result.lblp, v.positionAngleDeg, true},
        {"Latitude héliographique B0 (degrés)", result.lblb0, v.latitudeB0Deg, true},
        {"Longitude héliographique L0 (degrés)", result.lbll0, v.longitudeL0Deg, false},
        {"Angle Nord-Zénith (degrés)", result.lblksi, v.northZenithDeg, true}};
    for (const auto &row : valueRows) {
        const std::string value = row.single
                                      ? fullPrecisionText(static_cast<float>(row.value), decimalSeparator)
                                      : fullPrecisionText(row.value, decimalSeparator);
        table.add({row.name, row.shown, value});
    }
    return table.text;
}

} // namespace brelo
