#include "catalogue/game_groups.h"

#include "app/text_helpers.h"
#include "catalogue/game_file.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_parameters.h"

#include <algorithm>
#include <cstdint>

namespace marlowe {

namespace {

constexpr int kUnread = -99;
constexpr int kFeatureRows[] = {rule::GameTimeClass, rule::DifficultyClass, rule::SkillClass, rule::ChanceClass};

GroupNode Family(std::string caption, int code, int family)
{
    return GroupNode{std::move(caption), code, GroupKind::Family, family, -1, -1, {}};
}

// A feature heading and its classes; the classes take the codes heading * 100 - 1, - 2, ...
GroupNode FeatureHeading(std::string caption, int code, int row,
                         std::initializer_list<std::pair<const char*, int>> classes)
{
    GroupNode heading{std::move(caption), code, GroupKind::Heading, -1, -1, -1, {}};
    int next = code * 100;
    for (const auto& [name, value] : classes)
        heading.children.push_back(GroupNode{name, --next, GroupKind::Feature, -1, row, value, {}});
    return heading;
}

std::vector<GroupNode> BuildGroupTree()
{
    GroupNode types{"Game Type", node::GameType, GroupKind::Heading, -1, -1, -1, {}};
    types.children = {
        Family("Adding games type", -202080, 15),       Family("Baker's Dozen type", -202005, 12),
        Family("Beleaguered Castle type", -202100, 17), Family("Canfield type", -202010, 2),
        Family("Faerie Queen type", -202180, 25),       Family("Fan games type", -202015, 11),
        Family("Flower Garden type", -202190, 26),      Family("Forty Thieves type", -202020, 3),
        Family("Four Seasons type", -202170, 24),       Family("FreeCell type", node::FreeCellType, 4),
        Family("Klondike type", -202030, 5),            Family("Mathematical games", -202130, 20),
        Family("Memory games type", -202090, 16),       Family("Non-Builders games", -202150, 22),
        Family("Pairing games type", -202035, 6),       Family("Puzzle games type", -202070, 14),
        Family("Queen of Italy type", -202110, 18),     Family("Row games type", -202040, 13),
        Family("Simple games type", -202045, 7),        Family("Sir Tommy type", -202140, 21),
        Family("Sly Fox type", -202200, 27),            Family("Spider type", -202050, 8),
        Family("Yukon type", -202120, 19),              Family("One-Deck games type", -202055, 9),
        Family("Two-Deck games type", -202060, 10),     Family("Stripped Deck games type", -202160, 23),
    };

    GroupNode features{"Games by Features", node::GamesByFeatures, GroupKind::Heading, -1, -1, -1, {}};
    features.children = {
        FeatureHeading("by Game Time", node::ByGameTime, rule::GameTimeClass,
                       {{"Quick", 2}, {"Medium", 1}, {"Long", 0}}),
        FeatureHeading("by Difficulty Level", node::ByDifficulty, rule::DifficultyClass,
                       {{"Easy", 0}, {"Medium", 1}, {"Hard", 2}}),
        FeatureHeading("by Skill or Chance", node::BySkill, rule::SkillClass,
                       {{"Chance only", 4}, {"Mostly chance", 3}, {"Moderate", 2}, {"Mostly skill", 1}, {"Difficult", 0}}),
        FeatureHeading("by Chance of Winning", node::ByChance, rule::ChanceClass,
                       {{"Very low", 4}, {"Low", 3}, {"Medium", 2}, {"High", 1}, {"Very high", 0}}),
    };

    GroupNode other{"Other Groups", node::OtherGroups, GroupKind::Heading, -1, -1, -1, {}};
    other.children = {
        GroupNode{"Original games", node::OtherGroups * 100 - 1, GroupKind::Unmarked, -1, -1, -1, {}},
        GroupNode{"Games for Children", node::OtherGroups * 100 - 2, GroupKind::Unmarked, -1, -1, -1, {}},
    };

    return {
        GroupNode{"Customized games", node::CustomizedGames, GroupKind::CustomGames, 800, -1, -1, {}},
        std::move(types),
        std::move(features),
        std::move(other),
        GroupNode{"New games", node::NewGames, GroupKind::NewGames, -1, -1, -1, {}},
    };
}

const GroupNode* FindIn(const std::vector<GroupNode>& nodes, int code)
{
    for (const auto& group : nodes) {
        if (group.code == code)
            return &group;
        if (const auto* found = FindIn(group.children, code))
            return found;
    }
    return nullptr;
}

// A cell of the rule matrix as the game file stores it: 10 byte-shifted characters per column
// after a 16-character row head.
int MatrixCell(const std::string& line, std::size_t column)
{
    const std::size_t first = 11 * column + 16;
    if (first >= line.size())
        return kUnread;
    const auto value = ParseInteger(TrimRight(ShiftText(line.substr(first, 10))));
    return value ? static_cast<std::int16_t>(*value) : kUnread;
}

} // namespace

const std::vector<GroupNode>& GroupTree()
{
    static const std::vector<GroupNode> tree = BuildGroupTree();
    return tree;
}

const GroupNode* FindGroup(int code)
{
    return FindIn(GroupTree(), code);
}

const GroupNode* FamilyGroup(int family)
{
    const GroupNode* types = FindGroup(node::GameType);
    for (const auto& group : types->children)
        if (group.family == family)
            return &group;
    return nullptr;
}

FeatureTable ReadGameFeatures(const TMainGame& mainGame)
{
    // One pass over the file: the matrix is as wide as the catalogue, and reading it once per
    // game would grow with the square of the catalogue.
    FeatureTable table;
    GameFile file;
    const bool read = static_cast<bool>(ReadGameFile(mainGame.programFolder, file));
    const auto& catalogue = mainGame.Catalogue();
    for (std::size_t column = 0; column < catalogue.size(); ++column) {
        std::array<int, 4> values;
        values.fill(kUnread);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto row = static_cast<std::size_t>(kFeatureRows[i]);
            if (read && row <= file.matrixLines.size())
                values[i] = MatrixCell(file.matrixLines[row - 1], column);
        }
        table[CatalogueLineNumber(catalogue[column])] = values;
    }
    return table;
}

std::vector<CatalogueEntry> GamesOfGroup(const GroupNode& group, const std::vector<CatalogueEntry>& sorted,
                                         const FeatureTable& features)
{
    if (group.kind == GroupKind::NewGames)
        return NewGames(sorted);
    const auto featureIndex = std::find(std::begin(kFeatureRows), std::end(kFeatureRows), group.featureRow) -
                              std::begin(kFeatureRows);
    std::vector<CatalogueEntry> games;
    for (const auto& entry : sorted) {
        bool member = false;
        if (group.kind == GroupKind::Family) {
            member = entry.family == group.family;
        } else if (group.kind == GroupKind::Feature && featureIndex < 4) {
            const auto found = features.find(entry.number);
            member = found != features.end() && found->second[static_cast<std::size_t>(featureIndex)] == group.featureValue;
        }
        if (member)
            games.push_back(entry);
    }
    return games;
}

std::vector<int> ParseGameList(std::string_view text)
{
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto number = ParseInteger(Trim(text.substr(start, comma - start)));
        if (number && *number >= 0 && *number <= 9999 &&
            std::find(numbers.begin(), numbers.end(), static_cast<int>(*number)) == numbers.end())
            numbers.push_back(static_cast<int>(*number));
        start = comma + 1;
    }
    return numbers;
}

std::string FormatGameList(const std::vector<int>& numbers)
{
    std::string text;
    for (const int number : numbers)
        text += (text.empty() ? "" : ",") + std::to_string(number);
    return text;
}

std::vector<int> WithRecentGame(const std::vector<int>& recents, int number, std::size_t limit)
{
    std::vector<int> updated{number};
    for (const int game : recents)
        if (game != number && updated.size() < limit)
            updated.push_back(game);
    if (updated.size() > limit)
        updated.resize(limit);
    return updated;
}

} // namespace marlowe
