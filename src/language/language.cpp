#include "language/language.h"

#include "core/common/translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace brelo {

namespace {

const QString kChoiceKey = QStringLiteral("interface/langue");
Language gLanguage = Language::French;

// The locale messages are written in: the first set of LC_ALL, LC_MESSAGES, LANG.
bool cMessagesLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value == "C" || value.startsWith("C.") || value == "POSIX";
    }
    return true;
}

std::string coreTranslation(const char *context, const char *sourceText)
{
    return QCoreApplication::translate(context, sourceText).toStdString();
}

// The program's translation and Qt's, kept for the whole session.
struct Translators {
    QTranslator program;
    QTranslator qt;
};
Translators &translators()
{
    static Translators loaded;
    return loaded;
}

} // namespace

Language languageFor(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en"))
            return Language::English;
        if (code == QLatin1String("fr"))
            return Language::French;
    }
    return Language::French;
}

Language desktopLanguage()
{
    return cMessagesLocale() ? Language::French : languageFor(QLocale::system().uiLanguages());
}

Language languageOf(LanguageChoice choice)
{
    switch (choice) {
    case LanguageChoice::French:
        return Language::French;
    case LanguageChoice::English:
        return Language::English;
    case LanguageChoice::Automatic:
        break;
    }
    return desktopLanguage();
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("fr");
}

QString translationsDirectory()
{
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" BRELO_TRANSLATIONS_FROM_BIN));
    return QFileInfo(installed).isDir() ? installed : QStringLiteral(BRELO_BUILD_TRANSLATIONS);
}

bool useLanguage(Language language)
{
    Translators &t = translators();
    QCoreApplication::removeTranslator(&t.program);
    QCoreApplication::removeTranslator(&t.qt);
    // French is the source: only English needs the program's translation.
    const bool found =
        language == Language::French || t.program.load(QStringLiteral("brelo_en"), translationsDirectory());
    gLanguage = found ? language : Language::French;
    const bool english = gLanguage == Language::English;
    if (english)
        QCoreApplication::installTranslator(&t.program);
    if (t.qt.load(QLocale(english ? QLocale::English : QLocale::French), QStringLiteral("qtbase"),
                  QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&t.qt);
    setTextTranslator(&coreTranslation);
    return found;
}

Language currentLanguage() { return gLanguage; }

LanguageChoice savedLanguageChoice()
{
    const QString saved = QSettings().value(kChoiceKey).toString();
    if (saved == QLatin1String("fr"))
        return LanguageChoice::French;
    if (saved == QLatin1String("en"))
        return LanguageChoice::English;
    return LanguageChoice::Automatic;
}

void saveLanguageChoice(LanguageChoice choice)
{
    const QString value = choice == LanguageChoice::Automatic ? QStringLiteral("auto")
                          : choice == LanguageChoice::English ? QStringLiteral("en")
                                                              : QStringLiteral("fr");
    QSettings().setValue(kChoiceKey, value);
}

} // namespace brelo
