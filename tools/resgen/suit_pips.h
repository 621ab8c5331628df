#pragma once
// The outlines of the four suit signs, drawn as paths so they stay clean at any size: the pips of
// the smallest card faces and the suit pictures of the window.

#include <QPainterPath>
#include <QRectF>

namespace marlowe::resgen {

// The outline of a suit sign ('H', 'D', 'C', 'S') filling box.
QPainterPath SuitPip(char suit, const QRectF& box);

}  // namespace marlowe::resgen
