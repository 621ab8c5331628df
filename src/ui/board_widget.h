#pragma once
// The table on the window: shows the board image, carries the cards the player drags, and turns
// presses, moves, releases, double clicks and the space bar into the engine's pointer play. The
// geometry of what lies under the pointer comes from the layout, so a card is found where it was
// drawn.

#include "board/board_animator.h"
#include "board/board_view_paint.h"
#include "engine/pile_store.h"
#include "layout/hit_test.h"
#include "ui/table_cursors.h"

#include <QRegion>
#include <QWidget>

#include <optional>

namespace marlowe {

class TableSession;

class BoardWidget : public QWidget, public BoardSurface {
    Q_OBJECT
public:
    explicit BoardWidget(TableSession& session, QWidget* parent = nullptr);

    // The space bar: a click on the stock.
    void ClickStock();
    // Paints the board at once (a new deal shows before anything else happens).
    void ShowNow() { repaint(); }
    // The pointer the player chose for the table (register (172, 2)), as it rests.
    void ShowRestingPointer();
    // A card shown whole over the pile that hides part of it, until the right button is let go.
    bool Peeking() const { return peeking_; }

    // BoardSurface: what animations need of the window.
    void ShowOverlay(const QImage& image, QPoint at) override;
    void ClearOverlay() override;
    void BoardChanged(QRect area) override;
    void Pause(int ms, bool passMessages) override;
    bool StopRequested() override;

signals:
    // The player did something on the table; the window refreshes its commands.
    void Played();
    // The pointer moved over the table with nothing held: the pile under it, or none.
    void PointerOver(std::optional<PileRef> pile, QPoint point);
    // A right click on the bare table: the window offers its pop-up menu there.
    void MenuRequested(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LiftHeldCards(QPoint pointer);
    void FlyBack(const CardOverlay& carried, PileRef from, int count);
    void SetOverlay(std::optional<CardOverlay> overlay);
    // Marks a part of the board (board coordinates) to be painted again.
    void Invalidate(QRect boardArea);
    // Board points are in the coordinates of the whole table, window points in the widget's:
    // they differ by the scroll position.
    QPoint BoardPoint(QPoint windowPoint) const;
    QPoint WindowPoint(QPoint boardPoint) const;
    bool InputHeld() const;
    int ChosenPointer() const;
    // The right button: a one-click send, or the peek at a partly hidden card; a beep when it
    // does neither.
    void PressRight(const PointerHit& hit, bool ctrl);
    bool Peek(const PointerHit& hit);

    TableSession& session_;
    TableCursors cursors_;
    std::optional<CardOverlay> overlay_;
    QRegion pending_;  // asked to be painted, not painted yet
    QPoint grabOffset_;
    bool holding_ = false;
    bool peeking_ = false;
    bool draggingPointer_ = false;
    bool stopRequested_ = false;
};

}  // namespace marlowe
