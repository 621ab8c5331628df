// The marks of empty piles: a card outline with a symbol telling what the place takes. Lines are
// light and translucent with a soft darker edge, so they read on the green felt, on a dark board
// and on a light one alike.

#include "drawing_helpers.h"
#include "resource_makers.h"

#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace marlowe::resgen {
namespace {

struct Ink {
    QColor light;  // the line itself
    QColor edge;   // the soft darker rim around it
};

constexpr Ink kInk{QColor(255, 255, 255, 150), QColor(0, 0, 0, 64)};
constexpr Ink kFaintInk{QColor(255, 255, 255, 92), QColor(0, 0, 0, 40)};
constexpr Ink kPressedInk{QColor(225, 232, 225, 110), QColor(0, 0, 0, 110)};

enum class Symbol { None, Dotted, Faint, Emblem, Rank, CourtLetters, Redeal, RedealPressed, Stop, EmptyStock };

struct MarkDesign {
    std::string_view suffix;
    Symbol symbol;
    const char* rank = "";
};

constexpr MarkDesign kMarks[] = {
    {"001", Symbol::None},          {"_TABLEAU", Symbol::None},     {"002", Symbol::None},
    {"007", Symbol::Dotted},        {"_WASTE", Symbol::Faint},      {"004", Symbol::Emblem},
    {"010", Symbol::Rank, "A"},     {"012", Symbol::Rank, "2"},     {"013", Symbol::Rank, "3"},
    {"014", Symbol::Rank, "4"},     {"015", Symbol::Rank, "5"},     {"016", Symbol::Rank, "6"},
    {"017", Symbol::Rank, "7"},     {"018", Symbol::Rank, "8"},     {"019", Symbol::Rank, "9"},
    {"020", Symbol::Rank, "10"},    {"006", Symbol::Rank, "J"},     {"003", Symbol::Rank, "Q"},
    {"011", Symbol::Rank, "K"},     {"009", Symbol::CourtLetters},  {"022", Symbol::Redeal},
    {"005", Symbol::RedealPressed}, {"008", Symbol::Stop},          {"021", Symbol::EmptyStock},
};

qreal LineWidth(const QRectF& card) { return std::max(1.0, card.width() / 50.0); }

// Strokes a line twice: a wider translucent dark pass beneath the light one gives it its rim.
void StrokeWithEdge(QPainter& painter, const QPainterPath& path, qreal width, const Ink& ink, qreal dash = 0)
{
    for (const auto& [colour, penWidth] : {std::pair{ink.edge, width + 1.5}, std::pair{ink.light, width}}) {
        QPen pen(colour, penWidth, Qt::SolidLine, dash > 0 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin);
        if (dash > 0)
            pen.setDashPattern({dash / penWidth, dash / penWidth});
        painter.strokePath(path, pen);
    }
}

// Fills a shape in light ink with the dark rim just outside it.
void FillWithEdge(QPainter& painter, const QPainterPath& shape, const Ink& ink)
{
    painter.strokePath(shape, QPen(ink.edge, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(shape, ink.light);
}

QPainterPath TextShape(const QString& text, qreal pixelHeight, bool condensed, bool serif = true)
{
    QFont font(serif ? "DejaVu Serif" : "DejaVu Sans");
    font.setPixelSize(std::max(4, qRound(pixelHeight)));
    font.setBold(true);
    if (condensed)
        font.setStretch(QFont::Condensed);
    QPainterPath shape;
    shape.addText(0, 0, font, text);
    return shape;
}

QPainterPath CentredOn(const QPainterPath& shape, QPointF centre)
{
    return shape.translated(centre - shape.boundingRect().center());
}

// Four suit signs around the centre: a foundation that takes any suit. On the smallest card the
// signs would run together, so it shows a four-pointed star instead.
QPainterPath EmblemShape(const QRectF& card)
{
    const qreal size = card.width() * 0.3;
    const qreal step = card.width() * 0.17;
    const QPointF centre = card.center();
    QPainterPath emblem;
    if (card.width() < 40) {
        for (int i = 0; i < 8; ++i) {
            const qreal angle = i * M_PI / 4;
            const qreal radius = i % 2 == 0 ? card.width() * 0.3 : card.width() * 0.09;
            const QPointF point = centre + QPointF(std::sin(angle), -std::cos(angle)) * radius;
            i == 0 ? emblem.moveTo(point) : emblem.lineTo(point);
        }
        emblem.closeSubpath();
        return emblem;
    }
    const std::pair<const char*, QPointF> signs[] = {{"\u2660", {0, -1}}, {"\u2665", {1, 0}},
                                                     {"\u2663", {0, 1}},  {"\u2666", {-1, 0}}};
    for (const auto& [sign, direction] : signs)
        emblem.addPath(CentredOn(TextShape(QString::fromUtf8(sign), size, false, false), centre + direction * step));
    return emblem;
}

// A circular arrow: turn the stock over and deal again.
QPainterPath RedealShape(const QRectF& card)
{
    const qreal radius = card.width() * 0.25;
    const qreal thickness = std::max(1.6, card.width() * 0.07);
    const QPointF centre = card.center();
    QPainterPath arc;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const qreal start = 110, sweep = 290;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, sweep);
    QPainterPathStroker stroker;
    stroker.setWidth(thickness);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath shape = stroker.createStroke(arc);

    const qreal end = (start + sweep) * M_PI / 180;
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const QPointF along(-std::sin(end), -std::cos(end));  // the way the arc runs at its end
    const QPointF outward(std::cos(end), -std::sin(end));
    const qreal head = thickness * 1.6;
    QPainterPath arrow;
    arrow.moveTo(tip + outward * head);
    arrow.lineTo(tip + along * head * 1.3);
    arrow.lineTo(tip - outward * head);
    arrow.closeSubpath();
    return shape.united(arrow).simplified();
}

// A ring crossed by a bar: the stock cannot be turned again.
QPainterPath StopShape(const QRectF& card)
{
    const qreal radius = card.width() * 0.25;
    const qreal thickness = std::max(1.6, card.width() * 0.07);
    QPainterPath ring;
    ring.addEllipse(card.center(), radius, radius);
    QPainterPath bar;
    const QPointF reach = QPointF(radius, -radius) * M_SQRT1_2;
    bar.moveTo(card.center() - reach);
    bar.lineTo(card.center() + reach);
    QPainterPathStroker stroker;
    stroker.setWidth(thickness);
    return stroker.createStroke(ring).united(stroker.createStroke(bar)).simplified();
}

void DrawSymbol(QPainter& painter, const MarkDesign& design, const QRectF& card)
{
    switch (design.symbol) {
    case Symbol::None:
    case Symbol::Dotted:
    case Symbol::Faint: return;
    case Symbol::Emblem: FillWithEdge(painter, EmblemShape(card), kInk); return;
    case Symbol::Rank: {
        const bool wide = std::string_view(design.rank).size() > 1;
        const QPainterPath rank = TextShape(design.rank, card.height() * 0.42, wide);
        FillWithEdge(painter, CentredOn(rank, card.center()), kInk);
        return;
    }
    case Symbol::CourtLetters: {
        const qreal size = card.height() * 0.25;
        const QPointF step(card.width() * 0.21, card.height() * 0.2);
        int i = -1;
        for (const char* letter : {"J", "Q", "K"})
            FillWithEdge(painter, CentredOn(TextShape(letter, size, false), card.center() + step * i++), kInk);
        return;
    }
    case Symbol::Redeal: FillWithEdge(painter, RedealShape(card), kInk); return;
    case Symbol::RedealPressed:
        FillWithEdge(painter, RedealShape(card).translated(1, 1), kPressedInk);
        return;
    case Symbol::Stop: FillWithEdge(painter, StopShape(card), kInk); return;
    case Symbol::EmptyStock: {
        QPainterPath ring;
        const qreal radius = card.width() * 0.22;
        ring.addEllipse(card.center(), radius, radius);
        StrokeWithEdge(painter, ring, LineWidth(card), kFaintInk);
        return;
    }
    }
}

}  // namespace

QImage MakeMark(const ResourceEntry& entry)
{
    const auto design = std::find_if(std::begin(kMarks), std::end(kMarks),
                                     [&entry](const MarkDesign& d) { return d.suffix == entry.variant; });
    if (design == std::end(kMarks) || entry.width <= 0)
        return {};

    QImage image = TransparentImage(entry.width, entry.height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(0, 0, entry.width, entry.height);
    const qreal line = LineWidth(card);
    const qreal inset = line / 2 + 0.75;  // keeps the dark rim inside the picture
    const QPainterPath outline = CardOutline(card.adjusted(inset, inset, -inset, -inset),
                                             CardCornerRadius(entry.width) - inset / 2);
    const bool faint = design->symbol == Symbol::Faint;
    StrokeWithEdge(painter, outline, line, faint ? kFaintInk : kInk,
                   design->symbol == Symbol::Dotted ? std::max(2.0, line * 2.5) : 0);
    DrawSymbol(painter, *design, card);
    return image;
}

}  // namespace marlowe::resgen
