// The shipped resource modules against the resource table: every entry the program can ask
// for is in its module with the size the drawing code relies on, and every sound is WAVE data a
// player can hear.

#include "board/resource_modules.h"

#include "test_support.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace marlowe;

namespace {

const std::filesystem::path kProgramFolder = MARLOWE_BUILD_DIR;

class ShippedModulesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        modules = new ResourceModules(kProgramFolder);
        for (ResourceModule module : {ResourceModule::Standard, ResourceModule::ExtraLarge,
                                      ResourceModule::AdditionalCardSets, ResourceModule::AdditionalBacks,
                                      ResourceModule::AdditionalBackgrounds})
            ASSERT_TRUE(modules->Open(module)) << ModuleFileName(module);
    }
    static void TearDownTestSuite()
    {
        delete modules;
        modules = nullptr;
    }
    static ResourceModules* modules;
};

ResourceModules* ShippedModulesTest::modules = nullptr;

// The facts of a RIFF/WAVE file that a player's sound system needs.
struct WaveFacts {
    bool valid = false;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataBytes = 0;
};

WaveFacts ReadWave(const QByteArray& bytes)
{
    WaveFacts facts;
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE" || u32(4) + 8 != quint32(bytes.size()))
        return facts;
    bool hasFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (at + 8 + size > bytes.size())
            return facts;
        if (id == "fmt " && size >= 16) {
            hasFormat = u16(at + 8) == 1;  // PCM
            facts.channels = u16(at + 10);
            facts.sampleRate = static_cast<int>(u32(at + 12));
            facts.bitsPerSample = u16(at + 22);
        } else if (id == "data") {
            facts.dataBytes = size;
        }
        at += 8 + size + (size & 1);
    }
    facts.valid = hasFormat && facts.dataBytes > 0;
    return facts;
}

}  // namespace

TEST_F(ShippedModulesTest, EveryPictureOfTheTableIsThereWithItsSize)
{
    int checked = 0;
    for (const ResourceEntry& entry : AllResourceEntries()) {
        if (entry.family == ResourceFamily::Sound || entry.family == ResourceFamily::DeckDrawing)
            continue;
        const QImage image = entry.family == ResourceFamily::AdditionalBackground
                                 ? QImage::fromData(modules->Data(entry.name), "JPG")
                                 : modules->Image(entry.name);
        ASSERT_FALSE(image.isNull()) << entry.name;
        if (entry.width > 0) {
            EXPECT_EQ(image.width(), entry.width) << entry.name;
            EXPECT_EQ(image.height(), entry.height) << entry.name;
        }
        ++checked;
    }
    EXPECT_GT(checked, 500);
}

TEST_F(ShippedModulesTest, NamesAreFoundWhateverTheirCase)
{
    EXPECT_FALSE(modules->Image("Joker_L").isNull());
    EXPECT_FALSE(modules->Image("joker_l").isNull());
    EXPECT_FALSE(modules->Image("cb001h").isNull());
    EXPECT_TRUE(modules->Image("NO_SUCH_PICTURE").isNull());
    EXPECT_TRUE(modules->Data("NO_SUCH_SOUND").isEmpty());
}

TEST_F(ShippedModulesTest, EverySoundIsPlayableWaveData)
{
    for (const std::string& name : SoundNames()) {
        const WaveFacts wave = ReadWave(modules->Data(name));
        ASSERT_TRUE(wave.valid) << name;
        EXPECT_GE(wave.channels, 1) << name;
        EXPECT_LE(wave.channels, 2) << name;
        EXPECT_GE(wave.sampleRate, 8000) << name;
        EXPECT_EQ(wave.bitsPerSample, 16) << name;
    }
}

TEST_F(ShippedModulesTest, ListFilesNameTheirEntriesByDisplayName)
{
    for (ResourceModule module : {ResourceModule::AdditionalCardSets, ResourceModule::AdditionalBacks,
                                  ResourceModule::AdditionalBackgrounds})
        for (const ListedResource& listed : ListedResources(module)) {
            EXPECT_EQ(modules->ListedResourceName(module, listed.displayName), listed.resourceName);
            const std::string probe = module == ResourceModule::AdditionalCardSets ? listed.resourceName + "_B"
                                                                                   : listed.resourceName;
            EXPECT_TRUE(modules->Has(probe)) << probe;
        }
    EXPECT_EQ(modules->ListedResourceName(ResourceModule::AdditionalBacks, "No such deck"), "");
}

TEST(ResourceModulesTest, AMissingModuleIsReportedWithItsPathInLowerCase)
{
    marlowe::testing::TempFolder folder;
    ResourceModules modules(folder.path() / "Program");
    const Outcome opened = modules.Open(ResourceModule::Standard);
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.message().substr(0, 16), "Can't find/load ");
    EXPECT_EQ(opened.message().substr(opened.message().size() - 15), "program/sol.rgf");
    EXPECT_FALSE(modules.IsOpen(ResourceModule::Standard));
}
