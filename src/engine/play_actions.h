#pragma once
// The player's actions on the table, as the line protocol names them ("drop 12 Fila3", a drop
// into a cell "drop 12 Fila3:5", "stock", "click 7", "dblclick 7", "rclick 7", a click on a pile
// whatever it holds "press Mazzo_Waste"), carried out
// through the same pointer
// operations the window calls. The protocol, the solver and the tests share them, so an
// action list found by one replays unchanged through the others.

#include "engine/pile_store.h"

#include <string>

namespace marlowe {

class GameContext;

enum class ActionKind { Drop, Stock, Click, DoubleClick, RightClick, Press };

struct PlayAction {
    ActionKind kind = ActionKind::Stock;
    int card = 0;                                // the card pressed (none for the stock)
    PileRef target{PileGroup::Tableaus, 0};      // where a drop lands, the pile pressed
    int cell = -1;                               // in a row whose cells are places, the 0-based cell
    bool operator==(const PlayAction&) const = default;
};

// The action in the protocol's words.
std::string ActionText(const PlayAction& action);

// Carries out the action: a drop presses the card, drags it and releases it over the target
// alone; the stock is pressed and released; a click is a press and a release; a double click is
// a click, the double-click send and a second press and release. True when the table (piles,
// face marks, the game's counters, a selection game's selection) changed, which is the
// protocol's "ok"; false for "refused", also when the card lies on no pile.
bool PerformAction(GameContext& context, const PlayAction& action);

} // namespace marlowe
