#pragma once
// The board's mark on a single card: a gold rounded frame, lightly filled on a card the player
// has selected, open around the card the keyboard's focus stands on.

#include <QPainter>
#include <QRect>

namespace marlowe {

// The selected card: the frame inside the card, filled.
void DrawSelectionHighlight(QPainter& painter, QRect card);
// The keyboard's focus: the frame just outside the card, so that it shows on any card and on
// a selected one too.
void DrawFocusFrame(QPainter& painter, QRect card);
// What the focus frame around card covers.
QRect FocusFrameArea(QRect card);

}  // namespace marlowe
