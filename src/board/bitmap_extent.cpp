#include "board/bitmap_extent.h"

#include <cstdint>
#include <cstdlib>

namespace marlowe {
namespace {

constexpr std::int64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the oldest header: 16-bit width and height
constexpr std::uint32_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t { Uncompressed = 0, RunLength8 = 1, RunLength4 = 2, BitFields = 3, AlphaBitFields = 6 };

// Little-endian fields at an offset the caller has checked to lie inside the bytes.
std::uint32_t Field(QByteArrayView bytes, std::int64_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::int64_t SignedField(QByteArrayView bytes, std::int64_t offset, int size)
{
    const std::uint32_t value = Field(bytes, offset, size);
    return size == 4 ? static_cast<std::int32_t>(value) : static_cast<std::int16_t>(value);
}

// Rows are padded to whole 32-bit words.
std::int64_t RowBytes(std::int64_t width, std::int64_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// Whether count blocks of blockSize bytes fit between offset and the end of size bytes.
bool Fits(std::int64_t offset, std::int64_t blockSize, std::int64_t count, std::int64_t size)
{
    return offset <= size && (count == 0 || blockSize <= (size - offset) / count);
}

}  // namespace

bool BitmapHoldsItsPixels(QByteArrayView bytes)
{
    const std::int64_t size = bytes.size();
    if (size < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::int64_t pixelsAt = Field(bytes, 10, 4);
    const std::uint32_t headerSize = Field(bytes, kFileHeaderSize, 4);
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && headerSize < kInfoHeaderSize)
        return false;
    if (size < kFileHeaderSize + headerSize)
        return false;
    const int dimension = core ? 2 : 4;
    const std::int64_t width = std::abs(SignedField(bytes, 18, dimension));
    const std::int64_t height = std::abs(SignedField(bytes, 18 + dimension, dimension));  // < 0: top down
    const std::int64_t bitsPerPixel = Field(bytes, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? Uncompressed : Field(bytes, 30, 4);
    switch (compression) {
    case Uncompressed:
    case BitFields:
    case AlphaBitFields: return Fits(pixelsAt, RowBytes(width, bitsPerPixel), height, size);
    case RunLength8:
    case RunLength4: {
        const std::int64_t dataSize = Field(bytes, 34, 4);
        return dataSize > 0 && Fits(pixelsAt, dataSize, 1, size);
    }
    default: return false;
    }
}

}  // namespace marlowe
