#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include <optional>

class QPainter;

namespace brelo {

// A widget's device pixels as a paint left them. To the right of its inked
// columns every row is one colour: a paste fills those rather than copy them.
struct KeptPixels {
    QImage image;
    int inkedColumns = 0;
    QRgb rest = 0;
};

// The pixels of a widget in the window's backing store, while the widget
// paints: read and written straight, for a widget whose look is known to be a
// copy of an earlier paint. Only a 32-bit image reached at whole device pixels
// with a system clip (the window's own repaint) qualifies; a rendering into a
// picture or a printer does not.
class DevicePixels {
public:
    static std::optional<DevicePixels> under(const QPainter &paint, const QRect &widgetRect);

    // The part of the widget this paint may change covers all of it.
    bool wholeExposed() const { return whole_; }
    // One opaque colour over the part this paint may change, if there is one.
    std::optional<QRgb> flatColour() const;
    // The widget's device pixels as they stand, into `kept` (its own buffer
    // kept when it has the size and format and is not shared).
    void copyTo(KeptPixels &kept) const;
    // An earlier copy put back, over the part this paint may change.
    void paste(const KeptPixels &kept) const;

    QImage::Format format() const { return device_->format(); }
    int scale() const { return scale_; }

private:
    DevicePixels(const QImage *device, QRect rect, QRegion exposed, int scale);

    const QImage *device_;
    QRect rect_;       // the widget, in device pixels
    QRegion exposed_;  // the part of it this paint may change
    int scale_;
    bool whole_;
};

} // namespace brelo
