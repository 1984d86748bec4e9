#include "app/file_menu.h"

#include "app/export/atomic_file.h"
#include "app/file_dialogs.h"
#include "app/form1.h"
#include "shell/params_loader.h"
#include "shell/params_writer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace brelo {

namespace {

const QStringList kParamsFilters = {QStringLiteral("Paramètres BRELO (*.dat)"), QStringLiteral("Tous les fichiers (*)")};

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

QAction *addAction(QMenu *menu, const char *name, const QString &text, const QString &tip)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(tip);
    return action;
}

} // namespace

FileMenu::FileMenu(Form1 &form) : QObject(&form), form_(form), parametersPath_(form.parametersFile())
{
    setObjectName(QStringLiteral("fileMenu"));
}

QString FileMenu::parametersPath() const
{
    return parametersPath_.isEmpty() ? QDir::current().filePath(QStringLiteral("brelo.dat")) : parametersPath_;
}

void FileMenu::openParameters()
{
    const auto answer = fileDialogs().chooseFile(
        &form_, {FileQuestion::Kind::Open, QStringLiteral("Ouvrir des paramètres"), parametersPath(), kParamsFilters});
    if (!answer)
        return;
    const ParamsLoad load = loadParamsFileAt(answer->path, form_.decimalSeparator());
    if (!load.fields) {
        fileDialogs().tell(&form_, load.message, true);
        return;
    }
    // As at start-up: the boxes change, nothing is computed until the next event.
    form_.setParameterTexts(*load.fields);
    parametersPath_ = QFileInfo(answer->path).absoluteFilePath();
    QString told = QStringLiteral("Paramètres lus dans « %1 ».").arg(shownPath(parametersPath_));
    if (!load.message.isEmpty())
        told += QLatin1Char(' ') + load.message;
    fileDialogs().tell(&form_, told, false);
}

bool FileMenu::writeParameters(const QString &path)
{
    const Outcome<std::string> text = paramsFileText(form_.parameterTexts(), form_.decimalSeparator());
    if (!text.ok()) {
        fileDialogs().tell(&form_, QString::fromStdString(text.error()), true);
        return false;
    }
    const QString error = writeFileAtomically(path, QByteArray::fromStdString(text.value()));
    if (!error.isEmpty()) {
        fileDialogs().tell(&form_, error, true);
        return false;
    }
    fileDialogs().tell(&form_, QStringLiteral("Paramètres enregistrés dans « %1 ».").arg(shownPath(path)), false);
    return true;
}

void FileMenu::saveParameters() { writeParameters(parametersPath()); }

void FileMenu::saveParametersAs()
{
    const auto answer = fileDialogs().chooseFile(
        &form_, {FileQuestion::Kind::Save, QStringLiteral("Enregistrer les paramètres sous"), parametersPath(), kParamsFilters});
    if (!answer)
        return;
    const QString path = QFileInfo(answer->path).absoluteFilePath();
    if (writeParameters(path))
        parametersPath_ = path;
}

FileMenu *installFileMenu(Form1 &form)
{
    auto *files = new FileMenu(form);
    QMenuBar *bar = form.menuBar();
    auto *menu = new QMenu(QStringLiteral("&Fichier"), bar);
    menu->setObjectName(QStringLiteral("menufichier"));
    QAction *quit = bar->actions().value(0);
    bar->insertMenu(quit, menu);

    struct Entry {
        const char *name;
        const char *text;
        QKeySequence::StandardKey keys;
        const char *fallbackKeys;  // where the platform has no standard binding
        const char *tip;
        void (FileMenu::*slot)();
    };
    const Entry entries[] = {
        {"menuouvrir", "&Ouvrir des paramètres…", QKeySequence::Open, "Ctrl+O",
         "Lit un fichier de paramètres et remplit les treize champs", &FileMenu::openParameters},
        {"menuenregistrer", "&Enregistrer les paramètres", QKeySequence::Save, "Ctrl+S",
         "Écrit les treize champs dans le fichier de paramètres", &FileMenu::saveParameters},
        {"menuenregistrersous", "Enregistrer &sous…", QKeySequence::SaveAs, "Ctrl+Shift+S",
         "Écrit les treize champs dans un autre fichier", &FileMenu::saveParametersAs},
    };
    for (const Entry &entry : entries) {
        QAction *action = addAction(menu, entry.name, QString::fromUtf8(entry.text), QString::fromUtf8(entry.tip));
        action->setShortcuts(entry.keys);
        if (action->shortcuts().isEmpty())
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.fallbackKeys)));
        QObject::connect(action, &QAction::triggered, files, entry.slot);
    }
    return files;
}

} // namespace brelo
