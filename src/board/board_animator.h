#pragma once
// Plays the glides and the winning animations on the board. The paths, pauses and card drops
// come from GlidePath and the winning-animation generators; this class only turns them into
// pictures on a BoardSurface and into cards drawn onto the board image.

#include "layout/winning_animations.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <chrono>
#include <functional>
#include <string>

namespace marlowe {

class BoardGeometry;
class BoardPainter;
class CardImages;
class GameContext;
class Preferences;

// What an animation needs of the window: a picture floating over the board (the moving cards),
// repainting a changed part of the board image, and waits during which the window lives on.
class BoardSurface {
public:
    virtual ~BoardSurface() = default;
    // Shows image over the board with its top-left corner at `at`, replacing any earlier one.
    virtual void ShowOverlay(const QImage& image, QPoint at) = 0;
    virtual void ClearOverlay() = 0;
    // The board image changed inside area.
    virtual void BoardChanged(QRect area) = 0;
    // Waits; with passMessages, window events are handled meanwhile (a click may stop an animation).
    virtual void Pause(int ms, bool passMessages) = 0;
    // True once the player asked the winning animation to end.
    virtual bool StopRequested() = 0;
};

struct GlideOptions {
    bool raised = false;    // come in above the target and settle onto it
    bool fast = false;      // quarter pauses
    bool final = false;     // leave the cards drawn into the board image at the target
    bool smallStep = false; // nine-tenths steps, for a finer glide
};

class BoardAnimator {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    BoardAnimator(GameContext& context, const BoardGeometry& geometry, BoardPainter& painter,
                  const CardImages& images, const Preferences& preferences, BoardSurface& surface,
                  RandomSource& random, Clock clock = std::chrono::steady_clock::now);

    // The top of the board, below the toolbars: the upper limit of the winning animations.
    void SetBoardTop(int top) { boardTop_ = top; }

    // Glides the picture of the moving cards (captured by the caller: a composed run, a face or
    // the back) from one board point to another at the speed of register (74, 2). A target
    // below -9999 leaves the board. Without `final` the cards stay shown as the overlay at their
    // place until the caller redraws the pile under them and shows or clears the next overlay.
    void GlideCards(const QImage& moving, QPoint from, QPoint to, const GlideOptions& options);

    // Fills the board with cards until the time is up or the player stops it. An empty name
    // plays the animation and duration of the preferences.
    void PlayWinningAnimation(std::string name, int seconds);

private:
    // Draws a card face onto the board image, cut at the top of the board, and shows it.
    void DropCard(const CardDrop& drop);
    bool Stopped() const;

    GameContext& context_;
    const BoardGeometry& geometry_;
    BoardPainter& painter_;
    const CardImages& images_;
    const Preferences& preferences_;
    BoardSurface& surface_;
    RandomSource& random_;
    Clock clock_;
    int boardTop_ = 0;
};

}  // namespace marlowe
