// The building rule of a foundation or tableau put into words, with an example in suit codes.

#include "engine/pile_hints.h"

#include <array>

namespace marlowe {

namespace {

constexpr int kTopCardAvailable = 4;

struct SuitRuleWords {
    const char* phrase;
    std::array<const char*, 3> examples; // by direction: down, up, up or down
};

constexpr std::array<SuitRuleWords, 4> kSuitRules = {{
    {" in suit", {"(ex. 10 [s] on Jack [s])", "(ex. 2 [h] on Ace [h])", "(ex. 10 [d] on 9 [d] or on Jack [d])"}},
    {" by the same color",
     {"(ex. 10 [h] on Jack [h][d])", "(ex. 2 [h] on Ace [h][d])", "(ex. 10 [d] on 9 [d][h] or on Jack [d][h])"}},
    {" regardless of suit",
     {"(ex. 10 [d] on Jack [h][c][d][s])", "(ex. 2 [h] on Ace [h][c][d][s])",
      "(ex. 10 [c] on 9 or on Jack [h][c][d][s])"}},
    {" in alternating colors",
     {"(ex. 10 [d] on Jack [c][s])", "(ex. 2 [s] on Ace [h][d])", "(ex. 10 [h] on 9 [c][s] or on Jack [c][s])"}},
}};

constexpr std::array<const char*, 3> kDirectionWords = {"down", "up", "up or down"};

} // namespace

std::string BuildRuleText(int suitRule, int direction, int override)
{
    const int rule = override != -1 ? override : suitRule;
    if (rule == kTopCardAvailable)
        return "The top card is available for play to the foundations ";
    if (rule < 0 || rule >= static_cast<int>(kSuitRules.size()))
        return " ";
    const auto& words = kSuitRules[static_cast<std::size_t>(rule)];
    if (direction < 0 || direction >= static_cast<int>(kDirectionWords.size()))
        return std::string("Build ") + words.phrase + " ";
    const auto at = static_cast<std::size_t>(direction);
    return std::string("Build ") + kDirectionWords[at] + words.phrase + " " + words.examples[at];
}

} // namespace marlowe
