#include "ui/widgets/glyph_table.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QFontMetrics>
#include <QHash>
#include <QTextLayout>

namespace brelo {

namespace {

// Shaped as a label's one line is: left to right, trailing spaces kept.
struct Shaped {
    QList<QGlyphRun> runs;
    qreal width = 0;
    qreal baseline = 0;
    qreal descent = 0;
};

Shaped shape(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0.0, 0.0));
    layout.endLayout();
    return {layout.glyphRuns(), line.naturalTextWidth(), line.ascent(), line.descent()};
}

// A visible Latin-1 character: one script, left to right, no soft hyphen.
bool tabulated(QChar c)
{
    const char16_t u = c.unicode();
    return u <= 0xFF && u >= 0x20 && !(u >= 0x7F && u <= 0x9F) && u != 0xAD;
}

QHash<QFont, std::shared_ptr<GlyphTable>> &tables()
{
    // Emptied with the application: the raw fonts must not outlive its font engines.
    static QHash<QFont, std::shared_ptr<GlyphTable>> byFont;
    static const bool emptiedAtExit = [] {
        qAddPostRoutine([] { byFont.clear(); });
        return true;
    }();
    Q_UNUSED(emptiedAtExit);
    return byFont;
}

} // namespace

GlyphTable::GlyphTable(const QFont &font) : font_(font) {}

GlyphTable::~GlyphTable() = default;

std::shared_ptr<GlyphTable> GlyphTable::of(const QFont &font)
{
    std::shared_ptr<GlyphTable> &table = tables()[font];
    if (!table)
        table = std::make_shared<GlyphTable>(font);
    return table;
}

const GlyphTable::Glyph *GlyphTable::glyph(QChar c, int &newShapings)
{
    if (!tabulated(c))
        return nullptr;
    Glyph &g = glyphs_[c.unicode()];
    if (g.state == Glyph::Unknown) {
        if (newShapings-- <= 0)
            return nullptr;
        const Shaped s = shape(QString(c), font_);
        g.state = Glyph::Unusable;
        if (s.runs.size() == 1 && s.runs.front().glyphIndexes().size() == 1) {
            const QGlyphRun &run = s.runs.front();
            if (!rawFont_.isValid()) {
                rawFont_ = run.rawFont();
                baseline_ = s.baseline;
                descent_ = s.descent;
            }
            if (run.rawFont() == rawFont_ && run.positions().front() == QPointF(0, baseline_)
                && s.descent == descent_) {
                g = {Glyph::Usable, run.glyphIndexes().front(), s.width};
            }
        }
    }
    return g.state == Glyph::Usable ? &g : nullptr;
}

// Shaped together, the two characters keep their own glyphs, the second its
// own advance and place on the line: only the first one's advance may change.
bool GlyphTable::pairAdvance(QChar first, QChar second, int &newShapings, qreal &advance)
{
    // Only tabulated characters get here: both are Latin-1.
    std::unique_ptr<PairRow> &row = pairs_[first.unicode()];
    if (!row) {
        row = std::make_unique<PairRow>();
        row->fill(kUnknownPair);
    }
    qint32 &known = (*row)[second.unicode()];
    if (known == kUnknownPair) {
        const Glyph *a = glyph(first, newShapings);
        const Glyph *b = glyph(second, newShapings);
        if (!a || !b || newShapings-- <= 0)
            return false;
        const Shaped s = shape(QString(first) + second, font_);
        known = kUnusablePair;
        if (s.runs.size() == 1 && s.runs.front().rawFont() == rawFont_) {
            const QGlyphRun &run = s.runs.front();
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> places = run.positions();
            if (indexes.size() == 2 && indexes[0] == a->index && indexes[1] == b->index
                && places[0] == QPointF(0, baseline_) && places[1].y() == baseline_
                && s.width - places[1].x() == b->advance)
                known = qRound(places[1].x() * 64);  // a whole number of 64ths: exact
        }
    }
    advance = known / 64.0;
    return known != kUnusablePair;
}

bool GlyphTable::extend(const QString &text, int from, const QRawFont &font, QList<quint32> &glyphs,
                        QList<QPointF> &positions, qreal &width, int newShapings)
{
    const qsizetype count = text.size();
    if (from < 1 || from >= count || positions.size() != from || glyphs.size() != from)
        return false;
    // The glyph before keeps its place; it must be its character's own.
    const Glyph *before = glyph(text[from - 1], newShapings);
    if (!before || !rawFont_.isValid() || font != rawFont_ || glyphs.back() != before->index)
        return false;
    glyphs.reserve(count);
    positions.reserve(count);
    QPointF place = positions.back();
    for (qsizetype i = from; i < count; ++i) {
        qreal advance = 0;
        const Glyph *g = glyph(text[i], newShapings);
        if (!g || !pairAdvance(text[i - 1], text[i], newShapings, advance)) {
            glyphs.resize(from);
            positions.resize(from);
            return false;
        }
        place.rx() += advance;
        glyphs.append(g->index);
        positions.append(place);
    }
    width = place.x() + glyphs_[text[count - 1].unicode()].advance;
    return true;
}

bool GlyphTable::layOut(const QString &text, QGlyphRun &run, qreal &width, int newShapings)
{
    const Glyph *first = text.isEmpty() ? nullptr : glyph(text[0], newShapings);
    if (!first)
        return false;
    QList<quint32> glyphs{first->index};
    QList<QPointF> positions{QPointF(0, baseline_)};
    width = first->advance;
    if (text.size() > 1 && !extend(text, 1, rawFont_, glyphs, positions, width, newShapings))
        return false;
    run = QGlyphRun();
    run.setRawFont(rawFont_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return true;
}

std::optional<qreal> GlyphTable::width(const QString &text, int newShapings)
{
    const qsizetype count = text.size();
    if (count == 0 || !glyph(text[0], newShapings))
        return std::nullopt;
    // Summed as the places are: pair by pair from the line's start.
    qreal x = 0;
    for (qsizetype i = 1; i < count; ++i) {
        qreal advance = 0;
        if (!glyph(text[i], newShapings) || !pairAdvance(text[i - 1], text[i], newShapings, advance))
            return std::nullopt;
        x += advance;
    }
    return x + glyphs_[text[count - 1].unicode()].advance;
}

int horizontalAdvance(const QFont &font, const QString &text)
{
    if (const std::optional<qreal> width = GlyphTable::of(font)->width(text))
        return qRound(*width);
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace brelo
