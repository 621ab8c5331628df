#include "engine/post_move.h"

#include "app/register_settings.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/event_sounds.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

#include <algorithm>
#include <cstdlib>

namespace marlowe {

namespace {

constexpr int kSequenceLength = 13;

} // namespace

bool FollowsInSequence(int kind, int tableauCode, int above, int card)
{
    const int step = CardRank(card) - CardRank(above);
    switch (kind) {
    case base_rank::WholeSequencesFromAce:
        if (tableauCode == building::AlternateColours && IsRedCard(card) == IsRedCard(above))
            return false;
        if (tableauCode == building::InSuit && CardSuit(card) != CardSuit(above))
            return false;
        return step == 1;
    case base_rank::WholeSequencesFromAceToo:
    case base_rank::WholeSequencesTwo: return CardSuit(card) == CardSuit(above) && step == 1;
    case base_rank::WholeSequences: return CardSuit(card) == CardSuit(above) && step == -1;
    case base_rank::WholeSequencesThree: return IsRedCard(card) == IsRedCard(above) && step == 1;
    case base_rank::WholeSequencesFour: return std::abs(step) == 1 || std::abs(step) == 12;
    // Built down in suit round the corner: a King lies under an Ace.
    case base_rank::WholeSuitFromAnyRank: return CardSuit(card) == CardSuit(above) && (step == 1 || step == -12);
    default: return false;
    }
}

namespace {

// The number of cards of the complete sequence on top of the pile (0 when there is none).
int CompleteSequenceLength(const GameContext& context, const std::string& pile, int kind, int tableauCode)
{
    int length = 0;
    int above = 0;
    int expected = kind == base_rank::WholeSequences ? King : Ace;
    for (int i = ElementCount(pile) - 1; i >= 0; --i) {
        const int card = ElementAt(pile, i);
        if (card <= 0 || context.cards.IsFaceDown(card))
            break;
        const bool anyStart = kind == base_rank::WholeSequencesFour || kind == base_rank::WholeSuitFromAnyRank;
        const bool fits = length == 0 ? (anyStart || CardRank(card) == expected)
                                      : FollowsInSequence(kind, tableauCode, above, card);
        if (!fits)
            return 0;
        ++length;
        above = card;
        if (kind != base_rank::WholeSequencesFour && length == kSequenceLength)
            return length;
    }
    return kind == base_rank::WholeSequencesFour ? length : 0;
}

} // namespace

void RemoveCompleteSequence(GameContext& context, int tableau)
{
    if (tableau < 0 || tableau >= context.TableauCount())
        return;
    const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(tableau)];
    if (ElementCount(pile) <= 12)
        return;
    int target = -1;
    bool anySequenceFoundation = false;
    for (int f = 0; f < context.FoundationCount(); ++f) {
        if (!TakesWholeSequencesOnly(context, f))
            continue;
        anySequenceFoundation = true;
        if (context.piles.foundations[static_cast<std::size_t>(f)].empty()) {
            target = f;
            break;
        }
    }
    if (!anySequenceFoundation || target < 0)
        return;
    const int kind = context.rules.Of(rule::FoundationBaseRank, target);
    const int length =
        CompleteSequenceLength(context, pile, kind, context.rules.Of(rule::TableauBuildCode, tableau));
    if (length == 0)
        return;
    // A run that may start at any rank is its own test; the others' top card must suit the foundation.
    if (kind != 95 && kind != base_rank::WholeSuitFromAnyRank && !FoundationRuleAccepts(context, target, TopElement(pile)))
        return;

    PlayEventSound(context, "Redeal", SoundSwitch::Redeal, true);
    const PileRef destination{PileGroup::Foundations, target};
    for (int i = 0; i < length && i < kSequenceLength; ++i) {
        const int card = TopElement(context.piles.tableaus[static_cast<std::size_t>(tableau)]);
        context.presentation().GlideCard(card, {PileGroup::Tableaus, tableau}, destination);
        if (ExecuteMove(context, card, destination))
            DropLastSnapshots(context, 1);
    }
    StopSound(context);
}

void TurnUpExposedCards(GameContext& context)
{
    if (!TurnsExposedCardsFaceUp(context.registers) || context.rules[rule::AutoFaceUp] == 0)
        return;
    for (int k = 0; k < context.TableauCount(); ++k) {
        const int top = TopElement(context.piles.tableaus[static_cast<std::size_t>(k)]);
        if (top <= 0 || !context.cards.IsFaceDown(top))
            continue;
        context.cards.SetCardFaceMark(top, '1');
        if (ShowsCardShadows(context.registers))
            context.presentation().FlipCard(top, {PileGroup::Tableaus, k});
        PlayEventSound(context, "Face_up", SoundSwitch::FaceUp);
        context.presentation().DrawPile({PileGroup::Tableaus, k});
    }
}

bool ReserveTopTurnsUp(const RuleVector& rules, int reserve)
{
    return rules.Of(rule::ReserveFaceUp, reserve) >= 1 && rules.Of(rule::ReserveDealMode, reserve) == deal_mode::None;
}

void TurnUpReserveTops(GameContext& context)
{
    for (int r = 0; r < std::clamp(context.ReserveCount(), 0, kMaxReserves); ++r) {
        const int top = TopElement(context.piles.reserves[static_cast<std::size_t>(r)]);
        if (top <= 0 || !context.cards.IsFaceDown(top) || !ReserveTopTurnsUp(context.rules, r))
            continue;
        context.cards.SetCardFaceMark(top, '1');
        if (ShowsCardShadows(context.registers))
            context.presentation().FlipCard(top, {PileGroup::Reserves, r});
        context.presentation().DrawPile({PileGroup::Reserves, r});
    }
}

void CaptureJumpedCard(GameContext& context, CardLocation from, int tableau)
{
    const int width = context.rules[rule::GridColumns];
    if (width <= 0 || from < 1)
        return;
    const int s = from; // 1-based source
    const int d = tableau;
    int jumped = -1;
    if (s == d + 3 && d / width == (d + 2) / width)
        jumped = d + 1;
    else if (s == d - 1 && d >= 2 && d / width == (d - 2) / width)
        jumped = d - 1;
    else if (s == d - 2 * width + 1)
        jumped = d - width;
    else if (s == d + 2 * width + 1)
        jumped = d + width;
    if (jumped < 0 || jumped >= kMaxTableaus)
        return;
    const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(jumped)];
    if (pile.empty())
        return;
    const int card = ElementAt(pile, 0);
    const PileRef secondWaste{PileGroup::StockGroup, kSecondWasteSlot};
    context.presentation().GlideCard(card, {PileGroup::Tableaus, jumped}, secondWaste);
    if (ExecuteMove(context, card, secondWaste))
        DropLastSnapshots(context, 1);
}

void ExchangeOnTwoCardTableau(GameContext& context, int tableau, CardLocation from)
{
    std::string& pile = context.piles.tableaus[static_cast<std::size_t>(tableau)];
    if (ElementCount(pile) != 2 || from < 1 || from > kMaxTableaus)
        return;
    const int bottom = ElementAt(pile, 0);
    const int moved = ElementAt(pile, 1);
    if (CardRank(bottom) == context.rules.Of(rule::TableauBaseRank, tableau))
        return;
    context.presentation().Wait(100, false);
    const PileRef source{PileGroup::Tableaus, from - 1};
    context.presentation().GlideCard(bottom, {PileGroup::Tableaus, tableau}, source);
    context.piles[source] = CodeText(bottom);
    pile = CodeText(moved);
    context.presentation().DrawPile(source);
}

} // namespace marlowe
