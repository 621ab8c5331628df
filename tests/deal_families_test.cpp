// The deal families, and every shipped game dealt for many deal numbers: each card exactly once,
// with the faces its piles' codes give.

#include "catalogue/main_game.h"
#include "catalogue/rule_values.h"
#include "catalogue/rule_loader.h"
#include "deal_test_support.h"

namespace marlowe::testing {
namespace {

// --- Deal families ----------------------------------------------------------------------------

TEST_F(DealTest, DealFamiliesReshapeThePackAndTheTable)
{
    auto allCardsBut = [](int rankFrom, int rankTo) {
        return Without(Range(1, 52), [=](int c) { return RankOf(c) >= rankFrom && RankOf(c) <= rankTo; });
    };
    auto ranksOf = [&](PileRef pile) {
        Codes ranks;
        for (int c : Of(pile))
            ranks.push_back(c == 0 ? 0 : RankOf(c));
        return ranks;
    };
    struct Case {
        int family;
        std::function<void()> setup;
        std::function<void()> check;
    };
    const std::vector<Case> cases{
        {1, [&] { Tableaus(13, 1, 1); Set(rule::StockCardCount, 39); }, [&] {
             // The Kings of piles 2 and 3 go under the stock; its first other cards replace them.
             EXPECT_EQ(Bottoms(PileGroup::Tableaus, 4), (Codes{23, 38, 2, 43}));
             EXPECT_EQ(Slice(Of(kStock), 0, 3), (Codes{39, 52, 4}));
             EXPECT_EQ(Marks(T(2)), "1");
         }},
        {2, [&] { Set(rule::TableauCount, 8); }, [&] {
             EXPECT_EQ(Bottoms(PileGroup::Tableaus, 5), (Codes{26, 13, 52, 39, 0}));
             for (int k = 0; k < 4; ++k) {
                 const auto ranks = ranksOf(T(k));
                 EXPECT_EQ(std::count(ranks.begin(), ranks.end(), 13), 1);
             }
         }},
        {4, [&] { Set(rule::TableauCount, 8); }, [&] { EXPECT_EQ(Bottoms(PileGroup::Tableaus, 5), (Codes{12, 25, 38, 51, 0})); }},
        {3, [&] { Tableaus(4, 13, 13); }, [&] {
             for (int k = 0; k < 4; ++k)
                 EXPECT_TRUE(AllRanksDistinct(context.piles[T(k)])) << context.piles[T(k)];
         }},
        {5, [&] { HomeFoundations(4); SetEach(rule::FoundationStarter, 4, 93); Set(rule::TableauCount, 12); }, [&] {
             for (int k = 0; k < 12; ++k)
                 EXPECT_EQ(ranksOf(T(k)), Codes(4, k + 2));
         }},
        {6, [&] { Set(rule::TableauCount, 13); }, [&] {
             for (int k = 0; k < 13; ++k)
                 EXPECT_EQ(ranksOf(T(k)), Codes(4, k + 1));
         }},
        {7, [&] { HomeFoundations(4); Tableaus(4, 13, 13); }, [&] {
             // Only pile 2 has an Ace at its bottom, and only foundation 2 is tried with it.
             EXPECT_EQ(Bottoms(PileGroup::Foundations, 4), (Codes{0, 0, 1, 0}));
             EXPECT_EQ(Of(T(2)).size(), 12u);
         }},
        {8, [&] { Tableaus(4, 13, 13); }, [&] {
             EXPECT_EQ(TableCards(), allCardsBut(1, 1));
             EXPECT_EQ(ranksOf(T(2)).front(), 0); // the Ace of hearts lay at the bottom of pile 2
         }},
        {21, [&] { Set(rule::FoundationCount, 4); Tableaus(4, 10, 0); }, [&] {
             EXPECT_EQ(context.piles[F(0)] + context.piles[F(3)], "014027040001026039052013");
             EXPECT_EQ(Marks(F(0)), "0001"); // the Aces were dealt face down; hearts are turned up
             EXPECT_EQ(TableCards(), Range(1, 52));
         }},
        {9, [&] { Tableaus(4, 1, 1); }, [&] { EXPECT_EQ(TableCards(), (Codes{1, 2, 3})); }},
        {9, [&] { Tableaus(15, 1, 1); }, [&] { EXPECT_EQ(TableCards(), Without(Range(1, 27), [](int c) { return c > 13 && c < 27; })); }},
        {10, [&] { Tableaus(4, 13, 13); random.values = {2}; }, [&] {
             EXPECT_EQ(random.bounds, Codes{3});
             EXPECT_EQ(Of(T(2)).size() + TableCards().size(), 39u);
         }},
        {11, [&] { Tableaus(5, 1, 1); }, [&] { EXPECT_EQ(TableCards(), (Codes{2, 27, 29, 31, 43})); }},
        {14, [&] { Tableaus(9, 1, 1); }, [&] { EXPECT_EQ(TableCards(), Range(1, 9)); }},
        {12, [&] { Set(rule::PackSize, 104); Tableaus(3, 4, 4); }, [&] { EXPECT_EQ(TableCards(), (Codes{1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95})); }},
        {12, [&] { Set(rule::PackSize, 104); Tableaus(4, 6, 6); }, [&] { EXPECT_EQ(TableCards().back(), 103); }},
        {12, [&] { Set(rule::PackSize, 104); Tableaus(4, 7, 7); Set(rule::TableauCount, 5); }, [&] {
             EXPECT_EQ(TableCards().size(), 28u);
             EXPECT_EQ(TableCards().back(), 104);
         }},
        {13, [&] { Set(rule::FoundationCount, 4); }, [&] {
             EXPECT_EQ(Bottoms(PileGroup::Foundations, 4), Slice(kDealZero, 0, 4));
             EXPECT_EQ(Marks(F(3)), "1");
         }},
        {15, [&] { Tableaus(8, 6, 6); SetEach(rule::TableauCardCount, 4, 7); }, [&] {
             EXPECT_EQ(TableCards(), allCardsBut(13, 13));
             EXPECT_EQ(Of(T(7)).size(), 9u);
         }},
        {16, [&] { Set(rule::StockCardCount, 52); }, [&] { EXPECT_EQ(TableCards(), allCardsBut(12, 13)); }},
        {17, [&] { Set(rule::TableauCount, 12); Set(rule::ReserveCount, 1); }, [&] {
             // 2, 4, 4, 7 and the Ace differ from the counter 1..5; the 6 met at 6 goes to the stock.
             EXPECT_EQ(Bottoms(PileGroup::Tableaus, 6), (Codes{2, 43, 4, 20, 27, 29}));
             EXPECT_EQ(Of(kStock).front(), 45);
             for (int k = 0; k < 12; ++k) {
                 const auto ranks = ranksOf(T(k));
                 EXPECT_EQ(std::count(ranks.begin(), ranks.end(), k + 1), 0);
             }
             EXPECT_EQ(Marks(kStock), std::string(Of(kStock).size(), '0'));
             EXPECT_EQ(TableCards(), Range(1, 52));
         }},
        {22, [&] { Tableaus(13, 4, 4); }, [&] {
             // Kings first in every pile, the other cards after them in their dealt order.
             EXPECT_EQ(TableCards(), Range(1, 52));
             int kingsAtTheBottom = 0;
             for (int k = 0; k < 13; ++k) {
                 const auto ranks = ranksOf(T(k));
                 const auto firstOther = std::find_if(ranks.begin(), ranks.end(), [](int r) { return r != 13; });
                 EXPECT_TRUE(std::none_of(firstOther, ranks.end(), [](int r) { return r == 13; })) << k;
                 kingsAtTheBottom += static_cast<int>(firstOther - ranks.begin());
             }
             EXPECT_EQ(kingsAtTheBottom, 4);
         }},
        {23, [&] { Tableaus(8, 6, 6); for (int k = 0; k < 4; ++k) rules.Of(rule::TableauCardCount, k) = 7; }, [&] {
             // An Ace or a Two at the bottom of each of the eight piles, the piles as long as dealt.
             EXPECT_EQ(TableCards(), Range(1, 52));
             for (int k = 0; k < 8; ++k) {
                 EXPECT_LE(ranksOf(T(k)).front(), 2) << k;
                 EXPECT_EQ(Of(T(k)).size(), k < 4 ? 7u : 6u) << k;
             }
         }},
        {24, [&] { Set(rule::TableauCount, 9); }, [&] {
             // The pack as it lies: the cards before the first King make the first pile, and
             // every King starts the next one.
             EXPECT_EQ(TableCards(), Range(1, 52));
             const auto first = ranksOf(T(0));
             EXPECT_TRUE(std::none_of(first.begin() + 1, first.end(), [](int r) { return r == 13; }));
             for (int k = 1; k <= 4; ++k) {
                 const auto ranks = ranksOf(T(k));
                 ASSERT_FALSE(ranks.empty()) << k;
                 EXPECT_EQ(ranks.front(), 13) << k;
                 EXPECT_EQ(std::count(ranks.begin(), ranks.end(), 13), 1) << k;
             }
             EXPECT_TRUE(Of(T(5)).empty()) << "four Kings start four more piles";
         }},
        {25, [&] { HomeFoundations(4); Set(rule::FoundationFullCount, 13); Tableaus(4, 13, 13); }, [&] {
             // Dealt in rounds, the Aces (and what follows them in suit) go home as the deal meets
             // them; the piles keep the rest, none of which the foundations could take when dealt.
             EXPECT_EQ(TableCards(), Range(1, 52));
             std::size_t home = 0;
             for (int f = 0; f < 4; ++f) {
                 ASSERT_FALSE(Of(F(f)).empty()) << f;
                 EXPECT_EQ(RankOf(Of(F(f)).front()), 1) << f;
                 home += Of(F(f)).size();
             }
             std::size_t left = 0;
             for (int k = 0; k < 4; ++k) {
                 left += Of(T(k)).size();
                 EXPECT_LE(Of(T(k)).size(), 13u);
                 for (int c : Of(T(k)))
                     EXPECT_NE(RankOf(c), 1) << k;
             }
             EXPECT_EQ(home + left, 52u);
         }},
        {27, [&] { HomeFoundations(4); Set(rule::FoundationFullCount, 13); Tableaus(4, 13, 13); }, [&] {
             // The piles keep their places in the deal: only the Aces go home, each leaving its
             // pile a card short.
             EXPECT_EQ(TableCards(), Range(1, 52));
             std::size_t left = 0;
             for (int f = 0; f < 4; ++f)
                 EXPECT_EQ(Of(F(f)).size(), 1u) << f;
             for (int k = 0; k < 4; ++k) {
                 left += Of(T(k)).size();
                 for (int c : Of(T(k)))
                     EXPECT_NE(RankOf(c), 1) << k;
             }
             EXPECT_EQ(left, 48u);
             EXPECT_EQ(Of(T(2)).size(), 12u) << "the Ace of hearts was dealt to pile 2";
         }},
        {28, [&] { Tableaus(8, 6, 6); Set(rule::ReserveCount, 4); SetEach(rule::ReserveCardCount, 4, 1); }, [&] {
             // No pile holds two cards of one rank; the pack stays whole, the reserves take the rest.
             EXPECT_EQ(TableCards(), Range(1, 52));
             for (int k = 0; k < 8; ++k) {
                 auto ranks = ranksOf(T(k));
                 std::sort(ranks.begin(), ranks.end());
                 EXPECT_EQ(ranks.size(), 6u) << k;
                 EXPECT_EQ(std::adjacent_find(ranks.begin(), ranks.end()), ranks.end()) << "pile " << k;
             }
             for (int r = 0; r < 4; ++r)
                 EXPECT_EQ(Of(R(r)).size(), 1u) << r;
         }},
        {38, [&] { Set(rule::StrippedPack, stripped_pack::NinesUp); Set(rule::FoundationCount, 4); Set(rule::TableauCount, 4); }, [&] {
             // Every 9 heads a foundation, the cards after it follow on the pile below until the
             // next 9; the first pile also holds the cards before the first 9. Nothing is lost.
             EXPECT_EQ(TableCards(), Without(Range(1, 52), [](int c) { return RankOf(c) >= 2 && RankOf(c) <= 8; }));
             for (int f = 0; f < 4; ++f) {
                 ASSERT_EQ(Of(F(f)).size(), 1u) << f;
                 EXPECT_EQ(RankOf(Of(F(f)).front()), 9) << f;
                 for (int c : Of(T(f)))
                     EXPECT_NE(RankOf(c), 9) << f;
             }
         }},
        {69, [&] { Set(rule::ReserveCount, 8); SetEach(rule::ReserveCardCount, 8, 1); SetEach(rule::ReserveFaceUp, 8, 1);
                   Set(rule::StockCardCount, 44); Set(rule::StockFaceDown, 1); Set(rule::StockGroupCount, 1); },
         [&] {
             // The cells hold an Ace or a King, one face-up card each; the stock keeps its count, face down.
             EXPECT_EQ(TableCards(), Range(1, 52));
             bool aceOrKing = false;
             for (int r = 0; r < 8; ++r) {
                 ASSERT_EQ(Of(R(r)).size(), 1u) << r;
                 EXPECT_EQ(Marks(R(r)), "1");
                 aceOrKing |= RankOf(Of(R(r)).front()) == 1 || RankOf(Of(R(r)).front()) == 13;
             }
             EXPECT_TRUE(aceOrKing);
             EXPECT_EQ(Marks(kStock), std::string(44, '0'));
         }},
        {26, [&] { Tableaus(3, 5, 5); }, [&] {
             for (int k = 0; k < 3; ++k)
                 EXPECT_EQ(Marks(T(k)), "01010") << k;
         }},
        {deal_family::AlternateFromUpAcesHome, [&] { HomeFoundations(4); Tableaus(4, 13, 13); }, [&] {
             // Alternately face up and down from a face-up bottom; the Aces that would lie face up
             // go home, their piles going without them, and the face-down ones stay.
             EXPECT_EQ(TableCards(), Range(1, 52));
             std::size_t home = 0;
             for (int f = 0; f < 4; ++f)
                 home += Of(F(f)).size();
             std::size_t hidden = 0;
             for (int k = 0; k < 4; ++k) {
                 const std::string marks = Marks(T(k));
                 EXPECT_EQ(marks.substr(0, marks.size() - 1).find("11"), std::string::npos) << k;
                 EXPECT_EQ(marks.back(), '1') << "the top card lies face up, " << k;
                 for (std::size_t i = 0; i < marks.size(); ++i)
                     if (RankOf(Of(T(k))[i]) == 1) {
                         EXPECT_TRUE(marks[i] == '0' || i + 1 == marks.size()) << "a face-up Ace went home, " << k;
                         ++hidden;
                     }
             }
             EXPECT_EQ(home + hidden, 4u) << "every Ace is home or in a pile";
         }},
        {deal_family::OneSuit, [&] { Tableaus(2, 7, 0); Set(rule::TableauCardCount + 1, 6); }, [&] {
             Codes cards = Of(T(0));
             const Codes second = Of(T(1));
             cards.insert(cards.end(), second.begin(), second.end());
             std::sort(cards.begin(), cards.end());
             ASSERT_EQ(cards.size(), 13u);
             EXPECT_EQ(cards.back() - cards.front(), 12) << "the Ace to the King of one suit";
         }},
        {18, [&] { Set(rule::TableauCount, 16); }, [&] {
             const auto& game = context.mainGame;
             EXPECT_EQ(game.GameCounter1, 2 + 4 + 4 + 7);
             int ranks = 0;
             for (int k = 0; k < 16; ++k) {
                 EXPECT_EQ(Of(T(k)).size(), 1u);
                 ranks += ranksOf(T(k)).front();
                 EXPECT_LE(ranksOf(T(k)).front(), 10);
             }
             EXPECT_EQ(game.GameCounter1 + game.GameCounter2 + game.GameCounter3 + game.GameCounter4, ranks);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("deal family " + std::to_string(c.family));
        rules = RuleVector();
        Set(rule::PackSize, 52);
        Set(rule::DealFamily, c.family);
        random.bounds.clear();
        c.setup();
        Deal();
        c.check();
    }
}

TEST(InterleaveSixteen, TakesCardsByTheRanksOfThePack)
{
    EXPECT_EQ(InterleaveSixteen(Range(1, 16)), (Codes{10, 4, 6, 5, 8, 7, 11, 9, 13, 12, 15, 14, 1, 2, 3, 16}));
}

// --- Every shipped game -----------------------------------------------------------------------

// The mark a face code gives element i of a counted pile of n elements.
char FaceCodeMark(int faceCode, int i, int n)
{
    if (faceCode >= 1)
        return i >= n - faceCode ? '1' : '0';
    if (faceCode == -1 || faceCode == -2)
        return (i % 2 == 0) == (faceCode == -1) ? '1' : '0';
    return faceCode == -3 && i == 0 ? '1' : '0';
}

TEST(DealProperty, EveryShippedGameDealsEachCardOnceWithTheFacesOfItsCodes)
{
    TMainGame mainGame;
    mainGame.programFolder = MARLOWE_BUILD_DIR;
    ASSERT_TRUE(mainGame.LoadCatalogue());
    RecordingPresentation presentation;
    GameContext context(presentation);
    const RuleVector& rules = context.rules;
    ScriptedRandom random;
    SeededRandom numbers(2024);

    for (const auto& line : mainGame.Catalogue()) {
        SCOPED_TRACE(CatalogueLineName(line));
        ASSERT_TRUE(LoadRules(mainGame, CatalogueLineNumber(line), context.rules));
        const int family = rules[rule::DealFamily];
        const bool dropsCards = family == 8 || (family >= 9 && family <= 12) || family == 14 || family == 15 || family == 16 || family == 18 ||
                                family == deal_family::OneSuit;
        // Counted piles keep the faces of their codes unless a later step reshapes them.
        const int starter = rules[rule::FoundationStarter];
        const bool countedPilesStay = family == 0 && rules[rule::SpecialGame] != 11 && rules[rule::SpecialGame] != 22 &&
                                      rules[rule::FoundationStartMode] != 7 && rules[rule::TableauStyle] != 8 && (starter < 93 || starter > 98);
        for (int deal = 0; deal < 1000; ++deal) {
            NewDealNumber(context, numbers);
            SCOPED_TRACE("deal " + DealNumber(context));
            context.rules.RestoreRuleCopy();
            auto pack = ShuffledPack(context);
            PrepareTableForDeal(context);
            DealGame(context, random);

            Codes onTable;
            for (auto group : {PileGroup::StockGroup, PileGroup::Foundations, PileGroup::Tableaus, PileGroup::Reserves}) {
                const int used = group == PileGroup::Foundations ? context.FoundationCount()
                                 : group == PileGroup::Tableaus  ? context.TableauCount()
                                 : group == PileGroup::Reserves  ? context.ReserveCount()
                                                                 : 3;
                for (int slot = 0; slot < PileStore::SlotCount(group); ++slot) {
                    const std::string& pile = context.piles.Slot(group, slot);
                    ASSERT_TRUE(slot < used || pile.empty()) << "cards on " << PileName({group, slot});
                    for (int code : PileCodes(pile))
                        if (code != 0)
                            onTable.push_back(code);
                }
            }
            std::sort(pack.begin(), pack.end());
            std::sort(onTable.begin(), onTable.end());
            ASSERT_EQ(std::adjacent_find(onTable.begin(), onTable.end()), onTable.end());
            ASSERT_TRUE(std::includes(pack.begin(), pack.end(), onTable.begin(), onTable.end()));
            ASSERT_TRUE(dropsCards || onTable == pack) << onTable.size() << " of " << pack.size() << " cards dealt";

            for (const auto& foundation : context.piles.foundations)
                ASSERT_FALSE(!foundation.empty() && context.cards.IsFaceDown(TopElement(foundation)));
            if (!countedPilesStay)
                continue;
            auto expectFaces = [&](const std::string& pile, int faceCode, const std::string& name) {
                const auto codes = PileCodes(pile);
                const int n = static_cast<int>(codes.size());
                for (int i = 0; i < n; ++i)
                    ASSERT_EQ(context.cards.IsFaceDown(codes[static_cast<std::size_t>(i)]) ? '0' : '1', FaceCodeMark(faceCode, i, n))
                        << name << " card " << i;
            };
            for (int k = 0; k < context.TableauCount(); ++k)
                expectFaces(context.piles.tableaus[static_cast<std::size_t>(k)], rules.Of(rule::TableauFaceUp, k), "tableau " + std::to_string(k));
            for (int k = 0; k < context.ReserveCount(); ++k)
                expectFaces(context.piles.reserves[static_cast<std::size_t>(k)], rules.Of(rule::ReserveFaceUp, k), "reserve " + std::to_string(k));
            expectFaces(context.piles.Stock(), rules[rule::StockFaceDown] != 0 ? 0 : ElementCount(context.piles.Stock()), "stock");
            expectFaces(context.piles.Waste(), rules[rule::WasteCardCount], "waste");
        }
    }
}

} // namespace
} // namespace marlowe::testing
