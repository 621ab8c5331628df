#include "board/board_view_paint.h"

#include "board/board_painter.h"
#include "board/card_highlight.h"
#include "board/card_art.h"

namespace marlowe {

QRect CardOverlay::Area(int shadowDepth) const
{
    const int extra = shadow ? shadowDepth : 0;
    return QRect(at, BoardSizeOf(image)).adjusted(0, 0, extra, extra);
}

void PaintBoardArea(QPainter& painter, const BoardPainter& board, QRect area, const std::optional<CardOverlay>& overlay,
                    const std::optional<QRect>& focus)
{
    painter.drawImage(QRectF(area), board.BoardImage(), QRectF(DeviceRectOf(board.BoardImage(), area)));
    if (focus && FocusFrameArea(*focus).intersects(area)) {
        painter.save();
        painter.setClipRect(area);
        DrawFocusFrame(painter, *focus);
        painter.restore();
    }
    if (!overlay || !overlay->Area(board.ShadowDepth()).intersects(area))
        return;
    painter.save();
    painter.setClipRect(area);
    painter.drawImage(overlay->at, overlay->image);
    if (overlay->shadow)
        board.DrawShadow(painter, QRect(overlay->at, BoardSizeOf(overlay->image)));
    painter.restore();
}

QRect OverlayMoveArea(const CardOverlay& before, const CardOverlay& after, int shadowDepth)
{
    return before.Area(shadowDepth).united(after.Area(shadowDepth));
}

}  // namespace marlowe
