#include "ui/widgets/template_preview.h"

#include "core/common/twips.h"
#include "ui/widgets/painter_canvas.h"

#include <QPainter>

#include <algorithm>

namespace brelo {

TemplatePreview::TemplatePreview(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(320, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TemplatePreview::showTemplate(std::optional<DiscTemplate> disc)
{
    disc_ = std::move(disc);
    update();
}

QRectF TemplatePreview::square() const
{
    const double side = std::min(width(), height());
    return {(width() - side) / 2.0, (height() - side) / 2.0, side, side};
}

QPointF TemplatePreview::templatePoint(QPoint widgetPoint) const
{
    const double half = templateSideMm(disc_ ? disc_->diameterMm : kDefaultTemplateDiameterMm) / 2.0 / kTemplateUnitMm;
    const QRectF area = square();
    const auto user = [&](double at, double start) { return -half + (at + 0.5 - start) / area.width() * 2.0 * half; };
    return {user(widgetPoint.x(), area.left()), user(widgetPoint.y(), area.top())};
}

void TemplatePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRectF area = square();
    painter.fillRect(area, Qt::white);
    if (!disc_)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    const double twips = area.width() * kTwipsPerPixel;
    PainterCanvas canvas(painter, QSizeF(twips, twips), Qt::white,
                         [](CanvasColor c) { return QColor(c.rgb.r, c.rgb.g, c.rgb.b); });
    setTemplateUserScale(canvas, disc_->diameterMm);
    drawDiscTemplate(canvas, *disc_);
}

} // namespace brelo
