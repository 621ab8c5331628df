#include "board/board_animator.h"

#include "board/board_painter.h"
#include "board/card_images.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/preferences.h"
#include "layout/board_geometry.h"
#include "layout/glide_path.h"

#include <algorithm>
#include <vector>

namespace marlowe {
namespace {

constexpr const char* kPreferenceSection = "Preference";
constexpr int kDefaultSpeed = 10;
constexpr int kDefaultWinningSeconds = 30;

// Gliding cards carry no shadow, except while a row is dealt: the shadow register and the
// painter's look say so until the glide ends, also for any redraw the window makes meanwhile.
class ShadowsOffDuringGlide {
public:
    ShadowsOffDuringGlide(GameContext& context, BoardPainter& painter)
        : context_(context), painter_(painter), active_(context.mainGame.DealingRow == 0)
    {
        if (!active_)
            return;
        savedRegister_ = context_.registers.Get(reg::CardShadows);
        savedLook_ = painter_.Look();
        context_.registers.Set(reg::CardShadows, "N");
        BoardLook plain = savedLook_;
        plain.shadows = false;
        painter_.SetLook(plain);
    }
    ~ShadowsOffDuringGlide()
    {
        if (!active_)
            return;
        context_.registers.Set(reg::CardShadows, savedRegister_);
        painter_.SetLook(savedLook_);
    }
    ShadowsOffDuringGlide(const ShadowsOffDuringGlide&) = delete;
    ShadowsOffDuringGlide& operator=(const ShadowsOffDuringGlide&) = delete;

private:
    GameContext& context_;
    BoardPainter& painter_;
    bool active_;
    std::string savedRegister_;
    BoardLook savedLook_;
};

// The pause per glide step from register (74, 2); the default speed when it holds no number.
int GlideSpeed(const GameContext& context)
{
    return static_cast<int>(std::clamp(context.registers.GetNumber(reg::MoveSpeed, kDefaultSpeed), 0LL, 99LL));
}

}  // namespace

BoardAnimator::BoardAnimator(GameContext& context, const BoardGeometry& geometry, BoardPainter& painter,
                             const CardImages& images, const Preferences& preferences, BoardSurface& surface,
                             RandomSource& random, Clock clock)
    : context_(context),
      geometry_(geometry),
      painter_(painter),
      images_(images),
      preferences_(preferences),
      surface_(surface),
      random_(random),
      clock_(std::move(clock))
{
}

void BoardAnimator::GlideCards(const QImage& moving, QPoint from, QPoint to, const GlideOptions& options)
{
    const ShadowsOffDuringGlide shadowsOff(context_, painter_);
    GlideRequest request;
    request.fromX = from.x();
    request.fromY = from.y();
    request.toX = to.x();
    request.toY = to.y();
    request.speed = GlideSpeed(context_);
    request.cardWidth = geometry_.card.cardWidth;
    request.cardHeight = geometry_.card.cardHeight;
    request.fast = options.fast;
    request.smallStep = options.smallStep;
    request.raised = options.raised;
    request.shadowDepth = geometry_.card.shadowDepth;
    const std::vector<GlideStep> steps = GlidePath(request);

    // The cards show at their origin while the first pause passes; a glide that goes nowhere
    // shows them only once, at the target.
    if (from != QPoint(steps.front().x, steps.front().y))
        surface_.ShowOverlay(moving, from);
    for (const GlideStep& step : steps) {
        if (step.waitMs > 0)
            surface_.Pause(step.waitMs, true);
        surface_.ShowOverlay(moving, QPoint(step.x, step.y));
    }
    if (!options.final)
        return;
    // The board image takes the cards before the overlay goes, so the window never shows a gap.
    const QRect changed = painter_.DrawOntoBoard(moving, QPoint(steps.back().x, steps.back().y));
    if (!changed.isEmpty())
        surface_.BoardChanged(changed);
    surface_.ClearOverlay();
}

void BoardAnimator::PlayWinningAnimation(std::string name, int seconds)
{
    if (name.empty()) {
        name = preferences_.ReadString(kPreferenceSection, "Winning_Animations", "(Random)");
        seconds = preferences_.ReadInt(kPreferenceSection, "Winning_Animations_Time", kDefaultWinningSeconds);
    }
    const QRect board = painter_.BoardRect();
    const WinningArea area{board.width(), board.height(), boardTop_, images_.cardWidth(), images_.cardHeight(),
                           GlideSpeed(context_)};
    const std::unique_ptr<WinningAnimation> animation = MakeWinningAnimation(name, area, random_);
    const auto end = clock_() + std::chrono::seconds(std::max(seconds, 0));

    context_.flags.Set(WinAnimationRunning);
    // A press before the animation (the one that won the game) asks nothing of it.
    surface_.StopRequested();
    while (!Stopped() && clock_() < end) {
        const CardDrop drop = animation->Next();
        DropCard(drop);
        if (drop.waitMs > 0 || drop.passMessages)
            surface_.Pause(drop.waitMs, drop.passMessages);
    }
    context_.flags.Clear(WinAnimationRunning);
}

bool BoardAnimator::Stopped() const
{
    // The window's click handler may clear the flag itself, or answer through the surface.
    return !context_.flags[WinAnimationRunning] || surface_.StopRequested();
}

void BoardAnimator::DropCard(const CardDrop& drop)
{
    const QImage& face = images_.Face(FaceImageIndex(drop.card));
    const int hidden = boardTop_ - drop.y;  // rows above the top of the board
    const QSize size = BoardSizeOf(face);
    if (hidden >= size.height())
        return;
    QRect changed;
    if (hidden > 0)
        changed = painter_.DrawOntoBoard(
            AtRatio(face.copy(DeviceRectOf(face, QRect(0, hidden, size.width(), size.height() - hidden))),
                    face.devicePixelRatio()),
            QPoint(drop.x, boardTop_));
    else
        changed = painter_.DrawOntoBoard(face, QPoint(drop.x, drop.y));
    if (!changed.isEmpty())
        surface_.BoardChanged(changed);
}

}  // namespace marlowe
