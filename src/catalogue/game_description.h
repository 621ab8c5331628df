#pragma once
// What the game selection dialog says about a game: the game list in name order, the games of
// the selection list, and the characteristics of the description panel (decks, redeals, game
// time, difficulty, skill, chance of winning) with the names of their pictures. Kept apart from
// the window so that the texts can be checked without a display.

#include <string>
#include <vector>

namespace marlowe {

class TMainGame;

// One built-in game as the game trees list it.
struct CatalogueEntry {
    std::string name; // trailing spaces removed
    int family = -1;
    int number = -1;
    char groupMark = ' ';
};

// Every catalogue game, ordered by name without regard to case (then family and number, so
// that equal names keep a fixed order).
std::vector<CatalogueEntry> SortedCatalogue(const std::vector<std::string>& catalogueLines);

// The games of the "New games" group: those with group mark '1', in the order of sorted.
std::vector<CatalogueEntry> NewGames(const std::vector<CatalogueEntry>& sorted);

// The games of the game file's selection list, in name order. A listed number that names no
// catalogue game is left out, as is a line that holds no number; a missing game file gives none.
std::vector<CatalogueEntry> SelectionGames(const TMainGame& mainGame);

// A characteristic of the description panel: its text and the picture that goes with it.
struct Characteristic {
    std::string text;
    std::string picture;
};

// The classes of rows 497 to 500 of the rule matrix; a value outside the table gives an empty
// text and no picture.
Characteristic GameTimeOf(int value);
Characteristic DifficultyOf(int value);
Characteristic SkillOf(int value);
// The chance class, followed by " (won in played  -  percent%)" when played is above 0.
Characteristic ChanceOf(int value, int won, int played);
// won / played as a percentage with at most one decimal: "75", "66.7".
std::string PercentText(int won, int played);

// Redeals for the passes through the stock: "Unlimited" for -1, otherwise one less than the
// passes and never below 0.
std::string RedealsText(int passes);
// Whole packs of 52 in the pack; a stripped pack still counts as one deck.
std::string DecksText(int packSize);

// Everything the description panel shows of one game.
struct GameDescription {
    std::string name;
    std::string decks;
    std::string redeals;
    Characteristic gameTime;
    Characteristic difficulty;
    Characteristic skill;
    Characteristic chance;
    bool custom = false;
};

// The description of a built-in or custom game. A custom game takes its pack from the game it
// is based on and its passes from its own record, and shows "Customized game" with the disabled
// picture in the four classes.
GameDescription DescribeGame(const TMainGame& mainGame, int number);

} // namespace marlowe
