// Reference rows typed into the real window through brelo-drive: the ephemeris
// page shows the reference's ten texts, with a decimal point and a decimal comma.
#include "ephemeris/reference_table.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace brelo {
namespace {

class EphemerisWindow : public testing::TestWithParam<const char *> {};

TEST_P(EphemerisWindow, FiftyReferenceRowsShowTheirTexts)
{
    const QString locale = QString::fromLatin1(GetParam());
    const char sep = locale == QLatin1String("fr_FR") ? ',' : '.';
    // Every 30th row: spread over the table's dates and places.
    std::vector<ReferenceRow> sample;
    const std::vector<ReferenceRow> rows = referenceRows();
    for (std::size_t i = 7; i < rows.size(); i += 30)
        sample.push_back(withSeparator(rows[i], sep));
    ASSERT_EQ(sample.size(), 50u);

    QString script = QStringLiteral("tab 2\n");
    for (const ReferenceRow &row : sample) {
        for (std::size_t f = 0; f < row.inputs.size(); ++f)
            script += QStringLiteral("type %1 %2\n")
                          .arg(QLatin1String(kInputFields[f]), QString::fromStdString(row.inputs[f]));
        script += QStringLiteral("click Command2\ndump\n");
    }

    QProcess driver;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    driver.setProcessEnvironment(env);
    driver.start(QStringLiteral(BRELO_DRIVE), {QStringLiteral("--locale"), locale});
    ASSERT_TRUE(driver.waitForStarted());
    driver.write(script.toUtf8());
    driver.closeWriteChannel();
    ASSERT_TRUE(driver.waitForFinished(120'000));
    ASSERT_EQ(driver.exitCode(), 0) << driver.readAllStandardError().toStdString();

    const QList<QByteArray> dumps = driver.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(dumps.size(), static_cast<qsizetype>(sample.size()));
    for (std::size_t r = 0; r < sample.size(); ++r) {
        const QJsonObject controls =
            QJsonDocument::fromJson(dumps[static_cast<qsizetype>(r)]).object()[QLatin1String("controls")].toObject();
        for (std::size_t l = 0; l < std::size(kLabels); ++l)
            EXPECT_EQ(controls[QLatin1String(kLabels[l])].toObject()[QLatin1String("text")].toString().toStdString(),
                      sample[r].labels[l])
                << "reference line " << sample[r].line;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, EphemerisWindow, testing::Values("C", "fr_FR"));

} // namespace
} // namespace brelo
