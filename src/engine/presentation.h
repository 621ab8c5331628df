#pragma once
// What the engine asks of the screen and the speakers: messages and questions, drawing piles,
// flying and flipping cards, sounds, waits. The window implements it; the headless
// implementation records every event for the tests and the command line. The engine decides
// whether an event happens (preferences, rules); the presentation only carries it out. No call
// may block a test: questions are answered by the implementation.

#include "engine/pile_store.h"

#include <string>
#include <string_view>

namespace marlowe {

// What the end of a memory game shows: one page per variant of the game.
struct MemorySummary {
    bool won = false;
    int page = 0;          // 0..3 for the variants 37, 36, 38, 39
    int matches = 0;
    int misses = 0;
    int pointsPerMatch = 0;
    int pointsPerMiss = 0;  // 0 or negative
    int matchTotal = 0;
    int missTotal = 0;
    int score = 0;
    int scoreToWin = 0;
    std::string grid;      // page 0 only: "Grid: 4 x 3", ...
};

// How a sound plays: in place of the one playing, over it, or repeating until stopped.
enum class SoundMode { Once, NoInterrupt, Looping };

class Presentation {
public:
    virtual ~Presentation() = default;

    // A modal information box with an OK button.
    virtual void ShowInfo(const std::string& message) = 0;
    // A modal error box with the given title.
    virtual void ShowError(const std::string& title, const std::string& message) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool Confirm(const std::string& question) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Ask(const std::string& question) { return Confirm(question); }
    // An advice box with "Don't show this message box again"; true when the player ticked it.
    virtual bool ShowAdvice(const std::string& message) = 0;
    // The width of the screen in pixels.
    virtual int ScreenWidth() const = 0;
    // The running score in its panel, repainted at once.
    virtual void ShowScore(int score) = 0;
    // The main window's caption.
    virtual void SetTitle(const std::string& title) = 0;
    // Enables or disables the game commands (New, Undo, Redo, Autoplay, the move finder ...)
    // as the engine's command state says.
    virtual void UpdateCommands() = 0;

    // Shows a newly dealt table, with the deal animation when asked; returns once it is shown.
    virtual void DrawTable(bool animateDeal) = 0;
    // Redraws one pile as the table holds it now.
    virtual void DrawPile(PileRef pile) = 0;
    // Flies a card from one pile to the top of another (the table already shows the result).
    virtual void GlideCard(int card, PileRef from, PileRef to) = 0;
    // Turns a card over in place with its animation.
    virtual void FlipCard(int card, PileRef pile) = 0;
    // Shows the pressed or released redeal button at the place of a pile.
    virtual void DrawStockButton(PileRef place, bool pressed) = 0;
    // Draws a card of a pile highlighted (a selected card) or plain again.
    virtual void HighlightCard(int /*card*/, PileRef /*pile*/, bool /*on*/) {}
    // The summary box of a memory game at its end.
    virtual void ShowMemorySummary(const MemorySummary& /*summary*/) {}

    // Plays a sound of the resource module by name in the background; StopSound ends it. A name
    // the module lacks silences whatever plays.
    virtual void PlaySound(std::string_view name, SoundMode mode) = 0;
    virtual void StopSound() = 0;
    // A short note in the status bar on why the player's move was refused; it gives way to the
    // pile hints after a while.
    virtual void ShowStatusNote(const std::string& /*note*/) {}
    // The refusal beep of an invalid click.
    virtual void Beep() = 0;
    // Waits; with pumping, pending window events are handled meanwhile.
    virtual void Wait(int milliseconds, bool pumping) = 0;
    // The busy pointer over the program while the engine works for long without waiting, or the
    // usual pointer again.
    virtual void ShowBusy(bool /*on*/) {}
    // The winning animation; returns when it has ended or the player stopped it.
    virtual void CelebrateWin() = 0;
    // Opens the game selection dialog (after a won game).
    virtual void OpenGameSelection() = 0;
};

} // namespace marlowe
