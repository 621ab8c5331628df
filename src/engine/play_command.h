#pragma once
// A command line of the play protocol read into the command and its arguments, or the answer
// that says what is wrong with it. The answer quotes at most the first 80 characters of the
// line with its control bytes escaped, so that whatever comes in, one short printable line
// goes out.

#include "engine/pile_store.h"

#include <string>
#include <string_view>

namespace marlowe {

enum class Command { State, Drop, Stock, Click, DoubleClick, RightClick, Press, Undo, Redo, Autoplay, Hint };

struct PlayCommand {
    Command command = Command::State;
    int card = 0;                                 // drop, click, dblclick, rclick
    PileCell target{{PileGroup::StockGroup, 0}};  // drop's pile or cell, press's and hint's pile
    bool on = false;                              // autoplay
};

// The command, or error holds the answer "error: WHAT: 'LINE'", WHAT one of "unknown command",
// "missing card code" (or pile name, or on or off), "too many arguments", "not a card code",
// "card code out of range 1-212", "unknown pile", "pile P has no cells", "not a cell number",
// "autoplay is on or off". A cell may be named only when tableauCellsArePlaces.
struct ReadCommand {
    PlayCommand command;
    std::string error;
};
ReadCommand ReadPlayCommand(std::string_view line, bool tableauCellsArePlaces);

} // namespace marlowe
