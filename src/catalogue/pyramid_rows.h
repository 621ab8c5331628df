#pragma once
// The rows of the pyramid games, one tableau pile per row. Rows widening downward may hold
// several pyramids side by side: a row of cards no longer than the one above starts the next
// pyramid.

#include "catalogue/rule_vector.h"

namespace marlowe {

// One past the last row of the pyramid that holds `row`.
int PyramidEndRow(const RuleVector& rules, int row);

// Whether the rows hold more than one pyramid.
bool SeveralPyramids(const RuleVector& rules);

} // namespace marlowe
