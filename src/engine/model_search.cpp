#include "engine/model_search.h"

#include "engine/card_model.h"
#include "engine/game_context.h"
#include "engine/key_set.h"
#include "engine/quiet_play.h"
#include "engine/search_budget.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <queue>
#include <random>
#include <cstdlib>

namespace marlowe {

namespace {

// Scans led by different weightings of the distance, each with its own record of positions
// met: one that is lost in a deal is often quick in another, so they take turns with doubling
// shares. The first scan goes on to the end; the others stop at a cap, so that proving a deal
// lost costs little more than one scan.
constexpr DistanceWeights kScans[] = {
    {10, 6, 20, 6, 8, 4},
    {10, 6, 8, 6, 8, 4},
    {5, 6, 8, 6, 8, 0},
    {10, 0, 0, 3, 3, 10},
};
// The beam's: cards out of sequence and face down count most, then columns in use; a card
// going home counts little, since it goes with its whole sequence.
constexpr DistanceWeights kBeamWeights[] = {
    {1, 4, 0, 0, 3, 5},
    {1, 6, 0, 0, 1, 8},
    {2, 3, 1, 0, 4, 4},
};
constexpr int kBeamShares = 32;
constexpr int kPlayoutShares = 4;
constexpr long long kSideScanCap = 100000;
constexpr long long kFocusedScanCap = 400000;
// Where cards out of the waste wait until built on, the complete scans are narrow enough to
// reach most wins themselves, and the budget goes further on their proofs.
constexpr long long kNarrowFocusedScanCap = 150000;
constexpr long long kUncapped = -1;
constexpr long long kFirstShare = 2000; // positions each scan stores in the first round

// A position met by a scan: where it came from and by which move.
struct Visit {
    std::uint32_t parent;
    ModelMove move;
};

// The positions a scan keeps, packed, each with its visit: blocks of a fixed size, so that
// the stored positions are never copied as the scan grows.
class StoredPositions {
public:
    explicit StoredPositions(std::size_t packedSize) : size_(packedSize) {}

    // The new position's node.
    std::uint32_t Store(const ModelPosition& position, Visit visit, const CardModel& model)
    {
        const std::size_t node = visits_.size();
        if (node % kBlockPositions == 0)
            blocks_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(kBlockPositions * size_));
        model.Pack(position, PackedAt(node));
        visits_.push_back(visit);
        return static_cast<std::uint32_t>(node);
    }

    std::uint8_t* PackedAt(std::size_t node) const
    {
        return blocks_[node / kBlockPositions].get() + node % kBlockPositions * size_;
    }

    std::size_t Count() const { return visits_.size(); }

    // The moves from the first position stored to the node.
    std::vector<ModelMove> LineTo(std::uint32_t node) const
    {
        std::vector<ModelMove> line;
        for (; node != 0; node = visits_[node].parent)
            line.push_back(visits_[node].move);
        std::reverse(line.begin(), line.end());
        return line;
    }

private:
    static constexpr std::size_t kBlockPositions = 1 << 14;
    std::size_t size_;
    std::vector<std::unique_ptr<std::uint8_t[]>> blocks_;
    std::vector<Visit> visits_;
};

struct Waiting {
    int distance;
    std::uint32_t node;
    // The nearest first; of equals the newest, so that the scan goes deep along a line.
    bool operator<(const Waiting& other) const
    {
        return distance != other.distance ? distance > other.distance : node < other.node;
    }
};

// A scan of the positions, resumable: it runs until it has stored a given number of positions.
// It leaves out only moves proved safe to leave, so a scan that runs dry proves the deal lost.
class ModelScan {
public:
    // Abandoned: the scan ran dry having cut lines short, so it proves nothing.
    enum class State { Searching, Won, Exhausted, Abandoned };

    virtual ~ModelScan() = default;
    // Searches until the scan holds stored positions, the budget is spent, or it is decided.
    virtual State Advance(long long stored, SearchBudget& budget) = 0;
    virtual long long Stored() const = 0;
    // The moves from the start to the won position.
    virtual std::vector<ModelMove> WinningLine() const = 0;
};

// The positions met, shared by the complete scans: a position one of them has met is left to
// it, so a proof costs one search of the positions instead of one per scan. Scans sharing a
// record prove the deal lost together, once each has run dry and none has cut a line short.
class Record {
public:
    KeySet& Keys() { return keys_; }
    void Join() { ++searching_; }
    // A scan has run dry, complete or having cut lines short: the state it ends in.
    ModelScan::State Finish(bool complete)
    {
        complete_ = complete_ && complete;
        --searching_;
        return complete_ && searching_ == 0 ? ModelScan::State::Exhausted : ModelScan::State::Abandoned;
    }

private:
    KeySet keys_;
    int searching_ = 0;
    bool complete_ = true;
};

// How far into the stock a scan looks: every card, or only the cards a few clicks bring up
// (and the nearest card that plays, so that the stock still moves on). A line that plays a card
// from deep in a stock turned once buries every card turned over it; scans that look near the
// stock reach the wins of two-pack games that a full scan, spread over every such play, does
// not, but prove nothing when they run dry. Focused scans leave out the idle shifts (moves on
// the tableau that turn up nothing, empty no pile and let nothing go home): winning lines of
// the games played from a waste seldom need them, and the scan, far narrower, reaches them
// sooner; it too proves nothing when it runs dry. Both narrowings together make the narrowest
// scan, which wins deals of one card turned at a time that the others, spread over every card
// of the stock, do not.
struct Reach {
    bool nearStock = false;
    bool focused = false;
    bool Complete() const { return !nearStock && !focused; }
};
constexpr Reach kWholeStock{};
constexpr Reach kNearStock{true, false};
constexpr Reach kFocused{false, true};
constexpr Reach kFocusedNearStock{true, true};
constexpr int kNearClicks = 2;

// The moves worth trying in a position: a card that may go home for good alone, else all within reach.
void MovesToTry(const CardModel& model, const ModelPosition& position, Reach reach, std::vector<ModelMove>& moves)
{
    model.Moves(position, moves);
    const auto safe =
        std::find_if(moves.begin(), moves.end(), [&](const ModelMove& move) { return model.IsSafeHomeMove(position, move); });
    if (safe != moves.end()) {
        moves = {*safe};
        return;
    }
    model.JoinParkedCards(position, moves);
    if (reach.focused)
        std::erase_if(moves, [&](const ModelMove& move) { return model.IsIdleShift(position, move); });
    if (!reach.nearStock)
        return;
    int nearest = 0; // the fewest clicks that bring up a card that plays
    for (const ModelMove& move : moves)
        if (move.clicks > 0)
            nearest = nearest == 0 ? move.clicks : std::min<int>(nearest, move.clicks);
    const int deepest = std::max(kNearClicks, nearest);
    std::erase_if(moves, [&](const ModelMove& move) { return move.clicks > deepest; });
}

// A position's children, each made and keyed before any is looked up, so that the lookups in
// a large record wait for memory together rather than one after another.
struct MadeChild {
    ModelPosition position;
    PileSet changed = 0;
    std::uint64_t key = 0;
};

void MakeChildren(const CardModel& model, const ModelPosition& position, const std::vector<ModelMove>& moves,
                  const KeySet& keys, std::vector<MadeChild>& children)
{
    PileHashes hashes{};
    PileHashes childHashes{};
    model.HashPiles(position, hashes, kAllPiles);
    children.resize(moves.size());
    for (std::size_t k = 0; k < moves.size(); ++k) {
        MadeChild& child = children[k];
        child.position = position;
        child.changed = model.Apply(child.position, moves[k]);
        std::copy_n(hashes.begin(), model.PileCount(), childHashes.begin()); // the model's piles only
        model.HashPiles(child.position, childHashes, child.changed);
        child.key = model.KeyOf(child.position, childHashes);
        keys.Prefetch(child.key);
    }
}

// The best-first scan: the stored position nearest a win by its weighting is taken up next.
class Scan : public ModelScan {
public:

    Scan(const CardModel& model, const DistanceWeights& weights, const ModelPosition& start, Reach reach = kWholeStock,
         std::shared_ptr<Record> record = std::make_shared<Record>())
        : model_(model), weights_(weights), reach_(reach), visits_(model.PackedSize()), record_(std::move(record))
    {
        record_->Join();
        record_->Keys().Insert(model_.Key(start));
        visits_.Store(start, {0, {}}, model_);
        if (model_.IsWon(start))
            state_ = State::Won;
        else if (!model_.IsDead(start)) // children are tested by the piles their moves change
            waiting_.push({model_.Distance(start, weights_), 0});
    }

    State Advance(long long stored, SearchBudget& budget) override
    {
        ModelPosition position;
        std::vector<ModelMove> moves;
        std::vector<MadeChild> children;
        while (state_ == State::Searching && Stored() < stored && !budget.Spent()) {
            if (waiting_.empty()) {
                state_ = record_->Finish(reach_.Complete());
                break;
            }
            const Waiting next = waiting_.top();
            waiting_.pop();
            model_.Unpack(visits_.PackedAt(next.node), position);
            MovesToTry(model_, position, reach_, moves);
            MakeChildren(model_, position, moves, record_->Keys(), children);
            for (std::size_t k = 0; k < moves.size(); ++k) {
                if (Stored() >= stored) {
                    waiting_.push(next); // taken up again later; the children stored stay seen
                    break;
                }
                const ModelMove& move = moves[k];
                const ModelPosition& child = children[k].position;
                if (!record_->Keys().Insert(children[k].key) || model_.IsDead(child, children[k].changed))
                    continue;
                const std::uint32_t index = visits_.Store(child, {next.node, move}, model_);
                if (model_.IsWon(child)) {
                    state_ = State::Won;
                    won_ = index;
                    break;
                }
                waiting_.push({model_.Distance(child, weights_), index});
            }
        }
        return state_;
    }

    long long Stored() const override { return static_cast<long long>(visits_.Count()); }
    std::vector<ModelMove> WinningLine() const override { return visits_.LineTo(won_); }

private:
    const CardModel& model_;
    DistanceWeights weights_;
    Reach reach_;
    StoredPositions visits_;
    std::shared_ptr<Record> record_;
    std::priority_queue<Waiting> waiting_;
    State state_ = State::Searching;
    std::uint32_t won_ = 0;
};

// The depth-first scan: it follows one line as far as it goes, at each position trying the
// children nearest a win first, and turns back only when a position has no new child. In games
// where a line must be held through many moves (two packs, runs built over many deals) it
// reaches wins that a best-first scan, spread over every line at once, does not.
// Where the tableau only holds cards for the foundations, a card misplaced early loses the game
// many moves later, out of reach of a plain depth-first scan: there each alternative at a
// position may store at most half of what its line has left, so the scan comes back to its
// early choices, and a scan that spends its whole allowance starts again with twice as much.
class DepthScan : public ModelScan {
    static constexpr int kRankStep = 1 << 20; // moves are tried by rank, and of one rank the nearest first
    static constexpr int kClickCost = 40;     // a card played from deep in the stock buries the cards turned over it
    static constexpr long long kFirstAllowance = 4096;
public:
    // A scan whose alternatives share their line's allowance starts again afresh: it keeps a record of its own.
    DepthScan(const CardModel& model, const ModelPosition& start, Reach reach, std::size_t depthLimit, long long nodeLimit,
              std::shared_ptr<Record> record = std::make_shared<Record>())
        : model_(model), reach_(reach), size_(model.PackedSize()), record_(std::move(record)), depthLimit_(depthLimit),
          splits_(model.TableauWaitsForHome()), allowance_(splits_ ? kFirstAllowance : nodeLimit), start_(size_)
    {
        record_->Join();
        model_.Pack(start, start_.data());
        record_->Keys().Insert(model_.Key(start));
        stored_ = 1;
        if (model_.IsWon(start))
            state_ = State::Won;
        else if (!model_.IsDead(start))
            Enter(start, allowance_);
    }

    State Advance(long long stored, SearchBudget& budget) override
    {
        ModelPosition position;
        while (state_ == State::Searching && stored_ < stored && !budget.Spent()) {
            if (frames_.empty()) {
                if (cutShort_ && splits_)
                    Restart();
                else
                    state_ = record_->Finish(!cutShort_ && reach_.Complete());
                continue;
            }
            Frame& frame = frames_.back();
            const long long spent = stored_ - frame.start;
            // A line longer than the limit is wandering, one past its allowance has had its
            // share: the scan turns back.
            const bool cut = frame.next < frame.order.size() && (frames_.size() > depthLimit_ || spent > frame.allowance);
            cutShort_ = cutShort_ || cut;
            if (frame.next == frame.order.size() || cut) {
                frames_.pop_back();
                if (!line_.empty())
                    line_.pop_back();
                continue;
            }
            const Child& child = frame.order[frame.next++];
            const long long share = splits_ && frame.order.size() > 1 ? frame.allowance / 2 : frame.allowance;
            const long long allowance = std::min(share, frame.allowance - spent);
            model_.Unpack(frame.packed.data() + child.at * size_, position);
            line_.push_back(child.move);
            Enter(position, allowance);
        }
        return state_;
    }

    long long Stored() const override { return stored_; }
    std::vector<ModelMove> WinningLine() const override { return line_; }

private:
    struct Child {
        int distance;
        std::size_t at; // its place among the frame's packed children
        ModelMove move;
    };
    struct Frame {
        std::vector<std::uint8_t> packed;
        std::vector<Child> order;
        std::size_t next = 0;
        long long start = 0;     // positions stored when the frame was made
        long long allowance = 0; // positions its line may store before the scan turns back
    };

    // Makes the position's new children, nearest first; a won child ends the scan.
    void Enter(const ModelPosition& position, long long allowance)
    {
        MovesToTry(model_, position, reach_, moves_);
        MakeChildren(model_, position, moves_, record_->Keys(), children_);
        // The foundations' wants change little with one move: reckoned once for all children.
        if (splits_)
            model_.HomeRounds(position, rounds_);
        Frame frame;
        for (std::size_t k = 0; k < moves_.size(); ++k) {
            const ModelMove& move = moves_[k];
            const ModelPosition& child = children_[k].position;
            if (!record_->Keys().Insert(children_[k].key) || model_.IsDead(child, children_[k].changed))
                continue;
            ++stored_;
            if (model_.IsWon(child)) {
                line_.push_back(move);
                state_ = State::Won;
                return;
            }
            const int progress = splits_ ? 20 * model_.CardsHome(child) - 2 * model_.Burial(child, rounds_) : model_.Progress(child);
            const int distance = model_.MoveRank(position, move) * kRankStep + kClickCost * move.clicks - progress;
            frame.order.push_back({distance, frame.order.size(), move});
            frame.packed.resize(frame.packed.size() + size_);
            model_.Pack(child, frame.packed.data() + frame.packed.size() - size_);
        }
        std::stable_sort(frame.order.begin(), frame.order.end(),
                         [](const Child& a, const Child& b) { return a.distance < b.distance; });
        frame.start = stored_;
        frame.allowance = allowance;
        frames_.push_back(std::move(frame));
    }

    // Starts the scan afresh from the first position with twice the allowance.
    void Restart()
    {
        record_->Keys() = KeySet();
        line_.clear();
        cutShort_ = false;
        allowance_ *= 2;
        ModelPosition start;
        model_.Unpack(start_.data(), start);
        record_->Keys().Insert(model_.Key(start));
        Enter(start, allowance_);
    }

    const CardModel& model_;
    Reach reach_;
    std::size_t size_;
    std::shared_ptr<Record> record_;
    std::vector<Frame> frames_;
    std::vector<ModelMove> line_; // the moves to the position whose children the last frame holds
    std::vector<ModelMove> moves_;
    std::vector<MadeChild> children_;
    long long stored_ = 0;
    std::size_t depthLimit_;
    bool splits_;           // alternatives share their line's allowance
    long long allowance_;   // what the whole scan may store before it starts again
    std::vector<std::uint8_t> start_;
    CardModel::Rounds rounds_{};
    bool cutShort_ = false;
    State state_ = State::Searching;
};

// The beam scan: it takes the positions one move deeper at a time and keeps, of each new
// layer, only the given number nearest a win. Where runs are built over many moves and any
// card may be shifted between columns (the Spider games), or cards are sorted into rows through
// a few gaps that any higher card of the suit may fill (Spaces and Aces), or into piles of one
// suit each (Diamond Mine), best-first scans spread
// over the countless shifts of the early table, and a depth-first scan holds to its first line;
// the beam goes deep along many lines at once. It proves nothing: a beam that runs dry, or
// wanders past the depth limit or long without coming nearer a win, starts again twice as wide.
class BeamScan : public ModelScan {
    static constexpr std::size_t kFirstWidth = 64;
    static constexpr std::size_t kWidest = 1 << 16;
    static constexpr std::size_t kPatience = 60; // layers without coming nearer a win before the beam widens
public:
    BeamScan(const CardModel& model, const ModelPosition& start, std::size_t depthLimit)
        : model_(model), size_(model.PackedSize()), depthLimit_(depthLimit), start_(size_)
    {
        model_.Pack(start, start_.data());
        if (model_.IsWon(start))
            state_ = State::Won;
        else if (model_.IsDead(start))
            state_ = State::Abandoned;
        else
            Restart(kFirstWidth);
    }

    State Advance(long long stored, SearchBudget& budget) override
    {
        ModelPosition position;
        std::vector<ModelMove> moves;
        std::vector<MadeChild> children;
        while (state_ == State::Searching && made_ < stored && !budget.Spent()) {
            if (next_ < layer_.size()) {
                const std::uint32_t node = layer_[next_++];
                model_.Unpack(visits_.PackedAt(node), position);
                MovesToTry(model_, position, kWholeStock, moves);
                MakeChildren(model_, position, moves, keys_, children);
                for (std::size_t k = 0; k < moves.size(); ++k) {
                    const ModelMove& move = moves[k];
                    const ModelPosition& child = children[k].position;
                    const std::uint64_t key = children[k].key;
                    if (keys_.Contains(key) || model_.IsDead(child, children[k].changed))
                        continue;
                    ++made_;
                    if (model_.IsWon(child)) {
                        won_ = visits_.Store(child, {node, move}, model_);
                        state_ = State::Won;
                        return state_;
                    }
                    candidates_.push_back({model_.Distance(child, kBeamWeights[restarts_ % std::size(kBeamWeights)]), key, node, move, packed_.size()});
                    packed_.resize(packed_.size() + size_);
                    model_.Pack(child, packed_.data() + packed_.size() - size_);
                }
            } else if (candidates_.empty() && !dropped_) {
                state_ = State::Abandoned; // it met every position there is: the complete scans prove it
            } else if (candidates_.empty() || ++depth_ > depthLimit_ || depth_ > bestDepth_ + kPatience) {
                Restart(std::min(2 * width_, kWidest));
            } else {
                KeepNearest();
            }
        }
        return state_;
    }

    long long Stored() const override { return made_; }
    std::vector<ModelMove> WinningLine() const override { return visits_.LineTo(won_); }

private:
    struct Candidate {
        int distance;
        std::uint64_t key;
        std::uint32_t parent;
        ModelMove move;
        std::size_t at; // its place in the packed candidates
    };

    // The next layer: the new positions nearest a win, one of each; of equals the key, a hash,
    // decides, so that the beam does not favour one corner of the table.
    void KeepNearest()
    {
        const auto nearer = [](const Candidate& a, const Candidate& b) {
            return a.distance != b.distance ? a.distance < b.distance : a.key < b.key;
        };
        std::sort(candidates_.begin(), candidates_.end(), nearer);
        if (candidates_.front().distance < best_) {
            best_ = candidates_.front().distance;
            bestDepth_ = depth_;
        }
        layer_.clear();
        next_ = 0;
        ModelPosition position;
        for (const Candidate& candidate : candidates_) {
            if (layer_.size() == width_) {
                dropped_ = true;
                break;
            }
            if (!keys_.Insert(candidate.key))
                continue;
            model_.Unpack(packed_.data() + candidate.at, position);
            layer_.push_back(visits_.Store(position, {candidate.parent, candidate.move}, model_));
        }
        candidates_.clear();
        packed_.clear();
    }

    void Restart(std::size_t width)
    {
        if (width_ != 0)
            ++restarts_;
        width_ = width;
        depth_ = 0;
        dropped_ = false;
        best_ = std::numeric_limits<int>::max();
        bestDepth_ = 0;
        keys_ = KeySet();
        visits_ = StoredPositions(size_);
        ModelPosition start;
        model_.Unpack(start_.data(), start);
        keys_.Insert(model_.Key(start));
        layer_ = {visits_.Store(start, {0, {}}, model_)};
        next_ = 0;
        candidates_.clear();
        packed_.clear();
    }

    const CardModel& model_;
    std::size_t size_;
    std::size_t depthLimit_;
    std::size_t restarts_ = 0; // each start leads by the next weighting
    std::vector<std::uint8_t> start_;
    std::size_t width_ = 0;
    std::size_t depth_ = 0;
    bool dropped_ = false;      // whether the beam has left out a position since it started
    int best_ = 0;              // the nearest distance the beam has come to
    std::size_t bestDepth_ = 0; // and the layer where it came there
    KeySet keys_;
    StoredPositions visits_{size_};
    std::vector<std::uint32_t> layer_;
    std::size_t next_ = 0;
    std::vector<Candidate> candidates_;
    std::vector<std::uint8_t> packed_;
    long long made_ = 0;
    State state_ = State::Searching;
    std::uint32_t won_ = 0;
};

// Nested playouts on the model: at each step of a line every move is tried with a playout after
// it (each move of a playout, half the time the best by rank and progress, else one at random,
// never back to a position the playout has met), and the line takes the next move of the best
// playout met so far. A line that can go no further starts again with other playouts. Where a
// win needs one long line held to the end through a stock turned once (two packs, cards sent
// home in the right order), playouts carried to the end find what scans turning back at every
// dead end do not. It proves nothing.
class PlayoutScan : public ModelScan {
    static constexpr std::size_t kPlayoutLength = 1000;
public:
    PlayoutScan(const CardModel& model, const ModelPosition& start, Reach reach)
        : model_(model), reach_(reach), start_(start), rng_(model.Key(start))
    {
        if (model_.IsWon(start))
            state_ = State::Won;
        else
            Begin();
    }

    State Advance(long long stored, SearchBudget& budget) override
    {
        while (state_ == State::Searching && made_ < stored && !budget.Spent()) {
            if (next_ < moves_.size()) {
                TryMove(moves_[next_++]);
            } else if (best_.size() > line_.size()) {
                const ModelMove step = best_[line_.size()];
                model_.Apply(position_, step);
                line_.push_back(step);
                MovesToTry(model_, position_, reach_, moves_);
                next_ = 0;
            } else {
                Begin(); // the line is at its end: afresh, with the playouts the generator gives next
            }
        }
        return state_;
    }

    long long Stored() const override { return made_; }
    std::vector<ModelMove> WinningLine() const override { return best_; }

private:
    // The move, then a playout from where it leads; the best line met so far is kept.
    void TryMove(const ModelMove& move)
    {
        ModelPosition position = position_;
        model_.Apply(position, move);
        ++made_;
        std::vector<ModelMove> line = line_;
        line.push_back(move);
        const int score = PlayOut(position, line);
        if (state_ == State::Won || score > bestScore_) {
            bestScore_ = score;
            best_ = std::move(line);
        }
    }

    // Plays on to the end; answers how far the table came (the line grows by the moves made).
    int PlayOut(ModelPosition position, std::vector<ModelMove>& line)
    {
        seen_ = KeySet();
        seen_.Insert(model_.Key(position));
        std::vector<ModelMove> moves;
        for (std::size_t length = 0; length < kPlayoutLength; ++length) {
            if (model_.IsWon(position)) {
                state_ = State::Won;
                return std::numeric_limits<int>::max();
            }
            if (model_.IsDead(position))
                break;
            MovesToTry(model_, position, reach_, moves);
            if (rng_() % 2 == 0)
                std::shuffle(moves.begin(), moves.end(), rng_);
            else
                std::stable_sort(moves.begin(), moves.end(), [&](const ModelMove& a, const ModelMove& b) {
                    return model_.MoveRank(position, a) < model_.MoveRank(position, b);
                });
            bool moved = false;
            for (const ModelMove& move : moves) {
                ModelPosition child = position;
                model_.Apply(child, move);
                ++made_;
                if (!seen_.Insert(model_.Key(child)))
                    continue;
                position = child;
                line.push_back(move);
                moved = true;
                break;
            }
            if (!moved)
                break;
        }
        return 100 * model_.CardsHome(position) + model_.Progress(position);
    }

    void Begin()
    {
        position_ = start_;
        line_.clear();
        best_.clear();
        bestScore_ = std::numeric_limits<int>::min();
        MovesToTry(model_, position_, reach_, moves_);
        next_ = 0;
        if (moves_.empty())
            state_ = State::Abandoned;
    }

    const CardModel& model_;
    Reach reach_;
    ModelPosition start_;
    std::mt19937_64 rng_;
    ModelPosition position_;
    std::vector<ModelMove> line_;  // the moves to position_
    std::vector<ModelMove> moves_; // position_'s moves, tried from next_ on
    std::size_t next_ = 0;
    std::vector<ModelMove> best_;  // the best line met since the line began
    int bestScore_ = 0;
    KeySet seen_;
    long long made_ = 0;
    State state_ = State::Searching;
};

} // namespace

SolveResult SearchModel(const GameContext& context, const CardModel& model, const SolverOptions& options)
{
    SolveResult result;
    ModelPosition position = model.Read(context);
    SearchBudget budget(options);
    // The first best-first scan and the depth-first scan go on to the end; the side scans stop at a cap.
    struct Capped {
        std::unique_ptr<ModelScan> scan;
        long long cap;        // kUncapped: the node limit alone
        bool relaxed = false; // a scan of a game that allows more: its wins prove nothing, its end proves the deal lost
        int shares = 1;       // the scan's part of each round, in shares
    };
    const std::optional<CardModel> oneCard = model.TurningOneCard(); // outlives the scans of it
    std::vector<Capped> scans;
    // They share their record, unless the depth-first scan starts again afresh.
    const auto complete = std::make_shared<Record>();
    scans.push_back({std::make_unique<Scan>(model, kScans[0], position, kWholeStock, complete), kUncapped});
    scans.push_back({std::make_unique<DepthScan>(model, position, kWholeStock, options.depthLimit, options.nodeLimit,
                                                 model.TableauWaitsForHome() ? std::make_shared<Record>() : complete),
                     kUncapped});
    if (model.TurnsAStockOnce()) {
        scans.push_back({std::make_unique<Scan>(model, kScans[0], position, kNearStock), kUncapped});
        scans.push_back({std::make_unique<DepthScan>(model, position, kNearStock, options.depthLimit, options.nodeLimit), kUncapped});
    }
    // Where cards move between tableau piles and come from a waste, scans without the idle shifts.
    if (model.PlaysFromAWaste() && !model.TableauWaitsForHome()) {
        const long long cap = model.JoinsParkedCards() ? kNarrowFocusedScanCap : kFocusedScanCap;
        scans.push_back({std::make_unique<Scan>(model, kScans[0], position, kFocused), cap});
        scans.push_back({std::make_unique<DepthScan>(model, position, kFocused, options.depthLimit, options.nodeLimit), cap});
        scans.push_back({std::make_unique<Scan>(model, kScans[0], position, kFocusedNearStock), cap});
    }
    // The side scans prove nothing anyway: where the stock is turned once, they look near it.
    const Reach sideReach = model.TurnsAStockOnce() ? kNearStock : kWholeStock;
    for (std::size_t k = 1; k < std::size(kScans); ++k)
        scans.push_back({std::make_unique<Scan>(model, kScans[k], position, sideReach), kSideScanCap});
    // Where the stock is turned once, or a few times, nested playouts near it: they win deals
    // whose wins hold one long line to the end (two packs sent home through one pass). Where
    // the tableau only waits for home, the depth-first scan's shared allowances do that already.
    if (model.TurnsAStockOnce() && !model.TableauWaitsForHome())
        scans.push_back({std::make_unique<PlayoutScan>(model, position, kNearStock), kUncapped, false, kPlayoutShares});
    // Where the cards are won by sorting them on the tableau, the beam wins most of what is
    // won, and takes most of the budget.
    if (model.SortsTheTableau())
        scans.push_back({std::make_unique<BeamScan>(model, position, options.depthLimit), kUncapped, false, kBeamShares});
    // Where the stock turns several cards at a time, the same deal turning one card at a time:
    // when that game is lost, so is this one, and its search, narrowed by the cards played out
    // of the waste waiting until they are built on, often ends far sooner.
    if (oneCard)
        scans.push_back({std::make_unique<Scan>(*oneCard, kScans[0], position), kUncapped, true});
    // Positions stored by every scan, the start counted once; a scan at its cap, or one that
    // gave up, is dropped.
    long long spent = 1;
    std::vector<std::vector<ModelMove>> lines;
    ModelScan::State state = ModelScan::State::Searching;
    for (long long share = kFirstShare; state == ModelScan::State::Searching && !scans.empty(); share *= 2) {
        for (std::size_t k = 0; k < scans.size() && state == ModelScan::State::Searching;) {
            ModelScan& scan = *scans[k].scan;
            const long long before = scan.Stored();
            const long long cap = scans[k].cap == kUncapped ? options.nodeLimit : scans[k].cap;
            state = scan.Advance(std::min({before + share * scans[k].shares, before + options.nodeLimit - spent, cap}), budget);
            spent += scan.Stored() - before;
            if (state == ModelScan::State::Won && scans[k].relaxed)
                state = ModelScan::State::Abandoned;
            else if (state == ModelScan::State::Won)
                lines.push_back(scan.WinningLine());
            const bool abandoned = state == ModelScan::State::Abandoned;
            if (abandoned)
                state = ModelScan::State::Searching;
            if (abandoned || (scans[k].cap != kUncapped && state == ModelScan::State::Searching && scan.Stored() >= cap))
                scans.erase(scans.begin() + static_cast<std::ptrdiff_t>(k));
            else
                ++k;
        }
        if (budget.WasSpent() || spent >= options.nodeLimit)
            break;
    }
    result.nodes = spent;
    if (state == ModelScan::State::Exhausted && !model.FoldsPacks())
        result.verdict = SolveVerdict::Unwinnable;
    if (state != ModelScan::State::Won)
        return result;
    SilentPresentation silent;
    GameContext table = QuietCopy(context, silent);
    for (const ModelMove& move : lines.front()) {
        for (const PlayAction& action : model.ActionsOn(table, position, move)) {
            result.line.push_back(action);
            PerformAction(table, action);
        }
        model.Apply(position, move);
    }
    result.verdict = SolveVerdict::Won;
    return result;
}

} // namespace marlowe
