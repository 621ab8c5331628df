// The player list of the preferences file: reading the "User" keys, the name checks in their
// order, the names as the list keeps them, and what closing the players dialog stores.

#include "records/player_list.h"

#include "app/session_registers.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

class PlayerListTest : public ::testing::Test {
protected:
    std::string User(int n) const { return preferences.ReadString("Users", PlayerKey(n), "?"); }

    testing::TempFolder data;
    SessionRegisters registers;
    RecordingPresentation presentation;
    Preferences preferences{data.path(), registers, presentation};
};

TEST_F(PlayerListTest, ReadSkipsEmptyKeysAndSortsWithoutRegardToCase)
{
    preferences.WriteString("Users", "User002", "bob");
    preferences.WriteString("Users", "User005", "");
    preferences.WriteString("Users", "User007", " Anna ");
    preferences.WriteString("Users", "User020", "Carl");
    preferences.WriteString("Users", "User021", "Beyond the twenty");

    const PlayerList list = PlayerList::Read(preferences);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"Anna", "bob", "Carl"}));
    EXPECT_FALSE(list.Changed());
}

TEST_F(PlayerListTest, NewNamesAreCheckedInOrderEmptyForbiddenDuplicate)
{
    const PlayerList list({"Player 1", "Anna"});
    EXPECT_EQ(list.CheckNewName(""), kNameEmptyMessage);
    EXPECT_EQ(list.CheckNewName("   "), kNameEmptyMessage);
    for (const char* name : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"})
        EXPECT_EQ(list.CheckNewName(name), kNameForbiddenMessage) << name;
    // A forbidden character is told before the name is compared with the list.
    EXPECT_EQ(PlayerList({"a|b"}).CheckNewName("a|b"), kNameForbiddenMessage);
    // Surrounding spaces and case do not make another player: the records would be shared.
    EXPECT_EQ(list.CheckNewName("  Player 1 "), kNameExistsMessage);
    EXPECT_EQ(list.CheckNewName("ANNA"), kNameExistsMessage);
    EXPECT_EQ(list.CheckNewName("Anna Maria"), "");
    EXPECT_EQ(std::string(kNameForbiddenMessage),
              "A Player name cannot contain any of the following characters: \\ / : * ? \" < > |");
}

TEST_F(PlayerListTest, NamesAreKeptTrimmedAndShortEnoughForTheirRegister)
{
    PlayerList list;
    EXPECT_EQ(list.Add("  Zoe  "), "Zoe");
    EXPECT_EQ(list.Add(std::string(30, 'x')), std::string(30, 'x'));
    EXPECT_EQ(list.Add(std::string(35, 'y')), std::string(30, 'y'));
    // 29 ASCII characters and a two-byte one: the cut does not split the last character.
    EXPECT_EQ(list.Add(std::string(29, 'z') + "\xC3\xA9"), std::string(29, 'z'));
    EXPECT_EQ(list.Add("Zoe"), "Zoe"); // an identical entry is not added twice
    EXPECT_EQ(list.Names().size(), 4u);
    EXPECT_TRUE(list.Changed());

    EXPECT_EQ(list.Rename("Zoe", " Abe "), "Abe");
    EXPECT_EQ(list.Names().front(), "Abe");
    list.Remove("Abe");
    EXPECT_FALSE(list.Contains("Abe"));
}

TEST_F(PlayerListTest, SavingAnUnchangedListStoresOnlyTheCurrentPlayer)
{
    preferences.WriteString("Users", "User001", "Anna");
    preferences.WriteString("Users", "User004", "Bob"); // a gap the unchanged list keeps
    const PlayerList list = PlayerList::Read(preferences);
    list.Save(preferences, registers, "Bob");

    EXPECT_EQ(registers.Get(reg::Player), "Bob");
    EXPECT_EQ(preferences.ReadString("Preference", "UserDefault", ""), "Bob");
    EXPECT_EQ(User(2), "?");
    EXPECT_EQ(User(4), "Bob");
}

TEST_F(PlayerListTest, SavingAChangedListKeepsTheFirstTwentyInSortedOrder)
{
    PlayerList list;
    for (int n = 22; n >= 1; --n)
        list.Add("Player " + std::string(n < 10 ? "0" : "") + std::to_string(n));
    list.Save(preferences, registers, "Player 01");
    for (int n = 1; n <= 20; ++n)
        EXPECT_EQ(User(n), "Player " + std::string(n < 10 ? "0" : "") + std::to_string(n));
    EXPECT_EQ(PlayerList::Read(preferences).Names().size(), 20u);

    // A shorter list empties the keys it no longer fills.
    PlayerList few({"Anna", "Bob"});
    few.Remove("Bob");
    few.Save(preferences, registers, "Anna");
    EXPECT_EQ(User(1), "Anna");
    for (int n = 2; n <= 20; ++n)
        EXPECT_EQ(User(n), "") << n;
}

} // namespace
} // namespace marlowe
