// Loading the card pictures of one size (faces, back, strips, joker, marks), as a size change or
// a new card set does.

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "board/card_images.h"
#include "board/resource_modules.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace marlowe;

static void BM_LoadCardImagesOfOneSize(benchmark::State& state)
{
    const char size = std::string_view("XSBML")[static_cast<std::size_t>(state.range(0))];
    const std::filesystem::path data = std::filesystem::temp_directory_path() / "marlowe-bench-data";
    std::filesystem::create_directories(data);
    ResourceModules modules(MARLOWE_BUILD_DIR);
    if (!modules.Open(ResourceModule::Standard) || !modules.Open(ResourceModule::ExtraLarge)) {
        state.SkipWithError("the resource modules are not built");
        return;
    }
    SessionRegisters registers;
    RecordingPresentation presentation;
    Preferences preferences(data, registers, presentation);
    ClearCardFileChoices(registers);
    CardImages images(modules, registers, preferences, presentation, data, 16777216);
    QImage mark;
    for (auto _ : state) {
        images.SetCardSize(size);
        for (const char* name : {"Foundation", "FoundationA", "Position", "StockUp", "StockStop", "StockVisible"})
            images.LoadMarkImage(mark, name);
        benchmark::DoNotOptimize(images.Face(51).constBits());
    }
    state.SetLabel(std::string("size ") + size);
    std::filesystem::remove_all(data);
}
BENCHMARK(BM_LoadCardImagesOfOneSize)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
