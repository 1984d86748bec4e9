#pragma once

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QPointer>

namespace brelo {

// A list box that asks its model only for the rows it shows. QListView lays
// out every row again after each insertion, which with the yearly lists'
// millions of rows costs tens of milliseconds per run; this view's cost does
// not grow with the row count.
class OneRowListView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit OneRowListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);
    QAbstractItemModel *model() const { return model_; }

    int currentRow() const { return current_; }
    int topRow() const;
    void setCurrentRow(int row);  // scrolls it into view

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int rowCount() const;
    int rowHeight() const;
    int visibleRows() const;
    void updateScrollRange();
    void rowsInserted(int first, int last);

    QPointer<QAbstractItemModel> model_;
    int current_ = -1;
};

} // namespace brelo
