#pragma once
// Named values of the rule parameters, shared by the game compiler and the engine: building
// codes, directions, base ranks, deal modes and click styles, pick rules, redeal styles, pile
// styles and arrangements. Plain integer constants in one namespace per parameter, so that a
// rule reads `rules[rule::TableauStyle] == pile_style::RowOfCells`. The values a game source may
// write by name carry their source name beside them.

#include <span>
#include <string_view>

namespace marlowe {

// A value with the name a game source may write instead of its number.
struct NamedRuleValue {
    std::string_view name;
    int value;
};

// FoundationBuildCode, TableauBuildCode, ReserveRule and the rule overrides: what a pile takes
// on its top card. 0-4 are the standard rule; the higher codes are the special building codes,
// of which those that rules outside their own code ask about are named here.
namespace building {
inline constexpr int InSuit = 0;
inline constexpr int SameColour = 1;
inline constexpr int AnySuit = 2;
inline constexpr int AlternateColours = 3;
inline constexpr int Nothing = 4;           // nothing builds; on a reserve: nothing is put there
inline constexpr int NoSuitCondition = 6;   // the suit test refuses every card
inline constexpr int SingleKingOnReserve = 8;
inline constexpr int CourtOnEmptyReserve = 9;
inline constexpr int QueenOnEmpty = 10;     // a foundation: a Queen on the empty pile only
inline constexpr int InSuitNoQueenOnCourt = 11;
inline constexpr int Always = 12;           // a reserve: anything, always
inline constexpr int OtherSuit = 21;        // the standard rule, but never onto a card of the same suit
inline constexpr int UpByTwos = 14;         // up by twos, threes or fours regardless of suit, past the King
inline constexpr int UpByFours = 16;
inline constexpr int DoubledRank = 37;      // twice the top card's rank less 13; the Kings once 48 cards lie there
inline constexpr int TwoUpInSuitFromBase = 41; // the base in a suit new to its row of four, then up by two in suit, past the King
inline constexpr int UpByFives = 170;       // up by fives to eights regardless of suit, past the King
inline constexpr int UpByEights = 173;
inline constexpr int NotFromTableau = 17;
inline constexpr int AlternateNotFromReserveOrFoundation = 27;
inline constexpr int NotFromTableauTwoDeep = 33; // as 17, onto a pile of at most one card
inline constexpr int NotFromTableauOrReserve = 19;
inline constexpr int UpAnySuitFromAce = 20; // a foundation that takes the whole pack
inline constexpr int WaitsForTableauSuit = 22;
inline constexpr int UpThenDownInSuit = 29; // a foundation that goes past its full count
inline constexpr int DownAnySuit = 34;      // one card at a time onto a non-empty pile
inline constexpr int UpOrDownAnySuitWrapping = 35; // one rank up or down, any suit, King and Ace touching
inline constexpr int DownAfterPreviousStarted = 36; // a foundation: its base once the one before is started, then down round the corner
inline constexpr int AfterStockAndWaste = 82; // a foundation: nothing until the stock and waste are out, then in suit
inline constexpr int UpInSuitRoundTheCorner = 95; // a foundation: an Ace, then up in suit, an Ace on the King
inline constexpr int InSuitDistinctStarts = 96; // a foundation: in suit, the four of its row begun in four suits
inline constexpr int JumpIntoGap = 71;      // a move onto the pile captures the card jumped
inline constexpr int AnythingOnEmptyReserve = 81;
inline constexpr int FromWasteOnly = 85;    // a reserve: cards from the waste only
inline constexpr int OneWasteCard = 186;    // a reserve: one card, from the waste, while it is empty
inline constexpr int JackOnEmptyReserve = 88;
inline constexpr int QueenOnEmptyReserve = 89;
inline constexpr int KingOnEmptyReserve = 90;
inline constexpr int AcesOfAlternateColours = 107; // a reserve: Aces only, colours alternating
inline constexpr int QueenOfFoundationSuit = 119;  // a reserve: the Queen of its foundation's suit
inline constexpr int InSuitEitherWayOnStartedPile = 129; // on tableau 0: building waits for the stock to run out
inline constexpr int WildJokersAlternating = 150; // a tableau: alternating colours, a joker on anything and anything on a joker
inline constexpr int JokersAfterSuits = 151; // a foundation: the jokers, once every other foundation is complete
inline constexpr int DownInSuitOrSameRank = 145;  // down in suit, or onto a card of the same rank
inline constexpr int UpToFourFromTableau = 153; // a reserve: at most four cards, each from the tableau
inline constexpr int CourtSlot = 188;          // a reserve: one Jack, Queen or King, a rank no reserve holds, their one suit
// A tableau place that holds one card for the foundations: it takes a card only while empty,
// from the waste or from another tableau pile (Step-Up's middle step; tableau lock 73 sends its
// card only home).
inline constexpr int HoldingPlace = 189;
// A row of cells whose cards change places: the card identical to the top card of the waste (its
// rank and suit from the other pack) swaps with any card of its own row or column (Pas de Deux).
inline constexpr int SwapsInLine = 190;
inline constexpr int SameRank = 152;        // a card of the same rank, any suit; an empty pile by its base
inline constexpr int FromBaseInRounds = 162; // a foundation: any suit from its base, up to the King, or down and again from the base after each Ace
inline constexpr int OutrankedInSuit = 163; // a foundation: a tableau top card beaten in its suit by another top card, Aces high
inline constexpr int InSuitEitherWayNotFromTableau = 179; // a tableau: in suit up or down, no wrap, never from the tableau
inline constexpr int DownInSuitOntoThree = 180; // a tableau: down in suit round the corner, onto three cards or more
inline constexpr int HigherInSuit = 185;    // a tableau: any higher card of the top card's suit; an empty pile by its base
inline constexpr int InSuitBesideEitherNeighbour = 181; // a gap: the next card up in suit from its left neighbour or down from its right
inline constexpr int InSuitAroundTheRing = 182; // as 181 with the rows read as one ring, and an Ace after any Queen
inline constexpr int UpInSuitBesideAGap = 183; // a foundation: up in suit round the corner; a row's card once the cell on its left is a gap
inline constexpr int InSuitFromColumnEnds = 169; // a foundation: in suit by its direction; a grid's card only from an open end of its column
inline constexpr int OnlyOntoEmpty = 164;   // a tableau: any card onto an empty pile, nothing onto a card
inline constexpr int DownAnySuitNoDiamonds = 196; // a tableau: down regardless of suit; a Diamond never goes onto a pile
inline constexpr int DiamondsRoundTheCorner = 197; // a foundation: any Diamond to start, then up in suit round the corner
inline constexpr int InSuitFedByOwnHalf = 195; // a foundation: in suit; before the first redeal, tableau cards from its own half only
inline constexpr int InSuitFedByOwnPileWhileStockLasts = 177; // a foundation: suit IDX modulo 4, in suit; begun, while the stock lasts, from its own tableau pile only
// A foundation in suit by its direction that takes a tableau card only while no round of placing
// stock cards is under way (special code 112, placing_rounds.h; Sly Fox).
inline constexpr int InSuitBetweenPlacingRounds = 176;
inline constexpr int UpAnySuitFromOwnPile = 191; // a foundation: up any suit, only from the tableau pile of its number but an Ace or the top rank
inline constexpr int OneSuitAnyOrder = 192; // a foundation: the cards of the suit its base names (1 hearts .. 4 spades), any order
inline constexpr int PlacedByRank = 193;   // a tableau: an empty place takes the waste's card, a court only where its base rank names it
// Piles headed by a card of their base rank (Salic Law's Kings, Intrigue's Queens): nothing is put
// on them while the stock lasts; then a pile holding its head alone takes any card but a head.
inline constexpr int HeadTakesOneAfterDeal = 165;
inline constexpr int DownAnySuitAfterDeal = 166; // as 165, and the others build regardless of suit
// Foundations begun only over a column already headed (pile IDX modulo the tableau count), by
// the standard rule regardless of suit; 168 begun in the suit of that column's head too.
inline constexpr int BegunOverHeadedColumn = 167;
inline constexpr int BegunInHeadsSuit = 168;

inline constexpr NamedRuleValue kSourceNames[] = {
    {"in-suit", InSuit}, {"same-colour", SameColour}, {"any-suit", AnySuit}, {"alternate", AlternateColours},
    {"none", Nothing},
};
} // namespace building

// StrippedPack: the ranks taken out of every pack. Building counts ranks as the pack holds them,
// so a 7 follows the Ace in a Piquet pack and the Queen is the top of a pack without Kings.
namespace stripped_pack {
inline constexpr int Full = 0;
inline constexpr int Piquet = 1;         // the 2s to 6s out: 32 cards
inline constexpr int PiquetNoKings = 2;  // the Kings out too: 28 cards
inline constexpr int AceToNine = 3;      // the 10s and the courts out: 36 cards
inline constexpr int NinesUp = 13;       // the 2s to 8s out: 24 cards

constexpr bool Holds(int strip, int rank)
{
    switch (strip) {
    case Piquet: return rank == 1 || rank >= 7;
    case PiquetNoKings: return rank == 1 || (rank >= 7 && rank <= 12);
    case AceToNine: return rank <= 9;
    case NinesUp: return rank == 1 || rank >= 9;
    default: return true;
    }
}

constexpr int CardsPerDeck(int strip)
{
    int ranks = 0;
    for (int rank = 1; rank <= 13; ++rank)
        ranks += Holds(strip, rank) ? 1 : 0;
    return 4 * ranks;
}

// A rank's place among the ranks the pack holds, the Ace first (a rank it lacks takes the place
// of the next lower rank it holds); other codes, a joker's among them, keep their value.
constexpr int Ordinal(int strip, int rank)
{
    if (rank < 1 || rank > 13)
        return rank; // no card, or a joker
    int place = 0;
    for (int r = 1; r <= rank && r <= 13; ++r)
        place += Holds(strip, r) ? 1 : 0;
    return place;
}

constexpr int TopOrdinal(int strip) { return Ordinal(strip, 13); }
} // namespace stripped_pack

// FoundationDirection, TableauDirection.
namespace direction {
inline constexpr int Down = 0;
inline constexpr int Up = 1;
inline constexpr int UpOrDown = 2;

inline constexpr NamedRuleValue kSourceNames[] = {{"down", Down}, {"up", Up}, {"up-or-down", UpOrDown}};
} // namespace direction

// DrawCount: the cards a stock click turns onto the waste. A negative count -n turns n cards on
// the first pass and one fewer on each later pass, never fewer than one (Gold Rush).
namespace draw {
constexpr int CardsPerClick(int drawCount, int pass)
{
    if (drawCount >= 0)
        return drawCount;
    const int cards = -drawCount - (pass - 1);
    return cards > 1 ? cards : 1;
}
} // namespace draw

// TableauWrap.
namespace wrap {
inline constexpr int NoBuildOnBase = 0; // King and Ace wrap; a card of the base rank takes nothing
inline constexpr int BuildOnBase = 1;   // they wrap and such a card takes cards
inline constexpr int None = 2;
} // namespace wrap

// FoundationBaseRank, TableauBaseRank: what starts an empty pile. 1-13 that rank; the codes
// from 81 on are start conditions of their own.
namespace base_rank {
inline constexpr int NoCard = 0;
inline constexpr int AnyCard = -1;
inline constexpr int BalancedColoursFromAce = 81;
inline constexpr int WholeSequencesFromAce = 82;
inline constexpr int WholeSequencesFromAceToo = 83;
inline constexpr int BalancedSuitsFromKing = 84;
inline constexpr int BalancedSuitsFromAce = 85;
inline constexpr int SingleCard = 86;
inline constexpr int FromReserveOrFoundation = 87;
inline constexpr int NotFromTableau = 88;
inline constexpr int WholeSuitFromAnyRank = 89; // thirteen cards of one suit down from any rank, round the corner
inline constexpr int BalancedSuitsFromTwo = 90;
inline constexpr int BelowFoundationBase = 91;  // the deal replaces it by the rank below foundation 0's base
inline constexpr int RankOfStarted = 92;
inline constexpr int RankOfStartedFromReserve = 93;
inline constexpr int WholeSequences = 95;
inline constexpr int FromReserveOrWaste = 96;
inline constexpr int WholeSequencesTwo = 97;
inline constexpr int WholeSequencesThree = 98;
inline constexpr int WholeSequencesFour = 99;
inline constexpr int AceOrKing = 100;           // an Ace or a King
inline constexpr int FourOfAKind = 121;         // a discard pile: four cards of one rank, which leave the tableau by themselves

// The foundations that take only complete sequences (or sets of four), which leave the tableau by themselves.
constexpr bool TakesWholeSequences(int base)
{
    return base == WholeSequencesFromAce || base == WholeSequencesFromAceToo || base == WholeSequences ||
           base == WholeSequencesTwo || base == WholeSequencesThree || base == WholeSequencesFour ||
           base == WholeSuitFromAnyRank || base == FourOfAKind;
}
} // namespace base_rank

// TableauDealMode, ReserveDealMode: how a pile takes part when the stock deals a row.
// DealFamily: the rows of cells set in order in place. Family 8 turns the Aces into gaps; the
// others deal rows one cell longer than their cards.
namespace deal_family {
inline constexpr int AcesToGaps = 8;            // the Aces leave gaps
inline constexpr int GapOpensEachRow = 58;      // every row starts with a gap
inline constexpr int AcesOpenEachRow = 59;      // the Aces move to the rows' starts, gaps where they lay
inline constexpr int AcesThenGapOpenEachRow = 60; // each row: an Ace, a gap, then the other cards
inline constexpr int OneSuit = 91;              // the Ace to the King of one suit, the pack's first card's
inline constexpr int AlternateFromUpAcesHome = 92; // piles alternately face up and down from the bottom, face-up Aces home
inline constexpr int KingsToGapsInRowsOfNine = 15; // the Kings leave gaps, and gaps fill every row to nine cells
inline constexpr int BaseRankHomeLeavingGaps = 71; // the foundations' base rank goes home from the rows, leaving gaps
inline constexpr int PacksApart = 73;           // two packs kept apart: the second forms the stock, the first the tableau

constexpr bool SetsRowsInPlace(int family)
{
    return family == AcesToGaps || family == GapOpensEachRow || family == AcesOpenEachRow ||
           family == AcesThenGapOpenEachRow;
}

// The rank each row is set in order from: a 2 where the Aces became gaps, else the Ace.
constexpr int FirstRankOfRows(int family)
{
    return family == AcesToGaps ? 2 : 1;
}
} // namespace deal_family

namespace deal_mode {
inline constexpr int None = 0;
inline constexpr int Row = 1;            // a card per row
inline constexpr int RowWithoutGaps = 2; // a row only while no tableau pile is empty
inline constexpr int ReserveFaceDown = 5;
inline constexpr int TableauFaceDown = 6;
inline constexpr int OntoCardsOnly = 7;  // only while the pile holds cards
inline constexpr int FourAtATime = 8;
inline constexpr int RowWhileHomeOpen = 67; // a card per row, none while the foundation of the pile's number is full
inline constexpr int FirstDealing = 1;   // the modes from here to LastDealing receive cards
inline constexpr int LastDealing = 15;

// Whether a pile of the mode takes cards when the stock deals a row.
constexpr bool ReceivesRows(int mode)
{
    return (mode >= FirstDealing && mode <= LastDealing) || mode == RowWhileHomeOpen;
}
} // namespace deal_mode

// The stock's click style, chosen by the deal mode of tableau 0 (or of reserve 0).
namespace click_style {
inline constexpr int FourPerPile = 8;
inline constexpr int TopUpToThree = 9;
inline constexpr int EightPilesPerClick = 10;
inline constexpr int EveryPilePerClick = 11;
inline constexpr int RowBeforeTurn = 12;
inline constexpr int ThreeHands = 13;
inline constexpr int LastCardsToReserves = 14;
inline constexpr int RowsBeforeTurns = 15;
inline constexpr int TopUpOrTurn = 36;     // as 9, but a click that tops up a pile turns no card
// One card a click onto the newest pile (the last holding cards); a card of the piles' base rank
// starts the next pile, and a card an empty one-card foundation takes goes there instead.
inline constexpr int OntoNewestPile = 37;
// The grid of one-card piles (GridColumns a row): a click fills the gaps of the rows down to the
// last that holds cards, or deals a new row beneath it when there is none.
inline constexpr int GapsThenRowBelow = 68;
// Of reserve 0.
inline constexpr int LastEightToTableau = 3;
inline constexpr int AlternateReserves = 4;
inline constexpr int ReservesWithTableaus = 5; // the reserves are dealt with the tableau, face down
} // namespace click_style

// TableauPickRule, ReservePickRule: which cards may be picked up. A value of 0 or more picks at
// most that many cards; other negative values pick by the number of empty tableaus.
namespace pick {
inline constexpr int Any = -1;
inline constexpr int ByEmptyPiles = -5;      // empty reserves and tableaus, a run onto an empty pile counted
inline constexpr int ByEmptyPilesStrict = -6;
inline constexpr int FannedReserveAny = -11;
inline constexpr int SingleOrRunOnKing = -12;
inline constexpr int SingleOrWholePile = -13;
inline constexpr int NeverFromReserve = -14;
inline constexpr int SpecialTest = -15;
inline constexpr int BorderedByGaps = -16;
inline constexpr int SinglesWithDraw = -17;  // a longer pick is the one-time Draw
// Runs as long as the free cells and spaces would let them move one card at a time:
// (empty reserves + 1) doubled for each empty tableau, halved onto an empty tableau.
inline constexpr int ThroughCellsAndSpaces = -18;
// A reserve: any one of its face-up cards plays, alone, wherever it lies in the fan.
inline constexpr int FannedReserveSingles = -19;
} // namespace pick

// RunRule: how a run moved onto a tableau pile is tested.
namespace run_rule {
inline constexpr int AnyRun = 0;
inline constexpr int ByDestinationCode = 1;
inline constexpr int InSuit = 10;
inline constexpr int SameColour = 11;
inline constexpr int InSuitOrOneRank = 12; // down in suit, or every card of one rank
} // namespace run_rule

// RedealStyle: 0 or less turns the waste over; 1 or more is the game's own redeal action.
namespace redeal {
inline constexpr int FirstOwn = 1;           // styles from here on are the game's own redeals
inline constexpr int FillEachToDealt = 1;    // mixed and dealt back, each tableau filled to its dealt count
inline constexpr int GatherOntoStock = 4;
inline constexpr int GatherOntoStockToo = 5;
inline constexpr int AcesFirstEveryClick = 6; // runs on every stock click
inline constexpr int BottomToTop = 7;
inline constexpr int RowsKeepRunFromTwo = 8;
inline constexpr int GridBottomsToWaste = 9;
inline constexpr int GatherWithReserves = 10;
inline constexpr int TopsInTurn = 11;
inline constexpr int TopsInTurnDealtBack = 12;
inline constexpr int PileSpread = 13;
inline constexpr int PositionsInTurn = 14;
inline constexpr int CountingDeal = 15;
inline constexpr int GatherThenTurn = 16;
inline constexpr int ReserveDealing = 18;    // the stock deals to ever fewer reserves
inline constexpr int Shift = 19;
inline constexpr int WasteToReserves = 20;
inline constexpr int DealtPatternAgain = 21; // the tableau mixed and dealt again in the deal's own pattern
inline constexpr int InOrderUnmixed = 22;    // the piles gathered in order and dealt back unmixed
inline constexpr int InOrderDealtInRows = 23; // gathered as 22, dealt back one card to each pile in turn
inline constexpr int RowsKeepRunGapsLast = 33; // as 8, each row's gap at its right end
inline constexpr int RowsKeepRunGapsMixed = 34; // as 8, the gaps mixed in with the cards
inline constexpr int GatherWithReservesInOrder = 35; // as 10, the piles and the reserves not mixed
inline constexpr int WithStockAcesHome = 75; // tableau and stock mixed and dealt again, the Aces met going home
inline constexpr int UnderStockWasteFirst = 96; // the tableau under the stock; the waste's card starts the first pile

// Styles whose redeal a click on the stock starts while the stock still holds cards.
constexpr bool RedealsFromFullStock(int style)
{
    return style == AcesFirstEveryClick || style == WithStockAcesHome;
}
inline constexpr int RoundsLastFaceUp = 66;     // the tableau mixed, dealt in rounds, each pile alternately down and up to a face-up top
inline constexpr int FiveRowsThenAllMixed = 65; // five rows a pass; then piles and stock mixed into a new stock
inline constexpr int kRowsPerPass = 5;          // the deal (or the redeal) lays the first, stock clicks the others

// Whether the pass is out: the stock is empty, its clicks have dealt the rows a pass allows, or
// the one-card waste of style 96 holds its card.
constexpr bool PassIsOut(int style, bool stockEmpty, int rowsClicked, bool wasteHoldsCard)
{
    return stockEmpty || (style == FiveRowsThenAllMixed && rowsClicked >= kRowsPerPass - 1) ||
           (style == UnderStockWasteFirst && wasteHoldsCard);
}
} // namespace redeal

// TableauLock: what waits while the stock or the waste holds cards.
namespace tableau_lock {
inline constexpr int None = 0;
inline constexpr int ToFoundations = 1;   // tableau cards do not go to the foundations
inline constexpr int AllMoves = 2;        // tableau cards do not move (3 says the same)
inline constexpr int AllMovesToo = 3;
inline constexpr int NoBuilding = 14;     // no card goes onto a tableau pile
// A holding place's card (building code 189) goes only to a foundation, and the cards of the
// other tableau piles go there only while a holding place stands empty.
inline constexpr int HomeWhileHoldingPlaceEmpty = 73;
} // namespace tableau_lock

// TableauStyle, FoundationStyle, ReserveStyle: how a pile's cards lie.
namespace pile_style {
inline constexpr int Unfanned = -1;            // a tableau of style PerTableau without a fan of its own
inline constexpr int Squared = 0;
inline constexpr int FannedDown = 1;
inline constexpr int FannedRight = 2;
inline constexpr int Row = 4;                  // the piles overlap; a removed card leaves a gap
inline constexpr int SquaredWithDepth = 5;
inline constexpr int FixedRightStep = 6;
inline constexpr int TopCardOffset = 7;
inline constexpr int Serpentine = 8;           // every card in tableau 0 with gaps between them
inline constexpr int RowOfCells = 9;           // every card slot is a place of its own
inline constexpr int FannedLeft = 10;
inline constexpr int PerTableau = 11;          // each tableau has its own style
inline constexpr int FannedDownKeepingGaps = 12;
inline constexpr int FannedDownDoubled = 13;
} // namespace pile_style

// StockArrangement, FoundationArrangement, TableauArrangement, ReserveArrangement,
// SecondWasteArrangement: how a kind of pile is placed on the board; a number means something of
// its own for each kind. The whole-board tableau arrangements named here are the best known.
namespace arrangement {
inline constexpr int None = 0;

namespace tableau {
inline constexpr int SpreadRow = 1;
inline constexpr int CentredRow = 2;
inline constexpr int RowRightOfColumn = 3;      // one column of stock-group piles at its left
inline constexpr int GridOfRows = 10;           // rows of the row table
inline constexpr int RowRightOfTwoColumns = 11;
inline constexpr int RowRightOfColumnToo = 12;
inline constexpr int TightRowFromLeft = 13;
inline constexpr int SpreadRowToo = 14;
inline constexpr int SpreadRowHigh = 15;        // the rows of the board drawn closer to the top
inline constexpr int GridOfCentredRows = 18;    // rows centred from the tableau's own row
inline constexpr int UnderFoundations = 20;     // centred under the foundation row
inline constexpr int RowRightOfTwoColumnsTight = 21;
inline constexpr int Cross = 52;
inline constexpr int Pyramid = 54;
inline constexpr int ClockFace = 142;        // thirteen pairs of a pile and its home, twelve round an oval
inline constexpr int Peaks = 143;            // overlapping rows of peaks, the stock and secondary waste under them
inline constexpr int RowsBesideStock = 163;  // centred rows of foundations, tableaus and reserves, the stock at their left
inline constexpr int ReservesBesideFoundationRows = 164; // each reserve with a foundation fanned as a row beside it
inline constexpr int FrameRoundFoundations = 205; // the tableau piles in a frame round rows of foundations
inline constexpr int Tower = 228;             // centred rows one card longer each, up to GridColumns
inline constexpr int ColumnsFlankingFoundations = 239; // two columns of foundations between two of tableau piles, corners above and below
inline constexpr int BetweenFoundationColumns = 229; // the tableau between two columns of foundations
// Centred rows of GridColumns tableau piles under a centred row of foundations; the stock and the
// waste at the left of the last row (Step-Up's steps).
inline constexpr int StepsUnderFoundations = 243;
} // namespace tableau

namespace stock {
inline constexpr int LeftOfTableauWasteBelow = 3;
inline constexpr int OverFirstColumns = 4;
inline constexpr int RowFromLeft = 5;
inline constexpr int WasteLeftOfTableau = 11;
inline constexpr int AtLeftEdge = 13;
inline constexpr int LeftOfTableau = 16;
inline constexpr int FarLeftOfTableau = 19;
inline constexpr int WasteNextToTableau = 21;
inline constexpr int OverFirstColumnsApart = 23;
} // namespace stock

namespace foundation {
inline constexpr int SpreadOverWidth = 1;
inline constexpr int Centred = 2;
inline constexpr int OverLastColumns = 7;
inline constexpr int RightAligned = 8;
inline constexpr int LeftFromLastColumn = 9;
inline constexpr int OverLastColumnsOrLeftward = 13; // leftward from the last column on a low screen
inline constexpr int RightOfStockGroup = 17;
inline constexpr int OverEachTableau = 22;
inline constexpr int OverLastColumnsInTwoRows = 53; // half in the group's row, half in the row below
} // namespace foundation

namespace reserve {
inline constexpr int OverEachTableau = 4;
inline constexpr int RowFromLeft = 5;
inline constexpr int RowFromFirstColumn = 6;
inline constexpr int OverLastColumns = 7;
inline constexpr int ColumnUnderWaste = 11;
inline constexpr int ColumnLeftOfTableau = 12;
inline constexpr int ColumnUnderStock = 23;
} // namespace reserve

namespace second_waste {
inline constexpr int OverThirdColumn = 4;
inline constexpr int OverSecondColumn = 6;
inline constexpr int OverLastColumn = 7;
inline constexpr int UnderStock = 16;
} // namespace second_waste
} // namespace arrangement

} // namespace marlowe
