// A random sample of both reference tables typed into the real window through
// brelo-drive, in a French and in the C locale: the dumps must show exactly the
// reference texts. The pure computations are checked on every row elsewhere;
// this catches what the window adds (reading the boxes, writing the labels and
// lists, the locale's separator).

#include "support/driver_environment.h"
#include "support/reference_tsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace brelo {
namespace {

constexpr int kSample = 50;

struct Table {
    const char *path;
    std::vector<const char *> inputs;  // boxes, in the table's column order
    std::vector<const char *> labels;  // shown labels, then the lists' newest 24 rows
    const char *run;                   // the button that computes
    bool hasLists;
    std::set<int> unchecked;           // shown columns the table no longer holds right
};

const Table kOptics{BRELO_OPTICS_REFERENCE,
                    {"Txtfoco1", "Txtdo1", "Txtfoco2", "Txtdiscoc", "Txtfoco3a", "Txtfoco3b"},
                    {"Lblb", "Lblx", "Lblc", "Lblfocresult", "Lblfd", "Lbldiscmin", "Lbldiscmax", "Lblrem"},
                    "Cmdcalc",
                    true,
                    // Written when the focal length left out the field lens;
                    // focal_length_reference.tsv checks these two instead.
                    {3, 4}};
const Table kEphemeris{BRELO_EPHEMERIS_REFERENCE,
                       {"txtann", "txtmois", "txtjour", "txtheur", "txtminut", "txtlatideg", "txtlatimin",
                        "txtlongideg", "txtlongimin"},
                       {"lblad", "lbldec", "lblah", "lblh", "lblaz", "lblr", "lblp", "lblb0", "lbll0", "lblksi"},
                       "Command2",
                       false,
                       {}};

std::vector<reference::Row> sample(const Table &table)
{
    std::vector<reference::Row> rows = reference::readTsv(table.path);
    std::shuffle(rows.begin(), rows.end(), std::mt19937(20261207));
    rows.resize(std::min<std::size_t>(rows.size(), kSample));
    return rows;
}

// The script: each row typed in, computed, dumped.
QString script(const Table &table, const std::vector<reference::Row> &rows, char sep)
{
    QString lines;
    for (const auto &row : rows) {
        for (std::size_t i = 0; i < table.inputs.size(); ++i)
            lines += QStringLiteral("type %1 %2\n")
                         .arg(QLatin1String(table.inputs[i]),
                              QString::fromStdString(reference::withSeparator(row.cells[i], sep)));
        lines += QStringLiteral("click %1\ndump\n").arg(QLatin1String(table.run));
    }
    return lines;
}

QStringList shownTexts(const Table &table, const QJsonObject &dump)
{
    const QJsonObject controls = dump.value(QLatin1String("controls")).toObject();
    QStringList texts;
    for (const char *label : table.labels)
        texts << controls.value(QLatin1String(label)).toObject().value(QLatin1String("text")).toString();
    if (table.hasLists) {
        for (const char *list : {"Listdiam", "Listdimfoy"}) {
            const QJsonArray rows = controls.value(QLatin1String(list)).toObject().value(QLatin1String("rows")).toArray();
            for (int i = 0; i < 24; ++i)
                texts << rows.at(i).toString();
        }
    }
    return texts;
}

struct Locale {
    const char *name;
    char separator;
};

class ReferenceWindow : public testing::TestWithParam<Locale> {};

TEST_P(ReferenceWindow, SampledRowsShowTheReferenceTexts)
{
    const Locale locale = GetParam();
    const std::vector<reference::Row> optics = sample(kOptics);
    const std::vector<reference::Row> ephemeris = sample(kEphemeris);
    ASSERT_EQ(optics.size(), std::size_t(kSample));
    ASSERT_EQ(ephemeris.size(), std::size_t(kSample));

    // O3' is typed too: the box that ties it to O3 is unticked first.
    const QString commands = QStringLiteral("click Chko3\n") + script(kOptics, optics, locale.separator)
                           + QStringLiteral("tab 2\n") + script(kEphemeris, ephemeris, locale.separator);
    QProcess driver;
    driver.setProcessEnvironment(driverEnvironment());
    driver.start(QStringLiteral(BRELO_DRIVE), {QStringLiteral("--locale"), QLatin1String(locale.name),
                                               QStringLiteral("--clock"), QStringLiteral("2026-03-06T09:05")});
    ASSERT_TRUE(driver.waitForStarted());
    driver.write(commands.toUtf8());
    driver.closeWriteChannel();
    ASSERT_TRUE(driver.waitForFinished(300'000));
    ASSERT_EQ(driver.exitCode(), 0) << driver.readAllStandardError().toStdString();

    QList<QByteArray> dumps = driver.readAllStandardOutput().split('\n');
    dumps.removeAll(QByteArray());
    ASSERT_EQ(dumps.size(), 2 * kSample);
    for (int i = 0; i < dumps.size(); ++i) {
        const bool isOptics = i < kSample;
        const Table &table = isOptics ? kOptics : kEphemeris;
        const reference::Row &row = isOptics ? optics[std::size_t(i)] : ephemeris[std::size_t(i - kSample)];
        const QStringList shown = shownTexts(table, QJsonDocument::fromJson(dumps[i]).object());
        for (int column = 0; column < shown.size(); ++column) {
            if (table.unchecked.count(column))
                continue;
            const std::string expected =
                reference::withSeparator(row.cells[table.inputs.size() + std::size_t(column)], locale.separator);
            EXPECT_EQ(shown[column].toStdString(), expected)
                << table.path << " line " << row.line << " column " << table.inputs.size() + column + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, ReferenceWindow,
                         testing::Values(Locale{"fr_FR", ','}, Locale{"C", '.'}),
                         [](const auto &info) { return info.param.separator == ',' ? "French" : "C"; });

} // namespace
} // namespace brelo
