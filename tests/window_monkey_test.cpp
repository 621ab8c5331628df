// The window under a stream of random input from a fixed seed: presses, drags, releases, double
// and right clicks over the piles and the empty felt, and the keys of play and of the commands,
// in games of each kind (free cells, a stock, pairs selected, memory, gaps). Boxes and dialogs
// the input opens are backed out of at once. Whatever comes, the window stands, every card of the
// pack lies on the table exactly once, and undo goes back to the table that was dealt.

#include "catalogue/game_traits.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/shuffle.h"
#include "layout/card_positions.h"
#include "test_support.h"
#include "window_test_support.h"
#include "ui/board_widget.h"
#include "ui/main_window.h"
#include "ui/table_session.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace marlowe;

namespace {

struct MonkeyGame {
    int number;
    const char* name;
    int events; // chosen so that each game plays a few seconds: a memory game's misses and the redeals of Gaps wait
};

std::ostream& operator<<(std::ostream& out, const MonkeyGame& game) { return out << game.name; }

constexpr int kEventsBetweenChecks = 150;
// With it the new deal of Concentration is checked with a pair found: undo must lay it back face down.
constexpr std::uint64_t kNewDealSeed = 2;

// Every card code on the table, sorted; a selection game's selection is no part of the table.
std::vector<int> CardsOnTable(const GameContext& context)
{
    std::vector<int> codes;
    const auto collect = [&](const auto& group, std::size_t first) {
        for (std::size_t slot = first; slot < group.size(); ++slot)
            for (const int code : PileCodes(group[slot]))
                if (code != 0)
                    codes.push_back(code);
    };
    collect(context.piles.stockGroup, 0);
    collect(context.piles.foundations, IsSelectionGame(context.rules) ? 1 : 0);
    collect(context.piles.tableaus, 0);
    collect(context.piles.reserves, 0);
    std::sort(codes.begin(), codes.end());
    return codes;
}

// The piles where two snapshots differ, by index, for a failure message.
std::string DifferingPiles(const Snapshot& a, const Snapshot& b)
{
    std::string text;
    for (std::size_t i = 0; i < a.piles.size(); ++i)
        if (a.piles[i] != b.piles[i])
            text += " pile " + std::to_string(i) + ": " + a.piles[i] + " / " + b.piles[i];
    if (a.words != b.words)
        text += " (and the game's words)";
    return text;
}

// The face-up cards of the tableaus.
std::vector<int> TurnedUpTableauCards(const GameContext& context)
{
    std::vector<int> cards;
    for (const std::string& pile : context.piles.tableaus)
        for (const int code : PileCodes(pile))
            if (code > 0 && !context.cards.IsFaceDown(code))
                cards.push_back(code);
    return cards;
}

// The snapshot with the face marks of those cards set to mark ('1' face up, '0' face down).
Snapshot WithFaceMark(Snapshot snapshot, const std::vector<int>& cards, char mark)
{
    for (std::string& pile : snapshot.piles)
        for (std::size_t at = 0; at + 4 <= pile.size(); at += 4)
            if (std::find(cards.begin(), cards.end(), ElementAt(pile.substr(at, 3), 0)) != cards.end())
                pile[at + 3] = mark;
    return snapshot;
}

// A player who backs out of whatever the input opened: a box is answered with its escape (or
// default) button, a dialog cancelled, a pop-up menu closed.
void BackOutOfWhatOpened()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* button = box->escapeButton();
        if (!button)
            button = box->defaultButton();
        if (button)
            button->click();
        else
            box->accept();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else if (modal) {
        modal->close();
    }
}

class WindowMonkeyTest : public ::testing::TestWithParam<MonkeyGame> {
protected:
    WindowMonkeyTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        window = marlowe::testing::OpenTestWindow(session);
        // Any event loop a box or dialog runs fires this timer, so none waits for a player.
        QObject::connect(&backOut, &QTimer::timeout, &BackOutOfWhatOpened);
        backOut.start(0);
    }

    GameContext& context() { return session.context(); }

    // A point over a random card of a random pile, or the place after its top card, or anywhere
    // on the board.
    QPoint RandomPoint()
    {
        const QSize board = window->board()->size();
        if (Chance(25))
            return {Below(board.width()), Below(board.height())};
        std::vector<PileRef> placed;
        const auto collect = [&](PileGroup group, int count) {
            for (int slot = 0; slot < count; ++slot)
                if (IsPlaced(session.geometry().PlaceOf({group, slot}).x))
                    placed.push_back({group, slot});
        };
        collect(PileGroup::StockGroup, 3);
        collect(PileGroup::Foundations, 16);
        collect(PileGroup::Tableaus, 40);
        collect(PileGroup::Reserves, 12);
        if (placed.empty())
            return {Below(board.width()), Below(board.height())};
        const PileRef pile = placed[static_cast<std::size_t>(Below(static_cast<int>(placed.size())))];
        const int k = Below(ElementCount(context().piles[pile]) + 1);
        const Place place = CardPosition(context(), session.geometry(), pile, k, false);
        const CardMetrics& card = session.geometry().card;
        return {std::clamp(place.x + Below(card.cardWidth), 0, board.width() - 1),
                std::clamp(place.y + Below(card.cardHeight), 0, board.height() - 1)};
    }

    // One random event of the pointer or the keyboard.
    void RandomEvent()
    {
        BoardWidget* board = window->board();
        const int choice = Below(100);
        if (choice < 30) {
            QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, RandomPoint());
        } else if (choice < 55) {
            Drag(RandomPoint(), RandomPoint());
        } else if (choice < 63) {
            QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, RandomPoint());
        } else if (choice < 69) {
            QTest::mouseClick(board, Qt::RightButton, Chance(20) ? Qt::ControlModifier : Qt::NoModifier,
                              RandomPoint());
        } else if (choice < 72) {
            QTest::mouseMove(board, RandomPoint());
        } else if (choice < 75) {
            // A key while a card is carried.
            const QPoint from = RandomPoint();
            QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
            QTest::mouseMove(board, from + QPoint(6, 6));
            PressRandomKey();
            QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, RandomPoint());
        } else {
            PressRandomKey();
        }
    }

    void Drag(QPoint from, QPoint to)
    {
        BoardWidget* board = window->board();
        QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(board, from + QPoint(5, 5));
        QTest::mouseMove(board, (from + to) / 2);
        QTest::mouseMove(board, to);
        QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, to);
    }

    void PressRandomKey()
    {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int weight;
        };
        static constexpr Key kKeys[] = {
            {Qt::Key_Space, Qt::NoModifier, 12}, {Qt::Key_Z, Qt::ControlModifier, 10},
            {Qt::Key_Y, Qt::ControlModifier, 6}, {Qt::Key_Left, Qt::NoModifier, 2},
            {Qt::Key_Right, Qt::NoModifier, 2},  {Qt::Key_Up, Qt::NoModifier, 2},
            {Qt::Key_Down, Qt::NoModifier, 2},   {Qt::Key_Return, Qt::NoModifier, 4},
            {Qt::Key_Tab, Qt::NoModifier, 2},    {Qt::Key_H, Qt::NoModifier, 1},
            {Qt::Key_Escape, Qt::NoModifier, 1}, {Qt::Key_M, Qt::NoModifier, 1},
            {Qt::Key_F7, Qt::NoModifier, 1},     {Qt::Key_F2, Qt::NoModifier, 1},
            {Qt::Key_F4, Qt::NoModifier, 1},     {Qt::Key_F5, Qt::NoModifier, 1},
            {Qt::Key_F9, Qt::NoModifier, 1},
        };
        int total = 0;
        for (const Key& key : kKeys)
            total += key.weight;
        int pick = Below(total);
        for (const Key& key : kKeys) {
            if (pick < key.weight) {
                // A dialog closed meanwhile may have left the window inactive, and its shortcuts off.
                window->activateWindow();
                QTest::keyClick(window.get(), key.key, key.modifiers);
                return;
            }
            pick -= key.weight;
        }
    }

    // After every event: a fresh deal (new game, or a game won and dealt again) is the table
    // that undo must come back to. A memory game's cards turned up before anything was recorded
    // are a turn in progress, not part of the deal: the deal has them face down.
    void NoteTheDeal()
    {
        const std::string deal = context().registers.Get(reg::DealNumber);
        const bool fresh = context().undoHistory.Empty() && context().redoHistory.Empty();
        if (fresh)
            dealtTable = IsMemoryGame(context().rules)
                             ? WithFaceMark(TakeSnapshot(context()), TurnedUpTableauCards(context()), '0')
                             : TakeSnapshot(context());
        else if (deal != dealNumber)
            dealtTable = context().undoHistory.At(0);
        dealNumber = deal;
    }

    // The window stands, the pack is whole, and undo goes back to the deal and redo forth again.
    void CheckTheTable(int events)
    {
        SCOPED_TRACE("after " + std::to_string(events) + " events");
        ASSERT_TRUE(window->isVisible());
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
        ASSERT_EQ(CardsOnTable(context()), pack);
        if (!context().flags[GameInProgress])
            return;
        const Snapshot played = TakeSnapshot(context());
        const std::size_t steps = context().undoHistory.Size();
        std::size_t undone = 0;
        for (; undone <= steps && window->undoAction()->isEnabled(); ++undone)
            window->undoAction()->trigger();
        ASSERT_TRUE(context().undoHistory.Empty());
        // A memory game's card turned up when nothing was recorded yet is a turn in progress,
        // no move: it stays up.
        const Snapshot dealt = IsMemoryGame(context().rules) && steps == 0
                                   ? WithFaceMark(dealtTable, TurnedUpTableauCards(context()), '1')
                                   : dealtTable;
        const Snapshot back = TakeSnapshot(context());
        ASSERT_TRUE(back.piles == dealt.piles) << DifferingPiles(back, dealt);
        ASSERT_EQ(CardsOnTable(context()), pack);
        for (std::size_t step = 0; step < undone; ++step) {
            ASSERT_TRUE(window->redoAction()->isEnabled());
            window->redoAction()->trigger();
        }
        const Snapshot forth = TakeSnapshot(context());
        ASSERT_TRUE(forth == played) << DifferingPiles(forth, played);
    }

    int Below(int bound) { return bound <= 1 ? 0 : std::uniform_int_distribution<int>(0, bound - 1)(random); }
    bool Chance(int percent) { return Below(100) < percent; }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
    QTimer backOut;
    std::mt19937 random;
    std::vector<int> pack;
    Snapshot dealtTable;
    std::string dealNumber;
};

TEST_P(WindowMonkeyTest, RandomInputKeepsTheWindowThePackAndTheWayBack)
{
    const MonkeyGame& game = GetParam();
    random.seed(static_cast<unsigned>(20021 + game.number));
    // A new game (F2) deals from the session's random source: seeded too, so that a run replays.
    session.random() = SeededRandom(kNewDealSeed);
    marlowe::testing::DealFixedGame(session, game.number, "0000000000001");
    ASSERT_TRUE(UndoAllowed(context()));
    pack = CardsOnTable(context());
    ASSERT_TRUE(std::adjacent_find(pack.begin(), pack.end()) == pack.end()) << "a card was dealt twice";
    NoteTheDeal();
    window->board()->setFocus();
    for (int event = 1; event <= game.events; ++event) {
        RandomEvent();
        NoteTheDeal();
        if (event % kEventsBetweenChecks == 0 || event == game.events) {
            CheckTheTable(event);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, WindowMonkeyTest,
                         ::testing::Values(MonkeyGame{1, "FreeCell", 1200}, MonkeyGame{2, "Klondike", 1000},
                                           MonkeyGame{13, "Pyramid", 1500}, MonkeyGame{17, "Concentration", 150},
                                           MonkeyGame{16, "Gaps", 30}),
                         [](const ::testing::TestParamInfo<MonkeyGame>& info) { return std::string(info.param.name); });

} // namespace
