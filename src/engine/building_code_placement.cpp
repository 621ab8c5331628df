#include "engine/building_code_placement.h"

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/pile_text.h"
#include "engine/table.h"

#include <algorithm>

namespace marlowe {

namespace {

const std::string kNoPile;

const std::string& PileOrNone(const GameContext& context, PileGroup group, int slot)
{
    if (slot < 0 || slot >= PileStore::SlotCount(group))
        return kNoPile;
    return context.piles.Slot(group, slot);
}

int FamilyValue(const GameContext& context, int family, int count, int pile)
{
    return pile >= 0 && pile < count ? context.rules.Of(family, pile) : 0;
}

} // namespace

int Placement::RankT() const { return CardRank(T()); }
int Placement::RankM() const { return CardRank(M()); }
int Placement::PackRankT() const { return stripped_pack::Ordinal(context_.rules[rule::StrippedPack], RankT()); }
int Placement::PackRankM() const { return stripped_pack::Ordinal(context_.rules[rule::StrippedPack], RankM()); }
int Placement::SuitT() const { return CardSuit(T()); }
int Placement::SuitM() const { return CardSuit(M()); }
bool Placement::OtherColour() const { return IsRedCard(M()) != IsRedCard(T()); }

const std::string& Placement::Foundation(int f) const { return PileOrNone(context_, PileGroup::Foundations, f); }
const std::string& Placement::Tableau(int t) const { return PileOrNone(context_, PileGroup::Tableaus, t); }
const std::string& Placement::Reserve(int r) const { return PileOrNone(context_, PileGroup::Reserves, r); }
const std::string& Placement::Destination() const
{
    return query_.toFoundation ? Foundation(Index()) : Tableau(Index());
}

int Placement::FoundationLength(int f) const { return ElementCount(Foundation(f)); }
int Placement::TableauLength(int t) const { return ElementCount(Tableau(t)); }
int Placement::ReserveLength(int r) const { return ElementCount(Reserve(r)); }
int Placement::FoundationBottom(int f) const { return ElementAt(Foundation(f), 0); }
int Placement::TableauBottom(int t) const { return ElementAt(Tableau(t), 0); }
int Placement::StockCount() const { return ElementCount(context_.piles.Stock()); }
int Placement::WasteCount() const { return ElementCount(context_.piles.Waste()); }

bool Placement::AnyTableauEmpty(int first, int last) const
{
    last = std::min(last, std::min(context_.TableauCount(), kMaxTableaus) - 1);
    for (int t = std::max(first, 0); t <= last; ++t)
        if (!TableauHolds(t))
            return true;
    return false;
}

bool Placement::AllTableauEmpty(int first, int last) const
{
    for (int t = first; t <= last; ++t)
        if (TableauHolds(t))
            return false;
    return true;
}

bool Placement::EveryReserveEmpty() const
{
    for (int r = 0; r < kMaxReserves; ++r)
        if (ReserveHolds(r))
            return false;
    return true;
}

int Placement::FoundationBase(int f) const
{
    return FamilyValue(context_, rule::FoundationBaseRank, kMaxFoundations, f);
}

int Placement::FoundationDirection(int f) const
{
    return FamilyValue(context_, rule::FoundationDirection, kMaxFoundations, f);
}

int Placement::TableauBase(int t) const { return FamilyValue(context_, rule::TableauBaseRank, kMaxTableaus, t); }
int Placement::TableauWrap(int t) const { return FamilyValue(context_, rule::TableauWrap, kMaxTableaus, t); }

int Placement::From() const
{
    if (!from_)
        from_ = LocateCard(context_, M());
    return *from_;
}

bool Placement::FromTableauPiles(int first, int last) const
{
    const int pile = FromTableauPile();
    return FromTableau() && pile >= first && pile <= last;
}

bool Placement::FromReserves(int first, int last) const
{
    const int reserve = FromReserveIndex();
    return FromReserve() && reserve >= first && reserve <= last;
}

bool Placement::Standard(int code, bool prior) const { return StandardRule(context_, query_, code, prior); }

bool Placement::GroupSuitsDistinct(int first) const
{
    return DistinctSuitsInGroup(context_, first, first + 1, first + 2, Index() - first, M(), first + 3);
}

} // namespace marlowe
