#pragma once
// Whether a Windows bitmap file holds every pixel its header promises. The image readers fill
// what a file lacks with black and call the picture good, so a cut-off card set or deck would be
// drawn as black cards without a word; checking the file's length first lets it be refused.

#include <QByteArrayView>

namespace marlowe {

// False when the bytes end inside the file header, the information header, or the pixel data
// (uncompressed rows by the width, height and bits per pixel; run-length data by the length
// the header gives it), or when the compression is not one a bitmap reader knows.
bool BitmapHoldsItsPixels(QByteArrayView bytes);

}  // namespace marlowe
