// Carrying a player's records over to a new name: the name is replaced where each file keeps
// it, and the progress file takes the new name. A name of another length shifts the rest of
// its line.

#include "records/statistics_files.h"

#include "app/text_helpers.h"

namespace marlowe {

bool StatisticsFiles::RenamePlayerInStatistics(const std::string& oldName, const std::string& newName,
                                               const LineCounter& counter)
{
    const auto from = Trim(oldName);
    const auto to = Trim(newName);
    if (counter)
        counter(0);
    if (from == to)
        return true;

    struct Replacement {
        const char* file;
        int column;
        std::string oldText;
        std::string newText;
    };
    // In "STAT.DAT" the name is a key: with its "=" it never matches a longer name.
    const Replacement replacements[] = {
        {kGameStatisticsFile, 1, from + "=", to + "="},
        {kGlobalRecordsFile, 1, "[" + from + "]", "[" + to + "]"},
        {kSingleGameFile, 1, "[" + from + "]", "[" + to + "]"},
        {kGameLogFile, kLogPlayerColumn, PadRight(from, kPlayerNameWidth), PadRight(to, kPlayerNameWidth)},
        {kScoreFile, kScorePlayerColumn, PadRight(from, kPlayerNameWidth), PadRight(to, kPlayerNameWidth)},
        {kSeriesScoreFile, kScorePlayerColumn, PadRight(from, kPlayerNameWidth), PadRight(to, kPlayerNameWidth)},
    };
    for (const auto& replacement : replacements) {
        const auto file = PathOf(replacement.file);
        std::error_code error;
        if (std::filesystem::exists(file, error) &&
            !ReplaceInFile(file, replacement.column, replacement.oldText, counter, replacement.newText))
            return false;
    }

    const auto progress = ProgressPathOf(from);
    const auto renamed = Folder() / ("Stat_prg_" + to + ".dat");
    std::error_code error;
    if (!std::filesystem::exists(progress, error) || progress == renamed)
        return true;
    if (!operations_.rename(progress, renamed)) {
        Inform("Error in renaming the file: " + progress.string() + "\r" + "to:" + " " + renamed.string());
        return false;
    }
    return true;
}

} // namespace marlowe
