#pragma once
// Painting the window from the board image: the part of the board an update asks for, and on
// top of it the cards the pointer carries or an animation moves, with their shadow. The board
// image never holds these cards, so moving them repaints only where they were and where they are.

#include <QImage>
#include <QPainter>
#include <QRect>

#include <optional>

namespace marlowe {

class BoardPainter;

// Cards drawn above the board: the dragged run or a gliding card.
struct CardOverlay {
    QImage image;
    QPoint at;       // in board coordinates
    bool shadow = false;

    QRect Area(int shadowDepth) const;
};

// Paints area (board coordinates) of the board, the keyboard's focus frame around the card
// rectangle focus and the overlay above both onto a window painter whose origin is the board's
// top-left less the scroll position.
void PaintBoardArea(QPainter& painter, const BoardPainter& board, QRect area, const std::optional<CardOverlay>& overlay,
                    const std::optional<QRect>& focus = std::nullopt);

// What a move of the overlay from one place to another needs repainted.
QRect OverlayMoveArea(const CardOverlay& before, const CardOverlay& after, int shadowDepth);

}  // namespace marlowe
