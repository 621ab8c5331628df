// The settings read from the registers: a switch that is on "unless N" is on while its register
// is still empty, and the current game and score have their values for "none yet".

#include "app/register_settings.h"
#include "app/session_registers.h"

#include <gtest/gtest.h>

#include <utility>

namespace marlowe {
namespace {

TEST(RegisterSettings, SwitchesAreOnUnlessTurnedOff)
{
    using Reading = bool (*)(const SessionRegisters&);
    const std::pair<RegisterField, Reading> switches[] = {
        {reg::AnimateCardMoves, AnimatesCardMoves},
        {reg::CardShadows, ShowsCardShadows},
        {reg::AutomaticFaceUp, TurnsExposedCardsFaceUp},
    };
    for (const auto& [field, reading] : switches) {
        SessionRegisters registers;
        EXPECT_TRUE(reading(registers)) << "empty register at " << field.Position();
        registers.Set(field, "x");
        EXPECT_TRUE(reading(registers)) << "register at " << field.Position();
        registers.Set(field, "N");
        EXPECT_FALSE(reading(registers)) << "register at " << field.Position();
    }
}

TEST(RegisterSettings, TheCurrentGameAndScore)
{
    SessionRegisters registers;
    EXPECT_EQ(CurrentGameNumber(registers), -1);
    EXPECT_EQ(CurrentScore(registers), 0);
    registers.Set(reg::GameNumber, "0012");
    registers.Set(reg::Score, "-52");
    EXPECT_EQ(CurrentGameNumber(registers), 12);
    EXPECT_EQ(CurrentScore(registers), -52);
}

} // namespace
} // namespace marlowe
