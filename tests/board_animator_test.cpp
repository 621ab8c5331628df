// Glides and winning animations on a board image, with a surface that records what the window
// would show and a clock that moves only when the animation pauses: where gliding cards end up,
// the shadows switched off meanwhile, and the ways a winning animation ends.

#include "board/board_animator.h"

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "board/board_painter.h"
#include "board/card_images.h"
#include "board/resource_modules.h"
#include "engine/game_context.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "engine/shuffle.h"
#include "layout/board_geometry.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace marlowe;

namespace {

class FakeSurface : public BoardSurface {
public:
    void ShowOverlay(const QImage&, QPoint at) override
    {
        overlays.push_back(at);
        events.push_back("overlay");
    }
    void ClearOverlay() override { events.push_back("clear"); }
    void BoardChanged(QRect area) override
    {
        changes.push_back(area);
        events.push_back("changed");
    }
    void Pause(int ms, bool passMessages) override
    {
        now += std::chrono::milliseconds(ms);
        pauses.push_back({ms, passMessages});
        events.push_back("pause");
        if (onPause)
            onPause();
    }
    bool StopRequested() override { return stopRequested; }

    std::chrono::steady_clock::time_point now{};
    std::vector<std::string> events;
    std::vector<QPoint> overlays;
    std::vector<QRect> changes;
    std::vector<std::pair<int, bool>> pauses;
    bool stopRequested = false;
    std::function<void()> onPause;
};

class BoardAnimatorTest : public ::testing::Test {
protected:
    BoardAnimatorTest()
        : modules(MARLOWE_BUILD_DIR),
          preferences(data.path(), imageRegisters, presentation),
          images(modules, imageRegisters, preferences, presentation, data.path(), 16777216),
          context(presentation),
          painter(context, geometry, images),
          random(5),
          animator(context, geometry, painter, images, preferences, surface, random, [this] { return surface.now; })
    {
        EXPECT_TRUE(modules.Open(ResourceModule::Standard));
        ClearCardFileChoices(imageRegisters);
        imageRegisters.Set(reg::CardSet, "001");
        imageRegisters.Set(reg::CardBack, "011");
        images.SetCardSize('B');
        geometry.SetCardSize('B', true, context.rules);
        painter.Resize(QSize(400, 300));
        painter.SetLook(BoardLook{true, 0, 0});
        context.registers.Set(reg::MoveSpeed, "10");
        context.registers.Set(reg::CardShadows, "Y");
    }

    // The middle of a card at a board point, without the rounded corners blended over the board.
    QImage CardMiddle(const QImage& image, QPoint at) const
    {
        return image.copy(QRect(at + QPoint(6, 6), QSize(images.cardWidth() - 12, images.cardHeight() - 12)))
            .convertToFormat(QImage::Format_RGB32);
    }

    marlowe::testing::TempFolder data;
    ResourceModules modules;
    SessionRegisters imageRegisters;
    RecordingPresentation presentation;
    Preferences preferences;
    CardImages images;
    GameContext context;
    BoardGeometry geometry;
    BoardPainter painter;
    SeededRandom random;
    FakeSurface surface;
    BoardAnimator animator;
};

TEST_F(BoardAnimatorTest, AGlideEndsAtTheTargetWithoutShadowsUnlessARowIsDealt)
{
    struct Case {
        QPoint to;
        bool final;
        bool dealingRow;
        QPoint end;
        bool drawn;  // into the board image
    };
    const Case cases[] = {
        {{200, 150}, true, false, {200, 150}, true},
        {{200, 150}, false, false, {200, 150}, false},  // the cards stay shown until the pile is redrawn
        {{200, 150}, true, true, {200, 150}, true},
        {{-10000, 50}, true, false, {-3 * 71, 50}, false},  // no place: off the board, nothing to draw
    };
    const QPoint from(10, 20);
    const QImage& card = images.Face(0);
    for (const Case& c : cases) {
        surface = FakeSurface();
        painter.DrawBoard();
        const QImage before = painter.BoardImage().copy();
        context.mainGame.DealingRow = c.dealingRow ? 1 : 0;
        std::vector<std::pair<std::string, bool>> shadows;  // the register and the look during pauses
        surface.onPause = [&] { shadows.emplace_back(context.registers.Get(reg::CardShadows), painter.Look().shadows); };
        animator.GlideCards(card, from, c.to, GlideOptions{false, false, c.final, false});

        ASSERT_GT(surface.overlays.size(), 2u);
        EXPECT_EQ(surface.overlays.front(), from);
        EXPECT_EQ(surface.overlays.back(), c.end);
        EXPECT_EQ(surface.pauses.size(), surface.overlays.size() - 1);  // nothing waits before the start
        for (const auto& during : shadows)
            EXPECT_EQ(during, std::make_pair(std::string(c.dealingRow ? "Y" : "N"), c.dealingRow));
        EXPECT_EQ(context.registers.Get(reg::CardShadows), "Y");
        EXPECT_TRUE(painter.Look().shadows);
        EXPECT_EQ(surface.events.back(), c.final ? "clear" : "overlay");
        if (c.drawn) {
            EXPECT_EQ(CardMiddle(painter.BoardImage(), c.end), CardMiddle(card, QPoint(0, 0)));
            EXPECT_EQ(surface.changes, std::vector<QRect>{QRect(c.end, card.size())});
        } else {
            EXPECT_EQ(painter.BoardImage(), before);
            EXPECT_TRUE(surface.changes.empty());
        }
    }
}

TEST_F(BoardAnimatorTest, TheWinningAnimationEndsOnAStopAFlagClearedOrTime)
{
    enum Stop { AtOnce, FlagCleared, Time };
    constexpr int kTop = 40;
    for (Stop stop : {AtOnce, FlagCleared, Time}) {
        surface = FakeSurface();
        surface.stopRequested = stop == AtOnce;
        if (stop == FlagCleared)
            surface.onPause = [&] {
                if (surface.pauses.size() == 3)
                    context.flags.Clear(WinAnimationRunning);  // as the window does on a click
            };
        painter.DrawBoard();
        const QImage before = painter.BoardImage().copy();
        animator.SetBoardTop(kTop);
        // Without a name, the animation and its time come from the preferences.
        preferences.WriteString("Preference", "Winning_Animations", "Open order");
        preferences.WriteInt("Preference", "Winning_Animations_Time", 1);
        animator.PlayWinningAnimation(stop == Time ? "" : "Open order", stop == Time ? 30 : 1);

        EXPECT_FALSE(context.flags[WinAnimationRunning]);
        const QImage& after = painter.BoardImage();
        if (stop == AtOnce) {
            EXPECT_TRUE(surface.events.empty());
            EXPECT_EQ(after, before);
            continue;
        }
        EXPECT_EQ(surface.events.back(), "pause");  // nothing is drawn once the end has come
        EXPECT_NE(after, before);
        // Nothing lands above the top of the board, and every change lies on the board.
        EXPECT_EQ(after.copy(0, 0, after.width(), kTop), before.copy(0, 0, before.width(), kTop));
        for (const QRect& change : surface.changes) {
            EXPECT_GE(change.top(), kTop);
            EXPECT_TRUE(after.rect().contains(change));
        }
        if (stop == FlagCleared) {
            EXPECT_EQ(surface.pauses.size(), 3u);
            EXPECT_EQ(surface.changes.size(), 15u);  // a pause after every fifth card
        } else {
            EXPECT_GE(surface.now.time_since_epoch(), std::chrono::seconds(1));
            EXPECT_LT(surface.now.time_since_epoch(), std::chrono::milliseconds(1005));
        }
    }
}

}  // namespace
