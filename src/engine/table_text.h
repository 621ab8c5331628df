#pragma once
// The table as the command line prints it: one line per pile the game uses,
// NAME=snapshot text (three-digit code and face mark per card, "0000" a gap).

#include <ostream>

namespace marlowe {

class GameContext;

void PrintTable(const GameContext& context, std::ostream& out);

} // namespace marlowe
