#include "ui/actions/window_zoom.h"
#include "ui/window/designed_style.h"
#include "ui/window/form1.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

const char *const kHelp =
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
    "  FICHIER           fichier de paramètres à lire au démarrage (par défaut ./brelo.dat).\n";

const char *const kQtHelp =
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
    "  -qmljsdebugger=OPTIONS         débogueur QML.\n";

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

enum class Action { Run, Help, HelpAll, Version };

// What the command line asks, the files it names, and the arguments left to Qt.
struct CommandLine {
    Action action = Action::Run;
    QStringList files;
    std::vector<char *> qtArguments;  // the program's name and Qt's options
};

[[noreturn]] void refuse(const std::string &message)
{
    std::fprintf(stderr, "brelo : %s\n", message.c_str());
    std::exit(2);
}

// Our options are long ones (and -h, -v); Qt's keep one dash or take two, and
// go to QApplication alone, so that a file name is never read as one of them.
CommandLine readCommandLine(int argc, char **argv)
{
    CommandLine line;
    line.qtArguments.push_back(argv[0]);
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
            line.files << QString::fromLocal8Bit(argv[i]);
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
            refuse("l'option " + std::string(arg) + " attend une valeur.");
        else
            refuse("option inconnue « " + std::string(arg) + " » (brelo --help pour l'aide).");
    }
    line.qtArguments.push_back(nullptr);
    return line;
}

// The parameters file named on the command line, "" for ./brelo.dat. A name
// that is not a readable file stops here with exit code 2, as a command-line
// tool does.
QString parametersFileArgument(const QStringList &files)
{
    if (files.size() > 1)
        refuse("un seul fichier de paramètres à la fois.");
    if (files.isEmpty())
        return QString();
    const QFileInfo file(files.first());
    if (!file.isFile() || !file.isReadable())
        refuse("« " + files.first().toStdString() + " » n'est pas un fichier lisible.");
    return file.absoluteFilePath();
}

// --help and --version answer without a display, before the window system is opened.
void answerAndExit(Action action)
{
    if (action == Action::Version)
        std::printf("BRELO %s\n", BRELO_VERSION);
    else
        std::printf("%s%s", kHelp, action == Action::HelpAll ? kQtHelp : "");
    std::exit(std::fflush(stdout) == 0 ? 0 : 1);
}

// The program speaks French: Qt's own texts too (file and print dialogs, the
// buttons of a message box), when Qt's translations are installed.
void speakFrench(QCoreApplication &app)
{
    static QTranslator qtTexts;
    static const bool loaded = qtTexts.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        app.installTranslator(&qtTexts);
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
    if (line.action != Action::Run)
        answerAndExit(line.action);
    const QString parametersFile = parametersFileArgument(line.files);
    int qtArgc = static_cast<int>(line.qtArguments.size()) - 1;
    // Qt takes its own options (-style, -platform, ...) out of its arguments: look first.
    const std::vector<char *> qtGiven = line.qtArguments;
    QApplication app(qtArgc, line.qtArguments.data());
    brelo::useDesignedStyle(app, static_cast<int>(qtGiven.size()) - 1, qtGiven.data());
    nameApplication();
    speakFrench(app);
    brelo::Form1 window(&brelo::Form1::systemClock, nullptr, parametersFile);  // registers the resources
    QApplication::setWindowIcon(window.windowIcon());
    brelo::installWindowZoom(window, [&window] { window.redrawPictures(); }, brelo::startingZoom(window));
    window.show();
    return app.exec();
}
