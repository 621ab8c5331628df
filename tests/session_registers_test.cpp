// The session registers: fixed fields in three areas.

#include "app/session_registers.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

TEST(SessionRegisters, WritesStripLeadingSpacesAndCutToWidth)
{
    SessionRegisters registers;
    registers.Set(62, 4, "  12");
    EXPECT_EQ(registers.Get(62, 4), "12");
    EXPECT_EQ(registers.Get(62, 5), "12") << "the field was padded with spaces";
    registers.Set(21, 3, "ABCDEFG");
    EXPECT_EQ(registers.Get(21, 3), "ABC");
    EXPECT_EQ(registers.Get(24, 1), "") << "the cut text does not spill into the next field";
}

TEST(SessionRegisters, NeighbouringFieldsStayApart)
{
    SessionRegisters registers;
    registers.Set(66, 1, "Y");
    registers.Set(67, 1, "N");
    registers.Set(68, 6, 20000);
    registers.Set(66, 1, "N");
    EXPECT_EQ(registers.Get(66, 1), "N");
    EXPECT_EQ(registers.Get(67, 1), "N");
    EXPECT_EQ(registers.GetNumber(68, 6), 20000);
}

TEST(SessionRegisters, UnwrittenAndOutOfRangeFieldsReadEmpty)
{
    SessionRegisters registers;
    EXPECT_EQ(registers.Get(189, 50), "");
    EXPECT_EQ(registers.Get(1, 20), "Cfg.dat");
    registers.Set(1000, 3, "abc");
    EXPECT_EQ(registers.Get(1000, 3), "");
    registers.Set(250, 1, "X");
    EXPECT_EQ(registers.Get(250, 1), "");
    EXPECT_EQ(registers.GetNumber(153, 15, -7), -7);
}

TEST(SessionRegisters, TheThreeAreasAreSeparate)
{
    SessionRegisters registers;
    registers.Set(1, 3, "one");
    registers.Set(251, 3, "two");
    registers.Set(501, 3, "thr");
    EXPECT_EQ(registers.Get(1, 3), "one");
    EXPECT_EQ(registers.Get(251, 3), "two");
    EXPECT_EQ(registers.Get(501, 3), "thr");
}

TEST(SessionRegisters, AreaThreeGrowsForLongFields)
{
    SessionRegisters registers;
    const std::string text(200, 'x');
    registers.Set(701, 200, text);
    EXPECT_EQ(registers.Get(701, 200), text);
    EXPECT_EQ(registers.Get(501, 200), "");
}

TEST(SessionRegisters, ResetClearsEverythingButTheFileName)
{
    SessionRegisters registers;
    registers.Set(77, 30, "Ann");
    registers.Set(1, 20, "Other.dat");
    registers.Reset();
    EXPECT_EQ(registers.Get(77, 30), "");
    EXPECT_EQ(registers.Get(1, 20), "Cfg.dat");
}

} // namespace
} // namespace marlowe
