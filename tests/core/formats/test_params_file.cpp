#include "core/formats/params_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelo {
namespace {

const ParamsFields kDesign = {"1000", "90", "200", "50", "30", "300", "50",
                              "300", "50", "45", "0", "0", "0"};

ParamsFields parsed(std::string_view contents, char sep = '.')
{
    const ParamsRead read = parseParamsFile(contents, sep);
    EXPECT_TRUE(read.fields.has_value()) << "input: [" << contents << "] error: " << read.message;
    return read.fields.value_or(ParamsFields{});
}

struct LayoutCase {
    const char *name;
    std::string contents;
};

// The same thirteen design values, laid out in every way the format allows.
class SameValuesLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SameValuesLayout, ReadsTheDesignValues)
{
    EXPECT_EQ(parsed(GetParam().contents), kDesign);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SameValuesLayout,
    ::testing::Values(
        LayoutCase{"OneCommaLine", "1000,90,200,50,30,300,50,300,50,45,0,0,0"},
        LayoutCase{"OneCommaLineWithNewline", "1000,90,200,50,30,300,50,300,50,45,0,0,0\n"},
        LayoutCase{"ThirteenLines", "1000\n90\n200\n50\n30\n300\n50\n300\n50\n45\n0\n0\n0\n"},
        LayoutCase{"ThirteenCrLfLines",
                   "1000\r\n90\r\n200\r\n50\r\n30\r\n300\r\n50\r\n300\r\n50\r\n45\r\n0\r\n0\r\n0\r\n"},
        LayoutCase{"OldMacLines", "1000\r90\r200\r50\r30\r300\r50\r300\r50\r45\r0\r0\r0"},
        LayoutCase{"MixedSeparators", "1000,90,200,50,30\n300,50\r\n300,50\n45,0,0,0"},
        LayoutCase{"BlanksBeforeAndAfter", "  1000 ,\t90,  200,50 ,30,300,50,300,50,45,0,0,0   "},
        LayoutCase{"WrittenAsDecimals", "1000.0,90.00,200.,50,30,300,50,300,50.0,45,0.0,00,+0"},
        LayoutCase{"FourteenthNotRead", "1000,90,200,50,30,300,50,300,50,45,0,0,0,999\n12,13"},
        LayoutCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF" "1000,90,200,50,30,300,50,300,50,45,0,0,0"}),
    [](const auto &info) { return std::string(info.param.name); });

struct FieldCase {
    const char *name;
    std::string firstFields;  // replaces the first of the design fields
    int index;                // field looked at, from 0
    std::string expected;
    char sep = '.';
};

// Builds a line whose fields before `firstFields` are design values and whose
// remaining fields pad it out to thirteen.
std::string withFields(const std::string &fields, int index)
{
    std::string line;
    for (int i = 0; i < index; ++i)
        line += kDesign[static_cast<std::size_t>(i)] + ",";
    line += fields;
    for (int i = index + 1; i < kParamsFieldCount; ++i)
        line += ",1";
    return line;
}

class FieldText : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldText, IsWrittenAsExpected)
{
    const FieldCase &c = GetParam();
    const std::string contents = withFields(c.firstFields, c.index);
    const auto fields = parsed(contents, c.sep);
    EXPECT_EQ(fields[static_cast<std::size_t>(c.index)], c.expected) << "file: " << contents;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldText,
    ::testing::Values(
        FieldCase{"WholeDecimal", "1000.0", 0, "1000"},
        FieldCase{"HalfWithComma", "0.5", 1, "0,5", ','},
        FieldCase{"HalfWithPoint", "0.5", 1, "0.5", '.'},
        FieldCase{"LeadingPoint", ".25", 1, "0,25", ','},
        FieldCase{"NegativeLongitude", "-2", 11, "-2"},
        FieldCase{"NegativeFraction", "-0.75", 11, "-0,75", ','},
        FieldCase{"PlusSign", "+12.50", 10, "12.5"},
        FieldCase{"LeadingZeros", "007", 2, "7"},
        FieldCase{"NegativeZeroKeepsItsSign", "-0", 11, "-0"},
        FieldCase{"NegativeZeroDecimals", "-0.000", 9, "-0", ','},
        FieldCase{"PlusZero", "+0.0", 12, "0"},
        FieldCase{"Field7Number", "50.0", 6, "50"},
        FieldCase{"Field9NumberLikeTheOthers", "50.0", 8, "50"},
        FieldCase{"Field9TakesTheLocaleSeparator", "0.5", 8, "0,5", ','},
        FieldCase{"Field9Text", "abc", 8, "abc"},
        FieldCase{"Field9Quoted", "\"50.0\"", 8, "50.0"},
        FieldCase{"QuotedNumberIsText", "\"1000.0\"", 0, "1000.0"},
        FieldCase{"QuotedComma", "\"1,5\"", 0, "1,5"},
        FieldCase{"QuotedKeepsBlanks", "\"  a b  \"", 3, "  a b  "},
        FieldCase{"AfterClosingQuoteDropped", "\"12\"junk  ", 3, "12"},
        FieldCase{"UnclosedQuoteRunsToEnd", "\"no end,1,1", 12, "no end,1,1"},
        FieldCase{"TextStaysText", "abc", 4, "abc"},
        FieldCase{"ExponentKeptAsTyped", "1e3", 0, "1e3"},
        FieldCase{"ExponentTakesTheLocaleSeparator", "-1.5E-3", 0, "-1,5E-3", ','},
        FieldCase{"ExponentWithoutDigitsStaysText", "1e", 0, "1e"},
        FieldCase{"HugeExponentKeptAsTyped", "1e99999999999999999999", 0, "1e99999999999999999999"},
        FieldCase{"BlankInsideStaysText", "12 34", 4, "12 34"},
        FieldCase{"TrailingBlanksDropped", "abc  \t", 4, "abc"},
        FieldCase{"TwoPointsStayText", "1.2.3", 4, "1.2.3"},
        FieldCase{"SignAloneStaysText", "-", 4, "-"},
        FieldCase{"PointAloneStaysText", ".", 4, "."},
        FieldCase{"Utf8Text", "\"Pic du Midi, 2877 m\"", 4, "Pic du Midi, 2877 m"},
        FieldCase{"FifteenDigits", "123456789.0123450", 0, "123456789.012345"},
        FieldCase{"SixteenDigitsKeptAsTyped", "1234567890.123456", 0, "1234567890,123456", ','},
        FieldCase{"ManyDigitsKeptAsTyped", "3.14159265358979323846", 0, "3.14159265358979323846"},
        FieldCase{"LargestPlain", "999999999999999", 0, "999999999999999"},
        FieldCase{"SmallestPlain", "0.000000000000001", 0, "0.000000000000001"},
        FieldCase{"TooLargeKeptAsTyped", "1000000000000000", 0, "1000000000000000"},
        FieldCase{"RoundsUpOutOfRange", "999999999999999.9", 0, "999999999999999.9"},
        FieldCase{"TooSmallKeptAsTyped", "0.0000000000000001", 0, "0.0000000000000001"},
        FieldCase{"BeyondDoubleKeptAsTyped", "1" + std::string(400, '0'), 0, "1" + std::string(400, '0')},
        FieldCase{"BelowDoubleKeptAsTyped", "0." + std::string(400, '0') + "1", 0,
                  "0." + std::string(400, '0') + "1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ParamsFile, EmptyFieldsEmptyTheirBoxes)
{
    // ",," is an empty field; so is a comma followed by a line break, and a blank line.
    const auto fields = parsed("1000,,200,50,\n300,50,300\n\n45,0,\"\",0");
    const ParamsFields expected = {"1000", "", "200", "50", "", "300", "50",
                                   "300", "", "45", "0", "", "0"};
    EXPECT_EQ(fields, expected);
}

TEST(ParamsFile, DecimalCommaSplitsTheField)
{
    // The file's decimal point is the period whatever the locale: "1,5" is two fields.
    const auto fields = parsed("1,5,200,50,30,300,50,300,50,45,0,0,0", ',');
    EXPECT_EQ(fields[0], "1");
    EXPECT_EQ(fields[1], "5");
    EXPECT_EQ(fields[12], "0");
}

TEST(ParamsFile, LastEmptyFieldNeedsItsLineBreak)
{
    // A comma then a line break are two separators: the thirteenth field is empty.
    const auto fields = parsed("1,2,3,4,5,6,7,8,9,10,11,12,\n");
    EXPECT_EQ(fields[11], "12");
    EXPECT_EQ(fields[12], "");
    // The end of the text right after a separator starts no field.
    EXPECT_FALSE(parseParamsFile("1,2,3,4,5,6,7,8,9,10,11,12,", '.').fields.has_value());
}

struct MessageCase {
    const char *name;
    std::string contents;
    bool read;  // whether the thirteen fields are loaded
    std::string message;
};

class FileMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FileMessage, SaysWhatHappened)
{
    const ParamsRead read = parseParamsFile(GetParam().contents, ',');
    EXPECT_EQ(read.fields.has_value(), GetParam().read);
    EXPECT_EQ(read.message, GetParam().message);
}

const std::string kOnlyThirteen = " valeurs trouvées, seules les 13 premières sont lues — les décimales "
                                  "s'écrivent avec un point, la virgule sépare les valeurs.";

INSTANTIATE_TEST_SUITE_P(
    Messages, FileMessage,
    ::testing::Values(
        MessageCase{"Nine", "1000,90,200,50,30,300,50,300,50\n", false,
                    "brelo.dat ignoré : 9 valeurs trouvées, 13 attendues."},
        MessageCase{"TwelveLinesCrLf", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n",
                    false, "brelo.dat ignoré : 12 valeurs trouvées, 13 attendues."},
        MessageCase{"Empty", "", false, "brelo.dat ignoré : aucune valeur trouvée, 13 attendues."},
        MessageCase{"OnlyByteOrderMark", "\xEF\xBB\xBF", false,
                    "brelo.dat ignoré : aucune valeur trouvée, 13 attendues."},
        MessageCase{"OneValue", "1000", false, "brelo.dat ignoré : 1 valeur trouvée, 13 attendues."},
        MessageCase{"QuotedCommasCountOnce", "\"1,2,3,4,5,6,7,8,9,10,11,12,13\"", false,
                    "brelo.dat ignoré : 1 valeur trouvée, 13 attendues."},
        MessageCase{"ThirteenEmptyLines", std::string(13, '\n'), false,
                    "brelo.dat ignoré : les 13 valeurs sont vides."},
        MessageCase{"ThirteenBlankFields", " , ,\t,,,,,,,,,,\n", false,
                    "brelo.dat ignoré : les 13 valeurs sont vides."},
        MessageCase{"TwelveEmptyAndOne", ",,,,,,,,,,,,0", true, ""},
        MessageCase{"Thirteen", "1,2,3,4,5,6,7,8,9,10,11,12,13\n\n\n", true, ""},
        MessageCase{"Fourteen", "1,2,3,4,5,6,7,8,9,10,11,12,13,14\n", true, "brelo.dat : 14" + kOnlyThirteen},
        MessageCase{"DecimalCommas", "1000,5\n90\n200,5\n50\n30\n300\n50\n300\n50\n45\n0\n0\n0\n", true,
                    "brelo.dat : 15" + kOnlyThirteen},
        MessageCase{"TrailingEmptyFieldsAreNoValues", "1,2,3,4,5,6,7,8,9,10,11,12,13,\n,\n", true, ""},
        MessageCase{"QuotedEmptyIsAValue", "1,2,3,4,5,6,7,8,9,10,11,12,13,\"\"", true,
                    "brelo.dat : 14" + kOnlyThirteen}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace brelo
