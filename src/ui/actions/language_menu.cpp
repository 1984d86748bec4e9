#include "ui/actions/language_menu.h"

#include "language/language.h"
#include "ui/widgets/design_texts.h"

#include <QActionGroup>
#include <QMenu>

namespace brelo {

void addLanguageMenu(QMenu &menu)
{
    QMenu *languages = menu.addMenu(QString());
    languages->setObjectName(QStringLiteral("menulangue"));
    languages->setAttribute(Qt::WA_WindowPropagation);  // the menu's font, at the window's zoom
    auto *texts = new DesignTexts("brelo::LanguageMenu", languages);
    texts->keep(languages, QT_TRANSLATE_NOOP("brelo::LanguageMenu", "Langue"));
    auto *group = new QActionGroup(languages);
    // Each language is named in its own words, whatever the one in use.
    const struct {
        const char *name;
        LanguageChoice choice;
        const char *text;
        bool translated;
    } items[] = {
        {"menulanguefr", LanguageChoice::French, "Français", false},
        {"menulangueen", LanguageChoice::English, "English", false},
        {"menulangueauto", LanguageChoice::Automatic, QT_TRANSLATE_NOOP("brelo::LanguageMenu", "Automatique"), true},
    };
    for (const auto &item : items) {
        QAction *action = languages->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(true);
        action->setChecked(savedLanguageChoice() == item.choice);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, languages, [choice = item.choice] {
            saveLanguageChoice(choice);
            useLanguage(languageOf(choice));
        });
        if (item.translated)
            texts->keep(action, item.text,
                        QT_TRANSLATE_NOOP("brelo::LanguageMenu",
                                          "La langue du bureau : anglais s'il le demande avant le français, sinon "
                                          "français"));
    }
}

} // namespace brelo
