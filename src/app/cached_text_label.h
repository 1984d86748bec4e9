#pragma once

#include <QLabel>
#include <QTextLayout>

#include <optional>

class QPainter;

namespace brelo {

// A label that keeps its one line of plain text laid out. QLabel lays out and
// shapes its text on every paint, and result labels repaint at every event;
// this one lays the text out again only when the text or the font change, and
// draws the line where the style's text drawing would. Anything else (rich
// text, wrapping, a frame or margins, a pixmap, a disabled label, centred or
// right-aligned text) is painted by QLabel itself.
class CachedTextLabel : public QLabel {
public:
    explicit CachedTextLabel(const QString &text, QWidget *parent = nullptr);

    // For a label whose text changes often over a frame of one flat colour:
    // once a paint shows the colour under it is flat, it fills it itself, so
    // a new text no longer repaints the page and the frame behind it.
    void paintFlatBackgroundItself();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool drawsItself() const;
    void layOut();
    void learnBackground(QPainter &paint, const QRect &exposed);
    void forgetBackground();

    QTextLayout layout_;
    QString laidOutText_;
    bool laidOut_ = false;
    qreal lineHeight_ = 0;
    bool watchesBackground_ = false;
    std::optional<QRgb> flatBackground_;  // learnt from a paint, while it holds
};

} // namespace brelo
