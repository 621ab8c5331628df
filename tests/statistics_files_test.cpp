// The record files: headers, single-game values and their tamper check, values written in
// place, renames and resets across every file, progress files, the score file upgrade and the
// safe rewrite under failing file operations.

#include "records/statistics_files.h"

#include "app/ini_file.h"
#include "app/system_helpers.h"
#include "app/text_file.h"
#include "app/text_helpers.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace marlowe {
namespace {

using testing::TempFolder;

const std::string kCorruptionMessage =
    "It appears as if the Internet Single Game Values are incorrect or corrupted.\r"
    "The Internet Single Game Values will be deleted and reset to zero.";

std::string Bytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// A game log line with the date, game, player and result at their columns.
std::string LogLine(const std::string& date, int game, const std::string& player, bool won)
{
    std::string line(120, ' ');
    line = ReplaceField(line, 1, 8, date);
    line = ReplaceField(line, kLogGameColumn, 4, ZeroPad(game, 4));
    line = ReplaceField(line, kLogPlayerColumn, kPlayerNameWidth, PadRight(player, kPlayerNameWidth));
    return ReplaceField(line, kLogResultColumn, 4, won ? "Won " : "Lost");
}

std::string ScoreLine(const std::string& player)
{
    return ReplaceField(std::string(90, '0'), kScorePlayerColumn, kPlayerNameWidth, PadRight(player, kPlayerNameWidth));
}

// The player's messages, waits and hourglass as the records showed them.
struct Shown {
    std::vector<std::string> messages;
    std::vector<int> waits;
    std::vector<bool> busy;

    RecordsFeedback Feedback()
    {
        return {[this](const std::string& m) { messages.push_back(m); }, [this](bool on) { busy.push_back(on); },
                [this](int ms) { waits.push_back(ms); }};
    }
};

std::string Unscrambled(const StatisticsFiles& files, const std::string& player, const std::string& key)
{
    const auto stored = files.ReadIniValues(files.PathOf(kSingleGameFile), player, {key}, {""})[0];
    return ScrambleSub(stored, "72946");
}

TEST(StatisticsFiles, FirstGameCreatesEveryFileWithItsHeaderOnce)
{
    TempFolder folder;
    WriteBytes(folder / "series_SCR.dat", "[Version]\nVersion=0300\nkept\n");
    StatisticsFiles files(folder.path());
    files.EnsureStatisticsFiles("Anna");

    const std::vector<std::string> versionHeader{"[Version]", "Version=0300"};
    EXPECT_EQ(ReadTextLines(folder / "STAT.DAT"), versionHeader);
    EXPECT_EQ(ReadTextLines(folder / "STAT_SCR.DAT"), versionHeader);
    EXPECT_EQ(ReadTextLines(folder / "Stat_glo.dat"), (std::vector<std::string>{"[Version]", "VOvS=0300"}));
    EXPECT_FALSE(std::filesystem::exists(folder / "Series_scr.dat")) << "found without regard to case";
    EXPECT_EQ(Bytes(folder / "series_SCR.dat"), "[Version]\nVersion=0300\nkept\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "Stat_prg_Anna.dat"));
    EXPECT_EQ(Bytes(folder / "Stat_prg_Anna.dat"), "");
}

TEST(StatisticsSingleGame, ValueLayoutAndChecksum)
{
    const auto sevens = [] { return 7; };
    const auto won = SingleGameValue("GW-0012", 123456, sevens);
    const auto lost = SingleGameValue("GL-0012", 123456, sevens);
    EXPECT_EQ(won.substr(0, 10), "7127347567");
    EXPECT_EQ(lost.substr(0, 10), "7712734756");
    EXPECT_EQ(won.substr(10), ZeroPad(TextChecksum("GW-0012" + won.substr(0, 10)), 6));
    EXPECT_EQ(SingleGameCount("GW-0012", won), 123456);
    EXPECT_EQ(SingleGameCount("GL-0012", lost), 123456);
    EXPECT_EQ(SingleGameCount("GW-0013", won), std::nullopt) << "the checksum covers the key";
    EXPECT_EQ(SingleGameCount("GW-0012", "8" + won.substr(1)), std::nullopt) << "filler digits are covered too";
    EXPECT_EQ(SingleGameCount("GW-0012", std::string(30, '0')), 0) << "the empty value";
    EXPECT_EQ(SingleGameCount("GW-0012", "7x27347567" + won.substr(10)), std::nullopt);
}

TEST(StatisticsSingleGame, WonGameCountsAndReadsBack)
{
    TempFolder folder;
    StatisticsFiles files(folder.path());
    ASSERT_TRUE(files.RecordSingleGame(12, "Anna", true));

    for (const auto& [key, count] : {std::pair{std::string("GW-0012"), 1}, std::pair{std::string("GL-0012"), 0}}) {
        const auto value = Unscrambled(files, "Anna", key);
        ASSERT_EQ(value.size(), 16u) << key;
        EXPECT_EQ(value.substr(10), ZeroPad(TextChecksum(key + value.substr(0, 10)), 6)) << key;
        EXPECT_EQ(SingleGameCount(key, value), count) << key;
    }
    ASSERT_TRUE(files.RecordSingleGame(12, "Anna", false));
    ASSERT_TRUE(files.RecordSingleGame(12, "Anna", true));
    const auto counts = files.ReadSingleGameValues("Anna", 12);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->won, 2);
    EXPECT_EQ(counts->lost, 1);
    EXPECT_EQ(files.ReadSingleGameValues("Bob", 12)->won, 0);
}

TEST(StatisticsSingleGame, ChangedCharacterDiscardsTheFile)
{
    TempFolder folder;
    Shown shown;
    StatisticsFiles files(folder.path(), shown.Feedback());
    ASSERT_TRUE(files.RecordSingleGame(12, "Anna", true));
    auto bytes = Bytes(folder / kSingleGameFile);
    const auto at = bytes.find("GW-0012=") + 8 + 7; // the count's last digit
    bytes[at] = static_cast<char>(bytes[at] + 1);
    WriteBytes(folder / kSingleGameFile, bytes);

    EXPECT_FALSE(files.RecordSingleGame(12, "Anna", true));
    EXPECT_FALSE(std::filesystem::exists(folder / kSingleGameFile));
    EXPECT_EQ(shown.messages, std::vector<std::string>{kCorruptionMessage});
    EXPECT_EQ(shown.waits, std::vector<int>{2000});
}

TEST(StatisticsSingleGame, CustomGamesNeverTouchTheFile)
{
    TempFolder folder;
    StatisticsFiles files(folder.path());
    EXPECT_TRUE(files.RecordSingleGame(8000, "Anna", true));
    EXPECT_FALSE(std::filesystem::exists(folder / kSingleGameFile));
    WriteBytes(folder / "stat_uni.DAT", "[Anna]\n");
    EXPECT_TRUE(files.RecordSingleGame(8123, "Anna", false));
    EXPECT_EQ(Bytes(folder / "stat_uni.DAT"), "[Anna]\n");
}

TEST(StatisticsIniValues, WritesInPlaceRewritesOrAppends)
{
    TempFolder folder;
    FileOperations noTemp;
    int tempsMade = 0;
    noTemp.createTemp = [&](const std::filesystem::path& at, std::string_view prefix) {
        ++tempsMade;
        return TempFileName(at, prefix);
    };
    Shown shown;
    StatisticsFiles files(folder.path(), shown.Feedback(), noTemp);
    const auto file = folder / "x.dat";
    WriteBytes(file, "[A]\r\nAnnabel=111\r\nAnna=222\r\n\r\n[B]\r\nAnna=333\r\n");

    EXPECT_TRUE(files.WriteIniValue(file, "a", "anna", "999"));
    EXPECT_EQ(Bytes(file), "[A]\r\nAnnabel=111\r\nAnna=999\r\n\r\n[B]\r\nAnna=333\r\n");
    EXPECT_EQ(tempsMade, 0) << "same width: written in place";

    EXPECT_TRUE(files.WriteIniValue(file, "B", "Anna", "44"));
    EXPECT_EQ(Bytes(file), "[A]\nAnnabel=111\nAnna=999\n\n[B]\nAnna=44\n");
    EXPECT_TRUE(files.WriteIniValue(file, "A", "Bob", "5"));
    EXPECT_EQ(Bytes(file), "[A]\nAnnabel=111\nAnna=999\nBob=5\n\n[B]\nAnna=44\n");
    EXPECT_EQ(tempsMade, 2);

    WriteBytes(file, "[A]\nk=1");
    EXPECT_TRUE(files.WriteIniValue(file, "C", "k", "2"));
    EXPECT_EQ(Bytes(file), "[A]\nk=1\n[C]\nk=2\n");
    EXPECT_EQ(files.ReadIniValues(file, "c", {"K", "none"}, {"d1", "d2"}), (std::vector<std::string>{"2", "d2"}));
    EXPECT_TRUE(shown.messages.empty());

    const auto unreachable = folder / "missing" / "x.dat";
    EXPECT_FALSE(files.WriteIniValue(unreachable, "A", "k", "1"));
    EXPECT_EQ(shown.messages, std::vector<std::string>{"Cannot open file " + unreachable.string()});
}

const std::string figures = "000001 000001 000000 000001 000001 000100 000000000060 000000000060";

// Every record file holding Anna, Annabel and Bob.
void WriteRecords(const TempFolder& folder, StatisticsFiles& files)
{
    folder.Write("STAT.DAT", {"[Version]", "Version=0300", "[12]", "Anna=" + figures, "Annabel=" + figures,
                              "Bob=" + figures, "[30]", "Anna=" + figures, "Bob=" + figures});
    folder.Write("Stat_glo.dat", {"[Version]", "VOvS=0300", "[Anna]", "Played=000002", "[Bob]", "Played=000002"});
    folder.Write("Stat_log.dat", {LogLine("20260312", 12, "Anna", true), LogLine("20260313", 30, "Anna", false),
                                  LogLine("20260314", 12, "Bob", true), LogLine("20260315", 30, "Bob", false),
                                  LogLine("20260316", 12, "Annabel", true)});
    folder.Write("STAT_SCR.DAT", {"[Version]", "Version=0300", "", ScoreLine("Anna"), ScoreLine("Bob")});
    folder.Write("Series_scr.dat", {"[Version]", "Version=0300", "", ScoreLine("Anna")});
    for (const auto& player : {"Anna", "Bob"})
        for (const int game : {12, 30})
            files.RecordSingleGame(game, player, true);
    files.EnsureStatisticsFiles("Anna");
    files.EnsureStatisticsFiles("Bob");
}

TEST(StatisticsRename, CarriesRecordsOverInEveryFile)
{
    for (const std::string newName : {"Bert", "Berthold"}) {
        SCOPED_TRACE(newName);
        TempFolder folder;
        StatisticsFiles files(folder.path());
        WriteRecords(folder, files);
        const auto progress = Bytes(folder / "Stat_prg_Anna.dat");
        const auto oldLog = ReadTextLines(folder / "Stat_log.dat").value();
        std::vector<long long> counted;

        ASSERT_TRUE(files.RenamePlayerInStatistics(" Anna ", newName + " ", [&](long long n) { counted.push_back(n); }));

        ASSERT_FALSE(counted.empty());
        EXPECT_EQ(counted.front(), 0);
        const auto stat = ReadTextLines(folder / "STAT.DAT").value();
        EXPECT_EQ(stat[3], newName + "=" + figures) << "the rest of the line shifted";
        EXPECT_TRUE(StartsWith(stat[4], "Annabel=")) << "a longer name is another player";
        EXPECT_TRUE(StartsWith(stat[7], newName + "="));
        EXPECT_EQ(ReadTextLines(folder / "Stat_glo.dat").value()[2], "[" + newName + "]");
        EXPECT_EQ(files.ReadSingleGameValues(newName, 30)->won, 1);
        EXPECT_EQ(files.ReadSingleGameValues("Anna", 30)->won, 0);

        const auto log = ReadTextLines(folder / "Stat_log.dat").value();
        EXPECT_EQ(log[0], ReplaceField(oldLog[0], kLogPlayerColumn, 30, PadRight(newName, 30)));
        EXPECT_EQ(log[4], oldLog[4]);
        for (const auto& scores : {"STAT_SCR.DAT", "Series_scr.dat"})
            EXPECT_EQ(ReadTextLines(folder / scores).value()[3], ScoreLine(newName)) << scores;
        EXPECT_EQ(ReadTextLines(folder / "STAT_SCR.DAT").value()[4], ScoreLine("Bob"));

        EXPECT_FALSE(std::filesystem::exists(folder / "Stat_prg_Anna.dat"));
        EXPECT_EQ(Bytes(folder / ("Stat_prg_" + newName + ".dat")), progress);
    }
}

TEST(StatisticsRename, CountsLinesEveryTenAndAtTheEnd)
{
    TempFolder folder;
    StatisticsFiles files(folder.path());
    folder.Write("Stat_log.dat", std::vector<std::string>(25, LogLine("20260312", 1, "Anna", true)));
    std::vector<long long> counted;
    ASSERT_TRUE(files.RenamePlayerInStatistics("Anna", "Bob", [&](long long n) { counted.push_back(n); }));
    EXPECT_EQ(counted, (std::vector<long long>{0, 10, 20, 25}));
}

TEST(StatisticsReset, EachKindResetsOnlyItsRecords)
{
    const std::string reset = kResetGameValue;
    struct Case {
        const char* name;
        bool allGames;
        bool allPlayers;
        std::vector<std::pair<std::string, int>> resetRecords; // (player, game)
    };
    const Case cases[] = {
        {"one game, one player", false, false, {{"Anna", 12}}},
        {"all games, one player", true, false, {{"Anna", 12}, {"Anna", 30}}},
        {"one game, all players", false, true, {{"Anna", 12}, {"Bob", 12}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        StatisticsFiles files(folder.path());
        WriteRecords(folder, files);
        ASSERT_TRUE(files.ResetStatistics(12, " Anna ", c.allGames, c.allPlayers));

        std::size_t logLines = 0;
        for (const auto& player : {"Anna", "Bob"}) {
            std::size_t progress = 0;
            for (const int game : {12, 30}) {
                const bool isReset = std::find(c.resetRecords.begin(), c.resetRecords.end(),
                                               std::pair<std::string, int>{player, game}) != c.resetRecords.end();
                const auto value =
                    files.ReadIniValues(folder / "STAT.DAT", std::to_string(game), {player}, {""})[0];
                EXPECT_EQ(value == reset, isReset) << player << " " << game;
                EXPECT_EQ(files.ReadSingleGameValues(player, game)->won, isReset ? 0 : 1) << player << " " << game;
                logLines += isReset ? 0 : 1;
                progress += isReset ? 0 : 4;
            }
            EXPECT_EQ(Bytes(files.ProgressPathOf(player)).size(), progress) << player;
        }
        const std::size_t annabel = c.allPlayers ? 0 : 1; // her game 12 goes only with all players
        EXPECT_EQ(ReadTextLines(folder / "Stat_log.dat")->size(), logLines + annabel);
    }
}

TEST(StatisticsReset, EverythingLeavesEmptyFiles)
{
    TempFolder folder;
    StatisticsFiles files(folder.path());
    WriteRecords(folder, files);
    ASSERT_TRUE(files.ResetStatistics(0, "Anna", true, true));
    EXPECT_EQ(ReadTextLines(folder / "STAT.DAT"), (std::vector<std::string>{"[Version]", "Version=0300"}));
    EXPECT_FALSE(std::filesystem::exists(folder / kSingleGameFile));
    EXPECT_FALSE(std::filesystem::exists(folder / kGameLogFile));
    EXPECT_EQ(Bytes(folder / "Stat_prg_Anna.dat"), "");
    EXPECT_EQ(Bytes(folder / "Stat_prg_Bob.dat"), "");
}

TEST(StatisticsProgress, RebuiltFromThePlayersLogLines)
{
    TempFolder folder;
    folder.Write("stat_LOG.dat", {LogLine("20260312", 12, "Anna", true), LogLine("20260312", 12, "Bob", true),
                                  LogLine("19991105", 4512, "Anna", false), "short line"});
    StatisticsFiles files(folder.path());
    files.EnsureStatisticsFiles("Anna");
    // "00"+33, "12"+33, "26"+33, "03"+100 | "45"+33, "12"+33, "99"+33, "11"+50
    EXPECT_EQ(Bytes(folder / "Stat_prg_Anna.dat"), std::string("!-;g") + "N-\x84=");
    files.EnsureStatisticsFiles("Anna");
    EXPECT_EQ(Bytes(folder / "Stat_prg_Anna.dat").size(), 8u) << "an existing progress file is kept";
}

TEST(StatisticsUpgrade, OldScoreFileAndPreferences)
{
    TempFolder folder;
    const std::string oldScore = "0001234 Anna";
    folder.Write("stat_scr.dat", {"[Version]", "Version=0200", oldScore, "  other", std::string(95, '0')});
    folder.Write("Cfg.dat", {"[Preference]", "Cards_Animate=S", "ConfirmQuit=S", "Sounds_Enabled=S"});
    StatisticsFiles files(folder.path());
    files.UpgradeScoreFile(folder / "Cfg.dat");

    EXPECT_EQ(ReadTextLines(folder / "stat_scr.dat"),
              (std::vector<std::string>{"[Version]", "Version=0300", "", PadRight(oldScore, 89) + " x", "  other",
                                        std::string(89, '0') + " x"}));
    const IniFile preferences(folder / "Cfg.dat");
    EXPECT_EQ(preferences.ReadString("Preference", "Cards_Animate", ""), "Y");
    EXPECT_EQ(preferences.ReadString("Preference", "ConfirmQuit", ""), "Y");
    EXPECT_EQ(preferences.ReadString("Preference", "Sounds_Enabled", ""), "S");

    const auto upgraded = Bytes(folder / "stat_scr.dat");
    files.UpgradeScoreFile(folder / "Cfg.dat");
    EXPECT_EQ(Bytes(folder / "stat_scr.dat"), upgraded) << "a current file stays";
}

TEST(StatisticsExtraFiles, MarkersAndTheSeriesFile)
{
    TempFolder folder;
    StatisticsFiles files(folder.path());
    folder.Write("Series_e01.dat", {"x"});
    folder.Write("Stat_eXY.dat", {"x"});
    EXPECT_TRUE(files.CheckExtraStatistics(false));
    EXPECT_FALSE(files.CheckExtraStatistics(true));
    EXPECT_FALSE(std::filesystem::exists(folder / "Series_e01.dat"));
    folder.Write("stat_E42.DAT", {"x"});
    EXPECT_TRUE(files.CheckExtraStatistics(true));
}

// File operations that fail on demand and remember what was deleted.
struct FailingOperations {
    bool failTemp = false;
    bool failRemove = false;
    bool failRename = false;
    std::vector<std::filesystem::path> removed;

    FileOperations Operations()
    {
        FileOperations real;
        FileOperations operations;
        operations.createTemp = [this, real](const std::filesystem::path& at, std::string_view prefix) {
            return failTemp ? std::filesystem::path() : real.createTemp(at, prefix);
        };
        operations.remove = [this, real](const std::filesystem::path& file) {
            removed.push_back(file);
            return !failRemove && real.remove(file);
        };
        operations.rename = [this, real](const std::filesystem::path& from, const std::filesystem::path& to) {
            return !failRename && real.rename(from, to);
        };
        return operations;
    }
};

TEST(StatisticsSafeRewrite, EveryFailureKeepsTheOldFile)
{
    TempFolder folder;
    const auto file = folder / "Stat_log.dat";
    const std::string original = LogLine("20260312", 12, "Anna", true) + "\r\n";

    const auto attempt = [&](FailingOperations& failing, Shown& shown) {
        WriteBytes(file, original);
        StatisticsFiles files(folder.path(), shown.Feedback(), failing.Operations());
        const bool done = files.ReplaceInFile(file, kLogPlayerColumn, "Anna", {}, "Bert");
        EXPECT_EQ(Bytes(file), original);
        EXPECT_EQ(shown.busy, (std::vector<bool>{true, false}));
        return done;
    };
    {
        FailingOperations failing;
        failing.failTemp = true;
        Shown shown;
        EXPECT_FALSE(attempt(failing, shown));
        EXPECT_EQ(shown.messages, std::vector<std::string>{"Error creating temp file."});
    }
    {
        FailingOperations failing;
        failing.failRename = true;
        Shown shown;
        EXPECT_FALSE(attempt(failing, shown));
        ASSERT_EQ(shown.messages.size(), 1u);
        EXPECT_TRUE(StartsWith(shown.messages[0], "Error in renaming the file: " + (folder / "rpl").string()));
        EXPECT_TRUE(shown.messages[0].ends_with("\rto: " + file.string()));
        ASSERT_EQ(failing.removed.size(), 1u) << "only the temporary file is tidied away";
        EXPECT_NE(failing.removed[0], file);
    }
    {
        Shown shown;
        FileOperations unwritable;
        unwritable.createTemp = [&](const std::filesystem::path&, std::string_view) { return folder / "no" / "rplX"; };
        WriteBytes(file, original);
        StatisticsFiles files(folder.path(), shown.Feedback(), unwritable);
        EXPECT_FALSE(files.ReplaceInFile(file, kLogPlayerColumn, "Anna", {}, "Bert"));
        EXPECT_EQ(Bytes(file), original);
        EXPECT_EQ(shown.messages, std::vector<std::string>{"Write error on file"});
    }
    {
        // The rename replaces the old file in one step: a rewrite never deletes it first.
        FailingOperations failing;
        failing.failRemove = true;
        Shown shown;
        WriteBytes(file, original);
        const auto access = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                            std::filesystem::perms::group_read | std::filesystem::perms::others_read;
        std::filesystem::permissions(file, access);
        StatisticsFiles files(folder.path(), shown.Feedback(), failing.Operations());
        EXPECT_TRUE(files.ReplaceInFile(file, kLogPlayerColumn, "Anna", {}, "Bert"));
        EXPECT_TRUE(failing.removed.empty());
        EXPECT_EQ(std::filesystem::status(file).permissions(), access);
        EXPECT_EQ(TextColumns(Bytes(file), kLogPlayerColumn, 4), "Bert");
        EXPECT_TRUE(shown.messages.empty());
    }
    std::size_t leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        leftovers += StartsWith(entry.path().filename().string(), "rpl") ? 1 : 0;
    EXPECT_EQ(leftovers, 0u);
}

TEST(StatisticsSafeRewrite, UndeletableFileStaysWithItsMessage)
{
    TempFolder folder;
    FailingOperations failing;
    failing.failRemove = true;
    Shown shown;
    StatisticsFiles files(folder.path(), shown.Feedback(), failing.Operations());
    WriteRecords(folder, files);
    const auto before = Bytes(folder / "STAT.DAT");

    EXPECT_FALSE(files.ResetStatistics(0, "Anna", true, true));
    EXPECT_EQ(Bytes(folder / "STAT.DAT"), before);
    EXPECT_EQ(shown.messages, std::vector<std::string>{"Error in deleting the file: " + (folder / "STAT.DAT").string()});
}

} // namespace
} // namespace marlowe
