#pragma once
// The games played in two phases (Camelot): cards turned from the stock one at a time are
// placed by hand until every tableau place holds a card; then sets may leave, as many as the
// player likes, until the next card is turned. Once the stock and the waste are out, sets may
// leave at any time. A removal phase under way is kept in the game's first counter, so that
// undo and saved games carry it with the table.

namespace marlowe {

class GameContext;

// Whether sets may leave the table now.
bool RemovalsOpen(const GameContext& context);
// A set has left: the removal phase goes on while the tableau empties.
void KeepRemovalsOpen(GameContext& context);
// The stock's click: its top card turns onto the empty waste while a tableau place is free, and
// the removal phase ends. False (and a note when a place must be emptied first) when nothing turned.
bool TurnIntoFreePlace(GameContext& context);
// How well the table keeps room for the courts still to come, for a search to try the better
// placings first: each pip lying in a place kept for a court costs one, and each court still in the
// stock or the waste beyond the free places kept for its rank costs ten.
int RoomForCourts(const GameContext& context);

} // namespace marlowe
