// How long single moves and a whole foundation pass take. Every iteration puts the table back
// as it was (a few string copies and cleared histories), which is counted in the time.

#include "engine/autoplay.h"
#include "engine/cards.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace marlowe;

// A Klondike game in progress with autoplay on.
struct KlondikeTable {
    KlondikeTable()
    {
        auto& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::FoundationCount] = 4;
        rules[rule::TableauCount] = 7;
        rules[rule::FoundationFullCount] = 13;
        rules[rule::MaxTableauCards] = -1;
        rules[rule::RunRule] = 1;
        rules[rule::TableauPickRule] = -1;
        rules[rule::AutoFaceUp] = 1;
        rules[rule::WasteNotTarget] = 4;
        for (int f = 0; f < 4; ++f) {
            rules.Of(rule::FoundationBaseRank, f) = 1;
            rules.Of(rule::FoundationDirection, f) = 1;
        }
        for (int k = 0; k < 7; ++k) {
            rules.Of(rule::TableauBaseRank, k) = 13;
            rules.Of(rule::TableauBuildCode, k) = 3;
            rules.Of(rule::TableauWrap, k) = 2;
        }
        context.registers.Set(reg::AutomaticFaceUp, "Y");
        context.mainGame.TableDrawn = 1;
        context.autoplayOn = context.autoplayAvailable = true;
    }

    // Puts the table back and starts the game again.
    void Reset(const PileStore& piles)
    {
        context.piles = piles;
        context.undoHistory.Clear();
        context.redoHistory.Clear();
        context.flags.ClearAll();
        context.flags.Set(GameInProgress);
        context.mainGame.MoveCount = 0;
        presentation.events.clear();
    }

    RecordingPresentation presentation;
    GameContext context{presentation};
};

// Four descending runs King to Ace in alternating colours, one per pile, the suits shifted from
// pile to pile so that the 52 cards are all different.
PileStore WonOutTable()
{
    constexpr int kSuitCycle[4] = {Spades, Hearts, Clubs, Diamonds};
    PileStore piles;
    for (int run = 0; run < 4; ++run)
        for (int rank = King, step = 0; rank >= Ace; --rank, ++step)
            piles.tableaus[static_cast<std::size_t>(run)] += CodeText(CardCode(kSuitCycle[(run + step) % 4], rank));
    return piles;
}

void ExecuteMoveToFoundation(benchmark::State& state)
{
    KlondikeTable table;
    PileStore piles;
    piles.tableaus[0] = CodeText(CardCode(Spades, 9)) + CodeText(CardCode(Hearts, Ace));
    for (auto _ : state) {
        table.Reset(piles);
        benchmark::DoNotOptimize(ExecuteMove(table.context, CardCode(Hearts, Ace), PileRef{PileGroup::Foundations, 0}));
    }
}
BENCHMARK(ExecuteMoveToFoundation)->Unit(benchmark::kMicrosecond);

void ExecuteMoveOfARun(benchmark::State& state)
{
    KlondikeTable table;
    PileStore piles;
    piles.tableaus[0] = CodeText(CardCode(Clubs, 2));
    for (int rank = King, step = 0; rank >= 9; --rank, ++step)
        piles.tableaus[0] += CodeText(CardCode(step % 2 == 0 ? Spades : Hearts, rank));
    for (auto _ : state) {
        table.Reset(piles);
        benchmark::DoNotOptimize(ExecuteMove(table.context, CardCode(Spades, King), PileRef{PileGroup::Tableaus, 1}));
    }
}
BENCHMARK(ExecuteMoveOfARun)->Unit(benchmark::kMicrosecond);

void FoundationPassOnAWonOutTable(benchmark::State& state)
{
    KlondikeTable table;
    const PileStore piles = WonOutTable();
    for (auto _ : state) {
        table.Reset(piles);
        benchmark::DoNotOptimize(AutoFoundationPass(table.context));
    }
    table.Reset(piles);
    AutoFoundationPass(table.context);
    int home = 0;
    for (const auto& foundation : table.context.piles.foundations)
        home += ElementCount(foundation);
    state.counters["cards_home"] = home;
}
BENCHMARK(FoundationPassOnAWonOutTable)->Unit(benchmark::kMicrosecond);

} // namespace
