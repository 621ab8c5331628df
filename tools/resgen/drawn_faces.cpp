#include "drawn_faces.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace marlowe::resgen {
namespace {

// The drawn faces are laid out on the miniature card and scale with the card's width.
constexpr double kLayoutWidth = 25.0;

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

QString RankText(int rank)
{
    static const char* const kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return kRanks[rank - 1];
}

QFont RankFont(int rank, double scale)
{
    // "10" is the widest rank: the condensed face keeps it inside the corner.
    QFont font(rank == 10 ? "DejaVu Sans Condensed" : "DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround((rank == 10 ? 11 : 12) * scale)));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QPainterPath Star(const QPointF& centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// The outline of a suit pip filling box.
QPainterPath SuitPip(char suit, const QRectF& box)
{
    switch (suit) {
    case 'H': return HeartPip(box);
    case 'D': return DiamondPip(box);
    case 'C': return ClubPip(box);
    default: return SpadePip(box);
    }
}

}  // namespace

QColor SuitColour(char suit, bool fourColours)
{
    switch (suit) {
    case 'H': return QColor(0xd4, 0x00, 0x00);
    case 'D': return fourColours ? QColor(0x14, 0x50, 0xc8) : QColor(0xd4, 0x00, 0x00);
    case 'C': return fourColours ? QColor(0x0a, 0x7d, 0x32) : QColor(0x10, 0x10, 0x10);
    default: return QColor(0x10, 0x10, 0x10);
    }
}

void DrawBlankCard(QPainter& painter, const QRectF& rect)
{
    const double radius = std::max(2.25, rect.width() * 0.065);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void DrawSmallFace(QPainter& painter, const QRectF& rect, int rank, char suit, bool fourColours)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    DrawBlankCard(painter, rect);
    const double s = rect.width() / kLayoutWidth;
    const QColor colour = SuitColour(suit, fourColours);

    // A court card shows its big pip on a gold panel, as a picture card would.
    QRectF pip(rect.center().x() - 7 * s, rect.top() + 14 * s, 14 * s, 15 * s);
    if (rank > 10) {
        const QRectF panel(rect.left() + 2.5 * s, rect.top() + 13 * s, rect.width() - 5 * s, 16.5 * s);
        painter.setPen(QPen(colour, 0.8 * s));
        painter.setBrush(QColor(0xf7, 0xe0, 0x96));
        painter.drawRoundedRect(panel, 1.5 * s, 1.5 * s);
        pip = pip.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s);
    }

    // Rank and a small pip share the top strip, the part a fanned pile leaves in view.
    painter.setPen(colour);
    painter.setFont(RankFont(rank, s));
    painter.drawText(QRectF(rect.left() + 2 * s, rect.top() - s, 15 * s, 13 * s),
                     Qt::AlignLeft | Qt::AlignTop, RankText(rank));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(SuitPip(suit, QRectF(rect.right() - 8.5 * s, rect.top() + 2.5 * s, 6.5 * s, 7 * s)));
    painter.drawPath(SuitPip(suit, pip));
    painter.restore();
}

void DrawSmallJoker(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBlankCard(painter, rect);
    const double s = rect.width() / kLayoutWidth;
    // A small star in the corner names it in a fanned pile, like the rank of the other faces.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd4, 0x00, 0x00));
    painter.drawPath(Star(QPointF(rect.left() + 6 * s, rect.top() + 6 * s), 4.5 * s, 2 * s));
    painter.setPen(QPen(QColor(0x7a, 0x10, 0x10), 1.0 * s));
    painter.setBrush(QColor(0xf2, 0xb8, 0x1a));
    painter.drawPath(Star(QPointF(rect.center().x(), rect.top() + 20 * s), 9.5 * s, 4 * s));
    painter.restore();
}

}  // namespace marlowe::resgen
