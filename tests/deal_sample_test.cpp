// The deal numbers that win rates and benchmarks are measured on: the same for a seed, every
// one 13 digits, none twice.

#include "engine/deal_sample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace marlowe {
namespace {

TEST(DealSample, ASeedAlwaysGivesTheSameNumbers)
{
    const auto numbers = SampleDealNumbers(1000);
    EXPECT_EQ(numbers, SampleDealNumbers(1000, kDealSampleSeed));
    // Measurements taken at different times compare only while this stays put.
    EXPECT_EQ(numbers.front(), "6516923116298");
    // A short run plays the first deals of a long one.
    const auto first = SampleDealNumbers(50);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), numbers.begin()));
    EXPECT_NE(SampleDealNumbers(50, kDealSampleSeed + 1), first);
}

TEST(DealSample, NumbersHaveThirteenDigitsAndNoneRepeats)
{
    const auto numbers = SampleDealNumbers(1000);
    ASSERT_EQ(numbers.size(), 1000u);
    for (const auto& number : numbers) {
        EXPECT_EQ(number.size(), 13u) << number;
        EXPECT_TRUE(std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            << number;
    }
    EXPECT_EQ(std::set<std::string>(numbers.begin(), numbers.end()).size(), numbers.size());
    // Zero-padded, not drawn from a range that leaves the leading digits out.
    EXPECT_TRUE(std::any_of(numbers.begin(), numbers.end(), [](const std::string& n) { return n[0] == '0'; }));
}

} // namespace
} // namespace marlowe
