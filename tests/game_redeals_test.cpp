// The game-specific redeals: the fixed mixing order, the redeal styles started from the
// stock, and their undo as one step.

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/game_redeals.h"
#include "engine/stock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>

namespace marlowe {
namespace {

TEST(MixGatheredTest, OrderIsFixedByTheNumberOfCards)
{
    const struct {
        std::vector<int> gathered, expected;
    } rows[] = {
        {{}, {}},
        {{7}, {7}},
        {{1, 2, 3}, {2, 1, 3}},
        {{10, 11, 12, 13, 14}, {12, 10, 11, 13, 14}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(MixGathered(row.gathered), row.expected) << row.gathered.size() << " cards";
}

TEST(MixGatheredTest, FullPackStartsAtIndex26AndKeepsEveryCard)
{
    std::vector<int> pack(52);
    std::iota(pack.begin(), pack.end(), 100);
    const std::vector<int> mixed = MixGathered(pack);
    ASSERT_EQ(mixed.size(), 52u);
    EXPECT_EQ(mixed.front(), pack[26]);
    EXPECT_EQ(mixed[1], pack[29]) << "index 26 + 2 in the list now one card shorter";
    EXPECT_EQ(MixGathered(pack), mixed) << "no random element";
    std::vector<int> sorted = mixed;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, pack);
}

class SpecialRedealTest : public ::testing::Test {
protected:
    SpecialRedealTest() : context(presentation)
    {
        auto& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::FoundationCount] = 4;
        rules[rule::TableauCount] = 4;
        rules[rule::StockShown] = 1;
        rules[rule::PassesAllowed] = -1;
        context.mainGame.RedealsDone = 1;
    }

    // The press and the release on the empty stock.
    void ClickStock()
    {
        StockClick(context);
        ReleaseStockButton(context);
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }

    int CardsOnTableaus()
    {
        int cards = 0;
        for (int k = 0; k < context.TableauCount(); ++k)
            for (const int code : PileCodes(Tableau(k)))
                cards += code > 0 ? 1 : 0;
        return cards;
    }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(SpecialRedealTest, FanStyleRefillsEachTableauToTheDealtCountAndUndoesInOneStep)
{
    context.rules[rule::RedealStyle] = 1;
    context.rules[rule::TableauCount] = 3;
    context.rules[rule::TableauCardCount] = 3;
    Tableau(0) = "001";
    Tableau(1) = "002003004";
    Tableau(2) = "005006007";
    const PileStore before = context.piles;

    ClickStock();
    EXPECT_EQ(context.mainGame.RedealsDone, 2);
    EXPECT_EQ(ElementCount(Tableau(0)), 3);
    EXPECT_EQ(ElementCount(Tableau(1)), 3);
    EXPECT_EQ(ElementCount(Tableau(2)), 1);
    // Gathered 001, 004, 003, 002, 007, 006, 005: the mix takes index 3 first.
    EXPECT_EQ(ElementAt(Tableau(0), 0), 2);
    ASSERT_EQ(context.undoHistory.Size(), 1u);
    EXPECT_EQ(context.undoHistory.Last().annotation, "003");

    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
}

// Intelligence: the fans and the stock are gathered and mixed, the fans dealt their count again,
// an Ace met going home instead, the rest back to the stock face down; the click that does it
// comes while the stock still holds cards, and undoes in one step.
TEST_F(SpecialRedealTest, RedealWithTheStockSendsTheAcesHome)
{
    auto& rules = context.rules;
    rules[rule::RedealStyle] = redeal::WithStockAcesHome;
    rules[rule::PassesAllowed] = 3;
    rules[rule::TableauCount] = 2;
    rules[rule::TableauCardCount] = 3;
    rules[rule::TableauFaceUp] = 3;
    rules[rule::FoundationFullCount] = 13;
    for (int f = 0; f < 4; ++f) {
        rules.Of(rule::FoundationBaseRank, f) = 1;
        rules.Of(rule::FoundationDirection, f) = 1;
    }
    Tableau(0) = "005006";
    Tableau(1) = "007";
    context.piles.Stock() = "001014002003";
    const PileStore before = context.piles;

    ClickStock();
    EXPECT_EQ(context.mainGame.RedealsDone, 2);
    EXPECT_EQ(ElementCount(Tableau(0)) + ElementCount(Tableau(1)), 5);
    EXPECT_EQ(ElementCount(Tableau(0)), 3);
    int aces = 0;
    for (const std::string& foundation : context.piles.foundations)
        aces += ElementCount(foundation);
    EXPECT_EQ(aces, 2) << "both Aces went home";
    EXPECT_TRUE(context.piles.Stock().empty()) << "six cards less the Aces fill the fans";
    for (int k = 0; k < 2; ++k)
        for (const int code : PileCodes(Tableau(k)))
            EXPECT_FALSE(context.cards.IsFaceDown(code));
    ASSERT_EQ(context.undoHistory.Size(), 1u);
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
}

// Cruel: the piles are taken up in order and dealt back unmixed, four to a pile; a full table
// comes back as it was, and a short pile makes the later piles take their cards from further on.
TEST_F(SpecialRedealTest, InOrderRedealKeepsTheCardsInTheirOrderAndRefillsThePilesInTurn)
{
    context.rules[rule::RedealStyle] = redeal::InOrderUnmixed;
    context.rules[rule::TableauCount] = 3;
    context.rules[rule::TableauCardCount] = 2;
    context.rules[rule::TableauFaceUp] = 2;
    Tableau(0) = "001002";
    Tableau(1) = "003004";
    Tableau(2) = "005006";
    ClickStock();
    EXPECT_EQ(Tableau(0), "001002");
    EXPECT_EQ(Tableau(1), "003004");
    EXPECT_EQ(Tableau(2), "005006");

    Tableau(0) = "001";
    ClickStock();
    EXPECT_EQ(Tableau(0), "001003");
    EXPECT_EQ(Tableau(1), "004005");
    EXPECT_EQ(Tableau(2), "006");
    EXPECT_EQ(CardsOnTableaus(), 5);
}

// Indefatigable: the piles are taken up in the same order but dealt back row by row, one card to
// each pile in turn.
TEST_F(SpecialRedealTest, InOrderRedealInRowsDealsOneCardToEachPileInTurn)
{
    context.rules[rule::RedealStyle] = redeal::InOrderDealtInRows;
    context.rules[rule::TableauCount] = 3;
    context.rules[rule::TableauCardCount] = 2;
    context.rules[rule::TableauFaceUp] = 2;
    Tableau(0) = "001";
    Tableau(1) = "003004";
    Tableau(2) = "005006";
    ClickStock();
    EXPECT_EQ(Tableau(0), "001005");
    EXPECT_EQ(Tableau(1), "003006");
    EXPECT_EQ(Tableau(2), "004");
    EXPECT_EQ(CardsOnTableaus(), 5);
}

// Tvete's Grandfather: the piles are dealt again in turn to their dealt counts, as many cards
// face down beneath as were dealt so, and the last pile reached keeps its top card face up.
TEST_F(SpecialRedealTest, DealtPatternAgainRefillsThePilesInTurnWithTheirFaceDownCards)
{
    context.rules[rule::RedealStyle] = redeal::DealtPatternAgain;
    context.rules[rule::TableauCount] = 3;
    for (const auto& [k, count, faceUp] : {std::tuple{0, 1, 1}, std::tuple{1, 4, 2}, std::tuple{2, 5, 2}}) {
        context.rules.Of(rule::TableauCardCount, k) = static_cast<std::int16_t>(count);
        context.rules.Of(rule::TableauFaceUp, k) = static_cast<std::int16_t>(faceUp);
    }
    Tableau(0) = "001002";
    Tableau(1) = "003";
    Tableau(2) = "004005006";
    const PileStore before = context.piles;

    ClickStock();
    EXPECT_EQ(ElementCount(Tableau(0)), 1);
    EXPECT_EQ(ElementCount(Tableau(1)), 4);
    ASSERT_EQ(ElementCount(Tableau(2)), 1) << "six cards: the last pile gets what is left";
    EXPECT_EQ(CardsOnTableaus(), 6);
    EXPECT_FALSE(context.cards.IsFaceDown(ElementAt(Tableau(0), 0)));
    EXPECT_TRUE(context.cards.IsFaceDown(ElementAt(Tableau(1), 0)));
    EXPECT_TRUE(context.cards.IsFaceDown(ElementAt(Tableau(1), 1)));
    EXPECT_FALSE(context.cards.IsFaceDown(ElementAt(Tableau(1), 2)));
    EXPECT_FALSE(context.cards.IsFaceDown(ElementAt(Tableau(2), 0))) << "a short pile's top card lies face up";

    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
}

// Bad Seven: the piles are mixed and dealt again in rounds, each pile's cards alternately face
// down and face up so that its top card, however short the last round, lies face up.
TEST_F(SpecialRedealTest, RoundsRedealLaysEveryPilesTopCardFaceUp)
{
    context.rules[rule::RedealStyle] = redeal::RoundsLastFaceUp;
    context.rules[rule::TableauCount] = 3;
    Tableau(0) = "001002003";
    Tableau(1) = "004";
    Tableau(2) = "005006007";
    ClickStock();
    EXPECT_EQ(CardsOnTableaus(), 7);
    const char* const marks[] = {"101", "01", "01"};
    for (int k = 0; k < 3; ++k) {
        std::string seen;
        for (const int code : PileCodes(Tableau(k)))
            seen += context.cards.IsFaceDown(code) ? '0' : '1';
        EXPECT_EQ(seen, marks[k]) << k;
    }
}

TEST_F(SpecialRedealTest, NoRedealWhenThePassesAreUsed)
{
    context.rules[rule::RedealStyle] = 1;
    context.rules[rule::PassesAllowed] = 2;
    context.mainGame.RedealsDone = 2;
    Tableau(0) = "001002";
    const PileStore before = context.piles;
    ClickStock();
    EXPECT_EQ(context.piles, before);
    EXPECT_TRUE(context.undoHistory.Empty());
}

TEST_F(SpecialRedealTest, RowsKeepTheirRunFromATwoAndRefillAfterOneGap)
{
    context.rules[rule::RedealStyle] = 8;
    context.rules[rule::TableauCount] = 2;
    context.rules.Of(rule::TableauCardCount, 0) = 4;
    context.rules.Of(rule::TableauCardCount, 1) = 4;
    const int twoOfHearts = CardCode(Hearts, 2), threeOfHearts = CardCode(Hearts, 3);
    Tableau(0) = PileTextOf({twoOfHearts, threeOfHearts, 0, CardCode(Clubs, 9)});
    Tableau(1) = PileTextOf({CardCode(Spades, 5), 0, CardCode(Spades, 6), CardCode(Clubs, 2)});

    ClickStock();
    const std::vector<int> row1 = PileCodes(Tableau(0));
    const std::vector<int> row2 = PileCodes(Tableau(1));
    ASSERT_EQ(row1.size(), 4u);
    EXPECT_EQ(row1[0], twoOfHearts);
    EXPECT_EQ(row1[1], threeOfHearts);
    EXPECT_EQ(row1[2], 0) << "one gap after the kept run";
    ASSERT_EQ(row2.size(), 4u);
    EXPECT_EQ(row2[0], 0) << "a row without a 2 at the bottom keeps nothing";
    EXPECT_EQ(CardsOnTableaus(), 6);
}

TEST_F(SpecialRedealTest, RowsCanTakeTheirGapAtTheRightEnd)
{
    context.rules[rule::RedealStyle] = 33;
    context.rules[rule::TableauCount] = 2;
    context.rules.Of(rule::TableauCardCount, 0) = 4;
    context.rules.Of(rule::TableauCardCount, 1) = 4;
    const int twoOfHearts = CardCode(Hearts, 2);
    Tableau(0) = PileTextOf({twoOfHearts, CardCode(Clubs, 9), 0, CardCode(Hearts, 3)});
    Tableau(1) = PileTextOf({CardCode(Spades, 5), 0, CardCode(Spades, 6), CardCode(Clubs, 2)});

    ClickStock();
    const std::vector<int> row1 = PileCodes(Tableau(0));
    const std::vector<int> row2 = PileCodes(Tableau(1));
    ASSERT_EQ(row1.size(), 4u);
    EXPECT_EQ(row1[0], twoOfHearts);
    EXPECT_NE(row1[1], 0) << "the gap no longer follows the kept run";
    EXPECT_EQ(row1[3], 0) << "the gap ends the row";
    ASSERT_EQ(row2.size(), 4u);
    EXPECT_NE(row2[0], 0);
    EXPECT_EQ(row2[3], 0);
    EXPECT_EQ(CardsOnTableaus(), 6) << "no card lost or doubled";
}

TEST_F(SpecialRedealTest, RowsCanTakeTheirGapsMixedInWithTheCards)
{
    context.rules[rule::RedealStyle] = 34;
    context.rules[rule::TableauCount] = 2;
    context.rules.Of(rule::TableauCardCount, 0) = 4;
    context.rules.Of(rule::TableauCardCount, 1) = 4;
    const int twoOfHearts = CardCode(Hearts, 2), threeOfHearts = CardCode(Hearts, 3);
    Tableau(0) = PileTextOf({twoOfHearts, threeOfHearts, 0, CardCode(Clubs, 9)});
    Tableau(1) = PileTextOf({CardCode(Spades, 5), 0, CardCode(Spades, 6), CardCode(Clubs, 2)});

    ClickStock();
    const std::vector<int> row1 = PileCodes(Tableau(0));
    const std::vector<int> row2 = PileCodes(Tableau(1));
    ASSERT_EQ(row1.size(), 4u);
    ASSERT_EQ(row2.size(), 4u);
    EXPECT_EQ(row1[0], twoOfHearts);
    EXPECT_EQ(row1[1], threeOfHearts);
    EXPECT_EQ(std::count(row1.begin(), row1.end(), 0) + std::count(row2.begin(), row2.end(), 0), 2)
        << "as many gaps as rows, wherever the mixing puts them";
    EXPECT_EQ(CardsOnTableaus(), 6) << "no card lost or doubled";
}

TEST_F(SpecialRedealTest, ShiftWithTwoPilesMovesOneCardAndStops)
{
    context.rules[rule::RedealStyle] = 19;
    context.rules[rule::TableauCount] = 8;
    Tableau(0) = "001";
    Tableau(1) = "005";
    ClickStock();
    EXPECT_EQ(Tableau(0), "");
    EXPECT_EQ(Tableau(1), "005001");
    EXPECT_EQ(context.mainGame.DealCounter, 1);
    EXPECT_TRUE(presentation.EventsStartingWith("info:").empty());
}

TEST_F(SpecialRedealTest, ShiftRefusesWithoutChangingAnything)
{
    context.rules[rule::RedealStyle] = 19;
    context.rules[rule::TableauCount] = 8;
    const struct {
        std::vector<std::string> tableaus;
        const char* message;
    } rows[] = {
        {{"001002"}, "info: Only one pile left.  There are no more redeals."},
        // Tableaus 1 and 4 hold cards but no pair of neighbours does.
        {{"001", "", "", "004"}, "info: No cards available to move."},
    };
    for (const auto& row : rows) {
        context.piles.Clear();
        for (std::size_t k = 0; k < row.tableaus.size(); ++k)
            Tableau(static_cast<int>(k)) = row.tableaus[k];
        const PileStore before = context.piles;
        presentation.events.clear();
        ClickStock();
        EXPECT_EQ(context.piles, before) << row.message;
        EXPECT_EQ(presentation.EventsStartingWith("info:"), std::vector<std::string>{row.message});
        EXPECT_TRUE(context.undoHistory.Empty()) << row.message;
        EXPECT_EQ(context.mainGame.RedealsDone, 1) << row.message;
    }
}

TEST_F(SpecialRedealTest, TopsInTurnGoToTheStockInReverseOrder)
{
    context.rules[rule::RedealStyle] = 11;
    context.rules[rule::TableauCount] = 2;
    Tableau(0) = "001002";
    Tableau(1) = "003";
    ClickStock();
    // Taken 003, 002, 001; the reversed stock has 003 on top.
    EXPECT_EQ(context.piles.Stock(), "001002003");
    EXPECT_EQ(CardsOnTableaus(), 0);
    EXPECT_FALSE(context.cards.IsFaceDown(3));
}

// Grand Duchess: the piles from the first to the last and then the reserves, each from its top
// card down, go face down onto the stock unmixed, so the last reserve's bottom card lies on top
// and is dealt first. Style 10 gathers the same cards in the same order but mixes them.
TEST_F(SpecialRedealTest, GatheringWithTheReservesKeepsThePileOrderUnlessItMixes)
{
    const auto gatherFrom = [this](int style) {
        context.rules[rule::RedealStyle] = static_cast<std::int16_t>(style);
        context.rules[rule::TableauCount] = 2;
        context.rules[rule::ReserveCount] = 2;
        context.piles.Stock().clear();
        Tableau(0) = "001002";
        Tableau(1) = "003004005";
        context.piles.reserves[0] = "006";
        context.piles.reserves[1] = "007008";
        context.mainGame.RedealsDone = 1;
        ClickStock();
        EXPECT_EQ(context.mainGame.RedealsDone, 2) << "style " << style;
        EXPECT_EQ(CardsOnTableaus(), 0) << "style " << style;
        EXPECT_TRUE(context.piles.reserves[0].empty() && context.piles.reserves[1].empty()) << "style " << style;
        for (int card = 1; card <= 8; ++card)
            EXPECT_TRUE(context.cards.IsFaceDown(card)) << "style " << style << ", card " << card;
        return context.piles.Stock();
    };
    const std::vector<int> gathered{2, 1, 5, 4, 3, 6, 8, 7};
    EXPECT_EQ(gatherFrom(redeal::GatherWithReservesInOrder), PileTextOf(gathered));
    EXPECT_EQ(gatherFrom(redeal::GatherWithReserves), PileTextOf(MixGathered(gathered)));
    EXPECT_NE(MixGathered(gathered), gathered);
}

TEST_F(SpecialRedealTest, CountingDealPutsMatchesOnTheStock)
{
    context.rules[rule::RedealStyle] = 15;
    context.rules[rule::TableauCount] = 12;
    context.rules[rule::ReserveCount] = 1;
    // Reserve 1 is dealt from its top: the Ace matches count 1, the 5 goes to tableau 1,
    // the 3 to tableau 2.
    context.piles.reserves[0] = PileTextOf({CardCode(Clubs, 3), CardCode(Spades, 5), CardCode(Hearts, Ace)});
    ClickStock();
    EXPECT_EQ(context.piles.Stock(), CodeText(CardCode(Hearts, Ace)));
    EXPECT_TRUE(context.cards.IsFaceDown(CardCode(Hearts, Ace)));
    EXPECT_EQ(Tableau(0), CodeText(CardCode(Spades, 5)));
    EXPECT_EQ(Tableau(1), CodeText(CardCode(Clubs, 3)));
    EXPECT_EQ(context.undoHistory.Last().annotation, "") << "the counting deal is not annotated";
}

TEST_F(SpecialRedealTest, PileSpreadDealsAllButTheTopCardFromTheFirstTableau)
{
    context.rules[rule::RedealStyle] = 13;
    context.rules[rule::TableauCount] = 3;
    Tableau(0) = "001002003";
    Tableau(1) = "010";
    ClickStock();
    EXPECT_EQ(Tableau(0), "003001") << "the top card stays; the bottom card starts the spread";
    EXPECT_EQ(Tableau(1), "010002");
    EXPECT_EQ(Tableau(2), "");
    ASSERT_GE(presentation.EventsStartingWith("glide").size(), 2u);
}

// Valentine: a click with the one-card waste full puts the tableau under the stock, the piles
// in order so that they come back as they lay; the waste's card starts the first pile and the
// stock's top cards the others, all in one undo step. With the waste empty the click turns a card.
TEST_F(SpecialRedealTest, AFullWasteSendsThePilesUnderTheStockAndStartsTheFirstPile)
{
    auto& rules = context.rules;
    rules[rule::RedealStyle] = redeal::UnderStockWasteFirst;
    rules[rule::WasteShown] = 1;
    rules[rule::DrawCount] = 1;
    rules[rule::TurnOnEmptyWasteOnly] = 1;
    rules[rule::FoundationCount] = 0;
    Tableau(0) = PileTextOf({CardCode(Hearts, 9), CardCode(Hearts, 8)});
    Tableau(1) = CodeText(CardCode(Clubs, 2));
    Tableau(2) = CodeText(CardCode(Spades, King));
    Tableau(3) = CodeText(CardCode(Diamonds, 5));
    context.piles.Stock() = PileTextOf({30, 31, 32, 33});
    ClickStock();
    EXPECT_EQ(context.piles.Waste(), CodeText(33)) << "an empty waste takes a card";
    EXPECT_EQ(context.mainGame.RedealsDone, 1);
    const PileStore before = context.piles;

    ClickStock();
    EXPECT_EQ(Tableau(0), CodeText(33)) << "the waste's card starts the first pile";
    EXPECT_EQ(Tableau(1), CodeText(32));
    EXPECT_EQ(Tableau(2), CodeText(31));
    EXPECT_EQ(Tableau(3), CodeText(30));
    EXPECT_EQ(context.piles.Waste(), "");
    EXPECT_EQ(context.piles.Stock(), PileTextOf({CardCode(Diamonds, 5), CardCode(Spades, King), CardCode(Clubs, 2),
                                                 CardCode(Hearts, 8), CardCode(Hearts, 9)}))
        << "the first pile's bottom card is dealt first";
    EXPECT_TRUE(context.cards.IsFaceDown(CardCode(Hearts, 9)));
    EXPECT_FALSE(context.cards.IsFaceDown(32));

    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
}

} // namespace
} // namespace marlowe
