#pragma once

#include "ui/widgets/look_cache.h"

#include <QPaintEvent>

#include <optional>
#include <utility>

namespace brelo {

// A control of kind `Base` that copies its look from a picture per state
// (`LookCache`): a page change or a click near it would otherwise repaint it
// through the style each time. The control says what its look depends on.
template <class Base>
class CachedLook : public Base {
public:
    template <class... Args>
    CachedLook(int looks, LookCache::Ground ground, Args &&...args)
        : Base(std::forward<Args>(args)...), look_(this, looks, [this] { return lookKey(); }, ground)
    {
    }

protected:
    // The look's key now, or nothing while the control paints itself each time.
    virtual std::optional<LookKey> lookKey() const = 0;
    // The paint where no picture holds the look.
    virtual void paintItself(QPaintEvent *event) { Base::paintEvent(event); }

    // Where the paint under way goes.
    PaintTarget paintTarget() const
    {
        PaintTarget target;
        target.device = this->redirected(&target.offset);
        target.sharedPainter = this->sharedPainter() != nullptr;
        return target;
    }

    void paintEvent(QPaintEvent *event) override
    {
        look_.paint(event, [&] { paintItself(event); }, paintTarget());
    }
    bool event(QEvent *event) override
    {
        look_.watch(event);
        return Base::event(event);
    }

private:
    LookCache look_;
};

} // namespace brelo
