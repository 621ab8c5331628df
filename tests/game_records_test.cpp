// The records of finished games: the fixed-column layouts other parts of the records rely on, and
// a game written into every file and read back the way the statistics dialogs read it.
#include "app/text_file.h"
#include "app/text_helpers.h"
#include "records/game_records.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace marlowe {
namespace {

FinishedGame Game(int number, const std::string& player, bool won, int score, int seconds, int date = 20261209)
{
    FinishedGame game;
    game.game = number;
    game.gameName = "Klondike";
    game.dealNumber = "1234567890123";
    game.player = player;
    game.won = won;
    game.score = score;
    game.seconds = seconds;
    game.moves = 87;
    game.scoringType = 1;
    game.date = date;
    game.time = 93015;
    return game;
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(GameRecordsLayout, LogLineKeepsThePinnedColumnsAndReadsBack)
{
    const std::string line = FormatLogLine(Game(12, "Anna", true, -52, 185));
    EXPECT_EQ(TextColumns(line, 1, 8), "20261209");
    EXPECT_EQ(TextColumns(line, 3, 4), "2612");
    EXPECT_EQ(TextColumns(line, 26, 4), "0012");
    EXPECT_EQ(TextColumns(line, 82, 30), PadRight("Anna", 30));
    EXPECT_EQ(TextColumns(line, 113, 3), "Won");

    const auto entry = ParseLogLine(line);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->game, 12);
    EXPECT_EQ(entry->player, "Anna");
    EXPECT_TRUE(entry->won);
    EXPECT_EQ(entry->score, -52);
    EXPECT_EQ(entry->seconds, 185);
    EXPECT_EQ(entry->moves, 87);
    EXPECT_EQ(entry->time, 93015);
    EXPECT_EQ(entry->dealNumber, "1234567890123");
    EXPECT_EQ(entry->gameName, "Klondike");

    EXPECT_FALSE(ParseLogLine(TextColumns(line, 1, 100)));
    EXPECT_FALSE(ParseLogLine(ReplaceField(line, 26, 4, "00x2")));
    EXPECT_FALSE(ParseLogLine(ReplaceField(line, 82, 30, std::string(30, ' '))));
}

TEST(GameRecordsLayout, FiguresAndScoreLinesReadBackAndOverflowStaysInItsField)
{
    GameFigures figures{3, 2, 1, -4, 7, 130, 12345678901, 95};
    const std::string text = FormatGameFigures(figures);
    EXPECT_EQ(text.size(), std::string_view(kResetGameValue).size());
    const auto read = ParseGameFigures(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->currentStreak, -4);
    EXPECT_EQ(read->totalSeconds, 12345678901);
    EXPECT_EQ(read->bestSeconds, 95);
    EXPECT_EQ(ParseGameFigures(kResetGameValue)->played, 0);
    EXPECT_FALSE(ParseGameFigures("000001 junk"));

    figures.played = 5'000'000;
    EXPECT_EQ(ParseGameFigures(FormatGameFigures(figures))->played, 999999);

    const std::string score = FormatScoreLine(Game(7, "Bob", true, 412, 61));
    EXPECT_EQ(TextColumns(score, 39, 30), PadRight("Bob", 30));
    EXPECT_EQ(ParseScoreLine(score)->score, 412);
    EXPECT_EQ(ParseScoreLine(score)->game, 7);
}

TEST(GameRecordsLayout, ProgressEntryEncodesGameAndMonthAndResult)
{
    const std::string won = ProgressEntry(FormatLogLine(Game(1207, "Anna", true, 0, 0, 20261209))).value_or("");
    EXPECT_EQ(won, std::string({char(12 + 33), char(7 + 33), char(26 + 33), char(12 + 100)}));
    const std::string lost = ProgressEntry(FormatLogLine(Game(1207, "Anna", false, 0, 0, 20261209))).value_or("");
    EXPECT_EQ(lost[3], char(12 + 50));
}

TEST(GameRecordsCounting, OnlyNewRandomDealsWithAMoveAndStatisticsOnCount)
{
    EXPECT_TRUE(GameCounts(12, true, false, true));
    EXPECT_TRUE(GameCounts(8001, true, false, true));
    EXPECT_FALSE(GameCounts(12, false, false, true));
    EXPECT_FALSE(GameCounts(12, true, true, true));
    EXPECT_FALSE(GameCounts(12, true, false, false));
    EXPECT_FALSE(GameCounts(-1, true, false, true));
}

class GameRecordsFiles : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::vector<std::string> messages;
    StatisticsFiles files{folder.path(), RecordsFeedback{[this](const std::string& m) { messages.push_back(m); }}};
    GameRecords records{files};
};

TEST_F(GameRecordsFiles, GamesAddUpPerGameAndPlayerWithStreaksAndBests)
{
    records.Record(Game(12, "Anna", true, 100, 300, 20261201));
    records.Record(Game(12, "Anna", false, 140, 200, 20261202));
    records.Record(Game(12, "Anna", true, 90, 250, 20261203));
    records.Record(Game(12, "Anna", true, 95, 500, 20261204));
    records.Record(Game(12, "Bob", false, 10, 60, 20261205));
    records.Record(Game(3, "Anna", false, 20, 50, 20261206));

    const auto anna = records.FiguresOf("Anna", 12);
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->played, 4);
    EXPECT_EQ(anna->won, 3);
    EXPECT_EQ(anna->lost, 1);
    EXPECT_EQ(anna->currentStreak, 2);
    EXPECT_EQ(anna->bestStreak, 2);
    EXPECT_EQ(anna->bestScore, 140);
    EXPECT_EQ(anna->totalSeconds, 1250);
    EXPECT_EQ(anna->bestSeconds, 250); // the fastest win, not the fastest game
    EXPECT_DOUBLE_EQ(anna->WinRate(), 75.0);

    EXPECT_EQ(records.FiguresOf("Anna").size(), 2u);
    EXPECT_EQ(records.FiguresOf("Anna").at(3).currentStreak, -1);
    const auto players = records.PlayersOf(12);
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players.at("Bob").lost, 1);
    EXPECT_FALSE(records.FiguresOf("Bob", 3));

    const auto global = records.GlobalFiguresOf("Anna");
    ASSERT_TRUE(global);
    EXPECT_EQ(global->played, 5);
    EXPECT_EQ(global->won, 3);
    EXPECT_EQ(global->streak, -1);
    EXPECT_EQ(global->bestStreak, 2);
    EXPECT_EQ(global->seconds, 1300);
    EXPECT_EQ(global->firstDate, 20261201);
    EXPECT_EQ(global->lastDate, 20261206);

    const auto log = records.ReadLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[4].player, "Bob");
    EXPECT_EQ(FileText(files.ProgressPathOf("Anna")).size(), 5u * 4u);
    EXPECT_EQ(files.ReadSingleGameValues("Anna", 12)->won, 3);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GameRecordsFiles, EachGameKeepsItsTenBestScoresHighestFirst)
{
    for (int score = 1; score <= 12; ++score)
        records.Record(Game(12, "Anna", true, score * 10, 100));
    records.Record(Game(12, "Bob", true, 120, 100));
    records.Record(Game(5, "Bob", true, 999, 100));

    const auto best = records.HighScores(12);
    ASSERT_EQ(best.size(), 10u);
    EXPECT_EQ(best[0].score, 120);
    EXPECT_EQ(best[0].player, "Anna"); // an equal later score ranks below the earlier one
    EXPECT_EQ(best[1].player, "Bob");
    EXPECT_EQ(best[9].score, 40);
    EXPECT_EQ(records.HighScores(-1).front().score, 999);

    const auto lines = ReadTextLines(files.PathOf(kScoreFile));
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[0], "[Version]");
    EXPECT_EQ((*lines)[1], "Version=0300");
}

TEST_F(GameRecordsFiles, CustomGamesKeepNoSingleGameValuesButCountElsewhere)
{
    records.Record(Game(12, "Anna", true, 10, 10));
    const std::string before = FileText(files.PathOf(kSingleGameFile));
    records.Record(Game(8001, "Anna", true, 10, 10));
    EXPECT_EQ(FileText(files.PathOf(kSingleGameFile)), before);
    EXPECT_EQ(records.FiguresOf("Anna", 8001)->won, 1);
    EXPECT_EQ(records.ReadLog().back().game, 8001);
}

TEST_F(GameRecordsFiles, ReadersOfMissingOrDamagedFilesGiveNothing)
{
    EXPECT_FALSE(records.FiguresOf("Anna", 12));
    EXPECT_TRUE(records.FiguresOf("Anna").empty());
    EXPECT_FALSE(records.GlobalFiguresOf("Anna"));
    EXPECT_TRUE(records.ReadLog().empty());
    EXPECT_TRUE(records.HighScores(-1).empty());

    records.Record(Game(12, "Anna", true, 10, 10));
    std::ofstream(files.PathOf(kGameLogFile), std::ios::app) << "a damaged line\n";
    EXPECT_EQ(records.ReadLog().size(), 1u);
}

TEST_F(GameRecordsFiles, AResetLeavesTheGlobalFiguresCountingOnlyWhatIsLeft)
{
    records.Record(Game(12, "Anna", true, 10, 100, 20261201));
    records.Record(Game(3, "Anna", false, 10, 40, 20261202));
    records.Record(Game(12, "Bob", true, 10, 70, 20261203));

    ASSERT_TRUE(records.Reset(12, "Anna", false, false));
    const auto anna = records.GlobalFiguresOf("Anna");
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->played, 1);
    EXPECT_EQ(anna->won, 0);
    EXPECT_EQ(anna->streak, -1);
    EXPECT_EQ(anna->seconds, 40);
    EXPECT_EQ(anna->firstDate, 20261202);
    EXPECT_EQ(records.GlobalFiguresOf("Bob")->won, 1);
    EXPECT_EQ(records.FiguresOf("Anna", 12)->played, 0);

    ASSERT_TRUE(records.Reset(0, "Anna", true, true));
    EXPECT_EQ(records.GlobalFiguresOf("Anna")->played, 0);
    EXPECT_EQ(records.GlobalFiguresOf("Bob")->played, 0);
    EXPECT_TRUE(records.ReadLog().empty());
}

} // namespace
} // namespace marlowe
