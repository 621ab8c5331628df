// How long one placement question takes on a freshly dealt seven-pile table.

#include "engine/cards.h"
#include "engine/legality.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace marlowe;

// Seven tableau piles as after a deal (the sixth topped by a black 10, the seventh ending in a
// red 9 and a black 8), a full pack in the stock and one card on the waste.
struct DealtTable {
    DealtTable()
    {
        context.rules[rule::FoundationCount] = 4;
        context.rules[rule::TableauCount] = 7;
        context.rules[rule::FoundationFullCount] = 13;
        context.rules[rule::MaxTableauCards] = -1;
        context.rules[rule::RunRule] = 1;
        context.rules[rule::TableauPickRule] = -1;
        for (int f = 0; f < 4; ++f) {
            context.rules.Of(rule::FoundationBaseRank, f) = 1;
            context.rules.Of(rule::FoundationDirection, f) = 1;
        }
        for (int t = 0; t < 7; ++t) {
            context.rules.Of(rule::TableauBaseRank, t) = 13;
            context.rules.Of(rule::TableauBuildCode, t) = 3;
        }
        int next = 1;
        for (int t = 0; t < 6; ++t)
            for (int n = 0; n <= t; ++n)
                context.piles.tableaus[static_cast<std::size_t>(t)] += CodeText(next++);
        context.piles.tableaus[5] += CodeText(CardCode(Spades, 10));
        context.piles.tableaus[6] = CodeText(CardCode(Clubs, 2)) + CodeText(CardCode(Clubs, 3)) +
                                    CodeText(CardCode(Hearts, 9, 1)) + CodeText(CardCode(Spades, 8, 1));
        for (int card = CardCode(Hearts, Ace, 2); card < CardCode(Hearts, Ace, 3); ++card)
            context.piles.Stock() += CodeText(card);
        context.piles.Waste() = CodeText(CardCode(Spades, 5));
    }

    RecordingPresentation presentation;
    GameContext context{presentation};
};

void IsLegalPlacementOnDealtTable(benchmark::State& state)
{
    DealtTable table;
    PlacementQuery query;
    query.top = CardCode(Spades, 10);
    query.moving = CardCode(Hearts, 9, 1);
    query.base = 13;
    query.base0 = 1;
    query.direction = 0;
    query.code = 3;
    query.index = 5;
    for (auto _ : state)
        benchmark::DoNotOptimize(IsLegalPlacement(table.context, query));
}
BENCHMARK(IsLegalPlacementOnDealtTable)->Unit(benchmark::kNanosecond);

void CanPlayRunOnTableauOfDealtTable(benchmark::State& state)
{
    DealtTable table;
    for (auto _ : state)
        benchmark::DoNotOptimize(CanPlayOnTableau(table.context, 5, CardCode(Hearts, 9, 1), 2));
}
BENCHMARK(CanPlayRunOnTableauOfDealtTable)->Unit(benchmark::kNanosecond);

} // namespace
