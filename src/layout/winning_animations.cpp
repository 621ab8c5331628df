#include "layout/winning_animations.h"

#include "app/text_helpers.h"
#include "engine/shuffle.h"

#include <algorithm>
#include <vector>

namespace marlowe {
namespace {

constexpr int kRowWait = 700;     // the breath between two rows or columns
constexpr int kLineGap = 35;      // rows and restart lines lie this far apart
constexpr int kCircleSize = 300;  // diameter of the circles, in pixels
constexpr int kMaxCirclePoints = 300;

class Animation : public WinningAnimation {
public:
    Animation(std::string_view name, const WinningArea& area, RandomSource& random)
        : name_(name), area_(area), random_(random), pause_(std::max(area.speed, 0) / 2)
    {
    }
    std::string_view Name() const override { return name_; }

protected:
    // Any face of the pack but the last, as the animations always drew them.
    int RandomCard() { return 1 + random_.Below(51); }

    std::string_view name_;
    WinningArea area_;
    RandomSource& random_;
    int pause_;
    long long count_ = 0;  // cards dropped so far
};

// Cards anywhere, half a card beyond the left and upper edges at most.
class OpenOrder : public Animation {
public:
    OpenOrder(const WinningArea& area, RandomSource& random) : Animation("Open order", area, random) {}

    CardDrop Next() override
    {
        const int halfWidth = area_.cardWidth / 2;
        const int halfHeight = area_.cardHeight / 2;
        CardDrop drop;
        drop.card = RandomCard();
        drop.x = random_.Below(area_.width + halfWidth) - halfWidth;
        drop.y = random_.Below(area_.height + halfHeight) - halfHeight;
        if (++count_ % 5 == 0) {
            drop.waitMs = pause_;
            drop.passMessages = true;
        }
        return drop;
    }
};

// Rows of cards overlapping sideways, each row 35 pixels below the last; when the rows reach
// the bottom, a new set of rows starts on a restart line between the earlier ones.
class LeftToRight : public Animation {
public:
    LeftToRight(const WinningArea& area, RandomSource& random)
        : Animation("Left to right", area, random),
          step_(std::max(static_cast<int>(area.cardWidth / 5.8), 1)),
          x_(-20),
          y_(area.top)
    {
    }

    CardDrop Next() override
    {
        CardDrop drop{RandomCard(), x_, y_, 0, false};
        if (++count_ % 5 == 0) {
            drop.waitMs = pause_;
            drop.passMessages = true;
        }
        x_ += step_;
        if (x_ >= area_.width) {
            ++row_;
            x_ = RowStart();
            drop.waitMs += kRowWait;
            drop.passMessages = true;
            y_ += kLineGap;
        }
        if (y_ + area_.cardHeight >= area_.height) {
            x_ = RowStart();
            restart_ += kLineGap;
            y_ = restart_;
            // Past the bottom the card at y_ falls outside, and the next one restarts below the top.
            if (restart_ >= area_.height)
                restart_ = area_.top + kLineGap;
        }
        return drop;
    }

private:
    // Alternate rows start at different offsets so the cards do not line up in columns.
    int RowStart() const { return row_ % 2 == 1 ? -(area_.cardWidth / 3) : -(area_.cardWidth / 4); }

    int step_;
    int x_;
    int y_;
    int row_ = 0;
    int restart_ = 0;
};

// Columns of cards overlapping downward, each column two thirds of a card right of the last;
// past the right edge, new columns start on a restart line.
class UpToDown : public Animation {
public:
    UpToDown(const WinningArea& area, RandomSource& random)
        : Animation("Up to down", area, random),
          step_(std::max(static_cast<int>(area.cardHeight / 5.3), 1)),
          columnGap_(std::max(static_cast<int>(area.cardWidth / 1.5), 1)),
          x_(-10),
          y_(area.top)
    {
    }

    CardDrop Next() override
    {
        CardDrop drop{RandomCard(), x_, y_, 0, false};
        ++count_;
        if (count_ % 2 == 0)
            drop.waitMs = pause_;
        drop.passMessages = count_ % 5 == 0;
        y_ += step_;
        if (y_ >= area_.height) {
            ++column_;
            y_ = ColumnStart();
            drop.waitMs += kRowWait;
            drop.passMessages = true;
            x_ += columnGap_;
        }
        if (x_ >= area_.width) {
            y_ = ColumnStart();
            restart_ += kLineGap;
            x_ = restart_;
            if (restart_ >= area_.width)
                restart_ = kLineGap;
        }
        return drop;
    }

private:
    int ColumnStart() const { return column_ % 2 == 1 ? -(area_.cardHeight / 3) : -(area_.cardHeight / 4); }

    int step_;
    int columnGap_;
    int x_;
    int y_;
    int column_ = 0;
    int restart_ = 0;
};

// A card running diagonally and leaving its trail, turning back at the edges like a ball.
class Lines : public Animation {
public:
    Lines(const WinningArea& area, RandomSource& random) : Animation("Lines", area, random), y_(area.top)
    {
        x_ = random_.Below(area_.width);
        if (x_ + area_.cardWidth >= area_.width)
            x_ = std::max(area_.width - area_.cardWidth - 1, 0);
    }

    CardDrop Next() override
    {
        if (!running_)
            StartRun();
        CardDrop drop{card_, x_, y_, 5, false};
        ++count_;
        if (count_ % 2 == 0)
            drop.waitMs += std::max(area_.speed, 0);
        drop.passMessages = count_ % 4 == 0;
        x_ += stepX_;
        y_ += stepY_;
        running_ = !TouchesEdge();
        return drop;
    }

private:
    bool TouchesEdge() const
    {
        return x_ <= 0 || x_ + area_.cardWidth >= area_.width || y_ <= area_.top ||
               y_ + area_.cardHeight >= area_.height;
    }

    // A new card and speed; the directions carry on, turned away from an edge the card is at.
    void StartRun()
    {
        card_ = RandomCard();
        const int size = 4 + random_.Below(8);
        stepX_ = stepX_ < 0 ? -size : size;
        stepY_ = stepY_ < 0 ? -size : size;
        // One test per axis, so that a board smaller than a card keeps the card near its edge.
        if (x_ <= 0)
            stepX_ = size;
        else if (x_ + area_.cardWidth >= area_.width)
            stepX_ = -size;
        if (y_ <= area_.top)
            stepY_ = size;
        else if (y_ + area_.cardHeight >= area_.height)
            stepY_ = -size;
        running_ = true;
    }

    int x_ = 0;
    int y_;
    int stepX_ = 1;
    int stepY_ = 1;
    int card_ = 1;
    bool running_ = false;
};

struct Offset {
    int x;
    int y;
};

// The points a card visits on a circle of 300 pixels: the outline of the circle as drawn into
// a 300 x 300 image, taken down the right half and back up the left half, every fourth pixel.
std::vector<Offset> CirclePoints()
{
    const auto inside = [](int x, int y) {
        if (x < 0 || y < 0 || x >= kCircleSize || y >= kCircleSize)
            return false;
        const int dx = 2 * x + 1 - kCircleSize;  // twice the distance of the pixel's centre
        const int dy = 2 * y + 1 - kCircleSize;
        return dx * dx + dy * dy <= kCircleSize * kCircleSize;
    };
    const auto outline = [&](int x, int y) {
        return inside(x, y) && (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1));
    };
    const int middle = kCircleSize / 2;
    std::vector<Offset> scanned;
    for (int y = 0; y < kCircleSize; ++y)
        for (int x = middle; x < kCircleSize; ++x)
            if (outline(x, y)) {
                scanned.push_back({x, y});
                break;
            }
    for (int y = kCircleSize - 1; y >= 0; --y)
        for (int x = middle - 1; x >= 0; --x)
            if (outline(x, y)) {
                scanned.push_back({x, y});
                break;
            }
    std::vector<Offset> points;
    for (std::size_t i = 0; i < scanned.size() && points.size() < kMaxCirclePoints; i += 4)
        points.push_back(scanned[i]);
    return points;
}

class Circles : public Animation {
public:
    Circles(const WinningArea& area, RandomSource& random)
        : Animation("Circles", area, random), points_(CirclePoints()), next_(points_.size())
    {
    }

    CardDrop Next() override
    {
        CardDrop drop;
        // Points off the board are skipped, but their pauses still pass; after a whole circle
        // without a visible point (a board too small to show one) the point is given anyway.
        for (std::size_t tried = 0;; ++tried) {
            if (next_ == points_.size())
                StartCircle();
            const Offset offset = points_[next_++];
            drop.card = card_;
            drop.x = cornerX_ + offset.x;
            drop.y = cornerY_ + offset.y;
            if (++count_ % 4 == 0) {  // counted across circles, so the rhythm never breaks
                drop.waitMs += pause_;
                drop.passMessages = true;
            }
            if (Visible(drop) || tried >= points_.size())
                return drop;
        }
    }

private:
    void StartCircle()
    {
        card_ = RandomCard();
        cornerX_ = Corner(area_.width);
        cornerY_ = Corner(area_.height);
        next_ = 0;
    }

    // A random corner; one too close to the far edge for a circle is mirrored to before the near one.
    int Corner(int size)
    {
        const int value = random_.Below(size);
        const int limit = size - kCircleSize / 2;
        return value > limit ? limit - value : value;
    }

    bool Visible(const CardDrop& drop) const
    {
        return drop.x + area_.cardWidth > 0 && drop.x < area_.width && drop.y + area_.cardHeight > area_.top &&
               drop.y < area_.height;
    }

    std::vector<Offset> points_;
    std::size_t next_;
    int card_ = 1;
    int cornerX_ = 0;
    int cornerY_ = 0;
};

// A card dropped from above the board that falls, bounces off the bottom and drifts sideways,
// each bounce lower than the last, tracing a garland of arcs.
class Festoons : public Animation {
public:
    Festoons(const WinningArea& area, RandomSource& random) : Animation("Festoons", area, random) {}

    CardDrop Next() override
    {
        if (!inGarland_)
            StartGarland();
        CardDrop drop{card_, x_, y_, pause_, ++count_ % 4 == 0};
        x_ += stepX_;
        ++speedY_;  // a pixel per step faster each step: falls speed up, rises slow down
        y_ += speedY_;
        const int floor = area_.height - area_.cardHeight;
        if (speedY_ > 0 && y_ >= floor) {
            y_ = floor;
            speedY_ = -(speedY_ * 3 / 4);
            // A bounce too small to see ends the garland.
            inGarland_ = speedY_ <= -kSmallestBounce;
        }
        if (x_ + area_.cardWidth <= 0 || x_ >= area_.width)
            inGarland_ = false;
        return drop;
    }

private:
    static constexpr int kSmallestBounce = 3;

    void StartGarland()
    {
        card_ = RandomCard();
        x_ = random_.Below(area_.width) - area_.cardWidth / 2;
        y_ = area_.top - 50 + random_.Below(40);
        const int size = 2 + random_.Below(5);
        stepX_ = random_.Below(2) == 0 ? -size : size;
        speedY_ = 0;
        inGarland_ = true;
    }

    int card_ = 1;
    int x_ = 0;
    int y_ = 0;
    int stepX_ = 0;
    int speedY_ = 0;
    bool inGarland_ = false;
};

std::unique_ptr<WinningAnimation> MakeNamed(std::string_view name, const WinningArea& area, RandomSource& random)
{
    if (EqualsNoCase(name, "Open order"))
        return std::make_unique<OpenOrder>(area, random);
    if (EqualsNoCase(name, "Left to right"))
        return std::make_unique<LeftToRight>(area, random);
    if (EqualsNoCase(name, "Up to down"))
        return std::make_unique<UpToDown>(area, random);
    if (EqualsNoCase(name, "Lines"))
        return std::make_unique<Lines>(area, random);
    if (EqualsNoCase(name, "Circles"))
        return std::make_unique<Circles>(area, random);
    if (EqualsNoCase(name, "Festoons"))
        return std::make_unique<Festoons>(area, random);
    return nullptr;
}

}  // namespace

std::unique_ptr<WinningAnimation> MakeWinningAnimation(std::string_view name, const WinningArea& area,
                                                       RandomSource& random)
{
    if (auto animation = MakeNamed(name, area, random))
        return animation;
    // The random choice keeps to the three that fill the board evenly.
    constexpr std::string_view kRandomChoices[] = {"Open order", "Left to right", "Up to down"};
    return MakeNamed(kRandomChoices[random.Below(3)], area, random);
}

}  // namespace marlowe
