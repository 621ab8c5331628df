#include "catalogue/pyramid_rows.h"

#include "catalogue/rule_parameters.h"

#include <algorithm>

namespace marlowe {

int PyramidEndRow(const RuleVector& rules, int row)
{
    const int rows = std::clamp<int>(rules[rule::TableauCount], 1, kMaxTableaus);
    auto cards = [&](int k) { return rules.Of(rule::TableauCardCount, k); };
    const bool widening = cards(0) < cards(1);
    int end = row + 1;
    while (end < rows && !(widening && cards(end) > 0 && cards(end) <= cards(end - 1)))
        ++end;
    return end;
}

bool SeveralPyramids(const RuleVector& rules)
{
    return PyramidEndRow(rules, 0) < std::clamp<int>(rules[rule::TableauCount], 1, kMaxTableaus);
}

} // namespace marlowe
