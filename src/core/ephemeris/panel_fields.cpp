#include "core/ephemeris/panel_fields.h"

#include "core/common/numeric_text.h"
#include "core/common/translate.h"

namespace brelo {

namespace {

struct FieldDescription {
    const std::string EphemerisInput::*text;
    const char *name;  // as the window labels it
    Gender gender;     // the article of "l'année" does not show it
};

// Indexed by PanelField.
constexpr FieldDescription kFields[] = {
    {&EphemerisInput::txtjour, QT_TRANSLATE_NOOP("fields", "le jour"), Gender::Masculine},
    {&EphemerisInput::txtmois, QT_TRANSLATE_NOOP("fields", "le mois"), Gender::Masculine},
    {&EphemerisInput::txtann, QT_TRANSLATE_NOOP("fields", "l'année"), Gender::Feminine},
    {&EphemerisInput::txtheur, QT_TRANSLATE_NOOP("fields", "l'heure"), Gender::Feminine},
    {&EphemerisInput::txtminut, QT_TRANSLATE_NOOP("fields", "la minute"), Gender::Feminine},
    {&EphemerisInput::txtlatimin, QT_TRANSLATE_NOOP("fields", "la latitude (minutes)"), Gender::Feminine},
    {&EphemerisInput::txtlatideg, QT_TRANSLATE_NOOP("fields", "la latitude (degrés)"), Gender::Feminine},
    {&EphemerisInput::txtlongimin, QT_TRANSLATE_NOOP("fields", "la longitude (minutes)"), Gender::Feminine},
    {&EphemerisInput::txtlongideg, QT_TRANSLATE_NOOP("fields", "la longitude (degrés)"), Gender::Feminine},
};

const FieldDescription &described(PanelField field) { return kFields[static_cast<int>(field)]; }

} // namespace

const std::string &panelText(const EphemerisInput &input, PanelField field)
{
    return input.*described(field).text;
}

const char *panelFieldName(PanelField field) { return described(field).name; }

Outcome<double> readPanelField(const EphemerisInput &input, PanelField field, char sep)
{
    const FieldDescription &d = described(field);
    const NumericText read = readNumber(input.*d.text, sep);
    if (!read.ok())
        return Outcome<double>::failure(impossibleCalculation(fieldProblem(d.name, input.*d.text, read.error, d.gender)));
    return Outcome<double>::success(read.value);
}

} // namespace brelo
