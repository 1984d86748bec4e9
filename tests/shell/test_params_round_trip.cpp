// Parameters written by the file menu read back as the very texts typed.

#include "shell/params_file.h"
#include "shell/params_writer.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

ParamsFields designTexts()
{
    return {"1000", "90", "200", "50", "30", "300", "50", "300", "50", "45", "0", "0", "0"};
}

TEST(ParamsWriter, OneValuePerLineWithAPointWhateverTheLocale)
{
    ParamsFields texts = designTexts();
    texts[0] = "1234,5";
    texts[11] = "-0";
    const auto file = paramsFileText(texts, ',');
    ASSERT_TRUE(file.ok()) << file.error();
    EXPECT_EQ(file.value(), "1234.5\n90\n200\n50\n30\n300\n50\n300\n50\n45\n0\n-0\n0\n");
}

TEST(ParamsWriter, RefusesTheFirstFieldThatIsNotANumberByItsName)
{
    struct Case {
        int field;
        const char *text;
        const char *message;
    };
    const Case cases[] = {
        {0, "", "la focale de O1 est vide."},
        {1, "9x0", "le diamètre de O1 n'est pas un nombre."},
        {4, "3.5", "la distance A n'est pas un nombre."},  // a point in a comma locale
        {8, "abc", "le diamètre de O3' n'est pas un nombre."},
        {9, "1e999", "la latitude (degrés) est trop grande."},
        {12, "nan", "la longitude (minutes) n'est pas un nombre."},
    };
    for (const Case &c : cases) {
        ParamsFields texts = designTexts();
        texts[c.field] = c.text;
        if (c.field + 1 < kParamsFieldCount)
            texts[c.field + 1] = "pas un nombre non plus";  // only the first is named
        const auto file = paramsFileText(texts, ',');
        ASSERT_FALSE(file.ok()) << c.text;
        EXPECT_EQ(file.error(), c.message) << "field " << c.field << " text \"" << c.text << "\"";
    }
}

// Every plain decimal text typed in a box comes back unchanged, in both locales.
TEST(ParamsWriter, SavedTextsReadBackUnchanged)
{
    const char *const values[] = {"0",      "1",      "-17",       "1234.5",          "0.125",  "30.000001",
                                  "-0.5",   "45",     "59.75",     "123456789012345", "0.0001", "99999.999",
                                  "-179",   "180",    "2.5",       "0.000000123456",  "7",      "-45.25"};
    for (const char separator : {'.', ','}) {
        for (std::size_t start = 0; start < std::size(values); ++start) {
            ParamsFields texts;
            for (int i = 0; i < kParamsFieldCount; ++i) {
                std::string text = values[(start + i) % std::size(values)];
                for (char &c : text)
                    if (c == '.')
                        c = separator;
                texts[i] = text;
            }
            const auto file = paramsFileText(texts, separator);
            ASSERT_TRUE(file.ok()) << file.error();
            const auto back = parseParamsFile(file.value(), separator);
            ASSERT_TRUE(back.ok()) << back.error();
            for (int i = 0; i < kParamsFieldCount; ++i)
                EXPECT_EQ(back.value()[i], texts[i]) << "field " << i << " separator " << separator << "\n"
                                                     << file.value();
        }
    }
}

TEST(ParamsWriter, FieldNinePlainNumberWithADecimalCommaReadsBackAsTyped)
{
    ParamsFields texts = designTexts();
    texts[8] = "50,0";
    const auto file = paramsFileText(texts, ',');
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(parseParamsFile(file.value(), ',').value()[8], "50,0");
}

} // namespace
} // namespace brelo
