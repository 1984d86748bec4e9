#include "ui/widgets/stale_results.h"

#include "ui/widgets/picture_area.h"

#include <QEvent>
#include <QPainter>

namespace brelo {

namespace {

// Windows' grey for text that does not count.
const QColor kStaleText(128, 128, 128);
// A light wash: the old picture shows through, plainly faded.
const QColor kVeil(240, 240, 240, 170);

class Veil : public QWidget {
public:
    explicit Veil(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("veil"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(parent->rect());
        parent->installEventFilter(this);  // follows the picture when it is zoomed
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), kVeil); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parentWidget() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return QWidget::eventFilter(watched, event);
    }
};

} // namespace

StaleResults::StaleResults(std::vector<QWidget *> texts, PictureArea *picture, const std::vector<QWidget *> &controls)
    : veil_(picture ? new Veil(picture) : nullptr)
{
    for (QWidget *widget : texts)
        texts_.push_back({widget, {}, {}});
    if (!veil_)
        return;
    // Above the image and the drawing's labels, below the spin button and the
    // check box the user still works with.
    veil_->raise();
    for (QWidget *control : controls)
        control->raise();
}

void StaleResults::setTextsStale(bool stale)
{
    if (stale == textsStale_)
        return;
    textsStale_ = stale;
    // Only the text colours change: the rest of each palette is left as it is.
    for (Text &text : texts_) {
        QPalette palette = text.widget->palette();
        if (stale) {
            text.windowText = palette.color(QPalette::WindowText);
            text.text = palette.color(QPalette::Text);
        }
        palette.setColor(QPalette::WindowText, stale ? kStaleText : text.windowText);  // labels
        palette.setColor(QPalette::Text, stale ? kStaleText : text.text);              // lists
        text.widget->setPalette(palette);
    }
}

void StaleResults::setStale(Extent extent)
{
    setTextsStale(extent == TextsAndPicture);
    if (veil_)
        veil_->setVisible(extent != Nothing);
}

bool StaleResults::pictureStale() const { return veil_ && !veil_->isHidden(); }

} // namespace brelo
