#include "engine/clock_turns.h"

#include "catalogue/rule_parameters.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

namespace marlowe {

namespace {

// Cards a tableau pile has given so far.
int TakenFrom(const GameContext& context, int tableau)
{
    const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(tableau)];
    return context.rules.Of(rule::TableauCardCount, tableau) - ElementCount(pile);
}

} // namespace

int ClockPileToTurn(const GameContext& context)
{
    const int centre = context.TableauCount() - 1;
    int named = centre;
    for (int pile = 0; pile < centre; ++pile) {
        const std::string& home = context.piles.foundations[static_cast<std::size_t>(pile)];
        if (ElementCount(home) > TakenFrom(context, pile))
            named = pile;
    }
    return context.piles.tableaus[static_cast<std::size_t>(named)].empty() ? -1 : named;
}

bool ClockTurn(GameContext& context, int tableau, int card)
{
    const PileRef pile{PileGroup::Tableaus, tableau};
    if (tableau != ClockPileToTurn(context) || TopElement(context.piles[pile]) != card)
        return false;
    context.cards.SetCardFaceMark(card, '1');
    const PileRef home{PileGroup::Foundations, CardRank(card) - 1};
    context.presentation().GlideCard(card, pile, home);
    return ExecuteMove(context, card, home);
}

} // namespace marlowe
