#pragma once

#include <string>
#include <string_view>

namespace brelo {

enum class NumericTextError { None, Empty, NotANumber, TooLarge };

// A text box's text read as a number: the value, or why it cannot be one.
struct NumericText {
    double value = 0.0;
    NumericTextError error = NumericTextError::None;

    bool ok() const { return error == NumericTextError::None; }
};

// Reads a typed field's text as a double. Blanks around the number are allowed;
// the number is an optional sign, digits with at most one decimal separator,
// '.' or ',' whatever the locale's (numbers are never grouped here, so "1000,5"
// and "1000.5" can only mean one thing), and an optional exponent ("1,5e3").
// Anything else (empty text, "abc", "nan", "inf", "1 000", "1,000.5") is an
// error, never 0. A magnitude beyond the double range is an error; one below it reads as 0.
NumericText readNumber(std::string_view text);

// The same, for callers that pass the locale's separator: the other one is read too.
inline NumericText readNumber(std::string_view text, char /*localeSeparator*/)
{
    return readNumber(text);
}

// A number written under a file's own rule, where only `separator` marks the
// decimals (brelo.dat: the point, as the comma separates its values).
NumericText readNumberWith(std::string_view text, char separator);

enum class Gender { Masculine, Feminine };

// "la focale de O1 (« abc ») n'est pas un nombre (…).": the field's name (a
// French source text of the "fields" context, in the language chosen), the
// text quoted as typed when it is short and printable enough to repeat (see
// quotedText), and the reason: "est vide", "n'est pas un nombre (séparateur
// décimal : point ou virgule)", "est trop grand" ("grande" after a feminine
// name such as "la focale de O1"). Nothing when there is no error.
std::string fieldProblem(const char *fieldName, std::string_view text, NumericTextError error);
// The same with the name's gender given, for names whose article does not show
// it ("l'année").
std::string fieldProblem(const char *fieldName, std::string_view text, NumericTextError error, Gender gender);

// " (« abc »)": a typed text quoted after a field's name, when it is at most 24
// bytes of printable characters; nothing for an empty or longer text. The
// quotes are the language's.
std::string quotedText(std::string_view text);

// The gender of a field's French name, read from its article ("la distance A").
inline Gender genderOfName(std::string_view name)
{
    return name.starts_with("la ") ? Gender::Feminine : Gender::Masculine;
}

} // namespace brelo
