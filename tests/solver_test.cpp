// The solver on positions small enough to search in an instant, and the candidate actions it
// searches over.

#include "engine/action_search.h"
#include "engine/cards.h"
#include "engine/move_finder.h"
#include "engine/game_won.h"
#include "engine/pile_text.h"
#include "engine/play_actions.h"
#include "engine/solver.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;
constexpr int kGolf = 12;
constexpr int kPyramid = 13;
constexpr int kConcentration = 17;
constexpr int kCalculation = 19;
constexpr int kAuntMary = 48;
constexpr int kCamelot = 318;

// The cards first to last as a pile.
std::string Cards(int first, int last)
{
    std::vector<int> codes;
    for (int code = first; code <= last; ++code)
        codes.push_back(code);
    return PileTextOf(codes);
}

class SolverTest : public ::testing::Test {
protected:
    // A dealt game whose table the test then lays out by hand.
    testing::ProtocolGame& Start(int game)
    {
        play_.emplace(mainGame_, game, "0000000000001");
        EXPECT_TRUE(play_->started);
        play_->context().piles.Clear();
        play_->context().recordGame = [this](GameContext&, bool won) { recorded.push_back(won); };
        return *play_;
    }

    // FreeCell with every card home but the Queen and King of hearts, as given on Fila1.
    testing::ProtocolGame& FreeCellEndgame(const std::string& fila1, const std::string& hearts)
    {
        auto& play = Start(kFreeCell);
        auto& piles = play.context().piles;
        piles.foundations[0] = hearts;
        piles.foundations[1] = Cards(14, 26);
        piles.foundations[2] = Cards(27, 39);
        piles.foundations[3] = Cards(40, 52);
        piles.tableaus[0] = fila1;
        return play;
    }

    // Replays the actions through the protocol; every one must be taken.
    void Replay(const std::vector<std::string>& actions)
    {
        for (const auto& action : actions)
            EXPECT_EQ(play_->Run(action), "ok") << action;
    }

    std::vector<bool> recorded;

private:
    TMainGame mainGame_ = testing::ShippedCatalogue();
    std::optional<testing::ProtocolGame> play_;
};

std::vector<std::string> Texts(const std::vector<PlayAction>& actions)
{
    std::vector<std::string> texts;
    for (const auto& action : actions)
        texts.push_back(ActionText(action));
    return texts;
}

TEST_F(SolverTest, CandidatesTryOneEmptyPileOfEachKindAndNeverAWholePileToAnEmptyOne)
{
    const struct {
        const char* fila1;
        std::string hearts;
        std::vector<std::string> expected;
    } rows[] = {
        // the King covers the Queen the foundation wants: one free cell and one empty column
        {"012013", Cards(1, 11), {"drop 13 Fila2", "drop 13 Appogg1"}},
        // the King alone: home first; never to an empty column, that would change nothing
        {"013", Cards(1, 12), {"drop 13 Dest1", "drop 13 Appogg1"}},
    };
    for (const auto& row : rows) {
        auto& play = FreeCellEndgame(row.fila1, row.hearts);
        EXPECT_EQ(Texts(CandidateActions(play.context())), row.expected) << row.fila1;
    }
}

TEST_F(SolverTest, FindsTheDetourAndTheFoundActionsWinThroughTheProtocol)
{
    auto& play = FreeCellEndgame("012013", Cards(1, 11));
    const PileStore before = play.context().piles;
    const SolveResult result = Solve(play.context());
    ASSERT_TRUE(result.Won());
    // Of two equal detours the one that keeps a column empty comes first.
    EXPECT_EQ(result.actions, (std::vector<std::string>{"drop 13 Appogg1", "drop 12 Dest1", "drop 13 Dest1"}));
    EXPECT_EQ(play.context().piles, before) << "the solver works on a copy";
    EXPECT_TRUE(recorded.empty()) << "a win found by the search is not recorded";

    Replay(result.actions);
    EXPECT_TRUE(IsGameWon(play.context()));
    EXPECT_EQ(recorded, std::vector<bool>{true});
}

TEST_F(SolverTest, GivesUpAtTheNodeLimit)
{
    auto& play = FreeCellEndgame("012013", Cards(1, 11));
    const SolveResult result = Solve(play.context(), SolverOptions{2});
    EXPECT_EQ(result.verdict, SolveVerdict::Unknown);
    EXPECT_TRUE(result.actions.empty());
    EXPECT_LE(result.nodes, 2);
}

TEST_F(SolverTest, GolfClicksTheStockAndPlaysTheCardsThatFollowOn)
{
    const struct {
        const char* stock;
        SolveVerdict verdict;
        std::vector<std::string> actions;
    } rows[] = {
        {"004", SolveVerdict::Won, {"stock", "click 5"}}, // the stock's four lets the five follow
        {"", SolveVerdict::Unwinnable, {}},               // nothing fits the ten and the stock is spent
        {"008", SolveVerdict::Unwinnable, {}},
    };
    for (const auto& row : rows) {
        auto& play = Start(kGolf);
        auto& piles = play.context().piles;
        piles.Stock() = row.stock;
        piles.stockGroup[kSecondWasteSlot] = "010";
        piles.tableaus[0] = "005";
        const SolveResult result = Solve(play.context());
        EXPECT_EQ(result.verdict, row.verdict) << row.stock;
        EXPECT_EQ(result.actions, row.actions) << row.stock;
        if (result.Won()) {
            Replay(result.actions);
            EXPECT_TRUE(IsGameWon(play.context()));
        }
    }
}

// Aunt Mary turns its stock once, a card at a time. The Ace of spades two clicks down may go
// home for good, yet the clicks that bring it up bury the two of spades under the three, which
// then can go nowhere; the win first moves the two onto the three of hearts.
TEST_F(SolverTest, APlayFromDeepInAStockTurnedOnceIsNoSafeMove)
{
    auto& play = Start(kAuntMary);
    auto& context = play.context();
    auto& piles = context.piles;
    piles.foundations[0] = Cards(1, 2);   // hearts to the two
    piles.foundations[1] = Cards(14, 26); // diamonds and clubs complete
    piles.foundations[2] = Cards(27, 39);
    piles.tableaus[0] = "003";            // the three of hearts
    piles.Waste() = "041";                // the two of spades
    // Turned in this order: the three and the Ace of spades, the hearts from four up, the
    // spades from four up. Once the hearts are home nothing on the table takes a black card.
    std::vector<int> turned{42, 40};
    for (const int suit : {0, 39})
        for (int rank = 4; rank <= 13; ++rank)
            turned.push_back(suit + rank);
    piles.Stock() = PileTextOf(std::vector<int>(turned.rbegin(), turned.rend()));
    context.mainGame.RedealsDone = 1; // the last pass
    for (int code = 1; code <= 52; ++code)
        context.cards.SetCardFaceMark(code, std::find(turned.begin(), turned.end(), code) == turned.end() ? '1' : '0');

    const SolveResult result = Solve(context);
    ASSERT_EQ(result.verdict, SolveVerdict::Won) << result.nodes << " positions";
    Replay(result.actions);
    EXPECT_TRUE(IsGameWon(context));
}

TEST_F(SolverTest, SelectionGamesSelectOnlyCardsThatMayStillMakeASet)
{
    // The pyramid's bottom row alone: the five and the eight of hearts sum to 13, the King
    // goes alone. A card already selected, or one that cannot join the selection, is no candidate.
    const struct {
        std::vector<std::string> selectFirst;
        std::vector<std::string> expected;
    } rows[] = {
        {{}, {"click 13", "click 5", "click 8", "stock"}},
        {{"click 5"}, {"click 8", "stock"}},
        {{"click 13"}, {"click 5", "click 8", "stock"}}, // the King has left the table
    };
    for (const auto& row : rows) {
        auto& play = Start(kPyramid);
        play.context().piles.tableaus[6] = "005008013";
        Replay(row.selectFirst); // a click that only selects is taken, too
        EXPECT_EQ(Texts(CandidateActions(play.context())), row.expected) << row.expected.front();
    }

    auto& play = Start(kPyramid);
    play.context().piles.tableaus[6] = "005008013";
    const SolveResult result = Solve(play.context());
    ASSERT_TRUE(result.Won());
    EXPECT_EQ(result.actions, (std::vector<std::string>{"click 13", "click 5", "click 8"}));
    Replay(result.actions);
    EXPECT_TRUE(IsGameWon(play.context()));
}

// Camelot's full square: the 10 and the pips whose partners are in view are chosen; the 4,
// without a 6, is not, since choosing it would only wait.
TEST_F(SolverTest, CamelotChoosesOnlyPipsThatCanLeave)
{
    auto& play = Start(kCamelot);
    auto& piles = play.context().piles;
    const std::vector<int> square = {13, 12, 25, 26, 11, 10, 3, 37, 50, 7, 4, 24, 39, 38, 51, 52};
    for (std::size_t k = 0; k < square.size(); ++k) {
        piles.tableaus[k] = PileTextOf({square[k]});
        play.context().cards.SetCardFaceMark(square[k], '1');
    }
    piles.Stock() = PileTextOf({1, 2});
    EXPECT_EQ(Texts(CandidateActions(play.context())), (std::vector<std::string>{"click 10", "click 3", "click 7", "stock"}));
}

TEST_F(SolverTest, MemoryGamesTurnFaceDownCardsOnly)
{
    auto& play = Start(kConcentration);
    auto& context = play.context();
    context.piles.tableaus[0] = "001014027";
    for (const int card : {1, 27})
        context.cards.SetCardFaceMark(card, '0');
    context.cards.SetCardFaceMark(14, '1');
    EXPECT_EQ(Texts(CandidateActions(context)), (std::vector<std::string>{"click 1", "click 27"}));
}

// In Calculation every turned card must be laid on a foundation or a waste pile for good; a
// search over whole actions that only ever backs up over its latest choices loses this deal
// within the limit. (The solver plays Calculation on the card model; the search over actions
// keeps this way for the waiting-pile games the model does not carry out.)
TEST(SolverWaitingPilesTest, WinsACalculationDealWithinASmallLimit)
{
    testing::ProtocolGame play(testing::ShippedCatalogue(), kCalculation, "0000000000001");
    ASSERT_TRUE(play.started);
    const SolveResult result = SearchByActions(play.context(), SolverOptions{20000});
    ASSERT_TRUE(result.Won()) << result.nodes << " tables examined";
    for (const auto& action : result.line)
        ASSERT_EQ(play.Run(ActionText(action)), "ok") << ActionText(action);
    EXPECT_TRUE(IsGameWon(play.context()));
}

// Sir Tommy on the card model: each turned card goes to a foundation or for good onto one of
// four piles. These deals are lost within the limit by a depth-first scan that backs up over
// its latest choices only, and by the best-first scans.
TEST(SolverWaitingPilesTest, WinsSirTommyDealsWithinALimit)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const char* deal : {"7734778185229", "0396111151879"}) {
        testing::ProtocolGame play(mainGame, 10, deal);
        ASSERT_TRUE(play.started);
        const SolveResult result = Solve(play.context(), SolverOptions{300000});
        ASSERT_TRUE(result.Won()) << deal << ": " << result.nodes << " positions";
        for (const auto& action : result.actions)
            ASSERT_EQ(play.Run(action), "ok") << deal << ": " << action;
        EXPECT_TRUE(IsGameWon(play.context())) << deal;
    }
}

// Camelot: each turned card is placed for good, so a placing that leaves a court no place is
// lost many cards later. Tried by the room they keep for the courts, with the places of one kind
// taken as alike, these deals are won quickly; blind to both, the search spends its limit.
TEST(SolverWaitingPilesTest, WinsCamelotDealsWithinASmallLimit)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const char* deal : {"0000000000001", "0000000000002", "8605226974194"}) {
        testing::ProtocolGame play(mainGame, kCamelot, deal);
        ASSERT_TRUE(play.started);
        const SolveResult result = Solve(play.context(), SolverOptions{20000});
        ASSERT_TRUE(result.Won()) << deal << ": " << result.nodes << " positions";
        for (const auto& action : result.actions)
            ASSERT_EQ(play.Run(action), "ok") << deal << ": " << action;
        EXPECT_TRUE(IsGameWon(play.context())) << deal;
    }
}

} // namespace
} // namespace marlowe

namespace marlowe {
namespace {

// Solves the deal within the limit, expecting the verdict, and plays a won line through the
// engine to a won game.
void ExpectVerdictWithin(const TMainGame& mainGame, int game, const char* deal, SolveVerdict verdict, long long limit)
{
    testing::ProtocolGame play(mainGame, game, deal);
    ASSERT_TRUE(play.started);
    const SolveResult result = Solve(play.context(), SolverOptions{limit});
    ASSERT_EQ(VerdictText(result.verdict), std::string(VerdictText(verdict)))
        << game << " " << deal << ": " << result.nodes << " positions";
    for (const auto& action : result.actions)
        ASSERT_EQ(play.Run(action), "ok") << deal << ": " << action;
    EXPECT_EQ(IsGameWon(play.context()), verdict == SolveVerdict::Won) << deal;
}

// Deals once answered "unsolved" by a search blind to an action they need: in Beleaguered
// Castle the move of a card lying in sequence, which uncovers the card beneath in a game of
// single cards; in Baccarat the press of the discard pile that puts the hand away; in
// Klondike by Threes keeping on the waste a card that could go home, so that the next passes
// bring up other cards.
TEST(SolverDealsTest, WinsTheDealsOnceCalledLost)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    const struct {
        int game;
        const char* deal;
    } rows[] = {{7, "5618328839193"}, {7, "6274643639564"}, {337, "1234567890123"}, {3, "6948643331583"}};
    for (const auto& row : rows) {
        testing::ProtocolGame play(mainGame, row.game, row.deal);
        ASSERT_TRUE(play.started);
        const SolveResult result = Solve(play.context(), SolverOptions{200000});
        ASSERT_EQ(result.verdict, SolveVerdict::Won) << row.deal << ": " << result.nodes << " positions";
        for (const auto& action : result.actions)
            ASSERT_EQ(play.Run(action), "ok") << row.deal << ": " << action;
        EXPECT_TRUE(IsGameWon(play.context())) << row.deal;
    }
}

// Klondike deals whose wins need no shift of cards on the tableau but turning up, emptying a
// pile or sending a card home: the scans that leave such shifts out win them within a limit at
// which the complete scans, spread over every shift, are still far off. And a lost deal proved
// so by the complete scans together, each leaving to the other the positions it met.
TEST(SolverDealsTest, KlondikeDealsAreDecidedWithinALimit)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kKlondike = 2;
    const struct {
        const char* deal;
        SolveVerdict verdict;
    } rows[] = {{"7220232938391", SolveVerdict::Won}, {"9691638547312", SolveVerdict::Won}, {"5302521744891", SolveVerdict::Unwinnable}};
    for (const auto& row : rows)
        ExpectVerdictWithin(mainGame, kKlondike, row.deal, row.verdict, 500000);
}

// Foundations that take cards of any suit: a rank either way (Black Hole, All in a Row) or steps
// of two to four (Calculation). The card model plays them, so a win or a proof comes within a
// limit that the search over whole engine actions spends long before.
TEST(SolverDealsTest, GamesWithAnySuitFoundationsAreDecidedWithinALimit)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kBlackHole = 241;
    constexpr int kAllInARow = 242;
    constexpr int kCalculation = 19;
    const struct {
        int game;
        const char* deal;
        SolveVerdict verdict;
    } rows[] = {{kBlackHole, "7734778185229", SolveVerdict::Won},
                {kAllInARow, "7734778185229", SolveVerdict::Won},
                {kAllInARow, "7837558408622", SolveVerdict::Unwinnable},
                {kCalculation, "6516923116298", SolveVerdict::Won}};
    for (const auto& row : rows)
        ExpectVerdictWithin(mainGame, row.game, row.deal, row.verdict, 600000);
}

// Games whose foundations take only complete suits, built on the tableau over many moves:
// four-suit Spider and Mrs. Mop, out of reach of the best-first and depth-first scans within
// ten seconds, are won by the beam within a limit of a second or two.
TEST(SolverDealsTest, GamesWonBySortingTheTableauAreWonWithinALimit)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kSpider = 76;
    constexpr int kMrsMop = 86;
    constexpr int kSpacesAndAces = 234;
    constexpr int kDiamondMine = 320;
    ExpectVerdictWithin(mainGame, kSpider, "6516923116298", SolveVerdict::Won, 1500000);
    ExpectVerdictWithin(mainGame, kMrsMop, "4106727093654", SolveVerdict::Won, 1500000);
    ExpectVerdictWithin(mainGame, kSpacesAndAces, "4821937465012", SolveVerdict::Won, 1500000);
    ExpectVerdictWithin(mainGame, kDiamondMine, "2111381949380", SolveVerdict::Won, 1500000);
}

// Klondike by Threes deals lost already where one card turns at a time: the search of that
// game proves it within a limit far below what the search of the game itself needs.
TEST(SolverDealsTest, AThreesDealLostTurningOneCardIsProvedLost)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kKlondikeByThrees = 3;
    for (const char* deal : {"8903825101237", "5302521744891"}) {
        testing::ProtocolGame play(mainGame, kKlondikeByThrees, deal);
        ASSERT_TRUE(play.started);
        const SolveResult result = Solve(play.context(), SolverOptions{150000});
        EXPECT_EQ(result.verdict, SolveVerdict::Unwinnable) << deal << ": " << result.nodes << " positions";
    }
}

// The search over whole actions first gives every early alternative its share: this
// Tournament deal is won within 40,000 positions, where a plain depth-first search spends more
// than 60,000 under its first choices. Those searches cut lines short, so they prove nothing:
// the One234 deal is still proved lost, by the plain search after them, and nothing is
// called lost within a limit too small for that proof.
TEST(SolverDealsTest, TheSearchOverActionsComesBackToEarlyChoicesAndStillProves)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kTournament = 331;
    constexpr int kOne234 = 292;
    {
        testing::ProtocolGame play(mainGame, kTournament, "6265977419736");
        ASSERT_TRUE(play.started);
        const SolveResult result = Solve(play.context(), SolverOptions{40000});
        ASSERT_TRUE(result.Won()) << result.nodes << " positions";
        for (const auto& action : result.actions)
            ASSERT_EQ(play.Run(action), "ok") << action;
        EXPECT_TRUE(IsGameWon(play.context()));
    }
    // One234 is played on the card model by the solver; its deal is searched here by actions.
    testing::ProtocolGame play(mainGame, kOne234, "4410021271245");
    ASSERT_TRUE(play.started);
    EXPECT_EQ(SearchByActions(play.context(), SolverOptions{40000}).verdict, SolveVerdict::Unwinnable);
    for (const long long limit : {2000LL, 6000LL, 9000LL})
        EXPECT_EQ(SearchByActions(play.context(), SolverOptions{limit}).verdict, SolveVerdict::Unknown) << limit;
}

// Grandmamma's Patience is won by one line held to the end: the depth-first searches turn back
// at every dead end and win none of these deals within ten seconds; the nested playouts win each
// within a limit.
TEST(SolverDealsTest, NestedPlayoutsWinWhatTheDepthFirstSearchesDoNot)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kGrandmammasPatience = 225;
    for (const char* deal : {"4345445144346", "9811214867192"})
        ExpectVerdictWithin(mainGame, kGrandmammasPatience, deal, SolveVerdict::Won, 60000);
}

// A stop asked for, or a time limit spent, ends the search as unknown, never as a proof.
TEST(SolverDealsTest, AStopOrTheClockEndsTheSearchUndecided)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const int game : {2, 19}) { // the card model's search, and the search over whole actions
        testing::ProtocolGame play(mainGame, game, "1358125880137");
        ASSERT_TRUE(play.started);
        std::stop_source stop;
        stop.request_stop();
        SolverOptions stopped{100000000};
        stopped.stop = stop.get_token();
        const SolveResult result = Solve(play.context(), stopped);
        EXPECT_EQ(result.verdict, SolveVerdict::Unknown) << game;
        EXPECT_LT(result.nodes, 2000) << game;

        for (const SolverClock clock : {SolverClock::Wall, SolverClock::Cpu}) {
            SolverOptions timed{100000000};
            timed.timeLimit = std::chrono::milliseconds(1);
            timed.clock = clock;
            const SolveResult result = Solve(play.context(), timed);
            EXPECT_EQ(result.verdict, SolveVerdict::Unknown) << game;
            EXPECT_LT(result.seconds, 1.0) << game;
        }
    }
}

} // namespace
} // namespace marlowe

namespace marlowe {
namespace {

// In Beleaguered Castle cards move alone: a card lying in sequence on the one under it still
// frees that card when it moves, so the hint offers it where nothing else moves.
TEST(MoveFinderTest, ACardInSequenceMovesWhereCardsMoveAlone)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 7, "0000000000001");
    ASSERT_TRUE(play.started);
    auto& piles = play.context().piles;
    piles.Clear();
    piles.foundations[0] = CodeText(CardCode(Hearts, Ace));
    piles.tableaus[0] = PileTextOf({CardCode(Spades, 9), CardCode(Hearts, 3), CardCode(Spades, 5), CardCode(Hearts, 4)});
    piles.tableaus[1] = CodeText(CardCode(Clubs, 5));
    const int blockers[] = {CardCode(Diamonds, King), CardCode(Diamonds, Jack), CardCode(Diamonds, 9),
                            CardCode(Diamonds, 7),    CardCode(Clubs, King),    CardCode(Clubs, Jack)};
    for (int k = 2; k < 8; ++k) // none of them goes on another
        piles.tableaus[static_cast<std::size_t>(k)] = CodeText(blockers[k - 2]);
    const auto move = FindLegalMove(play.context());
    ASSERT_TRUE(move);
    EXPECT_EQ(move->card, CardCode(Hearts, 4));
    EXPECT_EQ(PileCellName(DestinationCell(move->destination)), "Fila2");
}

} // namespace
} // namespace marlowe
