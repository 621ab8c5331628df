// The pointer's decisions: what a press picks or does, drops, sends, and the stock press.

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"
#include "engine/pointer.h"
#include "engine/recording_presentation.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

const PileRef kStock{PileGroup::StockGroup, kStockSlot};
const PileRef kWaste{PileGroup::StockGroup, kWasteSlot};

PileRef Tableau(int k)
{
    return {PileGroup::Tableaus, k};
}

// A Klondike-like game in progress.
class PointerTest : public ::testing::Test {
protected:
    PointerTest() : context(presentation)
    {
        auto& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::FoundationCount] = 4;
        rules[rule::TableauCount] = 4;
        rules[rule::FoundationFullCount] = 13;
        rules[rule::MaxTableauCards] = -1;
        rules[rule::StockShown] = 1;
        rules[rule::WasteShown] = 1;
        rules[rule::DrawCount] = 1;
        rules[rule::PassesAllowed] = -1;
        rules[rule::TableauPickRule] = -1;
        rules[rule::RunRule] = 1;
        for (int f = 0; f < 4; ++f) {
            rules.Of(rule::FoundationBaseRank, f) = 1;
            rules.Of(rule::FoundationDirection, f) = 1;
            rules.Of(rule::FoundationFullCountOf, f) = -1;
        }
        for (int k = 0; k < 4; ++k) {
            rules.Of(rule::TableauBaseRank, k) = -1;
            rules.Of(rule::TableauBuildCode, k) = 3;
            rules.Of(rule::TableauWrap, k) = 2;
        }
        context.flags.Set(GameInProgress);
        context.mainGame.RedealsDone = 1;
        for (auto [field, value] :
             {std::pair{reg::SoundsEnabled, "Y"}, {reg::CardShadows, "Y"}, {SoundSwitch::CardDown, "Y"},
              {SoundSwitch::CardUp, "Y"}, {reg::DoubleClickToFoundations, "Y"}, {reg::DoubleClickToTableaus, "N"},
              {reg::RightClickToFoundations, "Y"}, {reg::RightClickToTableaus, "Y"}, {SoundSwitch::FaceUp, "Y"}})
            context.registers.Set(field, value);
    }

    std::string& Pile(PileRef pile) { return context.piles[pile]; }

    RecordingPresentation presentation;
    GameContext context;
};

constexpr int kTenOfClubs = CardCode(Clubs, 10);
constexpr int kNineOfHearts = CardCode(Hearts, 9);
constexpr int kEightOfSpades = CardCode(Spades, 8);
constexpr int kJackOfDiamonds = CardCode(Diamonds, Jack);

TEST_F(PointerTest, AClickWithoutADragChangesNothingButItsSounds)
{
    Pile(Tableau(0)) = CodeText(kTenOfClubs);
    const PileStore before = context.piles;
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kTenOfClubs), PressResult::Picked);
    PointerUp(context, {DropCandidate{PileKind::Tableau, 1, 100}});
    EXPECT_EQ(context.piles, before);
    EXPECT_EQ(presentation.EventsStartingWith("sound card_up").size(), 1u);
    EXPECT_EQ(presentation.EventsStartingWith("sound card_down").size(), 1u);
    EXPECT_EQ(context.hold.card, 0);
}

TEST_F(PointerTest, AFaceDownTopCardIsTurnedUpNotPicked)
{
    Pile(Tableau(0)) = CodeText(kTenOfClubs);
    context.cards.SetCardFaceMark(kTenOfClubs, '0');
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kTenOfClubs), PressResult::Acted);
    EXPECT_FALSE(context.cards.IsFaceDown(kTenOfClubs));
    EXPECT_EQ(context.hold.card, 0);
}

TEST_F(PointerTest, ADraggedRunGoesWholeToThePileThatTakesIt)
{
    Pile(Tableau(0)) = CodeText(kTenOfClubs) + CodeText(kNineOfHearts) + CodeText(kEightOfSpades);
    Pile(Tableau(1)) = CodeText(kJackOfDiamonds);
    context.rules.Of(rule::TableauBaseRank, 2) = 0; // the empty pile with the larger overlap takes nothing
    ASSERT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kTenOfClubs), PressResult::Picked);
    EXPECT_EQ(context.hold.count, 3);
    PointerMove(context);
    PointerUp(context, {DropCandidate{PileKind::Tableau, 2, 500}, DropCandidate{PileKind::Tableau, 1, 300}});
    EXPECT_EQ(Pile(Tableau(1)), CodeText(kJackOfDiamonds) + CodeText(kTenOfClubs) + CodeText(kNineOfHearts) +
                                    CodeText(kEightOfSpades));
    EXPECT_TRUE(Pile(Tableau(0)).empty());
}

TEST_F(PointerTest, ARefusedDropPutsTheCardsBack)
{
    Pile(Tableau(0)) = CodeText(kNineOfHearts);
    Pile(Tableau(1)) = CodeText(kJackOfDiamonds);
    ASSERT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kNineOfHearts), PressResult::Picked);
    PointerMove(context);
    PointerUp(context, {DropCandidate{PileKind::Tableau, 1, 500}});
    EXPECT_EQ(Pile(Tableau(0)), CodeText(kNineOfHearts));
    EXPECT_EQ(presentation.EventsStartingWith("draw Fila1").size(), 1u);
}

// A bouquet (Flower Garden): any card of the fanned reserve is picked alone and leaves the cards
// that lay on it where they were, to a tableau pile or a foundation.
TEST_F(PointerTest, AnyCardOfAFannedReserveOfSinglesPlaysAlone)
{
    const PileRef bouquet{PileGroup::Reserves, 0};
    context.rules[rule::ReserveCount] = 1;
    context.rules[rule::ReservePickRule] = pick::FannedReserveSingles;
    context.rules.Of(rule::ReserveRule, 0) = building::Nothing;
    constexpr int kAceOfSpades = CardCode(Spades, Ace);
    Pile(bouquet) = CodeText(kNineOfHearts) + CodeText(kAceOfSpades) + CodeText(kEightOfSpades);
    Pile(Tableau(1)) = CodeText(kTenOfClubs);

    ASSERT_EQ(PointerDown(context, PointerButton::Left, false, bouquet, kNineOfHearts), PressResult::Picked);
    EXPECT_EQ(context.hold.count, 1);
    PointerMove(context);
    PointerUp(context, {DropCandidate{PileKind::Tableau, 1, 500}});
    EXPECT_EQ(Pile(Tableau(1)), CodeText(kTenOfClubs) + CodeText(kNineOfHearts));
    EXPECT_EQ(Pile(bouquet), CodeText(kAceOfSpades) + CodeText(kEightOfSpades));

    ASSERT_EQ(PointerDown(context, PointerButton::Left, false, bouquet, kAceOfSpades), PressResult::Picked);
    PointerMove(context);
    PointerUp(context, {DropCandidate{PileKind::Foundation, 3, 500}});
    EXPECT_EQ(Pile({PileGroup::Foundations, 3}), CodeText(kAceOfSpades));
    EXPECT_EQ(Pile(bouquet), CodeText(kEightOfSpades));
}

TEST_F(PointerTest, RunRulesDecideHowManyCardsAPressPicks)
{
    context.rules[rule::TableauCount] = 3; // two empty tableaus
    Pile(Tableau(0)) = CodeText(kTenOfClubs) + CodeText(kNineOfHearts) + CodeText(kEightOfSpades);
    const struct {
        int pickRule;
        int card;
        int picked;
    } rows[] = {
        {-2, kNineOfHearts, 2},  // two empty tableaus: a run of two
        {-2, kTenOfClubs, 0},    // but not of three
        {0, kEightOfSpades, 0},  // 0 picks no tableau card
        {1, kEightOfSpades, 1},
        {1, kNineOfHearts, 0},
        {-1, kTenOfClubs, 3},
    };
    for (const auto& row : rows) {
        context.rules[rule::TableauPickRule] = static_cast<std::int16_t>(row.pickRule);
        EXPECT_EQ(PickableCount(context, Tableau(0), row.card), row.picked) << row.pickRule << " " << row.card;
    }
    Pile(Tableau(0)) = CodeText(kTenOfClubs) + CodeText(kEightOfSpades);
    context.rules[rule::TableauPickRule] = -1;
    EXPECT_EQ(PickableCount(context, Tableau(0), kTenOfClubs), 0) << "the cards on it must form a run";
}

// A run too long for the room there is is not picked, and the player reads how many cards may
// move; a run dropped onto a space that it would take card by card hears the smaller count.
TEST_F(PointerTest, ARunTooLongForTheRoomSaysHowManyCardsMayMove)
{
    context.rules[rule::TableauPickRule] = pick::ThroughCellsAndSpaces;
    Pile(Tableau(0)) = CodeText(kTenOfClubs) + CodeText(kNineOfHearts) + CodeText(kEightOfSpades);
    Pile(Tableau(1)) = CodeText(kJackOfDiamonds);
    Pile(Tableau(2)) = CodeText(CardCode(Spades, 2));
    Pile(Tableau(3)) = CodeText(CardCode(Spades, 3)); // no free cell, no space: one card moves
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kTenOfClubs), PressResult::Nothing);
    EXPECT_EQ(presentation.EventsStartingWith("note: Only one card can move now").size(), 1u);

    Pile(Tableau(3)).clear(); // one space: two cards onto a card, one onto the space
    presentation.events.clear();
    ASSERT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kNineOfHearts), PressResult::Picked);
    EXPECT_TRUE(presentation.EventsStartingWith("note:").empty());
    PointerMove(context);
    PointerUp(context, {DropCandidate{PileKind::Tableau, 3, 500}});
    EXPECT_EQ(Pile(Tableau(0)), CodeText(kTenOfClubs) + CodeText(kNineOfHearts) + CodeText(kEightOfSpades));
    EXPECT_EQ(presentation.EventsStartingWith("note: Only one card can move now to an empty pile").size(), 1u);

    // A run out of sequence is refused for its order, not its length: no count is given.
    presentation.events.clear();
    Pile(Tableau(0)) = CodeText(kTenOfClubs) + CodeText(kEightOfSpades);
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kTenOfClubs), PressResult::Nothing);
    EXPECT_TRUE(presentation.EventsStartingWith("note:").empty());
}

TEST_F(PointerTest, DoubleClickSendsAWasteCardWhereThePreferencesAllow)
{
    Pile(kWaste) = CodeText(CardCode(Hearts, Ace));
    Pile(Tableau(0)) = CodeText(kTenOfClubs); // the game goes on after the send
    context.registers.Set(reg::DoubleClickToFoundations, "N");
    EXPECT_FALSE(DoubleClickSend(context, kWaste, CardCode(Hearts, Ace))) << "both preferences N: nothing";
    context.registers.Set(reg::DoubleClickToFoundations, "Y");
    EXPECT_TRUE(DoubleClickSend(context, kWaste, CardCode(Hearts, Ace)));
    EXPECT_EQ(context.piles.foundations[0], CodeText(CardCode(Hearts, Ace)));
    EXPECT_TRUE(context.doubleClickGuard);
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, kWaste, 0), PressResult::Nothing)
        << "the guard swallows the second press";
    EXPECT_FALSE(context.doubleClickGuard);
}

TEST_F(PointerTest, RightClickSendsToATableau)
{
    Pile(Tableau(0)) = CodeText(kNineOfHearts);
    Pile(Tableau(1)) = CodeText(kTenOfClubs);
    EXPECT_EQ(PointerDown(context, PointerButton::Right, false, Tableau(0), kNineOfHearts), PressResult::Acted);
    EXPECT_EQ(Pile(Tableau(1)), CodeText(kTenOfClubs) + CodeText(kNineOfHearts));
}

TEST_F(PointerTest, LeavingThePressedStockCancelsTheRedeal)
{
    Pile(kWaste) = "001002003";
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, kStock, 0), PressResult::Acted);
    EXPECT_EQ(context.mainGame.StockPressed, 1);
    PointerLeftStock(context);
    PointerUp(context, {});
    EXPECT_EQ(Pile(kWaste), "001002003");
    EXPECT_EQ(context.mainGame.RedealsDone, 1);

    PointerDown(context, PointerButton::Left, false, kStock, 0);
    PointerUp(context, {});
    EXPECT_EQ(context.mainGame.RedealsDone, 2) << "a release on the stock redeals";
}

TEST_F(PointerTest, GolfPlaysAColumnCardOntoTheSecondaryWasteAtOnce)
{
    context.rules[rule::SpecialGame] = 2;
    context.piles.stockGroup[kSecondWasteSlot] = CodeText(CardCode(Clubs, 5));
    Pile(Tableau(0)) = CodeText(CardCode(Hearts, 6));
    Pile(Tableau(1)) = CodeText(CardCode(Hearts, 9));
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(1), CardCode(Hearts, 9)), PressResult::Nothing);
    EXPECT_EQ(presentation.events.back(), "beep");
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), CardCode(Hearts, 6)), PressResult::Acted);
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], CodeText(CardCode(Clubs, 5)) + CodeText(CardCode(Hearts, 6)));
    EXPECT_TRUE(Pile(Tableau(0)).empty());

    context.piles.stockGroup[kSecondWasteSlot] = CodeText(CardCode(Clubs, King));
    Pile(Tableau(0)) = CodeText(CardCode(Hearts, Ace));
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), CardCode(Hearts, Ace)), PressResult::Nothing)
        << "no Ace on a King";
}

TEST_F(PointerTest, NothingHappensWithoutAGameInProgress)
{
    context.flags.Clear(GameInProgress);
    Pile(Tableau(0)) = CodeText(kTenOfClubs);
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, Tableau(0), kTenOfClubs), PressResult::Nothing);
}

} // namespace
} // namespace marlowe
