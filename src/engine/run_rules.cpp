// Runs: whether the cards from a card to the top of its pile are in sequence for a destination,
// and whether the pick rule of the tableau lets them be picked together.

#include "engine/legality.h"

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/legality_support.h"
#include "engine/pile_text.h"
#include "engine/table.h"

#include <optional>

namespace marlowe {

namespace {

using legality::GamePileCount;
using legality::PileAt;

// A card found in a tableau pile or a reserve: its pile and its element index from the bottom.
struct CardInPile {
    const std::string* pile;
    int at;
    int tableau; // the tableau pile's index, -1 for a reserve

    int RunLength() const { return ElementCount(*pile) - at; }
};

// Looks in the game's tableau piles, then its reserves.
std::optional<CardInPile> FindCardInPile(const GameContext& context, int card)
{
    if (card <= 0)
        return std::nullopt;
    for (auto group : {PileGroup::Tableaus, PileGroup::Reserves}) {
        for (int slot = 0; slot < GamePileCount(context, group); ++slot) {
            const std::string& pile = PileAt(context, group, slot);
            for (int at = 0; at < ElementCount(pile); ++at)
                if (ElementAt(pile, at) == card)
                    return CardInPile{&pile, at, group == PileGroup::Tableaus ? slot : -1};
        }
    }
    return std::nullopt;
}

// Each card of the run lies legally on the one below it, as if built on tableau pile k with
// the given building code (a check, not a move: F10 is off).
bool RunInSequence(const GameContext& context, const CardInPile& run, int tableau, int code)
{
    PlacementQuery query;
    query.base = context.rules.Of(rule::TableauBaseRank, tableau);
    query.base0 = context.rules.Of(rule::FoundationBaseRank, 0);
    query.direction = context.rules.Of(rule::TableauDirection, tableau);
    query.code = code;
    query.toFoundation = false;
    query.buildOnBaseRank = context.rules.Of(rule::TableauWrap, tableau) > 0;
    query.index = tableau;
    query.playTime = false;
    query.movingCount = 1;
    const int count = ElementCount(*run.pile);
    for (int at = run.at; at + 1 < count; ++at) {
        query.top = ElementAt(*run.pile, at);
        query.moving = ElementAt(*run.pile, at + 1);
        if (!IsLegalPlacement(context, query))
            return false;
    }
    return true;
}

// Pick rule -16: the card ends its pile, or only gaps lie on one side of it.
bool BorderedByGaps(const CardInPile& where)
{
    const int count = ElementCount(*where.pile);
    bool gapsBelow = true;
    for (int at = 0; at < where.at; ++at)
        gapsBelow = gapsBelow && ElementAt(*where.pile, at) == 0;
    bool gapsAbove = true;
    for (int at = where.at + 1; at < count; ++at)
        gapsAbove = gapsAbove && ElementAt(*where.pile, at) == 0;
    return gapsBelow || gapsAbove;
}

// Pick rule -15: a run in a tableau pile must be in sequence by that pile's own building
// code; elsewhere a card is picked alone.
bool SpecialRunTest(const GameContext& context, const std::optional<CardInPile>& where)
{
    if (!where || where->tableau < 0)
        return !where || where->RunLength() == 1;
    return RunInSequence(context, *where, where->tableau,
                         context.rules.Of(rule::TableauBuildCode, where->tableau));
}

// The cards from the found card to the top of its pile are all of one rank.
bool RunOfOneRank(const CardInPile& run)
{
    const int rank = CardRank(ElementAt(*run.pile, run.at));
    for (int at = run.at + 1; at < ElementCount(*run.pile); ++at)
        if (CardRank(ElementAt(*run.pile, at)) != rank)
            return false;
    return true;
}

int EmptyPiles(const GameContext& context, PileGroup group)
{
    int empty = 0;
    for (int slot = 0; slot < GamePileCount(context, group); ++slot)
        empty += PileAt(context, group, slot).empty() ? 1 : 0;
    return empty;
}

} // namespace

bool IsRunMovable(const GameContext& context, int card, int tableau)
{
    if (tableau < 0 || tableau >= kMaxTableaus)
        return false;
    int code = 0;
    if (context.rules[rule::RunRule] == run_rule::InSuitOrOneRank) {
        const auto where = FindCardInPile(context, card);
        return !where || RunOfOneRank(*where) || RunInSequence(context, *where, tableau, building::InSuit);
    }
    switch (context.rules[rule::RunRule]) {
    case run_rule::ByDestinationCode: code = context.rules.Of(rule::TableauBuildCode, tableau); break;
    case run_rule::InSuit: code = building::InSuit; break;
    case run_rule::SameColour: code = building::SameColour; break;
    default: return true;
    }
    const auto where = FindCardInPile(context, card);
    return !where || RunInSequence(context, *where, tableau, code);
}

bool PickRuleAllows(int pickRule, const RunToPick& run, const PickRoom& room)
{
    const int n = run.count;
    switch (pickRule) {
    case pick::Any: return true;
    case pick::SingleOrRunOnKing: return run.onKing || n == 1;
    case pick::SingleOrWholePile: return n == 1 || run.wholePile;
    case pick::SinglesWithDraw: return n == 1;
    case pick::ByEmptyPiles:
        if (room.emptyTableaus == 0)
            return n <= room.emptyReserves + 1;
        return n <= room.emptyReserves + room.emptyTableaus + (room.ontoEmptyTableau ? 0 : 1);
    case pick::ByEmptyPilesStrict:
        if (room.emptyTableaus == 0)
            return n <= room.emptyReserves + 1;
        return n <= room.emptyReserves + room.emptyTableaus;
    default:
        if (pickRule >= 0)
            return n <= pickRule;
        return n <= (room.emptyTableaus == 0 ? 1 : room.emptyTableaus);
    }
}

bool RunRuleAllows(const GameContext& context, int card, bool emptyTableauTarget)
{
    const auto where = FindCardInPile(context, card);
    const int pickRule = context.rules[rule::TableauPickRule];
    switch (pickRule) {
    case pick::SpecialTest: return SpecialRunTest(context, where);
    case pick::BorderedByGaps: return !where || BorderedByGaps(*where);
    default: break;
    }
    // In a row of cells the cards to the right of a card are its neighbours, not on it.
    const bool alone = !where || (where->tableau >= 0 && TableauCellsArePlaces(context));
    const RunToPick run{alone ? 1 : where->RunLength(), CardRank(card) == King, where && where->at == 0};
    const PickRoom room{EmptyPiles(context, PileGroup::Tableaus), EmptyPiles(context, PileGroup::Reserves),
                        emptyTableauTarget};
    return PickRuleAllows(pickRule, run, room);
}

} // namespace marlowe
