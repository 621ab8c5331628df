// The single-game values of "Stat_uni.dat": a won and a lost count per player and built-in
// game, each stored as 10 digits (the count's six digits among random filler digits) and a
// checksum, scrambled. A value that does not read back is taken as tampering: the whole file is
// discarded.

#include "records/statistics_files.h"

#include "app/text_file.h"
#include "app/text_helpers.h"
#include "records/ini_text.h"

#include <algorithm>
#include <array>

namespace marlowe {

namespace {

constexpr const char* kStatisticsKey = "72946";
constexpr int kLastBuiltInGame = 7999;
constexpr long long kMostCount = 999999;
constexpr std::size_t kPlainWidth = 10;
constexpr std::size_t kChecksumWidth = 6;
// The 1-based places of the count's six digits among the ten plain characters.
constexpr std::array<std::size_t, 6> kWonDigitPlaces{2, 3, 5, 6, 8, 9};
constexpr std::array<std::size_t, 6> kLostDigitPlaces{3, 4, 6, 7, 9, 10};

const std::array<std::size_t, 6>& DigitPlacesOf(std::string_view key)
{
    return StartsWith(key, "GW-") ? kWonDigitPlaces : kLostDigitPlaces;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string WonKey(int game)
{
    return "GW-" + ZeroPad(game, 4);
}

std::string LostKey(int game)
{
    return "GL-" + ZeroPad(game, 4);
}

// The game number of a line holding a single-game value ("GW-0012=..."); nothing for others.
std::optional<int> SingleGameKeyGame(std::string_view line)
{
    constexpr std::size_t kKeyWidth = 7;
    if (line.size() <= kKeyWidth || line[kKeyWidth] != '=' ||
        !(EqualsNoCase(line.substr(0, 3), "GW-") || EqualsNoCase(line.substr(0, 3), "GL-")))
        return std::nullopt;
    const auto digits = line.substr(3, 4);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    return std::stoi(std::string(digits));
}

// What a missing key reads as: count 0 with checksum 0.
std::string EmptyStoredValue()
{
    return ScrambleAdd(std::string(30, '0'), kStatisticsKey);
}

} // namespace

std::string SingleGameValue(std::string_view key, long long count, const std::function<int()>& filler)
{
    const auto digits = ZeroPad(std::clamp(count, 0LL, kMostCount), 6);
    std::string plain(kPlainWidth, ' ');
    const auto& places = DigitPlacesOf(key);
    for (std::size_t d = 0; d < places.size(); ++d)
        plain[places[d] - 1] = digits[d];
    for (auto& c : plain)
        if (c == ' ')
            c = static_cast<char>('0' + filler());
    return plain + ZeroPad(TextChecksum(std::string(key) + plain), static_cast<int>(kChecksumWidth));
}

std::optional<long long> SingleGameCount(std::string_view key, std::string_view value)
{
    if (value.size() < kPlainWidth + kChecksumWidth)
        return std::nullopt;
    std::string digits;
    for (const auto place : DigitPlacesOf(key))
        digits += value[place - 1];
    const auto checksumText = value.substr(kPlainWidth, kChecksumWidth);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit) ||
        !std::all_of(checksumText.begin(), checksumText.end(), IsDigit))
        return std::nullopt;
    const long long count = std::stoll(digits);
    const long long checksum = std::stoll(std::string(checksumText));
    if (count == 0 && checksum == 0)
        return 0;
    if (checksum != TextChecksum(std::string(key) + std::string(value.substr(0, kPlainWidth))))
        return std::nullopt;
    return count;
}

std::string StatisticsFiles::StoredSingleGameValue(std::string_view key, long long count)
{
    std::uniform_int_distribution<int> digit(0, 8);
    return ScrambleAdd(SingleGameValue(key, count, [&] { return digit(filler_); }), kStatisticsKey);
}

namespace {

// The player's counts of game in the lines of "Stat_uni.dat"; nothing when they are corrupted.
std::optional<SingleGameCounts> SingleGameCountsIn(const std::vector<std::string>& lines, const std::string& player,
                                                   int game)
{
    const auto wonKey = WonKey(game);
    const auto lostKey = LostKey(game);
    const auto stored = IniValuesIn(lines, player, {wonKey, lostKey}, {EmptyStoredValue(), EmptyStoredValue()});
    const auto won = SingleGameCount(wonKey, ScrambleSub(stored[0], kStatisticsKey));
    const auto lost = SingleGameCount(lostKey, ScrambleSub(stored[1], kStatisticsKey));
    if (!won || !lost)
        return std::nullopt;
    return SingleGameCounts{*won, *lost};
}

} // namespace

std::optional<SingleGameCounts> StatisticsFiles::ReadSingleGameValues(const std::string& player, int game) const
{
    const auto lines = ReadTextLines(PathOf(kSingleGameFile));
    return SingleGameCountsIn(lines ? *lines : std::vector<std::string>{}, player, game);
}

bool StatisticsFiles::RecordSingleGame(int game, const std::string& player, bool won, bool forceZero)
{
    RecordBatch batch(operations_);
    const bool counted = StageSingleGame(batch, game, player, won, forceZero);
    return CommitBatch(batch) && counted;
}

bool StatisticsFiles::StageSingleGame(RecordBatch& batch, int game, const std::string& player, bool won,
                                      bool forceZero)
{
    if (game < 0 || game > kLastBuiltInGame)
        return true;
    const auto file = PathOf(kSingleGameFile);
    const auto text = batch.Text(file);
    if (!text)
        return false; // the batch fails, naming the file
    SingleGameCounts counts;
    if (!forceZero) {
        const auto stored = SingleGameCountsIn(TextLines(*text), player, game);
        if (!stored) {
            batch.Remove(file);
            Inform("It appears as if the Internet Single Game Values are incorrect or corrupted.\r"
                   "The Internet Single Game Values will be deleted and reset to zero.");
            if (feedback_.wait)
                feedback_.wait(2000);
            return false;
        }
        counts = *stored;
        auto& count = won ? counts.won : counts.lost;
        count = std::min(count + 1, kMostCount);
    }
    const auto wonKey = WonKey(game);
    const auto lostKey = LostKey(game);
    const std::string withWon = WithIniValue(*text, player, wonKey, StoredSingleGameValue(wonKey, counts.won));
    batch.Set(file, WithIniValue(withWon, player, lostKey, StoredSingleGameValue(lostKey, counts.lost)));
    return true;
}

bool StatisticsFiles::ZeroSingleGameValues(const std::function<bool(std::string_view player, int game)>& chosen)
{
    const auto file = PathOf(kSingleGameFile);
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return true;
    return RewriteFile(file, [&](const std::vector<std::string>& lines) {
        std::vector<std::string> result;
        result.reserve(lines.size());
        std::string player;
        for (const auto& line : lines) {
            if (StartsWith(line, "[")) {
                const auto header = Trim(line);
                player = header.size() >= 2 ? header.substr(1, header.size() - 2) : std::string();
                result.push_back(line);
                continue;
            }
            const auto game = SingleGameKeyGame(line);
            if (game && chosen(player, *game)) {
                const auto key = line.substr(0, 7);
                result.push_back(key + "=" + StoredSingleGameValue(key, 0));
            } else {
                result.push_back(line);
            }
        }
        return result;
    });
}

} // namespace marlowe
