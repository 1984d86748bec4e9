#include "core/ephemeris/panel_fields.h"

#include "core/common/numeric_text.h"

namespace brelo {

namespace {

struct FieldDescription {
    const std::string EphemerisInput::*text;
    const char *name;  // as the window labels it
    Gender gender;     // the article of "l'année" does not show it
};

// Indexed by PanelField.
constexpr FieldDescription kFields[] = {
    {&EphemerisInput::txtjour, "le jour", Gender::Masculine},
    {&EphemerisInput::txtmois, "le mois", Gender::Masculine},
    {&EphemerisInput::txtann, "l'année", Gender::Feminine},
    {&EphemerisInput::txtheur, "l'heure", Gender::Feminine},
    {&EphemerisInput::txtminut, "la minute", Gender::Feminine},
    {&EphemerisInput::txtlatimin, "la latitude (minutes)", Gender::Feminine},
    {&EphemerisInput::txtlatideg, "la latitude (degrés)", Gender::Feminine},
    {&EphemerisInput::txtlongimin, "la longitude (minutes)", Gender::Feminine},
    {&EphemerisInput::txtlongideg, "la longitude (degrés)", Gender::Feminine},
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
        return Outcome<double>::failure("Calcul impossible : "
                                        + fieldProblem(d.name, input.*d.text, read.error, d.gender));
    return Outcome<double>::success(read.value);
}

} // namespace brelo
