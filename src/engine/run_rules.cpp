// Runs: whether the cards from a card to the top of its pile are in sequence for a destination,
// and whether the pick rule of the tableau lets them be picked together.

#include "engine/legality.h"

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/legality_support.h"
#include "engine/pile_text.h"
#include "engine/table.h"

#include <algorithm>
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

// The empty tableau piles a pick rule counts: a space that takes only Kings cannot carry a run
// of other cards, so the doubling rule leaves it out.
int SpacesCounted(const GameContext& context, int pickRule)
{
    if (pickRule != pick::ThroughCellsAndSpaces)
        return EmptyPiles(context, PileGroup::Tableaus);
    int spaces = 0;
    for (int slot = 0; slot < GamePileCount(context, PileGroup::Tableaus); ++slot)
        spaces += PileAt(context, PileGroup::Tableaus, slot).empty() && SpaceCarriesRuns(context.rules, slot) ? 1 : 0;
    return spaces;
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

std::optional<int> PickLimit(int pickRule, const PickRoom& room)
{
    switch (pickRule) {
    case pick::Any:
    case pick::SingleOrRunOnKing:
    case pick::SingleOrWholePile:
    case pick::SinglesWithDraw: return std::nullopt;
    case pick::ByEmptyPiles:
        if (room.emptyTableaus == 0)
            return room.emptyReserves + 1;
        return room.emptyReserves + room.emptyTableaus + (room.ontoEmptyTableau ? 0 : 1);
    case pick::ByEmptyPilesStrict:
        if (room.emptyTableaus == 0)
            return room.emptyReserves + 1;
        return room.emptyReserves + room.emptyTableaus;
    case pick::ThroughCellsAndSpaces: {
        // Each space holds a run as long as the cells alone let move; the pile the run goes to
        // is not one of them.
        const int spaces = std::max(0, room.emptyTableaus - (room.ontoEmptyTableau ? 1 : 0));
        return (room.emptyReserves + 1) << std::min(spaces, 20);
    }
    default:
        if (pickRule >= 0)
            return pickRule;
        return room.emptyTableaus == 0 ? 1 : room.emptyTableaus;
    }
}

namespace {

// The cards a pick from card would take.
RunToPick RunFrom(const GameContext& context, int card, const std::optional<CardInPile>& where)
{
    // In a row of cells the cards to the right of a card are its neighbours, not on it.
    const bool alone = !where || (where->tableau >= 0 && TableauCellsArePlaces(context));
    return {alone ? 1 : where->RunLength(), CardRank(card) == King, where && where->at == 0};
}

PickRoom RoomFor(const GameContext& context, int pickRule, bool emptyTableauTarget)
{
    return {SpacesCounted(context, pickRule), EmptyPiles(context, PileGroup::Reserves), emptyTableauTarget};
}

} // namespace

bool PickRuleCountsTheTarget(int pickRule)
{
    return pickRule == pick::ByEmptyPiles || pickRule == pick::ThroughCellsAndSpaces;
}

bool SpaceCarriesRuns(const RuleVector& rules, int tableau)
{
    return rules.Of(rule::TableauBaseRank, tableau) == base_rank::AnyCard;
}

bool PickRuleAllows(int pickRule, const RunToPick& run, const PickRoom& room)
{
    switch (pickRule) {
    case pick::SingleOrRunOnKing: return run.onKing || run.count == 1;
    case pick::SingleOrWholePile: return run.count == 1 || run.wholePile;
    case pick::SinglesWithDraw: return run.count == 1;
    default: {
        const std::optional<int> limit = PickLimit(pickRule, room);
        return !limit || run.count <= *limit;
    }
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
    return PickRuleAllows(pickRule, RunFrom(context, card, where), RoomFor(context, pickRule, emptyTableauTarget));
}

std::optional<int> RunLengthRefused(const GameContext& context, int card, bool emptyTableauTarget)
{
    const int pickRule = context.rules[rule::TableauPickRule];
    if (pickRule == pick::SpecialTest || pickRule == pick::BorderedByGaps)
        return std::nullopt;
    const RunToPick run = RunFrom(context, card, FindCardInPile(context, card));
    const std::optional<int> most = PickLimit(pickRule, RoomFor(context, pickRule, emptyTableauTarget));
    if (most && run.count > *most)
        return most;
    return std::nullopt;
}

} // namespace marlowe
