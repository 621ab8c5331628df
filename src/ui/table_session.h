#pragma once
// The objects of a run that the table needs: the game context with its catalogue, the player's
// preferences, the resource modules, the card pictures, the layout and the painter. It is the
// window's side of the engine: it implements the engine's presentation interface, so every pile
// the engine redraws, every card it glides and every question it asks arrives here and becomes
// drawing on the board or a message box.

#include "board/board_background.h"
#include "board/board_painter.h"
#include "board/card_images.h"
#include "board/resource_modules.h"
#include "engine/game_context.h"
#include "engine/hint_file.h"
#include "engine/preferences.h"
#include "engine/presentation.h"
#include "engine/shuffle.h"
#include "layout/board_geometry.h"
#include "records/game_records.h"
#include "records/statistics_files.h"
#include "ui/sound_player.h"
#include "ui/winnability_watch.h"

#include <QObject>
#include <QRect>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace marlowe {

class BoardWidget;

// What "Show a legal move" points at: a card, the pile it lies on and, for a move, the pile it
// goes to. A click on the empty stock points at the stock with no card.
struct PointedMove {
    int card = 0;
    PileRef from{PileGroup::StockGroup, kStockSlot};
    std::optional<PileRef> to;
    bool operator==(const PointedMove&) const = default;
};

class TableSession : public QObject, public Presentation {
    Q_OBJECT
public:
    TableSession(std::filesystem::path programFolder, std::filesystem::path dataFolder);
    ~TableSession() override;

    // The start of a run: opens the resource module, reads the preferences (the default players,
    // the run counter), loads the catalogue and forgets a stored game it lacks, takes the card
    // size into use (chosen from the screen on the very first start), reads the hint file and
    // writes the version file when missing. A failure is the message to show before the
    // program stops.
    Outcome Start(const DisplayFacts& display);
    // The value of the run counter after this run was counted.
    int RunCount() const { return runCount_; }
    const HintFile& hints() const { return hints_; }

    GameContext& context() { return context_; }
    Preferences& preferences() { return preferences_; }
    ResourceModules& modules() { return modules_; }
    CardImages& images() { return *images_; }
    BoardGeometry& geometry() { return geometry_; }
    BoardPainter& painter() { return *painter_; }
    // Seeded from the clock; a test seeds it for deals it can replay.
    SeededRandom& random() { return random_; }
    // The record files of the data folder; every game that counts is written there as it ends.
    StatisticsFiles& statistics() { return *statistics_; }
    GameRecords& records() { return *records_; }

    // The view that shows the board; the session tells it what changed.
    void SetView(BoardWidget* view) { view_ = view; }
    // The board's client size, the screen's and the device pixels per board pixel: lays the
    // table out again and redraws it. The card size "Auto" follows the board; while the size
    // keeps changing its faces may be stand-ins, drawn exactly once it has rested a moment.
    void SetBoardSize(QSize size, QSize screen, double pixelRatio = 1.0);
    // The stand-in faces drawn exactly now, and the board with them.
    void DrawExactFaces();
    QSize BoardSize() const { return boardSize_; }
    long long ColourCount() const { return display_.colourCount; }
    // The vertical scroll position of a table taller than the board: piles move up by it.
    void SetScrollPosition(int position);
    int ScrollPosition() const { return geometry_.scrollOffset; }
    // Keyboard and mouse wait while a new deal is being drawn.
    bool Dealing() const { return dealing_; }
    // Whether the engine is inside an action that waits or asks: the table may be half changed.
    bool EngineBusy() const { return dealing_ || nestedLoops_ > 0 || context_.hold.count > 0; }
    // Whether the deal can still be won, worked out in the background after every change.
    WinnabilityWatch& winnability() { return winnability_; }

    // What the window shows beside the table.
    std::function<void(int score)> onScore;
    std::function<void(const std::string& title)> onTitle;
    std::function<void(const std::string& note)> onStatusNote;
    std::function<void()> onCommandsChanged;
    std::function<void()> onOpenGameSelection;
    // The lowest edge of the drawn table after a full redraw: the window sizes its scroll bar.
    std::function<void(int extent)> onExtent;
    // The player asked to close the window while the winning animation ran; it has ended now.
    std::function<void()> onCloseAfterWin;

    // The engine's presentation.
    void ShowInfo(const std::string& message) override;
    void ShowError(const std::string& title, const std::string& message) override;
    bool Confirm(const std::string& question) override;
    bool Ask(const std::string& question) override;
    bool ShowAdvice(const std::string& message) override;
    int ScreenWidth() const override;
    void ShowScore(int score) override;
    void SetTitle(const std::string& title) override;
    void UpdateCommands() override;
    void DrawTable(bool animateDeal) override;
    void DrawPile(PileRef pile) override;
    void GlideCard(int card, PileRef from, PileRef to) override;
    void FlipCard(int card, PileRef pile) override;
    void DrawStockButton(PileRef place, bool pressed) override;
    void HighlightCard(int card, PileRef pile, bool on) override;
    void PlaySound(std::string_view name, SoundMode mode) override;
    void StopSound() override;
    void Beep() override;
    void ShowStatusNote(const std::string& note) override;
    void Wait(int milliseconds, bool pumping) override;
    void ShowBusy(bool on) override;
    void CelebrateWin() override;
    void OpenGameSelection() override;
    void ShowMemorySummary(const MemorySummary& summary) override;

    // The look the preferences choose (shadows, foundation highlights), read again after the
    // player changes them.
    void ReadLook();
    // "Show a legal move": the card and the pile it may go to are marked for a moment; nothing
    // moves. Without a legal move the player is told so.
    void PointOutLegalMove();
    // The move it points at: the next action of a winning line when one is known for the table,
    // else the move finder's move; nothing without a legal move.
    std::optional<PointedMove> MoveToPointOut();

    // Lays the table out for the current game and board size and redraws it all.
    void Relayout();
    // The player chose another back or background (or, with cards, another card size or face
    // design): the pictures are loaded again, the board laid out and redrawn.
    void ApplyLookChange(bool cards = false);

private:
    void Repaint(QRect boardArea);
    void PaintBackground();
    bool DealAnimated() const;
    // The dealt cards glide one by one from the stock to their piles.
    void AnimateDeal();
    // Counts the engine's waits and questions, which run the window's events meanwhile; when the
    // last has ended, the winnability watch looks at the table again.
    class NestedLoop;

    GameContext context_;
    Preferences preferences_;
    ResourceModules modules_;
    SoundPlayer sounds_{modules_};
    std::unique_ptr<CardImages> images_;
    BoardGeometry geometry_;
    std::unique_ptr<BoardPainter> painter_;
    std::unique_ptr<BoardBackground> background_;
    std::unique_ptr<StatisticsFiles> statistics_;
    std::unique_ptr<GameRecords> records_;
    HintFile hints_;
    int runCount_ = 0;
    bool dealing_ = false;
    SeededRandom random_;
    BoardWidget* view_ = nullptr;
    QSize boardSize_{1024, 768};
    QTimer* exactFacesTimer_ = nullptr;
    QSize screenSize_{1920, 1080};
    DisplayFacts display_;
    int nestedLoops_ = 0;
    bool celebrating_ = false;
    WinnabilityWatch winnability_{context_, [this] { return EngineBusy(); }};
};

}  // namespace marlowe
