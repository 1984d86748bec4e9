#pragma once

class QIODevice;

namespace brelo {

class PeriodTableModel;

// The whole period table as CSV: UTF-8, a header row, then one line per
// instant. The separator is ';' beside the model's decimal comma and ',' otherwise; a
// cell that is one number with a unit ("23,437°", "0,983 U.A.") is written as
// the bare number and its unit goes into the column's title, so spreadsheets
// read it as a number. False when the device refuses to write.
bool writePeriodCsv(const PeriodTableModel &model, QIODevice &out);

} // namespace brelo
