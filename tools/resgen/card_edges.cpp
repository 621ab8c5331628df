// The strips drawn around a card: the soft drop shadow beside a lying card and the raised border
// of a selected card. The board copies both with a key colour as transparent (white for the
// shadow, pure blue for the border), so every pixel is either that key or fully painted.

#include "resource_makers.h"

#include <algorithm>
#include <cmath>

namespace marlowe::resgen {
namespace {

// Where the board puts the strips relative to the card's top-left corner.
constexpr int kRightStripTop = 7;
constexpr int kBottomStripLeft = 8;

// Corner radius of the card outline the border follows, in step with the decks' corners.
double CornerRadius(int cardWidth)
{
    return std::max(2.0, std::round(cardWidth * 0.06));
}

// Signed distance from a point to a rounded rectangle: negative inside.
double DistanceToRoundedRect(double x, double y, double left, double top, double width, double height,
                             double radius)
{
    const double qx = std::abs(x - (left + width / 2)) - (width / 2 - radius);
    const double qy = std::abs(y - (top + height / 2)) - (height / 2 - radius);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
}

// The 4 x 4 ordered-dither thresholds.
double DitherThreshold(int x, int y)
{
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (kBayer[y & 3][x & 3] + 0.5) / 16.0;
}

// The shadow of a card whose top-left corner is at the origin, as a grey or white (transparent),
// at the pixel (x, y). The shadow is the card's shape moved to where the strips lie, darkest deep
// inside it and fading out towards its edge, so it also fades in at the strips' square ends. Both
// strips sample the one shadow, so they agree where they overlap. The faint part is dithered
// rather than painted in near-white greys, which would show as a pale halo on a dark table.
QRgb ShadowPixel(int x, int y, int cardWidth, int cardHeight)
{
    constexpr double kFade = 7.0;
    const double distance = DistanceToRoundedRect(x + 0.5, y + 0.5, kBottomStripLeft, kRightStripTop, cardWidth,
                                                  cardHeight, CornerRadius(cardWidth) + 3);
    const double strength = std::clamp(-distance / kFade, 0.0, 1.0);
    if (strength < DitherThreshold(x, y))
        return qRgb(255, 255, 255);
    const int grey = static_cast<int>(std::lround(128 - 72 * strength));
    return qRgb(grey, grey, grey);
}

// The raised border: two pixel rings just inside the card's rounded outline, light on the
// top-left half and dark on the bottom-right half (split on the diagonal through the top-right
// and bottom-left corners), outer ring first.
QRgb BorderPixel(int x, int y, int cardWidth, int cardHeight, bool light)
{
    static constexpr QRgb kKey = 0xff0000ff;
    const double depth = -DistanceToRoundedRect(x + 0.5, y + 0.5, 0, 0, cardWidth, cardHeight,
                                                CornerRadius(cardWidth));
    if (depth < 0 || depth >= 2)
        return kKey;
    const bool topLeft = (x + 0.5) / cardWidth + (y + 0.5) / cardHeight < 1.0;
    if (topLeft != light)
        return kKey;
    const bool outer = depth < 1;
    if (light)
        return outer ? qRgb(223, 223, 223) : qRgb(255, 255, 255);
    return outer ? qRgb(64, 64, 64) : qRgb(128, 128, 128);
}

}  // namespace

QImage MakeShadowStripOfCard(CardPixelSize card, bool right, QSize size)
{
    const int left = right ? card.width : kBottomStripLeft;
    const int top = right ? kRightStripTop : card.height;
    QImage strip(size, QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            strip.setPixel(x, y, ShadowPixel(left + x, top + y, card.width, card.height));
    return strip;
}

QImage MakeBorderStripOfCard(CardPixelSize card, bool light)
{
    QImage border(card.width, card.height, QImage::Format_RGB32);
    for (int y = 0; y < card.height; ++y)
        for (int x = 0; x < card.width; ++x)
            border.setPixel(x, y, BorderPixel(x, y, card.width, card.height, light));
    return border;
}

QImage MakeShadowStrip(const ResourceEntry& entry)
{
    return MakeShadowStripOfCard(CardSizeOf(entry.sizeLetter), entry.variant == "1", QSize(entry.width, entry.height));
}

QImage MakeBorderStrip(const ResourceEntry& entry)
{
    return MakeBorderStripOfCard(CardSizeOf(entry.sizeLetter), entry.variant == "1");
}

}  // namespace marlowe::resgen
