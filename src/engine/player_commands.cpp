#include "engine/player_commands.h"

#include "app/register_settings.h"
#include "engine/event_sounds.h"
#include "engine/game_clock.h"
#include "engine/game_context.h"
#include "engine/presentation.h"
#include "engine/table.h"

namespace marlowe {

namespace {

int Now(const GameContext& context)
{
    return context.secondOfDay ? context.secondOfDay() : 0;
}

// Ends the game in progress for another deal: false when the player keeps it, or when it was
// won (the win goes on to the game selection).
bool LeaveGameInProgress(GameContext& context)
{
    return ConfirmAbandon(context) && !EndGame(context);
}

void DealRegisterNumber(GameContext& context, Preferences& preferences, RandomSource& random,
                        const ScreenFacts& screen)
{
    PlaySoundNoInterrupt(context, "New", SoundWanted(context, SoundSwitch::Restart));
    if (Outcome dealt = NewGame(context, preferences, random, 1, screen); !dealt)
        context.presentation().ShowInfo(dealt.message());
}

} // namespace

void RestartGame(GameContext& context, Preferences& preferences, RandomSource& random, const ScreenFacts& screen)
{
    if (LeaveGameInProgress(context))
        DealRegisterNumber(context, preferences, random, screen);
}

void DealChosenNumber(GameContext& context, Preferences& preferences, RandomSource& random,
                      const std::string& dealNumber, const ScreenFacts& screen)
{
    if (!LeaveGameInProgress(context))
        return;
    context.registers.Set(reg::DealNumber, dealNumber);
    DealRegisterNumber(context, preferences, random, screen);
}

bool QuitGame(GameContext& context)
{
    if (!context.flags[GameInProgress] || !LeaveGameInProgress(context))
        return false;
    ClearTable(context, true);
    context.presentation().DrawTable(false);
    context.presentation().UpdateCommands();
    return true;
}

void PauseClock(GameContext& context)
{
    if (context.flags[ClockRunning])
        StopClock(context, Now(context));
}

void ContinueAfterPause(GameContext& context)
{
    if (context.flags[GameInProgress] && !context.flags[ClockRunning])
        SetElapsedSeconds(context, ElapsedSeconds(context, Now(context)), Now(context));
}

} // namespace marlowe
