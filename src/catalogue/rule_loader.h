#pragma once
// Loading a game's rule parameters from the rule matrix of the game file ([Sect2]: one line
// per parameter index, one 10-character byte-shifted field per catalogue column) and from the
// rule record of a custom game.

#include "app/outcome.h"
#include "catalogue/rule_vector.h"

#include <array>
#include <string>

namespace marlowe {

class TMainGame;

// Loads the rules of game number into rules and takes the saved copy. A custom game starts
// from the column of the game it is based on and then applies its rule record. On failure
// rules is left unchanged and the message says what is wrong with which file.
Outcome LoadRules(const TMainGame& mainGame, int number, RuleVector& rules);

// The values of up to nine matrix rows (lines of [Sect2] counted from 1, which are parameter
// indices) in the column of game number; -99 for every row that is not read.
std::array<int, 9> ReadRuleCells(const TMainGame& mainGame, int number, const std::array<int, 9>& rows);

// Applies a custom game's rule record: draw count and passes, the tableau base ranks, the
// tableau and foundation directions and building codes.
void DecodeCustomRuleRecord(const std::string& record, RuleVector& rules);

} // namespace marlowe
