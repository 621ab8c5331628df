#pragma once
// The sentences of a rules page, section by section, and the small wording helpers the sections
// share. The help page assembly (rules_page.h) is the only user outside these files.

#include "catalogue/rule_vector.h"

#include <string>
#include <vector>

namespace marlowe::wording {

// The sections, each a list of sentences; empty when the section has nothing to say.
std::vector<std::string> CardsAndPiles(const RuleVector& rules);
std::vector<std::string> Deal(const RuleVector& rules);
std::vector<std::string> Building(const RuleVector& rules);
std::vector<std::string> Removing(const RuleVector& rules);
std::vector<std::string> Stock(const RuleVector& rules);
std::vector<std::string> Winning(const RuleVector& rules);
std::vector<std::string> Aids(const RuleVector& rules);
// The goal of a game won by a test of its own (HasOwnGoal); empty for the others.
std::string OwnGoal(const RuleVector& rules);

int Rule(const RuleVector& rules, int index);
// Whether the game has a stock to click.
bool HasStock(const RuleVector& rules);
int Of(const RuleVector& rules, int family, int pile);
std::vector<int> Values(const RuleVector& rules, int family, int count);
bool AllEqual(const std::vector<int>& values);

std::string Number(int n);                 // "four"; digits from 13 on
std::string Capitalised(std::string text);
std::string RankName(int rank);            // "Ace", "7", "King"
const char* SuitPhrase(int code);          // " in suit" for building codes 0..3
const char* DirectionWord(int direction);  // "up", "down", "up or down"
std::string ReservesName(const RuleVector& rules, int count); // "free cells" or "reserves"

// Games whose cards leave the table by clicks rather than by building: the selection games and
// the memory games.
bool RemovesByClicks(const RuleVector& rules);
// Games whose Aces leave gaps in rows that are put in order in place.
bool IsRowsWithGaps(const RuleVector& rules);
bool IsRingOfRows(const RuleVector& rules); // rows of cells read as one ring (Maze)
bool IsRowsOfNeighbours(const RuleVector& rules); // rows of cells whose gaps both neighbours fill

} // namespace marlowe::wording
