#include "ui/widgets/cached_controls.h"

#include <QPaintEvent>

namespace brelo {

CachedLineEdit::CachedLineEdit(const QString &text, QWidget *parent)
    : CachedLook<QLineEdit>(2, LookCache::Ground::Transparent, text, parent)
{
}

std::optional<LookKey> CachedLineEdit::lookKey() const
{
    if (hasFocus())
        return std::nullopt;
    LookKey key = lookKeyOf(*this);
    // What the field shows: its text or, empty, its placeholder, scrolled to
    // keep the cursor in view.
    key.text = displayText() + QChar(0) + placeholderText();
    const QMargins margins = textMargins();
    key.details = {cursorPosition(),
                   static_cast<int>(alignment()) | (isReadOnly() ? 1 << 16 : 0) | (hasFrame() ? 1 << 17 : 0),
                   selectionStart(),
                   static_cast<int>(selectedText().size()),
                   margins.left() | margins.right() << 8 | margins.top() << 16 | margins.bottom() << 24,
                   static_cast<int>(echoMode())};
    return key;
}

CachedSeparator::CachedSeparator(QWidget *parent) : CachedLook<QFrame>(1, LookCache::Ground::Transparent, parent) {}

std::optional<LookKey> CachedSeparator::lookKey() const
{
    LookKey key = lookKeyOf(*this);
    const QRect frame = frameRect();
    key.details = {frameStyle(), lineWidth(), midLineWidth(), frame.x() | frame.y() << 16,
                   frame.width() | frame.height() << 16};
    return key;
}

} // namespace brelo
