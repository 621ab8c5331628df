// What loading the modules back does not check about the window's small pictures, the pointers
// and the sounds: the transparent-colour convention of the keyed pictures, forms that must look
// different, hot spots that survive the PNG file, and sounds that neither clip nor click.

#include "resource_makers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QtEndian>

#include <cstdlib>
#include <functional>
#include <map>

namespace marlowe::resgen {
namespace {

const MakerSources kSources{"/usr/share/carddecks", "/usr/share/icons/breeze"};
const QRgb kKey = qRgb(255, 0, 255);

bool IsKeyedPicture(ResourceFamily family)
{
    switch (family) {
    case ResourceFamily::Characteristic:
    case ResourceFamily::TreeImage:
    case ResourceFamily::ToolbarImage:
    case ResourceFamily::MenuImage:
    case ResourceFamily::ButtonImage:
    case ResourceFamily::StatusBarImage:
    case ResourceFamily::SuitImage: return true;
    default: return false;
    }
}

// Every keyed picture by name, made once for all tests.
const std::map<std::string, QImage>& KeyedPictures()
{
    static const std::map<std::string, QImage> pictures = [] {
        std::map<std::string, QImage> made;
        for (const ResourceEntry& entry : AllResourceEntries())
            if (IsKeyedPicture(entry.family))
                made[entry.name] = MakeInterfaceImage(entry, kSources);
        return made;
    }();
    return pictures;
}

int DrawnPixels(const QImage& image)
{
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != kKey;
    return drawn;
}

bool IsGrey(QRgb pixel)
{
    return std::abs(qRed(pixel) - qGreen(pixel)) < 12 && std::abs(qGreen(pixel) - qBlue(pixel)) < 12;
}

TEST(KeyedPictures, AreOpaqueKeyedByTheirTopLeftPixelAndNotBlank)
{
    for (const auto& [name, image] : KeyedPictures()) {
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_FALSE(image.hasAlphaChannel()) << name;
        EXPECT_EQ(image.pixel(0, 0), kKey) << name;
        // A theme icon that rendered nothing would leave only the key.
        EXPECT_GE(DrawnPixels(image), image.width() * image.height() / 20) << name;
    }
}

TEST(KeyedPictures, ToolbarLooksAndDisabledFormsDiffer)
{
    const auto& pictures = KeyedPictures();
    for (const auto& [name, image] : pictures) {
        if (!name.starts_with("TB_"))
            continue;
        EXPECT_TRUE(image != pictures.at("2000_" + name)) << name;
        if (!name.ends_with("_DIS"))
            continue;
        const QImage& enabled = pictures.at(name.substr(0, name.size() - 4));
        EXPECT_TRUE(image != enabled) << name;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != kKey) {
                    ASSERT_TRUE(IsGrey(image.pixel(x, y))) << name << " has colour at " << x << "," << y;
                }
    }
}

TEST(KeyedPictures, FamilyNodesShowTheirWonLostAndUnplayedForms)
{
    const auto& pictures = KeyedPictures();
    for (const auto& [name, image] : pictures) {
        if (!name.starts_with("TREE5_") || name.ends_with("WIN") || name.ends_with("PLAYED"))
            continue;
        const QImage forms[] = {image, pictures.at(name + "_WIN"), pictures.at(name + "_NOWIN"),
                                pictures.at(name + "_NOPLAYED")};
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_TRUE(forms[a] != forms[b]) << name << " forms " << a << " and " << b;
    }
}

TEST(Cursors, KeepTheirHotSpotOnThePointerThroughThePngFile)
{
    for (const ResourceEntry& entry : AllResourceEntries()) {
        if (entry.family != ResourceFamily::Cursor)
            continue;
        const QImage image = QImage::fromData(MakeEntryBytes(entry, kSources), "PNG");
        ASSERT_FALSE(image.isNull()) << entry.name;
        EXPECT_TRUE(image.hasAlphaChannel()) << entry.name;
        EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0) << entry.name;
        bool xRead = false;
        bool yRead = false;
        const int x = image.text("HotSpotX").toInt(&xRead);
        const int y = image.text("HotSpotY").toInt(&yRead);
        ASSERT_TRUE(xRead && yRead) << entry.name;
        ASSERT_TRUE(image.rect().contains(x, y)) << entry.name;
        EXPECT_GT(qAlpha(image.pixel(x, y)), 0) << entry.name << " hot spot off the pointer";
    }
}

struct Wave {
    int rate = 0;
    std::vector<int16_t> samples;
};

// The samples of the 16-bit mono files the generator writes: its "data" chunk follows "fmt ".
Wave ReadWave(const QByteArray& bytes)
{
    Wave wave;
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " || bytes.mid(36, 4) != "data")
        return wave;
    wave.rate = qFromLittleEndian<qint32>(bytes.constData() + 24);
    const qint32 size = qFromLittleEndian<qint32>(bytes.constData() + 40);
    for (qint32 i = 0; i + 1 < size && 44 + i + 1 < bytes.size(); i += 2)
        wave.samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + 44 + i));
    return wave;
}

TEST(Sounds, AreShortNeverClipAndStartAndEndSilent)
{
    for (const ResourceEntry& entry : AllResourceEntries()) {
        if (entry.family != ResourceFamily::Sound)
            continue;
        const QByteArray bytes = MakeSound(entry);
        EXPECT_EQ(bytes, MakeSound(entry)) << entry.name << " differs between builds";
        const Wave wave = ReadWave(bytes);
        ASSERT_GT(wave.rate, 0) << entry.name;
        ASSERT_FALSE(wave.samples.empty()) << entry.name;
        EXPECT_LE(wave.samples.size(), static_cast<size_t>(wave.rate * 1.5)) << entry.name;
        int peak = 0;
        for (int16_t sample : wave.samples)
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        EXPECT_LT(peak, 32767 * 9 / 10) << entry.name;
        EXPECT_GT(peak, 32767 / 10) << entry.name << " is nearly silent";
        // A sound that starts away from zero or stops short of silence clicks, and a looping one
        // clicks on every turn.
        EXPECT_LT(std::abs(wave.samples.front()), 200) << entry.name;
        const size_t lastTwoMilliseconds = std::min<size_t>(wave.samples.size(), wave.rate / 500);
        int tail = 0;
        for (size_t i = wave.samples.size() - lastTwoMilliseconds; i < wave.samples.size(); ++i)
            tail = std::max(tail, std::abs(static_cast<int>(wave.samples[i])));
        EXPECT_LT(tail, 32767 / 100) << entry.name << " ends with a click";
    }
}

}  // namespace
}  // namespace marlowe::resgen
