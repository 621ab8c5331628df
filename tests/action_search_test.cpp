// The search over engine actions on games whose only choices are the cards sent home: which
// card, to which foundation, and when the stock deals again.

#include "engine/action_search.h"
#include "engine/game_won.h"
#include "engine/play_actions.h"
#include "engine/solver.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr int kGrandDuchess = 130;

// Grand Duchess is lost many cards after its mistakes, passes later: a card sent to the wrong
// foundation of its suit, or sent home before the redeal that it would have shifted. The first
// search of rollouts, which plays them as they come, does not win this deal; a later one that
// holds cards back now and then does, and its line wins through the protocol. With no clock the
// searches are repeatable.
TEST(ActionSearchRolloutsTest, GrandDuchessIsWonByRolloutsThatHoldCardsBack)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    const char* deal = "1412715632038";
    {
        testing::ProtocolGame play(mainGame, kGrandDuchess, deal);
        ASSERT_TRUE(play.started);
        const SolveResult first = SearchByActions(play.context(), SolverOptions{24000});
        EXPECT_EQ(first.verdict, SolveVerdict::Unknown) << first.nodes << " positions";
    }
    testing::ProtocolGame play(mainGame, kGrandDuchess, deal);
    ASSERT_TRUE(play.started);
    const SolveResult result = Solve(play.context(), SolverOptions{90000});
    ASSERT_TRUE(result.Won()) << result.nodes << " positions";
    for (const auto& action : result.actions)
        ASSERT_EQ(play.Run(action), "ok") << action;
    EXPECT_TRUE(IsGameWon(play.context()));
}

// Rollouts prove nothing: a search that spends its limit on them, or whose clock runs out, leaves
// a deal it did not win undecided.
TEST(ActionSearchRolloutsTest, RolloutsThatDoNotWinLeaveTheDealUndecided)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const char* deal : {"7543853041528", "9493012028926"}) {
        testing::ProtocolGame play(mainGame, kGrandDuchess, deal);
        ASSERT_TRUE(play.started);
        SolverOptions options{30000};
        EXPECT_EQ(SearchByActions(play.context(), options).verdict, SolveVerdict::Unknown) << deal;
        options.nodeLimit = 100000000;
        options.timeLimit = std::chrono::milliseconds(300);
        EXPECT_EQ(SearchByActions(play.context(), options).verdict, SolveVerdict::Unknown) << deal;
    }
}

} // namespace
} // namespace marlowe
