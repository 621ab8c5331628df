#pragma once
// Card pictures of any pixel size, drawn while the program runs with the same makers the resource
// generator draws the modules with: faces from the SVG decks the standard module carries, backs,
// marks, strips and the joker from their drawing code. They serve the card size "Auto" and screens
// whose device pixel ratio is not 1, where the fixed-size pictures of the modules would be
// stretched. The faces, the costly part, are kept per size in memory and in a cache folder, so a
// size drawn once comes back at the cost of a file read.

#include <QImage>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <utility>

namespace marlowe {

// A card's size on the board and the device pixels per board pixel it is drawn at.
struct CardArtSize {
    int width = 0;
    int height = 0;
    double ratio = 1.0;
    bool operator==(const CardArtSize&) const = default;
};

// The 52 faces, suits in the order hearts, diamonds, clubs, spades, each Ace to King, and the
// joker last (drawn from the default deck, so it is kept with the faces rather than drawn anew).
using CardFaceSet = std::array<QImage, 53>;

class CardArt {
public:
    // deckFolder holds one folder per deck; cacheFolder may be empty for no cache on disk.
    CardArt(QString deckFolder, std::filesystem::path cacheFolder);

    // The faces of a built-in style at a size; null images when the style's deck is missing.
    // With standIns, a size neither kept nor cached comes at once as the largest kept faces of
    // the style scaled to it, to be drawn exactly once the window has stopped changing size.
    const CardFaceSet& Faces(const std::string& style, CardArtSize size, bool standIns = false);
    // Whether the faces last returned were stand-ins.
    bool GaveStandIns() const { return gaveStandIns_; }
    QImage Back(const std::string& number, CardArtSize size) const;
    QImage Mark(const std::string& suffix, CardArtSize size) const;
    // Strip 1 the right or light one, 2 the bottom or dark one; the shadow strips are depth wide.
    QImage ShadowStrip(int strip, int depth, CardArtSize size) const;
    QImage BorderStrip(int strip, CardArtSize size) const;

    // How many face sets were drawn and read from the cache folder (for the benchmark and tests).
    int DrawnFaceSets() const { return drawn_; }
    int ReadFaceSets() const { return read_; }
    // Forgets the face sets kept in memory (the benchmark's cold start).
    void ForgetFaces() { kept_.clear(); }

private:
    CardFaceSet DrawFaces(const std::string& style, CardArtSize size) const;
    // A back, mark or strip drawn lately at the same size comes from memory, so that a window
    // going back and forth between sizes does not draw them again.
    QImage Remembered(std::string key, CardArtSize size, const std::function<QImage()>& draw) const;
    std::filesystem::path CacheFile(const std::string& style, CardArtSize size) const;
    std::optional<CardFaceSet> ScaledStandIns(const std::string& style, QSize pixels) const;
    void PruneCacheFolder() const;

    QString deckFolder_;
    std::filesystem::path cacheFolder_;
    struct Kept {
        std::string key;
        std::string style;
        CardFaceSet faces;
        bool standIns = false;
    };
    std::list<Kept> kept_;  // the latest first
    mutable std::list<std::pair<std::string, QImage>> drawnPieces_;  // the latest first
    bool gaveStandIns_ = false;
    int drawn_ = 0;
    int read_ = 0;
};

// The images of a picture drawn at device pixels carry the ratio, so painters place them at
// their board size.
QImage AtRatio(QImage image, double ratio);
int DevicePixels(int boardPixels, double ratio);
// The size of a picture on the board, and a board rectangle of it in its own pixels.
QSize BoardSizeOf(const QImage& image);
QRect DeviceRectOf(const QImage& image, QRect boardRect);

}  // namespace marlowe
