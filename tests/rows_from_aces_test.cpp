// Rows of cells one longer than their cards, set in order from the Ace: the deals that open
// every row with a gap or an Ace, which card a gap takes, the win, and the redeal that keeps each
// row's run from its Ace.

#include "card_names.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/pile_text.h"
#include "engine/pointer.h"
#include "engine/recording_presentation.h"
#include "engine/stock.h"
#include "cell_rows_table.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace marlowe {
namespace {

std::vector<int> RowCards(const GameContext& context, int row)
{
    return PileCodes(context.piles.tableaus[static_cast<std::size_t>(row)]);
}

// Every card of the pack lies once in the rows, and the rows hold fourteen cells and four gaps.
void ExpectWholePackInRowsOfFourteen(const GameContext& context, const std::string& label)
{
    std::vector<int> cards;
    int gaps = 0;
    for (int k = 0; k < 4; ++k) {
        const std::vector<int> row = RowCards(context, k);
        EXPECT_EQ(row.size(), 14u) << label << " row " << k;
        for (const int code : row) {
            if (code == 0)
                ++gaps;
            else
                cards.push_back(code);
        }
    }
    std::sort(cards.begin(), cards.end());
    std::vector<int> pack(52);
    std::iota(pack.begin(), pack.end(), 1);
    EXPECT_EQ(cards, pack) << label;
    EXPECT_EQ(gaps, 4) << label;
}

TEST(RowsFromAcesDeal, EachFamilyOpensTheRowsAsItsGameIsDealt)
{
    const struct {
        int game;
        const char* name;
    } games[] = {{231, "Blue Moon"}, {232, "Red Moon"}, {234, "Spaces and Aces"}, {235, "Jungle"}};
    for (const auto& [game, name] : games)
        for (const char* deal : {"0000000000001", "1234567890123", "9999999999999"}) {
            testing::ProtocolGame play(testing::ShippedCatalogue(), game, deal);
            const std::string label = std::string(name) + " " + deal;
            ASSERT_TRUE(play.started) << label << play.messages.str();
            const GameContext& context = play.context();
            ExpectWholePackInRowsOfFourteen(context, label);
            const int family = context.rules[rule::DealFamily];
            for (int k = 0; k < 4; ++k) {
                const std::vector<int> row = RowCards(context, k);
                if (family == deal_family::GapOpensEachRow) {
                    EXPECT_EQ(row[0], 0) << label << ": every row starts with a gap";
                    continue;
                }
                EXPECT_EQ(CardRank(row[0]), Ace) << label << ": an Ace starts every row";
                if (family == deal_family::AcesThenGapOpenEachRow) {
                    EXPECT_EQ(row[1], 0) << label << ": the gap lies beside the Ace";
                }
                EXPECT_EQ(std::count_if(row.begin() + 1, row.end(), [](int c) { return c > 0 && CardRank(c) == Ace; }), 0)
                    << label << ": no Ace inside a row";
            }
        }
}

// Rows of fourteen cells set in order from the Ace, as Blue Moon has them.
class RowsFromAcesTest : public testing::CellRowsTable {
protected:
    RowsFromAcesTest() : CellRowsTable(14, Ace, deal_family::AcesOpenEachRow)
    {
        for (int k = 0; k < 4; ++k)
            context.rules.Of(rule::TableauCardCount, k) = 13;
    }
};

TEST_F(RowsFromAcesTest, TheGameIsWonWhenEveryRowRunsFromTheAceToTheKingInSuit)
{
    for (int k = 0; k < 4; ++k)
        Row(k) = Settled(k);
    EXPECT_TRUE(IsGameWon(context));
    EXPECT_EQ(SettledRowLength(Row(0), Ace), 13);

    Row(2) = Cells({H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13), 0, H(1)});
    EXPECT_FALSE(IsGameWon(context)) << "a row from the 2, as in Gaps, is not done here";
    EXPECT_EQ(SettledRowLength(Row(2), Ace), 0);
}

TEST_F(RowsFromAcesTest, AGapTakesAnyHigherCardOfItsNeighboursSuitUnderTheHigherRule)
{
    for (int k = 0; k < 4; ++k)
        context.rules.Of(rule::TableauBuildCode, k) = building::HigherInSuit;
    ExpectCellsTake({
        {{H(5), 0}, 1, H(6), true, "the next card in suit"},
        {{H(5), 0}, 1, H(9), true, "a card several ranks higher in suit"},
        {{H(5), 0}, 1, H(4), false, "a lower card"},
        {{H(5), 0}, 1, S(9), false, "another suit"},
        {{0, H(5)}, 0, S(1), true, "the left end takes an Ace"},
        {{0, H(5)}, 0, S(2), false, "the left end takes nothing but an Ace"},
        {{S(13), 0}, 1, S(2), false, "nothing goes after a King"},
    });
}

TEST_F(RowsFromAcesTest, ARedealKeepsEachRunFromItsAceAndRefillsAllFourteenCells)
{
    context.rules[rule::StockShown] = 1;
    context.rules[rule::PassesAllowed] = -1;
    context.mainGame.RedealsDone = 1;
    context.rules[rule::RedealStyle] = redeal::RowsKeepRunFromTwo;
    // The whole pack: row k holds its suit's Ace and 2 at the left, then the other cards mixed
    // with one gap after the run; the 3s sit out of place.
    std::vector<int> rest;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 3; rank <= King; ++rank)
            rest.push_back(CardCode(suit, rank));
    std::reverse(rest.begin(), rest.end());
    for (int k = 0; k < 4; ++k) {
        std::vector<int> row{CardCode(k, Ace), CardCode(k, 2), 0};
        row.insert(row.end(), rest.begin() + k * 11, rest.begin() + (k + 1) * 11);
        Row(k) = PileTextOf(row);
    }
    StockClick(context);
    ReleaseStockButton(context);
    ExpectWholePackInRowsOfFourteen(context, "after the redeal");
    for (int k = 0; k < 4; ++k) {
        const std::vector<int> row = RowCards(context, k);
        EXPECT_EQ(row[0], CardCode(k, Ace)) << "row " << k;
        EXPECT_EQ(row[1], CardCode(k, 2)) << "row " << k;
        EXPECT_EQ(row[2], 0) << "the gap follows the kept run, row " << k;
    }
}

} // namespace
} // namespace marlowe
