#include "engine/clock_turns.h"

#include "catalogue/game_traits.h"
#include "catalogue/rule_parameters.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

namespace marlowe {

namespace {

// The pile that lent its top card when the game stuck, -1 for none. Kept in the game's first
// counter, so that undo and saved games carry it with the table.
int LendingPile(const GameContext& context)
{
    return context.mainGame.GameCounter1 - 1;
}

// Cards a tableau pile has given so far; the card a pile lent counts as the centre's, since play
// went on from the card's rank as after a card from the centre.
int TakenFrom(const GameContext& context, int tableau)
{
    const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(tableau)];
    return context.rules.Of(rule::TableauCardCount, tableau) - ElementCount(pile) -
           (tableau == LendingPile(context) ? 1 : 0);
}

// Whether tableau may lend its top card now: the game allows one loan, none was made, the pile
// named is empty, and this one holds cards.
bool MayLend(const GameContext& context, int tableau)
{
    return SpecialTraitsOf(context.rules).lendsOnceWhenStuck && LendingPile(context) < 0 &&
           ClockPileToTurn(context) < 0 && !context.piles.tableaus[static_cast<std::size_t>(tableau)].empty();
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
    if (TopElement(context.piles[pile]) != card)
        return false;
    const bool lends = tableau != ClockPileToTurn(context);
    if (lends && !MayLend(context, tableau))
        return false;
    context.cards.SetCardFaceMark(card, '1');
    const PileRef home{PileGroup::Foundations, CardRank(card) - 1};
    context.presentation().GlideCard(card, pile, home);
    if (!ExecuteMove(context, card, home))
        return false;
    if (lends)
        context.mainGame.GameCounter1 = static_cast<std::int16_t>(tableau + 1);
    return true;
}

} // namespace marlowe
