#pragma once

#include "language/language.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QAbstractButton;
class QMenu;
class QWidget;

namespace brelo {

// The design texts of a page, a menu or a dialog, kept with their French
// sources: each is set at once in the language in use, and again when the
// user picks another. Sources are literals marked for the translation tools in
// `context` (the class's, as tr() gives it). A child of the widget it serves,
// it hears the widget's change of language itself; it sets every text again,
// then says so for what the widget shows beside them (results, messages).
class DesignTexts : public QObject {
    Q_OBJECT

public:
    DesignTexts(const char *context, QWidget *parent);

    void keep(QLabel *label, const char *source);
    void keep(QAbstractButton *button, const char *source);
    void keep(QGroupBox *frame, const char *source);
    void keep(QMenu *menu, const char *source);
    void keep(QAction *action, const char *source, const char *statusTip = nullptr);
    void keepToolTip(QWidget *widget, const char *source);
    // Any other text: `set` writes it, now and at each change of language.
    void keep(std::function<void()> set);

    QString text(const char *source) const;  // the source in the language in use

signals:
    // Every design text is in the language now in use.
    void retranslated();

protected:
    bool event(QEvent *event) override;

private:
    const char *context_;
    Language language_;
    std::vector<std::function<void()>> setters_;
};

} // namespace brelo
