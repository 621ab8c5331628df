#pragma once
// The playing time of a game: from the first showing of the deal to the end of the game,
// measured on the time of day (a game across midnight counts the 24 hours it crossed).

#include <string>

namespace marlowe {

class GameContext;

constexpr int kSecondsPerDay = 24 * 60 * 60;

struct GameClock {
    int startSecond = 0; // time of day, in seconds
    int endSecond = 0;
};

// Starts the clock at secondOfDay unless it runs already.
void StartClock(GameContext& context, int secondOfDay);
// Stops the clock at secondOfDay.
void StopClock(GameContext& context, int secondOfDay);
// Sets the clock running as if started elapsed seconds before secondOfDay: a paused or a
// resumed game goes on from the time it had.
void SetElapsedSeconds(GameContext& context, int elapsed, int secondOfDay);
// Seconds played: up to now while the clock runs, up to its stop afterwards.
int ElapsedSeconds(const GameContext& context, int secondOfDay);
// "h:nn:ss": hours without a leading zero, minutes and seconds with two digits.
std::string FormatElapsed(int seconds);

} // namespace marlowe
