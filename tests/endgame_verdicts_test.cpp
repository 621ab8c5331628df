// The fast search's reductions against the search over engine actions, which leaves out
// nothing but moves that change nothing. On endgames small enough for both to search to the
// end (a deal with its low cards put home), the two must give the same verdict: a card sent
// home early, or two positions taken for one, that lost a win would show as "unwinnable"
// where the engine's own search wins.

#include "card_names.h"
#include "engine/action_search.h"
#include "engine/card_model.h"
#include "engine/cards.h"
#include "engine/model_search.h"
#include "engine/pile_text.h"
#include "engine/solver.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

// The deal with every card of rank up to `rank` taken out of play and laid on a foundation of
// its suit; a tableau card that comes to lie on top is turned face up.
void PutLowCardsHome(GameContext& context, int rank)
{
    auto& piles = context.piles;
    std::array<int, 4> foundationOf{-1, -1, -1, -1};
    for (int f = 0; f < 4; ++f) {
        const std::vector<int> cards = PileCodes(piles.foundations[static_cast<std::size_t>(f)]);
        if (!cards.empty())
            foundationOf[static_cast<std::size_t>(CardSuit(cards.front()))] = f;
    }
    for (int suit = 0, free = 0; suit < 4; ++suit)
        if (foundationOf[static_cast<std::size_t>(suit)] < 0) {
            while (std::find(foundationOf.begin(), foundationOf.end(), free) != foundationOf.end())
                ++free;
            foundationOf[static_cast<std::size_t>(suit)] = free;
        }
    const auto low = [&](int code) { return code > 0 && CardRank(code) <= rank; };
    const auto strip = [&](std::string& pile, bool turnTop) {
        std::vector<int> cards = PileCodes(pile);
        std::erase_if(cards, low);
        pile = PileTextOf(cards);
        if (turnTop && !cards.empty())
            context.cards.SetCardFaceMark(cards.back(), '1');
    };
    for (auto& pile : piles.tableaus)
        strip(pile, true);
    for (auto& pile : piles.reserves)
        strip(pile, false);
    for (auto& pile : piles.stockGroup)
        strip(pile, false);
    for (int suit = 0; suit < 4; ++suit) {
        std::vector<int> home;
        for (int r = Ace; r <= rank; ++r) {
            home.push_back(CardCode(suit, r));
            context.cards.SetCardFaceMark(home.back(), '1');
        }
        piles.foundations[static_cast<std::size_t>(foundationOf[static_cast<std::size_t>(suit)])] = PileTextOf(home);
    }
}

struct Tally {
    int won = 0;
    int unwinnable = 0;
};

void CompareVerdicts(int game, int rank, Tally& tally)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const char* deal : {"5618328839193", "6274643639564", "0000000000007", "8061934471205", "1358125880137",
                             "2718281828459", "3141592653589", "1618033988749"}) {
        testing::ProtocolGame play(mainGame, game, deal);
        ASSERT_TRUE(play.started);
        PutLowCardsHome(play.context(), rank);
        const std::optional<CardModel> model = CardModel::Of(play.context());
        ASSERT_TRUE(model) << game;
        const SolveResult fast = SearchModel(play.context(), *model, SolverOptions{300000});
        const SolveResult plain = SearchByActions(play.context(), SolverOptions{30000});
        if (plain.verdict == SolveVerdict::Unknown)
            continue;
        EXPECT_EQ(VerdictText(fast.verdict), std::string(VerdictText(plain.verdict)))
            << "game " << game << " deal " << deal << " from rank " << rank + 1 << ": " << fast.nodes << " against "
            << plain.nodes << " positions";
        tally.won += plain.verdict == SolveVerdict::Won ? 1 : 0;
        tally.unwinnable += plain.verdict == SolveVerdict::Unwinnable ? 1 : 0;
    }
}

// Beleaguered Castle (single cards, any card to a space), Klondike (runs, Kings to spaces, the
// stock), Canfield (the top card or the whole column, spaces filled from the reserve) and Auld
// Lang Syne (rows dealt from the stock, foundations of any suit that two cards may want at once).
TEST(EndgameVerdictsTest, TheFastSearchAgreesWithTheSearchOverActions)
{
    Tally tally;
    for (const auto& [game, rank] : {std::pair{7, 4}, std::pair{7, 5}, std::pair{2, 7}, std::pair{8, 9}, std::pair{120, 7}})
        CompareVerdicts(game, rank, tally);
    // Both verdicts must have been compared, each often enough to mean something.
    EXPECT_GE(tally.won, 16);
    EXPECT_GE(tally.unwinnable, 3);
}

// A table of the game with the given columns, face up (a negative code face down), every other
// card in the stock.
bool DeadIn(int game, const std::vector<std::vector<int>>& columns)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, game, "0000000000001");
    EXPECT_TRUE(play.started);
    GameContext& context = play.context();
    context.piles.Clear();
    std::vector<int> stock;
    for (int code = 1; code <= 52; ++code) {
        bool placed = false;
        for (const auto& column : columns)
            placed = placed || std::find(column.begin(), column.end(), code) != column.end() ||
                     std::find(column.begin(), column.end(), -code) != column.end();
        if (!placed)
            stock.push_back(code);
        context.cards.SetCardFaceMark(code, placed ? '1' : '0');
    }
    for (std::size_t k = 0; k < columns.size(); ++k) {
        std::vector<int> codes;
        for (const int card : columns[k]) {
            codes.push_back(std::abs(card));
            if (card < 0)
                context.cards.SetCardFaceMark(-card, '0');
        }
        context.piles.tableaus[k] = PileTextOf(codes);
    }
    context.piles.Stock() = PileTextOf(stock);
    const std::optional<CardModel> model = CardModel::Of(context);
    EXPECT_TRUE(model);
    return model && model->IsDead(model->Read(context));
}

bool DeadInKlondike(const std::vector<std::vector<int>>& columns) { return DeadIn(2, columns); }

// A card held for good above a lower card of its suit makes the table lost; a card with any
// way off (a place to go, an empty column for a King, a run that carries it) does not.
TEST(EndgameVerdictsTest, DeadPositionsAreOnlyThoseWithACardHeldForGood)
{
    EXPECT_TRUE(DeadInKlondike({{S(6), C(6), H(3), H(5)}})) << "both black 6s under the 5 of hearts";
    EXPECT_TRUE(DeadInKlondike({{S(6), C(6), -H(3), H(5)}})) << "the 3 face down";
    EXPECT_TRUE(DeadInKlondike({{S(7), C(7), D(6), C(3), H(6), C(5)}})) << "the run 6-5 has nowhere to go either";
    EXPECT_FALSE(DeadInKlondike({{S(6), H(3), H(5)}, {C(6)}})) << "the 6 of clubs takes the 5";
    EXPECT_FALSE(DeadInKlondike({{S(6), C(6), H(3), H(13)}})) << "a King may go to an empty column";
    EXPECT_FALSE(DeadInKlondike({{D(6), C(3), H(6), C(5)}, {S(7)}})) << "the 6 of hearts carries the 5 of clubs off";
    EXPECT_FALSE(DeadInKlondike({{S(6), C(6), H(5), H(3)}})) << "the lower card above the higher one";
}

// Strategy's piles give their cards only to the foundations, top card first: waits that run in
// a circle (each spade on the heart its foundation needs after a card under it) lose the game.
TEST(EndgameVerdictsTest, WaitsInACircleLoseWhereCardsLeaveOnlyForHome)
{
    constexpr int kStrategy = 118;
    EXPECT_TRUE(DeadIn(kStrategy, {{H(2), S(5)}, {S(4), H(3)}})) << "5 of spades, 2, 3 of hearts, 4 of spades";
    EXPECT_TRUE(DeadIn(kStrategy, {{H(2), S(3)}, {D(2), H(3)}, {S(2), D(3)}})) << "a circle through three piles";
    EXPECT_FALSE(DeadIn(kStrategy, {{H(2), S(5)}, {H(3), S(4)}})) << "the 4 of spades goes first";
    EXPECT_FALSE(DeadIn(kStrategy, {{H(2), S(3)}, {D(2), H(3)}, {D(3), S(2)}})) << "the 2 of spades opens the circle";
}

} // namespace
} // namespace marlowe
