#pragma once
// The rules of a game in plain English, worded from its rule parameters, as one HTML page of the
// help: the cards, the piles, the deal, how the piles build, the stock, the special actions of the
// games played by removing cards, and how the game is won. The game compiler writes a page for every
// shipped game; the help window words a custom game's page at run time from its changed rules.

#include "catalogue/rule_vector.h"

#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// The rules page of game n is help topic 3000 + n, stored as "<topic>.html" in the help folder.
inline constexpr int kRulesTopicBase = 3000;
inline constexpr const char* kHelpFolderName = "help";
inline constexpr const char* kHelpContentsFileName = "contents.html";

std::string HelpTopicFileName(int topic);

// The hand-written text a game source may add to its worded rules.
struct RulesPageNotes {
    std::vector<std::string> introduction; // paragraphs shown under the title
    std::vector<std::string> strategy;     // paragraphs shown under "Hints"
};

// The text with &, <, > and " written as HTML entities.
std::string EscapeHtml(std::string_view text);

// The worded rules as sections of plain sentences: a heading, then its paragraphs.
struct RulesSection {
    std::string heading;
    std::vector<std::string> sentences;
};
std::vector<RulesSection> WordRules(const RuleVector& rules);

// The whole page: title, notes and worded rules, with a link back to the contents.
std::string RulesPageHtml(const std::string& name, const RuleVector& rules, const RulesPageNotes& notes = {});

// The style sheet every help page carries, so the pages look alike in the help window.
std::string HelpPageStyle();

} // namespace marlowe
