#pragma once
// Keeps the player's mouse and keys away from every window of the program while it lives, for
// work that input must not break into: a deal being drawn drops them; an engine pause holds them
// and, when it ends, posts them again in the order they came, so nothing the player did is lost
// and no action starts inside another; something the program plays by itself (the winning
// animation, the demo) is interrupted by a click or a key, which does nothing else.

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QEvent;

namespace marlowe {

class InputGate : public QObject {
public:
    enum class Mode { Drop, Hold, Interrupt };

    // With Interrupt, onPress is called at every mouse press and key press.
    explicit InputGate(Mode mode, std::function<void()> onPress = {});
    ~InputGate() override;
    InputGate(const InputGate&) = delete;
    InputGate& operator=(const InputGate&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Mode mode_;
    std::function<void()> onPress_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace marlowe
