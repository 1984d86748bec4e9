#include "ui/actions/period_dialog.h"
#include "ui/actions/period_table_model.h"

#include <QDateTimeEdit>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime ut(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc());
}

struct Dialog {
    ObserverPosition observer{"48", "51", "2", "21"};
    PeriodDialog dialog{[this] { return observer; }, ',', QTimeZone("Europe/Paris")};

    QString field(const char *name) const
    {
        return dialog.findChild<QDateTimeEdit *>(QString::fromLatin1(name))->text();
    }
    QString firstUt() const { return dialog.model()->data(dialog.model()->index(0, 0)).toString(); }
};

// Times typed in local time stand for the same instants in UT, winter and summer.
TEST(PeriodDialog, LocalTimesAreTheSameInstants)
{
    const struct {
        QDateTime start;
        const char *localField;
        const char *utCell;
    } cases[] = {
        {ut(2027, 3, 20, 6, 0), "20/03/2027 07:00", "20/03/2027 06:00"},
        {ut(2027, 7, 1, 6, 0), "01/07/2027 08:00", "01/07/2027 06:00"},
        {ut(2027, 12, 31, 23, 30), "01/01/2028 00:30", "31/12/2027 23:30"},
    };
    for (const auto &c : cases) {
        Dialog d;
        d.dialog.setPeriod(c.start, c.start.addSecs(3600));
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
        QDateTime start, end;
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

// 02:30 on the last Sunday of March does not exist in Paris.
TEST(PeriodDialog, ALocalTimeSkippedByTheClocksIsRefused)
{
    Dialog d;
    d.dialog.setTimesInLocalZone(true);
    d.dialog.findChild<QDateTimeEdit *>(QStringLiteral("periodedebut"))
        ->setDateTime(QDateTime(QDate(2027, 3, 28), QTime(2, 30), QTimeZone::utc()));
    d.dialog.findChild<QDateTimeEdit *>(QStringLiteral("periodefin"))
        ->setDateTime(QDateTime(QDate(2027, 3, 28), QTime(12, 0), QTimeZone::utc()));
    EXPECT_FALSE(d.dialog.makeTable());
    EXPECT_EQ(d.dialog.message().toStdString(),
              "Le début de la période (28/03/2027 02:30) n'existe pas en heure locale : les horloges avancent à cette "
              "heure-là.");
    d.dialog.findChild<QDateTimeEdit *>(QStringLiteral("periodedebut"))
        ->setDateTime(QDateTime(QDate(2027, 3, 28), QTime(1, 30), QTimeZone::utc()));
    ASSERT_TRUE(d.dialog.makeTable()) << d.dialog.message().toStdString();
    EXPECT_EQ(d.firstUt(), QStringLiteral("28/03/2027 00:30"));
    EXPECT_EQ(d.dialog.model()->data(d.dialog.model()->index(1, 1)).toString(), QStringLiteral("28/03/2027 01:40 CET"));
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
