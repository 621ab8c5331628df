// The solver's Golf verdicts checked against a plain exhaustive search written apart from the
// engine: every column height, stock depth and waste rank is visited at most once, so its answer
// is exact. A "won" the solver cannot replay, or an "unwinnable" for a deal the plain search
// wins, shows here on real deals rather than on hand-made endgames.

#include "engine/cards.h"
#include "engine/deal_sample.h"
#include "engine/pile_text.h"
#include "engine/solver.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace marlowe {
namespace {

constexpr int kGolf = 12;
constexpr int kColumns = 7;
constexpr int kColumnCards = 5;
constexpr int kStockCards = 16;
constexpr int kWasteRanks = King + 1;

// How many ways the seven columns' heights can stand.
constexpr std::size_t ColumnHeightsCount()
{
    std::size_t heights = 1;
    for (int k = 0; k < kColumns; ++k)
        heights *= kColumnCards + 1;
    return heights;
}

// Golf's rule as its players state it: a card follows the waste's card one rank above or below,
// whatever the suit; a King and an Ace do not touch.
bool Follows(int rank, int wasteRank)
{
    return std::abs(rank - wasteRank) == 1;
}

class PlainGolfSearch {
public:
    explicit PlainGolfSearch(const GameContext& context)
    {
        for (int k = 0; k < kColumns; ++k)
            columns_[static_cast<std::size_t>(k)] = PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)]);
        stock_ = PileCodes(context.piles.Stock());
        waste_ = TopElement(context.piles.stockGroup[kSecondWasteSlot]);
    }

    bool Winnable()
    {
        std::array<int, kColumns> heights{};
        for (int k = 0; k < kColumns; ++k)
            heights[static_cast<std::size_t>(k)] = static_cast<int>(columns_[static_cast<std::size_t>(k)].size());
        seen_.assign(kTables, false);
        return Search(heights, static_cast<int>(stock_.size()), CardRank(waste_));
    }

private:
    static constexpr std::size_t kTables = ColumnHeightsCount() * (kStockCards + 1) * kWasteRanks;

    bool Search(std::array<int, kColumns>& heights, int stockLeft, int wasteRank)
    {
        std::size_t key = 0;
        int left = 0;
        for (const int height : heights) {
            key = key * (kColumnCards + 1) + static_cast<std::size_t>(height);
            left += height;
        }
        if (left == 0)
            return true;
        key = (key * (kStockCards + 1) + static_cast<std::size_t>(stockLeft)) * kWasteRanks + static_cast<std::size_t>(wasteRank);
        if (seen_[key])
            return false;
        seen_[key] = true;
        for (std::size_t k = 0; k < heights.size(); ++k) {
            if (heights[k] == 0)
                continue;
            const int rank = CardRank(columns_[k][static_cast<std::size_t>(heights[k] - 1)]);
            if (!Follows(rank, wasteRank))
                continue;
            --heights[k];
            const bool won = Search(heights, stockLeft, rank);
            ++heights[k];
            if (won)
                return true;
        }
        return stockLeft > 0 &&
               Search(heights, stockLeft - 1, CardRank(stock_[static_cast<std::size_t>(stockLeft - 1)]));
    }

    std::array<std::vector<int>, kColumns> columns_;
    std::vector<int> stock_;
    int waste_ = 0;
    std::vector<bool> seen_;
};

TEST(GolfVerdictsTest, TheSolverAgreesWithAPlainExhaustiveSearchOnRandomDeals)
{
    TMainGame mainGame = testing::ShippedCatalogue();
    int won = 0;
    int unwinnable = 0;
    for (const std::string& deal : SampleDealNumbers(12)) {
        testing::ProtocolGame game(mainGame, kGolf, deal);
        ASSERT_TRUE(game.started) << deal;
        ASSERT_EQ(game.context().piles.Stock().size(), kStockCards * 3u) << deal;
        const bool winnable = PlainGolfSearch(game.context()).Winnable();
        SolverOptions options;
        options.nodeLimit = 100'000'000;
        const SolveResult result = Solve(game.context(), options);
        ASSERT_NE(result.verdict, SolveVerdict::Unknown) << deal;
        EXPECT_EQ(result.Won(), winnable) << deal;
        (winnable ? won : unwinnable) += 1;
    }
    // The sample holds both answers, so each direction of the check is exercised.
    EXPECT_GT(won, 0);
    EXPECT_GT(unwinnable, 0);
}

} // namespace
} // namespace marlowe
