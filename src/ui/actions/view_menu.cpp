#include "ui/actions/view_menu.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QWidget>

namespace brelo {

namespace {

// Only the user's choice is stored, never a result.
const char *const kZenithUpKey = "disc/zenithUp";

} // namespace

void fillViewMenu(QMenu &menu, QWidget &discPicture, const std::function<void(bool)> &setZenithUp,
                  const std::function<void()> &openPeriodTable, const std::function<void()> &openSunDay)
{
    auto *zenithUp = new QAction(QString::fromUtf8("Disque orienté zénith en haut"), &menu);
    zenithUp->setObjectName(QStringLiteral("menuzenith"));
    zenithUp->setCheckable(true);
    zenithUp->setStatusTip(
        QString::fromUtf8("Tourne le disque de l'angle Nord-Zenith, comme le montre une monture azimutale"));
    menu.addAction(zenithUp);

    auto *period = new QAction(QString::fromUtf8("Éphémérides sur une période…"), &menu);
    period->setObjectName(QStringLiteral("menuperiode"));
    period->setStatusTip(QString::fromUtf8("Le tableau des éphémérides de l'observateur, d'un instant à un autre"));
    menu.addAction(period);
    QObject::connect(period, &QAction::triggered, &menu, openPeriodTable);

    auto *day = new QAction(QString::fromUtf8("Journée du Soleil…"), &menu);
    day->setObjectName(QStringLiteral("menujournee"));
    day->setStatusTip(QString::fromUtf8("Lever, passage et coucher du Soleil à la date de la page, et la courbe de sa hauteur"));
    menu.addAction(day);
    QObject::connect(day, &QAction::triggered, &menu, openSunDay);

    discPicture.setContextMenuPolicy(Qt::ActionsContextMenu);
    discPicture.addAction(zenithUp);

    zenithUp->setChecked(QSettings().value(QLatin1String(kZenithUpKey), false).toBool());
    setZenithUp(zenithUp->isChecked());
    QObject::connect(zenithUp, &QAction::toggled, &menu, [setZenithUp](bool on) {
        QSettings().setValue(QLatin1String(kZenithUpKey), on);
        setZenithUp(on);
    });
}

} // namespace brelo
