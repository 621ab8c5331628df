#include "catalogue/game_traits.h"

#include <algorithm>
#include <array>

namespace marlowe {

namespace {

using K = ScoreKeeping;
using Click = SelectionStockClick;

// One row per code. Members are named in their order of declaration; a member a row leaves
// out keeps the value of an ordinary game.
constexpr std::array kTraits = {
    SpecialTraits{.code = Special::None},
    SpecialTraits{.code = Special::TensOrFifteens},
    SpecialTraits{.code = Special::Golf, .golf = true},
    SpecialTraits{.code = Special::PairsToFourteen, .selectsCards = true, .stockClick = Click::Ordinary},
    SpecialTraits{.code = Special::Pyramid, .won = WonTest::PyramidCleared, .selectsCards = true, .pyramid = true,
                  .stockClick = Click::Ordinary},
    SpecialTraits{.code = Special::PairsToTarget, .pairsOnly = true},
    SpecialTraits{.code = Special::NeighbourPairs, .stockClick = Click::ClosesUp, .refillsAfterSet = false},
    SpecialTraits{.code = Special::FillEveryPile, .scoreKeeping = K::NotKept, .score = ScoreRule::Zero,
                  .won = WonTest::EveryTableauHoldsCards},
    SpecialTraits{.code = Special::AcesFromReserve, .dealStep = DealStep::AcesFromReserve},
    SpecialTraits{.code = Special::GolfEddy, .golf = true, .golfWraps = true, .eddySound = true},
    SpecialTraits{.code = Special::PairsWithWaste, .stockClick = Click::TurnsOnEmptyWaste},
    SpecialTraits{.code = Special::GolfWrapping, .golf = true, .golfWraps = true},
    SpecialTraits{.code = Special::PairsWithWasteAlike, .stockClick = Click::TurnsOnEmptyWaste},
    SpecialTraits{.code = Special::ElevensOrCourts},
    SpecialTraits{.code = Special::AceOrEighteen},
    SpecialTraits{.code = Special::TensTwentiesThirties},
    SpecialTraits{.code = Special::RowBetweenMatches, .won = WonTest::RowOfTwo, .selectsCards = true},
    SpecialTraits{.code = Special::RoyalMarriageRow, .won = WonTest::RowOfTwo, .dealStep = DealStep::HeartCourtsPlaced,
                  .selectsCards = true},
    SpecialTraits{.code = Special::DropsAsAutoplay, .dropsAsAutoplay = true},
    SpecialTraits{.code = Special::NinesOrTenToKing},
    SpecialTraits{.code = Special::TurnUpPairs, .stockClick = Click::Ordinary, .turnsUpOnClick = true},
    SpecialTraits{.code = Special::TurnUpElevens, .stockClick = Click::Ordinary, .turnsUpOnClick = true},
    SpecialTraits{.code = Special::OneCardEach, .won = WonTest::OneCardEach},
    SpecialTraits{.code = Special::CountedStockTurns, .countsStockTurns = true},
    SpecialTraits{.code = Special::AcesAlone, .won = WonTest::AcesAlone, .winTestAfterMove = WinTestAfterMove::EveryMove},
    SpecialTraits{.code = Special::Peeking, .score = ScoreRule::Zero, .won = WonTest::Never, .rightPressPeeks = true},
    SpecialTraits{.code = Special::HighlightOne, .highlightsOnClick = true, .stockClick = Click::Ordinary,
                  .fillsAfterRemoval = true, .rightPressPeeks = true},
    SpecialTraits{.code = Special::OrderedBottoms, .score = ScoreRule::OrderedBottoms, .won = WonTest::ScoreGoal,
                  .winTestAfterMove = WinTestAfterMove::EveryMove},
    SpecialTraits{.code = Special::SecondWasteTens, .score = ScoreRule::SecondWasteTens, .won = WonTest::ScoreGoal,
                  .winTestAfterMove = WinTestAfterMove::EveryMove},
    SpecialTraits{.code = Special::MemoryRun, .score = ScoreRule::MemoryRun, .won = WonTest::ScoreGoal, .memoryClicks = true,
                  .memorySummaryPage = 1},
    SpecialTraits{.code = Special::MemoryTwins, .score = ScoreRule::MemoryTwins, .won = WonTest::ScoreGoal, .memoryClicks = true,
                  .memorySummaryPage = 0},
    SpecialTraits{.code = Special::MemoryCount, .score = ScoreRule::Zero, .memorySummaryPage = 2},
    SpecialTraits{.code = Special::MemoryPairs, .score = ScoreRule::MemoryPairs, .won = WonTest::ScoreGoal, .memoryClicks = true,
                  .memorySummaryPage = 3},
    SpecialTraits{.code = Special::BuildsOnFaceDown, .score = ScoreRule::Zero, .won = WonTest::ScoreGoal, .tableauNeverPicked = true,
                  .buildsOnFaceDown = true},
    SpecialTraits{.code = Special::CourtSums, .score = ScoreRule::Zero, .won = WonTest::OnlyFirstFoundation},
    SpecialTraits{.code = Special::ZeroScoreGoal, .score = ScoreRule::Zero, .won = WonTest::ScoreGoal},
    SpecialTraits{.code = Special::NineDownRows, .score = ScoreRule::NineDownRows, .won = WonTest::NineDownRow,
                  .afterTableauMove = AfterTableauMove::ScoreAndWinTest},
    SpecialTraits{.code = Special::CheckedAtDeal, .score = ScoreRule::PackOnly, .won = WonTest::Never, .wonTestAtDeal = true,
                  .afterTableauMove = AfterTableauMove::ScoreAndWinTest},
    SpecialTraits{.code = Special::OneSuitSums, .won = WonTest::FourPilesLeft, .stockClick = Click::ClosesUp,
                  .oneSuitSets = true},
    SpecialTraits{.code = Special::PeekingAlike, .score = ScoreRule::Zero, .won = WonTest::Never, .rightPressPeeks = true},
    SpecialTraits{.code = Special::GroupPairs, .score = ScoreRule::GroupPairs, .won = WonTest::ScoreGoal, .refillsAfterSet = false,
                  .closesGroupAfterRemoval = true},
    SpecialTraits{.code = Special::KeepsSets, .score = ScoreRule::FoundationOne, .won = WonTest::Never, .keepsSets = true},
    SpecialTraits{.code = Special::TwoCardExchange, .score = ScoreRule::FirstTwentyFourTableaus, .won = WonTest::FourEachOfTwentyFour,
                  .afterTableauMove = AfterTableauMove::TwoCardExchange},
    SpecialTraits{.code = Special::DoubledBases, .dealStep = DealStep::DoubledBases},
    SpecialTraits{.code = Special::ReserveOfEight, .won = WonTest::ReserveOfEight,
                  .winTestAfterMove = WinTestAfterMove::MovesToReserves},
    SpecialTraits{.code = Special::TableauFixed, .tableauNeverPicked = true},
    SpecialTraits{.code = Special::TableauFixedAlike, .tableauNeverPicked = true},
    SpecialTraits{.code = Special::StockEmptied, .score = ScoreRule::AllTableaus, .won = WonTest::StockAndWasteEmpty,
                  .winTestAfterMove = WinTestAfterMove::EveryMove},
    SpecialTraits{.code = Special::BottomSums, .score = ScoreRule::BottomSums, .won = WonTest::BottomSums, .stockClick = Click::Ordinary,
                  .refillsAfterSet = false, .swapsSets = true},
    SpecialTraits{.code = Special::PuzzleDigits, .score = ScoreRule::PuzzleDigits, .won = WonTest::PuzzleDigits},
    SpecialTraits{.code = Special::FillEveryPileAlike, .scoreKeeping = K::NotKept, .score = ScoreRule::Zero,
                  .won = WonTest::EveryTableauHoldsCards},
    SpecialTraits{.code = Special::WasteClimbsFirstFoundation, .wasteClickClimbs = true},
    SpecialTraits{.code = Special::NinePilesCleared, .score = ScoreRule::NinePilesCleared, .won = WonTest::NinePilesCleared},
    SpecialTraits{.code = Special::TwoCardExchangeAlike, .score = ScoreRule::FirstTwentyFourTableaus,
                  .won = WonTest::FourEachOfTwentyFour, .afterTableauMove = AfterTableauMove::TwoCardExchange},
    SpecialTraits{.code = Special::Baccarat, .score = ScoreRule::Baccarat, .won = WonTest::ThreePilesCleared,
                  .handsFromTableauBottoms = true},
    SpecialTraits{.code = Special::TableAndHome, .score = ScoreRule::TableAndHome, .won = WonTest::StockAndWasteEmpty},
    SpecialTraits{.code = Special::PyramidCovered, .won = WonTest::PyramidCleared, .selectsCards = true, .pyramid = true,
                  .stockClick = Click::Ordinary, .replacesFirstChoice = true},
    SpecialTraits{.code = Special::RowBetweenMatchesScored, .score = ScoreRule::SecondWaste, .won = WonTest::RowOfTwo,
                  .selectsCards = true},
    SpecialTraits{.code = Special::GridExchange, .stockClick = Click::FillsGapsFromRight, .offersExchange = true},
    SpecialTraits{.code = Special::FiveCardRows, .score = ScoreRule::AllTableaus, .won = WonTest::FiveEach,
                  .afterTableauMove = AfterTableauMove::WinTest},
    SpecialTraits{.code = Special::KingQueenJack, .won = WonTest::KingQueenJack, .afterTableauMove = AfterTableauMove::WinTest},
    SpecialTraits{.code = Special::Thirties, .score = ScoreRule::Thirties, .won = WonTest::Thirties, .rightPressPeeks = true},
    SpecialTraits{.code = Special::TwentyOneCells, .stockClick = Click::Ordinary, .closesGapsAfterSet = true},
    SpecialTraits{.code = Special::IdleStock, .scoreKeeping = K::FixedAtDeal, .score = ScoreRule::Zero, .idleStock = true,
                  .pressTurnsUpTableau = false},
    SpecialTraits{.code = Special::FillEveryPileUnscored, .scoreKeeping = K::FixedAtDeal, .score = ScoreRule::Zero,
                  .won = WonTest::EveryTableauHoldsCards},
    SpecialTraits{.code = Special::PyramidOnly, .won = WonTest::PyramidOnly, .selectsCards = true, .pyramid = true,
                  .stockClick = Click::Ordinary},
    SpecialTraits{.code = Special::LineFourteens, .closesGapsAfterSet = true},
    SpecialTraits{.code = Special::PairsAnywhere, .refillsAfterSet = false, .closesUpBeforeRefill = true},
    SpecialTraits{.code = Special::NeighbourThirteens, .refillsAfterSet = false, .closesUpBeforeRefill = true},
    SpecialTraits{.code = Special::FifteensOrTenToKing},
    SpecialTraits{.code = Special::TensLeftAlone, .won = WonTest::OnlyTensLeft},
    SpecialTraits{.code = Special::ElevensJacksQueenKing},
    SpecialTraits{.code = Special::SuitPairs, .won = WonTest::OneOfEachSuitLeft},
    SpecialTraits{.code = Special::SuitPairsDealtRows, .won = WonTest::OneOfEachSuitLeft, .refillsAfterSet = false},
    SpecialTraits{.code = Special::SumsWithReserves, .stockClick = Click::Ordinary, .pairsOnly = true, .refillsAfterSet = false},
    SpecialTraits{.code = Special::PairsWithReserves, .stockClick = Click::Ordinary},
    SpecialTraits{.code = Special::NamedPileTurns, .pressTurnsUpTableau = false, .turnsNamedPile = true},
    SpecialTraits{.code = Special::NamedPileTurnsLendingOnce, .pressTurnsUpTableau = false, .turnsNamedPile = true,
                  .lendsOnceWhenStuck = true},
    SpecialTraits{.code = Special::FoundationsCompleteWin, .won = WonTest::FoundationsComplete,
                  .winTestAfterMove = WinTestAfterMove::EveryMove},
    SpecialTraits{.code = Special::OntoWasteTurningCorner, .won = WonTest::PyramidOnly, .selectsCards = true,
                  .rankNeighbourOntoWaste = true, .stockClick = Click::Ordinary, .refillsAfterSet = false, .golfWraps = true},
    SpecialTraits{.code = Special::OntoWasteDeadKing, .won = WonTest::PyramidOnly, .selectsCards = true,
                  .rankNeighbourOntoWaste = true, .stockClick = Click::Ordinary, .refillsAfterSet = false},
    SpecialTraits{.code = Special::OntoWasteJokersWild, .won = WonTest::PyramidOnly, .selectsCards = true,
                  .rankNeighbourOntoWaste = true, .stockClick = Click::Ordinary, .refillsAfterSet = false},
    SpecialTraits{.code = Special::PyramidTwoWasteCards, .won = WonTest::PyramidCleared, .selectsCards = true, .pyramid = true,
                  .stockClick = Click::Ordinary},
    SpecialTraits{.code = Special::HeadsAlone, .won = WonTest::HeadsAlone, .winTestAfterMove = WinTestAfterMove::EveryMove},
    SpecialTraits{.code = Special::NeighbourPairsByColumns, .stockClick = Click::ClosesUp, .refillsAfterSet = false,
                  .closesUpByColumns = true},
    SpecialTraits{.code = Special::DiamondsHomeSuitsInRuns, .won = WonTest::SuitRunsBesideHome,
                  .afterTableauMove = AfterTableauMove::WinTest},
    SpecialTraits{.code = Special::SuitElevensCourtSlots, .courtSlots = true},
    SpecialTraits{.code = Special::PlacingRounds, .placingRounds = true},
    SpecialTraits{.code = Special::ThreeTurnsWhilePlaceEmpty, .turnsWhilePlaceEmpty = 3},
    SpecialTraits{.code = Special::SwapsToSuitRows, .scoreKeeping = K::NotKept, .score = ScoreRule::Zero,
                  .won = WonTest::SuitRowsInOrder, .winTestAfterMove = WinTestAfterMove::EveryMove,
                  .turnsAfterSwap = true},
    SpecialTraits{.code = Special::CourtFrame, .won = WonTest::OnlyCourtsLeft, .winTestAfterMove = WinTestAfterMove::EveryMove,
                  .selectsCards = true, .stockClick = Click::TurnsIntoFreePlace, .refillsAfterSet = false,
                  .placesTurnedCards = true},
    SpecialTraits{.code = Special::SuitRunsInPiles, .won = WonTest::SuitRunsBesideHome,
                  .afterTableauMove = AfterTableauMove::WinTest},
    SpecialTraits{.code = Special::RowOntoMatch, .won = WonTest::OnePileLeft, .selectsCards = true,
                  .stockClick = Click::DealsOntoRowEnd, .refillsAfterSet = false, .stacksPairs = true,
                  .closesUpBeforeRefill = true},
    SpecialTraits{.code = Special::RowMatchingPairs, .selectsCards = true, .stockClick = Click::DealsOntoRowEnd,
                  .refillsAfterSet = false, .closesUpBeforeRefill = true},
    SpecialTraits{.code = Special::RowRunsOfTens, .selectsCards = true, .stockClick = Click::DealsOntoRowEnd,
                  .refillsAfterSet = false, .closesUpBeforeRefill = true},
};

} // namespace

Special SpecialGameOf(const RuleVector& rules)
{
    return static_cast<Special>(rules[rule::SpecialGame]);
}

namespace {

constexpr int kHighestCode = [] {
    int highest = 0;
    for (const SpecialTraits& traits : kTraits)
        highest = std::max(highest, static_cast<int>(traits.code));
    return highest;
}();

// The row of every code, so that the engine's questions in its hot paths cost one lookup; codes
// without a row of their own point at the ordinary game's.
constexpr auto kRowOfCode = [] {
    std::array<std::size_t, kHighestCode + 1> rows{};
    for (std::size_t row = 0; row < kTraits.size(); ++row)
        rows[static_cast<std::size_t>(kTraits[row].code)] = row;
    return rows;
}();

} // namespace

const SpecialTraits& SpecialTraitsOf(const RuleVector& rules)
{
    const int code = rules[rule::SpecialGame];
    if (code < 0 || code > kHighestCode)
        return kTraits.front();
    return kTraits[kRowOfCode[static_cast<std::size_t>(code)]];
}

bool IsSelectionGame(const RuleVector& rules)
{
    return rules[rule::SelectionMode] != 0 || SpecialTraitsOf(rules).selectsCards;
}

bool LeftClickSelects(const RuleVector& rules)
{
    return IsSelectionGame(rules) || SpecialTraitsOf(rules).highlightsOnClick;
}

bool IsMemoryGame(const RuleVector& rules)
{
    return SpecialTraitsOf(rules).memoryClicks;
}

bool ShowsScore(const RuleVector& rules)
{
    return SpecialTraitsOf(rules).scoreKeeping != ScoreKeeping::NotKept;
}

bool ScoreFollowsPlay(const RuleVector& rules)
{
    return SpecialTraitsOf(rules).scoreKeeping == ScoreKeeping::Kept;
}

bool StockCompactsTableau(const RuleVector& rules)
{
    const SelectionStockClick click = SpecialTraitsOf(rules).stockClick;
    return click == SelectionStockClick::ClosesUp || click == SelectionStockClick::FillsGapsFromRight;
}

bool HasOwnGoal(const RuleVector& rules)
{
    const WonTest won = SpecialTraitsOf(rules).won;
    return won != WonTest::General && won != WonTest::PyramidCleared && won != WonTest::PyramidOnly && won != WonTest::ScoreGoal;
}

} // namespace marlowe
