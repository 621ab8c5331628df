// The status bar's pile descriptions: the building rule in words, the stock and redeal texts,
// and the game-specific hints that the game compiler writes to the hint file and the engine
// reads back.

#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/hint_file.h"
#include "engine/pile_hints.h"
#include "engine/recording_presentation.h"
#include "game_compiler.h"
#include "game_source.h"
#include "hint_file_writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

using testing::TempFolder;

constexpr PileRef kStock{PileGroup::StockGroup, kStockSlot};
constexpr PileRef kWaste{PileGroup::StockGroup, kWasteSlot};
constexpr PileRef kSecondWaste{PileGroup::StockGroup, kSecondWasteSlot};
constexpr PileRef Tableau(int slot) { return {PileGroup::Tableaus, slot}; }
constexpr PileRef Foundation(int slot) { return {PileGroup::Foundations, slot}; }
constexpr PileRef Reserve(int slot) { return {PileGroup::Reserves, slot}; }

constexpr const char* kTopCardPlayable = "The top card is available for play to the foundations or to the tableau";

TEST(PileHints, BuildRuleTextPutsSuitRuleAndDirectionIntoWords)
{
    struct Row {
        int suitRule, direction, override;
        const char* expected;
    };
    const Row rows[] = {
        {3, 0, -1, "Build down in alternating colors (ex. 10 [d] on Jack [c][s])"},
        {0, 1, -1, "Build up in suit (ex. 2 [h] on Ace [h])"},
        {1, 2, -1, "Build up or down by the same color (ex. 10 [d] on 9 [d][h] or on Jack [d][h])"},
        {2, 0, -1, "Build down regardless of suit (ex. 10 [d] on Jack [h][c][d][s])"},
        {3, 1, -1, "Build up in alternating colors (ex. 2 [s] on Ace [h][d])"},
        {3, 1, 0, "Build up in suit (ex. 2 [h] on Ace [h])"},   // the override wins
        {0, 1, 3, "Build up in alternating colors (ex. 2 [s] on Ace [h][d])"},
        {3, 0, 4, "The top card is available for play to the foundations "},
        {4, 1, -1, "The top card is available for play to the foundations "},
        {27, 1, -1, " "},                                        // a game-specific code
        {0, 7, -1, "Build  in suit "},                           // no direction, no example
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildRuleText(row.suitRule, row.direction, row.override), row.expected)
            << row.suitRule << "/" << row.direction << "/" << row.override;
}

TEST(PileHints, SplitHintTextCutsAtSuitCodesAndDropsUnknownOnes)
{
    using Pieces = std::vector<HintPiece>;
    EXPECT_EQ(SplitHintText("2 [h] on Ace [c][s])"),
              (Pieces{{"2 ", Hearts}, {" on Ace ", Clubs}, {"", Spades}, {")", std::nullopt}}));
    EXPECT_EQ(SplitHintText("a[x]b[d]"), (Pieces{{"a", std::nullopt}, {"b", Diamonds}}));
    EXPECT_EQ(SplitHintText("cut [h"), (Pieces{{"cut ", std::nullopt}}));
    EXPECT_TRUE(SplitHintText("").empty());
}

class PileHintsTest : public ::testing::Test {
protected:
    PileHintsTest()
    {
        context.registers.Set(reg::GameNumber, 7LL);
        context.flags.Set(GameInProgress);
        context.mainGame.RedealsDone = 1;
        auto& rules = context.rules;
        rules[rule::TableauCount] = 7;
        rules[rule::FoundationCount] = 4;
        rules[rule::ReserveCount] = 2;
        rules[rule::WasteShown] = 1;
        rules[rule::DrawCount] = 1;
        rules[rule::PassesAllowed] = 3;
        rules[rule::TableauRuleOverride] = -1;
        rules[rule::FoundationRuleOverride] = -1;
        for (int pile = 0; pile < 7; ++pile)
            rules.Of(rule::TableauBuildCode, pile) = 3;
        rules.Of(rule::FoundationDirection, 0) = 1;
        context.piles.Stock() = "001002003";
        context.piles.Waste() = "040";
        context.piles[Tableau(2)] = "000014";
    }

    PileHintTexts Hint(std::optional<PileRef> pile) { return ComputePileHint(context, pile, hints); }

    RecordingPresentation presentation;
    GameContext context{presentation};
    HintFile hints;
};

TEST_F(PileHintsTest, PanelsDescribeEachKindOfPile)
{
    struct Row {
        PileRef pile;
        PileHintTexts expected;
    };
    const Row rows[] = {
        {kStock, {"Stock", "1", "3 cards", "Click to turn up one card at a time to the waste", "0/2 redeals"}},
        {kWaste, {"Waste", "1", "1 card", kTopCardPlayable, "0/2 redeals"}},
        {kSecondWaste, {"Waste", "1", "0 cards", "", "0/2 redeals"}},
        {Tableau(2),
         {"Tableau", "7", "2 cards", "Build down in alternating colors (ex. 10 [d] on Jack [c][s])", "0/2 redeals"}},
        {Foundation(0), {"Foundation", "4", "0 cards", "Build up in suit (ex. 2 [h] on Ace [h])", "0/2 redeals"}},
        {Reserve(1), {"Reserve", "2", "0 cards", kTopCardPlayable, "0/2 redeals"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Hint(row.pile), row.expected) << PileName(row.pile);
}

TEST_F(PileHintsTest, StockHintFollowsTurningDealingAndRedeals)
{
    struct Row {
        bool stockEmpty;
        int passes, redealsDone, wasteShown, drawCount, tableauDeal, reserveDeal;
        const char* hint;
    };
    const Row rows[] = {
        {false, 3, 1, 1, 3, 0, 0, "Click to turn up 3 cards at a time to the waste"},
        {false, 3, 1, 1, 0, 1, 1, ""},
        {false, 3, 1, 0, 1, 1, 1, "Click to deal a new row of cards to the tableau"},
        {false, 3, 1, 0, 1, 0, 1, "Click to deal a new row of cards to the reserve"},
        {true, 3, 2, 1, 1, 0, 0, "Click to redeal"},
        {true, 3, 3, 1, 1, 0, 0, ""},            // the last pass is running
        {true, -1, 30, 1, 1, 0, 0, "Click to redeal"},
        {true, 1, 1, 1, 1, 0, 0, ""},
    };
    for (const auto& row : rows) {
        context.piles.Stock() = row.stockEmpty ? "" : "005";
        context.rules[rule::PassesAllowed] = static_cast<std::int16_t>(row.passes);
        context.mainGame.RedealsDone = static_cast<std::int16_t>(row.redealsDone);
        context.rules[rule::WasteShown] = static_cast<std::int16_t>(row.wasteShown);
        context.rules[rule::DrawCount] = static_cast<std::int16_t>(row.drawCount);
        context.rules.Of(rule::TableauDealMode, 0) = static_cast<std::int16_t>(row.tableauDeal);
        context.rules.Of(rule::ReserveDealMode, 0) = static_cast<std::int16_t>(row.reserveDeal);
        EXPECT_EQ(Hint(kStock).hint, row.hint) << "row with hint '" << row.hint << "'";
    }
}

TEST_F(PileHintsTest, RedealsTextAndTheStatesWithoutPileOrGame)
{
    const std::pair<int, const char*> redeals[] = {{-1, "Unlimited redeals"}, {0, "No redeal"}, {3, "0/2 redeals"}};
    for (const auto& [passes, text] : redeals) {
        context.rules[rule::PassesAllowed] = static_cast<std::int16_t>(passes);
        EXPECT_EQ(Hint(kWaste).redeals, text);
    }
    EXPECT_EQ(Hint(std::nullopt), (PileHintTexts{"", "", "", "", "0/2 redeals"}));
    context.flags.Clear(GameInProgress);
    EXPECT_EQ(Hint(Tableau(0)), (PileHintTexts{"", "7", "", "", ""}));
}

// Compiles game sources written here and writes their hint file into folder.
std::vector<gamec::CompiledGame> CompileInto(const TempFolder& folder, const std::vector<std::string>& texts)
{
    std::vector<gamec::GameSource> sources;
    for (const auto& text : texts)
        sources.push_back(gamec::ParseGameSource(text, "hinted.game"));
    const auto games = gamec::CompileGames(sources);
    EXPECT_TRUE(gamec::WriteHintFile(folder / kHintFileName, games));
    return games;
}

const char* const kHintedGame = R"(Number = 7
Name = Hinted
Family = 5
PackSize = 52
TableauCount = 7
FoundationCount = 4
Hint.Tableau = Any [h] tableau
Hint.Tableau[0] = Only Kings here
Hint.Stock = Three at a time
)";

const char* const kDerivedGame = R"(DerivesFrom = Hinted
Number = 8
Name = Derived
Hint.Tableau = Derived tableau
)";

TEST_F(PileHintsTest, HintFileWrittenByTheCompilerReplacesBuiltInHints)
{
    TempFolder folder;
    const auto games = CompileInto(folder, {kHintedGame, kDerivedGame});
    const std::string text = gamec::HintFileText(games);
    EXPECT_EQ(text.substr(0, 8), "[Main]\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7); // the section and 3 + 3 hints
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 7);

    hints = LoadHintFile(folder.path(), presentation);
    EXPECT_TRUE(presentation.events.empty());
    EXPECT_EQ(Hint(Tableau(2)).hint, "Any [h] tableau");  // no entry of its own: the "000" entry
    EXPECT_EQ(Hint(Tableau(0)).hint, "Only Kings here");  // the numbered entry wins
    EXPECT_EQ(Hint(kStock).hint, "Three at a time");
    EXPECT_EQ(Hint(Foundation(0)).hint, "Build up in suit (ex. 2 [h] on Ace [h])");
    context.flags.Clear(GameInProgress);
    EXPECT_EQ(Hint(Tableau(0)).hint, "");

    context.flags.Set(GameInProgress);
    context.registers.Set(reg::GameNumber, 8LL);
    EXPECT_EQ(Hint(Tableau(2)).hint, "Derived tableau");
    EXPECT_EQ(Hint(Tableau(0)).hint, "Only Kings here");    // inherited
}

TEST(HintFile, KeysAndValuesAreScrambledWithTheValueStartingAtTheTenthKeyByte)
{
    const std::string line = StoredHintLine(HintPlainKey(1, 'T', 0), "AAAAAAAAA");
    // Key bytes 2 4 1 3 3 1 4 2 on "0001T000"; the value takes 4 3 1 1 2 4, then 2 4 1 from the start.
    EXPECT_EQ(line, "2414W142=EDBBCECEB");
    EXPECT_EQ(PlainHintText("2414W142", "EDBBCECEB"), "AAAAAAAAA");
    const std::string text = "Build [h] on any ~ \xC3\xA9 card";
    EXPECT_EQ(HintFile({"[Main]", StoredHintLine("0042R003", text)}).Find("0042R003"), text);
}

TEST(HintFile, MissingUnreadableAndDamagedFilesLeaveTheBuiltInHints)
{
    RecordingPresentation presentation;
    TempFolder folder;
    EXPECT_TRUE(LoadHintFile(folder.path(), presentation).Empty());
    EXPECT_TRUE(presentation.events.empty());

    std::filesystem::create_directory(folder / "SOLR.DAT");
    EXPECT_TRUE(LoadHintFile(folder.path(), presentation).Empty());
    EXPECT_EQ(presentation.events, std::vector<std::string>{"info: Cannot open file " + (folder / "SOLR.DAT").string()});

    const std::string good = StoredHintLine("0001T000", "Good");
    const std::string storedKey = good.substr(0, 8);
    const HintFile damaged({"[Other]", good, "[Main]", "", "2", storedKey, storedKey + "xGood", storedKey + "=",
                            good + "   ", "[Later]", StoredHintLine("0001F000", "Hidden")});
    EXPECT_EQ(damaged.Find("0001T000"), "Good");
    EXPECT_EQ(damaged.Find("0001F000"), std::nullopt);  // outside the section
    EXPECT_EQ(damaged.Find("0002T000"), std::nullopt);
}

TEST(HintSources, CompilerRejectsHintsItCannotPlace)
{
    struct Row {
        const char* line;
        const char* fault;
    };
    const Row rows[] = {
        {"Hint.Tablo = x", "unknown hint 'Hint.Tablo'"},
        {"Hint.Stock[0] = x", "Hint.Stock takes no pile number"},
        {"Hint.Tableau[40] = x", "pile 40 is outside Hint.Tableau[0..39]"},
        {"Hint.Tableau[7] = x", "the hint names tableau 7, but Hinted has 7 tableaus"},
        {"Hint.Reserve = x", "the hint names every reserve, but Hinted has 0 reserves"},
        {"Hint.Stock = twice", "hinted.game:10: the hint is given twice (first at line 9)"},
        {"Hint.Waste = a\x01z", "Hint.Waste holds a control character"},
    };
    for (const auto& row : rows) {
        TempFolder folder;
        std::string fault;
        try {
            CompileInto(folder, {std::string(kHintedGame) + row.line + "\n"});
        } catch (const gamec::CompileError& error) {
            fault = error.what();
        }
        EXPECT_NE(fault.find(row.fault), std::string::npos) << row.line << " gave: " << fault;
    }
}

} // namespace
} // namespace marlowe
