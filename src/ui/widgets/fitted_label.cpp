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

const FittedLabel::Fit &FittedLabel::fit() const
{
    const int room = contentsRect().width();
    if (fit_.text == text() && fit_.font == font() && fit_.width == room)
        return fit_;
    // The line laid out once in the label's font: most texts fit as they are.
    QFont fitted = font();
    QStaticText line(text());
    line.setTextFormat(Qt::PlainText);
    line.prepare(QTransform(), fitted);
    const qreal needed = line.size().width();
    if (!wordWrap() && needed > room && needed > 0) {
        fitted.setStretch(std::max(kNarrowestStretch, static_cast<int>(100 * room / needed)));
        while (textWidth(fitted, text()) > room && fitted.pointSizeF() - kPointStep >= kSmallestPoints)
            fitted.setPointSizeF(fitted.pointSizeF() - kPointStep);
        line.prepare(QTransform(), fitted);
    }
    fit_ = {text(), font(), room, fitted, line};
    return fit_;
}

QFont FittedLabel::fittedFont() const { return fit().fitted; }

void FittedLabel::paintEvent(QPaintEvent *event)
{
    if (wordWrap() || !pixmap().isNull() || text().contains(QLatin1Char('&'))) {
        QLabel::paintEvent(event);
        return;
    }
    // One line, laid out once for its text and font and drawn where the
    // style would align it.
    const Fit &line = fit();
    const QRect box = contentsRect();
    const QSizeF size = line.line.size();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal x = box.left();
    if (align & Qt::AlignRight)
        x = box.right() + 1 - size.width();
    else if (align & Qt::AlignHCenter)
        x = box.left() + (box.width() - size.width()) / 2;
    qreal y = box.top();
    if (align & Qt::AlignBottom)
        y = box.bottom() + 1 - size.height();
    else if (align & Qt::AlignVCenter)
        y = box.top() + (box.height() - size.height()) / 2;
    QPainter painter(this);
    painter.setFont(line.fitted);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawStaticText(QPointF(x, y), line.line);
}

} // namespace brelo
