#include "language/language.h"
#include "ui/actions/window_zoom.h"
#include "ui/window/designed_style.h"
#include "ui/window/form1.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

const char *const kHelp = QT_TRANSLATE_NOOP(
    "main",
    "Usage : brelo [options] [FICHIER]\n"
    "\n"
    "BRELO : calcul de l'optique d'un coronographe de Lyot et éphémérides solaires.\n"
    "\n"
    "Options :\n"
    "  -h, --help        affiche cette aide.\n"
    "  --help-all        affiche cette aide et les options de Qt que BRELO accepte.\n"
    "  -v, --version     affiche la version du programme.\n"
    "\n"
    "Arguments :\n"
    "  FICHIER           fichier de paramètres à lire au démarrage (par défaut ./brelo.dat).\n");

const char *const kQtHelp = QT_TRANSLATE_NOOP(
    "main",
    "\n"
    "Options de Qt (avec un tiret ou deux, la valeur après un blanc ou, pour -style et\n"
    "-stylesheet, après « = ») :\n"
    "  -style NOM                     style des contrôles (fusion, windows).\n"
    "  -stylesheet FICHIER            feuille de style Qt à appliquer.\n"
    "  -platform NOM[:OPTIONS]        module d'affichage (xcb, wayland, offscreen).\n"
    "  -platformpluginpath DOSSIER    dossier des modules d'affichage.\n"
    "  -platformtheme NOM             thème de la plateforme.\n"
    "  -plugin NOM                    module d'entrée supplémentaire.\n"
    "  -qwindowgeometry GÉOMÉTRIE     taille et place de la fenêtre (800x600+10+10) ;\n"
    "                                 -geometry sous X11.\n"
    "  -qwindowtitle TITRE            titre de la fenêtre ; -title sous X11.\n"
    "  -qwindowicon FICHIER           icône de la fenêtre ; -icon sous X11.\n"
    "  -reverse                       disposition de droite à gauche.\n"
    "  -session NOM                   session du gestionnaire de sessions à reprendre.\n"
    "  -display ÉCRAN                 écran X11 à utiliser.\n"
    "  -name NOM                      nom de l'application sous X11.\n"
    "  -widgetcount                   compte les contrôles restés à la fin.\n"
    "  -testability                   charge le module de test de Qt.\n"
    "  -qmljsdebugger=OPTIONS         débogueur QML.\n");

// Qt's own options, which QApplication takes from the command line.
const char *const kQtValueOptions[] = {"style", "stylesheet", "platform", "platformpluginpath", "platformtheme",
                                       "plugin", "qwindowgeometry", "geometry", "qwindowtitle", "title",
                                       "qwindowicon", "icon", "session", "display", "name"};
const char *const kQtSwitches[] = {"reverse", "widgetcount", "testability"};

bool named(std::string_view name, const auto &list)
{
    for (const char *option : list)
        if (name == option)
            return true;
    return false;
}

enum class Action { Run, Help, HelpAll, Version, Refuse };

// What the command line asks, the files it names, and the arguments left to Qt.
struct CommandLine {
    Action action = Action::Run;
    QStringList files;
    std::vector<char *> qtArguments;  // the program's name and Qt's options
    const char *refusal = nullptr;    // why it is refused: %1 the argument
    QString refused;
};

void refuse(CommandLine &line, const char *why, const QString &argument = {})
{
    line.action = Action::Refuse;
    line.refusal = why;
    line.refused = argument;
}

// Our options are long ones (and -h, -v); Qt's keep one dash or take two, and
// go to QApplication alone, so that a file name is never read as one of them.
CommandLine readCommandLine(int argc, char **argv)
{
    CommandLine line;
    line.qtArguments.push_back(argv[0]);
    bool optionsEnd = false;
    for (int i = 1; i < argc && line.action != Action::Refuse; ++i) {
        const std::string_view arg = argv[i];
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
            line.files << argument;
            continue;
        }
        const std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const std::string_view bare = name.substr(0, name.find('='));
        if (arg == "--")
            optionsEnd = true;
        else if (arg == "-h" || arg == "--help")
            line.action = Action::Help;
        else if (arg == "--help-all")
            line.action = Action::HelpAll;
        else if (arg == "-v" || arg == "--version")
            line.action = line.action == Action::Run ? Action::Version : line.action;
        else if (named(name, kQtSwitches) || bare == "qmljsdebugger"
                 || (named(bare, kQtValueOptions) && bare != name))
            line.qtArguments.push_back(argv[i]);
        else if (named(name, kQtValueOptions) && i + 1 < argc)
            line.qtArguments.insert(line.qtArguments.end(), {argv[i], argv[++i]});
        else if (named(name, kQtValueOptions))
            refuse(line, QT_TRANSLATE_NOOP("main", "l'option %1 attend une valeur."), argument);
        else
            refuse(line, QT_TRANSLATE_NOOP("main", "option inconnue « %1 » (brelo --help pour l'aide)."), argument);
    }
    line.qtArguments.push_back(nullptr);
    return line;
}

// The parameters file named on the command line, "" for ./brelo.dat. A name
// that is not a readable file is refused, with exit code 2, as a command-line
// tool does.
QString parametersFileArgument(CommandLine &line)
{
    if (line.action != Action::Run || line.files.isEmpty())
        return QString();
    if (line.files.size() > 1) {
        refuse(line, QT_TRANSLATE_NOOP("main", "un seul fichier de paramètres à la fois."));
        return QString();
    }
    const QFileInfo file(line.files.first());
    if (!file.isFile() || !file.isReadable())
        refuse(line, QT_TRANSLATE_NOOP("main", "« %1 » n'est pas un fichier lisible."), line.files.first());
    return file.absoluteFilePath();
}

// --help, --version and a refused command line answer without a display, in
// the desktop's language, before the window system is opened.
[[noreturn]] void answerAndExit(int argc, char **argv, const CommandLine &line)
{
    QCoreApplication app(argc, argv);
    brelo::useLanguage(brelo::desktopLanguage());
    const auto text = [](const char *source) { return QCoreApplication::translate("main", source).toStdString(); };
    if (line.action == Action::Refuse) {
        const std::string why = QCoreApplication::translate("main", line.refusal).arg(line.refused).toStdString();
        std::fprintf(stderr, "%s\n", QCoreApplication::translate("main", "brelo : %1").arg(QString::fromStdString(why))
                                          .toStdString().c_str());
        std::exit(2);
    }
    if (line.action == Action::Version)
        std::printf("BRELO %s\n", BRELO_VERSION);
    else
        std::printf("%s%s", text(kHelp).c_str(), line.action == Action::HelpAll ? text(kQtHelp).c_str() : "");
    std::exit(std::fflush(stdout) == 0 ? 0 : 1);
}

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("BRELO"));
    QCoreApplication::setApplicationName(QStringLiteral("BRELO"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRELO_VERSION));
}

} // namespace

int main(int argc, char **argv)
{
    CommandLine line = readCommandLine(argc, argv);
    const QString parametersFile = parametersFileArgument(line);
    if (line.action != Action::Run)
        answerAndExit(argc, argv, line);
    int qtArgc = static_cast<int>(line.qtArguments.size()) - 1;
    // Qt takes its own options (-style, -platform, ...) out of its arguments: look first.
    const std::vector<char *> qtGiven = line.qtArguments;
    QApplication app(qtArgc, line.qtArguments.data());
    brelo::useDesignedStyle(app, static_cast<int>(qtGiven.size()) - 1, qtGiven.data());
    nameApplication();
    // The language chosen in the window, or the desktop's; Qt's own texts follow it.
    brelo::useLanguage(brelo::languageOf(brelo::savedLanguageChoice()));
    brelo::Form1 window(&brelo::Form1::systemClock, nullptr, parametersFile);  // registers the resources
    QApplication::setWindowIcon(window.windowIcon());
    brelo::installWindowZoom(window, [&window] { window.redrawPictures(); }, brelo::startingZoom(window));
    window.show();
    return app.exec();
}
