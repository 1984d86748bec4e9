#pragma once

#include <QFont>
#include <QWidget>

namespace brelo {

// The About page. Its contents (the logo, and labels fitted to their boxes in
// fonts of their own, each a font match and a font file to load) are built
// when the page is first shown, or earlier when asked for: a session that
// never turns to this page never loads them. They are built at design size,
// like every other control, even in a zoomed window, which scales them then.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    explicit AboutPage(QWidget *parent);

    // Builds the contents unless they are built already; true when this call built them.
    bool build();

signals:
    // Once, when the contents exist: `contents` holds every control of the page.
    void built(QWidget *contents);

protected:
    bool event(QEvent *event) override;

private:
    QFont designFont_;  // the window's, before any zoom scaled it
    QWidget *contents_ = nullptr;
};

} // namespace brelo
