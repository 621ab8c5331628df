// Holding places (Step-Up's middle step): what they take and give, the lower step's way home
// while one stands empty, and the stock's three turns before an empty place is filled, carried
// by Undo and told in the status bar.

#include "engine/cards.h"
#include "engine/deal_pack.h"
#include "engine/hint_file.h"
#include "engine/holding_places.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_hints.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

constexpr int kStepUp = 222;
constexpr int kPlaces = 13;
constexpr int kFirstLowerPile = 13;

class HoldingPlacesTest : public ::testing::Test {
protected:
    HoldingPlacesTest() : game(testing::ShippedCatalogue(), kStepUp, "0000000000001")
    {
        context().SetPresentation(notes);
        context().piles.Clear();
        for (int k = 0; k < 8; ++k)
            context().rules.Of(rule::FoundationBaseRank, k) = 7;
        Put(FoundationPile(0), CardCode(Hearts, 7));
    }

    GameContext& context() { return game.context(); }

    void Put(PileRef pile, int card) { PlaceFaceUp(context(), pile, card); }
    void FillPlaces(int except)
    {
        for (int k = 0; k < kPlaces; ++k)
            if (k != except)
                Put(TableauPile(k), CardCode(Clubs, 1 + k, 1));
    }
    void Stock(int cards)
    {
        for (int i = 0; i < cards; ++i) {
            context().piles.Stock() += PileTextOf({CardCode(Spades, 1 + i, 1)});
            context().cards.SetCardFaceMark(CardCode(Spades, 1 + i, 1), '0');
        }
    }
    bool Turn() { return ExecuteMove(context(), StockTurn::ToWaste); }
    std::string StockHint() { return ComputePileHint(context(), StockPile(), HintFile{}).hint; }

    RecordingPresentation notes;
    testing::ProtocolGame game;
};

TEST_F(HoldingPlacesTest, APlaceTakesOneCardFromTheWasteOrTheLowerStepAndGivesItOnlyHome)
{
    ASSERT_TRUE(game.started);
    const int nineOfHearts = CardCode(Hearts, 9), threeOfDiamonds = CardCode(Diamonds, 3);
    const int fiveOfSpades = CardCode(Spades, 5), eightOfSpades = CardCode(Spades, 8);
    Put(TableauPile(1), fiveOfSpades);
    Put(TableauPile(kFirstLowerPile), nineOfHearts);
    Put(WastePile(), threeOfDiamonds);
    Put(TableauPile(kFirstLowerPile + 1), eightOfSpades);

    EXPECT_TRUE(CanPlayOnTableau(context(), 0, nineOfHearts)) << "from the lower step";
    EXPECT_TRUE(CanPlayOnTableau(context(), 0, threeOfDiamonds)) << "from the waste";
    EXPECT_FALSE(CanPlayOnTableau(context(), 0, fiveOfSpades)) << "never from another place";
    EXPECT_FALSE(CanPlayOnTableau(context(), 1, threeOfDiamonds)) << "a place holds one card";
    EXPECT_TRUE(CanPlayOnTableau(context(), kFirstLowerPile, eightOfSpades)) << "the lower step builds on itself";
    EXPECT_FALSE(CanPlayOnTableau(context(), kFirstLowerPile + 2, fiveOfSpades)) << "a place's card never goes back";
    EXPECT_TRUE(CanPlayOnTableau(context(), kFirstLowerPile + 2, threeOfDiamonds)) << "a space takes any other card";
}

TEST_F(HoldingPlacesTest, TheLowerStepBuildsDownInAlternatingColoursTurningTheCorner)
{
    const int aceOfHearts = CardCode(Hearts, 1);
    Put(TableauPile(kFirstLowerPile), aceOfHearts);
    Put(WastePile(), CardCode(Spades, 13));
    EXPECT_TRUE(CanPlayOnTableau(context(), kFirstLowerPile, CardCode(Spades, 13)));
    context().piles.Waste() = PileTextOf({CardCode(Diamonds, 13)});
    EXPECT_FALSE(CanPlayOnTableau(context(), kFirstLowerPile, CardCode(Diamonds, 13))) << "same colour";
}

TEST_F(HoldingPlacesTest, TheLowerStepGoesHomeOnlyWhileAPlaceIsEmpty)
{
    const int eightOfHearts = CardCode(Hearts, 8), secondEight = CardCode(Hearts, 8, 1);
    Put(TableauPile(kFirstLowerPile), eightOfHearts);
    FillPlaces(0);
    EXPECT_TRUE(CanPlayOnFoundation(context(), 0, eightOfHearts)) << "place 1 is empty";
    Put(TableauPile(0), CardCode(Diamonds, 2, 1));
    EXPECT_FALSE(CanPlayOnFoundation(context(), 0, eightOfHearts)) << "every place holds a card";

    Put(WastePile(), secondEight);
    EXPECT_TRUE(CanPlayOnFoundation(context(), 0, secondEight)) << "the waste plays home at any time";
    context().piles.Waste().clear();
    context().piles.tableaus[0] = PileTextOf({secondEight});
    EXPECT_TRUE(CanPlayOnFoundation(context(), 0, secondEight)) << "a place plays home at any time";
}

TEST_F(HoldingPlacesTest, ThreeTurnsWhileAPlaceIsEmptyCountedThroughUndoAndToldInTheStatusBar)
{
    FillPlaces(0);
    Stock(10);
    Put(TableauPile(kFirstLowerPile), CardCode(Diamonds, 12));
    EXPECT_EQ(TurnsLeftWhilePlaceEmpty(context()), 3);
    EXPECT_NE(StockHint().find("3 more turns"), std::string::npos) << StockHint();
    ASSERT_TRUE(Turn());
    ASSERT_TRUE(Turn());
    EXPECT_NE(StockHint().find("1 more turn "), std::string::npos) << StockHint();
    ASSERT_TRUE(Turn());
    EXPECT_FALSE(Turn()) << "a fourth turn waits for the place";
    EXPECT_EQ(ElementCount(context().piles.Stock()), 7);
    EXPECT_NE(StockHint().find("Fill the empty place first"), std::string::npos) << StockHint();
    EXPECT_TRUE(std::any_of(notes.events.begin(), notes.events.end(),
                            [](const std::string& e) { return e.find("note: Fill the empty place") == 0; }));

    ASSERT_TRUE(Undo(context()));
    EXPECT_EQ(TurnsLeftWhilePlaceEmpty(context()), 1) << "Undo gives the turn back";
    ASSERT_TRUE(Turn());
    EXPECT_FALSE(Turn());

    const int top = TopElement(context().piles.Waste());
    ASSERT_TRUE(CanPlayOnTableau(context(), 0, top));
    ASSERT_TRUE(ExecuteMove(context(), top, CardTarget{TableauPile(0)}));
    EXPECT_EQ(TurnsLeftWhilePlaceEmpty(context()), -1) << "no place is empty: no limit";
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(Turn()) << "every place full: the stock turns freely";
    const int sevenOfClubs = CardCode(Clubs, 7, 1); // place 7 holds it; foundation 2 starts from a 7
    ASSERT_TRUE(CanPlayOnFoundation(context(), 1, sevenOfClubs));
    ASSERT_TRUE(ExecuteMove(context(), sevenOfClubs, CardTarget{FoundationPile(1)}));
    EXPECT_EQ(TurnsLeftWhilePlaceEmpty(context()), 3) << "a place emptied after a fill has all three turns";
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(Undo(context()));
    EXPECT_EQ(TurnsLeftWhilePlaceEmpty(context()), 0) << "undoing the fill brings the spent turns back";
}

} // namespace
} // namespace marlowe
