#pragma once
// Shared by the deal tests: the pack orders of two deal numbers, a scripted random source and
// a fixture that deals a game set up by hand and reads the table back.

#include "engine/deal.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace marlowe::testing {

using Codes = std::vector<int>;

inline const Codes kDealZero{2,  43, 4,  20, 27, 45, 29, 6,  31, 36, 22, 47, 50, 12, 26, 25, 33, 15, 8,  17, 49, 11, 13, 19, 35, 40,
                             1,  42, 3,  44, 28, 5,  30, 46, 21, 10, 32, 24, 7,  23, 38, 52, 39, 14, 48, 16, 9,  18, 34, 51, 37, 41};
inline const Codes kDealOne{40, 4,  43, 39, 15, 6,  16, 45, 18, 35, 34, 7,  49, 11, 25, 24, 26, 27, 46, 30, 48, 10, 12, 32, 21, 2,
                            41, 3,  42, 5,  14, 44, 17, 13, 33, 9,  19, 23, 52, 22, 37, 38, 51, 28, 8,  29, 47, 31, 20, 50, 36, 1};

inline Codes Range(int first, int last)
{
    Codes codes(static_cast<std::size_t>(last - first + 1));
    std::iota(codes.begin(), codes.end(), first);
    return codes;
}

inline Codes Slice(const Codes& codes, std::size_t from, std::size_t to)
{
    return {codes.begin() + static_cast<std::ptrdiff_t>(from), codes.begin() + static_cast<std::ptrdiff_t>(to)};
}

inline Codes Without(Codes codes, const std::function<bool(int)>& removed)
{
    std::erase_if(codes, removed);
    return codes;
}

inline int RankOf(int code)
{
    return (code - 1) % 13 + 1;
}

// Gives the values it is told to, in order, and notes the bounds it was asked for.
class ScriptedRandom final : public RandomSource {
public:
    int Below(int bound) override
    {
        bounds.push_back(bound);
        return next < values.size() ? values[next++] : 0;
    }
    std::vector<int> values;
    std::vector<int> bounds;

private:
    std::size_t next = 0;
};

constexpr PileRef kStock{PileGroup::StockGroup, kStockSlot};
constexpr PileRef kWaste{PileGroup::StockGroup, kWasteSlot};
constexpr PileRef kSecondWaste{PileGroup::StockGroup, kSecondWasteSlot};
constexpr PileRef F(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef T(int k) { return {PileGroup::Tableaus, k}; }
constexpr PileRef R(int k) { return {PileGroup::Reserves, k}; }

class DealTest : public ::testing::Test {
protected:
    DealTest() { rules[rule::PackSize] = 52; }

    void Set(int index, int value) { rules[index] = static_cast<std::int16_t>(value); }
    void SetEach(int family, int count, int value)
    {
        for (int k = 0; k < count; ++k)
            rules.Of(family, k) = static_cast<std::int16_t>(value);
    }
    // Foundations that build up in suit from the Ace.
    void HomeFoundations(int count)
    {
        Set(rule::FoundationCount, count);
        SetEach(rule::FoundationBaseRank, count, 1);
        SetEach(rule::FoundationDirection, count, 1);
    }
    void Tableaus(int count, int cards, int faceCode)
    {
        Set(rule::TableauCount, count);
        SetEach(rule::TableauCardCount, count, cards);
        SetEach(rule::TableauFaceUp, count, faceCode);
    }
    Codes Shuffle(const std::string& number)
    {
        context.registers.Set(reg::DealNumber, number);
        return ShuffledPack(context);
    }
    void Deal(const std::string& number = "0")
    {
        PrepareTableForDeal(context);
        context.registers.Set(reg::DealNumber, number);
        DealGame(context, random);
    }
    Codes Of(PileRef pile) const { return PileCodes(context.piles[pile]); }
    // The face marks of a pile's cards, bottom first.
    std::string Marks(PileRef pile) const
    {
        std::string marks;
        for (int code : Of(pile))
            marks += context.cards.IsFaceDown(code) ? '0' : '1';
        return marks;
    }
    Codes Bottoms(PileGroup group, int count) const
    {
        Codes bottoms;
        for (int k = 0; k < count; ++k)
            bottoms.push_back(ElementAt(context.piles.Slot(group, k), 0));
        return bottoms;
    }
    Codes Bases(int count) const
    {
        Codes bases;
        for (int k = 0; k < count; ++k)
            bases.push_back(rules.Of(rule::FoundationBaseRank, k));
        return bases;
    }
    // Every card on the table, sorted.
    Codes TableCards() const
    {
        Codes cards;
        for (auto group : {PileGroup::StockGroup, PileGroup::Foundations, PileGroup::Tableaus, PileGroup::Reserves})
            for (int slot = 0; slot < PileStore::SlotCount(group); ++slot)
                for (int code : Of({group, slot}))
                    if (code != 0)
                        cards.push_back(code);
        std::sort(cards.begin(), cards.end());
        return cards;
    }

    RecordingPresentation presentation;
    GameContext context{presentation};
    RuleVector& rules = context.rules;
    ScriptedRandom random;
};

} // namespace marlowe::testing
