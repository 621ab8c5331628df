#pragma once
// The pack while it is dealt, and the small table writes the deal steps share. Used by the deal
// sources only.

#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/legality_support.h"
#include "engine/pile_text.h"
#include "engine/table.h"

#include <algorithm>
#include <vector>

namespace marlowe {

class RandomSource;

// The cards still to deal, the next card first. Every card taken leaves the pack. Asking an
// empty pack for a card gives kNoCard, which the deal steps skip.
class DealPack {
public:
    explicit DealPack(std::vector<int> codes) : codes_(std::move(codes)) {}

    bool empty() const { return codes_.empty(); }
    int size() const { return static_cast<int>(codes_.size()); }
    int operator[](int i) const { return codes_[static_cast<std::size_t>(i)]; }
    int First() const { return empty() ? kNoCard : codes_.front(); }
    int Last() const { return empty() ? kNoCard : codes_.back(); }
    const std::vector<int>& codes() const { return codes_; }
    std::vector<int>& codes() { return codes_; }

    int TakeFirst()
    {
        if (empty())
            return kNoCard;
        const int code = codes_.front();
        codes_.erase(codes_.begin());
        return code;
    }

    // The first card that satisfies test; kNoCard when none does.
    template <typename Test>
    int FirstWhere(Test test) const
    {
        const auto found = std::find_if(codes_.begin(), codes_.end(), test);
        return found == codes_.end() ? kNoCard : *found;
    }

    template <typename Test>
    int TakeFirstWhere(Test test)
    {
        const auto found = std::find_if(codes_.begin(), codes_.end(), test);
        if (found == codes_.end())
            return kNoCard;
        const int code = *found;
        codes_.erase(found);
        return code;
    }

    // Deletes the first entry equal to code; false when the pack does not hold it.
    bool Remove(int code)
    {
        return TakeFirstWhere([code](int c) { return c == code; }) != kNoCard;
    }

    template <typename Test>
    void RemoveWhere(Test test)
    {
        std::erase_if(codes_, test);
    }

private:
    std::vector<int> codes_;
};

// A code that names a card of the card table (a pack card or a joker).
inline bool IsCardCode(int code)
{
    return code >= 1 && code <= kLastJoker;
}

inline PileRef FoundationPile(int k) { return {PileGroup::Foundations, k}; }
inline PileRef TableauPile(int k) { return {PileGroup::Tableaus, k}; }
inline PileRef ReservePile(int k) { return {PileGroup::Reserves, k}; }
inline PileRef StockPile() { return {PileGroup::StockGroup, kStockSlot}; }
inline PileRef WastePile() { return {PileGroup::StockGroup, kWasteSlot}; }
inline PileRef SecondWastePile() { return {PileGroup::StockGroup, kSecondWasteSlot}; }

// Appends a card face up; a missing card (an empty pack) places nothing.
inline void PlaceFaceUp(GameContext& context, PileRef pile, int code)
{
    if (code != kNoCard)
        AddCardToPile(context, pile, code, '1');
}

// The pile then holds the card alone, face up.
inline void ReplacePileWith(GameContext& context, PileRef pile, int code)
{
    if (code == kNoCard)
        return;
    context.piles[pile].clear();
    PlaceFaceUp(context, pile, code);
}

// The deal counts the piles a game uses as move legality does.
using legality::GamePileCount;

// Reduces or reshapes the pack before anything is dealt (families 9, 11, 12, 14, 16, 21).
void FilterPackForDealFamily(const GameContext& context, DealPack& pack);
// The last step of a deal: what the game's deal family does with the dealt table.
void FinishDealFamily(GameContext& context, DealPack& pack, RandomSource& random);

} // namespace marlowe
