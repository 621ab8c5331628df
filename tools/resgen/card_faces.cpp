// The card faces: the suit sheets of the four styles, the joker and the additional card sets, all
// rendered from the SVG decks (or drawn, at the miniature size), and the backs of the additional
// decks. The shadow and raised-border strips that go with every card size live in card_edges.cpp.

#include "drawn_faces.h"
#include "resource_makers.h"
#include "svg_deck.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

namespace marlowe::resgen {
namespace {

constexpr int kSheetColumns = 5;
constexpr int kRowsPerSuit = 3;
constexpr int kRanksPerSuit = 13;
constexpr std::string_view kSetSuits = "HDCS";

// How the faces of a sheet are made.
struct FaceLook {
    const char* deck = nullptr;   // deck folder; nullptr draws the faces from shapes
    bool fourColours = false;     // clubs green, diamonds blue
    bool sixteenColours = false;  // reduced to the 16 colours of the VGA palette
};

// Paris has the finest traditional court cards with crisp indices; Nicu White has the largest
// indices and plain figures, so it is the clearest at every size where the others grow small.
constexpr const char* kDefaultDeck = "svg-gm-paris";
constexpr const char* kClearestDeck = "svg-nicu-white";

FaceLook StyleLook(std::string_view style, char sizeLetter)
{
    const bool fourColours = style == "004";
    if (sizeLetter == 'L')
        return {nullptr, fourColours};
    if (style == "003" || sizeLetter == 'M')
        return {kClearestDeck, fourColours};
    if (fourColours)
        return {kDefaultDeck, true};
    return {style == "002" ? "svg-standard" : kDefaultDeck};
}

// The colours in which the four-coloured decks draw clubs and diamonds. Replacing them in the
// drawing recolours the pips and indices and leaves the court figures alone, whose outlines are
// drawn in the default colour; the card's outline (or its shadow) keeps its black.
struct DeckInks {
    std::string_view deck;
    std::array<const char*, 2> clubs;  // the second may be nullptr
    const char* diamonds;
    const char* keep;
};
constexpr DeckInks kDeckInks[] = {
    {kDefaultDeck, {"#000000", nullptr}, "#df0000", "stroke:#000000;stroke-width:1.5\""},
    {kClearestDeck, {"#000000", "#0c0c0c"}, "#ff0000", "fill:#000000;fill-opacity:0.49803922"},
};

// The additional card sets by key.
struct KeyedLook {
    std::string_view key;
    FaceLook look;
};
constexpr KeyedLook kSetLooks[] = {
    {"CS01", {"svg-penguins"}},                 // playful, with large clear indices
    {"CS02", {"svg-standard", false, true}},    // flat colours that survive the 16-colour palette
    {"CS03", {"svg-dondorf"}},                  // lithographed traditional figures
    {"CS04", {"svg-nicu-ornamental"}},
};

// The decks of the additional backs by key.
struct KeyedDeck {
    std::string_view key;
    const char* deck;
};
constexpr KeyedDeck kBackDecks[] = {
    {"DK01", "svg-oxygen"},      {"DK02", "svg-dondorf"},  {"DK03", "svg-ancient-egyptians"},
    {"DK04", "svg-jolly-royal"}, {"DK05", "svg-penguins"}, {"DK06", "svg-future"},
};

// The drawing a look takes for a suit: with four colours, the suit's inks are replaced while the
// piece that keeps its black is set aside under a placeholder.
DeckSource SourceFor(const FaceLook& look, char suit)
{
    DeckSource source{look.deck, {}};
    if (!look.fourColours || (suit != 'C' && suit != 'D'))
        return source;
    static const QByteArray kKept = "@kept@";
    const QByteArray colour = SuitColour(suit, true).name().toLatin1();
    for (const DeckInks& inks : kDeckInks) {
        if (inks.deck != look.deck)
            continue;
        source.replacements.emplace_back(inks.keep, kKept);
        if (suit == 'D')
            source.replacements.emplace_back(inks.diamonds, colour);
        else
            for (const char* ink : inks.clubs)
                if (ink)
                    source.replacements.emplace_back(ink, colour);
        source.replacements.emplace_back(kKept, inks.keep);
    }
    return source;
}

// Each pixel to the nearest colour of the VGA palette, fully opaque or fully transparent.
QImage ToSixteenColours(const QImage& face)
{
    static constexpr QRgb kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                          0x008080, 0xc0c0c0, 0x808080, 0xff0000, 0x00ff00, 0xffff00,
                                          0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
    QImage image = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) < 128) {
                line[x] = 0;
                continue;
            }
            QRgb best = kPalette[0];
            int bestDistance = INT_MAX;
            for (QRgb colour : kPalette) {
                const int dr = qRed(pixel) - qRed(colour), dg = qGreen(pixel) - qGreen(colour),
                          db = qBlue(pixel) - qBlue(colour);
                const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = colour;
                }
            }
            line[x] = best | 0xff000000u;
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage MakeFace(const FaceLook& look, const QString& deckFolder, int rank, char suit, QSize size)
{
    if (!look.deck) {
        QImage face(size, QImage::Format_ARGB32_Premultiplied);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        DrawSmallFace(painter, QRectF(QPointF(0, 0), QSizeF(size)), rank, suit, look.fourColours);
        painter.end();
        return face;
    }
    const QImage face = RenderDeckElement(deckFolder, SourceFor(look, suit), CardElementId(rank, suit),
                                          size.width(), size.height());
    return look.sixteenColours && !face.isNull() ? ToSixteenColours(face) : face;
}

// A sheet of card cells five to a row, three rows per suit (A-5, 6-10, J-K); the two cells after
// each king stay transparent. Null when any face could not be made.
QImage ComposeSheet(const FaceLook& look, const QString& deckFolder, char sizeLetter, std::string_view suits)
{
    const CardPixelSize card = CardSizeOf(sizeLetter);
    const int rows = kRowsPerSuit * static_cast<int>(suits.size());
    QImage sheet(card.width * kSheetColumns, card.height * rows, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    for (size_t block = 0; block < suits.size(); ++block)
        for (int rank = 1; rank <= kRanksPerSuit; ++rank) {
            const QImage face = MakeFace(look, deckFolder, rank, suits[block], QSize(card.width, card.height));
            if (face.isNull())
                return {};
            const int cell = rank - 1;
            const int row = static_cast<int>(block) * kRowsPerSuit + cell / kSheetColumns;
            painter.drawImage(cell % kSheetColumns * card.width, row * card.height, face);
        }
    painter.end();
    return sheet;
}

// The default deck's joker emblem, centred on a blank card.
bool DrawEmblemJoker(QPainter& painter, const QRectF& rect, const QString& deckFolder)
{
    QSvgRenderer* renderer = DeckRenderer(deckFolder, {kDefaultDeck, {}});
    const QString emblem = "jokerface";
    if (!renderer || !renderer->elementExists(emblem))
        return false;
    DrawBlankCard(painter, rect);
    const QSizeF bounds = renderer->boundsOnElement(emblem).size();
    const double scale = 0.84 * std::min(rect.width() / bounds.width(), rect.height() / bounds.height());
    QRectF target(QPointF(0, 0), bounds * scale);
    target.moveCenter(rect.center());
    renderer->render(&painter, emblem, target);
    return true;
}

// The size letter whose look a face of a pixel width takes: the drawn faces below the smallest
// deck size, the clearest deck up to size "M", the chosen deck above.
char LookLetterOfWidth(int width)
{
    if (width < CardSizeOf('M').width * 3 / 4)
        return 'L';
    return width <= CardSizeOf('M').width ? 'M' : 'B';
}

}  // namespace

QImage MakeCardSheet(const ResourceEntry& entry, const MakerSources& sources)
{
    const std::string_view variant = entry.variant;
    if (variant.size() != 4)
        return {};
    return ComposeSheet(StyleLook(variant.substr(0, 3), entry.sizeLetter), sources.deckFolder, entry.sizeLetter,
                        variant.substr(3, 1));
}

QImage MakeStyleFace(std::string_view style, int rank, char suit, QSize size, const MakerSources& sources)
{
    return MakeFace(StyleLook(style, LookLetterOfWidth(size.width())), sources.deckFolder, rank, suit, size);
}

QImage MakeJokerOfSize(QSize size, const MakerSources& sources)
{
    return MakeJoker({"", ResourceModule::Standard, ResourceFamily::Joker, LookLetterOfWidth(size.width()), "",
                      size.width(), size.height()},
                     sources);
}

QByteArray MakeDeckDrawing(const ResourceEntry& entry, const MakerSources& sources)
{
    QFile file(DeckFile(sources.deckFolder, QString::fromStdString(entry.variant)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage MakeJoker(const ResourceEntry& entry, const MakerSources& sources)
{
    QImage image(entry.width, entry.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF rect(0, 0, entry.width, entry.height);
    if (entry.sizeLetter == 'L')
        DrawSmallJoker(painter, rect);
    else if (!DrawEmblemJoker(painter, rect, sources.deckFolder))
        return {};
    painter.end();
    return image;
}

QImage MakeAdditionalCardSet(const ResourceEntry& entry, const MakerSources& sources)
{
    for (const KeyedLook& set : kSetLooks)
        if (set.key == entry.variant)
            return ComposeSheet(set.look, sources.deckFolder, entry.sizeLetter, kSetSuits);
    return {};
}

QImage MakeAdditionalBack(const ResourceEntry& entry, const MakerSources& sources)
{
    // Drawn at the largest card size; the program stretches it to the size in play.
    const CardPixelSize card = CardSizeOf('X');
    for (const KeyedDeck& back : kBackDecks)
        if (back.key == entry.variant)
            return RenderDeckElement(sources.deckFolder, {back.deck, {}}, "back", card.width, card.height);
    return {};
}

}  // namespace marlowe::resgen
