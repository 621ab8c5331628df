// How long one new deal takes: the shuffle and the whole layout, for a one-pack game
// (Klondike) and a two-pack game (Forty Thieves), with rules set here by hand.

#include "engine/deal.h"
#include "engine/recording_presentation.h"
#include "engine/shuffle.h"

#include <benchmark/benchmark.h>

namespace {

using namespace marlowe;

void SetEach(RuleVector& rules, int family, int count, int value)
{
    for (int k = 0; k < count; ++k)
        rules.Of(family, k) = static_cast<std::int16_t>(value);
}

// Foundations building up in suit from the Ace.
void HomeFoundations(RuleVector& rules, int count)
{
    rules[rule::FoundationCount] = static_cast<std::int16_t>(count);
    SetEach(rules, rule::FoundationBaseRank, count, 1);
    SetEach(rules, rule::FoundationDirection, count, 1);
}

void Klondike(RuleVector& rules)
{
    rules[rule::PackSize] = 52;
    HomeFoundations(rules, 4);
    rules[rule::TableauCount] = 7;
    rules[rule::StockCardCount] = 24;
    rules[rule::StockFaceDown] = 1;
    for (int k = 0; k < 7; ++k)
        rules.Of(rule::TableauCardCount, k) = static_cast<std::int16_t>(k + 1);
    SetEach(rules, rule::TableauFaceUp, 7, 1);
}

void FortyThieves(RuleVector& rules)
{
    rules[rule::PackSize] = 104;
    HomeFoundations(rules, 8);
    rules[rule::TableauCount] = 10;
    rules[rule::StockCardCount] = 64;
    rules[rule::StockFaceDown] = 1;
    SetEach(rules, rule::TableauCardCount, 10, 4);
    SetEach(rules, rule::TableauFaceUp, 10, 4);
}

// One new game: a new deal number, the table prepared, the rules restored and the deal.
void ShuffleAndDeal(benchmark::State& state, void (*game)(RuleVector&))
{
    RecordingPresentation presentation;
    GameContext context(presentation);
    game(context.rules);
    context.rules.SaveRuleCopy();
    SeededRandom random(1);
    for (auto _ : state) {
        NewDealNumber(context, random);
        context.rules.RestoreRuleCopy();
        PrepareTableForDeal(context);
        DealGame(context, random);
        benchmark::DoNotOptimize(context.piles.Stock().data());
    }
}
BENCHMARK_CAPTURE(ShuffleAndDeal, Klondike, Klondike)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ShuffleAndDeal, FortyThieves, FortyThieves)->Unit(benchmark::kMicrosecond);

} // namespace
