// Drawing the board at 1600 x 1000 with normal cards: a full redraw (background, every pile, the
// window painted from the board image) of a dealt Klondike and Spider, and one step of a drag
// (the window repainted where the carried cards were and are).

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "board/board_painter.h"
#include "board/board_view_paint.h"
#include "board/card_images.h"
#include "board/resource_modules.h"
#include "engine/play_protocol.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "layout/board_layout.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>

using namespace marlowe;

namespace {

constexpr int kBoardWidth = 1600;
constexpr int kBoardHeight = 1000;

// A dealt game of the shipped catalogue, laid out and drawn once.
class DrawnBoard {
public:
    explicit DrawnBoard(int game)
        : data_(std::filesystem::temp_directory_path() / ("marlowe-bench-board-" + std::to_string(game))),
          modules_(MARLOWE_BUILD_DIR)
    {
        std::filesystem::create_directories(data_);
        mainGame_.programFolder = MARLOWE_BUILD_DIR;
        ok = mainGame_.LoadCatalogue() && modules_.Open(ResourceModule::Standard);
        protocol_ = std::make_unique<PlayProtocol>(mainGame_, data_, printed_, messages_);
        ok = ok && protocol_->Start(game, "0000000000001", false);
        if (!ok)
            return;
        const GameContext& context = protocol_->context();
        ClearCardFileChoices(registers_);
        preferences_ = std::make_unique<Preferences>(data_, registers_, quiet_);
        images_ = std::make_unique<CardImages>(modules_, registers_, *preferences_, quiet_, data_, 16777216);
        images_->SetCardSize('B');
        geometry_.SetCardSize('B', true, context.rules);
        ComputeBoardLayout(context.rules, PlainBoardRequest(kBoardWidth, kBoardHeight), geometry_);
        painter = std::make_unique<BoardPainter>(context, geometry_, *images_);
        painter->Resize(QSize(kBoardWidth, kBoardHeight));
        painter->SetLook(BoardLook{true, 0, 0});
        painter->DrawBoard();
    }
    ~DrawnBoard() { std::filesystem::remove_all(data_); }

    bool ok = false;
    std::unique_ptr<BoardPainter> painter;
    QImage window{kBoardWidth, kBoardHeight, QImage::Format_ARGB32_Premultiplied};

private:
    std::filesystem::path data_;
    TMainGame mainGame_;
    ResourceModules modules_;
    std::ostringstream printed_;
    std::ostringstream messages_;
    std::unique_ptr<PlayProtocol> protocol_;
    SessionRegisters registers_;
    RecordingPresentation quiet_;
    std::unique_ptr<Preferences> preferences_;
    std::unique_ptr<CardImages> images_;
    BoardGeometry geometry_;
};

void BM_FullRedraw(benchmark::State& state)
{
    DrawnBoard board(static_cast<int>(state.range(0)));
    if (!board.ok) {
        state.SkipWithError("the game or the resource modules are not built");
        return;
    }
    for (auto _ : state) {
        board.painter->DrawBoard();
        QPainter window(&board.window);
        PaintBoardArea(window, *board.painter, board.window.rect(), std::nullopt);
    }
    state.SetLabel(state.range(0) == 2 ? "Klondike" : "Spider");
}
BENCHMARK(BM_FullRedraw)->Arg(2)->Arg(11)->Unit(benchmark::kMillisecond);

void BM_DragStep(benchmark::State& state)
{
    DrawnBoard board(static_cast<int>(state.range(0)));
    if (!board.ok) {
        state.SkipWithError("the game or the resource modules are not built");
        return;
    }
    // A run of three cards carried across the board, a few pixels a step.
    CardOverlay carried{board.painter->ComposeDragImage({PileGroup::Tableaus, 6}, 3), QPoint(300, 300), true};
    int step = 0;
    for (auto _ : state) {
        CardOverlay next = carried;
        next.at += QPoint(step % 2 == 0 ? 3 : -3, 2 * (step % 3 == 0 ? 1 : -1));
        QPainter window(&board.window);
        PaintBoardArea(window, *board.painter, OverlayMoveArea(carried, next, board.painter->ShadowDepth()), next);
        carried = next;
        ++step;
    }
    state.SetLabel(state.range(0) == 2 ? "Klondike" : "Spider");
}
BENCHMARK(BM_DragStep)->Arg(2)->Arg(11)->Unit(benchmark::kMicrosecond);

}  // namespace
