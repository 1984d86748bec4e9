#include "ui/widgets/one_row_list_view.h"

#include "ui/widgets/device_pixels.h"
#include "ui/widgets/glyph_table.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGlyphRun>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include <algorithm>
#include <utility>

namespace brelo {

namespace {

constexpr int kTextMargin = 2;
constexpr int kRowAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// The lists' range grows at every computation while the slider, already at
// its smallest, stays where it is: a change of range repaints the bar only
// when what it shows changes (the slider's place and size, an end reached).
class QuietScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange change) override
    {
        if (change == SliderRangeChange || change == SliderStepsChange) {
            const Look now = look();
            if (now == shown_)
                return;
        }
        QScrollBar::sliderChange(change);
    }

    void paintEvent(QPaintEvent *event) override
    {
        shown_ = look();
        QScrollBar::paintEvent(event);
    }

private:
    struct Look {
        QRect slider;
        bool atMinimum = false, atMaximum = false;
        friend bool operator==(const Look &, const Look &) = default;
    };

    Look look() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
                value() == minimum(), value() == maximum()};
    }

    Look shown_;
};

} // namespace

OneRowListView::OneRowListView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBar(new QuietScrollBar(Qt::Vertical));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll area lays its bars out again, through a queued call, at every
    // change of range, to show or hide a bar as needed. Neither bar here comes
    // and goes, and the range grows at every computation.
    disconnect(verticalScrollBar(), SIGNAL(rangeChanged(int, int)), this, SLOT(_q_showOrHideScrollBars()));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
}

void OneRowListView::setModel(QAbstractItemModel *model)
{
    if (model_)
        disconnect(model_, nullptr, this, nullptr);
    model_ = model;
    current_ = -1;
    if (model_) {
        connect(model_, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first, int last) { rowsInserted(first, last); });
        connect(model_, &QAbstractItemModel::modelReset, this, [this] {
            current_ = -1;
            updateScrollRange();
        });
        connect(model_, &QAbstractItemModel::dataChanged, viewport(), qOverload<>(&QWidget::update));
    }
    updateScrollRange();
}

int OneRowListView::rowCount() const { return model_ ? model_->rowCount() : 0; }

int OneRowListView::rowHeight() const { return std::max(1, fontMetrics().height()); }

int OneRowListView::visibleRows() const { return std::max(1, viewport()->height() / rowHeight()); }

int OneRowListView::topRow() const { return verticalScrollBar()->value(); }

void OneRowListView::updateScrollRange()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(visibleRows());
    bar->setRange(0, std::max(0, rowCount() - visibleRows()));
    viewport()->update();
}

void OneRowListView::rowsInserted(int first, int last)
{
    const int count = last - first + 1;
    // The rows the user is looking at stay in view, unless the view was at the
    // top, where the newest rows arrive.
    const int top = topRow();
    if (current_ >= first)
        current_ += count;
    updateScrollRange();
    if (top > 0 && first <= top)
        verticalScrollBar()->setValue(top + count);
}

void OneRowListView::setCurrentRow(int row)
{
    if (rowCount() == 0)
        return;
    current_ = std::clamp(row, 0, rowCount() - 1);
    QScrollBar *bar = verticalScrollBar();
    if (current_ < bar->value())
        bar->setValue(current_);
    else if (current_ >= bar->value() + visibleRows())
        bar->setValue(current_ - visibleRows() + 1);
    viewport()->update();
}

void OneRowListView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const int height = rowHeight();
    const int top = topRow();
    const int shown = std::min(rowCount() - top, (viewport()->height() + height - 1) / height);
    const QPalette &pal = palette();
    for (int i = 0; i < shown; ++i) {
        const int row = top + i;
        const QRect line(0, i * height, viewport()->width(), height);
        const bool selected = row == current_;
        const QString text = model_->data(model_->index(row, 0)).toString();
        if (shown == 1 && drawLoneRow(painter, line, selected, text))
            continue;
        if (selected)
            painter.fillRect(line, pal.brush(QPalette::Highlight));
        painter.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
        drawRow(painter, line.adjusted(kTextMargin, 0, -kTextMargin, 0), text);
    }
}

std::optional<OneRowListView::RowLine> OneRowListView::layOutRow(const QRect &area, const QString &text)
{
    const QFont &font = viewport()->font();
    if (!glyphTable_ || glyphFont_ != font) {
        glyphTable_ = GlyphTable::of(font);
        glyphFont_ = font;
        kept_.reset();
    }
    RowLine line;
    qreal width = 0;
    const bool decorated = font.underline() || font.overline() || font.strikeOut();
    if (decorated || layoutDirection() != Qt::LeftToRight || !glyphTable_->layOut(text, line.run, width))
        return std::nullopt;
    const qreal height = glyphTable_->lineHeight();
    line.area = QRectF(area);
    line.origin = QPointF(area.x(), area.y() + (area.height() - height) / 2);
    line.clipped = !line.area.contains(QRectF(line.origin, QSizeF(width, height)));
    return line;
}

// Glyphs from..to of the line, clipped to the row as the painter's text
// drawing clips a line that runs past it.
void OneRowListView::drawGlyphs(QPainter &painter, const RowLine &line, int from, int to)
{
    if (from >= to)
        return;
    QGlyphRun part = line.run;
    if (from > 0 || to < line.run.glyphIndexes().size()) {
        part.setGlyphIndexes(line.run.glyphIndexes().mid(from, to - from));
        part.setPositions(line.run.positions().mid(from, to - from));
    }
    if (line.clipped) {
        painter.save();
        painter.setClipRect(line.area, Qt::IntersectClip);
    }
    painter.drawGlyphRun(line.origin, part);
    if (line.clipped)
        painter.restore();
}

// Drawn as the painter's text drawing draws it (the line centred in the row,
// clipped to it when it runs past), with the glyphs and places the font's
// glyph table gives instead of a shaping of the whole row at every paint.
void OneRowListView::drawRow(QPainter &painter, const QRect &area, const QString &text)
{
    if (const std::optional<RowLine> line = layOutRow(area, text))
        drawGlyphs(painter, *line, 0, int(text.size()));
    else
        painter.drawText(area, kRowAlignment, text);
}

// The row alone in view, in the window's backing store: a text that begins
// with the kept characters starts from a copy of their paint, and the kept
// characters are those the texts shown last began with.
bool OneRowListView::drawLoneRow(QPainter &painter, const QRect &line, bool selected, const QString &text)
{
    const std::optional<DevicePixels> pixels = DevicePixels::under(painter, viewport()->rect());
    if (!pixels || !pixels->wholeExposed())
        return false;
    const std::optional<RowLine> laid = layOutRow(line.adjusted(kTextMargin, 0, -kTextMargin, 0), text);
    if (!laid)
        return false;
    const QPalette &pal = palette();
    const RowLook look{viewport()->size(), line, glyphFont_, pal.cacheKey(), viewport()->palette().cacheKey(),
                       int(pal.currentColorGroup()), int(viewport()->palette().currentColorGroup()),
                       selected, pixels->format(), pixels->scale()};
    const int count = int(text.size());
    painter.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QString previous = std::exchange(previousText_, text);
    int from = 0;
    if (kept_ && kept_->look == look && text.startsWith(kept_->text)) {
        pixels->paste(kept_->pixels);
        from = int(kept_->text.size());
    } else {
        if (selected)
            painter.fillRect(line, pal.brush(QPalette::Highlight));
        kept_.reset();
    }
    // The kept characters grow to all those this text shares with the one before.
    const int shared = std::max(
        from, int(std::mismatch(previous.begin(), previous.end(), text.begin(), text.end()).second - text.begin()));
    drawGlyphs(painter, *laid, from, shared);
    if (!kept_ || shared > from) {
        if (!kept_)
            kept_.emplace();
        kept_->look = look;
        kept_->text = text.first(shared);
        pixels->copyTo(kept_->pixels);
    }
    drawGlyphs(painter, *laid, shared, count);
    return true;
}

void OneRowListView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void OneRowListView::mousePressEvent(QMouseEvent *event)
{
    const int row = topRow() + event->position().toPoint().y() / rowHeight();
    if (row < rowCount())
        setCurrentRow(row);
}

void OneRowListView::keyPressEvent(QKeyEvent *event)
{
    const int from = current_ < 0 ? topRow() : current_;
    switch (event->key()) {
    case Qt::Key_Up: setCurrentRow(from - 1); break;
    case Qt::Key_Down: setCurrentRow(current_ < 0 ? from : from + 1); break;
    case Qt::Key_PageUp: setCurrentRow(from - visibleRows()); break;
    case Qt::Key_PageDown: setCurrentRow(from + visibleRows()); break;
    case Qt::Key_Home: setCurrentRow(0); break;
    case Qt::Key_End: setCurrentRow(rowCount() - 1); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
}

void OneRowListView::scrollContentsBy(int, int) { viewport()->update(); }

} // namespace brelo
