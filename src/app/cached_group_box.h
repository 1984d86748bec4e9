#pragma once

#include <QGroupBox>
#include <QStyleOptionFrame>

namespace brelo {

// A frame that lays out its title once. A button inside it repaints on every
// press and release, and the style's painting of the whole frame would lay out
// and shape the title each time; a repaint that does not reach the title only
// needs the border, which is drawn exactly as the style draws it. The title's
// place is measured again when the size, the font, the style, the palette, the
// enabled state or the title change.
class CachedGroupBox : public QGroupBox {
public:
    explicit CachedGroupBox(const QString &title, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void measure();

    bool measured_ = false;
    QString measuredTitle_;
    QStyleOptionFrame border_;  // what the style hands its border primitive
    QRect titleArea_;           // the title and what its glyphs may spill over
};

} // namespace brelo
