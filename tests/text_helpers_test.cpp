// The text helpers whose exact output shows in files and compared values.

#include "app/text_helpers.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

TEST(ZeroPad, PadsFitsAndOverflows)
{
    EXPECT_EQ(ZeroPad(7, 3), "007");
    EXPECT_EQ(ZeroPad(0, 4), "0000");
    EXPECT_EQ(ZeroPad(1234, 3), "***");
    EXPECT_EQ(ZeroPad(-5, 3), "-05");
    EXPECT_EQ(ZeroPad(-1, 4), "-001");
    EXPECT_EQ(ZeroPad(-100, 3), "***");
    EXPECT_EQ(FormatFixed(3.14159, 6, 2), "003.14");
    EXPECT_EQ(FormatFixed(-2.5, 6, 1), "-002.5");
}

TEST(FieldHelpers, ReplaceCutPadAndTrim)
{
    EXPECT_EQ(ReplaceField("abcdefgh", 3, 2, "XYZ"), "abXYZefgh");
    EXPECT_EQ(ReplaceField("abc", 5, 2, "Z"), "abcZ");
    EXPECT_EQ(RightChars("abcdef", 2), "ef");
    EXPECT_EQ(RightChars("ab", 5), "ab");
    EXPECT_EQ(RightChars("ab", 0), "");
    EXPECT_EQ(RepeatChar('Y', 3), "YYY");
    EXPECT_EQ(ReplaceChar("a\\b\\c", '\\', "/"), "a/b/c");
    EXPECT_EQ(PadRight("abc", 5), "abc  ");
    EXPECT_EQ(PadRight("abcdef", 3), "abc");
    EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
    EXPECT_EQ(TrimRight("  a b  "), "  a b");
    EXPECT_EQ(TrimRight("\ta\t"), "\ta\t") << "only spaces are trimmed";
    EXPECT_EQ(IntPower(2, 10), 1024);
    EXPECT_EQ(IntPower(5, 0), 1);
    EXPECT_EQ(IntPower(5, -2), 1);
}

TEST(ParseInteger, AcceptsDecimalsWithLeadingSpacesOnly)
{
    EXPECT_EQ(ParseInteger("  12"), 12);
    EXPECT_EQ(ParseInteger("-30"), -30);
    EXPECT_EQ(ParseInteger("+4"), 4);
    EXPECT_FALSE(ParseInteger(""));
    EXPECT_FALSE(ParseInteger("  "));
    EXPECT_FALSE(ParseInteger("12 "));
    EXPECT_FALSE(ParseInteger("1x2"));
    EXPECT_FALSE(ParseInteger("-"));
    EXPECT_FALSE(ParseInteger("99999999999999999999999"));
}

TEST(ExtractSection, CollectsEveryMatchingBlockInOrder)
{
    const std::vector<std::string> lines = {"head", "[Sect1]", "a", "b", "[Sect2]", "x", "[Sect1] again", "c",
                                            "[Sect1]", "[Other]", "y"};
    EXPECT_EQ(ExtractSection(lines, "[Sect1]"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(ExtractSection(lines, "[Sect2]"), (std::vector<std::string>{"x"}));
    EXPECT_TRUE(ExtractSection(lines, "[Missing]").empty());
}

TEST(ShiftText, SwapsTheTwoHalvesOfThePrintableRange)
{
    EXPECT_EQ(ShiftText("0"), "`");
    EXPECT_EQ(ShiftText("`"), "0");
    std::string printable;
    for (int byte = 32; byte <= 127; ++byte)
        printable += static_cast<char>(byte);
    EXPECT_EQ(ShiftText(ShiftText(printable)), printable);
    for (int byte : {0, 31, 128, 200, 255}) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_NE(ShiftText(ShiftText(one)), one) << "byte " << byte;
    }
}

TEST(Scrambler, SubUndoesAddForAnyTextAndKey)
{
    std::string allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes += static_cast<char>(byte);
    for (const std::string key : {"6150493872", "1", "\xff\x01"}) {
        for (const std::string& text : {std::string(), std::string("FreeCell 0001"), allBytes}) {
            const std::string scrambled = ScrambleAdd(text, key);
            EXPECT_EQ(ScrambleSub(scrambled, key), text);
            if (!text.empty()) {
                EXPECT_NE(scrambled, text);
            }
        }
    }
    // The key cycles: byte i takes key byte (i - 1) mod key length.
    EXPECT_EQ(ScrambleAdd("AAA", "\x01\x02"), "BCB");
}

TEST(TextChecksum, MatchesTheStoredFormula)
{
    EXPECT_EQ(TextChecksum("abc"), 597);
    EXPECT_EQ(TextChecksum(""), 0);
    EXPECT_NE(TextChecksum("ab"), TextChecksum("ba"));
}

} // namespace
} // namespace marlowe
