// A game that lets the player do more than another, and nothing else: a deal it loses is
// lost in the other too. Searching it proves some deals lost sooner than the game itself.

#include "engine/card_model.h"

namespace marlowe {

std::optional<CardModel> CardModel::TurningOneCard() const
{
    if (waste_ < 0 || golf_ || rows_ || drawCount_ == 1 || !passesUnlimited_ || turnsOnEmptyWasteOnly_)
        return std::nullopt;
    CardModel relaxed = *this;
    relaxed.drawCount_ = 1;
    relaxed.parksJoin_ = relaxed.ParkedCardsWait();
    return relaxed;
}

} // namespace marlowe
