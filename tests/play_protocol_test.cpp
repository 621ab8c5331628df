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
        {"drop 999 Fila1", "error: card code out of range 1-212: 'drop 999 Fila1'"},
        {"drop 35 Nowhere", "error: unknown pile: 'drop 35 Nowhere'"},
        {"drop 35", "error: missing pile name: 'drop 35'"},
        {"click x", "error: not a card code: 'click x'"},
        {"autoplay maybe", "error: autoplay is on or off: 'autoplay maybe'"},
        {"hint Pile", "error: unknown pile: 'hint Pile'"},
        {"frobnicate", "error: unknown command: 'frobnicate'"},
        {"", "error: unknown command: ''"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(play.Run(row.command), row.answer) << row.command;
}

// A bad command changes nothing and its answer says what is wrong, quoting no more than the
// first 80 characters of the line and no byte that a terminal would act on.
TEST(PlayProtocolTest, ABadCommandIsAnsweredWithWhatIsWrongInOneShortPrintableLine)
{
    testing::ProtocolGame play(testing::ShippedCatalogue(), 2, "0000000000000");
    ASSERT_TRUE(play.started) << play.messages.str();
    const PileStore before = play.context().piles;
    const std::string eightyAccents = [] {
        std::string accents;
        for (int i = 0; i < 80; ++i)
            accents += "\u00e9";
        return accents;
    }();
    const struct {
        std::string command;
        std::string answer;
    } rows[] = {
        // what is wrong
        {"drop 52 Dest4:5", "error: pile Dest4 has no cells: 'drop 52 Dest4:5'"},
        {"drop 1 Fila1:3", "error: pile Fila1 has no cells: 'drop 1 Fila1:3'"},  // Klondike's rows have none
        {"drop 1 Mazzo_Vis:1", "error: pile Mazzo_Vis has no cells: 'drop 1 Mazzo_Vis:1'"},
        {"drop 35 Fila41", "error: unknown pile: 'drop 35 Fila41'"},
        {"drop 35 :2", "error: unknown pile: 'drop 35 :2'"},
        {"drop 0 Fila1", "error: card code out of range 1-212: 'drop 0 Fila1'"},
        {"click 213", "error: card code out of range 1-212: 'click 213'"},
        {"rclick -4", "error: card code out of range 1-212: 'rclick -4'"},
        {"dblclick 123456789012345678901234567890", "error: card code out of range 1-212: 'dblclick "
                                                    "123456789012345678901234567890'"},
        {"click 3x", "error: not a card code: 'click 3x'"},
        {"drop", "error: missing card code: 'drop'"},
        {"dblclick", "error: missing card code: 'dblclick'"},
        {"autoplay", "error: missing on or off: 'autoplay'"},
        {"hint", "error: missing pile name: 'hint'"},
        {"undo now", "error: too many arguments: 'undo now'"},
        {"drop 1 Dest1 Dest2", "error: too many arguments: 'drop 1 Dest1 Dest2'"},
        {"Drop 1 Dest1", "error: unknown command: 'Drop 1 Dest1'"},
        {"  stock  please ", "error: too many arguments: 'stock  please'"},
        // control bytes escaped, printable characters kept
        {"\x1b[2Jstate", "error: unknown command: '\\x1b[2Jstate'"},
        {"drop 35 Fila\x07", "error: unknown pile: 'drop 35 Fila\\x07'"},
        {std::string("\0undo", 5), "error: unknown command: '\\x00undo'"},
        {"hint D\x7f\xc2\x9b" "1", "error: unknown pile: 'hint D\\x7f\\xc2\\x9b1'"},  // DEL and the C1 escape
        {"hint Pil\u00e9 \xff", "error: too many arguments: 'hint Pil\u00e9 \\xff'"},
        // at most 80 characters of the line, not of its bytes
        {"drop 35 " + std::string(1'000'000, 'F'), "error: unknown pile: 'drop 35 " + std::string(72, 'F') + "...'"},
        {eightyAccents + "x", "error: unknown command: '" + eightyAccents + "...'"},
        {eightyAccents, "error: unknown command: '" + eightyAccents + "'"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(play.Run(row.command), row.answer) << row.command.substr(0, 100);
    EXPECT_EQ(play.context().piles, before);
    EXPECT_EQ(play.context().undoHistory.Size(), 0u);
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
