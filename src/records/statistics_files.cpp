// The record files as a family: their names and headers, the progress files derived from the
// game log, the upgrade of an old score file and the extra statistics markers.

#include "records/statistics_files.h"

#include "app/ini_file.h"
#include "app/text_file.h"
#include "app/text_helpers.h"
#include "records/ini_text.h"
#include "records/log_lines.h"

#include <chrono>

namespace marlowe {

namespace {

constexpr const char* kProgressPrefix = "Stat_prg_";
constexpr const char* kProgressSuffix = ".dat";
constexpr const char* kCurrentVersion = "0300";

bool Exists(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::exists(file, error);
}

} // namespace

// The four progress characters of one game log line: the game number and the date's two
// halves as characters, the last one also telling a win (+100) from a loss (+50).
std::optional<std::string> ProgressEntry(std::string_view line)
{
    const auto game = TextColumns(line, kLogGameColumn, 4);
    const auto date = TextColumns(line, kLogDateColumn, 4);
    const auto isNumber = [](const std::string& field) {
        return field.size() == 4 && field.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!isNumber(game) || !isNumber(date))
        return std::nullopt;
    const auto half = [](const std::string& field, std::size_t at) { return std::stoi(field.substr(at, 2)); };
    const bool won = TextColumns(line, kLogResultColumn, 3) == "Won";
    return std::string{static_cast<char>(half(game, 0) + 33), static_cast<char>(half(game, 2) + 33),
                       static_cast<char>(half(date, 0) + 33),
                       static_cast<char>(half(date, 2) + (won ? 100 : 50))};
}

StatisticsFiles::StatisticsFiles(std::filesystem::path folder, RecordsFeedback feedback, FileOperations operations)
    : folder_(std::move(folder)),
      feedback_(std::move(feedback)),
      operations_(std::move(operations)),
      filler_(static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

void StatisticsFiles::Inform(const std::string& message) const
{
    if (feedback_.inform)
        feedback_.inform(message);
}

std::filesystem::path StatisticsFiles::Resolved(const std::filesystem::path& file)
{
    return FindFileNoCase(file.parent_path(), file.filename().string());
}

std::filesystem::path StatisticsFiles::PathOf(std::string_view name) const
{
    return FindFileNoCase(folder_, std::string(name));
}

std::filesystem::path StatisticsFiles::ProgressPathOf(std::string_view player) const
{
    return PathOf(kProgressPrefix + std::string(player) + kProgressSuffix);
}

void StatisticsFiles::StageStatisticsFiles(RecordBatch& batch, const std::string& player)
{
    const std::string version = std::string("Version=") + kCurrentVersion;
    const std::pair<const char*, std::string> headers[] = {
        {kGameStatisticsFile, version},
        {kScoreFile, version},
        {kSeriesScoreFile, version},
        {kGlobalRecordsFile, std::string("VOvS=") + kCurrentVersion},
    };
    for (const auto& [name, line] : headers) {
        const auto file = PathOf(name);
        if (!Exists(file))
            batch.Set(file, JoinedLines({"[Version]", line}));
    }
    const auto progress = ProgressPathOf(player);
    if (!Exists(progress))
        batch.Set(progress, ProgressEntries(batch.Text(PathOf(kGameLogFile)).value_or(""), player));
}

void StatisticsFiles::EnsureStatisticsFiles(const std::string& player)
{
    RecordBatch batch(operations_);
    StageStatisticsFiles(batch, player);
    CommitBatch(batch);
}

bool StatisticsFiles::CommitBatch(RecordBatch& batch)
{
    const auto failure = batch.Commit();
    if (!failure)
        return true;
    Inform("The file " + failure->file.string() + " could not be written; the records stay as they were.");
    return false;
}

std::string ProgressEntries(std::string_view logContent, std::string_view player)
{
    const auto name = Trim(player);
    std::string entries;
    for (const auto& line : WholeLogLines(logContent)) {
        if (Trim(TextColumns(line, kLogPlayerColumn, kPlayerNameWidth)) != name)
            continue;
        if (const auto entry = ProgressEntry(line))
            entries += *entry;
    }
    return entries;
}

void StatisticsFiles::RebuildProgress(const std::string& player)
{
    RecordBatch batch(operations_);
    const auto log = batch.Text(PathOf(kGameLogFile));
    const auto progress = ProgressPathOf(player);
    const auto before = batch.Text(progress);
    if (!log || !before)
        return;
    batch.Set(progress, *before + ProgressEntries(*log, player));
    CommitBatch(batch);
}

void StatisticsFiles::RederiveProgress(const std::function<bool(std::string_view player)>& chosen)
{
    const auto prefix = ToLowerAscii(kProgressPrefix);
    const auto suffix = ToLowerAscii(kProgressSuffix);
    RecordBatch batch(operations_);
    const std::string log = batch.Text(PathOf(kGameLogFile)).value_or("");
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const auto name = it->path().filename().string();
        const auto lower = ToLowerAscii(name);
        if (lower.size() < prefix.size() + suffix.size() || !StartsWith(lower, prefix) ||
            lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const auto player = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (chosen(player))
            batch.Set(ProgressPathOf(player), ProgressEntries(log, player));
    }
    CommitBatch(batch);
}

void StatisticsFiles::UpgradeScoreFile(const std::filesystem::path& preferencesFile)
{
    const auto file = PathOf(kScoreFile);
    if (!Exists(file))
        return;
    const auto version = ParseInteger(ReadIniValues(file, "Version", {"Version"}, {"0000"})[0]);
    if (!version || *version >= std::stoi(kCurrentVersion))
        return;
    const bool upgraded = RewriteFile(file, [](const std::vector<std::string>& lines) {
        std::vector<std::string> result{"[Version]", std::string("Version=") + kCurrentVersion, ""};
        for (const auto& line : lines) {
            if (EqualsNoCase(Trim(line), "[Version]") || EqualsNoCase(line.substr(0, 8), "Version="))
                continue;
            // Old score lines gain the marker column of the new layout.
            result.push_back(StartsWith(line, "0") ? PadRight(line, 89) + " x" : line);
        }
        return result;
    });
    if (!upgraded)
        return;
    IniFile preferences(preferencesFile);
    bool changed = false;
    for (const char* key : {"Cards_Animate", "ConfirmQuit"}) {
        if (preferences.ReadString("Preference", key, "") == "S") {
            preferences.WriteString("Preference", key, "Y");
            changed = true;
        }
    }
    if (changed && !preferences.Save())
        Inform(CannotOpenMessage(preferencesFile));
}

bool StatisticsFiles::CheckExtraStatistics(bool find)
{
    if (!find) {
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
            const auto lower = ToLowerAscii(it->path().filename().string());
            if (StartsWith(lower, "stat_e") && lower.size() >= 10 && lower.compare(lower.size() - 4, 4, ".dat") == 0)
                return true;
        }
        return false;
    }
    for (int n = 0; n <= 99; ++n)
        if (Exists(PathOf("Stat_e" + ZeroPad(n, 2) + ".dat")))
            return true;
    DeleteRecordFile(PathOf("Series_e01.dat"));
    return false;
}

} // namespace marlowe
