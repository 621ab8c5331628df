#include "engine/sets_of_four.h"

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/event_sounds.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

#include <vector>

namespace marlowe {

namespace {

constexpr int kSetSize = 4;
constexpr PileRef kDiscardPile{PileGroup::Foundations, 0};

const std::string& Tableau(const GameContext& context, int k)
{
    return context.piles.tableaus[static_cast<std::size_t>(k)];
}

bool FaceUpCard(const GameContext& context, int card)
{
    return card > 0 && !context.cards.IsFaceDown(card);
}

// Each card in turn, from where it lies to the discard pile, within the undo step of the move
// that made the set.
void Discard(GameContext& context, const std::vector<std::pair<int, int>>& cardsAndPiles)
{
    PlayEventSound(context, "Redeal", SoundSwitch::Redeal, true);
    for (const auto& [card, tableau] : cardsAndPiles) {
        context.presentation().GlideCard(card, {PileGroup::Tableaus, tableau}, kDiscardPile);
        if (ExecuteMove(context, card, kDiscardPile))
            DropLastSnapshots(context, 1);
    }
    StopSound(context);
}

// The four tops of one rank, one to a pile; empty when the tops do not make a set.
std::vector<std::pair<int, int>> EqualTops(const GameContext& context)
{
    std::vector<std::pair<int, int>> tops;
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        const int top = TopElement(Tableau(context, k));
        if (FaceUpCard(context, top) && (tops.empty() || CardRank(top) == CardRank(tops.front().first)))
            tops.emplace_back(top, k);
    }
    if (tops.size() != kSetSize)
        tops.clear();
    return tops;
}

// The top four cards of the pile when they are face up and of one rank; empty otherwise.
std::vector<std::pair<int, int>> FourOnTop(const GameContext& context, int tableau)
{
    const std::string& pile = Tableau(context, tableau);
    const int count = ElementCount(pile);
    std::vector<std::pair<int, int>> set;
    for (int i = count - 1; i >= 0 && i >= count - kSetSize; --i) {
        const int card = ElementAt(pile, i);
        if (!FaceUpCard(context, card) || CardRank(card) != CardRank(ElementAt(pile, count - 1)))
            return {};
        set.emplace_back(card, tableau);
    }
    return set.size() == kSetSize ? set : std::vector<std::pair<int, int>>{};
}

} // namespace

bool DiscardsFoursOfAKind(const GameContext& context)
{
    return context.FoundationCount() > 0 && context.rules.Of(rule::FoundationBaseRank, 0) == base_rank::FourOfAKind;
}

void DiscardSetsOfFour(GameContext& context)
{
    if (!DiscardsFoursOfAKind(context))
        return;
    for (bool found = true; found;) {
        found = false;
        if (const auto tops = EqualTops(context); !tops.empty()) {
            Discard(context, tops);
            found = true;
        }
        for (int k = 0; k < context.TableauPileCount() && !found; ++k)
            if (const auto set = FourOnTop(context, k); !set.empty()) {
                Discard(context, set);
                found = true;
            }
    }
}

} // namespace marlowe
