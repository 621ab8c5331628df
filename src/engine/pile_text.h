#pragma once
// The text form of a pile: three-digit card codes, bottom card first, "000" for a gap.

#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// Number of elements (cards and gaps) of a pile string.
inline int ElementCount(std::string_view pile)
{
    return static_cast<int>(pile.size() / 3);
}

// The code of element i (0-based from the bottom); 0 for a gap.
int ElementAt(std::string_view pile, int i);
// The code of the top element; 0 for an empty pile or a gap on top.
int TopElement(std::string_view pile);
// The three-character text of a code: "007", "000"; a negative code keeps its sign ("-05").
std::string CodeText(int code);
// The codes of a pile string, gaps included as 0.
std::vector<int> PileCodes(std::string_view pile);
// The pile string of codes.
std::string PileTextOf(const std::vector<int>& codes);

// True when some element of the pile has the decimal value of codeText.
bool ContainsCode(std::string_view codeText, std::string_view pile);
// True when no two cards (gaps ignored) of the pile share a rank.
bool AllRanksDistinct(std::string_view pile);

} // namespace marlowe
