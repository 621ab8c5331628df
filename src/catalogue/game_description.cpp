#include "catalogue/game_description.h"

#include "app/text_helpers.h"
#include "catalogue/game_file.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "catalogue/rule_parameters.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace marlowe {

namespace {

constexpr int kNameWidth = 50;
constexpr const char* kCustomText = "Customized game";
constexpr const char* kDisabledPicture = "PROG_DISABLED";

// The sort key of a catalogue game: name padded to 50, family, number, group mark.
std::string SortKey(const std::string& line)
{
    return ToLowerAscii(PadRight(TextColumns(line, 11, kNameWidth), kNameWidth) + PadRight(TextColumns(line, 1, 3), 3) +
                        PadRight(TextColumns(line, 5, 3), 3) + PadRight(TextColumns(line, 10, 1), 1));
}

template <std::size_t N>
Characteristic Lookup(const Characteristic (&table)[N], int value)
{
    if (value < 0 || static_cast<std::size_t>(value) >= N)
        return {};
    return table[value];
}

} // namespace

std::vector<CatalogueEntry> SortedCatalogue(const std::vector<std::string>& catalogueLines)
{
    std::vector<std::pair<std::string, CatalogueEntry>> keyed;
    for (const auto& line : catalogueLines) {
        CatalogueEntry entry;
        entry.name = CatalogueLineName(line);
        entry.family = static_cast<int>(ParseInteger(TrimRight(TextColumns(line, 1, 3))).value_or(-1));
        entry.number = CatalogueLineNumber(line);
        const std::string mark = TextColumns(line, 10, 1);
        entry.groupMark = mark.empty() ? ' ' : mark[0];
        keyed.emplace_back(SortKey(line), std::move(entry));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CatalogueEntry> sorted;
    sorted.reserve(keyed.size());
    for (auto& [key, entry] : keyed)
        sorted.push_back(std::move(entry));
    return sorted;
}

std::vector<CatalogueEntry> NewGames(const std::vector<CatalogueEntry>& sorted)
{
    std::vector<CatalogueEntry> games;
    std::copy_if(sorted.begin(), sorted.end(), std::back_inserter(games),
                 [](const CatalogueEntry& entry) { return entry.groupMark == '1'; });
    return games;
}

std::vector<CatalogueEntry> SelectionGames(const TMainGame& mainGame)
{
    GameFile file;
    if (!ReadGameFile(mainGame.programFolder, file))
        return {};
    std::vector<int> listed;
    for (const auto& stored : file.selectionLines)
        if (const auto number = ParseInteger(TrimRight(ShiftText(stored))))
            listed.push_back(static_cast<int>(*number));
    std::vector<CatalogueEntry> games;
    for (auto entry : SortedCatalogue(mainGame.Catalogue()))
        if (std::find(listed.begin(), listed.end(), entry.number) != listed.end())
            games.push_back(std::move(entry));
    return games;
}

Characteristic GameTimeOf(int value)
{
    static const Characteristic table[] = {
        {"Long", "PROG_TIME_LONG"}, {"Medium", "PROG_TIME_MEDIUM"}, {"Quick", "PROG_TIME_QUICK"}};
    return Lookup(table, value);
}

Characteristic DifficultyOf(int value)
{
    static const Characteristic table[] = {
        {"Easy", "PROG_DIFF_EASY"}, {"Medium", "PROG_DIFF_MEDIUM"}, {"Hard", "PROG_DIFF_HARD"}};
    return Lookup(table, value);
}

Characteristic SkillOf(int value)
{
    static const Characteristic table[] = {{"Difficult", "PROG_SKILL_DIFFICULT"},
                                           {"Mostly skill", "PROG_SKILL_MOSTLYSKILL"},
                                           {"Moderate", "PROG_SKILL_MODERATE"},
                                           {"Mostly chance", "PROG_SKILL_MOSTLYCHANCE"},
                                           {"Chance only", "PROG_SKILL_CHANCEONLY"}};
    return Lookup(table, value);
}

Characteristic ChanceOf(int value, int won, int played)
{
    static const Characteristic table[] = {{"Very high", "PROG_CHAN_VERYHIGH"},
                                           {"High", "PROG_CHAN_HIGH"},
                                           {"Medium", "PROG_CHAN_MEDIUM"},
                                           {"Low", "PROG_CHAN_LOW"},
                                           {"Very low", "PROG_CHAN_VERYLOW"}};
    Characteristic chance = Lookup(table, value);
    // An unread count (-99) or no games played gives no ratio rather than a meaningless one.
    if (played > 0 && won >= 0)
        chance.text += " (" + std::to_string(won) + " in " + std::to_string(played) + "  -  " +
                       PercentText(won, played) + "%)";
    return chance;
}

std::string PercentText(int won, int played)
{
    if (played == 0)
        return "0";
    const long long tenths = std::llround(static_cast<double>(won) * 1000.0 / played);
    const std::string sign = tenths < 0 ? "-" : "";
    const long long magnitude = std::llabs(tenths);
    std::string text = sign + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0)
        text += "." + std::to_string(magnitude % 10);
    return text;
}

std::string RedealsText(int passes)
{
    if (passes == -1)
        return "Unlimited";
    return std::to_string(std::max(passes - 1, 0));
}

std::string DecksText(int packSize)
{
    if (packSize <= 0)
        return "0";
    return std::to_string(std::max(packSize / 52, 1));
}

GameDescription DescribeGame(const TMainGame& mainGame, int number)
{
    const auto cells = ReadRuleCells(mainGame, number,
                                     {rule::GameTimeClass, rule::DifficultyClass, rule::SkillClass,
                                      rule::PassesAllowed, rule::PackSize, rule::ChanceClass, rule::WonSample,
                                      rule::PlayedSample, -1});
    GameDescription description;
    description.custom = number >= kFirstCustomGameNumber;
    description.decks = DecksText(cells[4]);
    int passes = cells[3];
    if (description.custom) {
        for (const auto& game : mainGame.ListCustomGames().value_or(std::vector<CustomGame>{}))
            if (game.number == number) {
                description.name = game.name;
                passes = static_cast<int>(ParseInteger(TextColumns(game.recordHead, 4, 3)).value_or(passes));
            }
        const Characteristic disabled{kCustomText, kDisabledPicture};
        description.gameTime = description.difficulty = description.skill = description.chance = disabled;
    } else {
        description.name = mainGame.GameName(number);
        description.gameTime = GameTimeOf(cells[0]);
        description.difficulty = DifficultyOf(cells[1]);
        description.skill = SkillOf(cells[2]);
        description.chance = ChanceOf(cells[5], cells[6], cells[7]);
    }
    description.redeals = RedealsText(passes);
    return description;
}

} // namespace marlowe
