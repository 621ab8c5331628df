#pragma once
// Turns parsed game sources into the games of the game file: resolves derivations and checks
// every game (unique numbers and names, pile counts within the table, deals that the pack can
// fill, hints for piles the game has), reporting the first fault with its file and line.

#include "game_source.h"

#include "catalogue/rule_parameters.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace marlowe::gamec {

// A status bar hint by pile letter and pile number, as the hint file keys it.
using HintKey = std::pair<char, int>;

struct CompiledGame {
    int number = 0;
    std::string name;
    int family = 0;
    char catalogueClass = '0';
    bool wideScreen = false;
    char groupMark = '0';
    bool selected = false;
    std::array<std::int16_t, kRuleVectorSize> rules{};
    std::map<HintKey, std::string> hints; // a derived game inherits its parent's
};

// The games in number order; throws CompileError on the first fault.
std::vector<CompiledGame> CompileGames(const std::vector<GameSource>& sources);

} // namespace marlowe::gamec
