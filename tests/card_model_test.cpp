// The card model against the engine it stands for. On random walks through every catalogue
// game the model describes, each model move, carried out as protocol actions on the engine,
// must be taken and leave the table the model predicts (the won test included); and every
// action the engine takes must lead to a table some model move reaches too. A model that
// missed a move could call a winnable deal lost; one that made up a move would find lines the
// engine refuses.

#include "engine/action_search.h"
#include "engine/card_model.h"
#include "engine/cards.h"
#include "engine/pile_text.h"
#include "engine/game_won.h"
#include "engine/quiet_play.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

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

// Walks one deal at random, checking every position on the way; the failures name the game.
void WalkAndCompare(const TMainGame& mainGame, int game, const std::string& deal, std::mt19937& random, int& modelled)
{
    testing::ProtocolGame play(mainGame, game, deal);
    ASSERT_TRUE(play.started);
    const std::optional<CardModel> model = CardModel::Of(play.context());
    if (!model)
        return;
    ++modelled;
    SilentPresentation silent;
    GameContext context = QuietCopy(play.context(), silent);
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
            const std::vector<PlayAction> actions = model->ActionsOf(position, move);
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
        for (const PlayAction& action : model->ActionsOf(position, chosen))
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

} // namespace
} // namespace marlowe
