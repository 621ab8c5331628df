#pragma once
// The line protocol of a game driven by text: one command line in, one answer out. The
// command line's "play" reads it from standard input; the tests drive whole games with it.
//   state                  the table (NAME=snapshot text per pile), score=, won=, redeals=, undo=
//   drop CARD PILE         press the card, drag it, release it over the pile
//   drop CARD PILE:CELL    the same over one cell of a tableau row whose cells are places
//                          (Gaps), cells counted from 1 at the row's left end: "drop 15 Fila2:4"
//   stock                  press and release the stock
//   click / dblclick / rclick CARD
//   undo, redo
//   autoplay on|off
//   hint PILE              kind, piles, cards, hint and redeals of the pile, tab-separated
// Each command is answered "ok" (the table changed, or the command was carried out),
// "refused", or "error: WHAT: 'LINE'" for a malformed command, saying what is wrong (an unknown
// command or pile, a missing argument, a card code out of range, a cell of a pile that has
// none) and quoting at most the first 80 characters of the line, control bytes as \xNN;
// "state" and "hint" print their lines first.

#include "engine/game_context.h"
#include "engine/hint_file.h"
#include "engine/play_command.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "engine/shuffle.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace marlowe {

class PlayProtocol {
public:
    // The preferences are read from dataFolder: give it a folder of its own so that a session
    // never touches the player's files. Printed lines go to out; what the engine tells the
    // player goes to messages, one "marlowe-cli: ..." line each.
    PlayProtocol(const TMainGame& mainGame, const std::filesystem::path& dataFolder, std::ostream& out,
                 std::ostream& messages);
    PlayProtocol(const PlayProtocol&) = delete;
    PlayProtocol& operator=(const PlayProtocol&) = delete;

    // Deals game number from the deal number, with the Autoplay switch as given. False (with
    // the reason on the message stream) when the game cannot be dealt.
    bool Start(int game, const std::string& dealNumber, bool autoplay);
    // Runs one command line and returns its answer.
    std::string Run(const std::string& line);

    GameContext& context() { return context_; }
    const GameContext& context() const { return context_; }

private:
    std::string Dispatch(const PlayCommand& command);
    std::string State();
    std::string Hint(PileRef pile);
    void ReportMessages();

    RecordingPresentation presentation_;
    GameContext context_;
    Preferences preferences_;
    SeededRandom random_;
    HintFile hints_;
    std::ostream& out_;
    std::ostream& messages_;
};

} // namespace marlowe
