#include "ui/widgets/fitted_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace brelo {

namespace {

constexpr int kNarrowestStretch = 80;  // percent: narrower reads badly
constexpr qreal kSmallestPoints = 5.0;
constexpr qreal kPointStep = 0.25;

qreal textWidth(const QFont &font, const QString &text) { return QFontMetricsF(font).horizontalAdvance(text); }

} // namespace

QFont FittedLabel::fittedFont() const
{
    const int room = contentsRect().width();
    if (fit_.text == text() && fit_.font == font() && fit_.width == room)
        return fit_.fitted;
    QFont fitted = font();
    const qreal needed = textWidth(fitted, text());
    if (!wordWrap() && needed > room && needed > 0) {
        fitted.setStretch(std::max(kNarrowestStretch, static_cast<int>(100 * room / needed)));
        while (textWidth(fitted, text()) > room && fitted.pointSizeF() - kPointStep >= kSmallestPoints)
            fitted.setPointSizeF(fitted.pointSizeF() - kPointStep);
    }
    fit_ = {text(), font(), room, fitted};
    return fitted;
}

void FittedLabel::paintEvent(QPaintEvent *event)
{
    const QFont fitted = fittedFont();
    if (wordWrap() || fitted == font() || !pixmap().isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fitted);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), text(), foregroundRole());
}

} // namespace brelo
