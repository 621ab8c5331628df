// The building rules of the piles, and the removals of the games played by choosing cards, in words.

#include "catalogue/rules_wording.h"

#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "catalogue/pyramid_rows.h"

#include <algorithm>
#include <functional>

namespace marlowe::wording {

namespace {

// Tableau building code 187: a waste card making 14 with the top card (Eiffel Tower's tower).
constexpr int kMakesFourteen = 187;

// Foundation codes worded here that no other rule asks about.
constexpr int kDownAfterTheOneBefore = 36;  // down any suit round the corner, begun after the pile before
constexpr int kTwoUpInSuit = 43;
constexpr int kKingOfThePartnersSuit = 120; // the King of the suit of the foundation eight before
constexpr int kJackThenDownInSuit = 121;
constexpr int kRowOfRanksShownAbove = 178;  // a row of its suit in any order, ranks the row above holds

// What a gap in a row of cells takes: judged by the card on its left, and at the row's left end
// by the rank the rows start from.
std::string RowGapSentence(const RuleVector& rules, int code)
{
    const std::string first = RankName(deal_family::FirstRankOfRows(Rule(rules, rule::DealFamily)));
    if (code == building::InSuitAroundTheRing)
        return "The rows read as one line: the end of each row runs on into the start of the next, and the last cell "
               "into the first. A gap takes the card one rank above the card before it, or the card one rank below "
               "the card after it, in the same suit; an Ace may also follow any Queen. Cards move one at a time.";
    if (code == building::InSuitBesideEitherNeighbour) {
        const bool wraps = Of(rules, rule::TableauWrap, 0) != wrap::None;
        const bool started = Of(rules, rule::TableauBaseRank, 0) != base_rank::NoCard;
        return std::string("A gap takes the card one rank above the card on its left, or the card one rank below the card "
                           "on its right, in the same suit") + (wraps ? ", an Ace coming after a King. " : ". ") +
               (started ? "A gap at the left end of a row takes only a " + first + "."
                        : "A gap at the left end of a row takes only the card one rank below the card on its right.");
    }
    const std::string text = code == building::HigherInSuit ? "A gap takes any higher card of the suit of the card on its left."
                             : code == building::AnySuit    ? "A gap takes a card one rank above the card on its left, of any suit."
                                                            : "A gap takes the card one rank above the card on its left, in the same suit.";
    return text + " A gap at the left end of a row takes any " + first + ", and a gap after a King stays closed.";
}

// The foundation codes of Hit or Miss's discards, Sticko's single pile and German Clock's hours.
constexpr int kRankOfTheCount = 40;
constexpr int kUpInSuitDownInColourOrRankAcross = 174;
constexpr int kOwnRankInCommonSuitOrder = 175;

// The interval of the foundations that build up by a fixed step regardless of suit; 0 for others.
int StepOfCode(int code)
{
    if (code >= building::UpByTwos && code <= building::UpByFours)
        return code - building::UpByTwos + 2;
    if (code >= building::UpByFives && code <= building::UpByEights)
        return code - building::UpByFives + 5;
    return 0;
}

// The rank that holds the given place among the ranks of a stripped pack (the King past its end).
int RankAtPlace(int strip, int place)
{
    for (int rank = 1; rank <= 13; ++rank)
        if (stripped_pack::Holds(strip, rank) && stripped_pack::Ordinal(strip, rank) == place)
            return rank;
    return 13;
}

std::string StepWord(int step)
{
    const char* const words[] = {"twos", "threes", "fours", "fives", "sixes", "sevens", "eights"};
    return words[step - 2];
}

// One rule of a foundation or a tableau pile in words, without its subject: "build down in suit".
std::string StandardBuild(int code, int direction)
{
    return std::string("build ") + DirectionWord(direction) + SuitPhrase(code);
}

// Where a foundation built by the standard rule ends: at the rank of its last card when it is
// full before its thirteenth (round the corner or not), else round the corner from its base.
std::string FoundationEnd(const RuleVector& rules, int pile)
{
    const int base = Of(rules, rule::FoundationBaseRank, pile);
    const int direction = Of(rules, rule::FoundationDirection, pile);
    const int ownFull = Of(rules, rule::FoundationFullCountOf, pile);
    const int full = ownFull > 0 ? ownFull : Rule(rules, rule::FoundationFullCount);
    const int cards = full > 1 && full < 13 ? full : 13;
    if (cards < 13 && base > 1 && base < 13 && Rule(rules, rule::StrippedPack) == 0) {
        if (direction == direction::Up) {
            const int last = base + cards - 1;
            return last <= 13 ? " to the " + RankName(last) : ", turning the corner from King to Ace, to the " + RankName(last - 13);
        }
        if (direction == direction::Down) {
            const int last = base - cards + 1;
            return last >= 1 ? " to the " + RankName(last) : " to the Ace and then the " + RankName(last + 13);
        }
    }
    if (direction == direction::Up)
        return base == 1 ? " to the " + RankName(RankAtPlace(Rule(rules, rule::StrippedPack), cards))
                         : ", turning the corner from King to Ace";
    if (direction == direction::Down)
        return base == 13 ? " to the " + RankName(14 - cards) : ", turning the corner from Ace to King";
    return {};
}

std::string FoundationRule(const RuleVector& rules, int pile)
{
    const int base = Of(rules, rule::FoundationBaseRank, pile);
    const int direction = Of(rules, rule::FoundationDirection, pile);
    const int code = Of(rules, rule::FoundationBuildCode, pile);
    if (base == base_rank::WholeSuitFromAnyRank)
        return "take only a complete run of thirteen cards down in one suit, from any rank and turning the corner "
               "from Ace to King, which leaves the tableau by itself";
    if (base == base_rank::FourOfAKind)
        return "take the four cards of a rank together, which leave the tableau by themselves as soon as they lie on "
               "top of one pile or show as the top cards of four piles";
    if (base_rank::TakesWholeSequences(base))
        return "take only a complete run from King down to Ace in one suit, which leaves the tableau by itself";
    if (code == building::Nothing)
        return "take no cards by hand";
    if (code < building::Nothing && Of(rules, rule::FoundationFullCountOf, pile) == 1 && base >= 1 && base <= 13)
        return "take one " + RankName(base) + " each and nothing more";
    if (code == building::AfterStockAndWaste)
        return "take no card until the stock and the waste are empty; then they " + StandardBuild(building::InSuit, direction) +
               (base >= 1 && base <= 13 ? " from the " + RankName(base) : std::string());
    if (code == building::InSuitDistinctStarts)
        return StandardBuild(building::InSuit, direction) +
               (base >= 1 && base <= 13 ? " from the " + RankName(base) : std::string()) +
               ", each of a row of four begun in a different suit";
    if (code == building::DiamondsRoundTheCorner)
        return "take only Diamonds: any Diamond to start, then up in suit, turning the corner from King to Ace";
    if (code == building::InSuitFedByOwnHalf)
        return StandardBuild(building::InSuit, direction) + (base >= 1 && base <= 13 ? " from the " + RankName(base) : std::string()) +
               "; until the first redeal, tableau cards come to them only from the " +
               (2 * pile < Rule(rules, rule::FoundationCount) ? "first" : "second") + " half of the tableau piles";
    if (code == building::InSuitBetweenPlacingRounds)
        return StandardBuild(building::InSuit, direction) + (base >= 1 && base <= 13 ? " from the " + RankName(base) : std::string()) +
               FoundationEnd(rules, pile) + "; while a round of placing is under way, they take no card from the tableau piles";
    if (code == building::InSuitFedByOwnPileWhileStockLasts)
        return StandardBuild(building::InSuit, direction) + (base >= 1 && base <= 13 ? " from the " + RankName(base) : std::string()) +
               ", one suit each, hearts, diamonds, clubs and spades in turn; while the stock holds cards, a foundation "
               "once begun takes a tableau card only from the tableau pile of its own number or from a pile numbered past "
               "the " + Number(Rule(rules, rule::FoundationCount)) + " foundations";
    if ((code == building::BegunOverHeadedColumn || code == building::BegunInHeadsSuit) && base >= 1 && base <= 13)
        return StandardBuild(building::AnySuit, direction) + " from the " + RankName(base) + FoundationEnd(rules, pile) +
               ", but each is begun only once the tableau column below it is headed" +
               (code == building::BegunInHeadsSuit ? ", and with a card of its head's suit" : "");
    if (code == building::FromBaseInRounds && base >= 1 && base <= 13)
        return direction == direction::Down
                   ? "build down regardless of suit from the " + RankName(base) + " to the Ace, and then again from the " +
                         RankName(base) + ", round after round"
                   : "build up regardless of suit from the " + RankName(base) + " to the King";
    std::string text;
    const std::string fromBase = base >= 1 && base <= 13 ? " from the " + RankName(base) : std::string();
    if (code == kRowOfRanksShownAbove)
        return pile == 0 ? "take the cards of the suit of the card dealt to it, in any order"
                         : "begin, once the foundation before it is begun, with a card of the rank the first one "
                           "started with, and then take the cards of that suit, in any order, whose rank the "
                           "foundation before it already holds";
    if (code == kDownAfterTheOneBefore)
        return "build down regardless of suit" + fromBase +
               ", turning the corner from Ace to King, and be begun only once the foundation before it is";
    if (code == kTwoUpInSuit)
        return "build up in suit by twos" + fromBase;
    if (code == building::UpInSuitBesideAGap)
        return "build up in suit" + fromBase + ", an Ace on the King; a card leaves its row for a foundation only when "
               "the cell on its left is empty";
    if (code == building::InSuitFromColumnEnds)
        return std::string(direction == direction::Down ? "build down" : "build up") + " in suit" + fromBase +
               "; a card leaves the rows for a foundation only from an open end of its column, with no card above "
               "it or none below it";
    if (code == kKingOfThePartnersSuit)
        return "take only the King of the suit of foundation " + std::to_string(pile - 7) + ", once that one is begun";
    if (code == kJackThenDownInSuit)
        return "begin with a Jack and build down in suit";
    if (code == building::JokersAfterSuits)
        return "take only the jokers, once the other foundations are complete";
    if (code == building::UpInSuitRoundTheCorner)
        return "build up in suit from an Ace to the King and on round the corner from the next Ace, until they hold " +
               Number(Rule(rules, rule::FoundationFullCount)) + " cards";
    if (code == building::UpAnySuitFromAce)
        return "build up regardless of suit from the Ace, round the corner from King to Ace, until they hold the whole "
               "run four times over";
    if (code == building::SameRank)
        return base >= 1 && base <= 13 ? "take every " + RankName(base) + ", in any order" : "take cards of one rank";
    if (code == building::OutrankedInSuit)
        return "take a tableau pile's top card when another pile shows a higher card of its suit on top (Aces rank "
               "high)";
    if (code == building::UpOrDownAnySuitWrapping)
        return std::string(base == base_rank::AnyCard ? "start with any card and then " : "") +
               "take a card one rank above or below the top card, whatever its suit, turning the corner (a King "
               "and an Ace touch)";
    if (code == building::DoubledRank)
        return "take a card of twice the rank of their top card, less 13 when the double passes 13, whatever its "
               "suit (A 2 4 8 3 6 Q J 9 5 10 7 and round again); a King follows nothing, and the Kings go on last, "
               "once the other cards are there";
    if (code == kRankOfTheCount)
        return "take a card whose rank is the one just called: the count runs from Ace to King over the cards "
               "turned from the stock, and again from the Ace; the very last card goes whatever its rank";
    if (code == kOwnRankInCommonSuitOrder)
        return "take only the four cards of their own rank, alternating in colour, and every one of them keeps the "
               "same order of suits as the others";
    if (code == kUpInSuitDownInColourOrRankAcross)
        return "start with any card and then take a card one rank up in its suit, one rank down in the other suit "
               "of its colour, or of its rank in the other colour";
    if (code == building::OneSuitAnyOrder) {
        static const char* const suits[] = {"hearts", "diamonds", "clubs", "spades"};
        return base >= 1 && base <= 4 ? std::string("take only the ") + suits[base - 1] + ", in any order"
                                      : "take nothing";
    }
    if (code == building::UpAnySuitFromOwnPile) {
        const int strip = Rule(rules, rule::StrippedPack);
        const std::string top = RankName(RankAtPlace(strip, stripped_pack::TopOrdinal(strip)));
        return "build up regardless of suit from the " + RankName(base) + " to the " + top + "; an Ace or a " + top +
               " may come from any pile, every other card only from the tableau pile below its foundation";
    }
    if (code == building::TwoUpInSuitFromBase)
        return "start with " + (base >= 1 && base <= 13 ? "a " + RankName(base) : std::string("their base card")) +
               " of a suit that no other pile of their row of four has begun with, then build up in suit by twos, "
               "counting on past the King";
    if (const int step = StepOfCode(code); step > 0)
        text = "build up by " + StepWord(step) + " regardless of suit, counting on past the King";
    else if (code < building::Nothing)
        text = StandardBuild(code, direction);
    else
        return "build by a rule of their own (point at one during play to read it in the status bar)";
    if (base >= 1 && base <= 13)
        text += " from the " + RankName(base);
    else if (base == base_rank::AnyCard)
        text += " from any card";
    else if (base == base_rank::NoCard && Rule(rules, rule::FoundationStartMode) == 1)
        text += " from the rank of the first card dealt to them";
    else if (base == base_rank::NoCard && Of(rules, rule::FoundationStarter, pile) != 0)
        text += " from the card dealt to each";
    else if (base == base_rank::BalancedColoursFromAce || base == base_rank::BalancedSuitsFromAce)
        text += " from an Ace";
    else if (base == base_rank::RankOfStarted)
        text += " from the rank of the first card played to them";
    else if (base == base_rank::RankOfStartedFromReserve)
        text += " from the rank of the first card played to them, which comes from a reserve";
    if (code < building::Nothing)
        text += FoundationEnd(rules, pile);
    return text;
}

std::string TableauRule(const RuleVector& rules, int pile)
{
    const int direction = Of(rules, rule::TableauDirection, pile);
    const int code = Of(rules, rule::TableauBuildCode, pile);
    const int wrap = Of(rules, rule::TableauWrap, pile);
    if (code == building::Nothing)
        return "take no cards: nothing is built on them";
    if (code == building::NotFromTableau)
        return "take any card turned from the stock, but never a card from another tableau pile";
    if (code == building::NotFromTableauOrReserve)
        return "take any card turned from the stock, but never a card from another tableau pile or a reserve";
    if (code == building::NotFromTableauTwoDeep)
        return "take any card turned from the stock while they hold one card at most, so that none grows past two, "
               "but never a card from another tableau pile";
    if (code == building::DownInSuitOrSameRank)
        return "build down in suit, or take a card of the same rank as their top card";
    if (code == building::SameRank)
        return "take only a card of the same rank as their top card, of any suit";
    if (code == building::OnlyOntoEmpty)
        return "take nothing on a card; an empty pile takes the top card of another pile";
    if (code == building::HoldingPlace)
        return "are holding places of one card each: an empty place takes the top card of the waste or of another "
               "tableau pile";
    if (code == building::DownInSuitOntoThree)
        return "build down in suit, a King on an Ace, one card at a time, but only on a pile that holds three cards "
               "or more; an empty pile stays empty";
    if (code == building::InSuitEitherWayNotFromTableau)
        return "build up or down in suit, never turning the corner, with cards from the waste or a reserve but never "
               "from another tableau pile; an empty pile takes any such card";
    if (code == building::HigherInSuit)
        return "take any higher card of the suit of their top card";
    if (code == building::DownAnySuitNoDiamonds)
        return "build down regardless of suit, but never take a Diamond, which may go only to the foundation";
    if (code == building::HeadTakesOneAfterDeal || code == building::DownAnySuitAfterDeal) {
        const std::string head = RankName(Of(rules, rule::TableauBaseRank, pile));
        return "take nothing while the stock lasts; once it is out, " +
               std::string(code == building::DownAnySuitAfterDeal ? "they build " + std::string(DirectionWord(direction)) +
                                                                         " regardless of suit, one card at a time, and "
                                                                    : "") +
               "a pile reduced to its " + head + " takes any one card but a " + head + "; an empty pile stays empty";
    }
    if (code == kMakesFourteen)
        return "take a card from the waste whose rank and their top card's add up to 14 (Jack 11, Queen 12, King 13), "
               "whatever the suits; nothing ever leaves them";
    std::string text;
    if (code == building::WildJokersAlternating)
        text = std::string("build ") + DirectionWord(direction) +
               " in alternating colours; a joker is wild: it goes on any card and into any space, and any card goes on it";
    else if (code == building::OtherSuit)
        text = std::string("build ") + DirectionWord(direction) + " in any suit but the card's own";
    else if (code == building::AlternateNotFromReserveOrFoundation)
        text = StandardBuild(building::AlternateColours, direction);
    else if (code > building::Nothing)
        return "build by a rule of their own (point at one during play to read it in the status bar)";
    else
        text = StandardBuild(code, direction);
    if (wrap == wrap::NoBuildOnBase || wrap == wrap::BuildOnBase)
        text += direction == direction::Up ? ", turning the corner (an Ace goes on a King)"
                               : ", turning the corner (a King goes on an Ace)";
    if (wrap == wrap::NoBuildOnBase)
        text += ", but nothing goes on a card of the foundations' starting rank";
    if (code == building::AlternateNotFromReserveOrFoundation)
        text += "; they never take a card from a reserve or a foundation";
    return text;
}

// The rule of every pile of a kind: one sentence when they all agree, else one per pile.
void AddPileRules(std::vector<std::string>& sentences, int count, const std::string& piles, const std::string& pile,
                  const std::function<std::string(int)>& ruleOf)
{
    if (count <= 0)
        return;
    std::vector<std::string> each;
    for (int k = 0; k < count; ++k)
        each.push_back(ruleOf(k));
    if (count == 1) {
        sentences.push_back("The " + pile + " can " + each.front() + ".");
    } else if (std::all_of(each.begin(), each.end(), [&](const std::string& r) { return r == each.front(); })) {
        sentences.push_back("The " + piles + " " + each.front() + ".");
    } else {
        // Neighbouring piles that share a rule share one sentence: "Foundations 1 to 8 build ...".
        for (int k = 0; k < count;) {
            int last = k;
            while (last + 1 < count && each[static_cast<std::size_t>(last + 1)] == each[static_cast<std::size_t>(k)])
                ++last;
            const std::string& rule = each[static_cast<std::size_t>(k)];
            sentences.push_back(last == k ? Capitalised(pile) + " " + std::to_string(k + 1) + " can " + rule + "."
                                          : Capitalised(piles) + " " + std::to_string(k + 1) + " to " +
                                                std::to_string(last + 1) + " " + rule + ".");
            k = last + 1;
        }
    }
}

// The fill rules whose sentence says what a space takes once the pile they fill from is out.
bool FillSaysWhatASpaceTakes(int fill)
{
    return fill == 43 || fill == 84 || fill == 85;
}

std::string EmptyTableauSentence(const RuleVector& rules, bool runsMove)
{
    const auto bases = Values(rules, rule::TableauBaseRank, Rule(rules, rule::TableauCount));
    const int code = Of(rules, rule::TableauBuildCode, 0);
    if (bases.empty() || !AllEqual(bases) || code == building::Nothing || code == building::NotFromTableau ||
        code == building::NotFromTableauOrReserve || code == building::NotFromTableauTwoDeep ||
        code == building::HeadTakesOneAfterDeal || code == building::DownAnySuitAfterDeal)
        return {};
    const int base = bases.front();
    if (base == base_rank::AnyCard && code == building::DownAnySuitNoDiamonds)
        return std::string("An empty tableau pile may be filled with any card but a Diamond") + (runsMove ? ", or a run." : ".");
    if (base == base_rank::AnyCard)
        return std::string("An empty tableau pile may be filled with any card") + (runsMove ? " or run." : ".");
    if (base == base_rank::NoCard)
        return Rule(rules, rule::EmptyTableauFill) != 0 ? "An empty tableau pile takes no card by hand."
                                                        : "An empty tableau pile stays empty.";
    if (base >= 1 && base <= 13) {
        const std::string card = (base == 1 ? "an " : "a ") + RankName(base);
        return "An empty tableau pile may be filled only with " + card + (runsMove ? " or a run headed by " + card + "." : ".");
    }
    if (base == base_rank::AceOrKing)
        return std::string("An empty tableau pile may be filled only with an Ace or a King") +
               (runsMove ? " or a run headed by one." : ".");
    if (base == base_rank::FromReserveOrWaste)
        return "An empty tableau pile takes a reserve card while the reserves hold any, then a card from the waste.";
    if (base == base_rank::BelowFoundationBase)
        return "An empty tableau pile takes only a card one rank below the foundations' starting rank.";
    if (base == base_rank::NotFromTableau)
        return code == building::AlternateNotFromReserveOrFoundation
                   ? "An empty tableau pile takes only the top card of the waste."
                   : "An empty tableau pile takes any card but one from another tableau pile.";
    return {};
}

std::string MovingSentence(const RuleVector& rules)
{
    switch (Rule(rules, rule::TableauPickRule)) {
    case 1: return "Only one card moves at a time.";
    case pick::Any:
        switch (Rule(rules, rule::RunRule)) {
        case run_rule::AnyRun: return "Any face-up card may be moved together with all the cards on it, in sequence or not.";
        case run_rule::ByDestinationCode: return "Any face-up run in sequence may be moved as a unit.";
        case run_rule::InSuit: return "A run moves as a unit only when it is in suit.";
        case run_rule::InSuitOrOneRank: return "A run moves as a unit only when it is in suit or all of one rank.";
        case run_rule::SameColour:
            return Rule(rules, rule::SuitSheetMode) == 2 ? "A run moves as a unit only when it is all of one suit."
                                                          : "A run moves as a unit only when it is all of one colour.";
        default: return "Runs move as a unit by a rule of their own.";
        }
    case pick::ByEmptyPiles:
        return "A run moves as a unit when it holds at most one card more than there are free cells and empty tableau "
               "piles together; onto an empty tableau pile, one card fewer.";
    case pick::ByEmptyPilesStrict:
        return "A run moves as a unit when it holds no more cards than there are free cells and empty tableau piles "
               "together, or one card more while no tableau pile is empty.";
    case pick::ThroughCellsAndSpaces:
        return "A run moves as a unit when the free cells and empty tableau piles would let you move it one card at a "
               "time: one card more than there are free cells, doubled for each empty tableau pile other than the one it "
               "goes to.";
    case pick::SingleOrRunOnKing: return "Only a single card, or a run on a King, moves.";
    case pick::SingleOrWholePile: return "Only the top card of a pile, or the whole pile, moves.";
    case pick::SinglesWithDraw: return "Only single cards move.";
    default: break;
    }
    if (const int most = Rule(rules, rule::TableauPickRule); most >= 2)
        return "At most " + Number(most) + " cards move at once.";
    return {};
}

// Whether a tableau of this building code refuses every reserve card.
bool PlaysOnlyHome(int tableauCode)
{
    return tableauCode == building::Nothing || tableauCode == building::NotFromTableauOrReserve ||
           tableauCode == building::AlternateNotFromReserveOrFoundation;
}

std::string ReserveSentence(const RuleVector& rules)
{
    if (Rule(rules, rule::ReservePickRule) == pick::FannedReserveSingles)
        return "Nothing may be put on a reserve, but every one of its cards is free: any of them may be played, "
               "alone, to the foundations or the tableau.";
    switch (Of(rules, rule::ReserveRule, 0)) {
    case building::AnythingOnEmptyReserve:
        return Of(rules, rule::TableauBuildCode, 0) == building::Nothing
                   ? "A free cell holds one card: any top card may go into an empty cell, and from there to the foundations."
                   : "A free cell holds one card: any top card may go into an empty cell, and from there to the "
                     "foundations or the tableau.";
    case building::Nothing:
        if (Rule(rules, rule::ReservePickRule) == pick::NeverFromReserve)
            return "Nothing may be put on a reserve, and no card is played from it by hand.";
        return PlaysOnlyHome(Of(rules, rule::TableauBuildCode, 0))
                   ? "Nothing may be put on a reserve; its top card plays only to the foundations."
                   : "Nothing may be put on a reserve; its top card plays to the foundations or the tableau.";
    case building::InSuit:
    case building::SameColour:
    case building::AnySuit:
    case building::AlternateColours: return "An empty reserve takes any single card; its top card plays to the foundations or the tableau.";
    case building::Always: return "A reserve takes any card.";
    case building::FromWasteOnly: return "A reserve takes only cards from the waste.";
    case building::OneWasteCard:
        return "A reserve holds one card: an empty reserve takes the card just turned from the stock, and its card "
               "plays to the foundations or the tableau.";
    case building::UpToFourFromTableau:
        return "The reserve holds up to four cards, each put there from the tableau; its top card plays to the "
               "foundations or the tableau.";
    case building::CourtSlot:
        return "Each reserve holds one court card: an empty reserve takes a Jack, a Queen or a King whose rank no "
               "other reserve holds, of the suit the others show.";
    default: return "A reserve takes cards by a rule of its own.";
    }
}

} // namespace

std::vector<std::string> Building(const RuleVector& rules)
{
    std::vector<std::string> sentences;
    if (RemovesByClicks(rules))
        return sentences;
    const int foundations = Rule(rules, rule::FoundationCount);
    AddPileRules(sentences, foundations, "foundations", "foundation", [&](int k) { return FoundationRule(rules, k); });
    if (foundations > 0 && Rule(rules, rule::FoundationTakeBack) == 1)
        sentences.push_back("The top card of a foundation may be taken back into play.");

    const int tableaus = Rule(rules, rule::TableauCount);
    if (Of(rules, rule::TableauBuildCode, 0) == building::SwapsInLine) {
        sentences.push_back("Each tableau pile is a row of cells. Only the card identical to the top card of the waste, "
                            "the same rank and suit from the other pack, moves: it changes places with any card of its "
                            "own row or column.");
        if (SpecialTraitsOf(rules).turnsAfterSwap)
            sentences.push_back("Each swap turns the next card of the stock onto the waste; a click on the stock turns "
                                "it without a swap.");
    } else if (IsRowsWithGaps(rules) || IsRowsOfNeighbours(rules)) {
        sentences.push_back(RowGapSentence(rules, Of(rules, rule::TableauBuildCode, 0)));
    } else if (tableaus > 0 && SpecialGameOf(rules) != Special::Golf) {
        AddPileRules(sentences, tableaus, "tableau piles", "tableau pile", [&](int k) { return TableauRule(rules, k); });
        const int pick = Rule(rules, rule::TableauPickRule);
        if (auto empty = EmptyTableauSentence(rules, pick != 1 && pick != pick::SinglesWithDraw);
            !empty.empty() && !FillSaysWhatASpaceTakes(Rule(rules, rule::EmptyTableauFill)))
            sentences.push_back(std::move(empty));
        if (auto moving = MovingSentence(rules); !moving.empty() && Of(rules, rule::TableauBuildCode, 0) != building::Nothing)
            sentences.push_back(std::move(moving));
        if (const int most = Rule(rules, rule::MaxTableauCards); most > 0)
            sentences.push_back(most == 1 ? std::string("A tableau pile holds one card at most.")
                                          : "A tableau pile holds at most " + std::to_string(most) + " cards.");
    }
    switch (Rule(rules, rule::EmptyTableauFill)) {
    case 0: break;
    case 1:
        sentences.push_back("While the reserve holds cards, an empty tableau pile is filled at once with its top card.");
        break;
    case 2:
        sentences.push_back("An empty tableau pile is filled at once with the top card of the waste, or of the stock when "
                            "the waste is empty.");
        break;
    case 3:
        sentences.push_back("An empty tableau pile is filled at once with the top card of the stock, or of the waste when "
                            "the stock is empty.");
        break;
    case 4:
        sentences.push_back(SpecialTraitsOf(rules).placingRounds
                                ? "Until the first card is placed from the waste onto a pile, an empty tableau pile is "
                                  "filled at once with the top card of the waste, or of the stock when the waste is empty; "
                                  "after that it takes only the cards you place there."
                                : "Empty tableau piles are filled automatically.");
        break;
    case 9:
        sentences.push_back("An empty tableau pile is filled at once with four cards from the stock, while it lasts.");
        break;
    case 43:
        sentences.push_back("While the stock holds cards, an empty tableau pile is filled at once with its top card; "
                            "after that a space takes any card.");
        break;
    case 84:
        sentences.push_back("An empty tableau pile is filled at once with the top card of the reserve in its column; once "
                            "that reserve is out, the space takes any card.");
        break;
    case 85:
        sentences.push_back("An empty tableau pile is filled at once with three cards from the stock, an Ace among them "
                            "going to a foundation and the next card taking its place; once the stock is out, a space "
                            "stays empty.");
        break;
    case 86:
        sentences.push_back("Every gap in the rows dealt so far is filled at once with the top card of the stock, while "
                            "it lasts.");
        break;
    case 22:
        sentences.push_back("An empty tableau pile is filled at once with the top card of the reserve holding more cards; "
                            "once the reserves are empty, with the top card of the waste.");
        break;
    default: sentences.push_back("Empty tableau piles are filled automatically."); break;
    }
    if (Rule(rules, rule::ReserveCount) > 0)
        sentences.push_back(ReserveSentence(rules));
    switch (Rule(rules, rule::FirstMoveToFoundation)) {
    case 1:
        sentences.push_back("The game opens with a tableau card played to a foundation: nothing else moves before it.");
        if (Rule(rules, rule::FillAfterFirstMove) == 1)
            sentences.push_back("Then every empty tableau pile takes a card from the stock.");
        break;
    case 2: sentences.push_back("The game opens with a reserve card played to a foundation: nothing else moves before it."); break;
    default: break;
    }
    switch (Rule(rules, rule::TableauLock)) {
    case tableau_lock::ToFoundations:
        sentences.push_back("Tableau cards may go to the foundations only once the stock and the waste are empty.");
        break;
    case tableau_lock::AllMoves:
    case tableau_lock::AllMovesToo: sentences.push_back("Tableau cards may not move while the stock or the waste holds cards."); break;
    case tableau_lock::HomeWhileHoldingPlaceEmpty:
        sentences.push_back("A holding place's card may go only to a foundation, at any time; the cards of the other "
                            "tableau piles go there only while a holding place stands empty.");
        break;
    case tableau_lock::NoBuilding:
        sentences.push_back(std::string("Nothing is built on the tableau piles while the stock") +
                            (Rule(rules, rule::StockGroupCount) >= 2 ? " or the waste" : "") + " holds cards.");
        break;
    default: break;
    }
    return sentences;
}

namespace {

// What a click removes in the games played by choosing cards.
std::string RemovingSentence(const RuleVector& rules)
{
    const int target = Rule(rules, rule::SelectionMode);
    switch (SpecialGameOf(rules)) {
    case Special::TensOrFifteens:
        return target == 15 ? "Click cards whose ranks add up to 15 (any number of cards, 2 to 9 only) to remove them."
                            : "Click two cards from Ace to 9 that add up to 10, or the four 10s, Jacks, Queens or "
                              "Kings of one rank, to remove them.";
    case Special::PairsToFourteen:
        return "Click the top cards of two piles whose ranks add up to 14 to remove them (a Jack counts 11, a Queen "
               "12, a King 13).";
    case Special::PyramidTwoWasteCards:
        return "Click two free cards whose ranks add up to 13 to remove them; a King is removed by itself (a Jack counts "
               "11, a Queen 12, a King 13). A card is free when no card of the row below covers it. The waste's top card "
               "and the card under it are free too, and may pair with each other; once a card is selected, a click on "
               "the stock adds the stock's top card.";
    case Special::Pyramid:
    case Special::PyramidCovered:
    case Special::PyramidOnly: {
        std::string text = "Click two free cards whose ranks add up to 13 to remove them; a King is removed by itself (a "
                           "Jack counts 11, a Queen 12, a King 13). ";
        text += SeveralPyramids(rules) ? "The pyramids stand side by side and never cover each other: a card is free "
                                         "when no card of the next row of its own pyramid covers it."
                                       : "A card is free when no card of the row below covers it.";
        if (HasStock(rules))
            text += " The top card of the waste is free too, and once a card is selected, a click on the stock adds the "
                    "stock's top card.";
        return text;
    }
    case Special::NeighbourPairs:
    case Special::NeighbourPairsByColumns:
        return "Click two cards of the same rank that touch, in a row, a column or diagonally, to remove them.";
    case Special::OntoWasteTurningCorner:
    case Special::OntoWasteDeadKing:
    case Special::OntoWasteJokersWild: {
        std::string text = "Click a free card to play it onto the waste pile. It must be one rank above or below the "
                           "waste pile's top card, whatever its suit; ";
        switch (SpecialGameOf(rules)) {
        case Special::OntoWasteTurningCorner: text += "a King and an Ace follow each other."; break;
        case Special::OntoWasteDeadKing:
            text += "a King and an Ace do not follow each other, and nothing at all goes on a King.";
            break;
        default:
            text += "a King and an Ace do not follow each other. A joker goes on any card, and any card goes on a joker.";
            break;
        }
        return text + (Rule(rules, rule::TableauStyle) == pile_style::Row
                           ? " A card is free when no card of the row below covers it; a face-down card turns up once it "
                             "is free."
                           : " Only the top card of a tableau pile is free.");
    }
    case Special::PairsWithWaste:
    case Special::PairsWithWasteAlike: return "Click two top cards of the same rank, or one with the waste's top card, to remove them.";
    case Special::ElevensOrCourts: return "Click two cards from Ace to 10 that add up to 11, or a Jack, a Queen and a King, to remove them.";
    case Special::SuitElevensCourtSlots:
        return "Click two cards of one suit from Ace to 10 that add up to 11 to remove them. A Jack, a Queen or a King "
               "clicked alone goes into a court slot; once the slots hold a Jack, a Queen and a King of one suit, the "
               "three are removed together.";
    case Special::CourtFrame:
        return "Drag each card turned onto the waste to an empty place of the square: a King only to a corner, a Queen "
               "only to one of the two middle places of the top or bottom row, a Jack only to one of the two middle "
               "places of the left or right column, and a card from Ace to 10 to any empty place. Once every place holds "
               "a card, click a 10 to remove it, or two cards that add up to 10 (an Ace counts 1). Remove as many as you "
               "like: once you turn the next card, nothing more leaves until the square is full again, or until the "
               "stock and the waste are out. The game is lost when a turned card has no place to go.";
    case Special::AceOrEighteen: return "Click an Ace to remove it, or a court card with three cards from 2 to 10 that add up to 18.";
    case Special::TensTwentiesThirties: return "Click two or more cards that add up to 10, 20 or 30 to remove them (court cards count 10).";
    case Special::NinesOrTenToKing: return "Click one or two cards that add up to 9, or a 10, a Jack, a Queen and a King, to remove them.";
    case Special::TurnUpPairs: return "Click a face-down top card to turn it up; click two face-up cards of the same rank to remove them.";
    case Special::TurnUpElevens:
        return "Click a face-down top card to turn it up; click two cards that add up to 11, or a Jack, a Queen and a "
               "King, to remove them.";
    case Special::MemoryTwins:
        return "Click two face-down cards to turn them up. The same card from both packs leaves the table; any other "
               "pair is a miss, and both cards turn face down again.";
    case Special::MemoryRun:
        return "Click face-down cards to turn them up, the Ace first and then each rank in turn: a right card stays "
               "face up, a wrong one is a miss, and every card turned so far turns face down again.";
    case Special::MemoryPairs:
        return "Click two face-down cards to turn them up. Two cards of the same rank leave the table; any other pair "
               "is a miss, and both cards turn face down again.";
    case Special::GridExchange: return "Click two cards in the same row or column that add up to 14 to remove them.";
    case Special::LineFourteens:
        return "Click two cards in the same row or column that add up to 14 to remove them. The stock fills the places "
               "left; once it is out, the cards close up to the left.";
    case Special::PairsAnywhere:
        return "Click two cards of the same rank, wherever they lie, to remove them. The cards then close up to the "
               "left and the stock fills the places left at the end.";
    case Special::NeighbourThirteens:
        return "Click two cards that touch, in a row, a column or diagonally, and add up to 13 to remove them; a King "
               "is removed by itself. The cards then close up to the left and the stock fills the places left at the end.";
    case Special::FifteensOrTenToKing:
        return "Click cards from Ace to 9 that add up to 15 (as many as you need), or one each of 10, Jack, Queen and "
               "King, to remove them.";
    case Special::ElevensJacksQueenKing:
        return "Click two top cards from Ace to 10 that add up to 11, two Jacks, or a Queen and a King of different "
               "suits to remove them.";
    case Special::SumsWithReserves:
        return "Click two top cards of the piles and the reserves whose ranks add up to " + std::to_string(target) +
               " to remove them; a card of that rank goes by itself.";
    case Special::PairsWithReserves: return "Click two top cards of the piles and the reserves of the same rank to remove them.";
    case Special::SuitPairs:
    case Special::SuitPairsDealtRows: return "Click two top cards of the same suit to remove them.";
    case Special::TensLeftAlone:
        return "Click two cards from Ace to 9 that add up to 10, or two Jacks, two Queens or two Kings, to remove them. "
               "The 10s never leave.";
    case Special::RowBetweenMatches:
    case Special::RoyalMarriageRow:
    case Special::RowBetweenMatchesScored:
        return "Click a card, or two cards side by side, lying between two cards of the same suit or the same rank "
               "to remove them; the row closes up.";
    case Special::RowOntoMatch:
        return "Click the top cards of two piles of the row that share a suit or a rank and lie side by side or three "
               "places apart: the pile on the right goes whole onto the one on the left, and the row closes up.";
    case Special::RowMatchingPairs:
        return "Click two cards of the row that share a suit or a rank and lie side by side or three places apart to "
               "remove them; the row closes up.";
    case Special::RowRunsOfTens:
        return "Click two or more cards lying side by side in the row, each next to one already chosen, whose values "
               "add up to 10, 20 or 30 (court cards count 10) to remove them; the row closes up.";
    case Special::TwentyOneCells: return "Click a King to remove it, or two cards in one row or column that add up to 13.";
    default:
        return target > 0 ? "Click cards whose ranks add up to " + std::to_string(target) + " to remove them." : "";
    }
}

} // namespace

std::vector<std::string> Removing(const RuleVector& rules)
{
    std::vector<std::string> sentences;
    const Special special = SpecialGameOf(rules);
    if (special == Special::Golf)
        sentences.push_back("Click the top card of a tableau pile to play it onto the waste pile. It must be one rank "
                            "above or below the waste pile's top card, whatever its suit; a King and an Ace do not "
                            "follow each other.");
    if (RemovesByClicks(rules)) {
        if (auto text = RemovingSentence(rules); !text.empty())
            sentences.push_back(std::move(text));
        if (special == Special::NeighbourPairs)
            sentences.push_back("A click on the stock closes the gaps, moving the remaining cards up in reading order, "
                                "and deals new cards from the stock into the empty places at the end.");
        if (special == Special::NeighbourPairsByColumns)
            sentences.push_back("A click on the stock moves every card straight up its own column into the empty places "
                                "above it, then deals new cards from the stock into every place left empty.");
        if (SpecialTraitsOf(rules).stockClick == SelectionStockClick::TurnsIntoFreePlace)
            sentences.push_back("A click on the stock turns its top card onto the waste, but only while the waste is "
                                "empty and a place of the square is free.");
        if (SpecialTraitsOf(rules).stockClick == SelectionStockClick::DealsOntoRowEnd)
            sentences.push_back("The row runs from left to right, line after line. A click on the stock deals its top "
                                "card onto the row's end.");
        if (special == Special::TensOrFifteens || special == Special::ElevensOrCourts ||
            special == Special::TensTwentiesThirties)
            sentences.push_back("A click on the stock deals new cards into the empty tableau piles.");
    }
    return sentences;
}

} // namespace marlowe::wording
