#include "app/cached_text_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTextDocument>

#include <cmath>

namespace brelo {

namespace {
// The line width the painter's text drawing lays an unwrapped text out at.
constexpr qreal kUnwrappedWidth = 0x01000000;
} // namespace

CachedTextLabel::CachedTextLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

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
    QLabel::changeEvent(event);
}

} // namespace brelo
