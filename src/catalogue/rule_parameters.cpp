#include "catalogue/rule_parameters.h"

namespace marlowe {

const std::vector<RuleParameter>& RuleParameters()
{
    static const std::vector<RuleParameter> table = {
        {"FoundationStartMode", rule::FoundationStartMode, 1},
        {"RunRule", rule::RunRule, 1},
        {"TableauStyle", rule::TableauStyle, 1},
        {"FoundationStyle", rule::FoundationStyle, 1},
        {"ReserveStyle", rule::ReserveStyle, 1},
        {"SplitTableauFan", rule::SplitTableauFan, 1},
        {"StockFaceDown", rule::StockFaceDown, 1},
        {"WasteFaceDown", rule::WasteFaceDown, 1},
        {"SecondWasteFaceDown", rule::SecondWasteFaceDown, 1},
        {"StockShown", rule::StockShown, 1},
        {"WasteShown", rule::WasteShown, 1},
        {"ExtraFoundationCard", rule::ExtraFoundationCard, 1},
        {"TableauPickRule", rule::TableauPickRule, 1},
        {"ReservePickRule", rule::ReservePickRule, 1},
        {"PassesAllowed", rule::PassesAllowed, 1},
        {"RedealStyle", rule::RedealStyle, 1},
        {"TurnOnEmptyWasteOnly", rule::TurnOnEmptyWasteOnly, 1},
        {"FoundationTakeBack", rule::FoundationTakeBack, 1},
        {"AutoplayAvailable", rule::AutoplayAvailable, 1},
        {"AutoFoundationTargets", rule::AutoFoundationTargets, 1},
        {"NoUndo", rule::NoUndo, 1},
        {"DrawCount", rule::DrawCount, 1},
        {"EmptyTableauFill", rule::EmptyTableauFill, 1},
        {"ScanOrder", rule::ScanOrder, 1},
        {"BlockedRows", rule::BlockedRows, 1},
        {"BlockedColumns", rule::BlockedColumns, 1},
        {"GridColumns", rule::GridColumns, 1},
        {"FoundationFullCount", rule::FoundationFullCount, 1},
        {"MaxTableauCards", rule::MaxTableauCards, 1},
        {"DealFamily", rule::DealFamily, 1},
        {"TableauLock", rule::TableauLock, 1},
        {"SingleClickGame", rule::SingleClickGame, 1},
        {"ScreenNeed", rule::ScreenNeed, 1},
        {"SelectionMode", rule::SelectionMode, 1},
        {"FirstMoveToFoundation", rule::FirstMoveToFoundation, 1},
        {"FillAfterFirstMove", rule::FillAfterFirstMove, 1},
        {"AutoFaceUp", rule::AutoFaceUp, 1},
        {"SerpentineColumns", rule::SerpentineColumns, 1},
        {"JokersInPack", rule::JokersInPack, 1},
        {"MoveFinderAvailable", rule::MoveFinderAvailable, 1},
        {"BonusCards", rule::BonusCards, 1},
        {"StrippedPack", rule::StrippedPack, 1},
        {"SuitSheetMode", rule::SuitSheetMode, 1},
        {"FoundationStartSuitRule", rule::FoundationStartSuitRule, 1},
        {"TargetScore", rule::TargetScore, 1},
        {"SpecialGame", rule::SpecialGame, 1},
        {"FoundationBaseRank", rule::FoundationBaseRank, 16},
        {"FoundationDirection", rule::FoundationDirection, 16},
        {"FoundationBuildCode", rule::FoundationBuildCode, 16},
        {"FoundationStarter", rule::FoundationStarter, 16},
        {"FoundationFullCountOf", rule::FoundationFullCountOf, 16},
        {"TableauBaseRank", rule::TableauBaseRank, 40},
        {"TableauDirection", rule::TableauDirection, 40},
        {"TableauBuildCode", rule::TableauBuildCode, 40},
        {"TableauWrap", rule::TableauWrap, 40},
        {"TableauDealMode", rule::TableauDealMode, 40},
        {"ReserveRule", rule::ReserveRule, 12},
        {"ReserveDealMode", rule::ReserveDealMode, 12},
        {"SecondWasteCard", rule::SecondWasteCard, 1},
        {"WasteBuild", rule::WasteBuild, 1},
        {"WasteNotTarget", rule::WasteNotTarget, 1},
        {"StockArrangement", rule::StockArrangement, 1},
        {"StockRow", rule::StockRow, 1},
        {"FoundationArrangement", rule::FoundationArrangement, 1},
        {"FoundationRow", rule::FoundationRow, 1},
        {"TableauArrangement", rule::TableauArrangement, 1},
        {"TableauRow", rule::TableauRow, 1},
        {"TableauGridRows", rule::TableauGridRows, 1},
        {"ReserveArrangement", rule::ReserveArrangement, 1},
        {"ReserveRow", rule::ReserveRow, 1},
        {"SecondWasteArrangement", rule::SecondWasteArrangement, 1},
        {"SecondWasteRow", rule::SecondWasteRow, 1},
        {"StockGroupCount", rule::StockGroupCount, 1},
        {"FoundationCount", rule::FoundationCount, 1},
        {"TableauCount", rule::TableauCount, 1},
        {"ReserveCount", rule::ReserveCount, 1},
        {"SecondWasteCount", rule::SecondWasteCount, 1},
        {"PackSize", rule::PackSize, 1},
        {"StockCardCount", rule::StockCardCount, 1},
        {"WasteCardCount", rule::WasteCardCount, 1},
        {"JokerCount", rule::JokerCount, 1},
        {"TableauCardCount", rule::TableauCardCount, 40},
        {"TableauFaceUp", rule::TableauFaceUp, 40},
        {"SecondWasteCardCount", rule::SecondWasteCardCount, 1},
        {"ReserveCardCount", rule::ReserveCardCount, 12},
        {"ReserveFaceUp", rule::ReserveFaceUp, 12},
        {"FoundationRuleOverride", rule::FoundationRuleOverride, 1},
        {"TableauRuleOverride", rule::TableauRuleOverride, 1},
        {"GameTimeClass", rule::GameTimeClass, 1},
        {"DifficultyClass", rule::DifficultyClass, 1},
        {"SkillClass", rule::SkillClass, 1},
        {"ChanceClass", rule::ChanceClass, 1},
        {"WonSample", rule::WonSample, 1},
        {"PlayedSample", rule::PlayedSample, 1},
    };
    return table;
}

std::optional<RuleParameter> FindRuleParameter(std::string_view name)
{
    for (const auto& parameter : RuleParameters())
        if (parameter.name == name)
            return parameter;
    return std::nullopt;
}

std::string RuleParameterName(int index)
{
    for (const auto& parameter : RuleParameters()) {
        if (index < parameter.index || index >= parameter.index + parameter.count)
            continue;
        std::string name(parameter.name);
        if (parameter.count > 1)
            name += "[" + std::to_string(index - parameter.index) + "]";
        return name;
    }
    return {};
}

} // namespace marlowe
