#include "ui/widgets/cached_text_label.h"
#include "support/reference_tsv.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace brelo {
namespace {

// A frame that counts its paints; flat or shaded from left to right.
class Backdrop : public QWidget {
public:
    explicit Backdrop(bool flat) : shaded(!flat) { resize(200, 60); }
    int paints = 0;
    QColor flat{236, 236, 236};
    bool shaded;
    int deeper = 0;  // from the 30th column on

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        QPainter paint(this);
        for (int x = 0; x < width(); ++x)
            paint.fillRect(x, 0, 1, height(), shaded ? QColor(x % 256, 200, 200 - (x >= 30) * deeper) : flat);
    }
};

// The backdrop as the screen shows it after a full repaint.
QImage repaintedShot(Backdrop &backdrop)
{
    backdrop.update();
    QCoreApplication::processEvents();
    return backdrop.screen()->grabWindow(backdrop.winId()).toImage();
}

struct Window {
    Backdrop backdrop;
    CachedTextLabel *label;

    Window(bool flat, bool opaque) : backdrop(flat), label(new CachedTextLabel(QStringLiteral("B= 1"), &backdrop))
    {
        label->setGeometry(10, 10, 150, 20);
        if (opaque)
            label->paintFlatBackgroundItself();
        backdrop.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
        QCoreApplication::processEvents();
    }
    // Paints of the frame caused by a new text, once shown.
    int paintsForText(const QString &text)
    {
        const int before = backdrop.paints;
        label->setText(text);
        QCoreApplication::processEvents();
        return backdrop.paints - before;
    }
    QImage shot() { return backdrop.screen()->grabWindow(backdrop.winId()).toImage(); }
};

// Over a flat frame a new text repaints the label alone, with the pixels a
// transparent label gives; over a shaded one, or once the frame's palette or
// the label's place changed, the frame is painted under it again.
TEST(CachedTextLabel, OverAFlatFrameANewTextRepaintsTheLabelAlone)
{
    Window transparent(true, false);
    Window opaque(true, true);
    Window shaded(true, true);
    Window overShading(false, true);
    EXPECT_GT(transparent.paintsForText(QStringLiteral("B= 12,5")), 0);
    EXPECT_EQ(opaque.paintsForText(QStringLiteral("B= 12,5")), 0);
    EXPECT_EQ(opaque.shot(), transparent.shot());
    EXPECT_GT(overShading.paintsForText(QStringLiteral("B= 12,5")), 0);

    opaque.label->move(12, 10);
    QCoreApplication::processEvents();
    EXPECT_GT(opaque.paintsForText(QStringLiteral("B= 13")), 0);
    EXPECT_EQ(opaque.paintsForText(QStringLiteral("B= 14")), 0);  // learnt again at its new place

    QPalette palette = shaded.label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    shaded.paintsForText(QStringLiteral("B= 2"));
    shaded.label->setPalette(palette);
    EXPECT_GT(shaded.paintsForText(QStringLiteral("B= 3")), 0);
}

// The same label, kept by a cached label and drawn anew by QLabel, after each
// change a user or the window can make: after whole repaints (which copy
// the kept paint when its look is unchanged) both windows show the same
// pixels, so every change reaches the kept paint.
TEST(CachedTextLabel, AKeptPaintFollowsEveryChangeOfLook)
{
    struct Pair {
        Backdrop cachedBackdrop{true}, plainBackdrop{true};
        CachedTextLabel *cached = new CachedTextLabel(QStringLiteral("Hauteur = 26.452\u00b0"), &cachedBackdrop);
        QLabel *plain = new QLabel(QStringLiteral("Hauteur = 26.452\u00b0"), &plainBackdrop);
    };
    using Change = std::function<void(QLabel *, Backdrop *)>;
    const auto palette = [](QPalette::ColorRole role, QColor colour) {
        return [=](QLabel *label, Backdrop *) {
            QPalette p = label->palette();
            p.setColor(role, colour);
            label->setPalette(p);
        };
    };
    const struct {
        const char *what;
        Change change;
    } changes[] = {
        {"unchanged", [](QLabel *, Backdrop *) {}},
        {"text", [](QLabel *l, Backdrop *) { l->setText(QStringLiteral("Hauteur = -19.357\u00b0")); }},
        {"text colour", palette(QPalette::WindowText, QColor(0, 0, 192))},
        {"greyed as stale", palette(QPalette::WindowText, QColor(128, 128, 128))},
        {"font size", [](QLabel *l, Backdrop *) { QFont f = l->font(); f.setPointSizeF(11); l->setFont(f); }},
        {"font stretch", [](QLabel *l, Backdrop *) { QFont f = l->font(); f.setStretch(85); l->setFont(f); }},
        {"disabled", [](QLabel *l, Backdrop *) { l->setEnabled(false); }},
        {"enabled", [](QLabel *l, Backdrop *) { l->setEnabled(true); }},
        {"narrower, clipped", [](QLabel *l, Backdrop *) { l->resize(60, 20); }},
        {"taller, centred", [](QLabel *l, Backdrop *) { l->resize(150, 31); l->setAlignment(Qt::AlignVCenter); }},
        {"bottom", [](QLabel *l, Backdrop *) { l->setAlignment(Qt::AlignLeft | Qt::AlignBottom); }},
        {"margins", [](QLabel *l, Backdrop *) { l->setContentsMargins(3, 2, 4, 0); }},
        {"indent", [](QLabel *l, Backdrop *) { l->setIndent(6); }},
        {"moved", [](QLabel *l, Backdrop *) { l->move(14, 3); }},
        {"colour under it", [](QLabel *, Backdrop *b) { b->flat = QColor(255, 128, 128); }},
        {"shading under it", [](QLabel *, Backdrop *b) { b->shaded = true; }},
        {"other shading, same first colour", [](QLabel *, Backdrop *b) { b->deeper = 60; }},
        {"flat again", [](QLabel *, Backdrop *b) { b->shaded = false; }},
        {"own background", [](QLabel *l, Backdrop *) { l->setAutoFillBackground(true); }},
        {"own background colour", palette(QPalette::Window, QColor(128, 0, 0))},
        {"text again", [](QLabel *l, Backdrop *) { l->setText(QStringLiteral("E")); }},
        {"wrapped", [](QLabel *l, Backdrop *) { l->setWordWrap(true); }},
    };
    Pair pair;
    for (QLabel *label : {static_cast<QLabel *>(pair.cached), pair.plain}) {
        label->setGeometry(10, 10, 150, 20);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (Backdrop *backdrop : {&pair.cachedBackdrop, &pair.plainBackdrop}) {
        backdrop->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(backdrop));
    }
    for (const auto &c : changes) {
        SCOPED_TRACE(c.what);
        c.change(pair.cached, &pair.cachedBackdrop);
        c.change(pair.plain, &pair.plainBackdrop);
        QCoreApplication::processEvents();
        const QImage expected = repaintedShot(pair.plainBackdrop);
        // A look is kept at its second whole paint and copied from the third.
        EXPECT_EQ(repaintedShot(pair.cachedBackdrop), expected);  // drawn, or copied from the last paint
        EXPECT_EQ(repaintedShot(pair.cachedBackdrop), expected);  // drawn again and kept
        EXPECT_EQ(repaintedShot(pair.cachedBackdrop), expected);  // copied
        // Two new numbers after the same caption: the second one is drawn
        // after a copy of the caption's glyphs kept with the first.
        for (const char *number : {"1", "-0.125"}) {
            const QString text = QStringLiteral("Hauteur = %1%2\u00b0").arg(QLatin1String(number)).arg(&c - changes);
            pair.cached->setText(text);
            pair.plain->setText(text);
            QCoreApplication::processEvents();
            EXPECT_EQ(repaintedShot(pair.cachedBackdrop), repaintedShot(pair.plainBackdrop)) << text.toStdString();
        }
    }
}

// Every result text of the reference tables, in the window's font, with
// either decimal separator, shown in turn by a result label (which draws the
// glyphs after a kept caption's) and by QLabel: the same pixels each time.
TEST(CachedTextLabel, EveryReferenceTextIsDrawnAsQLabelDrawsIt)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    const struct {
        const char *path;
        int firstColumn, columns;
    } tables[] = {{BRELO_OPTICS_REFERENCE, 6, 8}, {BRELO_EPHEMERIS_REFERENCE, 9, 10}};
    for (const auto &table : tables) {
        const std::vector<reference::Row> rows = reference::readTsv(table.path);
        ASSERT_GT(rows.size(), 100u) << table.path;
        for (int column = table.firstColumn; column < table.firstColumn + table.columns; ++column) {
            Window cached(true, true);
            Backdrop plainBackdrop(true);
            for (QWidget *backdrop : {static_cast<QWidget *>(&cached.backdrop), static_cast<QWidget *>(&plainBackdrop)})
                backdrop->resize(340, 40);
            cached.label->setGeometry(10, 10, 320, 20);  // the widest texts run past the end
            auto *plain = new QLabel(cached.label->text(), &plainBackdrop);
            plain->setGeometry(cached.label->geometry());
            plain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            cached.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            for (QLabel *label : {static_cast<QLabel *>(cached.label), plain})
                label->setFont(font);
            plainBackdrop.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&plainBackdrop));
            const auto shot = [](QWidget &window) { return window.screen()->grabWindow(window.winId()).toImage(); };
            for (char separator : {'.', ','}) {
                for (const reference::Row &row : rows) {
                    const QString text = QString::fromStdString(reference::withSeparator(row.cells.at(column), separator));
                    cached.label->setText(text);
                    plain->setText(text);
                    QCoreApplication::processEvents();
                    ASSERT_EQ(shot(cached.backdrop), shot(plainBackdrop)) << table.path << ':' << row.line << ' '
                                                                          << text.toStdString();
                }
            }
        }
    }
}

// Texts that Qt may take for rich text, or not: the cached label shows each
// as QLabel does.
TEST(CachedTextLabel, TextsThatMayBeRichAreShownAsQLabelShowsThem)
{
    const char *const texts[] = {
        "<b>gras</b> = 1",  "  <i>penché</i>", "a &lt; b",   "&amp; 2",     "x < y",    "x <y> z",
        "R&D = 3",          "a & b",           "<br>",       "1 <2",        "<p>P</p>", "& ;",
        "\u00b0 <sup>2</sup>", "B0 = -7.12\u00b0",
        // two lines or a tab: QLabel draws them, plain or rich
        "L = 1\nP = 2", "a\tb = 3", "<b>x</b>\n4", "R&D\t5", "6\n",
    };
    Backdrop cachedBackdrop(true), plainBackdrop(true);
    auto *cached = new CachedTextLabel(QString(), &cachedBackdrop);
    auto *plain = new QLabel(&plainBackdrop);
    for (QLabel *label : {static_cast<QLabel *>(cached), plain})
        label->setGeometry(10, 10, 150, 30);
    for (Backdrop *backdrop : {&cachedBackdrop, &plainBackdrop}) {
        backdrop->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(backdrop));
    }
    for (const char *text : texts) {
        const QString shown = QString::fromUtf8(text);
        cached->setText(shown);
        plain->setText(shown);
        QCoreApplication::processEvents();
        const QImage expected = repaintedShot(plainBackdrop);
        EXPECT_EQ(repaintedShot(cachedBackdrop), expected) << text;
        EXPECT_EQ(repaintedShot(cachedBackdrop), expected) << text;  // kept
        EXPECT_EQ(repaintedShot(cachedBackdrop), expected) << text;  // copied
    }
}

} // namespace
} // namespace brelo
