#include "layout/empty_marks.h"

#include "catalogue/rule_parameters.h"
#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"

namespace marlowe {
namespace {

constexpr int kNoMarkBaseRank = 94;

bool RedealsRemain(const GameContext& context)
{
    const int passes = context.rules[rule::PassesAllowed];
    return passes < 0 || context.mainGame.RedealsDone < passes;
}

int WasteCards(const GameContext& context)
{
    return ElementCount(context.piles.Slot(PileGroup::StockGroup, 1));
}

std::string StockMark(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    if (StockCompactsTableau(rules))
        return "empty-stock";
    if (rules[rule::RedealStyle] >= redeal::FirstOwn && RedealsRemain(context))
        return "StockUp";
    if (WasteCards(context) < 2)
        return "StockStop";
    return RedealsRemain(context) ? "StockUp" : "StockStop";
}

std::string WasteMark(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    if (rules[rule::StockShown] == 1)
        return "StockVisible";
    if (rules[rule::PassesAllowed] == 0)
        return "StockStop";
    if (rules[rule::RedealStyle] < redeal::FirstOwn || rules[rule::StockShown] != 0)
        return "";
    return RedealsRemain(context) ? "StockUp" : "StockStop";
}

std::string ReserveMark(const RuleVector& rules, int reserve)
{
    const int value = rules[rule::ReserveRule + reserve];
    if (value == building::Nothing)
        return "Position";
    if (rules[rule::ReserveRule] == building::CourtOnEmptyReserve)
        return "emptypositionjqk";
    if (rules[rule::ReserveRule] == building::SingleKingOnReserve)
        return "Foundation13";
    switch (value) {
    case building::JackOnEmptyReserve: return "Foundation11";
    case building::QueenOnEmptyReserve:
    case building::QueenOfFoundationSuit: return "Foundation12";
    case building::KingOnEmptyReserve: return "Foundation13";
    case building::AcesOfAlternateColours: return "FoundationA";
    default: return "EmptyPosition";
    }
}

}  // namespace

std::string BaseRankMarkName(int baseRank)
{
    switch (baseRank) {
    case 1:
    case 58:
    case base_rank::BalancedColoursFromAce:
    case base_rank::BalancedSuitsFromAce: return "FoundationA";
    case 2:
    case base_rank::BalancedSuitsFromTwo: return "Foundation2";
    case 13:
    case 64:
    case base_rank::BalancedSuitsFromKing: return "Foundation13";
    default: break;
    }
    if (baseRank >= 3 && baseRank <= 12)
        return "Foundation" + std::to_string(baseRank);
    return {};
}

std::string EmptyMarkName(const GameContext& context, PileRef pile)
{
    const RuleVector& rules = context.rules;
    switch (pile.group) {
    case PileGroup::StockGroup:
        if (pile.slot == 0)
            return StockMark(context);
        return pile.slot == 1 ? WasteMark(context) : "StockVisible";
    case PileGroup::Foundations: {
        if (rules[rule::FoundationBuildCode + pile.slot] == building::QueenOnEmpty)
            return "Foundation12";
        if (rules[rule::FoundationBuildCode + pile.slot] == building::OneSuitAnyOrder)
            return "Foundation"; // its base names a suit, not a rank
        const int baseRank = rules[rule::FoundationBaseRank + pile.slot];
        if (baseRank == kNoMarkBaseRank)
            return "";
        const std::string mark = BaseRankMarkName(baseRank);
        return mark.empty() ? "Foundation" : mark;
    }
    case PileGroup::Reserves: return ReserveMark(rules, pile.slot);
    case PileGroup::Tableaus: {
        const int baseRank = rules[rule::TableauBaseRank + pile.slot];
        if (baseRank == kNoMarkBaseRank)
            return "";
        const std::string mark = BaseRankMarkName(baseRank);
        if (!mark.empty())
            return mark;
        // A rank code of a rule of its own (above the King) still limits what the space takes.
        return baseRank > 13 ? "FirstTableauAll" : "Position";
    }
    }
    return {};
}

bool IsFoundationComplete(const GameContext& context, int foundation)
{
    int target = context.rules[rule::FoundationFullCountOf + foundation];
    if (target == -1)
        target = context.rules[rule::FoundationFullCount];
    const std::string& pile = context.piles.Slot(PileGroup::Foundations, foundation);
    return !pile.empty() && ElementCount(pile) == target;
}

}  // namespace marlowe
