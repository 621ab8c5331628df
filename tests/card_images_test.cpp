// Card pictures: the size a card set of the player's imposes, decks of any size stretched to the
// card, the game's suit-sheet rule, the marks, and every failure with the recovery a player
// needs (a message, and cards to play with).

#include "board/card_art.h"
#include "board/card_images.h"

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "board/resource_modules.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "test_support.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

using namespace marlowe;

namespace {

const std::filesystem::path kProgramFolder = MARLOWE_BUILD_DIR;

// A card set sheet whose cells each have a colour of their own: red = column, green = row.
QImage NumberedCardSet(int cardWidth, int cardHeight)
{
    QImage sheet(cardWidth * 5, cardHeight * 12, QImage::Format_RGB32);
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 5; ++column)
            for (int y = 0; y < cardHeight; ++y)
                for (int x = 0; x < cardWidth; ++x)
                    sheet.setPixel(column * cardWidth + x, row * cardHeight + y, qRgb(column * 40, row * 20, 0));
    return sheet;
}

QRgb CellColour(int row, int column) { return qRgb(column * 40, row * 20, 0); }

class CardImagesTest : public ::testing::Test {
protected:
    explicit CardImagesTest(std::filesystem::path programFolder = kProgramFolder)
        : modules(programFolder),
          preferences(data.path(), registers, presentation),
          images(modules, registers, preferences, presentation, data.path(), 16777216)
    {
        EXPECT_TRUE(modules.Open(ResourceModule::Standard));
        ClearCardFileChoices(registers);
        registers.Set(reg::CardSet, "001");
        registers.Set(reg::CardBack, "011");
    }

    void SaveCustomSet(const std::string& name, const QImage& sheet)
    {
        std::filesystem::create_directories(data / "custom card sets");
        ASSERT_TRUE(sheet.save(QString::fromStdString((data / "custom card sets" / (name + ".crs")).string()), "BMP"));
        registers.Set(reg::CustomisedCardSetFile, "Y");
        preferences.WriteString("Preference", "Customized_Cards_Set", name);
    }

    std::string Preference(const char* key) { return preferences.ReadString("Preference", key); }

    marlowe::testing::TempFolder data;
    SessionRegisters registers;
    RecordingPresentation presentation;
    ResourceModules modules;
    Preferences preferences;
    CardImages images;
};

}  // namespace

TEST_F(CardImagesTest, BuiltInSizesGiveCardsOfTheirPixelSize)
{
    for (char size : std::string_view("SBML")) {
        images.SetCardSize(size);
        const CardPixelSize card = CardSizeOf(size);
        EXPECT_EQ(registers.Get(reg::CardSize), std::string(1, size));
        for (int index : {0, 25, 51, 52})
            EXPECT_EQ(images.Face(index).size(), QSize(card.width, card.height)) << size << index;
        EXPECT_EQ(images.Back().size(), QSize(card.width, card.height)) << size;
        EXPECT_FALSE(images.ShadowStrip(1).isNull());
        EXPECT_FALSE(images.BorderStrip(2).isNull());
        EXPECT_FALSE(images.CourtCardSpaceMark().isNull());
    }
    EXPECT_TRUE(presentation.events.empty());
}

TEST_F(CardImagesTest, TheSuitSheetRuleDrawsSuitsWithAnotherSuitsPictures)
{
    images.SetCardSize('B', 2);
    EXPECT_EQ(images.Face(13), images.Face(0));   // the ace of diamonds shows the ace of hearts
    EXPECT_EQ(images.Face(26), images.Face(39));  // the ace of clubs shows the ace of spades
    EXPECT_NE(images.Face(0), images.Face(39));
    images.LoadCardImages(true, 1);
    EXPECT_EQ(images.Face(0), images.Face(39));
    images.LoadCardImages(true, 0);
    EXPECT_NE(images.Face(13), images.Face(0));
}

TEST_F(CardImagesTest, ACardSetOfTheNormalSizeSwitchesTheSizeToB)
{
    SaveCustomSet("Mine", NumberedCardSet(71, 96));
    ASSERT_EQ(CardImages::DetectCardSetSize(data / "custom card sets" / "Mine.crs"), 'B');
    images.SetCardSize('M');
    EXPECT_EQ(images.SizeLetter(), 'B');
    EXPECT_EQ(registers.Get(reg::CardSize), "B");
    EXPECT_EQ(images.Face(0).pixel(10, 10), CellColour(0, 0));    // ace of hearts
    EXPECT_EQ(images.Face(12).pixel(10, 10), CellColour(2, 2));   // king of hearts
    EXPECT_EQ(images.Face(13).pixel(10, 10), CellColour(3, 0));   // ace of diamonds
    EXPECT_EQ(images.Face(51).pixel(10, 10), CellColour(11, 2));  // king of spades

    images.LoadCardImages(true, 2);
    EXPECT_EQ(images.Face(13).pixel(10, 10), CellColour(0, 0));  // diamonds from the hearts rows
    EXPECT_EQ(images.Face(26).pixel(10, 10), CellColour(9, 0));  // clubs from the spades rows
    EXPECT_TRUE(presentation.events.empty());
}

TEST_F(CardImagesTest, CardSetSizesAreRecognisedOnlyWhenExact)
{
    const struct {
        int width, height;
        std::optional<char> size;
    } cases[] = {{510, 1656, 'X'}, {425, 1380, 'S'}, {355, 1152, 'B'}, {295, 960, 'M'}, {355, 1151, std::nullopt},
                 {125, 384, std::nullopt}};
    for (const auto& c : cases) {
        const std::filesystem::path file = data / "probe.bmp";
        ASSERT_TRUE(QImage(c.width, c.height, QImage::Format_RGB32).save(QString::fromStdString(file.string()), "BMP"));
        EXPECT_EQ(CardImages::DetectCardSetSize(file), c.size) << c.width << "x" << c.height;
    }
    EXPECT_EQ(CardImages::DetectCardSetSize(data / "missing.crs"), std::nullopt);
}

TEST_F(CardImagesTest, AMissingOrMisshapenCardSetIsReportedAndTheChoicesReset)
{
    registers.Set(reg::CustomisedCardSetFile, "Y");
    preferences.WriteString("Preference", "Customized_Cards_Set", "Gone");
    images.SetCardSize('M');
    ASSERT_EQ(presentation.events.size(), 1u);
    EXPECT_EQ(presentation.events[0],
              "info: Customized cards set image not found: " + (data / "custom card sets" / "Gone.crs").string());
    EXPECT_EQ(registers.Get(reg::CustomisedCardSetFile), "N");
    EXPECT_EQ(Preference("Customized_Cards_Set"), "");
    EXPECT_EQ(images.SizeLetter(), 'B');
    EXPECT_FALSE(images.Face(0).isNull());

    presentation.events.clear();
    SaveCustomSet("Odd", QImage(100, 100, QImage::Format_RGB32));
    images.SetCardSize('B');
    ASSERT_EQ(presentation.events.size(), 1u);
    EXPECT_EQ(presentation.events[0], "info: The format of the Customized card set image is not valid.\n" +
                                          (data / "custom card sets" / "Odd.crs").string());
    EXPECT_EQ(registers.Get(reg::CustomisedCardSetFile), "N");
    EXPECT_EQ(images.Face(0).size(), QSize(71, 96));
}

// A file that ends before its last pixel would otherwise be read with the rest left black.
TEST_F(CardImagesTest, ACardSetCutShortIsRefusedLikeAMisshapenOne)
{
    images.SetCardSize('B');
    const QImage builtInFace = images.Face(0);
    const QImage sheet = NumberedCardSet(71, 96);
    const std::filesystem::path file = data / "custom card sets" / "Cut.crs";
    const struct {
        const char* what;
        QImage sheet;
        std::intmax_t keep;  // bytes kept from the start, or when negative, cut from the end
    } cases[] = {
        {"one byte short", sheet, -1},
        {"the headers alone", sheet, 54},
        {"inside the information header", sheet, 30},
        {"with a palette, half its rows", sheet.convertToFormat(QImage::Format_Indexed8), -356 * 576},
    };
    for (const auto& c : cases) {
        presentation.events.clear();
        SaveCustomSet("Cut", c.sheet);
        const auto size = static_cast<std::intmax_t>(std::filesystem::file_size(file));
        std::filesystem::resize_file(file, static_cast<std::uintmax_t>(c.keep > 0 ? c.keep : size + c.keep));
        EXPECT_EQ(CardImages::DetectCardSetSize(file), std::nullopt) << c.what;
        images.SetCardSize('M');
        EXPECT_EQ(presentation.events, std::vector<std::string>{"info: The format of the Customized card set image "
                                                                "is not valid.\n" + file.string()})
            << c.what;
        EXPECT_EQ(registers.Get(reg::CustomisedCardSetFile), "N") << c.what;
        EXPECT_EQ(Preference("Customized_Cards_Set"), "") << c.what;
        EXPECT_EQ(images.SizeLetter(), 'B') << c.what;
        EXPECT_EQ(images.Face(0), builtInFace) << c.what;
    }
}

TEST_F(CardImagesTest, AFormerCustomSetIsTakenFromTheAdditionalModule)
{
    registers.Set(reg::CustomisedCardSetFile, "Y");
    preferences.WriteString("Preference", "Customized_Cards_Set", "Children's Card Set");
    images.SetCardSize('B');
    EXPECT_TRUE(presentation.events.empty()) << presentation.events.front();
    EXPECT_EQ(registers.Get(reg::CustomisedCardSetFile), "N");
    EXPECT_EQ(registers.Get(reg::AdditionalCardSetFile), "Y");
    EXPECT_EQ(Preference("Customized_Cards_Set"), "");
    EXPECT_EQ(Preference("Additional_Cards_Set"), "CS01");
    EXPECT_EQ(images.Face(0).size(), QSize(71, 96));
}

TEST_F(CardImagesTest, AnAdditionalSetThatCannotBeLoadedIsReported)
{
    std::ofstream(data / "Rnd_read.dat") << "x\n";
    registers.Set(reg::AdditionalCardSetFile, "Y");
    preferences.WriteString("Preference", "Additional_Cards_Set", "No such set");
    images.SetCardSize('B');
    ASSERT_FALSE(presentation.events.empty());
    EXPECT_EQ(presentation.events[0], "info: Error loading the Card Set: No such set\nPlease install again Kestrel Plus!");
    EXPECT_FALSE(std::filesystem::exists(data / "Rnd_read.dat"));
    EXPECT_EQ(registers.Get(reg::AdditionalCardSetFile), "N");
    EXPECT_FALSE(images.Face(0).isNull());
}

TEST_F(CardImagesTest, DecksOfAnySizeCoverTheCard)
{
    std::filesystem::create_directories(data / "custom decks");
    QImage small(59, 80, QImage::Format_RGB32);
    small.fill(qRgb(10, 20, 200));
    ASSERT_TRUE(small.save(QString::fromStdString((data / "custom decks" / "Small.bmp").string()), "BMP"));
    ASSERT_TRUE(small.save(QString::fromStdString((data / "custom decks" / "Photo.jpg").string()), "JPG"));
    registers.Set(reg::CustomisedDeckFile, "Y");
    for (const char* name : {"Small", "Photo.jpg"}) {
        preferences.WriteString("Preference", "Customized_Deck", name);
        images.SetCardSize('S');
        EXPECT_EQ(images.Back().size(), QSize(85, 115)) << name;
        const QColor centre = images.Back().pixelColor(40, 50);
        EXPECT_GT(centre.blue(), 150) << name;
        EXPECT_LT(centre.red(), 60) << name;
    }
    EXPECT_TRUE(presentation.events.empty());
}

TEST_F(CardImagesTest, AMissingDeckFallsBackToTheDefaultBack)
{
    registers.Set(reg::CustomisedDeckFile, "Y");
    registers.Set(reg::CardBack, "003");
    preferences.WriteString("Preference", "Customized_Deck", "Lost");
    images.SetCardSize('B');
    ASSERT_EQ(presentation.events.size(), 1u);
    EXPECT_EQ(presentation.events[0], "info: Customized deck image not found: " +
                                          (data / "custom decks" / "Lost.bmp").string());
    EXPECT_EQ(registers.Get(reg::CustomisedDeckFile), "N");
    EXPECT_EQ(registers.Get(reg::CardBack), "011");
    EXPECT_EQ(Preference("Customized_Deck"), "");
    QImage builtIn;
    ASSERT_TRUE(images.LoadNamedImage(builtIn, "DB011"));
    EXPECT_EQ(images.Back(), builtIn);
}

TEST_F(CardImagesTest, ADeckCutShortFallsBackToTheDefaultBack)
{
    images.SetCardSize('B');
    const QImage builtInBack = images.Back();
    std::filesystem::create_directories(data / "custom decks");
    QImage picture(71, 96, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 3, y * 2, (x * y) % 256));
    for (const char* name : {"Cut.bmp", "Cut.jpg"}) {
        presentation.events.clear();
        const std::filesystem::path file = data / "custom decks" / name;
        ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
        std::filesystem::resize_file(file, std::filesystem::file_size(file) / 2);
        registers.Set(reg::CustomisedDeckFile, "Y");
        preferences.WriteString("Preference", "Customized_Deck", name);
        images.LoadCardBack();
        EXPECT_EQ(presentation.events, std::vector<std::string>{"info: Customized deck image not found: " + file.string()})
            << name;
        EXPECT_EQ(registers.Get(reg::CustomisedDeckFile), "N") << name;
        EXPECT_EQ(images.Back(), builtInBack) << name;
    }
}

// A window going back and forth between two sizes draws each picture once per size: the faces
// are kept in memory and in the cache folder, the backs, marks and strips in memory.
TEST_F(CardImagesTest, PicturesOfAKeptSizeAreNotDrawnAgain)
{
    images.SetArtCacheFolder(data / "cards");
    CardArt& art = images.Art();
    const CardArtSize small{100, 136, 1.0};
    const CardArtSize large{120, 163, 1.0};
    const QImage face = art.Faces("001", small)[0];
    ASSERT_FALSE(face.isNull());
    art.Faces("001", large);
    EXPECT_EQ(art.Faces("001", small)[0].cacheKey(), face.cacheKey());
    EXPECT_EQ(art.DrawnFaceSets(), 2);
    art.ForgetFaces();
    EXPECT_EQ(art.Faces("001", small)[0], face);
    EXPECT_EQ(art.ReadFaceSets(), 1);
    EXPECT_EQ(art.DrawnFaceSets(), 2);

    const std::vector<std::function<QImage(CardArtSize)>> pieces{
        [&](CardArtSize size) { return art.Back("011", size); },
        [&](CardArtSize size) { return art.Mark("021", size); },
        [&](CardArtSize size) { return art.BorderStrip(1, size); },
        [&](CardArtSize size) { return art.ShadowStrip(2, 3, size); },
    };
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const QImage first = pieces[k](small);
        ASSERT_FALSE(first.isNull()) << k;
        const QImage other = pieces[k](large);
        EXPECT_GT(other.width(), first.width()) << k;
        EXPECT_EQ(pieces[k](small).cacheKey(), first.cacheKey()) << k;
    }
    EXPECT_NE(art.Back("012", small).cacheKey(), art.Back("011", small).cacheKey());
}

TEST_F(CardImagesTest, MarksAreFoundByNameInAnyCase)
{
    images.SetCardSize('B');
    QImage mark;
    EXPECT_TRUE(images.LoadMarkImage(mark, "FoundationA"));
    EXPECT_EQ(mark.size(), QSize(71, 96));
    QImage sameMark;
    EXPECT_TRUE(images.LoadMarkImage(sameMark, "foundationa"));
    EXPECT_EQ(mark, sameMark);
    EXPECT_TRUE(images.LoadMarkImage(mark, "deck"));
    EXPECT_EQ(mark, images.Back());
    EXPECT_TRUE(presentation.events.empty());

    EXPECT_FALSE(images.LoadMarkImage(mark, "Foundation14"));
    EXPECT_TRUE(mark.isNull());
    EXPECT_EQ(presentation.events, std::vector<std::string>{"info: Error: Foundation14"});
}

namespace {

// A program folder holding SOL.RGF but not the plus folder.
class WithoutExtraLargeModuleTest : public ::testing::Test {
protected:
    WithoutExtraLargeModuleTest()
    {
        std::filesystem::copy_file(kProgramFolder / "SOL.RGF", program / "SOL.RGF");
    }
    marlowe::testing::TempFolder program;
};

}  // namespace

TEST_F(WithoutExtraLargeModuleTest, TheExtraLargeSizeFallsBackToNormalCards)
{
    marlowe::testing::TempFolder data;
    SessionRegisters registers;
    RecordingPresentation presentation;
    ResourceModules modules(program.path());
    ASSERT_TRUE(modules.Open(ResourceModule::Standard));
    Preferences preferences(data.path(), registers, presentation);
    CardImages images(modules, registers, preferences, presentation, data.path(), 16777216);
    images.SetCardSize('X');
    ASSERT_FALSE(presentation.events.empty());
    std::string path = (program.path() / "plus" / "soladd.rgf").string();
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    EXPECT_EQ(presentation.events[0], "info: Can't find/load " + path);
    EXPECT_EQ(images.SizeLetter(), 'B');
    EXPECT_EQ(registers.Get(reg::CardSize), "B");
    EXPECT_EQ(images.Face(0).size(), QSize(71, 96));
}
