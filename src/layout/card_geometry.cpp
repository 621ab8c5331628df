#include "layout/card_geometry.h"

#include "catalogue/rule_values.h"
#include "resources/resource_names.h"

#include <algorithm>

namespace marlowe {

namespace {

struct SizeRow {
    char letter;
    int faceUpDown;
    int faceDownDown;
    int faceUpRight;
    int faceDownRight;
    int fixedRight;
    int gridGapX;
    int gridGapY;
};

constexpr SizeRow kSizes[] = {
    {'X', 24, 6, 16, 4, 7, 12, 8},
    {'S', 21, 5, 14, 4, 7, 12, 8},
    {'B', 18, 4, 12, 4, 7, 12, 8},
    {'M', 14, 4, 10, 4, 5, 8, 6},
    {'L', 3, 3, 3, 3, 3, 4, 3},
};

// The steps of a size letter; any unknown letter is "B", as for the card size.
const SizeRow& RowOf(char letter)
{
    for (const auto& row : kSizes)
        if (row.letter == letter)
            return row;
    return kSizes[2];
}

// Size "B", whose steps and proportions a card of any width takes.
constexpr int kBaseWidth = 71;
constexpr int kBaseHeight = 96;

// A step of size "B" scaled to a card width; a step in use never shrinks to nothing.
int ScaledStep(int step, int cardWidth)
{
    return step == 0 ? 0 : std::max(1, (step * cardWidth + kBaseWidth / 2) / kBaseWidth);
}

SizeRow RowOfWidth(int cardWidth)
{
    const SizeRow& base = RowOf('B');
    return {kAutoSizeLetter,
            ScaledStep(base.faceUpDown, cardWidth),
            ScaledStep(base.faceDownDown, cardWidth),
            ScaledStep(base.faceUpRight, cardWidth),
            ScaledStep(base.faceDownRight, cardWidth),
            ScaledStep(base.fixedRight, cardWidth),
            ScaledStep(base.gridGapX, cardWidth),
            ScaledStep(base.gridGapY, cardWidth)};
}

FanSteps StepsOfRow(const SizeRow& row, const RuleVector& rules);

} // namespace

CardMetrics CardMetricsOfWidth(int cardWidth, bool shadows)
{
    return CardMetrics{cardWidth, (cardWidth * kBaseHeight + kBaseWidth / 2) / kBaseWidth, shadows ? 9 : 0};
}

FanSteps ComputeFanStepsOfWidth(int cardWidth, const RuleVector& rules)
{
    return StepsOfRow(RowOfWidth(cardWidth), rules);
}

CardMetrics CardMetricsFor(char sizeLetter, bool shadows)
{
    const CardPixelSize size = CardSizeOf(sizeLetter);
    return CardMetrics{size.width, size.height, shadows ? 9 : 0};
}

FanSteps ComputeFanSteps(char sizeLetter, const RuleVector& rules)
{
    return StepsOfRow(RowOf(sizeLetter), rules);
}

namespace {

FanSteps StepsOfRow(const SizeRow& row, const RuleVector& rules)
{
    const int tableau = rules[rule::TableauStyle];
    const int foundation = rules[rule::FoundationStyle];
    const int reserve = rules[rule::ReserveStyle];

    FanSteps steps;
    steps.gridGapX = row.gridGapX;
    steps.gridGapY = row.gridGapY;
    // Downward steps for every game with a pile fanned downward; a fan keeping its gaps spreads
    // its cells wider, and doubled reserve fans are twice as wide.
    const bool fansDown = tableau == pile_style::FannedDown || tableau == pile_style::TopCardOffset ||
                          tableau == pile_style::FannedDownKeepingGaps || tableau == pile_style::FannedDownDoubled ||
                          foundation == pile_style::FannedDown || reserve == pile_style::FannedDown ||
                          reserve == pile_style::FannedDownDoubled;
    if (fansDown) {
        steps.faceUpDown = row.faceUpDown;
        steps.faceDownDown = row.faceDownDown;
        if (tableau == pile_style::FannedDownKeepingGaps) {
            steps.faceUpDown = static_cast<int>(steps.faceUpDown * 2.5);
            steps.faceDownDown = static_cast<int>(steps.faceDownDown * 2.5);
        } else if (reserve == pile_style::FannedDownDoubled) {
            steps.faceUpDown *= 2;
            steps.faceDownDown *= 2;
        }
    }
    const bool fansSideways = tableau == pile_style::FannedRight || tableau == pile_style::FannedLeft ||
                              rules[rule::SplitTableauFan] != 0 || reserve == pile_style::FannedRight ||
                              foundation == pile_style::FannedRight;
    if (fansSideways) {
        steps.faceUpRight = row.faceUpRight;
        steps.faceDownRight = row.faceDownRight;
    }
    if (tableau == 6)
        steps.fixedRight = row.fixedRight;
    return steps;
}

} // namespace

} // namespace marlowe
