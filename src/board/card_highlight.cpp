#include "board/card_highlight.h"

#include <QPen>

namespace marlowe {
namespace {

constexpr int kPenWidth = 3;
constexpr qreal kCornerRadius = 5;

void DrawHighlightFrame(QPainter& painter, QRectF frame, bool filled)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 200, 0), kPenWidth));
    painter.setBrush(filled ? QBrush(QColor(255, 220, 60, 70)) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(frame, kCornerRadius, kCornerRadius);
    painter.restore();
}

}  // namespace

void DrawSelectionHighlight(QPainter& painter, QRect card)
{
    const qreal inset = kPenWidth / 2.0;
    DrawHighlightFrame(painter, QRectF(card).adjusted(inset, inset, -inset, -inset), true);
}

void DrawFocusFrame(QPainter& painter, QRect card)
{
    const qreal outset = kPenWidth / 2.0 + 1;
    DrawHighlightFrame(painter, QRectF(card).adjusted(-outset, -outset, outset, outset), false);
}

QRect FocusFrameArea(QRect card)
{
    const int margin = kPenWidth + 2;
    return card.adjusted(-margin, -margin, margin, margin);
}

}  // namespace marlowe
