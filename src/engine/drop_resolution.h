#pragma once
// Drop resolution and the automatic target search: which pile receives a card that the player
// dropped, clicked, or that autoplay sends on. The window does the geometry (which piles lie
// under the dragged card, and by how much); the engine ranks those candidates, asks legality
// and carries out the first acceptable move through ExecuteMove.

#include "engine/game_context.h"
#include "engine/move_target.h"
#include "engine/table.h"

#include <bitset>
#include <optional>
#include <vector>

namespace marlowe {

// A pile the moving card may land on: its kind (foundation, tableau, reserve or waste), its
// 0-based index within that kind, and the area in pixels that the card's rectangle shares
// with the pile's rectangle.
struct DropCandidate {
    PileKind kind = PileKind::Foundation;
    int index = 0;
    int overlap = 0;
    int cell = -1; // a tableau row whose cells are places: the 0-based cell; -1 the pile as a whole
    bool operator==(const DropCandidate&) const = default;
};

// Foundations that the layout leaves without a place on the board; automatic moves never send
// cards there.
using FoundationSet = std::bitset<kMaxFoundations>;

// What an automatic target search may try, and for whom.
struct AutoMoveRequest {
    bool foundations = true;
    bool tableaus = false;
    bool reserves = false;
    bool waste = false;
    Mover mover = Mover::Player;
    FoundationSet unplacedFoundations;
};

// The message shown when a drop fails because the tableau is closed until the stock is empty.
inline constexpr const char* kTableauClosedMessage =
    "Building on the tableau is allowed only when the stock is empty.";

// The candidates of a drop: the four with the largest overlap (ties: the larger kind number,
// then the larger index) are tried, largest first; the first that accepts the card receives it
// (with the cards on it, from a tableau). While tableau 0 has building code 129 and the stock
// holds cards, tableau candidates are left out, and when that left the card without a pile
// the player is told why. The window builds the candidates: for tableau style 9 one per cell
// of every tableau row (with its cell), for style 8 none from the tableau. True when the card
// moved.
bool TryDestinations(GameContext& context, int card, std::vector<DropCandidate> candidates,
                     Mover mover = Mover::Player);

// The piles an automatic search tries, in order: foundations in index order
// (unplaced ones skipped; RuleVector[22]: 0 all, 1 only those holding cards, other values none;
// for autoplay none at all while every foundation is empty with base 92 or 93), non-empty
// tableau piles, empty tableau piles (in rows whose cells are places: the gap cells of each row,
// then the rows as a whole), reserves, the waste. Legality is not asked here.
std::vector<DropCandidate> AutoMoveDestinations(const GameContext& context, const AutoMoveRequest& request);
// Whether the pile accepts the card now, with every card that lies on it. The card's own pile
// never does.
bool AcceptsDrop(const GameContext& context, int card, const DropCandidate& destination);
// The first destination of the automatic order that accepts the card; nothing moves.
std::optional<DropCandidate> FindAutoMove(const GameContext& context, int card, const AutoMoveRequest& request);
// Carries the card to the first destination of the automatic order that accepts it, gliding
// it there when the animation preference allows. True when the card moved.
bool AutoMoveCard(GameContext& context, int card, const AutoMoveRequest& request);

// The pile a destination stands for (the waste for every kind of the stock group).
PileRef DestinationPile(const DropCandidate& destination);
// The pile and, in a row whose cells are places, the cell a destination stands for.
PileCell DestinationCell(const DropCandidate& destination);
// The number of cards that move with the card: itself and every card on it in a tableau pile or
// reserve; 1 elsewhere, and in a row whose cells are places.
int CarriedCount(const GameContext& context, int card);

} // namespace marlowe
