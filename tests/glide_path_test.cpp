// The flight of a card: the path both coordinates take, the pauses, cards that leave the board,
// raised cards settling, and glides too short for a whole step.

#include "layout/glide_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace marlowe {
namespace {

GlideRequest Request(int fromX, int fromY, int toX, int toY, int speed = 10, bool fast = false)
{
    GlideRequest request;
    request.fromX = fromX;
    request.fromY = fromY;
    request.toX = toX;
    request.toY = toY;
    request.speed = speed;
    request.fast = fast;
    return request;
}

TEST(GlidePath, TheLongerDistanceLeadsAndTheOtherFollowsInProportion)
{
    struct Case {
        GlideRequest request;
        std::vector<std::pair<int, int>> frames;
    };
    const Case cases[] = {
        // 19-pixel steps over 100 pixels; y at 19 %, 38 % ... of 50, truncated.
        {Request(0, 0, 100, 50), {{19, 9}, {38, 19}, {57, 28}, {76, 38}, {95, 47}, {100, 50}}},
        // Up and to the left: y leads, x truncates toward its start.
        {Request(300, 200, 290, 100), {{299, 181}, {297, 162}, {295, 143}, {293, 124}, {291, 105}, {290, 100}}},
        {Request(50, 60, 50, 60), {{50, 60}}},               // no distance: shown once, at the target
        {Request(0, 0, 2, 0), {{1, 0}, {2, 0}}},             // less than a pixel per step: one pixel
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int, int>> frames;
        for (const GlideStep& step : GlidePath(c.request))
            frames.emplace_back(step.x, step.y);
        EXPECT_EQ(frames, c.frames) << c.request.toX << "," << c.request.toY;
    }
}

TEST(GlidePath, PausesFollowTheSpeedAndTheHurry)
{
    struct Case {
        int speed;
        bool fast;
        int wait;
    };
    // Two thirds of the speed, a quarter when hurried; speed 0 (or a damaged register) never waits.
    const Case cases[] = {{10, false, 6}, {10, true, 2}, {0, false, 0}, {-5, false, 0}};
    for (const Case& c : cases) {
        const std::vector<GlideStep> steps = GlidePath(Request(0, 0, 200, 0, c.speed, c.fast));
        EXPECT_GT(steps.size(), 1u) << c.speed;
        for (const GlideStep& step : steps)
            EXPECT_EQ(step.waitMs, c.wait) << c.speed << " " << c.fast;
    }
}

TEST(GlidePath, CardsWithoutAPlaceLeaveTheBoardAndTinyStepsStillArrive)
{
    GlideRequest tiny = Request(7, 7, 10, 9);
    tiny.smallStep = true;  // 3 pixels make a step of 1, and nine tenths of it 0
    struct Case {
        GlideRequest request;
        int endX, endY;
    };
    const Case cases[] = {
        {Request(100, 100, -10000, -10000), -3 * 71, -3 * 96},
        {Request(100, 100, -10000, 40), -3 * 71, 40},
        {tiny, 10, 9},
    };
    for (const Case& c : cases) {
        const std::vector<GlideStep> steps = GlidePath(c.request);
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.back().x, c.endX);
        EXPECT_EQ(steps.back().y, c.endY);
        int left = std::abs(c.endX - c.request.fromX) + std::abs(c.endY - c.request.fromY);
        for (const GlideStep& step : steps) {
            const int now = std::abs(c.endX - step.x) + std::abs(c.endY - step.y);
            EXPECT_LT(now, left) << "a frame without progress";
            left = now;
        }
    }
}

TEST(GlidePath, RaisedCardsComeInAboveTheTargetAndSettleAfterADoublePause)
{
    GlideRequest request = Request(0, 0, 200, 100);
    request.raised = true;
    request.shadowDepth = 9;
    const std::vector<GlideStep> steps = GlidePath(request);
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(std::make_pair(steps[steps.size() - 2].x, steps[steps.size() - 2].y), std::make_pair(191, 91));
    EXPECT_EQ(std::make_pair(steps.back().x, steps.back().y), std::make_pair(200, 100));
    EXPECT_EQ(steps.back().waitMs, 20);
}

}  // namespace
}  // namespace marlowe
