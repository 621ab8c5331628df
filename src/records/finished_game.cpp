#include "records/finished_game.h"

#include "app/register_settings.h"
#include "engine/game_clock.h"
#include "engine/game_context.h"

#include <ctime>

namespace marlowe {

LocalStamp LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {(local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday,
            local.tm_hour * 10000 + local.tm_min * 100 + local.tm_sec};
}

FinishedGame FinishedGameOf(const GameContext& context, bool won, const LocalStamp& stamp)
{
    const SessionRegisters& registers = context.registers;
    FinishedGame game;
    game.game = context.CurrentGameNumber();
    game.gameName = registers.Get(reg::GameName);
    game.dealNumber = registers.Get(reg::DealNumber);
    game.player = CurrentPlayer(registers);
    game.won = won;
    game.score = CurrentScore(registers);
    game.seconds = context.secondOfDay ? ElapsedSeconds(context, context.secondOfDay()) : 0;
    game.moves = context.mainGame.MoveCount;
    game.scoringType = static_cast<int>(registers.GetNumber(reg::ScoringType));
    game.date = stamp.date;
    game.time = stamp.time;
    return game;
}

bool GameCountsForRecords(const GameContext& context)
{
    const TMainGame& game = context.mainGame;
    return GameCounts(context.CurrentGameNumber(), game.RandomDeal == 1, game.StatisticsDisabled,
                      game.GameStarted == 1) &&
           !CurrentPlayer(context.registers).empty();
}

std::function<void(GameContext&, bool won)> RecordingHook(GameRecords& records)
{
    return [&records](GameContext& context, bool won) {
        if (GameCountsForRecords(context))
            records.Record(FinishedGameOf(context, won, LocalNow()));
        else if (const std::string player = CurrentPlayer(context.registers);
                 !context.mainGame.StatisticsDisabled && !player.empty())
            records.Files().EnsureStatisticsFiles(player);
    };
}

} // namespace marlowe
