#include "ui/input_gate.h"

#include <QCoreApplication>
#include <QEvent>

namespace marlowe {
namespace {

// What the player does with mouse and keyboard. A move counts: with a button down it drags cards.
bool IsPlayerInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

}  // namespace

InputGate::InputGate(Mode mode, std::function<void()> onPress) : mode_(mode), onPress_(std::move(onPress))
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputGate::~InputGate()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted, not sent: they arrive once the caller has finished what it held them back for.
    for (auto& [receiver, event] : held_)
        if (receiver)
            QCoreApplication::postEvent(receiver, event.release());
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsPlayerInput(event->type()))
        return false;
    if (mode_ == Mode::Hold)
        held_.emplace_back(watched, event->clone());
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
    if (mode_ == Mode::Interrupt && press && onPress_)
        onPress_();
    return true;
}

}  // namespace marlowe
