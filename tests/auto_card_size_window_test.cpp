// The card size "Auto" in the real window: the cards of FreeCell, Klondike and Spider fill
// windows from 1024 x 700 to 2560 x 1440, grow and shrink as the window does, and on a screen of
// device pixel ratio 2 are drawn at that ratio, not enlarged. Screenshots go to
// build/ui-shots/auto-size for people to look at.

#include "board/board_painter.h"
#include "board/card_images.h"
#include "layout/auto_card_size.h"
#include "layout/card_positions.h"
#include "test_support.h"
#include "ui/board_widget.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kSpider = 76;

class AutoSizeWindowTest : public ::testing::Test {
protected:
    AutoSizeWindowTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        window = marlowe::testing::OpenTestWindow(session);
        session.context().registers.Set(reg::CardSize, std::string(1, kAutoSizeLetter));
        session.ApplyLookChange(true);
    }

    void Show(int game, QSize size)
    {
        marlowe::testing::DealFixedGame(session, game, "0000000000001");
        window->resize(size);
        QApplication::processEvents();
        session.DrawExactFaces();
    }

    // The rectangle of everything drawn over the background.
    QRect DrawnArea()
    {
        const QImage board = session.painter().BoardImage();
        const QImage background = session.painter().BackgroundImage();
        QRect drawn;
        for (int y = 0; y < board.height(); y += 2)
            for (int x = 0; x < board.width(); x += 2)
                if (board.pixel(x, y) != background.pixel(x, y))
                    drawn = drawn.united(QRect(x, y, 1, 1));
        return drawn;
    }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
};

// The share of 2 x 2 pixel blocks, on the grid starting at (dx, dy), that are not one colour.
double MixedBlockShare(const QImage& image, QRect area, int dx, int dy)
{
    int blocks = 0;
    int mixed = 0;
    for (int y = area.top() + dy; y + 1 <= area.bottom(); y += 2)
        for (int x = area.left() + dx; x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                ++mixed;
        }
    return blocks == 0 ? 0.0 : static_cast<double>(mixed) / blocks;
}

TEST_F(AutoSizeWindowTest, TablesFillWindowsOfEverySize)
{
    const QString folder = QString(MARLOWE_BUILD_DIR) + "/ui-shots/auto-size";
    QDir().mkpath(folder);
    for (const int game : {kFreeCell, kKlondike, kSpider}) {
        int previous = 0;
        for (const QSize size : {QSize(1024, 700), QSize(1600, 1000), QSize(2560, 1440)}) {
            Show(game, size);
            const std::string label = std::to_string(game) + " at " + std::to_string(size.width());
            const int card = session.images().cardWidth();
            EXPECT_TRUE(session.images().IsAutoSize()) << label;
            EXPECT_GT(card, previous) << label;
            previous = card;
            EXPECT_EQ(session.geometry().card.cardWidth, card) << label;
            EXPECT_EQ(session.images().Face(0).width(), card) << label << ": the faces are drawn at the card size";
            // The dealt table spans most of the board's width; the fans' room takes the height.
            const QRect drawn = DrawnArea();
            EXPECT_GT(drawn.width(), session.BoardSize().width() * 6 / 10) << label;
            const QString name = QString("%1/auto-%2-%3x%4.png").arg(folder).arg(game).arg(size.width()).arg(size.height());
            EXPECT_TRUE(window->grab().save(name)) << name.toStdString();
        }
        if (game == kFreeCell) {
            EXPECT_GE(previous, 200) << "FreeCell's cards at 2560 x 1440";
        }
    }
}

TEST_F(AutoSizeWindowTest, CardsShrinkWithTheWindowAndFixedSizesStay)
{
    // Sizes no other test draws, so that no face of them is in the cache folder yet.
    Show(kKlondike, QSize(1500, 950));
    const int large = session.images().cardWidth();
    window->resize(1100, 720);
    QApplication::processEvents();
    const int small = session.images().cardWidth();
    EXPECT_LT(small, large);
    // Faces of a new size stand in, scaled from the last, until the window rests a moment.
    EXPECT_TRUE(session.images().HasStandIns());
    EXPECT_EQ(session.images().Face(0).width(), small);
    QTest::qWait(400);
    EXPECT_FALSE(session.images().HasStandIns());
    window->resize(1500, 950);
    QApplication::processEvents();
    EXPECT_EQ(session.images().cardWidth(), large) << "the same window, the same card";

    session.context().registers.Set(reg::CardSize, "B");
    session.ApplyLookChange(true);
    window->resize(2560, 1440);
    QApplication::processEvents();
    EXPECT_EQ(session.images().cardWidth(), CardSizeOf('B').width);
}

// Pharaohs' three pyramids side by side are wider than a small window at size "B": the cards are
// drawn smaller there, so that no pyramid runs off the board's sides, and the size the player
// chose comes back when the window is wide enough again.
TEST_F(AutoSizeWindowTest, AFixedSizeTooWideForTheWindowGivesWayToASmallerOne)
{
    constexpr int kPharaohs = 276;
    session.context().registers.Set(reg::CardSize, "B");
    session.ApplyLookChange(true);
    Show(kPharaohs, QSize(820, 660));
    EXPECT_LT(session.images().cardWidth(), CardSizeOf('B').width);
    EXPECT_EQ(session.geometry().card.cardWidth, session.images().cardWidth());
    EXPECT_EQ(session.context().registers.Get(reg::CardSize), "B") << "the player's choice stays";
    const QRect drawn = DrawnArea();
    EXPECT_GT(drawn.left(), 0);
    EXPECT_LT(drawn.right(), session.BoardSize().width() - 1);

    window->resize(1500, 950);
    QApplication::processEvents();
    EXPECT_EQ(session.images().cardWidth(), CardSizeOf('B').width);
}

// Run by ctest a second time with QT_SCALE_FACTOR=2; skipped at any other ratio.
TEST_F(AutoSizeWindowTest, CardIndicesAreSharpAtPixelRatioTwo)
{
    if (qApp->devicePixelRatio() != 2.0)
        GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
    Show(kFreeCell, QSize(1600, 1000));
    EXPECT_EQ(session.images().PixelRatio(), 2.0);
    const QImage shot = window->board()->grab().toImage();
    ASSERT_EQ(shot.devicePixelRatio(), 2.0);
    ASSERT_EQ(session.images().Face(0).devicePixelRatio(), 2.0);
    EXPECT_EQ(session.images().Face(0).width(), 2 * session.images().cardWidth());
    // The index in the top-left corner of the first column's bottom card, in device pixels.
    const Place pile = session.geometry().PlaceOf({PileGroup::Tableaus, 0});
    const int cw = session.geometry().card.cardWidth;
    const int step = session.geometry().steps.faceUpDown;
    const QRect index(2 * (pile.x + 2), 2 * (pile.y + 2), 2 * (cw / 4), 2 * (step - 3));
    QImage written = shot;
    written.save(QString(MARLOWE_BUILD_DIR) + "/ui-shots/auto-size/freecell-ratio-2.png");
    // A picture enlarged twice is one colour in every block of one of the two grids; the index
    // drawn at the ratio has edges that cut blocks on both.
    for (int offset : {0, 1})
        EXPECT_GT(MixedBlockShare(shot, index, offset, offset), 0.1) << "grid at " << offset;
}

}  // namespace
