#pragma once

#include <QWidget>

namespace brelo {

// The About page. Its contents (the logo, and labels fitted to their boxes in
// fonts of their own, each a font match and a font file to load) are built
// when the page is first shown, or earlier when asked for: a session that
// never turns to this page never loads them.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    explicit AboutPage(QWidget *parent);

    bool isBuilt() const { return contents_ != nullptr; }
    // Builds the contents unless they are built already; true when this call built them.
    bool build();

signals:
    // Once, when the contents exist: `contents` holds every control of the page.
    void built(QWidget *contents);

protected:
    bool event(QEvent *event) override;

private:
    QWidget *contents_ = nullptr;
};

} // namespace brelo
