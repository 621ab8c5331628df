#include "ui/game_trees.h"

#include "board/resource_modules.h"
#include "catalogue/custom_games.h"
#include "catalogue/main_game.h"
#include "ui/game_preview.h"

#include <QPixmap>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace marlowe {

namespace {

constexpr const char* kClosedFolder = "TREE1";
constexpr const char* kOpenFolder = "TREE2";
constexpr const char* kHintLeaf = "N_TREE5";

const char* const kTreeNames[kTreeViewCount] = {"trvAllGames", "trvGameGroups", "trvSelected", "trvFavorites",
                                                 "trvRecents"};

// The image form of a game's result. A game without figures, or whose figures were reset, was
// never played.
std::string ResultForm(const std::map<int, GameFigures>& results, int number)
{
    const auto found = results.find(number);
    if (found != results.end() && found->second.won > 0)
        return "_WIN";
    if (found != results.end() && found->second.played > 0)
        return "_NOWIN";
    return "_NOPLAYED";
}

} // namespace

GameTrees::GameTrees(const TMainGame& mainGame, const ResourceModules& modules, QWidget* parent)
    : mainGame_(mainGame), modules_(modules), sorted_(SortedCatalogue(mainGame.Catalogue()))
{
    for (int i = 0; i < kTreeViewCount; ++i) {
        auto* tree = new QTreeWidget(parent);
        tree->setObjectName(kTreeNames[i]);
        tree->setHeaderHidden(true);
        tree->setColumnCount(1);
        tree->setUniformRowHeights(true);
        tree->setIconSize(QSize(16, 16));
        tree->setRootIsDecorated(i == static_cast<int>(TreeView::Groups));
        trees_[static_cast<std::size_t>(i)] = tree;
    }
    QTreeWidget* groups = Tree(TreeView::Groups);
    AddGroupNodes(nullptr, GroupTree());
    QObject::connect(groups, &QTreeWidget::itemExpanded, groups, [this](QTreeWidgetItem* item) {
        FillGroup(item);
        if (FindGroup(StateOf(item)) && FindGroup(StateOf(item))->kind == GroupKind::Heading)
            item->setIcon(0, Icon(kOpenFolder));
    });
    QObject::connect(groups, &QTreeWidget::itemCollapsed, groups, [this](QTreeWidgetItem* item) {
        if (FindGroup(StateOf(item)) && FindGroup(StateOf(item))->kind == GroupKind::Heading)
            item->setIcon(0, Icon(kClosedFolder));
    });
}

std::optional<TreeView> GameTrees::ViewOf(const QTreeWidget* tree) const
{
    for (int i = 0; i < kTreeViewCount; ++i)
        if (trees_[static_cast<std::size_t>(i)] == tree)
            return static_cast<TreeView>(i);
    return std::nullopt;
}

int GameTrees::StateOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, Qt::UserRole).toInt() : node::Placeholder;
}

void GameTrees::FillAllGames()
{
    QTreeWidget* tree = Tree(TreeView::AllGames);
    tree->clear();
    for (const auto& entry : sorted_)
        AddNode(nullptr, TreeView::AllGames, QString::fromStdString(entry.name), entry.number, GameIcon(entry.number));
}

void GameTrees::FillGroup(QTreeWidgetItem* group)
{
    if (!group || group->childCount() == 0 || StateOf(group->child(0)) != node::Placeholder)
        return;
    delete group->takeChild(0);
    const GroupNode* definition = FindGroup(StateOf(group));
    if (!definition)
        return;
    if (definition->kind == GroupKind::CustomGames) {
        FillCustomGames(group);
        return;
    }
    if (definition->kind == GroupKind::Feature && !features_)
        features_ = ReadGameFeatures(mainGame_);
    for (const auto& entry : GamesOfGroup(*definition, sorted_, features_ ? *features_ : FeatureTable{}))
        AddNode(group, TreeView::Groups, QString::fromStdString(entry.name), entry.number, GameIcon(entry.number));
}

void GameTrees::FillCustomGames(QTreeWidgetItem* group)
{
    const auto games = mainGame_.ListCustomGames().value_or(std::vector<CustomGame>{});
    if (games.empty()) {
        AddNode(group, TreeView::Groups, "(How to customize a game)", node::HowToCustomize, Icon(kHintLeaf));
        return;
    }
    for (const auto& game : games)
        AddNode(group, TreeView::Groups, QString::fromStdString(game.name), game.number, GameIcon(game.number));
}

void GameTrees::FillSelection()
{
    Tree(TreeView::Selection)->clear();
    for (const auto& entry : SelectionGames(mainGame_))
        AddNode(nullptr, TreeView::Selection, QString::fromStdString(entry.name), entry.number, GameIcon(entry.number));
}

void GameTrees::FillFavorites(const std::vector<int>& numbers)
{
    Tree(TreeView::Favorites)->clear();
    AddGames(nullptr, TreeView::Favorites, numbers);
    if (Tree(TreeView::Favorites)->topLevelItemCount() == 0)
        AddNode(nullptr, TreeView::Favorites, "(Double click to add a game)", node::AddFavorite, Icon(kHintLeaf));
}

void GameTrees::FillRecents(const std::vector<int>& numbers)
{
    Tree(TreeView::Recents)->clear();
    AddGames(nullptr, TreeView::Recents, numbers);
}

QTreeWidgetItem* GameTrees::FindState(TreeView view, int state) const
{
    for (QTreeWidgetItemIterator it(Tree(view)); *it; ++it)
        if (StateOf(*it) == state)
            return *it;
    return nullptr;
}

bool GameTrees::SelectInGroup(int groupCode, int number)
{
    QTreeWidgetItem* group = FindState(TreeView::Groups, groupCode);
    if (!group)
        return false;
    FillGroup(group);
    for (int i = 0; i < group->childCount(); ++i) {
        QTreeWidgetItem* game = group->child(i);
        if (StateOf(game) != number)
            continue;
        for (QTreeWidgetItem* open = group; open; open = open->parent())
            open->setExpanded(true);
        Tree(TreeView::Groups)->setCurrentItem(game);
        Tree(TreeView::Groups)->scrollToItem(game);
        return true;
    }
    return false;
}

bool GameTrees::SelectGame(TreeView view, int number)
{
    if (view == TreeView::Groups) {
        if (number >= kFirstCustomGameNumber)
            return SelectInGroup(node::CustomizedGames, number);
        const GroupNode* family = FamilyGroup(mainGame_.GameFamily(number));
        return family && SelectInGroup(family->code, number);
    }
    QTreeWidgetItem* game = FindState(view, number);
    if (!game)
        return false;
    Tree(view)->setCurrentItem(game);
    Tree(view)->scrollToItem(game);
    return true;
}

void GameTrees::ShowResults(std::optional<std::map<int, GameFigures>> results)
{
    results_ = std::move(results);
    for (QTreeWidget* tree : trees_)
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if (IsGame(*it))
                (*it)->setIcon(0, GameIcon(StateOf(*it)));
}

std::string GameTrees::GameName(int number) const
{
    if (number < kFirstCustomGameNumber)
        return mainGame_.GameName(number);
    for (const auto& game : mainGame_.ListCustomGames().value_or(std::vector<CustomGame>{}))
        if (game.number == number)
            return game.name;
    return {};
}

QTreeWidgetItem* GameTrees::AddNode(QTreeWidgetItem* parent, TreeView view, const QString& text, int state,
                                    const QIcon& icon)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Tree(view));
    item->setText(0, text);
    item->setData(0, Qt::UserRole, state);
    item->setIcon(0, icon);
    return item;
}

void GameTrees::AddGroupNodes(QTreeWidgetItem* parent, const std::vector<GroupNode>& groups)
{
    for (const auto& group : groups) {
        QIcon icon = Icon(kClosedFolder);
        if (group.kind == GroupKind::Family || group.kind == GroupKind::CustomGames)
            icon = FamilyIcon(group.family);
        QTreeWidgetItem* item = AddNode(parent, TreeView::Groups, QString::fromStdString(group.caption), group.code, icon);
        if (group.HoldsGames())
            AddNode(item, TreeView::Groups, QString(), node::Placeholder, QIcon());
        AddGroupNodes(item, group.children);
    }
}

void GameTrees::AddGames(QTreeWidgetItem* parent, TreeView view, const std::vector<int>& numbers)
{
    for (const int number : numbers) {
        const std::string name = GameName(number);
        if (!name.empty())
            AddNode(parent, view, QString::fromStdString(name), number, GameIcon(number));
    }
}

QIcon GameTrees::GameIcon(int number) const
{
    return FamilyIcon(mainGame_.GameFamily(number), results_ ? ResultForm(*results_, number) : std::string());
}

QIcon GameTrees::FamilyIcon(int family, const std::string& form) const
{
    const std::string name = FamilyResourceName(family);
    return name.empty() ? Icon(kHintLeaf) : Icon(name + form);
}

QIcon GameTrees::Icon(const std::string& name) const
{
    if (const auto found = icons_.find(name); found != icons_.end())
        return found->second;
    const QImage image = modules_.Image(name);
    const QIcon icon = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(KeyedTransparent(image)));
    icons_.emplace(name, icon);
    return icon;
}

} // namespace marlowe
