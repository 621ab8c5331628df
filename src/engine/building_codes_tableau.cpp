// Building codes given to tableau piles: piles that open only at the table's edges, grids,
// tiers that feed each other, cells, and piles that start with one card of a kind.

#include "catalogue/rule_values.h"
#include "engine/building_code_placement.h"

#include "catalogue/rule_values.h"

#include "engine/cards.h"
#include "engine/pile_text.h"

namespace marlowe {

namespace {

// 18: any card, but a card from the tableau only onto an empty pile.
bool TableauCardsOnlyOntoEmpty(const Placement& p)
{
    return !p.FromTableau() || !p.TableauHolds(p.Index());
}

// 26: an empty pile by its base (13 a King, -1 anything, otherwise nothing); a pile of fewer
// than three cards takes one rank up or down, any suit.
bool ShortPileEitherWay(const Placement& p)
{
    if (p.Empty()) {
        switch (p.TableauBase(p.Index())) {
        case King: return p.RankM() == King;
        case -1: return true;
        default: return false;
        }
    }
    return p.TableauLength(p.Index()) < 3 && p.UpOrDown();
}

// 33: any card not from the tableau, onto a pile of at most one card.
bool OneDeepNotFromTableau(const Placement& p)
{
    return !p.FromTableau() && p.TableauLength(p.Index()) <= 1;
}

// 38 and 48: only while the waste is empty; an empty pile takes the starter, a pile holding
// the starter alone takes what the code allows on it, and nothing more.
bool StarterPile(const Placement& p, int starter, bool takenOnStarter)
{
    if (p.WasteCount() != 0)
        return false;
    if (p.EmptyAtPlayTime())
        return p.RankM() == starter;
    return p.TableauLength(p.Index()) == 1 && p.RankT() == starter && takenOnStarter;
}

// 38: a King, then any card below a Queen.
bool KingTakesOneCard(const Placement& p) { return StarterPile(p, King, p.RankM() < Queen); }

// 48: a Queen, then any card but a Queen.
bool QueenTakesOneCard(const Placement& p) { return StarterPile(p, Queen, p.RankM() != Queen); }

// 39: an Ace on an empty pile, then up by one, any suit, never a Queen or a King.
bool UpFromAceBelowQueen(const Placement& p)
{
    if (p.EmptyAtPlayTime())
        return p.RankM() == Ace;
    return p.Up() && p.RankM() != Queen && p.RankM() != King;
}

// 44: an Ace on an empty pile, then up by one, any suit, never a King.
bool UpFromAceBelowKing(const Placement& p)
{
    if (p.EmptyAtPlayTime())
        return p.RankM() == Ace;
    return p.Up() && p.RankM() != King;
}

// 45: only while the waste is empty; a King on an empty pile and never on a card; a single
// card takes anything else; a longer pile down by one.
bool KingsStartDownward(const Placement& p)
{
    if (p.WasteCount() != 0)
        return false;
    if (p.EmptyAtPlayTime())
        return p.RankM() == King;
    if (p.RankM() == King)
        return false;
    return p.TableauLength(p.Index()) == 1 || p.Down();
}

// 54: an empty pile takes its base rank (any rank for base -1), never from a reserve or the
// tableau; then down by one, or a King on an Ace where the pile wraps.
bool DownFromBaseNotFromTable(const Placement& p)
{
    const int index = p.Index();
    if (p.Empty()) {
        if (p.FromReserve() || p.FromTableau())
            return false;
        const int base = p.TableauBase(index);
        return base == -1 || p.RankM() == base;
    }
    return p.Down() || (p.KingOnAce() && p.TableauWrap(index) == 1);
}

// 55: up by one in colour from the base rank; while the waste holds cards only its one card
// may move, and not at all while it holds two or more.
bool UpInColourWasteFirst(const Placement& p)
{
    const int base = p.TableauBase(p.Index());
    const bool builds = p.Empty() ? base == -1 || p.RankM() == base : p.Up() && p.SameColour();
    if (p.WasteCount() >= 2)
        return false;
    if (p.WasteCount() == 1)
        return builds && p.M() == TopElement(p.context().piles.Waste());
    return builds;
}

// 56: the same rank, from this pile's own position or a later one; nothing on an empty pile.
bool SameRankFromLaterPile(const Placement& p)
{
    return !p.Empty() && p.RankM() == p.RankT() && p.FromTableau() && p.FromTableauPile() >= p.Index();
}

// 70: onto an empty pile, a card from a pile next to it in the grid's row or column.
bool FromGridNeighbour(const Placement& p)
{
    const int index = p.Index();
    const int width = p.context().rules[rule::GridColumns];
    const int from = p.FromTableauPile();
    if (p.TableauHolds(index) || width <= 0 || from < 0)
        return false;
    const bool fromLeft = from == index - 1 && index % width != 0;
    const bool fromRight = from == index + 1 && index % width != width - 1;
    return fromLeft || fromRight || from == index - width || from == index + width;
}

// 71: onto an empty pile, a card that jumps over an occupied pile of the grid.
bool JumpIntoGap(const Placement& p)
{
    return !p.TableauHolds(p.Index()) && GridJump(p.context(), p.From(), p.Index());
}

// 76: anything on an empty pile, then any lower rank.
bool AnyLowerRank(const Placement& p) { return !p.TableauHolds(p.Index()) || p.RankM() < p.RankT(); }

// 180: down in suit, a King on an Ace, onto a pile of three cards or more only (Big Ben).
bool DownInSuitOntoThree(const Placement& p)
{
    return p.TableauLength(p.Index()) >= 3 && p.SameSuit() && p.DownWithWrap();
}

// 187: a card whose rank and the top card's add up to 14, whatever the suits, never from the
// tableau, never on an empty pile (the tower of Eiffel Tower, which takes the waste's cards).
bool SumsToFourteenNotFromTableau(const Placement& p)
{
    return !p.FromTableau() && !p.Empty() && p.RankM() + p.RankT() == 14;
}

// 193: an empty place takes the card just turned onto the waste: a card from Ace to 10
// anywhere, a court only where the place's base rank names its rank; nothing goes onto a card
// (Camelot's square, whose frame keeps its corners for Kings and its sides for Queens and Jacks).
bool PlacedByRank(const Placement& p)
{
    if (!p.FromWaste() || p.TableauHolds(p.Index()))
        return false;
    return p.RankM() <= 10 || p.RankM() == p.TableauBase(p.Index());
}

// 80 and 179: nothing from the tableau; anything on an empty pile, then in suit either way,
// with the wrap (80) or without it (179, the zodiac).
template <bool roundTheCorner>
bool InSuitEitherWayNotFromTableau(const Placement& p)
{
    if (p.FromTableau())
        return false;
    if (!p.TableauHolds(p.Index()))
        return true;
    return p.SameSuit() && (roundTheCorner ? p.UpOrDownWithWrap() : p.UpOrDown());
}

// 81 (a reserve): nothing from the tableau or a reserve; anything on an empty reserve, then in
// suit either way with the wrap.
bool ReserveInSuitEitherWay(const Placement& p)
{
    if (p.FromTableau() || p.FromReserve())
        return false;
    return !p.ReserveHolds(p.Index()) || (p.SameSuit() && p.UpOrDownWithWrap());
}

// 93: each pile starts with its base rank; a pile whose single card is of another rank takes
// only a base-rank card lying alone on a pile whose base is that card's rank; otherwise a
// pile started on its base takes three ranks up in suit.
bool ThreeUpFromBase(const Placement& p)
{
    const int index = p.Index();
    const int base = p.TableauBase(index);
    const std::string& pile = p.Tableau(index);
    if (pile.empty())
        return p.RankM() == base;
    const int bottomRank = CardRank(ElementAt(pile, 0));
    if (ElementCount(pile) == 1 && bottomRank != base) {
        const int from = p.FromTableauPile();
        return p.RankM() == base && from >= 0 && p.TableauLength(from) == 1 && p.TableauBase(from) == bottomRank;
    }
    return bottomRank == base && p.SameSuit() && p.RankM() == p.RankT() + 3;
}

// 94: an empty pile takes nothing from the tableau and a waste card only while the reserves are
// empty; then down by one in alternating colours, a King on an Ace.
bool AlternatingDownReservesFirst(const Placement& p)
{
    if (!p.TableauHolds(p.Index())) {
        if (p.FromTableau())
            return false;
        return !p.FromWaste() || p.EveryReserveEmpty();
    }
    return p.OtherColour() && p.DownWithWrap();
}

// 100: four tiers of eight piles; each tier takes cards from the tier after it, the last tier
// from the waste; down by one in the other colour; nothing on an empty pile. This game's own
// test: cards climb the tiers one at a time, never as a run.
bool DownFromTierBelow(const Placement& p)
{
    const int index = p.Index();
    if (index < 0 || index > 31 || p.Empty())
        return false;
    const int feeder = (index / 8 + 1) * 8;
    const bool fed = index >= 24 ? p.FromWaste() : p.FromTableauPiles(feeder, feeder + 7);
    if (!fed || !(p.Down() && p.OtherColour()))
        return false;
    return p.query().movingCount == 1;
}

// 101: the moving card and the destination must both be open towards the edge of their half
// of a row of ten piles; an empty pile opens only in the middle of the row, once its half is
// empty; then in suit either way with the wrap.
bool OpenTowardsEdge(const Placement& p)
{
    const int index = p.Index();
    if (index < 0 || !IsEdgeFree(p.context(), p.M()))
        return false;
    const int position = index % 10;
    const int rowStart = index - position;
    const bool leftHalf = position <= 4;
    const bool open = leftHalf ? p.AllTableauEmpty(rowStart, index - 1) : p.AllTableauEmpty(index + 1, rowStart + 9);
    if (!open)
        return false;
    if (!p.TableauHolds(index)) {
        const int halfStart = leftHalf ? rowStart : rowStart + 5;
        return (position == 4 || position == 5) && p.AllTableauEmpty(halfStart, halfStart + 4);
    }
    return p.SameSuit() && p.UpOrDownWithWrap();
}

// 105: nothing on an empty pile; down by one in suit, a King on an Ace.
bool DownInSuitWithWrap(const Placement& p) { return p.TableauHolds(p.Index()) && p.SameSuit() && p.DownWithWrap(); }

// 112: tableau piles 8..15 neither give nor take; anything on an empty pile, then in suit
// either way.
bool OuterPilesStayPut(const Placement& p)
{
    if (p.FromTableauPiles(8, 15) || (p.Index() >= 8 && p.Index() <= 15))
        return false;
    return p.Empty() || (p.SameSuit() && p.UpOrDown());
}

// 115: piles 0..12 are filled only while empty, from piles 13..21, or from the waste while one
// of those is empty; piles 13 and above take only from piles 13..21 or the waste, anything when
// empty, then down by one in alternating colours with a King on an Ace.
bool TwoBanksOfPiles(const Placement& p)
{
    if (p.Index() <= 12) {
        if (p.TableauHolds(p.Index()))
            return false;
        return p.FromTableauPiles(13, 21) || (p.FromWaste() && p.AnyTableauEmpty(13, 21));
    }
    if (!p.FromTableauPiles(13, 21) && !p.FromWaste())
        return false;
    return !p.TableauHolds(p.Index()) || (p.OtherColour() && p.DownWithWrap());
}

// 116: only from a pile next to this one in a grid of three columns; anything on an empty pile,
// then either way with the wrap, any suit.
bool FromThreeColumnNeighbour(const Placement& p)
{
    const int from = p.FromTableauPile();
    if (from < 0 || !GridAdjacent(p.Index(), from, 3))
        return false;
    return p.Empty() || p.UpOrDownWithWrap();
}

// 164: anything on an empty pile, nothing on a card.
bool OnlyOntoEmpty(const Placement& p) { return !p.TableauHolds(p.Index()); }

// 189: one card, while the place is empty, from the waste or another tableau pile.
bool HoldingPlace(const Placement& p)
{
    return p.Empty() && (p.FromWaste() || p.FromTableau());
}

// 196: down regardless of suit, no Diamond moving onto a pile (Diamonds go only home); an
// empty pile takes any other card (Diamond Mine).
bool DownAnySuitNoDiamonds(const Placement& p)
{
    return p.SuitM() != Diamonds && (p.Empty() || p.Down());
}

// 165 and 166: piles headed by a card of their base rank take nothing while the stock lasts;
// then a pile holding its head alone takes any card but another head, and under 166 the others
// build regardless of suit. An empty pile is never filled.
bool HeadTakesOneAfterDeal(const Placement& p)
{
    const int head = p.TableauBase(p.Index());
    if (p.StockCount() != 0 || !p.TableauHolds(p.Index()) || p.RankM() == head)
        return false;
    return p.TableauLength(p.Index()) == 1 && p.RankT() == head;
}

bool DownAnySuitAfterDeal(const Placement& p)
{
    if (p.StockCount() != 0 || !p.TableauHolds(p.Index()) || p.RankM() == p.TableauBase(p.Index()))
        return false;
    return HeadTakesOneAfterDeal(p) || p.Standard(building::AnySuit);
}

// 185: any higher card of the top card's suit, not only the next; an empty pile (a row's first
// cell) by its base rank.
bool HigherInSuit(const Placement& p)
{
    if (p.Empty())
        return p.RankM() == p.TableauBase(p.Index());
    return p.SameSuit() && p.RankM() > p.RankT();
}

// 181: the left-neighbour half of a gap between two neighbours: the next card up in suit (round
// the corner unless the wrap is off), the row's left end by its base rank. The right-neighbour
// half is judged where the gap is (`CanPlayInTableauCell`).
bool InSuitBesideEitherNeighbour(const Placement& p)
{
    if (p.Empty())
        return p.RankM() == p.TableauBase(p.Index());
    return p.SameSuit() && (p.TableauWrap(p.Index()) == wrap::None ? p.Up() : p.UpWithWrap());
}

// 182: the card before a gap in a ring of rows takes the next card up in suit after it, and a
// Queen takes any Ace; the card after the gap is judged where the gap is.
bool InSuitAroundTheRing(const Placement& p)
{
    return !p.Empty() && ((p.SameSuit() && p.Up()) || (p.RankT() == Queen && p.RankM() == Ace));
}

// 126: anything on an empty pile, then the same rank, any suit.
bool SameRank(const Placement& p) { return !p.TableauHolds(p.Index()) || p.RankM() == p.RankT(); }

// 129: once the stock is empty; nothing on an empty pile; in suit either way with the wrap.
bool InSuitEitherWayOnStartedPile(const Placement& p)
{
    return p.StockCount() == 0 && p.TableauHolds(p.Index()) && p.SameSuit() && p.UpOrDownWithWrap();
}

// 130: piles 0..3 are cells taking one card from outside the tableau; the other piles never
// take from the cells, take a reserve card only while one of piles 4..8 is empty, anything
// when empty, then in suit either way.
bool CellsAndPiles(const Placement& p)
{
    if (p.Index() <= 3)
        return !p.FromTableau() && !p.TableauHolds(p.Index());
    if (p.FromTableauPiles(0, 3))
        return false;
    if (p.FromReserve() && !p.AnyTableauEmpty(4, 8))
        return false;
    return p.Empty() || (p.SameSuit() && p.UpOrDown());
}

// 133: anything on an empty pile, then down by two with the wrap (a Queen on an Ace, a King on
// a 2), any suit.
bool DownByTwo(const Placement& p)
{
    if (!p.TableauHolds(p.Index()))
        return true;
    const bool wrap = (p.RankT() == Ace && p.RankM() == Queen) || (p.RankT() == 2 && p.RankM() == King);
    return p.RankM() == p.RankT() - 2 || wrap;
}

// 134: an empty pile takes only a waste card; nothing from a foundation; pile 0 builds down and
// takes nothing from piles 1..3; the other piles build up and take nothing from pile 0.
bool DownOnFirstUpOnOthers(const Placement& p)
{
    if (!p.TableauHolds(p.Index()))
        return p.FromWaste();
    if (p.FromFoundation())
        return false;
    if (p.Index() == 0)
        return p.Down() && !p.FromTableauPiles(1, 3);
    return p.Up() && !p.FromTableauPiles(0, 0);
}

// 136: alternating colours; an empty pile from the fifth on opens only once as many foundations
// (counted from the fifth pile: one, two, ...) are complete.
bool AlternatingOpeningWithFoundations(const Placement& p)
{
    const int index = p.Index();
    if (index >= 4 && !p.TableauHolds(index)) {
        int complete = 0;
        for (int f = 0; f < kMaxFoundations; ++f)
            complete += p.FoundationLength(f) >= 13 ? 1 : 0;
        if (complete < index - 3)
            return false;
    }
    return p.Standard(3);
}

// 137: nothing from the tableau; a pile of five cards is full; anything on an empty pile, then
// either way, any suit.
bool FiveDeepEitherWay(const Placement& p)
{
    if (p.FromTableau() || p.TableauLength(p.Index()) >= 5)
        return false;
    return p.Empty() || p.UpOrDown();
}

// 143: reserves 0 and 1 wait for reserve 2; an empty pile takes anything but a reserve card;
// then down by one in suit.
bool DownInSuitReserveTwoFirst(const Placement& p)
{
    if (p.FromReserves(0, 1) && p.ReserveHolds(2))
        return false;
    if (!p.TableauHolds(p.Index()))
        return !p.FromReserve();
    return p.SameSuit() && p.Down();
}

// 145: down by one in suit, or any card of the same rank; an empty pile by its base (13 a King,
// -1 anything).
bool DownInSuitOrSameRank(const Placement& p)
{
    if (p.Empty())
        return p.TableauBase(p.Index()) == King ? p.RankM() == King : p.TableauBase(p.Index()) == -1;
    return p.RankM() == p.RankT() || (p.SameSuit() && p.Down());
}

constexpr CodeEntry kTableauCodes[] = {
    {18, TableauCardsOnlyOntoEmpty},
    {26, ShortPileEitherWay},
    {33, OneDeepNotFromTableau},
    {38, KingTakesOneCard},
    {39, UpFromAceBelowQueen},
    {44, UpFromAceBelowKing},
    {45, KingsStartDownward},
    {48, QueenTakesOneCard},
    {54, DownFromBaseNotFromTable},
    {55, UpInColourWasteFirst},
    {56, SameRankFromLaterPile},
    {70, FromGridNeighbour},
    {71, JumpIntoGap},
    {76, AnyLowerRank},
    {80, InSuitEitherWayNotFromTableau<true>},
    {81, ReserveInSuitEitherWay},
    {93, ThreeUpFromBase},
    {94, AlternatingDownReservesFirst},
    {100, DownFromTierBelow},
    {101, OpenTowardsEdge},
    {105, DownInSuitWithWrap},
    {112, OuterPilesStayPut},
    {115, TwoBanksOfPiles},
    {116, FromThreeColumnNeighbour},
    {126, SameRank},
    {129, InSuitEitherWayOnStartedPile},
    {130, CellsAndPiles},
    {133, DownByTwo},
    {134, DownOnFirstUpOnOthers},
    {136, AlternatingOpeningWithFoundations},
    {137, FiveDeepEitherWay},
    {143, DownInSuitReserveTwoFirst},
    {145, DownInSuitOrSameRank},
    {164, OnlyOntoEmpty},
    {building::HeadTakesOneAfterDeal, HeadTakesOneAfterDeal},
    {building::DownAnySuitAfterDeal, DownAnySuitAfterDeal},
    {179, InSuitEitherWayNotFromTableau<false>},
    {180, DownInSuitOntoThree},
    {181, InSuitBesideEitherNeighbour},
    {182, InSuitAroundTheRing},
    {185, HigherInSuit},
    {196, DownAnySuitNoDiamonds},
    {building::HoldingPlace, HoldingPlace},
    {187, SumsToFourteenNotFromTableau},
    {building::PlacedByRank, PlacedByRank},
};

} // namespace

std::span<const CodeEntry> TableauBuildingCodes() { return kTableauCodes; }

} // namespace marlowe
