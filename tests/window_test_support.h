#pragma once
// A run of the program for the window tests: started on the shipped modules and catalogue, with
// cards that move at once, no questions that would wait for a player, and no automatic play.

#include "engine/lifecycle.h"
#include "ui/main_window.h"
#include "ui/table_session.h"

#include <QCoreApplication>
#include <QPoint>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace marlowe::testing {

inline void StartTestRun(TableSession& run)
{
    EXPECT_TRUE(run.Start(DisplayFacts{1280, 1024, 16777216}));
    // Cards move at once: the tests look at where they land, not at the flight.
    run.context().registers.Set(reg::AnimateCardMoves, "N");
    // Questions would wait for a player: never ask before abandoning a game.
    run.context().registers.Set(reg::ConfirmQuitGame, "N");
    // Only the player's own moves change the table.
    run.context().autoplayOn = false;
    // The first activation would stop at the players dialog of a first run.
    run.preferences().WriteString("Parameters", "Players_Names_V01", "Y");
}

// A test run with its main window shown at a size that holds every game's table.
inline std::unique_ptr<MainWindow> OpenTestWindow(TableSession& run)
{
    StartTestRun(run);
    auto window = std::make_unique<MainWindow>(run);
    window->resize(1024, 768);
    window->show();
    return window;
}

// Opens game number (or deals it again) from a fixed deal number.
inline void DealFixedGame(TableSession& run, int game, const std::string& dealNumber)
{
    GameContext& context = run.context();
    context.registers.Set(reg::DealNumber, dealNumber);
    const ScreenFacts screen{1280, 16777216};
    if (!OpenGame(context, run.preferences(), run.random(), game, context.mainGame.GameName(game),
                  context.registers.Get(reg::Player), 1, false, screen)) {
        ASSERT_TRUE(NewGame(context, run.preferences(), run.random(), 1, screen));
    }
    ASSERT_EQ(context.CurrentGameNumber(), game);
    QCoreApplication::processEvents();
    // The faces as the window shows them once its size rests, not the stand-ins of a resize.
    run.DrawExactFaces();
}

// Drags from one point of the board to another as a player's mouse would: a press, a small first
// step that makes it a drag, the move and the release.
inline void DragOnBoard(QWidget* board, QPoint start, QPoint end)
{
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(board, start + QPoint(5, 5));
    QTest::mouseMove(board, end);
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, end);
}

}  // namespace marlowe::testing
