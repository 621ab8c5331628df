#include "engine/memory_games.h"

#include "app/register_settings.h"
#include "catalogue/game_traits.h"
#include "engine/cards.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/scoring.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace marlowe {

namespace {

Special Game(const GameContext& context)
{
    return SpecialGameOf(context.rules);
}

struct PlacedCard {
    int card;
    int tableau;
};

// The face-up cards of the tableaus, pile by pile from the first, each from the bottom.
std::vector<PlacedCard> FaceUpTableauCards(const GameContext& context)
{
    std::vector<PlacedCard> cards;
    for (int k = 0; k < context.TableauPileCount(); ++k)
        for (const int code : PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)]))
            if (code > 0 && !context.cards.IsFaceDown(code))
                cards.push_back({code, k});
    return cards;
}

bool AnyFaceDownTableauCard(const GameContext& context)
{
    for (int k = 0; k < context.TableauPileCount(); ++k)
        for (const int code : PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)]))
            if (code > 0 && context.cards.IsFaceDown(code))
                return true;
    return false;
}

void TurnUp(GameContext& context, int tableau, int card)
{
    const PileRef pile{PileGroup::Tableaus, tableau};
    context.cards.SetCardFaceMark(card, '1');
    context.presentation().FlipCard(card, pile);
    PlayEventSound(context, "Face_up", SoundSwitch::FaceUp);
    context.presentation().DrawPile(pile);
}

bool Match(const GameContext& context, int a, int b)
{
    if (CardRank(a) != CardRank(b))
        return false;
    return Game(context) != Special::MemoryTwins || std::abs(a - b) == 52;
}

// The undo point of a pair is the table before its turn, both cards face down: given back face
// up, two cards would bar every further turn.
void RecordTableBeforeTheTurn(GameContext& context, const std::vector<PlacedCard>& pair)
{
    for (const PlacedCard& placed : pair)
        context.cards.SetCardFaceMark(placed.card, '0');
    RecordSnapshot(context);
    for (const PlacedCard& placed : pair)
        context.cards.SetCardFaceMark(placed.card, '1');
}

// A matching pair leaves for the secondary waste; its places keep a gap. One undo step.
void RemovePair(GameContext& context, const std::vector<PlacedCard>& pair)
{
    RecordTableBeforeTheTurn(context, pair);
    const std::size_t sizeBefore = context.undoHistory.Size();
    for (const PlacedCard& placed : pair) {
        std::string& pile = context.piles.tableaus[static_cast<std::size_t>(placed.tableau)];
        const std::vector<int> codes = PileCodes(pile);
        const auto at = static_cast<std::size_t>(std::find(codes.begin(), codes.end(), placed.card) - codes.begin());
        const PileRef secondWaste{PileGroup::StockGroup, kSecondWasteSlot};
        context.presentation().GlideCard(placed.card, {PileGroup::Tableaus, placed.tableau}, secondWaste);
        ExecuteMove(context, placed.card, secondWaste);
        if (ElementCount(pile) < static_cast<int>(codes.size()))
            pile.insert(at * 3, "000");
    }
    DropLastSnapshots(context, context.undoHistory.Size() - sizeBefore);
}

} // namespace

bool MemoryClick(GameContext& context, int tableau, int card)
{
    if (card <= 0 || !context.cards.IsFaceDown(card))
        return false;
    if (Game(context) == Special::MemoryRun) {
        RecordSnapshot(context);
        TurnUp(context, tableau, card);
        if (MemoryRunLength(context) == 0)
            MemoryMiss(context);
    } else {
        if (FaceUpTableauCards(context).size() >= 2)
            return false;
        TurnUp(context, tableau, card);
        const std::vector<PlacedCard> up = FaceUpTableauCards(context);
        if (up.size() == 2) {
            if (Match(context, up[0].card, up[1].card))
                RemovePair(context, up);
            else
                MemoryMiss(context);
        }
    }
    RecomputeScore(context);
    context.flags.Set(WonMark, IsGameWon(context));
    if (!AnyFaceDownTableauCard(context))
        context.presentation().DrawTable(false);
    return true;
}

int MemoryRunLength(const GameContext& context)
{
    const std::vector<PlacedCard> up = FaceUpTableauCards(context);
    std::vector<bool> seen(up.size() + 1, false);
    for (const PlacedCard& placed : up) {
        const int rank = CardRank(placed.card);
        if (rank < 1 || rank > static_cast<int>(up.size()) || seen[static_cast<std::size_t>(rank)])
            return 0;
        seen[static_cast<std::size_t>(rank)] = true;
    }
    return static_cast<int>(up.size());
}

bool MemoryTableDone(const GameContext& context)
{
    if (Game(context) == Special::MemoryRun)
        return !AnyFaceDownTableauCard(context);
    for (int k = 0; k < context.TableauPileCount(); ++k)
        for (const int code : PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)]))
            if (code > 0)
                return false;
    return true;
}

void MemoryMiss(GameContext& context)
{
    ++context.mainGame.Misses;
    for (const PlacedCard& placed : FaceUpTableauCards(context)) {
        context.presentation().Wait(200, false);
        context.cards.SetCardFaceMark(placed.card, '0');
        context.presentation().DrawPile({PileGroup::Tableaus, placed.tableau});
    }
}

MemorySummary MemorySummaryOf(const GameContext& context, bool won)
{
    MemorySummary summary;
    summary.won = won;
    summary.page = SpecialTraitsOf(context.rules).memorySummaryPage;
    const int pairs = ElementCount(context.piles.stockGroup[kSecondWasteSlot]) / 2;
    summary.misses = context.mainGame.Misses;
    switch (summary.page) {
    case 0:
        summary.matches = pairs;
        summary.pointsPerMatch = 10;
        summary.pointsPerMiss = -2;
        break;
    case 1:
        summary.matches = MemoryRunLength(context);
        summary.pointsPerMatch = 20;
        summary.pointsPerMiss = -1;
        break;
    case 2:
        summary.matches = MemoryRunLength(context);
        summary.misses = 10 - summary.matches;
        summary.pointsPerMatch = 20;
        break;
    default:
        summary.matches = pairs;
        summary.pointsPerMatch = 10;
        summary.pointsPerMiss = -1;
        break;
    }
    summary.matchTotal = summary.matches * summary.pointsPerMatch;
    summary.missTotal = summary.misses * summary.pointsPerMiss;
    summary.score = CurrentScore(context.registers);
    summary.scoreToWin = context.rules[rule::TargetScore];
    if (summary.page == 0) {
        const int columns = context.TableauCount();
        summary.grid = columns == 3 ? "Grid: 4 x 3" : columns == 4 ? "Grid: 6 x 4" : columns == 5 ? "Grid: 8 x 5" : "";
    }
    return summary;
}

} // namespace marlowe
