// The card size "Auto": the card grows and shrinks with the board, the layout it chooses holds
// the game's longest expected fans, and every shipped game gets a card that fits.

#include "layout/auto_card_size.h"
#include "shipped_rules_suite.h"

#include <gtest/gtest.h>

#include <string>

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kSpider = 76;

class AutoCardSize : public testing::ShippedRulesSuite {
protected:
    static int Width(const RuleVector& rules, int width, int height)
    {
        BoardGeometry board;
        return AutoCardWidth(rules, PlainBoardRequest(width, height), false, board);
    }
};

TEST_F(AutoCardSize, CardsGrowWithTheBoardAndFillTheLargeOne)
{
    for (const int game : {kFreeCell, kKlondike, kSpider}) {
        const RuleVector rules = Rules(game);
        const int small = Width(rules, 1024, 640);
        const int middle = Width(rules, 1600, 920);
        const int large = Width(rules, 2560, 1340);
        EXPECT_LT(small, middle) << game;
        EXPECT_LT(middle, large) << game;
        EXPECT_GE(small, CardMetricsFor('M', false).cardWidth) << game;
    }
    EXPECT_GE(Width(Rules(kFreeCell), 2560, 1340), 200);
}

TEST_F(AutoCardSize, ChosenCardFitsAndALargerOneDoesNot)
{
    for (const int game : {kFreeCell, kKlondike, kSpider}) {
        const RuleVector rules = Rules(game);
        const LayoutRequest request = PlainBoardRequest(1600, 920);
        BoardGeometry board;
        const int width = AutoCardWidth(rules, request, false, board);
        EXPECT_TRUE(LayoutFits(rules, request, board)) << game;
        board.SetCardWidth(width * 11 / 10, false, rules);
        EXPECT_FALSE(LayoutFits(rules, request, board)) << game;
    }
}

TEST_F(AutoCardSize, ExpectedFansHoldTheDealtCardsAndASuitFaceUp)
{
    const RuleVector klondike = Rules(kKlondike);
    EXPECT_EQ(ExpectedTableauFan(klondike, 6).faceDown, 6);
    EXPECT_EQ(ExpectedTableauFan(klondike, 6).faceUp, 13);
    const RuleVector freeCell = Rules(kFreeCell);
    EXPECT_EQ(ExpectedTableauFan(freeCell, 0).faceDown, 0);
    EXPECT_EQ(ExpectedTableauFan(freeCell, 0).faceUp, 13);

    // A fan reaching below the bottom of the board does not fit.
    BoardGeometry board;
    board.SetCardWidth(CardMetricsFor('B', false).cardWidth, false, klondike);
    EXPECT_TRUE(LayoutFits(klondike, PlainBoardRequest(1024, 768), board));
    EXPECT_FALSE(LayoutFits(klondike, PlainBoardRequest(1024, 400), board));
}

TEST_F(AutoCardSize, FanStepsGrowWithTheCard)
{
    const RuleVector rules = Rules(kKlondike);
    const FanSteps normal = ComputeFanSteps('B', rules);
    EXPECT_EQ(ComputeFanStepsOfWidth(CardMetricsFor('B', false).cardWidth, rules).faceUpDown, normal.faceUpDown);
    const FanSteps doubled = ComputeFanStepsOfWidth(2 * CardMetricsFor('B', false).cardWidth, rules);
    EXPECT_EQ(doubled.faceUpDown, 2 * normal.faceUpDown);
    EXPECT_EQ(doubled.faceDownDown, 2 * normal.faceDownDown);
    EXPECT_EQ(CardMetricsOfWidth(142, false).cardHeight, 192);
}

TEST_F(AutoCardSize, EveryGameGetsACardThatFitsItsBoard)
{
    for (const auto& line : mainGame->Catalogue()) {
        const int number = CatalogueLineNumber(line);
        const RuleVector rules = Rules(number);
        for (const auto& [width, height] : {std::pair{1024, 700}, std::pair{2560, 1440}}) {
            const LayoutRequest request = PlainBoardRequest(width, height);
            BoardGeometry board;
            const int card = AutoCardWidth(rules, request, false, board);
            const std::string label = CatalogueLineName(line) + " " + std::to_string(width);
            EXPECT_GE(card, kAutoCardMinWidth) << label;
            if (card > kAutoCardMinWidth) {
                EXPECT_TRUE(LayoutFits(rules, request, board)) << label;
            }
        }
    }
}

} // namespace
} // namespace marlowe
