#include "engine/stock.h"

#include "app/text_helpers.h"
#include "catalogue/rule_values.h"
#include "catalogue/special_games.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/post_move.h"
#include "engine/presentation.h"
#include "engine/selection.h"
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

bool AnyTableauEmpty(const GameContext& context)
{
    for (int k = 0; k < context.TableauCount(); ++k)
        if (context.piles.tableaus[static_cast<std::size_t>(k)].empty())
            return true;
    return false;
}

bool Animated(const GameContext& context)
{
    return context.registers.Get(67, 1) != "N";
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
    const bool animate = context.registers.Get(242, 1) != "N";
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

// Turns up to DrawCount cards from the stock onto destination.
void TurnCards(GameContext& context, PileRef destination)
{
    for (int i = 0; i < context.rules[rule::DrawCount] && !context.piles.Stock().empty(); ++i) {
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

// The piles a dealing target covers.
std::vector<PileRef> DealingRange(const GameContext& context, std::string_view target)
{
    std::vector<PileRef> range;
    if (target == "Add_Tableaus" || target == "Fill_Tableaus" || target == "Add_Tableaus_Last") {
        for (int k = 0; k < context.TableauCount(); ++k)
            range.push_back({PileGroup::Tableaus, k});
    } else if (target == "Add_Reserves") {
        int last = context.ReserveCount();
        if (context.rules[rule::RedealStyle] == redeal::ReserveDealing) {
            const int redeals = context.mainGame.RedealsDone;
            last = redeals == 1 ? 3 : redeals == 2 ? 2 : redeals == 3 ? 1 : last;
        }
        for (int k = 0; k < last && k < kMaxReserves; ++k)
            range.push_back({PileGroup::Reserves, k});
    } else if (StartsWith(target, "Add_Tableau_")) {
        if (const auto n = ParseInteger(target.substr(12, 2)); n && *n >= 1 && *n <= kMaxTableaus)
            range.push_back({PileGroup::Tableaus, static_cast<int>(*n) - 1});
    } else if (StartsWith(target, "Add_Reserve_")) {
        if (const auto n = ParseInteger(target.substr(12, 1)); n && *n >= 1 && *n <= kMaxReserves)
            range.push_back({PileGroup::Reserves, static_cast<int>(*n) - 1});
    }
    return range;
}

int DealMode(const GameContext& context, std::string_view target, PileRef pile)
{
    if (target == "Add_Tableaus_Last")
        return deal_mode::Row;
    if (target == "Fill_Tableaus")
        return context.piles[pile].empty() ? deal_mode::Row : deal_mode::None;
    return pile.group == PileGroup::Tableaus ? DealModeOfTableau(context, pile.slot)
                                             : DealModeOfReserve(context, pile.slot);
}

// Refreshes each tableau with fewer than three cards up to three, redealing when needed.
void TopUpToThree(GameContext& context)
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
                ExecuteMove(context, 0, "Mazzo_Vis");
                MergeClickSnapshots(context, beforeRedeal);
                context.mainGame.StockPressed = 0;
                redealt = true;
            }
            if (context.piles.Stock().empty())
                break;
            ExecuteMove(context, 0, "Add_Tableau_" + ZeroPad(k + 1, 2));
            ++dealt;
        }
    }
    MergeClickSnapshots(context, sizeBefore);
    if (!redealt) {
        ExecuteMove(context, 0, "Mazzo_Vis");
        if (dealt == 1)
            MergeClickSnapshots(context, sizeBefore);
    }
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

    if ((rules[rule::RedealStyle] >= redeal::FirstOwn && stockEmpty) || rules[rule::RedealStyle] == redeal::AcesFirstEveryClick) {
        ExecuteMove(context, 0, "Mazzo_Redeal");
    } else if (DealModeOfTableau(context, 0) == deal_mode::Row || DealModeOfTableau(context, lastTableau) == deal_mode::Row) {
        ExecuteMove(context, 0, "Add_Tableaus");
        if (rules.Of(rule::ReserveDealMode, 0) == click_style::ReservesWithTableaus) {
            ExecuteMove(context, 0, "Add_Reserves");
            MergeClickSnapshots(context, sizeBefore);
        }
    } else if (DealModeOfTableau(context, 0) == deal_mode::RowWithoutGaps ||
               DealModeOfTableau(context, lastTableau) == deal_mode::RowWithoutGaps) {
        if (AnyTableauEmpty(context))
            context.presentation().ShowInfo(kFillGapsFirst);
        else
            ExecuteMove(context, 0, "Add_Tableaus");
    } else if (DealModeOfReserve(context, 0) == deal_mode::Row || DealModeOfReserve(context, lastReserve) == deal_mode::Row) {
        ExecuteMove(context, 0, "Add_Reserves");
    } else if (rules.Of(rule::ReserveDealMode, 0) == click_style::LastEightToTableau) {
        if (ElementCount(context.piles.Stock()) == 8) {
            ExecuteMove(context, 0, "Add_Tableaus_Last");
        } else {
            ExecuteMove(context, 0, "Add_Reserves");
            ExecuteMove(context, 0, "Add_Reserves");
        }
    } else if (rules.Of(rule::ReserveDealMode, 0) == click_style::AlternateReserves) {
        if (stockEmpty)
            return;
        // The click is counted after its first undo point, so that Undo gives the count back.
        const int click = counter + 1;
        const int reserve = click % 2 == 1 ? 1 : 2;
        for (int i = 0; i < 3 && !context.piles.Stock().empty(); ++i)
            ExecuteMove(context, 0, "Add_Reserve_" + std::to_string(reserve));
        counter = static_cast<std::int16_t>(click);
        MergeClickSnapshots(context, sizeBefore);
        if (context.undoHistory.Size() > sizeBefore)
            TagLastSnapshot(context, SnapshotTag::DealingClick);
    } else if (DealModeOfTableau(context, 0) == click_style::FourPerPile ||
               DealModeOfTableau(context, 8) == click_style::FourPerPile) {
        for (int k = 0; k < context.TableauCount(); ++k)
            for (int i = 0; i < 4 && DealModeOfTableau(context, k) == deal_mode::FourAtATime && !context.piles.Stock().empty(); ++i)
                ExecuteMove(context, 0, "Add_Tableau_" + ZeroPad(k + 1, 2));
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
            ExecuteMove(context, 0, "Add_Tableau_" + ZeroPad(k + 1, 2));
        counter = static_cast<std::int16_t>(click);
        MergeClickSnapshots(context, sizeBefore);
        TagLastSnapshot(context, SnapshotTag::DealingClick);
    } else if (DealModeOfTableau(context, 0) == click_style::ThreeHands) {
        const auto& tableaus = context.piles.tableaus;
        if (!tableaus[0].empty() && tableaus[2].empty()) {
            ExecuteMove(context, 0, "Add_Tableau_03");
        } else if (tableaus[0].empty()) {
            ExecuteMove(context, 0, "Add_Tableau_01");
            ExecuteMove(context, 0, "Add_Tableau_02");
            MergeClickSnapshots(context, sizeBefore);
        }
    } else if (DealModeOfTableau(context, 0) == click_style::LastCardsToReserves) {
        const int inStock = ElementCount(context.piles.Stock());
        if (inStock <= context.TableauCount()) {
            for (int k = 0; k < inStock - 4; ++k)
                ExecuteMove(context, 0, "Add_Tableau_" + ZeroPad(k + 1, 2));
            for (int r = 1; r <= 4; ++r)
                ExecuteMove(context, 0, "Add_Reserve_" + std::to_string(r));
            MergeClickSnapshots(context, sizeBefore);
        } else {
            ExecuteMove(context, 0, "Add_Tableaus");
        }
    } else if (rules[rule::SecondWasteArrangement] != arrangement::None) {
        ExecuteMove(context, 0, "Mazzo_Waste");
    }
}

// A click on the stock of a game that turns cards onto the waste.
void TurningClick(GameContext& context)
{
    const int clickStyle = DealModeOfTableau(context, 0);
    if (clickStyle == click_style::TopUpToThree) {
        TopUpToThree(context);
    } else if (clickStyle == click_style::RowsBeforeTurns) {
        int dealingClicks = 0;
        const std::string dealingTag = ZeroPad(static_cast<int>(SnapshotTag::DealingClick), 3);
        for (std::size_t i = 0; i < context.undoHistory.Size(); ++i)
            dealingClicks += context.undoHistory.At(i).annotation == dealingTag ? 1 : 0;
        if (dealingClicks >= 3) {
            ExecuteMove(context, 0, "Mazzo_Vis");
        } else if (ExecuteMove(context, 0, "Add_Tableaus")) {
            TagLastSnapshot(context, SnapshotTag::DealingClick);
        }
    } else if (context.rules[rule::TurnOnEmptyWasteOnly] == 0 || context.piles.Waste().empty()) {
        ExecuteMove(context, 0, "Mazzo_Vis");
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
    ExecuteMove(context, 0, "Mazzo_Vis");
    context.mainGame.StockPressed = 0;
}

bool TurnStock(GameContext& context, std::string_view target)
{
    auto& game = context.mainGame;
    bool countedAsMove = false;
    bool recordPending = true;
    bool specialRedeal = false;
    const int redealStyle = context.rules[rule::RedealStyle];

    if (redealStyle >= redeal::FirstOwn && RedealAllowed(context)) {
        // The game's own redeal, on the empty stock (every click with style 6), at the release.
        if (context.piles.Stock().empty() || redealStyle == redeal::AcesFirstEveryClick) {
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
    } else if (target == "Mazzo_Vis" && context.piles.Stock().empty() && ElementCount(context.piles.Waste()) >= 2 &&
               RedealAllowed(context)) {
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
    if (!context.piles.Stock().empty() && target != "Mazzo_Redeal" && !specialRedeal) {
        countedAsMove = true;
        if (recordPending)
            RecordSnapshot(context);
        if (DealModeOfTableau(context, 0) == click_style::RowBeforeTurn) {
            // A row onto the tableaus precedes the turn; both undo as one step.
            const std::size_t sizeBefore = context.undoHistory.Size();
            ExecuteMove(context, 0, "Add_Tableaus");
            MergeClickSnapshots(context, sizeBefore - 1);
        }
        TurnCards(context, target == "Mazzo_Vis" ? kWaste : kSecondWaste);
        if (SpecialTraitsOf(context.rules).countsStockTurns) {
            ++game.DealCounter;
            TagLastSnapshot(context, SnapshotTag::DealingClick);
        }
    }
    if (countedAsMove && game.GameStarted < 1)
        game.GameStarted = 1;
    return countedAsMove;
}

bool DealFromStock(GameContext& context, std::string_view target)
{
    if (context.piles.Stock().empty())
        return false;
    auto& game = context.mainGame;
    const RuleVector& rules = context.rules;
    game.DealingRow = 1;
    if (target != "Fill_Tableaus")
        RecordSnapshot(context);

    const bool toReserves = StartsWith(target, "Add_Reserve");
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

    for (const PileRef pile : dealNothing ? std::vector<PileRef>{} : DealingRange(context, target)) {
        const int mode = DealMode(context, target, pile);
        if (mode < deal_mode::FirstDealing || mode > deal_mode::LastDealing ||
            (mode == deal_mode::OntoCardsOnly && context.piles[pile].empty()))
            continue;
        if (context.piles.Stock().empty())
            break;
        const int card = TakeStockTop(context);
        if (rules[rule::TableauStyle] == pile_style::Serpentine)
            context.piles.tableaus[0] += "000";
        AddCardToPile(context, pile, card, '1');
        const bool faceDown =
            (mode == deal_mode::ReserveFaceDown && pile.group == PileGroup::Reserves && toReserves) ||
            (mode == deal_mode::TableauFaceDown && pile.group == PileGroup::Tableaus && target == "Add_Tableaus");
        if (faceDown)
            context.cards.SetCardFaceMark(card, '0');
        context.presentation().GlideCard(card, kStock, pile);
        context.presentation().DrawPile(pile);
        PlayEventSound(context, "Shuffle", SoundSwitch::Shuffle);
        if (pile.group == PileGroup::Tableaus)
            RemoveCompleteSequence(context, pile.slot);
    }
    game.DealingRow = 0;
    context.flags.Set(WonMark, IsGameWon(context));
    return true;
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
    ExecuteMove(context, card, "Fila" + ZeroPad(from, 2), false);
    context.presentation().GlideCard(card, {PileGroup::Tableaus, from - 1}, {PileGroup::Tableaus, from - 1});
    context.presentation().DrawPile({PileGroup::Tableaus, from - 1});
    game.GameCounter1 = 1;
    TagLastSnapshot(context, SnapshotTag::Draw);
    return false;
}

} // namespace marlowe
