// The dispatch of the special building codes: every theme lists its codes with their rules,
// gathered once into one lookup by code.

#include "engine/building_codes.h"

#include "engine/building_code_placement.h"

#include <array>

namespace marlowe {

namespace {

constexpr int kHighestCode = 199; // room above the highest code in use

using CodeLookup = std::array<CodeRule, kHighestCode + 1>;

CodeLookup GatherCodes()
{
    CodeLookup lookup{};
    for (auto theme : {GeneralBuildingCodes(), TableauBuildingCodes(), FoundationBuildingCodes(), WildBuildingCodes()})
        for (const CodeEntry& entry : theme)
            lookup.at(static_cast<std::size_t>(entry.code)) = entry.rule;
    return lookup;
}

const CodeLookup& Codes()
{
    static const CodeLookup lookup = GatherCodes();
    return lookup;
}

} // namespace

std::optional<bool> SpecialBuildingRule(const GameContext& context, const PlacementQuery& query)
{
    if (query.code < 0 || query.code > kHighestCode)
        return std::nullopt;
    const CodeRule rule = Codes()[static_cast<std::size_t>(query.code)];
    if (rule == nullptr)
        return std::nullopt;
    return rule(Placement(context, query));
}

} // namespace marlowe
