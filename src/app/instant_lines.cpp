#include "app/instant_lines.h"

#include "app/controls.h"
#include "app/form1.h"
#include "app/local_time.h"
#include "common/twips_rect.h"
#include "ephemeris/calculephem.h"
#include "ephemeris/carrington.h"

#include <QLabel>

#include <optional>

namespace brelo {

namespace {

const char *const kCarringtonCaption = "Rotation de Carrington : ";

QLabel *labelOf(const Form1 &form, const char *name)
{
    return qobject_cast<QLabel *>(form.control(QString::fromLatin1(name)));
}

void setLine(QLabel *label, const QString &text)
{
    label->setText(text);
    refitText(label);
}

} // namespace

void addInstantLines(QWidget *inputFrame)
{
    // Between the row of "Maintenant" (ends at 1095) and the latitude row: the
    // second line stops short of the "°" that stands at 3480 from 1440 down.
    makeResultLabel(inputFrame, "lblheureloc", QStringLiteral("Heure locale :"), twipsRect(120, 1110, 4395, 195));
    makeResultLabel(inputFrame, "lblcarrington", QString::fromUtf8(kCarringtonCaption).trimmed(),
              twipsRect(120, 1305, 3300, 195));
}

void showInstantLines(const Form1 &form, const EphemerisResult *result, char decimalSeparator)
{
    const std::optional<double> julianDay =
        result ? std::optional<double>(result->values.julianDay) : std::nullopt;
    setLine(labelOf(form, "lblheureloc"), localTimeLine(julianDay, QTimeZone::systemTimeZone()));

    const QString caption = QString::fromUtf8(kCarringtonCaption);
    if (!result) {
        setLine(labelOf(form, "lblcarrington"), caption + QString::fromUtf8("—"));
        return;  // lbll0 keeps the last result, and its tooltip with it
    }
    const QString rotation =
        QString::fromStdString(carringtonText(carringtonRotation(*julianDay), decimalSeparator));
    setLine(labelOf(form, "lblcarrington"), caption + rotation);
    labelOf(form, "lbll0")->setToolTip(caption + rotation);
}

} // namespace brelo
