// Windows bitmaps measured against their headers: each kind of header and row layout, and
// headers whose numbers would overflow a careless sum.

#include "board/bitmap_extent.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdint>

using namespace marlowe;

namespace {

void Put(QByteArray& bytes, int offset, std::int64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

struct Header {
    int headerSize = 40;  // 12: the oldest header, with 16-bit sizes and no compression field
    std::int64_t width = 2;
    std::int64_t height = 2;
    int bitsPerPixel = 24;
    int compression = 0;
    std::int64_t dataSize = 0;
};

// The headers and then pixelBytes bytes of pixel data.
QByteArray Bitmap(const Header& header, int pixelBytes)
{
    const int pixelsAt = 14 + header.headerSize;
    QByteArray bytes(pixelsAt + pixelBytes, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put(bytes, 2, bytes.size(), 4);
    Put(bytes, 10, pixelsAt, 4);
    Put(bytes, 14, header.headerSize, 4);
    if (header.headerSize == 12) {
        Put(bytes, 18, header.width, 2);
        Put(bytes, 20, header.height, 2);
        Put(bytes, 22, 1, 2);
        Put(bytes, 24, header.bitsPerPixel, 2);
    } else {
        Put(bytes, 18, header.width, 4);
        Put(bytes, 22, header.height, 4);
        Put(bytes, 26, 1, 2);
        Put(bytes, 28, header.bitsPerPixel, 2);
        Put(bytes, 30, header.compression, 4);
        Put(bytes, 34, header.dataSize, 4);
    }
    return bytes;
}

}  // namespace

TEST(BitmapExtentTest, ABitmapIsWholeExactlyWhenEveryRowItPromisesIsThere)
{
    const struct {
        const char* what;
        Header header;
        int pixelBytes;  // the whole pixel data; one byte less must be refused
    } cases[] = {
        {"24 bits, rows padded to 8 bytes", {}, 16},
        {"the oldest header", {.headerSize = 12}, 16},
        {"rows from the top down", {.height = -2}, 16},
        {"4 bits, 3 pixels to a 4-byte row", {.width = 3, .height = 5, .bitsPerPixel = 4}, 20},
        {"1 bit, 33 pixels to an 8-byte row", {.width = 33, .height = 1, .bitsPerPixel = 1}, 8},
        {"bit fields, 32 bits", {.bitsPerPixel = 32, .compression = 3}, 16},
        {"run lengths, as long as the header says", {.bitsPerPixel = 8, .compression = 1, .dataSize = 10}, 10},
        {"4-bit run lengths", {.bitsPerPixel = 4, .compression = 2, .dataSize = 7}, 7},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(BitmapHoldsItsPixels(Bitmap(c.header, c.pixelBytes))) << c.what;
        EXPECT_FALSE(BitmapHoldsItsPixels(Bitmap(c.header, c.pixelBytes - 1))) << c.what;
    }
}

TEST(BitmapExtentTest, HeadersThatCannotBeMetAreRefused)
{
    const QByteArray whole = Bitmap({}, 16);
    EXPECT_FALSE(BitmapHoldsItsPixels(whole.first(17))) << "ends inside the header size";
    EXPECT_FALSE(BitmapHoldsItsPixels(whole.first(40))) << "ends inside the information header";
    QByteArray notBitmap = whole;
    notBitmap[0] = 'P';
    EXPECT_FALSE(BitmapHoldsItsPixels(notBitmap));
    QByteArray farOffset = whole;
    Put(farOffset, 10, 0xfffffff0, 4);
    EXPECT_FALSE(BitmapHoldsItsPixels(farOffset)) << "pixels said to start past the end";
    EXPECT_FALSE(BitmapHoldsItsPixels(Bitmap({.bitsPerPixel = 8, .compression = 1, .dataSize = 0}, 10)))
        << "run lengths of no stated length";
    EXPECT_FALSE(BitmapHoldsItsPixels(Bitmap({.compression = 4}, 16))) << "a JPEG inside a bitmap";
    EXPECT_FALSE(BitmapHoldsItsPixels(Bitmap({.width = 0x7fffffff, .height = 0x7fffffff, .bitsPerPixel = 32}, 16)))
        << "sizes whose product overflows 64 bits";
    EXPECT_FALSE(BitmapHoldsItsPixels(Bitmap({.width = 2, .height = -0x7fffffff - 1}, 16))) << "the lowest height";
}
