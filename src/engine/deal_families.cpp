// The deal families: games whose deal is more than counted piles. Each family may thin out the
// pack before the deal and reshape the table after it (RuleVector[36]).

#include "engine/deal.h"
#include "catalogue/rule_values.h"
#include "engine/deal_pack.h"
#include "engine/shuffle.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>

namespace marlowe {

namespace {

bool IsCourtCard(int code)
{
    const int rank = CardRank(code);
    return rank >= Jack && rank <= King;
}

// Keeps one card of each rank 1..maxRank: the first of its rank (of suit `suit` when one is
// given), then drops every card of another rank.
void KeepOneCardPerRank(DealPack& pack, int maxRank, std::optional<int> suit)
{
    for (int rank = 1; rank <= maxRank; ++rank) {
        const int kept = pack.FirstWhere([&](int c) { return CardRank(c) == rank && (!suit || CardSuit(c) == *suit); });
        if (kept != kNoCard)
            pack.RemoveWhere([&](int c) { return CardRank(c) == rank && c != kept; });
    }
    pack.RemoveWhere([&](int c) { return CardRank(c) > maxRank || CardRank(c) < 1; });
}

// Family 12: the A, 5, 2 and 6, 3, 4 of two decks, then by the number of piles the 9, 10, 7,
// J, 8, Q and the 2, 10, 3, J, 4, Q, 5, K.
bool InFamily12Pack(int code, int tableaus)
{
    static constexpr std::array<int, 12> first{1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
    static constexpr std::array<int, 12> second{9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
    static constexpr std::array<int, 16> third{2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104};
    auto in = [code](const auto& set) { return std::find(set.begin(), set.end(), code) != set.end(); };
    if (in(first))
        return true;
    if (tableaus == 3)
        return false;
    return tableaus == 4 ? in(second) : in(third);
}

// Family 1: a King at the bottom of a pile goes under the stock and the first other card of
// the stock, counted from the bottom, takes its place face up.
void SendKingsToStock(GameContext& context, PileGroup group)
{
    std::string& stock = context.piles.Stock();
    for (int k = 0; k < GamePileCount(context, group); ++k) {
        std::string& pile = context.piles.Slot(group, k);
        const int king = ElementAt(pile, 0);
        if (CardRank(king) != King)
            continue;
        pile.erase(0, 3);
        stock.insert(0, CodeText(king));
        context.cards.SetCardFaceMark(TopElement(stock), '0');
        for (int i = 0; i < ElementCount(stock); ++i) {
            const int card = ElementAt(stock, i);
            if (CardRank(card) == King)
                continue;
            stock.erase(static_cast<std::size_t>(i) * 3, 3);
            PlaceFaceUp(context, PileRef{group, k}, card);
            break;
        }
    }
}

// Families 2 and 4: every King (or Queen) starts a new tableau pile and the cards after it in
// the pack follow on that pile; the first leader of the pack heads the first pile. Family 24
// deals the pack as it lies: the cards before the first King make the first pile.
void DealRowsFromLeaders(GameContext& context, DealPack& pack, int leader, bool leaderHeadsFirstPile = true)
{
    if (leaderHeadsFirstPile)
        ReplacePileWith(context, TableauPile(0), pack.TakeFirstWhere([leader](int c) { return CardRank(c) == leader; }));
    else if (!pack.empty())
        ReplacePileWith(context, TableauPile(0), pack.TakeFirst());
    const int lastPile = std::max(GamePileCount(context, PileGroup::Tableaus) - 1, 0);
    int pile = 0;
    while (!pack.empty()) {
        const int card = pack.TakeFirst();
        if (CardRank(card) == leader && pile < lastPile)
            ++pile;
        PlaceFaceUp(context, TableauPile(pile), card);
    }
    AutoFoundationAfterDeal(context);
}

// Family 38: the pack is dealt as it lies; every 9 goes to the next foundation and the cards
// after it make the next tableau pile, the cards before the first 9 joining the first (Xerxes).
void DealPilesUnderFoundationLeaders(GameContext& context, DealPack& pack, int leader)
{
    const int foundations = GamePileCount(context, PileGroup::Foundations);
    const int lastPile = std::max(GamePileCount(context, PileGroup::Tableaus) - 1, 0);
    int foundation = 0;
    int pile = 0;
    while (!pack.empty()) {
        const int card = pack.TakeFirst();
        if (CardRank(card) == leader && foundation < foundations) {
            pile = std::min(foundation, lastPile);
            PlaceFaceUp(context, FoundationPile(foundation++), card);
            continue;
        }
        PlaceFaceUp(context, TableauPile(pile), card);
    }
}

// Family 3: every tableau pile keeps its length, but no pile holds two cards of one rank.
void SpreadRanksOverTableaus(GameContext& context)
{
    const int piles = GamePileCount(context, PileGroup::Tableaus);
    std::vector<int> pool;
    std::vector<std::vector<int>> slots(static_cast<std::size_t>(piles));
    for (int m = 0; m < piles; ++m) {
        const std::vector<int> codes = PileCodes(context.piles.tableaus[static_cast<std::size_t>(m)]);
        std::copy_if(codes.begin(), codes.end(), std::back_inserter(pool), [](int c) { return c != kNoCard; });
        slots[static_cast<std::size_t>(m)].assign(codes.size(), kNoCard);
    }
    for (auto& pile : slots) {
        for (auto& slot : pile) {
            const auto fits = std::find_if(pool.begin(), pool.end(), [&](int c) {
                return std::none_of(pile.begin(), pile.end(), [c](int held) { return CardRank(held) == CardRank(c); });
            });
            if (fits == pool.end())
                break;
            slot = *fits;
            pool.erase(fits);
        }
    }
    // Cards that no pile could take without repeating a rank fill the places left, in order,
    // so that no card leaves the table.
    for (auto& pile : slots)
        for (auto& slot : pile)
            if (slot == kNoCard && !pool.empty()) {
                slot = pool.front();
                pool.erase(pool.begin());
            }
    for (int m = 0; m < piles; ++m)
        context.piles.tableaus[static_cast<std::size_t>(m)] = PileTextOf(slots[static_cast<std::size_t>(m)]);
}

// Families 5 and 6: each remaining card goes face up to the tableau pile of its rank, less
// `offset`. A card of a rank without a pile stays in the pack.
void DealByRank(GameContext& context, DealPack& pack, int offset)
{
    const int piles = GamePileCount(context, PileGroup::Tableaus);
    std::vector<int> unplaced;
    for (int card : pack.codes()) {
        const int pile = CardRank(card) - offset;
        if (pile >= 0 && pile < piles)
            PlaceFaceUp(context, TableauPile(pile), card);
        else
            unplaced.push_back(card);
    }
    pack.codes() = std::move(unplaced);
}

// Replaces every tableau card of the rank by a gap.
void GapsForRank(GameContext& context, int rank)
{
    for (int m = 0; m < GamePileCount(context, PileGroup::Tableaus); ++m) {
        std::string& pile = context.piles.tableaus[static_cast<std::size_t>(m)];
        for (int i = 0; i < ElementCount(pile); ++i)
            if (CardRank(ElementAt(pile, i)) == rank)
                pile.replace(static_cast<std::size_t>(i) * 3, 3, "000");
    }
}

// Family 21: the foundations hold the Aces, Jacks, Queens and Kings of all suits, hearts on top.
void SetCourtFoundations(GameContext& context)
{
    static constexpr std::array<const char*, 4> foundations{"014027040001", "024037050011", "025038051012", "026039052013"};
    for (std::size_t k = 0; k < foundations.size(); ++k)
        context.piles.foundations[k] = foundations[k];
    for (int card : {1, 11, 12, 13})
        context.cards.SetCardFaceMark(card, '1');
}

// Family 15: Kings become gaps and every pile is padded with gaps to nine places.
void KingsToGapsInRowsOfNine(GameContext& context)
{
    GapsForRank(context, King);
    for (int m = 0; m < GamePileCount(context, PileGroup::Tableaus); ++m) {
        std::string& pile = context.piles.tableaus[static_cast<std::size_t>(m)];
        while (ElementCount(pile) < 9)
            pile += "000";
    }
}

// Family 22: in every tableau pile the Kings move to the bottom, keeping their order and the
// order of the other cards, so that no King buries a card (Baker's Dozen).
void KingsToTheBottom(GameContext& context)
{
    for (int m = 0; m < GamePileCount(context, PileGroup::Tableaus); ++m) {
        std::string& pile = context.piles.tableaus[static_cast<std::size_t>(m)];
        std::string kings;
        std::string others;
        for (int i = 0; i < ElementCount(pile); ++i)
            (CardRank(ElementAt(pile, i)) == King ? kings : others) += pile.substr(static_cast<std::size_t>(i) * 3, 3);
        pile = kings + others;
    }
}

// Family 23: the Aces and Twos lie at the bottoms of the piles, one to a pile, in the order the
// deal met them; the card each one displaces takes its place, so the piles keep their lengths
// (Challenge FreeCell).
void AcesAndTwosToTheBottoms(GameContext& context)
{
    auto& tableaus = context.piles.tableaus;
    const int piles = GamePileCount(context, PileGroup::Tableaus);
    std::vector<int> lows;
    for (int m = 0; m < piles; ++m)
        for (int code : PileCodes(tableaus[static_cast<std::size_t>(m)]))
            if (CardRank(code) <= 2)
                lows.push_back(code);
    for (int m = 0; m < piles && m < static_cast<int>(lows.size()); ++m) {
        std::string& bottomPile = tableaus[static_cast<std::size_t>(m)];
        if (bottomPile.empty())
            continue;
        // The bottoms of the piles before m hold the low cards before this one: it lies elsewhere.
        for (int pile = 0; pile < piles; ++pile) {
            std::string& lowPile = tableaus[static_cast<std::size_t>(pile)];
            for (int i = pile < m ? 1 : 0; i < ElementCount(lowPile); ++i)
                if (ElementAt(lowPile, i) == lows[static_cast<std::size_t>(m)]) {
                    std::swap_ranges(bottomPile.begin(), bottomPile.begin() + 3, lowPile.begin() + i * 3);
                    pile = piles;
                    break;
                }
        }
    }
}

// Families 25 and 27: the tableau cards are dealt again in the order the piles were dealt, and a
// card that goes home goes to its foundation instead, its pile going without it. Family 25 deals
// in rounds, one card to each pile in turn, and sends home every card a foundation takes
// (Citadel, Exiled Kings); family 27 deals each pile its count in turn and sends home the Aces
// only (Troika).
void DealAgainSendingHome(GameContext& context, bool inRounds, bool acesOnly)
{
    const int piles = GamePileCount(context, PileGroup::Tableaus);
    std::vector<int> dealing;
    std::vector<int> places; // the pile of each place of the deal, in order
    for (int m = 0; m < piles; ++m) {
        std::string& pile = context.piles.tableaus[static_cast<std::size_t>(m)];
        for (int code : PileCodes(pile))
            if (code != kNoCard) {
                dealing.push_back(code);
                places.push_back(m);
            }
        pile.clear();
    }
    for (std::size_t i = 0; i < dealing.size(); ++i) {
        const int card = dealing[i];
        const int pile = inRounds ? static_cast<int>(i % static_cast<std::size_t>(piles)) : places[i];
        PlaceFaceUp(context, TableauPile(pile), card);
        if (!acesOnly || CardRank(card) == Ace)
            TryCardToFoundation(context, card, -1);
    }
}

// Family 26: the cards of every tableau pile lie alternately face down and face up, from a
// face-down bottom card (Stonewall).
void AlternateFaces(GameContext& context)
{
    for (int m = 0; m < GamePileCount(context, PileGroup::Tableaus); ++m) {
        const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(m)];
        for (int i = 0; i < ElementCount(pile); i += 2)
            if (const int code = ElementAt(pile, i); IsCardCode(code))
                context.cards.SetCardFaceMark(code, '0');
    }
}

// Family 92: the cards of every tableau pile lie alternately face up and face down from a face-up
// bottom card; an Ace dealt face up goes to a foundation instead, its pile going without it, and
// a pile whose top Ace went turns its new top card up (Bad Seven).
void AlternateFromFaceUpSendingAcesHome(GameContext& context)
{
    for (int m = 0; m < GamePileCount(context, PileGroup::Tableaus); ++m) {
        const std::vector<int> cards = PileCodes(context.piles.tableaus[static_cast<std::size_t>(m)]);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            if (!IsCardCode(cards[i]))
                continue;
            const bool faceUp = i % 2 == 0;
            context.cards.SetCardFaceMark(cards[i], faceUp ? '1' : '0');
            if (faceUp && CardRank(cards[i]) == Ace)
                TryCardToFoundation(context, cards[i], -1);
        }
        if (const int top = TopElement(context.piles.tableaus[static_cast<std::size_t>(m)]); IsCardCode(top))
            context.cards.SetCardFaceMark(top, '1');
    }
}

// Family 28: the tableau is dealt again row by row so that no pile holds two cards of one rank:
// a card whose rank its pile already holds goes to the bottom of the pack and the next card is
// dealt instead; the reserves take the cards left, in order (Nestor). Where no card left fits a
// pile, the first one changes places with a card of another pile that each pile can take.
void NoRankTwiceInAPile(GameContext& context)
{
    std::vector<int> queue;
    // Takes the group's cards up into the queue, pile by pile; the count each pile had.
    auto gather = [&](PileGroup group) {
        std::vector<int> counts;
        for (int k = 0; k < GamePileCount(context, group); ++k) {
            std::string& pile = context.piles.Slot(group, k);
            counts.push_back(ElementCount(pile));
            for (const int code : PileCodes(pile))
                queue.push_back(code);
            pile.clear();
        }
        return counts;
    };
    const std::vector<int> counts = gather(PileGroup::Tableaus);
    const std::vector<int> reserveCounts = gather(PileGroup::Reserves);
    const int piles = static_cast<int>(counts.size());
    std::vector<std::vector<int>> columns(static_cast<std::size_t>(piles));
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    // Whether the column holds a card of the rank, the card at `except` left out.
    auto holdsRank = [](const std::vector<int>& column, int rank, std::size_t except) {
        for (std::size_t i = 0; i < column.size(); ++i)
            if (i != except && CardRank(column[i]) == rank)
                return true;
        return false;
    };
    auto swapIntoOtherPile = [&](std::vector<int>& column, int card) {
        for (auto& other : columns) {
            if (&other == &column)
                continue;
            for (std::size_t i = 0; i < other.size(); ++i)
                if (!holdsRank(column, CardRank(other[i]), kNone) && !holdsRank(other, CardRank(card), i))
                    return std::exchange(other[i], card);
        }
        return card;
    };
    const int rows = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    for (int row = 0; row < rows; ++row)
        for (int m = 0; m < piles && !queue.empty(); ++m) {
            std::vector<int>& column = columns[static_cast<std::size_t>(m)];
            if (counts[static_cast<std::size_t>(m)] <= row)
                continue;
            for (std::size_t tries = 0; tries < queue.size() && holdsRank(column, CardRank(queue.front()), kNone); ++tries)
                std::rotate(queue.begin(), queue.begin() + 1, queue.end());
            const int card = queue.front();
            queue.erase(queue.begin());
            column.push_back(holdsRank(column, CardRank(card), kNone) ? swapIntoOtherPile(column, card) : card);
        }
    for (int m = 0; m < piles; ++m)
        for (const int card : columns[static_cast<std::size_t>(m)])
            PlaceFaceUp(context, TableauPile(m), card);
    std::size_t next = 0;
    for (std::size_t r = 0; r < reserveCounts.size(); ++r)
        for (int i = 0; i < reserveCounts[r] && next < queue.size(); ++i)
            PlaceFaceUp(context, ReservePile(static_cast<int>(r)), queue[next++]);
}

// Family 17: a counter runs 1..13 over the pack; a card of the counter's rank goes to the
// stock face down, any other card face up to the pile of the counter (reserve 0 for 13) and
// the counter moves on.
void CountingDeal(GameContext& context, DealPack& pack)
{
    int counter = 1;
    while (!pack.empty()) {
        const int card = pack.TakeFirst();
        if (CardRank(card) == counter) {
            AddCardToPile(context, StockPile(), card, '0');
            continue;
        }
        PlaceFaceUp(context, counter == 13 ? ReservePile(0) : TableauPile(counter - 1), card);
        counter = counter % 13 + 1;
    }
}

// Family 18: sixteen cards without court cards, one per tableau pile; the rank sums of each
// four of them are kept in the game counters.
void DealSixteenSquare(GameContext& context, DealPack& pack)
{
    TMainGame& game = context.mainGame;
    std::vector<int>& cards = pack.codes();
    for (std::size_t i = 0; i <= 20 && i < cards.size();) {
        if (IsCourtCard(cards[i]))
            cards.erase(cards.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    std::array<int, 4> sums{};
    for (std::size_t i = 0; i < 16 && i < cards.size(); ++i)
        sums[i / 4] += CardRank(cards[i]);
    game.GameCounter1 = static_cast<std::int16_t>(sums[0]);
    game.GameCounter2 = static_cast<std::int16_t>(sums[1]);
    game.GameCounter3 = static_cast<std::int16_t>(sums[2]);
    game.GameCounter4 = static_cast<std::int16_t>(sums[3]);
    cards.resize(std::min<std::size_t>(cards.size(), 16));
    cards = InterleaveSixteen(cards);
    for (int i = 0; i < pack.size(); ++i)
        ReplacePileWith(context, TableauPile(i), pack[i]);
}

// Families 58-60: every row of cells gets a gap at its start (58); the Aces then move into those
// gaps, the k-th Ace the deal meets to row k, each leaving a gap where it lay (59); or each row
// is laid again as its Ace, a gap, and the other cards in the order dealt (60).
void RowsOpenedAtTheLeft(GameContext& context, int family)
{
    const int rows = GamePileCount(context, PileGroup::Tableaus);
    std::vector<int> aces;
    std::vector<int> others;
    for (int m = 0; m < rows; ++m) {
        std::string& row = context.piles.tableaus[static_cast<std::size_t>(m)];
        for (int i = 0; i < ElementCount(row); ++i) {
            const int card = ElementAt(row, i);
            const bool ace = CardRank(card) == Ace && family != deal_family::GapOpensEachRow;
            (ace ? aces : others).push_back(card);
            if (ace)
                row.replace(static_cast<std::size_t>(i) * 3, 3, "000");
        }
        row.insert(0, "000");
    }
    for (int m = 0; m < rows && m < static_cast<int>(aces.size()); ++m)
        context.piles.tableaus[static_cast<std::size_t>(m)].replace(0, 3, CodeText(aces[static_cast<std::size_t>(m)]));
    if (family != deal_family::AcesThenGapOpenEachRow)
        return;
    std::size_t next = 0;
    for (int m = 0; m < rows; ++m) {
        std::string& row = context.piles.tableaus[static_cast<std::size_t>(m)];
        const int cells = ElementCount(row);
        row = row.substr(0, 3) + "000";
        while (ElementCount(row) < cells && next < others.size())
            row += CodeText(others[next++]);
    }
}

// Family 71: every card of the foundations' base rank leaves its row for the next empty
// foundation, in the order the rows are read, leaving a gap where it lay (Sieben bis As).
void BaseRankHomeLeavingGaps(GameContext& context)
{
    const int base = context.rules.Of(rule::FoundationBaseRank, 0);
    int foundation = 0;
    for (int m = 0; m < GamePileCount(context, PileGroup::Tableaus); ++m) {
        std::string& row = context.piles.tableaus[static_cast<std::size_t>(m)];
        for (int i = 0; i < ElementCount(row); ++i) {
            const int card = ElementAt(row, i);
            if (card <= 0 || CardRank(card) != base || foundation >= GamePileCount(context, PileGroup::Foundations))
                continue;
            context.piles.foundations[static_cast<std::size_t>(foundation++)] = CodeText(card);
            row.replace(static_cast<std::size_t>(i) * 3, 3, "000");
        }
    }
}

} // namespace

void FilterPackForDealFamily(const GameContext& context, DealPack& pack)
{
    const int tableaus = context.TableauCount();
    switch (context.rules[rule::DealFamily]) {
    case 9:
        pack.RemoveWhere([tableaus](int c) {
            return tableaus <= 13 ? !(c >= 1 && c <= tableaus) : !((c >= 1 && c <= 13) || (c >= 27 && c <= tableaus + 13));
        });
        break;
    case 11: KeepOneCardPerRank(pack, tableaus, std::nullopt); break;
    case 14: KeepOneCardPerRank(pack, 9, CardSuit(pack.First())); break;
    case deal_family::OneSuit: KeepOneCardPerRank(pack, King, CardSuit(pack.First())); break;
    case 12: pack.RemoveWhere([tableaus](int c) { return !InFamily12Pack(c, tableaus); }); break;
    case 16: pack.RemoveWhere([](int c) { return CardRank(c) == Queen || CardRank(c) == King; }); break;
    case 21: pack.RemoveWhere(IsCourtCard); break;
    case deal_family::PacksApart: // the stock takes the pack's first cards: the second pack's
        std::stable_partition(pack.codes().begin(), pack.codes().end(), [](int c) { return c > King * 4; });
        break;
    default: break;
    }
}

// Family 69: the reserves are dealt again until one of them holds an Ace or a King: their cards
// go under the stock, face down, and the stock's next cards take their places (Tournament).
void ReservesDealtAgainForAceOrKing(GameContext& context)
{
    const int reserves = GamePileCount(context, PileGroup::Reserves);
    auto holdsAceOrKing = [&] {
        for (int r = 0; r < reserves; ++r)
            for (const int code : PileCodes(context.piles.Slot(PileGroup::Reserves, r)))
                if (CardRank(code) == Ace || CardRank(code) == King)
                    return true;
        return false;
    };
    std::string& stock = context.piles.Stock();
    // Every card of the stock has been offered once the reserves have been dealt this often.
    const int rounds = reserves > 0 ? ElementCount(stock) / reserves + 1 : 0;
    for (int round = 0; round < rounds && !holdsAceOrKing(); ++round)
        for (int r = 0; r < reserves && !stock.empty(); ++r) {
            std::string& reserve = context.piles.Slot(PileGroup::Reserves, r);
            const std::vector<int> cards = PileCodes(reserve);
            reserve.clear();
            for (const int code : cards) {
                stock.insert(0, CodeText(code));
                context.cards.SetCardFaceMark(code, '0');
            }
            for (std::size_t n = 0; n < cards.size() && !stock.empty(); ++n) {
                const int code = TopElement(stock);
                stock.resize(stock.size() - 3);
                PlaceFaceUp(context, {PileGroup::Reserves, r}, code);
            }
        }
}

void FinishDealFamily(GameContext& context, DealPack& pack, RandomSource& random)
{
    const int tableaus = GamePileCount(context, PileGroup::Tableaus);
    switch (context.rules[rule::DealFamily]) {
    case 1:
        SendKingsToStock(context, PileGroup::Tableaus);
        SendKingsToStock(context, PileGroup::Foundations);
        break;
    case 2: DealRowsFromLeaders(context, pack, King); break;
    case 4: DealRowsFromLeaders(context, pack, Queen); break;
    case 38: DealPilesUnderFoundationLeaders(context, pack, 9); break;
    case 3: SpreadRanksOverTableaus(context); break;
    case 5: DealByRank(context, pack, 2); break;
    case 6: DealByRank(context, pack, 1); break;
    case 7:
        for (int l = 0; l < tableaus; ++l)
            if (const int bottom = ElementAt(context.piles.tableaus[static_cast<std::size_t>(l)], 0); bottom != kNoCard)
                TryCardToFoundation(context, bottom, l);
        break;
    case 8: GapsForRank(context, Ace); break;
    case 21:
        GapsForRank(context, Ace);
        SetCourtFoundations(context);
        break;
    case 9: {
        // The pile under the highest card of the thinned pack is emptied.
        const int highest = context.TableauCount() > 13 ? context.TableauCount() + 13 : context.TableauCount();
        for (int l = 0; l < tableaus; ++l)
            if (ElementAt(context.piles.tableaus[static_cast<std::size_t>(l)], 0) == highest) {
                context.piles.tableaus[static_cast<std::size_t>(l)].clear();
                break;
            }
        break;
    }
    case 10:
        if (tableaus >= 2)
            context.piles.tableaus[static_cast<std::size_t>(random.Below(tableaus - 1))].clear();
        break;
    case 13:
        for (int l = 0; l < GamePileCount(context, PileGroup::Foundations) && l < pack.size(); ++l)
            ReplacePileWith(context, FoundationPile(l), pack[l]);
        break;
    case 15: KingsToGapsInRowsOfNine(context); break;
    case deal_family::BaseRankHomeLeavingGaps: BaseRankHomeLeavingGaps(context); break;
    case deal_family::GapOpensEachRow:
    case deal_family::AcesOpenEachRow:
    case deal_family::AcesThenGapOpenEachRow: RowsOpenedAtTheLeft(context, context.rules[rule::DealFamily]); break;
    case 17: CountingDeal(context, pack); break;
    case 18: DealSixteenSquare(context, pack); break;
    case 22: KingsToTheBottom(context); break;
    case 23: AcesAndTwosToTheBottoms(context); break;
    case 24: DealRowsFromLeaders(context, pack, King, false); break;
    case 25: DealAgainSendingHome(context, true, false); break;
    case 27: DealAgainSendingHome(context, false, true); break;
    case 26: AlternateFaces(context); break;
    case deal_family::AlternateFromUpAcesHome: AlternateFromFaceUpSendingAcesHome(context); break;
    case 28: NoRankTwiceInAPile(context); break;
    case 69: ReservesDealtAgainForAceOrKing(context); break;
    default: break;
    }
}

std::vector<int> InterleaveSixteen(std::vector<int> pack)
{
    std::vector<int> reordered;
    reordered.reserve(pack.size());
    if (pack.empty())
        return reordered;
    int i = CardRank(pack[pack.size() / 2]);
    while (!pack.empty()) {
        if (i < 0 || i > static_cast<int>(pack.size()) - 1)
            i = 0;
        reordered.push_back(pack[static_cast<std::size_t>(i)]);
        pack.erase(pack.begin() + i);
        if (!pack.empty())
            i = CardRank(pack.front()) + (pack.size() % 2 == 0 ? 3 : 2);
    }
    return reordered;
}

} // namespace marlowe
