#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <array>
#include <limits>
#include <memory>
#include <optional>

namespace brelo {

// A font's glyph for each Latin-1 character and the advance of each pair of
// them, learnt by shaping one or two characters at a time. A line of such
// characters then gets the glyphs and places a full shaping gives it, without
// shaping it: shaping these fonts is pairwise (a glyph per character, kerning
// by pairs), and a character or pair that shapes otherwise is never used.
class GlyphTable {
public:
    explicit GlyphTable(const QFont &font);
    // One table per font, shared by the labels that show it.
    static std::shared_ptr<GlyphTable> of(const QFont &font);
    ~GlyphTable();

    // Lays out text[from...] after the glyphs of text[0..from) already at
    // `positions` (in the raw font `font`), appending to `glyphs` and
    // `positions`; `width` is the whole line's. Learns at most `newShapings`
    // characters and pairs on the way; false (and nothing appended) when
    // that is not enough or a character or pair is not laid out pairwise.
    bool extend(const QString &text, int from, const QRawFont &font, QList<quint32> &glyphs,
                QList<QPointF> &positions, qreal &width, int newShapings = kNewShapings);

    // The whole line, its first glyph at (0, ascent) in the table's raw font,
    // as a full shaping lays it out; false when the table cannot vouch for it.
    bool layOut(const QString &text, QGlyphRun &run, qreal &width, int newShapings = kNewShapings);

    // The natural width of the line a full shaping gives text, or nothing
    // when the table cannot vouch for it (nor for an empty text).
    std::optional<qreal> width(const QString &text, int newShapings = kNewShapings);

    // Ascent plus descent of the lines it lays out; known after a layOut.
    qreal lineHeight() const { return baseline_ + descent_; }

    static constexpr int kNewShapings = 6;

private:
    struct Glyph {
        enum State : quint8 { Unknown, Usable, Unusable } state = Unknown;
        quint32 index = 0;
        qreal advance = 0;
    };
    // A pair's advance in 64ths of a pixel (the shaper's own unit), by the
    // second character, in rows allocated for the first characters seen.
    using PairRow = std::array<qint32, 256>;
    static constexpr qint32 kUnknownPair = std::numeric_limits<qint32>::min();
    static constexpr qint32 kUnusablePair = kUnknownPair + 1;

    const Glyph *glyph(QChar c, int &newShapings);
    bool pairAdvance(QChar first, QChar second, int &newShapings, qreal &advance);

    QFont font_;
    QRawFont rawFont_;  // of the first character learnt; others must share it
    qreal baseline_ = 0;
    qreal descent_ = 0;
    std::array<Glyph, 256> glyphs_{};
    std::array<std::unique_ptr<PairRow>, 256> pairs_;
};

// QFontMetrics(font).horizontalAdvance(text), from the font's glyph table
// when it can vouch for the text, without shaping it.
int horizontalAdvance(const QFont &font, const QString &text);

} // namespace brelo
