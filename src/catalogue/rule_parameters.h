#pragma once
// The names of the rule parameters: the index of every single parameter and the base index of
// every per-pile family (entry base + k belongs to pile k, 0-based). The game sources, the game
// compiler, the command line and the engine all use these names.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

constexpr int kRuleVectorSize = 503;
constexpr int kMaxFoundations = 16;
constexpr int kMaxTableaus = 40;
constexpr int kMaxReserves = 12;

namespace rule {
// Single parameters.
constexpr int FoundationStartMode = 1;
constexpr int RunRule = 2;
constexpr int TableauStyle = 3;
constexpr int FoundationStyle = 4;
constexpr int ReserveStyle = 5;
constexpr int SplitTableauFan = 6;
constexpr int StockFaceDown = 7;
constexpr int WasteFaceDown = 8;
constexpr int SecondWasteFaceDown = 9;
constexpr int StockShown = 10;
constexpr int WasteShown = 11;
constexpr int ExtraFoundationCard = 13;
constexpr int TableauPickRule = 14;
constexpr int ReservePickRule = 15;
constexpr int PassesAllowed = 16;
constexpr int RedealStyle = 17;
constexpr int TurnOnEmptyWasteOnly = 18;
constexpr int FoundationTakeBack = 19;
constexpr int AutoplayAvailable = 20;
constexpr int AutoFoundationTargets = 22;
constexpr int NoUndo = 23;
constexpr int DrawCount = 24;
constexpr int EmptyTableauFill = 25;
constexpr int ScanOrder = 26;
constexpr int BlockedRows = 27;
constexpr int BlockedColumns = 28;
constexpr int GridColumns = 30;
constexpr int FoundationFullCount = 34;
constexpr int MaxTableauCards = 35;
constexpr int DealFamily = 36;
constexpr int TableauLock = 37;
constexpr int SingleClickGame = 39;
constexpr int ScreenNeed = 40;
constexpr int SelectionMode = 41;
constexpr int FirstMoveToFoundation = 42;
constexpr int FillAfterFirstMove = 43;
constexpr int AutoFaceUp = 44;
constexpr int SerpentineColumns = 45;
constexpr int JokersInPack = 46;
constexpr int MoveFinderAvailable = 47;
constexpr int BonusCards = 48;
constexpr int StrippedPack = 49;
constexpr int SuitSheetMode = 50;
constexpr int FoundationStartSuitRule = 51;
constexpr int TargetScore = 53;
constexpr int SpecialGame = 54;
constexpr int SecondWasteCard = 359;
constexpr int WasteBuild = 360;
constexpr int WasteNotTarget = 361;
constexpr int StockArrangement = 362;
constexpr int StockRow = 363;
constexpr int FoundationArrangement = 364;
constexpr int FoundationRow = 365;
constexpr int TableauArrangement = 366;
constexpr int TableauRow = 367;
constexpr int TableauGridRows = 368;
constexpr int ReserveArrangement = 369;
constexpr int ReserveRow = 370;
constexpr int SecondWasteArrangement = 371;
constexpr int SecondWasteRow = 372;
constexpr int StockGroupCount = 373;
constexpr int FoundationCount = 374;
constexpr int TableauCount = 375;
constexpr int ReserveCount = 376;
constexpr int SecondWasteCount = 377;
constexpr int PackSize = 378;
constexpr int StockCardCount = 379;
constexpr int WasteCardCount = 380;
constexpr int JokerCount = 381;
constexpr int SecondWasteCardCount = 462;
constexpr int FoundationRuleOverride = 487;
constexpr int TableauRuleOverride = 488;
constexpr int GameTimeClass = 497;
constexpr int DifficultyClass = 498;
constexpr int SkillClass = 499;
constexpr int ChanceClass = 500;
constexpr int WonSample = 501;
constexpr int PlayedSample = 502;

// Per-pile families: the index of pile 0.
constexpr int FoundationBaseRank = 55;
constexpr int FoundationDirection = 71;
constexpr int FoundationBuildCode = 87;
constexpr int FoundationStarter = 103;
constexpr int FoundationFullCountOf = 119;
constexpr int TableauBaseRank = 135;
constexpr int TableauDirection = 175;
constexpr int TableauBuildCode = 215;
constexpr int TableauWrap = 255;
constexpr int TableauDealMode = 295;
constexpr int ReserveRule = 335;
constexpr int ReserveDealMode = 347;
constexpr int TableauCardCount = 382;
constexpr int TableauFaceUp = 422;
constexpr int ReserveCardCount = 463;
constexpr int ReserveFaceUp = 475;
} // namespace rule

// One named parameter or family of the table: count is 1 for a single parameter, else the
// number of piles of its kind.
struct RuleParameter {
    std::string_view name;
    int index;
    int count;
};

// Every named parameter and family, in index order.
const std::vector<RuleParameter>& RuleParameters();
// The parameter or family called name (exact spelling), if any.
std::optional<RuleParameter> FindRuleParameter(std::string_view name);
// The name of index: a single parameter's name, or a family's name with the pile number
// ("TableauBuildCode[3]"); empty for an index no part of the program reads.
std::string RuleParameterName(int index);

} // namespace marlowe
