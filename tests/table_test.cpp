// The table model: card codes, the card table's rows and face marks, pile names, and the
// primitive operations that add, remove, take and locate cards.

#include "engine/cards.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/table.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

TEST(CardCodes, RankSuitColourAndImageOfEveryKindOfCode)
{
    const struct {
        int code, rank, suit;
        bool red, joker;
        int image;
    } rows[] = {
        {1, 1, 0, true, false, 0},      {13, 13, 0, true, false, 12},  {14, 1, 1, true, false, 13},
        {26, 13, 1, true, false, 25},   {27, 1, 2, false, false, 26},  {40, 1, 3, false, false, 39},
        {52, 13, 3, false, false, 51},  {53, 1, 0, true, false, 0},    {105, 1, 0, true, false, 0},
        {130, 13, 1, true, false, 25},  {131, 1, 2, false, false, 26}, {208, 13, 3, false, false, 51},
        {209, 100, -1, false, true, 52}, {212, 100, -1, false, true, 52}, {213, -1, -1, false, false, 52},
        {0, 0, 0, true, false, -1},     {-1, -1, 0, true, false, -2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(CardRank(row.code), row.rank);
        EXPECT_EQ(CardSuit(row.code), row.suit);
        EXPECT_EQ(IsRedCard(row.code), row.red);
        EXPECT_EQ(IsJoker(row.code), row.joker);
        if (row.code > 0) {
            EXPECT_EQ(FaceImageIndex(row.code), row.image);
        }
    }
    EXPECT_EQ(CardCode(Spades, King, 1), 104);
    EXPECT_EQ(CardCode(Hearts, Ace), 1);
}

TEST(CardTable, RowsAndFaceMarks)
{
    CardTable table;
    EXPECT_EQ(table.Row(1), "CUORI_A        10011");
    EXPECT_EQ(table.Row(10), "CUORI_10       10101");
    EXPECT_EQ(table.Row(104), "PICCH_K        41041");
    EXPECT_EQ(table.Row(212), "JOKER          42121");
    EXPECT_FALSE(table.IsFaceDown(5));
    EXPECT_TRUE(table.IsFaceDown(0)) << "a gap is never face up";
    table.SetCardFaceMark(5, '0');
    EXPECT_TRUE(table.IsFaceDown(5));
    EXPECT_EQ(table.Row(5), "CUORI_05       10050");

    const std::string pile = "001002003004005006";
    table.SetFaceMarks(pile, -1, '1');
    for (int code = 1; code <= 6; ++code)
        EXPECT_EQ(table.IsFaceDown(code), code % 2 == 0) << code;
    table.SetFaceMarks(pile, -2, '1');
    for (int code = 1; code <= 6; ++code)
        EXPECT_EQ(table.IsFaceDown(code), code % 2 == 1) << code;
    table.SetFaceMarks(pile, -3, '1');
    for (int code = 1; code <= 6; ++code)
        EXPECT_EQ(table.IsFaceDown(code), code != 1) << code;
    table.SetFaceMarks(pile, 2, '1');
    EXPECT_FALSE(table.IsFaceDown(5));
    EXPECT_FALSE(table.IsFaceDown(6));
    EXPECT_TRUE(table.IsFaceDown(4));
    table.SetFaceMarks(pile, 99, '0');
    EXPECT_TRUE(table.IsFaceDown(1)) << "a count above the pile marks every card";
    table.SetFaceMarks(pile, -7, '1');
    EXPECT_TRUE(table.IsFaceDown(1)) << "an unknown pattern marks nothing";
}

TEST(PileNames, PaddedAndUnpaddedNamesAddressOneSlot)
{
    EXPECT_EQ(ParsePileName("Fila7"), ParsePileName("Fila07"));
    EXPECT_EQ(ParsePileName("Fila12"), (PileRef{PileGroup::Tableaus, 11}));
    EXPECT_EQ(ParsePileName("Dest16"), (PileRef{PileGroup::Foundations, 15}));
    EXPECT_EQ(ParsePileName("Appogg1"), (PileRef{PileGroup::Reserves, 0}));
    EXPECT_EQ(ParsePileName("Mazzo_Waste"), (PileRef{PileGroup::StockGroup, kSecondWasteSlot}));
    for (const char* notAPile : {"Dest_Autoplay", "Selezionate_Fila", "Stock02", "Fila0", "Fila41", "Dest17",
                                 "Appogg13", "fila1", "Fila", "Mazzo_V"})
        EXPECT_FALSE(ParsePileName(notAPile)) << notAPile;
    EXPECT_EQ(PileName({PileGroup::Reserves, 11}), "Appogg12");
    EXPECT_EQ(PileName({PileGroup::StockGroup, kWasteSlot}), "Mazzo_Vis");
}

class TableTest : public ::testing::Test {
protected:
    TableTest() : context(presentation)
    {
        context.rules[rule::TableauCount] = 4;
        context.rules[rule::ReserveCount] = 2;
        context.rules[rule::FoundationCount] = 4;
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(TableTest, TopCardsOfEmptyGappedAndSecondaryWastePiles)
{
    Tableau(0) = "005006";
    Tableau(1) = "005000";
    context.piles.stockGroup[kSecondWasteSlot] = "009";
    context.piles.Stock() = "011012";
    EXPECT_EQ(TopCard(context, "Fila1"), 6);
    EXPECT_EQ(TopCard(context, "Fila2"), 0);
    EXPECT_EQ(TopCard(context, "Fila3"), 0);
    EXPECT_EQ(TopCard(context, "Mazzo_Waste"), 0);
    EXPECT_EQ(TopCard(context, "Mazzo"), 12);
    EXPECT_EQ(TopCard(context, "Nothing"), 0);
}

TEST_F(TableTest, AddingCardsSkipsTheStockAndSetsMarks)
{
    AddCardToNamedPile(context, "Mazzo", 5);
    AddCardToNamedPile(context, "Mazzo_Waste", 5);
    EXPECT_EQ(context.piles.Stock(), "");
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], "");
    AddCardToNamedPile(context, "Fila02", 7, '0');
    AddCardToNamedPile(context, "Fila2", -5);
    EXPECT_EQ(Tableau(1), "007-05");
    EXPECT_TRUE(context.cards.IsFaceDown(7));
    AddCardToPile(context, {PileGroup::StockGroup, kStockSlot}, 0, '0');
    AddCardToPile(context, {PileGroup::StockGroup, kStockSlot}, 9, '0');
    EXPECT_EQ(context.piles.Stock(), "000009");
    EXPECT_TRUE(context.cards.IsFaceDown(9));
}

TEST_F(TableTest, RemovalModes)
{
    const struct {
        const char* pile;
        int code;
        RemoveMode mode;
        const char* after;
    } rows[] = {
        {"005006007", 6, RemoveMode::Find, "005006007"},
        {"005006007", 6, RemoveMode::Delete, "005007"},
        {"005006007", 6, RemoveMode::LeaveGap, "005000007"},
        {"000010020", 10, RemoveMode::DeleteWithGap, "020"},
        {"010000020", 10, RemoveMode::DeleteWithGap, "020"},
        {"005010020", 10, RemoveMode::DeleteWithGap, "005020"},
        {"010020010", 10, RemoveMode::Delete, "020010"},
    };
    for (const auto& row : rows) {
        Tableau(2) = row.pile;
        EXPECT_TRUE(RemoveCardFromSlot(context, {PileGroup::Tableaus, 2}, row.code, row.mode)) << row.pile;
        EXPECT_EQ(Tableau(2), row.after) << row.pile;
    }
    EXPECT_FALSE(RemoveCardFromSlot(context, {PileGroup::Tableaus, 2}, 44, RemoveMode::Delete));
}

TEST_F(TableTest, RemoveCardFromTableSearchesInItsOrder)
{
    context.piles.Waste() = "001";
    Tableau(0) = "002";
    Tableau(3) = "003";
    Tableau(5) = "004"; // beyond the game's four tableaus
    context.piles.foundations[15] = "004";
    context.piles.Stock() = "005";
    context.piles.stockGroup[kSecondWasteSlot] = "006";
    context.piles.reserves[11] = "007";
    EXPECT_EQ(RemoveCardFromTable(context, 1, RemoveMode::Find), PileKind::Waste);
    EXPECT_EQ(RemoveCardFromTable(context, 3, RemoveMode::Delete), PileKind::Tableau);
    EXPECT_EQ(Tableau(3), "");
    EXPECT_EQ(RemoveCardFromTable(context, 4, RemoveMode::Delete), PileKind::Foundation)
        << "tableaus beyond the game's count are not searched";
    EXPECT_EQ(Tableau(5), "004");
    EXPECT_EQ(RemoveCardFromTable(context, 5, RemoveMode::LeaveGap), PileKind::Stock);
    EXPECT_EQ(context.piles.Stock(), "000");
    EXPECT_EQ(RemoveCardFromTable(context, 6, RemoveMode::Find), PileKind::SecondWaste);
    EXPECT_EQ(RemoveCardFromTable(context, 7, RemoveMode::Find), PileKind::Reserve)
        << "every reserve slot is searched";
    EXPECT_EQ(RemoveCardFromTable(context, 50, RemoveMode::Delete), PileKind::None);
}

TEST_F(TableTest, RunsAreTakenFromTableausThenReserves)
{
    Tableau(1) = "010011012013";
    context.piles.reserves[1] = "020021";
    EXPECT_EQ(TakeRunFrom(context, 11, false), (std::vector<std::string>{"011", "012", "013"}));
    EXPECT_EQ(Tableau(1), "010011012013");
    CutRunFrom(context, 12);
    EXPECT_EQ(Tableau(1), "010011");
    EXPECT_EQ(TakeRunFrom(context, 20, true), (std::vector<std::string>{"020", "021"}));
    EXPECT_EQ(context.piles.reserves[1], "");
    context.piles.Waste() = "030";
    EXPECT_TRUE(TakeRunFrom(context, 30, true).empty()) << "the waste is not a run source";
    EXPECT_EQ(context.piles.Waste(), "030");
    EXPECT_TRUE(IsTopOfAnyTableau(context, 11));
    EXPECT_FALSE(IsTopOfAnyTableau(context, 10));
}

TEST_F(TableTest, LocateCardGivesTheSignedLocation)
{
    context.piles.Stock() = "001";
    context.piles.Waste() = "002";
    context.piles.foundations[3] = "003";
    Tableau(3) = "004";
    context.piles.reserves[1] = "005";
    context.piles.stockGroup[kSecondWasteSlot] = "006";
    EXPECT_EQ(LocateCard(context, 1), kInStock);
    EXPECT_EQ(LocateCard(context, 2), kInWaste);
    EXPECT_EQ(LocateCard(context, 3), -4);
    EXPECT_EQ(LocateCard(context, 4), 4);
    EXPECT_EQ(LocateCard(context, 5), -22);
    EXPECT_EQ(LocateCard(context, 6), kNowhere) << "the secondary waste is not searched";
}

TEST_F(TableTest, PileTextHelpers)
{
    EXPECT_TRUE(ContainsCode("7", "005007"));
    EXPECT_TRUE(ContainsCode("007", "005007"));
    EXPECT_FALSE(ContainsCode("006", "005007"));
    EXPECT_TRUE(AllRanksDistinct("001000015"));
    EXPECT_FALSE(AllRanksDistinct("001014"));
    EXPECT_EQ(PileCodes("001000052"), (std::vector<int>{1, 0, 52}));
    EXPECT_EQ(PileTextOf({1, 0, 52}), "001000052");
}

TEST_F(TableTest, ShadowPutsThePilesBackExactly)
{
    Tableau(0) = "001002";
    context.flags.Set(GameInProgress);
    WithTemporaryPiles(context, [&] {
        Tableau(0) = "";
        context.piles.Waste() = "003";
    });
    EXPECT_EQ(Tableau(0), "001002");
    EXPECT_EQ(context.piles.Waste(), "");
    ClearTable(context, false);
    EXPECT_FALSE(context.flags[GameInProgress]);
    EXPECT_EQ(Tableau(0), "001002");
    ClearTable(context, true);
    EXPECT_EQ(context.piles, PileStore());
}

} // namespace
} // namespace marlowe
