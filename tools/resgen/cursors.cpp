// The table's pointers, 32 x 32 with transparency: an arrow and a right and a left hand, each in
// two looks ("1" white with a black outline, "2" black with a white outline). The "A" form is
// the pointer at rest, the "B" form the one shown while cards are dragged: the arrow then carries
// a card and the hand closes on it.

#include "icon_rendering.h"
#include "resource_makers.h"

#include <string_view>

namespace marlowe::resgen {
namespace {

constexpr int kSide = 32;

struct Look {
    QColor fill;
    QColor outline;
};

QPainterPath Capsule(const QPointF& from, const QPointF& to, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath line(from);
    line.lineTo(to);
    return stroker.createStroke(line);
}

void FillOutlined(QPainter& painter, const QPainterPath& shape, const Look& look)
{
    painter.setPen(QPen(look.outline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(look.fill);
    painter.drawPath(shape);
}

void DrawArrow(QPainter& painter, const Look& look, bool dragging)
{
    if (dragging)
        DrawCardFace(painter, QRectF(15, 14, 12, 16), SuitColour('H'));
    QPainterPath arrow;
    arrow.addPolygon(QPolygonF({QPointF(1.5, 1.5), QPointF(1.5, 19.5), QPointF(5.8, 15.4), QPointF(9, 22.5),
                                QPointF(11.8, 21.3), QPointF(8.7, 14.4), QPointF(14.5, 14.4)}));
    arrow.closeSubpath();
    FillOutlined(painter, arrow, look);
}

// A right hand seen from its back, thumb on the left: open, or closed on a held card.
void DrawRightHand(QPainter& painter, const Look& look, bool dragging)
{
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(9, dragging ? 12 : 14, 16, dragging ? 16 : 14), 4, 4);
    if (dragging) {
        for (double x : {11.5, 15.5, 19.5, 23.0})
            hand.addEllipse(QPointF(x, 12.5), 2.3, 2.3);
        hand.addPath(Capsule(QPointF(10.5, 21), QPointF(6.5, 16.5), 4.6));
    } else {
        const double tops[] = {5.5, 3.5, 4.5, 8.0};
        for (int finger = 0; finger < 4; ++finger) {
            const double x = 11.2 + finger * 4.1;
            hand.addPath(Capsule(QPointF(x, tops[finger]), QPointF(x, 18), finger == 3 ? 3.4 : 3.9));
        }
        hand.addPath(Capsule(QPointF(10.5, 21.5), QPointF(4.5, 14), 4.6));
    }
    FillOutlined(painter, hand.simplified(), look);

    // The lines between the fingers, or the folded fingers' tips across the fist.
    painter.setPen(QPen(look.outline, 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int gap = 0; gap < 3; ++gap) {
        const double x = 13.25 + gap * 4.1;
        if (dragging)
            painter.drawLine(QPointF(x, 15), QPointF(x, 18.5));
        else
            painter.drawLine(QPointF(x, 9), QPointF(x, 16));
    }
}

}  // namespace

QImage MakeCursor(const ResourceEntry& entry)
{
    std::string_view name = entry.name;
    if (!name.starts_with("CUR_") || name.size() < 6)
        return {};
    name.remove_prefix(4);
    const bool dragging = name.back() == 'B';
    const char lookDigit = name[name.size() - 2];
    if ((name.back() != 'A' && !dragging) || (lookDigit != '1' && lookDigit != '2'))
        return {};
    const std::string_view shape = name.substr(0, name.size() - 2);
    const Look look = lookDigit == '1' ? Look{Qt::white, Qt::black} : Look{QColor(20, 20, 24), Qt::white};

    QImage image = TransparentCanvas(kSide, kSide);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPoint hotSpot;
    if (shape == "ARROW") {
        DrawArrow(painter, look, dragging);
        hotSpot = QPoint(1, 1);
    } else if (shape == "RIGHT_HAND" || shape == "LEFT_HAND") {
        DrawRightHand(painter, look, dragging);
        hotSpot = QPoint(16, dragging ? 17 : 12);
    } else {
        return {};
    }
    painter.end();
    if (shape == "LEFT_HAND") {
        image = image.mirrored(true, false);
        hotSpot.setX(kSide - 1 - hotSpot.x());
    }
    image.setText("HotSpotX", QString::number(hotSpot.x()));
    image.setText("HotSpotY", QString::number(hotSpot.y()));
    return image;
}

}  // namespace marlowe::resgen
