#pragma once

class QLabel;
class QString;
class QWidget;

namespace brelo {

class Form1;
struct EphemerisResult;

// Two lines in the free band of the ephemeris inputs, under "Maintenant": the
// local time of the instant in the fields (the page itself stays in Universal
// Time) and the Carrington rotation it falls in. Placed without moving any
// designed control; they show their captions until the first ephemeris.
void addInstantLines(QWidget *inputFrame);

// After an ephemeris run: the two lines and the tooltip of lbll0 for the
// result, or dashes when the run failed (result null), so that nothing
// describes an instant the fields no longer hold.
void showInstantLines(const Form1 &form, const EphemerisResult *result, char decimalSeparator);

// A line's new text, fitted to the line (refitText) unless the text, the
// label's font and its size are those of its last fit.
void setLineText(QLabel *label, const QString &text);

} // namespace brelo
