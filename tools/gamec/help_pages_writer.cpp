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
<li>Every move can be made with the keyboard too. The arrow keys and Tab move a gold frame over the
piles and cards. Enter picks up the framed card, with the cards on it when the rules let them go
along; move the frame to another pile and press Enter again to put them there, or Escape to put
them back. H sends the framed card home as a double click does, and the space bar still turns
the stock (Enter on the stock does too). A click of the mouse hides the frame.</li>
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
<tr><td><b>Arrow keys</b></td><td>Move the frame to the next card or pile that way</td></tr>
<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>Move the frame to the next or the previous pile</td></tr>
<tr><td><b>Enter</b></td><td>Pick up the framed card; with cards picked up, put them on the framed pile</td></tr>
<tr><td><b>Escape</b></td><td>Put the picked-up cards back; with none, hide the frame</td></tr>
<tr><td><b>H</b></td><td>Send the framed card home, as a double click does</td></tr>
<tr><td><b>F4</b></td><td>Game statistics</td></tr>
<tr><td><b>F9</b></td><td>Hi-Scores</td></tr>
<tr><td><b>F5</b></td><td>Game information</td></tr>
<tr><td><b>Ctrl+L</b></td><td>Players</td></tr>
<tr><td><b>Ctrl+U</b></td><td>Customize</td></tr>
</table>
<h2>Players and records</h2>
<p>Every game that is dealt anew and played at least one move counts in the records of the player
who plays it: the games played, won and lost, the streaks, the best score and the best time of each
game, the ten best scores of each game and a log of every game. The <b>Statistics</b> menu shows
them. Several people can share the program: each plays under a name of the <b>Players</b> dialog.
The records can be switched off in the <a href="1019.html">Customize</a> dialog.</p>
)";

// The help topic of the customize dialog.
constexpr int kCustomizeTopic = 1019;

const char* const kCustomizeBody = R"(<h1>Customize</h1>
<p>The options of the program, on four pages. <b>OK</b> keeps the choices and redraws the table at
once; <b>Cancel</b> leaves everything as it was.</p>
<h2>General</h2>
<ul>
<li><b>Show time</b> and <b>Show score</b>: the two panels beside the toolbar.</li>
<li><b>Winning animation</b>: the cards celebrate a won game.</li>
<li><b>Confirm quit game</b>: asks before a game in progress is abandoned for another.</li>
<li><b>Confirm on exit</b>: asks before the program closes.</li>
<li><b>Disable statistics</b>: finished games are no longer recorded, and the statistics commands
say so.</li>
</ul>
<h2>Decks</h2>
<p>The picture on the backs of the cards. The sample shows the chosen back on the table.</p>
<h2>Backgrounds</h2>
<p>The table: the default green, a colour of the list or one of your own (<b>Other color...</b>),
or a texture. <b>Fade background</b> shades the table from top to bottom.</p>
<h2>Sounds</h2>
<p><b>Disable all sounds</b> silences the program.</p>
<p><a href="contents.html">Contents</a></p>
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
    const std::string customize = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Customize</title>\n" +
                                  HelpPageStyle() + "</head>\n<body>\n" + kCustomizeBody + "</body>\n</html>\n";
    return WriteFile(folder / HelpTopicFileName(kCustomizeTopic), customize) &&
           WriteFile(folder / kHelpContentsFileName, ContentsPageHtml(games));
}

} // namespace marlowe::gamec
