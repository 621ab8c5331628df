#include "engine/table.h"

#include "catalogue/rule_values.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"

namespace marlowe {

namespace {

PileKind KindOf(PileRef pile)
{
    switch (pile.group) {
    case PileGroup::StockGroup:
        return pile.slot == kStockSlot ? PileKind::Stock
               : pile.slot == kWasteSlot ? PileKind::Waste
                                         : PileKind::SecondWaste;
    case PileGroup::Foundations: return PileKind::Foundation;
    case PileGroup::Tableaus: return PileKind::Tableau;
    case PileGroup::Reserves: return PileKind::Reserve;
    }
    return PileKind::None;
}

// The index of the lowest element equal to code, or -1.
int FindElement(std::string_view pile, int code)
{
    const int count = ElementCount(pile);
    for (int i = 0; i < count; ++i)
        if (ElementAt(pile, i) == code)
            return i;
    return -1;
}

void EraseElement(std::string& pile, int i)
{
    pile.erase(static_cast<std::size_t>(i) * 3, 3);
}

// The piles TakeRunFrom searches: the tableaus of the game, then its reserves.
std::optional<std::pair<PileRef, int>> FindInTableausAndReserves(const GameContext& context, int code)
{
    for (auto [group, count] : {std::pair{PileGroup::Tableaus, context.TableauCount()},
                                std::pair{PileGroup::Reserves, context.ReserveCount()}}) {
        for (int slot = 0; slot < count && slot < PileStore::SlotCount(group); ++slot) {
            const int at = FindElement(context.piles.Slot(group, slot), code);
            if (at >= 0)
                return std::pair{PileRef{group, slot}, at};
        }
    }
    return std::nullopt;
}

} // namespace

int TopCard(const GameContext& context, std::string_view pileName)
{
    const auto pile = ParsePileName(pileName);
    if (!pile || (pile->group == PileGroup::StockGroup && pile->slot == kSecondWasteSlot))
        return 0;
    return TopElement(context.piles[*pile]);
}

void AddCardToNamedPile(GameContext& context, std::string_view pileName, int code, std::optional<char> mark)
{
    const auto pile = ParsePileName(pileName);
    if (!pile || (pile->group == PileGroup::StockGroup && pile->slot != kWasteSlot))
        return;
    context.piles[*pile] += CodeText(code);
    if (mark)
        context.cards.SetCardFaceMark(code, *mark);
}

void AddCardToPile(GameContext& context, PileRef pile, int code, std::optional<char> mark)
{
    context.piles[pile] += CodeText(code);
    if (mark && code != 0)
        context.cards.SetCardFaceMark(code, *mark);
}

bool RemoveCardFromSlot(GameContext& context, PileRef pile, int code, RemoveMode mode)
{
    std::string& text = context.piles[pile];
    const int at = FindElement(text, code);
    if (at < 0)
        return false;
    switch (mode) {
    case RemoveMode::Find: break;
    case RemoveMode::Delete: EraseElement(text, at); break;
    case RemoveMode::LeaveGap: text.replace(static_cast<std::size_t>(at) * 3, 3, "000"); break;
    case RemoveMode::DeleteWithGap: {
        EraseElement(text, at);
        const int below = at > 0 ? at - 1 : 0;
        if (below < ElementCount(text) && ElementAt(text, below) == 0)
            EraseElement(text, below);
        break;
    }
    }
    return true;
}

PileKind RemoveCardFromTable(GameContext& context, int code, RemoveMode mode)
{
    std::vector<PileRef> order{{PileGroup::StockGroup, kWasteSlot}};
    for (int slot = 0; slot < context.TableauCount() && slot < kMaxTableaus; ++slot)
        order.push_back({PileGroup::Tableaus, slot});
    for (int slot = 0; slot < kMaxFoundations; ++slot)
        order.push_back({PileGroup::Foundations, slot});
    order.push_back({PileGroup::StockGroup, kStockSlot});
    order.push_back({PileGroup::StockGroup, kSecondWasteSlot});
    for (int slot = 0; slot < kMaxReserves; ++slot)
        order.push_back({PileGroup::Reserves, slot});

    for (const auto& pile : order)
        if (RemoveCardFromSlot(context, pile, code, mode))
            return KindOf(pile);
    return PileKind::None;
}

std::vector<std::string> TakeRunFrom(GameContext& context, int code, bool cut)
{
    const auto found = FindInTableausAndReserves(context, code);
    if (!found)
        return {};
    std::string& pile = context.piles[found->first];
    const auto start = static_cast<std::size_t>(found->second) * 3;
    std::vector<std::string> run;
    for (std::size_t at = start; at + 3 <= pile.size(); at += 3)
        run.push_back(pile.substr(at, 3));
    if (cut)
        pile.erase(start, run.size() * 3);
    return run;
}

void CutRunFrom(GameContext& context, int code)
{
    TakeRunFrom(context, code, true);
}

bool IsTopOfAnyTableau(const GameContext& context, int code)
{
    for (int slot = 0; slot < context.TableauCount() && slot < kMaxTableaus; ++slot) {
        const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(slot)];
        if (!pile.empty() && TopElement(pile) == code)
            return true;
    }
    return false;
}

CardLocation LocateCard(const GameContext& context, int code)
{
    if (FindElement(context.piles.Stock(), code) >= 0)
        return kInStock;
    if (FindElement(context.piles.Waste(), code) >= 0)
        return kInWaste;
    for (int slot = 0; slot < kMaxFoundations; ++slot)
        if (FindElement(context.piles.foundations[static_cast<std::size_t>(slot)], code) >= 0)
            return -(slot + 1);
    for (int slot = 0; slot < context.TableauCount() && slot < kMaxTableaus; ++slot)
        if (FindElement(context.piles.tableaus[static_cast<std::size_t>(slot)], code) >= 0)
            return slot + 1;
    for (int slot = 0; slot < context.ReserveCount() && slot < kMaxReserves; ++slot)
        if (FindElement(context.piles.reserves[static_cast<std::size_t>(slot)], code) >= 0)
            return -21 - slot;
    return kNowhere;
}

std::optional<PileRef> PileOfLocation(CardLocation location)
{
    if (location == kInStock)
        return PileRef{PileGroup::StockGroup, kStockSlot};
    if (location == kInWaste)
        return PileRef{PileGroup::StockGroup, kWasteSlot};
    if (location >= 1 && location <= kMaxTableaus)
        return PileRef{PileGroup::Tableaus, location - 1};
    if (location <= -1 && location >= -kMaxFoundations)
        return PileRef{PileGroup::Foundations, -location - 1};
    if (location <= -21 && location >= -20 - kMaxReserves)
        return PileRef{PileGroup::Reserves, -location - 21};
    return std::nullopt;
}

std::optional<PileRef> PileHolding(const GameContext& context, int card)
{
    return PileOfLocation(LocateCard(context, card));
}

int PileLength(const GameContext& context, PileRef pile)
{
    return ElementCount(context.piles[pile]);
}

bool TableauCellsArePlaces(const GameContext& context)
{
    return context.rules[rule::TableauStyle] == pile_style::RowOfCells;
}

bool ReserveCardsMoveAlone(const GameContext& context)
{
    return context.rules[rule::ReservePickRule] == pick::FannedReserveSingles;
}

void ClearTable(GameContext& context, bool clearPiles)
{
    if (clearPiles) {
        context.piles.Clear();
        context.bookmark.reset();
    }
    ClearHistory(context, clearPiles);
    context.flags.Clear(GameInProgress);
}

void SaveToShadow(GameContext& context)
{
    context.shadow = context.piles;
}

void RestoreFromShadow(GameContext& context)
{
    context.piles = context.shadow;
}

void WithTemporaryPiles(GameContext& context, const std::function<void()>& action)
{
    SaveToShadow(context);
    action();
    RestoreFromShadow(context);
}

} // namespace marlowe
