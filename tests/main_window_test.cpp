// The program's window driven as a player drives it, under the offscreen platform: cards dragged
// to a pile that takes them and to one that does not (they fly back), undo and redo, the space
// bar on the stock, full screen and the shortcuts there, the scroll bar and the wheel, the panels
// of the toolbar, the commands that only answer with a message, the faces of a game drawn with
// fewer suits, and the start and end of a run.

#include "layout/card_positions.h"
#include "layout/hit_test.h"
#include "engine/cards.h"
#include "engine/drop_resolution.h"
#include "engine/hand_scores.h"
#include "engine/lifecycle.h"
#include "engine/pile_text.h"
#include "engine/table.h"
#include "test_support.h"
#include "window_test_support.h"
#include "ui/board_widget.h"
#include "ui/game_selection_dialog.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/partial_score_box.h"
#include "ui/status_panels.h"
#include "ui/table_session.h"
#include "ui/tool_band.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        window = marlowe::testing::OpenTestWindow(session);
    }

    // The text of the message box that action shows, which is answered at once; empty when
    // no box appeared.
    static QString TextOfBoxShownBy(const std::function<void()>& action)
    {
        auto text = std::make_shared<QString>();
        QTimer::singleShot(0, [text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *text = box->text();
                box->accept();
            }
        });
        action();
        return *text;
    }

    // A wheel turn over the table: one notch down for -120.
    void TurnWheel(int delta)
    {
        BoardWidget* board = window->board();
        const QPointF at(40, 40);
        QWheelEvent wheel(at, board->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(board, &wheel);
    }

    std::string Preference(const char* key) { return session.preferences().ReadString("Preference", key, ""); }

    void Deal(int game, const char* dealNumber) { marlowe::testing::DealFixedGame(session, game, dealNumber); }

    QPoint CentreOf(PileRef pile, int k = 0)
    {
        const Place place = CardPosition(session.context(), session.geometry(), pile, k, false);
        return {place.x + 20, place.y + 20};
    }

    // Drags the top card of a pile to a point, as a player would.
    void Drag(PileRef from, QPoint to) { marlowe::testing::DragOnBoard(window->board(), CentreOf(from), to); }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(MainWindowTest, ACardDraggedToAPileThatTakesItMovesAndUndoRedoFollow)
{
    Deal(1, "0000000000001");
    GameContext& context = session.context();
    // A free cell takes any card: drag the top card of the first column there.
    const PileRef column{PileGroup::Tableaus, 0};
    const PileRef cell{PileGroup::Reserves, 0};
    const int card = TopElement(context.piles[column]);
    const Place cellPlace = session.geometry().PlaceOf(cell);
    Drag(column, QPoint(cellPlace.x + 20, cellPlace.y + 20));
    EXPECT_EQ(TopElement(context.piles[cell]), card);
    EXPECT_NE(TopElement(context.piles[column]), card);
    EXPECT_TRUE(window->undoAction()->isEnabled());

    window->undoAction()->trigger();
    EXPECT_EQ(TopElement(context.piles[column]), card);
    EXPECT_TRUE(context.piles[cell].empty());
    EXPECT_TRUE(window->redoAction()->isEnabled());
    window->redoAction()->trigger();
    EXPECT_EQ(TopElement(context.piles[cell]), card);
}

TEST_F(MainWindowTest, ACardDroppedWhereNoPileTakesItGoesBack)
{
    Deal(1, "0000000000001");
    GameContext& context = session.context();
    const PileRef column{PileGroup::Tableaus, 0};
    const std::string before = context.piles[column];
    // An empty foundation takes only an Ace; find a column whose top card is not one.
    int from = 0;
    while (CardRank(TopElement(context.piles[PileRef{PileGroup::Tableaus, from}])) == 1)
        ++from;
    const PileRef source{PileGroup::Tableaus, from};
    const std::string sourceBefore = context.piles[source];
    const Place foundation = session.geometry().PlaceOf({PileGroup::Foundations, 0});
    Drag(source, QPoint(foundation.x + 20, foundation.y + 20));
    EXPECT_EQ(context.piles[source], sourceBefore);
    EXPECT_TRUE((context.piles[PileRef{PileGroup::Foundations, 0}].empty()));
    EXPECT_FALSE(window->undoAction()->isEnabled());
    // The board shows the card at home again: the pixel at its centre is a card's, not the felt.
    const QImage board = window->board()->grab().toImage();
    EXPECT_NE(board.pixel(CentreOf(source)), qRgb(0, 128, 0));
}

TEST_F(MainWindowTest, ARunTooLongToMoveSaysHowManyCardsMayInTheStatusBar)
{
    Deal(1, "0000000000001");
    GameContext& context = session.context();
    // Every free cell taken and no column empty: a run of two in the first column may not move.
    std::vector<int> rest;
    for (int k = 0; k < 8; ++k)
        for (int card : PileCodes(context.piles[PileRef{PileGroup::Tableaus, k}]))
            if (card != CardCode(Spades, King) && card != CardCode(Hearts, Queen))
                rest.push_back(card);
    context.piles[PileRef{PileGroup::Tableaus, 0}] = CodeText(CardCode(Spades, King)) + CodeText(CardCode(Hearts, Queen));
    for (int r = 0; r < 4; ++r)
        context.piles[PileRef{PileGroup::Reserves, r}] = CodeText(rest[static_cast<std::size_t>(r)]);
    for (int k = 1; k < 8; ++k) {
        std::string pile;
        for (std::size_t i = 4 + static_cast<std::size_t>(k - 1); i < rest.size(); i += 7)
            pile += CodeText(rest[i]);
        context.piles[PileRef{PileGroup::Tableaus, k}] = pile;
    }
    session.DrawTable(false);
    window->statusBar()->show();

    // The King's uncovered strip, above the Queen that overlaps it (the card one below the top).
    const Place kingPlace = CardPosition(context, session.geometry(), {PileGroup::Tableaus, 0}, 1, false);
    const QPoint king(kingPlace.x + 20, kingPlace.y + 4);
    QTest::mousePress(window->board(), Qt::LeftButton, Qt::NoModifier, king);
    QTest::mouseRelease(window->board(), Qt::LeftButton, Qt::NoModifier, king);
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("Only one card can move now"))
        << window->statusBar()->currentMessage().toStdString();
}

// Baccarat's status bar shows the partial score of the hand on the table as clicks deal and put
// hands away; another game hides it.
TEST_F(MainWindowTest, TheStatusBarShowsThePartialScoreOfTheHandOnTheTable)
{
    Deal(337, "0000000000001");
    GameContext& context = session.context();
    window->statusBar()->show();
    PartialScoreBox* box = window->partialScore();
    auto click = [&](PileRef pile) {
        QTest::mousePress(window->board(), Qt::LeftButton, Qt::NoModifier, CentreOf(pile));
        QTest::mouseRelease(window->board(), Qt::LeftButton, Qt::NoModifier, CentreOf(pile));
    };
    auto shown = [&] { return QString("Partial Score: %1    (max score = 9)").arg(HandOnTablePoints(context)); };
    const PileRef stock{PileGroup::StockGroup, kStockSlot};
    const PileRef discard{PileGroup::StockGroup, kSecondWasteSlot};

    click(stock); // the third card onto the hand dealt
    ASSERT_FALSE(context.piles.tableaus[2].empty());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->ScoreText(), shown());
    EXPECT_EQ(box->AdviceText(), "Click on the Waste to transfer the cards.");
    const int handPoints = HandOnTablePoints(context);

    click(discard);
    EXPECT_TRUE(context.piles.tableaus[0].empty());
    EXPECT_EQ(box->ScoreText(), "Partial Score: 0    (max score = 9)");
    EXPECT_EQ(CurrentScore(context.registers), -52 + handPoints);
    click(stock);
    EXPECT_EQ(box->ScoreText(), shown());
    window->undoAction()->trigger();
    EXPECT_EQ(box->ScoreText(), "Partial Score: 0    (max score = 9)") << "undo shows the table it restores";

    Deal(1, "0000000000001");
    EXPECT_FALSE(box->isVisible());
}

TEST_F(MainWindowTest, TheSpaceBarTurnsTheStock)
{
    Deal(2, "0000000000001");
    GameContext& context = session.context();
    const std::string stock = context.piles.Slot(PileGroup::StockGroup, 0);
    window->board()->setFocus();
    QTest::keyClick(window->board(), Qt::Key_Space);
    EXPECT_NE(context.piles.Slot(PileGroup::StockGroup, 0), stock);
    EXPECT_FALSE(context.piles.Slot(PileGroup::StockGroup, 1).empty());
}

TEST_F(MainWindowTest, ShortcutsWorkInFullScreen)
{
    Deal(2, "0000000000001");
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_FALSE(window->menuBar()->isVisible());
    const std::string dealBefore = session.context().registers.Get(reg::DealNumber);
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_NE(session.context().registers.Get(reg::DealNumber), dealBefore);

    int chosen = 0;
    window->SetGameChooser([&chosen]() -> std::optional<GameChoice> {
        ++chosen;
        return GameChoice{1, "FreeCell", "Player 1"};
    });
    QTest::keyClick(window.get(), Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(session.context().CurrentGameNumber(), 1);

    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_TRUE(window->menuBar()->isVisible());
}

TEST_F(MainWindowTest, TheWheelScrollsATallTableAndNothingElse)
{
    // Cards of a fixed size: a low window shows only part of the table.
    session.context().registers.Set(reg::CardSize, "B");
    session.ApplyLookChange(true);
    Deal(2, "0000000000001");
    TurnWheel(-120);
    EXPECT_FALSE(window->scrollBar()->isVisible());
    EXPECT_EQ(session.ScrollPosition(), 0);

    // Spider in a low window: the table is taller than the board, and the bar scrolls it.
    Deal(11, "0000000000001");
    window->resize(900, 220);
    QTest::qWait(50);
    ASSERT_TRUE(window->scrollBar()->isVisible())
        << session.painter().DrawnExtent() << " " << session.BoardSize().height() << " " << window->height();
    EXPECT_GT(window->scrollBar()->maximum(), 60);
    const QPoint column = CentreOf({PileGroup::Tableaus, 0}, 0);
    TurnWheel(-120);
    EXPECT_EQ(session.ScrollPosition(), 60);
    EXPECT_EQ(CentreOf({PileGroup::Tableaus, 0}, 0), column - QPoint(0, 60));
    TurnWheel(120);
    EXPECT_EQ(session.ScrollPosition(), 0);
}

TEST_F(MainWindowTest, ThePanelsOfTheToolbarHideAndComeBack)
{
    ToolBand* band = window->toolBand();
    ASSERT_TRUE(band->TimeShown());
    // "Show time" makes no sense while the time is shown.
    EXPECT_FALSE(band->showTimeAction()->isEnabled());
    band->hideTimeAction()->trigger();
    EXPECT_FALSE(band->TimeShown());
    EXPECT_TRUE(band->showTimeAction()->isEnabled());
    EXPECT_EQ(Preference("Show_Time"), "N");
    EXPECT_EQ(session.context().registers.Get(reg::ShowTime), "N");
    band->showTimeAction()->trigger();
    EXPECT_TRUE(band->TimeShown());
    EXPECT_FALSE(band->showTimeAction()->isEnabled());
    EXPECT_EQ(Preference("Show_Time"), "Y");

    band->hideScoreAction()->trigger();
    EXPECT_FALSE(band->ScoreShown());
    EXPECT_TRUE(band->showScoreAction()->isEnabled());
    EXPECT_TRUE(band->TimeShown());
    EXPECT_EQ(Preference("Show_Score"), "N");
}

TEST_F(MainWindowTest, RulesOpenTheHelpButNotForACustomGame)
{
    Deal(2, "0000000000001");
    session.context().registers.Set(reg::GameNumber, "8001");
    window->commands().rules->trigger();
    EXPECT_EQ(window->helpWindow(), nullptr);
    session.context().registers.Set(reg::GameNumber, "0002");
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_TRUE(window->helpWindow()->isVisible());
}

TEST_F(MainWindowTest, StatisticsCommandsSayTheyAreSwitchedOff)
{
    Deal(2, "0000000000001");
    const CommandTable& commands = window->commands();
    EXPECT_TRUE(commands.gameStatistics->isEnabled());
    session.context().mainGame.StatisticsDisabled = true;
    Deal(1, "0000000000001");
    const QString message =
        "The Statistics are disabled. To enable the Statistics, change the value in the \"Customize\" dialog box.";
    EXPECT_EQ(TextOfBoxShownBy([this] { QTest::keyClick(window.get(), Qt::Key_F4); }), message);
    for (QAction* command : {commands.hiScores, commands.logStatistics, commands.gameInformation})
        EXPECT_EQ(TextOfBoxShownBy([command] { command->trigger(); }), message) << command->text().toStdString();
}

TEST_F(MainWindowTest, ACardSizeAdviceIsShownOnceAndCanBeSilenced)
{
    // Extra large cards on a screen 800 pixels wide: the game is dealt with smaller ones.
    GameContext& context = session.context();
    context.registers.Set(reg::CardSize, "X");
    auto advice = std::make_shared<QString>();
    auto tick = std::make_shared<bool>(false);
    QTimer::singleShot(0, [advice, tick] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *advice = box->text();
            *tick = box->checkBox() && box->checkBox()->text() == "&Don't show this message box again";
            box->checkBox()->setChecked(true);
            box->accept();
        }
    });
    ASSERT_TRUE(OpenGame(context, session.preferences(), session.random(), 2, "Klondike", "Player 1", 2, false,
                         ScreenFacts{800, 16777216}));
    EXPECT_TRUE(*tick);
    EXPECT_TRUE(advice->startsWith("You have selected the Extra Large size Cards Set. It's possible to play Klondike"));
    EXPECT_EQ(session.preferences().ReadString("Show_Messages", "Msg_Extra_Large_Cards", ""), "N");
    EXPECT_EQ(session.images().SizeLetter(), 'S');
}

TEST_F(MainWindowTest, ARunStartsWithTheSelectionAndEndsWithTheWindowStateSaved)
{
    EXPECT_EQ(session.RunCount(), 1);
    // The very first start takes the card size that fits the window.
    EXPECT_EQ(Preference("Card_Size"), "A");
    // A fresh data folder remembers no game: the first activation asks for one.
    int chosen = 0;
    window->SetGameChooser([&chosen]() -> std::optional<GameChoice> {
        ++chosen;
        return GameChoice{2, "Klondike", "Player 1"};
    });
    window->RestoreWindowState();
    window->OnFirstActivation();
    window->OnFirstActivation();
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(session.context().flags[GameInProgress]);
    EXPECT_TRUE(window->isMaximized());

    window->close();
    EXPECT_FALSE(session.context().flags[GameInProgress]);
    EXPECT_EQ(Preference("AutoPlay"), "N");
    EXPECT_EQ(Preference("MainWindowState_Maximized"), "Y");
    EXPECT_EQ(Preference("Full_Screen"), "N");
    EXPECT_EQ(Preference("MainWindowState_Left"), "");

    window->showNormal();
    window->move(120, 80);
    window->resize(900, 650);
    window->close();
    EXPECT_EQ(Preference("MainWindowState_Maximized"), "N");
    EXPECT_EQ(Preference("MainWindowState_Left"), "120");
    EXPECT_EQ(Preference("MainWindowState_Top"), "80");
    EXPECT_EQ(Preference("MainWindowState_Width"), "900");
    EXPECT_EQ(Preference("MainWindowState_Height"), "650");
    // Closing maximised keeps the normal place for the next run.
    window->showMaximized();
    window->close();
    EXPECT_EQ(Preference("MainWindowState_Maximized"), "Y");
    EXPECT_EQ(Preference("MainWindowState_Left"), "120");
    window->showNormal();
    window->move(120, 80);
    window->resize(900, 650);
    window->close();

    // The next run counts itself and deals the remembered game without asking.
    session.preferences().WriteInt("Preference", "Game", 2);
    TableSession next(MARLOWE_BUILD_DIR, data.path());
    marlowe::testing::StartTestRun(next);
    EXPECT_EQ(next.RunCount(), 2);
    MainWindow nextWindow(next);
    nextWindow.SetGameChooser([&chosen]() -> std::optional<GameChoice> {
        ++chosen;
        return std::nullopt;
    });
    nextWindow.RestoreWindowState();
    EXPECT_FALSE(nextWindow.isMaximized());
    EXPECT_EQ(nextWindow.size(), QSize(900, 650));
    nextWindow.OnFirstActivation();
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(next.context().CurrentGameNumber(), 2);
    EXPECT_TRUE(next.context().flags[GameInProgress]);
}

TEST_F(MainWindowTest, AGameOfFewerSuitsIsDrawnWithItsOwnSuitsAndTheNextGameWithAllFour)
{
    // Faces by FaceImageIndex: hearts 0-12, diamonds 13-25, clubs 26-38, spades 39-51.
    const CardImages& images = session.images();
    // Cards of a fixed size, so that the last table can be compared with the first.
    session.context().registers.Set(reg::CardSize, "B");
    session.ApplyLookChange(true);
    Deal(11, "0000000000001");  // two suits: diamonds drawn as hearts, clubs as spades
    EXPECT_EQ(images.Face(13), images.Face(0));
    EXPECT_EQ(images.Face(26), images.Face(39));
    EXPECT_NE(images.Face(0), images.Face(39));
    const QImage twoSuits = window->board()->grab().toImage();

    Deal(2, "0000000000001");  // Klondike: four suits again
    EXPECT_NE(images.Face(13), images.Face(0));
    EXPECT_NE(images.Face(26), images.Face(39));

    Deal(11, "0000000000001");  // and back, on the same card size
    EXPECT_EQ(images.Face(13), images.Face(0));
    EXPECT_EQ(window->board()->grab().toImage(), twoSuits);
}

TEST_F(MainWindowTest, ScreenshotsOfDealtGamesForPeopleToLookAt)
{
    QDir().mkpath(QString(MARLOWE_BUILD_DIR) + "/ui-shots");
    window->statusBar()->show();
    for (const auto& [game, name] : {std::pair{1, "freecell"}, {2, "klondike"}, {11, "spider"}, {13, "pyramid"}}) {
        Deal(game, "0000000000001");
        // The pointer over the first column fills the status bar.
        QTest::mouseMove(window->board(), CentreOf({PileGroup::Tableaus, 0}));
        EXPECT_EQ(window->statusPanels()->Texts().kind, "Tableau");
        const QImage shot = window->grab().toImage();
        EXPECT_EQ(shot.size(), window->size());
        EXPECT_TRUE(shot.save(QString(MARLOWE_BUILD_DIR) + "/ui-shots/window-" + name + ".png"));
    }
    // The other toolbar: small pictures in the older style, in full screen with its restore button.
    for (QAction* choice : window->toolBand()->bandMenu()->actions())
        if (choice->text() == "Small icons" || choice->text() == "Win 98 style")
            choice->trigger();
    EXPECT_EQ(Preference("ToolBar_Large"), "N");
    EXPECT_EQ(Preference("ToolBar_XP"), "N");
    window->commands().fullScreen->trigger();
    QTest::qWait(20);
    EXPECT_TRUE(window->grab().toImage().save(QString(MARLOWE_BUILD_DIR) + "/ui-shots/window-small-toolbar.png"));
}
