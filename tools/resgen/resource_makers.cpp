#include "resource_makers.h"

#include <QBuffer>

namespace marlowe::resgen {
namespace {

QImage MakeImage(const ResourceEntry& entry, const MakerSources& sources)
{
    switch (entry.family) {
    case ResourceFamily::CardSheet: return MakeCardSheet(entry, sources);
    case ResourceFamily::Joker: return MakeJoker(entry, sources);
    case ResourceFamily::Shadow: return MakeShadowStrip(entry);
    case ResourceFamily::Border: return MakeBorderStrip(entry);
    case ResourceFamily::AdditionalCardSet: return MakeAdditionalCardSet(entry, sources);
    case ResourceFamily::AdditionalBack: return MakeAdditionalBack(entry, sources);
    case ResourceFamily::CardBack: return MakeCardBack(entry);
    case ResourceFamily::Mark: return MakeMark(entry);
    case ResourceFamily::Texture: return MakeTexture(entry);
    case ResourceFamily::AdditionalBackground: return MakeAdditionalBackground(entry);
    case ResourceFamily::Miniature: return MakeMiniature(entry, sources);
    case ResourceFamily::Cursor: return MakeCursor(entry);
    case ResourceFamily::Characteristic:
    case ResourceFamily::TreeImage:
    case ResourceFamily::ToolbarImage:
    case ResourceFamily::MenuImage:
    case ResourceFamily::ButtonImage:
    case ResourceFamily::StatusBarImage:
    case ResourceFamily::SuitImage: return MakeInterfaceImage(entry, sources);
    case ResourceFamily::Sound:
    case ResourceFamily::DeckDrawing: break;
    }
    return {};
}

// A made image must have the size the table asks for; anything else is a maker fault.
bool HasRequiredSize(const QImage& image, const ResourceEntry& entry)
{
    if (entry.width == 0)
        return true;
    return image.width() == entry.width && image.height() == entry.height;
}

QByteArray Encode(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        return {};
    return bytes;
}

}  // namespace

QString EntryPath(const ResourceEntry& entry)
{
    const QString name = QString::fromStdString(entry.name).toUpper();
    switch (entry.family) {
    case ResourceFamily::Sound: return "WAVE/" + name + ".wav";
    case ResourceFamily::Cursor: return "CURSOR/" + name + ".png";
    case ResourceFamily::AdditionalBackground: return "JPEG/" + name + ".jpg";
    case ResourceFamily::DeckDrawing: {
        const QString deck = QString::fromStdString(entry.name);
        return "DECK/" + deck + "/" + deck + ".svgz";
    }
    default: return "BITMAP/" + name + ".png";
    }
}

QByteArray MakeEntryBytes(const ResourceEntry& entry, const MakerSources& sources)
{
    if (entry.family == ResourceFamily::Sound)
        return MakeSound(entry);
    if (entry.family == ResourceFamily::DeckDrawing)
        return MakeDeckDrawing(entry, sources);
    const QImage image = MakeImage(entry, sources);
    if (image.isNull() || !HasRequiredSize(image, entry))
        return {};
    if (entry.family == ResourceFamily::AdditionalBackground)
        return Encode(image.convertToFormat(QImage::Format_RGB32), "JPG", 90);
    return Encode(image, "PNG");
}

}  // namespace marlowe::resgen
