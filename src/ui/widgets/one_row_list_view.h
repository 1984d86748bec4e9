#pragma once

#include "ui/widgets/device_pixels.h"

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPointer>

#include <memory>
#include <optional>

class QPainter;

namespace brelo {

class GlyphTable;

// A list box that asks its model only for the rows it shows. QListView lays
// out every row again after each insertion, which with the yearly lists'
// millions of rows costs tens of milliseconds per run; this view's cost does
// not grow with the row count. A row is drawn from the font's glyph table;
// when it is the only one in view, the paint of its first characters is kept,
// and a new text that begins with them draws only the glyphs that follow.
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
    // A row's line laid out from the glyph table, placed as the painter's
    // text drawing places it in `area`.
    struct RowLine {
        QGlyphRun run;
        QPointF origin;
        bool clipped = false;
        QRectF area;
    };
    // Everything the pixels of a lone row depend on, beside its text.
    struct RowLook {
        QSize size;
        QRect line;
        QFont font;
        qint64 palette = 0, viewportPalette = 0;
        int colourGroup = 0, viewportColourGroup = 0;
        bool selected = false;
        QImage::Format format = QImage::Format_Invalid;
        int scale = 0;
        bool operator==(const RowLook &) const = default;
    };
    struct KeptRow {
        RowLook look;
        QString text;   // the characters whose glyphs are in the pixels
        KeptPixels pixels;  // the viewport's device pixels after them
    };

    std::optional<RowLine> layOutRow(const QRect &area, const QString &text);
    void drawRow(QPainter &painter, const QRect &area, const QString &text);
    bool drawLoneRow(QPainter &painter, const QRect &line, bool selected, const QString &text);
    static void drawGlyphs(QPainter &painter, const RowLine &line, int from, int to);

    QPointer<QAbstractItemModel> model_;
    int current_ = -1;
    std::shared_ptr<GlyphTable> glyphTable_;  // of glyphFont_, the rows' font
    QFont glyphFont_;
    std::optional<KeptRow> kept_;
    QString previousText_;  // of the last lone row drawn
};

} // namespace brelo
