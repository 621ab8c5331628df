// Drawing the board at 1600 x 1000 with normal cards: a full redraw (background, every pile, the
// window painted from the board image) of a dealt Klondike and Spider, and one step of a drag
// (the window repainted where the carried cards were and are).

#include "board/board_painter.h"
#include "board/board_view_paint.h"
#include "dealt_board.h"
#include "layout/board_layout.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace marlowe;

namespace {

constexpr int kBoardWidth = 1600;
constexpr int kBoardHeight = 1000;

// A dealt game of the shipped catalogue, laid out and drawn once.
class DrawnBoard {
public:
    explicit DrawnBoard(int game) : board_(game, "marlowe-bench-board")
    {
        ok = board_.ok;
        if (!ok)
            return;
        const GameContext& context = board_.context();
        board_.images().SetCardSize('B');
        geometry_.SetCardSize('B', true, context.rules);
        ComputeBoardLayout(context.rules, PlainBoardRequest(kBoardWidth, kBoardHeight), geometry_);
        painter = std::make_unique<BoardPainter>(context, geometry_, board_.images());
        painter->Resize(QSize(kBoardWidth, kBoardHeight));
        painter->SetLook(BoardLook{true, 0, 0});
        painter->DrawBoard();
    }

    bool ok = false;
    std::unique_ptr<BoardPainter> painter;
    QImage window{kBoardWidth, kBoardHeight, QImage::Format_ARGB32_Premultiplied};

private:
    bench::DealtBoard board_;
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
