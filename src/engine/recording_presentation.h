#pragma once
// The headless presentation: records every event as a line of text ("info: ...").

#include "engine/presentation.h"

#include <string>
#include <vector>

namespace marlowe {

class RecordingPresentation : public Presentation {
public:
    explicit RecordingPresentation(int screenWidth = 1280) : screenWidth_(screenWidth) {}

    void ShowInfo(const std::string& message) override { events.push_back("info: " + message); }
    void ShowError(const std::string& title, const std::string& message) override
    {
        events.push_back("error: " + title + ": " + message);
    }
    int ScreenWidth() const override { return screenWidth_; }
    void ShowScore(int score) override { events.push_back("score: " + std::to_string(score)); }

    std::vector<std::string> events;

private:
    int screenWidth_;
};

} // namespace marlowe
