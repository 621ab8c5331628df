// The engine's pauses in the program's window under the offscreen platform: the board goes on
// repainting while the engine waits, and what the player types or clicks meanwhile reaches the
// table only once the pause is over, also when one pause runs inside another.

#include "engine/pile_store.h"
#include "layout/board_geometry.h"
#include "test_support.h"
#include "ui/board_widget.h"
#include "ui/main_window.h"
#include "ui/table_session.h"
#include "window_test_support.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

// Counts what reaches the table: paints, and the player's presses of keys and buttons.
class TableWatcher : public QObject {
public:
    int paints = 0;
    int presses = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

class EnginePauseTest : public ::testing::Test {
protected:
    EnginePauseTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        window = marlowe::testing::OpenTestWindow(session);
        // Klondike: the space bar and a click on the stock each turn a card.
        marlowe::testing::DealFixedGame(session, 2, "0000000000001");
        window->board()->installEventFilter(&watcher);
    }

    const std::string& Stock() { return session.context().piles.Slot(PileGroup::StockGroup, 0); }

    // The engine pauses as it does between the steps of a move, and the pause lasts as long as asked.
    void Pause(int milliseconds)
    {
        QElapsedTimer clock;
        clock.start();
        session.Wait(milliseconds, false);
        EXPECT_GE(clock.elapsed(), milliseconds);
    }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
    TableWatcher watcher;
};

TEST_F(EnginePauseTest, TheBoardRepaintsDuringAPauseAndTheSpaceBarWaitsForItsEnd)
{
    const std::string stock = Stock();
    int paintsBefore = -1;
    int paintsDuring = -1;
    int pressesDuring = -1;
    QTimer::singleShot(50, [&] {
        paintsBefore = watcher.paints;
        window->board()->update();
        QTest::keyClick(window->board(), Qt::Key_Space);
    });
    QTimer::singleShot(200, [&] {
        paintsDuring = watcher.paints;
        pressesDuring = watcher.presses;
    });
    Pause(300);
    EXPECT_GT(paintsDuring, paintsBefore) << "the board is painted while the engine waits";
    EXPECT_EQ(pressesDuring, 0);
    EXPECT_EQ(watcher.presses, 0) << "the key reaches the table only after the pause";
    EXPECT_EQ(Stock(), stock);

    QCoreApplication::processEvents();
    EXPECT_EQ(watcher.presses, 1) << "the key is held, not dropped";
    EXPECT_NE(Stock(), stock) << "the space bar turned the stock once the pause was over";
}

TEST_F(EnginePauseTest, AClickThroughTheWindowSystemDuringAPauseLandsAfterIt)
{
    const std::string stock = Stock();
    const Place place = session.geometry().PlaceOf({PileGroup::StockGroup, 0});
    const QPoint onStock = window->board()->mapTo(window.get(), QPoint(place.x + 5, place.y + 5));
    QTimer::singleShot(50, [&] { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, onStock); });
    Pause(200);
    EXPECT_EQ(watcher.presses, 0);
    EXPECT_EQ(Stock(), stock);

    QCoreApplication::processEvents();
    EXPECT_EQ(watcher.presses, 1);
    EXPECT_NE(Stock(), stock) << "the click on the stock was played after the pause";
}

TEST_F(EnginePauseTest, InputStaysHeldThroughAPauseInsideAPause)
{
    const std::string stock = Stock();
    int pressesAfterInnerPause = -1;
    QTimer::singleShot(30, [&] { QTest::keyClick(window->board(), Qt::Key_Space); });
    QTimer::singleShot(60, [&] {
        // A pause that ends while an outer one still runs hands the key on to the outer one.
        Pause(50);
        QCoreApplication::processEvents();
        pressesAfterInnerPause = watcher.presses;
    });
    Pause(300);
    EXPECT_EQ(pressesAfterInnerPause, 0);
    EXPECT_EQ(Stock(), stock);

    QCoreApplication::processEvents();
    EXPECT_EQ(watcher.presses, 1);
    EXPECT_NE(Stock(), stock);
}

}  // namespace
