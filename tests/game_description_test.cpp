// What the game selection dialog shows without a window: the game lists in name order, the
// groups' games, the description texts, and the stored favourite and recent lists.

#include "catalogue/game_description.h"
#include "catalogue/game_groups.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_parameters.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

using testing::MakeGame;
using testing::TempFolder;

std::vector<int> Numbers(const std::vector<CatalogueEntry>& entries)
{
    std::vector<int> numbers;
    for (const auto& entry : entries)
        numbers.push_back(entry.number);
    return numbers;
}

gamec::CompiledGame Classed(gamec::CompiledGame game, int time, int difficulty, int skill, int chance)
{
    game.rules[rule::GameTimeClass] = static_cast<std::int16_t>(time);
    game.rules[rule::DifficultyClass] = static_cast<std::int16_t>(difficulty);
    game.rules[rule::SkillClass] = static_cast<std::int16_t>(skill);
    game.rules[rule::ChanceClass] = static_cast<std::int16_t>(chance);
    return game;
}

class GameListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto freeCell = Classed(MakeGame(1, "FreeCell", 4), 1, 1, 1, 0);
        freeCell.selected = true;
        auto klondike = Classed(MakeGame(2, "klondike", 5), 2, 1, 2, 3);
        klondike.groupMark = '1';
        klondike.selected = true;
        klondike.rules[rule::PassesAllowed] = -1;
        klondike.rules[rule::PackSize] = 52;
        klondike.rules[rule::WonSample] = 1;
        klondike.rules[rule::PlayedSample] = 3;
        auto bakers = Classed(MakeGame(6, "Baker's Dozen", 12), 2, 1, 1, 1);
        bakers.groupMark = '1';
        auto spider = Classed(MakeGame(11, "Spider", 8), 0, 2, 1, 4);
        spider.rules[rule::PackSize] = 104;
        spider.selected = true;
        testing::WriteGameFile(folder, {freeCell, klondike, bakers, spider, MakeGame(30, "Hidden", 4, '1')});
        mainGame.programFolder = folder.path();
        mainGame.dataFolder = folder.path();
        ASSERT_TRUE(mainGame.LoadCatalogue());
    }

    TempFolder folder;
    TMainGame mainGame;
};

TEST_F(GameListsTest, ListsAreInNameOrderWithoutRegardToCase)
{
    const auto sorted = SortedCatalogue(mainGame.Catalogue());
    EXPECT_EQ(Numbers(sorted), (std::vector<int>{6, 1, 2, 11}));
    EXPECT_EQ(sorted[2].name, "klondike");
    EXPECT_EQ(sorted[2].family, 5);
    EXPECT_EQ(Numbers(NewGames(sorted)), (std::vector<int>{6, 2})) << "group mark 1, name order";
    EXPECT_EQ(Numbers(SelectionGames(mainGame)), (std::vector<int>{1, 2, 11}));
}

TEST_F(GameListsTest, GroupsHoldTheirFamilyOrFeatureClass)
{
    const auto sorted = SortedCatalogue(mainGame.Catalogue());
    const FeatureTable features = ReadGameFeatures(mainGame);
    ASSERT_EQ(features.size(), 4u);
    EXPECT_EQ(features.at(11), (std::array<int, 4>{0, 2, 1, 4}));

    const GroupNode* freeCellType = FindGroup(node::FreeCellType);
    ASSERT_NE(freeCellType, nullptr);
    EXPECT_EQ(freeCellType->caption, "FreeCell type");
    EXPECT_EQ(Numbers(GamesOfGroup(*freeCellType, sorted, features)), (std::vector<int>{1}));
    EXPECT_EQ(FamilyGroup(12)->caption, "Baker's Dozen type");
    EXPECT_EQ(FamilyGroup(800), nullptr) << "custom games have a group of their own";

    const GroupNode* byTime = FindGroup(node::ByGameTime);
    ASSERT_NE(byTime, nullptr);
    ASSERT_EQ(byTime->children.size(), 3u);
    EXPECT_EQ(byTime->children[0].caption, "Quick");
    EXPECT_EQ(Numbers(GamesOfGroup(byTime->children[0], sorted, features)), (std::vector<int>{6, 2}));
    EXPECT_EQ(Numbers(GamesOfGroup(byTime->children[2], sorted, features)), (std::vector<int>{11})) << "Long";
    const GroupNode* byChance = FindGroup(node::ByChance);
    EXPECT_EQ(byChance->children.front().caption, "Very low");
    EXPECT_EQ(Numbers(GamesOfGroup(byChance->children.front(), sorted, features)), (std::vector<int>{11}));
    EXPECT_EQ(Numbers(GamesOfGroup(*FindGroup(node::NewGames), sorted, features)), (std::vector<int>{6, 2}));
}

TEST(GroupTreeTest, FixedNodesAndTheirCodesAreUnique)
{
    const auto& tree = GroupTree();
    ASSERT_EQ(tree.size(), 5u);
    EXPECT_EQ(tree[0].caption, "Customized games");
    EXPECT_EQ(tree[1].children.size(), 26u);
    EXPECT_EQ(tree[4].caption, "New games");
    std::vector<int> codes;
    std::vector<int> families;
    const auto collect = [&](const auto& self, const std::vector<GroupNode>& nodes) -> void {
        for (const auto& group : nodes) {
            codes.push_back(group.code);
            if (group.kind == GroupKind::Family)
                families.push_back(group.family);
            self(self, group.children);
        }
    };
    collect(collect, tree);
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end()) << "every node found by its code";
    std::sort(families.begin(), families.end());
    for (int family = 2; family <= 27; ++family)
        EXPECT_TRUE(std::binary_search(families.begin(), families.end(), family)) << family;
    EXPECT_FALSE(FindGroup(node::OtherGroups)->children[0].HoldsGames()) << "no game data marks original games";
}

TEST_F(GameListsTest, DescriptionOfBuiltInGames)
{
    const GameDescription klondike = DescribeGame(mainGame, 2);
    EXPECT_EQ(klondike.name, "klondike");
    EXPECT_EQ(klondike.decks, "1");
    EXPECT_EQ(klondike.redeals, "Unlimited");
    EXPECT_EQ(klondike.gameTime.text, "Quick");
    EXPECT_EQ(klondike.gameTime.picture, "PROG_TIME_QUICK");
    EXPECT_EQ(klondike.skill.text, "Moderate");
    EXPECT_EQ(klondike.chance.text, "Low (1 in 3  -  33.3%)");
    EXPECT_EQ(klondike.chance.picture, "PROG_CHAN_LOW");
    EXPECT_FALSE(klondike.custom);

    const GameDescription spider = DescribeGame(mainGame, 11);
    EXPECT_EQ(spider.decks, "2");
    EXPECT_EQ(spider.redeals, "0") << "passes 0";
    EXPECT_EQ(spider.chance.text, "Very low") << "no games played: no ratio";
    EXPECT_EQ(spider.difficulty.picture, "PROG_DIFF_HARD");
}

TEST_F(GameListsTest, CustomGameTakesItsBaseColumnAndItsOwnPasses)
{
    testing::WriteCustomGames(folder, {{"8001", "My Klondike", "2", "0010030"}, {"8002", "Odd", "11", "1"}});
    const GameDescription custom = DescribeGame(mainGame, 8001);
    EXPECT_TRUE(custom.custom);
    EXPECT_EQ(custom.name, "My Klondike");
    EXPECT_EQ(custom.redeals, "2") << "three passes from the record";
    EXPECT_EQ(custom.decks, "1");
    for (const auto* value : {&custom.gameTime, &custom.difficulty, &custom.skill, &custom.chance}) {
        EXPECT_EQ(value->text, "Customized game");
        EXPECT_EQ(value->picture, "PROG_DISABLED");
    }
    EXPECT_EQ(DescribeGame(mainGame, 8002).decks, "2");
    EXPECT_EQ(DescribeGame(mainGame, 8002).redeals, "0") << "a record too short for passes keeps the base game's";
}

TEST(DescriptionTextTest, ChanceRedealsDecksAndClasses)
{
    EXPECT_EQ(ChanceOf(1, 3, 4).text, "High (3 in 4  -  75%)");
    EXPECT_EQ(ChanceOf(2, 2, 3).text, "Medium (2 in 3  -  66.7%)");
    EXPECT_EQ(ChanceOf(0, 9, 10).text, "Very high (9 in 10  -  90%)");
    EXPECT_EQ(ChanceOf(4, 1, 0).text, "Very low");
    EXPECT_EQ(ChanceOf(3, -99, -99).text, "Low") << "unread counts";
    EXPECT_EQ(PercentText(1, 200), "0.5");
    EXPECT_EQ(PercentText(1, 8), "12.5");

    EXPECT_EQ(RedealsText(-1), "Unlimited");
    EXPECT_EQ(RedealsText(0), "0");
    EXPECT_EQ(RedealsText(1), "0");
    EXPECT_EQ(RedealsText(3), "2");
    EXPECT_EQ(RedealsText(-99), "0") << "an unread value";

    EXPECT_EQ(DecksText(52), "1");
    EXPECT_EQ(DecksText(156), "3");
    EXPECT_EQ(DecksText(32), "1") << "a stripped pack";
    EXPECT_EQ(DecksText(-99), "0");

    EXPECT_EQ(GameTimeOf(0).text, "Long");
    EXPECT_EQ(DifficultyOf(0).text, "Easy");
    EXPECT_EQ(SkillOf(0).text, "Difficult");
    EXPECT_EQ(SkillOf(4).picture, "PROG_SKILL_CHANCEONLY");
    EXPECT_EQ(GameTimeOf(3).text, "");
    EXPECT_EQ(SkillOf(-1).picture, "");
}

TEST(StoredGameListsTest, ParseFormatAndRecentOrder)
{
    EXPECT_EQ(ParseGameList("1,8,8012"), (std::vector<int>{1, 8, 8012}));
    EXPECT_EQ(ParseGameList(" 4 , x, -2,,4,12"), (std::vector<int>{4, 12})) << "junk and repeats skipped";
    EXPECT_TRUE(ParseGameList("").empty());
    EXPECT_EQ(FormatGameList({3, 1}), "3,1");
    EXPECT_EQ(ParseGameList(FormatGameList({7, 0, 9999})), (std::vector<int>{7, 0, 9999}));

    EXPECT_EQ(WithRecentGame({}, 5, 3), (std::vector<int>{5}));
    EXPECT_EQ(WithRecentGame({1, 2, 3}, 2, 3), (std::vector<int>{2, 1, 3})) << "moved to the front";
    EXPECT_EQ(WithRecentGame({1, 2, 3}, 4, 3), (std::vector<int>{4, 1, 2})) << "the oldest falls off";
}

} // namespace
} // namespace marlowe
