#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QEvent;
class QPaintDevice;
class QPaintEvent;
class QPainter;
class QRegion;
class QStyle;
class QWidget;

namespace brelo {

// Everything a control's look depends on: what every widget shares (size,
// pixel ratio, palette, font, style, states) and what its kind adds (its
// text, and a few numbers such as the current tab or a pressed arrow).
struct LookKey {
    QSize size;
    qreal ratio = 0;
    qint64 palette = 0;
    QFont font;
    const QStyle *style = nullptr;
    int states = 0;  // enabled, focus, hover, active window, direction, keyboard focus shown
    QString text;
    std::array<int, 8> details{};

    bool operator==(const LookKey &) const = default;
};

// The shared part of the key, read from the widget.
LookKey lookKeyOf(const QWidget &widget);

// The one colour under a widget in the device being painted, when the whole
// widget stands on it on whole device pixels (read before the widget draws).
std::optional<QRgb> flatColourUnder(QPainter &paint, const QRect &area, QImage::Format *format);

// The image a painter draws into, when it is one and the painter maps the
// widget onto whole device pixels at `ratio`; `offset` is the widget's place
// in it.
QImage *deviceImage(QPainter &paint, qreal ratio, QPoint *offset);

// Where a widget's paint goes in the window's repaint, as the widget's own
// redirection tells it (its redirected() and sharedPainter() are protected):
// found without the cost of a painter.
struct PaintTarget {
    QPaintDevice *device = nullptr;
    QPoint offset;  // the redirection's, in logical pixels
    bool sharedPainter = false;
};

// The image a widget's paint goes to, redirected without a shared painter
// (whose transform is unknown), at `ratio`; `offset` is the widget's place in
// it in device pixels.
QImage *redirectedImage(const PaintTarget &target, qreal ratio, QPoint *offset);

// A look of a control: the picture of its state and, for a transparent
// control, the pixels that were under it; both valid where it was painted.
struct Look {
    LookKey key;
    QImage picture;
    QImage under;
    QRegion valid;
};

// The looks of a control, kept per state: the newest first, at most
// `capacity` of them. A state gets its picture the second time it is
// painted: a look painted once, as most are at start-up, costs no copy.
class LookPictures {
public:
    explicit LookPictures(int capacity) : capacity_(capacity) {}

    Look *find(const LookKey &key);
    // Whether the state was painted before; the first asking notes it.
    bool seenBefore(const LookKey &key);
    Look &keep(Look look);
    void clear()
    {
        kept_.clear();
        seen_.clear();
    }

private:
    int capacity_;
    std::vector<Look> kept_;
    std::vector<LookKey> seen_;  // painted once, without a picture yet
};

// A control's look kept as pictures per state. A paint copies the picture of
// the control's current state where it holds what was painted there before;
// elsewhere the control paints itself, and the picture keeps what the paint
// left. The look of a pixel depends on the control's state and on the pixel
// under it, so a picture is only copied over what it was made over:
// - a transparent control, painted over by its parent and the controls
//   below it at each paint, compares the pixels under it with those its
//   picture was made over;
// - an opaque control learns from its first paint the one flat colour under
//   it, and fills that colour itself from then on (the parent no longer paints
//   under it).
class LookCache {
public:
    // The control's look key now, or nothing while it paints itself each
    // time (a focused field with its cursor).
    using KeyOf = std::function<std::optional<LookKey>()>;

    // Opaque suits a control alone over the window's colour: each opaque
    // control shown with a page is one more region Qt adds up and, for a
    // container, one more paint of it alone.
    enum class Ground { FlatOpaque, Transparent };

    LookCache(QWidget *owner, int capacity, KeyOf keyOf, Ground ground);

    // Paints the control for the event, calling `paintItself` (the base
    // class's paintEvent) where no picture holds its look.
    void paint(QPaintEvent *event, const std::function<void()> &paintItself, const PaintTarget &target = {});
    // From the owner's event(): what is under it may have changed.
    void watch(const QEvent *event);
    void forget();

private:
    void paintOverFlat(QPaintEvent *event, const std::function<void()> &paintItself, const PaintTarget &target);
    void paintOverParent(QPaintEvent *event, const std::function<void()> &paintItself, const PaintTarget &target);
    void learn(QPaintEvent *event);

    QWidget *owner_;
    LookPictures looks_;
    KeyOf keyOf_;
    Ground ground_;
    std::optional<QRgb> flat_;
    QImage::Format format_ = QImage::Format_RGB32;
};

} // namespace brelo
