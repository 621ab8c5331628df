#include "engine/scoring.h"

#include "app/register_settings.h"
#include "app/text_helpers.h"
#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/hand_scores.h"
#include "engine/memory_games.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

#include <array>

namespace marlowe {

namespace {

constexpr int kPointsPerCard = 5;

int Cards(const std::string& pile)
{
    int count = 0;
    for (int i = 0; i < ElementCount(pile); ++i)
        if (ElementAt(pile, i) > 0)
            ++count;
    return count;
}

template <std::size_t N>
int CardsOn(const std::array<std::string, N>& piles, int first, int last)
{
    int count = 0;
    for (int k = first; k <= last && k < static_cast<int>(N); ++k)
        count += Cards(piles[static_cast<std::size_t>(k)]);
    return count;
}

// What the player pays for the pack: one point per card it holds after stripping.
int PackBase(const RuleVector& rules)
{
    switch (rules[rule::StrippedPack]) {
    case 0: return -rules[rule::PackSize];
    case 1: return rules[rule::PackSize] == 104 ? -64 : -32;
    case 2: return -28;
    case stripped_pack::AceToNine:
    case stripped_pack::NinesUp: return -(rules[rule::PackSize] / 52) * stripped_pack::CardsPerDeck(rules[rule::StrippedPack]);
    default: return 0;
    }
}

int StandardScore(const GameContext& context)
{
    if (context.registers.Get(reg::ScoringType) != "01")
        return 0;
    const RuleVector& rules = context.rules;
    return PackBase(rules) + kPointsPerCard * rules[rule::BonusCards] +
           kPointsPerCard * Cards(context.piles.stockGroup[kSecondWasteSlot]) -
           kPointsPerCard * rules[rule::JokerCount] +
           kPointsPerCard * CardsOn(context.piles.foundations, 0, context.FoundationCount() - 1);
}

// Tableau piles 0, 1, ... in order whose bottom card is code s + 1 or s + 14, up to the first
// that is empty or fails.
int OrderedBottoms(const GameContext& context)
{
    int count = 0;
    for (int s = 0; s < kMaxTableaus; ++s) {
        const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(s)];
        const int bottom = ElementAt(pile, 0);
        if (pile.empty() || (bottom != s + 1 && bottom != s + 14))
            break;
        ++count;
    }
    return count;
}

// Tableau piles of exactly nine cards whose ranks from the bottom are 9 down to 1.
int NineDownRows(const GameContext& context)
{
    int rows = 0;
    for (const auto& pile : context.piles.tableaus) {
        if (ElementCount(pile) != 9)
            continue;
        bool ordered = true;
        for (int i = 0; i < 9 && ordered; ++i)
            ordered = CardRank(ElementAt(pile, i)) == 9 - i;
        rows += ordered ? 1 : 0;
    }
    return rows;
}

int RankSumOfBottoms(const GameContext& context, int first)
{
    int sum = 0;
    for (int k = first; k < first + 4; ++k)
        sum += CardRank(ElementAt(context.piles.tableaus[static_cast<std::size_t>(k)], 0));
    return sum;
}

// Four columns of thirteen positions; every position whose four ranks sum to 30 scores.
int ThirtiesScore(const GameContext& context, int pack)
{
    int score = 20 - pack;
    for (int i = 0; i < 13; ++i) {
        int sum = 0;
        bool whole = true;
        for (int k = 0; k < 4 && whole; ++k) {
            const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(k)];
            whole = i < ElementCount(pile) && ElementAt(pile, i) > 0;
            sum += whole ? CardRank(ElementAt(pile, i)) : 0;
        }
        if (whole && sum == 30)
            score += 20;
    }
    return score;
}

} // namespace

int ComputeScore(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    const auto& piles = context.piles;
    const int pack = rules[rule::PackSize];
    const int bonus = kPointsPerCard * rules[rule::BonusCards];
    const int secondWaste = Cards(piles.stockGroup[kSecondWasteSlot]);
    const int misses = context.mainGame.Misses;
    const auto& game = context.mainGame;

    switch (SpecialTraitsOf(rules).score) {
    case ScoreRule::Zero: return 0;
    case ScoreRule::OrderedBottoms: return -pack + 10 * OrderedBottoms(context);
    case ScoreRule::SecondWasteTens: return -pack + 10 * secondWaste;
    case ScoreRule::MemoryRun: return 15 * MemoryRunLength(context) - misses - 52;
    case ScoreRule::MemoryTwins: return -52 - 2 * misses + 10 * (secondWaste / 2);
    case ScoreRule::MemoryPairs: return -52 - misses + 7 * (secondWaste / 2);
    case ScoreRule::NineDownRows: return -pack + 225 * NineDownRows(context);
    case ScoreRule::PackOnly: return -pack;
    case ScoreRule::GroupPairs:
        return CardsOn(piles.tableaus, 0, kMaxTableaus - 1) > 0 ? -pack + kPointsPerCard * secondWaste
                                                                : -pack + kPointsPerCard * pack;
    case ScoreRule::FoundationOne: return bonus - pack + kPointsPerCard * Cards(piles.foundations[1]);
    case ScoreRule::SecondWaste: return bonus - pack + kPointsPerCard * secondWaste;
    case ScoreRule::FirstTwentyFourTableaus: return bonus - pack + kPointsPerCard * CardsOn(piles.tableaus, 0, 23);
    case ScoreRule::AllTableaus: return -pack + kPointsPerCard * CardsOn(piles.tableaus, 0, kMaxTableaus - 1);
    case ScoreRule::BottomSums:
        return RankSumOfBottoms(context, 0) == game.GameCounter1 && RankSumOfBottoms(context, 4) == game.GameCounter2 &&
                       RankSumOfBottoms(context, 8) == game.GameCounter3 &&
                       RankSumOfBottoms(context, 12) == game.GameCounter4
                   ? 48
                   : -52;
    case ScoreRule::PuzzleDigits: {
        int sum = 0;
        for (int f = 0; f < 5; ++f) {
            if (Cards(piles.foundations[static_cast<std::size_t>(f)]) == 0)
                return -52;
            sum += CardRank(TopElement(piles.foundations[static_cast<std::size_t>(f)]));
        }
        return sum == PuzzleTarget(context.registers.Get(reg::DealNumber)) ? 23 : -52;
    }
    case ScoreRule::NinePilesCleared:
        return -pack + kPointsPerCard * CardsOn(piles.tableaus, 0, 15) +
               kPointsPerCard * CardsOn(piles.foundations, 0, 7);
    case ScoreRule::Baccarat: return -pack + PutAwayHandsPoints(context);
    case ScoreRule::TableAndHome:
        return -pack + kPointsPerCard * CardsOn(piles.tableaus, 0, kMaxTableaus - 1) +
               kPointsPerCard * CardsOn(piles.foundations, 0, kMaxFoundations - 1);
    case ScoreRule::Thirties: return game.TableDrawn ? ThirtiesScore(context, pack) : CurrentScore(context.registers);
    case ScoreRule::Standard: break;
    }
    return StandardScore(context);
}

void RecomputeScore(GameContext& context)
{
    if (!ShowsScore(context.rules))
        return;
    const int score = ComputeScore(context);
    context.registers.Set(reg::Score, score);
    context.presentation().ShowScore(score);
}

void AddFoundationScore(GameContext& context, int cards)
{
    if (!ScoreFollowsPlay(context.rules) || context.registers.Get(reg::ScoringType) != "01")
        return;
    const int score = CurrentScore(context.registers) + kPointsPerCard * cards;
    context.registers.Set(reg::Score, score);
    context.presentation().ShowScore(score);
}

int BaccaratPoints(std::string_view cards, int step)
{
    auto points = [&](int position) {
        const auto at = static_cast<std::size_t>(position) * static_cast<std::size_t>(step);
        if (at + 3 > cards.size())
            return 0;
        const int rank = CardRank(ElementAt(cards.substr(at, 3), 0));
        return rank >= 10 || rank < 0 ? 0 : rank;
    };
    int total = points(0) + points(1);
    if (total > 9)
        total -= 10;
    total += points(2);
    return total > 9 ? 0 : total;
}

int PuzzleTarget(std::string_view dealNumber)
{
    const std::string digits = RightChars(std::string(13, '0') + Trim(dealNumber), 13);
    std::array<bool, 10> used{};
    int target = 0;
    for (int position : {3, 5, 8, 10, 12}) {
        int digit = (digits[static_cast<std::size_t>(position - 1)] - '0') % 10;
        while (used[static_cast<std::size_t>(digit)])
            digit = (digit + 1) % 10;
        used[static_cast<std::size_t>(digit)] = true;
        target += digit == 0 ? 10 : digit;
    }
    return target;
}

} // namespace marlowe
