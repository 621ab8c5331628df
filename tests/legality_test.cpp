// Move legality: the standard building rule, the base codes of empty piles, the tableau lock,
// the foundation start rules, the pile-kind wrappers, runs and the grid and edge predicates.

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/legality.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlowe {
namespace {

constexpr int H(int rank, int pack = 0) { return CardCode(Hearts, rank, pack); }
constexpr int D(int rank) { return CardCode(Diamonds, rank); }
constexpr int C(int rank) { return CardCode(Clubs, rank); }
constexpr int S(int rank) { return CardCode(Spades, rank); }
constexpr int kJoker = kFirstJoker;
constexpr bool kFoundation = true;
constexpr bool kTableau = false;

class LegalityTest : public ::testing::Test {
protected:
    LegalityTest()
    {
        context.rules[rule::FoundationCount] = 4;
        context.rules[rule::TableauCount] = 10;
        context.rules[rule::ReserveCount] = 10;
        context.rules[rule::FoundationFullCount] = 13;
        context.rules[rule::MaxTableauCards] = -1;
        for (int f = 0; f < 4; ++f)
            context.rules.Of(rule::FoundationBaseRank, f) = 7; // no tableau card is of the base rank
    }

    // Appends cards to a pile by name ("Mazzo" included).
    void Put(const std::string& pileName, const std::vector<int>& codes)
    {
        for (int code : codes)
            context.piles[*ParsePileName(pileName)] += CodeText(code);
    }

    // A play-time query onto a foundation or tableau pile 0 with the given parameters.
    bool Place(bool foundation, int code, int direction, int base, int wrap, int top, int moving, int count = 1)
    {
        context.rules.Of(rule::TableauWrap, 0) = static_cast<std::int16_t>(wrap);
        PlacementQuery query;
        query.top = top;
        query.moving = moving;
        query.base = base;
        query.base0 = foundation ? base : context.rules[rule::FoundationBaseRank];
        query.direction = direction;
        query.code = code;
        query.toFoundation = foundation;
        query.buildOnBaseRank = foundation || wrap > 0;
        query.movingCount = count;
        return IsLegalPlacement(context, query);
    }

    RecordingPresentation presentation;
    GameContext context{presentation};
};

TEST_F(LegalityTest, StandardRuleSuitsDirectionsAndWraps)
{
    const struct {
        const char* what;
        bool foundation;
        int code, direction, base, wrap, top, moving;
        bool legal;
    } rows[] = {
        {"Ace starts a foundation of base 1", kFoundation, 0, 1, 1, 0, -1, H(1), true},
        {"a 2 does not", kFoundation, 0, 1, 1, 0, -1, H(2), false},
        {"deal time empty value", kFoundation, 0, 1, 1, 0, 0, S(1), true},
        {"up in suit", kFoundation, 0, 1, 1, 0, H(1), H(2), true},
        {"up out of suit", kFoundation, 0, 1, 1, 0, H(1), D(2), false},
        {"two up", kFoundation, 0, 1, 1, 0, H(1), H(3), false},
        {"K-A wrap, base 5", kFoundation, 0, 1, 5, 0, H(13), H(1), true},
        {"K-A wrap, base 1", kFoundation, 0, 1, 1, 0, H(13), H(1), false},
        {"A-K wrap down, base 5", kFoundation, 0, 0, 5, 0, H(1), H(13), true},
        {"A-K wrap down, base 13", kFoundation, 0, 0, 13, 0, H(1), H(13), false},
        {"up or down, up", kFoundation, 2, 2, 1, 0, H(5), C(6), true},
        {"up or down, down", kFoundation, 2, 2, 1, 0, H(5), C(4), true},
        {"up or down, Queen on King", kFoundation, 2, 2, 1, 0, H(13), C(12), true},
        {"alternate: red 9 on black 10", kTableau, 3, 0, 13, 0, S(10), H(9), true},
        {"alternate: black 9 on black 10", kTableau, 3, 0, 13, 0, S(10), C(9), false},
        {"same colour", kTableau, 1, 0, 13, 0, S(10), C(9), true},
        {"same colour refused", kTableau, 1, 0, 13, 0, S(10), D(9), false},
        {"regardless of suit", kTableau, 2, 0, 13, 0, S(10), D(9), true},
        {"code 11 in suit", kTableau, 11, 0, 13, 0, S(10), S(9), true},
        {"code 11 out of suit", kTableau, 11, 0, 13, 0, S(10), C(9), false},
        {"down pile refuses up", kTableau, 2, 0, 13, 0, S(10), D(11), false},
        {"A-K wrap on a tableau", kTableau, 3, 0, 13, 0, S(1), H(13), true},
        {"no wrap with setting 2", kTableau, 3, 0, 13, 2, S(1), H(13), false},
        {"setting 2 still builds down", kTableau, 3, 0, 13, 2, S(2), H(1), true},
        {"K-A wrap up on a tableau", kTableau, 2, 1, 13, 0, S(13), H(1), true},
        {"no K-A wrap with setting 2", kTableau, 2, 1, 13, 2, S(13), H(1), false},
        {"setting 2: 2 on Ace", kTableau, 2, 1, 13, 2, S(1), H(2), true},
        {"up-or-down tableau: Queen on King", kTableau, 3, 2, 13, 0, S(13), H(12), true},
        {"up-or-down tableau: Ace on King", kTableau, 3, 2, 13, 0, S(13), H(1), true},
        {"empty tableau, base King", kTableau, 3, 0, 13, 0, -1, S(13), true},
        {"empty tableau, base King, Queen", kTableau, 3, 0, 13, 0, -1, S(12), false},
        {"empty tableau, any card", kTableau, 3, 0, -1, 0, -1, S(5), true},
        {"unknown direction", kTableau, 2, 5, 13, 0, S(10), D(9), false},
        {"a card never on itself", kTableau, 12, 2, -1, 0, H(5), H(5), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Place(row.foundation, row.code, row.direction, row.base, row.wrap, row.top, row.moving), row.legal)
            << row.what;
}

TEST_F(LegalityTest, CardOfFoundationBaseRankTakesNothingWithoutSetting)
{
    const struct {
        int foundationBase, wrap, direction, top, moving;
        bool legal;
    } rows[] = {
        {5, 0, 0, S(5), H(4), false}, {5, 1, 0, S(5), H(4), true},  {5, 0, 1, S(5), H(6), false},
        {5, 1, 1, S(5), H(6), true},  {81, 0, 0, S(1), H(13), false}, {81, 1, 0, S(1), H(13), true},
        {1, 0, 0, S(2), H(1), true},
    };
    for (const auto& row : rows) {
        context.rules.Of(rule::FoundationBaseRank, 0) = static_cast<std::int16_t>(row.foundationBase);
        EXPECT_EQ(Place(kTableau, 3, row.direction, 13, row.wrap, row.top, row.moving), row.legal)
            << row.foundationBase << " wrap " << row.wrap << " on " << row.top;
    }
}

TEST_F(LegalityTest, BaseCodesOfEmptyPiles)
{
    const struct {
        const char* what;
        int base;
        std::vector<std::string> foundations; // the started foundations' cards, by slot
        std::string from;                    // where the moving card lies ("" nowhere)
        int moving, count;
        bool legal;
    } rows[] = {
        {"82 takes nothing", 82, {}, "", H(1), 1, false},
        {"83 takes nothing", 83, {}, "", H(13), 1, false},
        {"81 an Ace, colours balanced", 81, {CodeText(H(1)), CodeText(D(1))}, "", C(1), 1, true},
        {"81 a third red Ace", 81, {CodeText(H(1)), CodeText(D(1))}, "", H(1, 1), 1, false},
        {"81 not a 2", 81, {}, "", C(2), 1, false},
        {"84 a King of a new suit", 84, {CodeText(H(13))}, "", D(13), 1, true},
        {"84 a King of a used suit", 84, {CodeText(H(13))}, "", H(13, 1), 1, false},
        {"85 an Ace of a new suit", 85, {"", CodeText(S(1))}, "", C(1), 1, true},
        {"85 an Ace of a used suit", 85, {"", CodeText(S(1))}, "", CardCode(Spades, Ace, 1), 1, false},
        {"90 a two", 90, {}, "", S(2), 1, true},
        {"90 not an Ace", 90, {}, "", S(1), 1, false},
        {"86 one card", 86, {}, "", S(4), 1, true},
        {"86 not a run", 86, {}, "", S(4), 2, false},
        {"87 from a reserve", 87, {}, "Appogg3", S(4), 1, true},
        {"87 from a foundation", 87, {"005", CodeText(S(4))}, "", S(4), 1, true},
        {"87 not from the waste", 87, {}, "Mazzo_Vis", S(4), 1, false},
        {"87 not from the tableau", 87, {}, "Fila2", S(4), 1, false},
        {"88 from the waste", 88, {}, "Mazzo_Vis", S(4), 1, true},
        {"88 not from the tableau", 88, {}, "Fila2", S(4), 1, false},
        {"92 no foundation started", 92, {}, "Fila2", S(4), 1, true},
        {"92 the started rank", 92, {CodeText(H(4))}, "Fila2", S(4), 1, true},
        {"92 another rank", 92, {CodeText(H(4))}, "Fila2", S(5), 1, false},
        {"93 first start from a reserve", 93, {}, "Appogg1", S(4), 1, true},
        {"93 first start not from the tableau", 93, {}, "Fila2", S(4), 1, false},
        {"93 later starts from anywhere", 93, {CodeText(H(4))}, "Fila2", S(4), 1, true},
        {"96 not from the tableau", 96, {}, "Fila2", S(4), 1, false},
        {"96 from the waste while reserves are empty", 96, {}, "Mazzo_Vis", S(4), 1, true},
        {"96 not from the stock", 96, {}, "Mazzo", S(4), 1, false},
        {"96 from a reserve", 96, {}, "Appogg2", S(4), 1, true},
        {"100 an Ace", 100, {}, "Fila2", S(1), 1, true},
        {"100 a King", 100, {}, "Fila2", H(13), 1, true},
        {"100 not a Queen", 100, {}, "Fila2", H(12), 1, false},
    };
    for (const auto& row : rows) {
        context.piles.Clear();
        for (int f = 0; f < 4; ++f)
            context.rules.Of(rule::FoundationBaseRank, f) = static_cast<std::int16_t>(row.base);
        for (std::size_t f = 0; f < row.foundations.size(); ++f)
            context.piles.foundations[f] = row.foundations[f];
        if (!row.from.empty())
            Put(row.from, {row.moving});
        EXPECT_EQ(Place(kTableau, 2, 0, row.base, 0, -1, row.moving, row.count), row.legal) << row.what;
    }

    // While a reserve holds cards, base 96 wants a reserve card and no waste card.
    context.piles.Clear();
    Put("Appogg1", {H(9)});
    Put("Mazzo_Vis", {S(4)});
    EXPECT_FALSE(Place(kTableau, 2, 0, 96, 0, -1, S(4)));
}

TEST_F(LegalityTest, CardWithoutSuitIsReportedAndUncounted)
{
    for (int f = 0; f < 4; ++f)
        context.rules.Of(rule::FoundationBaseRank, f) = 81;
    context.piles.foundations[0] = CodeText(kJoker);
    context.piles.foundations[1] = CodeText(H(1));
    EXPECT_TRUE(FoundationStartBalance(context, 81, D(1)));
    ASSERT_EQ(presentation.events.size(), 1u);
    EXPECT_EQ(presentation.events[0], "info: Error suit - 1");
    context.piles.foundations[2] = CodeText(D(1));
    EXPECT_FALSE(FoundationStartBalance(context, 81, H(1, 1))) << "a third red Ace of four";
    EXPECT_EQ(presentation.events.size(), 2u);
}

TEST_F(LegalityTest, TableauLockWhileStockOrWasteHoldCards)
{
    const struct {
        int lock;
        bool foundation;
        std::string stock, waste, from;
        bool legal;
    } rows[] = {
        {1, kFoundation, "040", "", "Fila1", false}, {1, kTableau, "040", "", "Fila1", true},
        {2, kTableau, "040", "", "Fila1", false},    {3, kTableau, "", "040", "Fila1", false},
        {2, kFoundation, "", "", "Fila1", true},     {2, kTableau, "040", "", "Appogg1", true},
        {0, kFoundation, "040", "", "Fila1", true},
        {14, kTableau, "040", "", "Fila1", false},   {14, kTableau, "", "040", "Appogg1", false},
        {14, kFoundation, "040", "", "Fila1", true}, {14, kTableau, "", "", "Fila1", true},
    };
    for (const auto& row : rows) {
        context.piles.Clear();
        context.rules[rule::TableauLock] = static_cast<std::int16_t>(row.lock);
        context.piles.Stock() = row.stock;
        context.piles.Waste() = row.waste;
        Put(row.from, {H(2)});
        EXPECT_EQ(Place(row.foundation, 2, 1, 1, 0, H(1), H(2)), row.legal)
            << "lock " << row.lock << " from " << row.from << " stock " << row.stock;
    }
}

TEST_F(LegalityTest, StartRuleOfEmptyFoundations)
{
    const struct {
        int startRule;
        std::vector<int> started; // bottom cards of foundations 0..3, 0 for empty
        int index, moving;
        bool legal;
    } rows[] = {
        {1, {H(1), 0, 0, 0}, 1, H(1, 1), false},   {1, {H(1), 0, 0, 0}, 1, S(1), true},
        {1, {H(1), S(1), D(1), 0}, 3, C(1), true}, {1, {H(1), S(1), D(1), 0}, 3, CardCode(Diamonds, Ace, 1), false},
        {2, {H(1), 0, 0, 0}, 1, S(1), true},       {2, {H(1), 0, 0, 0}, 1, D(1), false},
        {2, {H(1), 0, 0, 0}, 2, D(1), true},       {2, {0, 0, 0, S(1)}, 0, C(1), false},
        {2, {0, 0, 0, 0}, 2, C(1), true},          {0, {H(1), 0, 0, 0}, 1, H(1, 1), true},
    };
    for (const auto& row : rows) {
        context.piles.Clear();
        context.rules[rule::FoundationStartSuitRule] = static_cast<std::int16_t>(row.startRule);
        for (std::size_t f = 0; f < row.started.size(); ++f)
            if (row.started[f] != 0)
                context.piles.foundations[f] = CodeText(row.started[f]);
        PlacementQuery query;
        query.top = -1;
        query.moving = row.moving;
        query.base = query.base0 = 1;
        query.toFoundation = true;
        query.index = row.index;
        EXPECT_EQ(IsLegalPlacement(context, query), row.legal)
            << "rule " << row.startRule << " foundation " << row.index << " card " << row.moving;
    }

    // Only empty foundations are bound: a second heart foundation builds on as usual.
    context.rules[rule::FoundationStartSuitRule] = 1;
    PlacementQuery query;
    query.top = H(1);
    query.moving = H(2);
    query.base = query.base0 = 1;
    query.toFoundation = true;
    query.index = 1;
    EXPECT_TRUE(IsLegalPlacement(context, query));
}

TEST_F(LegalityTest, FoundationAndTableauWrapperLimits)
{
    context.rules.Of(rule::FoundationBaseRank, 0) = 5;
    context.rules.Of(rule::FoundationDirection, 0) = 1;
    for (int rank = 5; rank <= 13; ++rank)
        Put("Dest1", {H(rank)});
    EXPECT_TRUE(CanPlayOnFoundation(context, 0, H(1)));
    EXPECT_FALSE(CanPlayOnFoundation(context, 0, H(1), 2)) << "one card at a time";
    context.rules[rule::FoundationFullCount] = 9;
    EXPECT_FALSE(CanPlayOnFoundation(context, 0, H(1))) << "the foundation is full";

    context.rules.Of(rule::FoundationBuildCode, 1) = 10;
    EXPECT_TRUE(CanPlayOnFoundation(context, 1, S(12)));
    EXPECT_FALSE(CanPlayOnFoundation(context, 1, S(11)));
    context.rules.Of(rule::FoundationBuildCode, 2) = 22;
    Put("Fila4", {S(9)});
    EXPECT_TRUE(CanPlayOnFoundation(context, 2, S(8)));
    EXPECT_FALSE(CanPlayOnFoundation(context, 2, S(10)));
    EXPECT_FALSE(CanPlayOnFoundation(context, 2, S(1)));

    context.rules.Of(rule::TableauBuildCode, 0) = 3;
    Put("Fila1", {S(13), H(12), S(11)});
    EXPECT_TRUE(CanPlayOnTableau(context, 0, D(10)));
    EXPECT_TRUE(CanDropOnPile(context, D(10), "Fila01"));
    EXPECT_FALSE(CanDropOnPile(context, D(10), "Mazzo_Vis"));
    context.rules[rule::MaxTableauCards] = 3;
    EXPECT_FALSE(CanPlayOnTableau(context, 0, D(10))) << "the pile is at its limit";
    context.rules[rule::MaxTableauCards] = -1;
    context.cards.SetCardFaceMark(S(11), '0');
    EXPECT_FALSE(CanPlayOnTableau(context, 0, D(10))) << "face-down top card";
    context.rules[rule::SpecialGame] = 40;
    EXPECT_TRUE(CanPlayOnTableau(context, 0, D(10)));
    context.mainGame.BlockedCard = static_cast<std::int16_t>(S(11));
    EXPECT_FALSE(CanPlayOnTableau(context, 0, D(10))) << "the blocked card";
    context.mainGame.BlockedCard = 0;

    context.rules.Of(rule::TableauBuildCode, 1) = 34;
    Put("Fila2", {S(10)});
    Put("Fila3", {H(9), S(8)});
    EXPECT_FALSE(CanPlayOnTableau(context, 1, H(9), 2)) << "code 34 takes single cards only";
}

TEST_F(LegalityTest, ReserveRuleByValue)
{
    const struct {
        int code;
        std::string reserve, firstReserve, from;
        int card, count;
        bool legal;
    } rows[] = {
        {4, "", "", "", H(5), 1, false},           {8, "", "001002", "", S(13), 1, true},
        {8, "", "001002003", "", S(13), 1, false}, {8, "", "", "", S(12), 1, false},
        {12, "020", "", "", H(5), 2, true},        {85, "020", "", "Mazzo_Vis", H(5), 1, true},
        {85, "", "", "Fila2", H(5), 1, false},     {13, "020", "001002003004", "", H(5), 1, true},
        {13, "", "001002003004005", "", H(5), 1, false},
        {88, "", "", "", S(11), 1, true},          {88, "", "", "", S(12), 1, false},
        {89, "", "", "", S(12), 1, true},          {90, "", "", "", S(13), 1, true},
        {90, "", "", "", S(13), 2, false},         {107, "", "", "", S(1), 1, true},
        {107, CodeText(H(1)), "", "", S(1), 1, true}, {107, CodeText(H(1)), "", "", D(1), 1, false},
        {107, "", "", "", S(2), 1, false},         {145, CodeText(S(4)), "", "", S(5), 1, true},
        {145, CodeText(S(4)), "", "", H(5), 1, false}, {145, "", "", "", H(9), 1, true},
        {9, "", "", "", C(11), 1, true},           {9, "", "", "", C(10), 1, false},
        {81, "", "", "", C(10), 1, true},          {81, "", "", "", C(10), 2, false},
        {0, "", "", "", C(10), 1, true},           {0, CodeText(C(11)), "", "", C(10), 1, false},
    };
    for (const auto& row : rows) {
        context.piles.Clear();
        context.rules.Of(rule::ReserveRule, 2) = static_cast<std::int16_t>(row.code);
        context.piles.reserves[0] = row.firstReserve;
        context.piles.reserves[2] = row.reserve;
        if (!row.from.empty())
            Put(row.from, {row.card});
        EXPECT_EQ(CanPlayOnReserve(context, 2, row.card, row.count), row.legal)
            << "code " << row.code << " card " << row.card << " reserve " << row.reserve;
        if (row.count == 1) {
            EXPECT_EQ(CanDropOnPile(context, row.card, "Appogg3"), row.legal);
        }
    }
}

TEST_F(LegalityTest, ReserveRulesLookingAtOtherPiles)
{
    context.rules.Of(rule::ReserveRule, 1) = 119;
    context.piles.foundations[1] = CodeText(D(1));
    EXPECT_TRUE(CanPlayOnReserve(context, 1, D(12)));
    EXPECT_FALSE(CanPlayOnReserve(context, 1, H(12)));
    EXPECT_FALSE(CanPlayOnReserve(context, 1, D(13)));
    context.piles.foundations[1].clear();
    EXPECT_FALSE(CanPlayOnReserve(context, 1, D(12)));

    context.rules.Of(rule::ReserveRule, 3) = 103;
    Put("Fila3", {S(6)});
    EXPECT_TRUE(CanPlayOnReserve(context, 3, S(6)));
    Put("Fila1", {H(3)});
    EXPECT_FALSE(CanPlayOnReserve(context, 3, S(6))) << "a pile nearer the edge holds cards";
}

TEST_F(LegalityTest, RunsMoveAsTheRunRuleSays)
{
    context.rules.Of(rule::TableauBuildCode, 0) = 3;
    context.rules.Of(rule::TableauBuildCode, 2) = 3;
    Put("Fila1", {S(12)});
    Put("Fila2", {S(10), H(9), C(8)}); // alternating colours
    Put("Fila3", {D(12), S(11), S(10), S(9)}); // in suit from the Jack
    const struct {
        int runRule, card, tableau;
        bool movable;
    } rows[] = {
        {1, H(9), 0, true},   {1, S(10), 0, true},  {10, H(9), 0, false}, {11, H(9), 0, false},
        {0, H(9), 0, true},   {12, S(11), 0, true}, {10, S(11), 0, true}, {11, S(11), 0, true},
        {1, S(11), 0, false}, {1, D(12), 2, false}, {1, C(8), 0, true},
    };
    for (const auto& row : rows) {
        context.rules[rule::RunRule] = static_cast<std::int16_t>(row.runRule);
        EXPECT_EQ(IsRunMovable(context, row.card, row.tableau), row.movable)
            << "run rule " << row.runRule << " from " << row.card;
    }

    // The wrapper tests a run by the destination's rule: the spade run goes on a red Queen one
    // card at a time by alternating colours, but whole only where the run rule asks for suits.
    context.rules.Of(rule::TableauBuildCode, 4) = 3;
    Put("Fila5", {H(12)});
    const struct {
        int runRule;
        bool legal;
    } wrapperRows[] = {{1, false}, {10, true}, {11, true}, {0, true}};
    for (const auto& row : wrapperRows) {
        context.rules[rule::RunRule] = static_cast<std::int16_t>(row.runRule);
        EXPECT_EQ(CanPlayOnTableau(context, 4, S(11), 3), row.legal) << "run rule " << row.runRule;
    }
    context.rules[rule::RunRule] = 1;
    EXPECT_TRUE(CanPlayOnTableau(context, 4, S(11))) << "a single card is no run";
}

TEST_F(LegalityTest, SameRankOrDownInSuitWithRunsOfOneSuitOrOneRank)
{
    // Building: a card of the same rank, or the next lower card of the top card's suit.
    EXPECT_TRUE(Place(false, 145, 0, 13, 2, H(9), S(9)));
    EXPECT_TRUE(Place(false, 145, 0, 13, 2, H(9), H(8)));
    EXPECT_FALSE(Place(false, 145, 0, 13, 2, H(9), S(8)));
    EXPECT_FALSE(Place(false, 145, 0, 13, 2, H(9), H(10)));
    context.rules.Of(rule::TableauBaseRank, 0) = 13;
    EXPECT_TRUE(Place(false, 145, 0, 13, 2, 0, D(13))) << "an empty pile takes a King";
    EXPECT_FALSE(Place(false, 145, 0, 13, 2, 0, D(12)));

    // Runs: in suit, or all of one rank, but not a mixture of both.
    context.rules[rule::RunRule] = 12;
    Put("Fila1", {C(4), H(9), H(8), H(7)});
    Put("Fila2", {C(2), D(9), H(9), S(9)});
    Put("Fila3", {C(3), S(8), H(8), H(7)});
    EXPECT_TRUE(IsRunMovable(context, H(9), 5));
    EXPECT_TRUE(IsRunMovable(context, D(9), 5));
    EXPECT_FALSE(IsRunMovable(context, S(8), 5));
    EXPECT_TRUE(IsRunMovable(context, H(8), 5));
}

TEST_F(LegalityTest, PickRuleByEmptyPilesAndRunLength)
{
    const struct {
        int pickRule, emptyTableaus, emptyReserves, picked; // picked: element of "Fila1" picked
        std::vector<int> pile;
        bool ontoEmpty, allowed;
    } rows[] = {
        {-1, 0, 0, 0, {S(9), H(8), C(7)}, false, true}, {-12, 0, 0, 0, {S(13), H(12), C(11)}, false, true},
        {-12, 0, 0, 0, {S(12), H(11), C(10)}, false, false}, {-12, 0, 0, 2, {S(12), H(11), C(10)}, false, true},
        {-13, 0, 0, 0, {S(9), H(8), C(7)}, false, true}, {-13, 0, 0, 1, {S(9), H(8), C(7)}, false, false},
        {-15, 0, 0, 0, {S(9), H(8), C(7)}, false, true}, {-15, 0, 0, 0, {S(9), H(8), H(7)}, false, false},
        {-16, 0, 0, 2, {0, 0, C(7), H(8)}, false, true}, {-16, 0, 0, 1, {S(9), H(8), C(7)}, false, false},
        {-17, 0, 0, 2, {S(9), H(8), C(7)}, false, true}, {-17, 0, 0, 1, {S(9), H(8), C(7)}, false, false},
        {-5, 0, 2, 0, {S(9), H(8), C(7)}, false, true}, {-5, 0, 2, 0, {S(10), S(9), H(8), C(7)}, false, false},
        {-5, 1, 1, 0, {S(9), H(8), C(7)}, false, true}, {-5, 1, 1, 0, {S(9), H(8), C(7)}, true, false},
        {-5, 1, 1, 1, {S(9), H(8), C(7)}, true, true}, {-6, 1, 1, 1, {S(9), H(8), C(7)}, false, true},
        {-6, 1, 1, 0, {S(9), H(8), C(7)}, false, false}, {0, 3, 3, 2, {S(9), H(8), C(7)}, false, false},
        {2, 0, 0, 1, {S(9), H(8), C(7)}, false, true}, {2, 0, 0, 0, {S(9), H(8), C(7)}, false, false},
        {-2, 2, 0, 1, {S(9), H(8), C(7)}, false, true}, {-2, 2, 0, 0, {S(9), H(8), C(7)}, false, false},
        {-2, 0, 0, 2, {S(9), H(8), C(7)}, false, true}, {-2, 0, 0, 1, {S(9), H(8), C(7)}, false, false},
    };
    context.rules[rule::TableauCount] = 8;
    context.rules[rule::ReserveCount] = 4;
    context.rules.Of(rule::TableauBuildCode, 0) = 3;
    for (const auto& row : rows) {
        context.piles.Clear();
        context.rules[rule::TableauPickRule] = static_cast<std::int16_t>(row.pickRule);
        Put("Fila1", row.pile);
        for (int t = 1; t < 8 - row.emptyTableaus; ++t)
            Put("Fila" + std::to_string(t + 1), {D(t)});
        for (int r = 0; r < 4 - row.emptyReserves; ++r)
            Put("Appogg" + std::to_string(r + 1), {C(r + 1)});
        const int card = row.pile[static_cast<std::size_t>(row.picked)];
        EXPECT_EQ(RunRuleAllows(context, card, row.ontoEmpty), row.allowed)
            << "rule " << row.pickRule << " picking element " << row.picked << " E " << row.emptyTableaus
            << " F " << row.emptyReserves;
    }
}

// The doubling rule: a run moves as far as the cells and spaces would carry it card by card.
TEST_F(LegalityTest, RunsThroughCellsAndSpacesDoubleForEachSpace)
{
    const struct {
        int cells, spaces;
        bool ontoSpace;
        int most;
    } rows[] = {{0, 0, false, 1}, {3, 0, false, 4}, {3, 1, false, 8}, {3, 1, true, 4},
                {3, 2, false, 16}, {3, 2, true, 8}, {0, 2, false, 4}, {4, 0, false, 5}};
    for (const auto& row : rows)
        EXPECT_EQ(PickLimit(pick::ThroughCellsAndSpaces, {row.spaces, row.cells, row.ontoSpace}), row.most)
            << row.cells << " cells, " << row.spaces << " spaces" << (row.ontoSpace ? ", onto a space" : "");
    EXPECT_EQ(PickLimit(pick::ByEmptyPiles, {1, 3, false}), 5) << "the linear rule stays for the games that ask for it";
    EXPECT_EQ(PickLimit(pick::Any, {1, 3, false}), std::nullopt);

    // Seven cards with three free cells and one space: onto a card they move, onto the space
    // only four of them; the linear rule refuses all seven.
    context.rules[rule::TableauCount] = 8;
    context.rules[rule::ReserveCount] = 4;
    for (int t = 0; t < 8; ++t) {
        context.rules.Of(rule::TableauBuildCode, t) = 3;
        context.rules.Of(rule::TableauBaseRank, t) = base_rank::AnyCard;
    }
    Put("Fila1", {S(9), H(8), C(7), D(6), S(5), H(4), C(3)});
    Put("Fila2", {H(10)});
    for (int t = 3; t <= 7; ++t)
        Put("Fila" + std::to_string(t), {D(t + 6)});
    Put("Appogg1", {C(1)});
    context.rules[rule::TableauPickRule] = pick::ThroughCellsAndSpaces;
    EXPECT_TRUE(RunRuleAllows(context, S(9), false));
    EXPECT_TRUE(CanPlayOnTableau(context, 1, S(9), 7));
    EXPECT_FALSE(CanPlayOnTableau(context, 7, S(9), 7)) << "onto the space, the space no longer doubles";
    EXPECT_TRUE(CanPlayOnTableau(context, 7, D(6), 4));
    context.rules[rule::TableauPickRule] = pick::ByEmptyPiles;
    EXPECT_FALSE(RunRuleAllows(context, S(9), false));

    // A space that takes only Kings carries no run: the cells alone count.
    context.rules[rule::TableauPickRule] = pick::ThroughCellsAndSpaces;
    context.rules.Of(rule::TableauBaseRank, 7) = 13;
    EXPECT_FALSE(RunRuleAllows(context, S(9), false));
    EXPECT_TRUE(RunRuleAllows(context, D(6), false));
}

TEST_F(LegalityTest, EdgeFreeCardsOfHalfRows)
{
    const struct {
        std::string pile;          // where the card lies
        std::vector<std::string> others; // piles holding a card besides
        bool free;
    } rows[] = {
        {"Fila3", {}, true},         {"Fila3", {"Fila2"}, false},  {"Fila3", {"Fila4"}, true},
        {"Fila8", {"Fila7"}, true},  {"Fila8", {"Fila10"}, false}, {"Fila13", {"Fila1"}, true},
        {"Fila13", {"Fila11"}, false}, {"Fila1", {"Fila2"}, true},
        {"Appogg1", {"Appogg2"}, true}, {"Appogg3", {"Appogg1"}, false}, {"Appogg3", {"Appogg4"}, true},
        {"Appogg7", {"Appogg10"}, false}, {"Appogg7", {"Appogg5"}, true}, {"Mazzo_Vis", {"Fila1"}, true},
    };
    context.rules[rule::TableauCount] = 20;
    for (const auto& row : rows) {
        context.piles.Clear();
        Put(row.pile, {S(5)});
        for (const auto& other : row.others)
            Put(other, {H(2)});
        EXPECT_EQ(IsEdgeFree(context, S(5)), row.free) << row.pile;
    }
}

TEST_F(LegalityTest, GridNeighboursAndJumps)
{
    const struct {
        int a, b, width;
        bool adjacent;
    } neighbours[] = {
        {4, 5, 3, true}, {5, 6, 3, false}, {1, 4, 3, true}, {4, 4, 3, false}, {0, 8, 3, false},
        {-1, 0, 3, false}, {-1, 2, 3, false}, {2, 3, 0, false},
    };
    for (const auto& row : neighbours)
        EXPECT_EQ(GridAdjacent(row.a, row.b, row.width), row.adjacent) << row.a << " " << row.b;

    context.rules[rule::GridColumns] = 4;
    context.rules[rule::TableauCount] = 16;
    for (const char* pile : {"Fila2", "Fila4", "Fila6", "Fila7"}) // piles 1, 3, 5 and 6 hold cards
        Put(pile, {H(9)});
    const struct {
        int location, tableau; // the source pile is location - 1
        bool jump;
    } jumps[] = {
        {3, 0, true},   // over pile 1 in a row
        {1, 2, true},   // the other way
        {8, 5, true},   // over pile 6
        {10, 1, true},  // over pile 5 in a column
        {3, 10, true},  // over pile 6 in a column
        {3, 4, false},  // over pile 3, but across the row end
        {16, 14, false}, // over an empty pile
        {15, 6, false}, // over an empty pile in a column
        {3, 1, false},  // a neighbour, not a jump
        {0, 1, false},  // not from the tableau
    };
    for (const auto& row : jumps)
        EXPECT_EQ(GridJump(context, row.location, row.tableau), row.jump) << row.location << " to " << row.tableau;
}

} // namespace
} // namespace marlowe
