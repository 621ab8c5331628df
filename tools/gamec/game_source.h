#pragma once
// One game source of data/games: a few lines naming the game, then the rule parameters that
// are not 0, by their names:
//
//   Number = 1
//   Name = FreeCell
//   Family = 4
//   TableauCount = 8
//   TableauCardCount = 7*4, 6*4      per-pile families: a list, "v*n" repeats v n times
//   TableauBuildCode = alternate*8   building codes and directions may be written by name
//   TableauFaceUp[3] = 2             one pile of a family
//
// "DerivesFrom = Klondike" starts from another game (by name or number) and lists only what
// differs. "#" starts a comment.
//
// "Hint.Tableau = text" gives the status bar hint of every tableau, "Hint.Tableau[3] = text" that
// of one tableau (0-based, as the per-pile families); likewise Hint.Foundation and Hint.Reserve,
// and Hint.Stock and Hint.Waste without a pile number.
//
// "Rules.Text = paragraph" adds a hand-written paragraph to the top of the game's help page and
// "Rules.Strategy = paragraph" one to its hints; both may be given several times, in page order.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe::gamec {

struct SourceLocation {
    std::string file;
    int line = 0;
    std::string Text() const { return file + ":" + std::to_string(line); }
};

// A fault in a game source, with where it is.
class CompileError : public std::runtime_error {
public:
    CompileError(const SourceLocation& where, const std::string& message)
        : std::runtime_error(where.Text() + ": " + message)
    {
    }
};

template <typename T>
struct Located {
    T value{};
    SourceLocation where;
};

struct RuleAssignment {
    int index = 0;
    int value = 0;
    SourceLocation where;
};

// A status bar hint: the pile letter and number of the hint file (1-based, 0 for every pile of
// the kind) and the text.
struct HintAssignment {
    char pileLetter = 'T';
    int pileNumber = 0;
    std::string text;
    SourceLocation where;
};

struct GameSource {
    std::string file;
    std::optional<Located<int>> number;
    std::optional<Located<std::string>> name;
    std::optional<Located<int>> family;
    std::optional<Located<char>> catalogueClass;  // "0" and "2" are listed in the catalogue
    std::optional<Located<bool>> wideScreen;      // needs a display at least 650 pixels wide
    std::optional<Located<char>> groupMark;       // "1": listed under "New games"
    std::optional<Located<bool>> selected;        // in the selection list of the game dialog
    std::optional<Located<std::string>> derivesFrom;
    std::vector<RuleAssignment> assignments;
    std::vector<HintAssignment> hints;
    std::vector<std::string> rulesText;     // help page paragraphs, not inherited by variants
    std::vector<std::string> rulesStrategy;
};

// Parses one source; the first fault throws a CompileError naming file and line.
GameSource ParseGameSource(std::string_view text, const std::string& fileName);

} // namespace marlowe::gamec
