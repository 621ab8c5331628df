#pragma once
// What a move does, as plain values: a card carried to a place on the table, or one of the
// table actions of the stock and of the selection games. They are cheap to make and to pass
// (no text, nothing on the heap), since the solver moves cards millions of times; pile names
// are read and written only where the table meets text (the play protocol, snapshots, files).

#include "engine/pile_store.h"

#include <variant>

namespace marlowe {

// Who makes a move: autoplay's foundation moves play a sound of their own, and its snapshots
// are tagged so that they undo together with the player's move before them.
enum class Mover { Player, Autoplay };

// Where a card goes: a pile or, in a tableau row whose cells are places, one cell of it. Of
// the stock group only the waste and the secondary waste take a card.
struct CardTarget {
    CardTarget(PileRef pile, Mover mover = Mover::Player) : pile(pile), mover(mover) {}
    CardTarget(PileCell place, Mover mover = Mover::Player) : pile(place.pile), cell(place.cell), mover(mover) {}

    PileRef pile;
    int cell = -1;
    Mover mover = Mover::Player;
};

// A click on the stock: cards turned onto the waste (a spent stock is first turned over from
// the waste while a pass is left) or onto the secondary waste, or only the game's own redeal.
// Any of them carries out the game's own redeal on an empty stock.
enum class StockTurn : unsigned char { ToWaste, ToSecondWaste, RedealOnly };

// A row dealt from the stock, a card a pile.
enum class RowDeal : unsigned char {
    Tableaus,       // every tableau, each by its deal mode
    TableausFaceUp, // every tableau face up, whatever its deal mode (the stock's last cards)
    EmptyTableaus,  // every empty tableau, within the undo step of the move before it
    Reserves,       // the reserves by their deal modes (fewer as the redeals of style 18 go by)
};

// One card from the stock onto one tableau or reserve, by the pile's deal mode.
struct DealOnto {
    PileRef pile;
};

// The steps that follow a complete set in the selection games.
enum class SelectionStep : unsigned char {
    RemoveSet,         // the selected cards leave for the secondary waste
    RemoveSetFaceDown, // and lie face down there
    RefillFromStock,   // the emptied tableaus are refilled, within the removal's undo step
    CloseUpAndRefill,  // the tableaus close up to the left and the gaps are refilled
    CloseUpAfterSet,   // the same within the removal's undo step
    StackPair,         // the right pile of the selected pair goes onto the left one
};

using TableAction = std::variant<StockTurn, RowDeal, DealOnto, SelectionStep>;

} // namespace marlowe
