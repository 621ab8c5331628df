#include "engine/shuffle.h"

#include "app/text_helpers.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/presentation.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace marlowe {

namespace {

using Row16 = std::array<int, 16>;

// The steps between the places of the copies of one rank, one row per digit of the deal number.
constexpr std::array<Row16, 10> StepTable{{
    {25, 18, 13, 22, 21, 20, 15, 15, 19, 20, 11, 30, 12, 25, 35, 41},
    {20, 19, 12, 13, 18, 18, 23, 17, 11, 20, 15, 25, 28, 34, 21, 10},
    {30, 21, 19, 19, 13, 22, 20, 18, 25, 31, 14, 10, 40, 32, 10, 15},
    {51, 16, 14, 18, 21, 21, 17, 19, 24, 10, 23, 15, 21, 11, 16, 32},
    {18, 19, 19, 23, 13, 16, 15, 20, 12, 15, 19, 25, 30, 24, 26, 10},
    {17, 21, 14, 19, 19, 16, 18, 17, 25, 35, 14, 18, 17, 26, 12, 15},
    {48, 16, 13, 14, 19, 20, 20, 16, 15, 26, 32, 24, 30, 15, 12, 11},
    {11, 21, 21, 23, 17, 18, 22, 20, 32, 16, 18, 20, 21, 27, 18, 12},
    {22, 16, 13, 13, 19, 17, 22, 13, 30, 15, 21, 23, 23, 14, 11, 12},
    {24, 13, 20, 21, 21, 14, 15, 22, 16, 21, 18, 23, 17, 15, 18, 22},
}};

// The suit (1 hearts .. 4 spades) of each copy of a rank: copies 1-4 are the first deck, 5-8
// the second, and so on; each group of four is one of every suit.
constexpr std::array<Row16, 13> SuitPatternTable{{
    {4, 2, 3, 1, 4, 2, 1, 3, 1, 2, 4, 3, 3, 2, 1, 4},
    {1, 3, 2, 4, 4, 3, 2, 1, 3, 2, 4, 1, 4, 2, 3, 1},
    {2, 4, 3, 1, 3, 4, 1, 2, 4, 3, 1, 2, 3, 2, 4, 1},
    {3, 4, 2, 1, 2, 3, 1, 4, 2, 1, 4, 3, 1, 3, 4, 2},
    {4, 2, 3, 1, 1, 3, 4, 2, 3, 1, 2, 4, 2, 4, 3, 1},
    {1, 4, 2, 3, 4, 1, 2, 3, 1, 2, 4, 3, 4, 3, 1, 2},
    {2, 1, 3, 4, 3, 1, 2, 4, 2, 3, 4, 1, 2, 1, 3, 4},
    {3, 2, 1, 4, 2, 4, 1, 3, 4, 1, 2, 3, 1, 4, 3, 2},
    {4, 3, 1, 2, 1, 2, 3, 4, 1, 3, 4, 2, 2, 4, 3, 1},
    {2, 1, 4, 3, 4, 2, 1, 3, 4, 3, 1, 2, 4, 1, 2, 3},
    {3, 1, 4, 2, 1, 2, 4, 3, 2, 4, 3, 1, 3, 1, 4, 2},
    {3, 2, 4, 1, 1, 4, 3, 2, 1, 4, 3, 2, 4, 3, 1, 2},
    {2, 3, 4, 1, 4, 1, 3, 2, 1, 3, 2, 4, 2, 4, 3, 1},
}};

constexpr int kMaxJokers = 4;

// The digits D[1..13] of the deal number (index 0 unused).
using Digits = std::array<int, kDealNumberDigits + 1>;

Digits DealDigits(const GameContext& context)
{
    const std::string number = DealNumber(context);
    Digits digits{};
    for (int i = 1; i <= kDealNumberDigits; ++i)
        digits[static_cast<std::size_t>(i)] = number[static_cast<std::size_t>(i - 1)] - '0';
    return digits;
}

int D(const Digits& digits, int i)
{
    return digits[static_cast<std::size_t>(i)];
}

// Copies of each rank in the pack; 0 for a pack size the shuffle does not know.
int CopiesPerRank(int packSize)
{
    switch (packSize) {
    case 104: return 8;
    case 156: return 12;
    case 208: return 16;
    default: return packSize <= 52 ? 4 : 0;
    }
}

// A position moved by a step: wrapped into the pack, never below its start.
int Advance(int position, int step, int total)
{
    position += step;
    if (position >= total)
        return position % total;
    return std::max(position, 0);
}

// The suit row of pass r: the deal number without four of its digits, modulo 13.
int SuitRowOfPass(const Digits& digits, int r)
{
    long long kept = 0;
    auto keep = [&](int i) { kept = kept * 10 + D(digits, i); };
    if (r <= 10) {
        for (int i = 1; i <= kDealNumberDigits; ++i)
            if (i < r || i > r + 3)
                keep(i);
    } else {
        for (int i = r - 8; i <= r; ++i)
            keep(i);
    }
    return static_cast<int>(kept % 13);
}

void PlaceJokers(const Digits& digits, int jokers, std::vector<int>& order, int start)
{
    const int total = static_cast<int>(order.size());
    const Row16& steps = StepTable[static_cast<std::size_t>(D(digits, 1))];
    int position = start;
    for (int i = 1; i <= jokers; ++i) {
        position = Advance(position, steps[static_cast<std::size_t>(i - 1)], total);
        const int slot = FindEmptySlot(order, position, true);
        if (slot >= 0)
            order[static_cast<std::size_t>(slot)] = kLastPackCard + i;
    }
}

// Thirteen passes, one rank each: the copies of the rank go to places a step apart.
void PlaceRanks(const Digits& digits, int copies, std::vector<int>& order, int start)
{
    const int total = static_cast<int>(order.size());
    std::vector<int> rankPool{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    int u = 1, v = 7, w = 13;
    int y = start;
    for (int r = 1; r <= 13; ++r) {
        const int g = D(digits, r);
        const bool forward = g == 0;
        const Row16& suits = SuitPatternTable[static_cast<std::size_t>(SuitRowOfPass(digits, r))];

        const int poolSize = static_cast<int>(rankPool.size());
        int q = (D(digits, u) * 100 + D(digits, v) * 10 + D(digits, w)) % 13;
        if (q > poolSize - 1)
            q = forward ? poolSize - 1 : 0;
        const int rank = rankPool[static_cast<std::size_t>(q)];
        rankPool.erase(rankPool.begin() + q);
        u = u % 13 + 1;
        v = v % 13 + 1;
        w = w % 13 + 1;

        y -= g;
        const Row16& steps = StepTable[static_cast<std::size_t>(g)];
        for (int i = 1; i <= copies; ++i) {
            y = Advance(y, steps[static_cast<std::size_t>(i - 1)], total);
            const int deck = (i - 1) / 4;
            const int code = (suits[static_cast<std::size_t>(i - 1)] - 1) * 13 + rank + 52 * deck;
            if (order[static_cast<std::size_t>(y)] != kNoCard)
                y = FindEmptySlot(order, y, forward);
            if (y >= 0)
                order[static_cast<std::size_t>(y)] = code;
        }
    }
}

// A stripped pack leaves out the ranks it lacks; jokers stay.
void StripPack(int strip, std::vector<int>& order)
{
    if (strip == stripped_pack::Full)
        return;
    std::erase_if(order, [strip](int code) { return !IsJoker(code) && !stripped_pack::Holds(strip, CardRank(code)); });
}

} // namespace

SeededRandom SeededRandom::FromClock()
{
    return SeededRandom(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int SeededRandom::Below(int bound)
{
    if (bound <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(engine_);
}

void NewDealNumber(GameContext& context, RandomSource& random)
{
    const long long a = random.Below(9'999'999);
    const long long b = random.Below(999'999);
    context.registers.Set(reg::DealNumber, RightChars(ZeroPad(a * b, kDealNumberDigits), kDealNumberDigits));
}

std::string DealNumber(const GameContext& context)
{
    std::string number =
        RightChars(std::string(kDealNumberDigits, '0') + Trim(context.registers.Get(reg::DealNumber)),
                   kDealNumberDigits);
    for (char& ch : number)
        if (ch < '0' || ch > '9')
            ch = '0';
    return number;
}

int FindEmptySlot(const std::vector<int>& order, int from, bool forward)
{
    const int count = static_cast<int>(order.size());
    if (from >= 0 && from < count) {
        if (forward) {
            for (int i = from; i < count; ++i)
                if (order[static_cast<std::size_t>(i)] == kNoCard)
                    return i;
        } else {
            for (int i = from; i >= 0; --i)
                if (order[static_cast<std::size_t>(i)] == kNoCard)
                    return i;
        }
    }
    const auto empty = std::find(order.begin(), order.end(), kNoCard);
    return empty == order.end() ? -1 : static_cast<int>(empty - order.begin());
}

std::vector<int> ShuffledPack(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    const int packSize = rules[rule::PackSize];
    const int copies = CopiesPerRank(packSize);
    if (copies == 0) {
        context.presentation().ShowInfo("Error 01 - fnGameNumberCardsArray");
        return {};
    }
    const int jokers = rules[rule::JokersInPack] != 0 ? std::clamp<int>(rules[rule::JokerCount], 0, kMaxJokers) : 0;
    const int total = std::max(packSize, 0) + jokers;
    if (total == 0)
        return {};

    const Digits digits = DealDigits(context);
    std::vector<int> order(static_cast<std::size_t>(total), kNoCard);
    const int start = D(digits, 2) * 100 + D(digits, 6) * 10 + D(digits, 12);
    PlaceJokers(digits, jokers, order, start);
    PlaceRanks(digits, copies, order, start);
    StripPack(rules[rule::StrippedPack], order);
    return order;
}

} // namespace marlowe
