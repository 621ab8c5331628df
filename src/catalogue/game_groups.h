#pragma once
// The group tree of the game selection dialog and which games each group holds: the families,
// the four feature classes of the rule matrix (rows 497 to 500), the new games; and the lists
// of favourite and recent games as the preferences keep them.

#include "catalogue/game_description.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// Node states of the game trees that are not game numbers.
namespace node {
constexpr int Placeholder = -1;       // the child of a group not filled yet
constexpr int HowToCustomize = -3;    // stands in the custom games group while there is none
constexpr int AddFavorite = -4;       // stands in the favourites while there is none
constexpr int CustomizedGames = -2070;
constexpr int GameType = -2020;
constexpr int GamesByFeatures = -2010;
constexpr int ByGameTime = -2030;
constexpr int ByDifficulty = -2040;
constexpr int BySkill = -2050;
constexpr int ByChance = -2060;
constexpr int NewGames = -2080;
constexpr int OtherGroups = -2090;
constexpr int FreeCellType = -202025;
} // namespace node

enum class GroupKind {
    Heading,     // holds groups only
    Family,      // the games of one family
    Feature,     // the games whose rule matrix row holds one class value
    NewGames,    // the games of group mark '1'
    CustomGames, // the player's custom games
    Unmarked,    // a group that no game data marks; it stays empty
};

struct GroupNode {
    std::string caption;
    int code = 0;
    GroupKind kind = GroupKind::Heading;
    int family = -1;       // Family: the family number
    int featureRow = -1;   // Feature: the row of the rule matrix ...
    int featureValue = -1; // ... and the class value
    std::vector<GroupNode> children;

    // A group that starts with a placeholder and is filled when first opened.
    bool HoldsGames() const { return kind != GroupKind::Heading && kind != GroupKind::Unmarked; }
};

// The top-level nodes of the group tree, in display order.
const std::vector<GroupNode>& GroupTree();
// The node of a code anywhere in the tree; nullptr when none has it.
const GroupNode* FindGroup(int code);
// The group node of a family; nullptr for a family the tree does not show.
const GroupNode* FamilyGroup(int family);

// The feature classes of every catalogue game by game number: the values of rows 497 to 500,
// -99 where a value cannot be read. The game file is read once for all games.
using FeatureTable = std::map<int, std::array<int, 4>>;
FeatureTable ReadGameFeatures(const TMainGame& mainGame);

// The built-in games of a Family, Feature or NewGames group, in name order.
std::vector<CatalogueEntry> GamesOfGroup(const GroupNode& group, const std::vector<CatalogueEntry>& sorted,
                                         const FeatureTable& features);

// Preference keys (section "Preference") of the favourite and the recent games, each a list of
// game numbers separated by commas, the most recent game first.
inline constexpr const char* kFavoriteGamesKey = "Favorite_Games";
inline constexpr const char* kRecentGamesKey = "Recent_Games";
inline constexpr std::size_t kRecentGamesKept = 10;

// The game numbers of a stored list; anything that is not a game number is skipped, and a
// number given twice counts once.
std::vector<int> ParseGameList(std::string_view text);
std::string FormatGameList(const std::vector<int>& numbers);
// The recent games after number was opened: number first, the others after it, at most limit.
std::vector<int> WithRecentGame(const std::vector<int>& recents, int number, std::size_t limit);

} // namespace marlowe
