#pragma once

#include <QString>

namespace brelo {

// What the documentation viewer can show of a local file: an HTML page, a
// plain text file (shown as text, its lines kept), or neither (a program, an
// image, an archive), which it refuses rather than show as garbage.
enum class DocFileKind { Html, Text, Other };

// Judged by the file's name and, when the name says nothing, by its content.
DocFileKind docFileKind(const QString &path);

} // namespace brelo
