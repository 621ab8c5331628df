#pragma once
// The five views of the game selection dialog, each a tree of games: every game by name, the
// group tree, the selection list of the game file, the favourites and the recent games. Every
// node carries a state: a game node its game number, the other nodes negative codes (see
// catalogue/game_groups.h). Groups are filled the first time they are opened.
// A game node shows its family's image, or, while the won and lost marks are on, the family's
// image for the player's result of the game.

#include "catalogue/game_description.h"
#include "catalogue/game_groups.h"
#include "records/game_records.h"

#include <QIcon>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace marlowe {

class ResourceModules;
class TMainGame;

enum class TreeView { AllGames = 0, Groups = 1, Selection = 2, Favorites = 3, Recents = 4 };
inline constexpr int kTreeViewCount = 5;

class GameTrees {
public:
    // Creates the five trees as children of parent and fills the group tree's fixed nodes.
    GameTrees(const TMainGame& mainGame, const ResourceModules& modules, QWidget* parent);

    QTreeWidget* Tree(TreeView view) const { return trees_[static_cast<std::size_t>(view)]; }
    // The view a tree shows; nothing for another widget.
    std::optional<TreeView> ViewOf(const QTreeWidget* tree) const;

    static int StateOf(const QTreeWidgetItem* item);
    static bool IsGame(const QTreeWidgetItem* item) { return item && StateOf(item) >= 0; }

    // Every catalogue game in name order.
    void FillAllGames();
    // A group's games, once: only while its first child is the placeholder.
    void FillGroup(QTreeWidgetItem* group);
    void FillSelection();
    // The favourites, or the one entry that tells how to add one.
    void FillFavorites(const std::vector<int>& numbers);
    void FillRecents(const std::vector<int>& numbers);

    // The first node of a view with the state (groups not opened yet hold no games); nullptr
    // when there is none.
    QTreeWidgetItem* FindState(TreeView view, int state) const;
    // Opens the group of the code and selects the game in it; false when either is missing.
    bool SelectInGroup(int groupCode, int number);
    // Selects the game's first node in a view (and opens its group); false when it is not there.
    bool SelectGame(TreeView view, int number);

    // The won and lost marks: with a player's figures by game, every game node of every view
    // (and of groups filled later) shows whether the game was won at least once, played but
    // never won, or never played; without figures, the plain family images.
    void ShowResults(std::optional<std::map<int, GameFigures>> results);

    // The name of a built-in or custom game; empty when there is none.
    std::string GameName(int number) const;

private:
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, TreeView view, const QString& text, int state,
                             const QIcon& icon);
    void AddGroupNodes(QTreeWidgetItem* parent, const std::vector<GroupNode>& groups);
    void AddGames(QTreeWidgetItem* parent, TreeView view, const std::vector<int>& numbers);
    void FillCustomGames(QTreeWidgetItem* group);
    QIcon GameIcon(int number) const;
    // form: "" for the plain image, or one of the result forms.
    QIcon FamilyIcon(int family, const std::string& form = {}) const;
    QIcon Icon(const std::string& name) const;

    const TMainGame& mainGame_;
    const ResourceModules& modules_;
    std::array<QTreeWidget*, kTreeViewCount> trees_{};
    std::vector<CatalogueEntry> sorted_;
    std::optional<FeatureTable> features_; // read when a feature group is first opened
    std::optional<std::map<int, GameFigures>> results_; // set while the marks are shown
    mutable std::map<std::string, QIcon> icons_;
};

} // namespace marlowe
