#pragma once
// The status bar's description of the pile under the pointer: its kind, how many piles of that
// kind the game has, how many cards it holds, how it is built or what a click on it does, and
// the redeals. The window hit-tests the pointer (empty tableaus and reserves included), leaves
// the panels alone while the pointer is outside its client area, and draws the texts; the suit
// codes "[h]", "[d]", "[c]" and "[s]" of the hint stay text here and become pictures there.

#include "engine/pile_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

class GameContext;
class HintFile;

// The texts of status bar panels 0 to 4.
struct PileHintTexts {
    std::string kind;      // "Stock", "Waste", "Tableau", "Foundation" or "Reserve"
    std::string pileCount; // piles of that kind
    std::string cardCount; // "1 card", "12 cards"
    std::string hint;      // how the pile is built, or what a click on it does
    std::string redeals;   // "Unlimited redeals", "No redeal", "1/2 redeals"; "Place 12 more cards" in a round of placing
    bool operator==(const PileHintTexts&) const = default;
};

// The panel texts for the pile under the pointer, or for no pile. Without a pile, or while no
// game is in progress, kind, card count and hint are empty; while no game is in progress the
// redeals text is empty too. A text of the hint file for the current game and the pile (its own
// number first, then the entry for every pile of its kind) replaces the built-in hint.
PileHintTexts ComputePileHint(const GameContext& context, std::optional<PileRef> pile, const HintFile& hints);

// The building rule in words: "Build " + direction + suit phrase + " " + example, for the suit
// rule (the override instead when it is not -1) and the direction (1 up, 0 down, 2 up or down).
// Suit rule 4 gives "The top card is available for play to the foundations "; the game-specific
// building codes give " ".
std::string BuildRuleText(int suitRule, int direction, int override);

// One piece of a hint as the hint panel draws it: text, then the suit picture of a suit code.
struct HintPiece {
    std::string text;
    std::optional<int> suit; // 0 hearts, 1 diamonds, 2 clubs, 3 spades
    bool operator==(const HintPiece&) const = default;
};

// The hint cut at every "[": a known suit code becomes the piece's suit; any other "[" is dropped
// with the two characters after it.
std::vector<HintPiece> SplitHintText(std::string_view hint);

} // namespace marlowe
