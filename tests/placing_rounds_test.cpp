// Sly Fox's rounds of placing: the piles play and their gaps refill until the first card is placed
// from the waste; then each round wants twenty placed cards before a pile's card may go home, the
// count going back and forth with undo and redo and surviving a saved game.

#include "engine/cards.h"
#include "engine/game_resume.h"
#include "engine/hint_file.h"
#include "engine/legality.h"
#include "engine/lifecycle.h"
#include "engine/move_history.h"
#include "engine/pile_hints.h"
#include "engine/pile_text.h"
#include "engine/placing_rounds.h"
#include "engine/play_actions.h"
#include "engine/saved_game.h"
#include "engine_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace marlowe {
namespace {

constexpr int kSlyFox = 129;
constexpr int kPiles = 20;

struct Program : testing::EngineProgram {
    void Deal(const std::string& number)
    {
        context.registers.Set(reg::DealNumber, number);
        ASSERT_TRUE(OpenGame(context, preferences, random, kSlyFox, context.mainGame.GameName(kSlyFox), "Player 1", 1, false));
        context.mainGame.TableDrawn = 1; // as the window has drawn it: the fills may act
    }
};

class PlacingRoundsTest : public ::testing::Test {
protected:
    PlacingRoundsTest()
    {
        program.Deal("1234567890123");
        program.context.autoplayOn = false; // every card moves by the test's hand or a fill
        upSuit = CardSuit(TopElement(Context().piles.foundations[0]));
    }

    GameContext& Context() { return program.context; }
    std::string& Pile(int k) { return Context().piles.tableaus[static_cast<std::size_t>(k)]; }

    // Lays the first piles, the stock (its top card last) and the waste by hand, the other piles
    // with a card each that no foundation takes. The laid cards are 2s to Jacks, which the dealt
    // Aces and Kings never meet.
    void Lay(const std::vector<int>& piles, const std::vector<int>& stock, const std::vector<int>& waste = {})
    {
        const std::vector<int> others = Filler(kPiles, kFillerForPiles);
        for (int k = 0; k < kPiles; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const int card = at < piles.size() ? piles[at] : others[at];
            Pile(k) = PileTextOf({card});
            Context().cards.SetCardFaceMark(card, '1');
        }
        Context().piles.Stock() = PileTextOf(stock);
        for (const int card : stock)
            Context().cards.SetCardFaceMark(card, '0');
        Context().piles.Waste() = PileTextOf(waste);
        for (const int card : waste)
            Context().cards.SetCardFaceMark(card, '1');
    }

    bool Drop(int card, PileRef target) { return PerformAction(Context(), PlayAction{ActionKind::Drop, card, target}); }
    bool ToPile(int card, int pile) { return Drop(card, {PileGroup::Tableaus, pile}); }
    bool Home(int card, int foundation) { return Drop(card, {PileGroup::Foundations, foundation}); }
    bool Turn() { return PerformAction(Context(), PlayAction{ActionKind::Stock}); }

    // Turns the stock's next card and places it on the pile.
    void Place(int pile)
    {
        ASSERT_TRUE(Turn());
        ASSERT_TRUE(ToPile(TopElement(Context().piles.Waste()), pile));
    }

    int Counter() { return Context().mainGame.GameCounter1; }
    std::string Panel() { return ComputePileHint(Context(), std::nullopt, HintFile{}).redeals; }

    // 3s to Jacks of the suits not of the first Ace pile, which no foundation takes yet, from the
    // skip-th on: 54 cards in all, the first of them for the stock, the last for the piles.
    static constexpr int kFillerForPiles = 30;
    std::vector<int> Filler(int count, int skip = 0)
    {
        std::vector<int> cards;
        for (int i = skip; i < skip + count; ++i)
            cards.push_back(CardCode((upSuit + 1 + i / 9 % 3) % 4, 3 + i % 9, i / 27));
        return cards;
    }

    Program program;
    int upSuit = 0;
};

TEST_F(PlacingRoundsTest, TheDealLaysTheAcesAndKingsAndTwentyPilesOfOneCard)
{
    const GameContext& context = Context();
    std::vector<int> suits[2];
    for (int f = 0; f < 8; ++f) {
        const std::vector<int> home = PileCodes(context.piles.foundations[static_cast<std::size_t>(f)]);
        ASSERT_EQ(home.size(), 1u) << "foundation " << f;
        EXPECT_EQ(CardRank(home[0]), f < 4 ? Ace : King) << "foundation " << f;
        suits[f / 4].push_back(CardSuit(home[0]));
    }
    for (auto& column : suits) {
        std::sort(column.begin(), column.end());
        EXPECT_EQ(column, (std::vector<int>{0, 1, 2, 3})) << "one of each suit in each column";
    }
    for (int k = 0; k < kPiles; ++k) {
        ASSERT_EQ(ElementCount(context.piles.tableaus[static_cast<std::size_t>(k)]), 1) << "pile " << k;
        EXPECT_FALSE(context.cards.IsFaceDown(TopElement(context.piles.tableaus[static_cast<std::size_t>(k)])));
    }
    EXPECT_EQ(ElementCount(context.piles.Stock()), 104 - 8 - kPiles);
    EXPECT_EQ(Counter(), 0) << "no round before the first card is placed";
    EXPECT_EQ(Panel(), "0/0 redeals") << "the panel's usual text";
}

TEST_F(PlacingRoundsTest, BeforeTheFirstRoundThePilesPlayAndTheirGapsRefillFromTheWasteElseTheStock)
{
    const int two = CardCode(upSuit, 2), three = CardCode(upSuit, 3);
    const int turned = CardCode((upSuit + 1) % 4, 7), next = CardCode((upSuit + 2) % 4, 8);
    Lay({two, three}, {next, turned});

    ASSERT_TRUE(Turn());
    ASSERT_TRUE(Home(two, 0));

    EXPECT_EQ(PileCodes(Pile(0)), std::vector<int>{turned}) << "the gap took the waste's card";
    ASSERT_TRUE(Home(three, 0));
    EXPECT_EQ(PileCodes(Pile(1)), std::vector<int>{next}) << "then the stock's";
    EXPECT_EQ(Counter(), 0) << "the fills placed nothing";
}

TEST_F(PlacingRoundsTest, ARoundWantsACardForEveryPileBeforeAPileCardGoesHome)
{
    const int two = CardCode(upSuit, 2);
    const int queen = CardCode(CardSuit(TopElement(Context().piles.foundations[4])), Queen);
    std::vector<int> stock = Filler(kPiles + 1);
    stock.insert(stock.begin() + kPiles - 1, queen); // the stock's third card, played from the waste
    Lay({two}, stock);

    Place(5);
    EXPECT_EQ(Counter(), 1);
    EXPECT_EQ(CardsLeftToPlace(Context()), kPiles - 1);
    EXPECT_EQ(Panel(), "Place 19 more cards");
    EXPECT_FALSE(Home(two, 0)) << "the round holds the piles back";
    EXPECT_TRUE(std::any_of(program.presentation.events.begin(), program.presentation.events.end(),
                            [](const std::string& e) { return e.rfind("note: Place 19 more cards", 0) == 0; }))
        << "the status bar says why";

    Place(6);
    ASSERT_TRUE(Turn());
    ASSERT_EQ(TopElement(Context().piles.Waste()), queen);
    ASSERT_TRUE(Home(queen, 4)) << "a waste card may go home during a round";
    EXPECT_EQ(Counter(), 2) << "and does not count";

    for (int placed = 2; placed < kPiles; ++placed)
        Place(placed % kPiles);
    EXPECT_EQ(Counter(), kPiles);
    EXPECT_EQ(Panel(), "0/0 redeals") << "the round is complete";
    ASSERT_TRUE(Home(two, 0)) << "the piles play again";
    EXPECT_TRUE(Pile(0).empty()) << "after the first round a gap stays empty";

    Place(0);
    EXPECT_EQ(Counter(), 1) << "the next card starts the next round";
    EXPECT_EQ(PileCodes(Pile(0)).size(), 1u) << "a gap takes a placed card";
}

TEST_F(PlacingRoundsTest, OnceTheStockAndTheWasteAreOutNoRoundHoldsThePilesBack)
{
    const int two = CardCode(upSuit, 2);
    Lay({two}, {CardCode((upSuit + 1) % 4, 9)});
    Place(3);
    ASSERT_TRUE(Context().piles.Stock().empty());
    EXPECT_EQ(CardsLeftToPlace(Context()), 0);
    EXPECT_TRUE(Home(two, 0));
}

TEST_F(PlacingRoundsTest, ASearchMayAskWhatTheFoundationsTakeOnceTheRoundIsOver)
{
    const int two = CardCode(upSuit, 2);
    Lay({two}, Filler(5));
    Place(4);
    ASSERT_FALSE(FoundationRuleAccepts(Context(), 0, two));
    {
        const RoundSetAside aside(Context());
        EXPECT_TRUE(FoundationRuleAccepts(Context(), 0, two));
    }
    EXPECT_EQ(Counter(), 1) << "the round comes back";
    EXPECT_FALSE(FoundationRuleAccepts(Context(), 0, two));
}

TEST_F(PlacingRoundsTest, UndoRedoAndASavedGameCarryTheCount)
{
    Lay({CardCode(upSuit, 2)}, Filler(10));
    for (int pile = 0; pile < 3; ++pile)
        Place(pile + 1);
    ASSERT_EQ(Counter(), 3);

    ASSERT_TRUE(Undo(Context()));
    EXPECT_EQ(Counter(), 2) << "the placing undoes with its count";
    ASSERT_TRUE(Redo(Context()));
    EXPECT_EQ(Counter(), 3);
    while (Undo(Context())) {
    }
    EXPECT_EQ(Counter(), 0) << "back at the deal no round was begun";
    for (int step = 0; step < 6; ++step)
        ASSERT_TRUE(Redo(Context()));
    ASSERT_EQ(Counter(), 3);

    const SavedGameReading reading = ReadSavedGame(SavedGameText(CaptureGame(Context(), program.now)));
    ASSERT_TRUE(reading.outcome) << reading.outcome.message();
    Program fresh;
    fresh.Deal("0000000000005");
    ASSERT_TRUE(ResumeSavedGame(fresh.context, fresh.preferences, fresh.random, reading.game));
    EXPECT_EQ(fresh.context.mainGame.GameCounter1, 3);
    EXPECT_EQ(CardsLeftToPlace(fresh.context), kPiles - 3);
    ASSERT_TRUE(Undo(fresh.context));
    EXPECT_EQ(fresh.context.mainGame.GameCounter1, 2) << "the resumed history carries the count too";
}

} // namespace
} // namespace marlowe
