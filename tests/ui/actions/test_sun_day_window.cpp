// The "Journée du Soleil" window on the real window: its texts for the page's
// date and place, and a click on its chart moving the page's time (the polar
// words and the dashes after a failed run are in the window scenarios).
#include "charts/sun_day_chart.h"
#include "scenario.h"
#include "ui/actions/sun_day_window.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/window/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

struct DayWindow {
    Form1 form{&fixedClock};

    // The page's fields typed, then "Journée…", which runs the page.
    DayWindow(const char *year, const char *month, const char *day, const char *latitude[2], const char *longitude[2])
    {
        form.show();
        const QString lines[] = {
            QStringLiteral("tab 2"),
            QStringLiteral("type txtann %1").arg(QLatin1String(year)),
            QStringLiteral("type txtmois %1").arg(QLatin1String(month)),
            QStringLiteral("type txtjour %1").arg(QLatin1String(day)),
            QStringLiteral("type txtlatideg %1").arg(QLatin1String(latitude[0])),
            QStringLiteral("type txtlatimin %1").arg(QLatin1String(latitude[1])),
            QStringLiteral("type txtlongideg %1").arg(QLatin1String(longitude[0])),
            QStringLiteral("type txtlongimin %1").arg(QLatin1String(longitude[1])),
            QStringLiteral("click cmdjournee"),
        };
        for (const QString &line : lines)
            scenario::run(form, line);
    }
    std::string text(const char *name) const
    {
        return qobject_cast<QLabel *>(scenario::control(form, QString::fromLatin1(name)))->text().toStdString();
    }
    SunDayChart &chart() const { return *form.findChild<SunDayChart *>(); }
};

int secondsOf(const std::string &clock)  // "03:46:57 TU"
{
    return std::stoi(clock.substr(0, 2)) * 3600 + std::stoi(clock.substr(3, 2)) * 60 + std::stoi(clock.substr(6, 2));
}

// Expected UT times from tests/data/sun_day_reference.py (the NOAA
// calculator's formulation, good to about a minute: ±60 s); local times in
// Paris are UT + 2 h in summer and UT + 1 h in winter, the zone's offset written after them.
TEST(SunDayWindow, ParisAtBothSolsticesInUtAndLocalTime)
{
    qputenv("TZ", "Europe/Paris");
    const char *paris[2][2] = {{"48", "51"}, {"2", "21"}};
    const struct {
        const char *month, *day;
        const char *rise, *transit, *set;
        double transitAltitude;
        int offsetHours;
    } cases[] = {
        {"6", "21", "03:46:55", "11:52:22", "19:57:48", 64.587, 2},
        {"12", "21", "07:41:06", "11:48:33", "15:55:59", 17.714, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.month);
        DayWindow w("2027", c.month, c.day, paris[0], paris[1]);
        EXPECT_EQ(w.text("lbljournee"), std::string("Journée du ") + c.day + "/" + (c.month[1] ? "" : "0") + c.month
                                            + "/2027 à latitude 48° 51', longitude 2° 21' (+ à l'Est)");
        EXPECT_EQ(w.text("lbljourneefuseau"), "Heure locale (Europe/Paris)");
        const char *names[][2] = {{"lbllever", "lblleverlocal"}, {"lblpassage", "lblpassagelocal"},
                                  {"lblcoucher", "lblcoucherlocal"}};
        const char *reference[] = {c.rise, c.transit, c.set};
        for (int i = 0; i < 3; ++i) {
            const std::string ut = w.text(names[i][0]);
            const std::string local = w.text(names[i][1]);
            ASSERT_EQ(ut.size(), 11u) << ut;
            EXPECT_EQ(ut.substr(8), " TU");
            EXPECT_NEAR(secondsOf(ut), secondsOf(reference[i]), 60) << ut;
            EXPECT_EQ(secondsOf(local) - secondsOf(ut), c.offsetHours * 3600) << local;
            EXPECT_EQ(local.substr(8), " +0" + std::to_string(c.offsetHours) + ":00");
        }
        const std::string altitude = w.text("lblhauteurpassage");
        EXPECT_EQ(altitude.substr(altitude.size() - 2), "°");
        EXPECT_NEAR(std::stod(altitude), c.transitAltitude, 0.01);
        int h = 0, m = 0, s = 0;
        ASSERT_EQ(std::sscanf(w.text("lbldureejour").c_str(), "%d h %d min %d s", &h, &m, &s), 3);
        EXPECT_NEAR(h * 3600 + m * 60 + s, secondsOf(c.set) - secondsOf(c.rise), 120);
        EXPECT_TRUE(w.chart().showsDay());
    }
}

// A click on the chart at 15:30 TU puts that time in the page's fields (a
// pixel of the chart is a few minutes of the day) and recomputes the page.
TEST(SunDayWindow, AClickOnTheChartMovesThePageTime)
{
    const char *paris[2][2] = {{"48", "51"}, {"2", "21"}};
    DayWindow w("2027", "6", "21", paris[0], paris[1]);
    const QString before = qobject_cast<QLabel *>(scenario::control(w.form, QStringLiteral("lblah")))->text();
    SunDayChart &chart = w.chart();
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier, chart.viewPointOf(15.5));
    const auto field = [&](const char *name) {
        return qobject_cast<QLineEdit *>(scenario::control(w.form, QString::fromLatin1(name)))->text().toInt();
    };
    EXPECT_NEAR(field("txtheur") * 60 + field("txtminut"), 15 * 60 + 30, 4);
    const std::optional<EphemerisRun> &run = w.form.ephemerisPage().lastRun();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->input.txtheur, std::to_string(field("txtheur")));
    EXPECT_EQ(run->input.txtminut, std::to_string(field("txtminut")));
    EXPECT_NE(qobject_cast<QLabel *>(scenario::control(w.form, QStringLiteral("lblah")))->text(), before);
    // Outside the plot area nothing is picked.
    EXPECT_FALSE(chart.minuteAt(QPoint(1, 1)));
}

} // namespace
} // namespace brelo
