#pragma once
// Small drawing pieces shared by the pictures the generator draws itself: the card outline, colour
// mixing, and noise that repeats, so textures built from it tile without seams.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>

namespace marlowe::resgen {

// A fully transparent premultiplied ARGB image to draw a card-sized picture on.
QImage TransparentImage(int width, int height);

// The corner radius of a card of this width; every card-shaped picture uses it so backs, faces
// and empty-pile marks line up.
qreal CardCornerRadius(int cardWidth);

// A card outline filling rect.
QPainterPath CardOutline(const QRectF& rect, qreal radius);

// a when t is 0, b when t is 1.
QColor Mix(const QColor& a, const QColor& b, qreal t);

// A well-mixed number in [0, 1) for integer coordinates and a seed; the same inputs always give
// the same number, so pictures come out identical on every build.
double HashUnit(int x, int y, uint32_t seed);

// Smooth noise in [0, 1] at pixel (x, y) of a square tile of `size` pixels. The coarsest layer has
// `cells` lattice cells across the tile and each of `octaves` layers doubles that; the lattice wraps
// around the tile, so the noise joins itself at the edges. stretchX > 1 draws the noise out along
// x (grain, brushing) while keeping it periodic.
double TileNoise(double x, double y, int size, int cells, int octaves, uint32_t seed, int stretchX = 1);

}  // namespace marlowe::resgen
