#pragma once
// Card faces drawn from shapes for the miniature size (25 x 32), where a rendered deck blurs into
// mush: a white rounded card with a big rank and a suit pip in the suit's colour.

#include <QColor>
#include <QRectF>

class QPainter;

namespace marlowe::resgen {

// The colour of a suit ('H', 'D', 'C', 'S'); four colours make clubs green and diamonds blue.
QColor SuitColour(char suit, bool fourColours);

// The white rounded card with its thin outline, filling rect.
void DrawBlankCard(QPainter& painter, const QRectF& rect);

// A whole face of rank 1 (ace) to 13 (king), filling rect.
void DrawSmallFace(QPainter& painter, const QRectF& rect, int rank, char suit, bool fourColours);

// The joker at the miniature size: a gold star, with a small red one as its index.
void DrawSmallJoker(QPainter& painter, const QRectF& rect);

}  // namespace marlowe::resgen
