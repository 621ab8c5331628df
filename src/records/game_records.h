#pragma once
// A finished game in every record file: the line of the game log, the player's figures of the
// game in "STAT.DAT", the player's global figures in "Stat_glo.dat", the player's best scores in
// "STAT_SCR.DAT", the single-game values and the progress file. And the readers the statistics
// dialogs show these from.
//
// The layouts, all fixed-width so that values can be overwritten in place:
//
// "Stat_log.dat", one line per finished game (columns 1-based):
//   1-8 date YYYYMMDD, 10-17 time HH:MM:SS, 19-20 scoring type, 26-29 game number,
//   31-43 deal number, 45-80 game name, 82-111 player, 113-116 "Won " or "Lost",
//   118-123 score, 125-130 playing time in seconds, 132-137 moves.
//   (The date field the progress file reads, columns 3-6, is the year in the century and
//   the month.)
// "STAT.DAT", key = player in section [game number]: eight numbers, six of 6 digits, two of 12:
//   played, won, lost, current streak (positive: wins in a row, negative: losses in a row),
//   longest winning streak, best score, total playing time in seconds, fastest won game in
//   seconds (0: none yet). A signed number keeps its width ("-00003").
// "Stat_glo.dat", section [player]: Played, Won, Lost (6 digits), Streak (signed, 6),
//   Best_Streak (6), Time (12 digits, seconds), First and Last (dates YYYYMMDD).
// "STAT_SCR.DAT", after its version header: the ten best scores of every game, one line each:
//   1-6 score, 8-11 game number, 13-20 date, 22-29 time, 31-36 playing time in seconds,
//   39-68 player, 70-82 deal number, 84-89 moves, 91 "x" (the line's layout is this one).

#include "records/statistics_files.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// A game at its end, as the records keep it.
struct FinishedGame {
    int game = 0;
    std::string gameName;
    std::string dealNumber;  // 13 digits
    std::string player;
    bool won = false;
    int score = 0;
    int seconds = 0;         // playing time
    int moves = 0;
    int scoringType = 0;     // register (120, 2)
    int date = 0;            // YYYYMMDD
    int time = 0;            // HHMMSS
};

// One game's figures of one player.
struct GameFigures {
    long long played = 0;
    long long won = 0;
    long long lost = 0;
    long long currentStreak = 0; // > 0 wins in a row, < 0 losses in a row
    long long bestStreak = 0;
    long long bestScore = 0;
    long long totalSeconds = 0;
    long long bestSeconds = 0;   // the fastest win; 0 before the first win
    // Won games in percent of the played ones; 0 when none was played.
    double WinRate() const { return played > 0 ? 100.0 * static_cast<double>(won) / static_cast<double>(played) : 0.0; }
};

// A player's figures over all games.
struct GlobalFigures {
    long long played = 0;
    long long won = 0;
    long long lost = 0;
    long long streak = 0;
    long long bestStreak = 0;
    long long seconds = 0;
    int firstDate = 0; // YYYYMMDD; 0 before the first game
    int lastDate = 0;
};

// One line of the game log, or of a score file.
using LogEntry = FinishedGame;
using ScoreEntry = FinishedGame;

std::string FormatLogLine(const FinishedGame& game);
// Nothing for a line too short or with a field that is not a number.
std::optional<LogEntry> ParseLogLine(std::string_view line);
std::string FormatGameFigures(const GameFigures& figures);
std::optional<GameFigures> ParseGameFigures(std::string_view value);
std::string FormatScoreLine(const FinishedGame& game);
std::optional<ScoreEntry> ParseScoreLine(std::string_view line);

// The figures as the lines of "STAT.DAT" and "Stat_glo.dat" hold them; nothing when missing or
// damaged (a value that does not read, or not of its width).
std::optional<GameFigures> GameFiguresIn(const std::vector<std::string>& lines, const std::string& player, int game);
std::optional<GlobalFigures> GlobalFiguresIn(const std::vector<std::string>& lines, const std::string& player);
// The whole lines of a game log's content that read as entries, in file order.
std::vector<LogEntry> LogEntriesIn(std::string_view content);

// A game added to a player's global figures.
void AddToGlobalFigures(GlobalFigures& figures, const FinishedGame& game);
// A player's global figures as the game log tells them.
GlobalFigures GlobalFiguresFromLog(const std::vector<LogEntry>& log, const std::string& player);
// "Stat_glo.dat"'s content with the player's figures written in.
std::string WithGlobalFigures(std::string content, const std::string& player, const GlobalFigures& figures);
// The score file's lines with the game among its game's ten best scores when it ranks.
std::vector<std::string> WithScore(const std::vector<std::string>& lines, const FinishedGame& game);

// Whether a finished game goes into the records: a built-in or custom game dealt from a new
// random deal number, with the statistics switched on, where the player made a move.
bool GameCounts(int game, bool randomDeal, bool statisticsDisabled, bool playerMoved);

class GameRecords {
public:
    explicit GameRecords(StatisticsFiles& files) : files_(files) {}

    StatisticsFiles& Files() const { return files_; }

    // Writes a counted game into every record file (creating the missing ones first), all of
    // them or none: a file that cannot be written is told once and no file takes the game. The
    // single-game values take only built-in games; when they are corrupted the other files
    // still take the game. Damaged global figures are derived anew from the game log.
    void Record(const FinishedGame& game);

    // Resets records as StatisticsFiles::ResetStatistics does, then derives the global figures of
    // the players concerned anew from the game log that is left, so that they never count games
    // that were reset. False when a file could not be changed.
    bool Reset(int game, const std::string& player, bool allGames, bool allPlayers);

    // The readers. A file that is missing or a value that does not read gives nothing.
    std::optional<GameFigures> FiguresOf(const std::string& player, int game) const;
    // Every game the player has figures for, by game number.
    std::map<int, GameFigures> FiguresOf(const std::string& player) const;
    // Every player with figures in "STAT.DAT", in name order without regard to case.
    std::vector<std::string> Players() const;
    // Every player's figures of one game, by player name.
    std::map<std::string, GameFigures> PlayersOf(int game) const;
    std::optional<GlobalFigures> GlobalFiguresOf(const std::string& player) const;
    // The game log in file order.
    std::vector<LogEntry> ReadLog() const;
    // The best scores, highest first: of one game, or of every game when game is negative.
    std::vector<ScoreEntry> HighScores(int game) const;

private:
    void StageGameFigures(RecordBatch& batch, const FinishedGame& game) const;
    // The game added to the player's global figures; a message for the player when they had to
    // be derived from the log.
    std::optional<std::string> StageGlobalFigures(RecordBatch& batch, const FinishedGame& game) const;
    // The players with global figures, as "Stat_glo.dat" names them.
    std::vector<std::string> PlayersWithGlobalFigures() const;

    StatisticsFiles& files_;
};

} // namespace marlowe
