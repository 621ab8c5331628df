// The 95 % interval of a win rate against values worked out by hand, at the middle and at the
// edges where a plain normal interval fails.

#include "engine/win_rate.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

TEST(WinRate, HalfOfAHundredIsAboutFortyToSixty)
{
    const RateInterval interval = WilsonInterval(50, 100);
    EXPECT_NEAR(interval.low, 0.4038, 1e-4);
    EXPECT_NEAR(interval.high, 0.5962, 1e-4);
}

TEST(WinRate, NoneOrAllWonStillLeaveRoom)
{
    const RateInterval none = WilsonInterval(0, 10);
    EXPECT_DOUBLE_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.2775, 1e-4);
    const RateInterval all = WilsonInterval(10, 10);
    EXPECT_NEAR(all.low, 0.7225, 1e-4);
    EXPECT_DOUBLE_EQ(all.high, 1.0);
}

TEST(WinRate, IntervalIsSymmetricAndHoldsTheRate)
{
    for (long long won : {1, 7, 33, 999}) {
        const RateInterval interval = WilsonInterval(won, 1000);
        const RateInterval lost = WilsonInterval(1000 - won, 1000);
        EXPECT_NEAR(interval.low, 1 - lost.high, 1e-12);
        EXPECT_NEAR(interval.high, 1 - lost.low, 1e-12);
        EXPECT_LT(interval.low, won / 1000.0);
        EXPECT_GT(interval.high, won / 1000.0);
    }
}

TEST(WinRate, NothingPlayedKnowsNothing)
{
    const RateInterval interval = WilsonInterval(0, 0);
    EXPECT_EQ(interval.low, 0.0);
    EXPECT_EQ(interval.high, 1.0);
}

} // namespace
} // namespace marlowe
