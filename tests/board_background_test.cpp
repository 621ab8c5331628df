// The board background: which background the choices ask for, colours plain and faded, tiling of
// pictures and textures, and the recovery when a picture or an additional background is missing.

#include "board/board_background.h"

#include "app/session_registers.h"
#include "board/picture_files.h"
#include "board/resource_modules.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "test_support.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

const std::filesystem::path kProgramFolder = MARLOWE_BUILD_DIR;
constexpr long long kTrueColour = 16777216;
const QRgb kGreen = qRgb(0, 128, 0);

// A picture whose every pixel near the origin differs, so a misplaced tile shows.
QImage NumberedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 6 % 256, y * 10 % 256, 100));
    return picture;
}

// Every sampled pixel of board is the pixel of tile at the same place modulo the tile's size.
void ExpectTiled(const QImage& board, const QImage& tile)
{
    for (int y = 0; y < board.height(); y += 7)
        for (int x = 0; x < board.width(); x += 5)
            ASSERT_EQ(board.pixel(x, y), tile.pixel(x % tile.width(), y % tile.height())) << x << "," << y;
}

bool IsUniform(const QImage& board, QRgb colour)
{
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            if (board.pixel(x, y) != colour)
                return false;
    return true;
}

BackgroundSettings Settings(BackgroundKind kind)
{
    BackgroundSettings settings;
    settings.kind = kind;
    return settings;
}

class BackgroundTest : public ::testing::Test {
protected:
    BackgroundTest()
        : modules(kProgramFolder),
          preferences(data.path(), registers, presentation),
          background(modules, registers, preferences, presentation, data.path(), kTrueColour)
    {
        EXPECT_TRUE(modules.Open(ResourceModule::Standard));
    }

    QImage Painted(const BackgroundSettings& settings, int scrollBarWidth = 0)
    {
        QImage board(600, 300, QImage::Format_RGB32);
        background.Paint(board, settings, scrollBarWidth);
        return board;
    }

    std::string Preference(const char* key) { return preferences.ReadString("Preference", key); }

    // Both file choices were set and fading off before the failure.
    void ChooseBothFilesWithoutFade(const std::string& picture, const std::string& additional)
    {
        registers.Set(reg::CustomisedBackgroundFile, "Y");
        registers.Set(reg::AdditionalBackgroundFile, "Y");
        registers.Set(reg::DefaultBackground, "N");
        registers.Set(reg::FadeBackground, "N");
        preferences.WriteString("Preference", "Customized_Background", picture);
        preferences.WriteString("Preference", "Additional_Background", additional);
        preferences.WriteString("Preference", "Background_def", "N");
        preferences.WriteString("Preference", "Fade_Background", "N");
    }

    void ExpectResetToDefault(const QImage& board)
    {
        EXPECT_EQ(registers.Get(reg::CustomisedBackgroundFile), "N");
        EXPECT_EQ(registers.Get(reg::AdditionalBackgroundFile), "N");
        EXPECT_TRUE(registers.IsYes(reg::DefaultBackground));
        EXPECT_TRUE(registers.IsYes(reg::FadeBackground));
        EXPECT_EQ(Preference("Customized_Background"), "");
        EXPECT_EQ(Preference("Additional_Background"), "");
        EXPECT_EQ(Preference("Background_Def"), "Y");
        EXPECT_EQ(Preference("Fade_Background"), "Y");
        EXPECT_EQ(ChooseBackground(registers, preferences).kind, BackgroundKind::DefaultGreen);
        BackgroundSettings green = Settings(BackgroundKind::DefaultGreen);
        green.fade = true;
        EXPECT_EQ(board, Painted(green));
    }

    marlowe::testing::TempFolder data;
    SessionRegisters registers;
    RecordingPresentation presentation;
    ResourceModules modules;
    Preferences preferences;
    BoardBackground background;
};

}  // namespace

TEST_F(BackgroundTest, ChoicesPickTheBackgroundInTheirOrder)
{
    registers.Set(reg::FadeBackground, "Y");
    registers.Set(reg::BackgroundPicture, "0");
    registers.Set(reg::FixedBackgroundColour, 16711680);
    BackgroundSettings chosen = ChooseBackground(registers, preferences);
    EXPECT_EQ(chosen.kind, BackgroundKind::PlainColour);
    EXPECT_EQ(chosen.colour, QColor(0, 0, 255));  // blue lies in the high byte
    EXPECT_TRUE(chosen.fade);

    registers.Set(reg::FixedBackgroundColour, 0);
    registers.Set(reg::BackgroundColour, 0x0080FF);
    EXPECT_EQ(ChooseBackground(registers, preferences).colour, QColor(255, 128, 0));

    registers.Set(reg::BackgroundPicture, "311");
    chosen = ChooseBackground(registers, preferences);
    EXPECT_EQ(chosen.kind, BackgroundKind::Texture);
    EXPECT_EQ(chosen.textureNumber, 311);

    registers.Set(reg::DefaultBackground, "Y");
    EXPECT_EQ(ChooseBackground(registers, preferences).kind, BackgroundKind::DefaultGreen);

    registers.Set(reg::AdditionalBackgroundFile, "Y");
    preferences.WriteString("Preference", "Additional_Background", "Slate");
    chosen = ChooseBackground(registers, preferences);
    EXPECT_EQ(chosen.kind, BackgroundKind::AdditionalBackground);
    EXPECT_EQ(chosen.additionalName, "Slate");

    registers.Set(reg::CustomisedBackgroundFile, "Y");
    preferences.WriteString("Preference", "Customized_Background", "/pictures/table.jpg");
    chosen = ChooseBackground(registers, preferences);
    EXPECT_EQ(chosen.kind, BackgroundKind::PictureFile);
    EXPECT_EQ(chosen.pictureFile, "/pictures/table.jpg");
}

TEST_F(BackgroundTest, FadeRampsDownTheBoardButNeverOnA256ColourDisplay)
{
    BackgroundSettings settings = Settings(BackgroundKind::PlainColour);
    settings.colour = QColor(200, 100, 60);
    const QRgb plain = settings.colour.rgb();
    EXPECT_TRUE(IsUniform(Painted(settings), plain));

    settings.fade = true;
    const QImage faded = Painted(settings, 20);
    EXPECT_GT(qRed(faded.pixel(10, 0)), qRed(faded.pixel(10, 150)));
    EXPECT_GT(qRed(faded.pixel(10, 150)), qRed(faded.pixel(10, 299)));
    EXPECT_EQ(faded.pixel(0, 150), faded.pixel(579, 150));  // the ramp runs down, not across
    EXPECT_EQ(faded.pixel(590, 299), plain);               // the scroll bar strip keeps the colour

    BoardBackground fewColours(modules, registers, preferences, presentation, data.path(), 256);
    QImage board(600, 300, QImage::Format_RGB32);
    fewColours.Paint(board, settings);
    EXPECT_TRUE(IsUniform(board, plain));
}

TEST_F(BackgroundTest, TexturesBelow500AreTiledAndTheOthersDrawnOnce)
{
    const QImage tile = NumberedPicture(40, 30);
    QImage board(130, 70, QImage::Format_RGB32);
    DrawTexture(board, 499, tile);
    ExpectTiled(board, tile);

    DrawTexture(board, 500, tile);
    EXPECT_EQ(board.pixel(39, 29), tile.pixel(39, 29));
    EXPECT_EQ(board.pixel(40, 0), kGreen);
    EXPECT_EQ(board.pixel(0, 30), kGreen);
    EXPECT_EQ(board.pixel(129, 69), kGreen);
}

TEST_F(BackgroundTest, AWholePictureAtPixelRatioTwoKeepsItsSizeAndIsNotPixelDoubled)
{
    const QImage picture = NumberedPicture(40, 30);
    QImage board(260, 140, QImage::Format_RGB32);
    board.setDevicePixelRatio(2);
    DrawTexture(board, 500, picture);
    EXPECT_NE(board.pixel(78, 58), kGreen);
    EXPECT_EQ(board.pixel(81, 0), kGreen);
    EXPECT_EQ(board.pixel(0, 61), kGreen);
    // Doubled pixels would make every 2 x 2 block of one colour.
    int blocks = 0;
    int uniform = 0;
    for (int y = 2; y < 56; y += 2)
        for (int x = 2; x < 76; x += 2, ++blocks)
            uniform += board.pixel(x, y) == board.pixel(x + 1, y) && board.pixel(x, y) == board.pixel(x, y + 1);
    EXPECT_LT(uniform, blocks / 4);
}

TEST_F(BackgroundTest, BuiltInTextureTilesAndAnUnknownNumberGivesTheGreen)
{
    BackgroundSettings settings = Settings(BackgroundKind::Texture);
    settings.textureNumber = 102;
    const QImage texture = modules.Image(TextureName(102)).convertToFormat(QImage::Format_RGB32);
    ASSERT_LT(texture.width(), 600);
    ExpectTiled(Painted(settings), texture);

    settings.textureNumber = 777;
    EXPECT_TRUE(IsUniform(Painted(settings), kGreen));
    EXPECT_TRUE(presentation.events.empty());
}

TEST_F(BackgroundTest, PicturesAndAdditionalBackgroundsAreTiledFromTheTopLeft)
{
    const QImage picture = NumberedPicture(37, 23);
    ASSERT_TRUE(picture.save(QString::fromStdString((data / "Mine.BMP").string()), "BMP"));
    BackgroundSettings settings = Settings(BackgroundKind::PictureFile);
    settings.pictureFile = "mine";  // the data folder's "mine.bmp", found whatever its case
    const QImage board = Painted(settings);
    EXPECT_EQ(board.pixel(37, 0), board.pixel(0, 0));
    ExpectTiled(board, picture);

    settings = Settings(BackgroundKind::AdditionalBackground);
    settings.additionalName = "Green felt";
    ASSERT_TRUE(modules.Open(ResourceModule::AdditionalBackgrounds));
    const QImage felt = DecodeJpeg(modules.Data(modules.ListedResourceName(ResourceModule::AdditionalBackgrounds,
                                                                           settings.additionalName)));
    ASSERT_FALSE(felt.isNull());
    ExpectTiled(Painted(settings), felt);
    EXPECT_TRUE(presentation.events.empty());
}

TEST_F(BackgroundTest, MissingPictureIsReportedWithItsPathAndEveryChoiceReset)
{
    ChooseBothFilesWithoutFade("gone", "Slate");
    const QImage board = Painted(ChooseBackground(registers, preferences));
    ASSERT_EQ(presentation.events.size(), 1u);
    EXPECT_EQ(presentation.events[0], "info: Customized background image not found: " + (data / "gone.bmp").string());
    ExpectResetToDefault(board);
}

TEST_F(BackgroundTest, APictureCutShortIsReportedLikeAMissingOne)
{
    const std::filesystem::path file = data / "cut.bmp";
    ASSERT_TRUE(NumberedPicture(37, 23).save(QString::fromStdString(file.string()), "BMP"));
    std::filesystem::resize_file(file, std::filesystem::file_size(file) - 10);
    ChooseBothFilesWithoutFade("cut", "Slate");
    const QImage board = Painted(ChooseBackground(registers, preferences));
    ASSERT_EQ(presentation.events.size(), 1u);
    EXPECT_EQ(presentation.events[0], "info: Customized background image not found: " + file.string());
    ExpectResetToDefault(board);
}

TEST_F(BackgroundTest, UnloadableAdditionalBackgroundDeletesTheRandomListAndResets)
{
    data.Write("RND_READ.DAT", {"1"});
    ChooseBothFilesWithoutFade("", "No such background");
    registers.Set(reg::CustomisedBackgroundFile, "N");
    const QImage board = Painted(ChooseBackground(registers, preferences));
    ASSERT_EQ(presentation.events.size(), 1u);
    EXPECT_EQ(presentation.events[0],
              "info: Error loading the Background: No such background\nPlease install again Kestrel Plus!");
    EXPECT_FALSE(std::filesystem::exists(data / "RND_READ.DAT"));
    ExpectResetToDefault(board);
}
