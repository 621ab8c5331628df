#include "ui/customize_trees.h"

#include "app/text_helpers.h"
#include "board/resource_modules.h"
#include "resources/resource_names.h"
#include "ui/customize_choices.h"
#include "ui/game_preview.h"

#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <functional>
#include <vector>

namespace marlowe {

namespace {

constexpr int kNumberRole = Qt::UserRole;
constexpr int kChoiceRole = Qt::UserRole + 1;

// A group holds children; a leaf holds none and is a choice.
struct TreeNode {
    const char* text;
    int number = 0;
    std::vector<TreeNode> children = {};
};

const std::vector<TreeNode>& CardBackNodes()
{
    static const std::vector<TreeNode> nodes = {
        {"Animals", 0, {{"Tropical fish", 19}}},
        {"Children", 0, {{"Snowman", 3}}},
        {"Classics", 0, {{"Classic blue", 7}}},
        // Back 1 shows a composition of Mondrian's.
        {"Famous pictures", 0, {{"Mondrian", 1}}},
        {"Flowers", 0, {{"Roses", 14}}},
        {"Geometric", 0, {{"Plaiting 1", 11}, {"Plaiting 2", 6}}},
        {"Nature", 0, {{"Lake", 20}}},
    };
    return nodes;
}

const std::vector<TreeNode>& BackgroundNodes()
{
    static const std::vector<TreeNode> nodes = {
        {"Default (green table)", kDefaultBackgroundNode, {}},
        {"Colors",
         0,
         {{"Blue", 16711680},
          {"Green", 32768},
          {"Navy", 8388608},
          {"Olive", 32896},
          {"Teal", 8421376},
          {"White", 16777215},
          {"Other color", kPlainColourNode}}},
        {"Over 256 colors",
         0,
         {{"Metal", 0, {{"Metal gold", 287}}},
          {"Nature", 0, {{"Meadow", 324}}},
          {"Tissue", 0, {{"Moquette 1", 296}}},
          {"Walls", 0, {{"Brick wall 1", 304}}},
          {"Wood", 0, {{"Parquet", 311}}}}},
        {"Under 256 colors", 0, {{"Geometricals", 0, {{"Moquette", 102}}}}},
    };
    return nodes;
}

bool Lists(const std::vector<std::string>& numbers, int number)
{
    return std::ranges::find(numbers, ZeroPad(number, 3)) != numbers.end();
}

QIcon TreeIcon(const ResourceModules& modules, const char* name, const char* selectedName = nullptr)
{
    QIcon icon;
    const QImage normal = modules.Image(name);
    if (normal.isNull())
        return icon;
    icon.addPixmap(QPixmap::fromImage(KeyedTransparent(normal)), QIcon::Normal);
    if (selectedName)
        if (const QImage selected = modules.Image(selectedName); !selected.isNull())
            icon.addPixmap(QPixmap::fromImage(KeyedTransparent(selected)), QIcon::Selected);
    return icon;
}

struct TreeLook {
    QIcon group;
    QIcon leaf;
    std::function<bool(int number)> offered;
};

// Adds node under parent (the tree itself when parent is null); false when nothing of it is
// offered.
bool AddNode(QTreeWidget* tree, QTreeWidgetItem* parent, const TreeNode& node, const TreeLook& look)
{
    const bool leaf = node.children.empty();
    if (leaf && !look.offered(node.number))
        return false;
    auto* item = new QTreeWidgetItem(QStringList(QString::fromUtf8(node.text)));
    item->setData(0, kNumberRole, node.number);
    item->setData(0, kChoiceRole, leaf);
    item->setIcon(0, leaf ? look.leaf : look.group);
    bool anyOffered = leaf;
    for (const TreeNode& child : node.children)
        anyOffered = AddNode(tree, item, child, look) || anyOffered;
    if (!anyOffered) {
        delete item;
        return false;
    }
    if (parent)
        parent->addChild(item);
    else
        tree->addTopLevelItem(item);
    return true;
}

void Fill(QTreeWidget* tree, const std::vector<TreeNode>& nodes, const TreeLook& look)
{
    tree->clear();
    for (const TreeNode& node : nodes)
        AddNode(tree, nullptr, node, look);
    tree->expandAll();
}

}  // namespace

void FillCardBackTree(QTreeWidget* tree, const ResourceModules& modules)
{
    Fill(tree, CardBackNodes(),
         TreeLook{TreeIcon(modules, "TREE1", "TREE2"), TreeIcon(modules, "N_TREE3"), [&modules](int number) {
                      return Lists(CardBackNumbers(), number) &&
                             modules.Has(CardBackName('B', ZeroPad(number, 3)));
                  }});
}

void FillBackgroundTree(QTreeWidget* tree, const ResourceModules& modules)
{
    Fill(tree, BackgroundNodes(),
         TreeLook{TreeIcon(modules, "TREE1", "TREE2"), TreeIcon(modules, "N_TREE4"), [&modules](int number) {
                      const bool texture = number > kPlainColourNode && number <= kLastTextureNode;
                      return !texture || (Lists(TextureNumbers(), number) && modules.Has(TextureName(number)));
                  }});
}

int NodeNumber(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kNumberRole).toInt() : 0;
}

bool IsChoice(const QTreeWidgetItem* item)
{
    return item && item->data(0, kChoiceRole).toBool();
}

QTreeWidgetItem* FindChoice(QTreeWidget* tree, int number)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (IsChoice(*it) && NodeNumber(*it) == number)
            return *it;
    return nullptr;
}

}  // namespace marlowe
