// Building codes given to foundations: foundations that start by their base, by a group of
// four of distinct suits or by the ones before them, that count their cards, that take only
// from certain piles, or whose step is set by the table.

#include "engine/building_code_placement.h"

#include "catalogue/rule_values.h"

#include "engine/cards.h"
#include "engine/grid_rows.h"
#include "engine/pile_text.h"
#include "engine/placing_rounds.h"

#include <algorithm>
#include <vector>

namespace marlowe {

namespace {

// In suit, up by one where the foundation's direction is up (1), else down by one.
bool InSuitByDirection(const Placement& p)
{
    return p.SameSuit() && (p.FoundationDirection(p.Index()) == 1 ? p.Up() : p.Down());
}

// An empty foundation IDX that takes its base rank, with the other top cards of its group.
bool BaseWithDistinctGroup(const Placement& p)
{
    return p.RankM() == p.FoundationBase(p.Index()) && p.GroupSuitsDistinct(p.GroupStart());
}

// 29: balanced colours to start; in suit up to the King, a second King at 13 cards, then down.
bool UpThenDownInSuit(const Placement& p)
{
    if (p.Empty())
        return FoundationStartBalance(p.context(), p.query().base, p.M());
    if (!p.SameSuit())
        return false;
    const int count = p.FoundationLength(p.Index());
    if (count <= 12)
        return p.Up();
    return count == 13 ? p.RankM() == King : p.Down();
}

// 36: the base rank, once the foundation before is started; then down with the wrap, any suit.
bool DownAfterPreviousStarted(const Placement& p)
{
    if (p.Empty())
        return p.RankM() == p.query().base0 && (p.Index() == 0 || p.FoundationHolds(p.Index() - 1));
    return p.DownWithWrap();
}

// 162: any suit from the base rank, never round the corner: upward it ends at the King;
// downward it starts again from the base after each Ace.
bool FromBaseInRounds(const Placement& p)
{
    const int base = p.FoundationBase(p.Index());
    if (p.Empty() || (p.Direction() == direction::Down && p.RankT() == Ace))
        return p.RankM() == base;
    return p.Direction() == direction::Down ? p.Down() : p.Up();
}

// 195: in suit by the foundation's direction from its base; until the first redeal a tableau
// card goes only to a foundation of its own half, the first half of the tableau piles feeding
// the first half of the foundations (St. Helena's upper piles feed the Kings, the lower the Aces).
bool InSuitFedByOwnHalf(const Placement& p)
{
    const GameContext& context = p.context();
    if (p.FromTableau() && context.mainGame.RedealsDone <= 1) {
        const int pileHalf = 2 * p.FromTableauPile() / std::max(1, context.TableauCount());
        const int foundationHalf = 2 * p.Index() / std::max(1, context.FoundationCount());
        if (pileHalf != foundationHalf)
            return false;
    }
    return p.Empty() ? p.RankM() == p.FoundationBase(p.Index()) : InSuitByDirection(p);
}

// 177: in suit by the foundation's direction from its base, foundation IDX holding the suit IDX
// modulo 4 (an Ace and a King foundation of one suit side by side in a row); once begun, and
// while the stock holds cards, it takes tableau cards only from the pile of its own number, the
// piles numbered past the foundations feeding any (Corner Stones: its side piles and corners).
bool InSuitFedByOwnPileWhileStockLasts(const Placement& p)
{
    if (p.SuitM() != p.Index() % 4)
        return false;
    if (p.Empty())
        return p.RankM() == p.FoundationBase(p.Index());
    const int pile = p.FromTableauPile();
    const bool tiedPile = pile >= 0 && pile < p.context().FoundationCount();
    if (p.StockCount() != 0 && tiedPile && pile != p.Index())
        return false;
    return InSuitByDirection(p);
}

// 197: Diamonds only, any of them to start, then up in suit round the corner (Diamond Mine).
bool DiamondsRoundTheCorner(const Placement& p)
{
    return p.SuitM() == Diamonds && (p.Empty() || (p.SameSuit() && p.UpWithWrap()));
}

// 167 and 168: the standard rule regardless of suit, but a foundation is begun only over a
// column already headed (its index modulo the tableau count), under 168 in its head's suit too.
template <bool inHeadsSuit>
bool BegunOverHeadedColumn(const Placement& p)
{
    if (p.Empty()) {
        const int column = p.Index() % std::max(p.context().TableauCount(), 1);
        const int head = p.TableauBottom(column);
        if (head <= 0 || (inHeadsSuit && CardSuit(head) != p.SuitM()))
            return false;
    }
    return p.Standard(building::AnySuit);
}

// 37: twice the top card's rank (modulo 13); a King once foundation 0 holds 48 cards.
bool DoubledRank(const Placement& p)
{
    if (p.Empty())
        return p.Standard();
    return p.RankM() == (2 * p.RankT()) % 13 || (p.RankM() == King && p.FoundationLength(0) >= 48);
}

// 41: the base rank with distinct suits in the group; then two up in suit, round the corner.
bool TwoUpFromBase(const Placement& p)
{
    if (p.Empty())
        return BaseWithDistinctGroup(p);
    return p.SameSuit() && (p.RankM() == p.RankT() + 2 || p.RankM() == (p.RankT() + 2) % 13);
}

// 42: up by one in suit; a King only when foundation IDX+6 shows a King.
bool UpInSuitKingAfterPartner(const Placement& p)
{
    if (!(p.SameSuit() && p.Up()))
        return false;
    return p.RankM() != King || CardRank(TopElement(p.Foundation(p.Index() + 6))) == King;
}

// 46, 49, 51 and 47, 50, 52: an empty foundation takes its base rank; the later codes also need
// the partner tableau pile to hold cards, the last of each also its bottom card's suit.
bool StartsBesidePile(const Placement& p, int partner, bool needsPile, bool needsSuit)
{
    if (p.RankM() != p.FoundationBase(p.Index()))
        return false;
    if (needsPile && !p.TableauHolds(partner))
        return false;
    return !needsSuit || p.SuitM() == CardSuit(p.TableauBottom(partner));
}

// Up by one, any suit, below the Queen.
template <bool NeedsPile, bool NeedsSuit>
bool UpBesidePile(const Placement& p)
{
    if (p.Empty())
        return StartsBesidePile(p, p.Index(), NeedsPile, NeedsSuit);
    return p.Up() && p.RankM() < Queen;
}

// Down by one with the wrap, any suit, never a Queen; partner pile IDX-8.
template <bool NeedsPile, bool NeedsSuit>
bool DownBesidePile(const Placement& p)
{
    if (p.Empty())
        return StartsBesidePile(p, p.Index() - 8, NeedsPile, NeedsSuit);
    return p.DownWithWrap() && p.RankM() != Queen;
}

// 53: foundation 0 first; the others once it holds 13 cards; base rank, then up with the wrap.
bool AfterFirstFoundation(const Placement& p)
{
    if (p.Index() != 0 && p.FoundationLength(0) != 13)
        return false;
    return p.Empty() ? p.RankM() == p.FoundationBase(p.Index()) : p.UpWithWrap();
}

// 58, 64: while the stock holds cards, tableau piles 4..7 feed only their own foundation
// (pile 4 + IDX); nothing on an empty foundation; in suit by the foundation's direction.
bool FedByOwnPile(const Placement& p)
{
    if (p.StockCount() > 0 && p.FromTableauPiles(4, 7) && p.FromTableauPile() != 4 + p.Index())
        return false;
    return !p.Empty() && InSuitByDirection(p);
}

// 77: Aces, then four of each rank in turn, any suit.
bool FourOfEachRank(const Placement& p)
{
    return p.RankM() == p.FoundationLength(p.Index()) / 4 + 1;
}

// 78: an Ace to start, an Ace on a King of any suit, otherwise up by one in suit.
bool UpInSuitAnyAceOnKing(const Placement& p)
{
    if (!p.FoundationHolds(p.Index()))
        return p.RankM() == Ace;
    return p.AceOnKing() || (p.SameSuit() && p.Up());
}

// 79: base rank, then up with the wrap, any suit; the thirteenth card comes only from the
// foundation's own reserve, and a reserve gives nothing before it.
bool LastCardFromOwnReserve(const Placement& p)
{
    const int count = p.FoundationLength(p.Index());
    if (p.FromReserve()) {
        if (p.FromReserveIndex() != p.Index() || count != 12)
            return false;
    } else if (count == 12) {
        return false;
    }
    return count == 0 ? p.RankM() == p.FoundationBase(p.Index()) : p.UpWithWrap();
}

// 82: once the stock and the waste are both empty; distinct suits to start, in suit after;
// then the standard rule.
bool StandardOnceStockAndWasteAreOut(const Placement& p)
{
    if (p.StockCount() > 0 || p.WasteCount() > 0)
        return false;
    if (p.Empty() ? !p.GroupSuitsDistinct(p.GroupStart()) : !p.SameSuit())
        return false;
    return p.Standard();
}

// 83: down with the wrap, any suit; foundation IDX is finished once its top card has rank
// IDX + 1 (foundation 6 only at 13 cards).
bool DownToOwnRank(const Placement& p)
{
    if (!p.DownWithWrap())
        return false;
    const int index = p.Index();
    const bool reachedOwnRank = CardRank(TopElement(p.Foundation(index))) == index + 1;
    return !reachedOwnRank || (index == 6 && p.FoundationLength(index) != 13);
}

// 91: any suit, by the step the first foundation of two or more cards shows (0 when none does:
// one or two up).
int StepOfTheFoundations(const Placement& p)
{
    for (int f = 0; f < kMaxFoundations; ++f) {
        if (p.FoundationLength(f) < 2)
            continue;
        const std::string& pile = p.Foundation(f);
        const int step = CardRank(ElementAt(pile, 1)) - CardRank(ElementAt(pile, 0));
        if (step == 1 - King) // a King, then an Ace
            return 1;
        if (step == 2 - King) // a King then a 2, or a Queen then an Ace
            return 2;
        return step;
    }
    return 0;
}

bool BySharedStep(const Placement& p)
{
    const int step = StepOfTheFoundations(p);
    const int rankT = p.RankT();
    const int rankM = p.RankM();
    const bool twoRoundTheCorner = (rankT == King && rankM == 2) || (rankT == Queen && rankM == Ace);
    if (step == 0)
        return rankM == rankT + 1 || rankM == rankT + 2 || p.AceOnKing() || twoRoundTheCorner;
    return rankM == rankT + step || (step == 1 && p.AceOnKing()) || (step == 2 && twoRoundTheCorner);
}

// 95: an Ace to start, then up by one in suit with an Ace on a King.
bool UpInSuitWithWrapFromAce(const Placement& p)
{
    if (!p.FoundationHolds(p.Index()))
        return p.RankM() == Ace;
    return p.SameSuit() && p.UpWithWrap();
}

// 96: distinct suits in the group to start; then the standard rule in suit.
bool InSuitWithDistinctGroup(const Placement& p)
{
    if (p.Empty() && !p.GroupSuitsDistinct(p.GroupStart()))
        return false;
    return p.Standard(0);
}

// 97: the second half of the foundations builds by the rank of its partner's bottom card
// (foundation IDX - half), round the corner past the King; full at 12 cards.
bool ByPartnerRank(const Placement& p)
{
    const int index = p.Index();
    const int count = p.FoundationLength(index);
    if (count == 0)
        return p.RankM() == p.FoundationBase(index);
    const int partner = index - p.context().FoundationCount() / 2;
    if (count >= 12 || !p.FoundationHolds(partner))
        return false;
    int rank = CardRank(p.FoundationBottom(partner)) + p.RankT();
    if (rank > King)
        rank -= King;
    return p.RankM() == rank;
}

// 98: the base rank, then up by one in suit, and a 7 on an Ace.
bool UpInSuitSevenOnAce(const Placement& p)
{
    if (!p.FoundationHolds(p.Index()))
        return p.RankM() == p.FoundationBase(p.Index());
    return p.SameSuit() && (p.Up() || (p.RankT() == Ace && p.RankM() == 7));
}

// 99: only from tableau piles 0..7; an Ace to start, then up by one in suit. This game's own
// test: a foundation takes one card at a time, and only the top card of its pile.
bool UpInSuitFromFirstEightPiles(const Placement& p)
{
    if (!p.FromTableauPiles(0, 7))
        return false;
    const bool builds = p.FoundationHolds(p.Index()) ? p.SameSuit() && p.Up() : p.RankM() == Ace;
    return builds && p.query().movingCount == 1 && TopElement(p.Tableau(p.FromTableauPile())) == p.M();
}

// 102: the moving card must lie at an open edge; in suit, in the direction the last foundation
// of two or more cards shows (either way before any does), with the wrap.
bool InSuitSharedDirection(const Placement& p)
{
    if (!IsEdgeFree(p.context(), p.M()) || !p.SameSuit())
        return false;
    int direction = 0; // 1 up, -1 down, 0 not yet set
    for (int f = 0; f < kMaxFoundations; ++f) {
        if (p.FoundationLength(f) < 2)
            continue;
        const int bottom = CardRank(ElementAt(p.Foundation(f), 0));
        const int second = CardRank(ElementAt(p.Foundation(f), 1));
        if (bottom == King && second == Ace)
            direction = 1;
        else if (bottom == Ace && second == King)
            direction = -1;
        else
            direction = bottom < second ? 1 : -1;
    }
    if (direction > 0)
        return p.UpWithWrap();
    if (direction < 0)
        return p.DownWithWrap();
    return p.UpOrDownWithWrap();
}

// 104: up in suit with the wrap; foundation 0 stops at the Queen, foundations 1..11 at the rank
// of their position.
bool UpInSuitToOwnRank(const Placement& p)
{
    const int index = p.Index();
    if ((index == 0 && p.RankT() == Queen) || (index >= 1 && index <= 11 && p.RankT() == index))
        return false;
    return p.SameSuit() && p.UpWithWrap();
}

// 106: the base rank, then two up in suit.
bool TwoUpInSuitFromBase(const Placement& p)
{
    return p.Empty() ? p.RankM() == p.FoundationBase(p.Index()) : p.SameSuit() && p.RankM() == p.RankT() + 2;
}

// A tableau card of a grid of eight columns that nothing covers any more.
bool UncoveredInEightColumns(const Placement& p)
{
    const int pile = p.FromTableauPile();
    if (pile <= 7)
        return !(p.ReserveHolds(pile) && p.TableauHolds(pile + 8));
    if (pile <= 31)
        return !p.TableauHolds(pile - 8) || !p.TableauHolds(pile + 8);
    return true;
}

// 183: up in suit from the base rank, an Ace on a King; a card of a row of cells only once the
// cell on its left is a gap, a reserve card at any time.
bool UpInSuitBesideAGap(const Placement& p)
{
    if (p.FromTableau()) {
        const std::vector<int> row = PileCodes(p.Tableau(p.FromTableauPile()));
        const auto at = std::find(row.begin(), row.end(), p.M());
        if (at == row.end() || at == row.begin() || *(at - 1) != 0)
            return false;
    }
    if (!p.FoundationHolds(p.Index()))
        return p.RankM() == p.FoundationBase(p.Index());
    return p.SameSuit() && p.UpWithWrap();
}

// 109: up by one in suit; a tableau card only once uncovered.
bool UpInSuitUncovered(const Placement& p)
{
    if (p.FromTableau() && !UncoveredInEightColumns(p))
        return false;
    return p.SameSuit() && p.Up();
}

// 110: only from the tableau: an Ace once every foundation before is started, any other card
// only from tableau pile IDX; an Ace to start, a 7 on it, then up by one, in suit.
bool AceSevenThenUpFromOwnPile(const Placement& p)
{
    const int index = p.Index();
    if (!p.FromTableau())
        return false;
    if (p.RankM() == Ace) {
        for (int f = 0; f < index; ++f)
            if (!p.FoundationHolds(f))
                return false;
    } else if (p.FromTableauPile() != index) {
        return false;
    }
    const int count = p.FoundationLength(index);
    if (count == 0)
        return p.RankM() == Ace;
    if (!p.SameSuit())
        return false;
    return count == 1 ? p.RankM() == 7 : p.Up();
}

// 111: nothing from tableau piles 8..15; the base rank with distinct suits in the group, then
// in suit by the foundation's direction.
bool ByDirectionNotFromOuterPiles(const Placement& p)
{
    if (p.FromTableauPiles(8, 15))
        return false;
    return p.FoundationHolds(p.Index()) ? InSuitByDirection(p) : BaseWithDistinctGroup(p);
}

// 114: piles 0..12 always feed the foundations; piles 13..21 while one of piles 0..12 is empty
// or the foundation is; the waste while the foundation is empty, or while both banks have an
// empty pile. The rank of foundation 0's base to start, then up in suit with the wrap.
bool FedByTwoBanks(const Placement& p)
{
    const bool empty = !p.FoundationHolds(p.Index());
    bool fed = false;
    if (p.FromTableauPiles(0, 12))
        fed = true;
    else if (p.FromTableauPiles(13, 21))
        fed = empty || p.AnyTableauEmpty(0, 12);
    else if (p.FromWaste())
        fed = empty || (p.AnyTableauEmpty(0, 12) && p.AnyTableauEmpty(13, 21));
    if (!fed)
        return false;
    return empty ? p.RankM() == p.FoundationBase(0) : p.SameSuit() && p.UpWithWrap();
}

// 117: only the uncovered cards of a pyramid of tableau piles 0..8 (pile 5 at the front);
// an Ace to start, then up with the wrap, any suit.
bool UpFromPyramid(const Placement& p)
{
    bool uncovered = false;
    switch (p.FromTableauPile()) {
    case 5: uncovered = true; break;
    case 2:
    case 4:
    case 8: uncovered = !p.TableauHolds(5); break;
    case 1:
    case 3:
    case 7: uncovered = !p.TableauHolds(4) && !p.TableauHolds(5); break;
    case 0:
    case 6: uncovered = p.AllTableauEmpty(3, 5); break;
    default: uncovered = false; break;
    }
    if (!uncovered)
        return false;
    return p.FoundationHolds(p.Index()) ? p.UpWithWrap() : p.RankM() == Ace;
}

// 118: each foundation opens once the one before holds 13 cards; foundation 0's base to start,
// then up with the wrap, any suit.
bool OneAfterAnother(const Placement& p)
{
    if (p.Index() > 0 && p.FoundationLength(p.Index() - 1) != 13)
        return false;
    return p.Empty() ? p.RankM() == p.query().base0 : p.UpWithWrap();
}

// 120: an empty foundation takes the King of the suit of foundation IDX-8, once that is started.
bool KingOfPartnerSuit(const Placement& p)
{
    const int partner = p.Index() - 8;
    if (p.FoundationHolds(p.Index()) || !p.FoundationHolds(partner))
        return false;
    return p.RankM() == King && p.SuitM() == CardSuit(p.FoundationBottom(partner));
}

// 123: only cards of foundation 0's base rank; the suit the deal chose to start, then
// alternating colours.
bool BaseRankAlternating(const Placement& p)
{
    if (p.RankM() != p.query().base0)
        return false;
    if (!p.FoundationHolds(p.Index()))
        return p.SuitM() == p.context().mainGame.GameCounter1;
    return p.OtherColour();
}

// 124: foundation 4 collects the cards of its base rank, which no other foundation takes; the
// others start on their base with distinct suits in their group (0..3 or 5..8), then in suit
// by their direction with the wrap.
bool AroundTheMiddleFoundation(const Placement& p)
{
    const int collected = p.FoundationBase(4);
    if (p.Index() == 4)
        return p.RankM() == collected;
    if (p.RankM() == collected)
        return false;
    if (p.Empty())
        return p.RankM() == p.FoundationBase(p.Index()) && p.GroupSuitsDistinct(p.Index() <= 3 ? 0 : 5);
    return p.SameSuit() && (p.FoundationDirection(p.Index()) == 1 ? p.UpWithWrap() : p.DownWithWrap());
}

// 125: in suit, full at 13 cards; the standard rule, where a downward foundation also takes
// one rank up (an Ace on a King).
bool InSuitAlsoUpward(const Placement& p)
{
    if (p.Empty())
        return p.Standard();
    if (p.FoundationLength(p.Index()) >= 13 || !p.SameSuit())
        return false;
    const bool alsoUp = p.Direction() == 0 && p.UpWithWrap();
    return p.Standard(p.query().code, alsoUp);
}

// 127: an Ace with distinct suits among foundations 0..3; then up in suit with the wrap while
// the foundation holds at most 26 cards.
bool TwoRoundsInSuit(const Placement& p)
{
    if (!p.FoundationHolds(p.Index()))
        return p.RankM() == Ace && p.GroupSuitsDistinct(0);
    return p.FoundationLength(p.Index()) <= 26 && p.SameSuit() && p.UpWithWrap();
}

// 169: in suit by the foundation's direction; a tableau card only from an open end of its column
// of the grid (Parallels, British Blockade).
bool InSuitByDirectionFromColumnEnds(const Placement& p)
{
    if (p.FromTableau() && !AtOpenEndOfGridColumn(p.context(), p.M()))
        return false;
    return InSuitByDirection(p);
}

// 176: in suit by the foundation's direction; a tableau card only while no round of placing
// stock cards is under way (Sly Fox).
bool InSuitBetweenPlacingRounds(const Placement& p)
{
    if (p.FromTableau() && CardsLeftToPlace(p.context()) > 0)
        return false;
    return p.Empty() ? p.RankM() == p.FoundationBase(p.Index()) : InSuitByDirection(p);
}

// 131: tableau piles 0..3 give cards only once the piles that cover them are empty; the base
// rank with distinct suits in the group, then in suit by the foundation's direction.
bool ByDirectionFromUncoveredPiles(const Placement& p)
{
    bool covered = false;
    switch (p.FromTableauPile()) {
    case 0: covered = p.TableauHolds(2) || p.TableauHolds(6); break;
    case 1: covered = p.TableauHolds(5); break;
    case 2: covered = p.TableauHolds(6); break;
    case 3: covered = p.TableauHolds(7); break;
    default: break;
    }
    if (covered)
        return false;
    return p.FoundationHolds(p.Index()) ? InSuitByDirection(p) : BaseWithDistinctGroup(p);
}

// 132: an Ace, on foundations after the first only once the one before holds 13 cards; then up
// by one, any suit.
bool AceAfterPreviousComplete(const Placement& p)
{
    const int index = p.Index();
    if (p.FoundationHolds(index))
        return p.Up();
    return p.RankM() == Ace && (index == 0 || p.FoundationLength(index - 1) == 13);
}

// 135: foundation 0 rises in suit from an Ace laid while foundations 0..3 hold at most one card
// each; the others fall from a King in any suit but foundation 0's.
bool OneRisingOthersFalling(const Placement& p)
{
    if (p.Index() == 0) {
        if (p.FoundationHolds(0))
            return p.SameSuit() && p.Up();
        for (int f = 0; f <= 3; ++f)
            if (p.FoundationLength(f) > 1)
                return false;
        return p.RankM() == Ace && p.GroupSuitsDistinct(0);
    }
    if (p.FoundationHolds(0) && p.SuitM() == CardSuit(p.FoundationBottom(0)))
        return false;
    return p.FoundationHolds(p.Index()) ? p.Down() : p.RankM() == King;
}

// 140: Aces alternate in colour along the row of foundations; then up in suit to ten cards.
bool AlternatingAcesTenHigh(const Placement& p)
{
    const int index = p.Index();
    if (p.FoundationHolds(index))
        return p.FoundationLength(index) < 10 && p.SameSuit() && p.Up();
    if (p.RankM() != Ace)
        return false;
    int firstEmpty = 0;
    while (firstEmpty < index && p.FoundationHolds(firstEmpty))
        ++firstEmpty;
    return firstEmpty == 0 || IsRedCard(p.M()) != IsRedCard(p.FoundationBottom(firstEmpty - 1));
}

// 142: only from tableau pile IDX, or from anywhere while it is empty; an Ace to start, then up
// by one in suit.
bool UpInSuitFromOwnPile(const Placement& p)
{
    if (p.FromTableauPile() != p.Index() && p.TableauHolds(p.Index()))
        return false;
    return p.FoundationHolds(p.Index()) ? p.SameSuit() && p.Up() : p.RankM() == Ace;
}

// 144: reserves 0 and 1 wait for reserve 2; an Ace to start, then up by one in suit.
bool UpInSuitReserveTwoFirst(const Placement& p)
{
    if (p.FromReserves(0, 1) && p.ReserveHolds(2))
        return false;
    return p.FoundationHolds(p.Index()) ? p.SameSuit() && p.Up() : p.RankM() == Ace;
}

// 163: the discard pile of Aces Up: a tableau top card goes when another tableau pile shows a
// higher card of its suit on top, Aces ranking high.
bool OutrankedInSuit(const Placement& p)
{
    const int from = p.FromTableauPile();
    if (from < 0)
        return false;
    auto highRank = [](int card) { return CardRank(card) == Ace ? King + 1 : CardRank(card); };
    for (int t = 0; t < kMaxTableaus; ++t) { // a pile the game lacks reads as empty
        const int top = TopElement(p.Tableau(t));
        if (t != from && top > 0 && CardSuit(top) == p.SuitM() && highRank(top) > highRank(p.M()))
            return true;
    }
    return false;
}

// 178: rows of one suit in any order (Osmosis). The first row takes any card of its own suit;
// each row below opens, once the row above is started, with a card of the first row's starting
// rank, and then takes a card of its suit whose rank the row above already holds.
bool RowOfRanksShownAbove(const Placement& p)
{
    const int row = p.Index();
    if (row == 0)
        return !p.Empty() && p.SuitM() == CardSuit(p.FoundationBottom(0));
    if (!p.FoundationHolds(row - 1))
        return false;
    if (p.Empty())
        return p.RankM() == CardRank(p.FoundationBottom(0));
    if (p.SuitM() != CardSuit(p.FoundationBottom(row)))
        return false;
    for (const int card : PileCodes(p.Foundation(row - 1)))
        if (CardRank(card) == p.RankM())
            return true;
    return false;
}

// 174: a single pile from any card: the next card is one rank up in its suit, one rank down in
// the other suit of its colour, or of its rank in the other colour (Sticko).
bool UpInSuitDownInColourOrRankAcross(const Placement& p)
{
    if (p.Empty())
        return true;
    if (p.SameSuit())
        return p.Up();
    if (p.SameColour())
        return p.Down();
    return p.RankM() == p.RankT();
}

// 175: the place's own rank only, the colours alternating, each card of the suit that every
// other place shows at the same height (German Clock: all thirteen keep one order of suits).
bool OwnRankInCommonSuitOrder(const Placement& p)
{
    if (p.RankM() != p.FoundationBase(p.Index()))
        return false;
    const int height = p.FoundationLength(p.Index());
    if (height > 0 && !p.OtherColour())
        return false;
    for (int f = 0; f < kMaxFoundations; ++f) {
        const std::string& pile = p.Foundation(f);
        if (f != p.Index() && ElementCount(pile) > height && CardSuit(ElementAt(pile, height)) != p.SuitM())
            return false;
    }
    return true;
}

// 191: up regardless of suit from the base rank over the ranks the pack holds; every card but an
// Ace and the pack's highest rank only from tableau pile IDX (Amazons).
bool UpAnySuitFromOwnPile(const Placement& p)
{
    const bool fromAnyPile =
        p.RankM() == Ace || p.PackRankM() == stripped_pack::TopOrdinal(p.context().rules[rule::StrippedPack]);
    if (!fromAnyPile && p.FromTableauPile() != p.Index())
        return false;
    return p.Empty() ? p.RankM() == p.FoundationBase(p.Index()) : p.Up();
}

// 192: the cards of one suit in any order, the suit named by the base rank: 1 hearts, 2 diamonds,
// 3 clubs, 4 spades (Knockout's Clubs, Herz zu Herz's Hearts).
bool OneSuitAnyOrder(const Placement& p)
{
    return p.SuitM() == p.FoundationBase(p.Index()) - 1;
}

constexpr CodeEntry kFoundationCodes[] = {
    {29, UpThenDownInSuit},
    {36, DownAfterPreviousStarted},
    {37, DoubledRank},
    {41, TwoUpFromBase},
    {42, UpInSuitKingAfterPartner},
    {46, UpBesidePile<false, false>},
    {47, DownBesidePile<false, false>},
    {49, UpBesidePile<true, false>},
    {50, DownBesidePile<true, false>},
    {51, UpBesidePile<true, true>},
    {52, DownBesidePile<true, true>},
    {53, AfterFirstFoundation},
    {58, FedByOwnPile},
    {64, FedByOwnPile},
    {77, FourOfEachRank},
    {78, UpInSuitAnyAceOnKing},
    {79, LastCardFromOwnReserve},
    {82, StandardOnceStockAndWasteAreOut},
    {83, DownToOwnRank},
    {91, BySharedStep},
    {95, UpInSuitWithWrapFromAce},
    {96, InSuitWithDistinctGroup},
    {97, ByPartnerRank},
    {98, UpInSuitSevenOnAce},
    {99, UpInSuitFromFirstEightPiles},
    {102, InSuitSharedDirection},
    {104, UpInSuitToOwnRank},
    {106, TwoUpInSuitFromBase},
    {109, UpInSuitUncovered},
    {110, AceSevenThenUpFromOwnPile},
    {111, ByDirectionNotFromOuterPiles},
    {114, FedByTwoBanks},
    {117, UpFromPyramid},
    {118, OneAfterAnother},
    {120, KingOfPartnerSuit},
    {123, BaseRankAlternating},
    {124, AroundTheMiddleFoundation},
    {125, InSuitAlsoUpward},
    {127, TwoRoundsInSuit},
    {131, ByDirectionFromUncoveredPiles},
    {building::InSuitFromColumnEnds, InSuitByDirectionFromColumnEnds},
    {building::InSuitBetweenPlacingRounds, InSuitBetweenPlacingRounds},
    {132, AceAfterPreviousComplete},
    {135, OneRisingOthersFalling},
    {140, AlternatingAcesTenHigh},
    {142, UpInSuitFromOwnPile},
    {163, OutrankedInSuit},
    {174, UpInSuitDownInColourOrRankAcross},
    {175, OwnRankInCommonSuitOrder},
    {144, UpInSuitReserveTwoFirst},
    {178, RowOfRanksShownAbove},
    {building::UpInSuitBesideAGap, UpInSuitBesideAGap},
    {building::FromBaseInRounds, FromBaseInRounds},
    {building::InSuitFedByOwnHalf, InSuitFedByOwnHalf},
    {building::InSuitFedByOwnPileWhileStockLasts, InSuitFedByOwnPileWhileStockLasts},
    {building::DiamondsRoundTheCorner, DiamondsRoundTheCorner},
    {building::UpAnySuitFromOwnPile, UpAnySuitFromOwnPile},
    {building::OneSuitAnyOrder, OneSuitAnyOrder},
    {building::BegunOverHeadedColumn, BegunOverHeadedColumn<false>},
    {building::BegunInHeadsSuit, BegunOverHeadedColumn<true>},
};

} // namespace

std::span<const CodeEntry> FoundationBuildingCodes() { return kFoundationCodes; }

} // namespace marlowe
