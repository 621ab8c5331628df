// Random play of every shipped game through the play protocol. Whatever the player does, the
// table keeps exactly the cards it was dealt, an undo followed by a redo gives back the same
// table, the score shown is the score of the table, and a selection game selects only cards that
// lie on the table, each once.

#include "app/text_helpers.h"
#include "catalogue/game_traits.h"
#include "engine/cards.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/play_actions.h"
#include "engine/scoring.h"
#include "engine/selection.h"
#include "engine/action_search.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

namespace marlowe {
namespace {

constexpr const char* kDealNumbers[] = {"0000000000001", "0000000000002", "0000000000003"};
constexpr int kActionsPerDeal = 1500;

// Every card code on the table as a snapshot keeps it (gaps left out; a selection game's
// selection is not part of the table), sorted.
std::vector<int> CardsOnTable(const GameContext& context)
{
    std::vector<int> codes;
    for (const std::string& pile : TakeSnapshot(context).piles)
        for (std::size_t at = 0; at + 4 <= pile.size(); at += 4)
            if (const int code = std::stoi(pile.substr(at, 3)); code != 0)
                codes.push_back(code);
    std::sort(codes.begin(), codes.end());
    return codes;
}

// The face-up top cards of the piles a player clicks.
std::vector<int> TopCards(const GameContext& context)
{
    std::vector<int> tops;
    const auto collect = [&](const auto& group) {
        for (const std::string& pile : group)
            if (const int top = TopElement(pile); top > 0 && !context.cards.IsFaceDown(top))
                tops.push_back(top);
    };
    collect(context.piles.stockGroup);
    collect(context.piles.tableaus);
    collect(context.piles.reserves);
    return tops;
}

// Every card a click of a selection game may select now, those selected included (a click on
// them lets go of them again).
std::vector<int> SelectableCards(const GameContext& context)
{
    std::vector<int> cards;
    const auto collect = [&](PileGroup group, std::size_t first, std::size_t count) {
        for (std::size_t slot = first; slot < count; ++slot) {
            const PileRef pile{group, static_cast<int>(slot)};
            for (const int card : PileCodes(context.piles[pile]))
                if (SelectableCard(context, pile, card))
                    cards.push_back(card);
        }
    };
    collect(PileGroup::StockGroup, 0, context.piles.stockGroup.size());
    collect(PileGroup::Tableaus, 0, context.piles.tableaus.size());
    collect(PileGroup::Reserves, 0, context.piles.reserves.size());
    collect(PileGroup::Foundations, 1, context.piles.foundations.size()); // foundation 1 is the selection
    return cards;
}

class RandomPlay {
public:
    RandomPlay(const TMainGame& mainGame, int game, const std::string& dealNumber)
        : play_(mainGame, game, dealNumber), random_(static_cast<unsigned>(game * 7919) + std::stoul(dealNumber))
    {
    }

    // The first broken rule, described; nothing when all held.
    std::optional<std::string> Run(int actions)
    {
        if (!play_.started)
            return "the deal failed: " + play_.messages.str();
        dealt_ = CardsOnTable(play_.context());
        if (std::adjacent_find(dealt_.begin(), dealt_.end()) != dealt_.end())
            return "a card was dealt twice";
        for (int step = 0; step < actions && play_.context().flags[GameInProgress]; ++step) {
            auto broken = Step();
            if (!broken)
                broken = Invariants();
            if (broken)
                return *broken + ", after: " + played_;
        }
        return std::nullopt;
    }

private:
    std::optional<std::string> Command(const std::string& command)
    {
        played_ += command + "; ";
        answer_ = play_.Run(command);
        refusedInARow_ = answer_ == "refused" ? refusedInARow_ + 1 : 0;
        if (answer_ != "ok" && answer_ != "refused")
            return "answered " + answer_;
        return std::nullopt;
    }

    // A random action: mostly one the solver would consider (drops, clicks that play or select,
    // the stock), else an undo checked by a redo, a redo, a click that selects any selectable
    // card (in a selection game), or a click or double click on a top card.
    // Where nothing can move, or three actions in a row were refused, the way out is back.
    std::optional<std::string> Step()
    {
        const int choice = std::uniform_int_distribution<int>(0, 99)(random_);
        if (refusedInARow_ >= 3 && UndoAllowed(play_.context()) && !play_.context().undoHistory.Empty())
            return UndoThenRedo(true);
        if (choice < 70) {
            const auto actions = CandidateActions(play_.context());
            if (actions.empty())
                return UndoThenRedo(true);
            return Command(ActionText(actions[std::uniform_int_distribution<std::size_t>(0, actions.size() - 1)(random_)]));
        }
        if (choice < 82)
            return UndoThenRedo(std::uniform_int_distribution<int>(0, 1)(random_) == 0);
        if (choice < 88)
            return Command("redo");
        if (LeftClickSelects(play_.context().rules) && choice < 94) {
            const std::vector<int> selectable = SelectableCards(play_.context());
            if (!selectable.empty())
                return Command("click " + std::to_string(selectable[std::uniform_int_distribution<std::size_t>(
                                              0, selectable.size() - 1)(random_)]));
        }
        const std::vector<int> tops = TopCards(play_.context());
        if (tops.empty())
            return Command("stock");
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, tops.size() - 1)(random_);
        if (choice >= 94)
            return Command("dblclick " + std::to_string(tops[at]));
        return ClickPair(at, tops);
    }

    // A click on the top card at, and for the games that take pairs a click on the nearest
    // other top card of its rank (neighbouring piles are often neighbours on the table). When
    // that takes nothing, a second click on the first card lets go of it again.
    std::optional<std::string> ClickPair(std::size_t at, const std::vector<int>& tops)
    {
        const std::string first = "click " + std::to_string(tops[at]);
        if (auto broken = Command(first); broken)
            return broken;
        std::optional<std::size_t> partner;
        const auto distance = [at](std::size_t i) { return i > at ? i - at : at - i; };
        for (std::size_t i = 0; i < tops.size(); ++i)
            if (i != at && CardRank(tops[i]) == CardRank(tops[at]) && (!partner || distance(i) < distance(*partner)))
                partner = i;
        if (partner) {
            if (auto broken = Command("click " + std::to_string(tops[*partner])); broken || answer_ == "ok")
                return broken;
        }
        return Command(first);
    }

    // An undo and a redo give back the table of before; then the undo is kept when asked.
    std::optional<std::string> UndoThenRedo(bool keepUndo)
    {
        const Snapshot before = TakeSnapshot(play_.context());
        if (auto broken = Command("undo"); broken || answer_ != "ok")
            return broken;
        if (auto broken = Command("redo"); broken)
            return broken;
        if (answer_ != "ok")
            return std::string("redo refused right after an undo");
        if (!(TakeSnapshot(play_.context()) == before))
            return std::string("undo then redo changed the table");
        return keepUndo ? Command("undo") : std::nullopt;
    }

    std::optional<std::string> Invariants()
    {
        const GameContext& context = play_.context();
        if (CardsOnTable(context) != dealt_)
            return std::string("the cards on the table are not the cards dealt");
        if (LeftClickSelects(context.rules)) {
            std::vector<int> selected = SelectedCards(context);
            for (const int card : selected)
                if (!HomeOfCard(context, card))
                    return "the selected card " + std::to_string(card) + " lies on no pile";
            std::sort(selected.begin(), selected.end());
            if (std::adjacent_find(selected.begin(), selected.end()) != selected.end())
                return std::string("a card is selected twice");
        }
        if (ShowsScore(context.rules) && context.registers.GetNumber(reg::Score, -999999) != ComputeScore(context))
            return "the score shows " + context.registers.Get(reg::Score) + ", the table scores " +
                   std::to_string(ComputeScore(context));
        return std::nullopt;
    }

    testing::ProtocolGame play_;
    std::mt19937 random_;
    std::vector<int> dealt_;
    std::string played_; // every command, to replay a failure
    std::string answer_;
    int refusedInARow_ = 0;
};

TEST(PlayPropertyTest, RandomPlayOfEveryGameKeepsTheCardsTheHistoryAndTheScore)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    ASSERT_FALSE(mainGame.Catalogue().empty());
    for (const std::string& line : mainGame.Catalogue()) {
        const int game = CatalogueLineNumber(line);
        for (const char* deal : kDealNumbers) {
            RandomPlay play(mainGame, game, deal);
            const auto broken = play.Run(kActionsPerDeal);
            EXPECT_FALSE(broken) << CatalogueLineName(line) << " (game " << game << ") deal " << deal << ": "
                                 << broken.value_or("");
        }
    }
}

} // namespace
} // namespace marlowe
