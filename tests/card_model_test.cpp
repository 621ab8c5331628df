// The card model against the engine it stands for. On random walks through every catalogue
// game the model describes, each model move, carried out as protocol actions on the engine,
// must be taken and leave the table the model predicts (the won test included); and every
// action the engine takes must lead to a table some model move reaches too. A model that
// missed a move could call a winnable deal lost; one that made up a move would find lines the
// engine refuses.

#include "card_names.h"
#include "engine/action_search.h"
#include "engine/card_model.h"
#include "engine/cards.h"
#include "engine/pile_text.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/quiet_play.h"
#include "engine/solver.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sstream>

namespace marlowe {
namespace {

constexpr int kStepsPerDeal = 160;
constexpr const char* kDeals[] = {"5618328839193", "0000000000007", "8061934471205"};

std::string Describe(const CardModel& model, const ModelPosition& p)
{
    std::ostringstream text;
    int begin = 0;
    for (int pile = 0; pile < model.PileCount(); ++pile) {
        text << '[';
        for (int at = begin; at < p.end[static_cast<std::size_t>(pile)]; ++at)
            text << ' ' << (p.cards[static_cast<std::size_t>(at)] & ~kFaceDownBit)
                 << ((p.cards[static_cast<std::size_t>(at)] & kFaceDownBit) ? "d" : "");
        text << " ]";
        begin = p.end[static_cast<std::size_t>(pile)];
    }
    return text.str() + " redeals " + std::to_string(p.redeals);
}

// A game that opens with a card sent home, opened by the first opening the engine takes.
void OpenFirstWay(GameContext& context)
{
    if (!AwaitsFirstFoundationMove(context))
        return;
    for (const PlayAction& action : CandidateActions(context)) {
        GameContext opened = context;
        if (PerformAction(opened, action) && !AwaitsFirstFoundationMove(opened)) {
            context = opened;
            return;
        }
    }
}

// Walks one deal at random, checking every position on the way; the failures name the game.
void WalkAndCompare(const TMainGame& mainGame, int game, const std::string& deal, std::mt19937& random, int& modelled)
{
    testing::ProtocolGame play(mainGame, game, deal);
    ASSERT_TRUE(play.started);
    SilentPresentation silent;
    GameContext context = QuietCopy(play.context(), silent);
    // A game that opens with a card sent home is described once it is open.
    OpenFirstWay(context);
    const std::optional<CardModel> model = CardModel::Of(context);
    if (!model)
        return;
    ++modelled;
    std::vector<ModelMove> moves;
    for (int step = 0; step < kStepsPerDeal; ++step) {
        const ModelPosition position = model->Read(context);
        if (model->IsWon(position))
            return;
        model->Moves(position, moves);
        std::set<std::uint64_t> reached;
        PileHashes hashes{};
        model->HashPiles(position, hashes, kAllPiles);
        for (const ModelMove& move : moves) {
            ModelPosition predicted = position;
            PileHashes updated = hashes;
            model->HashPiles(predicted, updated, model->Apply(predicted, move));
            ASSERT_EQ(model->KeyOf(predicted, updated), model->Key(predicted))
                << "game " << game << ": a pile the move changed was not named";
            reached.insert(model->Key(predicted));
            GameContext engine = context;
            const std::vector<PlayAction> actions = model->ActionsOn(context, position, move);
            for (const PlayAction& action : actions)
                ASSERT_TRUE(PerformAction(engine, action))
                    << "game " << game << " deal " << deal << ": the engine refused " << ActionText(action) << " at\n"
                    << Describe(*model, position);
            const PlayAction& action = actions.back();
            ASSERT_EQ(model->Read(engine), predicted)
                << "game " << game << " deal " << deal << " after " << ActionText(action) << "\nfrom      "
                << Describe(*model, position) << "\nengine    " << Describe(*model, model->Read(engine))
                << "\npredicted " << Describe(*model, predicted);
            ASSERT_EQ(IsGameWon(engine), model->IsWon(predicted)) << "game " << game << " after " << ActionText(action);
        }
        for (const PlayAction& action : CandidateActions(context)) {
            // A click alone only changes which card shows: the model plays that card instead.
            if (action.kind == ActionKind::Stock && !model->ClicksAreMoves())
                continue;
            GameContext engine = context;
            if (!PerformAction(engine, action))
                continue;
            ASSERT_TRUE(reached.contains(model->Key(model->Read(engine))))
                << "game " << game << " deal " << deal << ": the model has no move for " << ActionText(action) << " at\n"
                << Describe(*model, position);
        }
        if (moves.empty())
            return;
        const ModelMove chosen = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
        for (const PlayAction& action : model->ActionsOn(context, position, chosen))
            ASSERT_TRUE(PerformAction(context, action));
    }
}

TEST(CardModelTest, EveryModelledGameMovesAsTheEngineDoes)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    std::mt19937 random(20261209);
    int modelled = 0;
    for (const std::string& line : mainGame.Catalogue())
        for (const char* deal : kDeals)
            WalkAndCompare(mainGame, CatalogueLineNumber(line), deal, random, modelled);
    // FreeCell, Klondike (both), Yukon, Baker's Dozen, Beleaguered Castle, Canfield, Eight Off,
    // Golf and Forty Thieves at least.
    EXPECT_GE(modelled, 10 * 3);
}

// Positions that differ only by which of two alike piles holds what are one position to the
// search; piles that play by other rules, or the stock's order, keep their places.
TEST(CardModelTest, KeysIgnoreTheOrderOfAlikePilesOnly)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 1, "0000000000001");
    ASSERT_TRUE(play.started);
    auto& piles = play.context().piles;
    const std::optional<CardModel> model = CardModel::Of(play.context());
    ASSERT_TRUE(model);
    const std::uint64_t before = model->Key(model->Read(play.context()));
    std::swap(piles.tableaus[0], piles.tableaus[5]);
    EXPECT_EQ(model->Key(model->Read(play.context())), before);
    std::swap(piles.tableaus[0], piles.reserves[0]);
    EXPECT_NE(model->Key(model->Read(play.context())), before);
}

// Rows of cells: the redeal keeps every row's run from a 2 and deals the rest back after one
// gap, mixed as the engine mixes them; the redeals end; the settled rows win. A table whose
// cells would not take the redeal's cards exactly is left to the search over engine actions.
TEST(CardModelTest, RowsOfCellsRedealAndWinAsTheEngineDoes)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 16, "0000000000001");
    ASSERT_TRUE(play.started);
    GameContext& context = play.context();
    const auto run = [](int suit, int from, int to) {
        std::vector<int> cards;
        for (int rank = from; rank <= to; ++rank)
            cards.push_back(CardCode(suit, rank));
        return cards;
    };
    std::vector<std::vector<int>> rows{run(Hearts, 2, 5), {}, run(Spades, 2, King), run(Diamonds, 2, 2)};
    std::vector<int> rest;
    for (int code = 1; code <= 52; ++code) {
        bool used = CardRank(code) == Ace;
        for (const auto& row : rows)
            used = used || std::find(row.begin(), row.end(), code) != row.end();
        if (!used)
            rest.push_back(code);
    }
    const auto take = [&](std::vector<int>& row, std::size_t count) {
        row.insert(row.end(), rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(count));
        rest.erase(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(count));
    };
    rows[0].push_back(0);
    take(rows[0], 8);
    rows[1].push_back(0);
    take(rows[1], 12);
    rows[2].push_back(0);
    take(rows[3], 11);
    rows[3].push_back(0);
    for (int k = 0; k < 4; ++k)
        context.piles.tableaus[static_cast<std::size_t>(k)] = PileTextOf(rows[static_cast<std::size_t>(k)]);

    std::optional<CardModel> model = CardModel::Of(context);
    ASSERT_TRUE(model);
    std::vector<ModelMove> moves;
    for (int redeal = 0;; ++redeal) {
        const ModelPosition position = model->Read(context);
        model->Moves(position, moves);
        const auto click = std::find_if(moves.begin(), moves.end(), [](const ModelMove& move) { return move.kind == ModelMove::Kind::Stock; });
        if (click == moves.end()) {
            EXPECT_EQ(redeal, 2) << "two redeals after the deal";
            EXPECT_FALSE(PerformAction(context, PlayAction{ActionKind::Stock}) && model->Read(context) != position)
                << "the engine redeals once more";
            break;
        }
        ModelPosition predicted = position;
        model->Apply(predicted, *click);
        ASSERT_TRUE(PerformAction(context, PlayAction{ActionKind::Stock}));
        ASSERT_EQ(model->Read(context), predicted) << "redeal " << redeal + 1;
        EXPECT_EQ(ElementAt(context.piles.tableaus[0], 4), 0) << "the gap after the kept run of hearts";
        EXPECT_EQ(ElementAt(context.piles.tableaus[2], 11), CardCode(Spades, King)) << "a settled row stays";
        EXPECT_FALSE(model->IsWon(predicted));
    }

    for (int k = 0; k < 4; ++k) {
        std::vector<int> row = run(k == 0 ? Hearts : k == 1 ? Diamonds : k == 2 ? Spades : Clubs, 2, King);
        row.push_back(0);
        context.piles.tableaus[static_cast<std::size_t>(k)] = PileTextOf(row);
    }
    EXPECT_TRUE(model->IsWon(model->Read(context)));
    EXPECT_TRUE(IsGameWon(context));

    context.piles.tableaus[3].erase(context.piles.tableaus[3].size() - 3);
    EXPECT_FALSE(CardModel::Of(context)) << "a row one cell short could not take its share of a redeal";
}

// The model and the engine judge the table alike: won, or not.
void ExpectJudgedAlike(const GameContext& context, bool won)
{
    const std::optional<CardModel> model = CardModel::Of(context);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->IsWon(model->Read(context)), won);
    EXPECT_EQ(IsGameWon(context), won);
}

// Rows opened at the left start with an Ace (Spaces and Aces): the model carries the game out,
// and a row is settled from its Ace, as the engine judges a win.
TEST(CardModelTest, RowsStartingWithAcesAreWonAsTheEngineJudges)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 234, "4821937465012");
    ASSERT_TRUE(play.started);
    GameContext& context = play.context();
    const int suits[] = {Hearts, Diamonds, Spades, Clubs};
    for (int k = 0; k < 4; ++k) {
        std::vector<int> row;
        for (int rank = Ace; rank <= King; ++rank)
            row.push_back(CardCode(suits[k], rank));
        row.push_back(0);
        context.piles.tableaus[static_cast<std::size_t>(k)] = PileTextOf(row);
    }
    ExpectJudgedAlike(context, true);
    // The King of clubs moved into the gap before it: no longer a row from its Ace.
    std::vector<int> last = PileCodes(context.piles.tableaus[3]);
    std::swap(last[12], last[13]);
    context.piles.tableaus[3] = PileTextOf(last);
    ExpectJudgedAlike(context, false);
}

// Diamond Mine is won with the Diamonds home and each other suit in a pile of its own, from the
// King down: the model judges a win as the engine does.
TEST(CardModelTest, SuitsInPilesOfTheirOwnWinAsTheEngineJudges)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 320, "2111381949380");
    ASSERT_TRUE(play.started);
    GameContext& context = play.context();
    const auto suitFromKing = [](int suit) {
        std::vector<int> cards;
        for (int rank = King; rank >= Ace; --rank)
            cards.push_back(CardCode(suit, rank));
        return cards;
    };
    for (std::string& pile : context.piles.tableaus)
        pile.clear();
    context.piles.tableaus[2] = PileTextOf(suitFromKing(Spades));
    context.piles.tableaus[5] = PileTextOf(suitFromKing(Hearts));
    context.piles.tableaus[9] = PileTextOf(suitFromKing(Clubs));
    std::vector<int> diamonds = suitFromKing(Diamonds);
    std::reverse(diamonds.begin(), diamonds.end());
    context.piles.foundations[0] = PileTextOf(diamonds);
    ExpectJudgedAlike(context, true);
    // Two Aces changed places: each pile still runs down from its King, but not in one suit.
    std::vector<int> spades = suitFromKing(Spades);
    std::vector<int> hearts = suitFromKing(Hearts);
    std::swap(spades.back(), hearts.back());
    context.piles.tableaus[2] = PileTextOf(spades);
    context.piles.tableaus[5] = PileTextOf(hearts);
    ExpectJudgedAlike(context, false);
}

// Zodiac's foundations wait for the stock and the waste to run out, and each row of four begins
// in four suits; its zodiac and equator take no card from the zodiac. The model asks as the
// engine does.
TEST(CardModelTest, ZodiacBeginsARowOfFoundationsInFourSuits)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 334, "1834918703561");
    ASSERT_TRUE(play.started);
    GameContext& context = play.context();
    const int firstAce = CardCode(Spades, Ace);
    const int secondAce = CardCode(Spades, Ace, 1);
    const int heartsAce = CardCode(Hearts, Ace);
    context.piles.Stock().clear();
    context.piles.Waste().clear();
    for (std::string& pile : context.piles.reserves)
        pile.clear();
    context.piles.tableaus[0] = CodeText(secondAce);
    context.piles.tableaus[1] = CodeText(heartsAce);
    context.piles.foundations[0] = CodeText(firstAce);
    for (const int card : {firstAce, secondAce, heartsAce})
        context.cards.SetCardFaceMark(card, '1');
    const std::optional<CardModel> model = CardModel::Of(context);
    ASSERT_TRUE(model);
    std::vector<ModelMove> moves;
    model->Moves(model->Read(context), moves);
    constexpr int kFirstFoundation = 2; // after the stock and the waste
    constexpr int kFirstZodiac = kFirstFoundation + 8;
    constexpr int kFirstEquator = kFirstZodiac + 24;
    const auto offered = [&](int from, int to) {
        return std::any_of(moves.begin(), moves.end(), [&](const ModelMove& m) { return m.from == from && m.to == to; });
    };
    for (int f = 1; f < 4; ++f) {
        EXPECT_FALSE(offered(kFirstZodiac, kFirstFoundation + f)) << "the Spades have begun this row";
        EXPECT_EQ(FoundationRuleAccepts(context, f, secondAce), false);
        EXPECT_TRUE(offered(kFirstZodiac + 1, kFirstFoundation + f)) << "the Hearts have not";
        EXPECT_TRUE(FoundationRuleAccepts(context, f, heartsAce));
    }
    EXPECT_FALSE(offered(kFirstZodiac, kFirstEquator)) << "the equator takes no card from the zodiac";
    EXPECT_FALSE(offered(kFirstZodiac, kFirstZodiac + 2)) << "nor does the zodiac";
}

// Terrace opens with a card sent home, whose rank every foundation then starts with: the model
// describes the game only once it is open, and then lets onto an empty foundation only a card
// of that rank, as the engine does.
TEST(CardModelTest, TerraceIsDescribedOnceOpenWithItsFoundationsStartingRank)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 207, "0396111151879");
    ASSERT_TRUE(play.started);
    SilentPresentation silent;
    GameContext context = QuietCopy(play.context(), silent);
    EXPECT_FALSE(CardModel::Of(context)) << "the opening card is still to choose";
    OpenFirstWay(context);
    ASSERT_FALSE(AwaitsFirstFoundationMove(context));
    const int startedRank = CardRank(ElementAt(context.piles.foundations[0], 0));
    const auto goesToAnEmptyFoundation = [&](int card) {
        context.piles.Waste() += CodeText(card);
        context.cards.SetCardFaceMark(card, '1');
        const std::optional<CardModel> model = CardModel::Of(context);
        std::vector<ModelMove> moves;
        if (model)
            model->Moves(model->Read(context), moves);
        context.piles.Waste().erase(context.piles.Waste().size() - 3);
        constexpr int kSecondFoundation = 3; // after the stock, the waste and the started foundation
        return std::any_of(moves.begin(), moves.end(), [](const ModelMove& m) { return m.to == kSecondFoundation && m.clicks == 0; });
    };
    // A card of each rank that lies nowhere near the table's tops: the second pack's Hearts.
    int tried = 0;
    for (int rank = Ace; rank <= King; ++rank) {
        const int card = CardCode(Hearts, rank, 1);
        std::string* holder = nullptr;
        for (std::string* pile : {&context.piles.Stock(), &context.piles.reserves[0]})
            if (pile->find(CodeText(card)) != std::string::npos)
                holder = pile;
        if (holder == nullptr)
            continue;
        EXPECT_EQ(goesToAnEmptyFoundation(card), rank == startedRank) << "rank " << rank;
        EXPECT_EQ(FoundationRuleAccepts(context, 1, card), rank == startedRank) << "rank " << rank;
        ++tried;
    }
    EXPECT_GE(tried, 6);
}

// Precedence begins each foundation only once the one before it holds cards: the model asks
// that as each move is made, as the engine's own rule does.
TEST(CardModelTest, AFoundationBegunAfterTheOneBeforeWaitsForIt)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 330, "1901877191429");
    ASSERT_TRUE(play.started);
    GameContext& context = play.context();
    const int jack = CardCode(Spades, Jack);
    const int queen = CardCode(Hearts, Queen);
    context.piles.foundations[0] = CodeText(CardCode(Clubs, King));
    context.piles.foundations[1].clear();
    context.piles.foundations[2].clear();
    context.piles.Waste() = CodeText(jack);
    context.cards.SetCardFaceMark(jack, '1');
    const std::optional<CardModel> model = CardModel::Of(context);
    ASSERT_TRUE(model);
    constexpr int kJackFoundation = 4; // after the stock, the waste and the first two foundations
    const auto jackGoesHome = [&] {
        std::vector<ModelMove> moves;
        model->Moves(model->Read(context), moves);
        return std::any_of(moves.begin(), moves.end(), [](const ModelMove& m) { return m.to == kJackFoundation && m.clicks == 0; });
    };
    EXPECT_FALSE(jackGoesHome()) << "the Queens' foundation is not begun";
    EXPECT_FALSE(FoundationRuleAccepts(context, 2, jack));
    context.piles.foundations[1] = CodeText(queen);
    EXPECT_TRUE(jackGoesHome());
    EXPECT_TRUE(FoundationRuleAccepts(context, 2, jack));
}

// Spider's stock and foundations: a run from King to Ace in one suit leaves its pile for the
// first empty foundation as soon as a move or a deal finishes it, the card under it turning up;
// a deal waits while a pile is empty, where the game says so. Each step is taken by the engine
// and leaves the table the model predicts.
class SpiderTable {
public:
    SpiderTable(const TMainGame& mainGame, int game) : play(mainGame, game, "5618328839193") {}

    // Takes the cards out of every pile, to be put back where the test wants them.
    void Lift(const std::vector<int>& cards)
    {
        auto& piles = play.context().piles;
        const auto lift = [&](std::string& pile) {
            std::vector<int> kept;
            for (const int code : PileCodes(pile))
                if (std::find(cards.begin(), cards.end(), code) == cards.end())
                    kept.push_back(code);
            pile = PileTextOf(kept);
        };
        lift(piles.Stock());
        for (std::string& pile : piles.tableaus)
            lift(pile);
    }
    void Put(std::string& pile, int card, bool faceUp = true)
    {
        pile += CodeText(card);
        play.context().cards.SetCardFaceMark(card, faceUp ? '1' : '0');
    }
    // Carries out the model's move of the given kind (from pile from, when it moves cards)
    // through the engine and compares the tables.
    void Step(const CardModel& model, ModelMove::Kind kind, int from = -1)
    {
        GameContext& context = play.context();
        const ModelPosition position = model.Read(context);
        std::vector<ModelMove> moves;
        model.Moves(position, moves);
        const auto move = std::find_if(moves.begin(), moves.end(), [&](const ModelMove& m) {
            return m.kind == kind && (from < 0 || m.from == from);
        });
        EXPECT_NE(move, moves.end());
        if (move == moves.end())
            return;
        ModelPosition predicted = position;
        model.Apply(predicted, *move);
        for (const PlayAction& action : model.ActionsOf(position, *move))
            EXPECT_TRUE(PerformAction(context, action)) << ActionText(action);
        EXPECT_EQ(model.Read(context), predicted);
    }

    testing::ProtocolGame play;
};

std::vector<int> SpadesFrom(int highest, int lowest)
{
    std::vector<int> cards;
    for (int rank = highest; rank >= lowest; --rank)
        cards.push_back(CardCode(Spades, rank));
    return cards;
}

TEST(CardModelTest, CompleteSequencesLeaveAsTheEngineMovesThem)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    SpiderTable spider(mainGame, 76);
    ASSERT_TRUE(spider.play.started);
    auto& piles = spider.play.context().piles;
    const int hidden = CardCode(Hearts, 5);
    std::vector<int> lifted = SpadesFrom(King, Ace);
    lifted.push_back(hidden);
    spider.Lift(lifted);
    // Pile 1: a face-down card under the spades from King to 2; pile 2: the Ace on top.
    piles.tableaus[0].clear();
    spider.Put(piles.tableaus[0], hidden, false);
    for (const int card : SpadesFrom(King, 2))
        spider.Put(piles.tableaus[0], card);
    spider.Put(piles.tableaus[1], CardCode(Spades, Ace));
    const std::optional<CardModel> model = CardModel::Of(spider.play.context());
    ASSERT_TRUE(model);
    spider.Step(*model, ModelMove::Kind::Cards, 10);
    EXPECT_EQ(ElementCount(piles.foundations[0]), 13) << "the finished run went home";
    EXPECT_EQ(PileCodes(piles.tableaus[0]), std::vector<int>{hidden});
    EXPECT_FALSE(spider.play.context().cards.IsFaceDown(hidden)) << "the card under the run turned up";

    // A deal that finishes a run: the Ace of the second pack's spades on top of the stock.
    const int secondAce = CardCode(Spades, Ace, 1);
    lifted = {secondAce};
    for (int rank = King; rank >= 2; --rank)
        lifted.push_back(CardCode(Spades, rank, 1));
    spider.Lift(lifted);
    for (std::string& pile : piles.tableaus)
        if (pile.empty())
            spider.Put(pile, CardCode(Hearts, 9, 1));
    for (int rank = King; rank >= 2; --rank)
        spider.Put(piles.tableaus[3], CardCode(Spades, rank, 1));
    // The fourth card from the stock's top, dealt to the fourth pile, is the Ace.
    const std::vector<int> rest = PileCodes(piles.Stock());
    piles.Stock().clear();
    for (std::size_t at = 0; at < rest.size(); ++at) {
        if (at + 3 == rest.size())
            spider.Put(piles.Stock(), secondAce, false);
        spider.Put(piles.Stock(), rest[at], false);
    }
    const std::optional<CardModel> dealing = CardModel::Of(spider.play.context());
    ASSERT_TRUE(dealing);
    spider.Step(*dealing, ModelMove::Kind::Stock);
    EXPECT_EQ(ElementCount(piles.foundations[1]), 13) << "the run the deal finished went home";
}

TEST(CardModelTest, ARowIsDealtOnlyWhenTheGameAllowsIt)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const int game : {76, 78}) { // Spider waits for every pile to hold cards; Relaxed Spider does not
        SpiderTable spider(mainGame, game);
        ASSERT_TRUE(spider.play.started);
        GameContext& context = spider.play.context();
        spider.Lift(PileCodes(context.piles.tableaus[4]));
        const std::optional<CardModel> model = CardModel::Of(context);
        ASSERT_TRUE(model);
        std::vector<ModelMove> moves;
        model->Moves(model->Read(context), moves);
        const bool deals = std::any_of(moves.begin(), moves.end(), [](const ModelMove& m) { return m.kind == ModelMove::Kind::Stock; });
        EXPECT_EQ(deals, game == 78) << "game " << game;
        if (deals)
            spider.Step(*model, ModelMove::Kind::Stock);
        else
            EXPECT_FALSE(PerformAction(context, PlayAction{ActionKind::Stock}) && ElementCount(context.piles.tableaus[4]) > 0);
    }
}

// Curds and Whey moves a run only when it is in suit or all of one rank: a run whose pairs each
// pass one way or the other, but not all the same way, stays where it is.
TEST(CardModelTest, ARunOfMixedKindsDoesNotMoveWhereRunsAreInSuitOrOfOneRank)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    SpiderTable curds(mainGame, 96);
    ASSERT_TRUE(curds.play.started);
    auto& piles = curds.play.context().piles;
    const std::vector<int> mixed{CardCode(Hearts, King), CardCode(Spades, King), CardCode(Spades, Queen)};
    const std::vector<int> sevens{CardCode(Diamonds, 7), CardCode(Clubs, 7)};
    std::vector<int> lifted = PileCodes(piles.tableaus[1]);
    lifted.insert(lifted.end(), mixed.begin(), mixed.end());
    lifted.insert(lifted.end(), sevens.begin(), sevens.end());
    lifted.push_back(CardCode(Hearts, 7));
    curds.Lift(lifted);
    for (const int card : mixed)
        curds.Put(piles.tableaus[0], card);
    for (const int card : sevens)
        curds.Put(piles.tableaus[2], card);
    curds.Put(piles.tableaus[3], CardCode(Hearts, 7));
    const std::optional<CardModel> model = CardModel::Of(curds.play.context());
    ASSERT_TRUE(model);
    std::vector<ModelMove> moves;
    model->Moves(model->Read(curds.play.context()), moves);
    constexpr int kFirstColumn = 4; // after the four foundations
    const auto offered = [&](int from, int to, int count) {
        return std::any_of(moves.begin(), moves.end(), [&](const ModelMove& m) {
            return m.kind == ModelMove::Kind::Cards && m.from == kFirstColumn + from && m.to == kFirstColumn + to && m.count == count;
        });
    };
    EXPECT_TRUE(offered(0, 1, 2)) << "a King and Queen in suit go to the space";
    EXPECT_FALSE(offered(0, 1, 3)) << "two Kings under the Queen are no run";
    EXPECT_TRUE(offered(2, 3, 2)) << "two sevens go onto a third";
    // The engine agrees.
    GameContext& context = curds.play.context();
    EXPECT_FALSE(PerformAction(context, {ActionKind::Drop, CardCode(Hearts, King), {PileGroup::Tableaus, 1}}));
    const int before = ElementCount(piles.tableaus[3]);
    EXPECT_TRUE(PerformAction(context, {ActionKind::Drop, CardCode(Diamonds, 7), {PileGroup::Tableaus, 3}}));
    EXPECT_EQ(ElementCount(piles.tableaus[3]), before + 2);
}

// In a double pack the two cards of one rank and suit play alike: tables that differ only by
// which of them lies where are one position; tables with other cards swapped are not.
TEST(CardModelTest, TwinCardsOfADoublePackAreOneInTheKeys)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 4, "0000000000001");
    ASSERT_TRUE(play.started);
    auto& piles = play.context().piles;
    const std::optional<CardModel> model = CardModel::Of(play.context());
    ASSERT_TRUE(model);
    const std::uint64_t before = model->Key(model->Read(play.context()));
    const auto swapped = [&](int a, int b) {
        const auto swapIn = [&](std::string& pile) {
            std::vector<int> codes = PileCodes(pile);
            for (int& code : codes)
                code = code == a ? b : code == b ? a : code;
            pile = PileTextOf(codes);
        };
        swapIn(piles.Stock());
        for (std::string& pile : piles.tableaus)
            swapIn(pile);
        const std::uint64_t key = model->Key(model->Read(play.context()));
        swapIn(piles.Stock());
        for (std::string& pile : piles.tableaus)
            swapIn(pile);
        return key;
    };
    EXPECT_EQ(swapped(CardCode(Clubs, 7), CardCode(Clubs, 7, 1)), before);
    EXPECT_NE(swapped(CardCode(Clubs, 7), CardCode(Spades, 7, 1)), before);
}

// Four packs are more cards than a byte names: the model names each card by its kind, so
// the copies of a card meet as one, while the actions it gives name the very card the table
// holds where the model's lies, and the engine takes them.
TEST(CardModelTest, FourPacksAreNamedByKindAndPlayedByTheRealCards)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, mainGame.GameNumberByName("Admiral's Patience"), "8400078556550");
    ASSERT_TRUE(play.started);
    SilentPresentation silent;
    GameContext context = QuietCopy(play.context(), silent);
    OpenFirstWay(context);
    const std::optional<CardModel> model = CardModel::Of(context);
    ASSERT_TRUE(model);
    EXPECT_TRUE(model->FoldsPacks());
    const ModelPosition position = model->Read(context);
    std::set<int> codes;
    for (int at = 0; at < 208; ++at)
        codes.insert(CodeOf(position.cards[static_cast<std::size_t>(at)]));
    EXPECT_LE(*codes.rbegin(), 52);
    std::vector<ModelMove> moves;
    model->Moves(position, moves);
    ASSERT_FALSE(moves.empty());
    int realCards = 0;
    for (const ModelMove& move : moves) {
        GameContext engine = context;
        for (const PlayAction& action : model->ActionsOn(context, position, move)) {
            realCards += action.card > 52 ? 1 : 0;
            ASSERT_TRUE(PerformAction(engine, action)) << ActionText(action);
        }
        ModelPosition predicted = position;
        model->Apply(predicted, move);
        EXPECT_EQ(model->Read(engine), predicted);
    }
    EXPECT_GT(realCards, 0); // cards of the later packs are named as themselves
}

// Auld Lang Syne's foundations build regardless of suit: which suits lie under their tops does
// not count, the tops' ranks and the lengths do.
TEST(CardModelTest, FoundationsCountOnlyByWhatTheirTopsTake)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, 120, "0000000000001");
    ASSERT_TRUE(play.started);
    auto& piles = play.context().piles;
    const std::optional<CardModel> model = CardModel::Of(play.context());
    ASSERT_TRUE(model);
    std::vector<int> stock = PileCodes(piles.Stock());
    std::erase_if(stock, [](int code) { return CardRank(code) == 2 || CardRank(code) == 3; });
    piles.Stock() = PileTextOf(stock);
    const auto keyWith = [&](std::vector<int> first, std::vector<int> second) {
        piles.foundations[0] = PileTextOf(first);
        piles.foundations[1] = PileTextOf(second);
        return model->Key(model->Read(play.context()));
    };
    const int aceS = CardCode(Spades, Ace);
    const int aceH = CardCode(Hearts, Ace);
    const std::uint64_t key = keyWith({aceS, CardCode(Hearts, 2)}, {aceH, CardCode(Spades, 2)});
    EXPECT_EQ(keyWith({aceS, CardCode(Spades, 2)}, {aceH, CardCode(Hearts, 2)}), key);
    EXPECT_NE(keyWith({aceS, CardCode(Spades, 2)}, {aceH, CardCode(Hearts, 3)}), key);
    EXPECT_NE(keyWith({aceS, CardCode(Spades, 2), CardCode(Hearts, 2)}, {aceH}), key);
}

// Whether the first move home of the model of a table laid out by hand that the test picks may
// be made before anything else; nothing when the table is not modelled or no such move exists.
std::optional<bool> FirstHomeMoveIsSafe(
    const GameContext& context, const std::function<bool(const CardModel&, const ModelPosition&, const ModelMove&)>& picked)
{
    const std::optional<CardModel> model = CardModel::Of(context);
    if (!model)
        return std::nullopt;
    const ModelPosition position = model->Read(context);
    std::vector<ModelMove> moves;
    model->Moves(position, moves);
    const auto home = std::find_if(moves.begin(), moves.end(), [&](const ModelMove& move) {
        return model->IsFoundationMove(move) && picked(*model, position, move);
    });
    if (home == moves.end())
        return std::nullopt;
    return model->IsSafeHomeMove(position, *home);
}

// A card that may go home for good is played before anything else. Where the stock is turned
// without end, the clicks that bring it up lead round to where they started, so even a card
// deep in the stock goes home at once; not so where the waste lies split off the cycle of
// turns (a card short of a whole turn of three), since the clicks lead on from there for good.
TEST(CardModelTest, ACardFromAStockTurnedWithoutEndGoesHomeAtOnceOnlyWhereNoLaterTurnShifts)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    const auto homeMoveIsSafe = [&](int game, const std::vector<int>& waste, std::ptrdiff_t cardsAbove) {
        testing::ProtocolGame play(mainGame, game, "0000000000001");
        EXPECT_TRUE(play.started);
        auto& context = play.context();
        auto& piles = context.piles;
        piles.Clear();
        piles.foundations[0] = PileTextOf({H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)});
        piles.foundations[1] = PileTextOf({D(1), D(2), D(3), D(4), D(5), D(6), D(7), D(8), D(9), D(10), D(11), D(12), D(13)});
        piles.foundations[2] = PileTextOf({C(1), C(2), C(3), C(4), C(5), C(6), C(7), C(8), C(9), C(10), C(11), C(12), C(13)});
        std::vector<int> stock;
        for (int rank = 13; rank >= 2; --rank)
            if (std::find(waste.begin(), waste.end(), S(rank)) == waste.end())
                stock.push_back(S(rank));
        stock.insert(stock.end() - cardsAbove, S(1));
        piles.Stock() = PileTextOf(stock);
        piles.Waste() = PileTextOf(waste);
        for (const int code : stock)
            context.cards.SetCardFaceMark(code, '0');
        for (const int code : waste)
            context.cards.SetCardFaceMark(code, '1');
        const std::optional<bool> safe =
            FirstHomeMoveIsSafe(context, [](const CardModel& model, const ModelPosition& position, const ModelMove& move) {
                ModelPosition after = position;
                model.Apply(after, move);
                return move.clicks > 0 && model.CardsHome(after) == 40;
            });
        EXPECT_TRUE(safe) << game; // the table is modelled and the Ace can go home
        return safe.value_or(false);
    };
    constexpr int kKlondike = 2;
    constexpr int kKlondikeByThrees = 3;
    EXPECT_TRUE(homeMoveIsSafe(kKlondike, {}, 2));
    // Turned three at a time, the Ace leaving from under two cards moves up the cards behind it.
    EXPECT_FALSE(homeMoveIsSafe(kKlondikeByThrees, {S(13), S(12), S(11)}, 2));
    EXPECT_TRUE(homeMoveIsSafe(kKlondikeByThrees, {S(13), S(12), S(11)}, 9)); // the last card
    EXPECT_FALSE(homeMoveIsSafe(kKlondikeByThrees, {S(13)}, 2));
}

// Turning three cards at a time, the King of clubs on the waste could go home and nothing will
// ever be built on it; yet only while it stays there does a pass bring up the Four of spades
// from between the Six and the Five. Sent home, it leaves the Five the only card the stock
// shows, and the game lost.
TEST(CardModelTest, AWasteCardTurnedWithOthersStaysWhileItBringsUpACardTheGameNeeds)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kKlondikeByThrees = 3;
    testing::ProtocolGame play(mainGame, kKlondikeByThrees, "0000000000001");
    ASSERT_TRUE(play.started);
    auto& context = play.context();
    auto& piles = context.piles;
    piles.Clear();
    const auto run = [](auto suit, int from, int to) {
        std::vector<int> cards;
        for (int rank = from; from <= to ? rank <= to : rank >= to; rank += from <= to ? 1 : -1)
            cards.push_back(suit(rank));
        return cards;
    };
    piles.foundations[0] = PileTextOf(run(H, 1, 13));
    piles.foundations[1] = PileTextOf(run(D, 1, 13));
    piles.foundations[2] = PileTextOf(run(C, 1, 12));
    piles.foundations[3] = PileTextOf(run(S, 1, 3));
    piles.tableaus[0] = PileTextOf(run(S, 13, 7));
    piles.Waste() = PileTextOf({C(13)});
    piles.Stock() = PileTextOf({S(5), S(4), S(6)}); // the Six turns first, the Five shows
    for (int code = 1; code <= 52; ++code)
        context.cards.SetCardFaceMark(code, '1');
    for (const int code : {S(5), S(4), S(6)})
        context.cards.SetCardFaceMark(code, '0');

    const std::optional<bool> kingHomeIsSafe =
        FirstHomeMoveIsSafe(context, [](const CardModel&, const ModelPosition&, const ModelMove& move) { return move.clicks == 0; });
    ASSERT_TRUE(kingHomeIsSafe); // the table is modelled and the King can go home
    EXPECT_FALSE(*kingHomeIsSafe);

    const SolveResult result = Solve(context);
    EXPECT_EQ(result.verdict, SolveVerdict::Won);
}

// The model's move whose protocol actions end in the given one, if the position has it.
std::optional<ModelMove> MoveEndingIn(const CardModel& model, const ModelPosition& position, const PlayAction& wanted)
{
    std::vector<ModelMove> moves;
    model.Moves(position, moves);
    for (const ModelMove& move : moves) {
        const std::vector<PlayAction> actions = model.ActionsOf(position, move);
        if (ActionText(actions.back()) == ActionText(wanted))
            return move;
    }
    return std::nullopt;
}

// Carries the model's move out on the engine too: both must leave the same table.
void StepBoth(const CardModel& model, GameContext& context, const ModelMove& move)
{
    const ModelPosition position = model.Read(context);
    ModelPosition predicted = position;
    model.Apply(predicted, move);
    for (const PlayAction& action : model.ActionsOf(position, move))
        ASSERT_TRUE(PerformAction(context, action)) << ActionText(action);
    ASSERT_EQ(model.Read(context), predicted);
}

// Crescent's click on the empty stock brings the bottom card of every pile of two cards or
// more to its top, three times over; a pile of one card stays as it is.
TEST(CardModelTest, CrescentsRedealBringsEveryBottomCardToItsTopThreeTimes)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kCrescent = 190;
    testing::ProtocolGame play(mainGame, kCrescent, "0000000000001");
    ASSERT_TRUE(play.started);
    GameContext& context = play.context();
    auto& piles = context.piles;
    std::vector<int> first = PileCodes(piles.tableaus[0]);
    piles.tableaus[0] = PileTextOf({first[0]});
    piles.tableaus[1] += PileTextOf(std::vector<int>(first.begin() + 1, first.end()));
    const std::optional<CardModel> model = CardModel::Of(context);
    ASSERT_TRUE(model);
    ASSERT_TRUE(model->ClicksAreMoves());
    for (int redeal = 1; redeal <= 3; ++redeal) {
        const std::vector<int> second = PileCodes(piles.tableaus[1]);
        const std::optional<ModelMove> click = MoveEndingIn(*model, model->Read(context), PlayAction{ActionKind::Stock});
        ASSERT_TRUE(click) << "redeal " << redeal;
        StepBoth(*model, context, *click);
        EXPECT_EQ(PileCodes(piles.tableaus[0]), std::vector<int>{first[0]});
        EXPECT_EQ(TopElement(piles.tableaus[1]), second.front());
        EXPECT_EQ(ElementAt(piles.tableaus[1], 0), second[1]);
    }
    const ModelPosition spent = model->Read(context);
    EXPECT_FALSE(MoveEndingIn(*model, spent, PlayAction{ActionKind::Stock})) << "three redeals only";
    PerformAction(context, PlayAction{ActionKind::Stock});
    EXPECT_EQ(model->Read(context), spent);
}

// Grandfather's piles take a card from the waste while they hold one card at most, never a
// card from another pile; a pile whose card goes home takes the stock's top card at once, the
// waste's once the stock is out. Such a move home moves the stock on, so it is never played
// ahead of every other move while the stock holds cards.
TEST(CardModelTest, GrandfathersPilesHoldTwoCardsAndRefillFromTheStockElseTheWaste)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    constexpr int kGrandfather = 224;
    testing::ProtocolGame play(mainGame, kGrandfather, "0000000000001");
    ASSERT_TRUE(play.started);
    GameContext& context = play.context();
    auto& piles = context.piles;
    piles.Clear();
    piles.tableaus[0] = PileTextOf({H(1)});
    piles.tableaus[1] = PileTextOf({S(9), S(10)});
    piles.tableaus[2] = PileTextOf({S(1)});
    for (int k = 3; k < 20; ++k)
        piles.tableaus[static_cast<std::size_t>(k)] = PileTextOf({k < 15 ? C(k - 1) : D(k - 13)});
    piles.Stock() = PileTextOf({D(8)});
    piles.Waste() = PileTextOf({D(12), D(11)});
    for (int code = 1; code <= 104; ++code)
        context.cards.SetCardFaceMark(code, code == D(8) ? '0' : '1');
    const std::optional<CardModel> model = CardModel::Of(context);
    ASSERT_TRUE(model);
    const ModelPosition start = model->Read(context);
    const auto drop = [](int card, PileRef pile) { return PlayAction{ActionKind::Drop, card, pile}; };
    const PileRef secondPile{PileGroup::Tableaus, 1};
    EXPECT_TRUE(MoveEndingIn(*model, start, drop(D(11), {PileGroup::Tableaus, 0})));
    EXPECT_FALSE(MoveEndingIn(*model, start, drop(D(11), secondPile))) << "a pile of two takes nothing";
    EXPECT_FALSE(MoveEndingIn(*model, start, drop(S(10), {PileGroup::Tableaus, 0}))) << "nothing moves between piles";
    GameContext refused = context;
    EXPECT_FALSE(PerformAction(refused, drop(D(11), secondPile)));
    EXPECT_FALSE(PerformAction(refused, drop(S(10), {PileGroup::Tableaus, 0})));

    const std::optional<ModelMove> heartsHome = MoveEndingIn(*model, start, drop(H(1), {PileGroup::Foundations, 0}));
    ASSERT_TRUE(heartsHome);
    EXPECT_FALSE(model->IsSafeHomeMove(start, *heartsHome)) << "the fill takes the stock's top card now";
    StepBoth(*model, context, *heartsHome);
    EXPECT_EQ(PileCodes(piles.tableaus[0]), std::vector<int>{D(8)});
    EXPECT_FALSE(context.cards.IsFaceDown(D(8)));
    const std::optional<ModelMove> spadesHome =
        MoveEndingIn(*model, model->Read(context), drop(S(1), {PileGroup::Foundations, 1}));
    ASSERT_TRUE(spadesHome);
    StepBoth(*model, context, *spadesHome);
    EXPECT_EQ(PileCodes(piles.tableaus[2]), std::vector<int>{D(11)}) << "the stock is out: the waste's top card";
}

} // namespace
} // namespace marlowe
