// Which cards a selection game lets the player select, and when a selection is a set.
//
// Rules of our own where the game data leave them open (the partial selections):
// - a sum game accepts a growing selection while its sum stays below the target;
// - codes 21, 22 and 70 are played on one row (Push Pin, Royal Marriage): one card, or two
//   neighbours, lying between two cards of the same suit or rank leave the row (22 never takes
//   the Queen and King of hearts, codes 12 and 13, which stay at the row's ends);
// - code 45 takes cards of one suit summing to the selection mode;
// - codes 105 and 106 take two top cards of one suit or rank lying one or three piles apart in
//   the row, and code 107 top cards of piles side by side, chosen one after another from a pile
//   next to those already chosen (Accordion, Bayan, Decade);
// - codes 23, 48 and 55 follow the general sum rule;
// - code 33 highlights one card at a time; code 57 takes two cards, which change places;
// - code 109 takes two pips of one suit summing to 11; a court chosen alone goes to its slot;
// - code 117 takes a 10 alone or two pips summing to 10, only in the removal phase;
// - "tableau cards" are the top cards of the tableaus (each card of a one-card grid), so a
//   covered card is never removed from under another.

#include "engine/selection.h"

#include "catalogue/game_traits.h"
#include "catalogue/pyramid_rows.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/court_slots.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"
#include "engine/placing_phases.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace marlowe {

namespace {

constexpr int kGridColumns = 5;

Special Game(const GameContext& context)
{
    return SpecialGameOf(context.rules);
}

bool IsCourt(int card)
{
    return CardRank(card) >= Jack && CardRank(card) <= King;
}

bool IsPip(int card, int highest = 10)
{
    return CardRank(card) >= Ace && CardRank(card) <= highest;
}

int RankSum(const std::vector<int>& cards)
{
    return std::accumulate(cards.begin(), cards.end(), 0, [](int sum, int card) { return sum + CardRank(card); });
}

bool AllDistinctRanks(const std::vector<int>& cards)
{
    for (std::size_t i = 0; i < cards.size(); ++i)
        for (std::size_t j = i + 1; j < cards.size(); ++j)
            if (CardRank(cards[i]) == CardRank(cards[j]))
                return false;
    return true;
}

SelectionVerdict SumVerdict(int sum, int target)
{
    if (sum == target)
        return SelectionVerdict::Complete;
    return sum < target ? SelectionVerdict::Partial : SelectionVerdict::Invalid;
}

// A pair judged by a test of the two cards; one card is a set under way.
template <typename PairTest>
SelectionVerdict PairVerdict(const std::vector<int>& cards, PairTest test)
{
    if (cards.size() == 1)
        return SelectionVerdict::Partial;
    return cards.size() == 2 && test(cards[0], cards[1]) ? SelectionVerdict::Complete : SelectionVerdict::Invalid;
}

// Two pips summing to target, or one card each of the court-like ranks [first, King].
SelectionVerdict PipsOrOneOfEachCourt(const std::vector<int>& cards, int target, int firstCourt, int pairs)
{
    const bool allCourts = std::all_of(cards.begin(), cards.end(), [&](int c) { return CardRank(c) >= firstCourt; });
    if (allCourts) {
        if (!AllDistinctRanks(cards))
            return SelectionVerdict::Invalid;
        return static_cast<int>(cards.size()) == King - firstCourt + 1 ? SelectionVerdict::Complete
                                                                       : SelectionVerdict::Partial;
    }
    if (!std::all_of(cards.begin(), cards.end(), [&](int c) { return CardRank(c) < firstCourt; }) ||
        static_cast<int>(cards.size()) > pairs)
        return SelectionVerdict::Invalid;
    const SelectionVerdict verdict = SumVerdict(RankSum(cards), target);
    if (verdict == SelectionVerdict::Partial && static_cast<int>(cards.size()) == pairs)
        return SelectionVerdict::Invalid;
    return verdict;
}

// Two pips summing to target, or two courts of one rank; the rank between (the 10s) never leaves.
SelectionVerdict PipsOrPairOfCourts(const std::vector<int>& cards, int target)
{
    if (IsCourt(cards.front()))
        return PairVerdict(cards, [](int a, int b) { return IsCourt(b) && CardRank(a) == CardRank(b); });
    if (!std::all_of(cards.begin(), cards.end(), [&](int c) { return IsPip(c, target - 1); }))
        return SelectionVerdict::Invalid;
    return PairVerdict(cards, [&](int a, int b) { return CardRank(a) + CardRank(b) == target; });
}

// Code 1 with a target of 10: two pips summing to 10, or four cards of one rank from 10 up.
SelectionVerdict TensOrFourOfAKind(const std::vector<int>& cards)
{
    const int rank = CardRank(cards.front());
    if (rank >= 10) {
        if (!std::all_of(cards.begin(), cards.end(), [&](int c) { return CardRank(c) == rank; }))
            return SelectionVerdict::Invalid;
        return cards.size() == 4 ? SelectionVerdict::Complete : SelectionVerdict::Partial;
    }
    if (cards.size() > 2 || !std::all_of(cards.begin(), cards.end(), [](int c) { return IsPip(c, 9); }))
        return SelectionVerdict::Invalid;
    if (cards.size() == 1)
        return SelectionVerdict::Partial;
    return RankSum(cards) == 10 ? SelectionVerdict::Complete : SelectionVerdict::Invalid;
}

// Code 18: an Ace alone, or one court with three pips from 2 to 10 summing to 18.
SelectionVerdict AceOrCourtWithEighteen(const std::vector<int>& cards)
{
    if (cards.size() == 1 && CardRank(cards[0]) == Ace)
        return SelectionVerdict::Complete;
    std::vector<int> pips;
    int courts = 0;
    for (const int card : cards) {
        if (CardRank(card) == Ace)
            return SelectionVerdict::Invalid;
        if (IsCourt(card))
            ++courts;
        else
            pips.push_back(card);
    }
    const int sum = RankSum(pips);
    if (courts > 1 || pips.size() > 3 || sum > 18 || (pips.size() == 3 && sum != 18))
        return SelectionVerdict::Invalid;
    return cards.size() == 4 ? SelectionVerdict::Complete : SelectionVerdict::Partial;
}

// Code 20: two cards or more whose values (courts 10) sum to 10, 20 or 30.
SelectionVerdict TenTwentyThirty(const std::vector<int>& cards)
{
    int sum = 0;
    for (const int card : cards)
        sum += std::min(CardRank(card), 10);
    if (cards.size() >= 2 && sum % 10 == 0 && sum <= 30)
        return SelectionVerdict::Complete;
    return sum < 30 ? SelectionVerdict::Partial : SelectionVerdict::Invalid;
}

// Code 41: one court and pips whose ranks sum to the court's rank.
SelectionVerdict CourtWithItsSum(const std::vector<int>& cards)
{
    int court = 0, courts = 0, pips = 0;
    for (const int card : cards) {
        if (IsCourt(card)) {
            court = CardRank(card);
            ++courts;
        } else {
            pips += CardRank(card);
        }
    }
    if (courts > 1 || pips > (court != 0 ? court : King))
        return SelectionVerdict::Invalid;
    return court != 0 && pips == court ? SelectionVerdict::Complete : SelectionVerdict::Partial;
}

// One card one rank above or below the secondary waste's top card, any suit; King and Ace touch
// where the game turns the corner, nothing goes on a King where it is dead, and jokers are wild
// where they are.
SelectionVerdict OneRankFromWasteTop(const GameContext& context, const std::vector<int>& cards)
{
    const int top = TopElement(context.piles.stockGroup[kSecondWasteSlot]);
    if (cards.size() != 1 || top <= 0 || (Game(context) == Special::OntoWasteDeadKing && CardRank(top) == King))
        return SelectionVerdict::Invalid;
    if (Game(context) == Special::OntoWasteJokersWild && (IsJoker(cards[0]) || IsJoker(top)))
        return SelectionVerdict::Complete;
    const int step = std::abs(CardRank(cards[0]) - CardRank(top));
    const bool fits = step == 1 || (step == 12 && SpecialTraitsOf(context.rules).golfWraps);
    return fits ? SelectionVerdict::Complete : SelectionVerdict::Invalid;
}

// The tableau (0-based) of a selected card; -1 elsewhere.
int TableauOf(const GameContext& context, int card)
{
    const auto home = HomeOfCard(context, card);
    return home && home->group == PileGroup::Tableaus ? home->slot : -1;
}

bool GridNeighbours(int a, int b)
{
    return a >= 0 && b >= 0 && a != b && std::abs(a / kGridColumns - b / kGridColumns) <= 1 &&
           std::abs(a % kGridColumns - b % kGridColumns) <= 1;
}

bool GridInLine(int a, int b)
{
    return a >= 0 && b >= 0 && a != b && (a / kGridColumns == b / kGridColumns || a % kGridColumns == b % kGridColumns);
}

// The 21-cell layout of code 75: rows of 3, 5, 5, 5 and 3 cells, and its columns.
bool LayoutInLine(int a, int b)
{
    static const std::vector<std::vector<int>> lines = {
        {0, 1, 2}, {3, 4, 5, 6, 7}, {8, 9, 10, 11, 12}, {13, 14, 15, 16, 17}, {18, 19, 20},
        {3, 8, 13}, {0, 4, 9, 14, 18}, {1, 5, 10, 15, 19}, {2, 6, 11, 16, 20}, {7, 12, 17},
    };
    if (a < 0 || b < 0 || a == b)
        return false;
    for (const auto& line : lines)
        if (std::find(line.begin(), line.end(), a) != line.end() && std::find(line.begin(), line.end(), b) != line.end())
            return true;
    return false;
}

bool SameRank(int a, int b)
{
    return CardRank(a) == CardRank(b);
}

bool SuitOrRankMatch(int a, int b)
{
    return CardSuit(a) == CardSuit(b) || SameRank(a, b);
}

// The row games: the cards at positions first..last of the row lie between two cards of the same
// suit or rank.
bool BetweenMatchingCards(const std::vector<int>& row, int first, int last)
{
    return first >= 1 && last + 1 < static_cast<int>(row.size()) &&
           SuitOrRankMatch(row[static_cast<std::size_t>(first - 1)], row[static_cast<std::size_t>(last + 1)]);
}

// One card, or two neighbours, of the row between matching cards. A card that may go alone
// leaves at once: its neighbour, if the two could have gone together, is then enclosed by the
// same matching cards and may follow, so nothing is lost.
SelectionVerdict RowSet(const GameContext& context, const std::vector<int>& cards)
{
    const std::vector<int> row = PileCodes(context.piles.tableaus[0]);
    std::vector<int> at;
    for (const int card : cards) {
        const auto found = std::find(row.begin(), row.end(), card);
        if (found == row.end())
            return SelectionVerdict::Invalid;
        at.push_back(static_cast<int>(found - row.begin()));
    }
    std::sort(at.begin(), at.end());
    if (at.size() == 2)
        return at[1] == at[0] + 1 && BetweenMatchingCards(row, at[0], at[1]) ? SelectionVerdict::Complete
                                                                           : SelectionVerdict::Invalid;
    if (at.size() != 1)
        return SelectionVerdict::Invalid;
    const int p = at[0];
    if (BetweenMatchingCards(row, p, p))
        return SelectionVerdict::Complete;
    const bool withNeighbour = BetweenMatchingCards(row, p - 1, p) || BetweenMatchingCards(row, p, p + 1);
    return withNeighbour ? SelectionVerdict::Partial : SelectionVerdict::Invalid;
}

// The tableaus of the selected cards lie side by side in the row, whatever order they were chosen in.
bool SideBySide(const GameContext& context, const std::vector<int>& cards)
{
    std::vector<int> at;
    for (const int card : cards)
        at.push_back(TableauOf(context, card));
    std::sort(at.begin(), at.end());
    return at.front() >= 0 && at.back() - at.front() + 1 == static_cast<int>(at.size());
}

// The general rule: cards summing to the selection mode (at most two for the pairing codes).
SelectionVerdict GeneralSum(const GameContext& context, const std::vector<int>& cards)
{
    const SpecialTraits& traits = SpecialTraitsOf(context.rules);
    const int target = context.rules[rule::SelectionMode];
    const bool pairsOnly = traits.pairsOnly;
    if (pairsOnly && cards.size() > 2)
        return SelectionVerdict::Invalid;
    if (traits.oneSuitSets && !std::all_of(cards.begin(), cards.end(), [&](int c) { return CardSuit(c) == CardSuit(cards[0]); }))
        return SelectionVerdict::Invalid;
    const SelectionVerdict verdict = SumVerdict(RankSum(cards), target);
    if (pairsOnly && cards.size() == 2 && verdict == SelectionVerdict::Partial)
        return SelectionVerdict::Invalid;
    return verdict;
}

bool IsTopCard(const GameContext& context, PileRef pile, int card)
{
    return card > 0 && TopElement(context.piles[pile]) == card;
}

int SecondCardFromTop(const std::string& pile)
{
    const int count = ElementCount(pile);
    return count >= 2 ? ElementAt(pile, count - 2) : 0;
}

bool FaceUpTableauTop(const GameContext& context, PileRef pile, int card)
{
    return pile.group == PileGroup::Tableaus && IsTopCard(context, pile, card) && !context.cards.IsFaceDown(card);
}

} // namespace

std::vector<int> SelectedCards(const GameContext& context)
{
    std::vector<int> cards;
    for (const int code : PileCodes(context.piles.foundations[0]))
        if (code > 0)
            cards.push_back(code);
    return cards;
}

std::optional<PileRef> HomeOfCard(const GameContext& context, int card)
{
    auto holds = [&](PileRef pile) {
        const std::vector<int> codes = PileCodes(context.piles[pile]);
        return std::find(codes.begin(), codes.end(), card) != codes.end();
    };
    for (int k = 0; k < std::min(context.TableauCount(), kMaxTableaus); ++k)
        if (holds({PileGroup::Tableaus, k}))
            return PileRef{PileGroup::Tableaus, k};
    for (int k = 0; k < std::min(context.ReserveCount(), kMaxReserves); ++k)
        if (holds({PileGroup::Reserves, k}))
            return PileRef{PileGroup::Reserves, k};
    for (const int slot : {kWasteSlot, kStockSlot})
        if (holds({PileGroup::StockGroup, slot}))
            return PileRef{PileGroup::StockGroup, slot};
    for (int f = 1; f < kMaxFoundations; ++f)
        if (holds({PileGroup::Foundations, f}))
            return PileRef{PileGroup::Foundations, f};
    return std::nullopt;
}

int PyramidCellIndex(const RuleVector& rules, int row, int index)
{
    const int peaks = rules.Of(rule::TableauCardCount, 0);
    const int width = row + 1; // the cards of one peak in this row
    const bool widening = peaks < rules.Of(rule::TableauCardCount, 1);
    if (peaks <= 1 || !widening || rules.Of(rule::TableauCardCount, row) != peaks * width)
        return index;
    return index / width * (std::clamp<int>(rules[rule::TableauCount], 1, kMaxTableaus) - 1) + index % width;
}

int PyramidHalfSteps(const RuleVector& rules, int row, int index)
{
    const int rows = std::clamp<int>(rules[rule::TableauCount], 1, kMaxTableaus);
    const bool widening = rules.Of(rule::TableauCardCount, 0) < rules.Of(rule::TableauCardCount, 1);
    return (widening ? rows - 1 - row : row) + 2 * PyramidCellIndex(rules, row, index);
}

bool PyramidCardFree(const GameContext& context, int card)
{
    const int rows = std::min(context.TableauCount(), kMaxTableaus);
    const auto& tableaus = context.piles.tableaus;
    int r = -1, i = -1;
    for (int k = rows - 1; k >= 0 && r < 0; --k) {
        const std::vector<int> row = PileCodes(tableaus[static_cast<std::size_t>(k)]);
        if (const auto at = std::find(row.begin(), row.end(), card); card > 0 && at != row.end()) {
            r = k;
            i = static_cast<int>(at - row.begin());
        }
    }
    if (r < 0)
        return false;
    bool lastRow = true;
    for (int k = r + 1; k < PyramidEndRow(context.rules, r); ++k)
        for (const int code : PileCodes(tableaus[static_cast<std::size_t>(k)]))
            lastRow = lastRow && code == 0;
    if (lastRow)
        return true;
    const std::string& next = tableaus[static_cast<std::size_t>(r + 1)];
    auto entry = [&](int j) { return j < 0 || j >= ElementCount(next) ? 0 : ElementAt(next, j); };
    if (Game(context) != Special::PyramidCovered) {
        // Covered by the cards of the next row that lie half a card to either side.
        const int place = PyramidHalfSteps(context.rules, r, i);
        for (int j = 0; j < ElementCount(next); ++j)
            if (entry(j) != 0 && std::abs(PyramidHalfSteps(context.rules, r + 1, j) - place) == 1)
                return false;
        return true;
    }
    // Code 67: a card covered by one card only may go with that card, chosen first.
    const int left = entry(i), right = entry(i + 1);
    const std::vector<int> selected = SelectedCards(context);
    bool free = left == 0 && right == 0;
    if (!free && (left == 0 || right == 0))
        free = !selected.empty() && selected.front() == (left != 0 ? left : right);
    if (free && selected.size() >= 2 && r > 0) {
        const std::string& above = tableaus[static_cast<std::size_t>(r - 1)];
        for (const int j : {i - 1, i})
            if (j >= 0 && j < ElementCount(above) && ElementAt(above, j) == selected[1])
                return false;
    }
    return free;
}

bool SelectableCard(const GameContext& context, PileRef pile, int card)
{
    if (card <= 0)
        return false;
    const Special special = Game(context);
    const bool waste = pile.group == PileGroup::StockGroup && pile.slot == kWasteSlot;
    if (SpecialTraitsOf(context.rules).rankNeighbourOntoWaste && context.rules[rule::TableauStyle] == pile_style::Row)
        return pile.group == PileGroup::Tableaus && !context.cards.IsFaceDown(card) && PyramidCardFree(context, card);
    switch (special) {
    case Special::PairsToFourteen:
    case Special::SumsWithReserves:
    case Special::PairsWithReserves:
        return (pile.group == PileGroup::Tableaus || pile.group == PileGroup::Reserves) && IsTopCard(context, pile, card);
    case Special::Pyramid:
    case Special::PyramidCovered:
    case Special::PyramidOnly:
    case Special::PyramidTwoWasteCards:
        if (waste && special == Special::PyramidTwoWasteCards)
            return IsTopCard(context, pile, card) || SecondCardFromTop(context.piles[pile]) == card;
        if (waste || pile.group == PileGroup::Reserves)
            return IsTopCard(context, pile, card); // the waste's top card, and the reserves' beside the pyramid
        return pile.group == PileGroup::Tableaus && !context.cards.IsFaceDown(card) && PyramidCardFree(context, card);
    case Special::PairsWithWaste:
    case Special::PairsWithWasteAlike: return (waste || pile.group == PileGroup::Tableaus) && IsTopCard(context, pile, card);
    case Special::RowBetweenMatches:
    case Special::RowBetweenMatchesScored:
    case Special::RoyalMarriageRow:
        if (special == Special::RoyalMarriageRow && (card % 52 == 12 || card % 52 == 13))
            return false;
        return pile == PileRef{PileGroup::Tableaus, 0} && !context.cards.IsFaceDown(card);
    case Special::CourtFrame: return RemovalsOpen(context) && IsPip(card) && FaceUpTableauTop(context, pile, card);
    case Special::CourtSums:
        if (pile.group == PileGroup::Foundations)
            return pile.slot > 0 && IsTopCard(context, pile, card);
        return FaceUpTableauTop(context, pile, card);
    default: return FaceUpTableauTop(context, pile, card);
    }
}

SelectionVerdict JudgeSelection(const GameContext& context, const std::vector<int>& selected)
{
    if (selected.empty())
        return SelectionVerdict::Partial;
    const Special special = Game(context);
    if (SpecialTraitsOf(context.rules).rankNeighbourOntoWaste)
        return OneRankFromWasteTop(context, selected);
    const int mode = context.rules[rule::SelectionMode];
    auto tableauOf = [&](int card) { return TableauOf(context, card); };
    switch (special) {
    case Special::TensOrFifteens:
        if (mode == 10)
            return TensOrFourOfAKind(selected);
        if (!std::all_of(selected.begin(), selected.end(), [](int c) { return IsPip(c); }))
            return SelectionVerdict::Invalid;
        return SumVerdict(RankSum(selected), mode);
    case Special::PairsToFourteen: return PairVerdict(selected, [](int a, int b) { return CardRank(a) + CardRank(b) == 14; });
    case Special::Pyramid:
    case Special::PyramidCovered:
    case Special::PyramidOnly:
    case Special::PyramidTwoWasteCards:
    case Special::TwentyOneCells:
        if (selected.size() == 1)
            return CardRank(selected[0]) == King ? SelectionVerdict::Complete : SelectionVerdict::Partial;
        return PairVerdict(selected, [&](int a, int b) {
            return CardRank(a) + CardRank(b) == 13 && (special != Special::TwentyOneCells || LayoutInLine(tableauOf(a), tableauOf(b)));
        });
    case Special::NeighbourPairs:
    case Special::NeighbourPairsByColumns:
        return PairVerdict(selected, [&](int a, int b) { return SameRank(a, b) && GridNeighbours(tableauOf(a), tableauOf(b)); });
    case Special::PairsWithWaste:
    case Special::PairsWithWasteAlike:
    case Special::TurnUpPairs: return PairVerdict(selected, SameRank);
    case Special::ElevensOrCourts:
    case Special::TurnUpElevens: return PipsOrOneOfEachCourt(selected, 11, Jack, 2);
    case Special::SuitElevensCourtSlots:
        if (selected.size() == 1 && IsCourt(selected[0]))
            return CourtSlotFor(context, selected[0]) >= 0 ? SelectionVerdict::Complete : SelectionVerdict::Invalid;
        return PairVerdict(selected, [](int a, int b) {
            return IsPip(a) && IsPip(b) && CardSuit(a) == CardSuit(b) && CardRank(a) + CardRank(b) == 11;
        });
    case Special::CourtFrame:
        if (selected.size() == 1 && CardRank(selected[0]) == 10)
            return SelectionVerdict::Complete;
        return PairVerdict(selected, [](int a, int b) { return CardRank(a) + CardRank(b) == 10; });
    case Special::AceOrEighteen: return AceOrCourtWithEighteen(selected);
    case Special::TensTwentiesThirties: return TenTwentyThirty(selected);
    case Special::NinesOrTenToKing:
        if (selected.size() == 1 && CardRank(selected[0]) == 9)
            return SelectionVerdict::Complete;
        return PipsOrOneOfEachCourt(selected, 9, 10, 2);
    case Special::HighlightOne: return selected.size() == 1 ? SelectionVerdict::Partial : SelectionVerdict::Invalid;
    case Special::CourtSums: return CourtWithItsSum(selected);
    case Special::GroupPairs:
        return PairVerdict(selected, [&](int a, int b) {
            const int ta = tableauOf(a), tb = tableauOf(b);
            return SameRank(a, b) && ta >= 0 && tb >= 0 && ta / 7 == tb / 7 && std::abs(ta - tb) == 2;
        });
    case Special::BottomSums: return PairVerdict(selected, [&](int a, int b) { return tableauOf(a) >= 0 && tableauOf(b) >= 0; });
    case Special::GridExchange:
    case Special::LineFourteens:
        return PairVerdict(selected, [&](int a, int b) {
            return CardRank(a) + CardRank(b) == 14 && GridInLine(tableauOf(a), tableauOf(b));
        });
    case Special::PairsAnywhere:
    case Special::PairsWithReserves: return PairVerdict(selected, SameRank);
    case Special::NeighbourThirteens:
        if (selected.size() == 1)
            return CardRank(selected[0]) == King ? SelectionVerdict::Complete : SelectionVerdict::Partial;
        return PairVerdict(selected, [&](int a, int b) {
            return CardRank(a) + CardRank(b) == 13 && GridNeighbours(tableauOf(a), tableauOf(b));
        });
    case Special::FifteensOrTenToKing: return PipsOrOneOfEachCourt(selected, 15, 10, 15);
    case Special::TensLeftAlone: return PipsOrPairOfCourts(selected, 10);
    case Special::ElevensJacksQueenKing:
        return PairVerdict(selected, [](int a, int b) {
            const int low = std::min(CardRank(a), CardRank(b)), high = std::max(CardRank(a), CardRank(b));
            return (high <= 10 && low + high == 11) || (low == Jack && high == Jack) ||
                   (low == Queen && high == King && CardSuit(a) != CardSuit(b));
        });
    case Special::RowBetweenMatches:
    case Special::RoyalMarriageRow:
    case Special::RowBetweenMatchesScored: return RowSet(context, selected);
    case Special::SuitPairs:
    case Special::SuitPairsDealtRows:
        return PairVerdict(selected, [](int a, int b) { return CardSuit(a) == CardSuit(b); });
    case Special::RowOntoMatch:
    case Special::RowMatchingPairs:
        return PairVerdict(selected, [&](int a, int b) {
            const int apart = std::abs(tableauOf(a) - tableauOf(b));
            return (apart == 1 || apart == 3) && SuitOrRankMatch(a, b);
        });
    case Special::RowRunsOfTens: return SideBySide(context, selected) ? TenTwentyThirty(selected) : SelectionVerdict::Invalid;
    default: return GeneralSum(context, selected);
    }
}

} // namespace marlowe
