#include "board/board_painter.h"

#include "board/card_highlight.h"
#include "board/card_art.h"
#include "board/card_images.h"
#include "catalogue/rule_values.h"
#include "layout/board_layout.h"
#include "layout/card_positions.h"
#include "layout/empty_marks.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"

#include <QPainter>

#include <cstring>

namespace marlowe {
namespace {

// The highlight colours of complete foundations, by the colour preference.
constexpr QRgb kHighlightColours[] = {
    qRgb(0, 0, 0),     qRgb(0, 0, 255),     qRgb(0, 255, 255),  qRgb(0, 255, 0),   qRgb(255, 185, 220),
    qRgb(255, 70, 70), qRgb(255, 255, 128), qRgb(0, 0, 160),    qRgb(0, 128, 128), qRgb(0, 128, 64),
    qRgb(255, 128, 255), qRgb(128, 0, 64), qRgb(128, 128, 0),   qRgb(128, 0, 0),   qRgb(192, 192, 192),
};

Qt::BrushStyle HighlightBrush(int markStyle)
{
    switch (markStyle) {
    case 1: return Qt::Dense4Pattern;  // a fine diagonal every second pixel
    case 2: return Qt::SolidPattern;
    case 3: return Qt::FDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

std::pair<int, int> KeyOf(PileRef pile)
{
    return {static_cast<int>(pile.group), pile.slot};
}

}  // namespace

BoardPainter::BoardPainter(const GameContext& context, const BoardGeometry& board, CardImages& images)
    : context_(context), geometry_(board), images_(images)
{
}

void BoardPainter::Resize(QSize size)
{
    const double ratio = images_.PixelRatio();
    background_ = QImage(DevicePixels(size.width(), ratio), DevicePixels(size.height(), ratio),
                         QImage::Format_ARGB32_Premultiplied);
    background_.setDevicePixelRatio(ratio);
    background_.fill(qRgb(0, 128, 0));
    board_ = background_.copy();
    pileAreas_.clear();
}

void BoardPainter::ClearBoardToBackground()
{
    // In place when the size holds: a full redraw then costs a copy, not a fresh image of the
    // whole board (at 2560 x 1440 that is 14 MB to map and fault in).
    if (board_.size() != background_.size() || board_.format() != background_.format() ||
        board_.bytesPerLine() != background_.bytesPerLine()) {
        board_ = background_.copy();
        return;
    }
    std::memcpy(board_.bits(), background_.constBits(), static_cast<std::size_t>(background_.sizeInBytes()));
    board_.setDevicePixelRatio(background_.devicePixelRatio());
}

QRect BoardPainter::BoardRect() const
{
    return QRect(QPoint(0, 0), BoardSizeOf(board_));
}

QPoint BoardPainter::BoardPoint(Place place) const
{
    return {place.x, place.y + geometry_.scrollOffset};
}

void BoardPainter::DrawImage(const QImage& image, QPoint at, QRect& area)
{
    QPainter painter(&board_);
    painter.drawImage(at, image);
    const QRect drawn(at, BoardSizeOf(image));
    area = area.united(drawn);
    drawnExtent_ = std::max(drawnExtent_, drawn.bottom() + 1);
}

void BoardPainter::DrawCard(int code, QPoint at, QRect& area)
{
    if (context_.cards.IsFaceDown(code))
        DrawImage(images_.Back(), at, area);
    else
        DrawImage(images_.Face(FaceImageIndex(code)), at, area);
}

void BoardPainter::DrawMark(const std::string& mark, QPoint at, QRect& area)
{
    if (mark.empty())
        return;
    QImage picture;
    const bool loaded = mark == "empty-stock" ? images_.LoadMarkBySuffix(picture, "021")
                                              : images_.LoadMarkImage(picture, mark);
    if (loaded)
        DrawImage(picture, at, area);
}

int BoardPainter::ShadowDepth() const
{
    return look_.shadows ? geometry_.card.shadowDepth : 0;
}

void BoardPainter::DrawShadow(QPainter& painter, QRect card) const
{
    const int depth = ShadowDepth();
    if (depth == 0)
        return;
    painter.save();
    // The strips are greys on white: multiplying leaves white out and darkens by the grey.
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.drawImage(QPoint(card.right() + 1, card.top() + depth - 2), images_.ShadowStrip(1));
    painter.drawImage(QPoint(card.left() + depth - 1, card.bottom() + 1), images_.ShadowStrip(2));
    painter.restore();
}

void BoardPainter::DrawPileCards(PileRef pile, int hiddenTopCards, QRect& area)
{
    const std::string& text = context_.piles[pile];
    const int count = std::max(ElementCount(text) - hiddenTopCards, 0);
    const Place home = geometry_.PlaceOf(pile);
    if (!IsPlaced(home.x) || !IsPlaced(home.y))
        return;
    if (count == 0) {
        DrawMark(EmptyMarkName(context_, pile), BoardPoint(home), area);
        return;
    }
    const int style = PileStyle(context_.rules, pile);
    const bool rowOfCells = style == pile_style::RowOfCells && pile.group == PileGroup::Tableaus;
    // A squared pile shows only its top card; the others lie hidden under it.
    const int first = style == pile_style::Squared ? count - 1 : 0;
    QRect top;
    for (int i = first; i < count; ++i) {
        const int code = ElementAt(text, i);
        const QPoint at = BoardPoint(CardPosition(context_, geometry_, pile, count - 1 - i, false));
        if (code < 0)
            continue;
        if (code == 0) {
            if (rowOfCells)
                DrawMark("Position", at, area);  // an empty cell of the row is a place to fill
            continue;
        }
        DrawCard(code, at, area);
        top = QRect(at, QSize(images_.cardWidth(), images_.cardHeight()));
    }
    if (!top.isNull() && ShadowDepth() > 0) {
        QPainter painter(&board_);
        DrawShadow(painter, top);
        area = area.united(top.adjusted(0, 0, ShadowDepth(), ShadowDepth()));
    }
}

QRect BoardPainter::DrawBoard()
{
    ClearBoardToBackground();
    pileAreas_.clear();
    drawnExtent_ = 0;
    for (const PileRef pile : PilesOnBoard(context_.rules)) {
        QRect area;
        DrawPileCards(pile, 0, area);
        pileAreas_[KeyOf(pile)] = area;
    }
    HighlightCompletedFoundations(-1);
    return BoardRect();
}

QRect BoardPainter::DrawPile(PileRef pile, int hiddenTopCards)
{
    QRect& old = pileAreas_[KeyOf(pile)];
    if (!old.isNull()) {
        QPainter painter(&board_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QRectF(old), background_, QRectF(DeviceRectOf(background_, old)));
    }
    QRect area;
    DrawPileCards(pile, hiddenTopCards, area);
    if (pile.group == PileGroup::Foundations)
        area = area.united(DrawHighlight(pile.slot));
    const QRect changed = old.united(area);
    old = area;
    return changed;
}

QRect BoardPainter::DrawStockButton(PileRef place, bool pressed)
{
    const Place home = geometry_.PlaceOf(place);
    if (!IsPlaced(home.x) || !IsPlaced(home.y))
        return {};
    QRect area;
    DrawMark(pressed ? "stockdown" : "StockUp", BoardPoint(home), area);
    return area;
}

QRect BoardPainter::DrawSelectedCard(int card, PileRef pile, bool selected)
{
    if (!selected)
        return DrawPile(pile);
    const std::string& text = context_.piles[pile];
    const int count = ElementCount(text);
    for (int i = 0; i < count; ++i) {
        if (ElementAt(text, i) != card)
            continue;
        const Place place = CardPosition(context_, geometry_, pile, count - 1 - i, false);
        if (!IsPlaced(place.x))
            return {};
        const QRect rect(BoardPoint(place), QSize(images_.cardWidth(), images_.cardHeight()));
        QPainter painter(&board_);
        DrawSelectionHighlight(painter, rect);
        return rect;
    }
    return {};
}

QRect BoardPainter::DrawHighlight(int foundation)
{
    if (look_.foundationMarkStyle <= 0 || !IsFoundationComplete(context_, foundation))
        return {};
    const PileRef pile{PileGroup::Foundations, foundation};
    const Place place = CardPosition(context_, geometry_, pile, 0, false);
    if (!IsPlaced(place.x))
        return {};
    const QRect card(BoardPoint(place), QSize(images_.cardWidth(), images_.cardHeight()));
    const int colour = std::clamp(look_.foundationMarkColour, 0, static_cast<int>(std::size(kHighlightColours)) - 1);
    QPainter painter(&board_);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(QColor(kHighlightColours[colour]), HighlightBrush(look_.foundationMarkStyle)));
    painter.drawRect(card.adjusted(1, 1, -1, -1));
    return card;
}

QRect BoardPainter::HighlightCompletedFoundations(int foundation)
{
    if (foundation >= 0)
        return DrawHighlight(foundation);
    QRect changed;
    for (int f = 0; f < context_.FoundationCount(); ++f)
        changed = changed.united(DrawHighlight(f));
    return changed;
}

QRect BoardPainter::DrawOntoBoard(const QImage& image, QPoint at)
{
    // Not counted in the drawn extent: these cards sit over the piles, not below them, and a
    // winning animation must not grow the scroll range.
    QPainter painter(&board_);
    painter.drawImage(at, image);
    return QRect(at, BoardSizeOf(image)).intersected(BoardRect());
}

QImage BoardPainter::ComposeDragImage(PileRef pile, int count) const
{
    const std::string& text = context_.piles[pile];
    const int total = ElementCount(text);
    count = std::clamp(count, 1, std::max(total, 1));
    const int step = geometry_.steps.faceUpDown;
    const double ratio = images_.PixelRatio();
    QImage image(DevicePixels(images_.cardWidth(), ratio), DevicePixels(images_.cardHeight() + (count - 1) * step, ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int i = 0; i < count; ++i) {
        const int code = ElementAt(text, total - count + i);
        if (code <= 0)
            continue;
        const QImage& face = context_.cards.IsFaceDown(code) ? images_.Back() : images_.Face(FaceImageIndex(code));
        painter.drawImage(0, i * step, face);
    }
    return image;
}

}  // namespace marlowe
