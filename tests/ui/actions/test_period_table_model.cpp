#include "scenario.h"
#include "ui/window/form1.h"
#include "ui/actions/period_csv.h"
#include "ui/actions/period_dialog.h"
#include "ui/actions/period_table_model.h"

#include <QBrush>
#include <QBuffer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

PeriodTableModel makeModel(CivilTime start, CivilTime end, PeriodStep step, ObserverPosition observer = {},
                           char decimalSeparator = '.')
{
    Outcome<PeriodTable> table = PeriodTable::make(start, end, step, std::move(observer), decimalSeparator);
    EXPECT_TRUE(table.ok()) << table.error();
    return PeriodTableModel(table.value(), QTimeZone("Europe/Paris"), decimalSeparator);
}

QString cell(const PeriodTableModel &model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

// What follows a label's caption: "Hauteur = 28.065°" gives "28.065°".
QString afterCaption(const QWidget *label)
{
    const QString text = qobject_cast<const QLabel *>(label)->text();
    return text.mid(text.indexOf(QLatin1String(" = ")) + 3);
}

QString afterColon(const QWidget *label)
{
    const QString text = qobject_cast<const QLabel *>(label)->text();
    return text.mid(text.indexOf(QLatin1String(" : ")) + 3);
}

// A random sample of a week of instants, each typed into the window's fields
// and computed by "Calcul": the table shows what the page shows.
TEST(PeriodTableModel, RowsShowThePageTextsOfTheirInstants)
{
    Form1 form(&fixedClock);
    const ObserverPosition observer{"48", "51", "-2", "21"};
    const auto type = [&form](const char *name, const std::string &text) {
        qobject_cast<QLineEdit *>(scenario::control(form, QString::fromLatin1(name)))->setText(QString::fromStdString(text));
    };
    type("txtlatideg", observer.latitudeDegrees);
    type("txtlatimin", observer.latitudeMinutes);
    type("txtlongideg", observer.longitudeDegrees);
    type("txtlongimin", observer.longitudeMinutes);
    const Outcome<PeriodTable> table =
        PeriodTable::make({2026, 3, 17, 0, 0}, {2026, 3, 24, 0, 0}, {7, StepUnit::Minutes}, observer, '.');
    ASSERT_TRUE(table.ok()) << table.error();
    const PeriodTableModel model(table.value(), QTimeZone::systemTimeZone(), '.');
    const char *const pageLabels[] = {"lblad", "lbldec", "lblah", "lblh", "lblaz",
                                      "lblr",  "lblp",   "lblb0", "lbll0", "lblksi"};

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> anyRow(0, model.rowCount() - 1);
    for (int sample = 0; sample < 40; ++sample) {
        const int row = anyRow(random);
        const CivilTime t = civilTimeOf(table.value().instant(static_cast<std::size_t>(row)));
        type("txtann", std::to_string(t.year));
        type("txtmois", std::to_string(t.month));
        type("txtjour", std::to_string(t.day));
        type("txtheur", std::to_string(t.hour));
        type("txtminut", std::to_string(t.minute));
        form.runEphemeris();
        SCOPED_TRACE(testing::Message() << "row " << row << ", " << civilTimeText(t));

        EXPECT_EQ(cell(model, row, 0), QStringLiteral("%1/%2/%3 %4:%5")
                                            .arg(t.day, 2, 10, QLatin1Char('0'))
                                            .arg(t.month, 2, 10, QLatin1Char('0'))
                                            .arg(t.year)
                                            .arg(t.hour, 2, 10, QLatin1Char('0'))
                                            .arg(t.minute, 2, 10, QLatin1Char('0')));
        // The page's local time line ends with its zone: "… 09:00 (CEST, UTC+02:00)".
        EXPECT_EQ(cell(model, row, 1).left(16), afterColon(scenario::control(form, QStringLiteral("lblheureloc"))).left(16));
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(cell(model, row, 2 + i), afterCaption(scenario::control(form, QString::fromLatin1(pageLabels[i]))))
                << pageLabels[i];
        EXPECT_EQ(cell(model, row, 12), afterColon(scenario::control(form, QStringLiteral("lblcarrington"))));
    }
}

TEST(PeriodTableModel, RowsWithTheSunBelowTheHorizonAreGreyed)
{
    // Paris, winter: night at midnight UT, day at noon UT.
    const PeriodTableModel model =
        makeModel({2026, 12, 21, 0, 0}, {2026, 12, 21, 12, 0}, {12, StepUnit::Hours}, {"48", "51", "2", "21"});
    ASSERT_EQ(model.rowCount(), 2);
    const QVariant night = model.data(model.index(0, 5), Qt::ForegroundRole);
    const QVariant noon = model.data(model.index(1, 5), Qt::ForegroundRole);
    EXPECT_TRUE(cell(model, 0, 5).startsWith(QLatin1Char('-'))) << cell(model, 0, 5).toStdString();
    EXPECT_FALSE(cell(model, 1, 5).startsWith(QLatin1Char('-'))) << cell(model, 1, 5).toStdString();
    ASSERT_TRUE(night.canConvert<QBrush>());
    EXPECT_EQ(night.value<QBrush>().color(), QColor(128, 128, 128));
    EXPECT_FALSE(noon.isValid());
}

// 100,000 instants, one a minute: the view asks only for the rows it shows,
// at the top and after a jump to the bottom.
TEST(PeriodTableModel, AHundredThousandRowsComputeOnlyTheRowsShown)
{
    PeriodTableModel model = makeModel({2026, 1, 1, 0, 0}, {2026, 3, 11, 10, 39}, {1, StepUnit::Minutes});
    ASSERT_EQ(model.rowCount(), 100'000);
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(900, 500);
    view.setModel(&model);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();

    const int shown = view.rowAt(view.viewport()->height() - 1) - view.rowAt(0) + 1;
    EXPECT_GT(model.rowsComputed(), 0u);
    EXPECT_LE(model.rowsComputed(), static_cast<std::size_t>(shown + 2));

    view.scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(view.rowAt(view.viewport()->height() - 1), 99'999);
    EXPECT_LE(model.rowsComputed(), static_cast<std::size_t>(2 * shown + 4));
    EXPECT_EQ(cell(model, 99'999, 0), QStringLiteral("11/03/2026 10:39"));
}

// The rise of the row's UT date: at Paris on 21 June 2027, 03:46:55 UT in the
// independent table of tests/data/sun_day_reference.py (±60 s), the same on
// both rows of that date, a later one the next day; at 78° N, in words.
TEST(PeriodTableModel, RowsCarryTheSunsDayOfTheirDate)
{
    const PeriodTableModel paris =
        makeModel({2027, 6, 21, 0, 0}, {2027, 6, 22, 0, 0}, {12, StepUnit::Hours}, {"48", "51", "2", "21"});
    ASSERT_EQ(paris.rowCount(), 3);
    const int rise = PeriodTableModel::columnTitles().indexOf(QStringLiteral("Lever"));
    ASSERT_GT(rise, 0);
    const QString first = cell(paris, 0, rise);
    ASSERT_EQ(first.size(), 11) << first.toStdString();
    EXPECT_TRUE(first.endsWith(QStringLiteral(" TU")));
    const int seconds = QTime::fromString(first.left(8), QStringLiteral("HH:mm:ss")).msecsSinceStartOfDay() / 1000;
    EXPECT_NEAR(seconds, 3 * 3600 + 46 * 60 + 55, 60);
    EXPECT_EQ(cell(paris, 1, rise), first);
    EXPECT_NE(cell(paris, 2, rise), first);

    const PeriodTableModel north =
        makeModel({2027, 6, 21, 0, 0}, {2027, 6, 21, 0, 0}, {1, StepUnit::Hours}, {"78", "0", "15", "0"});
    EXPECT_EQ(cell(north, 0, rise), QString::fromUtf8("Soleil levé toute la journée"));
    EXPECT_EQ(cell(north, 0, PeriodTableModel::kColumnCount - 1), QStringLiteral("24 h 00 min 00 s"));
}

TEST(PeriodCsv, HeaderThenOneLinePerInstantWithBareNumbers)
{
    const struct {
        char decimal;
        const char *header;
    } cases[] = {
        {'.', "Date et heure TU,Heure locale,Ascension droite,Déclinaison (°),Angle horaire,Hauteur (°),"
              "\"Azimuth (0 S, 90 W) (°)\",Distance Terre-Soleil (U.A.),Angle p (+ vers E) (°),"
              "Latitude héliocentrique BO (°),Longitude héliocentrique L0 (°),Angle Nord-Zenith (°),"
              "Rotation de Carrington,Lever,Passage au méridien,Coucher,Hauteur au passage (°),Durée du jour"},
        {',', "Date et heure TU;Heure locale;Ascension droite;Déclinaison (°);Angle horaire;Hauteur (°);"
              "Azimuth (0 S, 90 W) (°);Distance Terre-Soleil (U.A.);Angle p (+ vers E) (°);"
              "Latitude héliocentrique BO (°);Longitude héliocentrique L0 (°);Angle Nord-Zenith (°);"
              "Rotation de Carrington;Lever;Passage au méridien;Coucher;Hauteur au passage (°);Durée du jour"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "decimal separator " << c.decimal);
        const PeriodTableModel model =
            makeModel({2000, 1, 1, 0, 0}, {2000, 1, 1, 1, 0}, {30, StepUnit::Minutes}, {}, c.decimal);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(writePeriodCsv(model, buffer));
        const QStringList lines = QString::fromUtf8(buffer.data()).split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 1 + 3 + 1) << "header, three instants, and nothing after the last line end";
        EXPECT_TRUE(lines.last().isEmpty());
        EXPECT_EQ(lines[0].toStdString(), c.header);
        // The first row: the page's texts of 2000-01-01 00:00 at 45° N, 0° E, units in the titles.
        const auto number = [&c](const char *text) {
            return c.decimal == ',' ? QString::fromLatin1(text).replace(QLatin1Char('.'), QLatin1Char(',')) : QString::fromLatin1(text);
        };
        const QStringList first = lines[1].split(c.decimal == ',' ? QLatin1Char(';') : QLatin1Char(','));
        ASSERT_EQ(first.size(), 18) << lines[1].toStdString();
        const QString want[] = {QStringLiteral("01/01/2000 00:00"), QStringLiteral("01/01/2000 01:00 CET"),
                                QStringLiteral("18 h 42 '"), number("-23.072"),
                                number("179.237") + QString::fromUtf8("° = 11 h 56 '"), number("-68.063"),
                                number("178.122"), number("0.983"), number("2.381"), number("-2.954"),
                                number("8.039"), number("1.442")};
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(first[i], want[i]) << "column " << i;
    }
}

TEST(PeriodCsv, ADeviceThatRefusesToWriteIsReported)
{
    const PeriodTableModel model = makeModel({2000, 1, 1, 0, 0}, {2000, 1, 1, 1, 0}, {30, StepUnit::Minutes});
    QBuffer buffer;
    buffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(writePeriodCsv(model, buffer));
}

} // namespace
} // namespace brelo
