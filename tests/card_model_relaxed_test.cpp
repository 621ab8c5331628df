// The game turning one card at a time, searched to prove deals of a game turning three lost:
// that proof holds only if every move the game allows leads where some move of the relaxed
// game leads. Random walks through Klondike by Threes and Canfield check it.

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
constexpr int kKlondikeByThrees = 3;
constexpr int kCanfield = 8;
constexpr int kStepsPerDeal = 80;
constexpr const char* kDeals[] = {"2281905096653", "0000000000007", "5618328839193"};

ModelPosition After(const CardModel& model, ModelPosition position, const ModelMove& move)
{
    model.Apply(position, move);
    return position;
}

TEST(CardModelRelaxedTest, EveryMoveOfTheGameIsAMoveOfTheGameTurningOneCard)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    std::mt19937 random(20261211);
    for (const int game : {kKlondikeByThrees, kCanfield}) {
        int checked = 0;
        for (const char* deal : kDeals) {
            testing::ProtocolGame play(mainGame, game, deal);
            ASSERT_TRUE(play.started);
            const std::optional<CardModel> model = CardModel::Of(play.context());
            ASSERT_TRUE(model.has_value()) << game;
            const std::optional<CardModel> relaxed = model->TurningOneCard();
            ASSERT_TRUE(relaxed.has_value()) << game;
            ModelPosition position = model->Read(play.context());
            std::vector<ModelMove> moves;
            std::vector<ModelMove> relaxedMoves;
            for (int step = 0; step < kStepsPerDeal; ++step) {
                model->Moves(position, moves);
                if (moves.empty())
                    break;
                relaxed->Moves(position, relaxedMoves);
                for (const ModelMove& move : moves) {
                    const std::uint64_t reached = relaxed->Key(After(*model, position, move));
                    EXPECT_TRUE(std::any_of(relaxedMoves.begin(), relaxedMoves.end(), [&](const ModelMove& other) {
                        return relaxed->Key(After(*relaxed, position, other)) == reached;
                    })) << "game " << game << " deal " << deal << ": a move the relaxed game lacks";
                    ++checked;
                }
                position = After(*model, position, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)]);
            }
        }
        EXPECT_GT(checked, 100) << game;
    }
}

TEST(CardModelRelaxedTest, OnlyGamesTurningSeveralCardsWithPassesUnlimitedAreRelaxed)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    testing::ProtocolGame play(mainGame, kKlondike, "0000000000007");
    ASSERT_TRUE(play.started);
    const std::optional<CardModel> model = CardModel::Of(play.context());
    ASSERT_TRUE(model.has_value());
    EXPECT_FALSE(model->TurningOneCard().has_value());
}

} // namespace
} // namespace marlowe
