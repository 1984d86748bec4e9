#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text of a table for the translation tools, which read the sources;
// the same no-op Qt defines, for the core that includes no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace brelo {

// What turns a French source text into the language the user chose. The
// programs install one over Qt's translations; the tests and the core alone
// have none, and every text stays the French one.
using TextTranslator = std::string (*)(const char *context, const char *sourceText);

// Installs the translator (nullptr: none) and forgets every text looked up so far.
void setTextTranslator(TextTranslator translator);

// The source text in the language chosen: itself when no translator is set or
// the translator has nothing for it. Both arguments are UTF-8 literals of the
// program, as the translation tools read them.
std::string translated(const char *context, const char *sourceText);

// The pattern with %1 to %9 replaced by the values, in one pass: a translation
// may reorder them, and a value that holds "%2" is never replaced again.
// Any other '%' stays as it is.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace brelo
