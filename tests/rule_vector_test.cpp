// Loading rule parameters from the matrix, the saved copy, the selection dialog's cells and
// the rule records of custom games.

#include "app/text_file.h"
#include "app/text_helpers.h"
#include "catalogue/game_file.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

using testing::MakeGame;
using testing::TempFolder;

// One 10-character matrix field with its separator, as stored.
std::string Cell(const std::string& value)
{
    return ShiftText(PadRight(value, 10)) + " ";
}

class RuleVectorTest : public ::testing::Test {
protected:
    RuleVectorTest()
    {
        auto freecell = MakeGame(1, "FreeCell");
        freecell.rules[rule::TableauCount] = 8;
        freecell.rules[rule::FoundationCount] = 4;
        freecell.rules[rule::PassesAllowed] = 1;
        freecell.rules[rule::GameTimeClass] = 2;
        freecell.rules[rule::FoundationBaseRank] = 1;
        freecell.rules[rule::TableauBaseRank + 7] = -1;
        auto klondike = MakeGame(2, "Klondike", 5);
        klondike.rules[rule::TableauCount] = 7;
        klondike.rules[rule::FoundationCount] = 4;
        klondike.rules[rule::PassesAllowed] = -1;
        klondike.rules[rule::DrawCount] = 1;
        klondike.rules[rule::PlayedSample] = -32768;
        for (int pile = 0; pile < 7; ++pile) {
            klondike.rules[rule::TableauBaseRank + pile] = 13;
            klondike.rules[rule::TableauBuildCode + pile] = 3;
        }
        games = {MakeGame(0, "Hidden", 4, '9'), freecell, klondike};
        Write();
    }

    void Write()
    {
        testing::WriteGameFile(folder, games);
        mainGame.programFolder = folder.path();
        mainGame.dataFolder = folder.path();
        EXPECT_TRUE(mainGame.LoadCatalogue());
    }

    // Replaces the matrix line of index with text.
    void ReplaceMatrixLine(int index, const std::string& text)
    {
        auto lines = *ReadTextLines(folder / kGameFileName);
        for (auto& line : lines)
            if (line.rfind(ZeroPad(index, 4), 0) == 0)
                line = text;
        folder.Write(kGameFileName, lines);
    }

    TempFolder folder;
    TMainGame mainGame;
    std::vector<gamec::CompiledGame> games;
};

TEST_F(RuleVectorTest, EachGameReadsItsOwnColumn)
{
    RuleVector rules;
    ASSERT_TRUE(LoadRules(mainGame, 2, rules));
    EXPECT_EQ(rules[rule::TableauCount], 7);
    EXPECT_EQ(rules[rule::PassesAllowed], -1);
    EXPECT_EQ(rules[rule::PlayedSample], -32768);
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 6), 13);
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 7), 0);
    EXPECT_EQ(rules[0], 0);

    ASSERT_TRUE(LoadRules(mainGame, 1, rules));
    EXPECT_EQ(rules[rule::TableauCount], 8);
    EXPECT_EQ(rules[rule::DrawCount], 0) << "the vector is cleared before every load";
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 0), 0);
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 7), -1);
}

TEST_F(RuleVectorTest, TheSavedCopyRestoresTheBaseRanksOnly)
{
    RuleVector rules;
    ASSERT_TRUE(LoadRules(mainGame, 1, rules));
    const RuleVector loaded = rules;
    rules.Of(rule::FoundationBaseRank, 0) = 5;
    rules.Of(rule::FoundationBaseRank, 15) = 9;
    rules.Of(rule::TableauBaseRank, 7) = 12;
    rules.Of(rule::TableauBaseRank, 39) = 3;
    rules[rule::DrawCount] = 3;
    rules.RestoreRuleCopy();
    EXPECT_EQ(rules.Of(rule::FoundationBaseRank, 0), 1);
    EXPECT_EQ(rules.Of(rule::FoundationBaseRank, 15), 0);
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 7), -1);
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 39), 0);
    EXPECT_EQ(rules[rule::DrawCount], 3) << "other entries are not part of the copy";
    rules[rule::DrawCount] = 0;
    EXPECT_EQ(rules, loaded);
}

TEST_F(RuleVectorTest, ValuesWithLeadingSpacesAndRepeatedIndicesLoad)
{
    // Index 24: the base column, FreeCell's column "  12" and Klondike's "3".
    ReplaceMatrixLine(rule::DrawCount, "0024 " + Cell("0") + Cell("  12") + Cell("3"));
    auto lines = *ReadTextLines(folder / kGameFileName);
    lines.insert(lines.end() - 1, "0375 " + Cell("0") + Cell("9") + Cell("6"));
    lines.insert(lines.end() - 1, "0999 " + Cell("5") + Cell("5") + Cell("5"));
    folder.Write(kGameFileName, lines);

    RuleVector rules;
    ASSERT_TRUE(LoadRules(mainGame, 1, rules));
    EXPECT_EQ(rules[rule::DrawCount], 12);
    EXPECT_EQ(rules[rule::TableauCount], 9) << "a later line of the same index wins";
    ASSERT_TRUE(LoadRules(mainGame, 2, rules));
    EXPECT_EQ(rules[rule::TableauCount], 6);
}

TEST_F(RuleVectorTest, DamagedMatrixIsReportedAndLeavesTheRulesAlone)
{
    RuleVector rules;
    ASSERT_TRUE(LoadRules(mainGame, 2, rules));
    const RuleVector before = rules;

    ReplaceMatrixLine(rule::DrawCount, "0024 " + Cell("0") + Cell("1") + Cell("3a"));
    auto loaded = LoadRules(mainGame, 2, rules);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.message().find("'3a' is not a valid integer value"), std::string::npos) << loaded.message();
    EXPECT_NE(loaded.message().find("Klondike"), std::string::npos);
    EXPECT_EQ(rules, before);

    ReplaceMatrixLine(rule::DrawCount, "0024 " + Cell("0") + Cell("1"));
    loaded = LoadRules(mainGame, 2, rules);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.message().find("too short"), std::string::npos) << loaded.message();
    EXPECT_EQ(rules, before);
    EXPECT_TRUE(LoadRules(mainGame, 1, rules)) << "FreeCell's column is still whole";

    std::filesystem::remove(folder / kGameFileName);
    loaded = LoadRules(mainGame, 1, rules);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.message().find("Cannot find file:"), std::string::npos);
}

TEST_F(RuleVectorTest, ReadRuleCellsReadsRowsOfOneColumn)
{
    const auto cells = ReadRuleCells(mainGame, 2, {rule::TableauCount, rule::PassesAllowed, -1, 0, 503, 9999,
                                                   rule::PlayedSample, rule::GameTimeClass, rule::DrawCount});
    EXPECT_EQ(cells, (std::array<int, 9>{7, -1, -99, -99, -99, -99, -32768, 0, 1}));
    EXPECT_EQ(ReadRuleCells(mainGame, 1, {rule::GameTimeClass, -5, -5, -5, -5, -5, -5, -5, -5})[0], 2);
}

// A record is: draw (3), passes (3), tableau base (1), tableau direction (2) and code (3),
// foundation direction (2) and code (3).
struct RecordCase {
    const char* record;
    int draw, passes, tableauBase, tableauDirection, tableauCode, foundationDirection, foundationCode;
};

void PrintTo(const RecordCase& c, std::ostream* out)
{
    *out << "record \"" << c.record << "\"";
}

class CustomRuleRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(CustomRuleRecordTest, DecodesFieldsInPairs)
{
    const auto& expected = GetParam();
    RuleVector rules;
    rules[rule::TableauCount] = 7;
    rules[rule::FoundationCount] = 4;
    rules[rule::DrawCount] = 77;
    rules[rule::PassesAllowed] = 77;
    for (int pile = 0; pile < kMaxTableaus; ++pile) {
        rules.Of(rule::TableauBaseRank, pile) = 77;
        rules.Of(rule::TableauDirection, pile) = 77;
        rules.Of(rule::TableauBuildCode, pile) = 77;
    }
    for (int pile = 0; pile < kMaxFoundations; ++pile) {
        rules.Of(rule::FoundationDirection, pile) = 77;
        rules.Of(rule::FoundationBuildCode, pile) = 77;
    }
    DecodeCustomRuleRecord(expected.record, rules);

    EXPECT_EQ(rules[rule::DrawCount], expected.draw);
    EXPECT_EQ(rules[rule::PassesAllowed], expected.passes);
    for (int pile : {0, 6}) {
        EXPECT_EQ(rules.Of(rule::TableauBaseRank, pile), expected.tableauBase);
        EXPECT_EQ(rules.Of(rule::TableauDirection, pile), expected.tableauDirection);
        EXPECT_EQ(rules.Of(rule::TableauBuildCode, pile), expected.tableauCode);
    }
    for (int pile : {0, 3}) {
        EXPECT_EQ(rules.Of(rule::FoundationDirection, pile), expected.foundationDirection);
        EXPECT_EQ(rules.Of(rule::FoundationBuildCode, pile), expected.foundationCode);
    }
    // Piles beyond the game's counts are never touched.
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 7), 77);
    EXPECT_EQ(rules.Of(rule::TableauBuildCode, 7), 77);
    EXPECT_EQ(rules.Of(rule::FoundationBuildCode, 4), 77);
}

INSTANTIATE_TEST_SUITE_P(
    Records, CustomRuleRecordTest,
    ::testing::Values(
        // Directions swap 0 and 1; codes swap 1 and 3 and turn 4 into 21.
        RecordCase{"003-0110100300004", 3, -1, 91, 0, 1, 1, 21},
        RecordCase{"00100320000101002", 1, 3, -1, 1, 3, 0, 2},
        RecordCase{"001001302002", 1, 1, 0, 2, 2, 77, 77},
        // The first field of a pair is not a number: nothing of the pair applies.
        RecordCase{"ab1003x  99901002", 77, 77, 77, 77, 77, 0, 2},
        // Only the second is not: the first applies.
        RecordCase{"002zzz901xyz01-01", 2, 77, 77, 0, 77, 0, 77},
        // A value of -1 after the swaps leaves the family as it was.
        RecordCase{"0010011-1-01-1-01", 1, 1, 91, 77, 77, 77, 77},
        RecordCase{"", 77, 77, 77, 77, 77, 77, 77}),
    [](const auto& info) { return "Record" + std::to_string(info.index); });

TEST_F(RuleVectorTest, CustomGameStartsFromItsBaseGameThenAppliesItsRecord)
{
    testing::WriteCustomGames(folder, {{"8001", "Klondike by threes", "2", "003003"},
                                       {"8002", "Orphan", "77", "001"}});
    RuleVector rules;
    ASSERT_TRUE(LoadRules(mainGame, 8001, rules));
    EXPECT_EQ(rules[rule::TableauCount], 7);
    EXPECT_EQ(rules[rule::DrawCount], 3);
    EXPECT_EQ(rules[rule::PassesAllowed], 3);
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 0), 13);
    rules.Of(rule::TableauBaseRank, 0) = 1;
    rules.RestoreRuleCopy();
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 0), 13);

    ASSERT_TRUE(LoadRules(mainGame, 8002, rules)) << "an unknown base game falls back to the base column";
    EXPECT_EQ(rules[rule::TableauCount], 8);
    EXPECT_EQ(rules[rule::DrawCount], 1);

    const auto missing = LoadRules(mainGame, 8003, rules);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.message().find("8003"), std::string::npos);

    EXPECT_EQ(ReadRuleCells(mainGame, 8001, {rule::TableauCount, -1, -1, -1, -1, -1, -1, -1, -1})[0], 7);
}

} // namespace
} // namespace marlowe
