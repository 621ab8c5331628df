// The rules of a game put into sentences, section by section, from its rule parameters.

#include "catalogue/rules_wording.h"

#include "catalogue/rule_values.h"
#include "catalogue/rules_page.h"
#include "catalogue/game_traits.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace marlowe::wording {

namespace {

std::string Count(int n, const std::string& singular, const std::string& plural)
{
    return Number(n) + " " + (n == 1 ? singular : plural);
}

std::string RankPlural(int rank)
{
    return RankName(rank) + "s";
}

// "a, b and c".
std::string JoinedList(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

bool HasWaste(const RuleVector& rules)
{
    return Rule(rules, rule::WasteShown) == 1;
}

bool UsesFreeCells(const RuleVector& rules)
{
    return Rule(rules, rule::ReserveCount) > 0 && Of(rules, rule::ReserveRule, 0) == building::AnythingOnEmptyReserve;
}

int CardsInPack(const RuleVector& rules)
{
    const int decks = Rule(rules, rule::PackSize) / 52;
    const int perDeck = stripped_pack::CardsPerDeck(Rule(rules, rule::StrippedPack));
    const int jokers = Rule(rules, rule::JokersInPack) == 1 ? Rule(rules, rule::JokerCount) : 0;
    return decks * perDeck + jokers;
}

// How the face-up cards of dealt piles lie, or empty when the piles hold no cards.
std::string FacePhrase(const std::vector<int>& counts, const std::vector<int>& faceUp, const char* each)
{
    bool anyCards = false;
    bool allUp = true;
    bool allDown = true;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] <= 0)
            continue;
        anyCards = true;
        allUp = allUp && faceUp[k] >= counts[k];
        allDown = allDown && faceUp[k] == 0;
    }
    if (!anyCards)
        return {};
    const bool singleCards = *std::max_element(counts.begin(), counts.end()) == 1;
    if (allUp)
        return singleCards ? "face up" : "all face up";
    if (allDown)
        return singleCards ? "face down" : "all face down";
    if (AllEqual(faceUp) && faceUp.front() < 0) {
        switch (faceUp.front()) {
        case -1: return std::string("alternately face up and face down, the bottom card of ") + each + " face up";
        case -2: return std::string("alternately face up and face down, the bottom card of ") + each + " face down";
        case -3: return std::string_view(each) == "it" ? "only its bottom card face up" : std::string("only the bottom card of ") + each + " face up";
        default: break;
        }
    }
    // One number n of top cards face up, or the whole pile where it is shorter.
    int n = 0;
    bool shorter = false;
    for (std::size_t k = 0; k < counts.size(); ++k)
        if (counts[k] > 0 && faceUp[k] < counts[k])
            n = faceUp[k];
    for (std::size_t k = 0; k < counts.size() && n > 0; ++k) {
        if (counts[k] <= 0)
            continue;
        if (std::min(faceUp[k], counts[k]) != std::min(n, counts[k]))
            return "some of the cards face down";
        shorter = shorter || counts[k] < n;
    }
    const bool single = std::string_view(each) == "it";
    if (n == 1)
        return single ? "only its top card face up" : std::string("only the top card of ") + each + " face up";
    if (n > 1)
        return (single ? "its top " + Number(n) + " cards" : "the top " + Number(n) + " cards of " + each) + " face up" +
               (shorter ? " (all of a shorter pile)" : "");
    return "some of the cards face down";
}

// How many cards the piles of a kind receive: "Each of the eight tableau piles receives six cards",
// two runs of equal piles as such, and any other counts as a list.
std::string DealtCounts(const std::vector<int>& counts, const std::string& pileName, const std::string& pilesName)
{
    if (counts.size() == 1)
        return "The " + pileName + " receives " + Count(counts.front(), "card", "cards");
    if (AllEqual(counts))
        return "Each of the " + Number(static_cast<int>(counts.size())) + " " + pilesName + " receives " +
               Count(counts.front(), "card", "cards");
    // The first piles alike and the rest empty, as cells that only some cards reach.
    const auto firstEmpty = std::find(counts.begin(), counts.end(), 0);
    if (firstEmpty != counts.begin() && std::all_of(firstEmpty, counts.end(), [](int c) { return c == 0; }) &&
        AllEqual(std::vector<int>(counts.begin(), firstEmpty))) {
        const int filled = static_cast<int>(firstEmpty - counts.begin());
        if (filled == 1)
            return "Only the first " + pileName + " receives cards: " + Count(counts.front(), "card", "cards");
        return "The first " + Number(filled) + " " + pilesName + " receive " + Count(counts.front(), "card", "cards") +
               " each";
    }
    const auto split = std::adjacent_find(counts.begin(), counts.end(), std::not_equal_to<>()) + 1;
    const std::vector<int> head(counts.begin(), split);
    const std::vector<int> tail(split, counts.end());
    if (AllEqual(tail) && head.size() + tail.size() > 2) {
        const int rest = static_cast<int>(tail.size());
        const std::string first =
            head.size() == 1 ? "The first " + pileName + " receives " + Count(head.front(), "card", "cards") + ", "
                             : "The first " + Number(static_cast<int>(head.size())) + " " + pilesName + " receive " +
                                   Count(head.front(), "card", "cards") + " each, ";
        return first +
               (rest == 1 ? "the last " + Count(tail.front(), "card", "cards")
                          : "the other " + Number(rest) + " " + Count(tail.front(), "card", "cards") + " each");
    }
    std::vector<std::string> items;
    for (const int c : counts)
        items.push_back(std::to_string(c));
    return "The " + pilesName + " receive " + JoinedList(items) + " cards";
}

std::string FoundationStartSentence(const RuleVector& rules)
{
    const int count = Rule(rules, rule::FoundationCount);
    const auto starters = Values(rules, rule::FoundationStarter, count);
    if (count == 0 || starters.front() == 0)
        return {};
    const auto isRank = [](int s) { return s >= 1 && s <= 13; };
    if (AllEqual(starters) && isRank(starters.front()))
        return "Before the deal, the " + Number(count) + " " + RankPlural(starters.front()) +
               " are taken out of the pack and start the foundations.";
    if (std::all_of(starters.begin(), starters.end(), isRank)) {
        std::vector<std::string> groups;
        for (std::size_t i = 0; i < starters.size();) {
            std::size_t j = i;
            while (j < starters.size() && starters[j] == starters[i])
                ++j;
            groups.push_back(Number(static_cast<int>(j - i)) + " " + RankPlural(starters[i]));
            i = j;
        }
        return "Before the deal, " + JoinedList(groups) + " are taken out of the pack and start the foundations.";
    }
    if (AllEqual(starters) && starters.front() == 21)
        return "Before the deal, each foundation is dealt the next card of the pack whose suit no foundation holds yet, "
               "whatever its rank.";
    if (starters.front() == 96)
        return "Any Ace dealt to a tableau pile goes to a foundation at once, and the next card of the stock takes its place.";
    if (starters.front() == 98)
        return "Any Ace dealt to a reserve goes to a foundation at once, and the next card of the stock takes its place.";
    if (std::all_of(starters.begin(), starters.end(), [](int s) { return s >= 51 && s <= 63; })) {
        std::vector<std::string> ranks;
        for (const int s : starters)
            ranks.push_back(RankName(s - 50));
        return "The first " + JoinedList(ranks) + " found in the pack start the foundations, any suit, one on each.";
    }
    if (starters.size() == 1 && starters.front() == 20)
        return "The first card of the pack starts the foundation.";
    return "Some foundations start with cards dealt to them.";
}

std::string DealFamilySentence(int family)
{
    switch (family) {
    case 0: return {};
    case 8: return "The Aces are then taken out, each leaving a gap in its place.";
    case deal_family::PacksApart:
        return "The two packs are kept apart: the tableau comes from the first, the stock and the waste from the second.";
    case deal_family::KingsToGapsInRowsOfNine:
        return "The Kings are then taken out, each leaving a gap in its place, and the last row ends in gaps: every "
               "row has nine cells.";
    case deal_family::BaseRankHomeLeavingGaps:
        return "Every card of the rank the foundations start from then goes from the rows to a foundation, each "
               "leaving a gap in its place.";
    case deal_family::GapOpensEachRow: return "Every row has one cell more than its cards: the first cell is left empty.";
    case deal_family::AcesOpenEachRow:
        return "Every row has one cell more than its cards; the Aces are then moved to the first cells, one to each "
               "row, each leaving a gap where it lay.";
    case deal_family::AcesThenGapOpenEachRow:
        return "The Aces are laid at the left ends of the rows, one to each row; the second cell of every row is "
               "left empty, and the other cards follow.";
    case 17:
        return "The cards are counted out from 1 to 13, over and over: a card whose rank matches the count goes face "
               "down to the stock, any other card face up to the tableau pile of the count (at 13, to the reserve).";
    case 22: return "After the deal, every King is moved to the bottom of its pile.";
    case 2:
        return "The pack is dealt face up in order, a King first: the cards follow onto one tableau pile until the "
               "next King starts the next pile.";
    case 24:
        return "The pack is dealt face up in order onto one tableau pile after another: every King starts the next "
               "pile.";
    case 38:
        return "The pack is dealt face up in order: every 9 goes to the next foundation, and the cards after it follow "
               "onto the tableau pile below that foundation until the next 9 (the cards before the first 9 go to the "
               "first pile).";
    case 25:
        return "The tableau is dealt in rounds, one card to each pile in turn; a card that fits a foundation goes "
               "there as it is dealt instead of to its pile, so the piles end up of different lengths.";
    case 27:
        return "The Aces go to the foundations as the deal meets them, each instead of to its pile, so some piles "
               "end up short.";
    case 28:
        return "The tableau is dealt row by row so that no pile holds two cards of one rank: a card whose rank its "
               "pile already holds goes to the bottom of the pack, and the next card is dealt instead.";
    case 69:
        return "Until the reserves hold an Ace or a King, their cards go under the stock and the stock's next cards "
               "are dealt to them instead.";
    case 26: return "In every tableau pile the cards lie alternately face down and face up, the bottom card face down.";
    case deal_family::OneSuit: return "Only the thirteen cards of one suit are dealt.";
    case deal_family::AlternateFromUpAcesHome:
        return "In every tableau pile the cards lie alternately face up and face down, the bottom and top cards face "
               "up; an Ace that would lie face up goes to a foundation instead, its pile going without it.";
    case 23:
        return "The Aces and Twos are dealt first, one to each tableau pile, so that each lies at the bottom of a "
               "pile.";
    default: return "The cards are dealt in a pattern of their own.";
    }
}

// Whether some foundation holds one card only (a row of Queens beside the foundations).
bool FoundationRowOfOne(const RuleVector& rules)
{
    for (int f = 0; f < Rule(rules, rule::FoundationCount); ++f)
        if (Of(rules, rule::FoundationFullCountOf, f) == 1)
            return true;
    return false;
}

// What a click does on a stock that deals rows onto the tableau piles.
std::string RowDealSentence(const RuleVector& rules)
{
    const int mode = Of(rules, rule::TableauDealMode, 0);
    int dealt = 0;
    for (int k = 0; k < Rule(rules, rule::TableauCount); ++k)
        dealt += deal_mode::ReceivesRows(Of(rules, rule::TableauDealMode, k)) ? 1 : 0;
    if (mode == click_style::ThreeHands)
        return "Click the stock to deal a hand of two cards onto the first two tableau piles; with a hand on the "
               "table, a click deals it a third card onto the third pile. A click on the waste pile scores the hand "
               "and puts it away.";
    if (mode == click_style::OntoNewestPile)
        return "Click the stock to deal one card face up onto the newest tableau pile; a " +
               RankName(Of(rules, rule::TableauBaseRank, 0)) + " starts the next pile instead" +
               (FoundationRowOfOne(rules) ? ", and a card that a foundation of one card takes goes there at once" : "") +
               ". Top cards may go to the foundations while the deal goes on.";
    if (mode == click_style::GapsThenRowBelow)
        return "Click the stock to fill the gaps in the rows dealt so far, in reading order, or, when there are none, "
               "to deal a new row of " + Number(Rule(rules, rule::GridColumns)) + " cards face up beneath the last, " +
               Number(Rule(rules, rule::TableauCount)) + " rows at most.";
    std::string text = mode == click_style::FourPerPile ? "Click the stock to deal four cards face up onto "
                                                         : "Click the stock to deal one card face up onto ";
    if (dealt < Rule(rules, rule::TableauCount))
        text += "each of the first " + Number(dealt) + " tableau piles";
    else if (mode == deal_mode::OntoCardsOnly)
        text += "every tableau pile that holds cards (onto the first pile when all are empty)";
    else if (mode == deal_mode::RowWhileHomeOpen)
        text += "every tableau pile whose foundation above it is not yet complete";
    else
        text += Rule(rules, rule::TableauCount) != 1                          ? "every tableau pile"
                : Rule(rules, rule::TableauStyle) == pile_style::FannedRight ? "the right end of the row"
                                                                             : "the tableau pile";
    if (mode == deal_mode::RowWithoutGaps)
        return text + "; it cannot deal while a tableau pile is empty.";
    return text + ", as long as the stock lasts.";
}

std::string TimesWord(int n)
{
    switch (n) {
    case 1: return "once";
    case 2: return "twice";
    default: return Number(n) + " times";
    }
}

std::string RedealWhat(int style)
{
    switch (style) {
    case redeal::GatherOntoStock:
    case redeal::GatherOntoStockToo: return "gathers the tableau back onto the stock";
    case redeal::RowsKeepRunFromTwo:
        return "leaves each row its run from a 2 at its left end, and gathers, mixes and deals back the other cards "
               "after one gap per row";
    case redeal::RowsKeepRunGapsLast:
        return "leaves each row its run from a 2 at its left end, and gathers, mixes and deals back the other cards, "
               "each row's one gap at its right end";
    case redeal::RowsKeepRunGapsMixed:
        return "leaves each row its run from a 2 at its left end, and gathers, mixes and deals back the other cards "
               "together with the four gaps, which fall wherever the mixing puts them";
    case redeal::TopsInTurn:
    case redeal::PositionsInTurn: return "gathers the tableau piles back into the stock, top cards first, to be dealt again";
    case redeal::CountingDeal: return "counts the cards out again";
    case redeal::InOrderUnmixed:
        return "gathers the piles in order, without mixing them, and deals them out again, each pile filled to its "
               "dealt count in turn";
    case redeal::InOrderDealtInRows:
        return "gathers the piles in order, without mixing them, and deals them out again one card to each pile in "
               "turn, row by row";
    case redeal::DealtPatternAgain:
        return "gathers the tableau cards, mixes them and deals them again as at the start, the piles in turn";
    case redeal::GatherWithReserves: return "gathers the cards left on the piles, mixes them and makes them a new stock";
    case redeal::GatherWithReservesInOrder:
        return "gathers the cards left on the piles, the first pile first, and then those on the reserves into a "
               "new stock face down, without mixing them";
    case redeal::WithStockAcesHome:
        return "gathers the tableau and the stock, mixes them and deals the piles again as at the start, each Ace met "
               "going to a foundation";
    case redeal::RoundsLastFaceUp:
        return "gathers the tableau cards, mixes them and deals them again in rounds, one card to each pile, each "
               "pile's cards alternately face down and face up so that its top card lies face up";
    case redeal::BottomToTop: return "moves the bottom card of every pile to its top";
    case redeal::PileSpread:
    case redeal::ReserveDealing:
    case redeal::Shift:
    case redeal::WasteToReserves: return "moves the cards by a pattern of its own";
    default: return "gathers the tableau cards, mixes them and deals them again";
    }
}

// The rounds of placing (special code 112): a round wants one card for every tableau pile.
std::string PlacingRoundSentence(const RuleVector& rules)
{
    return "Putting a card from the waste onto a tableau pile starts a round of placing: " +
           Number(Rule(rules, rule::TableauCount)) +
           " cards must go from the waste onto the piles, any pile each time, before a pile's card may go to a "
           "foundation again; cards played from the waste to a foundation do not count. After a round the piles "
           "play until you place the next card, and once the stock and the waste are out nothing holds them back.";
}

} // namespace

bool HasStock(const RuleVector& rules)
{
    return Rule(rules, rule::StockShown) == 1 || Rule(rules, rule::StockCardCount) > 0;
}

int Rule(const RuleVector& rules, int index)
{
    return rules[index];
}

int Of(const RuleVector& rules, int family, int pile)
{
    return rules.Of(family, pile);
}

std::string Number(int n)
{
    static constexpr std::array<const char*, 13> kWords = {"no",    "one",   "two",  "three", "four",
                                                           "five",  "six",   "seven", "eight", "nine",
                                                           "ten",   "eleven", "twelve"};
    return n >= 0 && n < static_cast<int>(kWords.size()) ? kWords[static_cast<std::size_t>(n)] : std::to_string(n);
}

std::string Capitalised(std::string text)
{
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return text;
}

std::string RankName(int rank)
{
    switch (rank) {
    case 1: return "Ace";
    case 11: return "Jack";
    case 12: return "Queen";
    case 13: return "King";
    default: return std::to_string(rank);
    }
}

// The family values of the first count piles.
std::vector<int> Values(const RuleVector& rules, int family, int count)
{
    std::vector<int> values;
    for (int pile = 0; pile < count; ++pile)
        values.push_back(Of(rules, family, pile));
    return values;
}

bool AllEqual(const std::vector<int>& values)
{
    return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
}

std::string ReservesName(const RuleVector& rules, int count)
{
    return UsesFreeCells(rules) ? (count == 1 ? "free cell" : "free cells") : (count == 1 ? "reserve" : "reserves");
}

bool RemovesByClicks(const RuleVector& rules)
{
    return IsSelectionGame(rules) || IsMemoryGame(rules);
}

// The rows with gaps: the Aces leave gaps, and the rows are set in order in place.
bool IsRowsWithGaps(const RuleVector& rules)
{
    return deal_family::SetsRowsInPlace(Rule(rules, rule::DealFamily)) && SpecialGameOf(rules) == Special::None;
}

bool IsRingOfRows(const RuleVector& rules)
{
    return Rule(rules, rule::TableauStyle) == pile_style::RowOfCells &&
           Of(rules, rule::TableauBuildCode, 0) == building::InSuitAroundTheRing;
}

bool IsRowsOfNeighbours(const RuleVector& rules)
{
    const int code = Of(rules, rule::TableauBuildCode, 0);
    return Rule(rules, rule::TableauStyle) == pile_style::RowOfCells &&
           (code == building::InSuitBesideEitherNeighbour || code == building::InSuitAroundTheRing);
}

const char* SuitPhrase(int code)
{
    switch (code) {
    case building::InSuit: return " in suit";
    case building::SameColour: return " in the same colour";
    case building::AnySuit: return " regardless of suit";
    case building::AlternateColours: return " in alternating colours";
    default: return "";
    }
}

const char* DirectionWord(int direction)
{
    switch (direction) {
    case direction::Down: return "down";
    case direction::Up: return "up";
    case direction::UpOrDown: return "up or down";
    default: return "";
    }
}

std::vector<std::string> CardsAndPiles(const RuleVector& rules)
{
    std::vector<std::string> sentences;
    const int decks = Rule(rules, rule::PackSize) / 52;
    sentences.push_back(decks == 1 ? "The game is played with one pack of 52 cards."
                                   : "The game is played with " + Number(decks) + " packs, " +
                                         std::to_string(Rule(rules, rule::PackSize)) + " cards in all.");
    if (Rule(rules, rule::StrippedPack) == 1)
        sentences.push_back("The 2s to 6s are taken out, leaving 32 cards in each pack.");
    if (Rule(rules, rule::StrippedPack) == 2)
        sentences.push_back("The 2s to 6s and the Kings are taken out, leaving 28 cards in each pack.");
    if (Rule(rules, rule::StrippedPack) == stripped_pack::AceToNine)
        sentences.push_back("The 10s and the court cards are taken out, leaving 36 cards from Ace to 9.");
    if (Rule(rules, rule::StrippedPack) == stripped_pack::NinesUp)
        sentences.push_back("The 2s to 8s are taken out, leaving 24 cards in each pack.");
    if (Rule(rules, rule::StrippedPack) != stripped_pack::Full)
        sentences.push_back("Cards build past the missing ranks: the next rank up is the next one the pack holds.");
    if (Rule(rules, rule::JokersInPack) == 1)
        sentences.push_back("The pack also holds " + Count(Rule(rules, rule::JokerCount), "joker", "jokers") + ".");
    if (Rule(rules, rule::SuitSheetMode) == 2)
        sentences.push_back("Only two suits are shown: every diamond is a heart and every club a spade.");
    if (Rule(rules, rule::SuitSheetMode) == 1)
        sentences.push_back("Every card is shown as a spade.");

    std::vector<std::string> piles;
    if (HasStock(rules))
        piles.push_back("a stock");
    if (HasWaste(rules))
        piles.push_back("a waste");
    if (Rule(rules, rule::SecondWasteCount) == 1)
        piles.push_back(HasWaste(rules) ? "a second waste pile" : "a waste pile");
    if (const int f = Rule(rules, rule::FoundationCount); f > 0)
        piles.push_back(Count(f, "foundation", "foundations"));
    if (const int t = Rule(rules, rule::TableauCount); t > 0)
        piles.push_back(Count(t, "tableau pile", "tableau piles"));
    if (const int r = Rule(rules, rule::ReserveCount); r > 0)
        piles.push_back(Number(r) + " " + ReservesName(rules, r));
    if (!piles.empty())
        sentences.push_back("The table holds " + JoinedList(piles) + ".");
    return sentences;
}

std::vector<std::string> Deal(const RuleVector& rules)
{
    std::vector<std::string> sentences;
    if (auto start = FoundationStartSentence(rules); !start.empty())
        sentences.push_back(std::move(start));

    const int tableaus = Rule(rules, rule::TableauCount);
    const auto counts = Values(rules, rule::TableauCardCount, tableaus);
    // The Queen of hearts is taken from the stock's cards to open the row.
    const bool heartCourtsPlaced = SpecialTraitsOf(rules).dealStep == DealStep::HeartCourtsPlaced;
    const bool onlyFirstByRank = counts.size() > 1 && counts.front() > 1000 && counts.front() < 1014 &&
                                 std::all_of(counts.begin() + 1, counts.end(), [](int c) { return c == 0; });
    if (onlyFirstByRank) {
        sentences.push_back("The first " + RankName(counts.front() - 1000) +
                            " of the pack heads the first tableau pile, face up; the other piles start empty.");
    } else if (std::any_of(counts.begin(), counts.end(), [](int c) { return c > 1000; })) {
        sentences.push_back("The tableau piles are dealt by a rule of their own.");
    } else if (std::any_of(counts.begin(), counts.end(), [](int c) { return c > 0; })) {
        const auto faceUp = Values(rules, rule::TableauFaceUp, tableaus);
        const auto face = FacePhrase(counts, faceUp, tableaus == 1 ? "it" : "each");
        sentences.push_back(DealtCounts(counts, "tableau pile", "tableau piles") + (face.empty() ? "" : ", " + face) + ".");
    } else if (heartCourtsPlaced) {
        sentences.push_back("The Queen of hearts starts the tableau pile, face up; the King of hearts lies at the bottom "
                            "of the stock, so he comes last.");
    } else if (tableaus > 0 && Rule(rules, rule::DealFamily) == 0) {
        sentences.push_back(tableaus == 1 ? "The tableau pile starts empty." : "The tableau piles start empty.");
    }

    const int reserves = Rule(rules, rule::ReserveCount);
    const auto reserveCounts = Values(rules, rule::ReserveCardCount, reserves);
    if (std::any_of(reserveCounts.begin(), reserveCounts.end(), [](int c) { return c > 0 && c <= 1000; })) {
        const auto faceUp = Values(rules, rule::ReserveFaceUp, reserves);
        const auto face = FacePhrase(reserveCounts, faceUp, reserves == 1 ? "it" : "each");
        sentences.push_back(DealtCounts(reserveCounts, ReservesName(rules, 1), ReservesName(rules, reserves)) +
                            (face.empty() ? "" : ", " + face) + ".");
        for (int r = 0; r < reserves; ++r)
            if (faceUp[static_cast<std::size_t>(r)] >= 1 && faceUp[static_cast<std::size_t>(r)] < reserveCounts[static_cast<std::size_t>(r)] &&
                Of(rules, rule::ReserveDealMode, r) == deal_mode::None) {
                sentences.push_back("A face-down reserve card turns face up as soon as the card on it is played.");
                break;
            }
    }

    if (const int stock = Rule(rules, rule::StockCardCount) - (heartCourtsPlaced ? 1 : 0); stock > 0)
        sentences.push_back((stock == CardsInPack(rules) ? "All " : "The other ") + std::to_string(stock) +
                            " cards form the stock, face " +
                            (Rule(rules, rule::StockFaceDown) != 0 ? "down." : "up."));
    if (const int waste = Rule(rules, rule::WasteCardCount); waste > 0)
        sentences.push_back(Capitalised(Count(waste, "card goes", "cards go")) + " face up to the waste.");
    if (const int second = Rule(rules, rule::SecondWasteCardCount); second > 0)
        sentences.push_back(Capitalised(Count(second, "card goes", "cards go")) + " face up to the waste pile.");
    if (auto family = DealFamilySentence(Rule(rules, rule::DealFamily)); !family.empty())
        sentences.push_back(std::move(family));

    switch (Rule(rules, rule::FoundationStartMode)) {
    case 0: break;
    case 1:
        sentences.push_back("After the deal, one card goes to the first foundation; every foundation starts with a "
                            "card of its rank.");
        break;
    case 2: sentences.push_back("After the deal, one card goes to each foundation."); break;
    default: sentences.push_back("After the deal, the foundations are started by a rule of their own."); break;
    }
    if (Rule(rules, rule::ExtraFoundationCard) == 1)
        sentences.push_back("One more card then goes face up onto the first foundation.");
    return sentences;
}

std::vector<std::string> Stock(const RuleVector& rules)
{
    std::vector<std::string> sentences;
    const int passes = Rule(rules, rule::PassesAllowed);
    const int style = Rule(rules, rule::RedealStyle);
    const bool ownRedeals = style >= redeal::FirstOwn && passes != 0 && passes != 1;
    if (!HasStock(rules) && Rule(rules, rule::DealFamily) != 17) {
        sentences.push_back("There is no stock: every card is dealt at the start.");
        if (!ownRedeals)
            return sentences;
    }
    const int draw = Rule(rules, rule::DrawCount);
    if (HasWaste(rules) && draw != 0) {
        if (Of(rules, rule::TableauDealMode, 0) == click_style::TopUpOrTurn)
            sentences.push_back("While any tableau pile holds fewer than three cards, a click on the stock deals cards "
                                "onto each such pile until it holds three, and turns no card.");
        const int first = draw::CardsPerClick(draw, 1);
        std::string text = "Click the stock to turn " + (first == 1 ? std::string("one card") : Number(first) + " cards") +
                           " onto the waste";
        if (draw < 0)
            text += " on the first pass, one card fewer on each pass after it, down to one";
        if (Rule(rules, rule::TurnOnEmptyWasteOnly) == 1 && style == redeal::UnderStockWasteFirst)
            text += " when the waste is empty: it holds one card";
        else if (Rule(rules, rule::TurnOnEmptyWasteOnly) == 1)
            text += " when the waste is empty: each turned card must be played before the next one";
        sentences.push_back(text + ".");
        if (const int turns = SpecialTraitsOf(rules).turnsWhilePlaceEmpty; turns > 0)
            sentences.push_back("While a holding place stands empty, only " + Number(turns) +
                                " cards may be turned before it is filled; the stock waits until then.");
        if (Rule(rules, rule::WasteFaceDown) == 0 && !SpecialTraitsOf(rules).turnsAfterSwap)
            sentences.push_back("The top card of the waste may be played.");
        if (SpecialTraitsOf(rules).placingRounds)
            sentences.push_back(PlacingRoundSentence(rules));
    } else if (Of(rules, rule::TableauDealMode, 0) > deal_mode::None) {
        sentences.push_back(RowDealSentence(rules));
        if (Of(rules, rule::ReserveDealMode, 0) == click_style::ReservesWithTableaus)
            sentences.push_back("Each click also deals a card face down onto every reserve, except in the last pass; "
                                "the reserves turn face up when the stock runs out.");
    } else if (Of(rules, rule::ReserveDealMode, 0) > deal_mode::None) {
        sentences.push_back("Click the stock to deal a card onto every reserve.");
    } else if (Rule(rules, rule::SecondWasteCount) == 1 && Rule(rules, rule::SecondWasteArrangement) != arrangement::None) {
        sentences.push_back("Click the stock to turn its top card onto the waste pile.");
    }

    if (ownRedeals && style == redeal::FiveRowsThenAllMixed) {
        sentences.push_back("A pass is " + Number(redeal::kRowsPerPass) +
                            " rows, the first laid by the deal and the others by the stock; then a click gathers the "
                            "piles and the rest of the stock, mixes them, deals the first row of the next pass and "
                            "makes the rest the new stock" +
                            (passes == -1 ? ", as often as you like." : "; you may do this " + TimesWord(passes - 1) + "."));
    } else if (ownRedeals && style == redeal::UnderStockWasteFirst) {
        sentences.push_back("Once the waste holds its card, or the stock is out, a click on the stock puts every tableau "
                            "card under the stock, the piles in order, starts the first pile with the waste's card and "
                            "deals one card from the stock onto each other pile" +
                            std::string(passes == -1 ? ", as often as you like." : "; you may do this " + TimesWord(passes - 1) + "."));
    } else if (ownRedeals) {
        sentences.push_back("When play is stuck, a click on the stock " + RedealWhat(style) +
                            (passes == -1 ? ", as often as you like." : "; you may do this " + TimesWord(passes - 1) + "."));
    } else if (style < redeal::FirstOwn && passes == -1) {
        sentences.push_back("When the stock is empty, a click on it turns the waste over into a new stock, as often as "
                            "you like: the passes through the stock are unlimited.");
    } else if (style < redeal::FirstOwn && passes >= 2) {
        sentences.push_back("You have " + Number(passes) + " passes through the stock: when it is empty, a click on it "
                            "turns the waste over into a new stock (" + Count(passes - 1, "redeal", "redeals") + ").");
    } else if (HasStock(rules) && !RemovesByClicks(rules)) {
        sentences.push_back("There is only one pass through the stock: no redeal.");
    }
    return sentences;
}

std::vector<std::string> Winning(const RuleVector& rules)
{
    if (IsRowsWithGaps(rules))
        return {deal_family::FirstRankOfRows(Rule(rules, rule::DealFamily)) == 2
                    ? "You win when each row holds one suit in order from the 2 to the King."
                    : "You win when each row holds one suit in order from the Ace to the King."};
    if (SpecialTraitsOf(rules).lendsOnceWhenStuck)
        return {"Click the top card of the pile the last card named, the centre first: it goes home to the foundation "
                "of its rank, and a King names the centre again. Once in a game, when the fourth King has come up "
                "too soon, you may turn the top card of any pile instead, and play goes on from the card it names. "
                "You win when every card is home."};
    if (IsRingOfRows(rules))
        return {"You win when the cards lie in four runs from the Ace to the Queen, each in one suit, reading the rows "
                "as one line that runs on from the last cell back to the first; gaps may lie only between the runs."};
    if (SpecialTraitsOf(rules).turnsNamedPile)
        return {"Click the top card of the pile the last card named, the centre first: it goes home to the foundation "
                "of its rank, and a King names the centre again. You win when every card is home before the fourth "
                "King comes up; there is no choice to make."};
    if (IsMemoryGame(rules) && SpecialTraitsOf(rules).won == WonTest::ScoreGoal && Rule(rules, rule::TargetScore) == 0)
        return {SpecialGameOf(rules) == Special::MemoryRun
                    ? "You win when every card lies face up, turned in one run from the Ace to the King."
                    : "You win when every card has been taken from the table."};
    if (Rule(rules, rule::TargetScore) != 0)
        return {"You win when your score reaches " + std::to_string(Rule(rules, rule::TargetScore)) + " points."};
    if (SpecialTraitsOf(rules).won == WonTest::PyramidCleared)
        return {HasStock(rules) ? "You win when every card of the pyramid, the stock and the waste has been removed."
                                : "You win when every card of the pyramids has been removed."};
    if (SpecialTraitsOf(rules).won == WonTest::PyramidOnly)
        return {Rule(rules, rule::TableauStyle) == pile_style::Row
                    ? "You win when every card of the pyramid has been removed; cards may stay in the stock and the waste."
                    : "You win when every tableau pile has been cleared; cards may stay in the stock."};
    if (HasOwnGoal(rules))
        return {OwnGoal(rules)};
    if (Rule(rules, rule::FoundationCount) > 0 && (SpecialGameOf(rules) == Special::None || SpecialTraitsOf(rules).placingRounds))
        return {"You win when all " + std::to_string(CardsInPack(rules)) + " cards are on the foundations."};
    std::vector<std::string> piles = {"the tableau"};
    if (Rule(rules, rule::ReserveCount) > 0)
        piles.push_back("the " + ReservesName(rules, 2));
    if (HasStock(rules))
        piles.push_back("the stock");
    if (HasWaste(rules))
        piles.push_back("the waste");
    return {"You win when " + JoinedList(piles) + (piles.size() == 1 ? " is" : " are") + " cleared of cards."};
}

std::vector<std::string> Aids(const RuleVector& rules)
{
    std::vector<std::string> sentences;
    if (Rule(rules, rule::AutoFaceUp) != 0)
        sentences.push_back("A face-down card left on top of a tableau pile turns face up by itself.");
    if (Rule(rules, rule::AutoplayAvailable) != 0)
        sentences.push_back("Autoplay (F7) plays the cards that can go to the foundations for you.");
    if (Rule(rules, rule::NoUndo) == 1)
        sentences.push_back("Moves cannot be undone in this game.");
    return sentences;
}

} // namespace marlowe::wording

namespace marlowe {

using namespace wording;

std::vector<RulesSection> WordRules(const RuleVector& rules)
{
    std::vector<RulesSection> sections;
    const auto add = [&](const char* heading, std::vector<std::string> sentences) {
        if (!sentences.empty())
            sections.push_back({heading, std::move(sentences)});
    };
    add("The cards and the table", CardsAndPiles(rules));
    add("The deal", Deal(rules));
    add("Building", Building(rules));
    add("Removing cards", Removing(rules));
    add("The stock", Stock(rules));
    add("How to win", Winning(rules));
    add("Good to know", Aids(rules));
    return sections;
}

} // namespace marlowe
