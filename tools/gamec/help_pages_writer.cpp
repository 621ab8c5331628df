#include "help_pages_writer.h"

#include "app/text_helpers.h"
#include "catalogue/rules_page.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace marlowe::gamec {

namespace {

// The keys and the mouse, the same for every game.
const char* const kHowToPlay = R"(<h2>How to play</h2>
<ul>
<li>Drag a card, or a run of cards, with the left mouse button and drop it where it may go. A move the rules do not allow puts the cards back.</li>
<li>Double click a card to send it home to a foundation; a right click does the same.</li>
<li>Click the stock to turn or deal cards, as each game's rules say. The space bar does the same as a click on the stock.</li>
<li>When the stock is empty and the game allows another pass, a click on it redeals.</li>
<li>Point at a pile to read in the status bar how it builds and how many cards it holds.</li>
</ul>
<h2>Keys</h2>
<table cellpadding="3">
<tr><td><b>F2</b></td><td>New game</td></tr>
<tr><td><b>Ctrl+F12</b></td><td>Open a game</td></tr>
<tr><td><b>Ctrl+Z</b></td><td>Undo</td></tr>
<tr><td><b>Ctrl+Y</b></td><td>Redo</td></tr>
<tr><td><b>F7</b></td><td>Autoplay: cards that can go to the foundations go there by themselves</td></tr>
<tr><td><b>F11</b></td><td>Full screen, and back</td></tr>
<tr><td><b>F1</b></td><td>The rules of the game in play</td></tr>
<tr><td><b>Space</b></td><td>A click on the stock</td></tr>
</table>
)";

RuleVector RulesOf(const CompiledGame& game)
{
    RuleVector rules;
    for (int i = 0; i < kRuleVectorSize; ++i)
        rules[i] = game.rules[static_cast<std::size_t>(i)];
    return rules;
}

bool WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

} // namespace

std::string ContentsPageHtml(const std::vector<CompiledGame>& games)
{
    std::vector<const CompiledGame*> byName;
    for (const auto& game : games)
        if (game.catalogueClass == '0' || game.catalogueClass == '2')
            byName.push_back(&game);
    std::sort(byName.begin(), byName.end(), [](const CompiledGame* a, const CompiledGame* b) {
        return ToLowerAscii(a->name) < ToLowerAscii(b->name);
    });
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Contents</title>\n" +
                       HelpPageStyle() + "</head>\n<body>\n<h1>Marlowe help</h1>\n" +
                       "<p class=\"intro\">Choose a game to read its rules, or read on for how the program is "
                       "played.</p>\n<h2>The games</h2>\n<ul>\n";
    for (const auto* game : byName)
        html += "<li><a href=\"" + HelpTopicFileName(kRulesTopicBase + game->number) + "\">" + EscapeHtml(game->name) +
                "</a></li>\n";
    html += "</ul>\n";
    html += kHowToPlay;
    html += "</body>\n</html>\n";
    return html;
}

bool WriteHelpPages(const std::filesystem::path& folder, const std::vector<CompiledGame>& games,
                    const std::vector<GameSource>& sources)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::map<int, RulesPageNotes> notes;
    for (const auto& source : sources)
        if (source.number)
            notes[source.number->value] = {source.rulesText, source.rulesStrategy};
    for (const auto& game : games) {
        const auto page = RulesPageHtml(game.name, RulesOf(game), notes[game.number]);
        if (!WriteFile(folder / HelpTopicFileName(kRulesTopicBase + game.number), page))
            return false;
    }
    return WriteFile(folder / kHelpContentsFileName, ContentsPageHtml(games));
}

} // namespace marlowe::gamec
