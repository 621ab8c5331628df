// The selection dialog's game characteristics as 32-pixel pictures: game time as a clock with
// a filled share of its face, difficulty as one to three bars, chance of winning as a five-step
// gauge, skill against chance as a balance between a pawn and a die.

#include "icon_rendering.h"
#include "interface_images.h"

#include <cmath>
#include <functional>
#include <string>
#include <string_view>

namespace marlowe::resgen {
namespace {

constexpr int kSide = 32;
const QColor kInk(50, 54, 60);
const QColor kEasy(60, 170, 80);
const QColor kMedium(235, 170, 40);
const QColor kHard(215, 60, 50);

// Game time: the share of an hour the clock's face is filled to.
void DrawClock(QPainter& painter, double share, const QColor& colour)
{
    const QRectF face(2.5, 2.5, 27, 27);
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(face);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPie(face.adjusted(2.5, 2.5, -2.5, -2.5), 90 * 16, static_cast<int>(-share * 360 * 16));
    const QPointF centre = face.center();
    painter.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; hour += 3) {
        const double angle = hour * M_PI / 6;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.drawLine(centre + direction * 10.5, centre + direction * 12.5);
    }
    const double minute = share * 2 * M_PI;
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(std::sin(minute), -std::cos(minute)) * 10);
    painter.drawLine(centre, centre + QPointF(0, -6.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(centre, 1.8, 1.8);
}

// Difficulty: three rising bars, the first `level` of them filled.
void DrawBars(QPainter& painter, int level, const QColor& colour)
{
    for (int bar = 0; bar < 3; ++bar) {
        const double height = 9 + bar * 8;
        const QRectF rect(3.5 + bar * 9, 28.5 - height, 7, height);
        const bool filled = bar < level;
        painter.setPen(QPen(filled ? colour.darker(150) : QColor(150, 150, 156), 1));
        painter.setBrush(filled ? colour : QColor(226, 226, 230));
        painter.drawRoundedRect(rect, 1, 1);
    }
}

// Chance of winning: a half-round gauge from red (very low) to green (very high), its needle on
// step `step` (0 very low .. 4 very high).
void DrawGauge(QPainter& painter, int step)
{
    const QColor steps[] = {kHard, QColor(235, 120, 40), kMedium, QColor(160, 190, 50), kEasy};
    const QPointF centre(16, 24);
    const double outer = 15;
    const double inner = 8;
    for (int segment = 0; segment < 5; ++segment) {
        QPainterPath band;
        const double start = 180 - segment * 36;
        band.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start);
        band.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start, -36);
        band.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), start - 36, 36);
        band.closeSubpath();
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(steps[segment]);
        painter.drawPath(band);
    }
    const double angle = M_PI - (step + 0.5) * M_PI / 5;
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(std::cos(angle), -std::sin(angle)) * 13);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(centre, 2.5, 2.5);
}

void DrawPawn(QPainter& painter, const QPointF& base)
{
    QPainterPath pawn;
    pawn.setFillRule(Qt::WindingFill);
    pawn.addEllipse(base + QPointF(0, -6.5), 2.1, 2.1);
    pawn.moveTo(base + QPointF(-3, 0));
    pawn.lineTo(base + QPointF(-1.2, -5));
    pawn.lineTo(base + QPointF(1.2, -5));
    pawn.lineTo(base + QPointF(3, 0));
    pawn.closeSubpath();
    painter.setPen(QPen(QColor(20, 60, 120), 0.8));
    painter.setBrush(QColor(50, 110, 200));
    painter.drawPath(pawn.simplified());
}

void DrawDie(QPainter& painter, const QPointF& base)
{
    const QRectF die(base.x() - 4, base.y() - 8.5, 8, 8);
    painter.setPen(QPen(QColor(150, 20, 30), 1));
    painter.setBrush(QColor(215, 40, 50));
    painter.drawRoundedRect(die, 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (double offset : {-2.2, 0.0, 2.2})
        painter.drawEllipse(die.center() + QPointF(offset, -offset), 0.9, 0.9);
}

// Skill against chance: a balance tipped `tilt` degrees towards the die (negative: towards the
// pawn, skill outweighing chance).
void DrawBalance(QPainter& painter, double tilt)
{
    const QPointF pivot(16, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRect(QRectF(15, 8, 2, 19));
    painter.drawRoundedRect(QRectF(9, 26.5, 14, 3), 1, 1);
    const double radians = tilt * M_PI / 180;
    const QPointF arm = QPointF(std::cos(radians), std::sin(radians)) * 9.5;
    const QPointF ends[] = {pivot - arm, pivot + arm};
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(ends[0], ends[1]);
    for (int side = 0; side < 2; ++side) {
        const QPointF pan = ends[side] + QPointF(0, 9);
        painter.setPen(QPen(kInk, 0.8));
        painter.drawLine(ends[side], pan + QPointF(-4.5, 0));
        painter.drawLine(ends[side], pan + QPointF(4.5, 0));
        if (side == 0)
            DrawPawn(painter, pan);
        else
            DrawDie(painter, pan);
        painter.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(pan + QPointF(-4.5, 0), pan + QPointF(4.5, 0));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMedium);
    painter.drawEllipse(pivot, 2, 2);
}

// Custom games have no characteristics: a grey ring with a dash.
void DrawNotApplicable(QPainter& painter)
{
    painter.setPen(QPen(QColor(160, 160, 166), 2));
    painter.setBrush(QColor(230, 230, 234));
    painter.drawEllipse(QRectF(4, 4, 24, 24));
    painter.setPen(QPen(QColor(150, 150, 156), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 16), QPointF(22, 16));
}

// The drawing for a characteristic's name; empty for a name that is none.
std::function<void(QPainter&)> Drawing(std::string_view name)
{
    constexpr std::string_view kChances[] = {"VERYLOW", "LOW", "MEDIUM", "HIGH", "VERYHIGH"};
    constexpr std::string_view kSkills[] = {"DIFFICULT", "MOSTLYSKILL", "MODERATE", "MOSTLYCHANCE", "CHANCEONLY"};
    if (name == "TIME_QUICK")
        return [](QPainter& painter) { DrawClock(painter, 0.25, kEasy); };
    if (name == "TIME_MEDIUM")
        return [](QPainter& painter) { DrawClock(painter, 0.5, kMedium); };
    if (name == "TIME_LONG")
        return [](QPainter& painter) { DrawClock(painter, 0.75, kHard); };
    if (name == "DIFF_EASY")
        return [](QPainter& painter) { DrawBars(painter, 1, kEasy); };
    if (name == "DIFF_MEDIUM")
        return [](QPainter& painter) { DrawBars(painter, 2, kMedium); };
    if (name == "DIFF_HARD")
        return [](QPainter& painter) { DrawBars(painter, 3, kHard); };
    if (name == "DISABLED")
        return DrawNotApplicable;
    for (int step = 0; step < 5; ++step) {
        if (name == "CHAN_" + std::string(kChances[step]))
            return [step](QPainter& painter) { DrawGauge(painter, step); };
        // From skill outweighing chance to chance alone.
        if (name == "SKILL_" + std::string(kSkills[step]))
            return [step](QPainter& painter) { DrawBalance(painter, (step - 2) * 11.0); };
    }
    return {};
}

}  // namespace

QImage MakeCharacteristicImage(const ResourceEntry& entry)
{
    std::string_view name = entry.name;
    if (!TakePrefix(name, "PROG_"))
        return {};
    const std::function<void(QPainter&)> draw = Drawing(name);
    return draw ? Keyed(Drawn(kSide, draw)) : QImage();
}

}  // namespace marlowe::resgen
