#include "ui/widgets/cached_tab_widget.h"

#include "ui/widgets/paint_through_copy.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyleOptionTabWidgetFrame>

#include <algorithm>

namespace brelo {

namespace {
constexpr int kTabLooks = 6;   // the current tab, hovered and pressed tabs
constexpr int kPaneLooks = 2;  // the pane knows which tab is current
} // namespace

CachedTabBar::CachedTabBar(QWidget *parent)
    : CachedLook<QTabBar>(kTabLooks, LookCache::Ground::Transparent, parent)
{
}

std::optional<LookKey> CachedTabBar::lookKey() const
{
    LookKey key = lookKeyOf(*this);
    int enabledTabs = 0;
    for (int i = 0; i < count(); ++i) {
        key.text += tabText(i) + QChar(0);
        enabledTabs |= isTabEnabled(i) ? 1 << (i % 31) : 0;
    }
    const int flags = static_cast<int>(shape()) | (drawBase() ? 1 << 8 : 0) | (documentMode() ? 1 << 9 : 0)
                      | (expanding() ? 1 << 10 : 0) | static_cast<int>(elideMode()) << 12;
    key.details = {currentIndex() | count() << 8 | (hovered_ + 1) << 16 | (pressed_ + 1) << 24, enabledTabs, flags,
                   count() > 0 ? tabRect(0).x() : 0};  // scrolled tabs
    return key;
}

bool CachedTabBar::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        hovered_ = tabAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
        hovered_ = -1;
        break;
    case QEvent::MouseButtonPress:
        pressed_ = tabAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
            pressed_ = -1;
        break;
    default:
        break;
    }
    return CachedLook<QTabBar>::event(event);
}

CachedTabWidget::CachedTabWidget(QWidget *parent)
    : CachedLook<QTabWidget>(kPaneLooks, LookCache::Ground::FlatOpaque, parent)
{
    // As the tab widget sets up its own tabs: the pane draws the base line.
    auto *tabs = new CachedTabBar(this);
    tabs->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    tabs->setDrawBase(false);
    setTabBar(tabs);
}

std::optional<LookKey> CachedTabWidget::lookKey() const
{
    LookKey key = lookKeyOf(*this);
    const QRect bar = tabBar()->geometry();
    key.details = {currentIndex(),
                   bar.x() | bar.y() << 16,
                   bar.width() | bar.height() << 16,
                   static_cast<int>(tabPosition()) | static_cast<int>(tabShape()) << 4 | (documentMode() ? 1 << 8 : 0),
                   count()};
    return key;
}

// The pane, as the tab widget paints it outside document mode.
void CachedTabWidget::paintItself(QPaintEvent *event)
{
    if (documentMode()) {
        QTabWidget::paintEvent(event);
        return;
    }
    QStyleOptionTabWidgetFrame pane;
    initStyleOption(&pane);
    pane.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &pane, this);
    const auto drawPane = [&](QPainter &paint, const QRect &) {
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &paint, this);
    };
    if (!paintThroughCopy(*this, paintTarget(), event->region(), copyBandsFor(*style()), drawPane))
        QTabWidget::paintEvent(event);
}

} // namespace brelo
