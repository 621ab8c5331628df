// The pictures the generator draws itself, checked for what loading them back cannot see: the
// board backgrounds tile without a seam, card backs keep the card's shape with see-through
// corners, and the miniature pieces have the sizes the preview places them by and work with the
// dialog's magenta colour key.

#include "resource_makers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace marlowe::resgen {
namespace {

std::vector<ResourceEntry> EntriesOf(ResourceFamily family)
{
    std::vector<ResourceEntry> entries;
    for (const ResourceEntry& entry : AllResourceEntries())
        if (entry.family == family)
            entries.push_back(entry);
    return entries;
}

// The mean colour difference between two columns (or rows) of pixels.
double Step(const QImage& image, int from, int to, bool columns)
{
    const int length = columns ? image.height() : image.width();
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb a = columns ? image.pixel(from, i) : image.pixel(i, from);
        const QRgb b = columns ? image.pixel(to, i) : image.pixel(i, to);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
    return sum / length;
}

// Where the tile meets its own copy, the change from the last column to the first must be no
// larger than the largest change between neighbouring columns inside it; a seam stands out.
void ExpectSeamless(const QImage& image, const std::string& name)
{
    ASSERT_FALSE(image.isNull()) << name;
    for (bool columns : {true, false}) {
        const int size = columns ? image.width() : image.height();
        double largest = 0;
        for (int k = 0; k + 1 < size; ++k)
            largest = std::max(largest, Step(image, k, k + 1, columns));
        EXPECT_LE(Step(image, size - 1, 0, columns), largest + 1) << name << (columns ? " left/right" : " top/bottom");
    }
}

// A slip in a maker's table shows as two names drawing the same picture.
TEST(DrawnPictures, EveryBackAndMarkOfASizeLooksDifferent)
{
    // The plain outlines are alike on purpose.
    const std::set<std::string> plainOutlines = {"001", "002", "_TABLEAU"};
    std::map<QByteArray, std::string> seen;
    for (const ResourceEntry& entry : AllResourceEntries()) {
        if (entry.sizeLetter != 'B' || (entry.family == ResourceFamily::Mark && plainOutlines.count(entry.variant)))
            continue;
        QImage image;
        if (entry.family == ResourceFamily::CardBack)
            image = MakeCardBack(entry);
        else if (entry.family == ResourceFamily::Mark)
            image = MakeMark(entry);
        else
            continue;
        ASSERT_FALSE(image.isNull()) << entry.name;
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        const auto [earlier, isNew] = seen.emplace(pixels, entry.name);
        EXPECT_TRUE(isNew) << entry.name << " looks the same as " << earlier->second;
    }
}

TEST(DrawnPictures, BoardBackgroundsTileWithoutSeams)
{
    for (const ResourceEntry& entry : EntriesOf(ResourceFamily::Texture))
        ExpectSeamless(MakeTexture(entry), entry.name);
    for (const ResourceEntry& entry : EntriesOf(ResourceFamily::AdditionalBackground))
        ExpectSeamless(MakeAdditionalBackground(entry), entry.name);
}

TEST(DrawnPictures, CardBacksAreOpaqueCardsWithSeeThroughCorners)
{
    for (const ResourceEntry& entry : EntriesOf(ResourceFamily::CardBack)) {
        const QImage back = MakeCardBack(entry);
        ASSERT_FALSE(back.isNull()) << entry.name;
        const int right = back.width() - 1, bottom = back.height() - 1;
        for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_LT(qAlpha(back.pixel(corner)), 32) << entry.name;
        for (QPoint inside : {QPoint(right / 2, bottom / 2), QPoint(0, bottom / 2), QPoint(right / 2, 0)})
            EXPECT_EQ(qAlpha(back.pixel(inside)), 255) << entry.name;
    }
}

TEST(DrawnPictures, MarksLetTheBoardShowThrough)
{
    for (const ResourceEntry& entry : EntriesOf(ResourceFamily::Mark)) {
        const QImage mark = MakeMark(entry);
        ASSERT_FALSE(mark.isNull()) << entry.name;
        EXPECT_EQ(qAlpha(mark.pixel(0, 0)), 0) << entry.name;
        EXPECT_LT(qAlpha(mark.pixel(mark.width() / 2, mark.height() / 2)), 255) << entry.name;
        int outline = 0;
        for (int y = 0; y < mark.height(); ++y)
            for (int x = 0; x < 4; ++x)
                outline = std::max(outline, qAlpha(mark.pixel(x, y)));
        EXPECT_GT(outline, 0) << entry.name << " has no outline";
    }
}

QSize ExpectedMiniatureSize(const std::string& name)
{
    if (name.rfind("SL", 0) == 0)
        return {25, 32};
    if (name == "Tab_d_01" || name == "Tab_s_01")
        return {27, 34};
    if (name == "Tab_d_02")
        return {29, 36};
    const int hidden = std::stoi(name.substr(6)) - 1;
    switch (name[4]) {
    case 'v': return {25, 32 + 3 * hidden};
    case 'h': return {25 + 3 * hidden, 32};
    default: return {25, 32 + 6 * hidden};
    }
}

// The dialog drops pure magenta and nothing else, so a pixel near magenta would show as a pink
// fringe around the cards.
TEST(DrawnPictures, MiniaturePiecesFitTheColourKey)
{
    const MakerSources sources;
    for (const ResourceEntry& entry : EntriesOf(ResourceFamily::Miniature)) {
        const QImage piece = MakeMiniature(entry, sources);
        ASSERT_FALSE(piece.isNull()) << entry.name;
        EXPECT_EQ(piece.size(), ExpectedMiniatureSize(entry.name)) << entry.name;
        EXPECT_EQ(piece.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu) << entry.name << " corner is not see-through";
        int translucent = 0, nearKey = 0;
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x) {
                const QRgb pixel = piece.pixel(x, y);
                translucent += qAlpha(pixel) != 255;
                const bool isKey = (pixel & 0xFFFFFF) == 0xFF00FF;
                nearKey += !isKey && qRed(pixel) > 160 && qBlue(pixel) > 160 && qGreen(pixel) < 100;
            }
        EXPECT_EQ(translucent, 0) << entry.name;
        EXPECT_EQ(nearKey, 0) << entry.name << " has pixels blended with the colour key";
    }
}

}  // namespace
}  // namespace marlowe::resgen
