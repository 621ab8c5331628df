#pragma once
// Pictures the player supplies (card decks, card sets, backgrounds) and the JPEG entries of the
// resource modules: a name ending in "bmp" is a Windows bitmap, anything else is JPEG, decoded
// with libjpeg-turbo.

#include <QByteArray>
#include <QImage>

#include <filesystem>

namespace marlowe {

// A null image when the bytes are not a JPEG picture or end before its last scan line.
QImage DecodeJpeg(const QByteArray& bytes);

// A Windows bitmap file, whatever its extension (card sets are ".crs"); null when unreadable or
// shorter than its header says.
QImage ReadBitmapFile(const std::filesystem::path& file);

// A null image when the file is missing or is not a picture of its kind.
QImage ReadPictureFile(const std::filesystem::path& file);

}  // namespace marlowe
