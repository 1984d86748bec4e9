#include "ui/actions/view_menu.h"

#include "ui/window/form1.h"
#include "ui/actions/period_dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace brelo {

namespace {

// Only the user's choice is stored, never a result.
const char *const kZenithUpKey = "disc/zenithUp";

QAction *menuAfterFileMenu(QMenuBar *bar)
{
    // The action of the menu that follows "Fichier", or of "Quitter" when there is no "Fichier".
    const QList<QAction *> actions = bar->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (QString(actions[i]->text()).remove(QLatin1Char('&')) == QLatin1String("Fichier"))
            return i + 1 < actions.size() ? actions[i + 1] : nullptr;
    }
    for (QAction *action : actions) {
        if (action->menu() && action->menu()->objectName() == QLatin1String("quit1"))
            return action;
    }
    return nullptr;
}

} // namespace

void installViewMenu(Form1 &form)
{
    auto *menu = new QMenu(QStringLiteral("Affichage"), &form);
    menu->setObjectName(QStringLiteral("affichage1"));

    auto *zenithUp = new QAction(QString::fromUtf8("Disque orienté zénith en haut"), menu);
    zenithUp->setObjectName(QStringLiteral("menuzenith"));
    zenithUp->setCheckable(true);
    zenithUp->setStatusTip(
        QString::fromUtf8("Tourne le disque de l'angle Nord-Zenith, comme le montre une monture azimutale"));
    menu->addAction(zenithUp);

    auto *period = new QAction(QString::fromUtf8("Éphémérides sur une période…"), menu);
    period->setObjectName(QStringLiteral("menuperiode"));
    period->setStatusTip(QString::fromUtf8("Le tableau des éphémérides de l'observateur, d'un instant à un autre"));
    menu->addAction(period);
    QObject::connect(period, &QAction::triggered, &form, [&form] { openPeriodDialog(form); });
    if (auto *button = qobject_cast<QAbstractButton *>(form.control(QStringLiteral("cmdperiode"))))
        QObject::connect(button, &QAbstractButton::clicked, &form, [&form] { openPeriodDialog(form); });

    QMenuBar *bar = form.menuBar();
    bar->insertMenu(menuAfterFileMenu(bar), menu);

    if (QWidget *picture = form.control(QStringLiteral("Picture3"))) {
        picture->setContextMenuPolicy(Qt::ActionsContextMenu);
        picture->addAction(zenithUp);
    }

    zenithUp->setChecked(QSettings().value(QLatin1String(kZenithUpKey), false).toBool());
    form.setDiscZenithUp(zenithUp->isChecked());
    QObject::connect(zenithUp, &QAction::toggled, &form, [&form](bool on) {
        QSettings().setValue(QLatin1String(kZenithUpKey), on);
        form.setDiscZenithUp(on);
    });
}

} // namespace brelo
