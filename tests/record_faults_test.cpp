// The record files under faults: a full disk or a read-only folder at any step of writing a
// finished game, log lines torn by an older version, and damaged files that can be rebuilt.

#include "app/text_helpers.h"
#include "records/game_records.h"
#include "records/log_lines.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

namespace marlowe {
namespace {

namespace fs = std::filesystem;

FinishedGame Game(int number, const std::string& player, bool won, int date)
{
    FinishedGame game;
    game.game = number;
    game.gameName = "Klondike";
    game.dealNumber = "1234567890123";
    game.player = player;
    game.won = won;
    game.score = 50 + date % 100;
    game.seconds = 100;
    game.moves = 40;
    game.scoringType = 1;
    game.date = date;
    game.time = 120000;
    return game;
}

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// Every file of the folder with its content.
std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = Bytes(entry.path());
    return files;
}

// File operations that count every call and fail the one numbered failAt (or every write after
// the first writesBeforeFull, or every temporary file, as a full disk or a read-only folder would).
struct FaultyOperations {
    int calls = 0;
    int failAt = -1;
    int writesBeforeFull = -1;
    bool readOnly = false;

    bool Fails() { return calls++ == failAt; }
    bool DiskFull()
    {
        if (writesBeforeFull < 0)
            return false;
        if (writesBeforeFull == 0)
            return true;
        --writesBeforeFull;
        return false;
    }

    FileOperations Operations()
    {
        FileOperations real;
        FileOperations faulty;
        faulty.createTemp = [this, real](const fs::path& at, std::string_view prefix) {
            return Fails() || readOnly ? fs::path() : real.createTemp(at, prefix);
        };
        faulty.write = [this, real](const fs::path& file, const std::string& text) {
            if (Fails() || DiskFull()) {
                // A full disk takes the first block and refuses the rest.
                real.write(file, text.substr(0, std::min<std::size_t>(text.size(), 4096) / 2));
                return false;
            }
            return real.write(file, text);
        };
        faulty.remove = [this, real](const fs::path& file) { return !Fails() && real.remove(file); };
        faulty.rename = [this, real](const fs::path& from, const fs::path& to) {
            return !Fails() && real.rename(from, to);
        };
        return faulty;
    }
};

class RecordFaults : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::vector<std::string> messages;
    FaultyOperations faults;
    StatisticsFiles files{folder.path(), RecordsFeedback{[this](const std::string& m) { messages.push_back(m); }, {}, {}},
                          faults.Operations()};
    GameRecords records{files};

    // Three games of Anna and one of Bob already recorded.
    void PlayEarlierGames()
    {
        records.Record(Game(12, "Anna", true, 20261201));
        records.Record(Game(12, "Anna", false, 20261202));
        records.Record(Game(3, "Bob", true, 20261203));
        records.Record(Game(3, "Anna", true, 20261204));
        ASSERT_TRUE(messages.empty());
    }
};

TEST_F(RecordFaults, ATornLogLineIsPassedOverAndNeverGluedToTheNext)
{
    PlayEarlierGames();
    const auto log = files.PathOf(kGameLogFile);
    const std::string whole = Bytes(log);
    const std::string torn = FormatLogLine(Game(30, "Anna", true, 20261205)).substr(0, 100);

    // An older version left a torn line with the next game glued to it.
    WriteBytes(log, whole + torn + FormatLogLine(Game(31, "Anna", false, 20261206)) + "\n");
    auto entries = records.ReadLog();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[4].game, 31);
    EXPECT_FALSE(entries[4].won);

    // A torn last line: the next game starts a line of its own and both others stay readable.
    WriteBytes(log, whole + torn);
    EXPECT_EQ(records.ReadLog().size(), 4u);
    records.Record(Game(32, "Anna", true, 20261207));
    entries = records.ReadLog();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[4].game, 32);
    for (const std::string& line : WholeLogLines(Bytes(log)))
        EXPECT_TRUE(ParseLogLine(line)) << line;
    EXPECT_TRUE(Bytes(log).ends_with("\n"));

    // The progress file rebuilt from the log counts the whole lines only.
    fs::remove(files.ProgressPathOf("Anna"));
    WriteBytes(log, whole + torn + FormatLogLine(Game(31, "Anna", false, 20261206)) + "\n" + torn);
    files.EnsureStatisticsFiles("Anna");
    EXPECT_EQ(Bytes(files.ProgressPathOf("Anna")).size(), 4u * 4u);
}

TEST_F(RecordFaults, AFullDiskLeavesEveryFileAsItWasWithOneMessageNamingTheFile)
{
    PlayEarlierGames();
    const auto before = Snapshot(folder.path());
    faults.writesBeforeFull = 3; // the disk fills in the middle of the game's records
    records.Record(Game(12, "Anna", true, 20261205));

    EXPECT_EQ(Snapshot(folder.path()), before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(folder.path().string()), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("not recorded"), std::string::npos) << messages[0];
}

TEST_F(RecordFaults, AReadOnlyFolderGivesOneMessagePerGame)
{
    faults.readOnly = true;
    records.Record(Game(12, "Anna", true, 20261205));
    EXPECT_EQ(messages.size(), 1u);
    files.EnsureStatisticsFiles("Anna"); // a game that does not count
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(RecordFaults, GlobalFiguresCutShortAreCountedAgainFromTheLog)
{
    PlayEarlierGames();
    const auto file = files.PathOf(kGlobalRecordsFile);
    auto text = Bytes(file);
    ASSERT_TRUE(text.ends_with("Last=20261203\n")); // Bob's section comes last
    records.Record(Game(12, "Bob", false, 20261205));
    text = Bytes(file);
    ASSERT_TRUE(text.ends_with("Last=20261205\n"));
    WriteBytes(file, text.substr(0, text.size() - 5)); // "Last=2026": still a number

    records.Record(Game(12, "Bob", true, 20261206));
    const auto bob = records.GlobalFiguresOf("Bob");
    ASSERT_TRUE(bob);
    EXPECT_EQ(bob->played, 3);
    EXPECT_EQ(bob->won, 2);
    EXPECT_EQ(bob->lost, 1);
    EXPECT_EQ(bob->streak, 1);
    EXPECT_EQ(bob->firstDate, 20261203);
    EXPECT_EQ(bob->lastDate, 20261206);
    EXPECT_EQ(records.GlobalFiguresOf("Anna")->played, 3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(file.string()), std::string::npos) << messages[0];
}

TEST_F(RecordFaults, CorruptedSingleGameValuesDoNotKeepTheGameFromTheOtherFiles)
{
    PlayEarlierGames();
    const auto file = files.PathOf(kSingleGameFile);
    const auto text = Bytes(file);
    WriteBytes(file, text.substr(0, text.find("GW-0012=") + 8 + 5)); // cut inside Anna's value

    records.Record(Game(12, "Anna", true, 20261205));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("corrupted"), std::string::npos);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(records.ReadLog().size(), 5u);
    EXPECT_EQ(records.FiguresOf("Anna", 12)->played, 3);
    EXPECT_EQ(records.GlobalFiguresOf("Anna")->played, 4);
    EXPECT_EQ(Bytes(files.ProgressPathOf("Anna")).size(), 4u * 4u);
    EXPECT_EQ(records.HighScores(12).size(), 3u);
}

// Every file operation of one game's records fails in turn: afterwards the files hold the game
// everywhere or nowhere, and every log line is whole.
TEST(RecordFaultInjection, EachFailingStepLeavesTheRecordsWholeAndInAgreement)
{
    const auto prepare = [](const fs::path& at) {
        StatisticsFiles plain(at);
        GameRecords earlier(plain);
        earlier.Record(Game(12, "Anna", true, 20261201));
        earlier.Record(Game(3, "Bob", false, 20261202));
    };
    const FinishedGame game = Game(12, "Anna", false, 20261203);
    // Stat_uni holds random filler digits: it is compared by its counts.
    const auto comparable = [](const fs::path& at) {
        auto files = Snapshot(at);
        files.erase(kSingleGameFile);
        const auto counts = StatisticsFiles(at).ReadSingleGameValues("Anna", 12);
        files["counts"] = counts ? std::to_string(counts->won) + "/" + std::to_string(counts->lost) : "corrupted";
        return files;
    };

    testing::TempFolder clean;
    prepare(clean.path());
    const auto before = comparable(clean.path());
    FaultyOperations counting;
    StatisticsFiles cleanFiles(clean.path(), {}, counting.Operations());
    GameRecords(cleanFiles).Record(game);
    const auto after = comparable(clean.path());
    ASSERT_NE(before, after);
    ASSERT_GT(counting.calls, 10);

    for (int step = 0; step < counting.calls; ++step) {
        testing::TempFolder folder;
        prepare(folder.path());
        FaultyOperations faults;
        faults.failAt = step;
        std::vector<std::string> messages;
        StatisticsFiles files(folder.path(), {[&](const std::string& m) { messages.push_back(m); }, {}, {}},
                              faults.Operations());
        GameRecords(files).Record(game);

        auto state = comparable(folder.path());
        std::erase_if(state, [](const auto& file) { return StartsWith(file.first, "rpl"); });
        EXPECT_TRUE(state == before || state == after) << "step " << step;
        EXPECT_LE(messages.size(), 1u) << "step " << step;
        const std::string log = Bytes(folder / kGameLogFile);
        EXPECT_TRUE(log.ends_with("\n")) << "step " << step;
        EXPECT_EQ(WholeLogLines(log).size(), GameRecords(files).ReadLog().size()) << "step " << step;
    }
}

} // namespace
} // namespace marlowe
