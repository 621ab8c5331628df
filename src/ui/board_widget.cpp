#include "ui/board_widget.h"

#include "app/register_settings.h"
#include "catalogue/rule_parameters.h"
#include "engine/cards.h"
#include "engine/pointer.h"
#include "layout/card_positions.h"
#include "layout/hit_test.h"
#include "ui/table_session.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace marlowe {

BoardWidget::BoardWidget(TableSession& session, QWidget* parent)
    : QWidget(parent), session_(session), cursors_(session.modules())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button pressed feed the pile hints of the status bar.
    setMouseTracking(true);
    session_.SetView(this);
    ShowRestingPointer();
}

int BoardWidget::ChosenPointer() const
{
    return static_cast<int>(session_.context().registers.GetNumber(reg::CursorSet, TableCursors::kSystemPointer));
}

void BoardWidget::ShowRestingPointer()
{
    draggingPointer_ = false;
    setCursor(cursors_.Resting(ChosenPointer()));
}

QPoint BoardWidget::BoardPoint(QPoint windowPoint) const
{
    return windowPoint + QPoint(0, session_.ScrollPosition());
}

QPoint BoardWidget::WindowPoint(QPoint boardPoint) const
{
    return boardPoint - QPoint(0, session_.ScrollPosition());
}

bool BoardWidget::InputHeld() const
{
    return session_.Dealing();
}

void BoardWidget::paintEvent(QPaintEvent* event)
{
    pending_ -= event->region();
    QPainter painter(this);
    painter.translate(0, -session_.ScrollPosition());
    PaintBoardArea(painter, session_.painter(), event->rect().translated(0, session_.ScrollPosition()), overlay_,
                   paintedFocus_);
}

void BoardWidget::resizeEvent(QResizeEvent* /*event*/)
{
    FollowBoardSize();
}

void BoardWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window moved to a screen of another pixel ratio keeps its size: the board follows the
    // new screen at once rather than at the next resize.
    QWindow* window = this->window()->windowHandle();
    if (window && window != followedWindow_) {
        connect(window, &QWindow::screenChanged, this, [this] { FollowBoardSize(); });
        followedWindow_ = window;
    }
}

void BoardWidget::FollowBoardSize()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    session_.SetBoardSize(size(), screen ? screen->size() : size(), devicePixelRatioF());
}

void BoardWidget::SetOverlay(std::optional<CardOverlay> overlay)
{
    const int depth = session_.painter().ShadowDepth();
    QRect changed;
    if (overlay_)
        changed = overlay_->Area(depth);
    if (overlay)
        changed = changed.united(overlay->Area(depth));
    overlay_ = std::move(overlay);
    Invalidate(changed);
}

void BoardWidget::ShowOverlay(const QImage& image, QPoint at)
{
    SetOverlay(CardOverlay{image, at, false});
}

void BoardWidget::ClearOverlay()
{
    SetOverlay(std::nullopt);
}

void BoardWidget::BoardChanged(QRect area)
{
    Invalidate(area);
    RefreshFocusFrame();
}

void BoardWidget::Invalidate(QRect boardArea)
{
    const QRect area = boardArea.translated(0, -session_.ScrollPosition());
    pending_ += area;
    update(area);
}

void BoardWidget::Pause(int ms, bool passMessages)
{
    // An animation step shows at once, and only what it changed is painted again.
    if (!pending_.isEmpty())
        repaint(pending_);
    session_.Wait(ms, passMessages);
}

bool BoardWidget::StopRequested()
{
    const bool stop = stopRequested_;
    stopRequested_ = false;
    return stop;
}

// The picked cards leave their pile and follow the pointer, raised a little when cards cast
// shadows.
void BoardWidget::LiftHeldCards(QPoint pointer)
{
    GameContext& context = session_.context();
    const auto& hold = context.hold;
    const Place bottom = CardPosition(context, session_.geometry(), hold.from, hold.count - 1, false);
    CardOverlay carried{session_.painter().ComposeDragImage(hold.from, hold.count),
                        BoardPoint(QPoint(bottom.x, bottom.y)), false};
    const int depth = session_.painter().ShadowDepth();
    if (depth > 0) {
        carried.shadow = true;
        carried.at -= QPoint(depth - 2, depth - 2);
    }
    grabOffset_ = BoardPoint(pointer) - carried.at;
    BoardChanged(session_.painter().DrawPile(hold.from, hold.count));
    holding_ = true;
    SetOverlay(carried);
}

// Cards no pile took fly back from where they were let go to where they came from.
void BoardWidget::FlyBack(const CardOverlay& carried, PileRef from, int count)
{
    GameContext& context = session_.context();
    const Place home = CardPosition(context, session_.geometry(), from, count - 1, false);
    const QPoint homePoint = BoardPoint(QPoint(home.x, home.y));
    if (IsPlaced(home.x) && carried.at != homePoint && AnimatesCardMoves(context.registers)) {
        BoardChanged(session_.painter().DrawPile(from, count));
        BoardAnimator animator(context, session_.geometry(), session_.painter(), session_.images(),
                               session_.preferences(), *this, session_.random());
        animator.GlideCards(carried.image, carried.at, homePoint, GlideOptions{});
        ClearOverlay();
    }
    BoardChanged(session_.painter().DrawPile(from));
}

void BoardWidget::mousePressEvent(QMouseEvent* event)
{
    stopRequested_ = true;
    // While a card is peeked at, the other button waits for the peek to end.
    if (InputHeld() || peeking_)
        return;
    // The mouse takes over from the keyboard.
    PutBackCarriedCards();
    ShowFocusFrame(false);
    GameContext& context = session_.context();
    const QPoint point = event->position().toPoint();
    const PointerButton button = event->button() == Qt::RightButton ? PointerButton::Right : PointerButton::Left;
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const PointerHit hit = HitTest(context, session_.geometry(), point.x(), point.y());
    if (button == PointerButton::Right) {
        if (!hit.pile)
            emit MenuRequested(event->globalPosition().toPoint());
        else
            PressRight(hit, event->modifiers().testFlag(Qt::ControlModifier));
        return;
    }
    const PressResult pressed = PointerDown(context, button, false, hit.pile, hit.card);
    if (pressed == PressResult::Picked && context.hold.count > 0)
        LiftHeldCards(point);
    else if (pressed == PressResult::Acted)
        emit Played();
}

void BoardWidget::PressRight(const PointerHit& hit, bool ctrl)
{
    GameContext& context = session_.context();
    if (holding_)
        return;
    // The second press of a double click is swallowed without a sound.
    const bool guarded = context.doubleClickGuard;
    const bool peeks = RightPressPeeks(context, ctrl);
    if (PointerDown(context, PointerButton::Right, ctrl, hit.pile, hit.card) == PressResult::Acted) {
        emit Played();
        return;
    }
    if (!guarded && !(peeks && Peek(hit)))
        session_.Beep();
}

// A face-up card of a tableau or of a fanned reserve, drawn whole on the window only: the board
// image keeps the pile as it lies.
bool BoardWidget::Peek(const PointerHit& hit)
{
    const GameContext& context = session_.context();
    if (!context.flags[GameInProgress] || context.registers.Get(reg::ShowPartlyHiddenCards) != "Y")
        return false;
    if (!hit.pile || hit.card <= 0 || context.cards.IsFaceDown(hit.card))
        return false;
    const int reserveStyle = context.rules[rule::ReserveStyle];
    const bool fanned = hit.pile->group == PileGroup::Reserves && (reserveStyle == 1 || reserveStyle == 2);
    if (hit.pile->group != PileGroup::Tableaus && !fanned)
        return false;
    peeking_ = true;
    SetOverlay(CardOverlay{session_.images().Face(FaceImageIndex(hit.card)), BoardPoint(QPoint(hit.rect.x, hit.rect.y)),
                           false});
    return true;
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!holding_ || !overlay_ || keyboardCarry_) {
        if (event->buttons() == Qt::NoButton) {
            const QPoint point = event->position().toPoint();
            emit PointerOver(HitTest(session_.context(), session_.geometry(), point.x(), point.y(), true).pile, point);
        }
        return;
    }
    PointerMove(session_.context());
    if (!draggingPointer_) {
        draggingPointer_ = true;
        setCursor(cursors_.Dragging(ChosenPointer()));
    }
    CardOverlay moved = *overlay_;
    moved.at = BoardPoint(event->position().toPoint()) - grabOffset_;
    SetOverlay(moved);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    GameContext& context = session_.context();
    ShowRestingPointer();
    if (peeking_) {
        peeking_ = false;
        ClearOverlay();
    }
    if (!holding_ || !overlay_) {
        PointerUp(context, {});
        emit Played();
        return;
    }
    // The card's own rectangle decides where it lands, not its raised picture.
    const int raise = overlay_->shadow ? session_.painter().ShadowDepth() - 2 : 0;
    const QPoint dropped = WindowPoint(overlay_->at + QPoint(raise, raise));
    DropHeldCards(DropCandidatesAt(context, session_.geometry(), dropped.x(), dropped.y()));
}

void BoardWidget::DropHeldCards(const std::vector<DropCandidate>& candidates)
{
    GameContext& context = session_.context();
    holding_ = false;
    keyboardCarry_ = false;
    const auto held = context.hold;
    const std::optional<CardOverlay> carried = overlay_;
    const std::string before = context.piles[held.from];
    ClearOverlay();
    PointerUp(context, candidates);
    if (context.piles[held.from] == before && carried)
        FlyBack(*carried, held.from, held.count);
    emit Played();
}

bool BoardWidget::SendCard(std::optional<PileRef> pile, int card)
{
    GameContext& context = session_.context();
    const bool moved = DoubleClickSend(context, pile, card);
    // The second press of a double click has come as its own event, not as a press to swallow;
    // a key has no second press.
    context.doubleClickGuard = false;
    emit Played();
    return moved;
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (InputHeld())
        return;
    const QPoint point = event->position().toPoint();
    const PointerHit hit = HitTest(session_.context(), session_.geometry(), point.x(), point.y());
    SendCard(event->button() == Qt::LeftButton ? hit.pile : std::nullopt, hit.card);
}

void BoardWidget::ClickStock()
{
    PutBackCarriedCards();
    GameContext& context = session_.context();
    const Place stock = session_.geometry().PlaceOf({PileGroup::StockGroup, 0});
    if (!IsPlaced(stock.x))
        return;
    const PointerHit hit = HitTest(context, session_.geometry(), stock.x + 1, stock.y + 1);
    PointerDown(context, PointerButton::Left, false, hit.pile, hit.card);
    PointerUp(context, {});
    emit Played();
}

void BoardWidget::keyPressEvent(QKeyEvent* event)
{
    stopRequested_ = true;
    if (event->key() == Qt::Key_Space && !InputHeld()) {
        ClickStock();
        return;
    }
    if (!InputHeld() && !peeking_ && !(holding_ && !keyboardCarry_) && PlayKey(*event))
        return;
    QWidget::keyPressEvent(event);
}

}  // namespace marlowe
