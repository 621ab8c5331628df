// A finished game written into every record file as one batch: each file's new content is
// made from what the batch holds, so the files take the game together or not at all.

#include "records/game_records.h"

#include "app/text_helpers.h"
#include "catalogue/custom_games.h"
#include "records/ini_text.h"
#include "records/log_lines.h"

namespace marlowe {

namespace {

// A file cut short ends inside its last line.
bool EndsInsideALine(const std::string& content)
{
    return !content.empty() && content.back() != '\n';
}

} // namespace

void GameRecords::Record(const FinishedGame& game)
{
    RecordBatch batch(files_.Operations());
    files_.StageStatisticsFiles(batch, game.player);
    if (game.game < kFirstCustomGameNumber)
        files_.StageSingleGame(batch, game.game, game.player, game.won);
    StageGameFigures(batch, game);
    const auto notice = StageGlobalFigures(batch, game);

    const std::string line = FormatLogLine(game);
    const auto logFile = files_.PathOf(kGameLogFile);
    batch.Set(logFile, LogWithLine(batch.Text(logFile).value_or(""), line));
    const auto progress = files_.ProgressPathOf(game.player);
    batch.Set(progress, batch.Text(progress).value_or("") + ProgressEntry(line).value_or(""));
    const auto scores = files_.PathOf(kScoreFile);
    batch.Set(scores, JoinedLines(WithScore(TextLines(batch.Text(scores).value_or("")), game)));

    if (const auto failure = batch.Commit()) {
        std::string message = "The game just finished was not recorded: the file " + failure->file.string() +
                              " could not be written. The records stay as they were before the game.";
        if (failure->notRestored)
            message += " The file " + failure->notRestored->string() + " could not be put back as it was.";
        files_.Inform(message);
        return;
    }
    if (notice)
        files_.Inform(*notice);
}

void GameRecords::StageGameFigures(RecordBatch& batch, const FinishedGame& game) const
{
    const auto file = files_.PathOf(kGameStatisticsFile);
    const std::string text = batch.Text(file).value_or("");
    GameFigures f = GameFiguresIn(TextLines(text), game.player, game.game).value_or(GameFigures{});
    const bool first = f.played == 0;
    ++f.played;
    if (game.won) {
        ++f.won;
        f.currentStreak = f.currentStreak > 0 ? f.currentStreak + 1 : 1;
        f.bestStreak = std::max(f.bestStreak, f.currentStreak);
        if (f.bestSeconds == 0 || game.seconds < f.bestSeconds)
            f.bestSeconds = game.seconds;
    } else {
        ++f.lost;
        f.currentStreak = f.currentStreak < 0 ? f.currentStreak - 1 : -1;
    }
    f.bestScore = first ? game.score : std::max<long long>(f.bestScore, game.score);
    f.totalSeconds += game.seconds;
    batch.Set(file, WithIniValue(text, std::to_string(game.game), game.player, FormatGameFigures(f)));
}

std::optional<std::string> GameRecords::StageGlobalFigures(RecordBatch& batch, const FinishedGame& game) const
{
    const auto file = files_.PathOf(kGlobalRecordsFile);
    const std::string text = batch.Text(file).value_or("");
    const auto lines = TextLines(text);
    auto figures = GlobalFiguresIn(lines, game.player);
    std::optional<std::string> notice;
    const bool hadFigures = HasIniSection(lines, game.player);
    if (!figures && (hadFigures || EndsInsideALine(text))) {
        const auto log = LogEntriesIn(batch.Text(files_.PathOf(kGameLogFile)).value_or(""));
        figures = GlobalFiguresFromLog(log, game.player);
        if (hadFigures || figures->played > 0)
            notice = "The overall figures of " + game.player + " in the file " + file.string() +
                     " were damaged. They have been counted again from the game log.";
    }
    GlobalFigures updated = figures.value_or(GlobalFigures{});
    AddToGlobalFigures(updated, game);
    batch.Set(file, WithGlobalFigures(text, game.player, updated));
    return notice;
}

} // namespace marlowe
