#pragma once
// The two trees of the customize dialog: the card backs and the backgrounds, in groups. Every
// node carries a number (see ui/customize_choices.h); groups carry 0 as well, so whether a node
// is a choice is kept beside its number. Only backs and textures that the resource module holds
// are offered; a group left without leaves is left out.

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace marlowe {

class ResourceModules;

// Fills the trees with their groups and leaves, every group open.
void FillCardBackTree(QTreeWidget* tree, const ResourceModules& modules);
void FillBackgroundTree(QTreeWidget* tree, const ResourceModules& modules);

int NodeNumber(const QTreeWidgetItem* item);
// True for a back or background the player can choose, false for a group or no node.
bool IsChoice(const QTreeWidgetItem* item);
// The leaf with the number; nullptr when the tree has none.
QTreeWidgetItem* FindChoice(QTreeWidget* tree, int number);

}  // namespace marlowe
