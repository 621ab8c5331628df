// Klondike played on the program's window with the keyboard alone, under the offscreen platform:
// the focus frame walked over the table, a card carried from column to column, a stock turn, an
// Ace sent home, the undo; the carried cards put back by Escape, by a refusing pile and by a
// command's key; a refusal explained as after a drag; the frame as it shows. A picture of it
// goes to build/ui-shots.

#include "engine/cards.h"
#include "engine/drop_resolution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "test_support.h"
#include "window_test_support.h"
#include "ui/board_widget.h"
#include "ui/main_window.h"
#include "ui/table_session.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

const PileRef kStock{PileGroup::StockGroup, 0};
const PileRef kWaste{PileGroup::StockGroup, 1};

// A Klondike deal that offers, on the dealt table, a column's top card for another column and
// an Ace on top of a third.
struct KeyboardDeal {
    std::string number;
    PileRef from{PileGroup::Tableaus, 0};
    PileRef onto{PileGroup::Tableaus, 0};
    PileRef ace{PileGroup::Tableaus, 0};
};

class KeyboardPlayTest : public ::testing::Test {
protected:
    KeyboardPlayTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        window = marlowe::testing::OpenTestWindow(session);
        window->activateWindow();
        Board()->setFocus();
    }

    BoardWidget* Board() { return window->board(); }
    GameContext& Context() { return session.context(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Board(), static_cast<Qt::Key>(key), modifiers);
    }

    // Tab until the frame stands on the pile's top card, as a player would.
    bool TabTo(PileRef pile)
    {
        for (int presses = 0; presses < 60; ++presses) {
            const std::optional<FocusStop> stop = Board()->FocusedStop();
            if (stop && stop->pile == pile && stop->k == 0)
                return true;
            Key(Qt::Key_Tab);
        }
        return false;
    }

    std::optional<KeyboardDeal> FindDeal()
    {
        for (int deal = 1; deal < 400; ++deal) {
            KeyboardDeal found{std::to_string(deal)};
            marlowe::testing::DealFixedGame(session, 2, found.number);
            bool move = false;
            bool ace = false;
            for (int from = 0; from < 7; ++from) {
                const PileRef pile{PileGroup::Tableaus, from};
                const int top = TopElement(Context().piles[pile]);
                if (CardRank(top) == 1 && !ace) {
                    ace = true;
                    found.ace = pile;
                }
                for (int onto = 0; onto < 7 && !move && CardRank(top) != 1; ++onto)
                    if (AcceptsDrop(Context(), top, DropCandidate{PileKind::Tableau, onto, 1})) {
                        move = true;
                        found.from = pile;
                        found.onto = {PileGroup::Tableaus, onto};
                    }
            }
            if (move && ace)
                return found;
        }
        return std::nullopt;
    }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(KeyboardPlayTest, KlondikeIsPlayedWithKeysOnly)
{
    const std::optional<KeyboardDeal> deal = FindDeal();
    ASSERT_TRUE(deal);
    GameContext& context = Context();
    const PileStore dealt = context.piles;
    EXPECT_FALSE(Board()->FocusedStop()) << "no frame until a key asks for it";

    // A column's top card carried onto another column.
    ASSERT_TRUE(TabTo(deal->from));
    EXPECT_EQ(QApplication::focusWidget(), Board()) << "Tab stays on the table";
    const int card = TopElement(context.piles[deal->from]);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Board()->CarriesCards());
    EXPECT_EQ(context.hold.card, card);
    ASSERT_TRUE(TabTo(deal->onto));
    Key(Qt::Key_Return);
    EXPECT_FALSE(Board()->CarriesCards());
    EXPECT_EQ(TopElement(context.piles[deal->onto]), card);
    EXPECT_NE(TopElement(context.piles[deal->from]), card);
    EXPECT_EQ(Board()->FocusedStop()->pile, deal->onto) << "the frame stays where the card went";

    // A stock turn: Enter on the stock.
    const int stockCards = ElementCount(context.piles[kStock]);
    ASSERT_TRUE(TabTo(kStock));
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_LT(ElementCount(context.piles[kStock]), stockCards);
    EXPECT_EQ(ElementCount(context.piles[kWaste]), stockCards - ElementCount(context.piles[kStock]));

    // The Ace sent home as a double click sends it.
    const int ace = TopElement(context.piles[deal->ace]);
    ASSERT_TRUE(TabTo(deal->ace));
    Key(Qt::Key_H);
    bool home = false;
    for (int f = 0; f < 4; ++f)
        home = home || TopElement(context.piles[PileRef{PileGroup::Foundations, f}]) == ace;
    EXPECT_TRUE(home);

    // Undo by its own key, three times, leads back to the dealt table.
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(TopElement(context.piles[deal->ace]), ace);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(context.piles, dealt);
}

TEST_F(KeyboardPlayTest, CarriedCardsGoBackOnEscapeOnARefusalAndBeforeACommand)
{
    const std::optional<KeyboardDeal> deal = FindDeal();
    ASSERT_TRUE(deal);
    GameContext& context = Context();
    const PileStore dealt = context.piles;

    // Escape: carried along the table and put back.
    ASSERT_TRUE(TabTo(deal->from));
    Key(Qt::Key_Return);
    ASSERT_TRUE(Board()->CarriesCards());
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Board()->CarriesCards());
    EXPECT_EQ(context.hold.card, 0);
    EXPECT_EQ(context.piles, dealt);
    EXPECT_TRUE(Board()->FocusedStop()) << "Escape with nothing carried is what hides the frame";
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Board()->FocusedStop());

    // A foundation refuses a card that is no Ace: the card comes back and nothing is undoable.
    ASSERT_TRUE(TabTo(deal->from));
    Key(Qt::Key_Return);
    ASSERT_TRUE(TabTo({PileGroup::Foundations, 0}));
    Key(Qt::Key_Return);
    EXPECT_FALSE(Board()->CarriesCards());
    EXPECT_EQ(context.piles, dealt);
    EXPECT_FALSE(window->undoAction()->isEnabled());

    // A command's key puts the carried cards back before the command runs.
    ASSERT_TRUE(TabTo(deal->from));
    Key(Qt::Key_Return);
    ASSERT_TRUE(TabTo(deal->onto));
    Key(Qt::Key_Return);
    ASSERT_FALSE(context.undoHistory.Empty());
    ASSERT_TRUE(TabTo(deal->ace));
    Key(Qt::Key_Return);
    ASSERT_TRUE(Board()->CarriesCards());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Board()->CarriesCards());
    EXPECT_EQ(context.hold.card, 0);
    EXPECT_EQ(context.piles, dealt);
    // And so does a command clicked in a menu or on the toolbar.
    Key(Qt::Key_Return);
    ASSERT_TRUE(Board()->CarriesCards());
    window->redoAction()->trigger();
    EXPECT_FALSE(Board()->CarriesCards());
    EXPECT_EQ(TopElement(context.piles[deal->onto]), TopElement(dealt[deal->from]));
}

TEST_F(KeyboardPlayTest, ARefusedDropSaysWhyAsADraggedOneDoes)
{
    marlowe::testing::DealFixedGame(session, 1, "0000000000001");
    GameContext& context = Context();
    // FreeCell with every cell taken and the last column empty: a run of two may move onto a
    // card, but not into the empty column.
    const int king = CardCode(Spades, King);
    const int queen = CardCode(Hearts, Queen);
    std::vector<int> rest;
    for (int k = 0; k < 8; ++k)
        for (int card : PileCodes(context.piles[PileRef{PileGroup::Tableaus, k}]))
            if (card != king && card != queen)
                rest.push_back(card);
    const PileRef first{PileGroup::Tableaus, 0};
    const PileRef empty{PileGroup::Tableaus, 7};
    context.piles[first] = CodeText(king) + CodeText(queen);
    context.piles[empty].clear();
    for (int r = 0; r < 4; ++r)
        context.piles[PileRef{PileGroup::Reserves, r}] = CodeText(rest[static_cast<std::size_t>(r)]);
    for (int k = 1; k < 7; ++k) {
        std::string pile;
        for (std::size_t i = 4 + static_cast<std::size_t>(k - 1); i < rest.size(); i += 6)
            pile += CodeText(rest[i]);
        context.piles[PileRef{PileGroup::Tableaus, k}] = pile;
    }
    session.DrawTable(false);
    window->statusBar()->show();
    const PileStore before = context.piles;

    ASSERT_TRUE(TabTo(first));
    Key(Qt::Key_Up);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Board()->CarriesCards());
    EXPECT_EQ(context.hold.count, 2);
    ASSERT_TRUE(TabTo(empty));
    Key(Qt::Key_Return);
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("Only one card can move now to an empty pile"))
        << window->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(context.piles, before);
}

TEST_F(KeyboardPlayTest, TheFrameShowsAroundTheFocusedCardInTheHighlightsGold)
{
    marlowe::testing::DealFixedGame(session, 2, "0000000000001");
    Key(Qt::Key_Tab);
    const PileRef column{PileGroup::Tableaus, 3};
    ASSERT_TRUE(TabTo(column));
    Key(Qt::Key_Up);  // one face-up card: Up leaves the column for the row above
    Key(Qt::Key_Down);
    ASSERT_EQ(Board()->FocusedStop()->pile, column);
    const PixelRect card = Board()->FocusedStop()->rect;
    const QImage shown = Board()->grab().toImage();
    const QDir folder(QString(MARLOWE_BUILD_DIR) + "/ui-shots");
    folder.mkpath(".");
    shown.save(folder.filePath("keyboard-focus-klondike.png"));

    const auto isGold = [](QRgb pixel) { return qRed(pixel) > 220 && qGreen(pixel) > 160 && qBlue(pixel) < 90; };
    // Just outside the card's left and bottom edges, and not around the next column.
    EXPECT_TRUE(isGold(shown.pixel(card.x - 2, card.y + card.height / 2)));
    EXPECT_TRUE(isGold(shown.pixel(card.x + card.width / 2, card.y + card.height + 1)));
    const PixelRect next = FocusStops(Context(), session.geometry())[0].rect;
    EXPECT_FALSE(isGold(shown.pixel(next.x - 2, next.y + next.height / 2)));

    // A mouse click hides it, and nothing of it stays on the window.
    QTest::mouseClick(Board(), Qt::LeftButton, Qt::NoModifier, QPoint(Board()->width() - 5, Board()->height() - 5));
    EXPECT_FALSE(Board()->FocusedStop());
    EXPECT_FALSE(isGold(Board()->grab().toImage().pixel(card.x - 2, card.y + card.height / 2)));
}
