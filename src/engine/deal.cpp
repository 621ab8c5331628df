#include "engine/deal.h"

#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/deal_pack.h"
#include "engine/shuffle.h"

namespace marlowe {

namespace {

using std::int16_t;

int16_t Word(int value)
{
    return static_cast<int16_t>(value);
}

// The rank a start card gives the foundation bases: a joker counts as -2.
int StartRank(int code)
{
    return IsJoker(code) ? -2 : CardRank(code);
}

int BottomCard(const GameContext& context, PileRef pile)
{
    return ElementAt(context.piles[pile], 0);
}

// The card foundation k starts with, by its starter code; kNoCard for none.
int FoundationStarterCard(const GameContext& context, const DealPack& pack, int k)
{
    const RuleVector& rules = context.rules;
    const int starter = rules.Of(rule::FoundationStarter, k);
    const int packSize = rules[rule::PackSize];
    // Whether a card's suit or rank differs from those of the bottom cards of foundations 0..k-1.
    auto differsFromEarlier = [&](int code, auto property) {
        for (int f = 0; f < k; ++f) {
            const int bottom = BottomCard(context, FoundationPile(f));
            if (bottom != kNoCard && property(bottom) == property(code))
                return false;
        }
        return true;
    };
    auto orLast = [&](int code) { return code != kNoCard ? code : pack.Last(); };

    switch (starter) {
    case 0:
    case 92:
    case 96:
    case 97:
    case 98: return kNoCard;
    case 91: {
        // The card 13 (k + 1) codes on from the first card: the same rank in a later suit.
        int code = pack.First() + 13 * (k + 1);
        if (code > packSize && packSize > 0) {
            code %= packSize;
            if (code == 0)
                code = packSize;
        }
        return code;
    }
    case 93:
    case 94: return k * 13 + 1;
    case 95: return k <= 3 ? (k + 1) * 13 : (k - 4) * 13 + 1;
    case 20: return pack.First();
    case 21: return orLast(pack.FirstWhere([&](int c) { return differsFromEarlier(c, CardSuit); }));
    case 22:
        return orLast(pack.FirstWhere(
            [&](int c) { return CardRank(c) != King && differsFromEarlier(c, CardRank); }));
    default: break;
    }
    if (starter >= 51 && starter <= 63) {
        const int code = pack.FirstWhere([&](int c) { return CardRank(c) == starter - 50; });
        return code != kNoCard ? code : starter;
    }
    if (starter >= 100)
        return starter - 100;
    return k * 13 + starter;
}

void StartFoundations(GameContext& context, DealPack& pack)
{
    RuleVector& rules = context.rules;
    for (int k = 0; k < GamePileCount(context, PileGroup::Foundations); ++k) {
        if (rules.Of(rule::FoundationStarter, k) == 92)
            rules.Of(rule::FoundationBaseRank, k) = rules[rule::FoundationBaseRank];
        const int card = FoundationStarterCard(context, pack, k);
        if (!IsCardCode(card))
            continue;
        PlaceFaceUp(context, FoundationPile(k), card);
        rules.Of(rule::FoundationBaseRank, k) = Word(CardRank(BottomCard(context, FoundationPile(k))));
        pack.Remove(card);
    }
}

// Starter 97: a 2 to 9 on foundations 0..7, each the first of its rank in the pack.
void StartFoundationsTwoToNine(GameContext& context, DealPack& pack)
{
    for (int k = 0; k < 8; ++k) {
        const int card = pack.TakeFirstWhere([k](int c) { return CardRank(c) == k + 2; });
        if (card == kNoCard)
            continue;
        PlaceFaceUp(context, FoundationPile(k), card);
        context.rules.Of(rule::FoundationBaseRank, k) = Word(CardRank(card));
    }
}

// Special game 50: the second half of the foundations counts in twos from the first half.
void DoubleSecondHalfBases(RuleVector& rules)
{
    const int count = std::clamp<int>(rules[rule::FoundationCount], 0, kMaxFoundations);
    const int half = count / 2;
    for (int i = half; i < count; ++i) {
        int base = 2 * rules.Of(rule::FoundationBaseRank, i - half);
        if (base > 13)
            base -= 13;
        rules.Of(rule::FoundationBaseRank, i) = Word(base == 0 ? 13 : base);
    }
}

void SetAllFoundationBases(RuleVector& rules, int rank)
{
    for (int k = 0; k < kMaxFoundations; ++k)
        rules.Of(rule::FoundationBaseRank, k) = Word(rank);
}

// Start mode 5: the first card and every later card of its rank start the foundations.
void StartFoundationsWithOneRank(GameContext& context, DealPack& pack)
{
    const int first = pack.TakeFirst();
    if (first == kNoCard)
        return;
    PlaceFaceUp(context, FoundationPile(0), first);
    const int rank = StartRank(first);
    for (int k = 1; k < GamePileCount(context, PileGroup::Foundations); ++k)
        ReplacePileWith(context, FoundationPile(k), pack.TakeFirstWhere([rank](int c) { return StartRank(c) == rank; }));
    SetAllFoundationBases(context.rules, rank);
}

// Deals n cards to a pile: 1..1000 (and any value not named below) the next n cards face
// down; 1001..1499 the first card of rank n - 1000, face down; 1501..1504 that joker, face up.
void TakeCardsToPile(GameContext& context, DealPack& pack, int n, PileRef pile)
{
    if (n >= 1001 && n <= 1499) {
        const int card = pack.TakeFirstWhere([n](int c) { return CardRank(c) == n - 1000; });
        if (card != kNoCard)
            AddCardToPile(context, pile, card, '0');
    } else if (n >= 1501 && n <= 1504) {
        const int joker = kLastPackCard + (n - 1500);
        if (pack.Remove(joker))
            AddCardToPile(context, pile, joker, '1');
    } else {
        for (int i = 0; i < n && !pack.empty(); ++i)
            AddCardToPile(context, pile, pack.TakeFirst(), '0');
    }
}

// Deals a counted pile and turns its cards as its face code says.
void DealCountedPile(GameContext& context, DealPack& pack, int count, int faceCode, PileRef pile)
{
    TakeCardsToPile(context, pack, count, pile);
    context.cards.SetFaceMarks(context.piles[pile], faceCode, '1');
}

void DealTableaus(GameContext& context, DealPack& pack, bool rankedCounts)
{
    const RuleVector& rules = context.rules;
    for (int k = 0; k < kMaxTableaus; ++k) {
        const int count = rules.Of(rule::TableauCardCount, k);
        if (rankedCounts ? count > 1000 : (count >= 1 && count <= 1000))
            DealCountedPile(context, pack, count, rules.Of(rule::TableauFaceUp, k), TableauPile(k));
    }
}

void DealStockGroupAndReserves(GameContext& context, DealPack& pack)
{
    const RuleVector& rules = context.rules;
    const int stockCount = rules[rule::StockCardCount];
    TakeCardsToPile(context, pack, stockCount, StockPile());
    if (rules[rule::StockFaceDown] == 0)
        context.cards.SetFaceMarks(context.piles.Stock(), stockCount, '1');

    if (const int wasteCount = rules[rule::WasteCardCount]; wasteCount > 0)
        DealCountedPile(context, pack, wasteCount, wasteCount, WastePile());

    DealTableaus(context, pack, false);

    const int secondWasteCount = rules[rule::SecondWasteCardCount];
    DealCountedPile(context, pack, secondWasteCount, secondWasteCount, SecondWastePile());

    for (int k = 0; k < kMaxReserves; ++k)
        if (const int count = rules.Of(rule::ReserveCardCount, k); count > 0)
            DealCountedPile(context, pack, count, rules.Of(rule::ReserveFaceUp, k), ReservePile(k));
}

// The foundation start modes of RuleVector[1], after the counted piles are dealt.
void ApplyFoundationStartMode(GameContext& context, DealPack& pack)
{
    RuleVector& rules = context.rules;
    const int mode = rules[rule::FoundationStartMode];
    const int foundations = GamePileCount(context, PileGroup::Foundations);
    auto startFoundation = [&](int k) {
        const int card = pack.TakeFirst();
        PlaceFaceUp(context, FoundationPile(k), card);
        return card;
    };
    switch (mode) {
    case 1: {
        const int card = startFoundation(0);
        if (card != kNoCard)
            SetAllFoundationBases(rules, StartRank(card));
        break;
    }
    case 2: {
        const int first = startFoundation(0);
        for (int k = 1; k < foundations; ++k)
            startFoundation(k);
        for (int k = 0; k < foundations && first != kNoCard; ++k)
            rules.Of(rule::FoundationBaseRank, k) = Word(CardRank(first));
        break;
    }
    case 3:
        for (int k = 0; k < foundations; ++k)
            rules.Of(rule::FoundationBaseRank, k) =
                Word(NextRank(CardRank(BottomCard(context, ReservePile(k)))));
        break;
    case 4: {
        const int card = startFoundation(0);
        if (card == kNoCard)
            break;
        for (int k = 1; k <= 3; ++k)
            rules.Of(rule::FoundationBaseRank, k) = Word(CardRank(card));
        for (int k = 4; k <= 7; ++k)
            rules.Of(rule::FoundationBaseRank, k) = Word(NextRank(CardRank(card)));
        break;
    }
    case 6: {
        const int card = startFoundation(0);
        if (card == kNoCard)
            break;
        rules[rule::FoundationBaseRank] = Word(CardRank(card));
        for (int k = 1; k < foundations; ++k) {
            const int base = rules.Of(rule::FoundationBaseRank, k - 1) - 1;
            rules.Of(rule::FoundationBaseRank, k) = Word(base == 0 ? 13 : base);
        }
        break;
    }
    case 7: {
        // The first card goes to the foundation of its rank (a Jack to tableau pile 0); its
        // suit is kept for the game's own rules.
        const int card = pack.First();
        const int rank = CardRank(card);
        if (card == kNoCard || rank < Ace || rank > King)
            break;
        context.mainGame.GameCounter1 = Word(CardSuit(card));
        pack.TakeFirst();
        PlaceFaceUp(context, rank == Jack ? TableauPile(0) : FoundationPile(rank - 1), card);
        break;
    }
    case 8: {
        const int card = startFoundation(4);
        if (card == kNoCard)
            break;
        const int rank = CardRank(card);
        rules.Of(rule::FoundationBaseRank, 4) = Word(rank);
        for (int k = 0; k <= 3; ++k)
            rules.Of(rule::FoundationBaseRank, k) = Word(NextRank(rank));
        for (int k = 5; k <= 8; ++k)
            rules.Of(rule::FoundationBaseRank, k) = Word(PrevRank(rank));
        break;
    }
    default: break;
    }
}

// Special game 11: the Aces of reserve 0 start foundations 1, 2, ...; the first Ace of the
// waste goes to foundation 0, and as many waste cards as Aces left refill reserve 0.
void MoveAcesFromReserveAndWaste(GameContext& context)
{
    std::string& reserve = context.piles.reserves[0];
    int acesMoved = 0;
    for (int i = 0; i < ElementCount(reserve);) {
        const int card = ElementAt(reserve, i);
        if (CardRank(card) != Ace || acesMoved + 1 >= kMaxFoundations) {
            ++i;
            continue;
        }
        reserve.erase(static_cast<std::size_t>(i) * 3, 3);
        ReplacePileWith(context, FoundationPile(++acesMoved), card);
        i = 0;
    }

    std::string& waste = context.piles.Waste();
    bool aceFound = false;
    int refills = acesMoved;
    for (int i = 0; i < ElementCount(waste); ++i) {
        const int card = ElementAt(waste, i);
        if (CardRank(card) == Ace) {
            waste.erase(static_cast<std::size_t>(i) * 3, 3);
            PlaceFaceUp(context, FoundationPile(0), card);
            aceFound = true;
        } else if (refills > 0) {
            waste.erase(static_cast<std::size_t>(i) * 3, 3);
            AddCardToPile(context, ReservePile(0), card);
            context.cards.SetFaceMarks(reserve, ElementCount(reserve), '1');
            --refills;
        }
        // The scan moves on one place also after a cut: the card that slides into the cut
        // card's place is passed over.
        if (refills == 0 && aceFound)
            break;
    }
}

// Starters 96 and 98: each Ace of the tableau (or of the reserves) that may go home goes, and
// the top card of the stock (of the waste when the stock is empty) takes its place on top.
void AcesHomeWithRefill(GameContext& context, PileGroup group)
{
    const int piles = GamePileCount(context, group);
    auto maxLength = [&] { return group == PileGroup::Tableaus ? MaxTableauLength(context) : MaxReserveLength(context); };
    for (int l = 0; l <= maxLength(); ++l) {
        for (int m = 0; m < piles; ++m) {
            const PileRef pile{group, m};
            for (;;) {
                const int card = ElementAt(context.piles[pile], l);
                if (CardRank(card) != Ace || !TryCardToFoundation(context, card, -1))
                    break;
                std::string& source = context.piles.Stock().empty() ? context.piles.Waste() : context.piles.Stock();
                if (source.empty())
                    continue;
                const int refill = TopElement(source);
                source.resize(source.size() - 3);
                PlaceFaceUp(context, pile, refill);
            }
        }
    }
}

// Starter 98 moves Aces home from the reserves with every foundation building in suit for
// the time it takes; the foundations' own codes come back afterwards.
void AcesHomeFromReserves(GameContext& context)
{
    RuleVector& rules = context.rules;
    const int foundations = GamePileCount(context, PileGroup::Foundations);
    std::array<int16_t, kMaxFoundations> codes{};
    for (int k = 0; k < foundations; ++k) {
        codes[static_cast<std::size_t>(k)] = rules.Of(rule::FoundationBuildCode, k);
        rules.Of(rule::FoundationBuildCode, k) = 0;
    }
    AcesHomeWithRefill(context, PileGroup::Reserves);
    for (int k = 0; k < foundations; ++k)
        rules.Of(rule::FoundationBuildCode, k) = codes[static_cast<std::size_t>(k)];
}

// Special game 22: the King of hearts lies under the stock, the Queen of hearts starts
// tableau pile 0.
void PlaceKingAndQueenOfHearts(GameContext& context, DealPack& pack)
{
    constexpr int queen = CardCode(Hearts, Queen);
    constexpr int king = CardCode(Hearts, King);
    for (int card : {queen, king}) {
        RemoveCardFromTable(context, card, RemoveMode::Delete);
        pack.Remove(card);
    }
    context.piles.Stock().insert(0, CodeText(king));
    PlaceFaceUp(context, TableauPile(0), queen);
}

// Tableau style 8: a gap between every two neighbouring cards of tableau pile 0.
void SpreadFirstTableau(GameContext& context)
{
    std::string& pile = context.piles.tableaus[0];
    if (ElementCount(pile) <= 1)
        return;
    std::string spread = pile.substr(0, 3);
    for (std::size_t at = 3; at + 3 <= pile.size(); at += 3)
        spread += "000" + pile.substr(at, 3);
    pile = spread;
}

} // namespace

void PrepareTableForDeal(GameContext& context)
{
    TMainGame& game = context.mainGame;
    game.GameCounter1 = game.GameCounter2 = game.GameCounter3 = game.GameCounter4 = 0;
    game.DealCounter = 0;
    game.RedealsDone = 1;
    game.BlockedCard = 0;
    ClearTable(context, true);
    for (int code = 1; code <= kCardTableRows; ++code)
        context.cards.SetCardFaceMark(code, '1');
}

void DealGame(GameContext& context, RandomSource& random)
{
    RuleVector& rules = context.rules;
    DealPack pack(ShuffledPack(context));

    FilterPackForDealFamily(context, pack);
    StartFoundations(context, pack);
    if (rules[rule::FoundationStarter] == 97)
        StartFoundationsTwoToNine(context, pack);
    const DealStep ownStep = SpecialTraitsOf(rules).dealStep;
    if (ownStep == DealStep::DoubledBases)
        DoubleSecondHalfBases(rules);
    if (rules[rule::FoundationStartMode] == 5)
        StartFoundationsWithOneRank(context, pack);

    if (int code = rules[rule::SecondWasteCard]; code != 0) {
        if (code > 100)
            code -= 100;
        if (IsCardCode(code)) {
            PlaceFaceUp(context, SecondWastePile(), code);
            pack.Remove(code);
        }
    }

    DealTableaus(context, pack, true);
    DealStockGroupAndReserves(context, pack);
    ApplyFoundationStartMode(context, pack);

    for (int k = 0; k < kMaxTableaus; ++k)
        if (rules.Of(rule::TableauBaseRank, k) == base_rank::BelowFoundationBase)
            rules.Of(rule::TableauBaseRank, k) = Word(PrevRank(rules[rule::FoundationBaseRank]));

    if (rules[rule::ExtraFoundationCard] == 1)
        PlaceFaceUp(context, FoundationPile(0), pack.TakeFirst());
    if (ownStep == DealStep::AcesFromReserve)
        MoveAcesFromReserveAndWaste(context);

    const int firstStarter = rules[rule::FoundationStarter];
    if (firstStarter == 93 || firstStarter == 94 || firstStarter == 95)
        AutoFoundationAfterDeal(context);
    if (firstStarter == 96)
        AcesHomeWithRefill(context, PileGroup::Tableaus);
    if (firstStarter == 98)
        AcesHomeFromReserves(context);

    if (ownStep == DealStep::HeartCourtsPlaced)
        PlaceKingAndQueenOfHearts(context, pack);

    FinishDealFamily(context, pack, random);

    if (rules[rule::TableauStyle] == pile_style::Serpentine)
        SpreadFirstTableau(context);
}

int PrevRank(int rank)
{
    return rank == Ace ? King : rank - 1;
}

int NextRank(int rank)
{
    return rank == King ? Ace : rank + 1;
}

} // namespace marlowe
