#include "game_file_writer.h"

#include "app/text_helpers.h"

namespace marlowe::gamec {

namespace {

bool InCatalogue(const CompiledGame& game)
{
    return game.catalogueClass == '0' || game.catalogueClass == '2';
}

// Family (3), an unused column, number (3), class, wide-screen mark, group mark, name (50).
std::string CatalogueLine(const CompiledGame& game)
{
    return PadRight(std::to_string(game.family), 3) + " " + ZeroPad(game.number, 3) + game.catalogueClass +
           (game.wideScreen ? '1' : '0') + game.groupMark + PadRight(game.name, 50);
}

std::string Cell(int value)
{
    return ShiftText(PadRight(std::to_string(value), 10));
}

} // namespace

std::vector<std::string> GameFileLines(const std::vector<CompiledGame>& games)
{
    std::vector<std::string> lines{"[Sect1]"};
    std::vector<const CompiledGame*> columns;
    for (const auto& game : games) {
        lines.push_back(ShiftText(CatalogueLine(game)));
        if (InCatalogue(game))
            columns.push_back(&game);
    }

    // Index (4), then the base column that custom games without a known base start from (the
    // first catalogue game's values), then one column per catalogue game.
    lines.push_back("[Sect2]");
    for (int index = 1; index < kRuleVectorSize; ++index) {
        const auto at = static_cast<std::size_t>(index);
        std::string line = ZeroPad(index, 4) + " " + Cell(columns.empty() ? 0 : columns.front()->rules[at]) + " ";
        for (const auto* game : columns)
            line += Cell(game->rules[at]) + " ";
        lines.push_back(std::move(line));
    }

    lines.push_back("[SectS]");
    for (const auto& game : games)
        if (game.selected)
            lines.push_back(ShiftText(std::to_string(game.number)));
    return lines;
}

} // namespace marlowe::gamec
