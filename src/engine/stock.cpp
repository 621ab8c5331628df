#include "engine/stock.h"

#include "app/register_settings.h"
#include "app/text_helpers.h"
#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/cards.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/grid_rows.h"
#include "engine/holding_places.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/post_move.h"
#include "engine/presentation.h"
#include "engine/selection.h"
#include "engine/sets_of_four.h"
#include "engine/game_redeals.h"
#include "engine/table.h"

namespace marlowe {

namespace {

const PileRef kStock{PileGroup::StockGroup, kStockSlot};
const PileRef kWaste{PileGroup::StockGroup, kWasteSlot};
const PileRef kSecondWaste{PileGroup::StockGroup, kSecondWasteSlot};

const char* const kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";

int DealModeOfTableau(const GameContext& context, int k)
{
    return context.rules.Of(rule::TableauDealMode, k);
}

int DealModeOfReserve(const GameContext& context, int k)
{
    return context.rules.Of(rule::ReserveDealMode, k);
}

// Whether the stock's pass is over: the stock is out, or it dealt every row its pass allows.
bool PassIsOut(const GameContext& context)
{
    return redeal::PassIsOut(context.rules[rule::RedealStyle], context.piles.Stock().empty(),
                             context.mainGame.DealCounter, !context.piles.Waste().empty());
}

bool AnyTableauEmpty(const GameContext& context)
{
    for (int k = 0; k < context.TableauCount(); ++k)
        if (context.piles.tableaus[static_cast<std::size_t>(k)].empty())
            return true;
    return false;
}

bool EveryTableauEmpty(const GameContext& context)
{
    for (int k = 0; k < context.TableauCount(); ++k)
        if (!context.piles.tableaus[static_cast<std::size_t>(k)].empty())
            return false;
    return true;
}

// The deal modes whose click deals a row at any time: onto every pile, or onto the piles that
// hold cards.
bool DealsRowAnyTime(int mode)
{
    return mode == deal_mode::Row || mode == deal_mode::OntoCardsOnly || mode == deal_mode::RowWhileHomeOpen;
}

// A tableau pile of mode RowWhileHomeOpen is passed over once the foundation of its number is
// complete (Amazons).
bool PassedOverBesideCompleteHome(const GameContext& context, int mode, PileRef pile)
{
    return mode == deal_mode::RowWhileHomeOpen && pile.group == PileGroup::Tableaus &&
           pile.slot < context.FoundationCount() &&
           ElementCount(context.piles.foundations[static_cast<std::size_t>(pile.slot)]) >=
               FoundationCapacity(context, pile.slot);
}

// A pile of mode OntoCardsOnly is passed over while empty, except that the first pile takes
// the card when every pile is empty, so that a deal never comes to nothing.
bool PassedOverWhileEmpty(const GameContext& context, int mode, PileRef pile)
{
    if (mode != deal_mode::OntoCardsOnly || !context.piles[pile].empty())
        return false;
    return !(pile.group == PileGroup::Tableaus && pile.slot == 0 && EveryTableauEmpty(context));
}

bool Animated(const GameContext& context)
{
    return AnimatesCardMoves(context.registers);
}

// Takes the stock's top card off the stock.
int TakeStockTop(GameContext& context)
{
    std::string& stock = context.piles.Stock();
    const int card = TopElement(stock);
    stock.erase(stock.size() - 3);
    return card;
}

// Joins the undo points recorded since the history held sizeBefore snapshots into one step.
void MergeClickSnapshots(GameContext& context, std::size_t sizeBefore)
{
    const std::size_t size = context.undoHistory.Size();
    if (size > sizeBefore + 1)
        DropLastSnapshots(context, size - sizeBefore - 1);
}

// Turns the waste over into a new stock: the waste's top card ends at the bottom.
void RedealWaste(GameContext& context)
{
    const char mark = context.rules[rule::StockFaceDown] != 0 ? '0' : '1';
    const bool animate = context.registers.Get(reg::RedealAnimation) != "N";
    if (animate)
        PlayEventSound(context, "Redeal", SoundSwitch::Redeal, true);
    else
        PlayEventSound(context, "Red_no_a", SoundSwitch::RedealWithoutAnimation);
    std::string& waste = context.piles.Waste();
    while (!waste.empty()) {
        const int card = TopElement(waste);
        context.piles.Stock() += CodeText(card);
        context.cards.SetCardFaceMark(card, mark);
        waste.erase(waste.size() - 3);
        if (animate)
            context.presentation().GlideCard(card, kWaste, kStock);
    }
    if (animate) {
        context.presentation().DrawPile(kWaste);
        context.presentation().Wait(100, false);
        StopSound(context);
    }
    // The selection games that keep a pair in foundation 1 let go of a card now in the stock.
    std::string& first = context.piles.foundations[0];
    if (SpecialTraitsOf(context.rules).pyramid && !first.empty()) {
        const int bottom = ElementAt(context.piles.Stock(), 0);
        if (bottom == ElementAt(first, 0))
            first.erase(0, 3);
        else if (ElementCount(first) > 1 && bottom == ElementAt(first, 1))
            first.erase(3, 3);
    }
}

// Turns up to the click's count of cards from the stock onto destination.
void TurnCards(GameContext& context, PileRef destination)
{
    const int cards = draw::CardsPerClick(context.rules[rule::DrawCount], context.mainGame.RedealsDone);
    for (int i = 0; i < cards && !context.piles.Stock().empty(); ++i) {
        const int card = TakeStockTop(context);
        AddCardToPile(context, destination, card, '1');
        context.presentation().DrawPile(kStock);
        if (Animated(context)) {
            context.presentation().Wait(10, false);
            context.presentation().GlideCard(card, kStock, destination);
        }
        context.presentation().DrawPile(destination);
        PlayEventSound(context, "Stock", SoundSwitch::Stock);
        context.flags.Set(WonMark, IsGameWon(context));
    }
}

// A deal from the stock as the dealing loop sees it: a row, or (no row) one card onto one pile.
struct Dealing {
    std::optional<RowDeal> row;
    PileRef pile{PileGroup::Tableaus, 0};

    bool ToReserves() const { return row ? *row == RowDeal::Reserves : pile.group == PileGroup::Reserves; }
};

// The piles a deal covers.
std::vector<PileRef> DealingRange(const GameContext& context, const Dealing& dealing)
{
    if (!dealing.row)
        return {dealing.pile};
    std::vector<PileRef> range;
    if (*dealing.row == RowDeal::Reserves) {
        int last = context.ReserveCount();
        if (context.rules[rule::RedealStyle] == redeal::ReserveDealing) {
            const int redeals = context.mainGame.RedealsDone;
            last = redeals == 1 ? 3 : redeals == 2 ? 2 : redeals == 3 ? 1 : last;
        }
        for (int k = 0; k < last && k < kMaxReserves; ++k)
            range.push_back({PileGroup::Reserves, k});
    } else {
        for (int k = 0; k < context.TableauCount(); ++k)
            range.push_back({PileGroup::Tableaus, k});
    }
    return range;
}

int DealMode(const GameContext& context, const Dealing& dealing, PileRef pile)
{
    if (dealing.row == RowDeal::TableausFaceUp)
        return deal_mode::Row;
    // A click that tops the piles up names each short pile itself: the first pile's mode is the
    // click's style and the others' may be none, yet each takes its card.
    const int clickStyle = DealModeOfTableau(context, 0);
    if (!dealing.row && pile.group == PileGroup::Tableaus &&
        (clickStyle == click_style::TopUpToThree || clickStyle == click_style::TopUpOrTurn))
        return deal_mode::Row;
    if (dealing.row == RowDeal::EmptyTableaus)
        return context.piles[pile].empty() ? deal_mode::Row : deal_mode::None;
    return pile.group == PileGroup::Tableaus ? DealModeOfTableau(context, pile.slot)
                                             : DealModeOfReserve(context, pile.slot);
}

// The reserves that the stock deals face down with the tableau turn face up once the stock is
// out, so that their cards can be played before the next redeal gathers them.
void TurnUpReservesWhenStockIsOut(GameContext& context)
{
    if (!context.piles.Stock().empty())
        return;
    for (int k = 0; k < context.ReserveCount(); ++k) {
        const PileRef reserve{PileGroup::Reserves, k};
        std::string& pile = context.piles[reserve];
        if (pile.empty())
            continue;
        context.cards.SetFaceMarks(pile, ElementCount(pile), '1');
        context.presentation().DrawPile(reserve);
    }
}

// Refreshes each tableau with fewer than three cards up to three, redealing when needed. Click
// style 9 then turns a card onto the waste as well; style 36 turns one only when no pile needed
// a card (Big Ben).
void TopUpToThree(GameContext& context, bool turnAfterTopUp)
{
    const std::size_t sizeBefore = context.undoHistory.Size();
    bool redealt = false;
    int dealt = 0;
    for (int k = 0; k < context.TableauCount(); ++k) {
        const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(k)];
        for (int i = 0; i < 3 && ElementCount(pile) < 3; ++i) {
            if (context.piles.Stock().empty() && !context.piles.Waste().empty() &&
                context.mainGame.RedealsDone < context.rules[rule::PassesAllowed]) {
                const std::size_t beforeRedeal = context.undoHistory.Size();
                context.mainGame.StockPressed = 1;
                ExecuteMove(context, StockTurn::ToWaste);
                MergeClickSnapshots(context, beforeRedeal);
                context.mainGame.StockPressed = 0;
                redealt = true;
            }
            if (context.piles.Stock().empty())
                break;
            ExecuteMove(context, DealOnto{{PileGroup::Tableaus, k}});
            ++dealt;
        }
    }
    MergeClickSnapshots(context, sizeBefore);
    if (!redealt && (turnAfterTopUp || dealt == 0)) {
        ExecuteMove(context, StockTurn::ToWaste);
        if (dealt == 1)
            MergeClickSnapshots(context, sizeBefore);
    }
}

// The empty foundation of one card (a row of Queens) that takes card; -1 when there is none.
int OneCardRowTaking(const GameContext& context, int card)
{
    for (int f = 0; f < context.FoundationCount() && f < kMaxFoundations; ++f)
        if (context.rules.Of(rule::FoundationFullCountOf, f) == 1 && context.piles.foundations[static_cast<std::size_t>(f)].empty() &&
            FoundationRuleAccepts(context, f, card))
            return f;
    return -1;
}

// Click style 37: the stock's top card goes onto the newest pile, the last that holds cards; a
// card of the piles' base rank starts the next pile, and a card that a row of one-card
// foundations takes goes there within the same undo step.
void DealOntoNewestPile(GameContext& context)
{
    const std::string& stock = context.piles.Stock();
    if (stock.empty())
        return;
    const int card = TopElement(stock);
    int newest = 0;
    for (int k = 0; k < context.TableauCount() && k < kMaxTableaus; ++k)
        if (!context.piles.tableaus[static_cast<std::size_t>(k)].empty())
            newest = k;
    const bool startsPile = CardRank(card) == context.rules.Of(rule::TableauBaseRank, 0) &&
                            !context.piles.tableaus[static_cast<std::size_t>(newest)].empty() && newest + 1 < context.TableauCount();
    const std::size_t sizeBefore = context.undoHistory.Size();
    ExecuteMove(context, DealOnto{{PileGroup::Tableaus, startsPile ? newest + 1 : newest}});
    if (const int row = OneCardRowTaking(context, card); row >= 0) {
        ExecuteMove(context, card, CardTarget{PileRef{PileGroup::Foundations, row}, Mover::Autoplay});
        MergeClickSnapshots(context, sizeBefore);
    }
}

// Click style GapsThenRowBelow: the stock fills the gaps of the grid's dealt rows, in order, or
// when there is none deals a new row beneath the last, as one undo step.
void FillGapsElseDealRowBelow(GameContext& context)
{
    std::vector<PileCell> cells = GapsInDealtGridRows(context);
    if (cells.empty())
        cells = NextGridRow(context);
    const std::size_t sizeBefore = context.undoHistory.Size();
    DealIntoGridCells(context, cells, Mover::Player);
    MergeClickSnapshots(context, sizeBefore);
}

// A click on the stock of a game that deals from it.
void DealingClick(GameContext& context)
{
    const RuleVector& rules = context.rules;
    const int lastTableau = std::max(context.TableauCount() - 1, 0);
    const int lastReserve = std::max(context.ReserveCount() - 1, 0);
    const bool stockEmpty = context.piles.Stock().empty();
    const std::size_t sizeBefore = context.undoHistory.Size();
    auto& counter = context.mainGame.DealCounter;

    if ((rules[rule::RedealStyle] >= redeal::FirstOwn && PassIsOut(context)) ||
        redeal::RedealsFromFullStock(rules[rule::RedealStyle])) {
        ExecuteMove(context, StockTurn::RedealOnly);
    } else if (DealModeOfTableau(context, 0) == click_style::OntoNewestPile) {
        DealOntoNewestPile(context);
    } else if (DealModeOfTableau(context, 0) == click_style::GapsThenRowBelow) {
        FillGapsElseDealRowBelow(context);
    } else if (DealsRowAnyTime(DealModeOfTableau(context, 0)) || DealsRowAnyTime(DealModeOfTableau(context, lastTableau))) {
        ExecuteMove(context, RowDeal::Tableaus);
        if (rules[rule::RedealStyle] == redeal::FiveRowsThenAllMixed && context.undoHistory.Size() > sizeBefore)
            ++counter; // after the row's undo point, so that Undo gives the row back to the pass
        if (rules.Of(rule::ReserveDealMode, 0) == click_style::ReservesWithTableaus) {
            ExecuteMove(context, RowDeal::Reserves);
            MergeClickSnapshots(context, sizeBefore);
            TurnUpReservesWhenStockIsOut(context);
        }
    } else if (DealModeOfTableau(context, 0) == deal_mode::RowWithoutGaps ||
               DealModeOfTableau(context, lastTableau) == deal_mode::RowWithoutGaps) {
        if (AnyTableauEmpty(context))
            context.presentation().ShowInfo(kFillGapsFirst);
        else
            ExecuteMove(context, RowDeal::Tableaus);
    } else if (DealModeOfReserve(context, 0) == deal_mode::Row || DealModeOfReserve(context, lastReserve) == deal_mode::Row) {
        ExecuteMove(context, RowDeal::Reserves);
    } else if (rules.Of(rule::ReserveDealMode, 0) == click_style::LastEightToTableau) {
        if (ElementCount(context.piles.Stock()) == 8) {
            ExecuteMove(context, RowDeal::TableausFaceUp);
        } else {
            ExecuteMove(context, RowDeal::Reserves);
            ExecuteMove(context, RowDeal::Reserves);
        }
    } else if (rules.Of(rule::ReserveDealMode, 0) == click_style::AlternateReserves) {
        if (stockEmpty)
            return;
        // The click is counted after its first undo point, so that Undo gives the count back.
        const int click = counter + 1;
        const int reserve = click % 2 == 1 ? 0 : 1;
        for (int i = 0; i < 3 && !context.piles.Stock().empty(); ++i)
            ExecuteMove(context, DealOnto{{PileGroup::Reserves, reserve}});
        counter = static_cast<std::int16_t>(click);
        MergeClickSnapshots(context, sizeBefore);
        if (context.undoHistory.Size() > sizeBefore)
            TagLastSnapshot(context, SnapshotTag::DealingClick);
    } else if (DealModeOfTableau(context, 0) == click_style::FourPerPile ||
               DealModeOfTableau(context, 8) == click_style::FourPerPile) {
        for (int k = 0; k < context.TableauCount(); ++k)
            for (int i = 0; i < 4 && DealModeOfTableau(context, k) == deal_mode::FourAtATime && !context.piles.Stock().empty(); ++i)
                ExecuteMove(context, DealOnto{{PileGroup::Tableaus, k}});
        MergeClickSnapshots(context, sizeBefore);
    } else if (DealModeOfTableau(context, 0) == click_style::EightPilesPerClick ||
               DealModeOfTableau(context, 0) == click_style::EveryPilePerClick) {
        if (stockEmpty)
            return;
        const int click = counter + 1;
        const bool eightAtATime = DealModeOfTableau(context, 0) == click_style::EightPilesPerClick;
        const int first = eightAtATime ? 8 * (click - 1) : 0;
        const int last = eightAtATime ? first + 8 : context.TableauCount();
        for (int k = first; k < last && k < kMaxTableaus && !context.piles.Stock().empty(); ++k)
            ExecuteMove(context, DealOnto{{PileGroup::Tableaus, k}});
        counter = static_cast<std::int16_t>(click);
        MergeClickSnapshots(context, sizeBefore);
        TagLastSnapshot(context, SnapshotTag::DealingClick);
    } else if (DealModeOfTableau(context, 0) == click_style::ThreeHands) {
        const auto& tableaus = context.piles.tableaus;
        if (!tableaus[0].empty() && tableaus[2].empty()) {
            ExecuteMove(context, DealOnto{{PileGroup::Tableaus, 2}});
        } else if (tableaus[0].empty()) {
            ExecuteMove(context, DealOnto{{PileGroup::Tableaus, 0}});
            ExecuteMove(context, DealOnto{{PileGroup::Tableaus, 1}});
            MergeClickSnapshots(context, sizeBefore);
        }
    } else if (DealModeOfTableau(context, 0) == click_style::LastCardsToReserves) {
        const int inStock = ElementCount(context.piles.Stock());
        if (inStock <= context.TableauCount()) {
            for (int k = 0; k < inStock - 4; ++k)
                ExecuteMove(context, DealOnto{{PileGroup::Tableaus, k}});
            for (int r = 0; r < 4; ++r)
                ExecuteMove(context, DealOnto{{PileGroup::Reserves, r}});
            MergeClickSnapshots(context, sizeBefore);
        } else {
            ExecuteMove(context, RowDeal::Tableaus);
        }
    } else if (rules[rule::SecondWasteArrangement] != arrangement::None) {
        ExecuteMove(context, StockTurn::ToSecondWaste);
    }
}

// A click on the stock of a game that turns cards onto the waste.
void TurningClick(GameContext& context)
{
    const int clickStyle = DealModeOfTableau(context, 0);
    if (clickStyle == click_style::TopUpToThree || clickStyle == click_style::TopUpOrTurn) {
        TopUpToThree(context, clickStyle == click_style::TopUpToThree);
    } else if (clickStyle == click_style::RowsBeforeTurns) {
        int dealingClicks = 0;
        const std::string dealingTag = ZeroPad(static_cast<int>(SnapshotTag::DealingClick), 3);
        for (std::size_t i = 0; i < context.undoHistory.Size(); ++i)
            dealingClicks += context.undoHistory.At(i).annotation == dealingTag ? 1 : 0;
        if (dealingClicks >= 3) {
            ExecuteMove(context, StockTurn::ToWaste);
        } else if (ExecuteMove(context, RowDeal::Tableaus)) {
            TagLastSnapshot(context, SnapshotTag::DealingClick);
        }
    } else if (context.rules[rule::RedealStyle] == redeal::UnderStockWasteFirst && PassIsOut(context)) {
        ExecuteMove(context, StockTurn::RedealOnly); // the full one-card waste asks for the redeal
    } else if (context.rules[rule::TurnOnEmptyWasteOnly] == 0 || context.piles.Waste().empty()) {
        ExecuteMove(context, StockTurn::ToWaste);
    }
}

} // namespace

bool RedealAllowed(const GameContext& context)
{
    const int passes = context.rules[rule::PassesAllowed];
    return passes == -1 || context.mainGame.RedealsDone < passes;
}

void StockClick(GameContext& context)
{
    const SpecialTraits& traits = SpecialTraitsOf(context.rules);
    if (traits.pyramid && !context.piles.Stock().empty() && !context.piles.foundations[0].empty()) {
        SelectCard(context, kStock, TopElement(context.piles.Stock())); // the pyramid pairs the stock's top card
        return;
    }
    if (traits.idleStock)
        return;
    if (context.rules[rule::WasteShown] == 1)
        TurningClick(context);
    else
        DealingClick(context);
}

void ReleaseStockButton(GameContext& context)
{
    if (context.mainGame.StockPressed != 1)
        return;
    ReleaseStock(context);
    ExecuteMove(context, StockTurn::ToWaste);
    context.mainGame.StockPressed = 0;
}

bool TurnStock(GameContext& context, StockTurn turn)
{
    if (const std::string refusal = StockTurnRefusal(context); !refusal.empty()) {
        context.presentation().ShowStatusNote(refusal);
        return false;
    }
    auto& game = context.mainGame;
    bool countedAsMove = false;
    bool recordPending = true;
    bool specialRedeal = false;
    const int redealStyle = context.rules[rule::RedealStyle];

    if (redealStyle >= redeal::FirstOwn && RedealAllowed(context)) {
        // The game's own redeal, on the empty stock (every click with style 6), at the release.
        if (PassIsOut(context) || redeal::RedealsFromFullStock(redealStyle)) {
            countedAsMove = true;
            if (game.StockPressed == 0) {
                PressStock(context);
            } else {
                RecordSnapshot(context);
                ++game.RedealsDone;
                SpecialRedeal(context);
                specialRedeal = true;
            }
        }
    } else if (turn == StockTurn::ToWaste && context.piles.Stock().empty() &&
               ElementCount(context.piles.Waste()) >= 2 && RedealAllowed(context)) {
        countedAsMove = true;
        if (game.StockPressed == 0) {
            PressStock(context);
        } else {
            RecordSnapshot(context); // the table before the pass, so that Undo gives the pass back
            recordPending = false;
            ++game.RedealsDone;
            RedealWaste(context);
        }
    }

    game.DealingRow = 0;
    if (!context.piles.Stock().empty() && turn != StockTurn::RedealOnly && !specialRedeal) {
        countedAsMove = true;
        if (recordPending)
            RecordSnapshot(context);
        if (DealModeOfTableau(context, 0) == click_style::RowBeforeTurn) {
            // A row onto the tableaus precedes the turn; both undo as one step.
            const std::size_t sizeBefore = context.undoHistory.Size();
            ExecuteMove(context, RowDeal::Tableaus);
            MergeClickSnapshots(context, sizeBefore - 1);
        }
        TurnCards(context, turn == StockTurn::ToWaste ? kWaste : kSecondWaste);
        CountStockTurn(context);
        if (SpecialTraitsOf(context.rules).countsStockTurns) {
            ++game.DealCounter;
            TagLastSnapshot(context, SnapshotTag::DealingClick);
        }
    }
    if (countedAsMove && game.GameStarted < 1)
        game.GameStarted = 1;
    return countedAsMove;
}

namespace {

bool DealCards(GameContext& context, const Dealing& dealing)
{
    if (context.piles.Stock().empty())
        return false;
    auto& game = context.mainGame;
    const RuleVector& rules = context.rules;
    game.DealingRow = 1;
    if (dealing.row != RowDeal::EmptyTableaus)
        RecordSnapshot(context);

    const bool toReserves = dealing.ToReserves();
    bool dealNothing =
        toReserves && rules.Of(rule::ReserveDealMode, 0) == click_style::ReservesWithTableaus && !RedealAllowed(context);
    if (toReserves && rules[rule::RedealStyle] == redeal::ReserveDealing) {
        bool reserveHoldsCards = false;
        for (int k = 0; k < 3; ++k)
            reserveHoldsCards = reserveHoldsCards || !context.piles.reserves[static_cast<std::size_t>(k)].empty();
        if (AnyTableauEmpty(context) && reserveHoldsCards) {
            context.presentation().ShowInfo(kFillGapsFirst);
            DropLastSnapshots(context, 1);
            dealNothing = true;
        }
    }

    for (const PileRef pile : dealNothing ? std::vector<PileRef>{} : DealingRange(context, dealing)) {
        const int mode = DealMode(context, dealing, pile);
        const bool receives = deal_mode::ReceivesRows(mode) || mode == click_style::OntoNewestPile;
        if (!receives || PassedOverWhileEmpty(context, mode, pile) || PassedOverBesideCompleteHome(context, mode, pile))
            continue;
        if (context.piles.Stock().empty())
            break;
        const int card = TakeStockTop(context);
        if (rules[rule::TableauStyle] == pile_style::Serpentine)
            context.piles.tableaus[0] += "000";
        AddCardToPile(context, pile, card, '1');
        const bool faceDown =
            (mode == deal_mode::ReserveFaceDown && pile.group == PileGroup::Reserves && toReserves) ||
            (mode == deal_mode::TableauFaceDown && pile.group == PileGroup::Tableaus && dealing.row == RowDeal::Tableaus);
        if (faceDown)
            context.cards.SetCardFaceMark(card, '0');
        context.presentation().GlideCard(card, kStock, pile);
        context.presentation().DrawPile(pile);
        PlayEventSound(context, "Shuffle", SoundSwitch::Shuffle);
        if (pile.group == PileGroup::Tableaus)
            RemoveCompleteSequence(context, pile.slot);
    }
    DiscardSetsOfFour(context);
    game.DealingRow = 0;
    context.flags.Set(WonMark, IsGameWon(context));
    return true;
}

} // namespace

bool DealFromStock(GameContext& context, RowDeal row)
{
    return DealCards(context, {row});
}

bool DealFromStock(GameContext& context, DealOnto onto)
{
    return DealCards(context, {std::nullopt, onto.pile});
}

void PressStock(GameContext& context)
{
    if (context.rules[rule::StockShown] == 1 && context.piles.Stock().empty())
        context.presentation().DrawStockButton(kStock, true);
    else if (context.rules[rule::WasteShown] == 1 && context.piles.Waste().empty())
        context.presentation().DrawStockButton(kWaste, true);
    context.mainGame.StockPressed = 1;
}

void ReleaseStock(GameContext& context)
{
    if (context.rules[rule::StockShown] == 1 && context.piles.Stock().empty())
        context.presentation().DrawStockButton(kStock, false);
    else if (context.rules[rule::WasteShown] == 1 && context.piles.Waste().empty())
        context.presentation().DrawStockButton(kWaste, false);
    context.presentation().Wait(50, false);
}

bool TryDraw(GameContext& context, int card)
{
    auto& game = context.mainGame;
    if (game.RedealsDone != 3) {
        context.presentation().ShowInfo("The Draw is allowed after the last Redeal.");
        return false;
    }
    if (game.GameCounter1 == 1) {
        context.presentation().ShowInfo("Only one Draw is permitted.");
        return false;
    }
    const CardLocation from = LocateCard(context, card);
    if (from < 1)
        return false;
    const PileRef pile{PileGroup::Tableaus, from - 1};
    ExecuteMove(context, card, pile, false);
    context.presentation().GlideCard(card, pile, pile);
    context.presentation().DrawPile(pile);
    game.GameCounter1 = 1;
    TagLastSnapshot(context, SnapshotTag::Draw);
    return false;
}

} // namespace marlowe
