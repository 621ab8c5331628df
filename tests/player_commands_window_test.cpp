// The player's commands through the real window under the offscreen platform: restart, a deal
// chosen by number, saving and opening a game, "Hold and exit" resumed by a fresh program in a
// new process, the bookmark, the pause, quitting the game, the demo, the view switches, and a
// game won with the board's pointer operations that celebrates before anything else opens.

#include "app/text_file.h"
#include "engine/game_clock.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/saved_game.h"
#include "engine/saved_game_file.h"
#include "engine/solver.h"
#include "engine/table.h"
#include "layout/card_positions.h"
#include "test_support.h"
#include "window_test_support.h"
#include "ui/board_widget.h"
#include "ui/demo_player.h"
#include "ui/game_selection_dialog.h"
#include "ui/main_window.h"
#include "ui/pause_cover.h"
#include "ui/table_session.h"
#include "ui/tool_band.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace marlowe;

namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr const char* kResumeFolderVariable = "MARLOWE_RESUME_FOLDER";

// The table as one line of text, to compare across processes.
std::string TableLine(const GameContext& context)
{
    std::string text;
    for (const std::string& pile : TakeSnapshot(context).piles)
        text += pile + "|";
    return text;
}

std::string FileText(const std::filesystem::path& path)
{
    return ReadFileBytes(path).value_or("");
}

class PlayerCommandsWindowTest : public ::testing::Test {
protected:
    PlayerCommandsWindowTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        window = marlowe::testing::OpenTestWindow(session);
        window->SetGameChooser([this]() -> std::optional<GameChoice> {
            ++selectionsOpened;
            return std::nullopt;
        });
        session.preferences().WriteInt("Preference", "Winning_Animations_Time", 0);
    }

    // The text of the message box that action shows, answered at once; empty when none appeared.
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

    void Deal(int game, const char* number) { marlowe::testing::DealFixedGame(session, game, number); }

    QPoint CardPoint(PileRef pile, int fromTop)
    {
        const Place place = CardPosition(session.context(), session.geometry(), pile, fromTop, false);
        return {place.x + 20, place.y + 20};
    }

    // Drags the top card of a FreeCell column into a free cell, as a player would.
    void ColumnToCell(int column, int cell)
    {
        const Place target = session.geometry().PlaceOf({PileGroup::Reserves, cell});
        marlowe::testing::DragOnBoard(window->board(), CardPoint({PileGroup::Tableaus, column}, 0),
                                      QPoint(target.x + 20, target.y + 20));
    }

    // Carries out a drop of the solver's line with the board's pointer: the card pressed where
    // it lies, let go over the top card of the pile it goes to.
    void DragAction(const PlayAction& action)
    {
        GameContext& context = session.context();
        const std::optional<PileRef> from = PileHolding(context, action.card);
        ASSERT_TRUE(from);
        const std::string& pile = context.piles[*from];
        const std::vector<int> codes = PileCodes(pile);
        const int index = static_cast<int>(std::find(codes.begin(), codes.end(), action.card) - codes.begin());
        const int above = ElementCount(pile) - 1 - index;
        // Pressed in the strip a card above leaves uncovered, let go where the card lands on the target.
        const QPoint grip(0, 15);
        const QPoint start = CardPoint(*from, above) - grip;
        const QPoint end = (context.piles[action.target].empty()
                                ? QPoint(session.geometry().PlaceOf(action.target).x + 20,
                                         session.geometry().PlaceOf(action.target).y + 20)
                                : CardPoint(action.target, 0)) - grip;
        marlowe::testing::DragOnBoard(window->board(), start, end);
    }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
    int selectionsOpened = 0;
};

TEST_F(PlayerCommandsWindowTest, RestartAfterSeveralMovesGivesTheFirstTableBack)
{
    Deal(kFreeCell, "0000000000001");
    const std::string dealt = TableLine(session.context());
    ColumnToCell(0, 0);
    ColumnToCell(1, 1);
    ColumnToCell(2, 2);
    ASSERT_NE(TableLine(session.context()), dealt);
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(TableLine(session.context()), dealt);
    EXPECT_EQ(session.context().registers.Get(reg::DealNumber), "0000000000001");
    EXPECT_FALSE(window->undoAction()->isEnabled());
}

TEST_F(PlayerCommandsWindowTest, ADealChosenByNumberIsDealtAndAMalformedNumberChangesNothing)
{
    Deal(kFreeCell, "0000000000001");
    window->SetDealAsker([] { return std::optional<QString>("11 982"); });
    window->commands().selectDeal->trigger();
    EXPECT_EQ(session.context().registers.Get(reg::DealNumber), "0000000011982");
    EXPECT_TRUE(window->windowTitle().endsWith("[Deal 11 982]")) << window->windowTitle().toStdString();

    const std::string table = TableLine(session.context());
    window->SetDealAsker([] { return std::optional<QString>("11982a"); });
    const QString message = TextOfBoxShownBy([&] { window->commands().selectDeal->trigger(); });
    EXPECT_TRUE(message.contains("is not a deal number")) << message.toStdString();
    EXPECT_EQ(TableLine(session.context()), table);
    EXPECT_EQ(session.context().registers.Get(reg::DealNumber), "0000000011982");
}

TEST_F(PlayerCommandsWindowTest, ASavedGameOpensAgainAndADamagedOneLeavesTheGameAlone)
{
    Deal(kFreeCell, "0000000000001");
    ColumnToCell(0, 0);
    ColumnToCell(1, 1);
    const std::string played = TableLine(session.context());
    const QString file = QString::fromStdString((data / "my game.sav").string());
    window->SetFileChooser([file](bool) { return file; });
    window->commands().save->trigger();

    Deal(kKlondike, "0000000000005");
    window->commands().openSaved->trigger();
    EXPECT_EQ(session.context().CurrentGameNumber(), kFreeCell);
    EXPECT_EQ(TableLine(session.context()), played);
    EXPECT_TRUE(window->undoAction()->isEnabled());

    // A damaged copy: refused with a message, the game on the table untouched.
    std::string text = FileText(data / "my game.sav");
    text.replace(text.find("clock "), 7, "clock 9");
    {
        std::ofstream out(data / "my game.sav", std::ios::binary | std::ios::trunc);
        out << text;
    }
    ColumnToCell(2, 2);
    const std::string now = TableLine(session.context());
    const QString message = TextOfBoxShownBy([&] { window->commands().openSaved->trigger(); });
    EXPECT_TRUE(message.contains("damaged")) << message.toStdString();
    EXPECT_EQ(TableLine(session.context()), now);
    EXPECT_TRUE(session.context().flags[GameInProgress]);
}

TEST_F(PlayerCommandsWindowTest, AHeldGameGoesOnInAFreshProgramWithItsUndoHistory)
{
    Deal(kFreeCell, "0000000000001");
    const std::string dealt = TableLine(session.context());
    ColumnToCell(0, 0);
    ColumnToCell(1, 1);
    ColumnToCell(2, 2);
    window->undoAction()->trigger(); // a redo to carry over too
    const std::string held = TableLine(session.context());
    window->commands().holdAndExit->trigger();
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(std::filesystem::exists(HeldGamePath(data.path())));
    {
        std::ofstream(data / "expected-dealt") << dealt;
        std::ofstream(data / "expected-held") << held;
    }

    // The next run is another process: this test program again, running only the test below.
    QProcess next;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kResumeFolderVariable, QString::fromStdString(data.path().string()));
    next.setProcessEnvironment(environment);
    next.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=HeldGameInTheNextRun.GoesOnWhereItWas"});
    ASSERT_TRUE(next.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(next.readAllStandardOutput());
    EXPECT_EQ(next.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    // Resumed, the game is no longer held.
    EXPECT_FALSE(std::filesystem::exists(HeldGamePath(data.path())));
}

// The second half of the test above, in its own process; skipped when run on its own.
TEST(HeldGameInTheNextRun, GoesOnWhereItWas)
{
    const char* folder = std::getenv(kResumeFolderVariable);
    if (!folder)
        GTEST_SKIP() << "run by AHeldGameGoesOnInAFreshProgramWithItsUndoHistory";
    const std::filesystem::path data(folder);
    TableSession session(MARLOWE_BUILD_DIR, data);
    marlowe::testing::StartTestRun(session);
    MainWindow window(session);
    window.SetGameChooser([]() -> std::optional<GameChoice> {
        ADD_FAILURE() << "the held game should have been resumed";
        return std::nullopt;
    });
    window.show();
    window.OnFirstActivation();
    GameContext& context = session.context();
    ASSERT_TRUE(context.flags[GameInProgress]);
    EXPECT_EQ(context.CurrentGameNumber(), kFreeCell);
    EXPECT_EQ(TableLine(context), FileText(data / "expected-held"));
    EXPECT_TRUE(window.redoAction()->isEnabled());
    while (window.undoAction()->isEnabled())
        window.undoAction()->trigger();
    EXPECT_EQ(TableLine(context), FileText(data / "expected-dealt"));
    while (window.redoAction()->isEnabled())
        window.redoAction()->trigger();
    EXPECT_NE(TableLine(context), FileText(data / "expected-held")); // the redone move is on the table
    window.undoAction()->trigger();
    EXPECT_EQ(TableLine(context), FileText(data / "expected-held"));
}

TEST_F(PlayerCommandsWindowTest, ABookmarkTakenIsRestoredAfterMoreMoves)
{
    Deal(kFreeCell, "0000000000001");
    EXPECT_FALSE(window->commands().goToBookmark->isEnabled());
    ColumnToCell(0, 0);
    window->commands().insertBookmark->trigger();
    const std::string marked = TableLine(session.context());
    EXPECT_TRUE(window->commands().goToBookmark->isEnabled());
    ColumnToCell(1, 1);
    ColumnToCell(2, 2);
    window->commands().goToBookmark->trigger();
    EXPECT_EQ(TableLine(session.context()), marked);
    // Going back is a step of its own.
    window->undoAction()->trigger();
    EXPECT_NE(TableLine(session.context()), marked);
}

TEST_F(PlayerCommandsWindowTest, PauseHidesTheTableAndStopsTheClockUntilAKey)
{
    Deal(kFreeCell, "0000000000001");
    GameContext& context = session.context();
    window->commands().pause->trigger();
    ASSERT_TRUE(window->pauseCover()->isVisible());
    EXPECT_EQ(window->pauseCover()->geometry(), window->board()->rect());
    EXPECT_FALSE(context.flags[ClockRunning]);
    const int stopped = ElapsedSeconds(context, 86000);
    EXPECT_EQ(ElapsedSeconds(context, 86399), stopped);
    // Nothing of the table shows: the cover is one colour where the cards lie.
    const QImage shown = window->grab().toImage();
    const QPoint card = window->board()->mapTo(window.get(), CardPoint({PileGroup::Tableaus, 0}, 0));
    const QPoint felt = window->board()->mapTo(window.get(), QPoint(5, window->board()->height() - 5));
    EXPECT_EQ(shown.pixel(card), shown.pixel(felt));
    // A key of a menu command ends the pause and does nothing else.
    const std::string table = TableLine(context);
    QTest::keyClick(window->pauseCover(), Qt::Key_F3);
    EXPECT_FALSE(window->pauseCover()->isVisible());
    EXPECT_TRUE(context.flags[ClockRunning]);
    EXPECT_EQ(TableLine(context), table);
}

TEST_F(PlayerCommandsWindowTest, QuitGameLeavesAnEmptyTable)
{
    Deal(kFreeCell, "0000000000001");
    ColumnToCell(0, 0);
    window->commands().quitGame->trigger();
    GameContext& context = session.context();
    EXPECT_FALSE(context.flags[GameInProgress]);
    EXPECT_EQ(TableLine(context), std::string(kSnapshotPiles, '|'));
    EXPECT_FALSE(window->commands().quitGame->isEnabled());
    EXPECT_FALSE(window->commands().pause->isEnabled());
    EXPECT_TRUE(window->commands().restart->isEnabled());
}

TEST_F(PlayerCommandsWindowTest, TheDemoWinsFreeCellDealOneAndTheWinIsNotThePlayers)
{
    Deal(kFreeCell, "0000000000001");
    std::vector<bool> recorded;
    session.context().recordGame = [&recorded](GameContext&, bool won) { recorded.push_back(won); };
    window->demo().SetPace(std::chrono::seconds(20), std::chrono::milliseconds(1));
    window->commands().demo->trigger();
    EXPECT_TRUE(window->demo().PlaysWinningLine());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->demo().Running(); }, 60000));
    EXPECT_FALSE(session.context().flags[GameInProgress]);
    EXPECT_EQ(recorded, std::vector<bool>{false});
    EXPECT_EQ(selectionsOpened, 1); // the won game ended as a won game ends
    for (const std::string& pile : session.context().piles.tableaus)
        EXPECT_TRUE(pile.empty());
}

TEST_F(PlayerCommandsWindowTest, TheDemoStopsAtAKey)
{
    Deal(kFreeCell, "0000000000001");
    window->demo().SetPace(std::chrono::seconds(20), std::chrono::milliseconds(50));
    window->commands().demo->trigger();
    ASSERT_TRUE(window->demo().Running());
    EXPECT_FALSE(window->commands().demo->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.context().undoHistory.Empty(); }, 10000));
    QTest::keyClick(window->board(), Qt::Key_Escape);
    EXPECT_FALSE(window->demo().Running());
    const std::string table = TableLine(session.context());
    QTest::qWait(300);
    EXPECT_EQ(TableLine(session.context()), table);
    EXPECT_TRUE(session.context().flags[GameInProgress]);
    EXPECT_TRUE(window->commands().demo->isEnabled());
}

TEST_F(PlayerCommandsWindowTest, TheToolbarAndTheStatusBarAreShownOrHiddenAndRemembered)
{
    window->commands().statusBar->trigger();
    EXPECT_TRUE(window->statusBar()->isVisible());
    EXPECT_EQ(session.preferences().ReadString("Preference", "StatusBar"), "Y");
    window->commands().statusBar->trigger();
    EXPECT_FALSE(window->statusBar()->isVisible());
    EXPECT_EQ(session.context().registers.Get(reg::StatusBar), "N");

    const int boardHeight = window->board()->height();
    window->commands().toolbar->trigger();
    EXPECT_FALSE(window->toolBand()->isVisible());
    EXPECT_EQ(session.preferences().ReadString("Preference", "ToolBar_Visible"), "N");
    QTest::qWait(50);
    EXPECT_GT(window->board()->height(), boardHeight); // the table takes the room
    window->commands().toolbar->trigger();
    EXPECT_TRUE(window->toolBand()->isVisible());
    EXPECT_TRUE(window->commands().toolbar->isChecked());
}

TEST_F(PlayerCommandsWindowTest, AGameWonWithThePointerCelebratesBeforeTheSelectionOpens)
{
    session.preferences().WriteString("Preference", "Winning_Animations", "Open order");
    session.preferences().WriteInt("Preference", "Winning_Animations_Time", 30);
    Deal(kFreeCell, "0000000000001");
    GameContext& context = session.context();
    const SolveResult solved = Solve(context);
    ASSERT_TRUE(solved.Won());
    bool running = false;
    bool framesDrawn = false;
    int selectionsDuringAnimation = -1;
    for (std::size_t i = 0; i < solved.line.size(); ++i) {
        ASSERT_EQ(solved.line[i].kind, ActionKind::Drop) << ActionText(solved.line[i]);
        if (i + 1 == solved.line.size()) {
            // While the win is celebrated: cards keep being drawn, then a click stops it.
            QTimer::singleShot(400, [&] {
                running = context.flags[WinAnimationRunning];
                const QImage first = session.painter().BoardImage().copy();
                QTimer::singleShot(400, [&, first] {
                    framesDrawn = session.painter().BoardImage() != first;
                    selectionsDuringAnimation = selectionsOpened;
                    QTest::mouseClick(window->board(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
                });
            });
        }
        const std::string before = TableLine(context);
        DragAction(solved.line[i]);
        ASSERT_NE(TableLine(context), before) << "move " << i << ": " << ActionText(solved.line[i]);
    }
    EXPECT_TRUE(running);
    EXPECT_TRUE(framesDrawn);
    EXPECT_EQ(selectionsDuringAnimation, 0);
    EXPECT_FALSE(context.flags[WinAnimationRunning]);
    EXPECT_EQ(selectionsOpened, 1);
}

}  // namespace
