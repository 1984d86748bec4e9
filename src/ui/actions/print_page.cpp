#include "ui/actions/print_page.h"

#include "ui/actions/drawing_export.h"
#include "core/formats/results_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace brelo {

namespace {

// Writes the lines downwards from `top` inside the column, wrapping long ones;
// returns the y below the last.
double writeLines(QPainter &painter, const std::vector<std::string> &lines, QRectF column)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    double y = column.top();
    for (const std::string &line : lines) {
        const QString text = QString::fromStdString(line);
        const QRectF room(column.left(), y, column.width(), column.bottom() - y);
        const QRectF used = painter.boundingRect(room, Qt::TextWordWrap, text);
        painter.drawText(room, Qt::TextWordWrap, text);
        y += std::max(used.height(), metrics.lineSpacing());
    }
    return y;
}

} // namespace

void paintResultsPage(QPainter &painter, const QRectF &page, const ResultsText &text, const PageDrawing &drawing)
{
    painter.save();
    QFont title = painter.font();
    title.setFamily(QStringLiteral("Liberation Sans"));
    title.setPointSizeF(14);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::black);
    const double titleBottom = writeLines(painter, {text.title}, page);

    QFont body = title;
    body.setPointSizeF(9);
    body.setBold(false);
    painter.setFont(body);
    const double gap = QFontMetricsF(body, painter.device()).lineSpacing();
    const bool twoColumns = !text.tables.empty();
    const double columnWidth = twoColumns ? (page.width() - gap) / 2 : page.width();
    QRectF left(page.left(), titleBottom + gap, columnWidth, page.bottom() - titleBottom - gap);
    double bottom = writeLines(painter, text.inputs, left);
    left.setTop(bottom + gap);
    bottom = writeLines(painter, text.results, left);
    if (!text.construction.empty()) {
        left.setTop(bottom + gap);
        bottom = writeLines(painter, text.construction, left);
    }
    if (twoColumns) {
        const QRectF right(page.left() + columnWidth + gap, titleBottom + gap, columnWidth, left.height());
        bottom = std::max(bottom, writeLines(painter, text.tables, right));
    }

    // The drawing and its caption, scaled to the room left, its proportions kept.
    const QRectF room(page.left(), bottom + gap, page.width(), page.bottom() - bottom - gap);
    const QSizeF size = captionedPixels(drawing);
    const double scale = std::min(room.width() / size.width(), room.height() / size.height());
    if (scale > 0) {
        painter.translate(room.left() + (room.width() - size.width() * scale) / 2, room.top());
        painter.scale(scale, scale);
        paintCaptioned(painter, drawing);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(QPointF(0, 0), drawingPixels(drawing)));
    }
    painter.restore();
}

} // namespace brelo
