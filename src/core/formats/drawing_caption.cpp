#include "core/formats/drawing_caption.h"

#include "core/common/translate.h"
#include "core/drawing/disc_template_heading.h"

namespace brelo {

namespace {

std::string lens(const char *name, const std::string &focal, const std::string &diameter)
{
    return filled(translated("formats", "%1 : focale %2, diamètre %3"), {name, focal, diameter});
}

} // namespace

std::vector<std::string> discCaption(const EphemerisInput &input, const EphemerisResult &result, bool zenithUp,
                                     char decimalSeparator)
{
    // The template's heading already holds these texts, worded as the page words them.
    const TemplateHeading heading = templateHeading(input, result, zenithUp, decimalSeparator);
    std::vector<std::string> lines{heading.dateTime, heading.place, heading.orientation};
    if (!heading.zenith.empty())
        lines.push_back(heading.zenith);
    return lines;
}

std::vector<std::string> trainCaption(const OpticsPanelTexts &inputs)
{
    const OpticsInput &o = inputs.optics;
    return {lens("O1", o.foco1, o.do1) + " · " + lens("O2", o.foco2, inputs.do2) + " · "
                + filled(translated("formats", "distance A = %1"), {o.discoc}),
            filled(translated("formats", "%1 · %2 (longueurs en mm)"),
                   {lens("O3", o.foco3a, inputs.do3a), lens("O3'", o.foco3b, inputs.do3b)})};
}

} // namespace brelo
