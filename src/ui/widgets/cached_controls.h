#pragma once

#include "ui/widgets/cached_look.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include <type_traits>

namespace brelo {

// A text field that copies its look from a picture while it has no focus:
// a page change repaints every field through the style, and their looks only
// change with their text or state. A focused field (cursor, selection) paints
// itself.
class CachedLineEdit : public CachedLook<QLineEdit> {
public:
    explicit CachedLineEdit(const QString &text, QWidget *parent = nullptr);

protected:
    std::optional<LookKey> lookKey() const override;
};

// A separator line that copies its look from a picture per state.
class CachedSeparator : public CachedLook<QFrame> {
public:
    explicit CachedSeparator(QWidget *parent = nullptr);

protected:
    std::optional<LookKey> lookKey() const override;
};

// A push button or check box that copies its look from a picture per state
// (caption, pressed, checked, default, focus, hover).
template <class Button>
class CachedButton : public CachedLook<Button> {
public:
    CachedButton(const QString &caption, QWidget *parent)
        : CachedLook<Button>(3, LookCache::Ground::Transparent, caption, parent)
    {
    }

protected:
    std::optional<LookKey> lookKey() const override
    {
        LookKey key = lookKeyOf(*this);
        key.text = this->text();
        const QSize icon = this->iconSize();
        key.details = {this->isDown() ? 1 : 0, this->isChecked() ? 1 : 0, this->icon().isNull() ? 0 : 1,
                       icon.width() | icon.height() << 16};
        if constexpr (std::is_base_of_v<QPushButton, Button>)
            key.details[4] = (this->isDefault() ? 1 : 0) | (this->autoDefault() ? 2 : 0) | (this->isFlat() ? 4 : 0)
                             | (this->menu() ? 8 : 0);
        else
            key.details[4] = static_cast<int>(this->checkState()) | (this->isTristate() ? 4 : 0);
        return key;
    }
};

using CachedPushButton = CachedButton<QPushButton>;
using CachedCheckBox = CachedButton<QCheckBox>;

} // namespace brelo
