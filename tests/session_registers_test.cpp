// The session registers: fixed fields in three areas.

#include "app/session_registers.h"

#include <gtest/gtest.h>

namespace marlowe {

// Places outside the table, for the rules of the areas themselves.
struct RegisterFieldForTests {
    static RegisterField At(int position, int width) { return {position, width}; }
};

namespace {

RegisterField At(int position, int width)
{
    return RegisterFieldForTests::At(position, width);
}

TEST(SessionRegisters, WritesStripLeadingSpacesAndCutToWidth)
{
    SessionRegisters registers;
    registers.Set(reg::GameNumber, "  12");
    EXPECT_EQ(registers.Get(reg::GameNumber), "12");
    EXPECT_EQ(registers.Get(At(62, 5)), "12") << "the field was padded with spaces";
    registers.Set(reg::CardBack, "ABCDEFG");
    EXPECT_EQ(registers.Get(reg::CardBack), "ABC");
    EXPECT_EQ(registers.Get(At(24, 1)), "") << "the cut text does not spill into the next field";
}

TEST(SessionRegisters, NeighbouringFieldsStayApart)
{
    SessionRegisters registers;
    registers.Set(reg::ShowTime, "Y");
    registers.Set(reg::AnimateCardMoves, "N");
    registers.Set(reg::LanguageBase, 20000);
    registers.Set(reg::ShowTime, "N");
    EXPECT_EQ(registers.Get(reg::ShowTime), "N");
    EXPECT_EQ(registers.Get(reg::AnimateCardMoves), "N");
    EXPECT_EQ(registers.GetNumber(reg::LanguageBase), 20000);
}

TEST(SessionRegisters, UnwrittenAndOutOfRangeFieldsReadEmpty)
{
    SessionRegisters registers;
    EXPECT_EQ(registers.Get(reg::GameName), "");
    EXPECT_EQ(registers.Get(reg::PreferencesFileName), "Cfg.dat");
    registers.Set(At(1000, 3), "abc");
    EXPECT_EQ(registers.Get(At(1000, 3)), "");
    registers.Set(At(250, 1), "X");
    EXPECT_EQ(registers.Get(At(250, 1)), "");
    EXPECT_EQ(registers.GetNumber(reg::DealNumber, -7), -7);
}

TEST(SessionRegisters, TheThreeAreasAreSeparate)
{
    SessionRegisters registers;
    registers.Set(At(1, 3), "one");
    registers.Set(At(251, 3), "two");
    registers.Set(At(501, 3), "thr");
    EXPECT_EQ(registers.Get(At(1, 3)), "one");
    EXPECT_EQ(registers.Get(At(251, 3)), "two");
    EXPECT_EQ(registers.Get(At(501, 3)), "thr");
}

TEST(SessionRegisters, AreaThreeGrowsForLongFields)
{
    SessionRegisters registers;
    const std::string text(200, 'x');
    registers.Set(At(701, 200), text);
    EXPECT_EQ(registers.Get(At(701, 200)), text);
    EXPECT_EQ(registers.Get(At(501, 200)), "");
}

TEST(SessionRegisters, ResetClearsEverythingButTheFileName)
{
    SessionRegisters registers;
    registers.Set(reg::Player, "Ann");
    registers.Set(reg::PreferencesFileName, "Other.dat");
    registers.Reset();
    EXPECT_EQ(registers.Get(reg::Player), "");
    EXPECT_EQ(registers.Get(reg::PreferencesFileName), "Cfg.dat");
}

} // namespace
} // namespace marlowe
