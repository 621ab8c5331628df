#pragma once
// The pictures of the built-in card backs. Each draws into the card's field, the area inside its
// white margin; the painter is already clipped to the field. The same drawing serves every card
// size, so each size is drawn crisp rather than scaled from another.

#include <QPainter>
#include <QRectF>

namespace marlowe::resgen {

struct BackField {
    QRectF rect;  // the field, in pixels
    bool tiny;    // the smallest card size: a simplified picture that still reads at a glance
};

// card_backs.cpp: the patterned backs.
void DrawDiagonalPlait(QPainter& painter, const BackField& field);
void DrawBasketPlait(QPainter& painter, const BackField& field);
void DrawClassicLattice(QPainter& painter, const BackField& field);
void DrawMondrian(QPainter& painter, const BackField& field);

// card_back_scenes.cpp: the backs that show a picture.
void DrawTropicalFish(QPainter& painter, const BackField& field);
void DrawSnowman(QPainter& painter, const BackField& field);
void DrawRoses(QPainter& painter, const BackField& field);
void DrawLake(QPainter& painter, const BackField& field);

// Scenes are drawn in design units: the field is 100 units wide. Returns the field's height in
// those units.
qreal UseDesignUnits(QPainter& painter, const BackField& field);

}  // namespace marlowe::resgen
