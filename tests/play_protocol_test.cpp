// The play protocol: the answer to each command, on a known Klondike deal.

#include "play_test_support.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

// Klondike deal 0: the Ace of hearts (1) lies face up on Fila2, the nine of clubs (35) alone on
// Fila1, the two of spades (41) on Fila7; the stock's top card is the ten of diamonds (19).
TEST(PlayProtocolTest, AnswersEachCommandInTurn)
{
    testing::ProtocolGame play(testing::ShippedCatalogue(), 2, "0000000000000");
    ASSERT_TRUE(play.started) << play.messages.str();
    const struct {
        const char* command;
        const char* answer;
    } rows[] = {
        {"undo", "refused"},           // nothing to take back yet
        {"drop 35 Dest1", "refused"},  // a nine does not start a foundation
        {"drop 1 Dest1", "ok"},
        {"drop 41 Dest1", "refused"},  // the two of spades is not in suit
        {"click 35", "refused"},       // a press and a release in place change nothing
        {"stock", "ok"},
        {"undo", "ok"},
        {"redo", "ok"},
        {"redo", "refused"},
        {"dblclick 19", "refused"},    // the ten of diamonds has nowhere to go
        {"stock", "ok"},               // and the double click leaves no guard to swallow this press
        {"autoplay on", "ok"},
        {"autoplay off", "ok"},
        {"hint Fila1", "ok"},
        {"state", "ok"},
        {"drop 999 Fila1", "error: drop takes a card code and a pile name"},
        {"drop 35 Nowhere", "error: drop takes a card code and a pile name"},
        {"drop 35", "error: unknown or malformed command 'drop'"},
        {"click x", "error: click takes a card code"},
        {"autoplay maybe", "error: unknown or malformed command 'autoplay'"},
        {"hint Pile", "error: hint takes a pile name"},
        {"frobnicate", "error: unknown or malformed command 'frobnicate'"},
        {"", "error: unknown or malformed command ''"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(play.Run(row.command), row.answer) << row.command;
}

// Monte Carlo deal 1: the threes of hearts (3) and spades (42) touch in the first row. The
// selection is kept apart from the table and a selected card is clicked where it lies.
TEST(PlayProtocolTest, ASecondClickLetsGoOfASelectedCard)
{
    testing::ProtocolGame play(testing::ShippedCatalogue(), 14, "0000000000001");
    ASSERT_TRUE(play.started) << play.messages.str();
    // A click that only selects or lets go is taken too: the selection is part of the game.
    const struct {
        const char* command;
        const char* selection;
    } rows[] = {
        {"click 3", "003"},  // selected
        {"click 3", ""},     // let go again
        {"click 42", "042"}, // selected alone
        {"click 3", ""},     // the pair leaves the table
    };
    for (const auto& row : rows) {
        EXPECT_EQ(play.Run(row.command), "ok") << row.command;
        EXPECT_EQ(play.context().piles.foundations[0], row.selection) << row.command;
    }
    EXPECT_EQ(play.context().piles.stockGroup[kSecondWasteSlot], "042003");
}

TEST(PlayProtocolTest, StatePrintsTheTableThenScoreWonRedealsAndUndo)
{
    testing::ProtocolGame play(testing::ShippedCatalogue(), 2, "0000000000000");
    ASSERT_EQ(play.Run("drop 1 Dest1"), "ok");
    ASSERT_EQ(play.Run("state"), "ok");
    const std::string printed = play.printed.str();
    EXPECT_NE(printed.find("\nDest1=0011\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("\nFila2=0401\n"), std::string::npos) << "the card under the Ace turned up";
    EXPECT_NE(printed.find("\nscore=-47\nwon=0\nredeals=1\nundo=1\n"), std::string::npos) << printed;
}

} // namespace
} // namespace marlowe
