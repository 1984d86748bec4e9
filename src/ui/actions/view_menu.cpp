#include "ui/actions/view_menu.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QWidget>

namespace brelo {

namespace {

// Only the user's choices are stored, never a result.
const char *const kZenithUpKey = "disc/zenithUp";
const char *const kParaxialRaysKey = "layout/paraxialRays";

// A checkable item, off until the user turns it on: the choice is remembered
// in the user's settings and applied at once, at start-up too.
QAction *addRememberedChoice(QMenu &menu, const char *name, const char *text, const char *tip, const char *key,
                             const std::function<void(bool)> &apply)
{
    auto *action = new QAction(QString::fromUtf8(text), &menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setStatusTip(QString::fromUtf8(tip));
    menu.addAction(action);
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
    addRememberedChoice(menu, "menuparaxial", "Tracé paraxial des rayons",
                        "Dessine les rayons calculés, réfractés par chaque lentille, à la place du tracé schématique",
                        kParaxialRaysKey, choices.setParaxialRays);
    menu.addSeparator();
    QAction *zenithUp = addRememberedChoice(
        menu, "menuzenith", "Disque orienté zénith en haut",
        "Tourne le disque de l'angle Nord-Zenith, comme le montre une monture azimutale", kZenithUpKey, choices.setZenithUp);

    auto *period = new QAction(QString::fromUtf8("Éphémérides sur une période…"), &menu);
    period->setObjectName(QStringLiteral("menuperiode"));
    period->setStatusTip(QString::fromUtf8("Le tableau des éphémérides de l'observateur, d'un instant à un autre"));
    menu.addAction(period);
    QObject::connect(period, &QAction::triggered, &menu, choices.openPeriodTable);

    auto *day = new QAction(QString::fromUtf8("Journée du Soleil…"), &menu);
    day->setObjectName(QStringLiteral("menujournee"));
    day->setStatusTip(QString::fromUtf8("Lever, passage et coucher du Soleil à la date de la page, et la courbe de sa hauteur"));
    menu.addAction(day);
    QObject::connect(day, &QAction::triggered, &menu, choices.openSunDay);

    discPicture.setContextMenuPolicy(Qt::ActionsContextMenu);
    discPicture.addAction(zenithUp);
}

} // namespace brelo
