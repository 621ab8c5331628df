#include "engine/key_set.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace marlowe {
namespace {

// Keys spread like the searches' hashes, so that the table grows past a huge page several times.
std::uint64_t Spread(std::uint64_t n)
{
    n += 0x9e3779b97f4a7c15ull;
    n = (n ^ (n >> 30)) * 0xbf58476d1ce4e5b9ull;
    n = (n ^ (n >> 27)) * 0x94d049bb133111ebull;
    return n ^ (n >> 31);
}

TEST(KeySetTest, HoldsEveryKeyOnceThroughTheTablesGrowth)
{
    KeySet keys;
    constexpr std::uint64_t kKeys = 600000; // a table of 2^21 slots, 16 MiB
    for (std::uint64_t n = 0; n < kKeys; ++n)
        ASSERT_TRUE(keys.Insert(Spread(n))) << n;
    EXPECT_EQ(keys.Count(), kKeys);
    for (std::uint64_t n = 0; n < kKeys; n += 7) {
        EXPECT_TRUE(keys.Contains(Spread(n))) << n;
        EXPECT_FALSE(keys.Insert(Spread(n))) << n;
    }
    EXPECT_FALSE(keys.Contains(Spread(kKeys)));
    EXPECT_EQ(keys.Count(), kKeys);
}

TEST(KeySetTest, KeysThatShareASlotAndTheKeyZeroAreKept)
{
    KeySet keys;
    EXPECT_FALSE(keys.Contains(0));
    EXPECT_TRUE(keys.Insert(0));
    EXPECT_TRUE(keys.Contains(0));
    // Keys alike in their low bits land on one slot and probe on.
    for (std::uint64_t high = 1; high <= 50; ++high)
        EXPECT_TRUE(keys.Insert(high << 40 | 5));
    for (std::uint64_t high = 1; high <= 50; ++high)
        EXPECT_TRUE(keys.Contains(high << 40 | 5));
    EXPECT_FALSE(keys.Contains(51ull << 40 | 5));
    KeySet fresh;
    keys = std::move(fresh); // a scan starting again afresh
    EXPECT_FALSE(keys.Contains(1ull << 40 | 5));
    EXPECT_TRUE(keys.Insert(1ull << 40 | 5));
}

} // namespace
} // namespace marlowe
