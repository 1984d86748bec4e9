#include "ui/actions/period_dialog.h"
#include "ui/actions/period_table_model.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace brelo {
namespace {

UtMinutes ut(int year, unsigned month, unsigned day, int hour, int minute)
{
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute};
}

struct Dialog {
    ObserverPosition observer{"48", "51", "2", "21"};
    PeriodDialog dialog{[this] { return observer; }, ',', QTimeZone("Europe/Paris")};

    QLineEdit *box(const char *name) const { return dialog.findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QString field(const char *name) const { return box(name)->text(); }
    QString firstUt() const { return dialog.model()->data(dialog.model()->index(0, 0)).toString(); }
};

// Times typed in local time stand for the same instants in UT, winter and summer.
TEST(PeriodDialog, LocalTimesAreTheSameInstants)
{
    const struct {
        UtMinutes start;
        const char *localField;
        const char *utCell;
    } cases[] = {
        {ut(2027, 3, 20, 6, 0), "20/03/2027 07:00", "20/03/2027 06:00"},
        {ut(2027, 7, 1, 6, 0), "01/07/2027 08:00", "01/07/2027 06:00"},
        {ut(2027, 12, 31, 23, 30), "01/01/2028 00:30", "31/12/2027 23:30"},
    };
    for (const auto &c : cases) {
        Dialog d;
        d.dialog.setPeriod(c.start, c.start + std::chrono::hours{1});
        EXPECT_EQ(d.field("periodedebut"), c.utCell);
        d.dialog.setTimesInLocalZone(true);
        EXPECT_EQ(d.field("periodedebut"), c.localField);
        ASSERT_TRUE(d.dialog.makeTable()) << d.dialog.message().toStdString();
        EXPECT_EQ(d.firstUt(), c.utCell);
        EXPECT_EQ(d.dialog.model()->rowCount(), 7);
        d.dialog.setTimesInLocalZone(false);
        EXPECT_EQ(d.field("periodedebut"), c.utCell);
    }
}

TEST(PeriodDialog, ATableThatCannotBeMadeSaysWhyAndLeavesNoTable)
{
    const struct {
        UtMinutes start, end;
        ObserverPosition observer;
        const char *said;
    } cases[] = {
        {ut(2027, 3, 20, 18, 0), ut(2027, 3, 20, 6, 0), {"48", "51", "2", "21"}, "précède son début"},
        {ut(2027, 3, 20, 6, 0), ut(2027, 3, 20, 18, 0), {"4x8", "51", "2", "21"}, "latitude"},
        {ut(2027, 3, 20, 6, 0), ut(2027, 3, 20, 18, 0), {"48", "51", "2", ""}, "longitude"},
    };
    for (const auto &c : cases) {
        Dialog d;
        d.observer = c.observer;
        d.dialog.setPeriod(c.start, c.end);
        EXPECT_FALSE(d.dialog.makeTable());
        EXPECT_EQ(d.dialog.model(), nullptr);
        EXPECT_TRUE(d.dialog.message().contains(QString::fromUtf8(c.said))) << d.dialog.message().toStdString();
        EXPECT_FALSE(d.dialog.findChild<QPushButton *>(QStringLiteral("cmdexportcsv"))->isEnabled());
    }
}

// A whole date and time typed over the field is read as typed, in UT or in
// local time (Paris: UT+1 in March); one the clocks skip or repeat is refused,
// quoted as typed (02:30 on the last Sunday of March does not exist in Paris,
// it happens twice on the last Sunday of October).
TEST(PeriodDialog, ATypedDateIsReadAsTyped)
{
    const struct {
        bool local;
        const char *start, *end;
        const char *firstUt;  // or the message
    } cases[] = {
        {false, "05/03/2027 08:00", "05/03/2027 09:00", "05/03/2027 08:00"},
        {true, "05/03/2027 08:00", "05/03/2027 09:00", "05/03/2027 07:00"},
        {true, "28/03/2027 02:30", "28/03/2027 12:00",
         "Le début de la période (28/03/2027 02:30) n'existe pas dans le fuseau Europe/Paris (changement d'heure)."},
        {true, "30/10/2027 12:00", "31/10/2027 02:30",
         "La fin de la période (31/10/2027 02:30) a lieu deux fois dans le fuseau Europe/Paris (changement d'heure) : "
         "à 2027-10-31 00:30 TU puis à 2027-10-31 01:30 TU."},
        {false, "05/03/2027 08:00", "04/03/2027 08:00",
         "La fin de la période (04/03/2027 08:00) précède son début (05/03/2027 08:00)."},
    };
    for (const auto &c : cases) {
        Dialog d;
        d.dialog.setPeriod(ut(2026, 1, 1, 0, 0), ut(2026, 1, 2, 0, 0));
        d.dialog.setTimesInLocalZone(c.local);
        for (const auto &[name, text] : {std::pair{"periodedebut", c.start}, std::pair{"periodefin", c.end}}) {
            QTest::keyClick(d.box(name), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(d.box(name), QString::fromUtf8(text));
        }
        const bool made = d.dialog.makeTable();
        EXPECT_EQ(made ? d.firstUt() : d.dialog.message(), QString::fromUtf8(c.firstUt)) << c.start;
    }
}

// The dialog opens on the page's instant, its year read as the page reads it
// (astronomical: -4000 is 4001 BC), and a day later.
TEST(PeriodDialog, OpensOnThePagesInstant)
{
    QWidget window;
    PeriodDialog *dialog = showPeriodDialog(window, nullptr, [] { return EphemerisInput{"-4000", "12", "9", "14", "41"}; }, '.');
    EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("periodedebut"))->text(), QStringLiteral("09/12/-4000 14:41"));
    EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("periodefin"))->text(), QStringLiteral("10/12/-4000 14:41"));
}

// The count of instants and the refusal of too many are written alike, with the locale's grouping.
TEST(PeriodDialog, CountsAreGroupedByTheLocale)
{
    Dialog d;
    d.dialog.setPeriod(ut(2027, 1, 1, 0, 0), ut(2027, 1, 11, 0, 0));
    ASSERT_TRUE(d.dialog.makeTable());
    EXPECT_EQ(d.dialog.message(), QLocale().toString(1441) + QStringLiteral(" instants"));
    d.dialog.setPeriod(ut(2000, 1, 1, 0, 0), ut(2200, 1, 1, 0, 0));
    EXPECT_FALSE(d.dialog.makeTable());
    EXPECT_TRUE(d.dialog.message().contains(QLocale().toString(5'000'000))) << d.dialog.message().toStdString();
}

TEST(PeriodDialog, ExportWritesTheFileOrNamesTheOneItCouldNotWrite)
{
    Dialog d;
    d.dialog.setPeriod(ut(2027, 3, 20, 6, 0), ut(2027, 3, 20, 7, 0));
    ASSERT_TRUE(d.dialog.makeTable());

    const QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("période.csv"));
    ASSERT_TRUE(d.dialog.exportCsv(good));
    QFile written(good);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Date et heure TU;Heure locale;"))) << text.left(80).toStdString();
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 1 + 7);
    EXPECT_TRUE(text.contains(QStringLiteral("20/03/2027 06:00;20/03/2027 07:00 CET;")));

    const QString bad = dir.filePath(QStringLiteral("pas/de/dossier.csv"));
    EXPECT_FALSE(d.dialog.exportCsv(bad));
    EXPECT_TRUE(d.dialog.message().startsWith(QString::fromUtf8("Impossible d'enregistrer « %1 » : ").arg(bad)))
        << d.dialog.message().toStdString();
}

} // namespace
} // namespace brelo
