#include "ui/widgets/flat_inside.h"

#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QPainter>

#include <optional>

namespace brelo {

namespace {

constexpr int kSamples = 5;  // per side of the grid of places looked at

class FlatInside : public QObject {
public:
    FlatInside(QGroupBox *frame, const QList<QWidget *> &widgets) : QObject(frame), frame_(frame), widgets_(widgets)
    {
        frame->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        // Read once the window has laid itself out for the change; a page
        // shown again changes nothing.
        const QEvent::Type type = event->type();
        const bool firstShow = type == QEvent::Show && !read_;
        if (firstShow || type == QEvent::StyleChange || type == QEvent::PaletteChange) {
            read_ = true;
            QMetaObject::invokeMethod(this, &FlatInside::apply, Qt::QueuedConnection);
        }
        return false;
    }

private:
    // Places of the inside that no child covers, in the window's coordinates:
    // a grid over it, its edge columns included (a layout's margins).
    QList<QPoint> freePlaces() const
    {
        const QRect inside = frame_->contentsRect().adjusted(2, 2, -2, -2);
        QList<QPoint> places;
        for (int i = 0; i <= kSamples; ++i) {
            for (int j = 1; j < kSamples; ++j) {
                const QPoint at(inside.left() + inside.width() * i / kSamples, inside.top() + inside.height() * j / kSamples);
                if (!frame_->childAt(at))
                    places << frame_->mapTo(frame_->window(), at);
            }
        }
        return places;
    }

    // The one colour the window paints at every free place, if there is one.
    std::optional<QColor> flatColour() const
    {
        const QList<QPoint> places = freePlaces();
        if (places.isEmpty())
            return std::nullopt;
        QRegion region;
        for (const QPoint &at : places)
            region += QRect(at, QSize(1, 1));
        const QPoint origin = region.boundingRect().topLeft();
        QImage painted(region.boundingRect().size(), QImage::Format_RGB32);
        frame_->window()->render(&painted, QPoint(), region, QWidget::DrawWindowBackground | QWidget::DrawChildren);
        const QRgb first = painted.pixel(places.first() - origin);
        for (const QPoint &at : places)
            if (painted.pixel(at - origin) != first)
                return std::nullopt;
        return QColor(first);
    }

    void apply()
    {
        const std::optional<QColor> colour = flatColour();
        for (QWidget *widget : widgets_) {
            // The fill only: a button, a box or a field still paints itself
            // with its own roles over it.
            if (colour) {
                QPalette palette = widget->palette();
                palette.setColor(QPalette::Window, *colour);
                widget->setPalette(palette);
                widget->setBackgroundRole(QPalette::Window);
            }
            widget->setAutoFillBackground(colour.has_value());
        }
    }

    QGroupBox *frame_;
    QList<QWidget *> widgets_;
    bool read_ = false;
};

} // namespace

void paintOnFlatInside(QGroupBox *frame, const QList<QWidget *> &widgets)
{
    new FlatInside(frame, widgets);
}

} // namespace brelo
