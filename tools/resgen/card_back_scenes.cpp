// The card backs that show a picture. Each is drawn in design units (the field is 100 units wide
// and about 135 high) so one drawing serves all card sizes; the smallest size leaves out the
// details that would only blur.

#include "card_back_designs.h"
#include "drawing_helpers.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace marlowe::resgen {
namespace {

void FillVertical(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(0, area.top(), 0, area.bottom());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(area, gradient);
}

// Places spread over the field that look scattered but are the same on every build.
QPointF ScatteredPoint(int index, qreal width, qreal height, uint32_t seed)
{
    return {HashUnit(index, 0, seed) * width, HashUnit(index, 1, seed) * height};
}

// ---- Tropical fish ----

struct FishLook {
    QColor body, belly, fin, stripe;
    int stripes;
};

// A fish `length` long with its nose at `nose`, facing left unless told otherwise, with pale
// bands edged in black when it is a clownfish.
void DrawFish(QPainter& painter, QPointF nose, qreal length, bool facingRight, const FishLook& look, bool tiny)
{
    painter.save();
    painter.translate(nose);
    if (facingRight)
        painter.scale(-1, 1);
    const qreal h = length * 0.3;
    const qreal bodyEnd = length * 0.78;

    QPainterPath tail;
    tail.moveTo(bodyEnd - length * 0.04, 0);
    tail.lineTo(length, -h * 0.85);
    tail.quadTo(length * 0.93, 0, length, h * 0.85);
    tail.closeSubpath();
    painter.setPen(QPen(look.fin.darker(160), length * 0.015));
    painter.setBrush(look.fin);
    painter.drawPath(tail);

    QPainterPath fins;
    fins.moveTo(length * 0.25, -h * 0.8);
    fins.quadTo(length * 0.45, -h * 1.55, length * 0.7, -h * 0.55);
    fins.lineTo(length * 0.25, -h * 0.8);
    fins.moveTo(length * 0.4, h * 0.8);
    fins.quadTo(length * 0.55, h * 1.4, length * 0.7, h * 0.5);
    fins.lineTo(length * 0.4, h * 0.8);
    painter.drawPath(fins);

    QPainterPath body;
    body.moveTo(0, 0);
    body.cubicTo(length * 0.05, -h * 1.1, length * 0.6, -h * 1.15, bodyEnd, -h * 0.25);
    body.lineTo(bodyEnd, h * 0.25);
    body.cubicTo(length * 0.6, h * 1.15, length * 0.05, h * 1.1, 0, 0);
    QLinearGradient shade(0, -h, 0, h);
    shade.setColorAt(0, look.body.darker(115));
    shade.setColorAt(0.45, look.body);
    shade.setColorAt(1, look.belly);
    painter.setBrush(shade);
    painter.drawPath(body);

    if (look.stripes > 0) {
        painter.save();
        painter.setClipPath(body);
        painter.setBrush(look.stripe);
        painter.setPen(QPen(QColor(20, 20, 20), length * (tiny ? 0.04 : 0.025)));
        for (int i = 0; i < look.stripes; ++i) {
            const qreal at = length * (0.2 + i * 0.27);
            painter.drawRoundedRect(QRectF(at, -h * 1.3, length * 0.09, h * 2.6), length * 0.03, length * 0.03);
        }
        painter.restore();
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(length * 0.13, -h * 0.22), h * 0.2, h * 0.2);
    painter.setBrush(QColor(15, 15, 25));
    painter.drawEllipse(QPointF(length * 0.12, -h * 0.22), h * 0.11, h * 0.11);
    painter.restore();
}

// A branching coral: each branch forks into two thinner, shorter ones.
void DrawCoralBranch(QPainter& painter, QPointF base, qreal angle, qreal length, qreal width, int depth, uint32_t seed)
{
    const QPointF tip = base + QPointF(std::sin(angle) * length, -std::cos(angle) * length);
    QPen pen = painter.pen();
    pen.setWidthF(width);
    painter.setPen(pen);
    painter.drawLine(base, tip);
    if (depth == 0)
        return;
    const qreal spread = 0.35 + HashUnit(depth, static_cast<int>(seed), 7) * 0.3;
    DrawCoralBranch(painter, tip, angle - spread, length * 0.72, width * 0.72, depth - 1, seed * 3 + 1);
    DrawCoralBranch(painter, tip, angle + spread, length * 0.68, width * 0.72, depth - 1, seed * 3 + 2);
}

void DrawCoral(QPainter& painter, QPointF base, qreal size, const QColor& colour, uint32_t seed, int depth)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::RoundCap));
    DrawCoralBranch(painter, base, -0.25, size, size * 0.3, depth, seed);
    DrawCoralBranch(painter, base, 0.3, size * 0.85, size * 0.26, depth, seed + 11);
    painter.restore();
}

void DrawSeaweed(QPainter& painter, QPointF base, qreal height, qreal sway)
{
    QPainterPath blade;
    blade.moveTo(base);
    blade.cubicTo(base + QPointF(sway, -height * 0.35), base + QPointF(-sway, -height * 0.65), base + QPointF(sway * 0.5, -height));
    painter.setPen(QPen(QColor(40, 130, 70), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(blade);
}

// ---- Roses ----

void DrawLeaf(QPainter& painter, QPointF base, qreal angle, qreal length)
{
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.42, length, 0);
    leaf.quadTo(length * 0.5, length * 0.42, 0, 0);
    QLinearGradient shade(0, -length * 0.2, 0, length * 0.2);
    shade.setColorAt(0, QColor(96, 160, 78));
    shade.setColorAt(1, QColor(34, 96, 44));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(20, 60, 28), length * 0.03));
    painter.drawPath(leaf);
    painter.setPen(QPen(QColor(150, 200, 120, 170), length * 0.035));
    painter.drawLine(QPointF(length * 0.06, 0), QPointF(length * 0.85, 0));
    painter.restore();
}

// A rose seen from above: two rings of petals around a cupped heart with a spiral of folds.
void DrawRose(QPainter& painter, QPointF centre, qreal radius, bool tiny)
{
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(QColor(90, 0, 16), radius * 0.04));
    for (int ring = 0; ring < 2; ++ring) {
        const int petals = 5;
        const qreal distance = radius * (ring == 0 ? 0.5 : 0.3);
        const qreal size = radius * (ring == 0 ? 0.55 : 0.48);
        for (int i = 0; i < petals; ++i) {
            const qreal angle = (i + ring * 0.5) * 2 * M_PI / petals;
            const QPointF at(std::cos(angle) * distance, std::sin(angle) * distance);
            QRadialGradient petal(at * 0.6, size * 1.3);
            petal.setColorAt(0, ring == 0 ? QColor(120, 4, 24) : QColor(150, 10, 32));
            petal.setColorAt(1, ring == 0 ? QColor(214, 40, 58) : QColor(228, 62, 76));
            painter.setBrush(petal);
            painter.drawEllipse(at, size, size);
        }
    }
    QRadialGradient heart(QPointF(-radius * 0.08, -radius * 0.08), radius * 0.4);
    heart.setColorAt(0, QColor(110, 0, 20));
    heart.setColorAt(1, QColor(196, 30, 50));
    painter.setBrush(heart);
    painter.drawEllipse(QPointF(0, 0), radius * 0.36, radius * 0.36);
    if (!tiny) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(240, 110, 120), radius * 0.05, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const qreal r = radius * (0.3 - i * 0.08);
            painter.drawArc(QRectF(-r + i * radius * 0.03, -r, 2 * r, 2 * r), (40 + i * 120) * 16, 200 * 16);
        }
    }
    painter.restore();
}

// ---- Lake ----

// Everything above the water line: sky, sun, mountains and the wooded shore.
void DrawLandscape(QPainter& painter, qreal horizon, bool tiny)
{
    FillVertical(painter, QRectF(0, 0, 100, horizon), QColor(78, 138, 212), QColor(236, 216, 186));
    QRadialGradient glow(QPointF(70, horizon * 0.42), 26);
    glow.setColorAt(0, QColor(255, 244, 200, 230));
    glow.setColorAt(0.3, QColor(255, 236, 190, 90));
    glow.setColorAt(1, QColor(255, 236, 190, 0));
    painter.fillRect(QRectF(0, 0, 100, horizon), glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 225));
    painter.drawEllipse(QPointF(70, horizon * 0.42), 6, 6);
    if (!tiny) {
        painter.setBrush(QColor(255, 255, 255, 200));
        for (QPointF cloud : {QPointF(22, horizon * 0.22), QPointF(48, horizon * 0.12)}) {
            painter.drawEllipse(cloud, 9, 3);
            painter.drawEllipse(cloud + QPointF(5, -2), 6, 3.5);
        }
    }

    QPainterPath mountains;
    mountains.moveTo(-2, horizon);
    mountains.lineTo(-2, horizon - 22);
    mountains.lineTo(18, horizon - 38);
    mountains.lineTo(34, horizon - 24);
    mountains.lineTo(52, horizon - 46);
    mountains.lineTo(74, horizon - 22);
    mountains.lineTo(88, horizon - 30);
    mountains.lineTo(102, horizon - 18);
    mountains.lineTo(102, horizon);
    QLinearGradient rock(0, horizon - 46, 0, horizon);
    rock.setColorAt(0, QColor(112, 128, 168));
    rock.setColorAt(1, QColor(150, 160, 186));
    painter.setBrush(rock);
    painter.drawPath(mountains);
    painter.setBrush(QColor(248, 250, 255));
    QPainterPath snow;
    snow.moveTo(52, horizon - 46);
    snow.lineTo(59, horizon - 38.5);
    snow.lineTo(55, horizon - 40);
    snow.lineTo(51, horizon - 37);
    snow.lineTo(47, horizon - 40.5);
    snow.closeSubpath();
    snow.moveTo(18, horizon - 38);
    snow.lineTo(23, horizon - 34.5);
    snow.lineTo(18, horizon - 35.5);
    snow.lineTo(14, horizon - 35);
    snow.closeSubpath();
    painter.drawPath(snow);

    QPainterPath hills;
    hills.moveTo(-2, horizon + 1);
    hills.lineTo(-2, horizon - 12);
    hills.cubicTo(14, horizon - 20, 30, horizon - 6, 46, horizon - 9);
    hills.cubicTo(62, horizon - 12, 80, horizon - 4, 102, horizon - 10);
    hills.lineTo(102, horizon + 1);
    QLinearGradient grass(0, horizon - 20, 0, horizon);
    grass.setColorAt(0, QColor(92, 140, 70));
    grass.setColorAt(1, QColor(48, 94, 52));
    painter.setBrush(grass);
    painter.drawPath(hills);
    if (tiny)
        return;
    painter.setBrush(QColor(28, 70, 40));
    const qreal trees[][2] = {{4, 15}, {8, 17}, {12, 16}, {79, 8}, {84, 9}, {88, 10}, {93, 11}};
    for (const auto& tree : trees) {
        const QPointF foot(tree[0], horizon - tree[1] + 4);
        const QPointF shape[] = {foot + QPointF(0, -10), foot + QPointF(2.6, 0), foot + QPointF(-2.6, 0)};
        painter.drawPolygon(shape, 3);
    }
}

void DrawSailboat(QPainter& painter, QPointF waterline, qreal size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 60, 36));
    const QPointF hull[] = {waterline + QPointF(-size * 0.6, -size * 0.2), waterline + QPointF(size * 0.6, -size * 0.2),
                            waterline + QPointF(size * 0.42, 0), waterline + QPointF(-size * 0.42, 0)};
    painter.drawPolygon(hull, 4);
    painter.setBrush(QColor(252, 250, 240));
    const QPointF sail[] = {waterline + QPointF(0, -size * 1.3), waterline + QPointF(size * 0.5, -size * 0.3),
                            waterline + QPointF(0, -size * 0.3)};
    painter.drawPolygon(sail, 3);
    painter.setBrush(QColor(226, 96, 70));
    const QPointF jib[] = {waterline + QPointF(-size * 0.06, -size * 1.1), waterline + QPointF(-size * 0.06, -size * 0.3),
                           waterline + QPointF(-size * 0.45, -size * 0.3)};
    painter.drawPolygon(jib, 3);
}

}  // namespace

// Fish among coral in sunlit sea water.
void DrawTropicalFish(QPainter& painter, const BackField& field)
{
    const qreal height = UseDesignUnits(painter, field);
    FillVertical(painter, QRectF(0, 0, 100, height), QColor(74, 196, 226), QColor(12, 64, 140));
    painter.setPen(Qt::NoPen);
    if (!field.tiny) {
        painter.setBrush(QColor(255, 255, 255, 34));
        for (qreal x : {10.0, 40.0, 72.0}) {
            const QPointF ray[] = {QPointF(x, 0), QPointF(x + 12, 0), QPointF(x + 30, height), QPointF(x + 14, height)};
            painter.drawPolygon(ray, 4);
        }
    }
    QPainterPath sand;
    sand.moveTo(0, height * 0.9);
    sand.cubicTo(30, height * 0.86, 60, height * 0.94, 100, height * 0.88);
    sand.lineTo(100, height);
    sand.lineTo(0, height);
    painter.setBrush(QColor(214, 192, 136));
    painter.drawPath(sand);

    const int depth = field.tiny ? 1 : 3;
    if (!field.tiny) {
        DrawSeaweed(painter, QPointF(8, height * 0.92), height * 0.32, 5);
        DrawSeaweed(painter, QPointF(92, height * 0.9), height * 0.26, -4);
        DrawCoral(painter, QPointF(74, height * 0.91), 12, QColor(245, 150, 60), 5, depth);
    }
    DrawCoral(painter, QPointF(24, height * 0.92), 14, QColor(236, 96, 118), 2, depth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 90, 170));
    painter.drawEllipse(QPointF(50, height * 0.9), 10, 5);

    const FishLook clown{QColor(246, 128, 30), QColor(252, 176, 80), QColor(240, 110, 20), QColor(255, 255, 250), 3};
    const FishLook tang{QColor(36, 84, 200), QColor(70, 130, 230), QColor(250, 210, 40), QColor(), 0};
    const FishLook yellow{QColor(252, 214, 40), QColor(255, 240, 130), QColor(250, 190, 20), QColor(), 0};
    if (field.tiny) {
        DrawFish(painter, QPointF(14, height * 0.45), 72, false, clown, true);
        return;
    }
    DrawFish(painter, QPointF(14, height * 0.36), 56, false, clown, false);
    DrawFish(painter, QPointF(90, height * 0.62), 36, true, tang, false);
    DrawFish(painter, QPointF(8, height * 0.6), 22, false, yellow, false);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    painter.setBrush(QColor(255, 255, 255, 50));
    for (QPointF bubble : {QPointF(80, height * 0.3), QPointF(84, height * 0.22), QPointF(81, height * 0.14)})
        painter.drawEllipse(bubble, 2.2, 2.2);
}

// A friendly snowman in falling snow on a winter-blue evening.
void DrawSnowman(QPainter& painter, const BackField& field)
{
    const qreal height = UseDesignUnits(painter, field);
    FillVertical(painter, QRectF(0, 0, 100, height), QColor(34, 74, 150), QColor(132, 178, 228));

    painter.setPen(QPen(QColor(255, 255, 255, 220), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(QColor(255, 255, 255, 230));
    const int flakes = field.tiny ? 7 : 26;
    for (int i = 0; i < flakes; ++i) {
        const QPointF at = ScatteredPoint(i, 100, height * 0.75, 31);
        if (std::abs(at.x() - 50) < 16 && at.y() > height * 0.2)
            continue;  // not on the snowman
        const qreal size = 1.6 + HashUnit(i, 2, 31) * 2.2;
        if (field.tiny) {
            painter.drawEllipse(at, 2.2, 2.2);
            continue;
        }
        for (int arm = 0; arm < 3; ++arm) {
            const qreal angle = arm * M_PI / 3 + 0.3;
            const QPointF reach(std::cos(angle) * size, std::sin(angle) * size);
            painter.drawLine(at - reach, at + reach);
        }
    }

    QPainterPath snow;
    snow.moveTo(0, height * 0.8);
    snow.cubicTo(30, height * 0.74, 66, height * 0.82, 100, height * 0.76);
    snow.lineTo(100, height);
    snow.lineTo(0, height);
    QLinearGradient drift(0, height * 0.74, 0, height);
    drift.setColorAt(0, QColor(252, 253, 255));
    drift.setColorAt(1, QColor(196, 214, 238));
    painter.setPen(Qt::NoPen);
    painter.setBrush(drift);
    painter.drawPath(snow);

    const qreal ground = height * 0.85;
    const qreal balls[][2] = {{ground - 17, 20}, {ground - 45, 14.5}, {ground - 66, 10.5}};
    painter.setPen(QPen(QColor(150, 172, 206), 0.8));
    for (const auto& ball : balls) {
        QRadialGradient shade(QPointF(46, ball[0] - ball[1] * 0.35), ball[1] * 1.3);
        shade.setColorAt(0, Qt::white);
        shade.setColorAt(1, QColor(196, 212, 236));
        painter.setBrush(shade);
        painter.drawEllipse(QPointF(50, ball[0]), ball[1], ball[1]);
    }
    const qreal head = balls[2][0];

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(206, 34, 40));
    painter.drawRoundedRect(QRectF(38, head + 8.5, 24, 5), 2, 2);
    if (!field.tiny)
        painter.drawRoundedRect(QRectF(54, head + 10, 5.5, 15), 2, 2);
    painter.setBrush(QColor(28, 28, 34));
    painter.drawRect(QRectF(37, head - 10.5, 26, 2.8));
    painter.drawRect(QRectF(41.5, head - 26, 17, 16));
    painter.setBrush(QColor(206, 34, 40));
    painter.drawRect(QRectF(41.5, head - 14.5, 17, 3));

    painter.setBrush(QColor(28, 28, 34));
    for (qreal eye : {45.5, 54.5})
        painter.drawEllipse(QPointF(eye, head - 3), 1.6, 1.6);
    painter.setBrush(QColor(244, 128, 30));
    const QPointF nose[] = {QPointF(50, head - 0.8), QPointF(63, head + 1.8), QPointF(50, head + 2.2)};
    painter.drawPolygon(nose, 3);
    if (field.tiny)
        return;
    painter.setBrush(QColor(28, 28, 34));
    for (int i = 0; i < 5; ++i)
        painter.drawEllipse(QPointF(45 + i * 2.5, head + 5.2 + (i == 0 || i == 4 ? 0 : 0.9)), 0.7, 0.7);
    for (int i = 0; i < 3; ++i)
        painter.drawEllipse(QPointF(50, balls[1][0] - 5 + i * 6), 1.3, 1.3);

    painter.setPen(QPen(QColor(110, 70, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    const qreal shoulder = balls[1][0] - 3;
    painter.drawLine(QPointF(37, shoulder), QPointF(20, shoulder - 12));
    painter.drawLine(QPointF(24, shoulder - 9), QPointF(21, shoulder - 16));
    painter.drawLine(QPointF(63, shoulder), QPointF(80, shoulder - 13));
    painter.drawLine(QPointF(76, shoulder - 10), QPointF(82, shoulder - 8));
}

// Red roses with leaves on a dark green ground, framed by a fine gold line.
void DrawRoses(QPainter& painter, const BackField& field)
{
    const qreal height = UseDesignUnits(painter, field);
    QRadialGradient ground(QPointF(50, height / 2), height * 0.7);
    ground.setColorAt(0, QColor(38, 98, 58));
    ground.setColorAt(1, QColor(12, 48, 28));
    painter.fillRect(QRectF(0, 0, 100, height), ground);

    const QPointF middle(50, height / 2);
    if (field.tiny) {
        DrawLeaf(painter, middle, -35, 46);
        DrawLeaf(painter, middle, 145, 46);
        DrawRose(painter, middle, 30, true);
        return;
    }
    painter.setPen(QPen(QColor(200, 170, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(5, 5, 90, height - 10), 4, 4);

    painter.setPen(QPen(QColor(40, 90, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stems;
    stems.moveTo(24, height * 0.2);
    stems.cubicTo(36, height * 0.32, 40, height * 0.4, middle.x(), middle.y());
    stems.cubicTo(60, height * 0.6, 64, height * 0.68, 76, height * 0.8);
    painter.drawPath(stems);
    for (const auto& leaf : {std::pair{QPointF(34, height * 0.3), 200.0}, {QPointF(38, height * 0.36), -40.0},
                             {QPointF(62, height * 0.64), 20.0}, {QPointF(66, height * 0.7), 140.0},
                             {middle, -60.0}, {middle, 120.0}, {middle, 175.0}, {middle, -5.0}})
        DrawLeaf(painter, leaf.first, leaf.second, leaf.first == middle ? 36 : 24);
    DrawLeaf(painter, QPointF(76, height * 0.2), 130, 14);
    DrawLeaf(painter, QPointF(24, height * 0.8), -50, 14);
    DrawRose(painter, QPointF(24, height * 0.2), 12, false);
    DrawRose(painter, QPointF(76, height * 0.8), 12, false);
    DrawRose(painter, QPointF(76, height * 0.2), 6.5, false);
    DrawRose(painter, QPointF(24, height * 0.8), 6.5, false);
    DrawRose(painter, middle, 21, false);
}

// A mountain lake: the sky, hills and mountains mirrored in still water.
void DrawLake(QPainter& painter, const BackField& field)
{
    const qreal height = UseDesignUnits(painter, field);
    const qreal horizon = std::round(height * 0.56);
    DrawLandscape(painter, horizon, field.tiny);

    painter.save();
    painter.setClipRect(QRectF(0, horizon, 100, height - horizon));
    painter.translate(0, 2 * horizon);
    painter.scale(1, -1);
    DrawLandscape(painter, horizon, field.tiny);
    painter.restore();
    QLinearGradient water(0, horizon, 0, height);
    water.setColorAt(0, QColor(30, 80, 130, 90));
    water.setColorAt(1, QColor(14, 46, 96, 200));
    painter.fillRect(QRectF(0, horizon, 100, height - horizon), water);
    if (field.tiny)
        return;

    painter.setPen(QPen(QColor(255, 255, 255, 90), 0.7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 16; ++i) {
        const QPointF at = ScatteredPoint(i, 100, height - horizon - 4, 57) + QPointF(0, horizon + 3);
        const qreal length = 3 + (at.y() - horizon) * 0.12;
        painter.drawLine(at, at + QPointF(length, 0));
    }
    painter.save();
    painter.setOpacity(0.35);
    painter.translate(0, 2 * (horizon + 14));
    painter.scale(1, -1);
    DrawSailboat(painter, QPointF(32, horizon + 14), 9);
    painter.restore();
    DrawSailboat(painter, QPointF(32, horizon + 14), 9);
}

}  // namespace marlowe::resgen
