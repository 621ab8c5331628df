#pragma once
// The game context: everything one running game of the program owns. There are no
// process-wide mutable globals; tests build a fresh context, a solver may copy one.

#include "app/outcome.h"
#include "app/session_registers.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_vector.h"

namespace marlowe {

class Presentation;

class GameContext {
public:
    explicit GameContext(Presentation& presentation) : presentation_(&presentation) {}

    SessionRegisters registers;
    TMainGame mainGame;
    RuleVector rules;

    Presentation& presentation() const { return *presentation_; }

    // The current game's number from register (62, 4); -1 when there is none.
    int CurrentGameNumber() const;
    // Loads the rules of the current game.
    Outcome LoadRules();

private:
    Presentation* presentation_;
};

} // namespace marlowe
