#include "app/cached_tab_widget.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>

namespace brelo {

namespace {
constexpr int kTabLooks = 6;   // the current tab, hovered and pressed tabs
constexpr std::size_t kPaneLooks = 2;  // the pane knows which tab is current
} // namespace

CachedTabBar::CachedTabBar(CachedTabWidget *tabs)
    : QTabBar(tabs), tabs_(tabs),
      look_(this, kTabLooks, [this] { return key(); }, [this] { return tabs_->paneUnderTabs(); })
{
}

std::optional<LookKey> CachedTabBar::key() const
{
    LookKey key = lookKeyOf(*this);
    int enabledTabs = 0;
    for (int i = 0; i < count(); ++i) {
        key.text += tabText(i) + QChar(0);
        enabledTabs |= isTabEnabled(i) ? 1 << (i % 31) : 0;
    }
    const qint64 pane = tabs_->paneUnderTabs().cacheKey();
    const int flags = static_cast<int>(shape()) | (drawBase() ? 1 << 8 : 0) | (documentMode() ? 1 << 9 : 0)
                      | (expanding() ? 1 << 10 : 0) | static_cast<int>(elideMode()) << 12;
    key.details = {currentIndex() | count() << 8 | (hovered_ + 1) << 16 | (pressed_ + 1) << 24,
                   enabledTabs,
                   flags,
                   count() > 0 ? tabRect(0).x() : 0,  // scrolled tabs
                   static_cast<int>(pane),
                   static_cast<int>(pane >> 32),
                   x(),
                   y()};
    return key;
}

void CachedTabBar::paintEvent(QPaintEvent *event)
{
    look_.paint(event, [&] { QTabBar::paintEvent(event); });
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
        look_.watch(event);
        break;
    }
    return QTabBar::event(event);
}

CachedTabWidget::CachedTabWidget(QWidget *parent)
    : QTabWidget(parent), tabs_(new CachedTabBar(this)), look_(this, static_cast<int>(kPaneLooks), [this] { return key(); }, LookCache::Ground::FlatOpaque)
{
    // As the tab widget sets up its own tabs: the pane draws the base line.
    tabs_->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    tabs_->setDrawBase(false);
    setTabBar(tabs_);
}

std::optional<LookKey> CachedTabWidget::key() const
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

void CachedTabWidget::paintEvent(QPaintEvent *event)
{
    look_.paint(event, [&] { QTabWidget::paintEvent(event); });
    // What the pane now holds under the tabs, painted before them.
    const QImage &pane = look_.shown();
    const QRect bar = tabs_->geometry();
    if (pane.isNull() || tabs_->parentWidget() != this || !look_.shownCovers(bar)) {
        underTabs_ = QImage();
        return;
    }
    const qreal ratio = pane.devicePixelRatio();
    QImage under = pane.copy(QRect(bar.topLeft() * ratio, bar.size() * ratio));
    under.setDevicePixelRatio(ratio);
    if (under == underTabs_)
        return;
    // The same pixels as under a former pane keep that picture, and so the
    // tabs' pictures over it.
    const auto known = std::find(seenUnderTabs_.begin(), seenUnderTabs_.end(), under);
    if (known != seenUnderTabs_.end()) {
        underTabs_ = *known;
        return;
    }
    underTabs_ = under;
    seenUnderTabs_.insert(seenUnderTabs_.begin(), under);
    if (seenUnderTabs_.size() > kPaneLooks)
        seenUnderTabs_.pop_back();
}

bool CachedTabWidget::event(QEvent *event)
{
    if (look_.watch(event)) {
        underTabs_ = QImage();
        seenUnderTabs_.clear();
    }
    return QTabWidget::event(event);
}
} // namespace brelo
