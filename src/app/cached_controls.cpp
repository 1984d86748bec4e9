#include "app/cached_controls.h"

#include <QPaintEvent>

namespace brelo {

CachedLineEdit::CachedLineEdit(const QString &text, QWidget *parent)
    : QLineEdit(text, parent), look_(this, 2, [this] { return key(); }, LookCache::Ground::Transparent)
{
}

std::optional<LookKey> CachedLineEdit::key() const
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

void CachedLineEdit::paintEvent(QPaintEvent *event)
{
    look_.paint(event, [&] { QLineEdit::paintEvent(event); });
}

bool CachedLineEdit::event(QEvent *event)
{
    look_.watch(event);
    return QLineEdit::event(event);
}

CachedSeparator::CachedSeparator(QWidget *parent) : QFrame(parent), look_(this, 1, [this] { return key(); }, LookCache::Ground::Transparent) {}

std::optional<LookKey> CachedSeparator::key() const
{
    LookKey key = lookKeyOf(*this);
    const QRect frame = frameRect();
    key.details = {frameStyle(), lineWidth(), midLineWidth(), frame.x() | frame.y() << 16,
                   frame.width() | frame.height() << 16};
    return key;
}

void CachedSeparator::paintEvent(QPaintEvent *event)
{
    look_.paint(event, [&] { QFrame::paintEvent(event); });
}

bool CachedSeparator::event(QEvent *event)
{
    look_.watch(event);
    return QFrame::event(event);
}

} // namespace brelo
