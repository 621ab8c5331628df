#pragma once
// What the special building codes read of one placement question: the two cards and their
// ranks, the relations between them, the piles a code names (a pile index outside the table
// reads as an empty pile), where the moving card comes from, and the hand-over to the
// standard rule. Each code's rule is a small function over this view; the theme files list
// theirs as rows of code and rule.

#include "engine/legality.h"

#include <optional>
#include <span>
#include <string>

namespace marlowe {

class Placement {
public:
    Placement(const GameContext& context, const PlacementQuery& query) : context_(context), query_(query) {}

    const GameContext& context() const { return context_; }
    const PlacementQuery& query() const { return query_; }

    // The query's inputs.
    int T() const { return query_.top; }
    int M() const { return query_.moving; }
    int Index() const { return query_.index; }
    int Direction() const { return query_.direction; }
    int RankT() const;
    int RankM() const;
    int PackRankT() const;
    int PackRankM() const;
    int SuitT() const;
    int SuitM() const;

    // An empty destination (T <= 0); "empty tableau" asks for the play-time value T = -1.
    bool Empty() const { return T() <= 0; }
    bool EmptyAtPlayTime() const { return RankT() < 0; }

    // Relations between M and T.
    bool SameSuit() const { return SuitM() == SuitT(); }
    bool OtherColour() const;
    bool SameColour() const { return !OtherColour(); }
    // One rank up or down among the ranks the pack holds (a 7 on an Ace in a Piquet pack).
    bool Up() const { return PackRankM() == PackRankT() + 1; }
    bool Down() const { return PackRankM() == PackRankT() - 1; }
    bool UpOrDown() const { return Up() || Down(); }
    bool AceOnKing() const { return RankT() == 13 && RankM() == 1; }
    bool KingOnAce() const { return RankT() == 1 && RankM() == 13; }
    bool KingAceEitherWay() const { return AceOnKing() || KingOnAce(); }
    bool UpWithWrap() const { return Up() || AceOnKing(); }
    bool DownWithWrap() const { return Down() || KingOnAce(); }
    bool UpOrDownWithWrap() const { return UpOrDown() || KingAceEitherWay(); }

    // The piles, read by 0-based index; an index the table lacks reads as an empty pile.
    const std::string& Foundation(int f) const;
    const std::string& Tableau(int t) const;
    const std::string& Reserve(int r) const;
    // The destination: foundation IDX, or tableau pile IDX for a query that is not a foundation's.
    const std::string& Destination() const;
    int FoundationLength(int f) const;
    int TableauLength(int t) const;
    int ReserveLength(int r) const;
    bool FoundationHolds(int f) const { return FoundationLength(f) > 0; }
    bool TableauHolds(int t) const { return TableauLength(t) > 0; }
    bool ReserveHolds(int r) const { return ReserveLength(r) > 0; }
    // The bottom card of a foundation or tableau pile; 0 when it is empty.
    int FoundationBottom(int f) const;
    int TableauBottom(int t) const;
    int StockCount() const;
    int WasteCount() const;
    // Whether one of the game's tableau piles first..last is empty (piles the game lacks
    // do not count).
    bool AnyTableauEmpty(int first, int last) const;
    // Whether tableau piles first..last are all empty (piles the game lacks are).
    bool AllTableauEmpty(int first, int last) const;
    bool EveryReserveEmpty() const;

    // Rule parameters of a per-pile family; an index outside the family reads as 0.
    int FoundationBase(int f) const;
    int FoundationDirection(int f) const;
    int TableauBase(int t) const;
    int TableauWrap(int t) const;

    // Where M comes from (CardLocation) and what that means.
    int From() const;
    bool FromTableau() const { return From() > 0; }
    // The 0-based tableau pile M comes from; -1 when it does not come from the tableau.
    int FromTableauPile() const { return FromTableau() ? From() - 1 : -1; }
    bool FromTableauPiles(int first, int last) const;
    bool FromReserve() const { return From() >= -32 && From() <= -21; }
    // The 0-based reserve M comes from; -1 when it does not come from a reserve.
    int FromReserveIndex() const { return FromReserve() ? -21 - From() : -1; }
    bool FromReserves(int first, int last) const;
    bool FromFoundation() const { return From() >= -16 && From() <= -1; }
    bool FromWaste() const { return From() == -98; }

    // The standard rule with the given code (the special code itself sets no suit condition).
    bool Standard(int code, bool prior = false) const;
    bool Standard() const { return Standard(query_.code); }
    // The other top cards of the destination's group of four foundations, starting at first,
    // must differ in suit from M and from each other.
    bool GroupSuitsDistinct(int first) const;
    // The group of four foundations that foundation IDX belongs to among 0..3 and 4..7.
    int GroupStart() const { return Index() <= 3 ? 0 : 4; }

private:
    const GameContext& context_;
    const PlacementQuery& query_;
    mutable std::optional<int> from_;
};

// One special building code and its rule.
using CodeRule = bool (*)(const Placement&);
struct CodeEntry {
    int code;
    CodeRule rule;
};

// The rules of each theme.
std::span<const CodeEntry> GeneralBuildingCodes();    // codes that read little beyond the two cards
std::span<const CodeEntry> TableauBuildingCodes();    // codes given to tableau piles
std::span<const CodeEntry> FoundationBuildingCodes(); // codes given to foundations
std::span<const CodeEntry> WildBuildingCodes();       // jokers as wild cards, and the pair of code 128

} // namespace marlowe
