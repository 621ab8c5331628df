#pragma once
// Rounds of placing (Sly Fox): until the player first puts a card from the waste onto a tableau
// pile, the piles play to the foundations and their gaps are filled from the stock. That first
// card starts a round: one card for every pile must be put from the waste onto the piles (cards
// played from the waste to a foundation do not count) before a pile's card may go home again.
// After a round the piles play until the player places the next card, which starts the next
// round; once the stock and the waste are out, no round holds the piles back.
//
// The count lives in the first game counter, so undo, redo and saved games carry it: 0 before
// the first card is placed (fill rule 4 fills the gaps only then), afterwards the cards placed in
// the round under way, a full round counting one card per pile.

#include "engine/move_target.h"
#include "engine/table.h"

#include <cstdint>
#include <string>

namespace marlowe {

// Whether the game plays in rounds of placing.
bool PlaysInPlacingRounds(const GameContext& context);
// The cards still to be placed before the piles may play to the foundations; 0 when no round
// is under way.
int CardsLeftToPlace(const GameContext& context);
// Counts a card the player has put from the waste (from) onto a tableau pile, starting a round
// when none is under way. Other moves, and the automatic fills, leave the count alone.
void CountPlacedCard(GameContext& context, CardLocation from, Mover mover);
// The round under way set aside while the object lives, so that a search may ask what the
// foundations take from the piles as they will play once the round is over.
class RoundSetAside {
public:
    explicit RoundSetAside(GameContext& context);
    ~RoundSetAside();
    RoundSetAside(const RoundSetAside&) = delete;
    RoundSetAside& operator=(const RoundSetAside&) = delete;

private:
    GameContext& context_;
    std::int16_t placed_;
};

// What the status bar tells the player of the round: "Place 12 more cards", or "" outside a
// round.
std::string PlacingRoundText(const GameContext& context);

} // namespace marlowe
