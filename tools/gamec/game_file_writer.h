#pragma once
// Writes the game file: [Sect1] the catalogue, [Sect2] the rule matrix with one 11-character
// column per catalogue game, [SectS] the selection list.

#include "game_compiler.h"

#include <string>
#include <vector>

namespace marlowe::gamec {

std::vector<std::string> GameFileLines(const std::vector<CompiledGame>& games);

} // namespace marlowe::gamec
