// Saved games: the file written from a game in progress reads back to the same game, a game
// resumed in a fresh program goes on exactly (undo back to the deal, redo forward again), and
// every kind of damaged, foreign or newer file is refused with a message that says so.

#include "engine/game_resume.h"
#include "engine/lifecycle.h"
#include "engine/pile_text.h"
#include "engine/play_actions.h"
#include "engine/saved_game.h"
#include "engine_program.h"

#include <gtest/gtest.h>

#include <memory>

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;

// A program that deals a game by its number and moves cards to FreeCell's cells.
struct Program : testing::EngineProgram {
    void Deal(int game, const std::string& number)
    {
        context.registers.Set(reg::DealNumber, number);
        ASSERT_TRUE(OpenGame(context, preferences, random, game, context.mainGame.GameName(game), "Player 1", 1, false));
    }

    // Moves the top card of tableau column to free cell (FreeCell's reserves take any card).
    void ToCell(int column, int cell)
    {
        const int card = TopElement(context.piles.tableaus[column]);
        ASSERT_TRUE(PerformAction(context, PlayAction{ActionKind::Drop, card, {PileGroup::Reserves, cell}}));
    }
};

class SavedGameTest : public ::testing::Test {
protected:
    SavedGameTest()
    {
        program.Deal(kFreeCell, "0000000011982");
        dealt = TakeSnapshot(program.context);
        program.ToCell(0, 0);
        program.ToCell(1, 1);
        program.context.bookmark = TakeSnapshot(program.context);
        program.ToCell(2, 2);
        program.now = 1000 + 75;
        text = SavedGameText(CaptureGame(program.context, program.now));
    }

    // The text with one line (its start given) replaced, the checksum made right again, so that
    // the reader's own check of that line is what refuses it.
    std::string WithLine(std::string_view start, const std::string& replacement) const
    {
        std::string body = text.substr(0, text.rfind("checksum "));
        const std::size_t at = body.find("\n" + std::string(start)) + 1;
        const std::size_t end = body.find('\n', at);
        body.replace(at, end - at, replacement);
        return body + "checksum " + SavedGameChecksum(body) + "\n";
    }

    std::string LineStarting(std::string_view start) const
    {
        const std::size_t at = text.find("\n" + std::string(start)) + 1;
        return text.substr(at, text.find('\n', at) - at);
    }

    Program program;
    Snapshot dealt;
    std::string text;
};

TEST_F(SavedGameTest, TheFileReadsBackToTheGameItWasWrittenFrom)
{
    const SavedGameReading reading = ReadSavedGame(text);
    ASSERT_TRUE(reading.outcome) << reading.outcome.message();
    const SavedGame& saved = reading.game;
    EXPECT_EQ(saved, CaptureGame(program.context, program.now));
    EXPECT_EQ(saved.gameName, "FreeCell");
    EXPECT_EQ(saved.dealNumber, "0000000011982");
    EXPECT_EQ(saved.elapsedSeconds, 75);
    EXPECT_EQ(saved.undo.size(), 3u);
    ASSERT_TRUE(saved.bookmark.has_value());
}

TEST_F(SavedGameTest, AGameResumedInAFreshProgramUndoesToTheDealAndRedoesBack)
{
    const Snapshot before = TakeSnapshot(program.context);
    Program fresh;
    fresh.now = 5000;
    fresh.Deal(kKlondike, "0000000000005");
    const SavedGameReading reading = ReadSavedGame(text);
    ASSERT_TRUE(reading.outcome);
    ASSERT_TRUE(ResumeSavedGame(fresh.context, fresh.preferences, fresh.random, reading.game));

    GameContext& context = fresh.context;
    EXPECT_EQ(context.CurrentGameNumber(), kFreeCell);
    EXPECT_EQ(TakeSnapshot(context), before);
    EXPECT_TRUE(context.flags[GameInProgress]);
    EXPECT_EQ(ElapsedSeconds(context, 5000 + 10), 85);
    EXPECT_EQ(context.rules.Values(), program.context.rules.Values());
    EXPECT_EQ(context.registers.Get(reg::DealNumber), "0000000011982");
    EXPECT_EQ(context.bookmark, program.context.bookmark);

    while (Undo(context)) {
    }
    EXPECT_EQ(TakeSnapshot(context), dealt);
    while (Redo(context)) {
    }
    EXPECT_EQ(TakeSnapshot(context), before);
    // The Klondike game left for it was ended and recorded.
    EXPECT_EQ(fresh.recorded.size(), 1u);
}

TEST_F(SavedGameTest, AGameNoLongerInTheCatalogueIsRefusedByItsName)
{
    const std::string gameLine = "game 9876 Lost Patience";
    const SavedGameReading reading = ReadSavedGame(WithLine("game ", gameLine));
    ASSERT_TRUE(reading.outcome);
    const Snapshot before = TakeSnapshot(program.context);
    const Outcome resumed = ResumeSavedGame(program.context, program.preferences, program.random, reading.game);
    ASSERT_FALSE(resumed);
    EXPECT_NE(resumed.message().find("\"Lost Patience\""), std::string::npos) << resumed.message();
    EXPECT_EQ(TakeSnapshot(program.context), before);
    EXPECT_TRUE(program.context.flags[GameInProgress]);
}

TEST_F(SavedGameTest, EveryKindOfDamagedFileIsRefusedWithWhatIsWrong)
{
    const std::string table = LineStarting("table ");
    const std::string cut = text.substr(0, text.size() / 2);
    const std::string move = LineStarting("move ");
    std::string random(4096, '\0');
    unsigned seed = 12345;
    for (char& byte : random) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    std::string flipped = text;
    flipped[flipped.size() / 3] ^= 0x01;

    const struct {
        const char* kind;
        std::string file;
        const char* says;
    } damaged[] = {
        {"empty file", "", "not a saved game"},
        {"random bytes", random, "not a saved game"},
        {"another program's file", "[Preference]\nCard_Size=B\n", "not a saved game"},
        {"version missing", "Marlowe 2002 saved game\ngame 1 FreeCell\n", "version is missing"},
        {"version not a number", "Marlowe 2002 saved game\nversion one\n", "version is missing"},
        {"version zero", "Marlowe 2002 saved game\nversion 0\n", "version is missing"},
        {"newer version", "Marlowe 2002 saved game\nversion 2\ngame 1 FreeCell\n", "newer version"},
        {"cut in half", cut, "cut short"},
        {"last line lost", text.substr(0, text.rfind("checksum")), "cut short"},
        {"checksum without its line end", text.substr(0, text.size() - 1), "cut short"},
        {"a line added after the checksum", text + "more\n", "cut short"},
        {"one bit changed", flipped, "checksum does not match"},
        {"checksum edited", text.substr(0, text.rfind("checksum")) + "checksum 00000000\n", "checksum does not match"},
        {"game number not a number", WithLine("game ", "game x FreeCell"), "game number"},
        {"game without a name", WithLine("game ", "game 1"), "game number"},
        {"deal number too short", WithLine("deal ", "deal 11982"), "13 digits"},
        {"deal number with letters", WithLine("deal ", "deal 00000000119x2"), "13 digits"},
        {"clock negative", WithLine("clock ", "clock -5"), "playing time"},
        {"clock past a day", WithLine("clock ", "clock 90000"), "playing time"},
        {"score too large", WithLine("score ", "score 12345678"), "score"},
        {"autoplay neither Y nor N", WithLine("autoplay ", "autoplay maybe"), "autoplay"},
        {"a counter missing", WithLine("words ", "words 1 2 3"), "counters"},
        {"a counter out of range", WithLine("words ", "words 1 2 3 40000"), "counters"},
        {"rules cut short", WithLine("rules ", "rules 1 2 3"), "rules"},
        {"table with a pile too few", WithLine("table ", table.substr(0, table.rfind(' '))), "entries"},
        {"a card that does not exist", WithLine("table ", table.substr(0, table.rfind(' ')) + " 9991"), "cards that exist"},
        {"a face mark that is no mark", WithLine("table ", table.substr(0, table.rfind(' ')) + " 0017"),
         "cards that exist"},
        {"a pile cut inside a card", WithLine("table ", table.substr(0, table.rfind(' ')) + " 001"),
         "cards that exist"},
        {"annotation of letters", WithLine("table ", "table abc" + table.substr(table.find(' ', 6))), "annotation"},
        {"more moves counted than written", WithLine("undo ", "undo 4"), "\"move ...\" was expected"},
        {"move count not a number", WithLine("undo ", "undo many"), "count of moves"},
        {"a move line cut short", WithLine("move ", move.substr(0, move.size() - 5)), "entries"},
        {"lines out of order", WithLine("player ", "deal 0000000011982"), "\"player ...\" was expected"},
        {"bookmark missing", WithLine("bookmark ", "note 1"), "\"bookmark ...\" was expected"},
        {"a line after the bookmark", WithLine("bookmark ", LineStarting("bookmark ") + "\nextra line"),
         "a line follows the bookmark"},
    };
    for (const auto& file : damaged) {
        const SavedGameReading reading = ReadSavedGame(file.file);
        ASSERT_FALSE(reading.outcome) << file.kind;
        EXPECT_NE(reading.outcome.message().find(file.says), std::string::npos)
            << file.kind << ": " << reading.outcome.message();
        EXPECT_NE(reading.outcome.message().find("not opened"), std::string::npos) << file.kind;
    }
}

} // namespace
} // namespace marlowe
