// The search over engine actions where a beam led by the measure of progress does the work: cards
// swapped into their cells while the stock still names them, suits gathered on piles over many
// redeals; and the first clicks of a selection game, which leave out only cards no other card
// could follow.

#include "engine/action_search.h"
#include "engine/game_won.h"
#include "engine/pile_text.h"
#include "engine/play_actions.h"
#include "engine/quiet_play.h"
#include "engine/solver.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

constexpr int kPyramid = 13;
constexpr int kMonteCarlo = 14;
constexpr int kPasDeDeux = 237;
constexpr int kWeddings = 248;
constexpr int kValentine = 287;

// Solves the deal with no clock, so that the search is repeatable, and plays the line it found
// through the protocol to the end.
void ExpectWonThroughTheProtocol(int game, const char* deal, long long nodeLimit)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, game, deal);
    ASSERT_TRUE(play.started);
    const SolveResult result = Solve(play.context(), SolverOptions{nodeLimit});
    ASSERT_TRUE(result.Won()) << game << " " << deal << ": " << VerdictText(result.verdict) << ", " << result.nodes
                              << " positions";
    for (const auto& action : result.actions)
        ASSERT_EQ(play.Run(action), "ok") << action;
    EXPECT_TRUE(IsGameWon(play.context()));
}

// Every card of Pas de Deux has two turns, one in each pass: the beam, led by the swaps each card
// still needs against the turns it has left, brings all 52 home where a depth-first search never
// does.
TEST(ActionSearchBeamTest, PasDeDeuxIsWonByTheBeam)
{
    ExpectWonThroughTheProtocol(kPasDeDeux, "8889167922067", 200000);
}

// Valentine is won only after many redeals, thousands of actions deep, far past the depth where a
// depth-first search turns back; the beam follows the suits gathering on the piles and in the
// stock the redeal keeps in order.
TEST(ActionSearchBeamTest, ValentineIsWonThousandsOfActionsDeep)
{
    ExpectWonThroughTheProtocol(kValentine, "1471133271435", 400000);
}

// A beam that drops tables for want of width proves nothing: with too small a budget to win, the
// deals stay undecided.
TEST(ActionSearchBeamTest, ABeamCutShortLeavesTheDealUndecided)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const auto& [game, deal] : {std::pair{kValentine, "1471133271435"}, std::pair{kWeddings, "7475457356483"}}) {
        testing::ProtocolGame play(mainGame, game, deal);
        ASSERT_TRUE(play.started);
        EXPECT_EQ(SearchByActions(play.context(), SolverOptions{4000}).verdict, SolveVerdict::Unknown) << game;
    }
}

int CardsTaken(const GameContext& context)
{
    return ElementCount(context.piles.stockGroup[kSecondWasteSlot]);
}

// The selection games' first clicks: a tableau card left out of the candidates is one that no
// click on another card makes a set with, so nothing that could win is lost; and once a card is
// chosen, the stock waits for the click that completes the set.
TEST(ActionSearchSelectionTest, CardsLeftOutOfTheFirstClicksMakeNoSet)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    SilentPresentation silent;
    for (const auto& [game, deal] : {std::pair{kWeddings, "7475457356483"}, std::pair{kMonteCarlo, "0000000000001"},
                                     std::pair{kWeddings, "1234567890123"}}) {
        testing::ProtocolGame play(mainGame, game, deal);
        ASSERT_TRUE(play.started);
        GameContext table = QuietCopy(play.context(), silent);
        const std::vector<PlayAction> candidates = CandidateActions(table);
        const auto offered = [&](int card) {
            return std::any_of(candidates.begin(), candidates.end(), [card](const PlayAction& action) {
                return action.kind == ActionKind::Click && action.card == card;
            });
        };
        std::vector<int> cards;
        for (const std::string& pile : table.piles.tableaus)
            for (const int card : PileCodes(pile))
                if (card > 0)
                    cards.push_back(card);
        int leftOut = 0;
        int setsMade = 0;
        for (const int card : cards) {
            GameContext chosen = table;
            if (!PerformAction(chosen, PlayAction{ActionKind::Click, card}))
                continue;
            if (offered(card)) {
                const std::vector<PlayAction> next = CandidateActions(chosen);
                EXPECT_TRUE(std::none_of(next.begin(), next.end(),
                                         [](const PlayAction& action) { return action.kind == ActionKind::Stock; }))
                    << game << " " << deal << " after choosing " << card;
                for (const PlayAction& action : next) {
                    GameContext pair = chosen;
                    setsMade += PerformAction(pair, action) && CardsTaken(pair) > CardsTaken(table) ? 1 : 0;
                }
                continue;
            }
            ++leftOut;
            for (const int other : cards) {
                GameContext pair = chosen;
                if (other != card && PerformAction(pair, PlayAction{ActionKind::Click, other})) {
                    EXPECT_EQ(CardsTaken(pair), CardsTaken(table)) << game << " " << deal << ": " << card << " with " << other;
                }
            }
        }
        EXPECT_GT(leftOut, 0) << game << " " << deal; // the deal tests something
        EXPECT_GT(setsMade, 0) << game << " " << deal;
    }
}

// The pyramid's stock click pairs the stock's top card with the card chosen: a card that only the
// stock's top could join is still chosen, and with it chosen the stock stays a candidate.
TEST(ActionSearchSelectionTest, ThePyramidsStockTopJoinsTheCardChosen)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, kPyramid, "0000000000001");
    ASSERT_TRUE(play.started);
    play.context().piles.tableaus[6] = "005013"; // the bottom row: a five, and a King that goes alone
    play.context().piles.Stock() += "008";       // the eight that makes 13 with the five
    const auto offers = [&play](ActionKind kind, int card) {
        const std::vector<PlayAction> candidates = CandidateActions(play.context());
        return std::any_of(candidates.begin(), candidates.end(),
                           [&](const PlayAction& action) { return action.kind == kind && action.card == card; });
    };
    EXPECT_TRUE(offers(ActionKind::Click, 5));
    ASSERT_EQ(play.Run("click 5"), "ok");
    EXPECT_TRUE(offers(ActionKind::Stock, 0));
}

} // namespace
} // namespace marlowe
