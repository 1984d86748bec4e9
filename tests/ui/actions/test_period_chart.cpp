// The period dialog's chart: any column over the period, its time axis read
// as the dialog's times are, long tables thinned.
#include "charts/period_chart.h"
#include "core/ephemeris/period_series.h"
#include "ui/actions/chart_export.h"
#include "ui/actions/file_dialogs.h"
#include "ui/actions/period_chart_window.h"
#include "ui/actions/period_dialog.h"

#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLineSeries>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace brelo {
namespace {

UtMinutes ut(int year, unsigned month, unsigned day, int hour, int minute)
{
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute};
}

int columnNamed(const char *title)
{
    const auto titles = seriesColumnTitles();
    return static_cast<int>(std::find_if(titles.begin(), titles.end(),
                                         [&](const std::string &t) { return t == title; })
                            - titles.begin());
}

struct Charted {
    ObserverPosition observer{"48", "51", "2", "21"};
    PeriodDialog dialog{[this] { return observer; }, '.', QTimeZone("Europe/Paris")};

    QChart &chart(PeriodChartWindow *window) const { return *window->chart().chart(); }
    int points(PeriodChartWindow *window) const
    {
        int count = 0;
        for (QAbstractSeries *series : chart(window).series())
            count += static_cast<int>(qobject_cast<QLineSeries *>(series)->count());
        return count;
    }
};

// B0 over a year at noon, one row a day: a point a day, months along the axis.
TEST(PeriodChart, AColumnOverAYear)
{
    Charted c;
    c.dialog.setPeriod(ut(2027, 1, 1, 12, 0), ut(2027, 12, 31, 12, 0));
    c.dialog.findChild<QComboBox *>(QStringLiteral("periodeunite"))->setCurrentIndex(2);
    c.dialog.findChild<QSpinBox *>(QStringLiteral("periodepas"))->setValue(1);
    ASSERT_TRUE(c.dialog.makeTable()) << c.dialog.message().toStdString();
    PeriodChartWindow *window = c.dialog.showChart();
    ASSERT_NE(window, nullptr);
    window->setColumn(columnNamed("Latitude héliocentrique B0 (°)"));
    EXPECT_EQ(c.chart(window).title(), QString::fromUtf8("Latitude héliocentrique B0 (°)"));
    EXPECT_EQ(c.points(window), 365);
    auto *time = qobject_cast<QCategoryAxis *>(c.chart(window).axes(Qt::Horizontal).value(0));
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->titleText(), QStringLiteral("Temps universel (TU)"));
    // Noon of 1 January comes after the mark of that month: March is the first.
    EXPECT_EQ(time->categoriesLabels().value(0), QStringLiteral("03/2027"));

    c.dialog.setTimesInLocalZone(true);
    window = c.dialog.showChart();
    time = qobject_cast<QCategoryAxis *>(c.chart(window).axes(Qt::Horizontal).value(0));
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->titleText(), QStringLiteral("Heure locale (Europe/Paris)"));
}

// 10,001 instants a minute apart are drawn as every third, and the title says so.
TEST(PeriodChart, LongTablesAreThinnedAndSaySo)
{
    Charted c;
    c.dialog.setPeriod(ut(2027, 1, 1, 0, 0), ut(2027, 1, 7, 22, 40));
    c.dialog.findChild<QComboBox *>(QStringLiteral("periodeunite"))->setCurrentIndex(0);
    c.dialog.findChild<QSpinBox *>(QStringLiteral("periodepas"))->setValue(1);
    ASSERT_TRUE(c.dialog.makeTable());
    PeriodChartWindow *window = c.dialog.showChart();
    EXPECT_EQ(c.points(window), 3335);  // rows 0, 3, ..., 9999, and the last
    EXPECT_TRUE(c.chart(window).title().endsWith(QStringLiteral("(une ligne sur 3 du tableau)")))
        << c.chart(window).title().toStdString();
}

// The chart leaves the window as a PNG, an SVG of vector lines or a PDF, by
// the file's extension.
TEST(ChartExport, ThreeFormatsByTheFilesExtension)
{
    Charted c;
    c.dialog.setPeriod(ut(2027, 6, 21, 0, 0), ut(2027, 6, 22, 0, 0));
    ASSERT_TRUE(c.dialog.makeTable());
    PeriodChartWindow *window = c.dialog.showChart();
    const FileDialogs saved = fileDialogs();
    QTemporaryDir dir;
    for (const auto &[name, start] : {std::pair{"g.png", QByteArray("\x89PNG")}, std::pair{"g.svg", QByteArray("<?xml")},
                                      std::pair{"g.pdf", QByteArray("%PDF-")}}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        setFileDialogs({[&](QWidget *, const FileQuestion &) { return std::optional(FileAnswer{path, QString()}); },
                        saved.choosePrinter, [](QWidget *, const QString &, bool) {}});
        EXPECT_EQ(exportChart(*window, window->chart(), QStringLiteral("g")).toStdString(),
                  "Graphique exporté dans « " + QDir::toNativeSeparators(path).toStdString() + " ».");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(start)) << name;
        if (QByteArray(name).endsWith("svg")) {
            EXPECT_GT(bytes.count("<polyline"), 10) << "vector lines";
        }
    }
    setFileDialogs(saved);
}

} // namespace
} // namespace brelo
