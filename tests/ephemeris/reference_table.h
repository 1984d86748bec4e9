#pragma once

#include <array>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brelo {

// One row of the reference table: nine input texts, then the ten label texts,
// written with a decimal point by an independent implementation.
struct ReferenceRow {
    int line = 0;
    std::array<std::string, 9> inputs;
    std::array<std::string, 10> labels;
};

inline std::vector<ReferenceRow> referenceRows()
{
    std::ifstream file(BRELO_EPHEMERIS_REFERENCE);
    std::string line;
    std::getline(file, line);  // header
    std::vector<ReferenceRow> rows;
    for (int number = 2; std::getline(file, line); ++number) {
        ReferenceRow row{number, {}, {}};
        std::istringstream cells(line);
        for (std::string &cell : row.inputs)
            std::getline(cells, cell, '\t');
        for (std::string &cell : row.labels)
            std::getline(cells, cell, '\t');
        rows.push_back(row);
    }
    return rows;
}

// A decimal point between two digits becomes the comma; "U.A." keeps its points.
inline std::string withComma(std::string text)
{
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == '.' && std::isdigit(static_cast<unsigned char>(text[i - 1]))
            && std::isdigit(static_cast<unsigned char>(text[i + 1])))
            text[i] = ',';
    return text;
}

// The row as the given separator writes it.
inline ReferenceRow withSeparator(ReferenceRow row, char sep)
{
    if (sep == ',') {
        for (std::string &t : row.inputs)
            t = withComma(t);
        for (std::string &t : row.labels)
            t = withComma(t);
    }
    return row;
}

inline constexpr const char *kInputFields[9] = {"txtann",     "txtmois",    "txtjour",
                                                "txtheur",    "txtminut",   "txtlatideg",
                                                "txtlatimin", "txtlongideg", "txtlongimin"};
inline constexpr const char *kLabels[10] = {"lblad", "lbldec", "lblah", "lblh",  "lblaz",
                                            "lblr",  "lblp",   "lblb0", "lbll0", "lblksi"};

} // namespace brelo
