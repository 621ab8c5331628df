// Playing on the table of the program's window under the offscreen platform: the right-button
// peek at a partly hidden card, the pointer the player chooses, the animated deal that drops the
// input arriving meanwhile, the double click that sends a card home, and a game opened through
// the real selection dialog.

#include "layout/card_positions.h"
#include "board/resource_modules.h"
#include "engine/cards.h"
#include "engine/lifecycle.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "test_support.h"
#include "window_test_support.h"
#include "ui/board_widget.h"
#include "ui/game_selection_dialog.h"
#include "ui/game_trees.h"
#include "ui/main_window.h"
#include "ui/pile_size_panels.h"
#include "ui/table_session.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

class TablePlayTest : public ::testing::Test {
protected:
    TablePlayTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        window = marlowe::testing::OpenTestWindow(session);
    }

    void Deal(int game, const std::string& dealNumber) { marlowe::testing::DealFixedGame(session, game, dealNumber); }

    // Top-left corner of card k (0: the top card) of a pile on the window.
    QPoint CornerOf(PileRef pile, int k = 0)
    {
        const Place place = CardPosition(session.context(), session.geometry(), pile, k, false);
        return {place.x, place.y};
    }

    BoardWidget* Board() { return window->board(); }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(TablePlayTest, CtrlRightPressShowsAHiddenCardWholeUntilReleased)
{
    Deal(1, "0000000000001");
    GameContext& context = session.context();
    const PileRef column{PileGroup::Tableaus, 0};
    // The fourth card from the top shows only its upper strip.
    const int k = 3;
    const int card = ElementAt(context.piles[column], ElementCount(context.piles[column]) - 1 - k);
    const QPoint corner = CornerOf(column, k);
    const QPoint press = corner + QPoint(6, 4);
    const QImage boardBefore = session.painter().BoardImage();
    const QImage shownBefore = Board()->grab().toImage();
    const QImage face = session.images().Face(FaceImageIndex(card));
    // A pixel of the card's lower half: covered by the cards above it until it is peeked at.
    const QPoint inFace(face.width() / 2, face.height() - 8);

    QTest::mousePress(Board(), Qt::RightButton, Qt::ControlModifier, press);
    EXPECT_TRUE(Board()->Peeking());
    const QImage peeked = Board()->grab().toImage();
    EXPECT_EQ(peeked.pixel(corner + inFace), face.pixel(inFace));
    EXPECT_NE(shownBefore.pixel(corner + inFace), face.pixel(inFace));
    EXPECT_EQ(session.painter().BoardImage(), boardBefore) << "the board image keeps the pile as it lies";

    QTest::mouseRelease(Board(), Qt::RightButton, Qt::ControlModifier, press);
    EXPECT_FALSE(Board()->Peeking());
    EXPECT_EQ(Board()->grab().toImage(), shownBefore);
    EXPECT_FALSE(window->undoAction()->isEnabled()) << "a peek moves nothing";

    // Switched off in the preferences, or without Ctrl in a game whose right button sends,
    // there is no peek.
    context.registers.Set(reg::ShowPartlyHiddenCards, "N");
    QTest::mousePress(Board(), Qt::RightButton, Qt::ControlModifier, press);
    EXPECT_FALSE(Board()->Peeking());
    QTest::mouseRelease(Board(), Qt::RightButton, Qt::ControlModifier, press);
    context.registers.Set(reg::ShowPartlyHiddenCards, "Y");
    QTest::mousePress(Board(), Qt::RightButton, Qt::NoModifier, press);
    EXPECT_FALSE(Board()->Peeking());
    QTest::mouseRelease(Board(), Qt::RightButton, Qt::NoModifier, press);
}

TEST_F(TablePlayTest, TheChosenPointerComesFromTheResourcesWithItsHotSpot)
{
    Deal(1, "0000000000001");
    EXPECT_EQ(Board()->cursor().shape(), Qt::ArrowCursor) << "10 is the system's pointer";

    session.context().registers.Set(reg::CursorSet, "12");
    Board()->ShowRestingPointer();
    const QImage resting = session.modules().Image("CUR_RIGHT_HAND1A");
    ASSERT_FALSE(resting.isNull());
    const QCursor shown = Board()->cursor();
    EXPECT_EQ(shown.shape(), Qt::BitmapCursor);
    EXPECT_EQ(shown.hotSpot(), QPoint(resting.text("HotSpotX").toInt(), resting.text("HotSpotY").toInt()));
    EXPECT_EQ(shown.hotSpot(), QPoint(16, 12));
    EXPECT_EQ(shown.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              resting.convertToFormat(QImage::Format_ARGB32));

    // Carrying a card shows the dragging form; letting it go, the resting one again.
    const QPoint start = CornerOf({PileGroup::Tableaus, 0}) + QPoint(20, 20);
    QTest::mousePress(Board(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(Board(), start + QPoint(30, 30));
    const QImage dragging = session.modules().Image("CUR_RIGHT_HAND1B");
    EXPECT_EQ(Board()->cursor().hotSpot(), QPoint(dragging.text("HotSpotX").toInt(), dragging.text("HotSpotY").toInt()));
    EXPECT_NE(Board()->cursor().hotSpot(), shown.hotSpot());
    QTest::mouseRelease(Board(), Qt::LeftButton, Qt::NoModifier, start + QPoint(30, 30));
    EXPECT_EQ(Board()->cursor().hotSpot(), shown.hotSpot());
}

TEST_F(TablePlayTest, AnAnimatedDealEndsWithTheTableDrawnAndDropsInputMeanwhile)
{
    Deal(2, "0000000000001");
    GameContext& context = session.context();
    context.registers.Set(reg::AnimateCardMoves, "Y");
    context.registers.Set(reg::DealAnimation, "Y");
    // No pauses: the cards still glide step by step, only without waiting.
    context.registers.Set(reg::MoveSpeed, "0");
    const PileRef stock{PileGroup::StockGroup, 0};
    const PileRef waste{PileGroup::StockGroup, 1};
    bool sawDeal = false;
    std::string stockDuringDeal;
    QTimer::singleShot(0, [&] {
        sawDeal = session.Dealing();
        stockDuringDeal = context.piles[stock];
        // A click on the stock and the space bar would each turn a card.
        const Place place = session.geometry().PlaceOf(stock);
        QTest::mouseClick(Board(), Qt::LeftButton, Qt::NoModifier, QPoint(place.x + 5, place.y + 5));
        QTest::keyClick(Board(), Qt::Key_Space);
        // Nor does a command start a deal inside this one.
        QTest::keyClick(window.get(), Qt::Key_F2);
    });
    Deal(2, "0000000000002");
    EXPECT_TRUE(sawDeal);
    EXPECT_FALSE(session.Dealing());
    EXPECT_EQ(context.piles[stock], stockDuringDeal);
    EXPECT_TRUE(context.piles[waste].empty());
    EXPECT_EQ(context.registers.Get(reg::DealNumber), "0000000000002");

    // The deal left the table as a full drawing draws it, and the window shows it.
    const QImage dealt = session.painter().BoardImage();
    session.Relayout();
    EXPECT_EQ(session.painter().BoardImage(), dealt);
    EXPECT_EQ(Board()->grab().toImage().pixel(CornerOf({PileGroup::Tableaus, 6}) + QPoint(20, 20)),
              dealt.pixel(CornerOf({PileGroup::Tableaus, 6}) + QPoint(20, 20)));

    // Either switch off draws the deal at once: no window events are handled on the way.
    for (RegisterField animation : {reg::AnimateCardMoves, reg::DealAnimation}) {
        context.registers.Set(animation, "N");
        bool handled = false;
        QTimer::singleShot(0, [&handled] { handled = true; });
        const ScreenFacts screen{1280, 16777216};
        ASSERT_TRUE(NewGame(context, session.preferences(), session.random(), 1, screen));
        EXPECT_FALSE(handled);
        QCoreApplication::processEvents();
        context.registers.Set(animation, "Y");
    }
}

TEST_F(TablePlayTest, ADoubleClickSendsAnAceHome)
{
    GameContext& context = session.context();
    // A Klondike deal with an Ace on top of a column.
    int column = -1;
    for (int deal = 1; deal < 200 && column < 0; ++deal) {
        Deal(2, std::to_string(deal));
        for (int t = 0; t < 7 && column < 0; ++t)
            if (CardRank(TopElement(context.piles[PileRef{PileGroup::Tableaus, t}])) == 1)
                column = t;
    }
    ASSERT_GE(column, 0);
    const PileRef from{PileGroup::Tableaus, column};
    const int ace = TopElement(context.piles[from]);
    QTest::mouseDClick(Board(), Qt::LeftButton, Qt::NoModifier, CornerOf(from) + QPoint(20, 20));
    bool home = false;
    for (int f = 0; f < 4; ++f)
        home = home || TopElement(context.piles[PileRef{PileGroup::Foundations, f}]) == ace;
    EXPECT_TRUE(home);
    EXPECT_NE(TopElement(context.piles[from]), ace);
    EXPECT_TRUE(window->undoAction()->isEnabled());
}

TEST_F(TablePlayTest, AGameIsOpenedThroughTheSelectionDialog)
{
    Deal(2, "0000000000001");
    bool dialogSeen = false;
    QTimer::singleShot(0, [&dialogSeen] {
        auto* dialog = qobject_cast<TfrmOpenGame*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSeen = true;
        if (dialog->trees().SelectGame(TreeView::AllGames, 1))
            dialog->Confirm();
        else
            dialog->reject();
    });
    window->ChooseGame();
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(session.context().CurrentGameNumber(), 1);
    EXPECT_TRUE(session.context().flags[GameInProgress]);
}

TEST_F(TablePlayTest, ShowingALegalMoveMovesNothingAndLeavesTheTableAsItWas)
{
    Deal(1, "0000000000001");
    GameContext& context = session.context();
    const Snapshot table = TakeSnapshot(context);
    const QImage before = session.painter().BoardImage();
    QImage marked;
    QTimer::singleShot(300, [&] { marked = session.painter().BoardImage(); });
    window->activateWindow();
    QTest::keyClick(window.get(), Qt::Key_M);
    EXPECT_FALSE(marked.isNull());
    EXPECT_NE(marked, before);  // the move was shown while the key's pause lasted
    EXPECT_EQ(TakeSnapshot(context).piles, table.piles);
    EXPECT_TRUE(context.undoHistory.Empty());
    EXPECT_EQ(session.painter().BoardImage(), before);

    // Spider offers no move finder: the key does nothing there.
    Deal(11, "0000000000001");
    const QImage spider = session.painter().BoardImage();
    QTest::keyClick(window.get(), Qt::Key_M);
    EXPECT_EQ(session.painter().BoardImage(), spider);
}

TEST_F(TablePlayTest, WithoutTheStatusBarThePileSizeFloatsBesideThePointerUntilAKey)
{
    Deal(2, "0000000000001");
    window->statusBar()->hide();
    auto* panels = Board()->findChild<PileSizePanels*>();
    ASSERT_NE(panels, nullptr);
    const PileRef seventh{PileGroup::Tableaus, 6};
    // A plain move with no button held (QTest keeps the buttons of earlier tests pressed).
    const auto hover = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, Board()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(Board(), &move);
    };
    hover(CornerOf(seventh) + QPoint(20, 30));
    ASSERT_TRUE(panels->isVisible());
    const QStringList texts = [&] {
        QStringList shown;
        for (const QLabel* label : panels->findChildren<QLabel*>())
            if (label->isVisible())
                shown << label->text();
        return shown;
    }();
    EXPECT_TRUE(texts.contains("7 in this pile")) << texts.join("|").toStdString();
    EXPECT_TRUE(texts.contains("Redeals: Unlimited")) << texts.join("|").toStdString();

    QTest::keyClick(Board(), Qt::Key_Shift);
    EXPECT_FALSE(panels->isVisible());
    hover(CornerOf(seventh) + QPoint(20, 30));
    EXPECT_TRUE(panels->isVisible());
    hover(QPoint(1000, 700));
    EXPECT_FALSE(panels->isVisible());
}
