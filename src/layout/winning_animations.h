#pragma once
// The winning animations that fill the board with cards when a game is won, as generators of
// card drops: each Next() says which card lands where and how long to wait afterwards. They
// never draw and never wait themselves, so the window paints them and the tests step through
// them without a display. Every generator goes on for ever; the caller stops it by time or by
// the player's click.

#include <array>
#include <memory>
#include <string_view>

namespace marlowe {

// The engine's source of chance (engine/shuffle.h): the window passes its seeded one, the tests
// a fixed seed or a script.
class RandomSource;

// What the animations draw on, in the board's pixel coordinates.
struct WinningArea {
    int width = 0;        // the client area of the main window
    int height = 0;
    int top = 0;          // the top of the board, below the toolbars
    int cardWidth = 71;
    int cardHeight = 96;
    int speed = 10;       // the glide speed of register (74, 2); most pauses are half of it
};

// One card of an animation: a face by card code, its top-left corner, then a wait in
// milliseconds and whether window events are let through during it.
struct CardDrop {
    int card = 1;         // 1..51
    int x = 0;
    int y = 0;
    int waitMs = 0;
    bool passMessages = false;
};

class WinningAnimation {
public:
    virtual ~WinningAnimation() = default;
    // The animation's own name ("(Random)" reports the one it picked).
    virtual std::string_view Name() const = 0;
    virtual CardDrop Next() = 0;
};

// The names the player can choose from, "(Random)" first.
inline constexpr std::array<std::string_view, 7> kWinningAnimationNames = {
    "(Random)", "Open order", "Left to right", "Up to down", "Lines", "Circles", "Festoons"};

// The animation of a name (any case). "(Random)", and any name that is not an animation, picks
// one of "Open order", "Left to right" and "Up to down".
std::unique_ptr<WinningAnimation> MakeWinningAnimation(std::string_view name, const WinningArea& area,
                                                       RandomSource& random);

}  // namespace marlowe
