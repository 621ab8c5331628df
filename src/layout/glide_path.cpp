#include "layout/glide_path.h"

#include "layout/card_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace marlowe {
namespace {

// The pause after each step: a quarter of the speed when hurried, two thirds otherwise.
int StepWait(int speed, bool fast)
{
    if (speed <= 0)
        return 0;
    return fast ? speed / 4 : static_cast<int>(speed / 1.5);
}

// One coordinate of the glide: where it started, where it goes, and where it is now.
struct Axis {
    int start = 0;
    int target = 0;
    int now = 0;
    bool arrived = false;

    // Moves to value, or to the target once value reaches or passes it.
    void MoveTo(int value)
    {
        const bool passed = target >= start ? value >= target : value <= target;
        now = passed ? target : value;
        arrived = passed;
    }
};

// The pixels the leading coordinate advances per step: longer glides take longer steps.
int StepLength(int distance, bool smallStep)
{
    if (distance <= 0)
        return 0;
    int step = static_cast<int>(distance / (0.0128 * distance + 4.0) + 0.5);
    if (smallStep)
        step = static_cast<int>(step * 0.9);
    // A step of no pixels would never arrive: a glide of a pixel or two moves one at a time.
    return std::clamp(step, 1, distance);
}

}  // namespace

std::vector<GlideStep> GlidePath(const GlideRequest& request)
{
    int toX = IsPlaced(request.toX) ? request.toX : -3 * request.cardWidth;
    int toY = IsPlaced(request.toY) ? request.toY : -3 * request.cardHeight;
    const int raise = request.raised ? request.shadowDepth : 0;
    toX -= raise;
    toY -= raise;

    const int speed = std::max(request.speed, 0);
    const int wait = StepWait(speed, request.fast);
    Axis x{request.fromX, toX, request.fromX};
    Axis y{request.fromY, toY, request.fromY};
    const bool horizontal = std::abs(toX - x.start) >= std::abs(toY - y.start);
    Axis& lead = horizontal ? x : y;
    Axis& other = horizontal ? y : x;
    const int total = std::abs(lead.target - lead.start);
    const int direction = lead.target >= lead.start ? 1 : -1;
    const int step = StepLength(total, request.smallStep);

    std::vector<GlideStep> steps;
    if (total == 0) {
        steps.push_back({toX, toY, wait});
    } else {
        for (int moved = step;; moved += step) {
            lead.MoveTo(lead.start + direction * moved);
            // The share of the way done, in whole percent rounded, sets the other coordinate.
            const long long percent = (200LL * moved + total) / (2LL * total);
            other.MoveTo(other.start + static_cast<int>((other.target - other.start) * percent / 100));
            steps.push_back({x.now, y.now, wait});
            if (lead.arrived && other.arrived)
                break;
        }
    }
    // Raised cards rest a moment above their place, then settle onto it.
    if (request.raised)
        steps.push_back({toX + raise, toY + raise, 2 * speed});
    return steps;
}

}  // namespace marlowe
