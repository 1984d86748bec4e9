#include "ui/widgets/design_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace brelo {

DesignTexts::DesignTexts(const char *context, QWidget *parent)
    : QObject(parent), context_(context), language_(currentLanguage())
{
}

QString DesignTexts::text(const char *source) const { return QCoreApplication::translate(context_, source); }

void DesignTexts::keep(std::function<void()> set)
{
    set();
    setters_.push_back(std::move(set));
}

void DesignTexts::keep(QLabel *label, const char *source)
{
    keep([this, label, source] { label->setText(text(source)); });
}

void DesignTexts::keep(QAbstractButton *button, const char *source)
{
    keep([this, button, source] { button->setText(text(source)); });
}

void DesignTexts::keep(QGroupBox *frame, const char *source)
{
    keep([this, frame, source] { frame->setTitle(text(source)); });
}

void DesignTexts::keep(QMenu *menu, const char *source)
{
    keep([this, menu, source] { menu->setTitle(text(source)); });
}

void DesignTexts::keep(QAction *action, const char *source, const char *statusTip)
{
    keep([this, action, source, statusTip] {
        action->setText(text(source));
        if (statusTip)
            action->setStatusTip(text(statusTip));
    });
}

void DesignTexts::keepToolTip(QWidget *widget, const char *source)
{
    keep([this, widget, source] { widget->setToolTip(text(source)); });
}

// A change of language reaches the widget once per translation installed or
// removed: the texts are set again only when the language has changed.
bool DesignTexts::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && language_ != currentLanguage()) {
        language_ = currentLanguage();
        for (const std::function<void()> &set : setters_)
            set();
        emit retranslated();
    }
    return QObject::event(event);
}

} // namespace brelo
