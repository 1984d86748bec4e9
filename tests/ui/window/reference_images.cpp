#include "reference_images.h"

#include "ui/window/form1.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/layout_drawing.h"
#include "ui/widgets/picture_area.h"
#include "core/optics/calcul.h"
#include "scenario.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <optional>

namespace brelo::reference {

namespace {

const QColor kLayoutBackground(255, 128, 128);
const QColor kDiscBackground(128, 0, 0);

struct LayoutCase {
    const char *name;
    OpticsInput optics;
    LayoutInput fields;  // the texts the drawing reads itself
    int scale;
    bool rays;
};

QImage layout(const LayoutCase &c)
{
    PictureArea area(kLayoutBackground, {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
    const Outcome<OpticsResult> run = calcul(c.optics, '.');
    if (run.ok())
        dessin(area, c.fields, run.value().state, c.scale, c.rays, '.');
    return area.image();
}

QImage disc(float anglep, std::optional<float> latb0)
{
    PictureArea area(kDiscBackground, {kDiscInnerTwips, kDiscInnerTwips});
    setDiscUserScale(area);
    dessinephem(area, anglep, latb0);
    return area.image();
}

const LayoutInput kDesignFields{"1000", "90", "50", "30", "50", "50"};

// Start-up texts, then the events of a short session; each stop is a shot.
struct Stop {
    const char *name;
    std::vector<const char *> commands;
};
const Stop kSession[] = {
    {"optics", {"click Cmdcalc", "up UpDown3", "up UpDownech"}},
    {"optics_no_rays", {"click Chkchem"}},
    {"optics_traced_rays", {"click Chkchem", "menu menuparaxial"}},
    {"construction", {"menu menuparaxial", "tab 4"}},
    {"ephemeris", {"tab 2"}},
    {"ephemeris_next_year", {"up UpDown18"}},
    {"about", {"tab 3"}},
};

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// What the screen holds, after the window's own partial repaints.
QImage onScreen(QWidget &window)
{
    QApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

const std::vector<DrawingCase> &drawingCases()
{
    static const std::vector<LayoutCase> layouts{
        {"layout_design", {}, kDesignFields, -2000, true},
        {"layout_no_rays", {}, kDesignFields, -2000, false},
        {"layout_smallest_scale", {}, kDesignFields, -10000, true},
        {"layout_largest_scale", {}, kDesignFields, -1, true},
        {"layout_wide_lenses", {"600", "150", "120", "40", "250", "250"},
         {"600", "150", "140", "40", "130", "120"}, -1200, true},
    };
    static const std::vector<DrawingCase> cases = [] {
        std::vector<DrawingCase> all;
        for (const LayoutCase &c : layouts)
            all.push_back({QString::fromLatin1(c.name), [&c] { return layout(c); }});
        all.push_back({QStringLiteral("disc_p0_b0"), [] { return disc(0.0f, 0.0f); }});
        all.push_back({QStringLiteral("disc_p20_b5"), [] { return disc(20.0f, 5.0f); }});
        all.push_back({QStringLiteral("disc_pm15_bm6"), [] { return disc(-15.0f, -6.0f); }});
        return all;
    }();
    return cases;
}

std::vector<PageShot> pageShots()
{
    // A fixed clock, "." as decimal separator, no brelo.dat, a steady cursor.
    const QLocale locale = QLocale();
    QLocale::setDefault(QLocale::c());
    const QString folder = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);

    std::vector<PageShot> shots;
    {
        Form1 form(&fixedClock);
        form.show();
        QApplication::processEvents();
        for (const Stop &stop : kSession) {
            for (const char *command : stop.commands)
                scenario::run(form, QString::fromLatin1(command));
            shots.push_back({QString::fromLatin1(stop.name), onScreen(form)});
        }
    }
    QApplication::setCursorFlashTime(flash);
    QDir::setCurrent(folder);
    QLocale::setDefault(locale);
    return shots;
}

QString drawingsFolder() { return QStringLiteral(BRELO_TEST_DATA "/drawings"); }
QString pagesFolder() { return QStringLiteral(BRELO_TEST_DATA "/pages"); }

} // namespace brelo::reference
