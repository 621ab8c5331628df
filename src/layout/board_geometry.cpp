#include "layout/board_geometry.h"

namespace marlowe {

namespace {

// The stored place of a pile, for a const or a mutable geometry alike.
template <typename Geometry>
auto& StoredIn(Geometry& geometry, PileRef pile)
{
    const auto slot = static_cast<std::size_t>(pile.slot);
    switch (pile.group) {
    case PileGroup::StockGroup: return geometry.stockGroup.at(slot);
    case PileGroup::Foundations: return geometry.foundations.at(slot);
    case PileGroup::Reserves: return geometry.reserves.at(slot);
    case PileGroup::Tableaus: break;
    }
    return geometry.tableaus.at(slot);
}

} // namespace

void BoardGeometry::SetCardSize(char sizeLetter, bool shadows, const RuleVector& rules)
{
    card = CardMetricsFor(sizeLetter, shadows);
    steps = ComputeFanSteps(sizeLetter, rules);
}

void BoardGeometry::SetCardWidth(int cardWidth, bool shadows, const RuleVector& rules)
{
    card = CardMetricsOfWidth(cardWidth, shadows);
    steps = ComputeFanStepsOfWidth(cardWidth, rules);
}

Place& BoardGeometry::Stored(PileRef pile)
{
    return StoredIn(*this, pile);
}

const Place& BoardGeometry::Stored(PileRef pile) const
{
    return StoredIn(*this, pile);
}

Place BoardGeometry::PlaceOf(PileRef pile) const
{
    Place place = Stored(pile);
    if (IsPlaced(place.x) && IsPlaced(place.y))
        place.y -= scrollOffset;
    return place;
}

Place BoardGeometry::PlaceAtLayout(PileRef pile) const
{
    Place place = pile.group == PileGroup::StockGroup ? stockGroupAtLayout.at(static_cast<std::size_t>(pile.slot))
                                                      : foundationsAtLayout.at(static_cast<std::size_t>(pile.slot));
    if (IsPlaced(place.x) && IsPlaced(place.y))
        place.y -= scrollAtLayout;
    return place;
}

void BoardGeometry::ClearPlaces()
{
    stockGroup.fill({});
    foundations.fill({});
    tableaus.fill({});
    reserves.fill({});
}

void BoardGeometry::TakeLayoutCopies(int scrollPosition)
{
    stockGroupAtLayout = stockGroup;
    foundationsAtLayout = foundations;
    scrollAtLayout = scrollPosition;
    scrollOffset = scrollPosition;
}

BoardFrame MainBoardFrame(const WindowFrame& window)
{
    BoardFrame frame;
    frame.width = window.clientWidth - window.scrollBarWidth;
    frame.outerHeight = window.outerHeight;
    frame.bottom = window.statusBarTop >= 0 ? window.statusBarTop : window.clientHeight - 1;
    frame.top = window.toolbarBottom + (window.bothSeparatorLines ? 2 : 0);
    return frame;
}

BoardFrame PreviewFrame(int imageWidth, int imageHeight)
{
    return BoardFrame{imageWidth, imageHeight, 3, imageHeight};
}

} // namespace marlowe
