#pragma once
// The players' record files in the data folder: their creation with version headers, the
// single-game values (scrambled and checksummed), values written into INI-like sections in
// place, the safe rewrite through an "rpl" temporary file, and the operations over all files:
// carrying records over to a new player name, resetting records, rebuilding a player's progress
// file from the game log, upgrading an old score file and tidying the extra statistics markers.
//
// File names are matched without regard to case ("Stat.dat" and "STAT.DAT" are one file).
// Every failure is told to the player through the feedback and leaves the old file in place.

#include "records/record_batch.h"
#include "records/records_io.h"

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// The record files' names as the program writes them when they are missing.
inline constexpr const char* kSingleGameFile = "Stat_uni.dat";
inline constexpr const char* kGameStatisticsFile = "STAT.DAT";
inline constexpr const char* kGlobalRecordsFile = "Stat_glo.dat";
inline constexpr const char* kGameLogFile = "Stat_log.dat";
inline constexpr const char* kScoreFile = "STAT_SCR.DAT";
inline constexpr const char* kSeriesScoreFile = "Series_scr.dat";
// The value of a player's key in "STAT.DAT" after a reset.
inline constexpr const char* kResetGameValue =
    "000000 000000 000000 000000 000000 000000 000000000000 000000000000";
// The columns of a "Stat_log.dat" line (1-based) and of a score line.
inline constexpr int kLogDateColumn = 3;       // 4 digits
inline constexpr int kLogGameColumn = 26;      // 4 digits
inline constexpr int kLogPlayerColumn = 82;    // 30 characters
inline constexpr int kLogResultColumn = 113;   // "Won" for a won game
inline constexpr int kScorePlayerColumn = 39;  // 30 characters
inline constexpr int kPlayerNameWidth = 30;
inline constexpr std::size_t kLogLineLength = 137; // the shortest whole line of the game log

// A player's won and lost counts of one game.
struct SingleGameCounts {
    long long won = 0;
    long long lost = 0;
};

// The 16 stored characters of a single-game value (before scrambling) for key ("GW-0012" or
// "GL-0012") and count, with fresh filler digits from filler (each call gives 0..8).
std::string SingleGameValue(std::string_view key, long long count, const std::function<int()>& filler);
// The count of an unscrambled 16-character value; nothing when it is not a number or its
// checksum does not match (a zero count with a zero checksum is the valid empty value).
std::optional<long long> SingleGameCount(std::string_view key, std::string_view value);

// The four characters a game log line adds to its player's progress file; nothing for a line
// whose game number or date is not a number.
std::optional<std::string> ProgressEntry(std::string_view logLine);
// The progress entries of the player's whole lines in a game log's content.
std::string ProgressEntries(std::string_view logContent, std::string_view player);

class StatisticsFiles {
public:
    StatisticsFiles(std::filesystem::path folder, RecordsFeedback feedback = {}, FileOperations operations = {});

    const std::filesystem::path& Folder() const { return folder_; }
    const FileOperations& Operations() const { return operations_; }
    // The path of a record file in the folder, whatever the case of its name on disk.
    std::filesystem::path PathOf(std::string_view name) const;
    // The progress file of a player ("Stat_prg_" + name + ".dat").
    std::filesystem::path ProgressPathOf(std::string_view player) const;

    // Before anything is recorded at the end of a game: the missing files with their headers,
    // and the player's progress file rebuilt from the log when it is missing.
    // A read-only or full folder gives one message naming the file that could not be written.
    void EnsureStatisticsFiles(const std::string& player);
    // The same files added to batch: the missing ones with their headers, a missing progress
    // file with its entries from the log as batch holds it.
    void StageStatisticsFiles(RecordBatch& batch, const std::string& player);

    // Adds a won or lost game to the player's single-game values of game (0..7999 only; other
    // numbers change nothing). forceZero writes counts of 0 (used by resets). False when the
    // stored values were corrupted: the file is then deleted with its message and nothing is
    // recorded.
    bool RecordSingleGame(int game, const std::string& player, bool won, bool forceZero = false);
    // The same change added to batch; corrupted values are told at once and the file is
    // deleted with the batch.
    bool StageSingleGame(RecordBatch& batch, int game, const std::string& player, bool won, bool forceZero = false);
    // The player's counts of game; nothing when the stored values are corrupted.
    std::optional<SingleGameCounts> ReadSingleGameValues(const std::string& player, int game) const;

    // Resets records: one game or all games (allGames), of the player or of all players; the
    // game log loses the matching lines and the progress files are derived anew. False when a
    // file could not be changed (the player was told).
    bool ResetStatistics(int game, const std::string& player, bool allGames, bool allPlayers,
                         const LineCounter& counter = {});
    // Carries every record of oldName over to newName. False when a rewrite failed.
    bool RenamePlayerInStatistics(const std::string& oldName, const std::string& newName, const LineCounter& counter);
    // Appends to the player's progress file one entry per whole line of the game log the player
    // played.
    void RebuildProgress(const std::string& player);
    // At start-up: a score file older than version 0300 is rewritten in the new layout; then the
    // preferences file's "S" values of "Cards_Animate" and "ConfirmQuit" become "Y".
    void UpgradeScoreFile(const std::filesystem::path& preferencesFile);
    // Without find: whether any "Stat_e*.dat" exists. With find: whether one of "Stat_e00.dat"
    // .. "Stat_e99.dat" exists; when none does, "Series_e01.dat" is deleted.
    bool CheckExtraStatistics(bool find);

    // One value in section of file: written over the old value in place when the key exists,
    // the section rewritten with the key added at its end when it does not, the section appended
    // when it is missing. False when the file could not be written (the player was told).
    bool WriteIniValue(const std::filesystem::path& file, std::string_view section, std::string_view key,
                       std::string_view value);
    // The values of keys in section (the text after "=" of the first line whose whole text
    // before the "=" is the key, without regard to case), defaults for the keys not found.
    std::vector<std::string> ReadIniValues(const std::filesystem::path& file, std::string_view section,
                                           const std::vector<std::string>& keys,
                                           const std::vector<std::string>& defaults) const;
    // The safe rewrite: copies file line by line through an "rpl" temporary file, replacing
    // oldText found at column (1-based) by newText, counting lines in counter; then the
    // temporary file takes the old file's place. False (with its message) on any failure, the
    // old file left intact.
    bool ReplaceInFile(const std::filesystem::path& file, int column, std::string_view oldText,
                       const LineCounter& counter, std::string_view newText);
    // The general safe rewrite: the file's lines passed through edit (which returns the new
    // lines) into an "rpl" temporary file that then replaces the file. False on any failure.
    bool RewriteFile(const std::filesystem::path& file,
                     const std::function<std::vector<std::string>(const std::vector<std::string>&)>& edit);

    // Commits batch; a failure is told once, naming the file. False on failure.
    bool CommitBatch(RecordBatch& batch);
    // Tells the player through the feedback (nothing when it has no information box).
    void Inform(const std::string& message) const;
    // "Cannot open file " and the path: a record file that could not be opened.
    static std::string CannotOpenMessage(const std::filesystem::path& file);

private:
    // The file's own spelling on disk when it exists in another case.
    static std::filesystem::path Resolved(const std::filesystem::path& file);
    // Deletes a record file that exists; false (with its message) when it stays.
    bool DeleteRecordFile(const std::filesystem::path& file);
    // The lines written through the "rpl" temporary file in file's place.
    bool CommitLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                     const LineCounter& counter);
    // The 16 scrambled characters stored for key and count.
    std::string StoredSingleGameValue(std::string_view key, long long count);
    // The stored single-game values of the chosen players and games set to 0.
    bool ZeroSingleGameValues(const std::function<bool(std::string_view player, int game)>& chosen);
    // The chosen players' progress files emptied and derived from the game log again.
    void RederiveProgress(const std::function<bool(std::string_view player)>& chosen);

    std::filesystem::path folder_;
    RecordsFeedback feedback_;
    FileOperations operations_;
    std::mt19937 filler_; // the filler digits of the single-game values
};

} // namespace marlowe
