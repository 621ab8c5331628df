#include "svg_deck.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <zlib.h>

#include <map>
#include <memory>

namespace marlowe::resgen {
namespace {

// The text of a gzip-compressed drawing; plain text comes back as it is.
QByteArray Inflate(const QByteArray& data)
{
    if (!data.startsWith("\x1f\x8b"))
        return data;
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = static_cast<uInt>(data.size());
    QByteArray text;
    char chunk[1 << 16];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        text.append(chunk, static_cast<qsizetype>(sizeof chunk - stream.avail_out));
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END ? text : QByteArray();
}

std::unique_ptr<QSvgRenderer> LoadDeck(const QString& deckFolder, const DeckSource& deck)
{
    QFile file(DeckFile(deckFolder, deck.folder));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QByteArray drawing = file.readAll();
    if (!deck.replacements.empty()) {
        drawing = Inflate(drawing);
        for (const auto& [before, after] : deck.replacements)
            drawing.replace(before, after);
    }
    auto renderer = std::make_unique<QSvgRenderer>(drawing);
    return renderer->isValid() ? std::move(renderer) : nullptr;
}

}  // namespace

QString DeckFile(const QString& deckFolder, const QString& folder)
{
    const QDir dir(deckFolder + "/" + folder);
    const QStringList files = dir.entryList({"*.svgz", "*.svg"}, QDir::Files, QDir::Name);
    return files.isEmpty() ? QString() : dir.filePath(files.first());
}

QSvgRenderer* DeckRenderer(const QString& deckFolder, const DeckSource& deck)
{
    // Keyed by everything that changes the drawing; a deck that failed to load stays null.
    thread_local std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    QString key = deckFolder + "|" + deck.folder;
    for (const auto& [before, after] : deck.replacements)
        key += "|" + before + ">" + after;
    auto found = renderers.find(key);
    if (found == renderers.end())
        found = renderers.emplace(key, LoadDeck(deckFolder, deck)).first;
    return found->second.get();
}

QString CardElementId(int rank, char suit)
{
    static const char* const kCourts[] = {"jack", "queen", "king"};
    const QString rankName = rank > 10 ? kCourts[rank - 11] : QString::number(rank);
    switch (suit) {
    case 'H': return rankName + "_heart";
    case 'D': return rankName + "_diamond";
    case 'C': return rankName + "_club";
    default: return rankName + "_spade";
    }
}

QImage RenderDeckElement(const QString& deckFolder, const DeckSource& deck, const QString& elementId, int width,
                         int height)
{
    QSvgRenderer* renderer = DeckRenderer(deckFolder, deck);
    if (!renderer || !renderer->elementExists(elementId))
        return {};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // A landscape drawing (the chip-shaped backs of the Future deck) is turned a quarter to stand
    // upright like the card, rather than squeezed.
    const QRectF bounds = renderer->boundsOnElement(elementId);
    if ((bounds.width() > bounds.height()) != (width > height)) {
        painter.translate(width, 0);
        painter.rotate(90);
        renderer->render(&painter, elementId, QRectF(0, 0, height, width));
    } else {
        renderer->render(&painter, elementId, QRectF(0, 0, width, height));
    }
    return image;
}

}  // namespace marlowe::resgen
