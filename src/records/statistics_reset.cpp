// Resetting records: the chosen players' figures of the chosen games set to the reset value,
// their single-game values to zero, their lines taken out of the game log and their progress
// files derived anew from what is left (a chart of games that no longer count would be wrong).
// A log line torn by an interrupted write is left out of the rewritten log.
// Only records that exist are reset; no player gains figures of a game never played.

#include "records/statistics_files.h"

#include "app/text_helpers.h"
#include "records/log_lines.h"

namespace marlowe {

namespace {

bool Exists(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::exists(file, error);
}

} // namespace

bool StatisticsFiles::ResetStatistics(int game, const std::string& player, bool allGames, bool allPlayers,
                                      const LineCounter& counter)
{
    const auto name = Trim(player);
    const auto chosenPlayer = [&](std::string_view other) { return allPlayers || EqualsNoCase(Trim(other), name); };
    const auto chosenGame = [&](std::optional<long long> number) { return allGames || number == game; };

    if (allGames && allPlayers) {
        if (!DeleteRecordFile(PathOf(kGameStatisticsFile)) || !DeleteRecordFile(PathOf(kSingleGameFile)))
            return false;
        EnsureStatisticsFiles(name);
        if (!DeleteRecordFile(PathOf(kGameLogFile)))
            return false;
        RederiveProgress(chosenPlayer);
        return true;
    }

    const auto figures = PathOf(kGameStatisticsFile);
    if (Exists(figures) && !RewriteFile(figures, [&](const std::vector<std::string>& lines) {
            std::vector<std::string> result;
            result.reserve(lines.size());
            bool inChosenGame = false;
            for (const auto& line : lines) {
                if (StartsWith(line, "[")) {
                    const auto section = Trim(line);
                    const auto number = ParseInteger(section.substr(1, section.size() >= 2 ? section.size() - 2 : 0));
                    inChosenGame = number && chosenGame(number);
                    result.push_back(line);
                    continue;
                }
                const auto equals = line.find('=');
                if (inChosenGame && equals != std::string::npos && chosenPlayer(line.substr(0, equals)))
                    result.push_back(line.substr(0, equals + 1) + kResetGameValue);
                else
                    result.push_back(line);
            }
            return result;
        }))
        return false;

    if (!ZeroSingleGameValues([&](std::string_view other, int number) {
            return chosenPlayer(other) && chosenGame(number);
        }))
        return false;

    const auto logFile = PathOf(kGameLogFile);
    if (Exists(logFile)) {
        const auto content = ReadFileBytes(logFile);
        const auto log = content ? std::optional(WholeLogLines(*content)) : std::nullopt;
        if (!log) {
            Inform(CannotOpenMessage(logFile));
            return false;
        }
        std::vector<std::string> kept;
        kept.reserve(log->size());
        for (const auto& line : *log) {
            const bool matches = chosenPlayer(TextColumns(line, kLogPlayerColumn, kPlayerNameWidth)) &&
                                 chosenGame(ParseInteger(TextColumns(line, kLogGameColumn, 4)));
            if (!matches)
                kept.push_back(line);
        }
        if (!CommitLines(logFile, kept, counter))
            return false;
    }
    RederiveProgress(chosenPlayer);
    return true;
}

} // namespace marlowe
