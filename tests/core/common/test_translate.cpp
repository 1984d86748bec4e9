#include "core/common/numeric_text.h"
#include "core/common/translate.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace brelo {
namespace {

// A translator of a few texts, counting how often it is asked.
int gAsked = 0;
std::string english(const char *context, const char *source)
{
    ++gAsked;
    static const std::map<std::pair<std::string, std::string>, std::string> texts = {
        {{"fields", "la focale de O1"}, "the focal length of O1"},
        {{"numbers", "%1%2 est vide."}, "%1%2 is empty."},
        {{"numbers", " (« %1 »)"}, " (\"%1\")"},
        {{"numbers", "%1%2 est trop grande."}, "Too large%2: %1."},
    };
    const auto found = texts.find({context, source});
    return found == texts.end() ? source : found->second;
}

struct WithTranslator {
    explicit WithTranslator(TextTranslator t) { setTextTranslator(t); }
    ~WithTranslator() { setTextTranslator(nullptr); }
};

TEST(Translate, FillsEachPlaceholderOnceInAnyOrder)
{
    EXPECT_EQ(filled("%2 puis %1, encore %1", {"a", "b"}), "b puis a, encore a");
    // A value is never read again: what the user typed may hold a placeholder.
    EXPECT_EQ(filled("%1 et %2", {"%2", "x"}), "%2 et x");
    EXPECT_EQ(filled("100 % de %1, %3 et %", {"O1"}), "100 % de O1, %3 et %");
}

TEST(Translate, WithoutTranslatorTheFrenchSourceStays)
{
    EXPECT_EQ(translated("fields", "la focale de O1"), "la focale de O1");
    EXPECT_EQ(fieldProblem("la focale de O1", "", NumericTextError::Empty), "la focale de O1 est vide.");
}

TEST(Translate, MessagesAreBuiltFromTranslatedPatternsAndNames)
{
    const WithTranslator on(english);
    EXPECT_EQ(fieldProblem("la focale de O1", "", NumericTextError::Empty), "the focal length of O1 is empty.");
    // The translation puts the quoted text before the name.
    EXPECT_EQ(fieldProblem("la focale de O1", "1e999", NumericTextError::TooLarge),
              "Too large (\"1e999\"): the focal length of O1.");
    EXPECT_EQ(translated("optics", "REMARQUE: R.A.S."), "REMARQUE: R.A.S.");  // none: the source
}

TEST(Translate, EachTextIsLookedUpOncePerTranslator)
{
    const WithTranslator on(english);
    gAsked = 0;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(translated("fields", "la focale de O1"), "the focal length of O1");
    EXPECT_EQ(gAsked, 1);
    setTextTranslator(english);  // installed again: asked again
    EXPECT_EQ(translated("fields", "la focale de O1"), "the focal length of O1");
    EXPECT_EQ(gAsked, 2);
}

} // namespace
} // namespace brelo
