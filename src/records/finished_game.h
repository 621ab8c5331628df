#pragma once
// The records' side of the end of a game: which games count, what a finished game is made of,
// and the hook the game context calls when a game ends.

#include "records/game_records.h"

#include <functional>

namespace marlowe {

class GameContext;

// The local date (YYYYMMDD) and time of day (HHMMSS) now.
struct LocalStamp {
    int date = 0;
    int time = 0;
};
LocalStamp LocalNow();

// The game that just ended, from the context's registers and clock.
FinishedGame FinishedGameOf(const GameContext& context, bool won, const LocalStamp& stamp);
// Whether the game that just ended goes into the records.
bool GameCountsForRecords(const GameContext& context);
// The context's end-of-game hook: a game that counts is written into records; after any other
// game the record files are still made ready (created with their headers when missing) while
// the statistics are on.
std::function<void(GameContext&, bool won)> RecordingHook(GameRecords& records);

} // namespace marlowe
