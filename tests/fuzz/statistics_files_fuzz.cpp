// One record file of a data folder, the way the program meets it: the first byte of the input
// chooses which file the rest becomes, then a finished game is recorded into the folder and
// every figure the statistics windows show is read back.
#include "records/game_records.h"
#include "records/statistics_files.h"
#include "scratch_folder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr const char* kPlayer = "Player 1";

marlowe::FinishedGame WonGame()
{
    marlowe::FinishedGame game;
    game.game = 12;
    game.gameName = "Golf";
    game.dealNumber = "0000000000018";
    game.player = kPlayer;
    game.won = true;
    game.score = 120;
    game.seconds = 95;
    game.moves = 40;
    game.date = 20261210;
    game.time = 120000;
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe;
    if (size == 0)
        return 0;
    fuzz::ClearScratchFolder();
    StatisticsFiles files(fuzz::ScratchFolder());
    const std::array<std::string, 7> names = {
        kGameStatisticsFile, kGlobalRecordsFile, kSingleGameFile, kGameLogFile, kScoreFile,
        kSeriesScoreFile, files.ProgressPathOf(kPlayer).filename().string()};
    fuzz::WriteScratchFile(names[data[0] % names.size()], data + 1, size - 1);

    GameRecords records(files);
    records.Record(WonGame());
    (void)records.FiguresOf(kPlayer, 12);
    (void)records.FiguresOf(kPlayer);
    (void)records.Players();
    (void)records.PlayersOf(12);
    (void)records.GlobalFiguresOf(kPlayer);
    (void)records.ReadLog();
    (void)records.HighScores(12);
    (void)files.ReadSingleGameValues(kPlayer, 12);
    files.RebuildProgress(kPlayer);
    return 0;
}
