#pragma once
// What the engine asks of the screen: messages and questions now, drawing, animation and
// sound as the engine grows. The window implements it; the headless implementation records
// every event for the tests and the command line. No call may block a test.

#include <string>

namespace marlowe {

class Presentation {
public:
    virtual ~Presentation() = default;

    // A modal information box with an OK button.
    virtual void ShowInfo(const std::string& message) = 0;
    // A modal error box with the given title.
    virtual void ShowError(const std::string& title, const std::string& message) = 0;
    // The width of the screen in pixels.
    virtual int ScreenWidth() const = 0;
    // The running score in its panel, repainted at once.
    virtual void ShowScore(int score) = 0;
};

} // namespace marlowe
