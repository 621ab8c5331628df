// The card model of rows of cells (Gaps): every row keeps its cells, a gap is a byte 0 in its
// place, a card moves alone into the gap its left neighbour lets it into, and the redeal keeps
// each row's run from a 2 and deals the rest back, mixed as the engine mixes them.

#include "engine/card_model_rows.h"

#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/card_model.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/game_redeals.h"
#include "engine/pile_text.h"
#include "engine/table.h"

#include <algorithm>
#include <bit>

namespace marlowe {

bool RowsOfCellsModelled(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    const SpecialTraits& traits = SpecialTraitsOf(rules);
    // Gaps' deal, or rows opened at the left (Blue Moon, Spaces and Aces).
    if (!TableauCellsArePlaces(context) || !deal_family::SetsRowsInPlace(rules[rule::DealFamily]) || rules[rule::TableauPickRule] != 1 ||
        context.FoundationCount() != 0 || context.ReserveCount() != 0 || context.mainGame.BlockedCard != 0 ||
        traits.countsStockTurns || traits.idleStock || rules[rule::EmptyTableauFill] != 0 ||
        rules.Of(rule::TableauBuildCode, 0) == building::InSuitBesideEitherNeighbour)
        return false; // the model fills a gap from its left neighbour only
    // The redeal's cards must fill the rows exactly: one gap per row after the kept run.
    const int groups = rules[rule::StockGroupCount];
    const int rows = std::clamp(context.TableauCount(), 0, kMaxTableaus);
    int gaps = 0;
    for (int k = 0; k < rows; ++k) {
        const std::string& row = context.piles.tableaus[static_cast<std::size_t>(k)];
        if ((groups > 0 && ElementCount(row) != rules.Of(rule::TableauCardCount, k)) || ElementCount(row) != rules[rule::MaxTableauCards] ||
            rules.Of(rule::TableauDealMode, k) != deal_mode::None)
            return false;
        for (const int code : PileCodes(row)) {
            gaps += code == 0 ? 1 : 0;
            if (code > 0 && context.cards.IsFaceDown(code))
                return false;
        }
    }
    if (rows == 0 || gaps != rows || !context.piles.Stock().empty() || !context.piles.Waste().empty())
        return false;
    return (groups == 0 && rules[rule::RedealStyle] == 0) ||
           (groups == 1 && rules[rule::RedealStyle] == redeal::RowsKeepRunFromTwo);
}

int CardModel::PileOfSlot(const ModelPosition& p, int slot) const
{
    int pile = 0;
    while (p.end[static_cast<std::size_t>(pile)] <= slot)
        ++pile;
    return pile;
}

// Each gap takes the cards its left neighbour lets in (the row's start rule at the left end);
// a gap after a gap takes nothing. The redeal is a move of its own while redeals last.
void CardModel::AddCellMoves(const ModelPosition& p, std::vector<ModelMove>& moves) const
{
    std::array<int, 256> slotOf{};
    for (int slot = 0; slot < cardCount_; ++slot)
        slotOf[p.cards[static_cast<std::size_t>(slot)]] = slot;
    for (int row = firstTableau_; row < endTableau_; ++row) {
        const int begin = Begin(p, row);
        const auto masks = acceptMask_.begin() + piles_[static_cast<std::size_t>(row)].rulesClass * (maxCode_ + 1);
        for (int gap = begin; gap < p.end[static_cast<std::size_t>(row)]; ++gap) {
            if (p.cards[static_cast<std::size_t>(gap)] != 0)
                continue;
            const int left = gap == begin ? 0 : p.cards[static_cast<std::size_t>(gap - 1)];
            if (gap != begin && left == 0)
                continue;
            const CardMask& takes = masks[left];
            for (std::size_t word = 0; word < takes.size(); ++word)
                for (std::uint64_t bits = takes[word]; bits != 0; bits &= bits - 1) {
                    const int card = static_cast<int>(word * 64) + std::countr_zero(bits) + 1;
                    if (card <= maxCode_ && p.cards[static_cast<std::size_t>(slotOf[static_cast<std::size_t>(card)])] == card)
                        moves.push_back({ModelMove::Kind::Cell, static_cast<std::uint8_t>(slotOf[static_cast<std::size_t>(card)]),
                                         static_cast<std::uint8_t>(gap), 1});
                }
        }
    }
    if (stock_ >= 0 && (passes_ == -1 || p.redeals < passes_))
        moves.push_back({ModelMove::Kind::Stock, static_cast<std::uint8_t>(stock_), static_cast<std::uint8_t>(stock_), 1});
}

PileSet CardModel::ApplyCellMove(ModelPosition& p, const ModelMove& move) const
{
    p.cards[move.to] = p.cards[move.from];
    p.cards[move.from] = 0;
    return PileBit(PileOfSlot(p, move.from)) | PileBit(PileOfSlot(p, move.to));
}

int CardModel::SettledLength(const ModelPosition& p, int row) const
{
    const int begin = Begin(p, row);
    const int size = Size(p, row);
    const auto card = [&](int at) { return static_cast<std::size_t>(p.cards[static_cast<std::size_t>(begin + at)]); };
    if (size == 0 || card(0) == 0 || rank_[card(0)] != rowStartRank_)
        return 0;
    int length = 1;
    while (length < size && card(length) != 0 && suit_[card(length)] == suit_[card(length - 1)] &&
           rank_[card(length)] == rank_[card(length - 1)] + 1)
        ++length;
    return length;
}

// Every row keeps its settled run; the other cards, gathered row by row from the left, are
// mixed and dealt back into the rows after one gap each.
PileSet CardModel::RedealRows(ModelPosition& p) const
{
    std::vector<int> gathered;
    std::array<int, kModelPileSlots> kept{};
    for (int row = firstTableau_; row < endTableau_; ++row) {
        kept[static_cast<std::size_t>(row)] = SettledLength(p, row);
        for (int at = Begin(p, row) + kept[static_cast<std::size_t>(row)]; at < p.end[static_cast<std::size_t>(row)]; ++at)
            if (p.cards[static_cast<std::size_t>(at)] != 0)
                gathered.push_back(p.cards[static_cast<std::size_t>(at)]);
    }
    const std::vector<int> dealing = MixGathered(std::move(gathered));
    std::size_t next = 0;
    PileSet changed = 0;
    for (int row = firstTableau_; row < endTableau_; ++row) {
        const int gap = Begin(p, row) + kept[static_cast<std::size_t>(row)];
        for (int at = gap; at < p.end[static_cast<std::size_t>(row)]; ++at)
            p.cards[static_cast<std::size_t>(at)] = at == gap || next >= dealing.size() ? 0 : static_cast<std::uint8_t>(dealing[next++]);
        changed |= PileBit(row);
    }
    ++p.redeals;
    return changed;
}

// Every row runs from its starting rank to the King in one suit, with only gaps after it.
bool CardModel::RowsWon(const ModelPosition& p) const
{
    for (int row = firstTableau_; row < endTableau_; ++row) {
        const int settled = SettledLength(p, row);
        if (settled != King - rowStartRank_ + 1)
            return false;
        for (int at = Begin(p, row) + settled; at < p.end[static_cast<std::size_t>(row)]; ++at)
            if (p.cards[static_cast<std::size_t>(at)] != 0)
                return false;
    }
    return true;
}

// The cards outside the settled runs, the gaps no card can fill (after a King or another gap),
// and the neighbours that are not one up in suit.
int CardModel::RowsDistance(const ModelPosition& p, const DistanceWeights& w) const
{
    int unsettled = 0;
    int deadGaps = 0;
    int disorder = 0;
    for (int row = firstTableau_; row < endTableau_; ++row) {
        const int begin = Begin(p, row);
        const int end = p.end[static_cast<std::size_t>(row)];
        unsettled += end - begin - 1 - SettledLength(p, row);
        for (int at = begin + 1; at < end; ++at) {
            const int left = p.cards[static_cast<std::size_t>(at - 1)];
            const int card = p.cards[static_cast<std::size_t>(at)];
            if (card == 0)
                deadGaps += left == 0 || rank_[static_cast<std::size_t>(left)] == King ? 1 : 0;
            else
                disorder += left == 0 || suit_[static_cast<std::size_t>(left)] != suit_[static_cast<std::size_t>(card)] ||
                                    rank_[static_cast<std::size_t>(card)] != rank_[static_cast<std::size_t>(left)] + 1
                                ? 1
                                : 0;
        }
    }
    return w.off * unsettled + w.blocking * deadGaps + w.disorder * disorder;
}

} // namespace marlowe
