// Building codes that read little beyond the two cards: fixed answers, the hand-overs to the
// standard rule, steps of other sizes, and the codes that only ask where the moving card
// comes from or whether the stock and the waste hold cards.

#include "engine/building_code_placement.h"

#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"

#include <algorithm>

namespace marlowe {

namespace {

bool Never(const Placement&) { return false; }
bool Always(const Placement&) { return true; }

// 8, 13, 62, 67, 69, 122: the standard rule, the code itself setting no suit condition.
bool Standard(const Placement& p) { return p.Standard(); }

// 7: at play time only onto an empty pile once the stock is empty; the deal builds normally.
bool OntoEmptyOnceStockIsOut(const Placement& p)
{
    if (!p.query().playTime)
        return p.Standard();
    return p.Empty() && p.StockCount() == 0;
}

// 11: in suit (the code's own suit condition), but a Queen never on a King or a Jack.
bool InSuitNoQueenOnCourt(const Placement& p)
{
    if (p.RankM() == Queen && (p.RankT() == King || p.RankT() == Jack))
        return false;
    return p.Standard();
}

// 14, 15, 16: steps of 2, 3 and 4 ranks, round the corner from King to Ace; any suit.
template <int Step>
bool StepsOf(const Placement& p)
{
    return p.RankM() == p.RankT() + Step || (p.RankT() + Step) % 13 == p.RankM();
}

// 17: any card that does not come from the tableau.
bool NotFromTableau(const Placement& p) { return !p.FromTableau(); }

// 19: any card that comes neither from the tableau nor from a reserve.
bool NotFromTableauOrReserve(const Placement& p) { return !p.FromTableau() && !p.FromReserve(); }

// 20: up with the King-Ace wrap, any suit; an empty pile takes an Ace.
bool UpAnySuitFromAce(const Placement& p)
{
    return p.Empty() ? p.RankM() == Ace : p.UpWithWrap();
}

// 21: the suits must differ, then the standard rule.
bool OtherSuitThenStandard(const Placement& p)
{
    if (!p.Empty() && p.SuitM() == p.SuitT())
        return false;
    return p.Standard();
}

// 23: only while the waste is empty; up in suit; nothing on an empty pile.
bool UpInSuitWhileWasteIsEmpty(const Placement& p)
{
    return p.WasteCount() == 0 && !p.Empty() && p.SameSuit() && p.Up();
}

// 24: never a Queen on a King or a King on a Queen; in suit; then the standard rule.
bool InSuitNoCourtPairs(const Placement& p)
{
    const bool queenOnKing = p.RankT() == King && p.RankM() == Queen;
    const bool kingOnQueen = p.RankT() == Queen && p.RankM() == King;
    if (queenOnKing || kingOnQueen)
        return false;
    if (!p.Empty() && !p.SameSuit())
        return false;
    return p.Standard();
}

// Two ranks in the pile's direction (up for direction 1, else down), in suit.
bool TwoRanksInSuit(const Placement& p)
{
    const int step = p.Direction() == 1 ? 2 : -2;
    return p.SameSuit() && p.RankM() == p.RankT() + step;
}

// 25: two ranks at a time in suit.
bool TwoRanksAtATime(const Placement& p)
{
    return p.Empty() ? p.Standard() : TwoRanksInSuit(p);
}

// 61: as 25, round the corner (a 2 on a King, an Ace on a Queen) while foundation IDX holds
// fewer than 13 cards; from 13 cards on the standard rule.
bool TwoRanksThenStandard(const Placement& p)
{
    if (p.Empty())
        return p.Standard();
    if (TwoRanksInSuit(p))
        return true;
    if (p.FoundationLength(p.Index()) >= 13)
        return p.Standard();
    const bool roundTheCorner = (p.RankT() == King && p.RankM() == 2) || (p.RankT() == Queen && p.RankM() == Ace);
    return p.SameSuit() && roundTheCorner;
}

// 27: never a card from a foundation or a reserve; otherwise in alternating colours.
bool AlternatingNotFromFoundationOrReserve(const Placement& p)
{
    if (p.FromFoundation() || p.FromReserve())
        return false;
    return p.Standard(3);
}

// 28: up or down by one without a wrap, any suit; an empty pile takes anything.
bool UpOrDownAnySuit(const Placement& p) { return p.Empty() || p.UpOrDown(); }

// 152: a card of the top card's rank, any suit; an empty pile takes what its base rank says
// (Troika's piles, Big Bertha's foundation of Kings).
bool SameRankFromBase(const Placement& p) { return p.Empty() ? p.Standard() : p.RankM() == p.RankT(); }

// 153: a reserve of at most four cards, each put there from the tableau (Zerline's arm).
bool UpToFourFromTableau(const Placement& p) { return p.FromTableau() && p.ReserveLength(p.Index()) < 4; }

// 188: a court slot: an empty reserve takes a Jack, Queen or King whose rank no reserve holds, of
// the suit the others show (Suit Elevens, whose selected card is also listed in the selection).
bool CourtSlot(const Placement& p)
{
    if (!p.Empty() || p.RankM() < Jack || p.RankM() > King)
        return false;
    for (int r = 0; r < std::min(p.context().ReserveCount(), kMaxReserves); ++r) {
        const int card = TopElement(p.Reserve(r));
        if (card > 0 && (CardRank(card) == p.RankM() || CardSuit(card) != p.SuitM()))
            return false;
    }
    return true;
}

// 60: as 28, in suit.
bool UpOrDownInSuit(const Placement& p) { return p.Empty() || (p.SameSuit() && p.UpOrDown()); }

// 30: in suit without a wrap; a pile of at most one card goes either way, a longer one keeps
// the direction of its top two cards.
bool InSuitKeepingDirection(const Placement& p)
{
    if (!p.Empty() && !p.SameSuit())
        return false;
    const std::string& pile = p.Destination();
    const int count = ElementCount(pile);
    if (count <= 1)
        return p.UpOrDown();
    const int below = CardRank(ElementAt(pile, count - 2));
    if (p.RankT() > below)
        return p.Up();
    if (p.RankT() < below)
        return p.Down();
    return false;
}

// 31: down by one in suit; nothing on an Ace (no wrap) or on an empty pile.
bool DownInSuit(const Placement& p) { return !p.Empty() && p.SameSuit() && p.Down(); }

// 32: up by one in suit; nothing on a King (no wrap).
bool UpInSuit(const Placement& p) { return p.SameSuit() && p.Up(); }

// 34: down by one, any suit.
bool DownAnySuit(const Placement& p) { return p.Empty() ? p.Standard() : p.Down(); }

// 35: up or down by one with the wrap, any suit.
bool UpOrDownWithWrapAnySuit(const Placement& p) { return p.Empty() ? p.Standard() : p.UpOrDownWithWrap(); }

// 40: the rank the deal counter has reached (a King at every thirteenth deal), or any card
// while the stock and the waste hold one card between them.
bool RankOfTheDealCounter(const Placement& p)
{
    if (p.StockCount() + p.WasteCount() == 1)
        return true;
    const int counted = p.context().mainGame.DealCounter % 13;
    return p.RankM() == counted || (counted == 0 && p.RankM() == King);
}

// 43: two ranks up in suit.
bool TwoUpInSuit(const Placement& p) { return p.SameSuit() && p.RankM() == p.RankT() + 2; }

// 57: once the stock is empty, up or down by one with the wrap, any suit.
bool EitherWayOnceStockIsOut(const Placement& p) { return p.StockCount() == 0 && p.UpOrDownWithWrap(); }

// 63: during the first pass through the stock tableau piles 0..3 feed only foundations 0..3,
// piles 6..9 only foundations 4 and above; in suit; then the standard rule.
bool InSuitFromOwnSide(const Placement& p)
{
    if (p.context().mainGame.RedealsDone <= 1) {
        if (p.FromTableauPiles(0, 3) && p.Index() > 3)
            return false;
        if (p.FromTableauPiles(6, 9) && p.Index() < 4)
            return false;
    }
    if (!p.Empty() && !p.SameSuit())
        return false;
    return p.Standard();
}

// 68: up or down by one with the wrap, any suit.
bool EitherWayAnySuit(const Placement& p) { return p.UpOrDownWithWrap(); }

// 73: the rank of the pile's position (an Ace on the first).
bool RankOfPosition(const Placement& p) { return p.RankM() == p.Index() + 1; }

// The suit after this one in the cycle hearts, clubs, diamonds, spades.
int NextSuitInCycle(int suit)
{
    switch (suit) {
    case Hearts: return Clubs;
    case Clubs: return Diamonds;
    case Diamonds: return Spades;
    case Spades: return Hearts;
    default: return -1;
    }
}

// 86: an Ace on an empty pile, then up by one in the suit cycle.
bool UpInSuitCycle(const Placement& p)
{
    if (p.EmptyAtPlayTime())
        return p.RankM() == Ace;
    return p.Up() && p.SuitM() == NextSuitInCycle(p.SuitT());
}

// 87: anything on an empty pile, then down by one in the suit cycle.
bool DownInSuitCycle(const Placement& p)
{
    if (p.EmptyAtPlayTime())
        return true;
    return p.Down() && p.SuitM() == NextSuitInCycle(p.SuitT());
}

// 92: only Aces.
bool OnlyAces(const Placement& p) { return p.RankM() == Ace; }

// 108: once the stock is empty; anything on an empty pile, else in suit either way with the wrap.
bool InSuitEitherWayOnceStockIsOut(const Placement& p)
{
    return p.StockCount() == 0 && (p.Empty() || (p.SameSuit() && p.UpOrDownWithWrap()));
}

// 121: a Jack on an empty pile, then down by one in suit.
bool DownInSuitFromJack(const Placement& p) { return p.Empty() ? p.RankM() == Jack : p.SameSuit() && p.Down(); }

// 141: nothing from the tableau; pile 3 takes only Kings, every other pile anything else.
bool KingsOnFourthPile(const Placement& p)
{
    if (p.FromTableau())
        return false;
    return p.Index() == 3 ? p.RankM() == King : p.RankM() != King;
}

constexpr CodeEntry kGeneralCodes[] = {
    {4, Never},
    {5, Never},
    {7, OntoEmptyOnceStockIsOut},
    {8, Standard},
    {11, InSuitNoQueenOnCourt},
    {12, Always},
    {13, Standard},
    {14, StepsOf<2>},
    {15, StepsOf<3>},
    {16, StepsOf<4>},
    {170, StepsOf<5>},
    {171, StepsOf<6>},
    {172, StepsOf<7>},
    {173, StepsOf<8>},
    {17, NotFromTableau},
    {19, NotFromTableauOrReserve},
    {20, UpAnySuitFromAce},
    {21, OtherSuitThenStandard},
    {23, UpInSuitWhileWasteIsEmpty},
    {24, InSuitNoCourtPairs},
    {25, TwoRanksAtATime},
    {27, AlternatingNotFromFoundationOrReserve},
    {28, UpOrDownAnySuit},
    {30, InSuitKeepingDirection},
    {31, DownInSuit},
    {32, UpInSuit},
    {34, DownAnySuit},
    {35, UpOrDownWithWrapAnySuit},
    {40, RankOfTheDealCounter},
    {43, TwoUpInSuit},
    {57, EitherWayOnceStockIsOut},
    {60, UpOrDownInSuit},
    {61, TwoRanksThenStandard},
    {62, Standard},
    {63, InSuitFromOwnSide},
    {67, Standard},
    {68, EitherWayAnySuit},
    {69, Standard},
    {73, RankOfPosition},
    {86, UpInSuitCycle},
    {87, DownInSuitCycle},
    {92, OnlyAces},
    {108, InSuitEitherWayOnceStockIsOut},
    {113, Never},
    {121, DownInSuitFromJack},
    {122, Standard},
    {138, Never},
    {139, Never},
    {141, KingsOnFourthPile},
    {152, SameRankFromBase},
    {153, UpToFourFromTableau},
    {188, CourtSlot},
};

} // namespace

std::span<const CodeEntry> GeneralBuildingCodes() { return kGeneralCodes; }

} // namespace marlowe
