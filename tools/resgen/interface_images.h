#pragma once
// The parts of the window's small pictures that have files of their own: the game tree's nodes
// and the game characteristics of the selection dialog.

#include "resource_makers.h"

#include <string_view>

namespace marlowe::resgen {

// Removes prefix or suffix from text when it is there, and tells whether it was.
bool TakePrefix(std::string_view& text, std::string_view prefix);
bool TakeSuffix(std::string_view& text, std::string_view suffix);

// tree_images.cpp: "TREE5_..." family nodes in their four forms, "TREE1", "TREE2", "N_TREE3..5".
QImage MakeTreeImage(const ResourceEntry& entry);

// characteristic_images.cpp: the "PROG_..." pictures of game time, difficulty, chance and skill.
QImage MakeCharacteristicImage(const ResourceEntry& entry);

}  // namespace marlowe::resgen
