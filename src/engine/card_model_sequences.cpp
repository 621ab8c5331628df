// Complete sequences leaving the tableau: where the foundations take only whole runs, a run of
// thirteen that a move or a deal finishes on top of a tableau pile goes at once to the first
// empty foundation, as the engine moves it: card by card from the top, so that the card that
// lay on top lies at the foundation's bottom.

#include "engine/card_model.h"

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/post_move.h"

#include <algorithm>

namespace marlowe {

namespace {

constexpr int kSequenceLength = 13;

} // namespace

void CardModel::PrepareSequenceRemoval(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    sequenceFollowsOf_.assign(static_cast<std::size_t>(pileCount_), -1);
    const auto foundation =
        std::find_if(piles_.begin(), piles_.end(), [](const Pile& pile) { return pile.role == Role::Foundation; });
    sequenceKind_ = foundation == piles_.end() ? 0 : rules.Of(rule::FoundationBaseRank, foundation->ref.slot);
    sequenceFoundations_ = base_rank::TakesWholeSequences(sequenceKind_);
    if (!sequenceFoundations_)
        return;
    // Whether a card may lie under another in a sequence depends on the tableau's building code.
    const int codes = maxCode_ + 1;
    std::vector<int> buildCodes;
    for (int pile = 0; pile < pileCount_; ++pile) {
        if (piles_[static_cast<std::size_t>(pile)].role != Role::Tableau)
            continue;
        const int code = rules.Of(rule::TableauBuildCode, piles_[static_cast<std::size_t>(pile)].ref.slot);
        auto known = std::find(buildCodes.begin(), buildCodes.end(), code);
        if (known == buildCodes.end()) {
            std::vector<std::uint8_t> follows(static_cast<std::size_t>(codes * codes), 0);
            for (int above = 1; above < codes; ++above)
                for (int card = 1; card < codes; ++card)
                    follows[static_cast<std::size_t>(above * codes + card)] = FollowsInSequence(sequenceKind_, code, above, card) ? 1 : 0;
            sequenceFollows_.push_back(std::move(follows));
            known = buildCodes.insert(buildCodes.end(), code);
        }
        sequenceFollowsOf_[static_cast<std::size_t>(pile)] = static_cast<int>(known - buildCodes.begin());
    }
}

PileSet CardModel::RemoveCompleteSequence(ModelPosition& p, int pile) const
{
    if (!sequenceFoundations_ || Size(p, pile) < kSequenceLength)
        return 0;
    int target = -1;
    for (int f = 0; f < pileCount_ && target < 0; ++f)
        if (piles_[static_cast<std::size_t>(f)].role == Role::Foundation && Size(p, f) == 0)
            target = f;
    if (target < 0)
        return 0;
    const auto& follows = sequenceFollows_[static_cast<std::size_t>(sequenceFollowsOf_[static_cast<std::size_t>(pile)])];
    const bool anyStart = sequenceKind_ == base_rank::WholeSuitFromAnyRank;
    const int first = sequenceKind_ == base_rank::WholeSequences ? King : Ace;
    const int end = p.end[static_cast<std::size_t>(pile)];
    // From the top card down, each card under the one above it.
    for (int at = end - 1, above = 0; at >= end - kSequenceLength; --at) {
        const std::uint8_t byte = p.cards[static_cast<std::size_t>(at)];
        const int card = byte & ~kFaceDownBit;
        if ((byte & kFaceDownBit) != 0 ||
            (above == 0 ? !(anyStart || rank_[static_cast<std::size_t>(card)] == first)
                        : follows[static_cast<std::size_t>(above * (maxCode_ + 1) + card)] == 0))
            return 0;
        above = card;
    }
    // A sequence that must start at its rank must also suit the foundation it goes to.
    const int top = p.cards[static_cast<std::size_t>(end - 1)];
    if (!anyStart && sequenceKind_ != base_rank::WholeSequences && !AcceptsPair(piles_[static_cast<std::size_t>(target)].rulesClass, 0, top))
        return 0;
    Shift(p, pile, kSequenceLength, target);
    std::reverse(p.cards.begin() + Begin(p, target), p.cards.begin() + p.end[static_cast<std::size_t>(target)]);
    return PileBit(pile) | PileBit(target) | (autoTurnUp_ ? TurnUpTableauTops(p) : 0);
}

} // namespace marlowe
