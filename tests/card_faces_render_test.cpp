// The card pictures the resource generator makes: each card in its cell with its suit's colour,
// transparent where no card lies, and the shadow and border strips keyed the way the board
// copies them.

#include "resource_makers.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace marlowe::resgen {
namespace {

const MakerSources kSources{"/usr/share/carddecks", "/usr/share/icons/breeze"};

const ResourceEntry& Entry(std::string_view name)
{
    for (const ResourceEntry& entry : AllResourceEntries())
        if (entry.name == name)
            return entry;
    throw std::runtime_error("no entry " + std::string(name));
}

QImage Made(std::string_view name)
{
    const ResourceEntry& entry = Entry(name);
    switch (entry.family) {
    case ResourceFamily::CardSheet: return MakeCardSheet(entry, kSources);
    case ResourceFamily::AdditionalCardSet: return MakeAdditionalCardSet(entry, kSources);
    case ResourceFamily::Shadow: return MakeShadowStrip(entry);
    case ResourceFamily::Border: return MakeBorderStrip(entry);
    default: return MakeJoker(entry, kSources);
    }
}

// The card cell at (column, row) of a sheet of the size letter's cards.
QImage Cell(const QImage& sheet, char sizeLetter, int column, int row)
{
    const CardPixelSize card = CardSizeOf(sizeLetter);
    return sheet.copy(column * card.width, row * card.height, card.width, card.height)
        .convertToFormat(QImage::Format_ARGB32);
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += wanted(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool IsRed(QRgb p) { return qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; }
bool IsGreen(QRgb p) { return qAlpha(p) > 200 && qGreen(p) > qRed(p) + 50 && qGreen(p) > qBlue(p) + 30; }
bool IsBlue(QRgb p) { return qAlpha(p) > 200 && qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 40; }
bool IsBlack(QRgb p) { return qAlpha(p) > 200 && qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60; }
bool IsOpaque(QRgb p) { return qAlpha(p) == 255; }
bool IsTransparent(QRgb p) { return qAlpha(p) == 0; }

// Checks the cells of one suit's three rows: thirteen distinct cards with transparent corners,
// then two empty cells.
void ExpectSuitRows(const QImage& sheet, char sizeLetter, int firstRow, const std::string& name)
{
    const CardPixelSize card = CardSizeOf(sizeLetter);
    std::set<QByteArray> faces;
    for (int cell = 0; cell < 15; ++cell) {
        const QImage image = Cell(sheet, sizeLetter, cell % 5, firstRow + cell / 5);
        const std::string where = name + " cell " + std::to_string(cell);
        if (cell >= 13) {
            EXPECT_EQ(CountPixels(image, IsTransparent), card.width * card.height) << where;
            continue;
        }
        EXPECT_GT(CountPixels(image, IsOpaque), card.width * card.height * 8 / 10) << where;
        EXPECT_TRUE(IsTransparent(image.pixel(0, 0))) << where;
        EXPECT_TRUE(IsTransparent(image.pixel(card.width - 1, card.height - 1))) << where;
        faces.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(faces.size(), 13u) << name << ": every rank has a face of its own";
}

TEST(CardSheets, EveryStyleAndSizeHoldsThirteenDistinctCards)
{
    for (char size : kCardSizeLetters)
        for (const std::string& style : CardStyles()) {
            const std::string name = CardSheetName(size, style, 'S');
            const QImage sheet = Made(name);
            ASSERT_FALSE(sheet.isNull()) << name;
            ExpectSuitRows(sheet, size, 0, name);
        }
}

TEST(CardSheets, RedSuitsAreRedAndBlackSuitsHaveNoRed)
{
    for (char size : std::string_view("BL")) {
        for (const char* style : {"001", "002", "003"}) {
            EXPECT_GT(CountPixels(Cell(Made(CardSheetName(size, style, 'H')), size, 0, 0), IsRed), 10) << style;
            EXPECT_GT(CountPixels(Cell(Made(CardSheetName(size, style, 'D')), size, 4, 0), IsRed), 10) << style;
            EXPECT_EQ(CountPixels(Cell(Made(CardSheetName(size, style, 'S')), size, 0, 0), IsRed), 0) << style;
            EXPECT_EQ(CountPixels(Cell(Made(CardSheetName(size, style, 'C')), size, 4, 1), IsRed), 0) << style;
        }
    }
}

TEST(CardSheets, TheFourColourStyleHasGreenClubsAndBlueDiamonds)
{
    for (char size : std::string_view("XMBL")) {
        const QImage clubs = Cell(Made(CardSheetName(size, "004", 'C')), size, 4, 0);
        const QImage diamonds = Cell(Made(CardSheetName(size, "004", 'D')), size, 4, 0);
        EXPECT_GT(CountPixels(clubs, IsGreen), 10) << size;
        EXPECT_GT(CountPixels(diamonds, IsBlue), 10) << size;
        EXPECT_EQ(CountPixels(diamonds, IsRed), 0) << size;
        const QImage hearts = Cell(Made(CardSheetName(size, "004", 'H')), size, 4, 0);
        EXPECT_GT(CountPixels(hearts, IsRed), 10) << size;
        EXPECT_EQ(CountPixels(hearts, IsBlue), 0) << size;
    }
}

TEST(CardSheets, TheFourColourStyleLeavesNoBlackClubOrRedDiamondPips)
{
    // Inside the card's outline, every pip and index of the twos to tens takes the new colour.
    const std::pair<char, bool (*)(QRgb)> oldColours[] = {{'C', IsBlack}, {'D', IsRed}};
    for (char size : std::string_view("XSBM"))
        for (const auto& [suit, hasOldColour] : oldColours) {
            const CardPixelSize card = CardSizeOf(size);
            const QImage sheet = Made(CardSheetName(size, "004", suit));
            for (int cell = 1; cell < 10; ++cell) {
                const QImage inside = Cell(sheet, size, cell % 5, cell / 5).copy(3, 3, card.width - 6, card.height - 6);
                EXPECT_EQ(CountPixels(inside, hasOldColour), 0) << size << suit << " cell " << cell;
            }
        }
}

TEST(AdditionalCardSets, HoldTheSuitsInTheOrderHeartsDiamondsClubsSpades)
{
    for (const ListedResource& set : ListedResources(ResourceModule::AdditionalCardSets)) {
        const std::string name = set.resourceName + "_B";
        const QImage sheet = Made(name);
        ASSERT_FALSE(sheet.isNull()) << name;
        for (int suit = 0; suit < 4; ++suit)
            ExpectSuitRows(sheet, 'B', suit * 3, name + " suit " + std::to_string(suit));
        const bool redSuit[] = {true, true, false, false};
        for (int suit = 0; suit < 4; ++suit) {
            const int reds = CountPixels(Cell(sheet, 'B', 4, suit * 3), IsRed);  // the five
            EXPECT_EQ(reds > 10, redSuit[suit]) << name << " suit " << suit;
        }
    }
}

TEST(Jokers, AreWholeCardsWithTransparentCorners)
{
    for (char size : kCardSizeLetters) {
        const QImage joker = Made(JokerName(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(joker.isNull()) << size;
        EXPECT_TRUE(IsTransparent(joker.pixel(0, 0))) << size;
        EXPECT_GT(CountPixels(joker, IsOpaque), joker.width() * joker.height() * 8 / 10) << size;
    }
}

TEST(ShadowStrips, AreGreyOnWhiteAndAgreeWhereTheyOverlap)
{
    for (char size : kCardSizeLetters) {
        const CardPixelSize card = CardSizeOf(size);
        const QImage right = Made(ShadowStripName(size, 1));
        const QImage bottom = Made(ShadowStripName(size, 2));
        for (const QImage& strip : {right, bottom})
            EXPECT_EQ(CountPixels(strip, [](QRgb p) { return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p); }), 0);

        // The right strip lies at (width, 7), the bottom one at (8, height): both cover the square
        // below and right of the card's corner, where the board draws one over the other.
        for (int y = card.height; y < card.height + 7; ++y)
            for (int x = card.width; x < card.width + 8; ++x)
                ASSERT_EQ(right.pixel(x - card.width, y - 7), bottom.pixel(x - 8, y - card.height))
                    << size << " at " << x << "," << y;

        // Dark beside the card, fading to white (the transparent colour) at the far edge.
        const int middle = card.height / 2;
        EXPECT_LT(qRed(right.pixel(0, middle)), 128) << size;
        EXPECT_EQ(right.pixel(8, middle), qRgb(255, 255, 255)) << size;
        EXPECT_EQ(bottom.pixel(card.width / 2, 8), qRgb(255, 255, 255)) << size;
    }
}

TEST(BorderStrips, PaintOnlyATwoPixelRingAndSplitItBetweenLightAndDark)
{
    const QRgb key = qRgb(0, 0, 255);
    for (char size : kCardSizeLetters) {
        const CardPixelSize card = CardSizeOf(size);
        const QImage light = Made(BorderStripName(size, 1));
        const QImage dark = Made(BorderStripName(size, 2));
        for (int y = 0; y < card.height; ++y)
            for (int x = 0; x < card.width; ++x) {
                // The ring runs along the edges and bends inwards in the rounded corners.
                const bool nearEdge = x < 2 || y < 2 || x >= card.width - 2 || y >= card.height - 2;
                const bool inCorner = (x < 8 || x >= card.width - 8) && (y < 8 || y >= card.height - 8);
                const bool lit = light.pixel(x, y) != key, shaded = dark.pixel(x, y) != key;
                ASSERT_FALSE(lit && shaded) << size << " at " << x << "," << y;
                if (!nearEdge && !inCorner) {
                    ASSERT_FALSE(lit || shaded) << size << " at " << x << "," << y;
                }
            }
        // The middle of each edge: top and left light, bottom and right dark; corners stay keyed.
        EXPECT_NE(light.pixel(card.width / 2, 0), key);
        EXPECT_NE(light.pixel(0, card.height / 2), key);
        EXPECT_NE(dark.pixel(card.width / 2, card.height - 1), key);
        EXPECT_NE(dark.pixel(card.width - 1, card.height / 2), key);
        EXPECT_EQ(light.pixel(0, 0), key);
        EXPECT_EQ(dark.pixel(card.width - 1, card.height - 1), key);
        EXPECT_GT(qRed(light.pixel(card.width / 2, 1)), qRed(dark.pixel(card.width / 2, card.height - 2)));
    }
}

}  // namespace
}  // namespace marlowe::resgen

int main(int argc, char** argv)
{
    // The SVG renderer and fonts need a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
