#pragma once
// The table as the fast search sees it: every card a byte, the piles laid end to end in one
// small array, so that a position copies, hashes and packs in a few hundred bytes. A model is
// made from a game only where its rules are ones the model carries out exactly as the engine
// does (the common building codes and base ranks, cells, a stock turned onto a waste, Golf's
// waste); the legality of a card on a card is the engine's own predicate, asked once for every
// pair when the model is made. Every move of the model stands for actions of the play protocol,
// so a line found on the model is replayed through the engine before it is believed.

#include "engine/legality.h"
#include "engine/play_actions.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace marlowe {

class GameContext;

inline constexpr int kModelCardSlots = 224;
inline constexpr int kModelPileSlots = 64;
inline constexpr std::uint8_t kFaceDownBit = 0x80;
inline int CodeOf(std::uint8_t byte) { return byte & ~kFaceDownBit; }
inline bool FaceDown(std::uint8_t byte) { return (byte & kFaceDownBit) != 0; }

// The cards of every pile, pile after pile; pile p holds cards [end[p-1], end[p]) with its top
// card last. A card byte is the card code, with kFaceDownBit set while it lies face down.
struct ModelPosition {
    std::array<std::uint8_t, kModelCardSlots> cards{};
    std::array<std::uint8_t, kModelPileSlots> end{};
    std::uint8_t redeals = 0; // the waste's turns so far, where passes are limited

    bool operator==(const ModelPosition&) const = default;
};

// One move of the model: count cards from the top of pile from onto pile to (after clicks on
// the stock that bring the card to the waste's top, or, from a fanned reserve whose every card
// plays alone, the card depth cards down), a click on the stock (a row dealt, where
// the stock deals onto the tableau), a click that turns
// the face-down top card of pile from, or, in rows of cells, the card at slot from into the gap
// at slot to (slots count through the whole position's cards).
struct ModelMove {
    enum class Kind : std::uint8_t { Cards, Stock, TurnUp, Cell };
    Kind kind = Kind::Cards;
    std::uint8_t from = 0;
    std::uint8_t to = 0;
    std::uint8_t count = 1;
    std::uint8_t clicks = 0;
    std::uint8_t depth = 0; // a card played from within a fanned reserve: the cards lying on it
    // A card played out of the waste, joined with the move that builds on it (JoinParkedCards):
    // thenCount cards from pile thenFrom (after thenClicks clicks) onto pile thenTo (0: none).
    std::uint8_t thenFrom = 0;
    std::uint8_t thenTo = 0;
    std::uint8_t thenCount = 0;
    std::uint8_t thenClicks = 0;
};

// Piles of the model as bits, pile p as bit p.
using PileSet = std::uint64_t;
inline constexpr PileSet kAllPiles = ~PileSet{0};
constexpr PileSet PileBit(int pile) { return PileSet{1} << pile; }
// A hash of each pile's cards, from which a position's key is made.
using PileHashes = std::array<std::uint64_t, kModelPileSlots>;

struct DistanceWeights {
    int off, faceDown, blocking, cellsUsed, pilesUsed, disorder;
};

class CardModel {
public:
    // The model of the game in the context, or nothing when its rules ask for more than the
    // model carries out (or autoplay is on: its moves are the engine's business).
    static std::optional<CardModel> Of(const GameContext& context);

    // Where cards are turned from the stock several at a time with passes unlimited, the same
    // game turning one card at a time: every card the game lets a player bring up, it lets
    // him bring up too, and it differs in nothing else, so a deal it loses is lost in the game.
    std::optional<CardModel> TurningOneCard() const;

    // The table of the context as a position of the model.
    ModelPosition Read(const GameContext& context) const;

    // Every move legal in the position. Moves that could only make a position the search has
    // already met (a card onto a second empty pile alike) are left to the transposition table.
    // Where the stock turns onto a waste, clicks alone are no move: each card the clicks can bring
    // to the waste's top is played by one move, clicks and all, since clicks change nothing but
    // which card shows and may as well come just before the card is played.
    void Moves(const ModelPosition& position, std::vector<ModelMove>& moves) const;
    // Where every card of the stock and waste is always in reach (one card a click, passes
    // unlimited), a card played from the waste onto the tableau is of use only once a card is
    // built on it: such plays are replaced by the play joined with each move that builds on
    // the card, so that the search meets no position in which a card was put out for nothing.
    // No win is lost by it (card_model_parking.cpp says why).
    void JoinParkedCards(const ModelPosition& position, std::vector<ModelMove>& moves) const;
    bool JoinsParkedCards() const { return parksJoin_; }
    // Carries the move out, with what follows it by the game's rules (a face-down card turned
    // up, an empty pile filled from the reserve). Answers the piles whose cards changed.
    PileSet Apply(ModelPosition& position, const ModelMove& move) const;
    bool IsWon(const ModelPosition& position) const;
    // Whether the position can never be won: a card is held above a card that must go home
    // before it, with no way for it, or any run it lies in, to leave the pile.
    // Only the piles changed since a position known not to be dead need a look (all: kAllPiles).
    bool IsDead(const ModelPosition& position, PileSet changed = kAllPiles) const;

    // A card that may go to a foundation and never be wanted back: every card that could be
    // built on it is home already, or could go home alone whenever it is free, and no click
    // of the stock is needed to bring it up. Such a move is as good as any other the position
    // offers.
    bool IsSafeHomeMove(const ModelPosition& position, const ModelMove& move) const;
    bool IsFoundationMove(const ModelMove& move) const;
    // How promising the move looks before it is made, lower first, by the move finder's bands:
    // home, uncovering a card, emptying a pile, bringing a card into play, a shift on the
    // tableau (one that joins a run first), a deal from the stock, parking a card, and last a
    // move that takes cards off a card they lie on in sequence.
    int MoveRank(const ModelPosition& position, const ModelMove& move) const;
    // A move of cards that turns up nothing, empties no pile, lets no card below go home and
    // brings no card into play: a shift on the tableau or a card parked aside.
    bool IsIdleShift(const ModelPosition& position, const ModelMove& move) const;
    // Whether cards are played from a stock turned onto a waste.
    bool PlaysFromAWaste() const { return waste_ >= 0 && !golf_; }

    // A key of the position in which piles that play alike are unordered, so that tables
    // differing only by which of two alike piles holds what meet as one; and, where passes are
    // unlimited, splits of the stock and waste that clicks alone lead between are one.
    std::uint64_t Key(const ModelPosition& position) const;
    // The same key made from the hashes of the piles: a child of a position needs only the
    // piles its move changed hashed again.
    void HashPiles(const ModelPosition& position, PileHashes& hashes, PileSet which) const;
    std::uint64_t KeyOf(const ModelPosition& position, const PileHashes& hashes) const;
    // The position as bytes of a fixed length (PackedSize), and back.
    std::size_t PackedSize() const { return static_cast<std::size_t>(cardCount_ + pileCount_ + 1); }
    void Pack(const ModelPosition& position, std::uint8_t* out) const;
    void Unpack(const std::uint8_t* in, ModelPosition& position) const;

    // How far the position is from a win, lower is better: the weighted count of cards off the
    // foundations, face-down cards, cards lying on a lower card of their suit, cells and piles
    // in use, and cards that do not lie in sequence on the card below them (where complete
    // sequences leave the tableau, as such a sequence has them).
    int Distance(const ModelPosition& position, const DistanceWeights& weights) const;
    // How far the table has come, higher is better: cards home, few cards left out, none face
    // down, long runs on top of the tableau piles, empty piles. It orders the moves of one rank.
    int Progress(const ModelPosition& position) const;
    int CardsHome(const ModelPosition& position) const;

    // Whether the tableau piles take cards only from elsewhere than the tableau (Sir Tommy's):
    // their cards then leave only for the foundations, in the order they were put there.
    bool TableauWaitsForHome() const { return tableauWaitsForHome_; }
    // Only complete sequences go home, as in the Spider games.
    bool TakesCompleteSequences() const { return sequenceFoundations_; }
    // The game is won by sorting the cards on the tableau itself: complete suits leave it
    // whole (Spider), rows of cells are put in order (Gaps), or each suit ends in a pile of its
    // own (Diamond Mine).
    bool SortsTheTableau() const { return sequenceFoundations_ || rows_ || suitRunsWin_; }
    // Per card, the round in which the foundations would take it if each took, round by round,
    // the first card in hand it accepts (kNeverHome: none does), the cards coming to hand from
    // the waste's top, the tableau piles by depth, the reserves and the stock as it is turned.
    static constexpr std::uint8_t kNeverHome = 99;
    using Rounds = std::array<std::uint8_t, 256>;
    void HomeRounds(const ModelPosition& position, Rounds& rounds) const;
    // How much the tableau holds cards back: for each card lying on one the foundations want
    // sooner, by how many rounds later it is wanted.
    int Burial(const ModelPosition& position, const Rounds& rounds) const;
    // The tableau cards that lie on a card the foundations want sooner.
    int HeldBackCards(const ModelPosition& position) const;

    // The play protocol's actions that carry the move out on the engine's table.
    std::vector<PlayAction> ActionsOf(const ModelPosition& position, const ModelMove& move) const;
    // The same actions for the table, which stands where the position does (and is left so):
    // where packs are folded, each names the real card the table holds where the model's lies.
    std::vector<PlayAction> ActionsOn(const GameContext& table, const ModelPosition& position, const ModelMove& move) const;
    // Three or four packs, each card named by its kind (the first card of its rank and suit), so
    // that every card fits a byte. The model then cannot tell which copy of a card is where: it
    // proves nothing (a scan that runs dry leaves the deal unknown) and sends no card home as
    // safe; its wins, replayed by the engine, stand.
    bool FoldsPacks() const { return packsFolded_; }
    // Whether a click on the stock alone is a move of the model (else clicks come with a card).
    // Whether cards are played from a stock turned onto a waste a limited number of times, where
    // a card played from deep in the stock buries the cards turned over it.
    bool TurnsAStockOnce() const { return waste_ >= 0 && !golf_ && !passesUnlimited_; }
    bool ClicksAreMoves() const { return golf_ || rows_ || rowDealMode_ != 0 || bottomsToTop_ || clicksAlone_; } // 0: no row deals

    int PileCount() const { return pileCount_; }

private:
    enum class Role : std::uint8_t { Stock, Waste, Foundation, Tableau, Reserve };
    struct Pile {
        Role role;
        PileRef ref;
        int rulesClass; // piles of one role and one class play alike
        bool carriesRuns = false; // an empty tableau pile the doubling pick rule counts
        bool takesTableauCards = true; // a tableau pile that takes cards from other tableau piles
        bool takesReserveCards = true;
        bool twoDeep = false; // a tableau pile that takes a card only while it holds one card at most
        bool startsAfterPrevious = false; // a foundation begun only once the one before it holds cards
        bool distinctStart = false;       // a foundation begun in a suit no other of its row of four has begun in
    };
    bool SuitBegunInRow(const ModelPosition& p, int foundation, int card) const;

    int Begin(const ModelPosition& p, int pile) const { return pile == 0 ? 0 : p.end[static_cast<std::size_t>(pile - 1)]; }
    int Size(const ModelPosition& p, int pile) const { return p.end[static_cast<std::size_t>(pile)] - Begin(p, pile); }
    // The empty piles that let longer runs move (the run's target is asked for as each move is).
    PickRoom RoomIn(const ModelPosition& p) const;
    int Top(const ModelPosition& p, int pile) const;
    bool CanMove(const ModelPosition& p, int from, int to, int count, const PickRoom& room) const;
    // The same for the card given, as if it lay count cards down in pile from.
    bool CanMoveCard(const ModelPosition& p, int card, int from, int to, int count, const PickRoom& room) const;
    // The cards each pile may take by its top card: a quick no before the full test.
    using CardMask = std::array<std::uint64_t, 2>; // card code c as bit c - 1
    using Takers = std::array<CardMask, kModelPileSlots>;
    Takers TakersIn(const ModelPosition& p) const;
    static bool MayTake(const Takers& takers, int pile, int card)
    {
        return (takers[static_cast<std::size_t>(pile)][static_cast<std::size_t>((card - 1) / 64)] >> ((card - 1) % 64) & 1) != 0;
    }
    bool MayPickRun(const ModelPosition& p, int pile, int count, PickRoom room) const;
    // Whether the count cards lying skip cards below the pile's top are each in sequence on the one below.
    bool RunInSequence(const ModelPosition& p, int pile, int count, int sequenceClass, int skip = 0) const;
    void Shift(ModelPosition& p, int from, int count, int to) const;
    // Puts the card depth cards down in the pile on its top, the cards on it keeping their order.
    static void LiftToTop(ModelPosition& p, int pile, int depth);
    bool TurnUpTop(ModelPosition& p, int pile) const;
    // Per card code, the first code of its rank and suit where every pair table of the model
    // treats the two alike (else the code itself): one card for the keys.
    std::vector<int> AlikeTwins() const;
    void ClickStock(ModelPosition& p) const;
    bool MayClickStock(const ModelPosition& p) const;
    bool StockAndWasteOut(const ModelPosition& p) const;
    bool SplitInCycle(const ModelPosition& p) const;
    bool LeavingShiftsLaterTurns(const ModelPosition& p) const;
    void AddMovesFrom(const ModelPosition& p, int from, const PickRoom& room, const Takers& takers,
                      std::vector<ModelMove>& moves) const;
    void AddBouquetPlays(const ModelPosition& p, int from, int depth, const PickRoom& room, const Takers& takers,
                         std::vector<ModelMove>& moves) const;
    void AddWastePlays(const ModelPosition& p, const PickRoom& room, const Takers& takers, std::vector<ModelMove>& moves) const;
    void AddEveryWastePlay(const ModelPosition& p, const PickRoom& room, const Takers& takers, std::vector<ModelMove>& moves) const;
    void AddPlaysOfWasteCard(const ModelPosition& p, int card, int clicks, const PickRoom& room, const Takers& takers,
                             std::vector<ModelMove>& moves) const;
    PileSet FillFromReserve(ModelPosition& p) const;
    // Empty tableau piles filled from the stock, else the waste (card_model_fills.cpp).
    PileSet FillFromStock(ModelPosition& p) const;
    bool FillShiftsTheStock(const ModelPosition& p, const ModelMove& move) const;
    // The redeal that brings the bottom card of every pile to its top (card_model_redeals.cpp).
    bool MayShiftBottoms(const ModelPosition& p) const;
    PileSet ShiftBottoms(ModelPosition& p) const;
    // A click that deals a card from the stock onto each tableau pile (Spider's stock).
    PileSet DealRow(ModelPosition& p) const;
    bool MayDealRow(const ModelPosition& p) const;
    // Complete sequences (card_model_sequences.cpp): a finished run on top of a tableau pile
    // leaves for the first empty foundation, which takes nothing else.
    void PrepareSequenceRemoval(const GameContext& context);
    PileSet RemoveCompleteSequence(ModelPosition& p, int pile) const;
    PileSet TurnUpTableauTops(ModelPosition& p) const;
    // Rows of cells (card_model_rows.cpp): cards move alone into gaps, the redeal keeps each
    // row's run from a 2.
    void AddCellMoves(const ModelPosition& p, std::vector<ModelMove>& moves) const;
    PileSet ApplyCellMove(ModelPosition& p, const ModelMove& move) const;
    PileSet RedealRows(ModelPosition& p) const;
    // The cards from the row's left end that run up in one suit from the rank a row starts with.
    int SettledLength(const ModelPosition& p, int row) const;
    bool RowsWon(const ModelPosition& p) const;
    bool SuitRunsWon(const ModelPosition& p) const;
    // How many cards from the pile's bottom run down in one suit from a King.
    int SuitRunFromKing(const ModelPosition& p, int pile) const;
    int RowsDistance(const ModelPosition& p, const DistanceWeights& weights) const;
    int PileOfSlot(const ModelPosition& p, int slot) const;

    std::vector<Pile> piles_;
    int pileCount_ = 0;
    int cardCount_ = 0;
    int maxCode_ = 0;
    int stock_ = -1, waste_ = -1;
    bool golf_ = false;       // the waste takes tableau cards one rank apart, by a click
    bool golfWraps_ = false;
    bool suitRunsWin_ = false; // won with each suit off the foundation in one pile, King to Ace (Diamond Mine)
    bool rows_ = false;       // rows of cells: a card moves alone into a gap; nothing leaves the rows
    int rowStartRank_ = 2;    // the rank a gap at a row's left end takes (Gaps: the 2s; Blue Moon: the Aces)
    bool autoTurnUp_ = false; // a face-down tableau top turns up by itself
    bool fillFromReserve_ = false;
    bool fillFromStock_ = false;   // an empty tableau pile takes the stock's top card, the waste's once the stock is out
    bool fillWasteFirst_ = false;  // the waste's top card, rather, the stock's while the waste is empty (Terrace)
    bool bottomsToTop_ = false;    // a click on the empty stock brings the bottom card of every pile to its top
    bool clicksAlone_ = false;     // a click on the stock is a move of its own (ClicksAloneWait)
    bool ClicksAloneWait() const;
    bool passesUnlimited_ = false; // the stock and waste run through one cycle of splits
    bool packsFolded_ = false;     // FoldsPacks
    static int KindOf(int code);
    bool reservePicked_ = true;
    bool bouquet_ = false; // every face-up card of a reserve plays alone, the cards on it staying
    bool stockFaceDown_ = true;
    bool turnsOnEmptyWasteOnly_ = false; // the stock turns a card only while the waste is empty
    bool foundationsWaitForStock_ = false; // nothing goes home until the stock and the waste are out
    bool tableauWaitsForHome_ = false;     // no tableau pile takes a tableau card
    int drawCount_ = 1;
    int passes_ = -1;
    int pickRule_ = 0;
    int runRule_ = 0;
    int fullCount_ = 13;
    bool downAnySuitSingles_ = false;
    int rowDealMode_ = 0;            // the deal mode of the tableau piles when the stock deals rows
    std::vector<bool> rowDealtTo_;   // per tableau pile, in order: whether a row deal reaches it
    bool sequenceFoundations_ = false; // the foundations take only complete sequences
    int sequenceKind_ = 0;           // their base rank, which says what a complete sequence is
    std::vector<std::vector<std::uint8_t>> sequenceFollows_; // per tableau build code in use: [above][card]
    std::vector<int> sequenceFollowsOf_; // per pile, its table in sequenceFollows_ (-1: none)
    // accepts_[class][top][card]: the engine's verdict on card put on top (0 an empty pile), for
    // every rules class of foundation and tableau; sequence_[class][below][above] the run test.
    std::vector<std::vector<std::uint8_t>> accepts_;
    std::vector<std::vector<std::uint8_t>> sequence_;
    std::array<std::uint64_t, kModelPileSlots> groupSalt_{}; // alike piles share one
    std::vector<CardMask> acceptMask_; // [class * (maxCode + 1) + top]: the cards accepts_ lets on top
    std::vector<int> sequenceClassOf_; // per pile, the class of its run test (-1: any run)
    bool AcceptsPair(int rulesClass, int top, int card) const
    {
        return accepts_[static_cast<std::size_t>(rulesClass)][static_cast<std::size_t>(top * (maxCode_ + 1) + card)] != 0;
    }
    std::vector<std::vector<int>> feeders_; // per card: the cards that some pile lets onto it
    // The test for positions that can never be won (card_model_dead.cpp).
    void PrepareDeadTest(int foundationClass);
    bool PileIsDead(const ModelPosition& p, int pile, const std::array<bool, 256>& home,
                    const std::array<std::int16_t, 256>& placeOf) const;
    bool WaitsInACircle(const ModelPosition& p, const std::array<bool, 256>& home) const;
    bool deadTest_ = false;
    bool leaveOnlyForHome_ = false;            // tableau cards leave for the foundations alone
    std::vector<int> nextHome_;                // per card: the card that follows it home (0: none)
    std::vector<int> homeDepth_;               // per card: its place in its foundation's order
    std::vector<int> homeChain_;               // per card: the card that starts its foundation
    std::vector<std::vector<int>> targetsOf_;  // per card: the tableau cards it may go on
    std::vector<bool> onEmptyPile_;            // per card: some empty tableau pile takes it
    std::vector<int> foundationTopAlike_;      // [class * (maxCode + 1) + top]: the first top that takes the same cards
    std::vector<bool> onlyNext_;               // [class * (maxCode + 1) + top]: one card alone goes on top
    std::vector<int> twin_;                    // per card: the card it is one with in the keys (AlikeTwins)
    // Whether every card the foundation's top lets on is the card or its twin: no other card
    // wants the place the card takes.
    bool AloneWanted(int rulesClass, int top, int card) const;
    bool movesCarryOnlyBuiltCards_ = false;    // a moving card carries nothing but cards built on it
    // Parked cards (card_model_parking.cpp): whether plays from the waste onto the tableau are
    // joined with what is built on them.
    bool ParkedCardsWait() const; // the rules under which a card out of the waste may wait
    bool IsParking(const ModelPosition& p, const ModelMove& move) const;
    void BuildsOn(const ModelPosition& p, int pile, std::vector<ModelMove>& builds) const;
    bool ShowsCardOf(const ModelPosition& p, int pile, const CardMask& mask) const;
    static ModelMove FirstOf(const ModelMove& move);
    static ModelMove FollowUpOf(const ModelMove& move);
    bool parksJoin_ = false;
    std::array<std::uint64_t, 256> cardHash_{};
    std::array<std::uint8_t, 256> rank_{};
    std::array<std::uint8_t, 256> suit_{};
    int firstTableau_ = kModelPileSlots;
    int endTableau_ = 0;
};

} // namespace marlowe
