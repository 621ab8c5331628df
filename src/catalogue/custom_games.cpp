#include "catalogue/custom_games.h"

#include "app/text_file.h"
#include "app/text_helpers.h"

#include <algorithm>

namespace marlowe {

namespace {

// A number field; one that is not a valid number counts as 0.
int NumberField(const std::string& line, std::size_t first, std::size_t count)
{
    return static_cast<int>(ParseInteger(TrimRight(TextColumns(line, first, count))).value_or(0));
}

struct Entry {
    const std::string& head;
    const std::string& record;
};

// Calls visit for every entry of the file; false when the file does not exist.
template <typename Visit>
bool ForEachEntry(const std::filesystem::path& dataFolder, Visit visit)
{
    const auto lines = ReadTextLines(FindFileNoCase(dataFolder, kCustomGamesFileName));
    if (!lines)
        return false;
    static const std::string none;
    for (std::size_t first = 1; first < lines->size(); first += kCustomGameEntryLines) {
        const std::string& record = first + 1 < lines->size() ? (*lines)[first + 1] : none;
        if (!visit(Entry{(*lines)[first], record}))
            break;
    }
    return true;
}

} // namespace

std::optional<std::vector<CustomGame>> ListCustomGames(const std::filesystem::path& dataFolder)
{
    // Sorted by the key name + number + base number + record head, as text without case.
    std::vector<std::pair<std::string, CustomGame>> keyed;
    const bool exists = ForEachEntry(dataFolder, [&](const Entry& entry) {
        CustomGame game;
        game.name = TrimRight(TextColumns(entry.head, 5, 50));
        game.number = NumberField(entry.head, 1, 4);
        game.baseNumber = NumberField(entry.head, 55, 4);
        game.recordHead = entry.record.substr(0, 7);
        const std::string key = PadRight(TextColumns(entry.head, 5, 50), 50) + PadRight(TextColumns(entry.head, 1, 4), 4) +
                                PadRight(TextColumns(entry.head, 55, 4), 4) + game.recordHead;
        keyed.emplace_back(ToLowerAscii(key), std::move(game));
        return true;
    });
    if (!exists)
        return std::nullopt;
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CustomGame> games;
    for (auto& [key, game] : keyed)
        games.push_back(std::move(game));
    return games;
}

CustomGameRecord FindCustomGame(const std::filesystem::path& dataFolder, int number)
{
    CustomGameRecord found;
    ForEachEntry(dataFolder, [&](const Entry& entry) {
        if (NumberField(entry.head, 1, 4) != number)
            return true;
        found.baseNumber = NumberField(entry.head, 55, 4);
        found.record = entry.record;
        return false;
    });
    return found;
}

} // namespace marlowe
