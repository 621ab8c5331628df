// The memory games: turning cards, pairs that match, the misses and the end-of-game summary.

#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/lifecycle.h"
#include "engine/memory_games.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

class MemoryGamesTest : public ::testing::Test {
protected:
    MemoryGamesTest() : context(presentation)
    {
        context.rules[rule::PackSize] = 104;
        context.rules[rule::TableauCount] = 2;
        context.rules[rule::ReserveCount] = 1;
    }

    // Deals the cards face down onto the tableaus, one pile each.
    void Deal(int special, const std::vector<std::vector<int>>& piles)
    {
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(special);
        for (std::size_t k = 0; k < piles.size(); ++k) {
            context.piles.tableaus[k] = PileTextOf(piles[k]);
            for (const int card : piles[k])
                context.cards.SetCardFaceMark(card, '0');
        }
    }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(MemoryGamesTest, PairsMatchByTheGamesRule)
{
    const int aceOfHearts = CardCode(Hearts, Ace);
    const struct {
        int special, second;
        bool match;
    } rows[] = {
        {39, CardCode(Spades, Ace), true},
        {37, CardCode(Spades, Ace), false},             // same rank, not the same card
        {37, CardCode(Hearts, Ace, 1), true},           // the same card of the other deck
        {39, CardCode(Spades, 2), false},
    };
    for (const auto& row : rows) {
        context.piles.Clear();
        context.mainGame.Misses = 0;
        Deal(row.special, {{aceOfHearts, CardCode(Clubs, 9)}, {row.second}});
        EXPECT_TRUE(MemoryClick(context, 0, aceOfHearts));
        EXPECT_TRUE(MemoryClick(context, 1, row.second));
        const std::string second = context.piles.stockGroup[kSecondWasteSlot];
        if (row.match) {
            EXPECT_EQ(second, PileTextOf({aceOfHearts, row.second})) << row.special;
            EXPECT_EQ(context.piles.tableaus[0], PileTextOf({0, CardCode(Clubs, 9)})) << "a gap keeps the place";
            EXPECT_EQ(context.mainGame.Misses, 0);
        } else {
            EXPECT_EQ(second, "") << row.special;
            EXPECT_EQ(context.mainGame.Misses, 1);
            EXPECT_TRUE(context.cards.IsFaceDown(aceOfHearts));
            EXPECT_TRUE(context.cards.IsFaceDown(row.second));
        }
    }
}

TEST_F(MemoryGamesTest, AMissTurnsTheCardsDownAfterAWaitEach)
{
    Deal(39, {{CardCode(Hearts, 3)}, {CardCode(Clubs, 4)}});
    MemoryClick(context, 0, CardCode(Hearts, 3));
    presentation.events.clear();
    MemoryClick(context, 1, CardCode(Clubs, 4));
    EXPECT_EQ(presentation.EventsStartingWith("wait 200").size(), 2u);
    EXPECT_FALSE(MemoryClick(context, 1, CardCode(Clubs, 4) + 100)) << "no such face-down card";
}

TEST_F(MemoryGamesTest, UndoingAPairLaysItBackFaceDownAndANewTurnCanStart)
{
    const int aceOfHearts = CardCode(Hearts, Ace), aceOfSpades = CardCode(Spades, Ace);
    const int nine = CardCode(Clubs, 9), otherNine = CardCode(Diamonds, 9);
    Deal(39, {{aceOfHearts, nine}, {aceOfSpades, otherNine}});
    const Snapshot dealt = TakeSnapshot(context);
    MemoryClick(context, 0, aceOfHearts);
    MemoryClick(context, 1, aceOfSpades);
    ASSERT_EQ(context.undoHistory.Size(), 1u) << "the pair is one step";
    const Snapshot paired = TakeSnapshot(context);

    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(TakeSnapshot(context), dealt) << "both cards back in their places, face down";
    ASSERT_TRUE(Redo(context));
    EXPECT_EQ(TakeSnapshot(context), paired);
    ASSERT_TRUE(Undo(context));
    EXPECT_TRUE(MemoryClick(context, 0, nine)) << "no card of the pair bars the next turn";
    EXPECT_TRUE(MemoryClick(context, 1, otherNine));
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({nine, otherNine}));

    // A turn in progress is no step: undo takes back the pair before it and turns its card down.
    MemoryClick(context, 0, aceOfHearts);
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(TakeSnapshot(context), dealt);
}

TEST_F(MemoryGamesTest, TheRunGameKeepsItsRunFaceUpUntilAWrongCard)
{
    const int ace = CardCode(Hearts, Ace), two = CardCode(Hearts, 2), four = CardCode(Hearts, 4);
    const int three = CardCode(Hearts, 3);
    Deal(36, {{ace, four}, {two, three}});
    MemoryClick(context, 0, ace);
    MemoryClick(context, 1, two);
    EXPECT_EQ(MemoryRunLength(context), 2);
    EXPECT_FALSE(context.cards.IsFaceDown(two));
    EXPECT_EQ(context.piles.reserves[0], "") << "the run is read from the table, no card copied";
    MemoryClick(context, 0, four);
    EXPECT_EQ(MemoryRunLength(context), 0);
    EXPECT_EQ(context.mainGame.Misses, 1);
    EXPECT_TRUE(context.cards.IsFaceDown(ace));
    EXPECT_TRUE(context.cards.IsFaceDown(four));

    for (const int card : {ace, two, three}) {
        MemoryClick(context, card == ace ? 0 : 1, card);
        EXPECT_FALSE(IsGameWon(context)) << "a card is still face down";
    }
    MemoryClick(context, 0, four);
    EXPECT_TRUE(IsGameWon(context)) << "every card turned in one run";
    EXPECT_EQ(context.piles.tableaus[0], PileTextOf({ace, four})) << "the cards stay where they lay";
}

TEST_F(MemoryGamesTest, TheSummaryShowsThePageOfTheVariant)
{
    context.piles.stockGroup[kSecondWasteSlot] = PileTextOf({1, 53, 2, 54});
    context.mainGame.Misses = 3;
    context.rules[rule::TableauCount] = 4;
    const struct {
        int special, page, matches, matchTotal, missTotal;
        const char* grid;
    } rows[] = {
        {37, 0, 2, 20, -6, "Grid: 6 x 4"},
        {36, 1, 0, 0, -3, ""},
        {39, 3, 2, 20, -3, ""},
    };
    for (const auto& row : rows) {
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(row.special);
        const MemorySummary summary = MemorySummaryOf(context, false);
        EXPECT_EQ(summary.page, row.page) << row.special;
        EXPECT_EQ(summary.matches, row.matches) << row.special;
        EXPECT_EQ(summary.matchTotal, row.matchTotal) << row.special;
        EXPECT_EQ(summary.missTotal, row.missTotal) << row.special;
        EXPECT_EQ(summary.grid, row.grid) << row.special;
    }
}

TEST_F(MemoryGamesTest, WithoutATargetScoreTheGameEndsWhenEveryPairIsTaken)
{
    const int aceOfHearts = CardCode(Hearts, Ace), aceOfSpades = CardCode(Spades, Ace);
    const int nine = CardCode(Clubs, 9), otherNine = CardCode(Diamonds, 9);
    for (const int target : {0, 100}) {
        context.piles.Clear();
        context.rules[rule::TargetScore] = static_cast<std::int16_t>(target);
        Deal(39, {{aceOfHearts, nine}, {aceOfSpades, otherNine}});
        MemoryClick(context, 0, aceOfHearts);
        MemoryClick(context, 1, aceOfSpades);
        EXPECT_FALSE(IsGameWon(context)) << "a pair is still on the table, target " << target;
        MemoryClick(context, 0, nine);
        MemoryClick(context, 1, otherNine);
        EXPECT_EQ(IsGameWon(context), target == 0) << "the table is clear; a target asks for its score, target " << target;
    }
}

TEST_F(MemoryGamesTest, EndingAMemoryGameShowsTheSummary)
{
    const struct {
        int special;
        std::size_t summaries;
    } rows[] = {{39, 1}, {36, 1}, {35, 0}};
    for (const auto& row : rows) {
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(row.special);
        context.flags.Set(GameInProgress);
        presentation.events.clear();
        EndGame(context);
        EXPECT_EQ(presentation.EventsStartingWith("memory summary: lost").size(), row.summaries) << row.special;
    }
}

} // namespace
} // namespace marlowe
