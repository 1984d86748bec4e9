#pragma once

#include "app/look_cache.h"

#include <QTabBar>
#include <QTabWidget>

#include <vector>

namespace brelo {

class CachedTabWidget;

// The tabs, copied from a picture per state and per pane under them. They
// stay transparent: the pane is copied under them first.
class CachedTabBar : public QTabBar {
public:
    explicit CachedTabBar(CachedTabWidget *tabs);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::optional<LookKey> key() const;

    const CachedTabWidget *tabs_;
    int hovered_ = -1;  // the tab under the mouse, as the hover events tell it
    int pressed_ = -1;  // the tab a held button went down on
    LookCache look_;
};

// A tab widget whose pane is copied from a picture per state, over the flat
// colour of the window: a page change repaints the whole pane, which the
// style would draw again through its frame primitives.
class CachedTabWidget : public QTabWidget {
public:
    explicit CachedTabWidget(QWidget *parent = nullptr);

    // The pane's pixels under the tabs, as last painted (null while unknown).
    const QImage &paneUnderTabs() const { return underTabs_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::optional<LookKey> key() const;

    CachedTabBar *tabs_;
    LookCache look_;
    QImage underTabs_;
    std::vector<QImage> seenUnderTabs_;
};

} // namespace brelo
