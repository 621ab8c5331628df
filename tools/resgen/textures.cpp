// The board backgrounds: the built-in textures and the pictures of the additional backgrounds
// module. The board tiles them, so every one repeats seamlessly: patterns have periods that divide
// the tile and the noise wraps around it. They stay subdued so the cards stand out.

#include "drawing_helpers.h"
#include "resource_makers.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace marlowe::resgen {
namespace {

constexpr int kTile = 256;
constexpr double kTwoPi = 6.283185307179586;

struct Shade {
    double r, g, b;
};

Shade operator*(const Shade& s, double f) { return {s.r * f, s.g * f, s.b * f}; }
Shade operator+(const Shade& a, const Shade& b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

Shade Blend(const Shade& a, const Shade& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return a * (1 - t) + b * t;
}

QRgb ToRgb(const Shade& s)
{
    const auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return qRgb(channel(s.r), channel(s.g), channel(s.b));
}

// Fills a tile pixel by pixel from a shading function of the pixel's position, averaging
// samples x samples points inside each pixel where the pattern has hard edges.
template <typename Shader>
QImage ShadeTile(Shader shader, int samples = 1)
{
    QImage image(kTile, kTile, QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kTile; ++x) {
            Shade sum{0, 0, 0};
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                    sum = sum + shader(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples);
            line[x] = ToRgb(sum * (1.0 / (samples * samples)));
        }
    }
    return image;
}

double Noise(double x, double y, int cells, int octaves, uint32_t seed, int stretchX = 1)
{
    return TileNoise(x, y, kTile, cells, octaves, seed, stretchX);
}

// A small carpet motif: a lozenge ring with a dark centre on a wine-red ground, 32 px apart.
Shade Moquette(double x, double y)
{
    const double lx = std::fmod(x, 32.0) - 16, ly = std::fmod(y, 32.0) - 16;
    const double d = std::abs(lx) + std::abs(ly);
    Shade colour{96, 30, 38};
    if (d >= 9 && d < 12)
        colour = {150, 112, 62};
    else if (d < 4)
        colour = {40, 46, 84};
    else if (std::abs(d - 16) < 1)
        colour = {70, 20, 28};
    const double tuft = 0.88 + 0.24 * Noise(x, y, 128, 1, 11) + 0.06 * Noise(x, y, 8, 2, 12);
    return colour * tuft;
}

// Brushed gold: fine streaks along x and a broad, slanting sheen.
Shade MetalGold(double x, double y)
{
    const double streaks = Noise(x, y, 128, 3, 21, 32);
    const double sheen = 0.5 + 0.5 * std::sin(kTwoPi * (x + y) / kTile);
    const Shade dark{112, 84, 34}, light{214, 176, 92};
    return Blend(dark, light, 0.25 + 0.35 * sheen + 0.5 * (streaks - 0.5) * 1.6);
}

// A tight plain weave of blue-grey threads, 4 px apart, with a slow mottle in the dye.
Shade WovenCarpet(double x, double y)
{
    const int cx = static_cast<int>(x) / 4, cy = static_cast<int>(y) / 4;
    const double fx = std::fmod(x, 4.0) / 4, fy = std::fmod(y, 4.0) / 4;
    const bool warpOnTop = (cx + cy) % 2 == 0;
    const double across = warpOnTop ? fx : fy;
    const double cord = 0.72 + 0.28 * std::sin(across * kTwoPi / 2);
    const Shade warp{58, 84, 104}, weft{72, 96, 108};
    const double mottle = 0.85 + 0.3 * Noise(x, y, 4, 3, 31);
    return (warpOnTop ? warp : weft) * (cord * mottle);
}

// Running-bond bricks, 64 x 32 px with their mortar; each brick fired a little differently.
Shade BrickWall(double x, double y)
{
    const int row = static_cast<int>(y) / 32;
    const double shifted = std::fmod(x + (row % 2) * 32.0, kTile);
    const int column = static_cast<int>(shifted) / 64;
    const double lx = std::fmod(shifted, 64.0), ly = std::fmod(y, 32.0);
    const double grain = Noise(x, y, 64, 3, 41);
    if (lx < 3 || ly < 3)
        return Shade{122, 116, 106} * (0.8 + 0.3 * grain);
    const double tone = HashUnit(column, row, 42);
    const Shade brick = Blend(Shade{128, 52, 38}, Shade{150, 82, 56}, tone);
    const double edge = std::min({lx - 3, 64 - lx, ly - 3, 32 - ly});
    const double bevel = edge < 2 ? 0.86 + 0.07 * edge : 1.0;
    return brick * (bevel * (0.8 + 0.35 * grain));
}

// Oak grain along one axis: dark late-wood lines, gently bent, over fine fibres. `along` runs
// with the grain.
double WoodGrain(double along, double across, uint32_t seed, double lines)
{
    const double bend = Noise(along, across, 4, 3, seed, 4);
    const double wave = std::sin((across / kTile * lines + bend * 1.6) * kTwoPi);
    const double fibre = Noise(along, across, 128, 2, seed + 5, 32);
    return 0.55 + 0.25 * wave * wave * wave + 0.45 * (fibre - 0.5);
}

// Basket parquet: 64 px squares of four 16 px planks, turning a quarter between squares.
Shade Parquet(double x, double y)
{
    const int sx = static_cast<int>(x) / 64, sy = static_cast<int>(y) / 64;
    const bool vertical = (sx + sy) % 2 == 0;
    const double across = vertical ? x : y;
    const double along = vertical ? y : x;
    const int plank = static_cast<int>(across) / 16;
    const double inPlank = std::fmod(across, 16.0);
    if (inPlank < 1 || std::fmod(along, 64.0) < 1)
        return {58, 36, 20};
    const double tone = HashUnit(plank, vertical ? sy : sx, 51);
    const Shade wood = Blend(Shade{128, 84, 44}, Shade{164, 114, 64}, tone);
    const double grain = vertical ? WoodGrain(y, x, 52 + plank, 40) : WoodGrain(x, y, 52 + plank, 40);
    return wood * (0.78 + 0.36 * grain);
}

// Green felt: a fine fibre over a gentle mottle.
Shade GreenFelt(double x, double y)
{
    const double fibre = Noise(x, y, 128, 2, 61);
    const double mottle = Noise(x, y, 4, 4, 62);
    return Shade{26, 104, 52} * (0.82 + 0.22 * mottle + 0.22 * (fibre - 0.5));
}

// Blue velvet: deep blue with soft sheen where the pile catches the light.
Shade BlueVelvet(double x, double y)
{
    const double sheen = Noise(x, y, 2, 4, 71);
    const double pile = Noise(x, y, 128, 2, 72);
    const Shade deep{18, 28, 84}, lit{52, 78, 168};
    return Blend(deep, lit, std::pow(sheen, 1.4) * 0.8) * (0.92 + 0.16 * pile);
}

// Oak boards, 64 px wide and a tile long, each jointed at its own place.
Shade OakTable(double x, double y)
{
    const int board = static_cast<int>(y) / 64;
    const double inBoard = std::fmod(y, 64.0);
    const double joint = std::floor(HashUnit(board, 0, 81) * kTile);
    if (inBoard < 1 || std::fmod(x - joint + kTile, kTile) < 1)
        return {48, 30, 16};
    const Shade wood = Blend(Shade{124, 82, 44}, Shade{156, 108, 62}, HashUnit(board, 1, 82));
    return wood * (0.72 + 0.42 * WoodGrain(x, y, 83 + board, 20));
}

// Slate: dark blue-grey stone, mottled, with faint layers running across.
Shade Slate(double x, double y)
{
    const double mottle = Noise(x, y, 8, 5, 91);
    const double layers = Noise(x, y, 16, 2, 92, 8);
    const double grit = Noise(x, y, 256, 1, 93);
    return Shade{62, 68, 78} * (0.7 + 0.38 * mottle + 0.1 * (layers - 0.5) + 0.12 * (grit - 0.5));
}

// Grass: a mottled green ground covered in short blades. Blades near an edge are drawn again
// across it so the meadow tiles.
QImage Meadow()
{
    QImage image = ShadeTile([](double x, double y) {
        return Shade{44, 92, 36} * (0.75 + 0.4 * Noise(x, y, 8, 4, 101));
    });
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(0, 0, kTile, kTile);
    for (int i = 0; i < 1800; ++i) {
        const QPointF foot(HashUnit(i, 0, 102) * kTile, HashUnit(i, 1, 102) * kTile);
        const double length = 7 + 9 * HashUnit(i, 2, 102);
        const double lean = (HashUnit(i, 3, 102) - 0.5) * length * 0.9;
        const QPointF tip = foot + QPointF(lean, -length);
        QPainterPath blade;
        blade.moveTo(foot);
        blade.quadTo(foot + QPointF(lean * 0.1, -length * 0.6), tip);
        const Shade colour = Blend(Shade{36, 84, 30}, Shade{104, 150, 62}, HashUnit(i, 4, 102));
        painter.setPen(QPen(QColor(ToRgb(colour)), 1.1, Qt::SolidLine, Qt::RoundCap));
        const QRectF bounds = blade.boundingRect().adjusted(-1, -1, 1, 1);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (tile.intersects(bounds.translated(dx * kTile, dy * kTile)))
                    painter.drawPath(blade.translated(dx * kTile, dy * kTile));
    }
    return image;
}

}  // namespace

QImage MakeTexture(const ResourceEntry& entry)
{
    const std::string_view number = entry.variant;
    if (number == "102")
        return ShadeTile(Moquette, 2);
    if (number == "287")
        return ShadeTile(MetalGold);
    if (number == "296")
        return ShadeTile(WovenCarpet, 2);
    if (number == "304")
        return ShadeTile(BrickWall, 2);
    if (number == "311")
        return ShadeTile(Parquet, 2);
    if (number == "324")
        return Meadow();
    return {};
}

QImage MakeAdditionalBackground(const ResourceEntry& entry)
{
    const std::string_view name = entry.variant;
    if (name == "BG01")
        return ShadeTile(GreenFelt);
    if (name == "BG02")
        return ShadeTile(BlueVelvet);
    if (name == "BG03")
        return ShadeTile(OakTable, 2);
    if (name == "BG04")
        return ShadeTile(Slate);
    return {};
}

}  // namespace marlowe::resgen
