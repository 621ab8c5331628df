// The catalogue of built-in games, the custom-games file and the version file.

#include "app/session_registers.h"
#include "catalogue/main_game.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace marlowe {
namespace {

using testing::MakeGame;
using testing::TempFolder;

class CatalogueTest : public ::testing::Test {
protected:
    void Load(const std::vector<gamec::CompiledGame>& games)
    {
        testing::WriteGameFile(folder, games);
        mainGame.programFolder = folder.path();
        mainGame.dataFolder = folder.path();
        ASSERT_TRUE(mainGame.LoadCatalogue());
    }

    TempFolder folder;
    TMainGame mainGame;
};

TEST_F(CatalogueTest, OnlyClassesZeroAndTwoAreListedAndIndicesCloseUp)
{
    Load({MakeGame(0, "Zero"), MakeGame(1, "FreeCell"), MakeGame(2, "Hidden", 5, '1'), MakeGame(3, "Three", 5, '2'),
          MakeGame(7, "Seven", 12)});
    ASSERT_EQ(mainGame.Catalogue().size(), 4u);
    EXPECT_EQ(mainGame.CatalogueIndex(0), 0);
    EXPECT_EQ(mainGame.CatalogueIndex(1), 1);
    EXPECT_EQ(mainGame.CatalogueIndex(2), -1);
    EXPECT_EQ(mainGame.CatalogueIndex(3), 2) << "one less than its position in the file";
    EXPECT_EQ(mainGame.CatalogueIndex(7), 3);
    EXPECT_EQ(mainGame.GameName(2), "");
    EXPECT_EQ(mainGame.GameName(3), "Three");
    EXPECT_EQ(mainGame.GameFamily(7), 12);
}

TEST_F(CatalogueTest, LookupsOfUnknownNegativeAndCustomNumbers)
{
    Load({MakeGame(1, "FreeCell")});
    EXPECT_EQ(mainGame.GameName(99), "");
    EXPECT_EQ(mainGame.GameFamily(99), -1);
    EXPECT_EQ(mainGame.GameFamily(-1), -1);
    EXPECT_EQ(mainGame.CatalogueIndex(-1), -1);
    EXPECT_EQ(mainGame.GameFamily(8123), 800) << "every custom game, known or not";
    EXPECT_EQ(mainGame.CatalogueIndex(8123), -1);
    EXPECT_EQ(mainGame.GameName(8000), "");
}

TEST_F(CatalogueTest, GameNumberByNameIgnoresCaseAndTrailingSpaces)
{
    Load({MakeGame(1, "FreeCell"), MakeGame(2, "Klondike", 5)});
    EXPECT_EQ(mainGame.GameNumberByName("FreeCell"), 1);
    EXPECT_EQ(mainGame.GameNumberByName("freecell"), 1);
    EXPECT_EQ(mainGame.GameNumberByName("FREECELL  "), 1);
    EXPECT_EQ(mainGame.GameNumberByName("Klondike"), 2);
    EXPECT_EQ(mainGame.GameNumberByName("Free"), -1);
    EXPECT_EQ(mainGame.GameNumberByName(" FreeCell"), -1) << "leading spaces are part of the name";
}

TEST_F(CatalogueTest, NarrowScreensRefuseOnlyWideGames)
{
    auto wide = MakeGame(5, "Wide Game");
    wide.wideScreen = true;
    Load({MakeGame(1, "FreeCell"), wide});
    testing::WriteCustomGames(folder, {{"8001", "My wide", "5", "001001"}, {"8002", "My narrow", "1", "001001"}});

    EXPECT_TRUE(mainGame.CanPlayOnScreen(5, 1024));
    EXPECT_TRUE(mainGame.CanPlayOnScreen(5, 650));

    EXPECT_TRUE(mainGame.CanPlayOnScreen(1, 640));
    EXPECT_TRUE(mainGame.CanPlayOnScreen(42, 640)) << "a game not in the catalogue passes";
    EXPECT_TRUE(mainGame.CanPlayOnScreen(8002, 640));
    const Outcome wideGame = mainGame.CanPlayOnScreen(5, 640);
    const Outcome customWideGame = mainGame.CanPlayOnScreen(8001, 640);
    EXPECT_FALSE(wideGame);
    EXPECT_FALSE(customWideGame) << "a custom game is judged by its base game";
    EXPECT_NE(wideGame.message().find("You can't play: Wide Game"), std::string::npos);
    EXPECT_NE(customWideGame.message().find("You can't play: My wide"), std::string::npos);
}

TEST_F(CatalogueTest, MissingGameFileIsReportedWithItsPath)
{
    mainGame.programFolder = folder.path();
    const auto loaded = mainGame.LoadCatalogue();
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.message().find("Cannot find file:"), std::string::npos);
    EXPECT_NE(loaded.message().find((folder / "GAMES.DAT").string()), std::string::npos);
}

TEST_F(CatalogueTest, CustomGamesAreListedByNameThenNumber)
{
    Load({MakeGame(1, "FreeCell"), MakeGame(2, "klondike", 5)});
    EXPECT_FALSE(mainGame.ListCustomGames()) << "no file, no list";
    EXPECT_EQ(mainGame.FindCustomGame(8000).baseNumber, -1);

    testing::WriteCustomGames(folder, {{"8002", "B", "1", "0010039"},
                                       {"8001", "A", "2", "003-01x123"},
                                       {"8003", "a", "1", ""},
                                       {"80x4", "Broken number", "1", "1"}});
    const auto custom = mainGame.ListCustomGames();
    ASSERT_TRUE(custom);
    ASSERT_EQ(custom->size(), 4u);
    EXPECT_EQ((*custom)[0].name, "A");
    EXPECT_EQ((*custom)[0].number, 8001);
    EXPECT_EQ((*custom)[0].baseNumber, 2);
    EXPECT_EQ((*custom)[0].recordHead, "003-01x");
    EXPECT_EQ((*custom)[1].name, "a");
    EXPECT_EQ((*custom)[1].number, 8003);
    EXPECT_EQ((*custom)[2].name, "B");
    EXPECT_EQ((*custom)[3].number, 0) << "a number field that is not a number counts as 0";

    const auto found = mainGame.FindCustomGame(8002);
    EXPECT_EQ(found.baseNumber, 1);
    EXPECT_EQ(found.record, "0010039");
    EXPECT_EQ(mainGame.FindCustomGame(8009).baseNumber, -1);

    const auto names = mainGame.ListAllGameNames();
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[0], "A");
    EXPECT_EQ(names[1], "a");
    EXPECT_EQ(names[2], "B");
    EXPECT_EQ(names[3], "Broken number");
    EXPECT_EQ(names[4], "FreeCell" + std::string(42, ' ')) << "catalogue names keep their padding";
    EXPECT_EQ(names[5].substr(0, 8), "klondike");
}

TEST_F(CatalogueTest, CustomGamesFileFoundWithoutRegardToCase)
{
    Load({MakeGame(1, "FreeCell")});
    testing::WriteCustomGames(folder, {{"8001", "Mine", "1", "001"}});
    std::filesystem::rename(folder / "GAM_CUST.DAT", folder / "gam_cust.dat");
    EXPECT_EQ(mainGame.FindCustomGame(8001).baseNumber, 1);
}

TEST_F(CatalogueTest, AStoredGameMissingFromTheCatalogueIsForgotten)
{
    Load({MakeGame(1, "FreeCell"), MakeGame(2, "Klondike", 5)});
    SessionRegisters registers;
    const struct {
        const char* stored;
        const char* kept;
    } rows[] = {{"0002", "0002"}, {"0007", "-001"}, {"-001", "-001"}, {"8001", "-001"}};
    for (const auto& row : rows) {
        registers.Set(reg::GameNumber, row.stored);
        registers.Set(reg::GameName, "Some name");
        mainGame.CheckStoredGame(registers);
        EXPECT_EQ(registers.Get(reg::GameNumber), row.kept) << row.stored;
        EXPECT_EQ(registers.Get(reg::GameName), std::string(row.stored) == row.kept ? "Some name" : "") << row.stored;
    }
}

TEST(FamilyResourceName, NamesTheTreeNodeOfEveryFamily)
{
    EXPECT_EQ(FamilyResourceName(2), "TREE5_CANFIELD_TYPE");
    EXPECT_EQ(FamilyResourceName(4), "TREE5_FREECELL_TYPE");
    EXPECT_EQ(FamilyResourceName(17), "TREE5_BELEAGUEREDCASTLE_TYPE");
    EXPECT_EQ(FamilyResourceName(27), "TREE5_SLYFOX_TYPE");
    EXPECT_EQ(FamilyResourceName(800), "TREE5_CUSTOMIZED_GAMES");
    EXPECT_EQ(FamilyResourceName(1), "");
    EXPECT_EQ(FamilyResourceName(28), "");
}

TEST(VersionFile, WrittenOnceWhenMissing)
{
    TempFolder folder;
    WriteVersionFileIfMissing(folder.path());
    std::ifstream in(folder / "SOLV1000.DAT");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "Kestrel version: 10.00");

    folder.Write("SOLV1000.DAT", {"kept"});
    WriteVersionFileIfMissing(folder.path());
    std::ifstream again(folder / "SOLV1000.DAT");
    std::getline(again, line);
    EXPECT_EQ(line, "kept");
}

} // namespace
} // namespace marlowe
