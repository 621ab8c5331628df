// Autoplay, the fill rules, drop resolution, the per-game switch and the move finder.

#include "engine/autoplay.h"
#include "engine/cards.h"
#include "engine/move_execution.h"
#include "engine/move_finder.h"
#include "engine/pile_text.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace marlowe {
namespace {

std::string Pile(std::initializer_list<int> cards)
{
    std::string text;
    for (int card : cards)
        text += CodeText(card);
    return text;
}

constexpr int C(int suit, int rank) { return CardCode(suit, rank); }

// A Klondike-like game in progress with autoplay on: foundations up in suit from the Ace,
// tableaus down in alternating colours with Kings to spaces, one reserve that takes anything.
class AutoplayTest : public ::testing::Test {
protected:
    AutoplayTest() : context(presentation)
    {
        auto& rules = context.rules;
        rules[rule::FoundationCount] = 4;
        rules[rule::TableauCount] = 3;
        rules[rule::FoundationFullCount] = 13;
        rules[rule::MaxTableauCards] = -1;
        rules[rule::TableauPickRule] = -1;
        rules[rule::RunRule] = 1;
        rules[rule::AutoFaceUp] = 1;
        rules[rule::WasteNotTarget] = 4;
        for (int f = 0; f < 4; ++f) {
            rules.Of(rule::FoundationBaseRank, f) = 1;
            rules.Of(rule::FoundationDirection, f) = 1;
        }
        for (int k = 0; k < kMaxTableaus; ++k) {
            rules.Of(rule::TableauBaseRank, k) = 13;
            rules.Of(rule::TableauBuildCode, k) = 3;
            rules.Of(rule::TableauWrap, k) = 2;
        }
        rules.Of(rule::ReserveRule, 0) = 12;
        for (RegisterField sound : {reg::SoundsEnabled, SoundSwitch::Autoplay, SoundSwitch::Foundation})
            context.registers.Set(sound, "Y");
        context.registers.Set(reg::AutomaticFaceUp, "Y");
        context.mainGame.TableDrawn = 1;
        context.flags.Set(GameInProgress);
        context.autoplayOn = context.autoplayAvailable = true;
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }
    std::string& Foundation(int f) { return context.piles.foundations[static_cast<std::size_t>(f)]; }
    void FaceDown(int card) { context.cards.SetCardFaceMark(card, '0'); }
    // An empty table in a game in progress (a row before may have won and ended the game).
    void StartAfresh()
    {
        context.piles.Clear();
        context.undoHistory.Clear();
        context.flags.Set(GameInProgress);
        context.flags.Clear(StopAutoPlay);
    }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(AutoplayTest, AnUncoveredAceGoesHomeAndOneUndoTakesBackTheMoveWithEverythingAfterIt)
{
    context.rules[rule::EmptyTableauFill] = 2;
    Tableau(0) = Pile({C(Hearts, Ace), C(Spades, 5)});
    FaceDown(C(Hearts, Ace));
    Tableau(1) = Pile({C(Hearts, 6)});
    Tableau(2) = Pile({C(Clubs, 7), C(Hearts, 2)});
    context.piles.Stock() = Pile({C(Diamonds, 9)});
    const auto before = context.piles;

    ASSERT_TRUE(ExecuteMove(context, C(Spades, 5), PileRef{PileGroup::Tableaus, 1}));
    EXPECT_TRUE(AutoplayCycle(context));
    EXPECT_EQ(Foundation(0), Pile({C(Hearts, Ace), C(Hearts, 2)}));
    EXPECT_EQ(Tableau(0), Pile({C(Diamonds, 9)})) << "the emptied pile is filled from the stock";
    EXPECT_EQ(Tableau(2), Pile({C(Clubs, 7)}));
    EXPECT_EQ(presentation.EventsStartingWith("glide 1 ").front(), "glide 1 Fila1>Dest1");
    EXPECT_EQ(presentation.EventsStartingWith("sound Autoplay").size(), 2u);

    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
    EXPECT_TRUE(context.cards.IsFaceDown(C(Hearts, Ace)));
    EXPECT_TRUE(context.undoHistory.Empty());
}

TEST_F(AutoplayTest, SweepsReservesThenTheWasteThenTheTableau)
{
    struct Case {
        int wasteFaceDown;
        std::vector<int> foundations; // the Ace each foundation receives, 0 none
    };
    for (const Case& c : {Case{0, {C(Spades, Ace), C(Diamonds, Ace), C(Clubs, Ace), 0}},
                          Case{1, {C(Spades, Ace), C(Clubs, Ace), 0, 0}}}) {
        SCOPED_TRACE(c.wasteFaceDown);
        StartAfresh();
        context.rules[rule::ReserveCount] = 1;
        context.rules[rule::WasteFaceDown] = static_cast<std::int16_t>(c.wasteFaceDown);
        context.piles.reserves[0] = Pile({C(Spades, Ace)});
        context.piles.Waste() = Pile({C(Diamonds, Ace)});
        Tableau(0) = Pile({C(Clubs, Ace)});
        EXPECT_TRUE(AutoFoundationPass(context));
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(TopElement(Foundation(f)), c.foundations[static_cast<std::size_t>(f)]) << f;
    }
}

TEST_F(AutoplayTest, FoundationTargetsOfAutomaticAndPlayerSearches)
{
    struct Case {
        int targets;      // RuleVector[22]
        int base;         // every foundation's base
        std::string foundation1;
        int card;
        int autoplayTo;   // the foundation index found for autoplay, -1 none
        int playerTo;
    };
    const Case cases[] = {
        {0, 1, "", C(Hearts, Ace), 0, 0},
        {1, 1, "", C(Hearts, Ace), -1, -1},
        {1, 1, Pile({C(Hearts, Ace)}), C(Hearts, 2), 1, 1},
        {2, 1, Pile({C(Hearts, Ace)}), C(Hearts, 2), -1, -1},
        {0, 92, "", C(Clubs, 7), -1, 0},                        // no foundation started yet
        {0, 92, Pile({C(Spades, 7)}), C(Clubs, 7), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.targets << "/" << c.base << "/" << c.card);
        StartAfresh();
        context.rules[rule::AutoFoundationTargets] = static_cast<std::int16_t>(c.targets);
        for (int f = 0; f < 4; ++f)
            context.rules.Of(rule::FoundationBaseRank, f) = static_cast<std::int16_t>(c.base);
        Foundation(1) = c.foundation1;
        Tableau(0) = Pile({c.card});
        for (auto [mover, expected] : {std::pair{Mover::Autoplay, c.autoplayTo}, std::pair{Mover::Player, c.playerTo}}) {
            AutoMoveRequest request;
            request.mover = mover;
            const auto found = FindAutoMove(context, c.card, request);
            EXPECT_EQ(found ? found->index : -1, expected);
        }
    }
}

TEST_F(AutoplayTest, UnplacedFoundationsAreSkipped)
{
    Tableau(0) = Pile({C(Hearts, Ace)});
    FoundationSet unplaced;
    unplaced.set(0);
    EXPECT_TRUE(AutoFoundationPass(context, unplaced));
    EXPECT_EQ(Foundation(1), Pile({C(Hearts, Ace)}));
}

TEST_F(AutoplayTest, FaceDownTopsTurnUpOnlyWhenTheGameAndThePlayerWantIt)
{
    struct Case {
        int faceUpRule;
        const char* preference;
        bool played;
    };
    for (const Case& c : {Case{1, "Y", true}, Case{1, "N", false}, Case{2, "Y", false}}) {
        SCOPED_TRACE(c.faceUpRule);
        StartAfresh();
        context.rules[rule::AutoFaceUp] = static_cast<std::int16_t>(c.faceUpRule);
        context.registers.Set(reg::AutomaticFaceUp, c.preference);
        Tableau(0) = Pile({C(Hearts, Ace)});
        FaceDown(C(Hearts, Ace));
        EXPECT_EQ(AutoFoundationPass(context), c.played);
        EXPECT_EQ(context.cards.IsFaceDown(C(Hearts, Ace)), !c.played);
    }
}

TEST_F(AutoplayTest, NothingMovesBeforeTheTableIsReadyOrTheFirstMoveOrAfterAStop)
{
    Tableau(0) = Pile({C(Hearts, Ace)});
    context.mainGame.TableDrawn = 0;
    EXPECT_FALSE(AutoplayCycle(context));
    context.mainGame.TableDrawn = 1;
    context.rules[rule::FirstMoveToFoundation] = 1;
    EXPECT_FALSE(AutoplayCycle(context));
    context.rules[rule::FirstMoveToFoundation] = 0;
    context.flags.Set(StopAutoPlay);
    EXPECT_FALSE(AutoFoundationPass(context));
    EXPECT_TRUE(AutoplayCycle(context)) << "a cycle clears the stop";
}

TEST_F(AutoplayTest, APassThatWinsTheGameEndsIt)
{
    Tableau(0) = Pile({C(Hearts, Ace)});
    EXPECT_TRUE(AutoFoundationPass(context));
    EXPECT_FALSE(context.flags[GameInProgress]);
    EXPECT_TRUE(context.flags[StopAutoPlay]);
}

// Layout: one character per tableau pile, '.' empty, 'x' holding a card of its own.
struct FillCase {
    int fill;
    std::string layout;
    std::string waste, stock, reserve0, foundation0;
    std::map<int, std::string> expected; // piles and what they hold afterwards
    int blockedRows = 0, blockedColumns = 0, counter = 0;
    std::map<int, std::string> preset = {};
    std::string reserve1 = {};
};

std::string Occupant(int k) { return CodeText(110 + k); }

TEST_F(AutoplayTest, EveryFillRule)
{
    const std::string W = "001002003004", S = "020021022", R = "030031";
    const FillCase cases[] = {
        {1, "x.x.", "", "", R, "", {{1, "031"}, {3, "030"}}},
        {1, "..", W, S, "", "", {{0, ""}, {1, ""}}},
        {2, "...", "001", "020021", "", "", {{0, "001"}, {1, "021"}, {2, "020"}}},
        {2, "...", W, "", "", "", {{0, ""}, {1, ""}, {2, "004"}}, 1, 2},
        {8, "..", "", "020", "", "", {{0, "020"}, {1, ""}}},
        {4, "..", "001", "", "", "", {{0, "001"}}},
        {4, "..", "001", "", "", "", {{0, ""}}, 0, 0, 1},
        {10, ".", "001", "", R, "", {{0, ""}}},
        {10, ".", "001", "", "", "", {{0, "001"}}},
        {3, "..", "001", "020", "", "", {{0, "020"}, {1, "001"}}},
        {5, "..", W, "", "", "", {{0, "004003002"}, {1, "001"}}},
        {6, "........", "001002003", S, "", "", {{0, "003"}, {1, ""}, {6, "002"}, {7, "001"}}},
        {7, "xxxxxxxxx...", W, "020021", "", "", {{9, ""}, {10, "021"}, {11, "020"}}},
        {9, ".", W, "020021022023024", "", "", {{0, "024023022021"}}},
        {11, std::string(23, 'x') + "..xxxxxx.", "001002003", "", "", "", {{23, ""}, {24, "003"}, {31, "002"}}},
        {12, ".", "001002", S, "", "", {{0, "002001022021"}}},
        {18, ".", "001002", S, "", "", {{0, "002001"}}},
        {14, "..xxxxxx" "..xxxxx." ".xxxxxxx", "", "", "", "",
         {{0, "070"}, {1, "075"}, {16, Occupant(14)}, {8, ""}, {14, ""}, {15, ""}}, 0, 0, 0,
         {{8, "070"}, {15, "075"}}},
        {15, "xx.x", "020", "", "", "001002", {{2, "020"}}, 0, 0, 0, {{0, "003"}, {1, "004"}, {3, "030"}}},
        {15, "xx.x", "020", "", "", "001", {{2, ""}}, 0, 0, 0, {{0, "003"}, {1, "004"}, {3, "030"}}},
        {19, std::string(13, 'x') + "..xxxxxxxxxxx", W, "", "", "", {{13, ""}, {14, "004"}}},
        {20, std::string(15, 'x') + "..xxxxxxx.", W, "", "", "", {{15, ""}, {16, "004"}, {24, "003"}}},
        {21, "..", "001002", "", "", "", {{0, std::string(39, '0')}, {1, "002"}}, 0, 0, 0,
         {{0, std::string(39, '0')}}},
        {22, "...", W, S, "030", "", {{0, "042"}, {1, "041"}, {2, "030"}}, 0, 0, 0, {}, "040041042"},
        {22, "..", W, S, "", "", {{0, "004"}, {1, "003"}}},
        {13, ".", W, S, "", "", {{0, ""}}},
        {16, ".", W, S, "", "", {{0, ""}}},
        // 84: each pile from the reserve of its column (pile k, reserve k modulo two), never the stock.
        {84, "....", W, S, "030031", "", {{0, "031"}, {1, "040"}, {2, "030"}, {3, ""}}, 0, 0, 0, {}, "040"},
        // 85: three cards from the stock, the Ace of diamonds among them going home instead.
        {85, "..", "", "020021014022", "", "", {{0, "022021020"}, {1, ""}}},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "fill rule " << c.fill << " " << c.layout);
        StartAfresh();
        auto& rules = context.rules;
        rules[rule::EmptyTableauFill] = static_cast<std::int16_t>(c.fill);
        rules[rule::TableauCount] = static_cast<std::int16_t>(c.layout.size());
        rules[rule::ReserveCount] = 2;
        rules[rule::BlockedRows] = static_cast<std::int16_t>(c.blockedRows);
        rules[rule::BlockedColumns] = static_cast<std::int16_t>(c.blockedColumns);
        context.mainGame.GameCounter1 = static_cast<std::int16_t>(c.counter);
        for (std::size_t k = 0; k < c.layout.size(); ++k)
            Tableau(static_cast<int>(k)) = c.layout[k] == 'x' ? Occupant(static_cast<int>(k)) : "";
        for (const auto& [k, pile] : c.preset)
            Tableau(k) = pile;
        context.piles.Waste() = c.waste;
        context.piles.Stock() = c.stock;
        context.piles.reserves[0] = c.reserve0;
        context.piles.reserves[1] = c.reserve1;
        Foundation(0) = c.foundation0;

        const bool moved = AutoFillEmptyTableau(context);
        bool expectMoved = false;
        for (const auto& [k, pile] : c.expected) {
            EXPECT_EQ(Tableau(k), pile) << "pile " << k;
            expectMoved |= !pile.empty() && c.layout[static_cast<std::size_t>(k)] == '.' && !c.preset.contains(k);
        }
        EXPECT_EQ(moved, expectMoved);
        for (std::size_t i = 0; i < context.undoHistory.Size(); ++i)
            EXPECT_EQ(context.undoHistory.At(i).annotation, "001") << "every fill undoes with the move before it";
    }
}

TEST_F(AutoplayTest, TryDestinationsTakesTheFourLargestOverlapsLargestFirst)
{
    using K = PileKind;
    struct Case {
        std::vector<DropCandidate> candidates;
        const char* receiver; // the pile that ends with the card, "" none
    };
    const Case cases[] = {
        {{{K::Tableau, 1, 100}, {K::Tableau, 2, 300}}, "Fila3"},
        {{{K::Tableau, 1, 300}, {K::Tableau, 2, 100}}, "Fila2"},
        {{{K::Tableau, 1, 200}, {K::Tableau, 2, 200}}, "Fila3"}, // a tie goes to the larger index
        {{{K::Tableau, 1, 10}, {K::Foundation, 0, 90}, {K::Foundation, 1, 80}, {K::Foundation, 2, 70},
          {K::Foundation, 3, 60}},
         ""},
        {{{K::Tableau, 0, 500}}, ""}, // its own pile
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.receiver);
        StartAfresh();
        Tableau(0) = Pile({C(Clubs, 9), C(Spades, 5)});
        Tableau(1) = Pile({C(Hearts, 6)});
        Tableau(2) = Pile({C(Diamonds, 6)});
        const bool moved = TryDestinations(context, C(Spades, 5), c.candidates);
        EXPECT_EQ(moved, *c.receiver != '\0');
        if (moved)
            EXPECT_EQ(TopElement(context.piles[*ParsePileName(c.receiver)]), C(Spades, 5));
        else
            EXPECT_EQ(TopElement(Tableau(0)), C(Spades, 5));
    }
}

TEST_F(AutoplayTest, TableauClosedUntilTheStockIsEmpty)
{
    using K = PileKind;
    context.rules.Of(rule::TableauBuildCode, 0) = 129;
    Tableau(2) = Pile({C(Hearts, 6)});
    Tableau(1) = Pile({C(Spades, 5)});
    context.piles.Stock() = Pile({C(Clubs, 2)});
    EXPECT_FALSE(TryDestinations(context, C(Spades, 5), {{K::Tableau, 2, 100}}));
    EXPECT_EQ(presentation.EventsStartingWith("info: "),
              std::vector<std::string>{std::string("info: ") + kTableauClosedMessage});
    EXPECT_FALSE(TryDestinations(context, C(Spades, 5), {{K::Foundation, 0, 100}}));
    EXPECT_EQ(presentation.EventsStartingWith("info: ").size(), 1u) << "no tableau was turned away";
    context.piles.Stock().clear();
    EXPECT_TRUE(TryDestinations(context, C(Spades, 5), {{K::Tableau, 2, 100}}));
}

TEST_F(AutoplayTest, DropsNameTheirTargetsAndTagSpecialGame23)
{
    Tableau(0) = Pile({C(Hearts, Ace)});
    ASSERT_TRUE(TryDestinations(context, C(Hearts, Ace), {{PileKind::Foundation, 2, 50}}));
    EXPECT_EQ(Foundation(2), Pile({C(Hearts, Ace)}));
    EXPECT_EQ(presentation.EventsStartingWith("sound Foundation").size(), 1u) << "a player's move";
    EXPECT_EQ(context.undoHistory.Last().annotation, "");

    context.rules[rule::SpecialGame] = 23;
    Tableau(1) = Pile({C(Hearts, 2)});
    ASSERT_TRUE(TryDestinations(context, C(Hearts, 2), {{PileKind::Foundation, 2, 50}}));
    EXPECT_EQ(context.undoHistory.Last().annotation, "001");
}

TEST_F(AutoplayTest, TheWasteTakesASuitNeighbourWhenTheGameBuildsOnIt)
{
    context.rules[rule::WasteNotTarget] = 0;
    context.rules[rule::WasteBuild] = 2;
    context.piles.Waste() = Pile({C(Spades, King)});
    Tableau(0) = Pile({C(Spades, Ace)});
    Tableau(1) = Pile({C(Hearts, Queen)});
    const DropCandidate waste{PileKind::Waste, 0, 0};
    EXPECT_TRUE(AcceptsDrop(context, C(Spades, Ace), waste)) << "King and Ace are neighbours";
    EXPECT_FALSE(AcceptsDrop(context, C(Hearts, Queen), waste));
    context.rules[rule::WasteNotTarget] = 4;
    EXPECT_FALSE(AcceptsDrop(context, C(Spades, Ace), waste));
}

class AutoplaySwitchTest : public AutoplayTest {
protected:
    AutoplaySwitchTest() : preferences(folder.path(), context.registers, presentation)
    {
        context.mainGame.AutoPlayMode = 2;
        context.flags.Clear(GameInProgress);
    }
    testing::TempFolder folder;
    Preferences preferences;
};

TEST_F(AutoplaySwitchTest, EachGameKeepsItsOwnSwitch)
{
    for (int game : {5, 8001}) {
        SCOPED_TRACE(game);
        context.registers.Set(reg::GameNumber, game);
        SetAutoplay(context, preferences, false);
        context.autoplayOn = true;
        RestoreAutoplaySetting(context, preferences, 6);
        EXPECT_TRUE(context.autoplayOn) << "another game keeps its own switch";
        RestoreAutoplaySetting(context, preferences, game);
        EXPECT_FALSE(context.autoplayOn);
    }
    EXPECT_EQ(preferences.ReadString("Autoplay", "Cust_8001"), "N");
    EXPECT_EQ(preferences.ReadString("Autoplay", "Games"), "YYYYYNYYYYYYYYY");

    context.mainGame.AutoPlayMode = 1;
    context.autoplayOn = true;
    RestoreAutoplaySetting(context, preferences, 5);
    EXPECT_TRUE(context.autoplayOn) << "one switch for every game";
}

TEST_F(AutoplaySwitchTest, SwitchingOnDuringAGamePlaysAtOnce)
{
    context.flags.Set(GameInProgress);
    context.autoplayOn = false;
    Tableau(0) = Pile({C(Clubs, King), C(Hearts, Ace)});
    SetAutoplay(context, preferences, true);
    EXPECT_EQ(Foundation(0), Pile({C(Hearts, Ace)}));
}

TEST_F(AutoplayTest, FindLegalMovePrefersProgress)
{
    struct Case {
        const char* what;
        std::vector<std::string> tableaus;
        std::string waste;
        int card;          // 0: no move
        const char* target;
    };
    const std::string down3 = CodeText(C(Clubs, 3)); // face down in every row
    const Case cases[] = {
        {"a foundation move first", {Pile({C(Clubs, 9), C(Spades, 5)}), Pile({C(Hearts, 6)})},
         Pile({C(Diamonds, Ace)}), C(Diamonds, Ace), "Dest1"},
        {"uncovering beats bringing the waste in", {down3 + Pile({C(Spades, 5)}), Pile({C(Hearts, 6)}), Pile({C(Clubs, 6)})},
         Pile({C(Diamonds, 5)}), C(Spades, 5), "Fila2"},
        {"a run that uncovers", {down3 + Pile({C(Spades, 9), C(Hearts, 8)}), Pile({C(Diamonds, 10)})}, "",
         C(Spades, 9), "Fila2"},
        {"stuck", {Pile({C(Spades, King)}), Pile({C(Spades, Queen)})}, "", 0, ""},
        {"a whole pile onto a space is no move", {Pile({C(Spades, King)}), ""}, "", 0, ""},
        {"back and forth is no move", {Pile({C(Clubs, 7), C(Hearts, 6)}), Pile({C(Spades, 7)})}, "", 0, ""},
        {"a card out of sequence may shift", {Pile({C(Diamonds, 8), C(Hearts, 6)}), Pile({C(Spades, 7)})}, "",
         C(Hearts, 6), "Fila2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartAfresh();
        for (std::size_t k = 0; k < c.tableaus.size(); ++k)
            Tableau(static_cast<int>(k)) = c.tableaus[k];
        FaceDown(C(Clubs, 3));
        context.piles.Waste() = c.waste;
        const PileStore before = context.piles;
        const auto move = FindLegalMove(context);
        EXPECT_EQ(context.piles, before) << "the table is left as it was";
        EXPECT_EQ(move ? move->card : 0, c.card);
        EXPECT_EQ(move ? PileCellName(DestinationCell(move->destination)) : "", c.target);
    }
}

} // namespace
} // namespace marlowe
