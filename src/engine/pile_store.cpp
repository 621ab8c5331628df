#include "engine/pile_store.h"

#include <stdexcept>

namespace marlowe {

namespace {

struct Prefix {
    std::string_view text;
    PileGroup group;
};

constexpr Prefix kPrefixes[] = {
    {"Dest", PileGroup::Foundations},
    {"Fila", PileGroup::Tableaus},
    {"Appogg", PileGroup::Reserves},
};

// The one- or two-digit number after a prefix.
std::optional<int> SlotNumber(std::string_view digits)
{
    digits = digits.substr(0, 2);
    if (digits.empty())
        return std::nullopt;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

std::optional<PileRef> ParsePileName(std::string_view name)
{
    if (name == "Mazzo")
        return PileRef{PileGroup::StockGroup, kStockSlot};
    if (name == "Mazzo_Vis")
        return PileRef{PileGroup::StockGroup, kWasteSlot};
    if (name == "Mazzo_Waste")
        return PileRef{PileGroup::StockGroup, kSecondWasteSlot};
    for (const auto& prefix : kPrefixes) {
        if (name.substr(0, prefix.text.size()) != prefix.text)
            continue;
        const auto number = SlotNumber(name.substr(prefix.text.size()));
        if (!number || *number < 1 || *number > PileStore::SlotCount(prefix.group))
            return std::nullopt;
        return PileRef{prefix.group, *number - 1};
    }
    return std::nullopt;
}

std::string PileName(PileRef pile)
{
    switch (pile.group) {
    case PileGroup::StockGroup:
        return pile.slot == kStockSlot ? "Mazzo" : pile.slot == kWasteSlot ? "Mazzo_Vis" : "Mazzo_Waste";
    case PileGroup::Foundations: return "Dest" + std::to_string(pile.slot + 1);
    case PileGroup::Tableaus: return "Fila" + std::to_string(pile.slot + 1);
    case PileGroup::Reserves: return "Appogg" + std::to_string(pile.slot + 1);
    }
    return {};
}

std::optional<PileCell> ParsePileCellName(std::string_view name)
{
    const auto colon = name.find(':');
    const auto pile = ParsePileName(name.substr(0, colon));
    if (!pile)
        return std::nullopt;
    if (colon == std::string_view::npos)
        return PileCell{*pile, -1};
    const std::string_view digits = name.substr(colon + 1);
    if (pile->group != PileGroup::Tableaus || digits.empty() || digits.size() > 3 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int cell = 0;
    for (const char c : digits)
        cell = cell * 10 + (c - '0');
    if (cell < 1)
        return std::nullopt;
    return PileCell{*pile, cell - 1};
}

std::string PileCellName(PileCell target)
{
    const std::string pile = PileName(target.pile);
    return target.cell < 0 ? pile : pile + ":" + std::to_string(target.cell + 1);
}

int PileStore::SlotCount(PileGroup group)
{
    switch (group) {
    case PileGroup::StockGroup: return 3;
    case PileGroup::Foundations: return 16;
    case PileGroup::Tableaus: return 40;
    case PileGroup::Reserves: return 12;
    }
    return 0;
}

std::string& PileStore::Slot(PileGroup group, int slot)
{
    return const_cast<std::string&>(static_cast<const PileStore&>(*this).Slot(group, slot));
}

const std::string& PileStore::Slot(PileGroup group, int slot) const
{
    const auto at = static_cast<std::size_t>(slot);
    switch (group) {
    case PileGroup::StockGroup: return stockGroup.at(at);
    case PileGroup::Foundations: return foundations.at(at);
    case PileGroup::Tableaus: return tableaus.at(at);
    case PileGroup::Reserves: return reserves.at(at);
    }
    throw std::out_of_range("pile group");
}

void PileStore::Clear()
{
    *this = PileStore();
}

} // namespace marlowe
