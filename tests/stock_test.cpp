// The stock: turning cards, redeals and their passes, dealing rows, and the Draw.

#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/stock.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

class StockTest : public ::testing::Test {
protected:
    StockTest() : context(presentation)
    {
        auto& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::FoundationCount] = 4;
        rules[rule::TableauCount] = 4;
        rules[rule::StockShown] = 1;
        rules[rule::WasteShown] = 1;
        rules[rule::StockFaceDown] = 1;
        rules[rule::DrawCount] = 1;
        rules[rule::PassesAllowed] = -1;
        context.mainGame.RedealsDone = 1;
    }

    // A full click on the stock: the press, then the release.
    void Click()
    {
        StockClick(context);
        ReleaseStockButton(context);
    }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(StockTest, TurningCardsPutsTheLastTurnedOnTop)
{
    context.rules[rule::DrawCount] = 3;
    context.piles.Stock() = "001002";
    Click();
    EXPECT_EQ(context.piles.Stock(), "");
    EXPECT_EQ(context.piles.Waste(), "002001") << "two cards turned, the last one on top";
    EXPECT_FALSE(context.cards.IsFaceDown(1));
    EXPECT_EQ(context.undoHistory.Size(), 1u);
}

TEST_F(StockTest, PassesLimitTheRedeals)
{
    const struct {
        int passes, clicksOnEmptyStock, expectedRedeals;
    } rows[] = {{2, 3, 1}, {1, 2, 0}, {0, 2, 0}, {-1, 4, 4}};
    for (const auto& row : rows) {
        context.rules[rule::PassesAllowed] = static_cast<std::int16_t>(row.passes);
        context.mainGame.RedealsDone = 1;
        context.piles.Stock().clear();
        context.piles.Waste() = "001002003";
        for (int i = 0; i < row.clicksOnEmptyStock; ++i) {
            Click();
            while (!context.piles.Stock().empty()) // turn the whole stock again
                Click();
        }
        EXPECT_EQ(context.mainGame.RedealsDone, 1 + row.expectedRedeals) << "passes " << row.passes;
    }
}

TEST_F(StockTest, ARedealTurnsTheWasteOverAndTurnsAtOnce)
{
    context.piles.Waste() = "001002003";
    context.cards.SetCardFaceMark(1, '1');
    StockClick(context);
    EXPECT_EQ(context.piles.Waste(), "001002003") << "the press only waits for the release";
    EXPECT_EQ(presentation.EventsStartingWith("press ").size(), 1u);
    ReleaseStockButton(context);
    EXPECT_EQ(context.mainGame.RedealsDone, 2);
    EXPECT_EQ(context.piles.Stock(), "003002") << "the waste's bottom card became the stock's top and was turned";
    EXPECT_EQ(context.piles.Waste(), "001");
    EXPECT_TRUE(context.cards.IsFaceDown(2)) << "cards back in the stock lie face down";
    EXPECT_EQ(context.undoHistory.Size(), 1u) << "the redeal and the turn undo together";
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles.Waste(), "001002003");
    EXPECT_EQ(context.piles.Stock(), "");
    EXPECT_EQ(context.mainGame.RedealsDone, 1) << "the pass goes back with the table";
}

// A negative draw count turns that many cards on the first pass and one fewer on each pass
// after it, never fewer than one (Gold Rush: three, two, one).
TEST_F(StockTest, ANegativeDrawCountTurnsFewerCardsOnEachPass)
{
    context.rules[rule::DrawCount] = -3;
    context.rules[rule::PassesAllowed] = 4;
    for (const int expected : {3, 2, 1, 1}) {
        SCOPED_TRACE(context.mainGame.RedealsDone);
        context.piles.Stock() = "001002003004005";
        context.piles.Waste().clear();
        Click();
        EXPECT_EQ(ElementCount(context.piles.Waste()), expected);
        ++context.mainGame.RedealsDone;
    }
    EXPECT_EQ(draw::CardsPerClick(2, 3), 2) << "a positive count is the same on every pass";
}

TEST_F(StockTest, AWasteOfOneCardIsNotRedealt)
{
    context.piles.Waste() = "001";
    Click();
    EXPECT_EQ(context.mainGame.RedealsDone, 1);
    EXPECT_EQ(context.piles.Waste(), "001");
}

TEST_F(StockTest, TurningOnlyOntoAnEmptyWaste)
{
    context.rules[rule::TurnOnEmptyWasteOnly] = 1;
    context.piles.Stock() = "001002";
    Click();
    Click();
    EXPECT_EQ(context.piles.Waste(), "002");
    context.piles.Waste().clear();
    Click();
    EXPECT_EQ(context.piles.Waste(), "001");
}

TEST_F(StockTest, RowDealsStopWhenTheStockRunsOut)
{
    context.rules[rule::WasteShown] = 0;
    for (int k = 0; k < 4; ++k)
        context.rules.Of(rule::TableauDealMode, k) = 1;
    context.piles.Stock() = "001002";
    Click();
    EXPECT_EQ(context.piles.tableaus[0], "002");
    EXPECT_EQ(context.piles.tableaus[1], "001");
    EXPECT_EQ(context.piles.tableaus[2], "");
    EXPECT_FALSE(context.cards.IsFaceDown(2));
}

TEST_F(StockTest, GapsMustBeFilledBeforeADealOfModeTwo)
{
    context.rules[rule::WasteShown] = 0;
    for (int k = 0; k < 4; ++k)
        context.rules.Of(rule::TableauDealMode, k) = 2;
    context.piles.Stock() = "001002003004005";
    context.piles.tableaus = {"010", "011", "", "012"};
    Click();
    EXPECT_EQ(presentation.events.back(), "info: Fill in any gaps in the tableau before dealing.");
    EXPECT_EQ(ElementCount(context.piles.Stock()), 5);
}

TEST_F(StockTest, ADealOntoCardsOnlyPassesOverGapsButNeverDealsNothing)
{
    context.rules[rule::WasteShown] = 0;
    for (int k = 0; k < 4; ++k)
        context.rules.Of(rule::TableauDealMode, k) = 7;
    context.piles.Stock() = "001002003004005";
    context.piles.tableaus = {"010", "", "011", ""};
    Click();
    EXPECT_EQ(context.piles.tableaus[0], "010005");
    EXPECT_EQ(context.piles.tableaus[1], "");
    EXPECT_EQ(context.piles.tableaus[2], "011004");
    EXPECT_EQ(context.piles.tableaus[3], "");

    // With every pile empty the first one takes the card.
    context.piles.tableaus = {"", "", "", ""};
    Click();
    EXPECT_EQ(context.piles.tableaus[0], "003");
    EXPECT_EQ(context.piles.tableaus[1], "");
    EXPECT_EQ(ElementCount(context.piles.Stock()), 2);
}

TEST_F(StockTest, ARowPassesOverThePilesWhoseFoundationIsComplete)
{
    context.rules[rule::WasteShown] = 0;
    context.rules[rule::FoundationFullCount] = 2;
    for (int k = 0; k < 4; ++k)
        context.rules.Of(rule::TableauDealMode, k) = deal_mode::RowWhileHomeOpen;
    context.piles.Stock() = "001002003004005";
    context.piles.foundations[1] = "020021";
    context.piles.foundations[2] = "022";
    Click();
    EXPECT_EQ(context.piles.tableaus[0], "005");
    EXPECT_EQ(context.piles.tableaus[1], "") << "its foundation is complete";
    EXPECT_EQ(context.piles.tableaus[2], "004");
    EXPECT_EQ(context.piles.tableaus[3], "003");
}

TEST_F(StockTest, APassOfFiveRowsEndsInAMixedRedealOfPilesAndStock)
{
    context.rules[rule::WasteShown] = 0;
    context.rules[rule::TableauCount] = 3;
    context.rules[rule::RedealStyle] = redeal::FiveRowsThenAllMixed;
    context.rules[rule::PassesAllowed] = 2;
    for (int k = 0; k < 3; ++k)
        context.rules.Of(rule::TableauDealMode, k) = deal_mode::Row;
    std::string stock;
    for (int card = 1; card <= 20; ++card)
        stock += CodeText(card);
    context.piles.Stock() = stock;
    context.piles.tableaus = {"030", "031", "032"}; // the pass's first row, laid by the deal
    for (int row = 2; row <= 5; ++row)
        Click();
    EXPECT_EQ(ElementCount(context.piles.tableaus[0]), 5);
    EXPECT_EQ(ElementCount(context.piles.Stock()), 8) << "four rows dealt by the clicks";

    Click();
    EXPECT_EQ(context.mainGame.RedealsDone, 2);
    for (const std::string& pile : {context.piles.tableaus[0], context.piles.tableaus[1], context.piles.tableaus[2]})
        EXPECT_EQ(ElementCount(pile), 1) << "the next pass starts with a row";
    EXPECT_EQ(ElementCount(context.piles.Stock()), 20);
    EXPECT_TRUE(context.cards.IsFaceDown(TopElement(context.piles.Stock())));
    EXPECT_FALSE(context.cards.IsFaceDown(TopElement(context.piles.tableaus[0])));

    for (int row = 2; row <= 5; ++row)
        Click();
    Click();
    EXPECT_EQ(ElementCount(context.piles.Stock()), 8) << "no pass is left: the click deals nothing";
    EXPECT_EQ(ElementCount(context.piles.tableaus[2]), 5);

    Undo(context);
    EXPECT_EQ(ElementCount(context.piles.Stock()), 11) << "undo gives the last row back to the pass";
    Click();
    EXPECT_EQ(ElementCount(context.piles.Stock()), 8);
}

// Faerie Queen's deal: one card a click onto the newest pile, a King starting the next pile
// (the last pile keeps what comes after it), a Queen going to an empty one-card foundation.
TEST_F(StockTest, ClicksDealOntoTheNewestPileAndHeadsStartTheNext)
{
    auto& rules = context.rules;
    rules[rule::WasteShown] = 0;
    rules[rule::TableauCount] = 2;
    rules[rule::FoundationCount] = 1;
    rules.Of(rule::FoundationBaseRank, 0) = 12;
    rules.Of(rule::FoundationBuildCode, 0) = building::AnySuit;
    rules.Of(rule::FoundationFullCountOf, 0) = 1;
    for (int k = 0; k < 2; ++k) {
        rules.Of(rule::TableauDealMode, k) = click_style::OntoNewestPile;
        rules.Of(rule::TableauBaseRank, k) = 13;
    }
    context.piles.tableaus = {"013", ""};
    context.piles.Stock() = "005026012039004"; // the top card last
    Click();
    EXPECT_EQ(context.piles.tableaus[0], "013004");
    Click();
    EXPECT_EQ(context.piles.tableaus[1], "039") << "a King starts the next pile";
    Click();
    EXPECT_EQ(context.piles.foundations[0], "012") << "the Queen goes to her place";
    EXPECT_EQ(context.piles.tableaus[1], "039");
    Click();
    EXPECT_EQ(context.piles.tableaus[1], "039026") << "no pile left: a King stays on the newest";
    Click();
    EXPECT_EQ(context.piles.tableaus[1], "039026005");
    EXPECT_FALSE(context.cards.IsFaceDown(5));

    ASSERT_TRUE(Undo(context));
    ASSERT_TRUE(Undo(context));
    ASSERT_TRUE(Undo(context));
    EXPECT_TRUE(context.piles.foundations[0].empty()) << "the Queen's move undoes with its click";
    EXPECT_EQ(context.piles.Stock(), "005026012");
}

TEST_F(StockTest, ReservesDealtFaceDownWithTheTableauTurnUpWhenTheStockIsOut)
{
    auto& rules = context.rules;
    rules[rule::WasteShown] = 0;
    rules[rule::TableauCount] = 2;
    rules[rule::ReserveCount] = 2;
    rules[rule::PassesAllowed] = 2;
    for (int k = 0; k < 2; ++k) {
        rules.Of(rule::TableauDealMode, k) = deal_mode::Row;
        rules.Of(rule::ReserveDealMode, k) = click_style::ReservesWithTableaus;
    }
    context.piles.Stock() = "001002003004005006007008";
    Click();
    EXPECT_EQ(context.piles.reserves[0], "006");
    EXPECT_TRUE(context.cards.IsFaceDown(6)) << "face down while the stock lasts";
    Click();
    EXPECT_TRUE(context.piles.Stock().empty());
    EXPECT_EQ(context.piles.reserves[0], "006002");
    EXPECT_FALSE(context.cards.IsFaceDown(6));
    EXPECT_FALSE(context.cards.IsFaceDown(1));
    ASSERT_TRUE(Undo(context));
    EXPECT_TRUE(context.cards.IsFaceDown(6)) << "the turn-up goes back with the click";
}

TEST_F(StockTest, AClickThatDealsSeveralPilesUndoesInOneStep)
{
    context.rules[rule::WasteShown] = 0;
    for (int k = 0; k < 4; ++k)
        context.rules.Of(rule::TableauDealMode, k) = 11; // one card to every tableau per click
    context.piles.Stock() = "001002003004005006";
    Click();
    EXPECT_EQ(context.mainGame.DealCounter, 1);
    EXPECT_EQ(context.piles.tableaus[3], "003");
    EXPECT_EQ(context.undoHistory.Size(), 1u);
    EXPECT_EQ(context.undoHistory.Last().annotation, "002");
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(ElementCount(context.piles.Stock()), 6);
    EXPECT_TRUE(context.piles.tableaus[0].empty());
    EXPECT_EQ(context.mainGame.DealCounter, 0) << "the count goes back with the click";
}

TEST_F(StockTest, EachDealingClickDealsOntoItsOwnPiles)
{
    const PileRef secondWaste{PileGroup::StockGroup, kSecondWasteSlot};
    auto tableau = [](int k) { return PileRef{PileGroup::Tableaus, k}; };
    auto reserve = [](int k) { return PileRef{PileGroup::Reserves, k}; };
    struct Row {
        const char* what;
        std::vector<int> tableauModes, reserveModes;
        int tableaus, clicks;
        std::string stock;
        std::vector<std::pair<PileRef, std::string>> expected;
        std::vector<int> faceDown;
    };
    const Row rows[] = {
        {"a row by the piles' modes, mode 6 face down", {1, 6, 1, 1}, {}, 4, 1, "001002003004005",
         {{tableau(0), "005"}, {tableau(1), "004"}, {tableau(3), "002"}}, {4}},
        {"reserve mode 4: three cards, the first reserve on odd clicks", {}, {4, 4}, 4, 2, "001002003004005006",
         {{reserve(0), "006005004"}, {reserve(1), "003002001"}}, {}},
        {"reserve mode 3: the last eight cards face up onto every tableau", {}, {3, 3}, 4, 1,
         "001002003004005006007008", {{tableau(0), "008"}, {tableau(3), "005"}, {reserve(0), ""}}, {}},
        {"reserve mode 3: otherwise two rows onto the reserves", {}, {3, 3}, 4, 1, "001002003004005",
         {{reserve(0), "005003"}, {reserve(1), "004002"}, {tableau(0), ""}}, {}},
        {"tableau mode 13: the first two, then the third", {13, 13, 13, 13}, {}, 4, 2, "001002003004",
         {{tableau(0), "004"}, {tableau(1), "003"}, {tableau(2), "002"}, {tableau(3), ""}}, {}},
        {"tableau mode 14: the last cards onto the tableaus left and four reserves", {14, 14, 14, 14, 14, 14},
         {2, 2, 2, 2}, 6, 1, "001002003004005",
         {{tableau(0), "005"}, {tableau(1), ""}, {reserve(0), "004"}, {reserve(3), "001"}}, {}},
        {"a secondary waste: the click turns onto it", {}, {}, 4, 1, "001002", {{secondWaste, "002"}}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GameContext table(presentation);
        auto& rules = table.rules;
        rules[rule::DrawCount] = 1;
        rules[rule::TableauCount] = static_cast<std::int16_t>(row.tableaus);
        rules[rule::ReserveCount] = static_cast<std::int16_t>(row.reserveModes.size());
        rules[rule::SecondWasteArrangement] = row.tableauModes.empty() && row.reserveModes.empty() ? 1 : 0;
        for (std::size_t k = 0; k < row.tableauModes.size(); ++k)
            rules.Of(rule::TableauDealMode, static_cast<int>(k)) = static_cast<std::int16_t>(row.tableauModes[k]);
        for (std::size_t k = 0; k < row.reserveModes.size(); ++k)
            rules.Of(rule::ReserveDealMode, static_cast<int>(k)) = static_cast<std::int16_t>(row.reserveModes[k]);
        table.piles.Stock() = row.stock;
        for (int click = 0; click < row.clicks; ++click) {
            StockClick(table);
            ReleaseStockButton(table);
        }
        for (const auto& [pile, cards] : row.expected) {
            EXPECT_EQ(table.piles[pile], cards) << PileName(pile);
            for (const int card : PileCodes(cards)) {
                const bool down = std::find(row.faceDown.begin(), row.faceDown.end(), card) != row.faceDown.end();
                EXPECT_EQ(table.cards.IsFaceDown(card), down) << "card " << card;
            }
        }
    }
}

// Big Ben's click: the first pile's deal mode names the click, the other piles deal nothing in
// rows; yet every pile short of three cards is topped up, in pile order, before any card turns.
TEST_F(StockTest, ATopUpClickFillsEveryShortPileBeforeItTurnsACard)
{
    context.rules[rule::TableauCount] = 3;
    context.rules.Of(rule::TableauDealMode, 0) = click_style::TopUpOrTurn;
    for (int k = 1; k < 3; ++k)
        context.rules.Of(rule::TableauDealMode, k) = deal_mode::None;
    context.piles.tableaus[0] = "001002003";
    context.piles.tableaus[1] = "004";
    context.piles.tableaus[2] = "";
    context.piles.Stock() = "010011012013014015016";
    Click();
    EXPECT_EQ(context.piles.tableaus[0], "001002003");
    EXPECT_EQ(context.piles.tableaus[1], "004016015");
    EXPECT_EQ(context.piles.tableaus[2], "014013012");
    EXPECT_EQ(context.piles.Waste(), "") << "a click that tops up turns no card";
    EXPECT_EQ(context.undoHistory.Size(), 1u) << "one click, one step back";
    Click();
    EXPECT_EQ(context.piles.Waste(), "011");
    EXPECT_EQ(context.piles.Stock(), "010");
    ASSERT_TRUE(Undo(context));
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles.tableaus[1], "004");
    EXPECT_EQ(ElementCount(context.piles.Stock()), 7);
}

TEST_F(StockTest, TheDrawIsAllowedOnceAfterTheLastRedeal)
{
    context.piles.tableaus[0] = "001002003";
    EXPECT_FALSE(TryDraw(context, 2));
    EXPECT_EQ(presentation.events.back(), "info: The Draw is allowed after the last Redeal.");
    context.mainGame.RedealsDone = 3;
    EXPECT_FALSE(TryDraw(context, 2)) << "the pick itself is always refused";
    EXPECT_EQ(context.piles.tableaus[0], "001003002");
    EXPECT_EQ(context.undoHistory.Last().annotation, "004");
    EXPECT_FALSE(TryDraw(context, 1));
    EXPECT_EQ(presentation.events.back(), "info: Only one Draw is permitted.");
    EXPECT_EQ(context.piles.tableaus[0], "001003002");
}

} // namespace
} // namespace marlowe
