// The players dialog on a fresh data folder: the list and its button states, adding, renaming
// (with the records carried over) and deleting players (with their records reset), the change of
// player, and what closing stores. Names are typed through the dialog's replaceable name box, and
// messages and questions go to a recording presentation. A picture of it goes to build/ui-shots.

#include "ui/players_dialog.h"

#include "board/resource_modules.h"
#include "engine/game_context.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "test_support.h"
#include "ui/player_name_dialog.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <iterator>

namespace marlowe {
namespace {

namespace fs = std::filesystem;

struct NameRequest {
    QString caption;
    std::string name;
};

class PlayersDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        context.mainGame.dataFolder = data.path();
        context.registers.Set(reg::ConfirmQuitGame, "Y"); // ask before a game in progress is abandoned
        preferences.EnsureDefaultPlayers();
        ASSERT_TRUE(modules.Open(ResourceModule::Standard));
    }

    // The name box answers with the queued names (nothing: cancel), then cancels; every request
    // is noted.
    void Answer(TfrmPlayers& dialog, std::deque<std::optional<std::string>> names)
    {
        answers = std::move(names);
        dialog.askName = [this](const QString& caption, const std::string& name) -> std::optional<std::string> {
            requests.push_back({caption, name});
            if (answers.empty())
                return std::nullopt;
            auto answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }

    // Shows the dialog and runs step inside its event loop, then closes it with Cancel.
    bool ShowAndDo(TfrmPlayers& dialog, const std::function<void()>& step)
    {
        QTimer::singleShot(0, &dialog, [&dialog, step] {
            step();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.ShowDialog();
    }

    static QStringList Names(const TfrmPlayers& dialog)
    {
        const auto* list = dialog.findChild<QListWidget*>("lboOperatori");
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    static QString Selected(const TfrmPlayers& dialog)
    {
        const auto* list = dialog.findChild<QListWidget*>("lboOperatori");
        return list->currentItem() != nullptr && list->currentItem()->isSelected() ? list->currentItem()->text()
                                                                                     : QString();
    }
    static void SelectName(TfrmPlayers& dialog, const QString& name)
    {
        auto* list = dialog.findChild<QListWidget*>("lboOperatori");
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
    }
    static bool Enabled(const TfrmPlayers& dialog, const char* name)
    {
        return dialog.findChild<QWidget*>(name)->isEnabled();
    }

    void WriteFile(const std::string& name, const std::string& text) const
    {
        std::ofstream(data / name, std::ios::binary) << text;
    }
    std::string FileText(const std::string& name) const
    {
        std::ifstream in(data / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string User(int n) const { return preferences.ReadString("Users", PlayerKey(n), "?"); }

    testing::TempFolder data;
    RecordingPresentation presentation;
    GameContext context{presentation};
    Preferences preferences{data.path(), context.registers, presentation};
    ResourceModules modules{MARLOWE_BUILD_DIR};
    StatisticsFiles statistics{data.path(), RecordsFeedback{[this](const std::string& message) {
                                                 presentation.ShowInfo(message);
                                             }}};
    std::deque<std::optional<std::string>> answers;
    std::vector<NameRequest> requests;
};

TEST_F(PlayersDialogTest, FirstStartShowsThreePlayersWithTheCurrentOneSelectedAndNotDeletable)
{
    TfrmPlayers dialog(context, preferences, modules, statistics);
    EXPECT_EQ(dialog.windowTitle(), "Players");
    ShowAndDo(dialog, [&] {
        EXPECT_EQ(Names(dialog), (QStringList{"Player 1", "Player 2", "Player 3"}));
        EXPECT_EQ(Selected(dialog), "Player 1");
        EXPECT_TRUE(Enabled(dialog, "btnOK"));
        EXPECT_TRUE(Enabled(dialog, "tbEdit"));
        EXPECT_FALSE(Enabled(dialog, "tbDelete"));
        EXPECT_FALSE(dialog.findChild<QLabel*>("lblRename1")->isVisible());
        EXPECT_FALSE(dialog.findChild<QLabel*>("lblRename2")->isVisible());

        SelectName(dialog, "Player 2");
        EXPECT_TRUE(Enabled(dialog, "tbDelete"));
        dialog.findChild<QListWidget*>("lboOperatori")->clearSelection();
        EXPECT_FALSE(Enabled(dialog, "btnOK"));
        EXPECT_FALSE(Enabled(dialog, "tbEdit"));
        EXPECT_FALSE(Enabled(dialog, "tbDelete"));
        dialog.EditPlayer();
        dialog.SelectPlayer();
    });
    EXPECT_EQ(presentation.EventsStartingWith("info: "),
              (std::vector<std::string>{"info: Select a player.", "info: Select a player."}));
}

TEST_F(PlayersDialogTest, AddAsksAgainUntilTheNameIsUsableAndCancelStoresTheAddition)
{
    TfrmPlayers dialog(context, preferences, modules, statistics);
    Answer(dialog, {"", "Ann/a", " Player 2 ", "Anna"});
    ShowAndDo(dialog, [&] { dialog.AddPlayer(); });

    EXPECT_EQ(presentation.EventsStartingWith("info: "),
              (std::vector<std::string>{std::string("info: ") + kNameEmptyMessage,
                                        std::string("info: ") + kNameForbiddenMessage,
                                        std::string("info: ") + kNameExistsMessage}));
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].caption, "Add a player");
    EXPECT_EQ(requests[0].name, "");
    EXPECT_EQ(requests[2].name, "Ann/a"); // the box opens again with what was typed
    EXPECT_EQ(Names(dialog), (QStringList{"Anna", "Player 1", "Player 2", "Player 3"}));
    EXPECT_EQ(Selected(dialog), "Anna");

    // Cancel kept the current player and stored the new list.
    EXPECT_EQ(User(1), "Anna");
    EXPECT_EQ(User(4), "Player 3");
    EXPECT_EQ(context.registers.Get(reg::Player), "Player 1");
    EXPECT_EQ(preferences.ReadString("Preference", "UserDefault", ""), "Player 1");
}

TEST_F(PlayersDialogTest, NameBoxTakesThirtyCharactersAndTheListAcceptsThem)
{
    TfrmPlayers2 box;
    QLineEdit* edit = box.edtOperatore();
    EXPECT_EQ(edit->maxLength(), kLongestPlayerName);
    QTimer::singleShot(0, &box, [&] {
        EXPECT_EQ(box.windowTitle(), "Edit a player");
        EXPECT_EQ(edit->text(), "Old");
        edit->clear();
        QTest::keyClicks(edit, QString(35, 'w'));
        box.accept();
    });
    const auto typed = box.AskName(kEditPlayerCaption, "Old");
    EXPECT_EQ(typed, std::string(30, 'w'));

    TfrmPlayers dialog(context, preferences, modules, statistics);
    Answer(dialog, {*typed});
    ShowAndDo(dialog, [&] { dialog.AddPlayer(); });
    EXPECT_TRUE(presentation.EventsStartingWith("info: ").empty());
    EXPECT_EQ(User(4), std::string(30, 'w'));
}

TEST_F(PlayersDialogTest, RenamingTheCurrentPlayerKeepsItCurrentAndCarriesItsRecordsOver)
{
    WriteFile("Stat_prg_Player 1.dat", "AB!z");
    WriteFile("STAT.DAT", "[Version]\nVersion=0300\n[12]\nPlayer 1=000001 000001 000000 000001 000001 000120 "
                          "000000000300 000000000300\n");
    TfrmPlayers dialog(context, preferences, modules, statistics);
    Answer(dialog, {"Player 1", "Zed"});
    ShowAndDo(dialog, [&] {
        dialog.EditPlayer(); // the unchanged name is accepted at once and changes nothing
        EXPECT_TRUE(presentation.EventsStartingWith("info: ").empty());
        dialog.EditPlayer();
        EXPECT_EQ(Names(dialog), (QStringList{"Player 2", "Player 3", "Zed"}));
        EXPECT_EQ(Selected(dialog), "Zed");
        EXPECT_EQ(dialog.CurrentPlayer(), "Zed");
        EXPECT_FALSE(Enabled(dialog, "tbDelete"));
        EXPECT_FALSE(dialog.findChild<QLabel*>("lblRename1")->isVisible());
    });
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].caption, "Edit a player");
    EXPECT_EQ(requests[0].name, "Player 1");
    EXPECT_EQ(presentation.EventsStartingWith("info: "), (std::vector<std::string>{"info: Player renamed."}));
    EXPECT_FALSE(fs::exists(data / "Stat_prg_Player 1.dat"));
    EXPECT_EQ(FileText("Stat_prg_Zed.dat"), "AB!z");
    EXPECT_NE(FileText("STAT.DAT").find("\nZed=000001"), std::string::npos);
    EXPECT_EQ(context.registers.Get(reg::Player), "Zed");
    EXPECT_EQ(preferences.ReadString("Preference", "UserDefault", ""), "Zed");
    EXPECT_EQ(User(3), "Zed");
}

TEST_F(PlayersDialogTest, RenameOntoAnotherPlayersRecordsIsRefused)
{
    WriteFile("Stat_prg_Player 2.dat", "AAAA");
    WriteFile("stat_prg_ghost.dat", "GGGG"); // a player no longer listed, found whatever the case
    TfrmPlayers dialog(context, preferences, modules, statistics);
    Answer(dialog, {"Player 3", "Ghost"});
    ShowAndDo(dialog, [&] {
        SelectName(dialog, "Player 2");
        dialog.EditPlayer();
    });
    EXPECT_EQ(presentation.EventsStartingWith("info: "),
              (std::vector<std::string>{std::string("info: ") + kNameExistsMessage,
                                        std::string("info: ") + kNameExistsMessage}));
    EXPECT_EQ(FileText("Stat_prg_Player 2.dat"), "AAAA");
    EXPECT_EQ(FileText("stat_prg_ghost.dat"), "GGGG");
    EXPECT_EQ(User(2), "Player 2");
}

TEST_F(PlayersDialogTest, DeletingAPlayerAsksFirstThenRemovesItsNameAndRecords)
{
    const std::string figures = "000001 000001 000000 000001 000001 000120 000000000300 000000000300";
    WriteFile("STAT.DAT", "[Version]\nVersion=0300\n[12]\nPlayer 1=" + figures + "\nPlayer 2=" + figures + "\n");
    const std::string logLine = "20260101 10:00:00 01     0012 0000000000001 FreeCell";
    WriteFile("Stat_log.dat", logLine + std::string(82 - 1 - logLine.size(), ' ') + "Player 2" +
                                  std::string(22, ' ') + " Won \n" + logLine +
                                  std::string(82 - 1 - logLine.size(), ' ') + "Player 1" + std::string(22, ' ') +
                                  " Lost\n");
    TfrmPlayers dialog(context, preferences, modules, statistics);
    ShowAndDo(dialog, [&] {
        dialog.DeletePlayer(); // the current player
        EXPECT_EQ(Names(dialog).size(), 3);
        SelectName(dialog, "Player 2");
        presentation.confirmAnswer = false;
        dialog.DeletePlayer();
        EXPECT_EQ(Names(dialog).size(), 3);
        presentation.confirmAnswer = true;
        dialog.DeletePlayer();
        EXPECT_EQ(Names(dialog), (QStringList{"Player 1", "Player 3"}));
        EXPECT_EQ(Selected(dialog), "Player 1");
    });
    EXPECT_EQ(presentation.EventsStartingWith("info: "),
              (std::vector<std::string>{"info: It is impossible to delete the selected player."}));
    const std::string warning =
        "confirm: Are you sure you want to delete the selected player?\rNote: the statistics for this player will "
        "also be deleted.";
    EXPECT_EQ(presentation.EventsStartingWith("confirm: "), (std::vector<std::string>{warning, warning}));

    const std::string stat = FileText("STAT.DAT");
    EXPECT_NE(stat.find(std::string("Player 2=") + kResetGameValue), std::string::npos);
    EXPECT_NE(stat.find("Player 1=" + figures), std::string::npos);
    const std::string log = FileText("Stat_log.dat");
    EXPECT_EQ(log.find("Player 2"), std::string::npos);
    EXPECT_NE(log.find("Player 1"), std::string::npos);
    EXPECT_EQ(User(2), "Player 3");
    EXPECT_EQ(User(3), "");
}

TEST_F(PlayersDialogTest, SelectingAnotherPlayerEndsTheGameOfThePreviousOne)
{
    std::vector<std::string> recordedFor;
    context.recordGame = [&](GameContext& c, bool) { recordedFor.push_back(c.registers.Get(reg::Player)); };
    context.flags.Set(GameInProgress);
    context.registers.Set(reg::Score, "85");

    TfrmPlayers dialog(context, preferences, modules, statistics);
    int changes = 0;
    dialog.onPlayerChanged = [&] { ++changes; };
    presentation.confirmAnswer = false;
    EXPECT_FALSE(ShowAndDo(dialog, [&] {
        SelectName(dialog, "Player 3");
        dialog.SelectPlayer(); // declined: the dialog stays open and nothing changes
        EXPECT_TRUE(dialog.isVisible());
    }));
    EXPECT_EQ(presentation.EventsStartingWith("confirm: "),
              (std::vector<std::string>{"confirm: Start a new game for player Player 3?"}));
    EXPECT_TRUE(recordedFor.empty());
    EXPECT_EQ(changes, 0);

    presentation.confirmAnswer = true;
    EXPECT_TRUE(ShowAndDo(dialog, [&] {
        SelectName(dialog, "Player 3");
        dialog.SelectPlayer();
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(recordedFor, (std::vector<std::string>{"Player 1"}));
    EXPECT_FALSE(context.flags[GameInProgress]);
    EXPECT_EQ(context.registers.Get(reg::Score), "0");
    EXPECT_EQ(context.registers.Get(reg::Player), "Player 3");
    EXPECT_EQ(preferences.ReadString("Preference", "UserDefault", ""), "Player 3");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(presentation.EventsStartingWith("title: ").empty());

    // Selecting the current player asks nothing and changes nothing.
    presentation.events.clear();
    EXPECT_FALSE(ShowAndDo(dialog, [&] { dialog.SelectPlayer(); }));
    EXPECT_TRUE(presentation.EventsStartingWith("confirm: ").empty());
    EXPECT_EQ(changes, 1);
}

TEST_F(PlayersDialogTest, ClosingIsRefusedWhileANameCannotBeAFileName)
{
    preferences.WriteString("Users", "User004", "Bad:Name");
    TfrmPlayers dialog(context, preferences, modules, statistics);
    Answer(dialog, {std::nullopt, "Good Name"});
    ShowAndDo(dialog, [&] {
        dialog.reject(); // the name box cancels: the dialog stays open
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Selected(dialog), "Bad:Name");
        dialog.reject(); // refused again, and renamed this time
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
        EXPECT_FALSE(dialog.isVisible());
    });
    const std::string why =
        std::string("info: ") + kNameForbiddenMessage + "\rPlease rename the Player name:  Bad:Name";
    EXPECT_EQ(presentation.EventsStartingWith("info: "),
              (std::vector<std::string>{why, why, "info: Player renamed."}));
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].caption, "Edit a player");
    EXPECT_EQ(requests[0].name, "Bad:Name");
    EXPECT_EQ(User(1), "Good Name");
}

TEST_F(PlayersDialogTest, InsertAndDeleteKeysOfTheListAddAndDelete)
{
    TfrmPlayers dialog(context, preferences, modules, statistics);
    Answer(dialog, {"Anna"});
    ShowAndDo(dialog, [&] {
        auto* list = dialog.findChild<QListWidget*>("lboOperatori");
        QTest::keyClick(list, Qt::Key_Insert);
        EXPECT_EQ(Selected(dialog), "Anna");
        QTest::keyClick(list, Qt::Key_Delete);
    });
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].caption, "Add a player");
    EXPECT_EQ(presentation.EventsStartingWith("confirm: ").size(), 1u);
    EXPECT_EQ(User(1), "Player 1");
}

TEST_F(PlayersDialogTest, PictureForPeopleToLookAt)
{
    const QString folder = QString(MARLOWE_BUILD_DIR) + "/ui-shots";
    QDir().mkpath(folder);
    TfrmPlayers dialog(context, preferences, modules, statistics);
    ShowAndDo(dialog, [&] {
        SelectName(dialog, "Player 2");
        EXPECT_TRUE(dialog.grab().toImage().save(folder + "/players.png"));
    });
    TfrmPlayers2 box;
    QTimer::singleShot(0, &box, [&] {
        EXPECT_TRUE(box.grab().toImage().save(folder + "/player-name.png"));
        box.reject();
    });
    box.AskName(kAddPlayerCaption, "Player 4");
}

} // namespace
} // namespace marlowe
