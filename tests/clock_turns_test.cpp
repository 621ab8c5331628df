// The traditional Clock: only the pile the last card named turns, and a card goes home to its rank.

#include "engine/cards.h"
#include "engine/clock_turns.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"
#include "engine/pointer.h"
#include "engine/recording_presentation.h"

#include <gtest/gtest.h>


namespace marlowe {
namespace {

constexpr int kCentre = 12;

class ClockTurnsTest : public ::testing::Test {
protected:
    ClockTurnsTest() : context(presentation)
    {
        RuleVector& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::SpecialGame] = 89;
        rules[rule::TableauCount] = 13;
        rules[rule::FoundationCount] = 13;
        rules[rule::FoundationFullCount] = 4;
        for (int k = 0; k < 13; ++k) {
            rules.Of(rule::TableauCardCount, k) = 4;
            rules.Of(rule::TableauBuildCode, k) = 4;
            rules.Of(rule::FoundationBaseRank, k) = static_cast<std::int16_t>(k + 1);
            rules.Of(rule::FoundationBuildCode, k) = 152;
        }
        context.flags.Set(GameInProgress);
    }

    // Deals four face-down cards to each pile given.
    void Deal(const std::vector<std::pair<int, std::vector<int>>>& piles)
    {
        for (const auto& [pile, cards] : piles) {
            context.piles.tableaus[static_cast<std::size_t>(pile)] = PileTextOf(cards);
            for (const int card : cards)
                context.cards.SetCardFaceMark(card, '0');
        }
    }

    int Home(int rank) const { return ElementCount(context.piles.foundations[static_cast<std::size_t>(rank - 1)]); }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(ClockTurnsTest, OnlyTheNamedPileTurnsAndItsCardGoesHomeToItsRank)
{
    const int fiveOfClubs = CardCode(Clubs, 5), sevenOfHearts = CardCode(Hearts, 7);
    Deal({{kCentre, {CardCode(Spades, 2), CardCode(Spades, 3), CardCode(Spades, 4), fiveOfClubs}},
          {4, {CardCode(Diamonds, 2), CardCode(Diamonds, 3), CardCode(Diamonds, 4), sevenOfHearts}},
          {6, {CardCode(Clubs, 2), CardCode(Clubs, 3), CardCode(Clubs, 4), CardCode(Clubs, 6)}}});
    EXPECT_EQ(ClockPileToTurn(context), kCentre) << "the centre is turned first";
    EXPECT_FALSE(ClockTurn(context, 4, sevenOfHearts));

    EXPECT_TRUE(ClockTurn(context, kCentre, fiveOfClubs));
    EXPECT_EQ(Home(5), 1);
    EXPECT_FALSE(context.cards.IsFaceDown(fiveOfClubs));
    EXPECT_EQ(ClockPileToTurn(context), 4) << "the Five names the fifth hour";
    EXPECT_FALSE(ClockTurn(context, kCentre, CardCode(Spades, 4)));

    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, PileRef{PileGroup::Tableaus, 4}, sevenOfHearts),
              PressResult::Acted)
        << "the player's click does the same";
    EXPECT_EQ(Home(7), 1);
    EXPECT_EQ(ClockPileToTurn(context), 6);
}

TEST_F(ClockTurnsTest, AKingNamesTheCentreAndTheFourthKingEndsTheGame)
{
    const int kings[] = {CardCode(Clubs, King), CardCode(Hearts, King), CardCode(Spades, King), CardCode(Diamonds, King)};
    Deal({{kCentre, {kings[3], kings[2], kings[1], kings[0]}}});
    for (int turn = 0; turn < 4; ++turn) {
        EXPECT_EQ(ClockPileToTurn(context), kCentre);
        EXPECT_TRUE(ClockTurn(context, kCentre, TopElement(context.piles.tableaus[kCentre])));
    }
    EXPECT_EQ(Home(King), 4);
    EXPECT_EQ(ClockPileToTurn(context), -1) << "nothing is left to turn";
}

TEST_F(ClockTurnsTest, OnceStuckAPileMayLendItsTopCardOnceWhereTheGameAllowsIt)
{
    const int kings[] = {CardCode(Clubs, King), CardCode(Hearts, King), CardCode(Spades, King), CardCode(Diamonds, King)};
    const int threeOfClubs = CardCode(Clubs, 3), sixOfHearts = CardCode(Hearts, 6);
    Deal({{kCentre, {kings[3], kings[2], kings[1], kings[0]}},
          {4, {CardCode(Diamonds, 2), CardCode(Diamonds, 3), CardCode(Spades, 6), threeOfClubs}},
          {2, {CardCode(Hearts, 2), CardCode(Hearts, 3), CardCode(Hearts, 4), sixOfHearts}},
          {5, {CardCode(Clubs, 2), CardCode(Spades, 3), CardCode(Spades, 4), CardCode(Spades, 5)}}});
    for (int turn = 0; turn < 4; ++turn)
        ClockTurn(context, kCentre, TopElement(context.piles.tableaus[kCentre]));
    for (const int special : {89, 110}) {
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(special);
        EXPECT_EQ(ClockTurn(context, 4, threeOfClubs), special == 110) << "only Relaxed Clock lends, " << special;
    }
    EXPECT_EQ(Home(3), 1);
    EXPECT_EQ(ClockPileToTurn(context), 2) << "play goes on from the card lent";
    EXPECT_TRUE(ClockTurn(context, 2, sixOfHearts));
    EXPECT_EQ(ClockPileToTurn(context), 5) << "the Six names the sixth hour";
    EXPECT_TRUE(ClockTurn(context, 5, CardCode(Spades, 5)));
    EXPECT_EQ(ClockPileToTurn(context), 4) << "the pile that lent is named like any other";
    EXPECT_TRUE(ClockTurn(context, 4, CardCode(Spades, 6)));
    EXPECT_EQ(ClockPileToTurn(context), 5);
    EXPECT_TRUE(ClockTurn(context, 5, CardCode(Spades, 4)));
    EXPECT_EQ(ClockPileToTurn(context), -1) << "the fourth hour has nothing left: the game sticks again";

    EXPECT_FALSE(ClockTurn(context, 2, CardCode(Hearts, 4))) << "a second loan is refused";
}

} // namespace
} // namespace marlowe
