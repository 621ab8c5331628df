#include "app/register_settings.h"

#include "app/session_registers.h"

namespace marlowe {

bool AnimatesCardMoves(const SessionRegisters& registers)
{
    return registers.Get(reg::AnimateCardMoves) != "N";
}

bool ShowsCardShadows(const SessionRegisters& registers)
{
    return registers.Get(reg::CardShadows) != "N";
}

bool TurnsExposedCardsFaceUp(const SessionRegisters& registers)
{
    return registers.Get(reg::AutomaticFaceUp) != "N";
}

int CurrentGameNumber(const SessionRegisters& registers)
{
    return static_cast<int>(registers.GetNumber(reg::GameNumber, -1));
}

std::string CurrentPlayer(const SessionRegisters& registers)
{
    return registers.Get(reg::Player);
}

int CurrentScore(const SessionRegisters& registers)
{
    return static_cast<int>(registers.GetNumber(reg::Score));
}

void ClearCardFileChoices(SessionRegisters& registers)
{
    for (RegisterField flag : {reg::CustomisedCardSetFile, reg::AdditionalCardSetFile, reg::CustomisedDeckFile,
                               reg::AdditionalDeckFile})
        registers.Set(flag, "N");
}

bool FollowsBoardSize(const SessionRegisters& registers)
{
    return registers.Get(reg::CardSize) == std::string(1, kAutoSizeLetter);
}

} // namespace marlowe
