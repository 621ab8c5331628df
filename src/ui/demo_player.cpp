#include "ui/demo_player.h"

#include "app/register_settings.h"
#include "engine/drop_resolution.h"
#include "engine/move_finder.h"
#include "engine/solver.h"
#include "engine/table.h"
#include "ui/table_session.h"

#include <QApplication>

namespace marlowe {

namespace {

// The move finder can move cards to and fro for ever; the demo gives up after this many of its moves.
constexpr int kFinderMoveLimit = 400;

} // namespace

DemoPlayer::DemoPlayer(TableSession& session, QObject* parent) : QObject(parent), session_(session)
{
    timer_.setSingleShot(true);
    timer_.setInterval(700);
    connect(&timer_, &QTimer::timeout, this, &DemoPlayer::Step);
}

void DemoPlayer::SetPace(std::chrono::milliseconds solverBudget, std::chrono::milliseconds betweenMoves)
{
    solverBudget_ = solverBudget;
    timer_.setInterval(static_cast<int>(betweenMoves.count()));
}

void DemoPlayer::Start()
{
    GameContext& context = session_.context();
    if (running_ || !context.flags[GameInProgress] || session_.EngineBusy())
        return;
    running_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SolverOptions options;
    options.timeLimit = solverBudget_;
    const SolveResult solved = Solve(context, options);
    QApplication::restoreOverrideCursor();
    line_ = solved.Won() ? solved.line : std::vector<PlayAction>{};
    next_ = 0;
    finderMoves_ = 0;
    stopper_ = std::make_unique<InputGate>(InputGate::Mode::Interrupt, [this] { Stop(); });
    timer_.start();
}

void DemoPlayer::Stop()
{
    if (!running_)
        return;
    running_ = false;
    timer_.stop();
    // Deleted later: the gate may be calling this from its own filter.
    if (stopper_)
        stopper_.release()->deleteLater();
    emit Ended();
}

void DemoPlayer::Step()
{
    if (!running_)
        return;
    // While the move plays, input waits as for any move; a press held meanwhile stops the demo
    // once the move is over. A won game ends here with its celebration and the game selection.
    stopper_.reset();
    const bool moved = PlayNextMove();
    emit Moved();
    if (!running_)
        return;
    if (!moved || !session_.context().flags[GameInProgress]) {
        Stop();
        return;
    }
    stopper_ = std::make_unique<InputGate>(InputGate::Mode::Interrupt, [this] { Stop(); });
    timer_.start();
}

bool DemoPlayer::PlayNextMove()
{
    GameContext& context = session_.context();
    while (next_ < line_.size()) {
        if (Perform(line_[next_++]))
            return true;
        line_.clear(); // the line no longer fits the table
    }
    if (++finderMoves_ > kFinderMoveLimit)
        return false;
    if (const std::optional<FoundMove> move = FindLegalMove(context))
        return Perform(PlayAction{ActionKind::Drop, move->card, DestinationPile(move->destination),
                                  move->destination.cell});
    return Perform(PlayAction{ActionKind::Stock});
}

bool DemoPlayer::Perform(const PlayAction& action)
{
    GameContext& context = session_.context();
    // A card the demo drops glides to its place first, as the cards the program moves do.
    if (action.kind == ActionKind::Drop && AnimatesCardMoves(context.registers))
        if (const std::optional<PileRef> from = PileHolding(context, action.card))
            session_.GlideCard(action.card, *from, action.target);
    // The player did not win a game the demo finishes.
    auto recordGame = context.recordGame;
    if (recordGame)
        context.recordGame = [recordGame](GameContext& game, bool) { recordGame(game, false); };
    const bool changed = PerformAction(context, action);
    context.recordGame = recordGame;
    return changed;
}

} // namespace marlowe
