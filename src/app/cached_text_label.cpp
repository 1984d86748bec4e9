#include "app/cached_text_label.h"

#include <QEvent>
#include <QImage>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace brelo {

namespace {
// The line width the painter's text drawing lays an unwrapped text out at.
constexpr qreal kUnwrappedWidth = 0x01000000;
} // namespace

CachedTextLabel::CachedTextLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void CachedTextLabel::paintFlatBackgroundItself()
{
    watchesBackground_ = true;
}

// Reads, before anything of the label is drawn, what the window's paint put
// under it in the backing store: one colour over the whole label, on whole
// device pixels, makes the label opaque from the next paint on.
void CachedTextLabel::learnBackground(QPainter &paint, const QRect &exposed)
{
    if (!watchesBackground_ || flatBackground_ || autoFillBackground() || exposed != rect())
        return;
    const QTransform toDevice = paint.deviceTransform();
    const auto whole = [](qreal v) { return v == std::floor(v); };
    if (toDevice.type() > QTransform::TxScale || !whole(toDevice.m11()) || !whole(toDevice.m22())
        || !whole(toDevice.dx()) || !whole(toDevice.dy()) || !paint.paintEngine())
        return;
    QPaintDevice *device = paint.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return;
    const auto *image = static_cast<const QImage *>(device);
    const QRect under = toDevice.mapRect(QRectF(rect())).toRect();
    if (under.isEmpty() || !image->rect().contains(under) || image->depth() != 32)
        return;
    const auto *first = reinterpret_cast<const QRgb *>(image->constScanLine(under.top())) + under.left();
    const QRgb colour = *first;
    if (qAlpha(colour) != 255)
        return;
    for (int y = under.top(); y <= under.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image->constScanLine(y));
        if (std::any_of(line + under.left(), line + under.right() + 1, [&](QRgb p) { return p != colour; }))
            return;
    }
    flatBackground_ = colour;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// What is under the label may have changed: the page paints it again.
void CachedTextLabel::forgetBackground()
{
    if (!flatBackground_)
        return;
    flatBackground_.reset();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

bool CachedTextLabel::drawsItself() const
{
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    const bool plain = textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
    return plain && !text().isEmpty() && !wordWrap() && isEnabled() && frameWidth() == 0 && margin() == 0
           && indent() <= 0 && pixmap().isNull() && !buddy() && layoutDirection() == Qt::LeftToRight
           && (horizontal == Qt::AlignLeft || horizontal == Qt::AlignLeading)
           && !text().contains(QLatin1Char('\n')) && !text().contains(QLatin1Char('\t'));
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
    laidOutText_ = text();
    laidOut_ = true;
}

void CachedTextLabel::paintEvent(QPaintEvent *event)
{
    if (!drawsItself()) {
        if (flatBackground_)
            QPainter(this).fillRect(event->rect(), QColor(*flatBackground_));
        QLabel::paintEvent(event);
        return;
    }
    if (!laidOut_ || laidOutText_ != text())
        layOut();
    const QRect area = contentsRect();
    qreal top = area.y();
    const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
    if (vertical == Qt::AlignBottom)
        top += area.height() - lineHeight_;
    else if (vertical == Qt::AlignVCenter)
        top += (area.height() - lineHeight_) / 2;

    QPainter paint(this);
    if (flatBackground_)
        paint.fillRect(event->rect(), QColor(*flatBackground_));
    else
        learnBackground(paint, event->rect());
    QStyleOption option;
    option.initFrom(this);
    paint.setPen(QPen(option.palette.brush(foregroundRole()), paint.pen().widthF()));
    const QTextLine line = layout_.lineAt(0);
    const QRectF bounds(area.x(), top, line.naturalTextWidth(), lineHeight_);
    if (!QRectF(area).contains(bounds))
        paint.setClipRect(area, Qt::IntersectClip);
    line.draw(&paint, QPointF(area.x(), top));
}

void CachedTextLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        laidOut_ = false;
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange
        || event->type() == QEvent::EnabledChange || event->type() == QEvent::ParentChange)
        forgetBackground();
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
