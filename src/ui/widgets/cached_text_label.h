#pragma once

#include "ui/widgets/device_pixels.h"

#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QTextLayout>

#include <memory>
#include <optional>

class QBrush;
class QPainter;

namespace brelo {

class GlyphTable;

// A label that keeps its one line of plain text laid out, and its last paint.
// QLabel lays out and shapes its text on every paint; this one lays the text
// out again only when the text or the font change, and draws the line where
// the style's text drawing would. Anything else (rich text, wrapping, a frame
// or margins, a pixmap, a disabled label, centred or right-aligned text) is
// drawn by QLabel itself. Over one flat colour, a paint whose look (text,
// colours, size, device pixels) is that of the last whole paint copies that
// paint's pixels back instead of drawing again; and a new text that begins
// with the glyphs of the texts before it (a caption before a number) starts
// from a copy of those glyphs' paint, lays out only the characters that follow
// (from the font's glyph table) and draws only their glyphs.
class CachedTextLabel : public QLabel {
public:
    explicit CachedTextLabel(const QString &text, QWidget *parent = nullptr);

    // For a label whose text changes often over a frame of one flat colour:
    // once a paint shows the colour under it is flat, it fills it itself, so
    // a new text no longer repaints the page and the frame behind it.
    void paintFlatBackgroundItself();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Everything a paint's pixels depend on, beside the font and the style
    // (whose changes drop the kept paint).
    struct Look {
        QString text;
        QRect contents;
        QSize size;
        int alignment = 0;
        int indent = 0;
        int margin = 0;
        int textFormat = 0;
        bool wordWrap = false;
        bool enabled = false;
        qint64 pixmap = 0;
        QRgb pen = 0;
        QRgb background = 0;
        QImage::Format format = QImage::Format_Invalid;
        int scale = 0;
        bool operator==(const Look &) const = default;
    };
    struct Paint {
        Look look;
        KeptPixels pixels;  // the label's device pixels after it
    };
    // The paint of the first glyphs of the line alone, over the flat colour.
    struct Beginning {
        Look look;  // its text: the characters of those glyphs
        QPointF origin;
        bool clipped = false;
        bool glyphsPending = false;  // a whole line's, still in the label's layout
        QGlyphRun glyphs;
        KeptPixels pixels;
    };

    bool drawsItself() const;
    void layOut();
    bool layOutAfterBeginning();
    bool oneRun();
    bool takeBeginningGlyphs();
    void drawLine(QPainter &paint, const QBrush &pen, const QPaintEvent &event,
                  const std::optional<DevicePixels> &pixels, const std::optional<Look> &look);
    bool startsWith(const Beginning &beginning, const Look &look, QPointF origin, bool clipped);
    void drawGlyphs(QPainter &paint, QPointF origin, int from, int to) const;
    std::optional<Look> lookOf(const QBrush &pen, const std::optional<DevicePixels> &pixels,
                               std::optional<QRgb> background) const;
    void forgetBackground();

    QTextLayout layout_;
    QString laidOutText_;
    bool laidOut_ = false;
    qreal lineHeight_ = 0;
    qreal width_ = 0;       // the line's natural width
    QGlyphRun run_;         // the line's glyphs, when they are one run of one glyph per character
    bool runPending_ = false;  // run_ not yet taken from the layout
    QString previousText_;  // the text of the paint before
    bool watchesBackground_ = false;
    std::optional<QRgb> flatBackground_;  // learnt from a paint, while it holds
    std::optional<Paint> last_;           // the last whole paint over a flat colour
    std::optional<Look> drawnOnce_;       // the last whole paint's look, until it repeats
    std::optional<Beginning> beginning_;
    bool runBeginsAsKept_ = false;  // run_'s first glyphs are the kept beginning's own
    std::shared_ptr<GlyphTable> glyphTable_;  // of the label's font
};

} // namespace brelo
