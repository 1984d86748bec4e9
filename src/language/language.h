#pragma once

#include <QString>
#include <QStringList>

namespace brelo {

// The languages of the interface: French, the source of every text, and English.
enum class Language { French, English };

// What the user chose in "Affichage → Langue": one of the two, or the desktop's.
enum class LanguageChoice { French, English, Automatic };

// The first of the user's UI languages ("en-GB", "fr_FR", "de") that the
// program speaks decides; French when none of them is English or French.
Language languageFor(const QStringList &uiLanguages);

// The desktop's language, from QLocale::uiLanguages() (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG): French under the C and POSIX locales, as gettext
// ignores LANGUAGE there.
Language desktopLanguage();

Language languageOf(LanguageChoice choice);

// "fr" or "en", as the translation files are named.
QString languageCode(Language language);

// The folder of the compiled translations: share/brelo/translations beside the
// program's bin folder when installed, else the build tree's.
QString translationsDirectory();

// Makes `language` the interface's: the program's translation and Qt's own
// (dialogs, buttons, --help lines), and the core's texts through
// QCoreApplication::translate. Every widget then gets a LanguageChange event.
// False when a translation file is missing: the texts stay French.
bool useLanguage(Language language);

// The language in use, French until useLanguage is called.
Language currentLanguage();

// The user's choice, kept in the settings.
LanguageChoice savedLanguageChoice();
void saveLanguageChoice(LanguageChoice choice);

} // namespace brelo
