// The shuffle and the deal: the pack orders of known deal numbers, that every pack is a
// permutation, and what each step of the deal puts where and with which face.

#include "deal_test_support.h"

namespace marlowe::testing {
namespace {

// --- The shuffle ----------------------------------------------------------------------------

TEST_F(DealTest, KnownDealNumbersGiveTheirPackOrders)
{
    EXPECT_EQ(Shuffle("0000000000000"), kDealZero);
    EXPECT_EQ(Shuffle("0000000000001"), kDealOne);
    Set(rule::JokersInPack, 1);
    Set(rule::JokerCount, 1);
    const auto withJoker = Shuffle("0000000000000");
    ASSERT_EQ(withJoker.size(), 53u);
    EXPECT_EQ(withJoker[25], 209);
}

TEST_F(DealTest, EveryPackSizeAndJokerCountShufflesToAPermutation)
{
    for (int packSize : {52, 104, 156, 208})
        for (int jokers = 0; jokers <= 4; ++jokers)
            for (const char* number : {"0000000000000", "0000000000001", "1234567890123", "9999999999999", "5080706050403"}) {
                SCOPED_TRACE(std::to_string(packSize) + " cards, " + std::to_string(jokers) + " jokers, " + number);
                Set(rule::PackSize, packSize);
                Set(rule::JokersInPack, jokers > 0 ? 1 : 0);
                Set(rule::JokerCount, jokers);
                auto pack = Shuffle(number);
                std::sort(pack.begin(), pack.end());
                auto expected = Range(1, packSize);
                for (int j = 1; j <= jokers; ++j)
                    expected.push_back(208 + j);
                EXPECT_EQ(pack, expected);
            }
    EXPECT_TRUE(presentation.events.empty());
}

TEST_F(DealTest, StrippedPacksDropTheirRanksAndKeepTheOrder)
{
    Set(rule::StrippedPack, 1);
    const auto lowRanksOut = Without(kDealZero, [](int c) { return RankOf(c) >= 2 && RankOf(c) <= 6; });
    EXPECT_EQ(lowRanksOut.size(), 32u);
    EXPECT_EQ(Shuffle("0"), lowRanksOut);
    Set(rule::StrippedPack, 2);
    EXPECT_EQ(Shuffle("0"), Without(lowRanksOut, [](int c) { return RankOf(c) == 13; }));
    EXPECT_EQ(Shuffle("0").size(), 28u);
    Set(rule::JokersInPack, 1);
    Set(rule::JokerCount, 2);
    EXPECT_EQ(Shuffle("0").size(), 30u); // the jokers stay
}

TEST_F(DealTest, DealNumbersAreReadAsThirteenDigitsWithLeadingZeros)
{
    for (const char* number : {"1", "  1", "000001", "10000000000001", "00000000000x1"}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(Shuffle(number), kDealOne);
        EXPECT_EQ(DealNumber(context), "0000000000001");
    }
    EXPECT_EQ(Shuffle(""), kDealZero);
}

TEST_F(DealTest, AnUnknownPackSizeIsReportedAndDealsNoCard)
{
    Set(rule::PackSize, 100);
    Set(rule::StockCardCount, 52);
    Deal();
    EXPECT_TRUE(TableCards().empty());
    EXPECT_EQ(presentation.events, std::vector<std::string>{"info: Error 01 - fnGameNumberCardsArray"});

    // A size below 52 shuffles 52 cards into fewer places: distinct cards and no message.
    presentation.events.clear();
    Set(rule::PackSize, 48);
    auto pack = Shuffle("0");
    std::sort(pack.begin(), pack.end());
    EXPECT_EQ(pack.size(), 48u);
    EXPECT_EQ(std::adjacent_find(pack.begin(), pack.end()), pack.end());
    EXPECT_TRUE(presentation.events.empty());
}

TEST(FindEmptySlot, SearchesItsWayThenFromTheStart)
{
    const Codes order{5, 0, 7, 0, 9};
    struct Case {
        int from;
        bool forward;
        int expected;
    };
    for (const auto& c : {Case{0, true, 1}, Case{2, true, 3}, Case{4, true, 1}, Case{2, false, 1}, Case{0, false, 1},
                          Case{-1, true, 1}, Case{9, false, 1}, Case{3, false, 3}}) {
        EXPECT_EQ(FindEmptySlot(order, c.from, c.forward), c.expected) << c.from << (c.forward ? " forward" : " backward");
    }
    EXPECT_EQ(FindEmptySlot({1, 2, 3}, 1, true), -1);
}

TEST_F(DealTest, NewDealNumberIsTheProductOfTwoDrawsInThirteenDigits)
{
    struct Case {
        int a, b;
        const char* expected;
    };
    for (const auto& c : {Case{3, 4, "0000000000012"}, Case{9'999'998, 999'998, "9999978000004"}, Case{0, 77, "0000000000000"}}) {
        ScriptedRandom script;
        script.values = {c.a, c.b};
        NewDealNumber(context, script);
        EXPECT_EQ(context.registers.Get(reg::DealNumber), c.expected);
        EXPECT_EQ(script.bounds, (Codes{9'999'999, 999'999}));
    }
}

// --- Counted piles and face codes -------------------------------------------------------------

TEST_F(DealTest, RankedCountsComeFirstThenTheStockGroupThenCountedTableaus)
{
    Set(rule::StockCardCount, 20);
    Set(rule::WasteCardCount, 3);
    Set(rule::SecondWasteCardCount, 2);
    Set(rule::TableauCount, 2);
    rules.Of(rule::TableauCardCount, 0) = 1001; // the first Ace of the pack
    rules.Of(rule::TableauCardCount, 1) = 24;
    Deal();
    const auto rest = Without(kDealZero, [](int c) { return c == 27; });
    EXPECT_EQ(Of(T(0)), Codes{27});
    EXPECT_EQ(Of(kStock), Slice(rest, 0, 20));
    EXPECT_EQ(Of(kWaste), Slice(rest, 20, 23));
    EXPECT_EQ(Of(T(1)), Slice(rest, 23, 47));
    EXPECT_EQ(Of(kSecondWaste), Slice(rest, 47, 49));
    EXPECT_EQ(Marks(T(0)) + Marks(kWaste) + Marks(kSecondWaste), "011111");
    EXPECT_EQ(Marks(kStock), std::string(20, '1'));
    Set(rule::StockFaceDown, 1);
    Deal();
    EXPECT_EQ(Marks(kStock), std::string(20, '0'));
}

TEST_F(DealTest, FaceCodesTurnTheCardsOfTableausAndReserves)
{
    struct Case {
        int faceCode;
        const char* marks;
    };
    for (const auto& c : {Case{0, "000000"}, Case{2, "000011"}, Case{6, "111111"}, Case{9, "111111"},
                          Case{-1, "101010"}, Case{-2, "010101"}, Case{-3, "100000"}}) {
        SCOPED_TRACE(c.faceCode);
        Tableaus(1, 6, c.faceCode);
        Set(rule::ReserveCount, 1);
        Set(rule::ReserveCardCount, 6);
        Set(rule::ReserveFaceUp, c.faceCode);
        Deal();
        EXPECT_EQ(Marks(T(0)), c.marks);
        EXPECT_EQ(Marks(R(0)), c.marks);
    }
}

TEST_F(DealTest, SecondWasteCardRankedCardsAndJokersLeaveThePack)
{
    Set(rule::JokersInPack, 1);
    Set(rule::JokerCount, 1);
    const auto pack = Shuffle("0");
    const int firstFive = *std::find_if(pack.begin(), pack.end(), [](int c) { return c <= 52 && RankOf(c) == 5; });
    Set(rule::SecondWasteCard, 110);
    Set(rule::TableauCount, 2);
    rules.Of(rule::TableauCardCount, 0) = 1501;
    rules.Of(rule::TableauCardCount, 1) = 1005;
    Set(rule::StockCardCount, 50);
    Deal();
    EXPECT_EQ(Of(kSecondWaste), Codes{10});
    EXPECT_EQ(Of(T(0)), Codes{209});
    EXPECT_EQ(Of(T(1)), Codes{firstFive});
    EXPECT_EQ(Marks(kSecondWaste) + Marks(T(0)) + Marks(T(1)), "110");
    auto expected = Range(1, 52);
    expected.push_back(209);
    EXPECT_EQ(TableCards(), expected);
}

// --- Foundations ------------------------------------------------------------------------------

TEST_F(DealTest, FoundationStartersChooseTheirCards)
{
    struct Case {
        Codes starters;
        Codes cards; // bottom card of each foundation, 0 for none
        Codes bases;
    };
    const std::vector<Case> cases{
        {{91}, {15}, {2}},
        {{93, 93, 93, 93}, {1, 14, 27, 40}, {1, 1, 1, 1}},
        {{95, 95, 95, 95, 95}, {13, 26, 39, 52, 1}, {13, 13, 13, 13, 1}},
        {{20}, {2}, {2}},
        {{21, 21, 21, 21}, {2, 43, 20, 27}, {2, 4, 7, 1}},
        {{22, 22, 22}, {2, 43, 20}, {2, 4, 7}},
        {{51}, {27}, {1}},
        {{63}, {26}, {13}},
        {{105}, {5}, {5}},
        {{0, 3}, {0, 16}, {1, 3}},
        {{20, 92}, {2, 0}, {2, 2}},
        {{96, 98}, {0, 0}, {1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.starters));
        const int count = static_cast<int>(c.starters.size());
        rules = RuleVector();
        Set(rule::PackSize, 52);
        Set(rule::StockCardCount, 52);
        HomeFoundations(count);
        for (int k = 0; k < count; ++k)
            rules.Of(rule::FoundationStarter, k) = static_cast<std::int16_t>(c.starters[static_cast<std::size_t>(k)]);
        Deal();
        EXPECT_EQ(Bottoms(PileGroup::Foundations, count), c.cards);
        EXPECT_EQ(Bases(count), c.bases);
        EXPECT_EQ(TableCards(), Range(1, 52));
    }
}

TEST_F(DealTest, StarterNinetySevenAndSpecialGameFiftySetTheBases)
{
    Set(rule::PackSize, 104);
    Set(rule::StockCardCount, 104);
    HomeFoundations(8);
    Set(rule::FoundationStarter, 97);
    const auto pack = Shuffle("0");
    Deal();
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(Of(F(k)), Codes{*std::find_if(pack.begin(), pack.end(), [k](int c) { return RankOf(c) == k + 2; })});
        EXPECT_EQ(rules.Of(rule::FoundationBaseRank, k), k + 2);
    }
    EXPECT_EQ(TableCards(), Range(1, 104));

    rules = RuleVector();
    Set(rule::FoundationCount, 8);
    Set(rule::SpecialGame, 50);
    for (int k : {0, 1, 2, 3})
        rules.Of(rule::FoundationBaseRank, k) = static_cast<std::int16_t>(Codes{1, 7, 13, 0}[static_cast<std::size_t>(k)]);
    Deal();
    EXPECT_EQ(Bases(8), (Codes{1, 7, 13, 0, 2, 1, 13, 13}));
}

TEST_F(DealTest, StartModesStartTheFoundations)
{
    struct Case {
        int mode;
        const char* number;
        int foundations;
        Codes cards; // bottom card of each foundation, 0 for none
        Codes bases;
    };
    const std::vector<Case> cases{
        {1, "0", 16, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, Codes(16, 2)},
        {2, "0", 4, {2, 43, 4, 20}, {2, 2, 2, 2}},
        {3, "0", 4, {0, 0, 0, 0}, {9, 13, 12, 3}},
        {4, "0", 8, {2, 0, 0, 0, 0, 0, 0, 0}, {1, 2, 2, 2, 3, 3, 3, 3}},
        {5, "0", 4, {2, 15, 28, 41}, {2, 2, 2, 2}},
        {6, "0", 4, {2, 0, 0, 0}, {2, 1, 13, 12}},
        {7, "1", 4, {40, 0, 0, 0}, {1, 1, 1, 1}},
        {7, "33", 12, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 38}, Codes(12, 1)},
        {8, "0", 9, {0, 0, 0, 0, 2, 0, 0, 0, 0}, {3, 3, 3, 3, 2, 1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ", deal " + c.number);
        rules = RuleVector();
        Set(rule::PackSize, 52);
        HomeFoundations(c.foundations);
        Set(rule::FoundationStartMode, c.mode);
        if (c.mode == 3) {
            Set(rule::StockCardCount, 48);
            Set(rule::ReserveCount, 4);
            SetEach(rule::ReserveCardCount, 4, 1);
        }
        Deal(c.number);
        EXPECT_EQ(Bottoms(PileGroup::Foundations, c.foundations), c.cards);
        EXPECT_EQ(Bases(c.foundations), c.bases);
    }
    // Mode 7 keeps the suit of the first card (spades 3, clubs 2); a Jack goes to tableau pile 0.
    rules = RuleVector();
    Set(rule::PackSize, 52);
    Set(rule::FoundationStartMode, 7);
    Deal("1");
    EXPECT_EQ(context.mainGame.GameCounter1, 3);
    Deal("33");
    EXPECT_EQ(context.mainGame.GameCounter1, 2);
    Deal("31");
    EXPECT_EQ(Of(T(0)), Codes{11});
    EXPECT_EQ(Marks(T(0)), "1");
}

TEST_F(DealTest, TableauBaseNinetyOneAndTheExtraFoundationCard)
{
    HomeFoundations(4);
    Set(rule::FoundationStartMode, 1);
    Set(rule::ExtraFoundationCard, 1);
    rules.Of(rule::TableauBaseRank, 0) = 91;
    rules.Of(rule::TableauBaseRank, 1) = 5;
    Deal();
    EXPECT_EQ(Of(F(0)), (Codes{2, 43}));
    EXPECT_EQ(Marks(F(0)), "11");
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 0), 1);
    EXPECT_EQ(rules.Of(rule::TableauBaseRank, 1), 5);
}

TEST_F(DealTest, SpecialGameElevenMovesAcesFromReserveAndWaste)
{
    HomeFoundations(4);
    Set(rule::SpecialGame, 11);
    Set(rule::WasteCardCount, 39);
    Set(rule::ReserveCount, 1);
    Set(rule::ReserveCardCount, 13);
    Deal();
    EXPECT_EQ(Of(F(1)), Codes{14});
    EXPECT_EQ(Of(F(0)), Codes{27});
    EXPECT_EQ(Of(R(0)), (Codes{23, 38, 52, 39, 48, 16, 9, 18, 34, 51, 37, 41, 2}));
    EXPECT_EQ(Marks(R(0)), std::string(13, '1'));
    EXPECT_EQ(Of(kWaste), Without(Slice(kDealZero, 0, 39), [](int c) { return c == 2 || c == 27; }));
}

TEST_F(DealTest, TryCardToFoundationTakesTheFirstFoundationThatAccepts)
{
    HomeFoundations(8);
    Set(rule::TableauCount, 10);
    context.piles[F(0)] = "040";
    context.piles[T(0)] = "005001";
    context.cards.SetCardFaceMark(1, '0');
    EXPECT_FALSE(TryCardToFoundation(context, 1, 0));
    EXPECT_FALSE(TryCardToFoundation(context, 1, 8)); // not one of the game's foundations
    EXPECT_TRUE(TryCardToFoundation(context, 1, -1));
    EXPECT_EQ(context.piles[F(1)] + "/" + context.piles[T(0)] + "/" + Marks(F(1)), "001/005/1");

    for (auto [pile, foundation] : {std::pair{2, 0}, std::pair{7, 4}, std::pair{5, 0}}) {
        context.piles.Clear();
        context.piles[T(pile)] = "014";
        EXPECT_TRUE(TryCardToFoundationGroup(context, 14, pile));
        EXPECT_EQ(context.piles[F(foundation)], "014") << "pile " << pile;
    }
}

TEST_F(DealTest, AutoFoundationAfterDealVisitsPositionsOrPilesFirst)
{
    struct Case {
        int starter, scanOrder;
        const char* foundation0;
    };
    for (const auto& c : {Case{93, 0, "001"}, Case{93, 1, "001002"}, Case{94, 1, "001"}, Case{95, 1, "001002"}}) {
        SCOPED_TRACE(std::to_string(c.starter) + "/" + std::to_string(c.scanOrder));
        HomeFoundations(4);
        Set(rule::TableauCount, 2);
        Set(rule::FoundationStarter, c.starter);
        Set(rule::ScanOrder, c.scanOrder);
        context.piles.Clear();
        context.piles[T(0)] = "003001";
        context.piles[T(1)] = "002";
        AutoFoundationAfterDeal(context);
        EXPECT_EQ(context.piles[F(0)], c.foundation0);
        EXPECT_EQ(context.piles[T(0)], "003");
    }
}

TEST_F(DealTest, AcesGoHomeFromTheTableauAndTheStockRefillsTheirPiles)
{
    HomeFoundations(4);
    Set(rule::FoundationStarter, 96);
    Set(rule::StockCardCount, 12);
    Tableaus(4, 10, 10);
    Deal();
    EXPECT_EQ(Bottoms(PileGroup::Foundations, 4), (Codes{14, 40, 1, 0}));
    EXPECT_EQ(Of(kStock), Slice(kDealZero, 0, 9));
    EXPECT_EQ(Of(T(1)), (Codes{13, 19, 35, 42, 3, 44, 28, 5, 22, 36}));
    EXPECT_EQ(Of(T(3)), (Codes{39, 48, 16, 9, 18, 34, 51, 37, 41, 47}));
    EXPECT_EQ(Marks(T(3)), std::string(10, '1'));
    EXPECT_EQ(TableCards(), Range(1, 52));
}

TEST_F(DealTest, AcesGoHomeFromTheReservesAndTheFoundationCodesStay)
{
    HomeFoundations(4);
    for (int k = 0; k < 4; ++k)
        rules.Of(rule::FoundationBuildCode, k) = static_cast<std::int16_t>(2 + k % 2);
    Set(rule::FoundationStarter, 98);
    Set(rule::StockCardCount, 12);
    Set(rule::ReserveCount, 4);
    SetEach(rule::ReserveCardCount, 4, 10);
    SetEach(rule::ReserveFaceUp, 4, 10);
    Deal();
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(rules.Of(rule::FoundationBuildCode, k), 2 + k % 2);
        for (int code : Of(R(k)))
            EXPECT_NE(RankOf(code), 1) << "an Ace stayed in reserve " << k;
    }
    EXPECT_EQ(Of(kStock).size(), 12u - 3u); // three Aces lay in the reserves
    EXPECT_EQ(TableCards(), Range(1, 52));
}

TEST_F(DealTest, SpecialGameTwentyTwoAndTableauStyleEight)
{
    Set(rule::SpecialGame, 22);
    Set(rule::StockCardCount, 40);
    Tableaus(1, 12, 12);
    Deal();
    EXPECT_EQ(Of(kStock).front(), 13);
    EXPECT_EQ(Of(T(0)).back(), 12);
    EXPECT_EQ(Marks(T(0)).back(), '1');
    EXPECT_EQ(TableCards(), Range(1, 52));

    rules = RuleVector();
    Set(rule::PackSize, 52);
    Set(rule::TableauStyle, 8);
    Tableaus(2, 3, 3);
    Deal();
    EXPECT_EQ(Of(T(0)), (Codes{2, 0, 43, 0, 4}));
    EXPECT_EQ(Of(T(1)), (Codes{20, 27, 45}));
}

TEST_F(DealTest, PrepareTableForDealClearsTheTableAndTheWordsButNotTheRules)
{
    auto& game = context.mainGame;
    game.GameCounter1 = game.GameCounter4 = game.DealCounter = game.BlockedCard = game.RedealsDone = 5;
    context.piles[T(3)] = "017";
    context.cards.SetCardFaceMark(17, '0');
    Set(rule::FoundationBaseRank, 7);
    PrepareTableForDeal(context);
    EXPECT_EQ(game.GameCounter1 + game.GameCounter4 + game.DealCounter + game.BlockedCard, 0);
    EXPECT_EQ(game.RedealsDone, 1);
    EXPECT_EQ(context.piles, PileStore());
    EXPECT_EQ(context.cards, CardTable());
    EXPECT_EQ(rules[rule::FoundationBaseRank], 7);
}

} // namespace
} // namespace marlowe::testing
