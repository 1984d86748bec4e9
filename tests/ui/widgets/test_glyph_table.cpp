// The glyph table lays out every result text of the reference tables as a
// full shaping does: the same glyphs at the same places, whatever the point
// where the kept beginning of the line ends.
#include "ui/widgets/glyph_table.h"
#include "support/reference_tsv.h"
#include "support/window_font.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace brelo {
namespace {

struct Shaped {
    QGlyphRun run;
    qreal width = 0;
};

// The label's own full shaping of one line.
Shaped shape(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return {runs.size() == 1 ? runs.front() : QGlyphRun(), line.naturalTextWidth()};
}

using test::windowFont;

std::vector<QString> referenceTexts()
{
    const struct {
        const char *path;
        int firstColumn, columns;
    } tables[] = {{BRELO_OPTICS_REFERENCE, 6, 8}, {BRELO_EPHEMERIS_REFERENCE, 9, 10}};
    std::vector<QString> texts;
    for (const auto &table : tables)
        for (const reference::Row &row : reference::readTsv(table.path))
            for (int column = table.firstColumn; column < table.firstColumn + table.columns; ++column)
                for (char separator : {'.', ','})
                    texts.push_back(QString::fromStdString(reference::withSeparator(row.cells.at(column), separator)));
    return texts;
}

TEST(GlyphTable, LaysOutEveryReferenceTextAsAFullShaping)
{
    const std::vector<QString> texts = referenceTexts();
    ASSERT_GT(texts.size(), 39000u);
    // The window's font, condensed to fit, and zoomed.
    for (const QFont &font : {windowFont(8.25, 100), windowFont(8.25, 85), windowFont(10.3125, 100), windowFont(16.5, 100)}) {
        SCOPED_TRACE(font.toString().toStdString());
        GlyphTable table(font);
        long laidOut = 0;
        for (const QString &text : texts) {
            const Shaped full = shape(text, font);
            ASSERT_FALSE(full.run.isEmpty()) << text.toStdString();
            const QList<quint32> glyphs = full.run.glyphIndexes();
            const QList<QPointF> places = full.run.positions();
            ASSERT_EQ(glyphs.size(), text.size()) << text.toStdString();
            // From the first character, and from each one after the caption's "=".
            const int caption = int(text.indexOf(QLatin1Char('='))) + 1;
            for (int from = 1; from < text.size(); from = std::max(from + 1, caption)) {
                QList<quint32> tableGlyphs = glyphs.first(from);
                QList<QPointF> tablePlaces = places.first(from);
                qreal width = 0;
                if (!table.extend(text, from, full.run.rawFont(), tableGlyphs, tablePlaces, width, 1 << 20)) {
                    ADD_FAILURE() << "not laid out from " << from << ": " << text.toStdString();
                    continue;
                }
                ++laidOut;
                ASSERT_EQ(tableGlyphs, glyphs) << text.toStdString() << " from " << from;
                ASSERT_EQ(tablePlaces, places) << text.toStdString() << " from " << from;
                ASSERT_EQ(width, full.width) << text.toStdString() << " from " << from;
            }
        }
        EXPECT_GT(laidOut, long(texts.size()));
    }
}

// What the table cannot vouch for is left to a full shaping: characters out
// of Latin-1 or invisible, a glyph before that is not its character's own,
// and more new shapings than allowed.
TEST(GlyphTable, RefusesWhatItCannotVouchFor)
{
    const QFont font = windowFont(8.25, 100);
    const Shaped caption = shape(QStringLiteral("Hauteur = "), font);
    const auto extend = [&](const QString &text, int newShapings, QList<quint32> glyphs) {
        QList<QPointF> places = caption.run.positions();
        qreal width = 0;
        GlyphTable table(font);
        return table.extend(text, int(glyphs.size()), caption.run.rawFont(), glyphs, places, width, newShapings);
    };
    const QList<quint32> own = caption.run.glyphIndexes();
    QList<quint32> other = own;
    other.back() = own.front();
    EXPECT_TRUE(extend(QStringLiteral("Hauteur = 2"), 10, own));
    EXPECT_FALSE(extend(QStringLiteral("Hauteur = \u2212"), 10, own));  // minus sign, not Latin-1
    EXPECT_FALSE(extend(QStringLiteral("Hauteur = \u00ad2"), 10, own));  // soft hyphen
    EXPECT_FALSE(extend(QStringLiteral("Hauteur = 2"), 10, other));
    EXPECT_FALSE(extend(QStringLiteral("Hauteur = 26.45"), 3, own));
}

} // namespace
} // namespace brelo
