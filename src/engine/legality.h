#pragma once
// Move legality: may this card (or the run it carries) be placed on that pile now? One
// predicate, IsLegalPlacement, holds the building rules; the pile-kind wrappers fetch the
// destination's parameters and add the checks of their kind. Nothing here changes the table.

#include "engine/game_context.h"

#include <optional>
#include <string_view>

namespace marlowe {

// The inputs of one placement question.
struct PlacementQuery {
    int top = -1;             // T: the destination's top card; -1 (play time) or 0 (deal time) when empty
    int moving = 0;           // M: the moving card, the bottom card of a moving run
    int base = -1;            // B: the destination's base rank (-1 for a reserve)
    int base0 = -1;           // B0: the base of foundation 0 (a foundation query passes its own)
    int direction = 1;        // DIR: 1 up, 0 down, 2 up or down
    int code = 0;             // TYPE: the destination's building code
    bool toFoundation = false;      // ISFOUND (also set by the reserve query)
    bool buildOnBaseRank = true;    // F8: a card of the foundation base rank may take cards
    int index = 0;            // IDX: the destination's 0-based index within its kind
    bool playTime = true;     // F10: false for deal-time moves and run checks
    int movingCount = 1;      // cards that move; a single-card move carries exactly one
};

// The decision: a card on itself, the tableau lock, then the standard rule (codes 0..3) or the
// special rule of the code, and last the start rule of empty foundations.
bool IsLegalPlacement(const GameContext& context, const PlacementQuery& query);

// The standard rule with the given building code. A special rule that hands over passes the
// verdict it held before; that value stands where the rank test reaches no verdict of its own.
bool StandardRule(const GameContext& context, const PlacementQuery& query, int code, bool prior = false);

// The pile-kind wrappers, for a card (the bottom of a run of movingCount cards). A foundation
// that takes whole sequences only refuses every single card.
bool CanPlayOnFoundation(const GameContext& context, int foundation, int card, int movingCount = 1);
// The cards the foundation holds when complete: its own full count, else the game's.
int FoundationCapacity(const GameContext& context, int foundation);
// Foundations whose base rank code marks them as taking complete sequences from the tableau.
bool TakesWholeSequencesOnly(const GameContext& context, int foundation);
// The foundation's building rules alone: whether the card may go onto it (the sequence removal
// asks this of a sequence's first card).
bool FoundationRuleAccepts(const GameContext& context, int foundation, int card);
// A tableau pile whose cells are places of its own (TableauCellsArePlaces) takes a card only
// into a cell, and only a card alone; a drop on the pile as a whole aims at the place just past
// its last cell.
bool CanPlayOnTableau(const GameContext& context, int tableau, int card, int movingCount = 1);
// Whether the card alone may go into cell (0-based) of tableau row: the cell must be a gap of
// the row, or the place just past its last cell while MaxTableauCards lets the row grow. The
// card on the cell's left stands where a pile's top card stands, so the row's building rules
// judge the card against it; at the row's left end the empty pile's rule (its base rank)
// decides, and a cell whose left neighbour is a gap stays closed.
bool CanPlayInTableauCell(const GameContext& context, int tableau, int cell, int card);
bool CanPlayOnReserve(const GameContext& context, int reserve, int card, int movingCount = 1);
// "Dest" + n, "Fila" + n, "Appogg" + n; false for any other name.
bool CanDropOnPile(const GameContext& context, int card, std::string_view pileName, int movingCount = 1);

// The run from card to the top of its pile, tested pair by pair with tableau pile k's rules
// as the run rule (RuleVector[2]) says.
bool IsRunMovable(const GameContext& context, int card, int tableau);
// Whether the run rule of the tableau (RuleVector[14]) lets the card be picked with the cards
// on it; emptyTableauTarget asks for a move onto an empty tableau pile.
bool RunRuleAllows(const GameContext& context, int card, bool emptyTableauTarget);
// When the pick rule refuses the run from card for its length alone: the most cards it lets move
// with the room there is; nullopt when the length is not what stops the run.
std::optional<int> RunLengthRefused(const GameContext& context, int card, bool emptyTableauTarget);
// The cards a pick would take, as the pick rules count them.
struct RunToPick {
    int count = 1;          // the card and the cards on it
    bool onKing = false;    // the card at the run's bottom is a King
    bool wholePile = false; // the run is its whole pile
};
// The empty piles that let longer runs move, and whether the run goes onto one of them. For the
// doubling rule the tableau piles counted are the spaces that carry runs.
struct PickRoom {
    int emptyTableaus = 0;
    int emptyReserves = 0;
    bool ontoEmptyTableau = false;
};
// The pick rules that count: whether the run may be picked with the room there is. The rules
// that look at the table itself (-15, -16) are RunRuleAllows's alone.
bool PickRuleAllows(int pickRule, const RunToPick& run, const PickRoom& room);
// The most cards a rule that counts the room lets move; nullopt for the rules that do not count.
std::optional<int> PickLimit(int pickRule, const PickRoom& room);
// Whether the rule allows fewer cards onto an empty tableau pile than onto a card, so that a
// drop onto an empty pile is tested again with the room that pile no longer gives.
bool PickRuleCountsTheTarget(int pickRule);
// Whether an empty tableau pile can hold part of a run on its way: it takes any card.
bool SpaceCarriesRuns(const RuleVector& rules, int tableau);
// A card at the open edge of its half-row of ten tableau piles, or of the reserves.
bool IsEdgeFree(const GameContext& context, int card);

// Supporting predicates shared with the special building codes.
bool FoundationStartBalance(const GameContext& context, int base, int moving);
bool NoWrapCheck(const GameContext& context, int top, int moving, int direction, int tableau);
bool DistinctSuitsInGroup(const GameContext& context, int f0, int f1, int f2, int slot, int moving, int f3);
bool AlternatingColourStart(const GameContext& context, int moving, int foundation);
bool SuitCountWithin(const GameContext& context, int moving, int n);
bool GridAdjacent(int a, int b, int width);
bool GridJump(const GameContext& context, int location, int tableau);

} // namespace marlowe
