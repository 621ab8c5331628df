#pragma once
// The special building codes (4 and above): one small rule per code, dispatched from
// IsLegalPlacement. A code without a rule of its own uses the standard rule.

#include "engine/legality.h"

#include <optional>

namespace marlowe {

// The verdict of the query's special building code, or nothing when the code has no rule of
// its own and the standard rule decides.
std::optional<bool> SpecialBuildingRule(const GameContext& context, const PlacementQuery& query);

} // namespace marlowe
