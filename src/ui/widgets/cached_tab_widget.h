#pragma once

#include "ui/widgets/cached_look.h"

#include <QTabBar>
#include <QTabWidget>

namespace brelo {

// The tabs, copied from a picture per state over the pane under them.
class CachedTabBar : public CachedLook<QTabBar> {
public:
    explicit CachedTabBar(QWidget *parent = nullptr);

protected:
    std::optional<LookKey> lookKey() const override;
    bool event(QEvent *event) override;

private:
    int hovered_ = -1;  // the tab under the mouse, as the hover events tell it
    int pressed_ = -1;  // the tab a held button went down on
};

// A tab widget whose pane is copied from a picture per state, over the flat
// colour of the window: a page change repaints the whole pane, which the
// style would draw again through its frame primitives.
class CachedTabWidget : public CachedLook<QTabWidget> {
public:
    explicit CachedTabWidget(QWidget *parent = nullptr);

protected:
    std::optional<LookKey> lookKey() const override;
    void paintItself(QPaintEvent *event) override;
};

} // namespace brelo
