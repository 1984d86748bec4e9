#include "ui/pages/instant_lines.h"

#include "ui/widgets/controls.h"
#include "ui/window/form1.h"
#include "ui/widgets/glyph_table.h"
#include "ui/pages/local_time.h"
#include "ui/pages/system_zone.h"
#include "ui/widgets/twips_rect.h"
#include "core/ephemeris/calculephem.h"
#include "core/ephemeris/carrington.h"

#include <QLabel>

#include <optional>

namespace brelo {

namespace {

const char *const kCarringtonCaption = "Rotation de Carrington : ";

QLabel *labelOf(const Form1 &form, const char *name)
{
    return qobject_cast<QLabel *>(form.control(QString::fromLatin1(name)));
}

// What a line was last fitted to, and the font the fit gave it.
class LineFit : public QObject {
public:
    using QObject::QObject;
    QString text;
    QFont font;
    QSize size;
};

LineFit *fitOf(QLabel *label)
{
    for (QObject *child : label->children()) {
        if (auto *fit = dynamic_cast<LineFit *>(child))
            return fit;
    }
    return new LineFit(label);
}

} // namespace

// Measuring the text for the fit is most of a run's cost for these lines; the
// same text, in the font and at the size the last fit left, fits as it did.
void setLineText(QLabel *label, const QString &text)
{
    LineFit *fit = fitOf(label);
    if (label->text() == text && fit->text == text && label->font() == fit->font && label->size() == fit->size)
        return;
    label->setText(text);
    refitText(label, horizontalAdvance);
    fit->text = text;
    fit->font = label->font();
    fit->size = label->size();
}

void addInstantLines(QWidget *inputFrame)
{
    // Between the row of "Maintenant" (ends at 1095) and the latitude row: the
    // second line stops short of the "°" that stands at 3480 from 1440 down.
    QLabel *const lines[] = {
        makeResultLabel(inputFrame, "lblheureloc", QStringLiteral("Heure locale :"), twipsRect(120, 1110, 4395, 195)),
        makeResultLabel(inputFrame, "lblcarrington", QString::fromUtf8(kCarringtonCaption).trimmed(),
                        twipsRect(120, 1305, 3300, 195)),
    };
    // Placed by hand, not by a layout: of a fixed size, a line's new text
    // posts no layout pass to the frame.
    for (QLabel *line : lines)
        line->setFixedSize(line->size());
}

void showInstantLines(const Form1 &form, const EphemerisResult *result, char decimalSeparator)
{
    const std::optional<double> julianDay =
        result ? std::optional<double>(result->values.julianDay) : std::nullopt;
    setLineText(labelOf(form, "lblheureloc"), localTimeLine(julianDay, systemZone()));

    const QString caption = QString::fromUtf8(kCarringtonCaption);
    if (!result) {
        setLineText(labelOf(form, "lblcarrington"), caption + QString::fromUtf8("—"));
        return;  // lbll0 keeps the last result, and its tooltip with it
    }
    const QString rotation =
        QString::fromStdString(carringtonText(carringtonRotation(*julianDay), decimalSeparator));
    setLineText(labelOf(form, "lblcarrington"), caption + rotation);
    // The rotation's third decimal changes about every forty minutes.
    if (QLabel *l0 = labelOf(form, "lbll0"); l0->toolTip() != caption + rotation)
        l0->setToolTip(caption + rotation);
}

} // namespace brelo
