// The board layout: the exact places of the cross, the pyramid and the five-under-five boards,
// the general arrangements of the best-known games on two board sizes, the special cases of
// the arithmetic, and for every shipped game that its piles fit the board and keep apart.

#include "catalogue/rule_values.h"
#include "layout/auto_card_size.h"
#include "layout/board_layout.h"
#include "resources/resource_names.h"
#include "shipped_rules_suite.h"
#include "layout/auto_card_size.h"
#include "layout/card_positions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace marlowe {
namespace {

struct Board {
    int width = 1024;
    int height = 768;
    char size = 'B';
    bool shadows = false;
};

// A main board of the given client size without toolbars; the screen is as large as the board
// unless the test says otherwise.
BoardGeometry LayOut(const RuleVector& rules, const Board& board, int screenWidth = 0, int screenHeight = 0)
{
    BoardGeometry geometry;
    geometry.SetCardSize(board.size, board.shadows, rules);
    ComputeBoardLayout(rules, PlainBoardRequest(board.width, board.height, screenWidth, screenHeight), geometry);
    return geometry;
}

// A row of count piles of one group: the first at (x, y), each next step further right.
struct Row {
    PileGroup group;
    int first;
    int count;
    int x;
    int step;
    int y;
};

void ExpectRows(const BoardGeometry& geometry, const std::vector<Row>& rows, const std::string& label)
{
    for (const Row& row : rows)
        for (int i = 0; i < row.count; ++i) {
            const PileRef pile{row.group, row.first + i};
            EXPECT_EQ(geometry.PlaceOf(pile), (Place{row.x + i * row.step, row.y})) << label << " " << PileName(pile);
        }
}

constexpr auto kStock = PileGroup::StockGroup;
constexpr auto kFoundations = PileGroup::Foundations;
constexpr auto kTableaus = PileGroup::Tableaus;
constexpr auto kReserves = PileGroup::Reserves;

RuleVector SpecialGame(int arrangement, int tableaus, int foundations, int stockGroup)
{
    RuleVector rules;
    rules[rule::TableauArrangement] = static_cast<std::int16_t>(arrangement);
    rules[rule::TableauCount] = static_cast<std::int16_t>(tableaus);
    rules[rule::FoundationCount] = static_cast<std::int16_t>(foundations);
    rules[rule::StockGroupCount] = static_cast<std::int16_t>(stockGroup);
    rules[rule::StockShown] = 1;
    rules[rule::WasteShown] = 1;
    return rules;
}

TEST(SpecialArrangements, CrossOfFiveWithCornerFoundations)
{
    const RuleVector rules = SpecialGame(52, 8, 4, 2);
    struct Case {
        Board board;
        int left, middle, right; // the three columns of the cross
        int upper, centre, lower;
        int stockX;
        int spacing;
    };
    // 1024 x 768: W = 1022, a = b = 35; left = (1022 - 213 - 70) / 2 = 369; upper =
    // (767 - (288 + 70)) / 2 = 204. A window under 500 pixels: W = 1012, a = b = 25. A narrow
    // board: (398 - 283) / 2 = 57 is below CW + 2a + 25 = 166.
    const Case cases[] = {
        {{1024, 768}, 369, 475, 581, 204, 335, 466, 228, 35},
        {{1024, 480}, 374, 470, 566, 70, 191, 312, 253, 25},
        {{400, 768}, 166, 272, 378, 204, 335, 466, 25, 35},
    };
    for (const Case& c : cases) {
        const BoardGeometry geometry = LayOut(rules, c.board, 1024, 768);
        const std::string label = std::to_string(c.board.width) + "x" + std::to_string(c.board.height);
        const int across = c.right - c.left - 14; // between the foundations of one row
        ExpectRows(geometry,
                   {{kTableaus, 0, 1, c.middle, 0, c.upper},
                    {kTableaus, 1, 3, c.left, c.middle - c.left, c.centre},
                    {kTableaus, 4, 1, c.middle, 0, c.lower},
                    {kStock, 0, 1, c.stockX, 0, c.upper},
                    {kStock, 1, 1, c.stockX, 0, c.centre},
                    {kFoundations, 0, 2, c.left + 7, across, c.upper + 7},
                    {kFoundations, 2, 2, c.left + 7, across, c.lower - 7}},
                   label);
        for (int i = 5; i < 8; ++i)
            EXPECT_EQ(geometry.TableauX(i), NotPlaced) << label;
        EXPECT_EQ(c.stockX, c.left - 71 - 2 * c.spacing);
    }
}

TEST(SpecialArrangements, PyramidRowsAndTheStockBesideThem)
{
    struct Case {
        const char* label;
        int firstRow, secondRow, style, width;
        int apexX, cardStep;            // tableau k + 1 at apexX -/+ k * cardStep / 2
        int stockX, secondWasteX;
    };
    // Stock y = (767 - 6 * 48 - 96) / 2 - 20 = 171, rows 48 + 4 apart, waste CH + 25 below.
    // Widening rows of style 4 step 71 + 6 = 77 from card to card, so each row starts 38 or 39
    // pixels left of the one above (rounded once from the apex, never drifting): X0 =
    // (1022 - 71) / 2 = 475, last row 475 - 231 = 244, stock (244 - 71) / 2 = 86, 2 * 475 - 86.
    // Narrowing with the style-6 step 7: half of 78 is 39, X0 = (1022 - 497 - 42) / 2 = 241,
    // stock = (241 - 71) / 2 = 85, 2 * 475 - 85. On a 500-wide board the stock does not fit until
    // X0 has grown from 213 to 342: stock (342 - 231 - 71) / 2 = 20.
    const Case cases[] = {
        {"widening", 1, 2, 4, 1024, 475, 77, 86, 864},
        {"narrowing", 7, 6, 6, 1024, 241, 78, 85, 865},
        {"widening, narrow board", 1, 2, 4, 500, 342, 77, 20, 664},
    };
    for (const Case& c : cases) {
        RuleVector rules = SpecialGame(54, 7, 0, 2);
        rules[rule::TableauCardCount] = static_cast<std::int16_t>(c.firstRow);
        rules[rule::TableauCardCount + 1] = static_cast<std::int16_t>(c.secondRow);
        rules[rule::TableauStyle] = static_cast<std::int16_t>(c.style);
        const BoardGeometry geometry = LayOut(rules, {c.width, 768});
        const int sign = c.firstRow < c.secondRow ? -1 : 1;
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(geometry.PlaceOf({kTableaus, k}), (Place{c.apexX + sign * (k * c.cardStep / 2), 171 + k * 52}))
                << c.label << " row " << k + 1;
        ExpectRows(geometry,
                   {{kStock, 0, 1, c.stockX, 0, 171},
                    {kStock, 1, 1, c.stockX, 0, 292},
                    {kStock, 2, 1, c.secondWasteX, 0, 171}},
                   c.label);
    }
}

// Each card of a widening pyramid of style 4 lies centred over the two cards it covers, to
// within the half pixel of an odd step, in every row down to the ninth.
TEST(SpecialArrangements, PyramidCardsCentredOverTheCardsTheyCover)
{
    RuleVector rules = SpecialGame(54, 9, 0, 2);
    for (int k = 0; k < 9; ++k)
        rules[rule::TableauCardCount + k] = static_cast<std::int16_t>(k + 1);
    rules[rule::TableauStyle] = 4;
    const BoardGeometry geometry = LayOut(rules, {1024, 768});
    const int step = 71 + 6;
    for (int k = 0; k + 1 < 9; ++k) {
        const int above = geometry.PlaceOf({kTableaus, k}).x;
        const int below = geometry.PlaceOf({kTableaus, k + 1}).x;
        const int twiceOffset = 2 * above - (2 * below + step); // twice the distance from the centre
        EXPECT_LE(std::abs(twiceOffset), 1) << "row " << k + 1;
    }
}

TEST(SpecialArrangements, FiveFoundationsEachOverATableau)
{
    const RuleVector rules = SpecialGame(120, 5, 5, 2);
    // Stock x = (W - 6 * 71 - 7 * 12 - 15) / 2: (1022 - 525) / 2 = 248 and (798 - 525) / 2 =
    // 136; foundation 1 CW + 51 to its right, the others CW + 12 apart.
    for (const auto& [width, height, stockX] : {std::tuple{1024, 768, 248}, std::tuple{800, 600, 136}}) {
        const BoardGeometry geometry = LayOut(rules, {width, height});
        ExpectRows(geometry,
                   {{kStock, 0, 1, stockX, 0, 30}, {kStock, 1, 1, stockX, 0, 153},
                    {kFoundations, 0, 5, stockX + 122, 83, 30}, {kTableaus, 0, 5, stockX + 122, 83, 150}},
                   std::to_string(width));
    }
}

// The traditional Clock: thirteen pairs of a pile and its home, the hours running clockwise
// round the centre pair, every pair clear of the others on both board sizes.
TEST(SpecialArrangements, ClockFaceOfThirteenPairs)
{
    const RuleVector rules = SpecialGame(arrangement::tableau::ClockFace, 13, 13, 0);
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{800, 600}}) {
        const BoardGeometry geometry = LayOut(rules, {width, height});
        const auto pile = [&](int hour) { return geometry.tableaus[static_cast<std::size_t>(hour - 1)]; };
        const Place centre = pile(13);
        EXPECT_LT(pile(12).y, centre.y) << width;
        EXPECT_GT(pile(6).y, centre.y) << width;
        EXPECT_GT(pile(3).x, centre.x) << width;
        EXPECT_LT(pile(9).x, centre.x) << width;
        EXPECT_EQ(pile(3).y, centre.y) << "three o'clock level with the centre";
        for (int hour = 1; hour <= 13; ++hour) {
            const Place home = geometry.foundations[static_cast<std::size_t>(hour - 1)];
            EXPECT_EQ(home.y, pile(hour).y);
            EXPECT_GT(home.x, pile(hour).x + 71) << "the home beside its pile, hour " << hour;
            EXPECT_LE(home.x + 71, width) << hour;
            EXPECT_LE(home.y + 96, height) << hour;
            for (int other = 1; other < hour; ++other) {
                const Place a = pile(hour), b = pile(other);
                const bool apart = std::abs(a.x - b.x) >= 2 * 71 || std::abs(a.y - b.y) >= 96;
                EXPECT_TRUE(apart) << "hours " << other << " and " << hour << " at " << width;
            }
        }
    }
}

// Double Seahaven Towers: fourteen columns keep one row on a wide board and split into two rows
// of seven on a narrow one; the cells and foundations stand above them, every pile on the board.
TEST(SpecialArrangements, CellsOverColumnsInOneRowOrTwo)
{
    RuleVector rules;
    rules[rule::TableauArrangement] = 131;
    rules[rule::TableauStyle] = 1;
    rules[rule::TableauCount] = 14;
    rules[rule::ReserveCount] = 8;
    rules[rule::FoundationCount] = 8;
    for (const Board board : {Board{1024, 768, 'B'}, Board{800, 600, 'M'}}) {
        const BoardGeometry geometry = LayOut(rules, board);
        const std::string label = std::to_string(board.width);
        const int cw = geometry.card.cardWidth;
        const int top = geometry.PlaceOf({kTableaus, 0}).y;
        EXPECT_LT(geometry.PlaceOf({kReserves, 7}).y, geometry.PlaceOf({kFoundations, 0}).y + 1) << label;
        EXPECT_GT(top, geometry.PlaceOf({kFoundations, 7}).y) << label;
        for (int k = 0; k < 14; ++k) {
            const Place place = geometry.PlaceOf({kTableaus, k});
            EXPECT_GE(place.x, 0) << label << " " << k;
            EXPECT_LE(place.x + cw, board.width) << label << " " << k;
            if (k > 0 && place.y == geometry.PlaceOf({kTableaus, k - 1}).y) {
                EXPECT_GE(place.x, geometry.PlaceOf({kTableaus, k - 1}).x + cw) << label << " " << k;
            }
        }
        const bool oneRow = geometry.PlaceOf({kTableaus, 13}).y == top;
        EXPECT_EQ(oneRow, board.width == 1024) << label;
        if (!oneRow) {
            EXPECT_EQ(geometry.PlaceOf({kTableaus, 7}).x, geometry.PlaceOf({kTableaus, 0}).x) << label;
            EXPECT_LE(geometry.fanHeight, geometry.PlaceOf({kTableaus, 7}).y - top) << label;
        }
    }
}

// St. Helena: twelve piles frame two rows of four foundations, four above, one at each end of
// each row and four below, the stock in the upper left corner; rows stand apart by the depth the
// squared piles show.
TEST(SpecialArrangements, PilesFrameTheRowsOfFoundations)
{
    RuleVector rules;
    rules[rule::TableauArrangement] = 205;
    rules[rule::TableauStyle] = 5;
    rules[rule::TableauCount] = 12;
    rules[rule::FoundationCount] = 8;
    rules[rule::StockGroupCount] = 1;
    rules[rule::StockShown] = 1;
    rules.Of(rule::TableauCardCount, 0) = 8;
    for (const Board board : {Board{1024, 768, 'B'}, Board{800, 600, 'M'}}) {
        const BoardGeometry geometry = LayOut(rules, board);
        const std::string label = std::to_string(board.width);
        const int cw = geometry.card.cardWidth;
        const int ch = geometry.card.cardHeight;
        const auto at = [&](PileGroup group, int k) { return geometry.PlaceOf({group, k}); };
        for (int r = 0; r < 2; ++r) {
            const Place first = at(kFoundations, 4 * r);
            EXPECT_EQ(at(kTableaus, 4 + 2 * r).y, first.y) << label << " row " << r;
            EXPECT_LT(at(kTableaus, 4 + 2 * r).x + cw, first.x) << label << " row " << r;
            EXPECT_GT(at(kTableaus, 5 + 2 * r).x, at(kFoundations, 4 * r + 3).x + cw) << label << " row " << r;
        }
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(at(kTableaus, k).x, at(kFoundations, k).x) << label << " " << k;
            EXPECT_GE(at(kFoundations, 0).y - at(kTableaus, k).y, ch + 7 * 3) << label << " room for the depth";
            EXPECT_EQ(at(kTableaus, 8 + k).x, at(kFoundations, 4 + k).x) << label << " " << k;
            EXPECT_LE(at(kTableaus, 8 + k).y + ch + 7 * 3, board.height) << label << " " << k;
        }
        EXPECT_EQ(at(PileGroup::StockGroup, kStockSlot).x, at(kTableaus, 4).x) << label;
        EXPECT_EQ(at(PileGroup::StockGroup, kStockSlot).y, at(kTableaus, 0).y) << label;
    }
}

class ShippedGameLayout : public testing::ShippedRulesSuite {};

TEST_F(ShippedGameLayout, GeneralArrangementsOfTheBestKnownGames)
{
    struct Case {
        const char* name;
        Board board;
        std::vector<Row> rows;
    };
    // Klondike on 1024 x 768, worked by hand: W = 1022; the stock row is row 1, so rowY[0] =
    // 0 + 10 + 15 = 25 and rowY[1] = 25 + 10 + 96 = 131. Tableau "001", N = 7: gap =
    // (1022 - 7 * 71) / 8 = 65, clamped to 20 (and at least 15 beside a stock over the
    // columns); x0 = (1022 - (497 + 6 * 20)) / 2 = 202, then every 71 + 20 = 91. Stock "004"
    // over tableaus 1 and 2; foundations "007" over tableaus 4 to 7.
    // Ten columns: gap (1022 - 710) / 11 = 28, at most 14 for more than eight piles, at least
    // 15 beside the stock: x0 = (1022 - 845) / 2 = 88. On 800 x 600 x0 = (798 - 845) / 2 =
    // -23 falls below the stock margin 5 + 15 and becomes 20.
    const Case cases[] = {
        {"FreeCell", {1024, 768},
         {{kTableaus, 0, 8, 157, 91, 116}, {kReserves, 0, 4, 157, 91, 10}, {kFoundations, 0, 4, 521, 91, 10}}},
        {"FreeCell", {800, 600},
         {{kTableaus, 0, 8, 45, 91, 116}, {kReserves, 0, 4, 45, 91, 10}, {kFoundations, 0, 4, 409, 91, 10}}},
        {"Klondike", {1024, 768},
         {{kTableaus, 0, 7, 202, 91, 131}, {kStock, 0, 2, 202, 91, 25}, {kFoundations, 0, 4, 475, 91, 25}}},
        {"Klondike", {800, 600},
         {{kTableaus, 0, 7, 90, 91, 131}, {kStock, 0, 2, 90, 91, 25}, {kFoundations, 0, 4, 363, 91, 25}}},
        {"Spider (Two Suits)", {1024, 768},
         {{kTableaus, 0, 10, 88, 86, 131}, {kStock, 0, 1, 88, 0, 25}, {kFoundations, 0, 8, 260, 86, 25}}},
        {"Spider (Two Suits)", {800, 600},
         {{kTableaus, 0, 10, 20, 86, 131}, {kStock, 0, 1, 20, 0, 25}, {kFoundations, 0, 8, 192, 86, 25}}},
        {"Forty Thieves", {1024, 768},
         {{kTableaus, 0, 10, 88, 86, 131}, {kStock, 0, 2, 88, 86, 25}, {kFoundations, 0, 8, 260, 86, 25}}},
        {"Forty Thieves", {800, 600},
         {{kTableaus, 0, 10, 20, 86, 131}, {kStock, 0, 2, 20, 86, 25}, {kFoundations, 0, 8, 192, 86, 25}}},
    };
    for (const Case& c : cases) {
        const int number = mainGame->GameNumberByName(c.name);
        ASSERT_GE(number, 0) << c.name;
        const BoardGeometry geometry = LayOut(Rules(number), c.board);
        ExpectRows(geometry, c.rows, std::string(c.name) + " " + std::to_string(c.board.width));
    }
}

TEST_F(ShippedGameLayout, KlondikeInAWindowUnder500PixelsHigh)
{
    // W = 1024 - 12 = 1012, rowGap 5: rows at 0 + 5 + 15 = 20 and 20 + 5 + 96 = 121; gap 20,
    // x0 = (1012 - 617) / 2 = 197. The screen stays 768 high.
    const BoardGeometry geometry = LayOut(Rules(mainGame->GameNumberByName("Klondike")), {1024, 480}, 1024, 768);
    ExpectRows(geometry, {{kTableaus, 0, 7, 197, 91, 121}, {kStock, 0, 2, 197, 91, 20}}, "low window");
    EXPECT_EQ(geometry.fanHeight, 480 - 121);
}

TEST_F(ShippedGameLayout, PreviewImageUsesItsOwnRectangle)
{
    const RuleVector rules = Rules(mainGame->GameNumberByName("Klondike"));
    LayoutRequest request;
    request.frame = PreviewFrame(300, 220);
    BoardGeometry geometry;
    geometry.SetCardSize('L', false, rules);
    ComputeBoardLayout(rules, request, geometry);
    // W = 288 for an image under 500 high; rows 3 + 5 + 15 = 23 and 23 + 5 + 32 = 60; gap
    // (288 - 175) / 8 = 14, at least 15 beside the stock; x0 = (288 - 265) / 2 = 11, but the
    // stock margin is 3 + 15 = 18 (W under 650).
    ExpectRows(geometry, {{kTableaus, 0, 7, 18, 40, 60}, {kStock, 0, 2, 18, 40, 23}}, "preview");
}

TEST(GeneralArrangements, StockMarginFollowsTheStockGroup)
{
    struct Case {
        const char* label;
        int stockGroup, stockArrangement, width;
        bool shadows;
        int margin; // seen as the x of the first reserve of a row from the left
    };
    const Case cases[] = {
        {"no stock group, shadows on", 0, 4, 1024, true, 5},
        {"no stock group, narrow", 0, 4, 640, true, 3},
        {"stock laid over the columns", 1, 4, 1024, true, 5 + 9 + 15},
        {"stock row from the left", 1, 5, 640, false, 3 + 15},
        {"stock left of the row", 1, 11, 1024, true, 5 + 9},
    };
    for (const Case& c : cases) {
        RuleVector rules;
        rules[rule::TableauCount] = 4;
        rules[rule::TableauArrangement] = 1;
        rules[rule::TableauRow] = 3;
        rules[rule::ReserveCount] = 2;
        rules[rule::ReserveArrangement] = 5;
        rules[rule::ReserveRow] = 1;
        rules[rule::StockGroupCount] = static_cast<std::int16_t>(c.stockGroup);
        rules[rule::StockArrangement] = static_cast<std::int16_t>(c.stockArrangement);
        rules[rule::StockRow] = 2;
        rules[rule::StockShown] = 1;
        const BoardGeometry geometry = LayOut(rules, {c.width, 768, 'B', c.shadows}, 1024, 768);
        EXPECT_EQ(geometry.PlaceOf({kReserves, 0}).x, c.margin) << c.label;
        EXPECT_EQ(geometry.PlaceOf({kReserves, 1}).x, 2 * c.margin + 71) << c.label;
        if (c.stockGroup == 0) {
            EXPECT_EQ(geometry.PlaceOf({kStock, 0}), Place{}) << c.label;
        }
    }
}

TEST(GeneralArrangements, OnePileIsCentred)
{
    RuleVector rules;
    rules[rule::TableauCount] = 1;
    rules[rule::TableauArrangement] = 1;
    rules[rule::TableauRow] = 1;
    // gap (1022 - 71) / 2 = 475 clamps to 20; x0 = (1022 - 71) / 2 = 475.
    EXPECT_EQ(LayOut(rules, {}).PlaceOf({kTableaus, 0}), (Place{475, 10}));
}

TEST(GeneralArrangements, RowBesideAColumnOfNineFoundationsMayReachTheEdge)
{
    RuleVector rules;
    rules[rule::TableauCount] = 10;
    rules[rule::TableauArrangement] = 3;
    rules[rule::TableauRow] = 1;
    rules[rule::FoundationCount] = 9;
    // 700 wide: W = 698, gap (698 - 781 - 30 - 15) / 14 = -9 gives 4; x0 = (698 - 15 - 30 -
    // 781 - 40) / 2 = -84, at least 1, then + 71 + 15 + 30. A window and screen under 500 high:
    // W = 688, the group gap capped at 10, x0 = (688 - 15 - 20 - 781 - 40) / 2 = -84, at least
    // -4, then + 71 + 15 + 20.
    EXPECT_EQ(LayOut(rules, {700, 768}).TableauX(0), 1 + 116);
    EXPECT_EQ(LayOut(rules, {700, 480}, 700, 480).TableauX(0), -4 + 106);
    EXPECT_EQ(LayOut(rules, {700, 480}, 700, 480).TableauX(1), -4 + 106 + 75);
}

TEST(GeneralArrangements, ReservesInTheTableauRowPushTheRowRight)
{
    RuleVector rules;
    rules[rule::TableauCount] = 4;
    rules[rule::TableauArrangement] = 2;
    rules[rule::TableauRow] = 2;
    rules[rule::ReserveCount] = 8;
    rules[rule::ReserveArrangement] = 5;
    rules[rule::ReserveRow] = 2;
    // First pass: x0 = (1022 - 284 - 30) / 2 = 354 lies within 85 pixels of the last reserve
    // at 5 + 7 * 76 = 537; the second pass starts the row at 537 + 71 + 86 = 694.
    const BoardGeometry geometry = LayOut(rules, {});
    ExpectRows(geometry, {{kTableaus, 0, 4, 694, 81, 116}, {kReserves, 0, 8, 5, 76, 116}}, "retry");
    rules[rule::ReserveRow] = 1;
    EXPECT_EQ(LayOut(rules, {}).TableauX(0), 354) << "reserves in another row leave the row centred";
}

TEST(GeneralArrangements, GridOfRowsStartsAtTheTableausOwnRow)
{
    RuleVector rules;
    rules[rule::TableauCount] = 6;
    rules[rule::TableauArrangement] = 10;
    rules[rule::TableauGridRows] = 2;
    rules[rule::TableauRow] = 2;
    rules[rule::FoundationCount] = 4;
    rules[rule::FoundationArrangement] = 2;
    rules[rule::FoundationRow] = 1;
    // Rows at 10, 116, 222: the foundations keep the first, the grid's two rows of three take
    // the next two; columns 0.85 card widths apart from x = 15.
    const BoardGeometry geometry = LayOut(rules, {});
    EXPECT_EQ(geometry.PlaceOf({kTableaus, 0}), (Place{15, 116}));
    EXPECT_EQ(geometry.PlaceOf({kTableaus, 4}), (Place{15 + 71 + 60, 222}));
}

TEST(GeneralArrangements, FanRoomReachesTheNextUsedRow)
{
    RuleVector rules;
    rules[rule::TableauStyle] = 1;
    rules[rule::TableauCount] = 4;
    rules[rule::TableauArrangement] = 1;
    rules[rule::TableauRow] = 1;
    rules[rule::FoundationCount] = 4;
    rules[rule::FoundationArrangement] = 1;
    // Rows at 10, 116, 222, 328.
    for (const auto& [foundationRow, room] :
         {std::pair{2, 106}, std::pair{3, 212}, std::pair{4, 318}, std::pair{1, 758}}) {
        rules[rule::FoundationRow] = static_cast<std::int16_t>(foundationRow);
        EXPECT_EQ(LayOut(rules, {}).fanHeight, room) << foundationRow;
    }
    rules[rule::TableauStyle] = 3;
    EXPECT_EQ(LayOut(rules, {}).fanHeight, 96);
}

// Every pile the game has lies within the board, and no two piles cover each other, unless the
// game's tableau style lays its rows over each other.
void ExpectPilesFitApart(const RuleVector& rules, const Board& board, const std::string& label)
{
    const BoardGeometry geometry = LayOut(rules, board);
    const int cw = geometry.card.cardWidth;
    const int ch = geometry.card.cardHeight;
    std::vector<std::pair<PileRef, Place>> placed;
    for (const PileRef pile : PilesOnBoard(rules)) {
        const Place place = geometry.PlaceOf(pile);
        if (!IsPlaced(place.x))
            continue;
        EXPECT_GE(place.x, 0) << label << " " << PileName(pile);
        EXPECT_LE(place.x + cw, board.width) << label << " " << PileName(pile);
        if (pile.group == kTableaus && rules[rule::TableauStyle] == pile_style::RowOfCells) {
            EXPECT_LE(place.x + RowOfCellsWidth(rules, pile.slot, cw), board.width)
                << label << " the last cell of " << PileName(pile);
        }
        placed.emplace_back(pile, place);
    }
    const bool rowsOverlap = rules[rule::TableauStyle] == 4;
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const auto& [a, p] = placed[i];
            const auto& [b, q] = placed[j];
            if (rowsOverlap && a.group == kTableaus && b.group == kTableaus)
                continue;
            const bool cover = p.x < q.x + cw && q.x < p.x + cw && p.y < q.y + ch && q.y < p.y + ch;
            EXPECT_FALSE(cover) << label << ": " << PileName(a) << " and " << PileName(b);
        }
}

// Sixteen foundations do not fit in one row: eight over the last eight columns, eight under
// them, and the terrace and the columns below both rows.
TEST_F(ShippedGameLayout, SixteenFoundationsStandInTwoRowsOverTheLastColumns)
{
    const RuleVector rules = Rules(mainGame->GameNumberByName("Big Terrace"));
    for (const Board board : {Board{1024, 768, 'B'}, Board{800, 600, 'M'}}) {
        const BoardGeometry geometry = LayOut(rules, board);
        const int ch = geometry.card.cardHeight;
        const Place terrace = geometry.PlaceOf({PileGroup::Reserves, 0});
        for (int i = 0; i < 8; ++i) {
            const Place upper = geometry.PlaceOf({kFoundations, i});
            const Place lower = geometry.PlaceOf({kFoundations, i + 8});
            const std::string label = std::to_string(board.width) + " foundation " + std::to_string(i + 1);
            EXPECT_EQ(upper.x, geometry.PlaceOf({kTableaus, i + 3}).x) << label;
            EXPECT_EQ(lower.x, upper.x) << label;
            EXPECT_GE(lower.y, upper.y + ch) << label;
            EXPECT_GE(terrace.y, lower.y + ch) << label;
        }
    }
}

// Corner Stones: each side pile stands level with the foundation it feeds, on the outer side of
// the two foundation columns; the corner stones close the two columns of six above and below,
// and the stock stands left of the frame, every pile on the board.
TEST_F(ShippedGameLayout, SidePilesStandBesideTheFoundationsTheyFeed)
{
    const RuleVector rules = Rules(mainGame->GameNumberByName("Corner Stones"));
    for (const Board board : {Board{1024, 768, 'B'}, Board{800, 600, 'M'}}) {
        const BoardGeometry geometry = LayOut(rules, board);
        const std::string label = std::to_string(board.width);
        const int cw = geometry.card.cardWidth;
        const int ch = geometry.card.cardHeight;
        const auto at = [&](PileGroup group, int k) { return geometry.PlaceOf({group, k}); };
        for (int k = 0; k < 8; ++k) {
            const Place pile = at(kTableaus, k);
            const Place home = at(kFoundations, k);
            EXPECT_EQ(pile.y, home.y) << label << " pile " << k;
            EXPECT_EQ(home.y, at(kFoundations, k % 4).y) << label << " a suit's two foundations share a row";
            if (k < 4)
                EXPECT_LT(pile.x + cw, home.x) << label << " pile " << k;
            else
                EXPECT_GT(pile.x, home.x + cw) << label << " pile " << k;
        }
        for (int corner = 0; corner < 4; ++corner) {
            const Place stone = at(kTableaus, 8 + corner);
            const Place below = at(kTableaus, corner % 2 == 0 ? 0 : 4);
            const Place above = at(kTableaus, corner % 2 == 0 ? 3 : 7);
            EXPECT_EQ(stone.x, below.x) << label << " corner " << corner;
            if (corner < 2)
                EXPECT_LE(stone.y + ch, below.y) << label << " corner " << corner;
            else
                EXPECT_GE(stone.y, above.y + ch) << label << " corner " << corner;
            EXPECT_LE(stone.y + ch, board.height) << label << " corner " << corner;
        }
        const Place stock = at(PileGroup::StockGroup, kStockSlot);
        EXPECT_GE(stock.x, 0) << label;
        EXPECT_LT(stock.x + cw, at(kTableaus, 8).x) << label;
    }
}

// Pharaohs' three pyramids (seven, two and six rows) stand side by side: every card on the
// board, no card of one pyramid over a card of another, and within each pyramid every row half a
// card step left of the row above it, so that each card lies centred over the two it covers.
// Camelot: a square of four by four, the stock level with its second row and the waste under
// it level with its third, both left of the square.
TEST_F(ShippedGameLayout, CamelotsSquareHasTheStockAndTheWasteAtItsLeft)
{
    const RuleVector rules = Rules(mainGame->GameNumberByName("Camelot"));
    for (const Board board : {Board{1024, 768, 'B'}, Board{800, 600, 'M'}}) {
        const BoardGeometry geometry = LayOut(rules, board);
        const std::string label = std::to_string(board.width);
        const auto at = [&](PileGroup group, int k) { return geometry.PlaceOf({group, k}); };
        for (int k = 0; k < 16; ++k) {
            EXPECT_EQ(at(kTableaus, k).x, at(kTableaus, k % 4).x) << label << " place " << k;
            EXPECT_EQ(at(kTableaus, k).y, at(kTableaus, k / 4 * 4).y) << label << " place " << k;
        }
        const Place stock = at(PileGroup::StockGroup, kStockSlot);
        const Place waste = at(PileGroup::StockGroup, kWasteSlot);
        EXPECT_EQ(stock.y, at(kTableaus, 4).y) << label;
        EXPECT_EQ(waste.y, at(kTableaus, 8).y) << label;
        EXPECT_EQ(waste.x, stock.x) << label;
        EXPECT_LT(stock.x + geometry.card.cardWidth, at(kTableaus, 0).x) << label;
    }
}

TEST_F(ShippedGameLayout, SeveralPyramidsStandApartOnTheBoard)
{
    const RuleVector rules = Rules(mainGame->GameNumberByName("Pharaohs"));
    const int firstRows[] = {0, 7, 9, 15};
    for (const Board board : {Board{1024, 768, 'B'}, Board{1024, 768, 'M'}}) {
        const BoardGeometry geometry = LayOut(rules, board);
        const int cw = geometry.card.cardWidth;
        const int ch = geometry.card.cardHeight;
        const int step = cw + kRowGap;
        struct Card {
            int pyramid, x, y;
        };
        std::vector<Card> cards;
        for (int p = 0; p < 3; ++p)
            for (int k = firstRows[p]; k < firstRows[p + 1]; ++k) {
                const Place row = geometry.PlaceOf({kTableaus, k});
                if (k > firstRows[p]) {
                    const Place above = geometry.PlaceOf({kTableaus, k - 1});
                    EXPECT_LE(std::abs(2 * above.x - (2 * row.x + step)), 1) << board.width << " row " << k + 1;
                    EXPECT_GT(row.y, above.y) << "row " << k + 1;
                } else {
                    EXPECT_EQ(row.y, geometry.PlaceOf({kTableaus, 0}).y) << "the apexes stand level";
                }
                for (int i = 0; i < rules.Of(rule::TableauCardCount, k); ++i)
                    cards.push_back({p, row.x + i * step, row.y});
            }
        for (const Card& a : cards) {
            EXPECT_GE(a.x, 0);
            EXPECT_LE(a.x + cw, board.width) << "pyramid " << a.pyramid + 1;
            EXPECT_LE(a.y + ch, board.height) << "pyramid " << a.pyramid + 1;
            for (const Card& b : cards) {
                if (a.pyramid < b.pyramid) {
                    EXPECT_FALSE(a.x < b.x + cw && b.x < a.x + cw && a.y < b.y + ch && b.y < a.y + ch)
                        << "pyramids " << a.pyramid + 1 << " and " << b.pyramid + 1 << " at " << a.x << "," << a.y;
                }
            }
        }
    }
}

// Parallels' seven rows of ten stand between the column of Aces, under the stock, and the column
// of Kings, every cell on the board: with the usual cards, and with "Auto" on the smallest board.
TEST_F(ShippedGameLayout, RowsStandBetweenAColumnOfAcesAndAColumnOfKings)
{
    const RuleVector rules = Rules(mainGame->GameNumberByName("Parallels"));
    const auto check = [&](const BoardGeometry& geometry, int width, int height, const std::string& label) {
        const int cw = geometry.card.cardWidth;
        const int ch = geometry.card.cardHeight;
        const Place stock = geometry.PlaceOf({kStock, kStockSlot});
        const Place firstRow = geometry.PlaceOf({kTableaus, 0});
        const int rowsRight = firstRow.x + RowOfCellsWidth(rules, 0, cw);
        for (int i = 0; i < 4; ++i) {
            const Place ace = geometry.PlaceOf({kFoundations, i});
            const Place king = geometry.PlaceOf({kFoundations, 4 + i});
            EXPECT_EQ(ace.x, stock.x) << label;
            EXPECT_GE(ace.y, stock.y + (i + 1) * ch) << label << " Aces under the stock, one under another";
            EXPECT_EQ(king.y, ace.y) << label << " each King level with an Ace";
            EXPECT_LT(ace.x + cw, firstRow.x) << label;
            EXPECT_GT(king.x, rowsRight) << label;
            EXPECT_LE(king.x + cw, width) << label;
        }
        for (int k = 0; k < 7; ++k) {
            const Place row = geometry.PlaceOf({kTableaus, k});
            EXPECT_EQ(row.x, firstRow.x) << label;
            EXPECT_GE(row.y, firstRow.y + k * ch) << label << " row " << k + 1;
            EXPECT_LE(row.y + ch, height) << label << " row " << k + 1;
        }
    };
    for (const Board board : {Board{1024, 768, 'B'}, Board{1024, 768, 'M'}})
        check(LayOut(rules, board), board.width, board.height, std::to_string(board.width) + board.size);
    BoardGeometry automatic;
    AutoCardWidth(rules, PlainBoardRequest(800, 600, 0, 0), false, automatic);
    check(automatic, 800, 600, "800 Auto");
}

// Sly Fox's four rows of five piles stand level with the columns of Aces and Kings, the stock
// and the waste alone in the row above them.
TEST_F(ShippedGameLayout, PilesStandLevelWithTheColumnsOfAcesAndKings)
{
    const RuleVector rules = Rules(mainGame->GameNumberByName("Sly Fox"));
    BoardGeometry automatic;
    AutoCardWidth(rules, PlainBoardRequest(800, 600, 0, 0), false, automatic);
    for (const auto& [geometry, label] : {std::pair{LayOut(rules, {1024, 768, 'B'}), std::string("1024 B")},
                                          std::pair{automatic, std::string("800 Auto")}}) {
        const int ch = geometry.card.cardHeight;
        const Place stock = geometry.PlaceOf({kStock, kStockSlot});
        const Place waste = geometry.PlaceOf({kStock, kWasteSlot});
        EXPECT_EQ(waste.y, stock.y) << label;
        for (int row = 0; row < 4; ++row) {
            const Place ace = geometry.PlaceOf({kFoundations, row});
            const Place king = geometry.PlaceOf({kFoundations, 4 + row});
            EXPECT_EQ(ace.x, stock.x) << label;
            EXPECT_EQ(king.x, waste.x) << label;
            EXPECT_GE(ace.y, stock.y + ch) << label;
            for (int column = 0; column < 5; ++column) {
                const Place pile = geometry.PlaceOf({kTableaus, 5 * row + column});
                EXPECT_EQ(pile.y, ace.y) << label << " row " << row + 1;
                EXPECT_GT(pile.x, ace.x) << label;
                EXPECT_LT(pile.x, king.x) << label;
            }
        }
    }
}

// For every shipped game on the usual board, with both common card sizes.
TEST_F(ShippedGameLayout, EveryGameFitsTheBoardWithoutOverlaps)
{
    for (const auto& line : mainGame->Catalogue()) {
        const RuleVector rules = Rules(CatalogueLineNumber(line));
        for (const char size : {'B', 'M'})
            ExpectPilesFitApart(rules, {1024, 768, size}, CatalogueLineName(line) + " " + size);
    }
}

// On a board of 800 x 600 every game keeps its piles between the board's sides with the size the
// player chose or the largest smaller one that can, down to "M", else with the card of "Auto": the
// usual games keep the usual card, and the three pyramids of Pharaohs take a smaller one.
TEST_F(ShippedGameLayout, AFixedSizeGivesWayWhereTheBoardIsTooNarrow)
{
    const LayoutRequest request = PlainBoardRequest(800, 600, 0, 0);
    for (const auto& line : mainGame->Catalogue()) {
        const RuleVector rules = Rules(CatalogueLineNumber(line));
        for (const char chosen : {'S', 'B'}) {
            BoardGeometry board;
            const char drawn = FittingFixedSize(rules, request, chosen, false, board);
            const std::string label = CatalogueLineName(line) + " " + chosen + " drawn " + drawn;
            if (drawn == kAutoSizeLetter) {
                EXPECT_LT(board.card.cardWidth, CardSizeOf('M').width) << label << ": only where \"M\" is too wide";
            } else {
                EXPECT_GE(kCardSizeLetters.find(drawn), kCardSizeLetters.find(chosen)) << label << ": never larger";
                EXPECT_LE(kCardSizeLetters.find(drawn), kCardSizeLetters.find('M')) << label;
                EXPECT_EQ(board.card.cardWidth, CardSizeOf(drawn).width) << label;
            }
            for (const PileRef pile : PilesOnBoard(rules)) {
                const Place place = board.PlaceOf(pile);
                if (!IsPlaced(place.x))
                    continue;
                EXPECT_GE(place.x, 0) << label << " " << PileName(pile);
                EXPECT_LE(place.x + board.card.cardWidth, 800) << label << " " << PileName(pile);
            }
            if (CatalogueLineName(line) == "Klondike" || CatalogueLineName(line) == "FreeCell") {
                EXPECT_EQ(drawn, chosen) << label;
            }
            if (CatalogueLineName(line) == "Pharaohs") {
                EXPECT_NE(drawn, chosen) << label;
            }
        }
    }
}

// The clock games keep their hours round a face, and with the games of many single piles they
// fit a board of 800 x 600 with the usual cards too: the hours, the piles and the stock all on
// it and apart, sixteen foundations in two rows.
TEST_F(ShippedGameLayout, ClockFacesAndRowsFitEightHundredPixels)
{
    for (const char* name : {"Grandfather's Clock", "Big Ben", "Contradance", "Royal Rendezvous", "Zodiac",
                             "Aces and Kings", "Osmosis"}) {
        const RuleVector rules = Rules(mainGame->GameNumberByName(name));
        for (const Board board : {Board{800, 600, 'B'}, Board{1024, 768, 'B'}})
            ExpectPilesFitApart(rules, board, std::string(name) + " " + std::to_string(board.width));
    }
    for (const char* name : {"Grandfather's Clock", "Big Ben"}) {
        const BoardGeometry geometry = LayOut(Rules(mainGame->GameNumberByName(name)), {800, 600, 'B'});
        const auto hour = [&](int h) { return geometry.foundations[static_cast<std::size_t>(h % 12)]; };
        EXPECT_LT(hour(12).y, hour(3).y) << name;
        EXPECT_LT(hour(3).y, hour(6).y) << name;
        EXPECT_EQ(hour(3).y, hour(9).y) << name << ": three and nine o'clock level";
        EXPECT_GT(hour(3).x, hour(12).x) << name;
        EXPECT_LT(hour(9).x, hour(12).x) << name;
        EXPECT_EQ(hour(12).x, hour(6).x) << name;
        EXPECT_LE(hour(6).y + geometry.card.cardHeight, 600) << name;
        EXPECT_LT(geometry.tableaus[0].x + geometry.card.cardWidth, hour(9).x) << name << ": the piles left of the face";
    }
    const BoardGeometry contradance = LayOut(Rules(mainGame->GameNumberByName("Contradance")), {800, 600, 'B'});
    EXPECT_EQ(contradance.foundations[0].y, contradance.foundations[7].y);
    EXPECT_GT(contradance.foundations[8].y, contradance.foundations[0].y) << "a second row of eight";
}

} // namespace
} // namespace marlowe
