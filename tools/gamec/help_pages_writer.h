#pragma once
// Writes the help pages of the shipped games into the help folder beside the game file: one
// rules page per game (topic 3000 + its number, "3001.html"), worded from its rules with the
// hand-written paragraphs of its source, "contents.html", which lists every game by name and
// says how the program is played, and the page of the customize dialog ("1019.html").

#include "game_compiler.h"
#include "game_source.h"

#include "catalogue/rules_page.h"

#include <filesystem>
#include <string>
#include <vector>

namespace marlowe::gamec {

// The contents page: how to play, then every game in name order with a link to its page.
std::string ContentsPageHtml(const std::vector<CompiledGame>& games);

// Writes the rules pages and the contents page into folder, creating it when needed; false when
// a page cannot be written.
bool WriteHelpPages(const std::filesystem::path& folder, const std::vector<CompiledGame>& games,
                    const std::vector<GameSource>& sources);

} // namespace marlowe::gamec
