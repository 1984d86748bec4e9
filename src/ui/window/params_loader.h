#pragma once

#include "core/formats/params_file.h"

#include <QString>

#include <functional>
#include <optional>

namespace brelo {

// What start-up gets from brelo.dat: the thirteen texts to write into the boxes
// (none when there is no usable file), and a message to show once after
// the window is shown ("" when there is nothing to tell). A file with more than
// thirteen values gives both.
struct ParamsLoad {
    std::optional<ParamsFields> fields;
    QString message;
    // The same message again, in the language then in use (none without a message).
    std::function<QString()> messageAgain;
};

// Largest brelo.dat read; thirteen numbers need a few hundred bytes.
inline constexpr qint64 kParamsFileMaxBytes = 1024 * 1024;

// Looks up exactly "brelo.dat" (case-sensitive, a regular file only) in the
// directory and reads it, in UTF-8, Latin-1 or UTF-16 with its byte-order mark.
// No file (a symbolic link counts as what it points to): no fields and no
// message. A file that is too large, unreadable, binary, short or empty in every
// field: no fields and a message saying why.
ParamsLoad loadParamsFile(const QString &directory, char decimalSeparator);

// Reads a parameters file of any name, chosen by the user, with the same rules
// and messages; a missing file or a directory gives a message naming it.
ParamsLoad loadParamsFileAt(const QString &path, char decimalSeparator);

} // namespace brelo
