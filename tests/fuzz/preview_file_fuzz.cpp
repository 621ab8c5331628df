// The preview file of the program folder: the miniature records of the first games and of a
// number far past the end of the file.
#include "catalogue/preview_file.h"
#include "scratch_folder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe;
    fuzz::WriteScratchFile(kPreviewFileName, data, size);
    for (const int number : {0, 1, 2, 3, 12, 7999})
        (void)ReadPreviewRecords(fuzz::ScratchFolder(), number);
    return 0;
}
