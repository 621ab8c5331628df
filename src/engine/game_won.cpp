#include "engine/game_won.h"

#include "app/register_settings.h"
#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/cell_swaps.h"
#include "engine/game_context.h"
#include "engine/legality.h"
#include "engine/memory_games.h"
#include "engine/pile_text.h"
#include "engine/scoring.h"

#include <algorithm>
#include <vector>

namespace marlowe {

namespace {

const std::string& Tableau(const GameContext& context, int k)
{
    return context.piles.tableaus[static_cast<std::size_t>(k)];
}

// Every tableau pile of the game satisfies test.
template <typename Test>
bool EveryTableau(const GameContext& context, Test test, int count = -1)
{
    const int last = std::min(count < 0 ? context.TableauCount() : count, kMaxTableaus);
    for (int k = 0; k < last; ++k)
        if (!test(Tableau(context, k)))
            return false;
    return true;
}

bool OnlyGaps(const std::string& pile)
{
    return std::all_of(pile.begin(), pile.end(), [](char c) { return c == '0'; });
}

bool StockAndWasteEmpty(const GameContext& context)
{
    return context.piles.Stock().empty() && context.piles.Waste().empty();
}

bool GeneralTest(const GameContext& context, bool gapsCountAsEmpty)
{
    if (!StockAndWasteEmpty(context))
        return false;
    const bool tableausClear = EveryTableau(context, [&](const std::string& pile) {
        return gapsCountAsEmpty ? OnlyGaps(pile) : pile.empty();
    });
    if (!tableausClear)
        return false;
    for (int k = 0; k < std::min(context.ReserveCount(), kMaxReserves); ++k)
        if (!context.piles.reserves[static_cast<std::size_t>(k)].empty())
            return false;
    return true;
}

bool ScoreGoalReached(const GameContext& context)
{
    return CurrentScore(context.registers) >= context.rules[rule::TargetScore];
}

int RankSum(const std::string& pile)
{
    int sum = 0;
    for (int i = 0; i < ElementCount(pile); ++i)
        sum += std::max(CardRank(ElementAt(pile, i)), 0);
    return sum;
}

// The ranks of every card of four neighbouring tableaus from first on.
int GroupRankSum(const GameContext& context, int first)
{
    int sum = 0;
    for (int k = first; k < first + 4; ++k)
        sum += RankSum(Tableau(context, k));
    return sum;
}

bool NineDownToOne(const std::string& pile)
{
    if (ElementCount(pile) != 9)
        return false;
    for (int i = 0; i < 9; ++i)
        if (CardRank(ElementAt(pile, i)) != 9 - i)
            return false;
    return true;
}

bool KingQueenJack(const std::string& pile)
{
    return ElementCount(pile) == 3 && CardRank(ElementAt(pile, 0)) == King && CardRank(ElementAt(pile, 1)) == Queen &&
           CardRank(ElementAt(pile, 2)) == Jack;
}

// Each of the 13 positions across tableaus 0..3 sums to 30, or is empty in all four; a gap
// after a card at the same position fails.
bool ThirtiesComplete(const GameContext& context)
{
    for (int i = 0; i < 13; ++i) {
        int sum = 0;
        bool anyCard = false;
        bool gapAfterCard = false;
        for (int k = 0; k < 4; ++k) {
            const std::string& pile = Tableau(context, k);
            if (i >= ElementCount(pile))
                continue; // a shorter pile has no card here, and no gap either
            const int code = ElementAt(pile, i);
            if (code > 0) {
                sum += CardRank(code);
                anyCard = true;
            } else if (anyCard) {
                gapAfterCard = true;
            }
        }
        if (anyCard && (gapAfterCard || sum != 30))
            return false;
    }
    return true;
}

// Every row runs from its first rank to the King in one suit; only gaps follow.
bool EveryRowSettled(const GameContext& context)
{
    const int first = RowStartRank(context.rules);
    return EveryTableau(context, [first](const std::string& row) {
        const int settled = SettledRowLength(row, first);
        return settled == King - first + 1 && OnlyGaps(row.substr(static_cast<std::size_t>(settled) * 3));
    });
}

// A whole suit from its King down to its Ace.
bool SuitRunFromKing(const std::string& pile)
{
    if (ElementCount(pile) != 13)
        return false;
    for (int i = 0; i < 13; ++i) {
        const int card = ElementAt(pile, i);
        if (card <= 0 || CardRank(card) != King - i || CardSuit(card) != CardSuit(ElementAt(pile, 0)))
            return false;
    }
    return true;
}

// The rows read as one ring (Maze): every card but a Queen is followed at once by the next card
// of its suit, so the suits lie in runs from the Ace to the Queen, gaps only between them.
bool RingOfSuitRuns(const GameContext& context)
{
    std::vector<int> ring;
    for (int k = 0; k < std::clamp(context.TableauCount(), 0, kMaxTableaus); ++k)
        for (const int code : PileCodes(Tableau(context, k)))
            ring.push_back(code);
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const int card = ring[i];
        const int next = ring[(i + 1) % ring.size()];
        if (card > 0 && CardRank(card) != Queen &&
            (next <= 0 || CardSuit(next) != CardSuit(card) || CardRank(next) != CardRank(card) + 1))
            return false;
    }
    return true;
}

} // namespace

int SettledRowLength(const std::string& row, int firstRank)
{
    const int count = ElementCount(row);
    if (count == 0 || CardRank(ElementAt(row, 0)) != firstRank)
        return 0;
    int length = 1;
    while (length < count) {
        const int left = ElementAt(row, length - 1);
        const int card = ElementAt(row, length);
        if (card <= 0 || CardSuit(card) != CardSuit(left) || CardRank(card) != CardRank(left) + 1)
            break;
        ++length;
    }
    return length;
}

int RowStartRank(const RuleVector& rules)
{
    const int family = rules[rule::DealFamily];
    return deal_family::SetsRowsInPlace(family) ? deal_family::FirstRankOfRows(family) : 2;
}

bool IsGameWon(const GameContext& context)
{
    const auto& piles = context.piles;
    const auto& game = context.mainGame;
    // The Aces of these games are gaps from the deal on: no card ever leaves the rows.
    if (deal_family::SetsRowsInPlace(context.rules[rule::DealFamily]) && SpecialGameOf(context.rules) == Special::None)
        return EveryRowSettled(context);
    if (context.rules.Of(rule::TableauBuildCode, 0) == building::InSuitAroundTheRing)
        return RingOfSuitRuns(context);
    switch (SpecialTraitsOf(context.rules).won) {
    case WonTest::PyramidCleared: return GeneralTest(context, true);
    case WonTest::PyramidOnly: return EveryTableau(context, OnlyGaps);
    case WonTest::OneOfEachSuitLeft: {
        int suits = 0; // a bit per suit seen on top
        const bool oneEach = EveryTableau(context, [&](const std::string& pile) {
            if (ElementCount(pile) != 1)
                return false;
            const int bit = 1 << CardSuit(ElementAt(pile, 0));
            const bool fresh = (suits & bit) == 0;
            suits |= bit;
            return fresh;
        });
        return piles.Stock().empty() && oneEach;
    }
    case WonTest::SuitRunsBesideHome:
        return StockAndWasteEmpty(context) && EveryTableau(context, [](const std::string& pile) {
                   return pile.empty() || SuitRunFromKing(pile);
               });
    case WonTest::SuitRowsInOrder: return SuitRowsInOrder(context);
    case WonTest::OnlyTensLeft:
        return piles.Stock().empty() && EveryTableau(context, [](const std::string& pile) {
                   return ElementCount(pile) <= 1 && (pile.empty() || CardRank(ElementAt(pile, 0)) == 10);
               });
    // Camelot: every card has been placed and every pip has left; the courts, which never leave,
    // frame the square.
    case WonTest::OnlyCourtsLeft:
        return StockAndWasteEmpty(context) && EveryTableau(context, [](const std::string& pile) {
                   return pile.empty() || CardRank(ElementAt(pile, 0)) >= Jack;
               });
    case WonTest::EveryTableauHoldsCards: return EveryTableau(context, [](const std::string& pile) { return !pile.empty(); });
    // Push Pin and Royal Marriage: everything has left the row but its two ends (in Royal
    // Marriage the Queen and King of hearts, which never leave it).
    case WonTest::RowOfTwo: return piles.Stock().empty() && ElementCount(Tableau(context, 0)) == 2;
    // Accordion: the row has closed up into its first pile, the whole pack in it.
    case WonTest::OnePileLeft:
        return piles.Stock().empty() &&
               std::count_if(piles.tableaus.begin(), piles.tableaus.end(), [](const std::string& pile) { return !pile.empty(); }) == 1;
    case WonTest::OneCardEach:
        return StockAndWasteEmpty(context) &&
               EveryTableau(context, [](const std::string& pile) { return ElementCount(pile) == 1; });
    case WonTest::AcesAlone:
        return piles.Stock().empty() && EveryTableau(context, [](const std::string& pile) {
                   return ElementCount(pile) == 1 && CardRank(ElementAt(pile, 0)) == Ace;
               });
    // Every card but the heads of the piles (cards of their base rank) has gone home.
    case WonTest::HeadsAlone:
        return StockAndWasteEmpty(context) && EveryTableau(context, [&](const std::string& pile) {
                   return ElementCount(pile) == 1 && CardRank(ElementAt(pile, 0)) == context.rules.Of(rule::TableauBaseRank, 0);
               });
    case WonTest::Never: return false;
    case WonTest::ScoreGoal:
        // A memory game without a target score ends when its table is done.
        if (IsMemoryGame(context.rules) && context.rules[rule::TargetScore] == 0)
            return MemoryTableDone(context);
        return ScoreGoalReached(context);
    case WonTest::OnlyFirstFoundation:
        for (int f = 1; f < std::min(context.FoundationCount(), kMaxFoundations); ++f)
            if (!piles.foundations[static_cast<std::size_t>(f)].empty())
                return false;
        return true;
    case WonTest::NineDownRow: return std::any_of(piles.tableaus.begin(), piles.tableaus.end(), NineDownToOne);
    // Sums within one suit leave one card of each suit (the four 7s of pairs to 14): won when
    // the stock is out and the table has closed up to those four.
    case WonTest::FourPilesLeft:
        return piles.Stock().empty() && std::count_if(piles.tableaus.begin(), piles.tableaus.end(), [](const std::string& pile) {
                   return !pile.empty();
               }) == 4;
    case WonTest::FourEachOfTwentyFour: return EveryTableau(context, [](const std::string& pile) { return ElementCount(pile) == 4; }, 24);
    case WonTest::ReserveOfEight:
        return StockAndWasteEmpty(context) && EveryTableau(context, [](const std::string& pile) { return pile.empty(); }) &&
               ElementCount(piles.reserves[0]) == 8;
    case WonTest::BottomSums:
        return GroupRankSum(context, 0) == game.GameCounter1 && GroupRankSum(context, 4) == game.GameCounter2 &&
               GroupRankSum(context, 8) == game.GameCounter3 && GroupRankSum(context, 12) == game.GameCounter4;
    case WonTest::PuzzleDigits: {
        int sum = 0;
        for (int f = 0; f < 5; ++f) {
            const std::string& pile = piles.foundations[static_cast<std::size_t>(f)];
            if (pile.empty())
                return false;
            sum += CardRank(ElementAt(pile, 0));
        }
        return sum == PuzzleTarget(context.registers.Get(reg::DealNumber));
    }
    case WonTest::NinePilesCleared: return piles.Stock().empty() && EveryTableau(context, [](const std::string& pile) { return pile.empty(); }, 9);
    case WonTest::ThreePilesCleared: return piles.Stock().empty() && EveryTableau(context, [](const std::string& pile) { return pile.empty(); }, 3);
    // Also Eiffel Tower: every card of the stock and the waste has been laid on the tower.
    case WonTest::StockAndWasteEmpty: return StockAndWasteEmpty(context);
    case WonTest::FiveEach: return EveryTableau(context, [](const std::string& pile) { return ElementCount(pile) == 5; });
    case WonTest::KingQueenJack:
        return StockAndWasteEmpty(context) &&
               std::all_of(piles.foundations.begin(), piles.foundations.begin() + std::min(context.FoundationCount(), kMaxFoundations),
                           [](const std::string& pile) { return ElementCount(pile) == 10; }) &&
               EveryTableau(context, KingQueenJack);
    case WonTest::Thirties: return ThirtiesComplete(context);
    case WonTest::FoundationsComplete:
        for (int f = 0; f < std::min(context.FoundationCount(), kMaxFoundations); ++f)
            if (ElementCount(piles.foundations[static_cast<std::size_t>(f)]) < FoundationCapacity(context, f))
                return false;
        return context.FoundationCount() > 0;
    case WonTest::General: break;
    }
    // Rows of cells keep their places: emptied, they hold only gaps.
    return GeneralTest(context, context.rules[rule::TableauStyle] == pile_style::RowOfCells);
}

} // namespace marlowe
