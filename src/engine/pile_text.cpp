#include "engine/pile_text.h"

#include "app/text_helpers.h"
#include "engine/cards.h"

#include <array>

namespace marlowe {

namespace {

int CodeOf(std::string_view element)
{
    // Elements are almost always three digits; anything else goes through the full parser.
    if (element.size() == 3 && element[0] >= '0' && element[0] <= '9' && element[1] >= '0' && element[1] <= '9' &&
        element[2] >= '0' && element[2] <= '9')
        return (element[0] - '0') * 100 + (element[1] - '0') * 10 + (element[2] - '0');
    return static_cast<int>(ParseInteger(Trim(element)).value_or(0));
}

} // namespace

int ElementAt(std::string_view pile, int i)
{
    if (i < 0 || i >= ElementCount(pile))
        return 0;
    return CodeOf(pile.substr(static_cast<std::size_t>(i) * 3, 3));
}

int TopElement(std::string_view pile)
{
    return pile.size() < 3 ? 0 : CodeOf(pile.substr(pile.size() - 3));
}

std::string CodeText(int code)
{
    return ZeroPad(code, 3);
}

std::vector<int> PileCodes(std::string_view pile)
{
    std::vector<int> codes;
    const int count = ElementCount(pile);
    codes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        codes.push_back(ElementAt(pile, i));
    return codes;
}

std::string PileTextOf(const std::vector<int>& codes)
{
    std::string pile;
    pile.reserve(codes.size() * 3);
    for (int code : codes)
        pile += CodeText(code);
    return pile;
}

bool ContainsCode(std::string_view codeText, std::string_view pile)
{
    const int code = CodeOf(codeText);
    for (int i = 0; i < ElementCount(pile); ++i)
        if (ElementAt(pile, i) == code)
            return true;
    return false;
}

bool AllRanksDistinct(std::string_view pile)
{
    std::array<bool, kJokerRank + 1> seen{};
    for (int i = 0; i < ElementCount(pile); ++i) {
        const int rank = CardRank(ElementAt(pile, i));
        if (rank <= 0)
            continue;
        if (seen[static_cast<std::size_t>(rank)])
            return false;
        seen[static_cast<std::size_t>(rank)] = true;
    }
    return true;
}

} // namespace marlowe
