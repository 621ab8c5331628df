#include "catalogue/rule_loader.h"

#include "app/text_helpers.h"
#include "catalogue/custom_games.h"
#include "catalogue/game_file.h"
#include "catalogue/main_game.h"

#include <optional>

namespace marlowe {

namespace {

constexpr int kUnread = -99;

// The matrix column of a game: its catalogue index, or that of the game a custom game is
// based on; -1 (the base column of the file) when neither is in the catalogue.
int MatrixColumn(const TMainGame& mainGame, int number, int baseNumber)
{
    return mainGame.CatalogueIndex(number >= kFirstCustomGameNumber ? baseNumber : number);
}

// The raw 10-character field of column j; empty when the line is too short to hold it.
std::string CellText(const std::string& line, int column)
{
    const auto first = static_cast<std::size_t>(11 * column + 16);
    return first < line.size() ? line.substr(first, 10) : std::string();
}

std::optional<long long> CellValue(const std::string& line, int column)
{
    return ParseInteger(TrimRight(ShiftText(CellText(line, column))));
}

std::optional<int> LineIndex(const std::string& line)
{
    const auto index = ParseInteger(Trim(line.substr(0, 4)));
    if (!index || *index < 0 || *index >= kRuleVectorSize)
        return std::nullopt;
    return static_cast<int>(*index);
}

std::string GameLabel(const TMainGame& mainGame, int number)
{
    const std::string name = mainGame.GameName(number);
    return "game " + std::to_string(number) + (name.empty() ? "" : " (" + name + ")");
}

std::optional<int> Field(const std::string& record, std::size_t first, std::size_t count)
{
    if (first - 1 >= record.size())
        return std::nullopt;
    const auto value = ParseInteger(record.substr(first - 1, count));
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

// The record stores directions with up and down swapped.
int RecordDirection(int value)
{
    return value == 0 ? 1 : value == 1 ? 0 : value;
}

// The record stores building codes with "in suit"-like codes of its own.
int RecordBuildCode(int value)
{
    switch (value) {
    case 1: return 3;
    case 3: return 1;
    case 4: return 21;
    default: return value;
    }
}

void FillFamily(RuleVector& rules, int family, int piles, int value)
{
    for (int pile = 0; pile < piles; ++pile)
        rules.Of(family, pile) = static_cast<std::int16_t>(value);
}

// A family read from the record is left as it was when its value is -1 or was not read.
void SetFamily(RuleVector& rules, int family, int piles, std::optional<int> value)
{
    if (value && *value != -1)
        FillFamily(rules, family, piles, *value);
}

// Fields are decoded in pairs: nothing of a pair applies when its first field is not a number.
void ApplyDirectionAndCode(const std::string& record, std::size_t first, RuleVector& rules, int directionFamily,
                           int codeFamily, int piles)
{
    const auto direction = Field(record, first, 2);
    if (!direction)
        return;
    const auto code = Field(record, first + 2, 3);
    SetFamily(rules, directionFamily, piles, RecordDirection(*direction));
    SetFamily(rules, codeFamily, piles, code ? std::optional<int>(RecordBuildCode(*code)) : std::nullopt);
}

} // namespace

void DecodeCustomRuleRecord(const std::string& record, RuleVector& rules)
{
    if (const auto draw = Field(record, 1, 3)) {
        rules[rule::DrawCount] = static_cast<std::int16_t>(*draw);
        if (const auto passes = Field(record, 4, 3))
            rules[rule::PassesAllowed] = static_cast<std::int16_t>(*passes);
    }

    const int tableaus = rules[rule::TableauCount];
    const int foundations = rules[rule::FoundationCount];
    if (record.size() >= 7) {
        switch (record[6]) {
        case '1': FillFamily(rules, rule::TableauBaseRank, tableaus, 91); break;
        case '2': FillFamily(rules, rule::TableauBaseRank, tableaus, -1); break;
        case '3': FillFamily(rules, rule::TableauBaseRank, tableaus, 0); break;
        default: break;
        }
    }
    ApplyDirectionAndCode(record, 8, rules, rule::TableauDirection, rule::TableauBuildCode, tableaus);
    ApplyDirectionAndCode(record, 13, rules, rule::FoundationDirection, rule::FoundationBuildCode, foundations);
}

Outcome LoadRules(const TMainGame& mainGame, int number, RuleVector& rules)
{
    CustomGameRecord custom;
    if (number >= kFirstCustomGameNumber) {
        custom = mainGame.FindCustomGame(number);
        if (custom.baseNumber < 0)
            return Outcome::Failure("The custom game " + std::to_string(number) + " cannot be found in " +
                                    (mainGame.dataFolder / kCustomGamesFileName).string() + ".");
    }

    GameFile file;
    if (auto read = ReadGameFile(mainGame.programFolder, file); !read)
        return read;

    const int column = MatrixColumn(mainGame, number, custom.baseNumber);
    RuleVector loaded;
    int lineNumber = 0;
    for (const auto& line : file.matrixLines) {
        ++lineNumber;
        const auto index = LineIndex(line);
        if (!index)
            continue;
        const std::string cell = CellText(line, column);
        if (cell.empty()) {
            return Outcome::Failure("The game file " + GameFilePath(mainGame.programFolder).string() +
                                    " is damaged: line " + std::to_string(lineNumber) +
                                    " of the rule matrix is too short to hold the rules of " +
                                    GameLabel(mainGame, number) + ".");
        }
        const auto value = CellValue(line, column);
        if (!value) {
            return Outcome::Failure("The game file " + GameFilePath(mainGame.programFolder).string() +
                                    " is damaged: '" + TrimRight(ShiftText(cell)) +
                                    "' is not a valid integer value (rule " + std::to_string(*index) + " of " +
                                    GameLabel(mainGame, number) + ").");
        }
        loaded[*index] = static_cast<std::int16_t>(*value);
    }
    if (number >= kFirstCustomGameNumber)
        DecodeCustomRuleRecord(custom.record, loaded);
    loaded.SaveRuleCopy();
    rules = loaded;
    return Outcome::Success();
}

std::array<int, 9> ReadRuleCells(const TMainGame& mainGame, int number, const std::array<int, 9>& rows)
{
    std::array<int, 9> values;
    values.fill(kUnread);
    GameFile file;
    if (!ReadGameFile(mainGame.programFolder, file))
        return values;
    const int baseNumber = number >= kFirstCustomGameNumber ? mainGame.FindCustomGame(number).baseNumber : -1;
    const int column = MatrixColumn(mainGame, number, baseNumber);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        if (row < 1 || static_cast<std::size_t>(row) > file.matrixLines.size())
            continue;
        if (const auto value = CellValue(file.matrixLines[static_cast<std::size_t>(row) - 1], column))
            values[i] = static_cast<int>(static_cast<std::int16_t>(*value));
    }
    return values;
}

} // namespace marlowe
