// The winning animations as card drops: every one stays on the board, covers it and lets the
// window breathe; the rows, the random ranges and the circles; the random choice; and none of
// them ever stalls, even on a board too small to show a card.

#include "engine/shuffle.h"
#include "layout/winning_animations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace marlowe {
namespace {

// Every random number the same value, or the highest the bound allows.
class FixedRandom : public RandomSource {
public:
    explicit FixedRandom(int value) : value_(value) {}
    int Below(int bound) override { return bound < 2 ? 0 : std::min(value_, bound - 1); }

private:
    int value_;
};

constexpr int kHighest = 1 << 30;

WinningArea Area(int width, int height, int top, int cardWidth = 71, int cardHeight = 96)
{
    return WinningArea{width, height, top, cardWidth, cardHeight, 10};
}

std::vector<CardDrop> Drops(std::string_view name, const WinningArea& area, RandomSource& random, int count)
{
    const auto animation = MakeWinningAnimation(name, area, random);
    std::vector<CardDrop> drops;
    for (int i = 0; i < count; ++i)
        drops.push_back(animation->Next());
    return drops;
}

bool Visible(const CardDrop& drop, const WinningArea& area, int left, int top, int right, int bottom)
{
    return drop.x < right && drop.x + area.cardWidth > left && drop.y < bottom && drop.y + area.cardHeight > top;
}

TEST(WinningAnimations, StayOnTheBoardCoverItAndLetTheWindowBreathe)
{
    const WinningArea areas[] = {Area(1024, 768, 30), Area(640, 480, 0, 25, 32), Area(400, 300, 20, 102, 138)};
    for (std::string_view name : kWinningAnimationNames) {
        for (const WinningArea& area : areas) {
            SeededRandom random(7);
            const std::vector<CardDrop> drops = Drops(name, area, random, 6000);
            std::set<std::pair<int, int>> places;
            bool quarter[4] = {};
            int sinceBreath = 0;
            const int midX = area.width / 2;
            const int midY = (area.top + area.height) / 2;
            for (const CardDrop& drop : drops) {
                ASSERT_GE(drop.card, 1) << name;
                ASSERT_LE(drop.card, 51) << name;
                // Rows and restart lines may leave a card just past the far edges.
                ASSERT_GE(drop.x, -area.cardWidth) << name;
                ASSERT_LT(drop.x, area.width + 35) << name;
                ASSERT_GE(drop.y, area.top - std::max(area.cardHeight, 50)) << name;
                ASSERT_LT(drop.y, area.height + 35) << name;
                sinceBreath = drop.passMessages ? 0 : sinceBreath + 1;
                ASSERT_LT(sinceBreath, 5) << name << ": a click would wait too long";
                places.insert({drop.x, drop.y});
                quarter[0] |= Visible(drop, area, 0, area.top, midX, midY);
                quarter[1] |= Visible(drop, area, midX, area.top, area.width, midY);
                quarter[2] |= Visible(drop, area, 0, midY, midX, area.height);
                quarter[3] |= Visible(drop, area, midX, midY, area.width, area.height);
            }
            EXPECT_GT(places.size(), 200u) << name << " " << area.width;
            for (bool covered : quarter)
                EXPECT_TRUE(covered) << name << " " << area.width << ": a quarter of the board stays empty";
        }
    }
}

TEST(WinningAnimations, NeverStallOnABoardTooSmallForACard)
{
    const WinningArea areas[] = {Area(0, 0, 0), Area(10, 10, 0), Area(100, 100, 90), Area(-5, 300, 400)};
    for (std::string_view name : kWinningAnimationNames)
        for (const WinningArea& area : areas)
            for (int value : {0, 3, kHighest}) {
                FixedRandom random(value);
                const std::vector<CardDrop> drops = Drops(name, area, random, 2000);
                EXPECT_EQ(drops.size(), 2000u) << name;
            }
}

TEST(WinningAnimations, RandomAndUnknownNamesPickOneOfTheThreeThatFillTheBoard)
{
    const std::set<std::string> filling = {"Open order", "Left to right", "Up to down"};
    for (std::string_view name : {"(Random)", "(random)", "", "Fireworks"}) {
        std::set<std::string> picked;
        for (std::uint32_t seed = 0; seed < 60; ++seed) {
            SeededRandom random(seed);
            picked.insert(std::string(MakeWinningAnimation(name, Area(800, 600, 0), random)->Name()));
        }
        EXPECT_EQ(picked, filling) << name;
    }
    SeededRandom random(1);
    EXPECT_EQ(MakeWinningAnimation("circles", Area(800, 600, 0), random)->Name(), "Circles");
    EXPECT_EQ(MakeWinningAnimation("FESTOONS", Area(800, 600, 0), random)->Name(), "Festoons");
}

TEST(OpenOrder, ReachesHalfACardBeyondTheTopLeftAndTheLastPixelWithABreathEveryFifthCard)
{
    const std::pair<int, std::pair<int, int>> cases[] = {{0, {-35, -48}}, {kHighest, {799, 599}}};
    for (const auto& [value, corner] : cases) {
        FixedRandom random(value);
        const std::vector<CardDrop> drops = Drops("Open order", Area(800, 600, 30), random, 10);
        for (std::size_t i = 0; i < drops.size(); ++i) {
            EXPECT_EQ(std::make_pair(drops[i].x, drops[i].y), corner);
            EXPECT_EQ(drops[i].waitMs, (i + 1) % 5 == 0 ? 5 : 0) << i;
        }
    }
}

// The y of each row in order, with the drop that ended the row before it.
struct Row {
    int y;
    int firstX;
    CardDrop endOfPrevious;
};

TEST(LeftToRight, WrapsRowsThirtyFivePixelsApartAndRestartsBetweenThem)
{
    const WinningArea area = Area(200, 300, 20);
    SeededRandom random(3);
    const std::vector<CardDrop> drops = Drops("Left to right", area, random, 3000);
    ASSERT_EQ(drops[0].x, -20);
    ASSERT_EQ(drops[0].y, 20);
    ASSERT_EQ(drops[1].x, -20 + 12);  // trunc(71 / 5.8)
    std::vector<Row> rows;
    for (std::size_t i = 1; i < drops.size(); ++i)
        if (drops[i].x < drops[i - 1].x)
            rows.push_back({drops[i].y, drops[i].x, drops[i - 1]});
    const int expected[] = {55, 90, 125, 160, 195, 35, 70, 105, 140, 175, 70, 105};
    for (std::size_t r = 0; r < std::size(expected); ++r) {
        EXPECT_EQ(rows[r].y, expected[r]) << "row " << r + 1;
        EXPECT_EQ(rows[r].firstX, r % 2 == 0 ? -23 : -17) << "row " << r + 1;  // trunc(71/3), trunc(71/4)
        EXPECT_GE(rows[r].endOfPrevious.waitMs, 700);
        EXPECT_TRUE(rows[r].endOfPrevious.passMessages);
        EXPECT_GE(rows[r].endOfPrevious.x + 12, area.width);
    }
    // When the restart line passes the bottom, one card lands below it and the rows begin again
    // just under the top of the board.
    const auto below = std::find_if(drops.begin(), drops.end(), [&](const CardDrop& d) { return d.y >= area.height; });
    ASSERT_NE(below, drops.end());
    EXPECT_EQ((below + 1)->y, area.top + 70);
}

TEST(Circles, FollowACircleOfThreeHundredPixelsFromItsCorner)
{
    FixedRandom random(100);  // every circle at the corner (100, 100)
    const std::vector<CardDrop> drops = Drops("Circles", Area(1000, 800, 0), random, 600);
    // Down the right half first, from the top of the circle, a few pixels at a time.
    EXPECT_EQ(std::make_pair(drops[0].x, drops[0].y), std::make_pair(250, 100));
    for (std::size_t i = 0; i < drops.size(); ++i) {
        EXPECT_NEAR(std::hypot(drops[i].x - 249.5, drops[i].y - 249.5), 149, 2.5) << i;
        if (i > 0) {
            EXPECT_LT(std::hypot(drops[i].x - drops[i - 1].x, drops[i].y - drops[i - 1].y), 40) << i;
        }
    }
    const auto again = std::find_if(drops.begin() + 1, drops.end(), [&](const CardDrop& d) {
        return d.x == drops[0].x && d.y == drops[0].y;
    });
    const auto points = again - drops.begin();
    EXPECT_GT(points, 100);
    EXPECT_LE(points, 300);

    // A corner too near the far edges is mirrored to before the near ones; hidden points are skipped.
    FixedRandom highest(kHighest);
    for (const CardDrop& drop : Drops("Circles", Area(1000, 800, 0), highest, 300)) {
        EXPECT_NEAR(std::hypot(drop.x - (850 - 999 + 149.5), drop.y - (650 - 799 + 149.5)), 149, 2.5);
        EXPECT_GT(drop.x + 71, 0);
        EXPECT_GT(drop.y + 96, 0);
    }
}

}  // namespace
}  // namespace marlowe
