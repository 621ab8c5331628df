#include "engine/game_redeals.h"

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"
#include "engine/table.h"

#include <algorithm>

namespace marlowe {

namespace {

const PileRef kStock{PileGroup::StockGroup, kStockSlot};
const PileRef kWaste{PileGroup::StockGroup, kWasteSlot};

PileRef TableauRef(int k)
{
    return {PileGroup::Tableaus, k};
}

int Reserves(const GameContext& context)
{
    return std::clamp(context.ReserveCount(), 0, kMaxReserves);
}

std::string& TableauText(GameContext& context, int k)
{
    return context.piles.tableaus[static_cast<std::size_t>(k)];
}

// The cards of a pile, gaps left out.
std::vector<int> CardsOf(const std::string& pile)
{
    std::vector<int> cards;
    for (const int code : PileCodes(pile))
        if (code > 0)
            cards.push_back(code);
    return cards;
}

// One redeal in progress: where the gathered cards fly and the list they are gathered into.
struct Redeal {
    GameContext& context;
    PileRef collection;
    std::vector<int> gathered;

    explicit Redeal(GameContext& owner) : context(owner), collection(CollectionPile(owner)) {}

    static PileRef CollectionPile(const GameContext& context)
    {
        const RuleVector& rules = context.rules;
        const bool toWaste = rules[rule::StockGroupCount] == 1 && rules[rule::StockShown] == 0 &&
                             rules[rule::WasteShown] == 1;
        return toWaste ? kWaste : kStock;
    }

    // A card has left pile `from` and flies to the collection pile.
    void Gather(int card, PileRef from)
    {
        gathered.push_back(card);
        context.presentation().GlideCard(card, from, collection);
        PlayEventSound(context, "Shuffle", SoundSwitch::Shuffle);
    }

    // Empties the pile, gathering its cards from the top card down.
    void GatherPileTopDown(PileRef pile)
    {
        std::vector<int> cards = CardsOf(context.piles[pile]);
        context.piles[pile].clear();
        context.presentation().DrawPile(pile);
        for (auto card = cards.rbegin(); card != cards.rend(); ++card)
            Gather(*card, pile);
    }

    void GatherTableausFirstToLast()
    {
        for (int k = 0; k < context.TableauPileCount(); ++k)
            GatherPileTopDown(TableauRef(k));
    }

    void GatherReserves()
    {
        for (int k = 0; k < Reserves(context); ++k)
            GatherPileTopDown({PileGroup::Reserves, k});
    }

    // Lays every gathered card on the collection pile with the mark, in gathering order.
    void LayGatheredOnCollection(char mark)
    {
        for (const int card : gathered)
            AddCardToPile(context, collection, card, mark);
        context.presentation().DrawPile(collection);
    }

    void Deal(int card, PileRef pile, char mark)
    {
        AddCardToPile(context, pile, card, mark);
        context.presentation().GlideCard(card, collection, pile);
    }
};

// Styles whose tableaus are filled up to the deal's count one after the other; the others
// deal one card to each tableau in turn.
bool FillsEachTableau(int style)
{
    return style == redeal::FillEachToDealt || style == redeal::AcesFirstEveryClick ||
           style == redeal::TopsInTurnDealtBack || style == redeal::InOrderUnmixed;
}

// Deals the list back onto the tableaus. Style 6 stops after the last tableau; what it
// cannot place goes to the waste rather than being lost.
void DealToTableaus(Redeal& redeal, const std::vector<int>& dealing, int style)
{
    GameContext& context = redeal.context;
    const RuleVector& rules = context.rules;
    const int count = context.TableauPileCount();
    if (count == 0)
        return;
    const bool withGaps = rules[rule::TableauStyle] == pile_style::Serpentine;
    if (withGaps)
        TableauText(context, 0).clear();
    const int perTableau = rules[rule::TableauCardCount];
    const char mark = perTableau == rules[rule::TableauFaceUp] ? '1' : '0';
    const bool fillEach = FillsEachTableau(style) && perTableau > 0;

    std::vector<int> received(static_cast<std::size_t>(count), 0);
    int k = 0;
    int round = 0; // completed passes over the tableaus
    for (const int card : dealing) {
        if (fillEach) {
            while (k < count && received[static_cast<std::size_t>(k)] >= perTableau * (round + 1))
                ++k;
            if (k == count) {
                ++round;
                k = 0;
            }
        }
        if (style == redeal::AcesFirstEveryClick && round > 0) {
            redeal.Deal(card, kWaste, '1');
            continue;
        }
        redeal.Deal(card, TableauRef(k), mark);
        if (withGaps)
            TableauText(context, k) += "000";
        ++received[static_cast<std::size_t>(k)];
        if (!fillEach && ++k == count) {
            k = 0;
            ++round;
        }
    }
    if (rules[rule::TableauFaceUp] == 1 && rules[rule::TableauFaceUp] != perTableau)
        for (int t = 0; t < count; ++t)
            if (const int top = TopElement(TableauText(context, t)); top > 0)
                context.cards.SetCardFaceMark(top, '1');
    for (int t = 0; t < count; ++t)
        context.presentation().DrawPile(TableauRef(t));
    context.presentation().DrawPile(kWaste);
}

// Style 6: the waste's cards join the gathered list at positions 0, 3, 6, ...
void InsertWasteCards(Redeal& redeal)
{
    std::vector<int>& gathered = redeal.gathered;
    std::size_t at = 0;
    for (const int card : CardsOf(redeal.context.piles.Waste())) {
        if (at > gathered.size())
            at = 0;
        gathered.insert(gathered.begin() + static_cast<std::ptrdiff_t>(at), card);
        at += 3;
    }
    redeal.context.piles.Waste().clear();
    redeal.context.presentation().DrawPile(kWaste);
}

// Style 6: the Aces lead the dealing list and go one each onto the empty foundations; a
// dealing list above 54 cards gives its last cards to the waste.
void PlaceAcesAndTrim(Redeal& redeal, std::vector<int>& dealing)
{
    GameContext& context = redeal.context;
    std::stable_partition(dealing.begin(), dealing.end(), [](int card) { return CardRank(card) == Ace; });
    for (int f = 0; f < std::clamp(context.FoundationCount(), 0, kMaxFoundations); ++f) {
        if (dealing.empty() || CardRank(dealing.front()) != Ace)
            break;
        if (!context.piles.foundations[static_cast<std::size_t>(f)].empty())
            continue;
        redeal.Deal(dealing.front(), {PileGroup::Foundations, f}, '1');
        dealing.erase(dealing.begin());
    }
    while (dealing.size() > 54) {
        redeal.Deal(dealing.back(), kWaste, '1');
        dealing.pop_back();
    }
}

// Styles 4, 5 and 18 leave the gathered cards on the collection pile.
void GatherOntoCollection(Redeal& redeal, bool tableaus)
{
    GameContext& context = redeal.context;
    if (tableaus)
        for (int k = context.TableauPileCount() - 1; k >= 0; --k)
            redeal.GatherPileTopDown(TableauRef(k));
    else
        redeal.GatherReserves();
    const bool faceUp = tableaus && redeal.collection == kWaste;
    redeal.LayGatheredOnCollection(faceUp ? '1' : '0');
}

// Style 7: in every tableau of more than one card the bottom card goes to the top, face up.
void BottomCardsToTop(GameContext& context)
{
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        std::string& pile = TableauText(context, k);
        if (ElementCount(pile) < 2)
            continue;
        const int bottom = ElementAt(pile, 0);
        pile = pile.substr(3) + CodeText(bottom);
        if (bottom > 0)
            context.cards.SetCardFaceMark(bottom, '1');
        context.presentation().GlideCard(bottom, TableauRef(k), TableauRef(k));
        context.presentation().DrawPile(TableauRef(k));
        PlayEventSound(context, "Shuffle", SoundSwitch::Shuffle);
    }
}

// The cells of row k: the row's length where rows are longer than the cards dealt to them.
int RowCells(const RuleVector& rules, int k)
{
    const int longest = rules[rule::MaxTableauCards];
    return longest > 0 ? longest : rules.Of(rule::TableauCardCount, k);
}

// Where the redeal of rows leaves each row's one gap.
enum class RowGap { AfterRun, RowEnd, Mixed };

// Styles 8, 33 and 34: every row keeps its settled run from the left and loses the rest, which is mixed and
// dealt back; the row's one gap follows the kept run (8), ends the row (33), or is mixed in with
// the cards and falls wherever the mixing puts it (34).
void RedealRows(Redeal& redeal, RowGap gap)
{
    GameContext& context = redeal.context;
    const int rows = context.TableauPileCount();
    for (int k = 0; k < rows; ++k) {
        std::string& row = TableauText(context, k);
        const int kept = SettledRowLength(row, RowStartRank(context.rules));
        const std::vector<int> rest = CardsOf(row.substr(static_cast<std::size_t>(kept) * 3));
        row = row.substr(0, static_cast<std::size_t>(kept) * 3) + (gap == RowGap::AfterRun ? "000" : "");
        for (const int card : rest)
            redeal.Gather(card, TableauRef(k));
        context.presentation().DrawPile(TableauRef(k));
    }
    std::vector<int> gathered = redeal.gathered;
    if (gap == RowGap::Mixed)
        gathered.insert(gathered.end(), static_cast<std::size_t>(rows), 0);
    const std::vector<int> dealing = MixGathered(gathered);
    std::size_t next = 0;
    for (int k = 0; k < rows; ++k) {
        const int cells = RowCells(context.rules, k) - (gap == RowGap::RowEnd ? 1 : 0);
        while (next < dealing.size() && ElementCount(TableauText(context, k)) < cells) {
            const int card = dealing[next++];
            if (card == 0)
                TableauText(context, k) += "000";
            else
                redeal.Deal(card, TableauRef(k), '1');
        }
        if (gap == RowGap::RowEnd)
            TableauText(context, k) += "000";
        context.presentation().DrawPile(TableauRef(k));
    }
    // Rows shorter than the deal's positions cannot lose cards: the rest goes to the stock.
    for (; next < dealing.size(); ++next)
        if (dealing[next] != 0)
            redeal.Deal(dealing[next], kStock, '0');
}

// Style 9: on a grid of seven columns, every tableau but the two outer columns is gathered,
// mixed onto the waste and refilled from the waste's top.
void RedealInnerGrid(Redeal& redeal)
{
    GameContext& context = redeal.context;
    auto inner = [](int k) { return k % 7 != 0 && k % 7 != 6; };
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        if (!inner(k))
            continue;
        const std::vector<int> cards = CardsOf(TableauText(context, k));
        TableauText(context, k).clear();
        for (const int card : cards)
            redeal.Gather(card, TableauRef(k));
    }
    for (const int card : MixGathered(redeal.gathered))
        redeal.Deal(card, kWaste, '1');
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        if (!inner(k) || context.rules.Of(rule::TableauCardCount, k) == 0 || context.piles.Waste().empty())
            continue;
        const int card = TopElement(context.piles.Waste());
        context.piles.Waste().erase(context.piles.Waste().size() - 3);
        AddCardToPile(context, TableauRef(k), card, '1');
        context.presentation().GlideCard(card, kWaste, TableauRef(k));
        context.presentation().DrawPile(TableauRef(k));
    }
    context.presentation().DrawPile(kWaste);
}

// Styles 11, 12 and 14 take the tableau cards to the stock face up in a fixed pattern.
std::vector<int> GatherTopsInTurn(Redeal& redeal)
{
    GameContext& context = redeal.context;
    bool any = true;
    while (any) {
        any = false;
        for (int k = context.TableauPileCount() - 1; k >= 0; --k) {
            std::string& pile = TableauText(context, k);
            while (!pile.empty() && TopElement(pile) == 0)
                pile.erase(pile.size() - 3); // gaps are not cards
            if (pile.empty())
                continue;
            const int card = TopElement(pile);
            pile.erase(pile.size() - 3);
            redeal.Gather(card, TableauRef(k));
            any = true;
        }
    }
    return redeal.gathered;
}

std::vector<int> GatherByPosition(Redeal& redeal)
{
    GameContext& context = redeal.context;
    int highest = 0;
    for (int k = 0; k < context.TableauPileCount(); ++k)
        highest = std::max(highest, ElementCount(TableauText(context, k)));
    for (int position = highest - 1; position >= 0; --position)
        for (int k = context.TableauPileCount() - 1; k >= 0; --k)
            if (const int card = ElementAt(TableauText(context, k), position); card > 0)
                redeal.Gather(card, TableauRef(k));
    for (int k = 0; k < context.TableauPileCount(); ++k)
        TableauText(context, k).clear();
    return redeal.gathered;
}

// The gathered cards go onto the stock face up, the first gathered at the top.
void StackReversedOnStock(Redeal& redeal, const std::vector<int>& cards)
{
    std::string& stock = redeal.context.piles.Stock();
    std::vector<int> all = CardsOf(stock);
    all.insert(all.end(), cards.begin(), cards.end());
    std::reverse(all.begin(), all.end());
    stock = PileTextOf(all);
    for (const int card : all)
        redeal.context.cards.SetCardFaceMark(card, '1');
    redeal.context.presentation().DrawPile(kStock);
}

// Style 15, the counting deal: reserve 1 is dealt out while counting 1 to 13; a card that
// matches the count goes face down to the stock, the others to the tableau of the count (or
// to reserve 1 at 13). Cards left on the tableaus or the stock are counted out too, after
// reserve 1's, so that no card is lost.
void CountingDeal(Redeal& redeal)
{
    GameContext& context = redeal.context;
    const PileRef reserve{PileGroup::Reserves, 0};
    redeal.GatherPileTopDown(reserve);
    for (int k = 0; k < context.TableauPileCount(); ++k)
        redeal.GatherPileTopDown(TableauRef(k));
    redeal.GatherPileTopDown(kStock);
    int count = 1;
    for (const int card : redeal.gathered) {
        if (CardRank(card) == count) {
            redeal.Deal(card, kStock, '0');
            continue;
        }
        const PileRef pile = count == 13 || count > context.TableauPileCount() ? reserve : TableauRef(count - 1);
        redeal.Deal(card, pile, '1');
        count = count == 13 ? 1 : count + 1;
    }
    for (int k = 0; k < context.TableauPileCount(); ++k)
        context.presentation().DrawPile(TableauRef(k));
    context.presentation().DrawPile(reserve);
    context.presentation().DrawPile(kStock);
}

// Style 16: the tableaus and then the waste go face down onto the stock; cards are turned.
void RestackAndTurn(Redeal& redeal)
{
    GameContext& context = redeal.context;
    redeal.GatherTableausFirstToLast();
    redeal.LayGatheredOnCollection('0');
    std::string& waste = context.piles.Waste();
    while (!waste.empty()) {
        const int card = TopElement(waste);
        waste.erase(waste.size() - 3);
        redeal.Deal(card, kStock, '0');
    }
    context.presentation().DrawPile(kWaste);
    context.presentation().DrawPile(kStock);
    if (context.piles.Stock().empty())
        return;
    const std::size_t sizeBefore = context.undoHistory.Size();
    ExecuteMove(context, StockTurn::ToWaste);
    if (context.undoHistory.Size() > sizeBefore)
        DropLastSnapshots(context, context.undoHistory.Size() - sizeBefore); // one step with the redeal
}

// Style 20: eight times the waste's top card goes face up to the next reserve.
void WasteToReserves(GameContext& context)
{
    for (int k = 0; k < 8 && k < kMaxReserves && !context.piles.Waste().empty(); ++k) {
        std::string& waste = context.piles.Waste();
        const int card = TopElement(waste);
        waste.erase(waste.size() - 3);
        const PileRef reserve{PileGroup::Reserves, k};
        AddCardToPile(context, reserve, card, '1');
        context.presentation().GlideCard(card, kWaste, reserve);
        context.presentation().DrawPile(reserve);
        PlayEventSound(context, "Shuffle", SoundSwitch::Shuffle);
    }
    context.presentation().DrawPile(kWaste);
}

// A card flown from one tableau to another in a raised arc, with its pauses.
void FlyRaised(GameContext& context, int card, PileRef from, PileRef to)
{
    context.presentation().GlideCard(card, from, to);
    PlayEventSound(context, "Shuffle", SoundSwitch::Shuffle);
    context.presentation().Wait(10, false);
    context.presentation().DrawPile(from);
    context.presentation().DrawPile(to);
    context.presentation().Wait(50, false);
}

// Style 13, the pile spread: the next non-empty tableau from the redeal's number keeps its
// top card and spreads the others, from the bottom up, one per tableau from the first.
void SpreadPile(GameContext& context)
{
    auto& redeals = context.mainGame.RedealsDone;
    const int count = context.TableauPileCount();
    int k = redeals - 2; // 0-based: tableau 1 at the first redeal
    while (k >= 0 && k < count && TableauText(context, k).empty()) {
        ++redeals;
        ++k;
    }
    if (k < 0 || k >= count) {
        ++redeals;
        return;
    }
    std::string& source = TableauText(context, k);
    const std::vector<int> spread = PileCodes(source.substr(0, source.size() - 3));
    source.erase(0, source.size() - 3);
    int target = 0;
    for (const int card : spread) {
        if (card <= 0)
            continue;
        AddCardToPile(context, TableauRef(target), card, '1');
        FlyRaised(context, card, TableauRef(k), TableauRef(target));
        target = (target + 1) % count;
    }
}

int TableausHoldingCards(const GameContext& context)
{
    int holding = 0;
    for (int k = 0; k < context.TableauPileCount(); ++k)
        holding += context.piles.tableaus[static_cast<std::size_t>(k)].empty() ? 0 : 1;
    return holding;
}

// Takes back the redeal the caller counted and recorded when nothing is changed.
void CancelRedeal(GameContext& context)
{
    DropLastSnapshots(context, 1);
    --context.mainGame.RedealsDone;
}

// Style 19, the shift: the top cards move one tableau along the pairs 1>2 .. 7>8 on odd
// counts and 8>7 .. 2>1 on even ones, while two or more tableaus hold cards.
void ShiftTopCards(GameContext& context)
{
    if (TableausHoldingCards(context) <= 1) {
        context.presentation().ShowInfo("Only one pile left.  There are no more redeals.");
        CancelRedeal(context);
        return;
    }
    auto& counter = context.mainGame.DealCounter;
    ++counter;
    TagLastSnapshot(context, SnapshotTag::DealingClick);
    const int last = std::min(8, context.TableauPileCount());
    const bool forward = counter % 2 == 1;
    bool moved = false;
    for (int step = 0; step + 1 < last && TableausHoldingCards(context) >= 2; ++step) {
        const int from = forward ? step : last - 1 - step;
        const int to = forward ? from + 1 : from - 1;
        std::string& source = TableauText(context, from);
        if (source.empty() || TableauText(context, to).empty())
            continue;
        const int card = TopElement(source);
        source.erase(source.size() - 3);
        AddCardToPile(context, TableauRef(to), card, '1');
        FlyRaised(context, card, TableauRef(from), TableauRef(to));
        moved = true;
    }
    if (!moved) {
        context.presentation().ShowInfo("No cards available to move.");
        --counter;
        CancelRedeal(context);
    }
}

// The styles that gather, mix and deal back by the common scheme.
// Style 21: the tableau cards are gathered, mixed and dealt again in the deal's own pattern:
// each pile in turn up to its dealt count, as many cards face down beneath as it was dealt, but
// its top card always face up (Tvete's Grandfather).
void DealPatternAgain(Redeal& redeal)
{
    redeal.GatherTableausFirstToLast();
    const std::vector<int> dealing = MixGathered(redeal.gathered);
    const RuleVector& rules = redeal.context.rules;
    std::size_t next = 0;
    for (int k = 0; k < redeal.context.TableauPileCount() && next < dealing.size(); ++k) {
        const int count = std::min<int>(rules.Of(rule::TableauCardCount, k), static_cast<int>(dealing.size() - next));
        const int faceDown = std::min(rules.Of(rule::TableauCardCount, k) - rules.Of(rule::TableauFaceUp, k), count - 1);
        for (int i = 0; i < count; ++i)
            redeal.Deal(dealing[next++], TableauRef(k), i < faceDown ? '0' : '1');
        redeal.context.presentation().DrawPile(TableauRef(k));
    }
}

// Styles 22 and 23: the piles are gathered in order, the first pile first and each from its bottom
// card up, and dealt back unmixed: style 22 fills each pile to its dealt count in turn, so that a
// table on which nothing moved comes back as it was (Cruel, Perseverance); style 23 deals one card
// to each pile in turn, row by row (Indefatigable).
void GatherInOrderDealBack(Redeal& redeal, int style)
{
    GameContext& context = redeal.context;
    std::vector<int> dealing;
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        const std::vector<int> cards = CardsOf(TableauText(context, k));
        redeal.GatherPileTopDown(TableauRef(k));
        dealing.insert(dealing.end(), cards.begin(), cards.end());
    }
    DealToTableaus(redeal, dealing, style);
}

// Style 75: the tableau and the stock are gathered, mixed and dealt again as at the start, each
// tableau pile its dealt count, an Ace met going to a foundation instead; the rest go back to
// the stock face down (Intelligence).
void RedealWithStockAcesHome(Redeal& redeal)
{
    GameContext& context = redeal.context;
    redeal.GatherTableausFirstToLast();
    redeal.GatherPileTopDown(kStock);
    const std::vector<int> dealing = MixGathered(redeal.gathered);
    const int perTableau = context.rules[rule::TableauCardCount];
    const char mark = perTableau == context.rules[rule::TableauFaceUp] ? '1' : '0';
    auto sentHome = [&](int card) {
        for (int f = 0; CardRank(card) == Ace && f < std::clamp(context.FoundationCount(), 0, kMaxFoundations); ++f)
            if (CanPlayOnFoundation(context, f, card)) {
                redeal.Deal(card, {PileGroup::Foundations, f}, '1');
                return true;
            }
        return false;
    };
    std::size_t next = 0;
    for (int k = 0; k < context.TableauPileCount(); ++k)
        for (int dealt = 0; dealt < perTableau && next < dealing.size(); ++next)
            if (!sentHome(dealing[next])) {
                redeal.Deal(dealing[next], TableauRef(k), mark);
                ++dealt;
            }
    for (; next < dealing.size(); ++next)
        if (!sentHome(dealing[next]))
            AddCardToPile(context, kStock, dealing[next], '0');
    for (int k = 0; k < context.TableauPileCount(); ++k)
        context.presentation().DrawPile(TableauRef(k));
    context.presentation().DrawPile(kStock);
}

// Style 65: the rest of the stock and every pile are gathered and mixed; the new pass's first row
// is dealt face up, one card to each pile, and the others lie face down as the new stock, whose
// count of rows starts again (Knockout).
void GatherAllIntoMixedStock(Redeal& redeal)
{
    GameContext& context = redeal.context;
    redeal.GatherPileTopDown(kStock);
    redeal.GatherTableausFirstToLast();
    const std::vector<int> mixed = MixGathered(redeal.gathered);
    const auto row = std::min(static_cast<std::size_t>(context.TableauPileCount()), mixed.size());
    for (std::size_t k = 0; k < row; ++k)
        redeal.Deal(mixed[k], TableauRef(static_cast<int>(k)), '1');
    redeal.gathered.assign(mixed.begin() + static_cast<std::ptrdiff_t>(row), mixed.end());
    redeal.LayGatheredOnCollection('0');
    context.mainGame.DealCounter = 0;
}

// Style 66: the tableau is gathered, mixed and dealt again in rounds, one card to each pile in
// turn, each pile's cards alternately face down and face up so that its last card lies face up
// (Bad Seven).
void DealRoundsLastFaceUp(Redeal& redeal)
{
    GameContext& context = redeal.context;
    redeal.GatherTableausFirstToLast();
    const std::vector<int> mixed = MixGathered(redeal.gathered);
    const std::size_t piles = static_cast<std::size_t>(std::max(context.TableauPileCount(), 1));
    for (std::size_t i = 0; i < mixed.size(); ++i) {
        const std::size_t pile = i % piles;
        const std::size_t cardsOfPile = (mixed.size() - pile + piles - 1) / piles;
        const bool faceUp = (cardsOfPile - 1 - i / piles) % 2 == 0;
        redeal.Deal(mixed[i], TableauRef(static_cast<int>(pile)), faceUp ? '1' : '0');
    }
    for (std::size_t k = 0; k < piles; ++k)
        context.presentation().DrawPile(TableauRef(static_cast<int>(k)));
}

// Style 96: every tableau card goes under the stock, the piles in order and each from its bottom
// card, so that they come back as they lay once the stock above them is dealt; the waste's card
// starts the first pile and the stock deals one card onto each of the others (Valentine).
void UnderStockWasteFirst(Redeal& redeal)
{
    GameContext& context = redeal.context;
    for (int k = context.TableauPileCount() - 1; k >= 0; --k)
        redeal.GatherPileTopDown(TableauRef(k));
    std::string under; // from the bottom up: the last pile's top card lowest, the first pile's bottom card highest
    for (const int card : redeal.gathered) {
        context.cards.SetCardFaceMark(card, '0');
        under += CodeText(card);
    }
    std::string& stock = context.piles.Stock();
    stock.insert(0, under);
    context.presentation().DrawPile(kStock);
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        const bool fromWaste = k == 0 && !context.piles.Waste().empty();
        std::string& source = fromWaste ? context.piles.Waste() : stock;
        if (source.empty())
            continue;
        const int card = TopElement(source);
        source.erase(source.size() - 3);
        AddCardToPile(context, TableauRef(k), card, '1');
        context.presentation().GlideCard(card, fromWaste ? kWaste : kStock, TableauRef(k));
        context.presentation().DrawPile(TableauRef(k));
    }
    context.presentation().DrawPile(kWaste);
    context.presentation().DrawPile(kStock);
}

// Styles 10 and 35: the tableau piles from the first to the last and then the reserves, each
// pile from its top card down, become the new stock face down. Style 10 mixes them; style 35
// keeps the order of gathering, the first card gathered at the bottom, so that the last pile's
// bottom card is dealt first (Grand Duchess).
void GatherIntoNewStock(Redeal& redeal, bool mixed)
{
    redeal.GatherTableausFirstToLast();
    redeal.GatherReserves();
    if (mixed)
        redeal.gathered = MixGathered(redeal.gathered);
    redeal.LayGatheredOnCollection('0');
}

void GatherMixDeal(Redeal& redeal, int style)
{
    redeal.GatherTableausFirstToLast();
    if (style == redeal::AcesFirstEveryClick)
        InsertWasteCards(redeal);
    std::vector<int> dealing = MixGathered(redeal.gathered);
    if (style == redeal::AcesFirstEveryClick)
        PlaceAcesAndTrim(redeal, dealing);
    DealToTableaus(redeal, dealing, style);
}

} // namespace

std::vector<int> MixGathered(std::vector<int> gathered)
{
    std::vector<int> dealing;
    dealing.reserve(gathered.size());
    std::size_t index = gathered.size() / 2;
    while (!gathered.empty()) {
        if (index >= gathered.size())
            index = 0;
        dealing.push_back(gathered[index]);
        gathered.erase(gathered.begin() + static_cast<std::ptrdiff_t>(index));
        index += dealing.size() % 2 == 0 ? 5 : 2;
    }
    return dealing;
}

void SpecialRedeal(GameContext& context)
{
    const int style = context.rules[rule::RedealStyle];
    if (style != redeal::CountingDeal)
        TagLastSnapshot(context, SnapshotTag::SpecialRedeal);
    Redeal redeal(context);
    switch (style) {
    case redeal::GatherOntoStock:
    case redeal::GatherOntoStockToo: GatherOntoCollection(redeal, true); break;
    case redeal::BottomToTop: BottomCardsToTop(context); break;
    case redeal::RowsKeepRunFromTwo: RedealRows(redeal, RowGap::AfterRun); break;
    case redeal::RowsKeepRunGapsLast: RedealRows(redeal, RowGap::RowEnd); break;
    case redeal::RowsKeepRunGapsMixed: RedealRows(redeal, RowGap::Mixed); break;
    case redeal::GridBottomsToWaste: RedealInnerGrid(redeal); break;
    case redeal::GatherWithReserves:
    case redeal::GatherWithReservesInOrder: GatherIntoNewStock(redeal, style == redeal::GatherWithReserves); break;
    case redeal::TopsInTurn: StackReversedOnStock(redeal, GatherTopsInTurn(redeal)); break;
    case redeal::TopsInTurnDealtBack: DealToTableaus(redeal, GatherTopsInTurn(redeal), style); break;
    case redeal::PileSpread: SpreadPile(context); break;
    case redeal::PositionsInTurn: StackReversedOnStock(redeal, GatherByPosition(redeal)); break;
    case redeal::CountingDeal: CountingDeal(redeal); break;
    case redeal::GatherThenTurn: RestackAndTurn(redeal); break;
    case redeal::ReserveDealing: GatherOntoCollection(redeal, false); break;
    case redeal::Shift: ShiftTopCards(context); break;
    case redeal::WasteToReserves: WasteToReserves(context); break;
    case redeal::DealtPatternAgain: DealPatternAgain(redeal); break;
    case redeal::WithStockAcesHome: RedealWithStockAcesHome(redeal); break;
    case redeal::InOrderUnmixed:
    case redeal::InOrderDealtInRows: GatherInOrderDealBack(redeal, style); break;
    case redeal::FiveRowsThenAllMixed: GatherAllIntoMixedStock(redeal); break;
    case redeal::RoundsLastFaceUp: DealRoundsLastFaceUp(redeal); break;
    case redeal::UnderStockWasteFirst: UnderStockWasteFirst(redeal); break;
    default: GatherMixDeal(redeal, style); break;
    }
    context.flags.Set(WonMark, IsGameWon(context));
}

} // namespace marlowe
