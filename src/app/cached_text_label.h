#pragma once

#include <QLabel>
#include <QTextLayout>

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

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool drawsItself() const;
    void layOut();

    QTextLayout layout_;
    QString laidOutText_;
    bool laidOut_ = false;
    qreal lineHeight_ = 0;
};

} // namespace brelo
