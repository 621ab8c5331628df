#include "drawn_faces.h"

#include "suit_pips.h"

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
