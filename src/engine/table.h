#pragma once
// The primitive operations on the table of a game context: reading top cards, adding and
// removing cards, taking runs, locating a card, and the shadow copy of the piles.

#include "engine/game_context.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// How RemoveCardFromSlot treats the card it finds.
enum class RemoveMode {
    Find = 0,         // only look
    Delete = 1,       // the pile closes up
    LeaveGap = 2,     // the card's place becomes "000"
    DeleteWithGap = 3 // delete it, then a gap just below it (or now at the bottom) too
};

// Where a card lies: -99 stock, -98 waste, -1..-16 foundation 1..16, 1..40 tableau pile
// 1..40, -21..-32 reserve 1..12, 0 nowhere (the secondary waste is not searched).
using CardLocation = int;
constexpr CardLocation kInStock = -99;
constexpr CardLocation kInWaste = -98;
constexpr CardLocation kNowhere = 0;
constexpr bool IsReserveLocation(CardLocation location) { return location >= -32 && location <= -21; }

// The top card of a named pile; 0 when it is empty, ends in a gap, is the secondary waste or
// is not a pile.
int TopCard(const GameContext& context, std::string_view pileName);
// Appends a card to a named pile (not the stock or the secondary waste), with its face mark
// when one is given.
void AddCardToNamedPile(GameContext& context, std::string_view pileName, int code,
                        std::optional<char> mark = std::nullopt);
// Appends a card to a pile given by list and slot; the mark is set for real cards only.
void AddCardToPile(GameContext& context, PileRef pile, int code, std::optional<char> mark = std::nullopt);
// Finds the lowest element of the pile equal to code and treats it by mode.
bool RemoveCardFromSlot(GameContext& context, PileRef pile, int code, RemoveMode mode);
// Removes the card from the first pile that holds it: waste, tableaus, foundations, stock,
// secondary waste, reserves. The kind of that pile, or PileKind::None.
PileKind RemoveCardFromTable(GameContext& context, int code, RemoveMode mode);
// The elements from the card to the top of its tableau pile or reserve, bottom first, as
// three-character texts; cut from the pile when cut is true. Empty when no such pile holds it.
std::vector<std::string> TakeRunFrom(GameContext& context, int code, bool cut);
void CutRunFrom(GameContext& context, int code);
bool IsTopOfAnyTableau(const GameContext& context, int code);
CardLocation LocateCard(const GameContext& context, int code);
// The pile a location names; nothing for kNowhere.
std::optional<PileRef> PileOfLocation(CardLocation location);
// The pile that holds the card now, if any (the secondary waste is not searched).
std::optional<PileRef> PileHolding(const GameContext& context, int card);
// The number of elements of a pile.
int PileLength(const GameContext& context, PileRef pile);
// Tableau rows whose cells are places of their own (TableauStyle 9): a card is picked and
// moved alone, a drop lands in one cell, and a card taken out leaves a gap in its cell.
bool TableauCellsArePlaces(const GameContext& context);
// Whether a reserve card is played alone from anywhere in its fan, leaving the cards on it.
bool ReserveCardsMoveAlone(const GameContext& context);

// Empties every pile and the undo history when clearPiles is true; in every case the redo
// history is emptied and the game is no longer in progress.
void ClearTable(GameContext& context, bool clearPiles);
void SaveToShadow(GameContext& context);
void RestoreFromShadow(GameContext& context);
// Runs action on the table and puts the piles back exactly as they were.
void WithTemporaryPiles(GameContext& context, const std::function<void()>& action);

} // namespace marlowe
