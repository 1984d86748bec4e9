#pragma once

#include "core/formats/results_csv.h"

#include <string>
#include <vector>

namespace brelo {

// A page's inputs and results as lines of plain text, for the clipboard and
// the printed page. Pure: no Qt.
struct ResultsText {
    std::string title;
    std::vector<std::string> inputs;   // "Focale de O1 : 1000"
    std::vector<std::string> results;  // the label texts as shown, the remark last
    std::vector<std::string> tables;   // headings and rows of the yearly tables (optics only)
    std::vector<std::string> construction;  // the builder's numbers (optics only)
};

// With the builder's numbers of the same run, the camera's inputs follow the
// nine of the panel and the builder's texts make a last section.
ResultsText resultsText(const OpticsPanelTexts &inputs, const OpticsResult &result,
                        const BuilderResult *builder = nullptr);
ResultsText resultsText(const EphemerisInput &inputs, const EphemerisResult &result);

// The sections one after the other, a blank line between them, "\n" line ends.
std::string plainText(const ResultsText &text);

} // namespace brelo
