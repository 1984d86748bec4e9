#include "core/formats/results_text.h"

#include "core/common/translate.h"
#include "core/formats/builder_rows.h"
#include "core/formats/params_writer.h"

namespace brelo {

namespace {

std::string line(std::string name, const std::string &text)
{
    // paramsFieldName gives "la focale de O1"; a line starts with a capital.
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return filled(translated("formats", "%1 : %2"), {name, text});
}

void addBuilder(ResultsText &text, const CameraInput &camera, const BuilderResult &builder)
{
    for (const CameraInputRow &row : cameraInputRows(camera))
        text.inputs.push_back(line(row.name, *row.text));
    text.construction.push_back(translated("formats", "Construction:"));
    const std::string *previous = nullptr;
    for (const BuilderRow &row : builderRows(builder)) {
        // The sensor's field stands on two rows (width, height), once here.
        if (row.text != previous && !row.text->empty())
            text.construction.push_back(*row.text);
        previous = row.text;
    }
}

} // namespace

ResultsText resultsText(const OpticsPanelTexts &inputs, const OpticsResult &result, const BuilderResult *builder)
{
    ResultsText text;
    text.title = translated("formats", "BRELO — Calcul optique");
    const std::string *const fields[] = {&inputs.optics.foco1, &inputs.optics.do1, &inputs.optics.foco2,
                                         &inputs.do2, &inputs.optics.discoc, &inputs.optics.foco3a,
                                         &inputs.do3a, &inputs.optics.foco3b, &inputs.do3b};
    for (int i = 0; i < 9; ++i)
        text.inputs.push_back(line(translated("fields", paramsFieldName(i)), *fields[i]));
    text.results = {result.lblb,         result.lblx,  result.lblc,       result.lblfocresult,
                    result.lblfd,        result.lbldiscmin, result.lbldiscmax, result.remark.text};
    text.tables.push_back(translated("formats", "Dimensions des disques occulteurs au cours de l'année:"));
    text.tables.insert(text.tables.end(), result.listdiam.begin(), result.listdiam.end());
    text.tables.push_back(translated("formats", "Dimensions de l'image au foyer final du coronographe:"));
    text.tables.insert(text.tables.end(), result.listdimfoy.begin(), result.listdimfoy.end());
    if (builder)
        addBuilder(text, inputs.camera, *builder);
    return text;
}

ResultsText resultsText(const EphemerisInput &inputs, const EphemerisResult &result)
{
    ResultsText text;
    text.title = translated("formats", "BRELO — Ephémérides solaires");
    const std::pair<const char *, const std::string *> fields[] = {
        {QT_TRANSLATE_NOOP("formats", "Année"), &inputs.txtann},
        {QT_TRANSLATE_NOOP("formats", "Mois"), &inputs.txtmois},
        {QT_TRANSLATE_NOOP("formats", "Jour"), &inputs.txtjour},
        {QT_TRANSLATE_NOOP("formats", "Heures (TU)"), &inputs.txtheur},
        {QT_TRANSLATE_NOOP("formats", "Minutes (TU)"), &inputs.txtminut},
        {QT_TRANSLATE_NOOP("formats", "latitude (degrés)"), &inputs.txtlatideg},
        {QT_TRANSLATE_NOOP("formats", "latitude (minutes)"), &inputs.txtlatimin},
        {QT_TRANSLATE_NOOP("formats", "longitude (degrés, + à l'Est)"), &inputs.txtlongideg},
        {QT_TRANSLATE_NOOP("formats", "longitude (minutes)"), &inputs.txtlongimin},
    };
    for (const auto &[name, value] : fields)
        text.inputs.push_back(line(translated("formats", name), *value));
    text.results = {result.lblad, result.lbldec, result.lblah, result.lblh,  result.lblaz,
                    result.lblr,  result.lblp,   result.lblb0, result.lbll0, result.lblksi};
    return text;
}

std::string plainText(const ResultsText &text)
{
    std::string out = text.title + "\n";
    for (const std::vector<std::string> *section : {&text.inputs, &text.results, &text.tables, &text.construction}) {
        if (section->empty())
            continue;
        out += "\n";
        for (const std::string &row : *section)
            out += row + "\n";
    }
    return out;
}

} // namespace brelo
