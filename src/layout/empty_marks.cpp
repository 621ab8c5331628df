#include "layout/empty_marks.h"

#include "catalogue/rule_parameters.h"
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
    const int family = rules[rule::SpecialGame];
    if (family == 8 || family == 45 || family == 71)
        return "empty-stock";
    if (rules[rule::RedealStyle] >= 1 && RedealsRemain(context))
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
    if (rules[rule::RedealStyle] < 1 || rules[rule::StockShown] != 0)
        return "";
    return RedealsRemain(context) ? "StockUp" : "StockStop";
}

std::string ReserveMark(const RuleVector& rules, int reserve)
{
    const int value = rules[rule::ReserveRule + reserve];
    if (value == 4)
        return "Position";
    if (rules[rule::ReserveRule] == 9)
        return "emptypositionjqk";
    if (rules[rule::ReserveRule] == 8)
        return "Foundation13";
    switch (value) {
    case 88: return "Foundation11";
    case 89:
    case 119: return "Foundation12";
    case 90: return "Foundation13";
    case 107: return "FoundationA";
    default: return "EmptyPosition";
    }
}

}  // namespace

std::string BaseRankMarkName(int baseRank)
{
    switch (baseRank) {
    case 1:
    case 58:
    case 81:
    case 85: return "FoundationA";
    case 2:
    case 90: return "Foundation2";
    case 13:
    case 64:
    case 84: return "Foundation13";
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
        if (rules[rule::FoundationBuildCode + pile.slot] == 10)
            return "Foundation12";
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
