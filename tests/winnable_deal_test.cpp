// "Deal only winnable games": a new deal is drawn until the solver proves one winnable, and after
// a fruitless search the last deal drawn is played as if it had been dealt alone.

#include "engine/lifecycle.h"
#include "engine/quiet_play.h"
#include "engine/winnable_deal.h"
#include "engine_program.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;
constexpr int kCanfield = 8;
constexpr int kConcentration = 17;

class WinnableDealTest : public ::testing::Test, protected testing::EngineProgram {
protected:
    void Open(int number)
    {
        ASSERT_TRUE(OpenGame(context, preferences, random, number, context.mainGame.GameName(number), "Player 1", 2,
                             false, ScreenFacts{}));
    }

    std::string Deal() const { return context.registers.Get(reg::DealNumber); }
};

TEST_F(WinnableDealTest, WithTheOptionOnANewDealIsOneTheSolverWins)
{
    EXPECT_EQ(preferences.ReadString("Preference", "Winnable_Deals_Only"), "N") << "off unless chosen";
    preferences.WriteString("Preference", "Winnable_Deals_Only", "Y");
    Open(kFreeCell);
    EXPECT_EQ(presentation.EventsStartingWith("busy").size(), 1u);
    EXPECT_EQ(presentation.EventsStartingWith("not busy").size(), 1u);
    EXPECT_TRUE(presentation.EventsStartingWith("info: ").empty());

    // The same search, without the clock, proves the dealt number again.
    SilentPresentation silent;
    SolverOptions options = WinnableDealSearch{}.solver;
    options.timeLimit = std::chrono::milliseconds(0);
    EXPECT_TRUE(Solve(PlayersCopy(context, silent), options).Won()) << Deal();
    EXPECT_EQ(presentation.EventsStartingWith("title: ").back(), "title: " + GameTitle(context));

    // Dealing the same number again searches nothing.
    const std::string dealt = Deal();
    presentation.events.clear();
    ASSERT_TRUE(NewGame(context, preferences, random, 1));
    EXPECT_EQ(Deal(), dealt);
    EXPECT_TRUE(presentation.EventsStartingWith("busy").empty());

    // Nor does a game whose hidden cards the solver would see.
    Open(kConcentration);
    EXPECT_FALSE(SolvesForThePlayer(context));
    EXPECT_TRUE(presentation.EventsStartingWith("busy").empty());
}

TEST_F(WinnableDealTest, ABudgetThatProvesNothingStillDealsTheLastNumberAndSaysSo)
{
    // Canfield's deal writes the foundations' base rank into the rules: every try must start
    // from the rules as they were.
    Open(kCanfield);
    context.rules.RestoreRuleCopy();
    const std::string before = Deal();
    presentation.events.clear();

    WinnableDealSearch search;
    search.tries = 3;
    search.solver.nodeLimit = 1;
    EXPECT_FALSE(DealWinnableGame(context, random, search));
    std::vector<std::string> told = presentation.events;
    std::erase_if(told, [](const std::string& event) { return event.starts_with("score: "); });
    EXPECT_EQ(told, (std::vector<std::string>{
                        "busy", "not busy",
                        "info: No winnable deal was found in 3 tries; this deal may not be winnable."}));
    EXPECT_NE(Deal(), before);

    // The table is the deal of the last number drawn, as dealing that number alone lays it out.
    const PileStore dealt = context.piles;
    const RuleVector rules = context.rules;
    ASSERT_TRUE(NewGame(context, preferences, random, 1));
    EXPECT_EQ(context.piles, dealt);
    EXPECT_EQ(context.rules.Of(rule::FoundationBaseRank, 0), rules.Of(rule::FoundationBaseRank, 0));
}

} // namespace
} // namespace marlowe
