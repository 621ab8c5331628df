#include "engine/card_model.h"

#include "app/register_settings.h"
#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/card_model_redeals.h"
#include "engine/card_model_rows.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"
#include "engine/quiet_play.h"
#include "engine/table.h"

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>

namespace marlowe {

namespace {

int UsedPiles(const GameContext& context, PileGroup group)
{
    const int used = group == PileGroup::Foundations ? context.FoundationCount()
                     : group == PileGroup::Tableaus  ? context.TableauCount()
                                                     : context.ReserveCount();
    return std::clamp(used, 0, PileStore::SlotCount(group));
}

bool OneOf(int value, std::initializer_list<int> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// The pick rules the model carries out.
bool ModelledPickRule(int rule)
{
    return rule >= 0 || OneOf(rule, {pick::Any, pick::ByEmptyPiles, pick::ByEmptyPilesStrict, pick::ThroughCellsAndSpaces,
                                     pick::SingleOrRunOnKing, pick::SingleOrWholePile});
}

// The deal mode of the tableau piles a stock click deals a card to, the modes the model
// carries out: a row at any time, only while no pile is empty, or onto the piles that hold
// cards. The click follows the first pile's mode, or the last's; every other pile shares it
// or is passed over. None when no pile is dealt to; -1 for any other pattern.
int RowDealMode(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    const int used = UsedPiles(context, PileGroup::Tableaus);
    int mode = used > 0 ? rules.Of(rule::TableauDealMode, 0) : deal_mode::None;
    if (mode == deal_mode::None && used > 0)
        mode = rules.Of(rule::TableauDealMode, used - 1);
    for (int k = 0; k < used; ++k)
        if (!OneOf(rules.Of(rule::TableauDealMode, k), {mode, deal_mode::None}))
            return -1;
    return OneOf(mode, {deal_mode::None, deal_mode::Row, deal_mode::RowWithoutGaps, deal_mode::OntoCardsOnly}) ? mode : -1;
}

// Whether the stock group plays as the model's stock and waste: a click turns cards onto the
// waste, an empty stock takes the waste back while passes last; or, with no waste, a click
// deals a row onto the tableau.
bool ModelledStock(const GameContext& context, bool golf)
{
    const RuleVector& rules = context.rules;
    const int groups = rules[rule::StockGroupCount];
    if (groups == 0)
        return context.piles.Stock().empty() && context.piles.Waste().empty();
    if (rules[rule::RedealStyle] == redeal::BottomToTop && !golf)
        return BottomCardsToTopModelled(context);
    const int rowMode = RowDealMode(context);
    if (rowMode == -1)
        return false;
    for (int r = 0; r < UsedPiles(context, PileGroup::Reserves); ++r)
        if (rules.Of(rule::ReserveDealMode, r) != deal_mode::None)
            return false;
    const SpecialTraits& traits = SpecialTraitsOf(rules);
    if (traits.countsStockTurns || traits.idleStock || rules[rule::RedealStyle] >= redeal::FirstOwn ||
        !OneOf(rules[rule::TurnOnEmptyWasteOnly], {0, 1}) || rules[rule::WasteBuild] != 0)
        return false;
    if (rowMode != deal_mode::None)
        return !golf && groups == 1 && rules[rule::WasteShown] != 1 && context.piles.Waste().empty() &&
               context.piles.stockGroup[kSecondWasteSlot].empty() && rules[rule::TableauStyle] != pile_style::Serpentine;
    if (golf)
        return groups == 1 && rules[rule::PassesAllowed] == 1 && context.piles.Waste().empty();
    return groups == 2 && rules[rule::WasteShown] == 1 && rules[rule::WasteFaceDown] == 0 &&
           rules[rule::SecondWasteCount] == 0 && rules[rule::WasteNotTarget] == 4 && rules[rule::DrawCount] >= 1 &&
           context.piles.stockGroup[kSecondWasteSlot].empty();
}

// The first foundation that holds cards, with its bottom card (none: card 0).
struct StartedFoundation {
    int at = -1;
    int card = 0;
};
StartedFoundation FirstStartedFoundation(const GameContext& context)
{
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f) {
        const std::string& pile = context.piles.foundations[static_cast<std::size_t>(f)];
        if (!pile.empty())
            return {f, ElementAt(pile, 0)};
    }
    return {};
}

// Whether every rule the engine would consult for this game is one the model carries out.
bool Modelled(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    const SpecialTraits& traits = SpecialTraitsOf(rules);
    const bool golf = traits.golf && rules[rule::SingleClickGame] != 1;
    // Of the special games, Golf, and Diamond Mine, whose only special rule is how it is won.
    const bool suitRuns = SpecialGameOf(rules) == Special::DiamondsHomeSuitsInRuns;
    if (context.AutoplayActive() || (SpecialGameOf(rules) != Special::None && !golf && !suitRuns) || traits.buildsOnFaceDown)
        return false;
    if (rules[rule::PackSize] % 52 != 0 || rules[rule::PackSize] > 208 || rules[rule::JokersInPack] != 0 ||
        OneOf(rules[rule::TableauStyle], {pile_style::Serpentine, pile_style::FannedDownKeepingGaps}))
        return false;
    for (const int single : {rule::BlockedRows, rule::TableauLock, rule::FoundationStartSuitRule, rule::FoundationTakeBack,
                             rule::ExtraFoundationCard, rule::SecondWasteCard})
        if (rules[single] != 0)
            return false;
    // A game that opens with a card sent home is described once it is open.
    if (AwaitsFirstFoundationMove(context))
        return false;
    if (deal_family::SetsRowsInPlace(rules[rule::DealFamily]) || TableauCellsArePlaces(context))
        return RowsOfCellsModelled(context);
    // An empty pile filled from the reserve, or at once from the stock (the waste once the stock
    // is out) where the stock turns onto a waste.
    const int fill = rules[rule::EmptyTableauFill];
    const bool fillModelled = OneOf(fill, {0, 1}) || (OneOf(fill, {2, 3}) && rules[rule::StockGroupCount] == 2 &&
                                                      rules[rule::WasteShown] == 1 && rules[rule::BlockedRows] == 0);
    const bool tableaus = UsedPiles(context, PileGroup::Tableaus) > 0;
    if ((tableaus && rules[rule::MaxTableauCards] != -1) || context.mainGame.BlockedCard != 0 || !fillModelled ||
        !ModelledPickRule(rules[rule::TableauPickRule]) ||
        !OneOf(rules[rule::ReservePickRule], {0, pick::NeverFromReserve, pick::FannedReserveSingles}) ||
        !OneOf(rules[rule::RunRule], {run_rule::AnyRun, run_rule::ByDestinationCode, run_rule::InSuit, run_rule::SameColour,
                                      run_rule::InSuitOrOneRank}))
        return false;
    // Foundations that take complete sequences take nothing else: every one alike, or none.
    const int firstBase = rules.Of(rule::FoundationBaseRank, 0);
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f) {
        const int base = rules.Of(rule::FoundationBaseRank, f);
        if (base_rank::TakesWholeSequences(firstBase) || base_rank::TakesWholeSequences(base)) {
            if (base != firstBase || base == base_rank::WholeSequencesFour)
                return false;
            continue;
        }
        // A foundation that waits for the stock and waste to run out starts in a suit new to its
        // row of four, which the move asks.
        const int code = rules.Of(rule::FoundationBuildCode, f);
        const bool waits = code == building::AfterStockAndWaste;
        // Steps of any size in any suit, or a rank either way: what a pile takes still hangs
        // on its top card alone.
        const bool anySuit = code == building::UpOrDownAnySuitWrapping || code == building::DownAfterPreviousStarted ||
                             (code >= building::UpByTwos && code <= building::UpByFours);
        // Diamond Mine's code says what starts the pile itself.
        const bool startsByCode = code == building::DiamondsRoundTheCorner;
        if (!(OneOf(code, {0, 1, 2, 3}) || anySuit || waits || startsByCode) ||
            !(base == base_rank::AnyCard || (base >= 1 && base <= 13) || startsByCode ||
              (base == base_rank::RankOfStarted && FirstStartedFoundation(context).card != 0)) ||
            rules.Of(rule::FoundationFullCountOf, f) != -1)
            return false;
    }
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k) {
        const int base = rules.Of(rule::TableauBaseRank, k);
        if (!OneOf(rules.Of(rule::TableauBuildCode, k), {0, 1, 2, 3, building::Nothing, building::NotFromTableau,
                                                          building::NotFromTableauTwoDeep, building::NotFromTableauOrReserve,
                                                          building::DownInSuitOrSameRank, building::DownAnySuitNoDiamonds,
                                                          building::InSuitEitherWayNotFromTableau,
                                                          building::AlternateNotFromReserveOrFoundation}) ||
            (!(base >= -1 && base <= 13) && base != base_rank::AceOrKing))
            return false;
    }
    for (int r = 0; r < UsedPiles(context, PileGroup::Reserves); ++r)
        if (!OneOf(rules.Of(rule::ReserveRule, r), {building::Nothing, building::AnythingOnEmptyReserve, building::NotFromTableau}))
            return false;
    return ModelledStock(context, golf);
}

// Numbers the distinct keys it is given, in the order they first come.
class Classes {
public:
    int Of(const std::vector<int>& key)
    {
        const auto [at, added] = index_.emplace(key, static_cast<int>(index_.size()));
        return at->second;
    }

private:
    std::map<std::vector<int>, int> index_;
};

std::uint64_t Mix(std::uint64_t x)
{
    x ^= x >> 31;
    x *= 0x7fb5d329728ea185ull;
    x ^= x >> 27;
    x *= 0x81dadef4bc2dd44dull;
    return x ^ (x >> 33);
}

} // namespace

std::optional<CardModel> CardModel::Of(const GameContext& context)
{
    if (!Modelled(context))
        return std::nullopt;
    const RuleVector& rules = context.rules;
    CardModel model;
    model.golf_ = SpecialTraitsOf(rules).golf;
    model.suitRunsWin_ = SpecialGameOf(rules) == Special::DiamondsHomeSuitsInRuns;
    model.golfWraps_ = SpecialTraitsOf(rules).golfWraps;
    model.rows_ = TableauCellsArePlaces(context);
    // Three or four packs are more cards than a byte names: each card is named by its kind.
    model.packsFolded_ = rules[rule::PackSize] > 104;
    if (model.packsFolded_ && model.rows_)
        return std::nullopt;
    model.maxCode_ = model.packsFolded_ ? 52 : rules[rule::PackSize];
    model.drawCount_ = std::max<int>(1, rules[rule::DrawCount]);
    model.passes_ = rules[rule::PassesAllowed];
    model.pickRule_ = rules[rule::TableauPickRule];
    model.runRule_ = rules[rule::RunRule];
    model.fullCount_ = rules[rule::FoundationFullCount];
    model.stockFaceDown_ = rules[rule::StockFaceDown] != 0;
    model.turnsOnEmptyWasteOnly_ = rules[rule::TurnOnEmptyWasteOnly] != 0;
    model.fillFromReserve_ = rules[rule::EmptyTableauFill] == 1;
    model.fillFromStock_ = OneOf(rules[rule::EmptyTableauFill], {2, 3});
    model.fillWasteFirst_ = rules[rule::EmptyTableauFill] == 2;
    model.bottomsToTop_ = rules[rule::RedealStyle] == redeal::BottomToTop && rules[rule::StockGroupCount] > 0;
    model.reservePicked_ = rules[rule::ReservePickRule] != pick::NeverFromReserve;
    model.bouquet_ = rules[rule::ReservePickRule] == pick::FannedReserveSingles;
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f)
        model.foundationsWaitForStock_ = model.foundationsWaitForStock_ || rules.Of(rule::FoundationBuildCode, f) == building::AfterStockAndWaste;
    model.autoTurnUp_ = TurnsExposedCardsFaceUp(context.registers) && rules[rule::AutoFaceUp] != 0;

    // The scratch table on which the engine judges one card on another, every card face up.
    SilentPresentation silent;
    GameContext scratch = QuietCopy(context, silent);
    scratch.piles.Clear();
    for (int code = 1; code <= model.maxCode_; ++code)
        scratch.cards.SetCardFaceMark(code, '1');
    // Where every foundation starts with the rank the first one started with, the scratch table
    // keeps that first card on a foundation the pair in question leaves alone.
    const StartedFoundation started = FirstStartedFoundation(context);
    const auto keepStartedCard = [&](int judged) {
        if (started.card == 0)
            return;
        for (std::string& pile : scratch.piles.foundations)
            if (pile == CodeText(started.card))
                pile.clear();
        const int keeper = started.at != judged ? started.at : started.at > 0 ? started.at - 1 : started.at + 1;
        scratch.piles.foundations[static_cast<std::size_t>(keeper)] = CodeText(started.card);
    };
    keepStartedCard(-1);
    const int codes = model.maxCode_ + 1;
    const auto pairTable = [&](const auto& judge) {
        std::vector<std::uint8_t> table(static_cast<std::size_t>(codes * codes), 0);
        for (int top = 0; top < codes; ++top)
            for (int card = 1; card < codes; ++card)
                table[static_cast<std::size_t>(top * codes + card)] = top != card && judge(top, card) ? 1 : 0;
        return table;
    };

    Classes acceptClasses;
    Classes sequenceClasses;
    const auto addPile = [&](Role role, PileRef ref) {
        int rulesClass = 0;
        int sequenceClass = -1;
        const int k = ref.slot;
        bool startsAfterPrevious = false;
        if (role == Role::Foundation) {
            // Whether the foundation before holds cards is asked as each move is; the table
            // answers as if it did.
            startsAfterPrevious = k > 0 && rules.Of(rule::FoundationBuildCode, k) == building::DownAfterPreviousStarted;
            rulesClass = acceptClasses.Of({0, rules.Of(rule::FoundationBaseRank, k), rules.Of(rule::FoundationDirection, k),
                                           rules.Of(rule::FoundationBuildCode, k), startsAfterPrevious ? 1 : 0});
            std::string& pile = scratch.piles.foundations[static_cast<std::size_t>(k)];
            if (startsAfterPrevious)
                scratch.piles.foundations[static_cast<std::size_t>(k - 1)] = CodeText(1);
            keepStartedCard(k);
            if (rulesClass == static_cast<int>(model.accepts_.size()))
                model.accepts_.push_back(pairTable([&](int top, int card) {
                    pile = top ? CodeText(top) : "";
                    return FoundationRuleAccepts(scratch, k, card);
                }));
            pile.clear();
            if (startsAfterPrevious)
                scratch.piles.foundations[static_cast<std::size_t>(k - 1)].clear();
            keepStartedCard(-1);
        } else if (role == Role::Tableau) {
            const std::vector<int> rulesOfPile{rules.Of(rule::TableauBaseRank, k), rules.Of(rule::TableauDirection, k),
                                               rules.Of(rule::TableauBuildCode, k), rules.Of(rule::TableauWrap, k)};
            std::vector<int> key{1};
            key.insert(key.end(), rulesOfPile.begin(), rulesOfPile.end());
            rulesClass = acceptClasses.Of(key);
            std::string& pile = scratch.piles.tableaus[static_cast<std::size_t>(k)];
            // In rows of cells top is the gap's left neighbour, 0 at the row's left end.
            if (rulesClass == static_cast<int>(model.accepts_.size()))
                model.accepts_.push_back(pairTable([&](int top, int card) {
                    if (model.rows_) {
                        pile = PileTextOf(top ? std::vector<int>{top, 0} : std::vector<int>{0});
                        return CanPlayInTableauCell(scratch, k, top ? 1 : 0, card);
                    }
                    pile = top ? CodeText(top) : "";
                    return CanPlayOnTableau(scratch, k, card, 1);
                }));
            if (model.runRule_ != run_rule::AnyRun && !model.rows_) {
                sequenceClass = sequenceClasses.Of(rulesOfPile);
                if (sequenceClass == static_cast<int>(model.sequence_.size()))
                    model.sequence_.push_back(pairTable([&](int below, int above) {
                        pile = below ? CodeText(below) + CodeText(above) : "";
                        return below != 0 && IsRunMovable(scratch, below, k);
                    }));
            }
            pile.clear();
        } else if (role == Role::Reserve) {
            rulesClass = OneOf(rules.Of(rule::ReserveRule, k), {building::AnythingOnEmptyReserve, building::NotFromTableau}) ? 1 : 0;
        }
        const bool carriesRuns = role == Role::Tableau && (model.pickRule_ != pick::ThroughCellsAndSpaces ||
                                                           SpaceCarriesRuns(rules, k));
        // Piles that take no card from the tableau (nor the reserves): Sir Tommy's, Grandfather's,
        // the zodiac and the equator of Zodiac.
        const int code = role == Role::Tableau ? rules.Of(rule::TableauBuildCode, k) : role == Role::Reserve ? rules.Of(rule::ReserveRule, k) : -1;
        const bool fromTableau = !OneOf(code, {building::NotFromTableau, building::NotFromTableauTwoDeep, building::NotFromTableauOrReserve,
                                               building::InSuitEitherWayNotFromTableau});
        // A foundation begun in a suit no other of its row of four has begun in (Zodiac's two packs).
        const bool distinctStart = role == Role::Foundation && rules.Of(rule::FoundationBuildCode, k) == building::AfterStockAndWaste;
        const bool fromReserve = !OneOf(code, {building::NotFromTableauOrReserve, building::AlternateNotFromReserveOrFoundation});
        model.piles_.push_back({role, ref, rulesClass, carriesRuns, fromTableau, fromReserve,
                                role == Role::Tableau && code == building::NotFromTableauTwoDeep, startsAfterPrevious, distinctStart});
        model.sequenceClassOf_.push_back(sequenceClass);
        ++model.pileCount_;
    };

    model.rowDealMode_ = rules[rule::StockGroupCount] > 0 ? RowDealMode(context) : deal_mode::None;
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k)
        model.rowDealtTo_.push_back(rules.Of(rule::TableauDealMode, k) != deal_mode::None);
    if (rules[rule::StockGroupCount] > 0) {
        model.stock_ = model.pileCount_;
        addPile(Role::Stock, {PileGroup::StockGroup, kStockSlot});
    }
    // The stock whose click only redeals the tableau never turns a card: it has no waste.
    if (rules[rule::StockGroupCount] > 0 && model.rowDealMode_ == deal_mode::None && !model.bottomsToTop_) {
        model.waste_ = model.pileCount_;
        addPile(Role::Waste, {PileGroup::StockGroup, model.golf_ ? kSecondWasteSlot : kWasteSlot});
    }
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f)
        addPile(Role::Foundation, {PileGroup::Foundations, f});
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k)
        addPile(Role::Tableau, {PileGroup::Tableaus, k});
    for (int r = 0; r < UsedPiles(context, PileGroup::Reserves); ++r)
        addPile(Role::Reserve, {PileGroup::Reserves, r});
    if (model.pileCount_ > kModelPileSlots)
        return std::nullopt;
    model.passesUnlimited_ = !model.golf_ && !model.rows_ && model.waste_ >= 0 && model.passes_ == -1;
    model.PrepareSequenceRemoval(context);

    // The cards some pile lets onto each card: while one of them is off the foundations, the
    // card may still be wanted where it lies.
    model.feeders_.assign(static_cast<std::size_t>(codes), {});
    for (const Pile& pile : model.piles_) {
        if (pile.role != Role::Tableau)
            continue;
        const auto& table = model.accepts_[static_cast<std::size_t>(pile.rulesClass)];
        for (int top = 1; top < codes; ++top)
            for (int card = 1; card < codes; ++card)
                if (table[static_cast<std::size_t>(top * codes + card)]) {
                    auto& feeders = model.feeders_[static_cast<std::size_t>(top)];
                    if (std::find(feeders.begin(), feeders.end(), card) == feeders.end())
                        feeders.push_back(card);
                }
    }
    // Piles of one role and one set of rules, next to each other, share the salt of their hash:
    // their order does not count.
    for (int pile = 0, group = 0; pile < model.pileCount_; ++group) {
        const Pile& first = model.piles_[static_cast<std::size_t>(pile)];
        // Rows of cells are redealt in their order: they keep their places.
        const bool interchangeable = (first.role == Role::Tableau && !model.rows_) || first.role == Role::Reserve ||
                                     first.role == Role::Foundation;
        int last = pile + 1;
        while (interchangeable && last < model.pileCount_ && model.piles_[static_cast<std::size_t>(last)].role == first.role &&
               model.piles_[static_cast<std::size_t>(last)].rulesClass == first.rulesClass &&
               model.sequenceClassOf_[static_cast<std::size_t>(last)] == model.sequenceClassOf_[static_cast<std::size_t>(pile)])
            ++last;
        for (; pile < last; ++pile)
            model.groupSalt_[static_cast<std::size_t>(pile)] = Mix(static_cast<std::uint64_t>(group) + 0xa4093822299f31d0ull);
    }
    for (std::size_t rulesClass = 0; rulesClass < model.accepts_.size(); ++rulesClass)
        for (int top = 0; top < codes; ++top) {
            CardMask mask{};
            for (int card = 1; card < codes; ++card)
                if (model.AcceptsPair(static_cast<int>(rulesClass), top, card))
                    mask[static_cast<std::size_t>((card - 1) / 64)] |= std::uint64_t{1} << ((card - 1) % 64);
            model.acceptMask_.push_back(mask);
        }
    // Per rules class and top card, the first top card that takes the same cards.
    for (std::size_t rulesClass = 0; rulesClass < model.accepts_.size(); ++rulesClass)
        for (int top = 0; top < codes; ++top) {
            const CardMask* masks = &model.acceptMask_[rulesClass * static_cast<std::size_t>(codes)];
            int alike = top;
            for (int other = 1; other < top && alike == top; ++other)
                alike = masks[other] == masks[top] ? other : top;
            model.foundationTopAlike_.push_back(alike);
        }
    // Whether a foundation's top lets exactly one card on it, so that nothing else can take its place.
    for (const CardMask& mask : model.acceptMask_)
        model.onlyNext_.push_back(std::popcount(mask[0]) + std::popcount(mask[1]) == 1);
    // Whether every card that moves with others on it carries only cards built on it.
    model.movesCarryOnlyBuiltCards_ = model.pickRule_ == 1;
    if (!model.movesCarryOnlyBuiltCards_ && model.runRule_ != run_rule::AnyRun) {
        model.movesCarryOnlyBuiltCards_ = true;
        for (const auto& table : model.sequence_)
            for (int below = 1; below < codes; ++below)
                for (int above = 1; above < codes; ++above) {
                    const auto& feeders = model.feeders_[static_cast<std::size_t>(below)];
                    if (table[static_cast<std::size_t>(below * codes + above)] &&
                        std::find(feeders.begin(), feeders.end(), above) == feeders.end())
                        model.movesCarryOnlyBuiltCards_ = false;
                }
    }
    int foundationClass = -1;
    for (const Pile& pile : model.piles_)
        if (pile.role == Role::Foundation)
            foundationClass = foundationClass == -1 || foundationClass == pile.rulesClass ? pile.rulesClass : -2;
    if (model.maxCode_ <= 52 && !model.sequenceFoundations_ && !model.packsFolded_)
        model.PrepareDeadTest(foundationClass < 0 ? -1 : foundationClass);
    for (int code = 1; code < codes; ++code) {
        model.rank_[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(CardRank(code));
        model.suit_[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(CardSuit(code) & 3);
    }
    // Golf asks nothing of a card but its rank: tables that differ only in suits are one. The
    // two cards of a rank and suit in a double pack are one wherever every rule treats them alike.
    model.twin_ = model.AlikeTwins();
    const std::vector<int>& twin = model.twin_;
    for (std::size_t byte = 0; byte < model.cardHash_.size(); ++byte) {
        const std::size_t code = byte & ~std::size_t{kFaceDownBit};
        const std::size_t identity = model.golf_ && code < model.rank_.size()        ? model.rank_[code] | (byte & kFaceDownBit)
                                     : code < twin.size() && code > 0 ? static_cast<std::size_t>(twin[code]) | (byte & kFaceDownBit)
                                                                       : byte;
        model.cardHash_[byte] = Mix(identity * 0x9e3779b97f4a7c15ull + 12345);
    }
    for (int pile = 0; pile < model.pileCount_; ++pile)
        if (model.piles_[static_cast<std::size_t>(pile)].role == Role::Tableau) {
            model.firstTableau_ = std::min(model.firstTableau_, pile);
            model.endTableau_ = pile + 1;
        }
    if (model.rows_) {
        model.rowStartRank_ = King;
        for (int code = 1; code < codes; ++code)
            if (model.AcceptsPair(model.piles_[static_cast<std::size_t>(model.firstTableau_)].rulesClass, 0, code))
                model.rowStartRank_ = std::min<int>(model.rowStartRank_, model.rank_[static_cast<std::size_t>(code)]);
    }
    model.tableauWaitsForHome_ = model.endTableau_ > 0 && std::none_of(model.piles_.begin(), model.piles_.end(), [](const Pile& pile) {
        return pile.role == Role::Tableau && pile.takesTableauCards;
    });

    const ModelPosition start = model.Read(context);
    model.cardCount_ = model.Begin(start, model.pileCount_ - 1) + model.Size(start, model.pileCount_ - 1);
    if (model.cardCount_ > kModelCardSlots)
        return std::nullopt;
    model.parksJoin_ = model.ParkedCardsWait() && !model.packsFolded_;
    model.clicksAlone_ = model.ClicksAloneWait();
    return model;
}

ModelPosition CardModel::Read(const GameContext& context) const
{
    ModelPosition position;
    int at = 0;
    for (int p = 0; p < pileCount_; ++p) {
        for (const int code : PileCodes(context.piles[piles_[static_cast<std::size_t>(p)].ref])) {
            if (code < 0 || (code == 0 && !rows_) || at >= kModelCardSlots)
                continue;
            const int named = code > 0 && packsFolded_ ? KindOf(code) : code;
            position.cards[static_cast<std::size_t>(at++)] =
                static_cast<std::uint8_t>(named | (code > 0 && context.cards.IsFaceDown(code) ? kFaceDownBit : 0));
        }
        position.end[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(at);
    }
    position.redeals = passes_ == -1 ? 0 : static_cast<std::uint8_t>(context.mainGame.RedealsDone);
    return position;
}

int CardModel::KindOf(int code)
{
    for (int first = 1; first <= 52; ++first)
        if (CardRank(first) == CardRank(code) && CardSuit(first) == CardSuit(code))
            return first;
    return code;
}

int CardModel::Top(const ModelPosition& p, int pile) const
{
    const int end = p.end[static_cast<std::size_t>(pile)];
    return end > Begin(p, pile) ? p.cards[static_cast<std::size_t>(end - 1)] : 0;
}

PickRoom CardModel::RoomIn(const ModelPosition& p) const
{
    PickRoom room;
    for (int pile = 0; pile < pileCount_; ++pile) {
        if (Size(p, pile) > 0)
            continue;
        const Role role = piles_[static_cast<std::size_t>(pile)].role;
        room.emptyTableaus += role == Role::Tableau && piles_[static_cast<std::size_t>(pile)].carriesRuns ? 1 : 0;
        room.emptyReserves += role == Role::Reserve ? 1 : 0;
    }
    return room;
}

// The clicks change only the stock and the waste, whose takers are never asked for a card of
// their own: the takers of the position stand for every position the clicks reach.
CardModel::Takers CardModel::TakersIn(const ModelPosition& p) const
{
    Takers takers; // only the model's piles are ever asked for
    for (int pile = 0; pile < pileCount_; ++pile) {
        const Pile& target = piles_[static_cast<std::size_t>(pile)];
        const std::uint8_t top = static_cast<std::uint8_t>(Top(p, pile));
        CardMask& mask = takers[static_cast<std::size_t>(pile)];
        mask = {};
        switch (target.role) {
        case Role::Foundation:
        case Role::Tableau:
            if (!FaceDown(top) && !(target.twoDeep && Size(p, pile) >= 2))
                mask = acceptMask_[static_cast<std::size_t>(target.rulesClass * (maxCode_ + 1) + CodeOf(top))];
            break;
        case Role::Reserve:
            if (top == 0 && target.rulesClass == 1)
                mask = {~0ull, ~0ull};
            break;
        case Role::Waste: mask = {~0ull, ~0ull}; break;
        case Role::Stock: break;
        }
    }
    return takers;
}

// The pick rule of the tableau for the top count cards of a pile.
bool CardModel::MayPickRun(const ModelPosition& p, int pile, int count, PickRoom room) const
{
    if (pickRule_ == pick::Any)
        return true;
    const int card = CodeOf(p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(pile)] - count)]);
    return PickRuleAllows(pickRule_, {count, rank_[static_cast<std::size_t>(card)] == King, count == Size(p, pile)}, room);
}

bool CardModel::RunInSequence(const ModelPosition& p, int pile, int count, int sequenceClass, int skip) const
{
    if (sequenceClass < 0)
        return true;
    const auto& table = sequence_[static_cast<std::size_t>(sequenceClass)];
    const int codes = maxCode_ + 1;
    const int end = p.end[static_cast<std::size_t>(pile)] - skip;
    bool oneSuit = true, oneRank = true;
    for (int at = end - count; at + 1 < end; ++at) {
        const int below = CodeOf(p.cards[static_cast<std::size_t>(at)]);
        const int above = CodeOf(p.cards[static_cast<std::size_t>(at + 1)]);
        if (!table[static_cast<std::size_t>(below * codes + above)])
            return false;
        oneSuit = oneSuit && suit_[static_cast<std::size_t>(below)] == suit_[static_cast<std::size_t>(above)];
        oneRank = oneRank && rank_[static_cast<std::size_t>(below)] == rank_[static_cast<std::size_t>(above)];
    }
    // Where a run moves in suit or all of one rank, each pair may pass the table one way and
    // the run as a whole still be neither.
    return runRule_ != run_rule::InSuitOrOneRank || oneSuit || oneRank;
}

// Whether the top count cards of pile from may be put on pile to: the run may be picked up
// there (in sequence by the source pile's rule, within the pick rule) and the target takes it.
bool CardModel::CanMove(const ModelPosition& p, int from, int to, int count, const PickRoom& room) const
{
    return CanMoveCard(p, CodeOf(p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(from)] - count)]), from, to, count, room);
}

// Whether another foundation of the target's row of four has begun in the card's suit.
bool CardModel::SuitBegunInRow(const ModelPosition& p, int foundation, int card) const
{
    const int slot = piles_[static_cast<std::size_t>(foundation)].ref.slot;
    for (int other = 0; other < pileCount_; ++other) {
        const Pile& pile = piles_[static_cast<std::size_t>(other)];
        if (other != foundation && pile.role == Role::Foundation && pile.ref.slot / 4 == slot / 4 && Size(p, other) > 0 &&
            suit_[static_cast<std::size_t>(CodeOf(p.cards[static_cast<std::size_t>(Begin(p, other))]))] == suit_[static_cast<std::size_t>(card)])
            return true;
    }
    return false;
}

bool CardModel::CanMoveCard(const ModelPosition& p, int card, int from, int to, int count, const PickRoom& room) const
{
    const Pile& target = piles_[static_cast<std::size_t>(to)];
    const int top = Top(p, to);
    switch (target.role) {
    case Role::Foundation:
        return count == 1 && !sequenceFoundations_ && Size(p, to) < fullCount_ && AcceptsPair(target.rulesClass, top, card) &&
               !(foundationsWaitForStock_ && !StockAndWasteOut(p)) && !(target.startsAfterPrevious && top == 0 && Size(p, to - 1) == 0) &&
               !(target.distinctStart && top == 0 && SuitBegunInRow(p, to, card));
    case Role::Tableau:
        if (FaceDown(static_cast<std::uint8_t>(top)) || !AcceptsPair(target.rulesClass, CodeOf(static_cast<std::uint8_t>(top)), card))
            return false;
        if (target.twoDeep && Size(p, to) + count > 2)
            return false;
        if ((!target.takesTableauCards && piles_[static_cast<std::size_t>(from)].role == Role::Tableau) ||
            (!target.takesReserveCards && piles_[static_cast<std::size_t>(from)].role == Role::Reserve))
            return false;
        if (count == 1)
            return true;
        // The run's order was tested by the rules of its own pile when it was picked; a pile
        // of other rules tests it again.
        if (sequenceClassOf_[static_cast<std::size_t>(to)] != sequenceClassOf_[static_cast<std::size_t>(from)] &&
            !RunInSequence(p, from, count, sequenceClassOf_[static_cast<std::size_t>(to)]))
            return false;
        return !PickRuleCountsTheTarget(pickRule_) || top != 0 || MayPickRun(p, from, count, {room.emptyTableaus, room.emptyReserves, true});
    case Role::Reserve:
        return count == 1 && top == 0 && target.rulesClass == 1 &&
               (target.takesTableauCards || piles_[static_cast<std::size_t>(from)].role != Role::Tableau);
    case Role::Waste: {
        if (!golf_ || count != 1 || top == 0)
            return false;
        const int step = std::abs(rank_[static_cast<std::size_t>(card)] - rank_[static_cast<std::size_t>(top)]);
        return step == 1 || (step == 12 && golfWraps_);
    }
    case Role::Stock: break;
    }
    return false;
}

void CardModel::Moves(const ModelPosition& p, std::vector<ModelMove>& moves) const
{
    moves.clear();
    if (rows_) {
        AddCellMoves(p, moves);
        return;
    }
    const PickRoom room = RoomIn(p);
    const Takers takers = TakersIn(p);
    for (int from = 0; from < pileCount_; ++from)
        AddMovesFrom(p, from, room, takers, moves);
    if (stock_ < 0)
        return;
    if (rowDealMode_ != deal_mode::None) {
        if (MayDealRow(p))
            moves.push_back({ModelMove::Kind::Stock, static_cast<std::uint8_t>(stock_), 0, 1});
        return;
    }
    if (golf_) {
        if (MayClickStock(p))
            moves.push_back({ModelMove::Kind::Stock, static_cast<std::uint8_t>(stock_), static_cast<std::uint8_t>(waste_), 1});
        return;
    }
    if (bottomsToTop_) {
        if (MayShiftBottoms(p))
            moves.push_back({ModelMove::Kind::Stock, static_cast<std::uint8_t>(stock_), static_cast<std::uint8_t>(stock_), 1});
        return;
    }
    if (clicksAlone_) {
        if (Size(p, waste_) > 0)
            AddPlaysOfWasteCard(p, CodeOf(static_cast<std::uint8_t>(Top(p, waste_))), 0, room, takers, moves);
        if (MayClickStock(p))
            moves.push_back({ModelMove::Kind::Stock, static_cast<std::uint8_t>(stock_), static_cast<std::uint8_t>(waste_), 1});
        return;
    }
    AddWastePlays(p, room, takers, moves);
}

// The moves of cards from one pile: its top card or runs from it, or the turn of its face-down top.
void CardModel::AddMovesFrom(const ModelPosition& p, int from, const PickRoom& room, const Takers& takers,
                             std::vector<ModelMove>& moves) const
{
    const int size = Size(p, from);
    if (size == 0)
        return;
    const auto addDrops = [&](int count) {
        const int card = CodeOf(p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(from)] - count)]);
        // Only a tableau pile takes more than one card at a time.
        for (int to = count > 1 ? firstTableau_ : 0; to < (count > 1 ? endTableau_ : pileCount_); ++to)
            if (to != from && MayTake(takers, to, card) && CanMove(p, from, to, count, room))
                moves.push_back({ModelMove::Kind::Cards, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
                                 static_cast<std::uint8_t>(count)});
    };
    const std::uint8_t top = p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(from)] - 1)];
    switch (piles_[static_cast<std::size_t>(from)].role) {
    case Role::Reserve:
        if (!FaceDown(top) && reservePicked_)
            addDrops(1);
        for (int depth = 1; bouquet_ && depth < size; ++depth)
            AddBouquetPlays(p, from, depth, room, takers, moves);
        break;
    case Role::Tableau: {
        if (FaceDown(top)) {
            if (!autoTurnUp_)
                moves.push_back({ModelMove::Kind::TurnUp, static_cast<std::uint8_t>(from), 0, 1});
            break;
        }
        // The run one card shorter was in sequence: only the new bottom pair needs a look, unless
        // the run must be of one kind throughout.
        const bool wholeRun = runRule_ == run_rule::InSuitOrOneRank;
        for (int count = 1; count <= (pickRule_ > 0 ? std::min(size, pickRule_) : size); ++count) {
            const std::uint8_t bottom = p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(from)] - count)];
            if (FaceDown(bottom) ||
                (count > 1 && (golf_ || !RunInSequence(p, from, wholeRun ? count : 2, sequenceClassOf_[static_cast<std::size_t>(from)],
                                                       wholeRun ? 0 : count - 2))))
                break;
            if (golf_ || MayPickRun(p, from, count, room))
                addDrops(count);
        }
        break;
    }
    case Role::Waste:
    case Role::Stock:
    case Role::Foundation: break;
    }
}

// The plays of the card depth cards down in a fanned reserve, which moves alone.
void CardModel::AddBouquetPlays(const ModelPosition& p, int from, int depth, const PickRoom& room, const Takers& takers,
                                std::vector<ModelMove>& moves) const
{
    const std::uint8_t byte = p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(from)] - 1 - depth)];
    if (FaceDown(byte))
        return;
    ModelPosition lifted = p;
    LiftToTop(lifted, from, depth);
    for (int to = 0; to < pileCount_; ++to)
        if (to != from && MayTake(takers, to, CodeOf(byte)) && CanMove(lifted, from, to, 1, room))
            moves.push_back({ModelMove::Kind::Cards, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to), 1, 0,
                             static_cast<std::uint8_t>(depth)});
}

void CardModel::LiftToTop(ModelPosition& p, int pile, int depth)
{
    std::uint8_t* end = p.cards.data() + p.end[static_cast<std::size_t>(pile)];
    std::rotate(end - 1 - depth, end - depth, end);
}

// The plays of every card the stock's clicks can bring to the waste's top, each after the
// fewest clicks that show it, until the stock and waste come round to a split already seen or
// the clicks run out.
void CardModel::AddWastePlays(const ModelPosition& p, const PickRoom& room, const Takers& takers,
                              std::vector<ModelMove>& moves) const
{
    if (drawCount_ == 1 && passesUnlimited_ && !turnsOnEmptyWasteOnly_ && !foundationsWaitForStock_) {
        AddEveryWastePlay(p, room, takers, moves);
        return;
    }
    ModelPosition turned = p;
    std::array<bool, kModelCardSlots + 1> shown{};
    std::vector<std::pair<int, int>> splits; // waste size and redeals after each click
    for (int clicks = 0; clicks < 256; ++clicks) {
        const int top = Top(turned, waste_);
        if (top != 0 && !shown[static_cast<std::size_t>(top)]) {
            shown[static_cast<std::size_t>(top)] = true;
            AddPlaysOfWasteCard(turned, top, clicks, room, takers, moves);
        }
        if (!MayClickStock(turned))
            return;
        const std::pair<int, int> split{Size(turned, waste_), turned.redeals};
        if (std::find(splits.begin(), splits.end(), split) != splits.end())
            return;
        splits.push_back(split);
        ClickStock(turned);
    }
}

// One card a click with passes unlimited: the clicks show the waste's top, then the stock's
// cards from its top down, then, the waste turned over (which turns its first card), the
// waste's cards from its bottom up. Where a card may go does not hang on where the others lie.
void CardModel::AddEveryWastePlay(const ModelPosition& p, const PickRoom& room, const Takers& takers,
                                  std::vector<ModelMove>& moves) const
{
    const int stock = Size(p, stock_);
    const int waste = Size(p, waste_);
    const auto play = [&](int at, int clicks) {
        AddPlaysOfWasteCard(p, CodeOf(p.cards[static_cast<std::size_t>(at)]), clicks, room, takers, moves);
    };
    if (waste > 0)
        play(p.end[static_cast<std::size_t>(waste_)] - 1, 0);
    for (int click = 1; click <= stock; ++click)
        play(p.end[static_cast<std::size_t>(stock_)] - click, click);
    for (int k = 0; k + 1 < waste; ++k)
        play(Begin(p, waste_) + k, stock + 1 + k);
}

// The plays of the card the clicks bring to the waste's top, wherever it lies now.
void CardModel::AddPlaysOfWasteCard(const ModelPosition& p, int card, int clicks, const PickRoom& room, const Takers& takers,
                                    std::vector<ModelMove>& moves) const
{
    for (int to = 0; to < pileCount_; ++to)
        if (to != waste_ && MayTake(takers, to, card) && CanMoveCard(p, card, waste_, to, 1, room))
            moves.push_back({ModelMove::Kind::Cards, static_cast<std::uint8_t>(waste_), static_cast<std::uint8_t>(to), 1,
                             static_cast<std::uint8_t>(clicks)});
}

// With passes unlimited, the clicks come round to the same splits of stock and waste for ever:
// after a waste turned over, one after every click's cards until the stock is spent, and the
// spent stock itself. Positions at two of those splits reach each other by clicks alone, so
// they are one position; so is an untouched stock, one click short of them. Any other split
// is left behind by the first turn of the waste.
bool CardModel::SplitInCycle(const ModelPosition& p) const
{
    const int waste = Size(p, waste_);
    return waste == 0 || waste % drawCount_ == 0 || Size(p, stock_) == 0;
}

// A card leaving a waste turned several cards at a time moves up every card turned after it in
// the passes to come, so that other cards show at the clicks. The waste kept as it was may be
// what brings up a card the game needs: a card played home from there may still be wanted where
// it lies, unless no pass is left or it was the last card of the cycle.
bool CardModel::LeavingShiftsLaterTurns(const ModelPosition& p) const
{
    const bool passLeft = passes_ == -1 || p.redeals < passes_;
    return drawCount_ > 1 && passLeft && Size(p, stock_) > 0;
}

bool CardModel::StockAndWasteOut(const ModelPosition& p) const
{
    return (stock_ < 0 || Size(p, stock_) == 0) && (waste_ < 0 || Size(p, waste_) == 0);
}

bool CardModel::MayClickStock(const ModelPosition& p) const
{
    if (turnsOnEmptyWasteOnly_ && Size(p, waste_) > 0)
        return false;
    return Size(p, stock_) > 0 || (!golf_ && Size(p, waste_) >= 2 && (passes_ == -1 || p.redeals < passes_));
}

// Carries the top count cards of pile from onto pile to, face up.
void CardModel::Shift(ModelPosition& p, int from, int count, int to) const
{
    std::uint8_t* cards = p.cards.data();
    const int runEnd = p.end[static_cast<std::size_t>(from)];
    const int runBegin = runEnd - count;
    if (from < to) {
        std::rotate(cards + runBegin, cards + runEnd, cards + p.end[static_cast<std::size_t>(to)]);
        for (int q = from; q < to; ++q)
            p.end[static_cast<std::size_t>(q)] = static_cast<std::uint8_t>(p.end[static_cast<std::size_t>(q)] - count);
    } else {
        std::rotate(cards + p.end[static_cast<std::size_t>(to)], cards + runBegin, cards + runEnd);
        for (int q = to; q < from; ++q)
            p.end[static_cast<std::size_t>(q)] = static_cast<std::uint8_t>(p.end[static_cast<std::size_t>(q)] + count);
    }
    const int end = p.end[static_cast<std::size_t>(to)];
    for (int at = end - count; at < end; ++at)
        p.cards[static_cast<std::size_t>(at)] &= static_cast<std::uint8_t>(~kFaceDownBit);
}

PileSet CardModel::TurnUpTableauTops(ModelPosition& p) const
{
    PileSet changed = 0;
    for (int pile = firstTableau_; pile < endTableau_; ++pile)
        if (TurnUpTop(p, pile))
            changed |= PileBit(pile);
    return changed;
}

bool CardModel::MayDealRow(const ModelPosition& p) const
{
    if (Size(p, stock_) == 0)
        return false;
    if (rowDealMode_ == deal_mode::RowWithoutGaps)
        for (int pile = firstTableau_; pile < endTableau_; ++pile)
            if (Size(p, pile) == 0)
                return false;
    return true;
}

// A card from the stock onto each tableau pile in turn, face up, while the stock lasts; piles
// dealt onto only while they hold cards are passed over empty, unless every pile is empty,
// when the first takes the card. A sequence a card completes leaves at once.
PileSet CardModel::DealRow(ModelPosition& p) const
{
    PileSet changed = PileBit(stock_);
    bool everyPileEmpty = true;
    for (int pile = firstTableau_; pile < endTableau_; ++pile)
        everyPileEmpty = everyPileEmpty && Size(p, pile) == 0;
    for (int pile = firstTableau_; pile < endTableau_ && Size(p, stock_) > 0; ++pile) {
        if (!rowDealtTo_[static_cast<std::size_t>(pile - firstTableau_)])
            continue;
        if (rowDealMode_ == deal_mode::OntoCardsOnly && Size(p, pile) == 0 && !(pile == firstTableau_ && everyPileEmpty))
            continue;
        Shift(p, stock_, 1, pile);
        changed |= PileBit(pile) | RemoveCompleteSequence(p, pile);
    }
    return changed;
}

bool CardModel::TurnUpTop(ModelPosition& p, int pile) const
{
    if (Size(p, pile) == 0 || !FaceDown(p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(pile)] - 1)]))
        return false;
    p.cards[static_cast<std::size_t>(p.end[static_cast<std::size_t>(pile)] - 1)] &= static_cast<std::uint8_t>(~kFaceDownBit);
    return true;
}

// A click on the stock: the next cards onto the waste, or, on an empty stock, the waste taken
// back (its top card to the stock's bottom) and the first cards of the new pass turned.
void CardModel::ClickStock(ModelPosition& p) const
{
    if (Size(p, stock_) == 0) {
        // The waste, whose cards lie just after the stock's, turned over as the new stock.
        std::reverse(p.cards.begin() + Begin(p, waste_), p.cards.begin() + p.end[static_cast<std::size_t>(waste_)]);
        p.end[static_cast<std::size_t>(stock_)] = p.end[static_cast<std::size_t>(waste_)];
        if (stockFaceDown_)
            for (int at = Begin(p, stock_); at < p.end[static_cast<std::size_t>(stock_)]; ++at)
                p.cards[static_cast<std::size_t>(at)] |= kFaceDownBit;
        if (passes_ != -1)
            ++p.redeals;
    }
    for (int n = 0; n < drawCount_ && Size(p, stock_) > 0; ++n)
        Shift(p, stock_, 1, waste_);
}

// The fill of empty tableau piles from the reserve's top card, pile by pile.
PileSet CardModel::FillFromReserve(ModelPosition& p) const
{
    PileSet filled = 0;
    for (int pile = 0; pile < pileCount_; ++pile) {
        if (piles_[static_cast<std::size_t>(pile)].role != Role::Tableau || Size(p, pile) > 0)
            continue;
        for (int reserve = 0; reserve < pileCount_; ++reserve)
            if (piles_[static_cast<std::size_t>(reserve)].role == Role::Reserve) {
                if (Size(p, reserve) > 0) {
                    Shift(p, reserve, 1, pile);
                    TurnUpTop(p, reserve);
                    filled |= PileBit(reserve) | PileBit(pile);
                }
                break;
            }
    }
    return filled;
}

PileSet CardModel::Apply(ModelPosition& p, const ModelMove& move) const
{
    if (move.thenCount > 0) {
        const PileSet changed = Apply(p, FirstOf(move));
        return changed | Apply(p, FollowUpOf(move));
    }
    PileSet changed = 0;
    switch (move.kind) {
    case ModelMove::Kind::Cards: {
        for (int click = 0; click < move.clicks; ++click)
            ClickStock(p);
        if (move.clicks > 0)
            changed |= PileBit(stock_) | PileBit(waste_);
        LiftToTop(p, move.from, move.depth);
        Shift(p, move.from, move.count, move.to);
        changed |= PileBit(move.from) | PileBit(move.to);
        const bool fromTableau = piles_[move.from].role == Role::Tableau;
        // A reserve's next card turns up by the game's rule (face-down reserve cards are only
        // dealt under a face-up top).
        if (piles_[move.from].role == Role::Reserve)
            TurnUpTop(p, move.from);
        // A move onto the tableau lets a complete sequence leave the pile it came from, then
        // the pile it went to.
        if (piles_[move.to].role == Role::Tableau) {
            if (fromTableau)
                changed |= RemoveCompleteSequence(p, move.from);
            changed |= RemoveCompleteSequence(p, move.to);
        }
        if (autoTurnUp_ && (fromTableau || move.count > 1))
            changed |= TurnUpTableauTops(p);
        break;
    }
    case ModelMove::Kind::Stock:
        if (rows_)
            return RedealRows(p);
        if (rowDealMode_ != deal_mode::None)
            return DealRow(p);
        if (bottomsToTop_)
            return ShiftBottoms(p);
        ClickStock(p);
        changed |= PileBit(stock_) | PileBit(waste_);
        break;
    case ModelMove::Kind::Cell: return ApplyCellMove(p, move);
    case ModelMove::Kind::TurnUp:
        TurnUpTop(p, move.from);
        changed |= PileBit(move.from);
        break;
    }
    if (fillFromReserve_)
        changed |= FillFromReserve(p);
    if (fillFromStock_)
        changed |= FillFromStock(p);
    return changed;
}

int CardModel::SuitRunFromKing(const ModelPosition& p, int pile) const
{
    const int begin = Begin(p, pile);
    const int size = Size(p, pile);
    int length = 0;
    while (length < size) {
        const int card = CodeOf(p.cards[static_cast<std::size_t>(begin + length)]);
        if (rank_[static_cast<std::size_t>(card)] != King - length ||
            suit_[static_cast<std::size_t>(card)] != suit_[static_cast<std::size_t>(CodeOf(p.cards[static_cast<std::size_t>(begin)]))])
            break;
        ++length;
    }
    return length;
}

// Diamond Mine is won with the stock out and every tableau pile empty or holding one suit
// from the King down to the Ace, face up or not.
bool CardModel::SuitRunsWon(const ModelPosition& p) const
{
    for (int pile = 0; pile < pileCount_; ++pile) {
        const int size = Size(p, pile);
        switch (piles_[static_cast<std::size_t>(pile)].role) {
        case Role::Stock:
        case Role::Waste:
        case Role::Reserve:
            if (size > 0)
                return false;
            break;
        case Role::Tableau:
            if (size != 0 && (size != 13 || SuitRunFromKing(p, pile) != 13))
                return false;
            break;
        case Role::Foundation: break;
        }
    }
    return true;
}

bool CardModel::IsWon(const ModelPosition& p) const
{
    if (rows_)
        return RowsWon(p);
    if (suitRunsWin_)
        return SuitRunsWon(p);
    for (int pile = 0; pile < pileCount_; ++pile) {
        const Role role = piles_[static_cast<std::size_t>(pile)].role;
        // Golf is won with the columns cleared and the stock turned to the end.
        const bool mustEmpty = golf_ ? role == Role::Tableau || role == Role::Stock : role != Role::Foundation;
        if (mustEmpty && Size(p, pile) > 0)
            return false;
    }
    return true;
}

namespace {
enum class Band { Home, Uncovers, EmptiesPile, BringsIntoPlay, Shift, ToSideline, Pointless };
constexpr int RankOf(Band band, bool joins) { return 2 * static_cast<int>(band) + (joins ? 0 : 1); }
} // namespace

bool CardModel::IsIdleShift(const ModelPosition& p, const ModelMove& move) const
{
    return move.kind == ModelMove::Kind::Cards && MoveRank(p, move) >= RankOf(Band::Shift, true);
}

int CardModel::MoveRank(const ModelPosition& p, const ModelMove& move) const
{
    using enum Band;
    // A move joined with the move that makes use of it is as promising as that use.
    if (move.thenCount > 0) {
        ModelPosition ready = p;
        Apply(ready, FirstOf(move));
        return MoveRank(ready, FollowUpOf(move));
    }
    if (move.kind == ModelMove::Kind::TurnUp)
        return RankOf(Uncovers, true);
    if (move.kind != ModelMove::Kind::Cards)
        return RankOf(Shift, false) + 1;
    const Role from = piles_[move.from].role;
    const Role to = piles_[move.to].role;
    if (to == Role::Foundation)
        return RankOf(Home, true);
    if (from != Role::Tableau)
        return to == Role::Tableau ? RankOf(BringsIntoPlay, true) : RankOf(from == Role::Reserve && to == Role::Reserve ? Pointless : ToSideline, true);
    const int size = Size(p, move.from);
    const int at = p.end[move.from] - move.count;
    const int card = CodeOf(p.cards[static_cast<std::size_t>(at)]);
    const auto inSequence = [&](int pile, int below) {
        const int sequenceClass = sequenceClassOf_[static_cast<std::size_t>(pile)];
        return AcceptsPair(piles_[static_cast<std::size_t>(pile)].rulesClass, below, card) &&
               (sequenceClass < 0 || sequence_[static_cast<std::size_t>(sequenceClass)][static_cast<std::size_t>(below * (maxCode_ + 1) + card)] != 0);
    };
    const int top = Top(p, move.to);
    const bool joins = to == Role::Tableau && top != 0 && inSequence(move.to, CodeOf(static_cast<std::uint8_t>(top)));
    if (move.count == size)
        return to == Role::Tableau && top == 0 ? RankOf(Pointless, false) : RankOf(EmptiesPile, joins);
    const std::uint8_t below = p.cards[static_cast<std::size_t>(at - 1)];
    bool uncovers = FaceDown(below);
    for (int pile = 0; pile < pileCount_ && !uncovers && !sequenceFoundations_; ++pile)
        uncovers = piles_[static_cast<std::size_t>(pile)].role == Role::Foundation && Size(p, pile) < fullCount_ &&
                   AcceptsPair(piles_[static_cast<std::size_t>(pile)].rulesClass, CodeOf(static_cast<std::uint8_t>(Top(p, pile))), CodeOf(below));
    if (uncovers)
        return RankOf(Uncovers, joins);
    if (to != Role::Tableau)
        return RankOf(ToSideline, joins);
    // Cards built on the card below are left there, unless they go to make a run they could
    // not make where they lie (in Spider, onto their own suit).
    const bool built = AcceptsPair(piles_[move.from].rulesClass, CodeOf(below), card);
    return built && !(joins && !inSequence(move.from, CodeOf(below))) ? RankOf(Pointless, joins) : RankOf(Shift, joins);
}

bool CardModel::IsFoundationMove(const ModelMove& move) const
{
    return move.kind == ModelMove::Kind::Cards && piles_[move.to].role == Role::Foundation;
}

// A card is wanted where it lies only as a place for a card that could be built on it (a
// feeder). A feeder that is home wants no place; nor does one that can go home whenever it is
// free, into a foundation no other card can take, while nothing can be built on it any more:
// a line that would put it on the card may as well put it home. That holds only where a card
// moves with nothing on it but cards built on it, since those alone could ride along.
bool CardModel::IsSafeHomeMove(const ModelPosition& p, const ModelMove& move) const
{
    // The clicks that bring a card up turn the cards before it over the waste's top card, and
    // in a stock turned for the last time nothing brings that card back. Where passes are
    // unlimited and the split lies in the cycle, the clicks lead to a position that leads back
    // by clicks alone: one position, in which the card needs no click.
    // Folded packs leave it unknown which copy of a card is home.
    if (packsFolded_ || !IsFoundationMove(move) || (move.clicks > 0 && !(passesUnlimited_ && SplitInCycle(p))) ||
        FillShiftsTheStock(p, move))
        return false;
    const bool fromWaste = static_cast<int>(move.from) == waste_;
    int card = CodeOf(p.cards[static_cast<std::size_t>(p.end[move.from] - 1 - move.depth)]);
    if (move.clicks > 0) {
        ModelPosition turned = p;
        for (int click = 0; click < move.clicks; ++click)
            ClickStock(turned);
        card = CodeOf(static_cast<std::uint8_t>(Top(turned, move.from)));
        if (fromWaste && LeavingShiftsLaterTurns(turned))
            return false;
    } else if (fromWaste && LeavingShiftsLaterTurns(p)) {
        return false;
    }
    std::array<bool, 256> home{};
    for (int pile = 0; pile < pileCount_; ++pile)
        if (piles_[static_cast<std::size_t>(pile)].role == Role::Foundation)
            for (int at = Begin(p, pile); at < p.end[static_cast<std::size_t>(pile)]; ++at)
                home[CodeOf(p.cards[static_cast<std::size_t>(at)])] = true;
    const auto allHome = [&](int of) {
        const auto& feeders = feeders_[static_cast<std::size_t>(of)];
        return std::all_of(feeders.begin(), feeders.end(), [&](int feeder) { return home[static_cast<std::size_t>(feeder)]; });
    };
    // An empty foundation stays free for the card while there are at least as many of them as
    // cards still out that could start one.
    const auto emptyFoundationKept = [&](int rulesClass) {
        int empty = 0;
        for (int pile = 0; pile < pileCount_; ++pile)
            empty += piles_[static_cast<std::size_t>(pile)].role == Role::Foundation &&
                             piles_[static_cast<std::size_t>(pile)].rulesClass == rulesClass && Size(p, pile) == 0
                         ? 1
                         : 0;
        for (int code = 1; code <= maxCode_ && empty >= 0; ++code)
            empty -= !home[static_cast<std::size_t>(code)] && AcceptsPair(rulesClass, 0, code) ? 1 : 0;
        return empty >= 0;
    };
    const auto goesHomeAlone = [&](int feeder) {
        if (!movesCarryOnlyBuiltCards_ || !allHome(feeder))
            return false;
        for (int pile = 0; pile < pileCount_; ++pile) {
            const Pile& foundation = piles_[static_cast<std::size_t>(pile)];
            const int top = CodeOf(static_cast<std::uint8_t>(Top(p, pile)));
            if (foundation.role != Role::Foundation || Size(p, pile) >= fullCount_ || !AcceptsPair(foundation.rulesClass, top, feeder))
                continue;
            if (top == 0 ? emptyFoundationKept(foundation.rulesClass)
                         : onlyNext_[static_cast<std::size_t>(foundation.rulesClass * (maxCode_ + 1) + top)])
                return true;
        }
        return false;
    };
    // The card must not take a place that another card could want instead.
    const Pile& target = piles_[move.to];
    const int top = CodeOf(static_cast<std::uint8_t>(Top(p, move.to)));
    if (top == 0 ? !emptyFoundationKept(target.rulesClass) : !AloneWanted(target.rulesClass, top, card))
        return false;
    for (const int feeder : feeders_[static_cast<std::size_t>(card)])
        if (!home[static_cast<std::size_t>(feeder)] && !goesHomeAlone(feeder))
            return false;
    return true;
}

bool CardModel::AloneWanted(int rulesClass, int top, int card) const
{
    const CardMask& mask = acceptMask_[static_cast<std::size_t>(rulesClass * (maxCode_ + 1) + top)];
    for (int other = 1; other <= maxCode_; ++other)
        if ((mask[static_cast<std::size_t>((other - 1) / 64)] >> ((other - 1) % 64) & 1) != 0 &&
            twin_[static_cast<std::size_t>(other)] != twin_[static_cast<std::size_t>(card)])
            return false;
    return true;
}

void CardModel::HashPiles(const ModelPosition& p, PileHashes& hashes, PileSet which) const
{
    // The stock and the waste are hashed together or apart by where they are split: both or neither.
    const PileSet stockGroup = waste_ >= 0 ? PileBit(stock_) | PileBit(waste_) : 0;
    if ((which & stockGroup) != 0)
        which |= stockGroup;
    for (int pile = 0; pile < pileCount_; ++pile) {
        if ((which & PileBit(pile)) == 0)
            continue;
        std::uint64_t h = 0x243f6a8885a308d3ull;
        if (piles_[static_cast<std::size_t>(pile)].role == Role::Foundation) {
            // Nothing leaves a foundation, and what it takes hangs on its top card alone: its
            // length and the top card's kind are all that count.
            const int top = CodeOf(static_cast<std::uint8_t>(Top(p, pile)));
            const int alike = foundationTopAlike_[static_cast<std::size_t>(piles_[static_cast<std::size_t>(pile)].rulesClass * (maxCode_ + 1) + top)];
            hashes[static_cast<std::size_t>(pile)] = Mix((h ^ static_cast<std::uint64_t>(Size(p, pile) * 256 + alike)) ^ groupSalt_[static_cast<std::size_t>(pile)]);
            continue;
        }
        // Golf's waste is never played from: only its top card counts.
        const int begin = golf_ && pile == waste_ ? std::max(Begin(p, pile), p.end[static_cast<std::size_t>(pile)] - 1) : Begin(p, pile);
        for (int at = begin; at < p.end[static_cast<std::size_t>(pile)]; ++at)
            h = (h ^ cardHash_[p.cards[static_cast<std::size_t>(at)]]) * 0x100000001b3ull;
        hashes[static_cast<std::size_t>(pile)] = Mix(h ^ groupSalt_[static_cast<std::size_t>(pile)]);
    }
    if (passesUnlimited_ && (which & stockGroup) != 0 && SplitInCycle(p)) {
        // Stock and waste as the one cycle the clicks run through, wherever it is split now.
        std::uint64_t h = 0x452821e638d01377ull;
        for (int at = Begin(p, waste_); at < p.end[static_cast<std::size_t>(waste_)]; ++at)
            h = (h ^ cardHash_[CodeOf(p.cards[static_cast<std::size_t>(at)])]) * 0x100000001b3ull;
        for (int at = p.end[static_cast<std::size_t>(stock_)] - 1; at >= Begin(p, stock_); --at)
            h = (h ^ cardHash_[CodeOf(p.cards[static_cast<std::size_t>(at)])]) * 0x100000001b3ull;
        hashes[static_cast<std::size_t>(stock_)] = Mix(h ^ groupSalt_[static_cast<std::size_t>(stock_)]);
        hashes[static_cast<std::size_t>(waste_)] = 0;
    }
}

std::uint64_t CardModel::KeyOf(const ModelPosition& p, const PileHashes& pileHashes) const
{
    // Each pile's hash is salted by its group of alike piles and the hashes are added, so the
    // order of alike piles does not count while the stock and the waste keep their places.
    std::uint64_t key = Mix(p.redeals + 0x13198a2e03707344ull);
    for (int pile = 0; pile < pileCount_; ++pile)
        key += pileHashes[static_cast<std::size_t>(pile)];
    return key;
}

std::vector<int> CardModel::AlikeTwins() const
{
    const int codes = maxCode_ + 1;
    std::vector<int> twin(static_cast<std::size_t>(codes), 0);
    for (int code = 1; code < codes; ++code) {
        twin[static_cast<std::size_t>(code)] = code;
        for (int first = 1; first < code; ++first)
            if (CardRank(first) == CardRank(code) && CardSuit(first) == CardSuit(code)) {
                twin[static_cast<std::size_t>(code)] = first;
                break;
            }
    }
    const auto alike = [&](const std::vector<std::uint8_t>& table) {
        for (int a = 0; a < codes; ++a)
            for (int b = 1; b < codes; ++b)
                if (table[static_cast<std::size_t>(a * codes + b)] !=
                    table[static_cast<std::size_t>(twin[static_cast<std::size_t>(a)] * codes + twin[static_cast<std::size_t>(b)])])
                    return false;
        return true;
    };
    for (const auto* tables : {&accepts_, &sequence_, &sequenceFollows_})
        for (const auto& table : *tables)
            if (!alike(table)) {
                std::iota(twin.begin(), twin.end(), 0);
                return twin;
            }
    return twin;
}

std::uint64_t CardModel::Key(const ModelPosition& p) const
{
    PileHashes hashes{};
    HashPiles(p, hashes, kAllPiles);
    return KeyOf(p, hashes);
}

void CardModel::Pack(const ModelPosition& p, std::uint8_t* out) const
{
    const int cards = cardCount_;
    std::copy(p.cards.begin(), p.cards.begin() + cards, out);
    std::copy(p.end.begin(), p.end.begin() + pileCount_, out + cards);
    out[cards + pileCount_] = p.redeals;
}

void CardModel::Unpack(const std::uint8_t* in, ModelPosition& p) const
{
    const int cards = cardCount_;
    std::copy(in, in + cards, p.cards.begin());
    std::copy(in + cards, in + cards + pileCount_, p.end.begin());
    p.redeals = in[cards + pileCount_];
}

int CardModel::Distance(const ModelPosition& p, const DistanceWeights& w) const
{
    if (rows_)
        return RowsDistance(p, w);
    int off = 0;
    int faceDown = 0;
    int blocking = 0;
    int cellsUsed = 0;
    int pilesUsed = 0;
    int disorder = 0;
    for (int pile = 0; pile < pileCount_; ++pile) {
        const Role role = piles_[static_cast<std::size_t>(pile)].role;
        const int size = Size(p, pile);
        if (golf_ ? role == Role::Tableau : role != Role::Foundation)
            off += size;
        if (role == Role::Reserve && size > 0 && piles_[static_cast<std::size_t>(pile)].rulesClass == 1)
            ++cellsUsed;
        // A card still in a stock dealt onto the tableau will lie on a card it may not follow:
        // counted out of order now, a deal that builds is no step back.
        if (role == Role::Stock && sequenceFoundations_)
            disorder += size;
        if (role != Role::Tableau)
            continue;
        pilesUsed += size > 0 ? 1 : 0;
        // Where the suits are won in piles of their own, a card is off until it lies in such a
        // pile's run from the King.
        if (suitRunsWin_)
            off += size - SuitRunFromKing(p, pile);
        // A card lying on a lower card of its own suit holds that card back.
        std::array<int, 4> lowest{14, 14, 14, 14};
        const int rulesClass = piles_[static_cast<std::size_t>(pile)].rulesClass;
        // In sequence: as a run that moves together, where runs are judged apart from building.
        const int sequenceClass = sequenceClassOf_[static_cast<std::size_t>(pile)];
        const std::uint8_t* inSequence = sequenceClass >= 0 ? sequence_[static_cast<std::size_t>(sequenceClass)].data() : nullptr;
        // Where complete sequences leave the tableau, in order is as such a sequence lies: a run
        // that may move but could never leave (mixed suits in Black Widow) is out of order.
        const int followsClass = sequenceFoundations_ ? sequenceFollowsOf_[static_cast<std::size_t>(pile)] : -1;
        const std::uint8_t* follows = followsClass >= 0 ? sequenceFollows_[static_cast<std::size_t>(followsClass)].data() : nullptr;
        int below = 0;
        for (int at = Begin(p, pile); at < p.end[static_cast<std::size_t>(pile)]; ++at) {
            const std::uint8_t byte = p.cards[static_cast<std::size_t>(at)];
            const int code = CodeOf(byte);
            const bool inOrder = suitRunsWin_ ? suit_[static_cast<std::size_t>(code)] == suit_[static_cast<std::size_t>(below)] &&
                                                    rank_[static_cast<std::size_t>(code)] + 1 == rank_[static_cast<std::size_t>(below)]
                                 : follows    ? follows[code * (maxCode_ + 1) + below] != 0
                                 : inSequence ? inSequence[below * (maxCode_ + 1) + code] != 0
                                              : AcceptsPair(rulesClass, below, code);
            disorder += below != 0 && !inOrder ? 1 : 0;
            below = code;
            faceDown += FaceDown(byte) ? 1 : 0;
            const int suit = suit_[static_cast<std::size_t>(code)];
            const int rank = rank_[static_cast<std::size_t>(code)];
            blocking += lowest[static_cast<std::size_t>(suit)] < rank ? 1 : 0;
            lowest[static_cast<std::size_t>(suit)] = std::min(lowest[static_cast<std::size_t>(suit)], rank);
        }
    }
    // Where each suit goes home both up and down (Crescent), a card lying on a lower card of
    // its suit may be the one wanted first: cards held back count by when they go home.
    if (bottomsToTop_)
        blocking = HeldBackCards(p);
    return w.off * off + w.faceDown * faceDown + w.blocking * blocking + w.cellsUsed * cellsUsed +
           w.pilesUsed * pilesUsed + w.disorder * disorder;
}

int CardModel::Progress(const ModelPosition& p) const
{
    int score = 0;
    for (int pile = 0; pile < pileCount_; ++pile) {
        const int size = Size(p, pile);
        switch (piles_[static_cast<std::size_t>(pile)].role) {
        case Role::Foundation: score += 20 * size; break;
        case Role::Reserve: score -= 2 * size; break;
        case Role::Tableau: {
            score += size == 0 ? 5 : -2 * size;
            const int begin = Begin(p, pile);
            int at = p.end[static_cast<std::size_t>(pile)] - 1;
            while (at > begin && !FaceDown(p.cards[static_cast<std::size_t>(at - 1)]) &&
                   RunInSequence(p, pile, p.end[static_cast<std::size_t>(pile)] - at + 1, sequenceClassOf_[static_cast<std::size_t>(pile)]))
                --at;
            score += 3 * (p.end[static_cast<std::size_t>(pile)] - 1 - at);
            for (int card = begin; card < p.end[static_cast<std::size_t>(pile)]; ++card)
                score -= FaceDown(p.cards[static_cast<std::size_t>(card)]) ? 10 : 0;
            break;
        }
        case Role::Stock:
        case Role::Waste: break;
        }
    }
    return score;
}

std::vector<PlayAction> CardModel::ActionsOn(const GameContext& table, const ModelPosition& p, const ModelMove& move) const
{
    std::vector<PlayAction> actions = ActionsOf(p, move);
    if (!packsFolded_)
        return actions;
    GameContext turned = table;
    for (PlayAction& action : actions) {
        if (action.kind != ActionKind::Stock) {
            // The card the move takes: the top of its pile, or where the clicks brought it.
            const std::vector<int> codes = PileCodes(turned.piles[piles_[move.from].ref]);
            const int fromTop = move.kind == ModelMove::Kind::Cards ? move.count + move.depth : 1;
            if (static_cast<int>(codes.size()) >= fromTop)
                action.card = codes[codes.size() - static_cast<std::size_t>(fromTop)];
        }
        PerformAction(turned, action);
    }
    return actions;
}

std::vector<PlayAction> CardModel::ActionsOf(const ModelPosition& p, const ModelMove& move) const
{
    if (move.thenCount > 0) {
        std::vector<PlayAction> actions = ActionsOf(p, FirstOf(move));
        ModelPosition parked = p;
        Apply(parked, FirstOf(move));
        for (const PlayAction& action : ActionsOf(parked, FollowUpOf(move)))
            actions.push_back(action);
        return actions;
    }
    std::vector<PlayAction> actions;
    switch (move.kind) {
    case ModelMove::Kind::Stock: return {PlayAction{ActionKind::Stock}};
    case ModelMove::Kind::TurnUp: return {PlayAction{ActionKind::Click, CodeOf(static_cast<std::uint8_t>(Top(p, move.from)))}};
    case ModelMove::Kind::Cell: {
        const int row = PileOfSlot(p, move.to);
        return {PlayAction{ActionKind::Drop, p.cards[move.from], piles_[static_cast<std::size_t>(row)].ref, move.to - Begin(p, row)}};
    }
    case ModelMove::Kind::Cards: break;
    }
    ModelPosition turned = p;
    for (int click = 0; click < move.clicks; ++click) {
        ClickStock(turned);
        actions.push_back(PlayAction{ActionKind::Stock});
    }
    const int card = CodeOf(turned.cards[static_cast<std::size_t>(turned.end[move.from] - move.count - move.depth)]);
    if (golf_ && piles_[move.to].role == Role::Waste)
        actions.push_back(PlayAction{ActionKind::Click, card});
    else
        actions.push_back(PlayAction{ActionKind::Drop, card, piles_[move.to].ref});
    return actions;
}

} // namespace marlowe
