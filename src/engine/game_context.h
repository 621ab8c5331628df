#pragma once
// The game context: everything one running game of the program owns. There are no
// process-wide mutable globals; tests build a fresh context, a solver may copy one.

#include "app/outcome.h"
#include "app/session_registers.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_vector.h"
#include "engine/card_table.h"
#include "engine/engine_flags.h"
#include "engine/game_clock.h"
#include "engine/move_history.h"
#include "engine/pile_store.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace marlowe {

class Presentation;

class GameContext {
public:
    explicit GameContext(Presentation& presentation) : presentation_(&presentation) {}

    SessionRegisters registers;
    TMainGame mainGame;          // the catalogue and the state words of the running game
    RuleVector rules;            // with its saved copy of the base ranks
    CardTable cards;
    PileStore piles;
    PileStore shadow;            // a copy to change the table temporarily and put it back
    EngineFlags flags;
    MoveHistory undoHistory;     // the table before each recorded move
    MoveHistory redoHistory;
    std::optional<Snapshot> bookmark; // a table the player asked to return to
    GameClock clock;
    // The Autoplay command: switched on by the player (or the preferences), available when
    // the game allows it. Automatic play runs only when both hold.
    bool autoplayOn = false;
    bool autoplayAvailable = false;
    bool AutoplayActive() const { return autoplayOn && autoplayAvailable; }

    // Which commands the window offers for the game.
    struct Commands {
        bool game = false;        // New, Undo, Redo, Autoplay, Rules, Game information
        bool moveFinder = false;  // "Show a legal move", "Game Demo"
        bool undoRedo = true;     // also saving, bookmarks, "Hold and exit"
        bool pauseAndQuit = false;
        bool customize = true;
    } commands;

    // The cards held by the pointer: the bottom card, its pile and how many cards are held.
    struct Hold {
        int card = 0;
        PileRef from{PileGroup::Tableaus, 0};
        int count = 0;
    } hold;
    bool doubleClickGuard = false; // swallows the second press of a double click

    // What ends a game hands to the records: the game is recorded won or lost.
    std::function<void(GameContext&, bool won)> recordGame;
    // The time of day in seconds, for the playing-time clock.
    std::function<int()> secondOfDay;
    // The caption last given to the window.
    std::string windowTitle;

    Presentation& presentation() const { return *presentation_; }
    // A copy of the context (a solver's) shows its events elsewhere, or nowhere.
    void SetPresentation(Presentation& presentation) { presentation_ = &presentation; }

    // The rule parameters the engine reads everywhere.
    int FoundationCount() const { return rules[rule::FoundationCount]; }
    int TableauCount() const { return rules[rule::TableauCount]; }
    int ReserveCount() const { return rules[rule::ReserveCount]; }
    // The tableau piles the pile store holds: the count within its limit.
    int TableauPileCount() const { return std::clamp(TableauCount(), 0, kMaxTableaus); }

    // The current game's number from register (62, 4); -1 when there is none.
    int CurrentGameNumber() const;
    // Loads the rules of the current game.
    Outcome LoadRules();

private:
    Presentation* presentation_;
};

} // namespace marlowe
