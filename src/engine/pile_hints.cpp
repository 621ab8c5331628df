#include "engine/pile_hints.h"

#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/hint_file.h"
#include "engine/placing_rounds.h"
#include "engine/holding_places.h"
#include "engine/stock.h"

namespace marlowe {

namespace {

constexpr const char* kTopCardPlayable = "The top card is available for play to the foundations or to the tableau";

// Passes through the stock: -1 unlimited; the first deal counts as pass 1.
constexpr int kUnlimitedPasses = -1;

// What a click on the stock does.
std::string StockHint(const GameContext& context)
{
    const auto& rules = context.rules;
    if (context.piles.Stock().empty())
        return RedealAllowed(context) ? "Click to redeal" : "";
    if (rules[rule::WasteShown] == 1) {
        if (std::string refusal = StockTurnRefusal(context); !refusal.empty())
            return refusal;
        const int draw = draw::CardsPerClick(rules[rule::DrawCount], context.mainGame.RedealsDone);
        if (const int left = TurnsLeftWhilePlaceEmpty(context); left > 0)
            return "Click to turn up a card to the waste; " + std::to_string(left) + (left == 1 ? " more turn" : " more turns") +
                   " before the empty place must be filled";
        if (draw == 1)
            return "Click to turn up one card at a time to the waste";
        if (draw >= 2)
            return "Click to turn up " + std::to_string(draw) + " cards at a time to the waste";
        return "";
    }
    if (rules.Of(rule::TableauDealMode, 0) > 0)
        return "Click to deal a new row of cards to the tableau";
    if (rules.Of(rule::ReserveDealMode, 0) > 0)
        return "Click to deal a new row of cards to the reserve";
    return "";
}

std::string RedealsText(const GameContext& context)
{
    // A round of placing under way says instead how many cards it still wants.
    if (std::string round = PlacingRoundText(context); !round.empty())
        return round;
    const int passes = context.rules[rule::PassesAllowed];
    if (passes == kUnlimitedPasses)
        return "Unlimited redeals";
    if (passes == 0)
        return "No redeal";
    return std::to_string(context.mainGame.RedealsDone - 1) + "/" + std::to_string(passes - 1) + " redeals";
}

std::string CardCountText(const std::string& pile)
{
    const auto cards = pile.size() / 3;
    return std::to_string(cards) + (cards == 1 ? " card" : " cards");
}

// Kind, pile count and built-in hint of a pile.
void DescribePile(const GameContext& context, PileRef pile, PileHintTexts& texts)
{
    const auto& rules = context.rules;
    switch (pile.group) {
    case PileGroup::StockGroup:
        texts.kind = pile.slot == kStockSlot ? "Stock" : "Waste";
        texts.pileCount = "1";
        if (pile.slot == kStockSlot)
            texts.hint = StockHint(context);
        else if (pile.slot == kWasteSlot)
            texts.hint = kTopCardPlayable;
        break;
    case PileGroup::Tableaus:
        texts.kind = "Tableau";
        texts.pileCount = std::to_string(context.TableauCount());
        texts.hint = BuildRuleText(rules.Of(rule::TableauBuildCode, pile.slot), rules.Of(rule::TableauDirection, pile.slot),
                                   rules[rule::TableauRuleOverride]);
        break;
    case PileGroup::Foundations:
        texts.kind = "Foundation";
        texts.pileCount = std::to_string(context.FoundationCount());
        texts.hint = BuildRuleText(rules.Of(rule::FoundationBuildCode, pile.slot),
                                   rules.Of(rule::FoundationDirection, pile.slot), rules[rule::FoundationRuleOverride]);
        break;
    case PileGroup::Reserves:
        texts.kind = "Reserve";
        texts.pileCount = std::to_string(context.ReserveCount());
        texts.hint = kTopCardPlayable;
        break;
    }
    texts.cardCount = CardCountText(context.piles[pile]);
}

char HintLetter(PileRef pile)
{
    switch (pile.group) {
    case PileGroup::StockGroup: return pile.slot == kStockSlot ? kStockHintLetter : kWasteHintLetter;
    case PileGroup::Foundations: return kFoundationHintLetter;
    case PileGroup::Tableaus: return kTableauHintLetter;
    case PileGroup::Reserves: return kReserveHintLetter;
    }
    return kStockHintLetter;
}

// The game's own text for the pile: its numbered entry first, then the entry for every pile of
// its kind.
std::optional<std::string> HintFromFile(const GameContext& context, PileRef pile, const HintFile& hints)
{
    const int game = context.CurrentGameNumber();
    if (hints.Empty() || game < 0)
        return std::nullopt;
    const char letter = HintLetter(pile);
    if (pile.group != PileGroup::StockGroup) {
        if (auto text = hints.Find(HintPlainKey(game, letter, pile.slot + 1)))
            return text;
    }
    return hints.Find(HintPlainKey(game, letter, kEveryPileHint));
}

constexpr std::string_view kSuitCodes[] = {"[h]", "[d]", "[c]", "[s]"};

} // namespace

PileHintTexts ComputePileHint(const GameContext& context, std::optional<PileRef> pile, const HintFile& hints)
{
    PileHintTexts texts;
    if (pile)
        DescribePile(context, *pile, texts);
    texts.redeals = RedealsText(context);

    const bool inProgress = context.flags[GameInProgress];
    if (!pile || !inProgress) {
        texts.kind.clear();
        texts.cardCount.clear();
        texts.hint.clear();
    }
    if (!inProgress)
        texts.redeals.clear();
    if (pile && inProgress) {
        if (auto text = HintFromFile(context, *pile, hints))
            texts.hint = std::move(*text);
    }
    return texts;
}

std::vector<HintPiece> SplitHintText(std::string_view hint)
{
    std::vector<HintPiece> pieces;
    while (true) {
        const auto open = hint.find('[');
        HintPiece piece{std::string(hint.substr(0, open)), std::nullopt};
        if (open == std::string_view::npos) {
            if (!piece.text.empty())
                pieces.push_back(std::move(piece));
            return pieces;
        }
        const auto code = hint.substr(open, 3);
        for (int suit = 0; suit < 4; ++suit)
            if (code == kSuitCodes[suit])
                piece.suit = suit;
        pieces.push_back(std::move(piece));
        hint.remove_prefix(open + code.size());
    }
}

} // namespace marlowe
