#include "engine/game_clock.h"

#include "app/text_helpers.h"
#include "engine/game_context.h"

namespace marlowe {

namespace {

int SecondsBetween(int start, int end)
{
    return end >= start ? end - start : end + kSecondsPerDay - start;
}

} // namespace

void StartClock(GameContext& context, int secondOfDay)
{
    if (context.flags[ClockRunning])
        return;
    context.clock.startSecond = secondOfDay;
    context.flags.Set(ClockRunning);
}

void StopClock(GameContext& context, int secondOfDay)
{
    context.clock.endSecond = secondOfDay;
    context.flags.Clear(ClockRunning);
}

void SetElapsedSeconds(GameContext& context, int elapsed, int secondOfDay)
{
    context.clock.startSecond = ((secondOfDay - elapsed) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    context.flags.Set(ClockRunning);
}

int ElapsedSeconds(const GameContext& context, int secondOfDay)
{
    const int end = context.flags[ClockRunning] ? secondOfDay : context.clock.endSecond;
    return SecondsBetween(context.clock.startSecond, end);
}

std::string FormatElapsed(int seconds)
{
    return std::to_string(seconds / 3600) + ":" + ZeroPad(seconds / 60 % 60, 2) + ":" + ZeroPad(seconds % 60, 2);
}

} // namespace marlowe
