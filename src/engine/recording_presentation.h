#pragma once
// The headless presentation: records every event as a line of text ("info: ...", "draw Fila3",
// "glide 12 Fila1>Dest1", "sound Foundation"), answers questions as the test says, and never
// waits.

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
    bool Confirm(const std::string& question) override
    {
        events.push_back("confirm: " + question);
        return confirmAnswer;
    }
    bool Ask(const std::string& question) override
    {
        events.push_back("ask: " + question);
        return askAnswer;
    }
    bool ShowAdvice(const std::string& message) override
    {
        events.push_back("advice: " + message);
        return adviceDontShowAgain;
    }
    int ScreenWidth() const override { return screenWidth_; }
    void ShowScore(int score) override { events.push_back("score: " + std::to_string(score)); }
    void SetTitle(const std::string& title) override { events.push_back("title: " + title); }
    void UpdateCommands() override { events.push_back("commands"); }
    void DrawTable(bool animateDeal) override { events.push_back(animateDeal ? "table animated" : "table"); }

    void DrawPile(PileRef pile) override { events.push_back("draw " + PileName(pile)); }
    void GlideCard(int card, PileRef from, PileRef to) override
    {
        events.push_back("glide " + std::to_string(card) + " " + PileName(from) + ">" + PileName(to));
    }
    void FlipCard(int card, PileRef pile) override
    {
        events.push_back("flip " + std::to_string(card) + " " + PileName(pile));
    }
    void DrawStockButton(PileRef place, bool pressed) override
    {
        events.push_back(std::string(pressed ? "press " : "release ") + PileName(place));
    }

    void HighlightCard(int card, PileRef pile, bool on) override
    {
        events.push_back(std::string(on ? "highlight " : "plain ") + std::to_string(card) + " " + PileName(pile));
    }
    void ShowMemorySummary(const MemorySummary& summary) override
    {
        events.push_back(std::string("memory summary: ") + (summary.won ? "won" : "lost") + " page " +
                         std::to_string(summary.page) + " matches " + std::to_string(summary.matches) +
                         " misses " + std::to_string(summary.misses) + " score " + std::to_string(summary.score));
    }

    void PlaySound(std::string_view name, SoundMode mode) override
    {
        events.push_back("sound " + std::string(name) + (mode == SoundMode::Looping ? " looping" : mode == SoundMode::NoInterrupt ? " over" : ""));
    }
    void StopSound() override { events.push_back("sound stop"); }
    void CelebrateWin() override { events.push_back("celebrate"); }
    void OpenGameSelection() override { events.push_back("open game selection"); }
    void Beep() override { events.push_back("beep"); }
    void ShowStatusNote(const std::string& note) override { events.push_back("note: " + note); }
    void Wait(int milliseconds, bool pumping) override
    {
        events.push_back("wait " + std::to_string(milliseconds) + (pumping ? " pumping" : ""));
    }
    void ShowBusy(bool on) override { events.push_back(on ? "busy" : "not busy"); }

    // Every recorded event that starts with prefix.
    std::vector<std::string> EventsStartingWith(std::string_view prefix) const
    {
        std::vector<std::string> found;
        for (const auto& event : events)
            if (event.compare(0, prefix.size(), prefix) == 0)
                found.push_back(event);
        return found;
    }

    std::vector<std::string> events;
    bool confirmAnswer = true;
    bool askAnswer = true;
    bool adviceDontShowAgain = false;

private:
    int screenWidth_;
};

} // namespace marlowe
