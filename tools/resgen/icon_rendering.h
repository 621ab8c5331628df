#pragma once
// Shared pieces of the window's small pictures: the key colour convention, the looks a picture
// can take (disabled, flat, faded), icons of the freedesktop theme, and the tiny cards, pips and
// marks several pictures are drawn from.

#include "suit_pips.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <functional>

namespace marlowe::resgen {

// The window adds each small picture to an image list with its top-left pixel as the transparent
// colour, so every such picture is opaque, keyed on this colour, which no drawn pixel may take.
inline const QColor kKeyColour(255, 0, 255);

// A transparent ARGB canvas to draw a small picture on, and its keyed, opaque form: pixels at
// least a third covered are laid over the toolbar grey, the rest become the key colour.
QImage TransparentCanvas(int width, int height);
QImage Keyed(const QImage& drawn);
// A square transparent canvas with draw's antialiased drawing on it.
QImage Drawn(int size, const std::function<void(QPainter&)>& draw);

// Looks applied to a drawn (still transparent) picture.
QImage Disabled(const QImage& drawn);      // light grey, low contrast
QImage Embossed(const QImage& drawn);      // the older disabled look: grey with a white shadow
QImage Faded(const QImage& drawn);         // washed out, for games never played
QImage Tinted(const QImage& drawn, const QColor& colour);  // every pixel in one colour

// Renders the theme icon "context/name" (for example "actions/edit-undo") from the theme's
// folder of the given design size, at that size centred on a canvas of canvasSize, or shrunk to
// fill a smaller canvas. The icon's text colour, and the colours of its accents (highlight,
// warning and the like), may be replaced. A null image when the theme has no such icon.
QImage ThemeIcon(const QString& themeFolder, const QString& icon, int designSize, int canvasSize,
                 const QColor& textColour = QColor(), const QColor& accentColour = QColor());

// Tiny pieces for 16-pixel pictures. Rectangles are in pixels; the painter antialiases.
void DrawCardFace(QPainter& painter, const QRectF& card, const QColor& pipColour);
void DrawCardBack(QPainter& painter, const QRectF& card);
QColor SuitColour(char suit);
// A green check or a red cross in the bottom-right corner of a 16-pixel picture.
void DrawWonBadge(QPainter& painter, int size);
void DrawLostBadge(QPainter& painter, int size);

}  // namespace marlowe::resgen
