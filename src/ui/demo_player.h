#pragma once
// "Game Demo": the program plays the game in progress by itself, one move at a time at a pace a
// person can follow, with the cards gliding as in any move the program makes. It plays the
// solver's winning line when the solver finds one within a few seconds, otherwise the move
// finder's moves, until the game is won or no move is left. A click or a key stops it. A game the
// demo finishes is not recorded as won by the player.

#include "engine/play_actions.h"
#include "ui/input_gate.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <vector>

namespace marlowe {

class TableSession;

class DemoPlayer : public QObject {
    Q_OBJECT
public:
    explicit DemoPlayer(TableSession& session, QObject* parent = nullptr);

    // How long the solver may look for a winning line, and the pause between two moves.
    void SetPace(std::chrono::milliseconds solverBudget, std::chrono::milliseconds betweenMoves);

    void Start();
    void Stop();
    bool Running() const { return running_; }
    // Whether the moves come from a winning line the solver found.
    bool PlaysWinningLine() const { return !line_.empty(); }

signals:
    // A move was made (the window refreshes its commands), and the demo ended.
    void Moved();
    void Ended();

private:
    void Step();
    // The next move: the winning line's while it holds, else the move finder's, else a stock click.
    bool PlayNextMove();
    bool Perform(const PlayAction& action);

    TableSession& session_;
    QTimer timer_;
    std::unique_ptr<InputGate> stopper_;
    std::vector<PlayAction> line_;
    std::size_t next_ = 0;
    int finderMoves_ = 0;
    bool running_ = false;
    std::chrono::milliseconds solverBudget_{3000};
};

} // namespace marlowe
