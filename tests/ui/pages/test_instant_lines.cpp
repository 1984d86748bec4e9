#include "ui/widgets/controls.h"
#include "ui/widgets/glyph_table.h"
#include "ui/pages/instant_lines.h"
#include "ui/pages/local_time.h"
#include "ui/widgets/twips_rect.h"
#include "core/ephemeris/carrington.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace brelo {
namespace {

// A line keeps the fit of its last text while text, font and size stay; after
// any change it must be fitted as a fresh label with the same font, size and
// text would be.
TEST(InstantLines, ALineIsFittedAsAFreshLabelWhateverChanged)
{
    const QString shortText = QStringLiteral("Heure locale : —");
    const QString longText =
        QStringLiteral("Heure locale : 07/12/2026 20:05 (CET, UTC+01:00) et encore un peu plus loin");
    const struct {
        const char *what;
        const QString &text;
        std::function<void(QLabel &)> change;
    } steps[] = {
        {"a long text", longText, [](QLabel &) {}},
        {"the same again", longText, [](QLabel &) {}},
        {"a short text", shortText, [](QLabel &) {}},
        {"the long text back", longText, [](QLabel &) {}},
        {"a larger font", longText, [](QLabel &l) { QFont f = l.font(); f.setPointSizeF(f.pointSizeF() * 1.5); l.setFont(f); }},
        {"narrower", longText, [](QLabel &l) { l.resize(l.width() * 2 / 3, l.height()); }},
        {"taller, so wrapped", longText, [](QLabel &l) { l.resize(l.width(), l.height() * 3); }},
        {"nothing changed", longText, [](QLabel &) {}},
        {"a smaller font", shortText, [](QLabel &l) { QFont f = l.font(); f.setPointSizeF(f.pointSizeF() / 2); l.setFont(f); }},
    };
    QWidget frame;
    bool condensed = false;
    QLabel *line = makeResultLabel(&frame, "lblheureloc", QStringLiteral("Heure locale :"), twipsRect(120, 1110, 4395, 195));
    for (const auto &step : steps) {
        step.change(*line);
        QLabel *fresh = makeResultLabel(&frame, "fresh", QString(), QRect(line->pos(), line->size()));
        fresh->setFont(line->font());
        fresh->setWordWrap(line->wordWrap());
        fresh->setText(step.text);
        refitText(fresh);

        setLineText(line, step.text);
        EXPECT_EQ(line->text(), step.text) << step.what;
        EXPECT_EQ(line->font(), fresh->font()) << step.what;
        EXPECT_EQ(line->size(), fresh->size()) << step.what;
        EXPECT_EQ(line->wordWrap(), fresh->wordWrap()) << step.what;
        condensed = condensed || (line->font().stretch() != QFont::AnyStretch && line->font().stretch() < 100);
        delete fresh;
    }
    EXPECT_TRUE(condensed);  // the test fits something
}

// Every kind of text the two lines show: dates and times over five centuries
// in zones east and west, whole, half and quarter hours off, with and without
// summer time, and rotations before the first and far after, in both locales.
QStringList instantLineTexts()
{
    const char *const zones[] = {"UTC", "Europe/Paris", "America/St_Johns", "Asia/Kolkata", "Asia/Kathmandu",
                                 "Australia/Lord_Howe", "Pacific/Chatham", "America/Los_Angeles", "Pacific/Kiritimati"};
    QStringList texts{localTimeLine(std::nullopt, QTimeZone::utc()), QStringLiteral("Rotation de Carrington : —")};
    for (double julianDay = 2299161.3; julianDay < 2488070; julianDay += 173.0417) {
        for (const char *zone : zones)
            texts.append(localTimeLine(julianDay, QTimeZone(zone)));
        for (char separator : {'.', ','})
            texts.append(QStringLiteral("Rotation de Carrington : ")
                         + QString::fromStdString(carringtonText(carringtonRotation(julianDay), separator)));
    }
    for (double julianDay = 2390000.1; julianDay < 2400000; julianDay += 333.3)  // before rotation 1
        texts.append(QStringLiteral("Rotation de Carrington : ")
                     + QString::fromStdString(carringtonText(carringtonRotation(julianDay), ',')));
    return texts;
}

QFont lineFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    return font;
}

// The width a line is fitted by is the full shaping's, for every text the
// lines show, in the window's font and zoomed, whatever the table learnt before.
TEST(InstantLines, TheTableMeasuresEveryLineAsAFullShaping)
{
    const QStringList texts = instantLineTexts();
    ASSERT_GT(texts.size(), 10000);
    long measured = 0;
    for (double points : {8.25, 10.3125, 16.5}) {
        const QFont font = lineFont(points);
        const QFontMetrics metrics(font);
        for (const QString &text : texts) {
            ASSERT_EQ(horizontalAdvance(font, text), metrics.horizontalAdvance(text)) << text.toStdString() << ' ' << points;
            measured += GlyphTable::of(font)->width(text).has_value();
        }
    }
    EXPECT_GT(measured, 2 * texts.size());  // most of them from the table, not the fallback
}

// A line given its text by setLineText gets the font, size and pixels of a
// fresh label fitted by its full measurement, condensed or not.
TEST(InstantLines, AFittedLineIsDrawnAsAFullMeasurementFitsIt)
{
    const QStringList texts = instantLineTexts();
    QWidget frame;
    frame.resize(400, 60);
    int condensed = 0, fitted = 0;
    for (int width : {293, 240, 180}) {
        QLabel *line = makeResultLabel(&frame, "lblheureloc", QStringLiteral("Heure locale :"), QRect(8, 8, width, 13));
        line->setFont(lineFont(8.25));
        for (qsizetype i = 0; i < texts.size(); i += 7) {
            setLineText(line, texts[i]);
            QLabel *fresh = makeResultLabel(&frame, "fresh", texts[i], QRect(8, 8, width, 13));
            fresh->setFont(lineFont(8.25));
            refitText(fresh);
            ASSERT_EQ(line->font(), fresh->font()) << texts[i].toStdString() << ' ' << width;
            ASSERT_EQ(line->size(), fresh->size()) << texts[i].toStdString() << ' ' << width;
            ASSERT_EQ(line->grab().toImage(), fresh->grab().toImage()) << texts[i].toStdString() << ' ' << width;
            condensed += line->font().stretch() != QFont::AnyStretch;
            ++fitted;
            delete fresh;
        }
        delete line;
    }
    EXPECT_GT(condensed, 0);
    EXPECT_LT(condensed, fitted);
}

} // namespace
} // namespace brelo
