// Cards played out of the waste in Klondike turning one card: the search plays such a card only
// together with a move that builds on it. That loses no win only if the joined moves are the
// engine's own, cover every build, and a play that waits changes nothing in between: playing
// the card and then making a move that neither builds on it nor moves it on must reach what
// making that move first and the play after it reaches. Random walks check all three.

#include "engine/card_model.h"
#include "engine/play_actions.h"
#include "engine/quiet_play.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace marlowe {
namespace {

constexpr int kKlondike = 2;
constexpr int kStepsPerDeal = 60;
constexpr const char* kDeals[] = {"1358125880137", "7415974184661", "0000000000007", "5618328839193"};

bool SameMove(const ModelMove& a, const ModelMove& b)
{
    return a.kind == b.kind && a.from == b.from && a.to == b.to && a.count == b.count && a.clicks == b.clicks &&
           a.depth == b.depth && a.thenFrom == b.thenFrom && a.thenTo == b.thenTo && a.thenCount == b.thenCount &&
           a.thenClicks == b.thenClicks;
}

ModelPosition After(const CardModel& model, ModelPosition position, const ModelMove& move)
{
    model.Apply(position, move);
    return position;
}

int DroppedCard(const CardModel& model, const ModelPosition& position, const ModelMove& move)
{
    const std::vector<PlayAction> actions = model.ActionsOf(position, move);
    return actions.back().kind == ActionKind::Drop ? actions.back().card : 0;
}

// The plays out of the waste the search leaves to be joined: moves of the position that the
// joining takes away.
std::vector<ModelMove> Parked(const CardModel& model, const ModelPosition& position, const std::vector<ModelMove>& moves)
{
    std::vector<ModelMove> joined = moves;
    model.JoinParkedCards(position, joined);
    std::vector<ModelMove> parked;
    for (const ModelMove& move : moves)
        if (std::none_of(joined.begin(), joined.end(), [&](const ModelMove& kept) { return SameMove(kept, move); }))
            parked.push_back(move);
    return parked;
}

class ParkedCardsTest : public ::testing::Test {
protected:
    // Walks each deal at random through the engine, handing every position on the way to check.
    template <typename Check>
    void Walk(Check check)
    {
        const TMainGame mainGame = testing::ShippedCatalogue();
        std::mt19937 random(20261211);
        int parksSeen = 0;
        for (const char* deal : kDeals) {
            testing::ProtocolGame play(mainGame, kKlondike, deal);
            ASSERT_TRUE(play.started);
            const std::optional<CardModel> model = CardModel::Of(play.context());
            ASSERT_TRUE(model.has_value());
            SilentPresentation silent;
            GameContext context = QuietCopy(play.context(), silent);
            std::vector<ModelMove> moves;
            for (int step = 0; step < kStepsPerDeal; ++step) {
                const ModelPosition position = model->Read(context);
                model->Moves(position, moves);
                if (moves.empty() || model->IsWon(position))
                    break;
                const std::vector<ModelMove> parked = Parked(*model, position, moves);
                parksSeen += static_cast<int>(parked.size());
                check(*model, context, position, moves, parked);
                if (::testing::Test::HasFatalFailure())
                    return;
                const ModelMove chosen = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
                for (const PlayAction& action : model->ActionsOf(position, chosen))
                    ASSERT_TRUE(PerformAction(context, action));
            }
        }
        EXPECT_GT(parksSeen, 50); // the walks met plays to join
    }
};

TEST_F(ParkedCardsTest, JoinedMovesAreTheEnginesAndCoverEveryBuild)
{
    Walk([](const CardModel& model, const GameContext& context, const ModelPosition& position,
            const std::vector<ModelMove>& moves, const std::vector<ModelMove>& parked) {
        std::vector<ModelMove> joined = moves;
        model.JoinParkedCards(position, joined);
        for (const ModelMove& move : joined) {
            if (move.thenCount == 0)
                continue;
            SilentPresentation silent;
            GameContext engine = QuietCopy(context, silent);
            for (const PlayAction& action : model.ActionsOf(position, move))
                ASSERT_TRUE(PerformAction(engine, action));
            ASSERT_EQ(model.Read(engine), After(model, position, move));
        }
        // Every move that builds on a parked card is joined with the play that parked it.
        std::vector<ModelMove> builds;
        for (const ModelMove& park : parked) {
            const ModelPosition ready = After(model, position, park);
            model.Moves(ready, builds);
            for (const ModelMove& build : builds) {
                if (build.to != park.to || build.kind != ModelMove::Kind::Cards)
                    continue;
                const std::uint64_t reached = model.Key(After(model, ready, build));
                EXPECT_TRUE(std::any_of(joined.begin(), joined.end(), [&](const ModelMove& move) {
                    return move.thenCount > 0 && model.Key(After(model, position, move)) == reached;
                })) << "a build on a parked card is missing";
            }
        }
    });
}

TEST_F(ParkedCardsTest, APlayPutOffChangesNothingInBetween)
{
    Walk([](const CardModel& model, const GameContext&, const ModelPosition& position, const std::vector<ModelMove>& moves,
            const std::vector<ModelMove>& parked) {
        std::vector<ModelMove> between;
        std::vector<ModelMove> later;
        for (const ModelMove& park : parked) {
            const int card = DroppedCard(model, position, park);
            const ModelPosition ready = After(model, position, park);
            model.Moves(ready, between);
            for (const ModelMove& move : between) {
                // Building on the card, or moving it on alone, is what the play waits for.
                if (move.kind == ModelMove::Kind::Cards && (move.to == park.to || (move.from == park.to && move.count == 1)))
                    continue;
                const std::uint64_t reached = model.Key(After(model, ready, move));
                bool found = false;
                for (const ModelMove& first : moves) {
                    const ModelPosition done = After(model, position, first);
                    model.Moves(done, later);
                    found = std::any_of(later.begin(), later.end(), [&](const ModelMove& play) {
                        return DroppedCard(model, done, play) == card && model.Key(After(model, done, play)) == reached;
                    });
                    if (found)
                        break;
                }
                EXPECT_TRUE(found) << "a move made after a parked card cannot be made before it";
            }
        }
    });
}

} // namespace
} // namespace marlowe
