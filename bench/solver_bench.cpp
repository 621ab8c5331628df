// How long the solver takes on shipped games: each iteration searches one deal with a fixed
// node limit, so the figure is the cost of a bounded search. Deals are random 13-digit deal
// numbers drawn from a fixed seed, since consecutive small numbers give correlated deals.

#include "catalogue/main_game.h"
#include "engine/deal_sample.h"
#include "engine/play_protocol.h"
#include "engine/solver.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace {

using namespace marlowe;

constexpr int kDeals = 8;
constexpr long long kNodeLimit = 3000;

void SolveBoundedSearch(benchmark::State& state, int game)
{
    TMainGame mainGame;
    mainGame.programFolder = MARLOWE_BUILD_DIR;
    if (!mainGame.LoadCatalogue()) {
        state.SkipWithError("the shipped GAMES.DAT could not be read");
        return;
    }
    const auto folder = std::filesystem::temp_directory_path() / "marlowe-solver-bench";
    std::filesystem::create_directories(folder);
    const auto deals = SampleDealNumbers(kDeals);
    SolverOptions options;
    options.nodeLimit = kNodeLimit;
    long long nodes = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::ostringstream printed;
        std::ostringstream messages;
        PlayProtocol protocol(mainGame, folder, printed, messages);
        protocol.Start(game, deals[next++ % deals.size()], false);
        state.ResumeTiming();
        const SolveResult result = Solve(protocol.context(), options);
        nodes += result.nodes;
        benchmark::DoNotOptimize(result.Won());
    }
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    std::filesystem::remove_all(folder);
}
BENCHMARK_CAPTURE(SolveBoundedSearch, FreeCell, 1)->Unit(benchmark::kMillisecond)->Iterations(kDeals);
BENCHMARK_CAPTURE(SolveBoundedSearch, Klondike, 2)->Unit(benchmark::kMillisecond)->Iterations(kDeals);

} // namespace
