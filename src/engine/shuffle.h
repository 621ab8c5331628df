#pragma once
// The deal number and the shuffle: a new deal draws a 13-digit deal number, and the pack order
// follows from that number alone, so a deal number always gives the same deal.

#include "engine/game_context.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace marlowe {

// The deal number (register reg::DealNumber) has 13 decimal digits.
constexpr int kDealNumberDigits = 13;

// The engine's only source of chance: the new deal number and the one deal family that empties
// a pile at random. The program seeds it from the clock; tests give a fixed seed or a script.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer in [0, bound); 0 when bound <= 1.
    virtual int Below(int bound) = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    static SeededRandom FromClock();
    int Below(int bound) override;

private:
    std::mt19937_64 engine_;
};

// Draws a in [0, 9 999 999) and b in [0, 999 999) and stores their product, zero-padded to 13
// digits, as the deal number. The caller refreshes the window title.
void NewDealNumber(GameContext& context, RandomSource& random);

// The deal number as 13 digits: the register trimmed and read with leading zeros (the rightmost
// 13 characters). A character that is not a digit reads as 0.
std::string DealNumber(const GameContext& context);

// The pack order for the deal number and the game's pack (RuleVector[378] cards, RuleVector[381]
// jokers when RuleVector[46] is set, stripped by RuleVector[49]): card codes, the first dealt
// first. This is the shuffle the player knows from the message "Error 01 -
// fnGameNumberCardsArray", shown when the pack size is not 52 or less, 104, 156 or 208; the pack
// is then empty.
std::vector<int> ShuffledPack(const GameContext& context);

// The first empty slot (code 0) of order from index from: forward up to the end, or backward
// down to 0; failing that (or when from lies outside the list) the first from the start; -1
// when the list is full.
int FindEmptySlot(const std::vector<int>& order, int from, bool forward);

} // namespace marlowe
