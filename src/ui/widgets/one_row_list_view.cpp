#include "ui/widgets/one_row_list_view.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include <algorithm>

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
        if ((change == SliderRangeChange || change == SliderStepsChange) && look() == shown_)
            return;
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
        if (selected)
            painter.fillRect(line, pal.brush(QPalette::Highlight));
        painter.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(line.adjusted(kTextMargin, 0, -kTextMargin, 0), kRowAlignment, text);
    }
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
