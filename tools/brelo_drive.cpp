// brelo-drive: runs a scenario against the real window on the offscreen
// platform and prints what the window shows, for the scenario tests.
//
//   brelo-drive [--clock YYYY-MM-DDTHH:MM] [--cwd DIR] [--locale NAME] [--zoom PERCENT] < script
//
// The window speaks the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), as the
// program does when its settings hold no choice; --locale sets the numbers' format only.
//
// Commands, one a line ('#' starts a comment line):
//   type NAME [TEXT]   replace a text box's text by typing TEXT (none: empty it)
//   click NAME         mouse click on a button or check box
//   up NAME, down NAME one click on a spin button's arrow
//   key NAME KEY       KEY is Enter, KeypadEnter, Up, Down, Alt+Left or Alt+Right,
//                      pressed in that control
//   tab N              click the tab of page N (0-4)
//   snap NAME FILE     save a picture area's image (any other control: a grab) as PNG
//   menu ACTION        trigger a menu item by its object name (menuenregistrer, …)
//   answer [filter=N] PATH  the next file or print dialog answers PATH (filter N, default 0)
//   dump               print one JSON line: every control (a list's first shown and
//                      current rows, a spin button's step, a label's font stretch...),
//                      the window state (stale results included), the status line
// Every action goes through real Qt events. A bad command, an unknown control or
// a control the user could not reach stops the run with exit code 2.

#include "scenario.h"

#include "language/language.h"
#include "ui/window/designed_style.h"
#include "ui/window/form1.h"
#include "ui/actions/window_zoom.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using brelo::Form1;

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "brelo-drive: %s\n", qPrintable(message));
    std::exit(2);
}

struct Options {
    std::optional<QDateTime> clock;
    QString cwd;
    QString locale;
    int zoom = 100;
};

Options parseOptions(const QStringList &args)
{
    Options options;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (i + 1 >= args.size())
            fail(QStringLiteral("%1 needs a value").arg(arg));
        const QString value = args[++i];
        if (arg == QLatin1String("--clock")) {
            QDateTime clock = QDateTime::fromString(value, QStringLiteral("yyyy-MM-ddTHH:mm"));
            if (!clock.isValid())
                fail(QStringLiteral("--clock wants YYYY-MM-DDTHH:MM, not %1").arg(value));
            options.clock = QDateTime(clock.date(), clock.time(), Qt::UTC);
        } else if (arg == QLatin1String("--cwd")) {
            options.cwd = value;
        } else if (arg == QLatin1String("--locale")) {
            options.locale = value;
        } else if (arg == QLatin1String("--zoom")) {
            options.zoom = value.toInt();
        } else {
            fail(QStringLiteral("unknown option %1").arg(arg));
        }
    }
    return options;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int givenArgc = argc;
    std::vector<char *> givenArgv(argv, argv + argc);
    QApplication app(argc, argv);
    brelo::useDesignedStyle(app, givenArgc, givenArgv.data());  // as the program does
    // The user's own settings never reach a scenario: every run starts from the defaults.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // As the program: the desktop's language, the settings holding no choice.
    brelo::useLanguage(brelo::languageOf(brelo::savedLanguageChoice()));
    const Options options = parseOptions(QApplication::arguments());
    if (!options.cwd.isEmpty() && !QDir::setCurrent(options.cwd))
        fail(QStringLiteral("cannot work in %1").arg(options.cwd));
    if (!options.locale.isEmpty())
        QLocale::setDefault(QLocale(options.locale));

    Form1::Clock clock = &Form1::systemClock;
    if (options.clock)
        clock = [fixed = *options.clock] { return fixed; };
    brelo::scenario::answerDialogsFromScript();
    Form1 form(clock);
    if (options.zoom != 100)
        brelo::installWindowZoom(form, [&form] { form.redrawPictures(); }, options.zoom);
    form.show();
    form.activateWindow();
    (void)QTest::qWaitForWindowExposed(&form);
    QApplication::processEvents();

    QTextStream in(stdin);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    QString line;
    while (in.readLineInto(&line)) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        try {
            brelo::scenario::run(form, line);
        } catch (const brelo::scenario::ScriptError &error) {
            fail(QStringLiteral("line %1: %2").arg(lineNumber).arg(error.message()));
        }
    }
    return 0;
}
