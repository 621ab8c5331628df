#pragma once
// Whether the deal on the table can still be won, worked out in the background. After every
// change of the table a copy of the game is solved on a worker thread while the player plays on;
// a newer table stops the search of an older one, and an answer that belongs to a table no longer
// on the board is dropped. The window shows the answer as a line of the status bar, and the hint
// follows the winning line it found.

#include "engine/game_context.h"
#include "engine/move_history.h"
#include "engine/play_actions.h"
#include "engine/quiet_play.h"
#include "engine/solver.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace marlowe {

class WinnabilityWatch : public QObject {
    Q_OBJECT
public:
    // What one search may spend.
    static constexpr std::chrono::milliseconds kTimeBudget{3000};
    static constexpr long long kNodeBudget = 500000;

    // engineBusy tells whether the engine is in the middle of an action, when the table may be
    // half changed; the watch looks again when it is asked to after the action.
    WinnabilityWatch(const GameContext& context, std::function<bool()> engineBusy);
    // Stops the searches and lets their threads end, which they do within moments of the stop.
    ~WinnabilityWatch() override;

    // The table may have changed: it is compared with the one last judged as soon as the window
    // is idle, and a new search starts when it differs.
    void Look();
    // What the status bar shows: "Solving...", "This deal can be won", "This deal can no longer
    // be won", or nothing (no search, an unknown answer, a game the solver cannot judge).
    const QString& Line() const { return line_; }
    // The first action of a winning line found for the table as it lies now.
    std::optional<PlayAction> NextWinningAction() const;

signals:
    void LineChanged(const QString& line);

private:
    // What a search answers for: the game, the deal and everything a move changes.
    struct Position {
        int game = -1;
        std::string deal;
        Snapshot table;
        bool judged = false; // a game in progress that the solver can judge
        bool operator==(const Position&) const = default;
    };
    struct Search {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    Position PositionNow() const;
    void Compare();
    void StartSearch();
    void StopSearches();
    void ForgetFinishedSearches();
    void Receive(unsigned generation, SolveResult result);
    void Show(const QString& line);

    const GameContext& context_;
    std::function<bool()> engineBusy_;
    QTimer lookSoon_;
    std::optional<Position> judged_;     // the table of the latest search
    unsigned generation_ = 0;            // counts the tables searched; an answer carries its own
    std::optional<SolveResult> answer_;  // the answer for the latest table, once it came
    QString line_;
    SilentPresentation silent_;          // what the copies searched show: nothing
    std::vector<Search> searches_;       // the latest search and older ones still stopping
};

} // namespace marlowe
