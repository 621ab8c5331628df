// The fan steps of each card size and the place of a card in a pile of each style: the one
// answer that drawing, hit-testing and animation share.

#include "engine/game_context.h"
#include "engine/recording_presentation.h"
#include "layout/card_positions.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace marlowe {
namespace {

TEST(FanSteps, FollowTheCardSizeAndTheStylesTheGameUses)
{
    struct Case {
        char size;
        int tableauStyle, reserveStyle, foundationStyle;
        int cardWidth, cardHeight;
        FanSteps steps;
    };
    const Case cases[] = {
        {'B', 1, 0, 0, 71, 96, {18, 4, 0, 0, 0, 12, 8}},
        {'X', 12, 0, 0, 102, 138, {60, 15, 0, 0, 0, 12, 8}}, // style 12: 2.5 times
        {'S', 12, 0, 0, 85, 115, {52, 12, 0, 0, 0, 12, 8}},  // 52.5 and 12.5 truncated
        {'S', 0, 13, 0, 85, 115, {42, 10, 0, 0, 0, 12, 8}},  // reserves of style 13: doubled
        {'M', 2, 0, 0, 59, 80, {0, 0, 10, 4, 0, 8, 6}},
        {'M', 0, 0, 2, 59, 80, {0, 0, 10, 4, 0, 8, 6}},
        {'L', 6, 0, 0, 25, 32, {0, 0, 0, 0, 3, 4, 3}},
        {'B', 0, 0, 0, 71, 96, {0, 0, 0, 0, 0, 12, 8}},      // nothing fans: only the grid gaps
    };
    for (const Case& c : cases) {
        RuleVector rules;
        rules[rule::TableauStyle] = static_cast<std::int16_t>(c.tableauStyle);
        rules[rule::ReserveStyle] = static_cast<std::int16_t>(c.reserveStyle);
        rules[rule::FoundationStyle] = static_cast<std::int16_t>(c.foundationStyle);
        BoardGeometry board;
        board.SetCardSize(c.size, true, rules);
        const std::string label = std::string(1, c.size) + " style " + std::to_string(c.tableauStyle);
        EXPECT_EQ(board.card.cardWidth, c.cardWidth) << label;
        EXPECT_EQ(board.card.cardHeight, c.cardHeight) << label;
        EXPECT_EQ(board.card.shadowDepth, 9) << label;
        const auto fields = [](const FanSteps& s) {
            return std::array{s.faceUpDown, s.faceDownDown, s.faceUpRight, s.faceDownRight,
                              s.fixedRight, s.gridGapX, s.gridGapY};
        };
        EXPECT_EQ(fields(board.steps), fields(c.steps)) << label;
    }
}

class CardPositionTest : public ::testing::Test {
protected:
    // Every pile at (100, 200) with "B" cards; the styles as given.
    void SetStyles(int tableauStyle, int reserveStyle = 0)
    {
        context.rules[rule::TableauStyle] = static_cast<std::int16_t>(tableauStyle);
        context.rules[rule::ReserveStyle] = static_cast<std::int16_t>(reserveStyle);
        board.SetCardSize('B', false, context.rules);
        board.stockGroup.fill({100, 200});
        board.tableaus.fill({100, 200});
        board.reserves.fill({100, 200});
    }
    // A pile of the given codes; the first faceDown of them face down.
    void Deal(PileRef pile, const std::string& codes, int faceDown = 0)
    {
        context.piles[pile] = codes;
        for (int i = 0; i < faceDown; ++i)
            context.cards.SetCardFaceMark(std::stoi(codes.substr(static_cast<std::size_t>(i) * 3, 3)), '0');
    }
    Place At(PileRef pile, int k, bool countNext = false) const
    {
        return CardPosition(context, board, pile, k, countNext);
    }

    RecordingPresentation presentation;
    GameContext context{presentation};
    BoardGeometry board;
};

constexpr PileRef kFirstTableau{PileGroup::Tableaus, 0};

TEST_F(CardPositionTest, EachStyleStepsItsCards)
{
    struct Case {
        const char* label;
        int tableauStyle, reserveStyle;
        PileRef pile;
        std::string codes;
        int faceDown;
        int k;
        bool countNext;
        Place expected;
    };
    const Case cases[] = {
        // Three face-down cards (4 each) and two face-up (18 each).
        {"down, top", 1, 0, kFirstTableau, "001002003004005", 3, 0, false, {100, 200 + 12 + 18}},
        {"down, under the top", 1, 0, kFirstTableau, "001002003004005", 3, 1, false, {100, 212}},
        {"down, next", 1, 0, kFirstTableau, "001002003004005", 3, 0, true, {100, 200 + 12 + 36}},
        {"down as 1", 13, 0, kFirstTableau, "001002", 1, 0, false, {100, 204}},
        // Style 12 steps 45 for a face-up card and for a gap alike.
        {"gaps kept", 12, 0, kFirstTableau, "001000002", 0, 0, false, {100, 290}},
        {"no gap", 12, 0, kFirstTableau, "001002", 0, 0, false, {100, 245}},
        {"right", 2, 0, kFirstTableau, "001002003", 1, 0, false, {100 + 4 + 12, 200}},
        {"left", 10, 0, kFirstTableau, "001002003", 0, 0, false, {100 - 24, 200}},
        {"row", 4, 0, kFirstTableau, "001000003", 0, 0, false, {100 + 2 * 77, 200}},
        {"fixed step", 6, 0, kFirstTableau, "001002003", 0, 0, false, {114, 200}},
        {"cells", 9, 0, kFirstTableau, "001002003004", 0, 0, false, {100 + 3 * 73, 200}},
        {"cells, bottom", 9, 0, kFirstTableau, "001002003004", 0, 3, false, {100, 200}},
        {"top lowered", 7, 0, kFirstTableau, "001002", 0, 0, false, {100, 218}},
        {"top lowered, under it", 7, 0, kFirstTableau, "001002", 0, 1, false, {100, 200}},
        {"top lowered, one card", 7, 0, kFirstTableau, "001", 0, 0, false, {100, 200}},
        {"top lowered, next", 7, 0, kFirstTableau, "001", 0, 0, true, {100, 218}},
        {"split fan, left half", 11, 0, {PileGroup::Tableaus, 6}, "001002", 0, 0, false, {112, 200}},
        {"split fan, right half", 11, 0, {PileGroup::Tableaus, 7}, "001002", 0, 0, false, {88, 200}},
        {"own style, no offset", 11, 0, {PileGroup::Tableaus, 12}, "001002", 0, 0, false, {100, 200}},
        {"reserve with depth", 0, 5, {PileGroup::Reserves, 0}, "001002003", 0, 0, false, {100, 206}},
        {"stock squared", 1, 1, {PileGroup::StockGroup, 0}, "001002003", 0, 0, false, {100, 200}},
    };
    for (const Case& c : cases) {
        context.rules[rule::SplitTableauFan] = c.tableauStyle == 11 ? 1 : 0;
        SetStyles(c.tableauStyle, c.reserveStyle);
        context.cards = CardTable();
        Deal(c.pile, c.codes, c.faceDown);
        EXPECT_EQ(At(c.pile, c.k, c.countNext), c.expected) << c.label;
    }
}

TEST_F(CardPositionTest, SerpentineRowsRunBackAndFillTheScreen)
{
    SetStyles(8);
    std::string codes;
    for (int code = 1; code <= 20; ++code)
        codes += (code < 10 ? "00" : "0") + std::to_string(code);
    Deal(kFirstTableau, codes);
    const int last = 19; // the 20th card is the top one, k = 0
    // Four columns: card 6 (index 5) is in row 1, mirrored to column 2 of 0..3.
    context.rules[rule::SerpentineColumns] = 4;
    EXPECT_EQ(At(kFirstTableau, last - 5), (Place{100 + 2 * 83, 200 + 104}));
    // Columns from the screen: 1024 / 83 = 12, and 1600 / 83 = 19 on a wider screen.
    context.rules[rule::SerpentineColumns] = -1;
    board.screenWidth = 1024;
    EXPECT_EQ(At(kFirstTableau, last - 12), (Place{100 + 11 * 83, 304}));
    board.screenWidth = 1600;
    EXPECT_EQ(At(kFirstTableau, last - 12), (Place{100 + 12 * 83, 200}));
}

TEST_F(CardPositionTest, ScrollingAndMissingPlaces)
{
    SetStyles(1);
    Deal(kFirstTableau, "001002");
    board.scrollOffset = 50;
    EXPECT_EQ(CardPositionY(context, board, "Fila1", 0, false), 200 + 18 - 50);
    EXPECT_EQ(CardPositionX(context, board, "Fila01", 0, false), 100);
    board.tableaus[1] = Place{};
    EXPECT_EQ(CardPositionX(context, board, "Fila2", 0, true), NotPlaced);
    EXPECT_EQ(CardPositionY(context, board, "Fila2", 0, true), NotPlaced);
    EXPECT_EQ(CardPositionX(context, board, "Pile9", 0, false), NotPlaced);
}

} // namespace
} // namespace marlowe
