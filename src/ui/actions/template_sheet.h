#pragma once

#include "core/drawing/disc_template.h"
#include "ui/window/last_runs.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <string>
#include <vector>

class QPainter;

namespace brelo {

// A printed disc template: the disc oriented for the run's instant, and the
// lines printed beneath it.
struct TemplateSheet {
    DiscTemplate disc;
    std::vector<std::string> heading;
};

// The sheet of a run, turned zenith up when that is the disc's choice; the
// first heading line gets the instant's local time in the system's zone.
TemplateSheet templateSheet(const EphemerisRun &run, double diameterMm, bool zenithUp, char decimalSeparator);

// Why the sheet does not fit a printable area of this size, in French; "" when it fits.
QString sheetTooLarge(const TemplateSheet &sheet, QSizeF printableMm);

// Draws the sheet at true size, the drawing centred at the top of the
// printable area and the heading beneath. The painter draws in device units,
// `dotsPerMm` of them to a millimetre, from the printable area's top-left corner.
void paintTemplateSheet(QPainter &painter, const TemplateSheet &sheet, double dotsPerMm, QSizeF printableMm);

// The sheet as a one-page PDF at true size: A4 upright, or A3 for the largest discs.
QByteArray templatePdf(const TemplateSheet &sheet);

} // namespace brelo
