#pragma once
// Play on a copy of the game that nobody sees: the searches try actions on such copies, and a
// line they find is replayed on one before anybody is told it wins.

#include "engine/game_context.h"
#include "engine/play_actions.h"
#include "engine/presentation.h"

#include <vector>

namespace marlowe {

// Shows nothing and answers questions as the headless presentation does by default, so that
// a search sees the same game the protocol later replays.
class SilentPresentation final : public Presentation {
public:
    void ShowInfo(const std::string&) override {}
    void ShowError(const std::string&, const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    bool ShowAdvice(const std::string&) override { return false; }
    int ScreenWidth() const override { return 1280; }
    void ShowScore(int) override {}
    void SetTitle(const std::string&) override {}
    void UpdateCommands() override {}
    void DrawTable(bool) override {}
    void DrawPile(PileRef) override {}
    void GlideCard(int, PileRef, PileRef) override {}
    void FlipCard(int, PileRef) override {}
    void DrawStockButton(PileRef, bool) override {}
    void PlaySound(std::string_view, SoundMode) override {}
    void StopSound() override {}
    void Beep() override {}
    void Wait(int, bool) override {}
    void CelebrateWin() override {}
    void OpenGameSelection() override {}
};

// A copy of the context that shows its events to presentation and records no game.
GameContext QuietCopy(const GameContext& context, Presentation& presentation);

// Whether the actions, carried out one by one on a quiet copy of start, are each taken and
// leave the game won.
bool ReplayWins(const GameContext& start, const std::vector<PlayAction>& actions);

} // namespace marlowe
