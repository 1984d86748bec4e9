#include "ui/widgets/cached_group_box.h"

#include "ui/widgets/paint_through_copy.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace brelo {

namespace {
// Glyph overhangs and the focus rectangle stay within this of the title's box.
constexpr int kTitleMargin = 4;
} // namespace

CachedGroupBox::CachedGroupBox(const QString &title, QWidget *parent)
    : CachedLook<QGroupBox>(2, LookCache::Ground::Transparent, title, parent)
{
}

std::optional<LookKey> CachedGroupBox::lookKey() const
{
    if (isCheckable())
        return std::nullopt;
    LookKey key = lookKeyOf(*this);
    key.text = title();
    key.details = {static_cast<int>(alignment()), isFlat() ? 1 : 0};
    return key;
}

// The border options as the style builds them from the group box's own.
void CachedGroupBox::measure()
{
    QStyleOptionGroupBox box;
    initStyleOption(&box);
    border_ = QStyleOptionFrame();
    border_.QStyleOption::operator=(box);
    border_.features = box.features;
    border_.lineWidth = box.lineWidth;
    border_.midLineWidth = box.midLineWidth;
    border_.rect = style()->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxFrame, this);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, this);
    const QRect check = style()->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxCheckBox, this);
    titleArea_ = label.united(check).adjusted(-kTitleMargin, -kTitleMargin, kTitleMargin, kTitleMargin);
    measuredTitle_ = title();
    measuredRatio_ = devicePixelRatioF();
    measured_ = true;
    borderPicture_ = QPixmap();  // drawn when a paint first needs the border alone
}

// The border alone into a clear picture: drawn over a clear picture the
// style's semi-transparent border image keeps its exact pixels, so copying
// the picture later blends as drawing the border would.
void CachedGroupBox::drawBorderPicture()
{
    const qreal ratio = devicePixelRatioF();
    borderPicture_ = QPixmap(size() * ratio);
    borderPicture_.setDevicePixelRatio(ratio);
    borderPicture_.fill(Qt::transparent);
    QPainter paint(&borderPicture_);
    paint.setPen(palette().color(foregroundRole()));
    paint.setFont(font());
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &border_, &paint, this);
}

// The whole frame, as the group box paints itself; away from the title, the
// border alone is what the style draws.
void CachedGroupBox::paintWhole(QPaintEvent *event)
{
    QStyleOptionGroupBox box;
    initStyleOption(&box);
    const auto draw = [&](QPainter &paint, const QRect &band) {
        if (band.intersects(titleArea_))
            style()->drawComplexControl(QStyle::CC_GroupBox, &box, &paint, this);
        else
            style()->drawPrimitive(QStyle::PE_FrameGroupBox, &border_, &paint, this);
    };
    if (!paintThroughCopy(*this, paintTarget(), event->region(), copyBandsFor(*style()), draw))
        QGroupBox::paintEvent(event);
}

void CachedGroupBox::paintItself(QPaintEvent *event)
{
    if (!measured_ || measuredTitle_ != title() || devicePixelRatioF() != measuredRatio_ || isCheckable())
        measure();
    if (isCheckable() || event->region().intersects(titleArea_)) {
        paintWhole(event);
        return;
    }
    if (borderPicture_.isNull())
        drawBorderPicture();
    QPainter paint(this);
    paint.drawPixmap(0, 0, borderPicture_);
}

void CachedGroupBox::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
    case QEvent::LayoutDirectionChange:
        measured_ = false;
        break;
    default:
        break;
    }
    QGroupBox::changeEvent(event);
}

void CachedGroupBox::resizeEvent(QResizeEvent *event)
{
    measured_ = false;
    QGroupBox::resizeEvent(event);
}

} // namespace brelo
