#pragma once
// What a special game does differently, as traits. A game's rules may carry a special-game code
// (rule::SpecialGame); each code we play has one row here saying what it changes. The engine, the
// scoring, the history and the rules page ask the traits (or the small predicates below) instead of
// comparing codes; where a game needs a routine of its own, the code is switched over by its name.

#include "catalogue/rule_vector.h"

namespace marlowe {

// The special-game codes. Codes that behave alike everywhere we read them carry the name of
// the first with "Alike".
enum class Special : int {
    None = 0,
    TensOrFifteens = 1,       // pairs to 10 or four of a kind of the courts, or pips to 15
    Golf = 2,                 // a tableau top card plays onto the waste pile one rank up or down
    PairsToFourteen = 3,      // top cards of tableaus and reserves summing to 14
    Pyramid = 4,              // free cards of the pyramid summing to 13
    PairsToTarget = 7,        // at most two cards summing to the selection mode
    NeighbourPairs = 8,       // equal ranks in touching cells of a grid of five
    FillEveryPile = 9,        // no score; won when every tableau holds cards
    AcesFromReserve = 11,     // the deal moves the Aces of the reserve and the waste home
    GolfEddy = 12,            // golf with King and Ace adjacent, its own sound on the waste pile
    PairsWithWaste = 14,      // equal top cards of the tableau and the waste
    GolfWrapping = 15,        // golf with King and Ace adjacent
    PairsWithWasteAlike = 16,
    ElevensOrCourts = 17,     // pips to 11, or a Jack, a Queen and a King
    AceOrEighteen = 18,       // an Ace alone, or a court and three pips to 18
    TensTwentiesThirties = 20,
    RowBetweenMatches = 21,   // Push Pin: a row from which the cards between matching cards leave
    RoyalMarriageRow = 22,    // as 21, the Queen of hearts first and the King of hearts last
    DropsAsAutoplay = 23,     // a drop is undone with the automatic moves before it
    NinesOrTenToKing = 24,
    TurnUpPairs = 25,         // a click turns a face-down top card; equal ranks pair
    TurnUpElevens = 26,       // as 25, pips to 11 or one of each court
    OneCardEach = 27,
    CountedStockTurns = 28,   // every stock turn counts as a deal
    AcesAlone = 31,
    Peeking = 32,             // the right button peeks; no score, no win
    HighlightOne = 33,        // a click highlights one tableau card
    OrderedBottoms = 34,
    SecondWasteTens = 35,
    MemoryRun = 36,           // memory: the cards turned must run up from an Ace
    MemoryTwins = 37,         // memory: the same card of both packs
    MemoryCount = 38,         // memory: only its summary page is built here
    MemoryPairs = 39,         // memory: two cards of one rank
    BuildsOnFaceDown = 40,
    CourtSums = 41,           // a court with pips summing to its rank
    ZeroScoreGoal = 42,
    NineDownRows = 43,
    CheckedAtDeal = 44,       // the won test runs as soon as the deal is done
    OneSuitSums = 45,
    PeekingAlike = 46,
    GroupPairs = 47,          // pairs two apart within groups of seven tableaus
    KeepsSets = 48,           // complete sets stay on the table
    TwoCardExchange = 49,     // a two-card tableau swaps its cards back
    DoubledBases = 50,        // the deal doubles the base ranks of the second half
    ReserveOfEight = 52,
    TableauFixed = 53,        // tableau cards are never picked
    TableauFixedAlike = 54,
    StockEmptied = 55,
    BottomSums = 57,          // two tableau cards change places until the rank sums match
    PuzzleDigits = 58,
    FillEveryPileAlike = 59,
    WasteClimbsFirstFoundation = 61, // a click on the waste sends its card up onto foundation 1
    NinePilesCleared = 62,
    TwoCardExchangeAlike = 63,
    Baccarat = 64,
    TableAndHome = 65,
    PyramidCovered = 67,      // pyramid whose half-covered cards pair with their cover
    RowBetweenMatchesScored = 70, // as 21, five points a card that leaves
    GridExchange = 71,        // sums to 14 in a grid row or column; one exchange per game
    FiveCardRows = 72,
    KingQueenJack = 73,
    Thirties = 74,
    TwentyOneCells = 75,      // Kings, or pairs to 13 in one line of a 21-cell layout
    IdleStock = 76,           // the stock does nothing, face-down cards stay down; the score stays 0
    FillEveryPileUnscored = 77,
    PyramidOnly = 78,         // as 4, won once the pyramid is cleared, whatever the stock and waste hold
    LineFourteens = 79,       // sums to 14 in one row or column of a grid of five; gaps close once the stock is out
    PairsAnywhere = 80,       // equal ranks anywhere; the table closes up and refills after each pair
    NeighbourThirteens = 81,  // touching cells of a grid of five summing to 13, a King alone; closes up and refills
    FifteensOrTenToKing = 82, // pips to 15, any number of them, or one each of 10, Jack, Queen and King
    TensLeftAlone = 83,       // pips to 10, or two courts of one rank; won when only the 10s are left
    ElevensJacksQueenKing = 84, // pips to 11, two Jacks, or a Queen and a King of different suits
    SuitPairs = 85,           // two cards of one suit; won with one card of each suit left
    SuitPairsDealtRows = 86,  // as 85, the stock dealing a card onto every pile, no refill
    SumsWithReserves = 87,    // one or two top cards of tableaus and reserves summing to the selection mode
    PairsWithReserves = 88,   // two top cards of tableaus and reserves of one rank
    NamedPileTurns = 89,      // Clock: the card turned names the pile turned next
    OntoWasteTurningCorner = 90, // a free tableau card one rank from the secondary waste's top goes there, King and Ace touching
    OntoWasteDeadKing = 91,   // as 90 without the corner, and nothing goes on a King
    NeighbourPairsByColumns = 92, // as 8, the stock click closing each column of the grid upward
    OntoWasteJokersWild = 93, // as 90 without the corner; a joker goes on any card and any card on a joker
    PyramidTwoWasteCards = 94, // as 4, the card under the waste's top card free too
    DiamondsHomeSuitsInRuns = 115, // won with the Diamonds home and each other suit in one pile, King to Ace
    NamedPileTurnsLendingOnce = 110, // as 89; once the game sticks, any pile may lend its top card once
    FoundationsCompleteWin = 111, // won once every foundation is complete, whatever the table holds
    HeadsAlone = 95,          // won when the stock is out and every tableau pile holds only its head
    RowOntoMatch = 105,       // a row of piles: a pile goes onto the first or third pile on its left when their tops match
    RowMatchingPairs = 106,   // as 105, the two matching cards leaving the row together
    RowRunsOfTens = 107,      // as 105, side-by-side cards summing to 10, 20 or 30 leaving the row
    SuitRunsInPiles = 108,    // won when each tableau pile holds one suit, King to Ace
    SuitElevensCourtSlots = 109, // pairs of one suit to 11; courts go to slots, a full set of them leaving
    PlacingRounds = 112,      // a waste card put on a pile starts a round of placing, one card a pile, before piles play again
    ThreeTurnsWhilePlaceEmpty = 114, // while a holding place is empty, three stock turns before it must be filled
    SwapsToSuitRows = 116,    // each swap turns the next stock card; won with the rows in suit order, Ace to King
    CourtFrame = 117,         // turned cards placed in a square whose frame keeps the courts; 10s and pairs to 10 leave once it is full
};

// Whether the score is kept, and when.
enum class ScoreKeeping {
    Kept,        // computed at the deal and after every move
    NotKept,     // never computed nor shown
    FixedAtDeal, // computed at the deal only: moves and deal-time foundation cards leave it
};

// How the score is computed.
enum class ScoreRule {
    Standard, Zero, OrderedBottoms, SecondWasteTens, MemoryRun, MemoryTwins, MemoryPairs, NineDownRows,
    PackOnly, GroupPairs, FoundationOne, SecondWaste, FirstTwentyFourTableaus, AllTableaus, BottomSums,
    PuzzleDigits, NinePilesCleared, Baccarat, TableAndHome, Thirties,
};

// When the game is won.
enum class WonTest {
    General, PyramidCleared, EveryTableauHoldsCards, RowOfTwo, OneCardEach, AcesAlone, Never, ScoreGoal,
    OnlyFirstFoundation, NineDownRow, FourPilesLeft, FourEachOfTwentyFour, ReserveOfEight,
    BottomSums, PuzzleDigits, NinePilesCleared, ThreePilesCleared, StockAndWasteEmpty, FiveEach,
    KingQueenJack, Thirties, PyramidOnly, OnlyTensLeft, OneOfEachSuitLeft, SuitRunsBesideHome, FoundationsComplete, HeadsAlone,
    OnePileLeft, SuitRowsInOrder, OnlyCourtsLeft,
};

// What a stock click does in a selection game.
enum class SelectionStockClick {
    DealsRow,          // "Add_Tableaus"
    Ordinary,          // the stock's ordinary click
    ClosesUp,          // closes the tableau up and refills it from the stock
    TurnsOnEmptyWaste, // turns cards while the waste is empty
    FillsGapsFromRight,
    DealsOntoRowEnd,   // one card onto the first empty tableau, the end of a row that closes up
    TurnsIntoFreePlace, // one card onto the empty waste while a tableau place is free; ends the removals
};

// What follows a move onto a tableau pile.
enum class AfterTableauMove { Nothing, ScoreAndWinTest, WinTest, TwoCardExchange };

// When the won mark is stored after a move of any kind.
enum class WinTestAfterMove { Never, EveryMove, MovesToReserves };

// A step of the deal of the game's own.
enum class DealStep { None, AcesFromReserve, DoubledBases, HeartCourtsPlaced };

inline constexpr int kNoMemorySummary = -1;

struct SpecialTraits {
    Special code = Special::None;
    ScoreKeeping scoreKeeping = ScoreKeeping::Kept;
    ScoreRule score = ScoreRule::Standard;
    WonTest won = WonTest::General;
    bool wonTestAtDeal = false;
    WinTestAfterMove winTestAfterMove = WinTestAfterMove::Never;
    AfterTableauMove afterTableauMove = AfterTableauMove::Nothing;
    DealStep dealStep = DealStep::None;

    // Played by selecting cards even without a selection mode (the cards leave in sets).
    bool selectsCards = false;
    // A free card of the tableau one rank above or below the secondary waste's top card goes
    // there alone (golf played by selection, from columns or from overlapping rows).
    bool rankNeighbourOntoWaste = false;
    // A left click highlights one tableau card instead of picking it.
    bool highlightsOnClick = false;
    // The pyramid: free cards select, the stock's top card joins a selection, a pass lets go
    // of a selected card that went back to the stock.
    bool pyramid = false;
    SelectionStockClick stockClick = SelectionStockClick::DealsRow;
    bool pairsOnly = false;      // a sum of at most two cards
    bool oneSuitSets = false;    // every card of a set in one suit
    bool turnsUpOnClick = false; // a face-down top card turns up on a click, and after a removal
    bool refillsAfterSet = true; // the empty tableaus refill from the stock after a set
    bool keepsSets = false;      // a complete set stays on the table
    bool swapsSets = false;      // a complete set changes places
    bool stacksPairs = false;    // of a complete pair, the right pile goes onto the left one
    bool closesGapsAfterSet = false;
    bool closesUpBeforeRefill = false; // after a set the tableaus close up to the left, then the stock refills the end
    bool closesUpByColumns = false; // the stock's close-up moves cards up their own grid column, not back in reading order
    bool fillsAfterRemoval = false; // the empty tableaus fill by the fill rule after a removal
    bool closesGroupAfterRemoval = false;
    bool handsFromTableauBottoms = false; // the removed set is the bottom cards of the first three tableaus
    bool offersExchange = false; // a pair that is no set may change places once per game
    bool replacesFirstChoice = false;
    bool courtSlots = false;     // a court chosen alone goes to a court slot (a reserve); full slots leave together
    // The waste's card is dragged to its place rather than selected, and sets leave only in the
    // removal phase: once the tableau is full, until the next card is turned (`placing_phases`).
    bool placesTurnedCards = false;

    bool memoryClicks = false;   // a click turns face-down tableau cards, pairs or misses
    int memorySummaryPage = kNoMemorySummary;

    bool golf = false;           // a tableau top card plays onto the secondary waste, one rank apart
    bool golfWraps = false;      // King and Ace are one rank apart there
    bool eddySound = false;      // a card reaching the secondary waste plays "Eddy"
    bool tableauNeverPicked = false;
    bool rightPressPeeks = false;
    bool buildsOnFaceDown = false;
    bool idleStock = false;
    bool pressTurnsUpTableau = true; // a press on a face-down tableau top card turns it up
    bool wasteClickClimbs = false;   // a waste click sends the card one rank up onto foundation 1
    bool countsStockTurns = false;
    bool dropsAsAutoplay = false;
    // A click turns only the top card of the pile the last card named, which goes to the
    // foundation of its rank (Clock).
    bool turnsNamedPile = false;
    // Once in a game, when the pile named is empty, any other pile may lend its top card (Relaxed Clock).
    bool lendsOnceWhenStuck = false;
    // A card the player puts from the waste onto a tableau pile counts in a round of placing,
    // kept in the first game counter (placing_rounds.h; Sly Fox).
    bool placingRounds = false;
    // While a holding place (tableau building code 189) stands empty, the stock turns at most
    // this many cards before one is filled; 0: no limit.
    int turnsWhilePlaceEmpty = 0;
    // A swap of two cells (tableau code 190) turns the stock's next card in the same move.
    bool turnsAfterSwap = false;
};

Special SpecialGameOf(const RuleVector& rules);
// The traits of the game's code; a code the program does not know has the traits of none.
const SpecialTraits& SpecialTraitsOf(const RuleVector& rules);

// Cards leave the table in sets chosen by clicks; the selection lives in foundation 1.
bool IsSelectionGame(const RuleVector& rules);
// A left click goes to the game's click action: the selection games and the highlighting one.
bool LeftClickSelects(const RuleVector& rules);
// The memory games: clicks turn face-down cards, pairs leave, misses are counted.
bool IsMemoryGame(const RuleVector& rules);
// The score is computed and shown at all.
bool ShowsScore(const RuleVector& rules);
// Moves and deal-time foundation cards change the score.
bool ScoreFollowsPlay(const RuleVector& rules);
// The stock click of the selection game closes the tableau up or fills its gaps.
bool StockCompactsTableau(const RuleVector& rules);
// The game is won by a test of its own rather than by clearing the table or reaching a score.
bool HasOwnGoal(const RuleVector& rules);

} // namespace marlowe
