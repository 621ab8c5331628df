// The built-in card backs: a white card with a thin margin around a picture. The woven, lattice
// and Mondrian backs are drawn here; the picture backs in card_back_scenes.cpp.

#include "card_back_designs.h"
#include "drawing_helpers.h"
#include "resource_makers.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace marlowe::resgen {
namespace {

struct BackDesign {
    std::string_view number;
    void (*draw)(QPainter&, const BackField&);
    QColor frame;  // the fine line that finishes the field's edge against the white margin
};

constexpr BackDesign kDesigns[] = {
    {"001", DrawMondrian, QColor(20, 20, 20)},
    {"003", DrawSnowman, QColor(30, 60, 120)},
    {"006", DrawBasketPlait, QColor(10, 50, 30)},
    {"007", DrawClassicLattice, QColor(20, 40, 110)},
    {"011", DrawDiagonalPlait, QColor(70, 0, 15)},
    {"014", DrawRoses, QColor(10, 45, 25)},
    {"019", DrawTropicalFish, QColor(10, 50, 110)},
    {"020", DrawLake, QColor(30, 60, 100)},
};

struct StrandColours {
    QColor dark, base, light, gap;
};

// One piece of a strand between two crossings. Across its width it is shaded like a flat cord;
// along its length it darkens where it dives under its neighbour, or lies in shadow beneath one.
void DrawStrandPiece(QPainter& painter, const QRectF& piece, bool horizontal, bool over, const StrandColours& colours)
{
    QLinearGradient across = horizontal ? QLinearGradient(0, piece.top(), 0, piece.bottom())
                                        : QLinearGradient(piece.left(), 0, piece.right(), 0);
    across.setColorAt(0, colours.dark);
    across.setColorAt(0.28, colours.base);
    across.setColorAt(0.45, colours.light);
    across.setColorAt(0.75, colours.base);
    across.setColorAt(1, colours.dark);
    painter.fillRect(piece, across);

    QLinearGradient along = horizontal ? QLinearGradient(piece.left(), 0, piece.right(), 0)
                                       : QLinearGradient(0, piece.top(), 0, piece.bottom());
    const QColor endShade(0, 0, 0, 80);
    along.setColorAt(0, endShade);
    along.setColorAt(1, endShade);
    if (over) {
        along.setColorAt(0.3, Qt::transparent);
        along.setColorAt(0.7, Qt::transparent);
    } else {
        along.setColorAt(0.5, QColor(0, 0, 0, 130));
    }
    painter.fillRect(piece, along);
}

// A plain weave of square cells: strand pieces of the two directions cross in every cell, and which
// one lies on top alternates like a chequerboard. Centred on the origin of the painter.
void DrawPlainWeave(QPainter& painter, qreal cell, qreal reach, const StrandColours& colours)
{
    const qreal strand = cell * 0.84;
    const int count = static_cast<int>(std::ceil(reach / cell)) + 1;
    painter.fillRect(QRectF(-reach, -reach, 2 * reach, 2 * reach), colours.gap);
    for (int row = -count; row < count; ++row)
        for (int column = -count; column < count; ++column) {
            const QRectF square(column * cell, row * cell, cell, cell);
            const QRectF horizontal(square.left(), square.center().y() - strand / 2, cell, strand);
            const QRectF vertical(square.center().x() - strand / 2, square.top(), strand, cell);
            const bool horizontalOver = (row + column) % 2 == 0;
            DrawStrandPiece(painter, horizontalOver ? vertical : horizontal, !horizontalOver, false, colours);
            DrawStrandPiece(painter, horizontalOver ? horizontal : vertical, horizontalOver, true, colours);
        }
}

qreal Reach(const QRectF& rect) { return std::hypot(rect.width(), rect.height()) / 2 + 2; }

}  // namespace

// The default back: a deep red plain weave set on the diagonal, inside a plain red border with a
// fine rose line.
void DrawDiagonalPlait(QPainter& painter, const BackField& field)
{
    const StrandColours red{QColor(92, 8, 22), QColor(158, 22, 38), QColor(212, 78, 86), QColor(38, 0, 8)};
    painter.save();
    painter.translate(field.rect.center());
    painter.rotate(45);
    DrawPlainWeave(painter, field.tiny ? 3.6 : std::max(5.0, field.rect.width() * 0.125), Reach(field.rect), red);
    painter.restore();
    if (field.tiny)
        return;
    const qreal band = std::round(field.rect.width() * 0.06);
    const QRectF inner = field.rect.adjusted(band, band, -band, -band);
    QPainterPath border;
    border.addRect(field.rect);
    border.addRoundedRect(inner, band * 0.6, band * 0.6);
    painter.fillPath(border, QColor(128, 12, 30));
    painter.setPen(QPen(QColor(236, 176, 170), std::max(0.7, band * 0.2)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, band * 0.6, band * 0.6);
}

// A green basket weave: square cells of three flat strips, turning a quarter between neighbours.
void DrawBasketPlait(QPainter& painter, const BackField& field)
{
    const StrandColours green{QColor(14, 58, 34), QColor(38, 112, 70), QColor(94, 158, 110), QColor(6, 30, 16)};
    const int strips = field.tiny ? 2 : 3;
    const qreal cell = field.tiny ? 5.0 : std::round(field.rect.width() * 0.16);
    const qreal strip = cell / strips;
    painter.fillRect(field.rect, green.gap);
    const QPointF centre = field.rect.center();
    const int columns = static_cast<int>(std::ceil(field.rect.width() / cell / 2)) + 1;
    const int rows = static_cast<int>(std::ceil(field.rect.height() / cell / 2)) + 1;
    for (int row = -rows; row < rows; ++row)
        for (int column = -columns; column < columns; ++column) {
            const QPointF corner(centre.x() + (column - 0.5) * cell, centre.y() + (row - 0.5) * cell);
            const bool horizontal = (row + column) % 2 == 0;
            for (int i = 0; i < strips; ++i) {
                const QRectF piece = horizontal ? QRectF(corner.x(), corner.y() + i * strip + 0.4, cell, strip - 0.8)
                                                : QRectF(corner.x() + i * strip + 0.4, corner.y(), strip - 0.8, cell);
                DrawStrandPiece(painter, piece, horizontal, true, green);
            }
        }
}

// The traditional blue back: a fine white lattice with a rosette in every diamond and, on larger
// cards, an oval medallion at the centre.
void DrawClassicLattice(QPainter& painter, const BackField& field)
{
    const QColor blue(28, 56, 142);
    const QColor white(236, 240, 250);
    painter.fillRect(field.rect, blue);
    const qreal spacing = field.tiny ? 4.0 : std::max(5.0, field.rect.width() * 0.105);
    const qreal reach = Reach(field.rect);
    const int count = static_cast<int>(std::ceil(reach / spacing)) + 1;

    painter.save();
    painter.translate(field.rect.center());
    painter.rotate(45);
    painter.setPen(QPen(white, field.tiny ? 0.45 : std::max(0.5, spacing * 0.07)));
    for (int k = -count; k <= count; ++k) {
        painter.drawLine(QPointF(k * spacing, -reach), QPointF(k * spacing, reach));
        painter.drawLine(QPointF(-reach, k * spacing), QPointF(reach, k * spacing));
    }
    if (!field.tiny) {
        painter.setPen(Qt::NoPen);
        for (int row = -count; row < count; ++row)
            for (int column = -count; column < count; ++column) {
                const QPointF middle((column + 0.5) * spacing, (row + 0.5) * spacing);
                painter.setBrush(white);
                const qreal petal = spacing * 0.2;
                for (QPointF offset : {QPointF(petal, 0), QPointF(-petal, 0), QPointF(0, petal), QPointF(0, -petal)})
                    painter.drawEllipse(middle + offset, petal * 0.75, petal * 0.75);
                painter.setBrush(blue);
                painter.drawEllipse(middle, petal * 0.45, petal * 0.45);
                painter.setBrush(white);
                painter.drawEllipse(QPointF(column * spacing, row * spacing), spacing * 0.09, spacing * 0.09);
            }
    }
    painter.restore();
    if (field.tiny)
        return;

    const QPointF centre = field.rect.center();
    const qreal rx = field.rect.width() * 0.27, ry = field.rect.height() * 0.2;
    const qreal line = std::max(0.6, spacing * 0.08);
    painter.setBrush(blue);
    painter.setPen(QPen(white, line * 1.6));
    painter.drawEllipse(centre, rx, ry);
    painter.setPen(QPen(white, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, rx - line * 3, ry - line * 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(white);
    const qreal petal = std::min(rx, ry) * 0.42;
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(i * 45);
        painter.drawEllipse(QPointF(0, -petal * 0.62), petal * 0.22, petal * 0.5);
        painter.restore();
    }
    painter.setBrush(blue);
    painter.drawEllipse(centre, petal * 0.3, petal * 0.3);
    painter.setBrush(white);
    painter.drawEllipse(centre, petal * 0.16, petal * 0.16);
}

// Named after Mondrian in the customize dialog: a white ground cut by black bars into rectangles,
// a few of them red, blue and yellow. Bars and blocks sit on whole pixels so they stay sharp.
void DrawMondrian(QPainter& painter, const BackField& field)
{
    const QRectF& r = field.rect;
    const auto x = [&r](qreal fraction) { return std::round(r.left() + fraction * r.width()); };
    const auto y = [&r](qreal fraction) { return std::round(r.top() + fraction * r.height()); };
    const qreal bar = std::max(1.0, std::round(r.width() * 0.035));
    const auto block = [&](qreal left, qreal top, qreal right, qreal bottom, const QColor& colour) {
        painter.fillRect(QRectF(QPointF(x(left), y(top)), QPointF(x(right), y(bottom))), colour);
    };
    const auto across = [&](qreal at, qreal from, qreal to) {
        painter.fillRect(QRectF(x(from), y(at) - std::floor(bar / 2), x(to) - x(from), bar), Qt::black);
    };
    const auto down = [&](qreal at, qreal from, qreal to) {
        painter.fillRect(QRectF(x(at) - std::floor(bar / 2), y(from), bar, y(to) - y(from)), Qt::black);
    };

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(r, QColor(246, 243, 234));
    block(0.3, 0, 1, 0.4, QColor(206, 32, 38));
    block(0, 0.68, 0.3, 1, QColor(22, 58, 150));
    block(0.83, 0.86, 1, 1, QColor(246, 204, 30));
    if (!field.tiny)
        block(0, 0, 0.3, 0.17, QColor(246, 204, 30));
    down(0.3, 0, 1);
    down(0.83, 0.68, 1);
    across(0.4, 0, 1);
    across(0.68, 0, 1);
    across(0.86, 0.83, 1);
    if (!field.tiny) {
        across(0.17, 0, 0.3);
        down(0.62, 0.4, 0.68);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
}

qreal UseDesignUnits(QPainter& painter, const BackField& field)
{
    painter.translate(field.rect.topLeft());
    const qreal scale = field.rect.width() / 100.0;
    painter.scale(scale, scale);
    return field.rect.height() / scale;
}

QImage MakeCardBack(const ResourceEntry& entry)
{
    const auto design = std::find_if(std::begin(kDesigns), std::end(kDesigns),
                                     [&entry](const BackDesign& d) { return d.number == entry.variant; });
    if (design == std::end(kDesigns) || entry.width <= 0)
        return {};

    QImage image = TransparentImage(entry.width, entry.height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(0, 0, entry.width, entry.height);
    const qreal radius = CardCornerRadius(entry.width);
    painter.fillPath(CardOutline(card, radius), QColor(252, 252, 250));

    // A narrow margin, so the edges of backs stacked a few pixels apart still show the pattern.
    const qreal margin = std::max(1.0, std::round(entry.width * 0.03));
    const BackField field{card.adjusted(margin, margin, -margin, -margin), entry.width < 40};
    const QPainterPath fieldOutline = CardOutline(field.rect, std::max(1.0, radius - margin * 0.6));
    painter.save();
    painter.setClipPath(fieldOutline);
    design->draw(painter, field);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(design->frame, field.tiny ? 0.6 : 1.0));
    painter.drawPath(fieldOutline);
    // A grey edge keeps the card apart from a light board and from the white face it lies on.
    painter.setPen(QPen(QColor(70, 70, 70, 150), 1.0));
    painter.drawPath(CardOutline(card.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
    return image;
}

}  // namespace marlowe::resgen
