#include "language/language.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

struct Desktop {
    QStringList uiLanguages;
    Language expected;
};

// The first language the program speaks decides, in whatever form the tag comes.
TEST(Language, FirstSpokenLanguageOfTheDesktopDecides)
{
    const Desktop desktops[] = {
        {{QStringLiteral("en-GB"), QStringLiteral("fr-FR")}, Language::English},
        {{QStringLiteral("en_US")}, Language::English},
        {{QStringLiteral("fr-CA"), QStringLiteral("en-US")}, Language::French},
        {{QStringLiteral("de-DE"), QStringLiteral("EN")}, Language::English},
        {{QStringLiteral("de-DE"), QStringLiteral("it")}, Language::French},
        {{QStringLiteral("eng"), QStringLiteral("fr")}, Language::French},
        {{}, Language::French},
    };
    for (const Desktop &desktop : desktops)
        EXPECT_EQ(languageFor(desktop.uiLanguages), desktop.expected) << desktop.uiLanguages.join(u' ').toStdString();
}

// Under the C locale the program speaks French, whatever LANGUAGE lists.
TEST(Language, CLocaleIsFrench)
{
    qputenv("LANGUAGE", "en_GB:en");
    qputenv("LC_ALL", "C.UTF-8");
    EXPECT_EQ(desktopLanguage(), Language::French);
    EXPECT_EQ(languageOf(LanguageChoice::Automatic), Language::French);
    EXPECT_EQ(languageOf(LanguageChoice::English), Language::English);
}

} // namespace
} // namespace brelo
