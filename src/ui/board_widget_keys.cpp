// Keyboard play on the table: the arrow keys and Tab move a focus frame over the piles and
// cards, Enter picks up the focused card (with the cards the pick rules let go with it) and
// drops what is carried on the focused pile, Escape puts it back, H sends the focused card as
// a double click does. Each is the pointer's press, release or send on the focused card, so the
// engine cannot tell a key from a click. The space bar keeps its meaning: a click on the stock.

#include "board/card_highlight.h"
#include "engine/pointer.h"
#include "ui/board_widget.h"
#include "ui/table_session.h"

#include <QKeyEvent>

namespace marlowe {

namespace {

std::optional<FocusStep> StepOfKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left: return FocusStep::Left;
    case Qt::Key_Right: return FocusStep::Right;
    case Qt::Key_Up: return FocusStep::Up;
    case Qt::Key_Down: return FocusStep::Down;
    case Qt::Key_Backtab: return FocusStep::Previous;
    case Qt::Key_Tab: return event.modifiers().testFlag(Qt::ShiftModifier) ? FocusStep::Previous : FocusStep::Next;
    default: return std::nullopt;
    }
}

bool IsEnter(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

bool BoardWidget::IsPlayKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers others = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (others != Qt::NoModifier)
        return false;
    return StepOfKey(event) || IsEnter(event) || event.key() == Qt::Key_Escape || event.key() == Qt::Key_H;
}

bool BoardWidget::PlayKey(const QKeyEvent& event)
{
    if (!IsPlayKey(event))
        return false;
    if (event.key() == Qt::Key_Escape) {
        if (keyboardCarry_)
            PutBackCarriedCards();
        else if (focusShown_)
            ShowFocusFrame(false);
        else
            return false;
        return true;
    }
    // The first key only shows where the focus stands.
    if (!focusShown_) {
        ShowFocusFrame(true);
        return true;
    }
    if (const std::optional<FocusStep> step = StepOfKey(event))
        MoveFocus(*step);
    else if (IsEnter(event) && keyboardCarry_)
        DropOnFocused();
    else if (IsEnter(event))
        PressFocused();
    else if (!keyboardCarry_)
        SendFocused();
    return true;
}

bool BoardWidget::focusNextPrevChild(bool /*next*/)
{
    return false;
}

bool BoardWidget::event(QEvent* event)
{
    // A key of a command (Ctrl+Z, F2, ...) puts the carried cards back before the command runs.
    if (event->type() == QEvent::ShortcutOverride && keyboardCarry_) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool modifierAlone = key.key() == Qt::Key_Control || key.key() == Qt::Key_Shift ||
                                   key.key() == Qt::Key_Alt || key.key() == Qt::Key_Meta;
        if (!modifierAlone && !IsPlayKey(key))
            PutBackCarriedCards();
    }
    return QWidget::event(event);
}

std::optional<FocusStop> BoardWidget::FocusedStop() const
{
    if (!focusShown_)
        return std::nullopt;
    const std::vector<FocusStop> stops = FocusStops(session_.context(), session_.geometry());
    const std::optional<std::size_t> at = FindFocus(stops, focus_);
    if (!at)
        return std::nullopt;
    return stops[*at];
}

void BoardWidget::ShowFocusFrame(bool shown)
{
    focusShown_ = shown;
    RefreshFocusFrame();
}

void BoardWidget::RefreshFocusFrame()
{
    std::optional<QRect> frame;
    if (const std::optional<FocusStop> stop = FocusedStop())
        frame = QRect(BoardPoint(QPoint(stop->rect.x, stop->rect.y)), QSize(stop->rect.width, stop->rect.height));
    if (frame == paintedFocus_)
        return;
    if (paintedFocus_)
        Invalidate(FocusFrameArea(*paintedFocus_));
    if (frame)
        Invalidate(FocusFrameArea(*frame));
    paintedFocus_ = frame;
}

void BoardWidget::MoveFocus(FocusStep step)
{
    const std::vector<FocusStop> stops = FocusStops(session_.context(), session_.geometry());
    const std::optional<std::size_t> at = FindFocus(stops, focus_);
    if (!at)
        return;
    focus_ = stops[StepFocus(stops, *at, step)];
    RefreshFocusFrame();
    CarryToFocus();
}

void BoardWidget::CarryToFocus()
{
    const std::optional<FocusStop> stop = FocusedStop();
    if (!keyboardCarry_ || !overlay_ || !stop)
        return;
    CardOverlay carried = *overlay_;
    carried.at = BoardPoint(QPoint(stop->rect.x + stop->rect.width / 5, stop->rect.y + stop->rect.height / 4));
    SetOverlay(carried);
}

void BoardWidget::PressFocused()
{
    const std::optional<FocusStop> stop = FocusedStop();
    if (!stop)
        return;
    GameContext& context = session_.context();
    if (PointerDown(context, PointerButton::Left, false, stop->pile, stop->card) == PressResult::Picked &&
        context.hold.count > 0) {
        LiftHeldCards(QPoint());
        keyboardCarry_ = true;
        CarryToFocus();
        return;
    }
    // A press that picked nothing up is over at once, as a click is.
    PointerUp(context, {});
    emit Played();
}

void BoardWidget::DropOnFocused()
{
    const std::optional<FocusStop> stop = FocusedStop();
    std::vector<DropCandidate> candidates;
    if (stop) {
        if (const std::optional<DropCandidate> candidate = DropCandidateOf(session_.context(), *stop))
            candidates.push_back(*candidate);
        // Afterwards the focus stands on the top of that pile, whatever it took.
        focus_ = FocusStop{stop->pile, stop->cell, 0, 0, {}, {}};
    }
    // The cards were carried there: the release is a drop, as after a drag.
    PointerMove(session_.context());
    DropHeldCards(candidates);
}

void BoardWidget::PutBackCarriedCards()
{
    if (keyboardCarry_)
        DropHeldCards({});
}

void BoardWidget::SendFocused()
{
    const std::optional<FocusStop> stop = FocusedStop();
    if (stop && !SendCard(stop->pile, stop->card))
        session_.Beep();
}

}  // namespace marlowe
