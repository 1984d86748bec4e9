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

// Copies a picture of a whole widget onto it, one rectangle of the region at a
// time under a rectangular clip: the raster engine's plain copy.
void copyPicture(QPainter &paint, const QImage &picture, const QRegion &region);

// Copies what was just painted in a region of a widget, from the device being
// painted into a picture of the whole widget. False when the device cannot
// be read (not an image, or not on whole pixels).
bool copyPainted(QPainter &paint, QImage &picture, const QRegion &region);

// A look of a control: the picture of its state, valid where it was painted.
struct Look {
    LookKey key;
    QImage picture;
    QRegion valid;
};

// The looks of a control, kept per state: the newest first, at most
// `capacity` of them.
class LookPictures {
public:
    explicit LookPictures(int capacity) : capacity_(capacity) {}

    Look *find(const LookKey &key);
    Look &keep(Look look);
    void clear() { kept_.clear(); }
    bool empty() const { return kept_.empty(); }

private:
    int capacity_;
    std::vector<Look> kept_;
};

// A control's look kept as pictures over what it stands on. A paint copies the
// picture of the control's current state where it holds what was painted
// there; elsewhere the control paints itself, and the picture keeps what the
// paint left. What is under the control is either one flat colour, learnt
// from its first paint, after which the control is opaque and fills that
// colour itself; or what its parent paints under it each time, which the
// parent tells as a picture (one per look of the parent, so that a state's
// key can name it).
class LookCache {
public:
    // The control's look key now, or nothing while it paints itself each
    // time (a focused field with its cursor).
    using KeyOf = std::function<std::optional<LookKey>()>;
    // What is under the control, at its size and pixel ratio (null while unknown).
    using Underneath = std::function<QImage()>;

    // Over a flat colour: opaque (the parent no longer paints under the
    // control), or transparent (the parent, itself copied from its pictures,
    // paints under it). Each opaque control shown with a page is one more
    // region Qt adds up and, for a container, one more paint of it alone.
    enum class Ground { FlatOpaque, FlatTransparent };

    LookCache(QWidget *owner, int capacity, KeyOf keyOf, Ground ground);
    LookCache(QWidget *owner, int capacity, KeyOf keyOf, Underneath under);

    // Paints the control for the event, calling `paintItself` (the base
    // class's paintEvent) where no picture holds its look.
    void paint(QPaintEvent *event, const std::function<void()> &paintItself);
    // From the owner's event(): what is under it may have changed. True when
    // the pictures were dropped.
    bool watch(const QEvent *event);
    void forget();

    // The picture last copied or painted onto the control (null while the
    // control paints itself without one).
    const QImage &shown() const { return shown_; }
    // Whether that picture holds the control's look over a whole area.
    bool shownCovers(const QRect &area) const { return !shown_.isNull() && shownValid_.contains(area); }

private:
    QImage background() const;
    void learn(QPaintEvent *event);

    QWidget *owner_;
    LookPictures looks_;
    KeyOf keyOf_;
    Underneath under_;
    bool opaqueOverFlat_ = false;
    std::optional<QRgb> flat_;
    QImage::Format format_ = QImage::Format_RGB32;
    QImage shown_;
    QRegion shownValid_;
};

} // namespace brelo
