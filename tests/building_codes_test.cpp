// The special building codes, asked through IsLegalPlacement: each row lays out a table, names
// the destination pile and the moving card (and the pile it lies on), and gives the verdict.

#include "engine/building_codes.h"
#include "engine/cards.h"
#include "engine/legality.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"

#include "catalogue/rule_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlowe {
namespace {

constexpr int H(int rank, int pack = 0) { return CardCode(Hearts, rank, pack); }
constexpr int D(int rank, int pack = 0) { return CardCode(Diamonds, rank, pack); }
constexpr int C(int rank, int pack = 0) { return CardCode(Clubs, rank, pack); }
constexpr int S(int rank, int pack = 0) { return CardCode(Spades, rank, pack); }
constexpr int J = kFirstJoker;

using Cards = std::vector<int>;

// The cards of one suit from rank first to rank last.
Cards Sequence(int suit, int first, int last, int pack = 0)
{
    Cards cards;
    for (int rank = first; rank <= last; ++rank)
        cards.push_back(CardCode(suit, rank, pack));
    return cards;
}

Cards operator+(Cards a, const Cards& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Pile {
    std::string name;
    Cards cards;
};

using TableSetup = void (*)(GameContext&);

struct Row {
    const char* what;
    int code;
    std::string dest;          // the destination pile ("Dest1", "Fila3", "Appogg1")
    Cards destCards;           // its cards, bottom first
    int moving;
    std::string from;          // the pile the moving card lies on top of; "" nowhere
    bool legal;
    std::vector<Pile> piles{}; // the rest of the table
    TableSetup setup = nullptr;     // rule parameters and state words
    int count = 1;             // cards that move
};

void Put(GameContext& context, const std::string& pileName, const Cards& cards)
{
    for (int card : cards)
        context.piles[*ParsePileName(pileName)] += CodeText(card);
}

// One card on each tableau pile first..last (cards of the fourth pack, out of every row's way).
void FillTableau(GameContext& context, int first, int last)
{
    for (int t = first; t <= last; ++t)
        Put(context, "Fila" + std::to_string(t + 1), {157 + t});
}

// The query the pile-kind wrappers would ask for the destination.
PlacementQuery QueryFor(const GameContext& context, const Row& row)
{
    const PileRef dest = *ParsePileName(row.dest);
    const std::string& pile = context.piles[dest];
    const RuleVector& rules = context.rules;
    PlacementQuery query;
    query.top = pile.empty() ? -1 : TopElement(pile);
    query.moving = row.moving;
    query.code = row.code;
    query.index = dest.slot;
    query.movingCount = row.count;
    if (dest.group == PileGroup::Foundations) {
        query.base = query.base0 = rules.Of(rule::FoundationBaseRank, dest.slot);
        query.direction = rules.Of(rule::FoundationDirection, dest.slot);
        query.toFoundation = true;
    } else if (dest.group == PileGroup::Tableaus) {
        query.base = rules.Of(rule::TableauBaseRank, dest.slot);
        query.base0 = rules[rule::FoundationBaseRank];
        query.direction = rules.Of(rule::TableauDirection, dest.slot);
        query.buildOnBaseRank = rules.Of(rule::TableauWrap, dest.slot) > 0;
    } else {
        query.base = query.base0 = query.direction = -1;
        query.toFoundation = true;
    }
    return query;
}

// Eight foundations from the Ace up, forty tableau piles down from any card, ten reserves.
bool Judge(const Row& row)
{
    RecordingPresentation presentation;
    GameContext context{presentation};
    context.rules[rule::FoundationCount] = 8;
    context.rules[rule::TableauCount] = 40;
    context.rules[rule::ReserveCount] = 10;
    for (int f = 0; f < kMaxFoundations; ++f) {
        context.rules.Of(rule::FoundationBaseRank, f) = 1;
        context.rules.Of(rule::FoundationDirection, f) = 1;
    }
    for (int t = 0; t < kMaxTableaus; ++t)
        context.rules.Of(rule::TableauBaseRank, t) = -1;
    if (row.setup)
        row.setup(context);
    for (const Pile& pile : row.piles)
        Put(context, pile.name, pile.cards);
    Put(context, row.dest, row.destCards);
    if (!row.from.empty())
        Put(context, row.from, {row.moving});
    return IsLegalPlacement(context, QueryFor(context, row));
}

void Check(const std::vector<Row>& rows)
{
    for (const Row& row : rows)
        EXPECT_EQ(Judge(row), row.legal) << "code " << row.code << ": " << row.what;
}

template <int Index, int Value>
void SetRule(GameContext& context) { context.rules[Index] = Value; }
template <int Value>
void Redeals(GameContext& context) { context.mainGame.RedealsDone = Value; }
template <int Value>
void DealCounter(GameContext& context) { context.mainGame.DealCounter = Value; }
template <int First, int Last>
void Filled(GameContext& context) { FillTableau(context, First, Last); }

// Sly Fox's twenty piles with Placed cards put in the round of placing (0: none begun yet).
template <int Placed>
void PlacingRound(GameContext& context)
{
    context.rules[rule::SpecialGame] = 112;
    context.rules[rule::TableauCount] = 20;
    context.mainGame.GameCounter1 = Placed;
}

TEST(BuildingCodes, CodesWithoutARuleOfTheirOwnUseTheStandardRule)
{
    RecordingPresentation presentation;
    GameContext context{presentation};
    for (int code : {59, 65, 66, 74, 84, 85, 88, 89, 90, 103, 107, 119, 146, 300}) {
        PlacementQuery query;
        query.code = code;
        query.top = S(9);
        query.moving = H(8);
        query.direction = 0;
        EXPECT_FALSE(SpecialBuildingRule(context, query).has_value()) << code;
        EXPECT_TRUE(IsLegalPlacement(context, query)) << code;
        query.moving = H(10);
        EXPECT_FALSE(IsLegalPlacement(context, query)) << code;
    }
}

TEST(BuildingCodes, CodeSevenWaitsForTheStockAtPlayTimeOnly)
{
    Check({
        {"empty pile, empty stock", 7, "Fila1", {}, H(5), "", true},
        {"a card on a card", 7, "Fila1", {S(6)}, H(5), "", false},
        {"while the stock holds cards", 7, "Fila1", {}, H(5), "", false, {{"Mazzo", {D(2)}}}},
    });
    RecordingPresentation presentation;
    GameContext context{presentation};
    Put(context, "Mazzo", {D(2)});
    PlacementQuery deal;
    deal.code = 7;
    deal.top = 0;
    deal.base = deal.base0 = 1;
    deal.toFoundation = true;
    deal.playTime = false;
    deal.moving = H(1);
    EXPECT_TRUE(IsLegalPlacement(context, deal)) << "the deal starts a foundation by its base";
    deal.moving = H(2);
    EXPECT_FALSE(IsLegalPlacement(context, deal));
    deal.top = H(1);
    EXPECT_TRUE(IsLegalPlacement(context, deal)) << "and builds on it";
}

TEST(BuildingCodes, FixedAnswersAndHandOvers)
{
    Check({
        {"5 never", 5, "Dest1", {}, H(1), "", false},
        {"12 always", 12, "Fila1", {S(9)}, H(2), "", true},
        {"113 never", 113, "Dest1", {H(1)}, H(2), "", false},
        {"138 never", 138, "Fila1", {}, H(2), "", false},
        {"8 down in any suit", 8, "Fila1", {S(9)}, H(8), "", true},
        {"62 up in any suit", 62, "Dest1", {H(1)}, D(2), "", true},
        {"11 out of suit", 11, "Fila1", {S(9)}, H(8), "", false},
        {"11 no Queen on a King", 11, "Fila1", {S(13)}, S(12), "", false},
        {"11 no Queen on a Jack", 11, "Dest1", Sequence(Spades, 1, 11), S(12), "", false},
        {"21 suits differ", 21, "Dest1", {H(1)}, S(2), "", true},
        {"21 same suit", 21, "Dest1", {H(1)}, H(2), "", false},
        {"24 out of suit", 24, "Dest1", {H(1)}, D(2), "", false},
        {"24 no King on a Queen", 24, "Dest1", Sequence(Hearts, 1, 12), H(13), "", false},
        {"24 any suit starts", 24, "Dest1", {}, S(1), "", true},
        {"27 alternating", 27, "Fila1", {S(9)}, H(8), "Fila2", true},
        {"27 not from a reserve", 27, "Fila1", {S(9)}, H(8), "Appogg1", false},
        {"27 not from a foundation", 27, "Fila1", {S(9)}, H(8), "Dest2", false},
        {"63 first pass, left piles feed left foundations", 63, "Dest6", {H(1)}, H(2), "Fila1", false, {}, Redeals<1>},
        {"63 right piles feed right foundations", 63, "Dest1", {H(1)}, H(2), "Fila7", false, {}, Redeals<1>},
        {"63 second pass anywhere", 63, "Dest6", {H(1)}, H(2), "Fila1", true, {}, Redeals<2>},
        {"63 in suit", 63, "Dest1", {H(1)}, D(2), "Fila5", false},
        {"63 empty by base", 63, "Dest1", {}, S(1), "Fila5", true},
    });
}

TEST(BuildingCodes, StepsAndRankRelations)
{
    Check({
        {"14 two up", 14, "Fila1", {S(5)}, H(7), "", true},
        {"14 round the corner", 14, "Fila1", {S(12)}, H(1), "", true},
        {"14 not one up", 14, "Fila1", {S(5)}, H(6), "", false},
        {"16 four up round the corner", 16, "Fila1", {S(10)}, H(1), "", true},
        {"170 five up", 170, "Dest1", {S(5)}, H(10), "", true},
        {"170 five up round the corner", 170, "Dest1", {S(10)}, H(2), "", true},
        {"171 six up round the corner", 171, "Dest1", {S(12)}, H(5), "", true},
        {"172 seven up round the corner", 172, "Dest1", {S(7)}, H(1), "", true},
        {"173 eight up round the corner", 173, "Dest1", {S(8)}, H(3), "", true},
        {"173 not seven up", 173, "Dest1", {S(8)}, H(2), "", false},
        {"175 its own rank on an empty home", 175, "Dest2", {}, H(1), "", true},
        {"175 not another rank", 175, "Dest2", {}, H(2), "", false},
        {"175 the suit another home began with", 175, "Dest2", {}, S(1), "", false, {{"Dest1", {H(1)}}}},
        {"175 the suit another home shows at that height", 175, "Dest2", {H(1)}, S(1), "", true,
         {{"Dest1", {H(1, 1), S(1, 1)}}}},
        {"175 not a suit out of the common order", 175, "Dest2", {H(1)}, C(1), "", false,
         {{"Dest1", {H(1, 1), S(1, 1)}}}},
        {"175 the colours alternate", 175, "Dest2", {H(1)}, D(1), "", false},
        {"175 a height no other home has reached", 175, "Dest2", {H(1), S(1)}, D(1), "", true,
         {{"Dest1", {H(1, 1), S(1, 1)}}}},
        {"174 one up in suit", 174, "Dest1", {S(10)}, S(11), "", true},
        {"174 one down in the other suit of the colour", 174, "Dest1", {S(10)}, C(9), "", true},
        {"174 not one up in the other suit of the colour", 174, "Dest1", {S(10)}, C(11), "", false},
        {"174 the rank across the colours", 174, "Dest1", {S(10)}, H(10), "", true},
        {"174 not the rank in the same colour", 174, "Dest1", {S(10)}, C(10), "", false},
        {"174 any card starts", 174, "Dest1", {}, D(8), "", true},
        {"37 doubles the rank", 37, "Dest1", {S(4)}, H(8), "", true},
        {"37 doubles less 13", 37, "Dest1", {S(8)}, H(3), "", true},
        {"37 no King before 48 cards", 37, "Dest1", {S(7)}, H(13), "", false},
        {"20 Ace starts", 20, "Dest1", {}, S(1), "", true},
        {"20 nothing else starts", 20, "Dest1", {}, S(2), "", false},
        {"20 Ace on King", 20, "Dest1", {D(13)}, S(1), "", true},
        {"25 two up in suit", 25, "Dest1", {H(3)}, H(5), "", true},
        {"25 two down on a downward pile", 25, "Fila1", {S(9)}, S(7), "", true},
        {"28 either way", 28, "Fila1", {S(9)}, H(10), "", true},
        {"28 no wrap", 28, "Fila1", {S(13)}, H(1), "", false},
        {"60 out of suit", 60, "Fila1", {S(9)}, H(10), "", false},
        {"30 keeps going up", 30, "Fila1", {S(5), S(6)}, S(7), "", true},
        {"30 does not turn", 30, "Fila1", {S(5), S(6)}, S(5, 1), "", false},
        {"30 keeps going down", 30, "Fila1", {S(7), S(6)}, S(5), "", true},
        {"30 no King on an Ace", 30, "Fila1", {S(1)}, S(13), "", false},
        {"31 down in suit", 31, "Fila1", {S(5)}, S(4), "", true},
        {"31 nothing on empty", 31, "Fila1", {}, S(4), "", false},
        {"32 up in suit", 32, "Dest1", {S(5)}, S(6), "", true},
        {"32 nothing on a King", 32, "Dest1", {S(13)}, S(1), "", false},
        {"34 not up", 34, "Fila1", {S(5)}, H(6), "", false},
        {"35 Ace on King", 35, "Fila1", {S(13)}, H(1), "", true},
        {"35 King on Ace", 35, "Fila1", {S(1)}, H(13), "", true},
        {"43 two up in suit", 43, "Dest1", {H(3)}, H(5), "", true},
        {"61 Ace on Queen", 61, "Dest1", {H(12)}, H(1), "", true},
        {"61 2 on King", 61, "Dest1", {H(13)}, H(2), "", true},
        {"61 not one up yet", 61, "Dest1", {H(1)}, D(2), "", false},
        {"61 one up at 13 cards", 61, "Dest1", Sequence(Spades, 1, 12) + Cards{H(1)}, D(2), "", true},
        {"68 King on Ace", 68, "Fila1", {S(1)}, H(13), "", true},
        {"73 the pile's rank", 73, "Dest3", {}, H(3), "", true},
        {"86 any Ace on empty", 86, "Dest1", {}, D(1), "", true},
        {"86 hearts then clubs", 86, "Dest1", {H(5)}, C(6), "", true},
        {"86 not spades", 86, "Dest1", {H(5)}, S(6), "", false},
        {"86 spades then hearts", 86, "Dest1", {S(5)}, H(6), "", true},
        {"87 anything on empty", 87, "Fila1", {}, D(9), "", true},
        {"87 clubs then diamonds", 87, "Fila1", {C(5)}, D(4), "", true},
        {"87 not spades", 87, "Fila1", {C(5)}, S(4), "", false},
        {"92 Aces", 92, "Fila1", {S(5)}, D(1), "", true},
        {"121 Jack starts", 121, "Fila1", {}, H(11), "", true},
        {"121 down in suit", 121, "Fila1", {S(11)}, S(10), "", true},
        {"152 the same rank in another suit", 152, "Fila1", {S(9)}, H(9), "", true},
        {"152 not one down", 152, "Fila1", {S(9)}, S(8), "", false},
        {"152 an empty pile by its base", 152, "Fila1", {}, H(4), "", true},
        {"152 an empty foundation takes only its base rank", 152, "Dest1", {}, H(13), "", false},
        {"152 an Ace on the empty foundation", 152, "Dest1", {}, H(1), "", true},
        {"152 Kings on a King", 152, "Dest1", {S(13)}, H(13), "", true},
        {"153 a tableau card on the arm", 153, "Appogg1", {S(4), H(9), C(2)}, D(7), "Fila2", true},
        {"153 not a fifth card", 153, "Appogg1", {S(4), H(9), C(2), S(11)}, D(7), "Fila2", false},
        {"153 not from the waste", 153, "Appogg1", {}, D(7), "Mazzo_Vis", false},
    });
}

// A stripped pack builds past the ranks it lacks, in the standard rule and in the codes' steps;
// its highest rank turns the corner where a King would.
TEST(BuildingCodes, StrippedPacksBuildPastTheMissingRanks)
{
    constexpr auto piquet = SetRule<rule::StrippedPack, stripped_pack::Piquet>;
    constexpr auto noKings = [](GameContext& context) {
        context.rules[rule::StrippedPack] = stripped_pack::PiquetNoKings;
        context.rules.Of(rule::FoundationBaseRank, 0) = 7;
    };
    constexpr auto noKingsFromAces = SetRule<rule::StrippedPack, stripped_pack::PiquetNoKings>;
    constexpr auto ninesUp = [](GameContext& context) {
        context.rules[rule::StrippedPack] = stripped_pack::NinesUp;
        context.rules.Of(rule::FoundationBaseRank, 0) = 9;
    };
    Check({
        {"a 7 on the Ace in suit", building::InSuit, "Dest1", {H(1)}, H(7), "", true, {}, piquet},
        {"no 2 in a Piquet pack's place", building::InSuit, "Dest1", {H(1)}, H(2), "", false, {}, piquet},
        {"a full pack keeps the 2", building::InSuit, "Dest1", {H(1)}, H(2), "", true},
        {"an 8 on the 7", building::InSuit, "Dest1", {H(1), H(7)}, H(8), "", true, {}, piquet},
        {"an Ace on a 7 going down", building::AnySuit, "Fila1", {S(7)}, H(1), "", true, {}, piquet},
        {"an Ace on a run in sequence", building::AlternateColours, "Fila1", {S(8), H(7)}, C(1), "", true, {}, piquet},
        {"the Queen tops a pack without Kings", building::AnySuit, "Dest1", {S(7), S(8), C(12)}, D(1), "", true, {}, noKings},
        {"a full pack goes on to the King", building::AnySuit, "Dest1", {S(7), S(8), C(12)}, D(1), "", false,
         {}, SetRule<rule::FoundationBaseRank, 7>},
        {"an Ace on the King after the 9s", building::AnySuit, "Dest1", {S(9), H(10), C(11), D(12), S(13)}, H(1), "", true, {}, ninesUp},
        {"a 10 on the 9", building::AnySuit, "Dest1", {S(9)}, H(10), "", true, {}, ninesUp},
        {"174 an Ace below the 7 in the colour", 174, "Dest1", {S(7)}, C(1), "", true, {}, piquet},
        {"174 a 7 above the Ace in suit", 174, "Dest1", {S(1)}, S(7), "", true, {}, piquet},
        {"191 an Ace from any pile", 191, "Dest2", {}, S(1), "Fila4", true, {}, noKingsFromAces},
        {"191 a 7 on the Ace, any suit, from the pile below", 191, "Dest2", {S(1)}, H(7), "Fila2", true, {}, noKingsFromAces},
        {"191 not from another pile", 191, "Dest2", {S(1)}, H(7), "Fila3", false, {}, noKingsFromAces},
        {"191 the Queen tops the pack: from any pile", 191, "Dest2", {S(1), H(7), C(8), D(9), H(10), S(11)}, C(12), "Fila4", true, {}, noKingsFromAces},
        {"191 with Kings the Queen is no top", 191, "Dest2", {S(1), H(7), C(8), D(9), H(10), S(11)}, C(12), "Fila4", false, {}, piquet},
        {"191 nothing but an Ace starts", 191, "Dest2", {}, S(7), "Fila2", false, {}, noKingsFromAces},
        {"192 clubs in any order", building::OneSuitAnyOrder, "Dest1", {C(9)}, C(7), "", true, {}, SetRule<rule::FoundationBaseRank, 3>},
        {"192 any club starts", building::OneSuitAnyOrder, "Dest1", {}, C(13), "", true, {}, SetRule<rule::FoundationBaseRank, 3>},
        {"192 no other suit", building::OneSuitAnyOrder, "Dest1", {C(9)}, S(9), "", false, {}, SetRule<rule::FoundationBaseRank, 3>},
        {"192 the base names the suit", building::OneSuitAnyOrder, "Dest1", {}, H(1), "", true},
    });
}

TEST(BuildingCodes, SourcesStockAndWaste)
{
    Check({
        {"17 not from the tableau", 17, "Fila1", {S(9)}, H(2), "Fila2", false},
        {"17 from the waste", 17, "Fila1", {S(9)}, H(2), "Mazzo_Vis", true},
        {"19 not from a reserve", 19, "Fila1", {S(9)}, H(2), "Appogg1", false},
        {"19 from a foundation", 19, "Fila1", {S(9)}, H(2), "Dest2", true},
        {"23 up in suit", 23, "Dest1", {H(1)}, H(2), "", true},
        {"23 waste holds cards", 23, "Dest1", {H(1)}, H(2), "", false, {{"Mazzo_Vis", {S(9)}}}},
        {"23 nothing on empty", 23, "Dest1", {}, H(1), "", false},
        {"40 counter 0: a King", 40, "Dest1", {H(3)}, S(13), "", true},
        {"40 counter 0: no other rank", 40, "Dest1", {H(3)}, S(4), "", false},
        {"40 counter 5: a 5 on anything", 40, "Dest1", {H(9)}, S(5), "", true, {}, DealCounter<5>},
        {"40 counter 5: no King", 40, "Dest1", {H(9)}, S(13), "", false, {}, DealCounter<5>},
        {"40 counter 13: a King", 40, "Dest1", {H(9)}, S(13), "", true, {}, DealCounter<13>},
        {"40 one card left: anything", 40, "Dest1", {H(9)}, S(2), "", true, {{"Mazzo", {D(9)}}}, DealCounter<5>},
        {"40 two cards left", 40, "Dest1", {H(9)}, S(2), "", false,
         {{"Mazzo", {D(9)}}, {"Mazzo_Vis", {D(8)}}}, [](GameContext& c) { c.mainGame.DealCounter = 5; }},
        {"57 either way once the stock is out", 57, "Fila1", {S(13)}, H(1), "", true},
        {"57 not while it holds cards", 57, "Fila1", {S(5)}, H(6), "", false, {{"Mazzo", {D(2)}}}},
        {"108 not while the stock holds cards", 108, "Fila1", {}, D(2), "", false, {{"Mazzo", {S(3)}}}},
        {"108 in suit either way", 108, "Fila1", {S(5)}, S(6), "", true},
        {"108 out of suit", 108, "Fila1", {S(5)}, H(6), "", false},
        {"141 Kings on the fourth pile", 141, "Dest4", {}, S(13), "Mazzo_Vis", true},
        {"141 nothing else there", 141, "Dest4", {}, S(12), "Mazzo_Vis", false},
        {"141 no King elsewhere", 141, "Dest1", {}, S(13), "Mazzo_Vis", false},
        {"141 not from the tableau", 141, "Dest1", {}, S(12), "Fila1", false},
    });
}

TEST(BuildingCodes, TableauPiles)
{
    Check({
        {"18 tableau card onto a card", 18, "Fila1", {S(5)}, H(2), "Fila2", false},
        {"18 tableau card onto empty", 18, "Fila1", {}, H(2), "Fila2", true},
        {"18 waste card anywhere", 18, "Fila1", {S(5)}, H(2), "Mazzo_Vis", true},
        {"26 base 13 takes a King", 26, "Fila1", {}, S(13), "", true, {}, SetRule<rule::TableauBaseRank, 13>},
        {"26 base 13 takes no Queen", 26, "Fila1", {}, S(12), "", false, {}, SetRule<rule::TableauBaseRank, 13>},
        {"26 base 0 takes nothing", 26, "Fila1", {}, S(13), "", false, {}, SetRule<rule::TableauBaseRank, 0>},
        {"26 two cards take one more", 26, "Fila1", {S(5), S(9)}, H(8), "", true},
        {"26 three cards are full", 26, "Fila1", {S(5), S(9), S(2)}, H(3), "", false},
        {"33 one card takes one", 33, "Fila1", {S(5)}, H(2), "Mazzo_Vis", true},
        {"33 two cards are full", 33, "Fila1", {S(5), S(6)}, H(2), "Mazzo_Vis", false},
        {"38 King starts", 38, "Fila1", {}, S(13), "", true},
        {"38 a lone King takes a Jack", 38, "Fila1", {S(13)}, H(11), "", true},
        {"38 but no Queen", 38, "Fila1", {S(13)}, H(12), "", false},
        {"38 two cards are full", 38, "Fila1", {S(13), H(5)}, H(4), "", false},
        {"38 waste must be empty", 38, "Fila1", {}, S(13), "", false, {{"Mazzo_Vis", {D(1)}}}},
        {"48 a lone Queen takes a King", 48, "Fila1", {S(12)}, H(13), "", true},
        {"48 but no Queen", 48, "Fila1", {S(12)}, H(12), "", false},
        {"39 no Queen", 39, "Fila1", {S(11)}, H(12), "", false},
        {"44 no King", 44, "Fila1", {S(12)}, H(13), "", false},
        {"45 never a King on a card", 45, "Fila1", {S(5)}, H(13), "", false},
        {"45 a lone card takes any other", 45, "Fila1", {S(5)}, H(9), "", true},
        {"45 a longer pile only down by one", 45, "Fila1", {S(5), S(9)}, H(7), "", false},
        {"54 empty from the waste", 54, "Fila1", {}, H(7), "Mazzo_Vis", true},
        {"54 empty not from the tableau", 54, "Fila1", {}, H(7), "Fila2", false},
        {"54 empty not from a reserve", 54, "Fila1", {}, H(7), "Appogg1", false},
        {"54 no wrap", 54, "Fila1", {S(1)}, H(13), "", false},
        {"54 wrap where the pile wraps", 54, "Fila1", {S(1)}, H(13), "", true, {}, SetRule<rule::TableauWrap, 1>},
        {"55 not in the other colour", 55, "Fila1", {S(5)}, H(6), "", false},
        {"55 only the lone waste card", 55, "Fila1", {S(5)}, C(6), "Mazzo_Vis", true},
        {"55 not another while one waits", 55, "Fila1", {S(5)}, C(6), "Fila2", false, {{"Mazzo_Vis", {D(9)}}}},
        {"55 nothing while two wait", 55, "Fila1", {S(5)}, C(6), "Mazzo_Vis", false, {{"Mazzo_Vis", {D(9)}}}},
        {"56 same rank from a later pile", 56, "Fila2", {S(5)}, H(5), "Fila3", true},
        {"56 not from an earlier pile", 56, "Fila2", {S(5)}, H(5), "Fila1", false},
        {"76 any lower rank", 76, "Fila1", {S(9)}, H(3), "", true},
        {"76 no higher rank", 76, "Fila1", {S(9)}, H(10), "", false},
        {"80 wrap in suit", 80, "Fila1", {S(1)}, S(13), "Mazzo_Vis", true},
        {"80 not from the tableau", 80, "Fila1", {S(5)}, S(6), "Fila2", false},
        {"81 reserve takes from the waste", 81, "Appogg1", {}, H(5), "Mazzo_Vis", true},
        {"81 not from a reserve", 81, "Appogg1", {}, H(5), "Appogg2", false},
        {"105 nothing on empty", 105, "Fila1", {}, S(13), "", false},
        {"105 King on Ace in suit", 105, "Fila1", {S(1)}, S(13), "", true},
        {"105 no Ace on King", 105, "Fila1", {S(13)}, S(1), "", false},
        {"112 outer piles take nothing", 112, "Fila9", {}, H(4), "", false},
        {"112 outer piles give nothing", 112, "Fila1", {}, H(4), "Fila10", false},
        {"112 in suit either way", 112, "Fila1", {S(5)}, S(6), "", true},
        {"126 same rank", 126, "Fila1", {S(9)}, H(9), "", true},
        {"126 no other", 126, "Fila1", {S(9)}, H(8), "", false},
        {"164 any card into an empty pile", 164, "Fila1", {}, H(5), "Fila2", true},
        {"164 nothing onto a card", 164, "Fila1", {S(6)}, H(5), "Fila2", false},
        {"129 nothing on empty", 129, "Fila1", {}, H(9), "", false},
        {"129 not while the stock holds cards", 129, "Fila1", {S(9)}, S(10), "", false, {{"Mazzo", {D(2)}}}},
        {"133 down by two", 133, "Fila1", {S(9)}, H(7), "", true},
        {"133 Queen on Ace", 133, "Fila1", {S(1)}, H(12), "", true},
        {"133 King on 2", 133, "Fila1", {S(2)}, H(13), "", true},
        {"133 not one down", 133, "Fila1", {S(9)}, H(8), "", false},
        {"137 five cards are full", 137, "Fila1", Sequence(Spades, 1, 5), H(6), "Mazzo_Vis", false},
        {"137 not from the tableau", 137, "Fila1", {S(5)}, H(6), "Fila2", false},
        {"143 reserves 0 and 1 wait for reserve 2", 143, "Fila1", {S(9)}, S(8), "Appogg1", false, {{"Appogg3", {D(2)}}}},
        {"143 then give", 143, "Fila1", {S(9)}, S(8), "Appogg1", true},
        {"143 empty takes no reserve card", 143, "Fila1", {}, S(8), "Appogg3", false},
    });
}

TEST(BuildingCodes, TableauLayouts)
{
    const TableSetup grid = SetRule<rule::GridColumns, 3>;
    Check({
        {"70 from the left", 70, "Fila5", {}, H(8), "Fila4", true, {}, grid},
        {"70 not diagonal", 70, "Fila5", {}, H(8), "Fila1", false, {}, grid},
        {"70 not across a row end", 70, "Fila4", {}, H(8), "Fila3", false, {}, grid},
        {"70 only onto empty", 70, "Fila5", {S(2)}, H(8), "Fila4", false, {}, grid},
        {"71 jump over a card", 71, "Fila1", {}, H(8), "Fila3", true, {{"Fila2", {S(2)}}}, grid},
        {"71 not over a gap", 71, "Fila1", {}, H(8), "Fila3", false, {}, grid},
        {"71 jump down a column", 71, "Fila1", {}, H(8), "Fila7", true, {{"Fila4", {S(2)}}}, grid},
        {"71 not across a row end", 71, "Fila3", {}, H(8), "Fila5", false, {{"Fila4", {S(2)}}}, grid},
        {"116 from above", 116, "Fila5", {}, H(8), "Fila2", true},
        {"116 not diagonal", 116, "Fila5", {}, H(8), "Fila1", false},
        {"116 either way from the left", 116, "Fila5", {S(9)}, H(8), "Fila4", true},
        {"116 not from the waste", 116, "Fila5", {}, H(8), "Mazzo_Vis", false},
        {"93 base rank starts", 93, "Fila1", {}, H(3), "", true, {}, SetRule<rule::TableauBaseRank, 3>},
        {"93 three up in suit", 93, "Fila1", {S(3)}, S(6), "", true, {}, SetRule<rule::TableauBaseRank, 3>},
        {"93 not out of suit", 93, "Fila1", {S(3)}, H(6), "", false, {}, SetRule<rule::TableauBaseRank, 3>},
        {"93 a stray card takes a lone base card from its own pile", 93, "Fila1", {S(5)}, H(3), "Fila2", true, {},
         [](GameContext& c) { c.rules[rule::TableauBaseRank] = 3; c.rules[rule::TableauBaseRank + 1] = 5; }},
        {"93 but from no other pile", 93, "Fila1", {S(5)}, H(3), "Fila3", false, {}, SetRule<rule::TableauBaseRank, 3>},
        {"94 empty: not from the tableau", 94, "Fila1", {}, H(5), "Fila2", false},
        {"94 empty: the waste while the reserves are empty", 94, "Fila1", {}, H(5), "Mazzo_Vis", true},
        {"94 empty: not while a reserve holds cards", 94, "Fila1", {}, H(5), "Mazzo_Vis", false, {{"Appogg2", {D(2)}}}},
        {"94 alternating down", 94, "Fila1", {S(9)}, H(8), "", true},
        {"94 every Ace takes a King", 94, "Fila1", {H(1)}, S(13), "", true},
        {"100 from the next tier", 100, "Fila1", {S(9)}, H(8), "Fila9", true},
        {"100 not from a farther tier", 100, "Fila1", {S(9)}, H(8), "Fila17", false},
        {"100 one card at a time", 100, "Fila1", {S(9)}, H(8), "Fila9", false, {}, nullptr, 2},
        {"100 the last tier from the waste", 100, "Fila25", {S(9)}, H(8), "Mazzo_Vis", true},
        {"100 nothing on empty", 100, "Fila25", {}, H(8), "Mazzo_Vis", false},
        {"101 open to the left edge", 101, "Fila3", {S(5)}, S(6), "Mazzo_Vis", true},
        {"101 closed by a pile to the left", 101, "Fila3", {S(5)}, S(6), "Mazzo_Vis", false, {{"Fila1", {D(2)}}}},
        {"101 an empty middle pile of an empty half", 101, "Fila5", {}, S(6), "Mazzo_Vis", true},
        {"101 not an empty edge pile", 101, "Fila4", {}, S(6), "Mazzo_Vis", false},
        {"101 right half opens to the right", 101, "Fila6", {}, S(6), "Mazzo_Vis", false, {{"Fila8", {D(2)}}}},
        {"101 the card must be at an open edge", 101, "Fila3", {S(5)}, S(6), "Fila5", false},
        {"115 left bank takes from the right bank", 115, "Fila1", {}, H(5), "Fila14", true},
        {"115 only when empty", 115, "Fila1", {S(2)}, H(5), "Fila14", false},
        {"115 a waste card while the right bank has a gap", 115, "Fila1", {}, H(5), "Mazzo_Vis", true},
        {"115 not without one", 115, "Fila1", {}, H(5), "Mazzo_Vis", false, {}, Filled<13, 21>},
        {"115 right bank alternating down", 115, "Fila15", {S(9)}, H(8), "Fila16", true},
        {"115 right bank not from the left", 115, "Fila15", {S(9)}, H(8), "Fila2", false},
        {"130 cells take one outside card", 130, "Fila1", {}, H(9), "Mazzo_Vis", true},
        {"130 cells take no tableau card", 130, "Fila1", {}, H(9), "Fila6", false},
        {"130 piles take nothing from cells", 130, "Fila5", {S(9)}, S(10), "Fila2", false},
        {"130 a reserve card while a pile is empty", 130, "Fila5", {S(9)}, S(10), "Appogg1", true},
        {"130 not when piles 4..8 all hold cards", 130, "Fila5", {S(9)}, S(10), "Appogg1", false, {}, Filled<5, 8>},
        {"134 empty takes a waste card", 134, "Fila1", {}, H(9), "Mazzo_Vis", true},
        {"134 pile 0 builds down", 134, "Fila1", {S(9)}, H(8), "Fila5", true},
        {"134 pile 0 takes nothing from piles 1..3", 134, "Fila1", {S(9)}, H(8), "Fila2", false},
        {"134 other piles build up", 134, "Fila2", {S(9)}, H(10), "Fila3", true},
        {"134 and take nothing from pile 0", 134, "Fila2", {S(9)}, H(10), "Fila1", false},
        {"134 nothing from a foundation", 134, "Fila2", {S(9)}, H(10), "Dest1", false},
        {"136 first piles alternate", 136, "Fila1", {}, H(9), "", true},
        {"136 fifth pile opens after a complete foundation", 136, "Fila5", {}, H(9), "", false},
        {"136 and then", 136, "Fila5", {}, H(9), "", true, {{"Dest1", Sequence(Clubs, 1, 13)}}},
        {"136 sixth pile needs two", 136, "Fila6", {}, H(9), "", false, {{"Dest1", Sequence(Clubs, 1, 13)}}},
    });
}

TEST(BuildingCodes, FoundationStarts)
{
    Check({
        {"29 King at 12 cards", 29, "Dest1", Sequence(Hearts, 1, 12), H(13), "", true},
        {"29 a second King at 13", 29, "Dest1", Sequence(Hearts, 1, 13), H(13, 1), "", true},
        {"29 not a Queen at 13", 29, "Dest1", Sequence(Hearts, 1, 13), H(12, 1), "", false},
        {"29 then down", 29, "Dest1", Sequence(Hearts, 1, 13) + Cards{H(13, 1)}, H(12, 1), "", true},
        {"36 next waits for it", 36, "Dest2", {}, H(1), "", false},
        {"36 and then starts", 36, "Dest2", {}, H(1), "", true, {{"Dest1", {S(1)}}}},
        {"36 King on Ace", 36, "Dest1", {S(1)}, H(13), "", true},
        {"41 distinct suits", 41, "Dest1", {}, H(1), "", false, {{"Dest2", {H(5)}}}},
        {"41 two up round the corner", 41, "Dest1", {H(12)}, H(1), "", true},
        {"46 base rank", 46, "Dest1", {}, H(3), "", true, {}, SetRule<rule::FoundationBaseRank, 3>},
        {"46 no Queen", 46, "Dest1", {H(11)}, S(12), "", false},
        {"49 needs its tableau pile", 49, "Dest1", {}, H(1), "", false},
        {"49 started", 49, "Dest1", {}, H(1), "", true, {{"Fila1", {S(5)}}}},
        {"51 of the pile's suit", 51, "Dest1", {}, S(1), "", true, {{"Fila1", {S(5)}}}},
        {"51 no other suit", 51, "Dest1", {}, H(1), "", false, {{"Fila1", {S(5)}}}},
        {"47 down with the wrap", 47, "Dest1", {S(1)}, H(13), "", true},
        {"47 no Queen", 47, "Dest1", {S(13)}, H(12), "", false},
        {"50 needs tableau pile IDX-8", 50, "Dest9", {}, H(1), "", false},
        {"52 of its bottom card's suit", 52, "Dest9", {}, S(1), "", true, {{"Fila1", {S(2)}}}},
        {"50 has no partner before pile 8", 50, "Dest1", {}, H(1), "", false, {{"Fila1", {S(2)}}}},
        {"53 first foundation first", 53, "Dest2", {}, H(1), "", false},
        {"53 then the others", 53, "Dest2", {}, H(1), "", true, {{"Dest1", Sequence(Clubs, 1, 13)}}},
        {"118 next after 13 cards", 118, "Dest2", {}, H(1), "", true, {{"Dest1", Sequence(Clubs, 1, 13)}}},
        {"118 not before", 118, "Dest2", {}, H(1), "", false},
        {"132 next after 13 cards", 132, "Dest2", {}, H(1), "", true, {{"Dest1", Sequence(Clubs, 1, 13)}}},
        {"132 not before", 132, "Dest2", {}, H(1), "", false},
        {"120 King of foundation 1's suit", 120, "Dest10", {}, S(13), "", true, {{"Dest2", {S(1)}}}},
        {"120 no other King", 120, "Dest10", {}, D(13), "", false, {{"Dest2", {S(1)}}}},
        {"120 nothing while foundation 1 is empty", 120, "Dest10", {}, S(13), "", false},
        {"120 nothing onto a card", 120, "Dest10", {S(13)}, S(12), "", false, {{"Dest2", {S(1)}}}},
        {"123 the suit the deal chose", 123, "Dest1", {}, C(7), "", true, {},
         [](GameContext& c) { c.rules[rule::FoundationBaseRank] = 7; c.mainGame.GameCounter1 = Clubs; }},
        {"123 not another", 123, "Dest1", {}, H(7), "", false, {},
         [](GameContext& c) { c.rules[rule::FoundationBaseRank] = 7; c.mainGame.GameCounter1 = Clubs; }},
        {"123 then colours alternate", 123, "Dest1", {C(7)}, H(7), "", true, {}, SetRule<rule::FoundationBaseRank, 7>},
        {"123 only the base rank", 123, "Dest1", {C(7)}, H(8), "", false, {}, SetRule<rule::FoundationBaseRank, 7>},
        {"135 first foundation from an Ace", 135, "Dest1", {}, H(1), "", true},
        {"135 only while 0..3 hold a card at most", 135, "Dest1", {}, H(1), "", false, {{"Dest2", {S(13), S(12)}}}},
        {"135 others from a King", 135, "Dest2", {}, S(13), "", true},
        {"135 never foundation 0's suit", 135, "Dest2", {}, S(13), "", false, {{"Dest1", {S(1)}}}},
        {"135 others down any suit", 135, "Dest2", {D(13)}, C(12), "", true},
        {"140 any Ace first", 140, "Dest1", {}, S(1), "", true},
        {"140 then the other colour", 140, "Dest2", {}, D(1), "", false, {{"Dest1", {H(1)}}}},
        {"140 after the last started one", 140, "Dest3", {}, S(1), "", true, {{"Dest1", {H(1)}}}},
        {"140 full at ten cards", 140, "Dest1", Sequence(Hearts, 1, 10), H(11), "", false},
        {"140 up in suit below ten", 140, "Dest1", Sequence(Hearts, 1, 9), H(10), "", true},
    });
}

TEST(BuildingCodes, FoundationSteps)
{
    const TableSetup downward = SetRule<rule::FoundationDirection, 0>;
    const TableSetup base7 = SetRule<rule::FoundationBaseRank, 7>;
    const TableSetup down6 = [](GameContext& c) { c.rules[rule::FoundationDirection] = 0; c.rules[rule::FoundationBaseRank] = 6; };
    const Cards fortyEight = Sequence(Hearts, 1, 13, 1) + Sequence(Diamonds, 1, 13, 1) + Sequence(Clubs, 1, 13, 1) +
                             Sequence(Spades, 1, 9, 1);
    const Cards twoRounds = Sequence(Hearts, 1, 13) + Sequence(Hearts, 1, 13, 1);
    Check({
        {"37 doubled past the King", 37, "Dest1", {H(8)}, S(3), "", true},
        {"37 King only late", 37, "Dest2", {H(8)}, S(13), "", false},
        {"37 King once foundation 0 holds 48", 37, "Dest2", {H(8)}, S(13), "", true, {{"Dest1", fortyEight}}},
        {"42 King waits for foundation IDX+6", 42, "Dest1", {H(12)}, H(13), "", false},
        {"42 then goes", 42, "Dest1", {H(12)}, H(13), "", true, {{"Dest7", {S(13)}}}},
        {"77 four Aces, then a 2", 77, "Dest1", {H(1), D(1), C(1), S(1)}, S(2), "", true},
        {"77 no 3", 77, "Dest1", {H(1), D(1), C(1), S(1)}, S(3), "", false},
        {"77 no fifth Ace", 77, "Dest1", {H(1), D(1), C(1), S(1)}, H(1, 1), "", false},
        {"78 Ace on a King of any suit", 78, "Dest1", {H(13)}, S(1), "", true},
        {"78 otherwise in suit", 78, "Dest1", {H(5)}, S(6), "", false},
        {"83 down any suit", 83, "Dest1", {H(5)}, S(4), "", true},
        {"83 finished at its own rank", 83, "Dest1", {H(1)}, S(13), "", false},
        {"83 another foundation goes on", 83, "Dest2", {H(1)}, S(13), "", true},
        {"83 foundation 6 goes on before 13 cards", 83, "Dest7", {H(7)}, S(6), "", true},
        {"83 but not at 13", 83, "Dest7", Sequence(Hearts, 8, 13) + Sequence(Clubs, 1, 7), S(6), "", false},
        {"91 a 3 on a 2 before any step", 91, "Dest1", {H(2)}, S(3), "", true},
        {"91 not a 5", 91, "Dest1", {H(2)}, S(5), "", false},
        {"91 step two", 91, "Dest1", {H(2)}, S(4), "", true, {{"Dest2", {D(2), D(4)}}}},
        {"91 step two, not one", 91, "Dest1", {H(2)}, S(3), "", false, {{"Dest2", {D(2), D(4)}}}},
        {"91 step two: 2 on King", 91, "Dest1", {H(13)}, S(2), "", true, {{"Dest2", {D(2), D(4)}}}},
        {"91 step two: no Ace on King", 91, "Dest1", {H(13)}, S(1), "", false, {{"Dest2", {D(2), D(4)}}}},
        {"91 King then Ace is step one", 91, "Dest1", {H(13)}, S(1), "", true, {{"Dest2", {D(13), D(1)}}}},
        {"91 step one, not two", 91, "Dest1", {H(5)}, S(7), "", false, {{"Dest2", {D(13), D(1)}}}},
        {"91 step one", 91, "Dest1", {H(5)}, S(6), "", true, {{"Dest2", {D(13), D(1)}}}},
        {"97 by the partner's rank", 97, "Dest5", {H(5)}, S(8), "", true, {{"Dest1", {C(3)}}}},
        {"97 round the corner", 97, "Dest5", {H(12)}, S(2), "", true, {{"Dest1", {C(3)}}}},
        {"97 nothing while the partner is empty", 97, "Dest5", {H(5)}, S(5), "", false},
        {"97 full at 12 cards", 97, "Dest5", Sequence(Hearts, 1, 12), S(2), "", false, {{"Dest1", {C(3)}}}},
        {"98 a 7 on an Ace", 98, "Dest1", {H(1)}, H(7), "", true},
        {"162 starts at its base", 162, "Dest1", {}, S(7), "", true, {}, base7},
        {"162 not at another rank", 162, "Dest1", {}, S(1), "", false, {}, base7},
        {"162 up any suit", 162, "Dest1", {H(7)}, S(8), "", true, {}, base7},
        {"162 upward ends at the King", 162, "Dest1", {H(13)}, S(1), "", false, {}, base7},
        {"162 down any suit", 162, "Dest1", {H(6)}, S(5), "", true, {}, down6},
        {"162 not up when downward", 162, "Dest1", {H(5)}, S(6), "", false, {}, down6},
        {"162 again from the base after an Ace", 162, "Dest1", {H(6), H(5), H(4), H(3), H(2), H(1)}, S(6), "", true, {}, down6},
        {"162 no King on the Ace", 162, "Dest1", {H(1)}, S(13), "", false, {}, down6},
        {"104 foundation 0 stops at the Queen", 104, "Dest1", {H(12)}, H(13), "", false},
        {"104 foundation 2 stops at its rank", 104, "Dest3", {H(2)}, H(3), "", false},
        {"104 and goes on past it", 104, "Dest3", {H(13)}, H(1), "", true},
        {"106 two up in suit", 106, "Dest1", {H(3)}, H(5), "", true},
        {"125 down in suit", 125, "Dest1", {H(5)}, H(4), "", true, {}, downward},
        {"125 also up", 125, "Dest1", {H(5)}, H(6), "", true, {}, downward},
        {"125 in suit", 125, "Dest1", {H(5)}, D(4), "", false, {}, downward},
        {"125 Ace on King", 125, "Dest1", {H(13)}, H(1), "", true, {}, downward},
        {"125 on an Ace a King", 125, "Dest1", {H(1)}, H(13), "", true, {}, downward},
        {"125 on an Ace no 2", 125, "Dest1", {H(1)}, H(2), "", false, {}, downward},
        {"125 no King on an Ace of base 13", 125, "Dest1", {H(1)}, H(13), "", false, {},
         [](GameContext& c) { c.rules[rule::FoundationDirection] = 0; c.rules[rule::FoundationBaseRank] = 13; }},
        {"125 full at 13", 125, "Dest1", Sequence(Hearts, 1, 13), H(12, 1), "", false, {}, downward},
        {"125 upward only up", 125, "Dest1", {H(5)}, H(4), "", false},
        {"127 distinct suits", 127, "Dest1", {}, H(1), "", false, {{"Dest2", {H(5)}}}},
        {"127 up to 26 cards", 127, "Dest1", twoRounds, H(1, 2), "", true},
        {"127 full beyond", 127, "Dest1", twoRounds + Cards{H(1, 2)}, H(2, 2), "", false},
        {"102 either way before any direction", 102, "Dest1", {H(5)}, H(4), "Mazzo_Vis", true},
        {"102 up once a foundation rises", 102, "Dest1", {H(5)}, H(4), "Mazzo_Vis", false, {{"Dest2", {D(2), D(3)}}}},
        {"102 King then Ace rises", 102, "Dest1", {H(5)}, H(6), "Mazzo_Vis", true, {{"Dest2", {D(13), D(1)}}}},
        {"102 the last foundation decides", 102, "Dest1", {H(5)}, H(4), "Mazzo_Vis", true,
         {{"Dest2", {D(2), D(3)}}, {"Dest3", {C(9), C(8)}}}},
        {"102 the card must be at an open edge", 102, "Dest1", {H(5)}, H(4), "Fila2", false, {{"Fila1", {D(9)}}}},
    });
}

TEST(BuildingCodes, FoundationSources)
{
    const TableSetup kingsOnFour = SetRule<rule::FoundationBaseRank + 4, 13>;
    const TableSetup downward = SetRule<rule::FoundationDirection, 0>;
    Check({
        {"58 piles 4..7 feed their own foundation", 58, "Dest1", {H(1)}, H(2), "Fila5", true, {{"Mazzo", {S(9)}}}},
        {"58 not another", 58, "Dest1", {H(1)}, H(2), "Fila6", false, {{"Mazzo", {S(9)}}}},
        {"195 the first half of the piles feeds the first half", 195, "Dest1", {H(1)}, H(2), "Fila20", true},
        {"195 not the second half before a redeal", 195, "Dest1", {H(1)}, H(2), "Fila21", false},
        {"195 nor the first half the second", 195, "Dest5", {H(1)}, H(2), "Fila1", false},
        {"195 the second half feeds the second half", 195, "Dest8", {H(1)}, H(2), "Fila40", true},
        {"195 any pile any foundation after a redeal", 195, "Dest1", {H(1)}, H(2), "Fila21", true, {}, Redeals<2>},
        {"195 other sources are free", 195, "Dest5", {H(1)}, H(2), "Appogg1", true},
        {"195 in suit", 195, "Dest1", {H(1)}, D(2), "Fila1", false},
        {"195 by the foundation's direction", 195, "Dest1", {H(13)}, H(12), "Fila1", true, {}, downward},
        {"195 an empty one takes its base only", 195, "Dest1", {}, H(2), "Fila1", false},
        {"177 a pile feeds the foundation of its number while the stock lasts", 177, "Dest2", {D(1)}, D(2), "Fila2", true,
         {{"Mazzo", {S(9)}}}},
        {"177 not another", 177, "Dest2", {D(1)}, D(2), "Fila3", false, {{"Mazzo", {S(9)}}}},
        {"177 a pile numbered past the foundations feeds any", 177, "Dest2", {D(1)}, D(2), "Fila9", true, {{"Mazzo", {S(9)}}}},
        {"177 any pile once the stock is out", 177, "Dest2", {D(1)}, D(2), "Fila3", true},
        {"177 an empty one takes its base from any pile", 177, "Dest2", {}, D(1), "Fila3", true, {{"Mazzo", {S(9)}}}},
        {"177 only in the suit of its place", 177, "Dest2", {}, H(1), "Fila2", false},
        {"177 in suit", 177, "Dest1", {H(1)}, D(2), "Fila1", false},
        {"177 the fifth holds the first suit, by its direction", 177, "Dest5", {H(13)}, H(12), "Fila5", true,
         {{"Mazzo", {S(9)}}}, [](GameContext& c) { c.rules.Of(rule::FoundationBaseRank, 4) = 13; c.rules.Of(rule::FoundationDirection, 4) = 0; }},
        {"176 a pile's card goes home before the first round", 176, "Dest1", {H(1)}, H(2), "Fila3", true,
         {{"Mazzo", {S(9)}}}, PlacingRound<0>},
        {"176 not while a round is under way", 176, "Dest1", {H(1)}, H(2), "Fila3", false, {{"Mazzo", {S(9)}}},
         PlacingRound<19>},
        {"176 nor with the last card of the round still in the waste", 176, "Dest1", {H(1)}, H(2), "Fila3", false,
         {{"Mazzo_Vis", {S(9)}}}, PlacingRound<19>},
        {"176 the waste's card goes home during a round", 176, "Dest1", {H(1)}, H(2), "Mazzo_Vis", true,
         {{"Mazzo", {S(9)}}}, PlacingRound<5>},
        {"176 a pile's card once the round is complete", 176, "Dest1", {H(1)}, H(2), "Fila3", true, {{"Mazzo", {S(9)}}},
         PlacingRound<20>},
        {"176 any pile once the stock and the waste are out", 176, "Dest1", {H(1)}, H(2), "Fila3", true, {},
         PlacingRound<5>},
        {"176 in suit", 176, "Dest1", {H(1)}, D(2), "Fila3", false, {}, PlacingRound<0>},
        {"176 by the foundation's direction", 176, "Dest1", {H(13)}, H(12), "Fila3", true, {},
         [](GameContext& c) { PlacingRound<0>(c); c.rules[rule::FoundationDirection] = 0; }},
        {"176 not against it", 176, "Dest1", {H(5)}, H(4), "Fila3", false, {}, PlacingRound<0>},
        {"58 any once the stock is out", 58, "Dest1", {H(1)}, H(2), "Fila6", true},
        {"64 by the foundation's direction", 64, "Dest1", {H(5)}, H(4), "", true, {}, downward},
        {"79 the 13th card from the own reserve", 79, "Dest1", Sequence(Hearts, 1, 12), H(13), "Appogg1", true},
        {"79 not from elsewhere", 79, "Dest1", Sequence(Hearts, 1, 12), H(13), "Mazzo_Vis", false},
        {"79 not from another reserve", 79, "Dest1", Sequence(Hearts, 1, 12), S(13), "Appogg2", false},
        {"79 a reserve gives nothing earlier", 79, "Dest1", {H(5)}, S(6), "Appogg1", false},
        {"82 once stock and waste are out", 82, "Dest1", {H(1)}, H(2), "", true},
        {"82 not before", 82, "Dest1", {H(1)}, H(2), "", false, {{"Mazzo", {S(9)}}}},
        {"82 distinct suits to start", 82, "Dest1", {}, H(1), "", false, {{"Dest2", {H(5)}}}},
        {"96 distinct within the first group", 96, "Dest1", {}, H(1), "", false, {{"Dest2", {H(3)}}}},
        {"96 the second group is another", 96, "Dest5", {}, H(1), "", true, {{"Dest2", {H(3)}}}},
        {"99 an Ace from the first eight piles", 99, "Dest1", {}, H(1), "Fila1", true},
        {"99 not from pile 8", 99, "Dest1", {}, H(1), "Fila9", false},
        {"99 up in suit", 99, "Dest1", {H(1)}, H(2), "Fila3", true},
        {"99 not from the waste", 99, "Dest1", {H(1)}, H(2), "Mazzo_Vis", false},
        {"99 one card at a time", 99, "Dest1", {H(1)}, H(2), "Fila3", false, {}, nullptr, 2},
        {"99 only an uncovered card", 99, "Dest1", {H(1)}, H(2), "", false, {{"Fila3", {H(2), S(9)}}}},
        {"109 from a first-row pile", 109, "Dest1", {H(1)}, H(2), "Fila1", true},
        {"109 covered by reserve and pile", 109, "Dest1", {H(1)}, H(2), "", false,
         {{"Fila1", {H(2)}}, {"Appogg1", {S(9)}}, {"Fila9", {S(8)}}}},
        {"109 a first-row pile with an empty reserve", 109, "Dest1", {H(1)}, H(2), "Fila1", true, {{"Fila9", {S(8)}}}},
        {"109 a middle pile between two", 109, "Dest1", {H(1)}, H(2), "Fila9", false,
         {{"Fila1", {S(9)}}, {"Fila17", {S(8)}}}},
        {"109 a middle pile open on one side", 109, "Dest1", {H(1)}, H(2), "Fila9", true, {{"Fila17", {S(8)}}}},
        {"110 an Ace from the tableau", 110, "Dest1", {}, H(1), "Fila5", true},
        {"110 once the foundations before are started", 110, "Dest2", {}, H(1), "Fila5", false},
        {"110 not from the waste", 110, "Dest1", {}, H(1), "Mazzo_Vis", false},
        {"110 a 7 on the Ace from the own pile", 110, "Dest1", {H(1)}, H(7), "Fila1", true},
        {"110 not from another pile", 110, "Dest1", {H(1)}, H(7), "Fila2", false},
        {"110 no 2 on the Ace", 110, "Dest1", {H(1)}, H(2), "Fila1", false},
        {"111 not from piles 8..15", 111, "Dest1", {}, H(1), "Fila9", false},
        {"111 base with distinct suits", 111, "Dest1", {}, H(1), "Fila1", true},
        {"114 piles 0..12 always", 114, "Dest1", {H(1)}, H(2), "Fila1", true},
        {"114 piles 13..21 not while 0..12 are full", 114, "Dest1", {H(1)}, H(2), "Fila14", false, {}, Filled<0, 12>},
        {"114 but onto an empty foundation", 114, "Dest1", {}, H(1), "Fila14", true, {}, Filled<0, 12>},
        {"114 the waste while both banks have a gap", 114, "Dest1", {H(1)}, H(2), "Mazzo_Vis", true},
        {"114 not without", 114, "Dest1", {H(1)}, H(2), "Mazzo_Vis", false, {}, Filled<0, 12>},
        {"114 nothing from a reserve", 114, "Dest1", {}, H(1), "Appogg1", false},
        {"114 piles the game lacks are no gaps", 114, "Dest1", {H(1)}, H(2), "Mazzo_Vis", false, {},
         SetRule<rule::TableauCount, 13>},
        {"117 the front pile", 117, "Dest1", {}, H(1), "Fila6", true},
        {"117 a covered pile", 117, "Dest1", {}, H(1), "Fila3", false, {{"Fila6", {S(9)}}}},
        {"117 uncovered", 117, "Dest1", {}, H(1), "Fila3", true},
        {"117 the middle row waits for piles 4 and 5", 117, "Dest1", {}, H(1), "Fila4", false, {{"Fila5", {S(9)}}}},
        {"117 the back row", 117, "Dest1", {}, H(1), "Fila1", false, {{"Fila5", {S(9)}}}},
        {"131 pile 0 covered by pile 2", 131, "Dest1", {}, H(1), "Fila1", false, {{"Fila3", {S(9)}}}},
        {"131 pile 0 uncovered", 131, "Dest1", {}, H(1), "Fila1", true},
        {"131 pile 1 covered by pile 5", 131, "Dest1", {}, H(1), "Fila2", false, {{"Fila6", {S(9)}}}},
        {"142 only from the own pile", 142, "Dest1", {}, H(1), "Fila2", false, {{"Fila1", {S(9)}}}},
        {"142 anything while it is empty", 142, "Dest1", {}, H(1), "Fila2", true},
        {"144 reserves 0 and 1 wait for reserve 2", 144, "Dest1", {}, H(1), "Appogg1", false, {{"Appogg3", {S(9)}}}},
        {"144 reserve 2 gives", 144, "Dest1", {}, H(1), "Appogg3", true},
        {"163 a higher top card of the suit beats it", 163, "Dest1", {}, H(5), "Fila1", true, {{"Fila2", {H(9)}}}},
        {"163 Aces rank high", 163, "Dest1", {S(4)}, H(13), "Fila1", true, {{"Fila3", {H(1)}}}},
        {"163 an Ace is never beaten", 163, "Dest1", {}, H(1), "Fila1", false, {{"Fila2", {H(13)}}}},
        {"163 another suit beats nothing", 163, "Dest1", {}, H(5), "Fila1", false, {{"Fila2", {S(9)}}}},
        {"163 only a top card beats", 163, "Dest1", {}, H(5), "Fila1", false, {{"Fila2", {H(9), S(2)}}}},
        {"163 a reserve card is never discarded", 163, "Dest1", {}, H(5), "Appogg1", false, {{"Fila2", {H(9)}}}},
        {"124 foundation 4 collects its rank", 124, "Dest5", {S(13)}, H(13), "", true, {}, kingsOnFour},
        {"124 and nothing else", 124, "Dest5", {S(13)}, H(12), "", false, {}, kingsOnFour},
        {"124 others never take it", 124, "Dest1", {H(12)}, H(13), "", false, {}, kingsOnFour},
        {"124 second group is 5..8", 124, "Dest6", {}, H(1), "", false, {{"Dest9", {H(3)}}}, kingsOnFour},
        {"124 downward with the wrap", 124, "Dest1", {H(1)}, H(13), "", true, {},
         [](GameContext& c) { c.rules[rule::FoundationBaseRank + 4] = 12; c.rules[rule::FoundationDirection] = 0; }},
    });
}

TEST(BuildingCodes, OneSuitGoesHomeTheOthersStayOnThePiles)
{
    Check({
        {"197 any Diamond starts it", 197, "Dest1", {}, D(7), "", true},
        {"197 nothing else", 197, "Dest1", {}, H(7), "", false},
        {"197 up in suit", 197, "Dest1", {D(7)}, D(8), "", true},
        {"197 round the corner", 197, "Dest1", {D(13)}, D(1), "", true},
        {"197 not down", 197, "Dest1", {D(8)}, D(7), "", false},
        {"196 down regardless of suit", 196, "Fila1", {H(9)}, S(8), "", true},
        {"196 onto a Diamond", 196, "Fila1", {D(9)}, S(8), "", true},
        {"196 never a Diamond", 196, "Fila1", {S(9)}, D(8), "", false},
        {"196 not up", 196, "Fila1", {H(9)}, S(10), "", false},
        {"196 a space takes any other card", 196, "Fila1", {}, C(5), "", true},
        {"196 but no Diamond", 196, "Fila1", {}, D(13), "", false},
    });
}

TEST(BuildingCodes, JokersStandInOnFoundations)
{
    const TableSetup fourFoundations = SetRule<rule::FoundationCount, 4>;
    const TableSetup baseFromTable = SetRule<rule::FoundationBaseRank, -2>;
    Check({
        {"72 no joker on empty", 72, "Dest1", {}, J, "", false},
        {"75 a joker on empty", 75, "Dest1", {}, J, "", true},
        {"72 a joker on a card", 72, "Dest1", {H(1)}, J, "", true},
        {"72 up in suit", 72, "Dest1", {H(1)}, H(2), "", true},
        {"72 after a joker one or two up", 72, "Dest1", {H(1), J}, H(3), "", true},
        {"72 not three", 72, "Dest1", {H(1), J}, H(4), "", false},
        {"72 of the suit beneath the joker", 72, "Dest1", {H(1), J}, D(2), "", false},
        {"75 a lone joker takes the base or one above", 75, "Dest1", {J}, H(2), "", true},
        {"75 not two above", 75, "Dest1", {J}, H(3), "", false},
        {"72 the card a joker stands for", 72, "Dest1", {H(1), J, H(3)}, H(2), "", true},
        {"72 the bottom joker stands for the base", 72, "Dest1", {J, H(2)}, H(1), "", true},
        {"72 no wrap on base 1", 72, "Dest1", {H(13)}, H(1), "", false},
        {"72 wrap on another base", 72, "Dest1", {H(13)}, H(1), "", true, {}, SetRule<rule::FoundationBaseRank, 5>},
        {"72 base from the first started foundation", 72, "Dest1", {}, H(5), "", true, {{"Dest2", {D(5)}}}, baseFromTable},
        {"72 not another rank", 72, "Dest1", {}, H(4), "", false, {{"Dest2", {D(5)}}}, baseFromTable},
        {"72 not the rank above a bottom joker", 72, "Dest1", {}, H(6), "", false, {{"Dest2", {J, D(6)}}}, baseFromTable},
        {"72 a bottom joker stands one below", 72, "Dest1", {}, H(5), "", true, {{"Dest2", {J, D(6)}}}, baseFromTable},
        {"72 no base yet: anything", 72, "Dest1", {J}, S(9), "", true, {}, baseFromTable},
        {"72 four foundations keep distinct suits", 72, "Dest1", {}, H(1), "", false, {{"Dest2", {H(5)}}}, fourFoundations},
        {"72 a free suit", 72, "Dest1", {}, D(1), "", true, {{"Dest2", {H(5)}}}, fourFoundations},
    });
}

TEST(BuildingCodes, JokersAreWildInTheColumnsAndGoHomeLast)
{
    const TableSetup kingsToSpaces = [](GameContext& c) { c.rules.Of(rule::TableauBaseRank, 0) = 13; };
    const TableSetup fiveFoundations = [](GameContext& c) { c.rules[rule::FoundationCount] = 5; };
    const TableSetup suitsHome = [](GameContext& c) {
        c.rules[rule::FoundationCount] = 5;
        for (int f = 0; f < 4; ++f)
            Put(c, "Dest" + std::to_string(f + 1), Sequence(f, 1, 13));
    };
    const int jokerCode = building::WildJokersAlternating;
    const int homeCode = building::JokersAfterSuits;
    Check({
        {"a joker on any card", jokerCode, "Fila1", {H(9)}, J, "", true},
        {"any card on a joker", jokerCode, "Fila1", {H(9), J}, H(2), "", true},
        {"otherwise down in alternating colours", jokerCode, "Fila1", {H(9)}, C(8), "", true},
        {"not in the same colour", jokerCode, "Fila1", {H(9)}, D(8), "", false},
        {"a joker into a King's space", jokerCode, "Fila1", {}, J, "", true, {}, kingsToSpaces},
        {"a King into a space", jokerCode, "Fila1", {}, S(13), "", true, {}, kingsToSpaces},
        {"no other card into a space", jokerCode, "Fila1", {}, S(12), "", false, {}, kingsToSpaces},
        {"no joker while a suit is out", homeCode, "Dest5", {}, J, "", false, {{"Dest1", Sequence(0, 1, 13)}}, fiveFoundations},
        {"the jokers once the suits are home", homeCode, "Dest5", {}, J, "", true, {}, suitsHome},
        {"the second joker too", homeCode, "Dest5", {J + 1}, J, "", true, {}, suitsHome},
        {"never a pack card", homeCode, "Dest5", {}, H(1), "", false, {}, suitsHome},
    });
}

TEST(BuildingCodes, PairOfFoundationsOfOneSuit)
{
    const TableSetup kingsDown = [](GameContext& c) {
        for (int f : {0, 1, 2, 5, 6, 7})
            c.rules.Of(rule::FoundationBaseRank, f) = 13;
    };
    Check({
        {"foundation 3 from an Ace", 128, "Dest4", {}, H(1), "", true, {}, kingsDown},
        {"of its partner's suit", 128, "Dest4", {}, H(1), "", false, {{"Dest5", {D(11)}}}, kingsDown},
        {"not a suit the others started", 128, "Dest4", {}, H(1), "", false, {{"Dest1", {H(13)}}}, kingsDown},
        {"foundation 3 up with the wrap", 128, "Dest4", {H(13)}, H(1), "", true, {}, kingsDown},
        {"foundation 4 from a Jack", 128, "Dest5", {}, D(11), "", true, {}, kingsDown},
        {"foundation 4 down with the wrap", 128, "Dest5", {D(1)}, D(13), "", true, {}, kingsDown},
        {"others start on their base", 128, "Dest1", {}, S(13), "", true, {}, kingsDown},
        {"others never take the pair's suit", 128, "Dest1", {}, H(13), "", false, {{"Dest4", {H(1)}}}, kingsDown},
        {"a suit stays free for the pair", 128, "Dest1", {}, H(13), "", false,
         {{"Dest2", {S(13)}}, {"Dest3", {C(13)}}, {"Dest6", {D(13)}}}, kingsDown},
        {"others down in suit", 128, "Dest1", {S(5)}, S(4), "", true, {}, kingsDown},
        {"others with the wrap", 128, "Dest1", {S(1)}, S(13, 1), "", true, {}, kingsDown},
    });
}

// Osmosis's rows: each row takes its own suit in any order, below the first only the ranks the
// row above holds, and opens with the first row's starting rank once the row above is begun.
TEST(BuildingCodes, RowsOfRanksShownAbove)
{
    const Cards firstRow = {H(7), H(2), H(12)};
    Check({
        {"the first row takes its suit in any order", 178, "Dest1", firstRow, H(5), "", true},
        {"and no other suit", 178, "Dest1", firstRow, S(5), "", false},
        {"a row opens with the starting rank", 178, "Dest2", {}, S(7), "", true, {{"Dest1", firstRow}}},
        {"not with another rank", 178, "Dest2", {}, S(2), "", false, {{"Dest1", firstRow}}},
        {"a rank the row above holds", 178, "Dest2", {S(7)}, S(12), "", true, {{"Dest1", firstRow}}},
        {"not one it lacks", 178, "Dest2", {S(7)}, S(5), "", false, {{"Dest1", firstRow}}},
        {"only in the row's own suit", 178, "Dest2", {S(7)}, C(12), "", false, {{"Dest1", firstRow}}},
        {"the row above decides, not the first", 178, "Dest3", {C(7)}, C(12), "", false,
         {{"Dest1", firstRow}, {"Dest2", {S(7), S(2)}}}},
        {"a row waits for the row above", 178, "Dest3", {}, C(7), "", false, {{"Dest1", firstRow}}},
    });
}

// The zodiac builds either way in suit without the corner and takes nothing from its own piles;
// Big Ben's piles take a card only while they hold three or more; Eiffel Tower's tower takes
// waste cards that make 14 with its top cards.
TEST(BuildingCodes, TwoDeckTableauRules)
{
    Check({
        {"179 up in suit from the waste", 179, "Fila1", {H(5)}, H(6), "Mazzo_Vis", true},
        {"179 down in suit from a reserve", 179, "Fila1", {H(5)}, H(4), "Appogg1", true},
        {"179 never from another pile", 179, "Fila1", {H(5)}, H(6), "Fila2", false},
        {"179 not round the corner", 179, "Fila1", {H(13)}, H(1), "Mazzo_Vis", false},
        {"179 not in another suit", 179, "Fila1", {H(5)}, S(6), "Mazzo_Vis", false},
        {"179 a space takes any card", 179, "Fila1", {}, S(9), "Mazzo_Vis", true},
        {"180 down in suit on three", 180, "Fila1", {S(2), C(9), H(5)}, H(4), "Mazzo_Vis", true},
        {"180 a King on an Ace", 180, "Fila1", {S(2), C(9), H(1)}, H(13), "Mazzo_Vis", true},
        {"180 nothing on a short pile", 180, "Fila1", {C(9), H(5)}, H(4), "Mazzo_Vis", false},
        {"180 nothing into a space", 180, "Fila1", {}, H(4), "Mazzo_Vis", false},
        {"180 only in suit", 180, "Fila1", {S(2), C(9), H(5)}, S(4), "Mazzo_Vis", false},
        {"187 a waste card making 14, any suit", 187, "Fila1", {H(5)}, S(9), "Mazzo_Vis", true},
        {"187 a King on an Ace", 187, "Fila1", {C(1)}, D(13), "Mazzo_Vis", true},
        {"187 not 13", 187, "Fila1", {H(5)}, S(8), "Mazzo_Vis", false},
        {"187 never from the tower", 187, "Fila1", {H(5)}, S(9), "Fila2", false},
        {"187 nothing into a space", 187, "Fila1", {}, S(7), "Mazzo_Vis", false},
    });
}

// Piles headed by Kings (Salic Law, Faerie Queen): nothing while the stock lasts, then a bare
// King takes any one card but a King, and under 166 the others build down regardless of suit.
void KingHeadedPiles(GameContext& context)
{
    context.rules[rule::TableauCount] = 8;
    for (int t = 0; t < 8; ++t) {
        context.rules.Of(rule::TableauBaseRank, t) = King;
        context.rules.Of(rule::TableauDirection, t) = 0;
    }
}

TEST(BuildingCodes, HeadedPilesAfterTheDeal)
{
    const std::vector<Pile> stock = {{"Mazzo", {C(3)}}};
    Check({
        {"165 a bare King takes a card", 165, "Fila1", {S(13)}, H(4), "Fila2", true, {}, KingHeadedPiles},
        {"165 not while the stock lasts", 165, "Fila1", {S(13)}, H(4), "Fila2", false, stock, KingHeadedPiles},
        {"165 one card only", 165, "Fila1", {S(13), D(9)}, H(8), "Fila2", false, {}, KingHeadedPiles},
        {"165 not another King", 165, "Fila1", {S(13)}, H(13), "Fila2", false, {}, KingHeadedPiles},
        {"165 an empty pile stays empty", 165, "Fila1", {}, H(13), "Fila2", false, {}, KingHeadedPiles},
        {"166 a bare King takes any card", 166, "Fila1", {S(13)}, H(4), "Fila2", true, {}, KingHeadedPiles},
        {"166 down regardless of suit", 166, "Fila1", {S(13), D(9)}, C(8), "Fila2", true, {}, KingHeadedPiles},
        {"166 only down by one", 166, "Fila1", {S(13), D(9)}, C(7), "Fila2", false, {}, KingHeadedPiles},
        {"166 nothing while the stock lasts", 166, "Fila1", {S(13), D(9)}, C(8), "Fila2", false, stock, KingHeadedPiles},
        {"166 an empty pile stays empty", 166, "Fila1", {}, H(13), "Fila2", false, {}, KingHeadedPiles},
    });
}

// Sixteen foundations over eight columns (Laggard Lady, Glencoe): foundation k and k + 8 stand
// over column k, 6s building up and 5s down, each begun only once a Queen heads its column.
void FoundationsOverQueenColumns(GameContext& context)
{
    context.rules[rule::TableauCount] = 8;
    context.rules[rule::FoundationCount] = 16;
    for (int f = 0; f < 16; ++f) {
        context.rules.Of(rule::FoundationBaseRank, f) = f < 8 ? 6 : 5;
        context.rules.Of(rule::FoundationDirection, f) = f < 8 ? 1 : 0;
    }
}

TEST(BuildingCodes, FoundationsBegunOverHeadedColumns)
{
    const std::vector<Pile> queens = {{"Fila2", {S(12), H(9)}}};
    Check({
        {"167 a 6 over a Queen's column", 167, "Dest2", {}, D(6), "Fila5", true, queens, FoundationsOverQueenColumns},
        {"167 a 5 over the same column", 167, "Dest10", {}, D(5), "Fila5", true, queens, FoundationsOverQueenColumns},
        {"167 not over an empty column", 167, "Dest3", {}, D(6), "Fila5", false, queens, FoundationsOverQueenColumns},
        {"167 only its base rank", 167, "Dest2", {}, D(7), "Fila5", false, queens, FoundationsOverQueenColumns},
        {"167 then up regardless of suit", 167, "Dest2", {D(6)}, C(7), "Fila5", true, queens, FoundationsOverQueenColumns},
        {"167 the 5s down round the corner", 167, "Dest10", {D(5), C(4), C(3), H(2), S(1)}, H(13), "Fila5", true, queens,
         FoundationsOverQueenColumns},
        {"168 begun in the Queen's suit", 168, "Dest2", {}, S(6), "Fila5", true, queens, FoundationsOverQueenColumns},
        {"168 not in another suit", 168, "Dest10", {}, D(5), "Fila5", false, queens, FoundationsOverQueenColumns},
        {"168 then regardless of suit", 168, "Dest2", {S(6)}, D(7), "Fila5", true, queens, FoundationsOverQueenColumns},
    });
}

} // namespace
} // namespace marlowe
