// A picture a player can hand over: as a card set or deck bitmap (size detected, then read) and
// as a JPEG background.
#include "board/card_images.h"
#include "board/picture_files.h"
#include "scratch_folder.h"

#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe;
    const auto bitmap = fuzz::WriteScratchFile("fuzz.crs", data, size);
    (void)CardImages::DetectCardSetSize(bitmap);
    (void)ReadPictureFile(fuzz::WriteScratchFile("fuzz.bmp", data, size));
    (void)ReadPictureFile(fuzz::WriteScratchFile("fuzz.jpg", data, size));
    return 0;
}
