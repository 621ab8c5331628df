#pragma once
// The move finder behind "Show a legal move" (and a demonstration game): one legal move of a
// card, chosen for the progress it makes.

#include "engine/drop_resolution.h"

#include <optional>
#include <vector>

namespace marlowe {

// The progress bands of a move, best first.
enum class MoveBand {
    ToFoundation,   // also a card that joins the settled run at the left end of a row of cells
    Uncovers,       // shows a face-down card, or a card the foundations take
    EmptiesPile,
    BringsIntoPlay, // a waste or reserve card joins the tableau
    TableauShift,
    ToSideline,     // onto a reserve or the waste
    Pointless,
};

struct FoundMove {
    int card = 0;              // the card to move (the bottom of a run)
    DropCandidate destination;
    int cards = 1;             // how many cards move
    MoveBand band = MoveBand::Pointless;
};

// The band of moving card (with the cards on it) from pile to the destination.
MoveBand BandOfMove(GameContext& context, PileRef pile, int card, const DropCandidate& destination);

// Tries every movable card (reserve and waste tops, tableau tops and the runs that may be
// picked) against the destinations in the automatic order and keeps the best by these bands:
// a foundation move; a move that uncovers a face-down card or a card the foundations take; a
// move that empties a tableau pile; a waste or reserve card brought to the tableau; other
// tableau moves; moves to a reserve or the waste. Moves that change nothing of substance are
// never offered: a whole pile onto an empty pile, a run that already lies in sequence on the
// card under it (and could be picked with it) carried to a like place, a card from one reserve
// to another. Ties go to the
// first found, so the answer is deterministic. Nothing when no card can move. The table is
// looked at with cards lifted temporarily and is left exactly as it was.
std::optional<FoundMove> FindLegalMove(GameContext& context);

// In a game whose tableau rows are made of cells (TableauCellsArePlaces): every move of a card
// into a gap cell that takes it, in the order of the cards and the cells, each with its band. A
// card that joins the settled run of its row's left end makes progress as a foundation move
// does; a card taken out of a settled run is pointless; any other is a tableau shift. Empty for
// other games.
std::vector<FoundMove> CellMoves(GameContext& context);

} // namespace marlowe
