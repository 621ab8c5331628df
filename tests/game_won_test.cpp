// The win test: the general one and the games' own.

#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

class GameWonTest : public ::testing::Test {
protected:
    GameWonTest() : context(presentation)
    {
        context.rules[rule::TableauCount] = 4;
        context.rules[rule::ReserveCount] = 2;
        context.rules[rule::FoundationCount] = 4;
    }

    void Special(int code) { context.rules[rule::SpecialGame] = static_cast<std::int16_t>(code); }
    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(GameWonTest, GeneralTestWantsStockWasteTableauAndReservesEmpty)
{
    EXPECT_TRUE(IsGameWon(context));
    for (std::string* pile : {&context.piles.Stock(), &context.piles.Waste(), &Tableau(3), &context.piles.reserves[1]}) {
        *pile = "001";
        EXPECT_FALSE(IsGameWon(context));
        pile->clear();
    }
    Tableau(4) = "001"; // beyond the game's tableaus
    context.piles.reserves[2] = "002";
    context.piles.stockGroup[kSecondWasteSlot] = "003";
    EXPECT_TRUE(IsGameWon(context));
    Tableau(0) = "000000";
    EXPECT_FALSE(IsGameWon(context)) << "gaps count as cards in the general test";
    Special(67);
    EXPECT_TRUE(IsGameWon(context)) << "but not in the games that leave gaps";
}

TEST_F(GameWonTest, GamesWithTheirOwnTests)
{
    Special(41);
    context.rules[rule::FoundationCount] = 1;
    context.piles.foundations[1] = "001";
    EXPECT_TRUE(IsGameWon(context)) << "a single foundation counts as won at once";
    context.rules[rule::FoundationCount] = 2;
    EXPECT_FALSE(IsGameWon(context));

    Special(31);
    for (int k = 0; k < 4; ++k)
        Tableau(k) = CodeText(1 + 13 * k);
    EXPECT_TRUE(IsGameWon(context));
    Tableau(2) = "002";
    EXPECT_FALSE(IsGameWon(context));

    Special(43);
    Tableau(5) = "009008007006005004003002001";
    EXPECT_TRUE(IsGameWon(context));

    Special(34);
    context.rules[rule::TargetScore] = 500;
    context.registers.Set(reg::Score, 499);
    EXPECT_FALSE(IsGameWon(context));
    context.registers.Set(reg::Score, 500);
    EXPECT_TRUE(IsGameWon(context));

    Special(32);
    EXPECT_FALSE(IsGameWon(context)) << "these games end by other means";

    Special(45);
    context.piles.tableaus = {};
    for (int k = 0; k < 4; ++k)
        Tableau(k * 3) = "001";
    EXPECT_TRUE(IsGameWon(context));
}

// A suit from its King down to its Ace, as one pile's text.
std::string SuitFromKing(int suit)
{
    std::string pile;
    for (int rank = 13; rank >= 1; --rank)
        pile += CodeText(CardCode(suit, rank));
    return pile;
}

TEST_F(GameWonTest, DiamondMineWantsEachOtherSuitInOnePileFromKingToAce)
{
    Special(115);
    Tableau(0) = SuitFromKing(Hearts);
    Tableau(2) = SuitFromKing(Clubs);
    Tableau(3) = SuitFromKing(Spades);
    EXPECT_TRUE(IsGameWon(context)) << "the Diamonds are home, the other piles empty";

    Tableau(1) = CodeText(CardCode(Hearts, 5));
    Tableau(0) = SuitFromKing(Hearts).substr(0, 36) + SuitFromKing(Hearts).substr(39);
    EXPECT_FALSE(IsGameWon(context)) << "a card out of its run";
    Tableau(1).clear();
    Tableau(0) = SuitFromKing(Hearts).substr(0, 36) + CodeText(CardCode(Spades, 1)) + SuitFromKing(Hearts).substr(39);
    EXPECT_FALSE(IsGameWon(context)) << "a card of another suit in the run";
    Tableau(0) = SuitFromKing(Hearts);
    context.piles.reserves[0] = CodeText(CardCode(Diamonds, 4));
    EXPECT_TRUE(IsGameWon(context)) << "reserves are not the game's";
}

// Faerie Queen's family: won with the stock out and only the Kings (or Queens) heading the piles.
TEST_F(GameWonTest, HeadsAloneWantEveryPileDownToItsHead)
{
    Special(95);
    for (int k = 0; k < 4; ++k) {
        context.rules.Of(rule::TableauBaseRank, k) = 12;
        Tableau(k) = CodeText(12 + 13 * k);
    }
    EXPECT_TRUE(IsGameWon(context));
    Tableau(1) += "003";
    EXPECT_FALSE(IsGameWon(context)) << "a card left on a Queen";
    Tableau(1) = "013";
    EXPECT_FALSE(IsGameWon(context)) << "a King is no head here";
    Tableau(1) = "025";
    context.piles.Stock() = "004";
    EXPECT_FALSE(IsGameWon(context)) << "the stock must be out";
}

TEST_F(GameWonTest, ThirtiesNeedEveryRowToSumToThirty)
{
    Special(74);
    Tableau(0) = "010013";
    Tableau(1) = "023026";
    Tableau(2) = "036039";
    EXPECT_FALSE(IsGameWon(context)) << "10 + 10 + 10 = 30, but 13 + 13 + 13 = 39";
    Tableau(1) = "023020";
    Tableau(2) = "036";
    Tableau(3) = "000004";
    EXPECT_FALSE(IsGameWon(context)) << "a gap after a card fails the row";
    Tableau(0) = "010";
    Tableau(1) = "023";
    Tableau(2) = "036";
    Tableau(3) = "";
    EXPECT_TRUE(IsGameWon(context));
}

// The goals decided for the special codes whose completion is ours to choose, each with a table
// that is won and one that is not yet.
TEST_F(GameWonTest, GoalsOfTheSelectionCodes)
{
    // 45: sums within one suit leave one card of each suit; the stock must be out.
    Special(45);
    for (int k = 0; k < 4; ++k)
        Tableau(k) = "007";
    context.piles.Stock() = "020";
    EXPECT_FALSE(IsGameWon(context));
    context.piles.Stock().clear();
    EXPECT_TRUE(IsGameWon(context));
    Tableau(5) = "008";
    EXPECT_FALSE(IsGameWon(context)) << "five cards left";
    context.piles.tableaus = {};

    // 55 (Eiffel Tower): every card of the stock and the waste laid on the tower.
    Special(55);
    Tableau(0) = "001002";
    context.piles.Waste() = "009";
    EXPECT_FALSE(IsGameWon(context)) << "a card is still on the waste";
    context.piles.Waste().clear();
    EXPECT_TRUE(IsGameWon(context));

    // 48 ends by other means and is never won.
    Special(48);
    EXPECT_FALSE(IsGameWon(context));

    // 57: each group of four piles adds up to the target the deal stored.
    Special(57);
    context.rules[rule::TableauCount] = 16;
    context.piles.tableaus = {};
    for (int k = 0; k < 16; ++k)
        Tableau(k) = CodeText(k % 4 + 1); // each group: 1 + 2 + 3 + 4
    context.mainGame.GameCounter1 = context.mainGame.GameCounter2 = context.mainGame.GameCounter3 = 10;
    context.mainGame.GameCounter4 = 11;
    EXPECT_FALSE(IsGameWon(context));
    context.mainGame.GameCounter4 = 10;
    EXPECT_TRUE(IsGameWon(context));
    context.piles.tableaus = {};
    context.rules[rule::TableauCount] = 4;

    // 23 and 33 keep the general goal: every card off the table.
    for (const int code : {23, 33}) {
        Special(code);
        EXPECT_TRUE(IsGameWon(context)) << code;
        Tableau(1) = "005";
        EXPECT_FALSE(IsGameWon(context)) << code;
        Tableau(1).clear();
    }
}

} // namespace
} // namespace marlowe
