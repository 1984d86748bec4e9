#include "ui/actions/window_zoom.h"
#include "ui/window/designed_style.h"
#include "ui/window/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The parameters file named on the command line, "" for ./brelo.dat. A name
// that is not a readable file stops here with exit code 2, as a command-line
// tool does.
QString parametersFileArgument(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "brelo : un seul fichier de paramètres à la fois.\n");
        std::exit(2);
    }
    if (files.isEmpty())
        return QString();
    const QFileInfo file(files.first());
    if (!file.isFile() || !file.isReadable()) {
        std::fprintf(stderr, "brelo : « %s » n'est pas un fichier lisible.\n", qPrintable(files.first()));
        std::exit(2);
    }
    return file.absoluteFilePath();
}

// The program speaks French: Qt's own texts too (file and print dialogs, the
// buttons of a message box, --help), when Qt's translations are installed.
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

// --help and --version answer without a display: the command line is read
// before the window system is opened.
QString readCommandLine(int argc, char **argv)
{
    QCoreApplication core(argc, argv);
    nameApplication();
    speakFrench(core);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(
        "BRELO : calcul de l'optique d'un coronographe de Lyot et éphémérides solaires."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FICHIER"),
                                 QString::fromUtf8("Fichier de paramètres à lire au démarrage (par défaut ./brelo.dat)."),
                                 QStringLiteral("[FICHIER]"));
    parser.process(core);
    return parametersFileArgument(parser);
}

} // namespace

int main(int argc, char **argv)
{
    const QString parametersFile = readCommandLine(argc, argv);
    // Qt takes its own options (-style, -platform, ...) out of argv: look first.
    const int givenArgc = argc;
    std::vector<char *> givenArgv(argv, argv + argc);
    QApplication app(argc, argv);
    brelo::useDesignedStyle(app, givenArgc, givenArgv.data());
    nameApplication();
    speakFrench(app);
    brelo::Form1 window(&brelo::Form1::systemClock, nullptr, parametersFile);  // registers the resources
    QApplication::setWindowIcon(window.windowIcon());
    brelo::installWindowZoom(window, [&window] { window.redrawPictures(); }, brelo::startingZoom(window));
    window.show();
    return app.exec();
}
