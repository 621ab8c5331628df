// The pieces of the selection dialog's miniature tables, drawn with cards of the smallest size.
// The dialog treats pure magenta as transparent, so every piece is opaque on a magenta ground:
// what the cards leave uncovered is magenta, and the half-covered pixels at card corners and in
// the marks' translucent lines are settled against the dialog's green backdrop instead of being
// blended with magenta.
//
//   Tab_v_nn  a tableau fanned downward: nn - 1 cards face down 3 px apart, the top one face up
//   Tab_h_nn  the same fanned to the right
//   Tab_a_nn  nn cards all face up, fanned downward 6 px apart, alternately red and black
//   Tab_d_01  a squared stock of one pack, 2 px deep; Tab_d_02 of two packs, 4 px deep
//   Tab_s_01  a squared pile face up, 2 px deep
//   SL001     the redeal mark, SL002 the stop mark, SL003 an empty place

#include "drawing_helpers.h"
#include "resource_makers.h"

#include <QFont>
#include <QPainter>

#include <string>
#include <string_view>
#include <vector>

namespace marlowe::resgen {
namespace {

constexpr int kCardWidth = 25;
constexpr int kCardHeight = 32;
const QColor kColourKey(255, 0, 255);
const QColor kBackdrop(0, 112, 56);  // the dialog's green behind the miniature

enum class Card { Back, RedFace, BlackFace, PlainFace };

// A card face of the miniature: white with a small suit sign in the corner, where it still shows
// when the card is covered, and a larger one in the middle.
QImage MiniatureFace(Card card)
{
    QImage face = TransparentImage(kCardWidth, kCardHeight);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(0.5, 0.5, kCardWidth - 1, kCardHeight - 1);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(252, 252, 250));
    painter.drawPath(CardOutline(bounds, CardCornerRadius(kCardWidth)));
    if (card == Card::PlainFace)
        return face;
    const bool red = card == Card::RedFace;
    painter.setPen(red ? QColor(200, 20, 30) : QColor(20, 20, 20));
    QFont font("DejaVu Sans");
    font.setPixelSize(7);
    painter.setFont(font);
    const QString sign = red ? QString::fromUtf8("\u2666") : QString::fromUtf8("\u2660");
    painter.drawText(QRectF(2, 0, 7, 7), Qt::AlignCenter, sign);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(bounds, Qt::AlignCenter, sign);
    return face;
}

QImage CardPicture(Card card)
{
    if (card != Card::Back)
        return MiniatureFace(card);
    const ResourceEntry back{"DL011", ResourceModule::Standard, ResourceFamily::CardBack, 'L', "011",
                             kCardWidth, kCardHeight};
    return MakeCardBack(back);
}

QImage MarkPicture(const char* suffix)
{
    return MakeMark({"WL" + std::string(suffix), ResourceModule::Standard, ResourceFamily::Mark, 'L', suffix,
                     kCardWidth, kCardHeight});
}

// Makes the drawn piece opaque for the colour key: untouched pixels become magenta, the rest is
// laid on the backdrop green.
QImage ColourKeyed(const QImage& drawn)
{
    QImage keyed(drawn.size(), QImage::Format_RGB32);
    keyed.fill(kColourKey);
    const QImage straight = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int alpha = qAlpha(source[x]);
            if (alpha < 32)
                continue;
            const QColor colour = Mix(kBackdrop, QColor::fromRgb(source[x]), alpha / 255.0);
            target[x] = colour.rgb();
        }
    }
    return keyed;
}

struct Placed {
    Card card;
    QPoint at;
};

QImage Compose(QSize size, const std::vector<Placed>& cards)
{
    QImage canvas = TransparentImage(size.width(), size.height());
    QPainter painter(&canvas);
    for (const Placed& placed : cards)
        painter.drawImage(placed.at, CardPicture(placed.card));
    painter.end();
    return ColourKeyed(canvas);
}

// n cards from the bottom of the fan to its top, each `step` further along x or y.
QImage Fan(int count, QPoint step, bool allFaceUp)
{
    std::vector<Placed> cards;
    for (int i = 0; i < count; ++i) {
        const bool top = i == count - 1;
        const Card card = allFaceUp ? (i % 2 == 0 ? Card::RedFace : Card::BlackFace)
                                    : (top ? Card::RedFace : Card::Back);
        cards.push_back({card, step * i});
    }
    const QPoint reach = step * (count - 1);
    return Compose(QSize(kCardWidth + reach.x(), kCardHeight + reach.y()), cards);
}

// A squared pile: plain card edges stepping down and right under the top card, one per pixel.
QImage SquaredPile(int depth, Card top)
{
    std::vector<Placed> cards;
    for (int i = depth; i > 0; --i)
        cards.push_back({Card::PlainFace, QPoint(i, i)});
    cards.push_back({top, QPoint(0, 0)});
    return Compose(QSize(kCardWidth + depth, kCardHeight + depth), cards);
}

}  // namespace

QImage MakeMiniature(const ResourceEntry& entry, const MakerSources&)
{
    const std::string_view name = entry.variant;
    if (name == "Tab_d_01")
        return SquaredPile(2, Card::Back);
    if (name == "Tab_d_02")
        return SquaredPile(4, Card::Back);
    if (name == "Tab_s_01")
        return SquaredPile(2, Card::RedFace);
    if (name == "SL001")
        return ColourKeyed(MarkPicture("022"));
    if (name == "SL002")
        return ColourKeyed(MarkPicture("008"));
    if (name == "SL003")
        return ColourKeyed(MarkPicture("001"));
    if (name.size() == 8 && name.substr(0, 4) == "Tab_") {
        const int count = std::stoi(std::string(name.substr(6)));
        switch (name[4]) {
        case 'v': return Fan(count, QPoint(0, 3), false);
        case 'h': return Fan(count, QPoint(3, 0), false);
        case 'a': return Fan(count, QPoint(0, 6), true);
        default: break;
        }
    }
    return {};
}

}  // namespace marlowe::resgen
