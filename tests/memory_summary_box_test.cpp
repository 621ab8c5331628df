// The box that ends a memory game, as the window shows it when Concentration ends.

#include "engine/game_context.h"
#include "engine/lifecycle.h"
#include "ui/memory_summary_box.h"
#include "ui/table_session.h"
#include "window_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

QString LabelText(const QWidget& box, const char* name)
{
    const auto* label = box.findChild<QLabel*>(name);
    return label ? label->text() : QString("(no %1)").arg(name);
}

TEST(MemorySummaryBox, ShowsWhatEachMatchEarnsAndEachMissCosts)
{
    MemorySummary summary;
    summary.won = true;
    summary.matches = 26;
    summary.pointsPerMatch = 10;
    summary.matchTotal = 260;
    summary.misses = 7;
    summary.pointsPerMiss = -2;
    summary.missTotal = -14;
    summary.score = 246;
    summary.scoreToWin = 100;
    summary.grid = "Grid: 6 x 4";
    const MemorySummaryBox box(summary, nullptr);
    EXPECT_EQ(box.windowTitle(), "Game Won");
    EXPECT_EQ(LabelText(box, "matches"), "26");
    EXPECT_EQ(LabelText(box, "pointsPerMatch"), "x 10 points");
    EXPECT_EQ(LabelText(box, "matchTotal"), "260");
    EXPECT_EQ(LabelText(box, "misses"), "7");
    EXPECT_EQ(LabelText(box, "pointsPerMiss"), "x -2 points");
    EXPECT_EQ(LabelText(box, "missTotal"), "-14");
    EXPECT_EQ(LabelText(box, "score"), "<b>246</b>");
    EXPECT_EQ(LabelText(box, "scoreToWin"), "(Score to win: 100)");
    EXPECT_EQ(LabelText(box, "grid"), "Grid: 6 x 4");

    summary.won = false;
    summary.grid.clear();
    const MemorySummaryBox lost(summary, nullptr);
    EXPECT_EQ(lost.windowTitle(), "Game Lost");
    EXPECT_EQ(lost.findChild<QLabel*>("grid"), nullptr);
}

TEST(MemorySummaryBox, EndsConcentrationInTheWindow)
{
    QTemporaryDir data;
    TableSession session(MARLOWE_BUILD_DIR, data.path().toStdString());
    const auto window = marlowe::testing::OpenTestWindow(session);
    marlowe::testing::DealFixedGame(session, 17, "0000000000005");
    GameContext& context = session.context();
    context.mainGame.Misses = 3;
    context.flags.Set(GameInProgress);

    QString title, misses;
    QTimer::singleShot(0, [&] {
        if (auto* box = dynamic_cast<MemorySummaryBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            misses = LabelText(*box, "misses");
            box->accept();
        }
    });
    EndGame(context);
    EXPECT_EQ(title, "Game Lost");
    EXPECT_EQ(misses, "3");
}

} // namespace
