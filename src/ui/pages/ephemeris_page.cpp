#include "ui/widgets/controls.h"
#include "ui/pages/instant_lines.h"
#include "ui/actions/period_dialog.h"
#include "ui/pages/pages.h"
#include "ui/window/spin_table.h"
#include "ui/widgets/twips_rect.h"
#include "core/drawing/disc_drawing.h"
#include "ui/widgets/picture_area.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brelo {

namespace {

constexpr Rgb kDiscBackground{128, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr double kSymbolPoints = 13.5;

struct Placed {
    const char *name;
    const char *text;
    int left, top, width, height;
};

QRect rectOf(const Placed &p) { return twipsRect(p.left, p.top, p.width, p.height); }

void buildInputFrame(QWidget *page, char separator)
{
    auto *frame = makeFrame(page, "Frame4", QString::fromUtf8("Valeurs en entrée"), pageRect(180, 480, 4575, 2895));

    const Placed labels[] = {
        {"Label27", "Date: Année", 180, 360, 1035, 255},
        {"Label26", "Mois", 2100, 360, 375, 255},
        {"Label20", "Jour", 3240, 360, 375, 255},
        {"Label23", "Heures", 2460, 780, 555, 255},
        {"Label19", "Minutes", 3780, 780, 615, 195},
        {"Label24", "Latitude de l'observateur:", 900, 1560, 1815, 255},
        {"Label22", "°", 3480, 1440, 135, 255},
        {"Label25", "'", 4320, 1380, 195, 315},
        // Designed to run under txtlongideg; kept clear of it so the text shows whole.
        {"Label21", "Longitude de l'observateur (+ à l'Est):", 60, 1980, 2670, 255},
        // The time fields hold Universal Time, not the local time: said on
        // screen as a heading over them, in the free band above their row.
        {"lbltu", "Temps Universel (TU) :", 1740, 585, 2655, 195},
    };
    for (const Placed &p : labels)
        makeLabel(frame, p.name, QString::fromUtf8(p.text), rectOf(p));
    for (const char *symbol : {"Label22", "Label25"})
        setPointSize(frame->findChild<QLabel *>(QString::fromLatin1(symbol)), kSymbolPoints);

    // The date and time fields hold Universal Time, which start-up and
    // "Maintenant" copy from the clock.
    const QString universalTime = QStringLiteral("Temps universel (TU)");
    const Placed fields[] = {
        {"txtann", "2000", 1260, 300, 495, 285},     {"txtmois", "1", 2580, 300, 330, 285},
        {"txtjour", "1", 3660, 300, 330, 285},       {"txtheur", "0", 1740, 780, 390, 285},
        {"txtminut", "0", 3120, 780, 315, 285},      {"txtlatideg", "45", 2760, 1500, 435, 285},
        {"txtlatimin", "0", 3660, 1500, 375, 285},   {"txtlongideg", "0", 2760, 1920, 435, 285},
        {"txtlongimin", "0", 3660, 1920, 375, 285},
    };
    for (int i = 0; i < 9; ++i) {
        auto *field = makeTextBox(frame, fields[i].name, QString::fromUtf8(fields[i].text), rectOf(fields[i]));
        if (i < 5)
            field->setToolTip(universalTime);
    }

    const Placed spins[] = {
        {"UpDown18", "", 1740, 300, 240, 285}, {"UpDown17", "", 2880, 300, 240, 285},
        {"UpDown15", "", 3960, 300, 240, 285}, {"UpDown16", "", 2100, 780, 240, 285},
        {"UpDown14", "", 3420, 780, 240, 285}, {"UpDown13", "", 3180, 1500, 240, 285},
        {"UpDown10", "", 4020, 1500, 240, 285}, {"UpDown12", "", 3180, 1920, 240, 285},
        {"UpDown11", "", 4020, 1920, 240, 285},
    };
    for (const Placed &p : spins)
        makeSpinButton(frame, p.name, separator, rectOf(p));

    makeButton(frame, "cmdmaint", QStringLiteral("Maintenant"), twipsRect(120, 780, 1275, 315))
        ->setToolTip(universalTime);
    makeButton(frame, "Command2", QStringLiteral("Calcul"), twipsRect(1440, 2400, 1455, 315));
    addInstantLines(frame);
    addPeriodButton(frame);
}

void buildResultFrame(QWidget *page)
{
    auto *frame = makeFrame(page, "Frame6", QString::fromUtf8("Ephémérides Solaires"), pageRect(180, 3480, 4575, 4155));
    const Placed labels[] = {
        {"lblad", "Ascension Droite =", 300, 300, 4035, 255},
        {"lbldec", "Déclinaison =", 300, 660, 3975, 255},
        {"lblah", "Angle horaire (+ vers W) =", 300, 1035, 4095, 255},
        {"lblh", "Hauteur =", 300, 1395, 4095, 255},
        {"lblaz", "Azimuth (0 S - 90 W) =", 300, 1770, 4155, 255},
        {"lblr", "Distance Terre-Soleil (U.A.) =", 300, 2310, 4155, 255},
        {"lblp", "Angle p (+ vers E) =", 300, 2670, 4155, 255},
        {"lblb0", "Latitude héliocentrique B0 =", 300, 3045, 4215, 255},
        {"lbll0", "Longitude héliocentrique L0 =", 300, 3405, 4215, 255},
        {"lblksi", "Angle Nord - Zenith =", 300, 3780, 4215, 255},
    };
    QList<QWidget *> results;
    for (const Placed &p : labels)
        results << makeResultLabel(frame, p.name, QString::fromUtf8(p.text), rectOf(p));
    keepLaidOutSize(frame, results);
    makeSeparator(frame, "Line4", twipsRect(60, 2160, 4455, 30));
}

void buildDiscPicture(QWidget *page)
{
    auto *picture = new PictureArea(QColor(kDiscBackground.r, kDiscBackground.g, kDiscBackground.b),
                                    QSizeF(6735, 6735), page);
    picture->setObjectName(QStringLiteral("Picture3"));
    picture->setGeometry(pageRect(4860, 660, 6800, 6800));
    setDiscUserScale(*picture);

    // North up, east to the left, as the sky shows the Sun.
    const Placed compass[] = {
        {"Label31", "N", 3300, 0, 195, 195},
        {"Label30", "E", 60, 3180, 195, 195},
        {"Label28", "S", 3360, 6540, 195, 195},
        {"Label29", "W", 6540, 3240, 195, 195},  // ends at the inner right edge
    };
    for (const Placed &p : compass) {
        auto *label = makeLabel(picture, p.name, QString::fromLatin1(p.text),
                                rectOf(p).translated(PictureArea::kBorderPx, PictureArea::kBorderPx));
        setTextColor(label, kYellow);
        setOpaqueBackground(label, kDiscBackground);
    }
}

} // namespace

QWidget *buildEphemerisPage(QWidget *parent, char decimalSeparator)
{
    auto *page = new QWidget(parent);
    buildInputFrame(page, decimalSeparator);
    buildResultFrame(page);
    buildDiscPicture(page);
    return page;
}

} // namespace brelo
