#include "drawing_helpers.h"

#include <algorithm>
#include <cmath>

namespace marlowe::resgen {
namespace {

double SmoothStep(double t) { return t * t * (3.0 - 2.0 * t); }

int Wrap(int value, int period) { return ((value % period) + period) % period; }

// Value noise on a lattice of periodX x periodY cells that wraps around.
double PeriodicValueNoise(double u, double v, int periodX, int periodY, uint32_t seed)
{
    const int iu = static_cast<int>(std::floor(u));
    const int iv = static_cast<int>(std::floor(v));
    const double fu = SmoothStep(u - iu);
    const double fv = SmoothStep(v - iv);
    const int u0 = Wrap(iu, periodX), u1 = Wrap(iu + 1, periodX);
    const int v0 = Wrap(iv, periodY), v1 = Wrap(iv + 1, periodY);
    const double top = HashUnit(u0, v0, seed) * (1 - fu) + HashUnit(u1, v0, seed) * fu;
    const double bottom = HashUnit(u0, v1, seed) * (1 - fu) + HashUnit(u1, v1, seed) * fu;
    return top * (1 - fv) + bottom * fv;
}

}  // namespace

QImage TransparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

qreal CardCornerRadius(int cardWidth) { return std::max(3.0, cardWidth * 0.065); }

QPainterPath CardOutline(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QColor Mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

double HashUnit(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h & 0xFFFFFFu) / double(0x1000000);
}

double TileNoise(double x, double y, int size, int cells, int octaves, uint32_t seed, int stretchX)
{
    double sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        const int periodY = cells << octave;
        const int periodX = std::max(1, periodY / stretchX);
        sum += amplitude * PeriodicValueNoise(x * periodX / size, y * periodY / size, periodX, periodY,
                                              seed + static_cast<uint32_t>(octave) * 1013u);
        weight += amplitude;
        amplitude *= 0.5;
    }
    return sum / weight;
}

}  // namespace marlowe::resgen
