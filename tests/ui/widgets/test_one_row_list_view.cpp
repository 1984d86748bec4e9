// The yearly lists draw their rows from the font's glyph table: every row text
// the optics reference table shows must come out as the painter's own text
// drawing puts it, selected or not, fitting its row or clipped by it.
#include "ui/widgets/glyph_table.h"
#include "ui/widgets/one_row_list_view.h"
#include "support/event_count.h"
#include "support/reference_tsv.h"
#include "support/window_font.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QScreen>
#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace brelo {
namespace {

// The list's rows as the painter's text drawing draws them.
class PlainRows : public QWidget {
public:
    QStringList texts;
    int current = -1;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().brush(QPalette::Base));
        const int height = fontMetrics().height();
        for (int row = 0; row < texts.size() && row * height < this->height(); ++row) {
            const QRect line(0, row * height, width(), height);
            if (row == current)
                painter.fillRect(line, palette().brush(QPalette::Highlight));
            painter.setPen(palette().color(row == current ? QPalette::HighlightedText : QPalette::Text));
            painter.drawText(line.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, texts[row]);
        }
    }
};

using test::windowFont;

QImage pixels(QWidget &widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The view with its rows alone, the size of the plain rows, beside them in
// one window: both paint with the same colours, active or not.
void showAsPlain(QWidget &window, OneRowListView &view, PlainRows &plain)
{
    view.setParent(&window);
    plain.setParent(&window);
    view.setFrameShape(QFrame::NoFrame);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setGeometry(QRect(QPoint(0, 0), plain.size()));
    plain.move(0, plain.height());
    window.resize(plain.width(), 2 * plain.height());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(view.viewport()->size(), plain.size());
}

TEST(OneRowListView, EveryYearlyRowIsDrawnAsThePainterDrawsItsText)
{
    const std::vector<reference::Row> rows = reference::readTsv(BRELO_OPTICS_REFERENCE);
    ASSERT_GT(rows.size(), 100u);
    constexpr int kFirstListColumn = 14, kListColumns = 48;  // Listdiam[0..23], Listdimfoy[0..23]
    const struct {
        QFont font;
        int width;  // of the viewport: the narrow ones clip the longer rows
        int rowStep;
    } cases[] = {
        {windowFont(8.25, 100), 160, 1},
        {windowFont(8.25, 100), 70, 3},
        {windowFont(8.25, 85), 160, 5},
        {windowFont(16.5, 100), 150, 5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.font.toString().toStdString() + " " + std::to_string(c.width));
        QStringListModel model;
        QWidget window;  // before the view and the rows: they leave it first
        OneRowListView view;
        PlainRows plain;
        view.setFont(c.font);
        view.setModel(&model);
        plain.setFont(c.font);
        plain.resize(c.width, kListColumns * plain.fontMetrics().height());
        showAsPlain(window, view, plain);
        for (std::size_t r = 0; r < rows.size(); r += std::size_t(c.rowStep)) {
            for (char separator : {'.', ','}) {
                QStringList texts;
                for (int column = kFirstListColumn; column < kFirstListColumn + kListColumns; ++column)
                    texts.append(QString::fromStdString(reference::withSeparator(rows[r].cells.at(column), separator)));
                model.setStringList(texts);
                plain.texts = texts;
                plain.current = int(r % kListColumns);
                view.setCurrentRow(plain.current);
                ASSERT_EQ(view.topRow(), 0);
                ASSERT_EQ(pixels(*view.viewport()), pixels(plain)) << "line " << rows[r].line << ' ' << separator;
            }
        }
    }
}

// Texts the table cannot vouch for are left to the painter, and a new font
// takes a new table.
TEST(OneRowListView, OtherTextsAndFontsAreDrawnAsThePainterDrawsThem)
{
    const QStringList texts = {QStringLiteral("1er Août: 12,5"), QStringLiteral("\u2212 3 \u2192 4"),
                               QStringLiteral("\u05e9\u05dc\u05d5\u05dd 5"), QString(), QStringLiteral("\u00adfin\tx")};
    QStringListModel model(texts);
    QWidget window;
    OneRowListView view;
    view.setModel(&model);
    PlainRows plain;
    plain.texts = texts;
    for (const QFont &font : {windowFont(8.25, 100), windowFont(12, 90), windowFont(8.25, 100)}) {
        view.setFont(font);
        plain.setFont(font);
        plain.resize(200, int(texts.size()) * plain.fontMetrics().height());
        showAsPlain(window, view, plain);
        EXPECT_EQ(pixels(*view.viewport()), pixels(plain)) << font.toString().toStdString();
    }
}

// A row alone in view keeps the paint of its first characters: after every
// change a user can make, the window shows what the painter's text drawing
// shows for the same row.
TEST(OneRowListView, ALoneRowShowsWhatThePainterDrawsAfterEveryChange)
{
    const auto recolour = [](QWidget &w) {
        QPalette palette = w.palette();
        palette.setColor(QPalette::Text, QColor(20, 40, 200));
        palette.setColor(QPalette::Base, QColor(250, 240, 200));
        w.setPalette(palette);
    };
    const auto enlarge = [](QWidget &w) {
        QFont font = w.font();
        font.setPointSizeF(font.pointSizeF() * 1.25);
        w.setFont(font);
    };
    using Change = std::function<void(OneRowListView &, PlainRows &)>;
    const struct {
        const char *what;
        const char *text;
        Change change;
    } steps[] = {
        {"a first text", "1er Janvier: 19.663", nullptr},
        {"its last digits", "1er Janvier: 19.657", nullptr},
        {"the same again", "1er Janvier: 19.657", nullptr},
        {"back", "1er Janvier: 19.663", nullptr},
        {"fewer digits", "1er Janvier: 2", nullptr},
        {"another month", "15 Août: 3,5", nullptr},
        {"and its digits", "15 Août: 3,55", nullptr},
        {"other colours", "15 Août: 3,56", [&](OneRowListView &v, PlainRows &p) { recolour(v); recolour(p); }},
        {"a larger font", "15 Août: 3,57", [&](OneRowListView &v, PlainRows &p) { enlarge(v); enlarge(p); }},
        {"selected", "15 Août: 3,58", [](OneRowListView &v, PlainRows &p) { v.setCurrentRow(0); p.current = 0; }},
        {"selected, next", "15 Août: 3,581", [](OneRowListView &v, PlainRows &p) { v.setCurrentRow(0); p.current = 0; }},
        {"unselected", "15 Août: 3,582", nullptr},
        {"disabled", "15 Août: 3,583", [](OneRowListView &v, PlainRows &p) { v.setEnabled(false); p.setEnabled(false); }},
        {"enabled", "15 Août: 3,584", [](OneRowListView &v, PlainRows &p) { v.setEnabled(true); p.setEnabled(true); }},
        {"narrower, clipped", "15 Août: 3,5845678", [](OneRowListView &v, PlainRows &p) { v.resize(60, v.height()); p.resize(60, p.height()); }},
        {"not from the table", "15 Août: \u2212 3", nullptr},
        {"from the table again", "15 Août: 3,59", nullptr},
    };
    // The font's glyph table knows every text beforehand: each is drawn from it.
    for (const QFont &font : {windowFont(8.25, 100), windowFont(8.25 * 1.25, 100)}) {
        for (const auto &step : steps) {
            QGlyphRun run;
            qreal width = 0;
            const QString text = QString::fromUtf8(step.text);
            EXPECT_EQ(GlyphTable::of(font)->layOut(text, run, width, 1 << 20), !text.contains(QChar(0x2212)));
        }
    }
    QWidget window;
    OneRowListView view;
    PlainRows plain;
    QStringListModel model;
    view.setModel(&model);
    for (QWidget *w : {static_cast<QWidget *>(&view), static_cast<QWidget *>(&plain)}) {
        w->setParent(&window);
        w->setFont(windowFont(8.25, 100));
    }
    view.setFrameShape(QFrame::NoFrame);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto fitRows = [&] {
        const int height = plain.fontMetrics().height();  // one row high
        view.resize(view.width(), height);
        plain.setGeometry(0, height + 2, view.width(), height);
    };
    view.setGeometry(0, 0, 96, 10);
    fitRows();
    window.resize(200, 80);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const auto &step : steps) {
        const QString text = QString::fromUtf8(step.text);
        model.setStringList({text});  // which drops the selection
        plain.texts = {text};
        plain.current = -1;
        if (step.change)
            step.change(view, plain);
        fitRows();
        plain.update();
        QCoreApplication::processEvents();
        const QImage shot = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const qreal scale = shot.devicePixelRatio();
        const auto part = [&](QWidget &w) {
            const QRect rect(w.mapTo(&window, QPoint(0, 0)) * scale, w.size() * scale);
            EXPECT_TRUE(shot.rect().contains(rect)) << step.what;  // a shot at 200 % is the top left quarter
            return shot.copy(rect);
        };
        ASSERT_EQ(view.viewport()->size(), plain.size()) << step.what;
        EXPECT_EQ(part(*view.viewport()), part(plain)) << step.what;
    }
}

// Rows arriving change the bar's range at every computation; the view keeps
// its bars where they are without a queued re-layout each time.
TEST(OneRowListView, ARangeChangeQueuesNoCallToTheView)
{
    test::EventCount calls(QEvent::MetaCall);
    OneRowListView view;
    QStringListModel model;
    view.setModel(&model);
    view.resize(120, 40);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.installEventFilter(&calls);
    const int visibleBar = view.verticalScrollBar()->width();
    for (int rows = 1; rows <= 6; ++rows) {
        model.insertRows(0, 1);
        model.setData(model.index(0), QStringLiteral("1er Janvier: %1").arg(rows));
        QApplication::processEvents();
    }
    EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(calls.count, 0);
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    EXPECT_EQ(view.verticalScrollBar()->width(), visibleBar);
    EXPECT_EQ(view.viewport()->width() + visibleBar + 2 * view.frameWidth(), view.width());
}

} // namespace
} // namespace brelo
