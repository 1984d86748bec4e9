// Runs every scenario of tests/ui/window/scenarios through brelo-drive, the real
// window driven by real Qt events, and compares its dumps with the fragments
// the scenario expects.

#include "scenario_check.h"
#include "support/driver_environment.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brelo::scenario {
namespace {

const QString kScenarioDir = QStringLiteral(BRELO_SCENARIO_DIR);

struct Scenario {
    QString name;
    QJsonObject json;
};

std::vector<Scenario> loadScenarios()
{
    std::vector<Scenario> scenarios;
    const QDir dir(kScenarioDir);
    for (const QString &file : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QJsonParseError error;
        // "$SCENARIOS" stands for this folder, in options and expected texts alike.
        const QByteArray text = f.readAll().replace("$SCENARIOS", kScenarioDir.toUtf8());
        const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
        scenarios.push_back({file.chopped(5), doc.object()});
        if (error.error != QJsonParseError::NoError)
            scenarios.back().json = QJsonObject{{QStringLiteral("parseError"), error.errorString()}};
    }
    return scenarios;
}

void PrintTo(const Scenario &scenario, std::ostream *out) { *out << scenario.name.toStdString(); }

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, DumpsMatch)
{
    const QJsonObject &s = GetParam().json;
    ASSERT_FALSE(s.contains(QLatin1String("parseError"))) << s.value(QLatin1String("parseError")).toString().toStdString();

    // "$TMP" stands for a fresh folder of this run, for the files a scenario writes.
    const QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const auto inTmp = [&](QString text) { return text.replace(QLatin1String("$TMP"), tmp.path()); };
    QStringList arguments;
    for (const QJsonValue &option : s.value(QLatin1String("options")).toArray())
        arguments << inTmp(option.toString());
    QString script;
    for (const QJsonValue &line : s.value(QLatin1String("script")).toArray())
        script += inTmp(line.toString()) + QLatin1Char('\n');

    QProcess driver;
    driver.setProcessEnvironment(driverEnvironment(s.value(QLatin1String("environment")).toObject()));
    driver.start(QStringLiteral(BRELO_DRIVE), arguments);
    ASSERT_TRUE(driver.waitForStarted());
    driver.write(script.toUtf8());
    driver.closeWriteChannel();
    ASSERT_TRUE(driver.waitForFinished(60'000));

    const int wantedExit = s.value(QLatin1String("exitCode")).toInt(0);
    const QString errors = QString::fromUtf8(driver.readAllStandardError());
    ASSERT_EQ(driver.exitCode(), wantedExit) << errors.toStdString();
    if (s.contains(QLatin1String("stderrContains"))) {
        EXPECT_TRUE(errors.contains(s.value(QLatin1String("stderrContains")).toString())) << errors.toStdString();
    }

    QJsonArray dumps;
    for (const QByteArray &line : driver.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty())
            dumps.append(QJsonDocument::fromJson(line).object());
    const QJsonArray expected = QJsonDocument::fromJson(
        inTmp(QString::fromUtf8(QJsonDocument(s.value(QLatin1String("expect")).toArray()).toJson())).toUtf8()).array();
    ASSERT_EQ(dumps.size(), expected.size()) << "number of dumps";
    for (int i = 0; i < expected.size(); ++i) {
        const QStringList found = mismatches(expected.at(i), dumps.at(i), dumps, QString());
        EXPECT_TRUE(found.isEmpty()) << "dump " << i << ":\n" << found.join(QLatin1Char('\n')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Window, ScenarioTest, ::testing::ValuesIn(loadScenarios()),
                         [](const ::testing::TestParamInfo<Scenario> &info) {
                             return info.param.name.toStdString();
                         });

TEST(ScenarioCheck, FragmentsMatchOnlyWhatTheyName)
{
    const QJsonObject first{{QStringLiteral("a"), 1}, {QStringLiteral("rows"), QJsonArray{QStringLiteral("x"), QStringLiteral("y")}}};
    const QJsonObject second{{QStringLiteral("a"), 2}, {QStringLiteral("rows"), QJsonArray{QStringLiteral("x")}}};
    const QJsonArray dumps{first, second};
    EXPECT_TRUE(mismatches(QJsonObject{{QStringLiteral("a"), 1}}, first, dumps).isEmpty());
    EXPECT_EQ(mismatches(QJsonObject{{QStringLiteral("a"), 1}}, second, dumps).size(), 1);
    EXPECT_EQ(mismatches(QJsonObject{{QStringLiteral("b"), 1}}, first, dumps).size(), 1);
    const QJsonObject rowOne{{QStringLiteral("rows"), QJsonObject{{QStringLiteral("1"), QStringLiteral("y")}}}};
    EXPECT_TRUE(mismatches(rowOne, first, dumps).isEmpty());
    EXPECT_EQ(mismatches(rowOne, second, dumps).size(), 1);  // no row 1
    const QJsonObject same{{QStringLiteral("a"), QJsonObject{{QStringLiteral("$sameAs"), 0}}}};
    EXPECT_TRUE(mismatches(same, first, dumps).isEmpty());
    EXPECT_EQ(mismatches(same, second, dumps).size(), 1);
    EXPECT_TRUE(mismatches(QJsonValue(248.19277108433735), QJsonValue(248.19277108433732), dumps).isEmpty());
    EXPECT_EQ(mismatches(QJsonValue(248.1927), QJsonValue(248.19277108433732), dumps).size(), 1);
}

} // namespace
} // namespace brelo::scenario
