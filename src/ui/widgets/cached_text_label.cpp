#include "ui/widgets/cached_text_label.h"

#include "ui/widgets/device_pixels.h"
#include "ui/widgets/glyph_table.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace brelo {

namespace {
// The line width the painter's text drawing lays an unwrapped text out at.
constexpr qreal kUnwrappedWidth = 0x01000000;

// A plain text of one line without tabs, read in one pass over it: a text
// without '<' or '&' holds no tag and no entity, so Qt's closer look at it,
// which costs more than the pass, is skipped.
bool isOnePlainLine(const QString &text, Qt::TextFormat format)
{
    bool markup = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\t')
            return false;
        markup = markup || u == u'<' || u == u'&';
    }
    return format == Qt::PlainText || (format == Qt::AutoText && !(markup && Qt::mightBeRichText(text)));
}
} // namespace

CachedTextLabel::CachedTextLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void CachedTextLabel::paintFlatBackgroundItself()
{
    watchesBackground_ = true;
}

// What is under the label may have changed: the page paints it again.
void CachedTextLabel::forgetBackground()
{
    last_.reset();
    drawnOnce_.reset();
    beginning_.reset();
    runBeginsAsKept_ = false;
    if (!flatBackground_)
        return;
    flatBackground_.reset();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

bool CachedTextLabel::drawsItself() const
{
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    const QString &shown = text();
    return !shown.isEmpty() && !wordWrap() && isEnabled() && frameWidth() == 0 && margin() == 0 && indent() <= 0
           && pixmap().isNull() && !buddy() && layoutDirection() == Qt::LeftToRight
           && (horizontal == Qt::AlignLeft || horizontal == Qt::AlignLeading) && isOnePlainLine(shown, textFormat());
}

// One line, as the painter lays out an unwrapped text: left aligned, trailing
// spaces kept, the line at the top.
void CachedTextLabel::layOut()
{
    layout_.setText(text());
    layout_.setFont(font());
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    layout_.setTextOption(option);
    layout_.setCacheEnabled(true);
    layout_.beginLayout();
    QTextLine line = layout_.createLine();
    line.setLineWidth(kUnwrappedWidth);
    line.setPosition(QPointF(0.0, 0.0));
    layout_.endLayout();
    lineHeight_ = line.ascent() + line.descent();  // unrounded, as the painter centres it
    width_ = line.naturalTextWidth();
    laidOutText_ = text();
    laidOut_ = true;
    run_ = QGlyphRun();
    runPending_ = true;
    runBeginsAsKept_ = false;
}

// Drawn glyph by glyph as the line draws them, in the same order, when the
// line is one run of the label's own font, one glyph per character; taken
// from the layout when first needed.
bool CachedTextLabel::oneRun()
{
    if (runPending_) {
        runPending_ = false;
        const QList<QGlyphRun> runs = layout_.glyphRuns();
        const QFont &f = font();
        const bool plain = !f.underline() && !f.overline() && !f.strikeOut();
        if (plain && runs.size() == 1 && runs.front().glyphIndexes().size() == laidOutText_.size())
            run_ = runs.front();
    }
    return !run_.isEmpty();
}

// A beginning kept as a whole line takes its glyphs from that line's layout,
// while the label still holds it.
bool CachedTextLabel::takeBeginningGlyphs()
{
    if (!beginning_->glyphsPending)
        return true;
    if (laidOutText_ != beginning_->look.text || !oneRun()) {
        beginning_.reset();
        return false;
    }
    beginning_->glyphs = run_;
    beginning_->glyphsPending = false;
    return true;
}

// The characters after the kept beginning laid out from the font's glyph
// table; the line keeps the beginning's height, being in the same font.
bool CachedTextLabel::layOutAfterBeginning()
{
    const QString now = text();
    if (!beginning_ || beginning_->look.text.isEmpty() || !now.startsWith(beginning_->look.text)
        || !takeBeginningGlyphs())
        return false;
    if (!glyphTable_)
        glyphTable_ = GlyphTable::of(font());
    QList<quint32> glyphs = beginning_->glyphs.glyphIndexes();
    QList<QPointF> positions = beginning_->glyphs.positions();
    qreal width = 0;
    if (!glyphTable_->extend(now, int(glyphs.size()), beginning_->glyphs.rawFont(), glyphs, positions, width))
        return false;
    run_ = QGlyphRun();
    run_.setRawFont(beginning_->glyphs.rawFont());
    run_.setGlyphIndexes(glyphs);
    run_.setPositions(positions);
    runPending_ = false;
    width_ = width;
    laidOutText_ = now;
    laidOut_ = true;
    runBeginsAsKept_ = true;
    return true;
}

void CachedTextLabel::drawGlyphs(QPainter &paint, QPointF origin, int from, int to) const
{
    if (from >= to)
        return;
    // The part points into the line's glyphs, held here until it is drawn.
    const QList<quint32> glyphs = run_.glyphIndexes();
    const QList<QPointF> positions = run_.positions();
    QGlyphRun part = run_;
    part.setRawData(glyphs.constData() + from, positions.constData() + from, to - from);
    paint.drawGlyphRun(origin, part);
}

// The kept beginning is this line's: same look but for the text, which it
// begins, and the same glyphs at the same places.
bool CachedTextLabel::startsWith(const Beginning &beginning, const Look &look, QPointF origin, bool clipped)
{
    Look same = look;
    same.text = beginning.look.text;
    const int count = int(beginning.look.text.size());
    if (!(beginning.look == same && beginning.origin == origin && beginning.clipped == clipped
          && text().startsWith(beginning.look.text) && oneRun()))
        return false;
    return runBeginsAsKept_
           || (beginning.glyphs.rawFont() == run_.rawFont()
               && beginning.glyphs.glyphIndexes() == run_.glyphIndexes().first(count)
               && beginning.glyphs.positions() == run_.positions().first(count));
}

void CachedTextLabel::drawLine(QPainter &paint, const QBrush &pen, const QPaintEvent &event,
                               const std::optional<DevicePixels> &pixels, const std::optional<Look> &look)
{
    if ((!laidOut_ || laidOutText_ != text()) && !layOutAfterBeginning())
        layOut();
    const QRect area = contentsRect();
    qreal top = area.y();
    const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
    if (vertical == Qt::AlignBottom)
        top += area.height() - lineHeight_;
    else if (vertical == Qt::AlignVCenter)
        top += (area.height() - lineHeight_) / 2;

    paint.setPen(QPen(pen, paint.pen().widthF()));
    const QRectF bounds(area.x(), top, width_, lineHeight_);
    const bool clipped = !QRectF(area).contains(bounds);
    const QPointF origin(area.x(), top);
    const auto fill = [&] {
        if (flatBackground_)
            paint.fillRect(event.rect(), QColor(*flatBackground_));
        if (clipped)
            paint.setClipRect(area, Qt::IntersectClip);
    };
    const QString previous = std::exchange(previousText_, text());
    const int count = int(text().size());
    const auto drawWhole = [&] {
        if (runPending_ || run_.isEmpty())
            layout_.lineAt(0).draw(&paint, origin);
        else
            drawGlyphs(paint, origin, 0, count);
    };
    if (!look) {
        fill();
        drawWhole();
        return;
    }
    const QString now = text();
    const auto sharedWith = [&now](const QString &before) {
        return int(std::mismatch(before.begin(), before.end(), now.begin(), now.end()).second - now.begin());
    };
    // A kept beginning of no glyph gives way to the glyphs this text shares with the one before.
    if (beginning_ && takeBeginningGlyphs() && startsWith(*beginning_, *look, origin, clipped)
        && (!beginning_->look.text.isEmpty() || !pixels->wholeExposed() || sharedWith(previous) == 0)) {
        pixels->paste(beginning_->pixels);
        if (clipped)
            paint.setClipRect(area, Qt::IntersectClip);
        drawGlyphs(paint, origin, int(beginning_->look.text.size()), count);
        return;
    }
    fill();
    // The glyphs this text shares with the one before are kept apart; a first
    // text is kept whole, its glyphs taken from its layout only if needed.
    const int shared = previous.isEmpty() ? count : sharedWith(previous);
    const bool whole = shared == count && runPending_;
    if (!pixels->wholeExposed() || (!whole && !oneRun())) {
        drawWhole();
        return;
    }
    if (whole)
        drawWhole();
    else
        drawGlyphs(paint, origin, 0, shared);
    if (!beginning_)
        beginning_.emplace();
    beginning_->look = *look;
    beginning_->look.text = now.first(shared);
    beginning_->origin = origin;
    beginning_->clipped = clipped;
    beginning_->glyphsPending = whole;
    beginning_->glyphs = QGlyphRun();
    if (!whole) {
        beginning_->glyphs.setRawFont(run_.rawFont());
        beginning_->glyphs.setGlyphIndexes(run_.glyphIndexes().first(shared));
        beginning_->glyphs.setPositions(run_.positions().first(shared));
    }
    runBeginsAsKept_ = !whole;
    pixels->copyTo(beginning_->pixels);
    if (!whole)
        drawGlyphs(paint, origin, shared, count);
}

// A paint can be kept only over one flat colour, in a backing store it reaches
// pixel for pixel, with a plain pen.
std::optional<CachedTextLabel::Look> CachedTextLabel::lookOf(const QBrush &pen,
                                                             const std::optional<DevicePixels> &pixels,
                                                             std::optional<QRgb> background) const
{
    if (!pixels || !background || pen.style() != Qt::SolidPattern)
        return std::nullopt;
    const QPixmap picture = pixmap();
    return Look{text(),          contentsRect(),  size(),
                int(alignment()), indent(),        margin(),
                int(textFormat()), wordWrap(),      isEnabled(),
                picture.isNull() ? 0 : picture.cacheKey(), pen.color().rgba(), *background,
                pixels->format(), pixels->scale()};
}

void CachedTextLabel::paintEvent(QPaintEvent *event)
{
    QPainter paint(this);
    const std::optional<DevicePixels> pixels = DevicePixels::under(paint, rect());
    // Once the page is known to paint one flat colour under the label, the
    // label fills it itself (and is opaque); before, it reads what the page
    // painted under it.
    std::optional<QRgb> background = flatBackground_;
    if (!background && pixels)
        background = pixels->flatColour();
    if (watchesBackground_ && !flatBackground_ && background && pixels->wholeExposed() && !autoFillBackground()) {
        flatBackground_ = background;
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // The text's colour as the style's text drawing takes it (a style option
    // made from the label holds the label's palette; its states and metrics
    // are not needed here).
    const QBrush &pen = palette().brush(foregroundRole());
    const std::optional<Look> look = lookOf(pen, pixels, background);
    if (look && last_ && last_->look == *look) {
        pixels->paste(last_->pixels);
        return;
    }
    if (drawsItself()) {
        drawLine(paint, pen, *event, pixels, look);
        paint.end();
    } else {
        if (flatBackground_)
            paint.fillRect(event->rect(), QColor(*flatBackground_));
        paint.end();
        QLabel::paintEvent(event);
    }
    // A look is kept once it is painted a second time: a result label's new
    // text is usually replaced before the label is painted again.
    if (look && pixels->wholeExposed()) {
        if (drawnOnce_ != look) {
            drawnOnce_ = look;
        } else {
            if (!last_)
                last_.emplace();
            last_->look = *look;
            pixels->copyTo(last_->pixels);
        }
    }
}

void CachedTextLabel::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
        laidOut_ = false;
        glyphTable_.reset();
        forgetBackground();
        break;
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::ParentChange:
        forgetBackground();
        break;
    case QEvent::ActivationChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ContentsRectChange:
        last_.reset();
        drawnOnce_.reset();
        beginning_.reset();
        runBeginsAsKept_ = false;
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

bool CachedTextLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::ParentChange
        || event->type() == QEvent::ScreenChangeInternal)
        forgetBackground();
    return QLabel::event(event);
}

} // namespace brelo
