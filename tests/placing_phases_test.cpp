// Camelot's two phases: turned cards placed by hand into a square whose frame keeps the courts,
// then 10s and pairs to 10 removed once the square is full, until the next card is turned.

#include "card_names.h"
#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/placing_phases.h"
#include "engine/play_actions.h"
#include "engine/recording_presentation.h"
#include "engine/selection.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr int kCorners[] = {0, 3, 12, 15};
constexpr int kQueenPlaces[] = {1, 2, 13, 14};
constexpr int kJackPlaces[] = {4, 7, 8, 11};
constexpr int kMiddle[] = {5, 6, 9, 10};

class PlacingPhasesTest : public ::testing::Test {
protected:
    PlacingPhasesTest() : context(presentation)
    {
        RuleVector& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::TableauCount] = 16;
        rules[rule::StockGroupCount] = 2;
        rules[rule::StockShown] = 1;
        rules[rule::WasteShown] = 1;
        rules[rule::DrawCount] = 1;
        rules[rule::PassesAllowed] = 1;
        rules[rule::MaxTableauCards] = 1;
        rules[rule::GridColumns] = 4;
        rules[rule::SpecialGame] = static_cast<std::int16_t>(Special::CourtFrame);
        const int bases[16] = {13, 12, 12, 13, 11, 0, 0, 11, 11, 0, 0, 11, 13, 12, 12, 13};
        for (int k = 0; k < 16; ++k) {
            rules.Of(rule::TableauBuildCode, k) = building::PlacedByRank;
            rules.Of(rule::TableauBaseRank, k) = static_cast<std::int16_t>(bases[k]);
        }
        context.flags.Set(GameInProgress);
    }

    std::string& Place(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }

    // The square filled with the fifteen cards in order, place `empty` left free.
    void FillSquare(std::vector<int> cards, int empty)
    {
        for (int k = 0, next = 0; k < 16; ++k)
            Place(k) = k == empty ? "" : CodeText(cards.at(static_cast<std::size_t>(next++)));
    }

    bool Act(PlayAction action) { return PerformAction(context, action); }
    bool Click(int card) { return Act({ActionKind::Click, card}); }
    bool Turn() { return Act({ActionKind::Stock}); }
    bool Drop(int card, int place) { return Act({ActionKind::Drop, card, PileRef{PileGroup::Tableaus, place}}); }
    int Removed() { return ElementCount(context.piles.stockGroup[kSecondWasteSlot]); }

    RecordingPresentation presentation;
    GameContext context;
};

// Fifteen pips, two 10s among them, and 3 and 7 to pair.
const std::vector<int> kPips = {H(10), C(3), D(7), S(2), H(2), C(2), D(2), S(4), H(4), C(4), D(4), S(5), H(5), C(5), S(10)};

TEST_F(PlacingPhasesTest, TheFrameKeepsEachCourtToItsPlacesAndPipsGoAnywhere)
{
    const struct {
        int card;
        std::vector<int> takers;
    } rows[] = {
        {S(13), {0, 3, 12, 15}},
        {H(12), {1, 2, 13, 14}},
        {D(11), {4, 7, 8, 11}},
        {C(7), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {H(10), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const auto& row : rows) {
        context.piles.Waste() = CodeText(row.card);
        for (int k = 0; k < 16; ++k) {
            const bool takes = std::find(row.takers.begin(), row.takers.end(), k) != row.takers.end();
            EXPECT_EQ(CanPlayOnTableau(context, k, row.card), takes) << "card " << row.card << " place " << k;
        }
    }
    context.piles.Waste() = CodeText(C(7));
    Place(5) = CodeText(H(3));
    EXPECT_FALSE(CanPlayOnTableau(context, 5, C(7))) << "nothing goes onto a card";
    context.piles.Waste().clear();
    EXPECT_FALSE(CanPlayOnTableau(context, 6, H(3))) << "a placed card stays where it is";
}

TEST_F(PlacingPhasesTest, SetsLeaveOnlyOnceTheSquareIsFullAndUntilTheNextTurn)
{
    FillSquare(kPips, 10);
    context.piles.Stock() = PileTextOf({S(9), S(8), C(9)});
    EXPECT_FALSE(RemovalsOpen(context));
    EXPECT_FALSE(SelectableCard(context, {PileGroup::Tableaus, 0}, H(10))) << "a place is still free";

    ASSERT_TRUE(Turn());
    EXPECT_EQ(context.piles.Waste(), CodeText(C(9)));
    EXPECT_FALSE(Turn()) << "the turned card must be placed first";
    ASSERT_TRUE(Drop(C(9), 10));
    ASSERT_TRUE(RemovalsOpen(context));

    ASSERT_TRUE(Click(H(10)));
    EXPECT_EQ(Place(0), "") << "a 10 leaves alone";
    ASSERT_TRUE(Click(C(3)));
    ASSERT_TRUE(Click(D(7)));
    EXPECT_EQ(Place(1), "");
    EXPECT_EQ(Place(2), "");
    EXPECT_EQ(Removed(), 3);
    EXPECT_TRUE(RemovalsOpen(context)) << "the phase goes on while the square empties";

    ASSERT_TRUE(Turn());
    EXPECT_FALSE(RemovalsOpen(context));
    EXPECT_FALSE(SelectableCard(context, {PileGroup::Tableaus, 15}, S(10))) << "the next turn ended the removals";
    ASSERT_TRUE(Undo(context));
    EXPECT_TRUE(RemovalsOpen(context)) << "undo gives the phase back with the card";
    EXPECT_TRUE(SelectableCard(context, {PileGroup::Tableaus, 15}, S(10)));
}

TEST_F(PlacingPhasesTest, SetsAreTensAloneOrTwoPipsMakingTen)
{
    using V = SelectionVerdict;
    EXPECT_EQ(JudgeSelection(context, {H(10)}), V::Complete);
    EXPECT_EQ(JudgeSelection(context, {H(1), C(9)}), V::Complete) << "an Ace counts one";
    EXPECT_EQ(JudgeSelection(context, {H(4)}), V::Partial);
    EXPECT_EQ(JudgeSelection(context, {H(4), C(5)}), V::Invalid);
    FillSquare(kPips, 0);
    Place(0) = CodeText(S(13));
    EXPECT_FALSE(SelectableCard(context, {PileGroup::Tableaus, 0}, S(13))) << "courts never leave";
}

TEST_F(PlacingPhasesTest, TheStockTurnsOnlyWithAPlaceFree)
{
    FillSquare(kPips, 10);
    Place(10) = CodeText(C(9));
    context.piles.Stock() = PileTextOf({S(9)});
    EXPECT_FALSE(Turn());
    EXPECT_EQ(context.piles.Waste(), "");
    EXPECT_EQ(presentation.EventsStartingWith("info: Every place holds a card").size(), 1u);
}

TEST_F(PlacingPhasesTest, OnceStockAndWasteAreOutSetsLeaveAtAnyTime)
{
    FillSquare(kPips, 10);
    EXPECT_TRUE(RemovalsOpen(context));
    EXPECT_TRUE(Click(S(10)));
    EXPECT_EQ(Removed(), 1);
}

TEST_F(PlacingPhasesTest, WonWhenOnlyTheCourtsFrameTheSquare)
{
    for (const int k : kCorners)
        Place(k) = CodeText(CardCode(k % 4, King));
    for (const int k : kQueenPlaces)
        Place(k) = CodeText(CardCode(k % 4, Queen));
    for (const int k : kJackPlaces)
        Place(k) = CodeText(CardCode(k % 4, Jack));
    EXPECT_TRUE(IsGameWon(context));
    Place(kMiddle[0]) = CodeText(H(5));
    EXPECT_FALSE(IsGameWon(context)) << "a pip is left";
    Place(kMiddle[0]).clear();
    context.piles.Stock() = CodeText(H(5));
    EXPECT_FALSE(IsGameWon(context)) << "the stock is not out";
}

} // namespace
} // namespace marlowe
