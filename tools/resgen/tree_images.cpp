// The game tree's node pictures: a 16-pixel emblem per game family, with a green check for a
// family with won games, a red cross for one without, and a faded form for one never played;
// the folders and leaves of the customize dialog's trees.

#include "icon_rendering.h"
#include "interface_images.h"

#include <cmath>
#include <string_view>

namespace marlowe::resgen {
namespace {

constexpr int kNode = 16;
const QColor kInk(40, 40, 46);
const QColor kGold(226, 178, 50);
const QColor kDarkGold(140, 98, 18);
const QColor kFelt(46, 125, 67);

void Outlined(QPainter& painter, const QBrush& fill, const QColor& line, double width = 1.0)
{
    painter.setBrush(fill);
    painter.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// Canfield was a casino's game: a stack of coins.
void DrawCanfield(QPainter& painter)
{
    for (double top : {10.0, 6.5, 3.0}) {
        Outlined(painter, kDarkGold, kDarkGold.darker(130));
        painter.drawEllipse(QRectF(1.5, top + 2, 13, 5));
        Outlined(painter, kGold, kDarkGold);
        painter.drawEllipse(QRectF(1.5, top, 13, 5));
    }
}

// Forty Thieves: the thieves' sack.
void DrawFortyThieves(QPainter& painter)
{
    Outlined(painter, QColor(176, 124, 70), QColor(98, 62, 28));
    painter.drawPath(Polygon({{5, 1.5}, {8, 4}, {11, 1.5}, {10, 5.5}, {6, 5.5}}));
    QPainterPath body;
    body.moveTo(6, 5.5);
    body.cubicTo(0, 8, 0.5, 15.5, 8, 15.5);
    body.cubicTo(15.5, 15.5, 16, 8, 10, 5.5);
    body.closeSubpath();
    painter.drawPath(body);
    painter.setPen(QPen(QColor(98, 62, 28), 1.5));
    painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 5.5));
    Outlined(painter, kGold, kDarkGold);
    painter.drawEllipse(QPointF(8, 11), 2.2, 2.2);
}

// FreeCell: the free cells, one of them holding a card.
void DrawFreeCell(QPainter& painter)
{
    for (QPointF cell : {QPointF(1, 1), QPointF(9, 1), QPointF(1, 9), QPointF(9, 9)}) {
        Outlined(painter, kFelt, kFelt.darker(160));
        painter.drawRoundedRect(QRectF(cell, QSizeF(6, 6)).adjusted(0.5, 0.5, -0.5, -0.5), 1, 1);
    }
    DrawCardFace(painter, QRectF(8, 7, 7, 9), SuitColour('H'));
}

// Klondike: a column of face-down cards under the face-up ones.
void DrawKlondike(QPainter& painter)
{
    DrawCardBack(painter, QRectF(3, 0, 10, 8));
    DrawCardBack(painter, QRectF(3, 2, 10, 8));
    DrawCardFace(painter, QRectF(3, 4, 10, 8), QColor());
    DrawCardFace(painter, QRectF(3, 7.5, 10, 8.5), SuitColour('H'));
}

// Pairing: two cards that make a pair.
void DrawPairing(QPainter& painter)
{
    for (double x : {1.0, 8.0}) {
        DrawCardFace(painter, QRectF(x, 2, 7, 11), QColor());
        painter.setPen(Qt::NoPen);
        painter.setBrush(SuitColour('H'));
        painter.drawPath(SuitPip('H', QRectF(x + 1.5, 5.5, 4, 4)));
    }
}

// Simple games: one plain card.
void DrawSimpleGames(QPainter& painter)
{
    DrawCardFace(painter, QRectF(3, 1, 10, 14), QColor());
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour('S'));
    painter.drawPath(SuitPip('S', QRectF(5, 4.5, 6, 7)));
}

void DrawSpider(QPainter& painter)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int side : {-1, 1})
        for (int leg = 0; leg < 4; ++leg) {
            const double y = 6.5 + leg * 1.6;
            const double knee = 8 + side * (4 + (leg == 1 || leg == 2 ? 1 : 0));
            const double footY = leg < 2 ? y - 4 + leg * 1.5 : y + 1.5 + (leg - 2) * 2;
            painter.drawPolyline(QPolygonF({QPointF(8, y + 1), QPointF(knee, y - 1), QPointF(8 + side * 7.3, footY)}));
        }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(8, 11), 3, 3.6);
    painter.drawEllipse(QPointF(8, 5.8), 2.2, 2);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(QPointF(8, 11), 1, 1.3);
}

// A squared deck of backs, seen a little from above.
void DrawDeck(QPainter& painter, const QRectF& top, int depth)
{
    for (int card = depth; card >= 0; --card)
        DrawCardBack(painter, top.translated(card, -card));
}

void DrawOneDeck(QPainter& painter)
{
    DrawDeck(painter, QRectF(2, 3, 10, 13), 2);
}

void DrawTwoDecks(QPainter& painter)
{
    DrawDeck(painter, QRectF(0, 2, 8, 11), 1);
    DrawDeck(painter, QRectF(7, 5, 8, 11), 1);
}

// Fan: three cards fanned out from one corner.
void DrawFan(QPainter& painter)
{
    for (double angle : {-30.0, 0.0, 30.0}) {
        painter.save();
        painter.translate(8, 15);
        painter.rotate(angle);
        DrawCardFace(painter, QRectF(-3.5, -13, 7, 11), angle > 0 ? SuitColour('D') : QColor());
        painter.restore();
    }
}

// Baker's Dozen: the baker's loaf.
void DrawBakersDozen(QPainter& painter)
{
    QPainterPath loaf;
    loaf.moveTo(1.5, 13.5);
    loaf.cubicTo(0.5, 4, 15.5, 4, 14.5, 13.5);
    loaf.closeSubpath();
    Outlined(painter, QColor(214, 154, 78), QColor(120, 72, 24));
    painter.drawPath(loaf);
    painter.setPen(QPen(QColor(250, 224, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (double x : {4.5, 7.5, 10.5})
        painter.drawLine(QPointF(x, 10.5), QPointF(x + 2, 7.5));
}

// Row games: cards laid side by side.
void DrawRow(QPainter& painter)
{
    for (int card = 0; card < 3; ++card)
        DrawCardFace(painter, QRectF(card * 5, 2, 5, 12), card == 1 ? SuitColour('H') : SuitColour('S'));
}

void DrawPuzzle(QPainter& painter)
{
    QPainterPath piece;
    piece.setFillRule(Qt::WindingFill);
    piece.addRect(QRectF(2, 5, 9, 9));
    piece.addEllipse(QPointF(6.5, 3.5), 2.3, 2.3);
    piece.addEllipse(QPointF(12.5, 9.5), 2.3, 2.3);
    QPainterPath hole;
    hole.addEllipse(QPointF(2.2, 9.5), 1.9, 1.9);
    Outlined(painter, QColor(64, 140, 210), QColor(26, 72, 128));
    painter.drawPath(piece.simplified().subtracted(hole));
}

// Addition games: a card with a plus.
void DrawAddition(QPainter& painter)
{
    DrawCardFace(painter, QRectF(2, 1, 12, 14), QColor());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 140, 70));
    painter.drawRect(QRectF(7, 4, 2, 8));
    painter.drawRect(QRectF(4, 7, 8, 2));
}

// Memory games: cards face down with one turned up.
void DrawMemory(QPainter& painter)
{
    const QPointF places[] = {{1, 1}, {9, 1}, {1, 9}, {9, 9}};
    for (int card = 0; card < 4; ++card) {
        const QRectF rect(places[card], QSizeF(6, 6.5));
        if (card == 3)
            DrawCardFace(painter, rect, SuitColour('H'));
        else
            DrawCardBack(painter, rect);
    }
}

void DrawCastle(QPainter& painter)
{
    QPainterPath walls;
    walls.setFillRule(Qt::WindingFill);
    walls.addRect(QRectF(2, 6, 12, 9));
    for (double x : {2.0, 6.5, 11.0})
        walls.addRect(QRectF(x, 3, 3, 3.5));
    Outlined(painter, QColor(160, 160, 168), QColor(72, 72, 80));
    painter.drawPath(walls.simplified());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(72, 52, 36));
    QPainterPath door;
    door.moveTo(6.5, 15);
    door.lineTo(6.5, 11);
    door.arcTo(QRectF(6.5, 9.5, 3, 3), 180, -180);
    door.lineTo(9.5, 15);
    painter.drawPath(door);
}

// Queen of Italy: a crown.
void DrawCrown(QPainter& painter)
{
    Outlined(painter, kGold, kDarkGold);
    painter.drawPath(Polygon({{1.5, 13}, {1.5, 4}, {5, 8.5}, {8, 2.5}, {11, 8.5}, {14.5, 4}, {14.5, 13}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 40));
    for (double x : {4.5, 8.0, 11.5})
        painter.drawEllipse(QPointF(x, 11), 1.2, 1.2);
}

// Yukon: a snowflake.
void DrawSnowflake(QPainter& painter)
{
    painter.setPen(QPen(QColor(40, 120, 190), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.translate(8, 8);
    for (int arm = 0; arm < 6; ++arm) {
        painter.drawLine(QPointF(0, 0), QPointF(0, -7));
        painter.drawLine(QPointF(0, -4.5), QPointF(-2.2, -6.5));
        painter.drawLine(QPointF(0, -4.5), QPointF(2.2, -6.5));
        painter.rotate(60);
    }
    painter.resetTransform();
}

// Mathematical games: a calculator.
void DrawCalculator(QPainter& painter)
{
    Outlined(painter, QColor(80, 86, 96), QColor(36, 40, 46));
    painter.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 220, 170));
    painter.drawRect(QRectF(4, 2, 8, 3));
    painter.setBrush(QColor(235, 235, 240));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            painter.drawRect(QRectF(4 + column * 3, 6.5 + row * 3, 2, 2));
}

// Sir Tommy: a gentleman's top hat.
void DrawTopHat(QPainter& painter)
{
    Outlined(painter, kInk, QColor(10, 10, 12));
    painter.drawEllipse(QRectF(0.5, 11, 15, 4));
    painter.drawRect(QRectF(4, 2, 8, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 36, 44));
    painter.drawRect(QRectF(4.5, 9, 7, 2));
}

// Non-builders: cards side by side, face up, never built on one another.
void DrawLooseCards(QPainter& painter)
{
    const QPointF places[] = {{1, 1}, {9, 1}, {1, 9}, {9, 9}};
    const char suits[] = {'S', 'H', 'D', 'C'};
    for (int card = 0; card < 4; ++card)
        DrawCardFace(painter, QRectF(places[card], QSizeF(6, 7)), SuitColour(suits[card]));
}

// Stripped deck: a deck with a card taken out.
void DrawStrippedDeck(QPainter& painter)
{
    DrawDeck(painter, QRectF(1, 5, 9, 11), 2);
    DrawCardFace(painter, QRectF(8, 0, 8, 11), SuitColour('D'));
}

// Four Seasons: a disc in the four seasons' colours.
void DrawFourSeasons(QPainter& painter)
{
    const QRectF disc(1, 1, 14, 14);
    const QColor seasons[] = {QColor(90, 180, 60), QColor(240, 200, 40), QColor(220, 110, 30), QColor(90, 160, 220)};
    painter.setPen(Qt::NoPen);
    for (int season = 0; season < 4; ++season) {
        painter.setBrush(seasons[season]);
        painter.drawPie(disc, (90 + season * 90) * 16, 90 * 16);
    }
    Outlined(painter, Qt::NoBrush, QColor(60, 60, 66));
    painter.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
}

QPainterPath Star(const QPointF& centre, double outer, double inner)
{
    QPolygonF points;
    for (int corner = 0; corner < 10; ++corner) {
        const double angle = -M_PI / 2 + corner * M_PI / 5;
        const double radius = corner % 2 ? inner : outer;
        points << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// Faerie Queen: a wand with a star.
void DrawWand(QPainter& painter)
{
    painter.setPen(QPen(QColor(120, 70, 150), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 14.5), QPointF(8.5, 8));
    Outlined(painter, QColor(250, 210, 50), QColor(170, 120, 10));
    painter.drawPath(Star(QPointF(10.5, 5.5), 5.2, 2.3));
}

void DrawFlower(QPainter& painter)
{
    painter.setPen(QPen(QColor(50, 130, 50), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 8), QPointF(8, 15.5));
    painter.setBrush(QColor(70, 160, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(8.5, 11, 5, 2.6));
    Outlined(painter, QColor(236, 90, 140), QColor(160, 40, 90), 0.8);
    for (int petal = 0; petal < 5; ++petal) {
        const double angle = -M_PI / 2 + petal * 2 * M_PI / 5;
        painter.drawEllipse(QPointF(8 + 3.3 * std::cos(angle), 6 + 3.3 * std::sin(angle)), 2.4, 2.4);
    }
    Outlined(painter, QColor(250, 210, 50), QColor(180, 130, 20), 0.8);
    painter.drawEllipse(QPointF(8, 6), 1.8, 1.8);
}

// Sly Fox: a fox's head.
void DrawFox(QPainter& painter)
{
    Outlined(painter, QColor(222, 110, 30), QColor(120, 52, 10));
    painter.drawPath(Polygon({{1.5, 1.5}, {6, 5}, {10, 5}, {14.5, 1.5}, {14.5, 8.5}, {8, 15}, {1.5, 8.5}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 244, 232));
    painter.drawPath(Polygon({{2.3, 9}, {6, 9.5}, {8, 14}}));
    painter.drawPath(Polygon({{13.7, 9}, {10, 9.5}, {8, 14}}));
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(8, 13.8), 1.3, 1.1);
    painter.drawEllipse(QPointF(5.6, 7.3), 0.9, 0.9);
    painter.drawEllipse(QPointF(10.4, 7.3), 0.9, 0.9);
}

// Custom games: a card being written on.
void DrawCustomGames(QPainter& painter)
{
    DrawCardFace(painter, QRectF(1, 1, 10, 14), QColor());
    painter.save();
    painter.translate(10.5, 9.5);
    painter.rotate(45);
    Outlined(painter, QColor(240, 190, 50), QColor(120, 80, 10), 0.8);
    painter.drawRect(QRectF(-1.6, -7, 3.2, 9));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawPath(Polygon({{-1.6, 2}, {1.6, 2}, {0, 5}}));
    painter.restore();
}

struct Emblem {
    std::string_view family;
    void (*draw)(QPainter&);
};

const Emblem kEmblems[] = {
    {"CANFIELD", DrawCanfield},       {"FORTYTHIEVES", DrawFortyThieves}, {"FREECELL", DrawFreeCell},
    {"KLONDIKE", DrawKlondike},       {"PAIRING", DrawPairing},           {"SIMPLEGAMES", DrawSimpleGames},
    {"SPIDER", DrawSpider},           {"1DECK", DrawOneDeck},             {"2DECK", DrawTwoDecks},
    {"FAN", DrawFan},                 {"BAKERSDOZEN", DrawBakersDozen},   {"ROW", DrawRow},
    {"PUZZLE", DrawPuzzle},           {"ADDITION", DrawAddition},         {"MEMORY", DrawMemory},
    {"BELEAGUEREDCASTLE", DrawCastle}, {"QUEENOFITALY", DrawCrown},       {"YUKON", DrawSnowflake},
    {"MATHEMATICAL", DrawCalculator}, {"SIRTOMMY", DrawTopHat},           {"NONBUILDERS", DrawLooseCards},
    {"STRIPPEDDECK", DrawStrippedDeck}, {"FOURSEASONS", DrawFourSeasons}, {"FAERIEQUEEN", DrawWand},
    {"FLOWERGARDEN", DrawFlower},     {"SLYFOX", DrawFox},                {"CUSTOMIZED_GAMES", DrawCustomGames},
};

// The customize dialog's groups, closed and open, and its leaves: a card back, a background
// swatch, and a plain card.
const QColor kFolder(61, 174, 233);

void DrawFolderBack(QPainter& painter)
{
    Outlined(painter, kFolder.darker(125), kFolder.darker(170));
    painter.drawPath(Polygon({{1.5, 2.5}, {6, 2.5}, {7.5, 4}, {14.5, 4}, {14.5, 13.5}, {1.5, 13.5}}));
}

void DrawClosedFolder(QPainter& painter)
{
    DrawFolderBack(painter);
    Outlined(painter, kFolder, kFolder.darker(170));
    painter.drawRect(QRectF(1.5, 5.5, 13, 8));
}

void DrawOpenFolder(QPainter& painter)
{
    DrawFolderBack(painter);
    DrawCardFace(painter, QRectF(4, 3, 8, 8), QColor());
    Outlined(painter, kFolder.lighter(115), kFolder.darker(170));
    painter.drawPath(Polygon({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
}

void DrawBackLeaf(QPainter& painter)
{
    DrawCardBack(painter, QRectF(3, 1, 10, 14));
}

void DrawBackgroundLeaf(QPainter& painter)
{
    Outlined(painter, kFelt, kFelt.darker(170));
    painter.drawRect(QRectF(1.5, 2.5, 13, 11));
    painter.setPen(QPen(kFelt.lighter(135), 1));
    for (double x : {2.0, 6.0, 10.0})
        painter.drawLine(QPointF(x + 1, 12.5), QPointF(x + 4, 3.5));
}

void DrawSpareLeaf(QPainter& painter)
{
    DrawCardFace(painter, QRectF(3, 1, 10, 14), QColor());
}

// "<family>_TYPE" or "CUSTOMIZED_GAMES" (after "TREE5_"), each with "", "_WIN", "_NOWIN" or
// "_NOPLAYED".
QImage MakeFamilyNode(std::string_view name)
{
    enum class Form { Normal, Won, NotWon, NotPlayed } form = Form::Normal;
    if (TakeSuffix(name, "_NOPLAYED"))
        form = Form::NotPlayed;
    else if (TakeSuffix(name, "_NOWIN"))
        form = Form::NotWon;
    else if (TakeSuffix(name, "_WIN"))
        form = Form::Won;
    TakeSuffix(name, "_TYPE");
    for (const Emblem& emblem : kEmblems) {
        if (emblem.family != name)
            continue;
        QImage image = Drawn(kNode, emblem.draw);
        if (form == Form::NotPlayed)
            return Keyed(Faded(image));
        if (form != Form::Normal) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            (form == Form::Won ? DrawWonBadge : DrawLostBadge)(painter, kNode);
        }
        return Keyed(image);
    }
    return {};
}

}  // namespace

QImage MakeTreeImage(const ResourceEntry& entry)
{
    std::string_view name = entry.name;
    if (TakePrefix(name, "TREE5_"))
        return MakeFamilyNode(name);
    static constexpr std::pair<std::string_view, void (*)(QPainter&)> kNodes[] = {
        {"TREE1", DrawClosedFolder}, {"TREE2", DrawOpenFolder}, {"N_TREE3", DrawBackLeaf},
        {"N_TREE4", DrawBackgroundLeaf}, {"N_TREE5", DrawSpareLeaf}};
    for (const auto& [nodeName, draw] : kNodes)
        if (nodeName == name)
            return Keyed(Drawn(kNode, draw));
    return {};
}

}  // namespace marlowe::resgen
