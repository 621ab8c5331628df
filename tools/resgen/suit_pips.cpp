#include "suit_pips.h"

namespace marlowe::resgen {
namespace {

QPointF At(const QRectF& box, double x, double y)
{
    return {box.left() + x * box.width(), box.top() + y * box.height()};
}

QPainterPath HeartPip(const QRectF& b)
{
    QPainterPath path;
    path.moveTo(At(b, 0.5, 1.0));
    path.cubicTo(At(b, 0.3, 0.78), At(b, 0.0, 0.58), At(b, 0.0, 0.3));
    path.cubicTo(At(b, 0.0, 0.1), At(b, 0.14, 0.0), At(b, 0.27, 0.0));
    path.cubicTo(At(b, 0.4, 0.0), At(b, 0.48, 0.08), At(b, 0.5, 0.2));
    path.cubicTo(At(b, 0.52, 0.08), At(b, 0.6, 0.0), At(b, 0.73, 0.0));
    path.cubicTo(At(b, 0.86, 0.0), At(b, 1.0, 0.1), At(b, 1.0, 0.3));
    path.cubicTo(At(b, 1.0, 0.58), At(b, 0.7, 0.78), At(b, 0.5, 1.0));
    return path;
}

QPainterPath DiamondPip(const QRectF& b)
{
    QPainterPath path;
    path.moveTo(At(b, 0.5, 0.0));
    path.quadTo(At(b, 0.72, 0.3), At(b, 0.9, 0.5));
    path.quadTo(At(b, 0.72, 0.7), At(b, 0.5, 1.0));
    path.quadTo(At(b, 0.28, 0.7), At(b, 0.1, 0.5));
    path.quadTo(At(b, 0.28, 0.3), At(b, 0.5, 0.0));
    return path;
}

// The flared foot that spades and clubs stand on.
void AddStem(QPainterPath& path, const QRectF& b)
{
    path.moveTo(At(b, 0.47, 0.55));
    path.cubicTo(At(b, 0.47, 0.8), At(b, 0.4, 0.93), At(b, 0.26, 1.0));
    path.lineTo(At(b, 0.74, 1.0));
    path.cubicTo(At(b, 0.6, 0.93), At(b, 0.53, 0.8), At(b, 0.53, 0.55));
    path.closeSubpath();
}

QPainterPath SpadePip(const QRectF& b)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(At(b, 0.5, 0.0));
    path.cubicTo(At(b, 0.66, 0.2), At(b, 1.0, 0.36), At(b, 1.0, 0.58));
    path.cubicTo(At(b, 1.0, 0.72), At(b, 0.88, 0.8), At(b, 0.76, 0.8));
    path.cubicTo(At(b, 0.64, 0.8), At(b, 0.55, 0.73), At(b, 0.5, 0.66));
    path.cubicTo(At(b, 0.45, 0.73), At(b, 0.36, 0.8), At(b, 0.24, 0.8));
    path.cubicTo(At(b, 0.12, 0.8), At(b, 0.0, 0.72), At(b, 0.0, 0.58));
    path.cubicTo(At(b, 0.0, 0.36), At(b, 0.34, 0.2), At(b, 0.5, 0.0));
    AddStem(path, b);
    return path;
}

QPainterPath ClubPip(const QRectF& b)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double r = 0.235;
    for (const QPointF centre : {QPointF(0.5, 0.25), QPointF(0.255, 0.58), QPointF(0.745, 0.58)})
        path.addEllipse(At(b, centre.x(), centre.y()), r * b.width(), r * b.height());
    path.addRect(QRectF(At(b, 0.4, 0.4), At(b, 0.6, 0.62)));
    AddStem(path, b);
    return path;
}

}  // namespace

QPainterPath SuitPip(char suit, const QRectF& box)
{
    switch (suit) {
    case 'H': return HeartPip(box);
    case 'D': return DiamondPip(box);
    case 'C': return ClubPip(box);
    default: return SpadePip(box);
    }
}

}  // namespace marlowe::resgen
