#pragma once
// Draws the table: every pile at its place, its cards fanned by the pile's style, face-down cards
// as the back, empty piles as their marks, complete foundations highlighted, cards shadowed when
// shadows are on. It keeps two images as large as the board: the background alone, and the board
// as drawn, which the window shows and which the corners of a card are blended over. Dragged and
// gliding cards are never drawn into the board image; the window draws them on top.

#include "engine/pile_store.h"
#include "layout/board_geometry.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <map>
#include <string>

namespace marlowe {

class CardImages;
class GameContext;

// The choices of the player that change how cards look.
struct BoardLook {
    bool shadows = false;
    int foundationMarkStyle = 0;   // 0 none, 1 fine diagonal lines, 2 solid, 3-5 hatches
    int foundationMarkColour = 0;  // an index into the highlight colours
};

class BoardPainter {
public:
    BoardPainter(const GameContext& context, const BoardGeometry& board, CardImages& images);

    // The board's size in pixels; both images are made anew at the card pictures' pixel ratio
    // (the background is left for the caller to paint).
    void Resize(QSize size);
    // The board image's rectangle in board pixels.
    QRect BoardRect() const;
    QImage& BackgroundImage() { return background_; }
    const QImage& BoardImage() const { return board_; }
    void SetLook(const BoardLook& look) { look_ = look; }
    const BoardLook& Look() const { return look_; }

    // The background, then every pile. Returns the rectangle of the board that changed.
    QRect DrawBoard();
    // One pile again: its old area restored from the background, then its cards or its mark.
    // The top hiddenTopCards are left out: they are on their way elsewhere.
    QRect DrawPile(PileRef pile, int hiddenTopCards = 0);
    // The pressed or released redeal button at a pile's place.
    QRect DrawStockButton(PileRef place, bool pressed);
    // A card of a pile drawn marked as selected, or plain again.
    QRect DrawSelectedCard(int card, PileRef pile, bool selected);
    // The highlight of one complete foundation, or of all with foundation < 0.
    QRect HighlightCompletedFoundations(int foundation);
    // A picture drawn straight onto the board image (cards come to rest after a glide, the cards
    // of a winning animation). Returns the changed rectangle, clipped to the board.
    QRect DrawOntoBoard(const QImage& image, QPoint at);

    // The picture of the top `count` cards of a pile as the pointer carries them, one card wide.
    QImage ComposeDragImage(PileRef pile, int count) const;
    // A card's shadow strips beside a card rectangle, when shadows are on.
    void DrawShadow(QPainter& painter, QRect card) const;
    int ShadowDepth() const;

    // The lowest edge of anything drawn since the last full redraw, in board coordinates; the
    // scroll bar is sized from it.
    int DrawnExtent() const { return drawnExtent_; }

private:
    void ClearBoardToBackground();
    void DrawPileCards(PileRef pile, int hiddenTopCards, QRect& area);
    void DrawCard(int code, QPoint at, QRect& area);
    void DrawMark(const std::string& mark, QPoint at, QRect& area);
    void DrawImage(const QImage& image, QPoint at, QRect& area);
    QRect DrawHighlight(int foundation);
    QPoint BoardPoint(Place place) const;

    const GameContext& context_;
    const BoardGeometry& geometry_;
    CardImages& images_;
    BoardLook look_;
    QImage background_;
    QImage board_;
    std::map<std::pair<int, int>, QRect> pileAreas_;  // what each pile covered when last drawn
    int drawnExtent_ = 0;
};

}  // namespace marlowe
