#pragma once

#include "core/drawing/disc_template.h"

#include <QPointF>
#include <QWidget>

#include <optional>

namespace brelo {

// The disc template drawn small, to see it before printing: the drawing's
// square fitted into the widget, on white.
class TemplatePreview : public QWidget {
    Q_OBJECT

public:
    explicit TemplatePreview(QWidget *parent = nullptr);

    void showTemplate(std::optional<DiscTemplate> disc);  // none: blank
    // The template's user coordinates (0.1 mm, centre at (0, 0)) of a point of the widget.
    QPointF templatePoint(QPoint widgetPoint) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF square() const;  // where the drawing's square stands

    std::optional<DiscTemplate> disc_;
};

} // namespace brelo
