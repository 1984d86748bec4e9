#pragma once

#include "ui/widgets/cached_look.h"

#include <QGroupBox>
#include <QPixmap>
#include <QStyleOptionFrame>

namespace brelo {

// A frame that lays out its title and draws its border once. A button inside
// it repaints on every press and release, and the style's painting of the
// whole frame would lay out and shape the title and load and stretch the
// border image each time; a repaint that does not reach the title only needs
// the border, copied from a picture of it. The title's place and the picture
// are made again when the size, the font, the style, the palette, the
// enabled or active state, the direction or the title change. Where the
// pixels under the frame are those a picture of its state was made over, the
// whole frame, title included, is copied from that picture instead.
class CachedGroupBox : public CachedLook<QGroupBox> {
public:
    explicit CachedGroupBox(const QString &title, QWidget *parent = nullptr);

protected:
    std::optional<LookKey> lookKey() const override;
    void paintItself(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void measure();
    void drawBorderPicture();
    void paintWhole(QPaintEvent *event);

    bool measured_ = false;
    qreal measuredRatio_ = 0;
    QString measuredTitle_;
    QStyleOptionFrame border_;  // what the style hands its border primitive
    QPixmap borderPicture_;     // the border alone, on a clear background; null until needed
    QRect titleArea_;           // the title and what its glyphs may spill over
};

} // namespace brelo
