// Cards played out of the waste, joined with the move that builds on them.
//
// Where one card turns at a click and passes are unlimited, every card of the stock and waste
// can be brought up at any time, and taking one out changes no other card's reach. A card
// played from there onto the tableau matters only once a card is built on it. If it moves on
// instead, to a foundation or another pile, it could have gone there from the stock; if it is
// carried along when the cards below it move, they move as well without it; and nothing else
// can go where it lies while it lies there. A card played home matters only once the next card
// of its foundation follows it (no other move asks what the foundations hold), and a King,
// last of all, may as well go home when every other card is there, when nothing can want it.
// So any winning line stays a winning line when each such play is put off until just before a
// card is built on the card; a search that plays a card out only together with a move that
// builds on it still finds a win wherever there is one, and never stores the many positions in
// which a card was put out for nothing. (Letting a run wait in the same way, on the card it
// leaves, was tried: the joined moves made more positions, not fewer.)

#include "engine/card_model.h"

#include "catalogue/rule_values.h"

namespace marlowe {

bool CardModel::ParkedCardsWait() const
{
    return waste_ >= 0 && !golf_ && !rows_ && rowDealMode_ == deal_mode::None && drawCount_ == 1 && passesUnlimited_ &&
           !turnsOnEmptyWasteOnly_ && !fillFromReserve_ && !sequenceFoundations_ && !foundationsWaitForStock_ && !bouquet_;
}

// A card from the waste onto a tableau pile, or onto a foundation (where no card may go home
// for good: the search plays such a card alone). A play into an empty tableau pile is put off
// only where the pick rules do not count empty piles: else the space it fills could let a
// longer run move in the meantime.
bool CardModel::IsParking(const ModelPosition& p, const ModelMove& move) const
{
    if (move.kind != ModelMove::Kind::Cards || move.thenCount != 0 || move.from != waste_)
        return false;
    const Role to = piles_[move.to].role;
    return to == Role::Foundation ||
           (to == Role::Tableau && (Size(p, move.to) > 0 || !PickLimit(pickRule_, PickRoom{}).has_value()));
}

ModelMove CardModel::FirstOf(const ModelMove& move)
{
    ModelMove first = move;
    first.thenFrom = first.thenTo = first.thenCount = first.thenClicks = 0;
    return first;
}

ModelMove CardModel::FollowUpOf(const ModelMove& move)
{
    return {ModelMove::Kind::Cards, move.thenFrom, move.thenTo, move.thenCount, move.thenClicks};
}

// Whether a card of the mask lies face up in a tableau pile or a reserve, where a move from
// the pile could carry it: a tableau pile's cards above its face-down ones, any face-up card
// of a reserve.
bool CardModel::ShowsCardOf(const ModelPosition& p, int pile, const CardMask& mask) const
{
    const Role role = piles_[static_cast<std::size_t>(pile)].role;
    if (role != Role::Tableau && role != Role::Reserve)
        return false;
    for (int at = p.end[static_cast<std::size_t>(pile)] - 1; at >= Begin(p, pile); --at) {
        const std::uint8_t byte = p.cards[static_cast<std::size_t>(at)];
        if (FaceDown(byte)) {
            if (role == Role::Tableau)
                return false;
            continue;
        }
        const int card = CodeOf(byte);
        if ((mask[static_cast<std::size_t>((card - 1) / 64)] >> ((card - 1) % 64) & 1) != 0)
            return true;
    }
    return false;
}

// The moves that put cards on the pile's top: those of Moves with that pile as their target,
// found by the same routines with every other pile's takers left empty, from the piles that
// show a card the top lets on.
void CardModel::BuildsOn(const ModelPosition& p, int pile, std::vector<ModelMove>& builds) const
{
    const PickRoom room = RoomIn(p);
    Takers takers{};
    takers[static_cast<std::size_t>(pile)] =
        acceptMask_[static_cast<std::size_t>(piles_[static_cast<std::size_t>(pile)].rulesClass * (maxCode_ + 1) + Top(p, pile))];
    for (int from = 0; from < pileCount_; ++from)
        if (from != pile && ShowsCardOf(p, from, takers[static_cast<std::size_t>(pile)]))
            AddMovesFrom(p, from, room, takers, builds);
    std::erase_if(builds, [](const ModelMove& move) { return move.kind != ModelMove::Kind::Cards; }); // turn-ups
    AddWastePlays(p, room, takers, builds);
}

void CardModel::JoinParkedCards(const ModelPosition& p, std::vector<ModelMove>& moves) const
{
    if (!parksJoin_)
        return;
    std::vector<ModelMove> joined;
    std::vector<ModelMove> uses;
    std::erase_if(moves, [&](const ModelMove& move) {
        if (!IsParking(p, move))
            return false;
        ModelPosition ready = p;
        Apply(ready, move);
        uses.clear();
        BuildsOn(ready, move.to, uses);
        for (const ModelMove& use : uses) {
            ModelMove both = move;
            both.thenFrom = use.from;
            both.thenTo = use.to;
            both.thenCount = use.count;
            both.thenClicks = use.clicks;
            joined.push_back(both);
        }
        return true;
    });
    moves.insert(moves.end(), joined.begin(), joined.end());
}

} // namespace marlowe
