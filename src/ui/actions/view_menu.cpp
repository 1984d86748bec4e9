#include "ui/actions/view_menu.h"

#include "ui/actions/language_menu.h"
#include "ui/widgets/design_texts.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QWidget>

namespace brelo {

namespace {

// Only the user's choices are stored, never a result.
const char *const kZenithUpKey = "disc/zenithUp";
const char *const kParaxialRaysKey = "layout/paraxialRays";
const char *const kContext = "brelo::ViewMenu";

QAction *addAction(QMenu &menu, DesignTexts &texts, const char *name, const char *text, const char *tip)
{
    auto *action = new QAction(&menu);
    action->setObjectName(QString::fromLatin1(name));
    texts.keep(action, text, tip);
    menu.addAction(action);
    return action;
}

// A checkable item, off until the user turns it on: the choice is remembered
// in the user's settings and applied at once, at start-up too.
QAction *addRememberedChoice(QMenu &menu, DesignTexts &texts, const char *name, const char *text, const char *tip,
                             const char *key, const std::function<void(bool)> &apply)
{
    QAction *action = addAction(menu, texts, name, text, tip);
    action->setCheckable(true);
    action->setChecked(QSettings().value(QLatin1String(key), false).toBool());
    apply(action->isChecked());
    QObject::connect(action, &QAction::toggled, &menu, [key, apply](bool on) {
        QSettings().setValue(QLatin1String(key), on);
        apply(on);
    });
    return action;
}

} // namespace

void fillViewMenu(QMenu &menu, QWidget &discPicture, const ViewChoices &choices)
{
    auto *texts = new DesignTexts(kContext, &menu);
    addRememberedChoice(
        menu, *texts, "menuparaxial", QT_TRANSLATE_NOOP("brelo::ViewMenu", "Tracé paraxial des rayons"),
        QT_TRANSLATE_NOOP("brelo::ViewMenu",
                          "Dessine les rayons calculés, réfractés par chaque lentille, à la place du tracé schématique"),
        kParaxialRaysKey, choices.setParaxialRays);
    menu.addSeparator();
    QAction *zenithUp = addRememberedChoice(
        menu, *texts, "menuzenith", QT_TRANSLATE_NOOP("brelo::ViewMenu", "Disque orienté zénith en haut"),
        QT_TRANSLATE_NOOP("brelo::ViewMenu",
                          "Tourne le disque de l'angle Nord-Zenith, comme le montre une monture azimutale"),
        kZenithUpKey, choices.setZenithUp);

    QAction *period = addAction(
        menu, *texts, "menuperiode", QT_TRANSLATE_NOOP("brelo::ViewMenu", "Éphémérides sur une période…"),
        QT_TRANSLATE_NOOP("brelo::ViewMenu", "Le tableau des éphémérides de l'observateur, d'un instant à un autre"));
    QObject::connect(period, &QAction::triggered, &menu, choices.openPeriodTable);
    QAction *day = addAction(
        menu, *texts, "menujournee", QT_TRANSLATE_NOOP("brelo::ViewMenu", "Journée du Soleil…"),
        QT_TRANSLATE_NOOP("brelo::ViewMenu",
                          "Lever, passage et coucher du Soleil à la date de la page, et la courbe de sa hauteur"));
    QObject::connect(day, &QAction::triggered, &menu, choices.openSunDay);

    menu.addSeparator();
    addLanguageMenu(menu);

    discPicture.setContextMenuPolicy(Qt::ActionsContextMenu);
    discPicture.addAction(zenithUp);
}

} // namespace brelo
