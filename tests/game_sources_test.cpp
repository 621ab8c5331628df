// The game sources and their compiler: what a source may say, what the compiler rejects, and
// that what it writes is what the catalogue and the rule loader read back.

#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "game_compiler.h"
#include "game_source.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace marlowe {
namespace {

using gamec::CompileError;
using gamec::CompileGames;
using gamec::ParseGameSource;

const char* const kFreeCell = R"(# FreeCell
Number = 1
Name = FreeCell
Family = 4
Selected = yes
PackSize = 52
FoundationCount = 4
TableauCount = 8
ReserveCount = 4
TableauCardCount = 7*4, 6*4     # four long columns, four short
TableauBuildCode = alternate*8
TableauDirection = down*8
FoundationDirection = up*4
FoundationBaseRank = 1*4
TableauBaseRank = -1*8
)";

const char* const kBakersGame = R"(
DerivesFrom = FreeCell
Number = 3
Name = Baker's Game
TableauBuildCode = in-suit*8
TableauFaceUp[7] = 6
)";

std::vector<gamec::CompiledGame> Compile(const std::vector<std::string>& texts)
{
    std::vector<gamec::GameSource> sources;
    for (std::size_t i = 0; i < texts.size(); ++i)
        sources.push_back(ParseGameSource(texts[i], "game" + std::to_string(i) + ".game"));
    return CompileGames(sources);
}

// The message of the CompileError that compiling the texts throws; empty when none is thrown.
std::string CompileFault(const std::vector<std::string>& texts)
{
    try {
        Compile(texts);
    } catch (const CompileError& error) {
        return error.what();
    }
    return {};
}

int Rule(const gamec::CompiledGame& game, int index)
{
    return game.rules[static_cast<std::size_t>(index)];
}

TEST(GameSources, ListsRepeatsNamedValuesAndDerivedGames)
{
    const auto games = Compile({kBakersGame, kFreeCell});
    ASSERT_EQ(games.size(), 2u);
    const auto& freecell = games[0];
    EXPECT_EQ(freecell.number, 1);
    EXPECT_TRUE(freecell.selected);
    EXPECT_EQ(Rule(freecell, rule::TableauCardCount + 3), 7);
    EXPECT_EQ(Rule(freecell, rule::TableauCardCount + 4), 6);
    EXPECT_EQ(Rule(freecell, rule::TableauCardCount + 8), 0);
    EXPECT_EQ(Rule(freecell, rule::TableauBuildCode + 7), 3);
    EXPECT_EQ(Rule(freecell, rule::TableauDirection + 0), 0);
    EXPECT_EQ(Rule(freecell, rule::FoundationDirection + 3), 1);
    EXPECT_EQ(Rule(freecell, rule::TableauBaseRank + 7), -1);

    const auto& bakers = games[1];
    EXPECT_EQ(bakers.name, "Baker's Game");
    EXPECT_EQ(bakers.family, 4) << "header fields come from the parent";
    EXPECT_FALSE(bakers.selected) << "but the selection list is chosen game by game";
    EXPECT_EQ(Rule(bakers, rule::TableauCount), 8);
    EXPECT_EQ(Rule(bakers, rule::TableauBuildCode + 0), 0);
    EXPECT_EQ(Rule(bakers, rule::TableauFaceUp + 7), 6);
    EXPECT_EQ(Rule(bakers, rule::TableauFaceUp + 6), 0);
}

TEST(GameSources, RulesParagraphsKeepTheirOrderAndStayWithTheirGame)
{
    const auto source = ParseGameSource(std::string(kFreeCell) +
                                            "Rules.Text = First paragraph, with = in it.\n"
                                            "Rules.Strategy = Empty columns are worth more than cells.  # a comment\n"
                                            "Rules.Text = Second paragraph.\n",
                                        "freecell.game");
    EXPECT_EQ(source.rulesText, (std::vector<std::string>{"First paragraph, with = in it.", "Second paragraph."}));
    EXPECT_EQ(source.rulesStrategy, std::vector<std::string>{"Empty columns are worth more than cells."});
    EXPECT_TRUE(ParseGameSource(kBakersGame, "bakers.game").rulesText.empty()) << "a variant writes its own";
    EXPECT_NE(CompileFault({std::string(kFreeCell) + "Rules.Text =\n"}).find("game0.game:16: Rules.Text has no value"),
              std::string::npos);
}

TEST(GameSources, FaultsNameTheFileLineAndReason)
{
    const std::string base = "Number = 5\nName = Test\nFamily = 4\nPackSize = 52\nTableauCount = 4\n";
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {base + "TableuCount = 4\n", "game0.game:6: unknown rule parameter 'TableuCount'"},
        {base + "DrawCount = three\n", "game0.game:6: 'three' is not a value of DrawCount"},
        {base + "DrawCount = 40000\n", "game0.game:6: the value 40000 of DrawCount does not fit in 16 bits"},
        {base + "TableauWrap = 2*41\n", "game0.game:6: TableauWrap lists more than 40 values"},
        {base + "TableauWrap = 2*0\n", "game0.game:6: '2*0' is not a repeat"},
        {base + "ReserveRule[12] = 4\n", "game0.game:6: pile 12 is outside ReserveRule[0..11]"},
        {base + "DrawCount[1] = 4\n", "game0.game:6: DrawCount is not a per-pile parameter"},
        {base + "TableauCardCount = 4\nDrawCount\n", "game0.game:7: expected 'Name = value'"},
        {base + "DrawCount = 1\nDrawCount = 3\n", "game0.game:7: DrawCount is set twice (first at line 6)"},
        {base + "Name = Again\n", "game0.game:6: Name is given twice"},
        {base + "TableauBuildCode = sideways\n", "game0.game:6: 'sideways' is not a value of TableauBuildCode"},
        {base + "TableauCount = 41\n", "TableauCount is set twice"},
        {"Number = 5\nName = Test\nFamily = 4\nPackSize = 52\nTableauCount = 41\n",
         "game0.game:5: TableauCount is 41; it must lie in 0..40"},
        {base + "FoundationCount = 17\n", "game0.game:6: FoundationCount is 17; it must lie in 0..16"},
        {base + "ReserveCount = 13\n", "game0.game:6: ReserveCount is 13; it must lie in 0..12"},
        {base + "PackSize = 53\n", "PackSize is set twice"},
        {"Number = 5\nName = Test\nFamily = 4\nPackSize = 53\n", "game0.game:4: PackSize is 53"},
        {base + "TableauCardCount[4] = 3\n", "game0.game:6: TableauCardCount[4] deals to tableau 4, but the game has 4"},
        {base + "TableauCardCount = 13*4\nStockCardCount = 1\n", "game0.game:1: the deal of Test needs 53 cards"},
        {base + "StrippedPack = 1\nTableauCardCount = 8*4\nStockCardCount = 1\n", "needs 33 cards, but the pack holds 32"},
        {"Name = Test\nFamily = 4\nPackSize = 52\n", "game0.game:1: the game has no Number"},
        {"Number = 1000\n", "game0.game:1: Number must be a number from 0 to 999"},
        {"Number = 5\nName = Test\nPackSize = 52\n", "game0.game:1: the game has no Family"},
        {"Number = 5\nName = Test\nDerivesFrom = Nothing\n", "game0.game:3: there is no game 'Nothing' to derive from"},
    };
    for (const auto& c : cases) {
        const std::string fault = CompileFault({c.text});
        EXPECT_NE(fault.find(c.expected), std::string::npos) << "source:\n" << c.text << "fault: " << fault;
    }
}

TEST(GameSources, GamesMustBeUniqueAndDerivationsMustEnd)
{
    EXPECT_NE(CompileFault({kFreeCell, "Number = 1\nName = Other\nFamily = 4\nPackSize = 52\n"})
                  .find("game number 1 is already used by game0.game:2"),
              std::string::npos);
    EXPECT_NE(CompileFault({kFreeCell, "Number = 2\nName = FREECELL\nFamily = 4\nPackSize = 52\n"})
                  .find("the name FREECELL is already used"),
              std::string::npos);
    EXPECT_NE(CompileFault({"Number = 7\nName = A\nDerivesFrom = B\n", "Number = 8\nName = B\nDerivesFrom = 7\n"})
                  .find("runs in a circle"),
              std::string::npos);
}

TEST(GameSources, CompiledFileReadsBackThroughCatalogueAndLoader)
{
    auto games = Compile({kFreeCell, kBakersGame});
    auto hidden = testing::MakeGame(2, "Hidden Variant");
    hidden.catalogueClass = '1';
    hidden.rules[rule::TableauCount] = 99;
    games.insert(games.begin() + 1, hidden);
    testing::TempFolder folder;
    testing::WriteGameFile(folder, games);

    TMainGame mainGame;
    mainGame.programFolder = folder.path();
    ASSERT_TRUE(mainGame.LoadCatalogue());
    EXPECT_EQ(mainGame.GameName(3), "Baker's Game");
    EXPECT_EQ(mainGame.GameFamily(3), 4);
    EXPECT_EQ(mainGame.CatalogueIndex(3), 1) << "the hidden game takes no column";
    for (const auto& game : {games[0], games[2]}) {
        RuleVector rules;
        ASSERT_TRUE(LoadRules(mainGame, game.number, rules));
        EXPECT_EQ(rules.Values(), game.rules) << game.name;
    }
}

// The shipped sources compile into the game file beside the programs, with FreeCell first.
TEST(ShippedGames, FreeCellIsGameOneAndEveryGameLoads)
{
    TMainGame mainGame;
    mainGame.programFolder = MARLOWE_BUILD_DIR;
    ASSERT_TRUE(mainGame.LoadCatalogue());
    ASSERT_FALSE(mainGame.Catalogue().empty());
    EXPECT_EQ(mainGame.GameName(1), "FreeCell");
    EXPECT_EQ(mainGame.GameNumberByName("Klondike") >= 0, true);
    for (const auto& line : mainGame.Catalogue()) {
        RuleVector rules;
        const int number = CatalogueLineNumber(line);
        ASSERT_TRUE(LoadRules(mainGame, number, rules)) << line;
        EXPECT_GT(rules[rule::PackSize], 0) << CatalogueLineName(line);
        // Cards are dealt somewhere: tableau, reserves, or a stock (games of foundations only).
        EXPECT_GT(rules[rule::TableauCount] + rules[rule::ReserveCount] + rules[rule::StockGroupCount], 0)
            << CatalogueLineName(line);
    }
}

} // namespace
} // namespace marlowe
