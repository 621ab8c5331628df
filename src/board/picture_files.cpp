#include "board/picture_files.h"

#include "app/text_helpers.h"
#include "board/bitmap_extent.h"

#include <QFile>

#include <turbojpeg.h>

#include <memory>

namespace marlowe {

QImage DecodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    const std::unique_ptr<void, int (*)(tjhandle)> decoder(tjInitDecompress(), tjDestroy);
    if (!decoder)
        return {};
    auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.constData()));
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    if (tjDecompressHeader3(decoder.get(), data, size, &width, &height, &subsampling, &colourspace) != 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    // Qt's RGB32 is 0xffRRGGBB, which is BGRX in memory on little-endian machines.
    if (tjDecompress2(decoder.get(), data, size, image.bits(), width, static_cast<int>(image.bytesPerLine()),
                      height, TJPF_BGRX, 0) != 0)
        return {};
    return image;
}

namespace {

QByteArray ReadBytes(const std::filesystem::path& file)
{
    QFile source(QString::fromStdString(file.string()));
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

}  // namespace

QImage ReadBitmapFile(const std::filesystem::path& file)
{
    const QByteArray bytes = ReadBytes(file);
    if (!BitmapHoldsItsPixels(bytes))
        return {};
    return QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
}

QImage ReadPictureFile(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    if (name.size() >= 3 && EqualsNoCase(name.substr(name.size() - 3), "bmp"))
        return ReadBitmapFile(file);
    return DecodeJpeg(ReadBytes(file));
}

}  // namespace marlowe
