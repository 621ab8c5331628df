// The preferences file: defaults of a new data folder, conversions into the registers, names
// matched without regard to case, writes that keep the rest of the file, the autoplay memory,
// the run counter, and files that cannot be written or read.

#include "app/session_registers.h"
#include "catalogue/main_game.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace marlowe {
namespace {

namespace fs = std::filesystem;

class PreferencesTest : public ::testing::Test {
protected:
    void PutFile(const std::string& name, const std::string& text)
    {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    std::string FileText(const std::string& name = "Cfg.dat") const
    {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t FilesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }
    Preferences Make() { return Preferences(folder_, registers_, presentation_); }

    testing::TempFolder temp_;
    const fs::path folder_ = temp_.path();
    SessionRegisters registers_;
    RecordingPresentation presentation_;
    TMainGame game_;
};

struct Field {
    RegisterField field;
    const char* value;
};

TEST_F(PreferencesTest, NewDataFolderStartsWithEveryDefaultAndThreePlayers)
{
    Preferences preferences = Make();
    preferences.ReadAllPreferences(game_, DisplayFacts{2000, 1200, 999999999});
    preferences.EnsureDefaultPlayers();

    const Field expected[] = {
        {reg::CardBack, "011"}, {reg::CardSet, "001"}, {reg::DefaultBackground, "N"},
        {reg::BackgroundColour, "-2147483633"}, {reg::BackgroundPicture, "0"},
        {reg::FixedBackgroundColour, "32768"}, {reg::GameNumber, "0001"}, {reg::ShowTime, "Y"},
        {reg::AnimateCardMoves, "Y"}, {reg::LanguageBase, "20000"}, {reg::MoveSpeed, "10"},
        {reg::StatusBar, "N"}, {reg::Player, "Player 1"}, {reg::ScoringType, "01"}, {reg::CardSize, "B"},
        {reg::UndoSetting, "0"}, {reg::SoundsEnabled, "Y"}, {SoundSwitch::GameWon, "Y"},
        {SoundSwitch::NewGame, "N"}, {SoundSwitch::Undo, "Y"}, {reg::CursorSet, "10"}, {reg::CardShadows, "Y"},
        {reg::PickedCardsDrawing, "N"}, {reg::ConfirmQuitGame, "N"}, {reg::ConfirmEnterHiScores, "Y"},
        {reg::GameName, "FreeCell"}, {reg::AutomaticFaceUp, "Y"}, {reg::ShowPileSizes, "N"},
        {reg::CustomisedBackgroundFile, ""}, {reg::DoubleClickToFoundations, "Y"},
        {reg::DoubleClickToTableaus, "N"}, {SoundSwitch::RedealWithoutAnimation, "Y"},
        {reg::ShowPartlyHiddenCards, "Y"}, {reg::CustomisedCardSetFile, ""},
        {reg::AdditionalBackgroundFile, ""},
    };
    for (const Field& field : expected)
        EXPECT_EQ(registers_.Get(field.field), field.value) << "register " << field.field.Position();
    EXPECT_EQ(game_.AutoPlayMode, 1);
    EXPECT_EQ(game_.RandomGameType, 2);
    EXPECT_FALSE(game_.StatisticsDisabled);

    // Defaults of the keys read where they are needed, some from the display.
    EXPECT_EQ(preferences.ReadInt("Preference", "MainWindowState_Width"), 1850);
    EXPECT_EQ(preferences.ReadInt("Preference", "MainWindowState_Height"), 1050);
    EXPECT_EQ(preferences.ReadInt("Preference", "Game_TreeNum"), -30);
    EXPECT_EQ(preferences.ReadString("Preference", "ToolBar_Large"), "Y");
    EXPECT_EQ(preferences.ReadString("Preference", "No_Such_Key"), "");
    EXPECT_EQ(preferences.ReadString("Preference", "Game_name", "given"), "given");

    EXPECT_EQ(preferences.ReadString("Preference", "UserDefault"), "Player 1");
    for (const char* n : {"1", "2", "3"})
        EXPECT_EQ(preferences.ReadString("Users", std::string("User00") + n), std::string("Player ") + n);
    EXPECT_TRUE(presentation_.events.empty());
}

TEST_F(PreferencesTest, DefaultsThatDependOnTheMachineOrAnotherKey)
{
    PutFile("Cfg.dat", "[Preference]\nCards_Animate=N\n");
    Preferences preferences = Make();
    preferences.ReadAllPreferences(game_, DisplayFacts{800, 600, 256});
    EXPECT_EQ(registers_.Get(reg::CardSet), "003");     // few colours: the card set drawn for them
    EXPECT_EQ(registers_.Get(reg::CardShadows), "N"); // shadows follow the animation setting
    EXPECT_EQ(preferences.ReadString("Preference", "Cards_Shadowed"), "N");
}

TEST_F(PreferencesTest, StoredValuesAreConvertedToTheRegisterForm)
{
    struct Case {
        const char* line;
        Field field;
    };
    const Case cases[] = {
        {"Background_Col=0", {reg::BackgroundColour, "-2147483633"}},
        {"Back_Card=0", {reg::CardBack, "001"}},
        {"Back_Card=7", {reg::CardBack, "007"}},
        {"Card=4", {reg::CardSet, "004"}},
        {"Game=-1", {reg::GameNumber, "-001"}},
        {"Game=12", {reg::GameNumber, "0012"}},
        {"Game=123456", {reg::GameNumber, "0001"}}, // does not fit: the default, never asterisks
        {"Background_bmp=", {reg::BackgroundPicture, "0"}},
        {"Speed_Move_Card=fast", {reg::MoveSpeed, "10"}},
        {"Customized_Deck=back.jpg", {reg::CustomisedDeckFile, "Y"}},
        {"Additional_Cards_Set=set2", {reg::AdditionalCardSetFile, "Y"}},
        {"UserDefault=Ann", {reg::Player, "Ann"}},
    };
    for (const Case& c : cases) {
        PutFile("Cfg.dat", std::string("[Preference]\n") + c.line + "\n");
        registers_.Reset();
        Make().ReadAllPreferences(game_, DisplayFacts{});
        EXPECT_EQ(registers_.Get(c.field.field), c.field.value) << c.line;
    }
}

TEST_F(PreferencesTest, StoredValuesReachTheGameWords)
{
    PutFile("Cfg.dat", "[Preference]\nAutoPlay_All_Games=2\nHighLights_Foundations_Mark=3\n"
                       "HighLights_Foundations_Color=5\nDisable_Statistics=Y\n"
                       "[Settings]\nRandom_Game_Type=0\nGames_Fast_Search_Type=1\n");
    Make().ReadAllPreferences(game_, DisplayFacts{});
    EXPECT_EQ(game_.AutoPlayMode, 2);
    EXPECT_EQ(game_.FoundationMarkStyle, 3);
    EXPECT_EQ(game_.FoundationMarkColour, 5);
    EXPECT_TRUE(game_.StatisticsDisabled);
    EXPECT_EQ(game_.RandomGameType, 0);
    EXPECT_EQ(game_.GamesFastSearchType, 1);

    PutFile("Cfg.dat", "[Preference]\nAutoPlay_All_Games=9\n");
    Make().ReadAllPreferences(game_, DisplayFacts{});
    EXPECT_EQ(game_.AutoPlayMode, 1);
}

TEST_F(PreferencesTest, FileSectionAndKeyNamesAreMatchedWithoutCase)
{
    PutFile("CFG.DAT", "[preference]\nGAME_NAME=Klondike\n");
    Preferences preferences = Make();
    preferences.ReadAllPreferences(game_, DisplayFacts{});
    EXPECT_EQ(registers_.Get(reg::GameName), "Klondike");
    EXPECT_EQ(preferences.ReadString("Preference", "Game_name"), "Klondike");

    ASSERT_TRUE(preferences.WriteString("Preference", "Game_Name", "Spider"));
    EXPECT_EQ(FileText("CFG.DAT"), "[preference]\nGAME_NAME=Spider\n");
    EXPECT_EQ(FilesInFolder(), 1u); // updated under its own name, no temporary left behind
}

TEST_F(PreferencesTest, WritingKeepsTheOtherKeysAndTheirSpelling)
{
    PutFile("Cfg.dat", "[Preference]\nBackground_Def=N\nGame=5\n[Users]\nUser001=Ann\n");
    Preferences preferences = Make();
    ASSERT_TRUE(preferences.WriteString("Preference", "Background_def", "Y"));
    ASSERT_TRUE(preferences.WriteInt("Settings", "Random_Game_Type", 3));
    const std::string text = FileText();
    for (const char* line : {"\nBackground_Def=Y\n", "\nGame=5\n", "\nUser001=Ann\n", "\nRandom_Game_Type=3\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("Background_def"), std::string::npos);
    EXPECT_EQ(preferences.ReadInt("settings", "random_game_type"), 3);

    // A value cannot break the file into extra lines.
    ASSERT_TRUE(preferences.WriteString("Users", "User002", "Bob\n[Preference]\nGame=9"));
    EXPECT_EQ(preferences.ReadInt("Preference", "Game"), 5);
}

TEST_F(PreferencesTest, AutoplaySwitchOfBuiltInGamesGrowsTheGamesString)
{
    game_.AutoPlayMode = 2;
    Preferences preferences = Make();
    ASSERT_TRUE(preferences.StoreAutoplaySwitch(game_, 20, false, true));
    std::string games = preferences.ReadString("Autoplay", "Games");
    EXPECT_EQ(games, std::string(20, 'Y') + "N" + std::string(9, 'Y'));

    ASSERT_TRUE(preferences.StoreAutoplaySwitch(game_, 28, false, true)); // fits: no growth
    EXPECT_EQ(preferences.ReadString("Autoplay", "Games").size(), 30u);
    ASSERT_TRUE(preferences.StoreAutoplaySwitch(game_, 29, false, true)); // the last place: grows
    EXPECT_EQ(preferences.ReadString("Autoplay", "Games").size(), 39u);
    ASSERT_TRUE(preferences.StoreAutoplaySwitch(game_, 20, true, true));

    EXPECT_TRUE(preferences.ReadAutoplaySwitch(game_, 20));
    EXPECT_FALSE(preferences.ReadAutoplaySwitch(game_, 28));
    EXPECT_TRUE(preferences.ReadAutoplaySwitch(game_, 27));
    EXPECT_TRUE(preferences.ReadAutoplaySwitch(game_, 500)); // beyond the string: on
}

TEST_F(PreferencesTest, AutoplaySwitchOfCustomGamesHasAKeyEach)
{
    game_.AutoPlayMode = 2;
    Preferences preferences = Make();
    ASSERT_TRUE(preferences.StoreAutoplaySwitch(game_, 8001, false, true));
    EXPECT_EQ(preferences.ReadString("Autoplay", "Cust_8001"), "N");
    EXPECT_FALSE(preferences.ReadAutoplaySwitch(game_, 8001));
    EXPECT_TRUE(preferences.ReadAutoplaySwitch(game_, 8002));
    EXPECT_EQ(preferences.ReadString("Autoplay", "Games"), ""); // built-in switches untouched
}

TEST_F(PreferencesTest, AutoplaySwitchIsKeptOnlyPerGameWithTheCommandEnabled)
{
    Preferences preferences = Make();
    game_.AutoPlayMode = 1;
    EXPECT_TRUE(preferences.StoreAutoplaySwitch(game_, 20, false, true));
    game_.AutoPlayMode = 2;
    EXPECT_TRUE(preferences.StoreAutoplaySwitch(game_, 20, false, false));
    EXPECT_FALSE(fs::exists(folder_ / "Cfg.dat"));
}

TEST_F(PreferencesTest, RunsAreCountedUpTo51)
{
    struct Case {
        const char* stored; // nullptr: no key yet
        int counted;
    };
    const Case cases[] = {{nullptr, 1}, {"7", 8}, {"50", 51}, {"51", 51}, {"60", 60}};
    for (const Case& c : cases) {
        fs::remove(folder_ / "Cfg.dat");
        if (c.stored)
            PutFile("Cfg.dat", std::string("[Parameters]\nRun_Exe=") + c.stored + "\n");
        Preferences preferences = Make();
        EXPECT_EQ(preferences.CountRun(), c.counted) << (c.stored ? c.stored : "none");
        EXPECT_EQ(preferences.ReadInt("Parameters", "Run_Exe"), c.counted);
    }
}

TEST_F(PreferencesTest, ExistingPlayersAreKept)
{
    PutFile("Cfg.dat", "[Preference]\nUserDefault=Ann\n");
    Preferences preferences = Make();
    preferences.EnsureDefaultPlayers();
    EXPECT_EQ(registers_.Get(reg::Player), "Ann");
    EXPECT_EQ(FileText(), "[Preference]\nUserDefault=Ann\n"); // nothing written

    PutFile("Cfg.dat", "[Users]\nUser001=Ann\n");
    preferences.EnsureDefaultPlayers();
    EXPECT_EQ(registers_.Get(reg::Player), "Player 1");
    EXPECT_EQ(preferences.ReadString("Users", "User001"), "Ann");
    EXPECT_EQ(preferences.ReadString("Users", "User002"), "Player 2");
}

TEST_F(PreferencesTest, FailedWritesKeepTheSettingAndAreReportedOnce)
{
    struct Setup {
        const char* what;
        fs::path dataFolder;
    };
    fs::create_directory(folder_ / "cfg-is-a-folder");
    fs::create_directory(folder_ / "cfg-is-a-folder" / "Cfg.dat");
    PutFile("a-file", "not a folder");
    const Setup setups[] = {
        {"file name is a folder", folder_ / "cfg-is-a-folder"},
        {"data folder is a file", folder_ / "a-file"},
        {"data folder missing", folder_ / "gone"},
    };
    for (const Setup& setup : setups) {
        RecordingPresentation presentation;
        SessionRegisters registers;
        Preferences preferences(setup.dataFolder, registers, presentation);
        preferences.ReadAllPreferences(game_, DisplayFacts{});
        EXPECT_EQ(registers.Get(reg::GameName), "FreeCell") << setup.what; // unreadable: defaults

        registers.Set(reg::GameName, "Spider");
        EXPECT_FALSE(preferences.WriteString("Preference", "Game_name", "Spider")) << setup.what;
        EXPECT_FALSE(preferences.WriteInt("Preference", "Game", 5)) << setup.what;
        preferences.EnsureDefaultPlayers();
        EXPECT_EQ(registers.Get(reg::GameName), "Spider") << setup.what;
        EXPECT_EQ(registers.Get(reg::Player), "Player 1") << setup.what;
        ASSERT_EQ(presentation.events.size(), 1u) << setup.what;
        EXPECT_NE(presentation.events[0].find(preferences.FilePath().string()), std::string::npos);
        EXPECT_NE(presentation.events[0].find("until the program ends"), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "cfg-is-a-folder" / "Cfg.dat"));
    EXPECT_EQ(FileText("a-file"), "not a folder");
}

TEST_F(PreferencesTest, DamagedFileReadsAsDefaults)
{
    std::mt19937 random(2002);
    std::string garbage;
    for (int i = 0; i < 4000; ++i)
        garbage.push_back(static_cast<char>(random() % 256));
    const std::string damaged[] = {
        garbage,
        "no equals sign here\n[Preference\nGame_name\n=Spider\n[Preference]\n]]]\n",
        std::string("[Preference]\nCard_Size=X\0Game_name=Spider\n", 42),
    };
    for (const std::string& text : damaged) {
        PutFile("Cfg.dat", text);
        registers_.Reset();
        Preferences preferences = Make();
        preferences.ReadAllPreferences(game_, DisplayFacts{});
        EXPECT_EQ(registers_.Get(reg::GameName), "FreeCell");
        EXPECT_EQ(registers_.Get(reg::GameNumber), "0001");
        // The file can still be written, and then holds the written key.
        ASSERT_TRUE(preferences.WriteString("Preference", "Game", "7"));
        EXPECT_EQ(preferences.ReadInt("Preference", "Game"), 7);
    }
}

TEST_F(PreferencesTest, DamagedFileIsKeptBesideItBeforeDefaultsAreWritten)
{
    std::string damaged = "[Preference]\nGame_name=Spider\n";
    for (int i = 0; i < 100; ++i)
        damaged += "Back_Card" + std::to_string(i) + " lost its equals sign\n";
    damaged += std::string("Card=2\0\0\0[Users]\nUser001=Anna\n", 28);
    PutFile("Cfg.dat", damaged);

    Preferences preferences = Make();
    preferences.EnsureDefaultPlayers();
    EXPECT_EQ(FileText("Cfg.dat.damaged"), damaged);
    ASSERT_EQ(presentation_.events.size(), 1u);
    EXPECT_NE(presentation_.events[0].find((folder_ / "Cfg.dat.damaged").string()), std::string::npos);
    EXPECT_EQ(preferences.ReadString("Preference", "UserDefault"), "Player 1");

    // The file written is whole again: later writes keep no copy and tell nothing.
    ASSERT_TRUE(preferences.WriteInt("Preference", "Game", 7));
    EXPECT_EQ(presentation_.events.size(), 1u);
    EXPECT_EQ(FileText("Cfg.dat.damaged"), damaged);
}

} // namespace
} // namespace marlowe
