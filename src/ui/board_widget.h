#pragma once
// The table on the window: shows the board image, carries the cards the player drags, and turns
// presses, moves, releases, double clicks, the space bar and the keys of keyboard play into the
// engine's pointer play. The geometry of what lies under the pointer or the focus frame comes from
// the layout, so a card is found where it was drawn.

#include "board/board_animator.h"
#include "board/board_view_paint.h"
#include "engine/pile_store.h"
#include "layout/hit_test.h"
#include "layout/keyboard_focus.h"
#include "ui/table_cursors.h"

#include <QPointer>
#include <QRegion>
#include <QWindow>
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
    // Keyboard play: the stop the focus frame stands on, while the frame shows.
    std::optional<FocusStop> FocusedStop() const;
    // Whether cards picked up with the keyboard wait to be dropped.
    bool CarriesCards() const { return keyboardCarry_; }
    // Cards picked up with the keyboard go back where they came from (before a command runs).
    void PutBackCarriedCards();

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
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab move the focus frame over the table, not the window's focus.
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent* event) override;

private:
    // The board takes the widget's size and the screen's pixel ratio.
    void FollowBoardSize();
    void LiftHeldCards(QPoint pointer);
    void FlyBack(const CardOverlay& carried, PileRef from, int count);
    // The held cards are let go over the candidate piles: the first that takes them does, or they
    // fly back.
    void DropHeldCards(const std::vector<DropCandidate>& candidates);
    // The double click's send of a card, from the pointer or the keyboard; true when it moved.
    bool SendCard(std::optional<PileRef> pile, int card);
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

    // Keyboard play (board_widget_keys.cpp): true when the key was one of its keys.
    bool PlayKey(const QKeyEvent& event);
    static bool IsPlayKey(const QKeyEvent& event);
    void ShowFocusFrame(bool shown);
    void MoveFocus(FocusStep step);
    void PressFocused();
    void DropOnFocused();
    void SendFocused();
    // The carried cards lie over the focused card, a little aside, so that both show.
    void CarryToFocus();
    // The frame is painted again where it was and where it is now.
    void RefreshFocusFrame();

    TableSession& session_;
    TableCursors cursors_;
    std::optional<CardOverlay> overlay_;
    QRegion pending_;  // asked to be painted, not painted yet
    QPointer<QWindow> followedWindow_;  // the window whose screen changes the board follows
    QPoint grabOffset_;
    bool holding_ = false;
    bool peeking_ = false;
    bool draggingPointer_ = false;
    bool stopRequested_ = false;
    std::optional<FocusStop> focus_; // the stop last chosen; found again after the table changes
    bool focusShown_ = false;
    bool keyboardCarry_ = false;
    std::optional<QRect> paintedFocus_; // the focused card's rectangle in board coordinates
};

}  // namespace marlowe
