#include "board/card_art.h"

#include "resource_makers.h"
#include "resources/resource_names.h"

#include <QFile>
#include <QSaveFile>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <optional>
#include <vector>

namespace marlowe {
namespace {

constexpr char kSuitLetters[] = {'H', 'D', 'C', 'S'};
constexpr std::size_t kKeptSizes = 4;
constexpr std::size_t kKeptPieces = 48;  // backs, marks and strips: a dozen for each kept size
constexpr std::size_t kCachedFiles = 8;  // face sets kept in the cache folder, the newest
constexpr char kCacheMagic[] = "marlowe-faces-2";
constexpr int kJokerCell = 52;

QSize DeviceSize(CardArtSize size)
{
    return {DevicePixels(size.width, size.ratio), DevicePixels(size.height, size.ratio)};
}

ResourceEntry SizedEntry(ResourceFamily family, const std::string& variant, QSize pixels)
{
    return ResourceEntry{variant, ResourceModule::Standard, family, 0, variant, pixels.width(), pixels.height()};
}

// A face set as one file: a header line with the pixel size, then every face's pixels.
bool WriteFaceFile(const std::filesystem::path& file, const CardFaceSet& faces, QSize pixels)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(QByteArray(kCacheMagic) + " " + QByteArray::number(pixels.width()) + " " +
              QByteArray::number(pixels.height()) + "\n");
    for (const QImage& face : faces) {
        const QImage exact = face.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < exact.height(); ++y)
            out.write(reinterpret_cast<const char*>(exact.constScanLine(y)), exact.width() * 4);
    }
    return out.commit();
}

// The face set of a file written by WriteFaceFile at that size; nothing for any other file.
std::optional<CardFaceSet> ReadFaceFile(const std::filesystem::path& file, QSize pixels)
{
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = QByteArray(kCacheMagic) + " " + QByteArray::number(pixels.width()) + " " +
                              QByteArray::number(pixels.height()) + "\n";
    const qint64 faceBytes = static_cast<qint64>(pixels.width()) * pixels.height() * 4;
    if (in.size() != header.size() + static_cast<qint64>(CardFaceSet().size()) * faceBytes ||
        in.read(header.size()) != header)
        return std::nullopt;
    CardFaceSet faces;
    for (QImage& face : faces) {
        face = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < pixels.height(); ++y)
            if (in.read(reinterpret_cast<char*>(face.scanLine(y)), pixels.width() * 4) != pixels.width() * 4)
                return std::nullopt;
    }
    return faces;
}

}  // namespace

int DevicePixels(int boardPixels, double ratio)
{
    return static_cast<int>(std::lround(boardPixels * ratio));
}

QSize BoardSizeOf(const QImage& image)
{
    return image.deviceIndependentSize().toSize();
}

QRect DeviceRectOf(const QImage& image, QRect boardRect)
{
    const double ratio = image.devicePixelRatio();
    return QRect(DevicePixels(boardRect.x(), ratio), DevicePixels(boardRect.y(), ratio),
                 DevicePixels(boardRect.width(), ratio), DevicePixels(boardRect.height(), ratio));
}

QImage AtRatio(QImage image, double ratio)
{
    image.setDevicePixelRatio(ratio);
    return image;
}

CardArt::CardArt(QString deckFolder, std::filesystem::path cacheFolder)
    : deckFolder_(std::move(deckFolder)), cacheFolder_(std::move(cacheFolder))
{
}

std::filesystem::path CardArt::CacheFile(const std::string& style, CardArtSize size) const
{
    const QSize pixels = DeviceSize(size);
    return cacheFolder_ /
           (style + "-" + std::to_string(pixels.width()) + "x" + std::to_string(pixels.height()) + ".faces");
}

CardFaceSet CardArt::DrawFaces(const std::string& style, CardArtSize size) const
{
    const resgen::MakerSources sources{deckFolder_, {}};
    const QSize pixels = DeviceSize(size);
    std::vector<int> cells(CardFaceSet().size());
    std::iota(cells.begin(), cells.end(), 0);
    CardFaceSet faces;
    // Each worker parses a deck once and keeps it; the faces are independent of each other.
    QtConcurrent::blockingMap(cells, [&](int cell) {
        faces[static_cast<std::size_t>(cell)] =
            cell == kJokerCell ? resgen::MakeJokerOfSize(pixels, sources)
                               : resgen::MakeStyleFace(style, cell % 13 + 1, kSuitLetters[cell / 13], pixels, sources);
    });
    return faces;
}

std::optional<CardFaceSet> CardArt::ScaledStandIns(const std::string& style, QSize pixels) const
{
    const Kept* largest = nullptr;
    for (const Kept& kept : kept_)
        if (kept.style == style && !kept.standIns && (!largest || kept.faces[0].width() > largest->faces[0].width()))
            largest = &kept;
    if (!largest)
        return std::nullopt;
    CardFaceSet faces;
    for (std::size_t i = 0; i < faces.size(); ++i)
        faces[i] = largest->faces[i].scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return faces;
}

const CardFaceSet& CardArt::Faces(const std::string& style, CardArtSize size, bool standIns)
{
    const QSize pixels = DeviceSize(size);
    const std::string key = style + "/" + std::to_string(pixels.width()) + "x" + std::to_string(pixels.height());
    for (auto kept = kept_.begin(); kept != kept_.end(); ++kept)
        if (kept->key == key && (standIns || !kept->standIns)) {
            kept_.splice(kept_.begin(), kept_, kept);
            gaveStandIns_ = kept_.front().standIns;
            return kept_.front().faces;
        }
    std::optional<CardFaceSet> faces;
    if (!cacheFolder_.empty())
        faces = ReadFaceFile(CacheFile(style, size), pixels);
    gaveStandIns_ = false;
    if (faces) {
        ++read_;
    } else if (standIns && (faces = ScaledStandIns(style, pixels))) {
        gaveStandIns_ = true;
    } else {
        faces = DrawFaces(style, size);
        ++drawn_;
        const bool whole = std::none_of(faces->begin(), faces->end(), [](const QImage& face) { return face.isNull(); });
        if (whole && !cacheFolder_.empty() && WriteFaceFile(CacheFile(style, size), *faces, pixels))
            PruneCacheFolder();
    }
    for (QImage& face : *faces)
        face.setDevicePixelRatio(size.ratio);
    kept_.remove_if([&key](const Kept& kept) { return kept.key == key; });
    kept_.push_front(Kept{key, style, std::move(*faces), gaveStandIns_});
    if (kept_.size() > kKeptSizes)
        kept_.pop_back();
    return kept_.front().faces;
}

// Only the newest face sets stay in the cache folder: a window dragged through many sizes
// leaves no trail of them.
void CardArt::PruneCacheFolder() const
{
    std::error_code error;
    std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> files;
    for (const auto& entry : std::filesystem::directory_iterator(cacheFolder_, error))
        if (entry.path().extension() == ".faces")
            files.emplace_back(entry.last_write_time(error), entry.path());
    if (files.size() <= kCachedFiles)
        return;
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = kCachedFiles; i < files.size(); ++i)
        std::filesystem::remove(files[i].second, error);
}

QImage CardArt::Remembered(std::string key, CardArtSize size, const std::function<QImage()>& draw) const
{
    key += "@" + std::to_string(size.width) + "x" + std::to_string(size.height) + "x" + std::to_string(size.ratio);
    const auto found = std::find_if(drawnPieces_.begin(), drawnPieces_.end(),
                                    [&key](const auto& piece) { return piece.first == key; });
    if (found != drawnPieces_.end()) {
        drawnPieces_.splice(drawnPieces_.begin(), drawnPieces_, found);
        return found->second;
    }
    drawnPieces_.emplace_front(std::move(key), draw());
    if (drawnPieces_.size() > kKeptPieces)
        drawnPieces_.pop_back();
    return drawnPieces_.front().second;
}

QImage CardArt::Back(const std::string& number, CardArtSize size) const
{
    return Remembered("back " + number, size, [&] {
        return AtRatio(resgen::MakeCardBack(SizedEntry(ResourceFamily::CardBack, number, DeviceSize(size))),
                       size.ratio);
    });
}

QImage CardArt::Mark(const std::string& suffix, CardArtSize size) const
{
    return Remembered("mark " + suffix, size, [&] {
        return AtRatio(resgen::MakeMark(SizedEntry(ResourceFamily::Mark, suffix, DeviceSize(size))), size.ratio);
    });
}

QImage CardArt::ShadowStrip(int strip, int depth, CardArtSize size) const
{
    // The shadow keeps its board-pixel depth and is drawn at board pixels: a soft dithered edge.
    return Remembered("shadow " + std::to_string(strip) + " " + std::to_string(depth), size, [&] {
        const CardPixelSize card{size.width, size.height};
        const QSize pixels = strip == 1 ? QSize(depth, size.height) : QSize(size.width, depth);
        return resgen::MakeShadowStripOfCard(card, strip == 1, pixels);
    });
}

QImage CardArt::BorderStrip(int strip, CardArtSize size) const
{
    return Remembered("border " + std::to_string(strip), size, [&] {
        const QSize pixels = DeviceSize(size);
        return AtRatio(resgen::MakeBorderStripOfCard({pixels.width(), pixels.height()}, strip == 1), size.ratio);
    });
}

}  // namespace marlowe
