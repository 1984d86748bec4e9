#pragma once

// The reference tables of shown texts (tests/data/*_reference.tsv): written by an
// independent implementation, tab-separated, one header row, decimal point.

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brelo::reference {

struct Row {
    int line = 0;  // in the file, from 1 (the header)
    std::vector<std::string> cells;
};

inline std::vector<Row> readTsv(const std::string &path)
{
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);  // header
    std::vector<Row> rows;
    for (int number = 2; std::getline(file, line); ++number) {
        Row row{number, {}};
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            row.cells.push_back(cell);
        rows.push_back(std::move(row));
    }
    return rows;
}

// A decimal point between two digits becomes the given separator; "R.A.S." and
// "U.A." keep their points.
inline std::string withSeparator(std::string text, char separator)
{
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == '.' && std::isdigit(static_cast<unsigned char>(text[i - 1]))
            && std::isdigit(static_cast<unsigned char>(text[i + 1])))
            text[i] = separator;
    return text;
}

} // namespace brelo::reference
