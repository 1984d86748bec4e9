#pragma once

#include "app/look_cache.h"

#include <QFrame>
#include <QLineEdit>

namespace brelo {

// A text field that copies its look from a picture while it has no focus:
// a page change repaints every field through the style, and their looks only
// change with their text or state. A focused field (cursor, selection) paints
// itself.
class CachedLineEdit : public QLineEdit {
public:
    explicit CachedLineEdit(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::optional<LookKey> key() const;

    LookCache look_;
};

// A separator line that copies its look from a picture.
class CachedSeparator : public QFrame {
public:
    explicit CachedSeparator(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::optional<LookKey> key() const;

    LookCache look_;
};

} // namespace brelo
