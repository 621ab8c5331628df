// The game selection dialog on the shipped catalogue and resource module, with a fresh data
// folder: its trees, its description, the OK and Rules steps with their messages and stored
// preferences, favourites and recent games, the won and lost marks from the player's records.
// Pictures of it go to build/ui-shots for people to look at.

#include "app/session_registers.h"
#include "board/resource_modules.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "play_test_support.h"
#include "records/game_records.h"
#include "ui/game_description_panel.h"
#include "ui/game_preview.h"
#include "ui/game_selection_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kGolf = 12;

QStringList ChildTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QStringList TopTexts(const QTreeWidget* tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(0);
    return texts;
}

class GameSelectionDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mainGame = testing::ShippedCatalogue();
        mainGame.dataFolder = data.path();
        ASSERT_TRUE(modules.Open(ResourceModule::Standard));
        registers.Set(reg::GameNumber, "0002");
        preferences.EnsureDefaultPlayers();
    }

    // Shows the dialog and runs step inside its event loop.
    std::optional<GameChoice> ShowAndDo(TfrmOpenGame& dialog, std::function<void()> step)
    {
        QTimer::singleShot(0, &dialog, [&dialog, step] {
            step();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.ShowDialog();
    }

    void Play(int game, const std::string& player, bool won)
    {
        FinishedGame finished;
        finished.game = game;
        finished.gameName = mainGame.GameName(game);
        finished.dealNumber = "0000000004711";
        finished.player = player;
        finished.won = won;
        finished.date = 20260105;
        finished.time = 120000;
        records.Record(finished);
    }

    // Player 1 won FreeCell after losing it once and lost Golf; Player 2 won Golf.
    void PlaySomeGames()
    {
        Play(kFreeCell, "Player 1", false);
        Play(kFreeCell, "Player 1", true);
        Play(kGolf, "Player 1", false);
        Play(kGolf, "Player 2", true);
    }

    void ReadMarksFromTheRecords(TfrmOpenGame& dialog)
    {
        dialog.SetResultsSource([this](const std::string& player) { return records.FiguresOf(player); });
    }

    // Which of its family's images a game node shows: "" (plain), "_WIN", "_NOWIN" or
    // "_NOPLAYED"; "?" for any other picture.
    std::string FormShown(const QTreeWidgetItem* node) const
    {
        const std::string family = FamilyResourceName(mainGame.GameFamily(GameTrees::StateOf(node)));
        const QImage shown = node->icon(0).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        for (const char* form : {"", "_WIN", "_NOWIN", "_NOPLAYED"})
            if (shown == KeyedTransparent(modules.Image(family + form)).convertToFormat(QImage::Format_ARGB32))
                return form;
        return "?";
    }

    std::string FormShown(const GameTrees& trees, TreeView view, int game) const
    {
        const QTreeWidgetItem* node = trees.FindState(view, game);
        return node ? FormShown(node) : "no node";
    }

    testing::TempFolder data;
    TMainGame mainGame;
    SessionRegisters registers;
    RecordingPresentation presentation;
    Preferences preferences{data.path(), registers, presentation};
    ResourceModules modules{MARLOWE_BUILD_DIR};
    StatisticsFiles files{data.path()};
    GameRecords records{files};
};

TEST_F(GameSelectionDialogTest, GroupTreeHoldsItsFixedNodesAndFillsGroupsWhenOpened)
{
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    GameTrees& trees = dialog.trees();
    QTreeWidget* groups = trees.Tree(TreeView::Groups);
    EXPECT_EQ(TopTexts(groups),
              (QStringList{"Customized games", "Game Type", "Games by Features", "Other Groups", "New games"}));
    EXPECT_EQ(groups->topLevelItem(1)->childCount(), 26);
    EXPECT_EQ(ChildTexts(groups->topLevelItem(2)),
              (QStringList{"by Game Time", "by Difficulty Level", "by Skill or Chance", "by Chance of Winning"}));

    QTreeWidgetItem* freeCellType = trees.FindState(TreeView::Groups, node::FreeCellType);
    ASSERT_NE(freeCellType, nullptr);
    EXPECT_EQ(freeCellType->text(0), "FreeCell type");
    freeCellType->setExpanded(true);
    EXPECT_EQ(ChildTexts(freeCellType), (QStringList{"Eight Off", "FreeCell"}));
    freeCellType->setExpanded(false);
    freeCellType->setExpanded(true);
    EXPECT_EQ(freeCellType->childCount(), 2) << "filled once";

    QTreeWidgetItem* custom = groups->topLevelItem(0);
    custom->setExpanded(true);
    ASSERT_EQ(custom->childCount(), 1);
    EXPECT_EQ(custom->child(0)->text(0), "(How to customize a game)");
    EXPECT_EQ(GameTrees::StateOf(custom->child(0)), node::HowToCustomize);

    QTreeWidgetItem* quick = trees.FindState(TreeView::Groups, node::ByGameTime * 100 - 1);
    ASSERT_NE(quick, nullptr);
    quick->setExpanded(true);
    EXPECT_TRUE(ChildTexts(quick).contains("Klondike"));
    EXPECT_FALSE(ChildTexts(quick).contains("FreeCell")) << "FreeCell takes a medium time";

    EXPECT_EQ(trees.Tree(TreeView::AllGames)->topLevelItemCount(), static_cast<int>(mainGame.Catalogue().size()));
    EXPECT_EQ(trees.Tree(TreeView::AllGames)->topLevelItem(0)->text(0), "Acquaintance");
}

TEST_F(GameSelectionDialogTest, ChoosingFreeCellStoresTheChoiceAndReopensWhereItWasChosen)
{
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    const auto choice = ShowAndDo(dialog, [&] {
        EXPECT_EQ(dialog.VisibleView(), TreeView::AllGames);
        EXPECT_EQ(dialog.SelectedGame(), 2) << "the current game is selected";
        dialog.ShowView(TreeView::Groups);
        ASSERT_TRUE(dialog.trees().SelectGame(TreeView::Groups, 1));
        dialog.Confirm();
    });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->number, 1);
    EXPECT_EQ(choice->name, "FreeCell");
    EXPECT_EQ(choice->player, "Player 1");
    EXPECT_EQ(preferences.ReadInt("Preference", "Game"), 1);
    EXPECT_EQ(preferences.ReadString("Preference", "Game_Name"), "FreeCell");
    EXPECT_EQ(preferences.ReadInt("Preference", "Game_TreeType"), 1);
    EXPECT_EQ(preferences.ReadInt("Preference", "Game_TreeNum"), node::FreeCellType);
    EXPECT_TRUE(presentation.events.empty());

    registers.Set(reg::GameNumber, "0001");
    const auto again = ShowAndDo(dialog, [&] {
        EXPECT_EQ(dialog.VisibleView(), TreeView::Groups);
        EXPECT_EQ(dialog.SelectedGame(), 1);
    });
    EXPECT_FALSE(again) << "cancelled";
}

TEST_F(GameSelectionDialogTest, OkAndRulesNeedAGameAndAScreenWideEnough)
{
    std::vector<int> rulesShown;
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    dialog.SetRulesHandler([&](int number) { rulesShown.push_back(number); });
    const auto choice = ShowAndDo(dialog, [&] {
        dialog.ShowView(TreeView::Groups);
        dialog.trees().Tree(TreeView::Groups)->setCurrentItem(dialog.trees().FindState(TreeView::Groups, node::GameType));
        EXPECT_EQ(dialog.SelectedGame(), -1);
        EXPECT_TRUE(dialog.panel().ShowsProduct());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("btnOK")->isEnabled());
        dialog.Confirm();
        dialog.ShowRules();
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
        ASSERT_TRUE(dialog.trees().SelectGame(TreeView::Groups, 2));
        dialog.ShowRules();
    });
    EXPECT_FALSE(choice);
    EXPECT_EQ(presentation.events, (std::vector<std::string>{"info: Open a game", "info: Select a game"}));
    EXPECT_EQ(rulesShown, std::vector<int>{2});
    EXPECT_EQ(preferences.ReadString("Preference", "Game_TreeType", "unset"), "unset") << "nothing stored";

    RecordingPresentation narrow(640);
    TfrmOpenGame small(mainGame, preferences, registers, modules, narrow);
    const auto refused = ShowAndDo(small, [&] {
        ASSERT_TRUE(small.trees().SelectGame(TreeView::AllGames, 6));
        small.Confirm();
        EXPECT_TRUE(small.isVisible());
    });
    EXPECT_FALSE(refused);
    ASSERT_EQ(narrow.events.size(), 1u);
    EXPECT_NE(narrow.events[0].find("You can't play: Baker's Dozen"), std::string::npos);
}

TEST_F(GameSelectionDialogTest, DescriptionShowsTheSelectedGame)
{
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    ShowAndDo(dialog, [&] {
        ASSERT_TRUE(dialog.trees().SelectGame(TreeView::AllGames, 1));
        EXPECT_EQ(dialog.panel().GameNameText(), "FreeCell");
        EXPECT_EQ(dialog.panel().ValueTexts(), (QStringList{"1", "0", "Medium", "Medium", "Mostly skill",
                                                            "Very high (9 in 10  -  90%)"}));
    });
}

TEST_F(GameSelectionDialogTest, FavoritesAndRecentGamesAreKeptInThePreferences)
{
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    ShowAndDo(dialog, [&] {
        QTreeWidget* favorites = dialog.trees().Tree(TreeView::Favorites);
        EXPECT_EQ(TopTexts(favorites), QStringList{"(Double click to add a game)"});
        dialog.AddFavorite(12);
        dialog.AddFavorite(1);
        dialog.AddFavorite(12);
        dialog.AddFavorite(999);
        EXPECT_EQ(TopTexts(favorites), (QStringList{"Golf", "FreeCell"}));
        dialog.RemoveFavorite(12);
        EXPECT_EQ(TopTexts(favorites), QStringList{"FreeCell"});
    });
    EXPECT_EQ(preferences.ReadString("Preference", kFavoriteGamesKey), "1");

    dialog.NoteGameOpened(12);
    dialog.NoteGameOpened(1);
    dialog.NoteGameOpened(12);
    EXPECT_EQ(preferences.ReadString("Preference", kRecentGamesKey), "12,1");
    EXPECT_EQ(TopTexts(dialog.trees().Tree(TreeView::Recents)), (QStringList{"Golf", "FreeCell"}));
}

TEST_F(GameSelectionDialogTest, WonAndLostMarksShowTheChosenPlayersResultsWhileTheBoxIsTicked)
{
    PlaySomeGames();
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    ReadMarksFromTheRecords(dialog);
    auto* box = dialog.findChild<QCheckBox*>("chkShowWonLost");
    ASSERT_NE(box, nullptr);
    GameTrees& trees = dialog.trees();
    ShowAndDo(dialog, [&] {
        EXPECT_FALSE(box->isChecked()) << "off by default";
        EXPECT_EQ(FormShown(trees, TreeView::AllGames, kFreeCell), "");

        box->setChecked(true);
        EXPECT_EQ(FormShown(trees, TreeView::AllGames, kFreeCell), "_WIN") << "won once, lost once";
        EXPECT_EQ(FormShown(trees, TreeView::AllGames, kGolf), "_NOWIN");
        EXPECT_EQ(FormShown(trees, TreeView::AllGames, kKlondike), "_NOPLAYED");
        EXPECT_EQ(FormShown(trees, TreeView::Selection, kGolf), "_NOWIN");
        ASSERT_TRUE(trees.SelectGame(TreeView::Groups, kFreeCell)) << "a group filled after the box was ticked";
        EXPECT_EQ(FormShown(trees, TreeView::Groups, kFreeCell), "_WIN");
        dialog.AddFavorite(kGolf);
        EXPECT_EQ(FormShown(trees, TreeView::Favorites, kGolf), "_NOWIN");

        dialog.findChild<QComboBox*>("cboPlayers")->setCurrentText("Player 2");
        EXPECT_EQ(FormShown(trees, TreeView::AllGames, kGolf), "_WIN");
        EXPECT_EQ(FormShown(trees, TreeView::Groups, kFreeCell), "_NOPLAYED");

        box->setChecked(false);
        EXPECT_EQ(FormShown(trees, TreeView::AllGames, kGolf), "");
        EXPECT_EQ(FormShown(trees, TreeView::Groups, kFreeCell), "");
        EXPECT_EQ(FormShown(trees, TreeView::Favorites, kGolf), "");
        box->setChecked(true);
    });

    // A game that ended while the dialog was hidden shows its mark when it opens again.
    Play(kKlondike, "Player 1", true);
    Play(kGolf, "Player 1", true);
    ShowAndDo(dialog, [&] {
        EXPECT_EQ(dialog.findChild<QComboBox*>("cboPlayers")->currentText(), "Player 1");
        EXPECT_EQ(FormShown(trees, TreeView::AllGames, kKlondike), "_WIN");
        EXPECT_EQ(FormShown(trees, TreeView::Favorites, kGolf), "_WIN");
    });

    // Figures that were reset count as never played.
    ASSERT_TRUE(records.Reset(kKlondike, "Player 1", false, false));
    ShowAndDo(dialog, [&] { EXPECT_EQ(FormShown(trees, TreeView::AllGames, kKlondike), "_NOPLAYED"); });
}

TEST_F(GameSelectionDialogTest, ShowWonAndLostIsStoredWithTheChoiceOnOk)
{
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    auto* box = dialog.findChild<QCheckBox*>("chkShowWonLost");
    ShowAndDo(dialog, [&] { box->setChecked(true); });
    EXPECT_EQ(preferences.ReadString("Preference", "Open_Show_Won_Lost"), "N") << "cancelled: not stored";
    ShowAndDo(dialog, [&] { dialog.Confirm(); });
    EXPECT_EQ(preferences.ReadString("Preference", "Open_Show_Won_Lost"), "Y");

    TfrmOpenGame again(mainGame, preferences, registers, modules, presentation);
    EXPECT_TRUE(again.findChild<QCheckBox*>("chkShowWonLost")->isChecked());
    ShowAndDo(again, [&] {
        EXPECT_EQ(FormShown(again.trees(), TreeView::AllGames, kFreeCell), "") << "without records to read";
    });
}

TEST_F(GameSelectionDialogTest, PictureForPeopleToLookAt)
{
    TfrmOpenGame dialog(mainGame, preferences, registers, modules, presentation);
    const QString folder = QString(MARLOWE_BUILD_DIR) + "/ui-shots";
    QDir().mkpath(folder);
    ShowAndDo(dialog, [&] {
        dialog.ShowView(TreeView::Groups);
        ASSERT_TRUE(dialog.trees().SelectGame(TreeView::Groups, 2));
        QApplication::processEvents();
        const QImage shot = dialog.grab().toImage();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(folder + "/game-selection.png"));

        dialog.trees().Tree(TreeView::Groups)->setCurrentItem(dialog.trees().FindState(TreeView::Groups, node::GameType));
        QApplication::processEvents();
        EXPECT_TRUE(dialog.grab().toImage().save(folder + "/game-selection-product.png"));
    });

    PlaySomeGames();
    ReadMarksFromTheRecords(dialog);
    ShowAndDo(dialog, [&] {
        dialog.findChild<QCheckBox*>("chkShowWonLost")->setChecked(true);
        dialog.ShowView(TreeView::AllGames);
        ASSERT_TRUE(dialog.trees().SelectGame(TreeView::AllGames, kGolf));
        QApplication::processEvents();
        EXPECT_TRUE(dialog.grab().toImage().save(folder + "/game-selection-marks.png"));
    });
}

TEST_F(GameSelectionDialogTest, EveryMiniaturePictureExistsAndEveryGameShowsItsTable)
{
    const MiniaturePictures pictures(modules);
    for (int number = 1; number <= miniature::Count; ++number)
        EXPECT_FALSE(pictures.Picture(number).isNull()) << number;
    for (int face = miniature::FirstFace; face <= miniature::Joker; ++face)
        EXPECT_EQ(qAlpha(pictures.Picture(face).pixel(12, 16)), 255) << face << ": a whole card cut from its sheet";
    const QImage& fan = pictures.Picture(miniature::FirstFanDown + 9);
    EXPECT_EQ(qAlpha(fan.pixel(0, 0)), 0) << "the magenta round a card's corner is transparent";
    EXPECT_EQ(qAlpha(fan.pixel(12, 40)), 255);

    const QString folder = QString(MARLOWE_BUILD_DIR) + "/ui-shots/previews";
    QDir().mkpath(folder);
    for (const std::string& line : mainGame.Catalogue()) {
        const int number = CatalogueLineNumber(line);
        const QImage preview = DrawPreview(pictures, modules, ReadPreviewRecords(MARLOWE_BUILD_DIR, number), number);
        bool drawn = false;
        for (int y = 0; y < preview.height() && !drawn; y += 2)
            for (int x = 0; x < preview.width() && !drawn; x += 2)
                drawn = preview.pixel(x, y) != kPreviewBackdrop;
        EXPECT_TRUE(drawn) << number;
        preview.save(folder + QString("/%1.png").arg(number, 3, 10, QChar('0')));
    }
}

} // namespace
} // namespace marlowe
