// A resize of the window with cards of the size "Auto", at about 2560 x 1440: the card chosen for
// the new board, the layout, the faces drawn or taken from the cache, and a full redraw of the
// board and the window. The board alternates between two heights, so every resize changes the
// card. "warm": both sizes' faces are kept in memory; "disk": read back from the cache folder;
// "cold": drawn from the decks every time; "stand-in": a size never seen, its faces scaled from
// one kept, as the window shows them while it is being resized. Arguments: game number, then the face style
// (1 the default deck, 3 the clearest).

#include "board/board_painter.h"
#include "board/board_view_paint.h"
#include "dealt_board.h"
#include "layout/auto_card_size.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace marlowe;

namespace {

constexpr int kBoardWidth = 2560;
constexpr int kBoardHeights[] = {1340, 1300};  // the window less its toolbar and status bar

enum class Faces { Warm, Disk, Cold, StandIn };

// The decks draw text, which needs an application with fonts; the offscreen platform gives one.
void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "marlowe_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

class AutoBoard {
public:
    AutoBoard(int game, int style, bool diskCache)
        : board_((EnsureApplication(), game), "marlowe-bench-auto", style)
    {
        ok = board_.ok;
        if (!ok)
            return;
        images_ = &board_.images();
        if (diskCache)
            images_->SetArtCacheFolder(board_.dataFolder() / "cards");
        images_->SetCardSize(kAutoSizeLetter);
        painter_ = std::make_unique<BoardPainter>(board_.context(), geometry_, *images_);
    }

    // Everything a resize of the window does to the board.
    void Resize(int height, bool standIns = false)
    {
        images_->AllowStandIns(standIns);
        const RuleVector& rules = board_.context().rules;
        const LayoutRequest request = PlainBoardRequest(kBoardWidth, height);
        images_->SetAutoCardWidth(AutoCardWidth(rules, request, false, geometry_));
        geometry_.SetCardWidth(images_->cardWidth(), false, rules);
        ComputeBoardLayout(rules, request, geometry_);
        painter_->Resize(QSize(kBoardWidth, height));
        painter_->DrawBoard();
        QPainter window(&window_);
        PaintBoardArea(window, *painter_, QRect(0, 0, kBoardWidth, height), std::nullopt);
    }
    CardArt& Art() { return images_->Art(); }
    int CardWidth() const { return images_->cardWidth(); }

    bool ok = false;

private:
    bench::DealtBoard board_;
    CardImages* images_ = nullptr;
    BoardGeometry geometry_;
    std::unique_ptr<BoardPainter> painter_;
    QImage window_{kBoardWidth, kBoardHeights[0], QImage::Format_ARGB32_Premultiplied};
};

void Run(benchmark::State& state, Faces faces)
{
    AutoBoard board(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), faces == Faces::Disk);
    if (!board.ok) {
        state.SkipWithError("the game or the resource modules are not built");
        return;
    }
    // Both sizes drawn once: into memory, and for "disk" into the cache folder.
    board.Resize(kBoardHeights[0]);
    board.Resize(kBoardHeights[1]);
    int turn = 0;
    for (auto _ : state) {
        if (faces == Faces::Disk || faces == Faces::Cold)
            board.Art().ForgetFaces();
        if (faces == Faces::StandIn)
            board.Resize(kBoardHeights[1] - 2 * ++turn, true);
        else
            board.Resize(kBoardHeights[turn++ % 2]);
    }
    state.counters["card"] = board.CardWidth();
    state.SetLabel(std::string(state.range(0) == 1 ? "FreeCell" : "Klondike") + " style " +
                   std::to_string(state.range(1)));
}

void BM_AutoResizeWarm(benchmark::State& state) { Run(state, Faces::Warm); }
void BM_AutoResizeFromDisk(benchmark::State& state) { Run(state, Faces::Disk); }
void BM_AutoResizeCold(benchmark::State& state) { Run(state, Faces::Cold); }
void BM_AutoResizeStandIn(benchmark::State& state) { Run(state, Faces::StandIn); }

BENCHMARK(BM_AutoResizeWarm)->Args({1, 1})->Args({2, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoResizeFromDisk)->Args({1, 1})->Args({2, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoResizeStandIn)->Args({1, 1})->Args({2, 1})->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoResizeCold)->Args({1, 1})->Args({1, 3})->Args({2, 1})->Iterations(4)->Unit(benchmark::kMillisecond);

}  // namespace
