// The hint file of the program folder, loaded and asked for every kind of pile hint of a game.
#include "engine/hint_file.h"
#include "engine/recording_presentation.h"
#include "scratch_folder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe;
    fuzz::WriteScratchFile(kHintFileName, data, size);
    RecordingPresentation presentation;
    const HintFile hints = LoadHintFile(fuzz::ScratchFolder(), presentation);
    for (const int game : {1, 2, 12}) {
        for (const char letter : {kFoundationHintLetter, kTableauHintLetter, kReserveHintLetter,
                                  kStockHintLetter, kWasteHintLetter}) {
            (void)hints.Find(HintPlainKey(game, letter, kEveryPileHint));
            (void)hints.Find(HintPlainKey(game, letter, 1));
        }
    }
    return 0;
}
