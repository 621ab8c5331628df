#include "records/game_records.h"

#include "app/text_file.h"
#include "app/text_helpers.h"
#include "catalogue/custom_games.h"
#include "records/ini_text.h"
#include "records/log_lines.h"

#include <algorithm>
#include <set>

namespace marlowe {

namespace {

constexpr std::size_t kBestScoresPerGame = 10;

// A count kept in a fixed-width field: it stops at the largest value the field holds.
std::string Field(long long value, int width)
{
    long long largest = IntPower(10, width) - 1;
    long long smallest = -(IntPower(10, width - 1) - 1);
    return ZeroPad(std::clamp(value, smallest, largest), width);
}

std::string ClockText(int hhmmss)
{
    const std::string digits = ZeroPad(hhmmss, 6);
    return digits.substr(0, 2) + ":" + digits.substr(2, 2) + ":" + digits.substr(4, 2);
}

std::optional<int> ParseClock(std::string_view text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    std::string digits;
    digits.append(text.substr(0, 2)).append(text.substr(3, 2)).append(text.substr(6, 2));
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return static_cast<int>(*ParseInteger(digits));
}

// Fields of a fixed-column line, 1-based, reporting a field that does not read.
class LineReader {
public:
    explicit LineReader(std::string_view line) : line_(line) {}
    std::string Text(std::size_t column, std::size_t width) const
    {
        return TrimRight(TextColumns(line_, column, width));
    }
    // A number field; a field entirely past the end of the line reads as 0.
    long long Number(std::size_t column, std::size_t width)
    {
        const std::string text = Trim(TextColumns(line_, column, width));
        if (text.empty() && column > line_.size())
            return 0;
        const auto value = ParseInteger(text);
        if (!value)
            good_ = false;
        return value.value_or(0);
    }
    bool Good() const { return good_; }

private:
    std::string_view line_;
    bool good_ = true;
};

// Whether a score ranks above another; equal scores keep their order, so the earlier game stays ahead.
bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b)
{
    return a.score > b.score;
}

bool IsScoreHeader(const std::string& line)
{
    return line.empty() || StartsWith(line, "[") || StartsWith(ToLowerAscii(line), "version=");
}

} // namespace

std::string FormatLogLine(const FinishedGame& game)
{
    std::string line;
    line += Field(game.date, 8) + " " + ClockText(game.time) + " " + Field(game.scoringType, 2) + "     ";
    line += Field(game.game, 4) + " " + PadRight(game.dealNumber, 13) + " " + PadRight(game.gameName, 36) + " ";
    line += PadRight(game.player, kPlayerNameWidth) + " " + (game.won ? "Won " : "Lost") + " ";
    line += Field(game.score, 6) + " " + Field(game.seconds, 6) + " " + Field(game.moves, 6);
    return line;
}

std::optional<LogEntry> ParseLogLine(std::string_view line)
{
    if (line.size() < static_cast<std::size_t>(kLogResultColumn) + 2)
        return std::nullopt;
    LineReader reader(line);
    LogEntry entry;
    entry.date = static_cast<int>(reader.Number(1, 8));
    const auto time = ParseClock(TextColumns(line, 10, 8));
    entry.time = time.value_or(0);
    entry.scoringType = static_cast<int>(reader.Number(19, 2));
    entry.game = static_cast<int>(reader.Number(kLogGameColumn, 4));
    entry.dealNumber = Trim(TextColumns(line, 31, 13));
    entry.gameName = reader.Text(45, 36);
    entry.player = Trim(TextColumns(line, kLogPlayerColumn, kPlayerNameWidth));
    entry.won = TextColumns(line, kLogResultColumn, 3) == "Won";
    entry.score = static_cast<int>(reader.Number(118, 6));
    entry.seconds = static_cast<int>(reader.Number(125, 6));
    entry.moves = static_cast<int>(reader.Number(132, 6));
    if (!reader.Good() || !time || entry.player.empty())
        return std::nullopt;
    return entry;
}

std::string FormatGameFigures(const GameFigures& f)
{
    return Field(f.played, 6) + " " + Field(f.won, 6) + " " + Field(f.lost, 6) + " " + Field(f.currentStreak, 6) + " " +
           Field(f.bestStreak, 6) + " " + Field(f.bestScore, 6) + " " + Field(f.totalSeconds, 12) + " " +
           Field(f.bestSeconds, 12);
}

std::optional<GameFigures> ParseGameFigures(std::string_view value)
{
    const std::string text = Trim(value);
    if (text.size() != std::string_view(kResetGameValue).size())
        return std::nullopt;
    LineReader reader(text);
    GameFigures f;
    f.played = reader.Number(1, 6);
    f.won = reader.Number(8, 6);
    f.lost = reader.Number(15, 6);
    f.currentStreak = reader.Number(22, 6);
    f.bestStreak = reader.Number(29, 6);
    f.bestScore = reader.Number(36, 6);
    f.totalSeconds = reader.Number(43, 12);
    f.bestSeconds = reader.Number(56, 12);
    if (!reader.Good())
        return std::nullopt;
    return f;
}

std::string FormatScoreLine(const FinishedGame& game)
{
    return Field(game.score, 6) + " " + Field(game.game, 4) + " " + Field(game.date, 8) + " " + ClockText(game.time) +
           " " + Field(game.seconds, 6) + "  " + PadRight(game.player, kPlayerNameWidth) + " " +
           PadRight(game.dealNumber, 13) + " " + Field(game.moves, 6) + " x";
}

std::optional<ScoreEntry> ParseScoreLine(std::string_view line)
{
    if (line.size() < static_cast<std::size_t>(kScorePlayerColumn + kPlayerNameWidth - 1))
        return std::nullopt;
    LineReader reader(line);
    ScoreEntry entry;
    entry.score = static_cast<int>(reader.Number(1, 6));
    entry.game = static_cast<int>(reader.Number(8, 4));
    entry.date = static_cast<int>(reader.Number(13, 8));
    entry.time = ParseClock(TextColumns(line, 22, 8)).value_or(0);
    entry.seconds = static_cast<int>(reader.Number(31, 6));
    entry.player = Trim(TextColumns(line, kScorePlayerColumn, kPlayerNameWidth));
    entry.dealNumber = Trim(TextColumns(line, 70, 13));
    entry.moves = static_cast<int>(reader.Number(84, 6));
    entry.won = true;
    if (!reader.Good() || entry.player.empty())
        return std::nullopt;
    return entry;
}

bool GameCounts(int game, bool randomDeal, bool statisticsDisabled, bool playerMoved)
{
    return game >= 0 && game <= 9999 && randomDeal && !statisticsDisabled && playerMoved;
}

void AddToGlobalFigures(GlobalFigures& g, const FinishedGame& game)
{
    ++g.played;
    if (game.won) {
        ++g.won;
        g.streak = g.streak > 0 ? g.streak + 1 : 1;
        g.bestStreak = std::max(g.bestStreak, g.streak);
    } else {
        ++g.lost;
        g.streak = g.streak < 0 ? g.streak - 1 : -1;
    }
    g.seconds += game.seconds;
    if (g.firstDate == 0)
        g.firstDate = game.date;
    g.lastDate = game.date;
}

std::vector<std::string> GameRecords::PlayersWithGlobalFigures() const
{
    std::vector<std::string> players;
    if (const auto lines = ReadTextLines(files_.PathOf(kGlobalRecordsFile)))
        for (const std::string& line : *lines)
            if (StartsWith(line, "[") && line.find(']') != std::string::npos) {
                const std::string name = line.substr(1, line.find(']') - 1);
                if (!EqualsNoCase(name, "Version"))
                    players.push_back(name);
            }
    return players;
}

GlobalFigures GlobalFiguresFromLog(const std::vector<LogEntry>& log, const std::string& player)
{
    GlobalFigures figures;
    for (const LogEntry& entry : log)
        if (EqualsNoCase(entry.player, Trim(player)))
            AddToGlobalFigures(figures, entry);
    return figures;
}

bool GameRecords::Reset(int game, const std::string& player, bool allGames, bool allPlayers)
{
    const bool reset = files_.ResetStatistics(game, player, allGames, allPlayers);
    const std::vector<std::string> players =
        allPlayers ? PlayersWithGlobalFigures() : std::vector<std::string>{Trim(player)};
    const std::vector<LogEntry> log = ReadLog();
    RecordBatch batch(files_.Operations());
    const auto file = files_.PathOf(kGlobalRecordsFile);
    for (const std::string& name : players)
        if (const auto text = batch.Text(file); text && HasIniSection(TextLines(*text), name))
            batch.Set(file, WithGlobalFigures(*text, name, GlobalFiguresFromLog(log, name)));
    return files_.CommitBatch(batch) && reset;
}

std::string WithGlobalFigures(std::string content, const std::string& player, const GlobalFigures& g)
{
    const std::vector<std::pair<const char*, std::string>> values = {
        {"Played", Field(g.played, 6)},          {"Won", Field(g.won, 6)},
        {"Lost", Field(g.lost, 6)},              {"Streak", Field(g.streak, 6)},
        {"Best_Streak", Field(g.bestStreak, 6)}, {"Time", Field(g.seconds, 12)},
        {"First", Field(g.firstDate, 8)},        {"Last", Field(g.lastDate, 8)},
    };
    for (const auto& [key, value] : values)
        content = WithIniValue(content, player, key, value);
    return content;
}

std::vector<std::string> WithScore(const std::vector<std::string>& lines, const FinishedGame& game)
{
    std::vector<std::string> kept;
    std::vector<ScoreEntry> ofGame;
    for (const std::string& line : lines) {
        const auto entry = IsScoreHeader(line) ? std::nullopt : ParseScoreLine(line);
        if (entry && entry->game == game.game)
            ofGame.push_back(*entry);
        else
            kept.push_back(line);
    }
    // Equal scores keep the earlier game ahead.
    const auto place = std::upper_bound(ofGame.begin(), ofGame.end(), game,
                                        [](const ScoreEntry& a, const ScoreEntry& b) { return RanksAbove(a, b); });
    ofGame.insert(place, game);
    if (ofGame.size() > kBestScoresPerGame)
        ofGame.resize(kBestScoresPerGame);
    for (const ScoreEntry& entry : ofGame)
        kept.push_back(FormatScoreLine(entry));
    return kept;
}

std::optional<GameFigures> GameFiguresIn(const std::vector<std::string>& lines, const std::string& player, int game)
{
    const auto value = IniValuesIn(lines, std::to_string(game), {player}, {""});
    if (value.empty() || value.front().empty())
        return std::nullopt;
    return ParseGameFigures(value.front());
}

std::optional<GlobalFigures> GlobalFiguresIn(const std::vector<std::string>& lines, const std::string& player)
{
    const std::vector<std::string> keys = {"Played", "Won", "Lost", "Streak", "Best_Streak", "Time", "First", "Last"};
    const std::vector<std::size_t> widths = {6, 6, 6, 6, 6, 12, 8, 8};
    const auto values = IniValuesIn(lines, player, keys, std::vector<std::string>(keys.size()));
    if (values.front().empty())
        return std::nullopt;
    std::vector<long long> numbers;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        // A value cut short still reads as a number: its width tells.
        const auto number = values[k].size() == widths[k] ? ParseInteger(values[k]) : std::nullopt;
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
    }
    return GlobalFigures{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4],
                         numbers[5], static_cast<int>(numbers[6]), static_cast<int>(numbers[7])};
}

std::vector<LogEntry> LogEntriesIn(std::string_view content)
{
    std::vector<LogEntry> entries;
    for (const std::string& line : WholeLogLines(content))
        if (const auto entry = ParseLogLine(line))
            entries.push_back(*entry);
    return entries;
}

std::optional<GameFigures> GameRecords::FiguresOf(const std::string& player, int game) const
{
    const auto lines = ReadTextLines(files_.PathOf(kGameStatisticsFile));
    return lines ? GameFiguresIn(*lines, player, game) : std::nullopt;
}

namespace {

// Every value of STAT.DAT: section (a game number) and key (a player) to the figures.
template <typename Visit>
void ForEachGameValue(const std::filesystem::path& file, const Visit& visit)
{
    const auto lines = ReadTextLines(file);
    if (!lines)
        return;
    std::optional<long long> game;
    for (const std::string& line : *lines) {
        if (StartsWith(line, "[")) {
            const auto close = line.find(']');
            game = close == std::string::npos ? std::nullopt : ParseInteger(line.substr(1, close - 1));
            continue;
        }
        const auto equals = line.find('=');
        if (!game || equals == std::string::npos)
            continue;
        if (const auto figures = ParseGameFigures(line.substr(equals + 1)))
            visit(static_cast<int>(*game), line.substr(0, equals), *figures);
    }
}

} // namespace

std::map<int, GameFigures> GameRecords::FiguresOf(const std::string& player) const
{
    std::map<int, GameFigures> figures;
    ForEachGameValue(files_.PathOf(kGameStatisticsFile),
                     [&](int game, const std::string& key, const GameFigures& value) {
                         if (key == player)
                             figures[game] = value;
                     });
    return figures;
}

std::vector<std::string> GameRecords::Players() const
{
    std::set<std::string> players;
    ForEachGameValue(files_.PathOf(kGameStatisticsFile),
                     [&](int, const std::string& key, const GameFigures&) { players.insert(Trim(key)); });
    std::vector<std::string> sorted(players.begin(), players.end());
    std::stable_sort(sorted.begin(), sorted.end(), LessNoCase);
    return sorted;
}

std::map<std::string, GameFigures> GameRecords::PlayersOf(int game) const
{
    std::map<std::string, GameFigures> figures;
    ForEachGameValue(files_.PathOf(kGameStatisticsFile),
                     [&](int number, const std::string& key, const GameFigures& value) {
                         if (number == game)
                             figures[key] = value;
                     });
    return figures;
}

std::optional<GlobalFigures> GameRecords::GlobalFiguresOf(const std::string& player) const
{
    const auto lines = ReadTextLines(files_.PathOf(kGlobalRecordsFile));
    return lines ? GlobalFiguresIn(*lines, player) : std::nullopt;
}

std::vector<LogEntry> GameRecords::ReadLog() const
{
    return LogEntriesIn(ReadFileBytes(files_.PathOf(kGameLogFile)).value_or(""));
}

std::vector<ScoreEntry> GameRecords::HighScores(int game) const
{
    std::vector<ScoreEntry> scores;
    if (const auto lines = ReadTextLines(files_.PathOf(kScoreFile)))
        for (const std::string& line : *lines)
            if (const auto entry = IsScoreHeader(line) ? std::nullopt : ParseScoreLine(line))
                if (game < 0 || entry->game == game)
                    scores.push_back(*entry);
    std::stable_sort(scores.begin(), scores.end(), RanksAbove);
    return scores;
}

} // namespace marlowe
