#include "board/board_background.h"

#include "app/session_registers.h"
#include "app/text_file.h"
#include "board/picture_files.h"
#include "board/resource_modules.h"
#include "engine/preferences.h"
#include "engine/presentation.h"

#include <QBrush>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <system_error>

namespace marlowe {
namespace {

constexpr const char* kPreferenceSection = "Preference";
constexpr long long kButtonFaceColour = -2147483633;
constexpr int kFirstFullPicture = 500;  // textures from here on are whole pictures, not tiles
constexpr int kFadeDarkening = 200;     // the bottom of a fade has half the brightness of the top

const QColor kDefaultGreen(0, 128, 0);

// Repeats tile from the top-left corner until it covers the whole image, one tile pixel to
// each pixel of the image, so that a tile is never enlarged on a screen of a higher pixel ratio.
void TileImage(QImage& background, QImage tile)
{
    tile.setDevicePixelRatio(background.devicePixelRatio());
    QPainter painter(&background);
    painter.fillRect(QRect(QPoint(0, 0), background.deviceIndependentSize().toSize()), QBrush(tile));
}

}  // namespace

QColor BackgroundColourOf(long long value)
{
    if (value < 0)
        return QGuiApplication::palette().color(QPalette::Button);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

BackgroundSettings ChooseBackground(const SessionRegisters& registers, const Preferences& preferences)
{
    BackgroundSettings settings;
    settings.fade = registers.IsYes(reg::FadeBackground);
    if (registers.IsYes(reg::CustomisedBackgroundFile)) {
        settings.kind = BackgroundKind::PictureFile;
        settings.pictureFile = preferences.ReadString(kPreferenceSection, "Customized_Background");
        return settings;
    }
    if (registers.IsYes(reg::AdditionalBackgroundFile)) {
        settings.kind = BackgroundKind::AdditionalBackground;
        settings.additionalName = preferences.ReadString(kPreferenceSection, "Additional_Background");
        return settings;
    }
    if (registers.IsYes(reg::DefaultBackground))
        return settings;
    const long long texture = registers.GetNumber(reg::BackgroundPicture);
    if (texture >= 2 && texture <= 1000) {
        settings.kind = BackgroundKind::Texture;
        settings.textureNumber = static_cast<int>(texture);
        return settings;
    }
    // The fixed colours of the customize dialog are numbered by their colour value, above 1000.
    const long long fixed = registers.GetNumber(reg::FixedBackgroundColour);
    settings.kind = BackgroundKind::PlainColour;
    settings.colour =
        BackgroundColourOf(fixed > 1000 ? fixed : registers.GetNumber(reg::BackgroundColour, kButtonFaceColour));
    return settings;
}

void DrawTexture(QImage& background, int number, const QImage& texture)
{
    if (number < kFirstFullPicture) {
        TileImage(background, texture);
        return;
    }
    // A whole picture keeps its size on the board; on a screen of a higher pixel ratio it is
    // enlarged smoothly rather than pixel-doubled.
    QPainter painter(&background);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(background.rect(), kDefaultGreen);
    painter.drawImage(0, 0, texture);
}

BoardBackground::BoardBackground(ResourceModules& modules, SessionRegisters& registers, Preferences& preferences,
                                 Presentation& presentation, std::filesystem::path dataFolder, long long colourCount)
    : modules_(modules),
      registers_(registers),
      preferences_(preferences),
      presentation_(presentation),
      dataFolder_(std::move(dataFolder)),
      colourCount_(colourCount)
{
}

std::filesystem::path BoardBackground::PictureFilePath(const std::string& name) const
{
    const std::filesystem::path path(name);
    return path.has_parent_path() ? path : FindFileNoCase(dataFolder_, name + ".bmp");
}

void BoardBackground::Paint(QImage& background, const BackgroundSettings& settings, int scrollBarWidth)
{
    if (background.isNull())
        return;
    switch (settings.kind) {
    case BackgroundKind::DefaultGreen:
        PaintColour(background, kDefaultGreen, settings.fade, scrollBarWidth);
        return;
    case BackgroundKind::PlainColour:
        PaintColour(background, settings.colour, settings.fade, scrollBarWidth);
        return;
    case BackgroundKind::Texture: {
        const QImage texture = LoadTile(settings);
        if (texture.isNull())
            PaintColour(background, kDefaultGreen, false, scrollBarWidth);  // a number the program lacks
        else
            DrawTexture(background, settings.textureNumber, texture);
        return;
    }
    case BackgroundKind::PictureFile:
    case BackgroundKind::AdditionalBackground:
        break;
    }
    const QImage picture = LoadTile(settings);
    if (!picture.isNull()) {
        TileImage(background, picture);
        return;
    }
    ReportAndReset(settings);
    BackgroundSettings fallback;
    fallback.fade = registers_.IsYes(reg::FadeBackground);
    Paint(background, fallback, scrollBarWidth);
}

void BoardBackground::PaintColour(QImage& background, const QColor& colour, bool fade, int scrollBarWidth) const
{
    QPainter painter(&background);
    painter.fillRect(background.rect(), colour);
    // A display of 256 colours or fewer would show a ramp as coarse bands.
    if (!fade || colourCount_ <= 256)
        return;
    const QSize size = background.deviceIndependentSize().toSize();
    const int width = std::max(0, size.width() - scrollBarWidth);
    QLinearGradient ramp(0, 0, 0, size.height());
    ramp.setColorAt(0, colour);
    ramp.setColorAt(1, colour.darker(kFadeDarkening));
    painter.fillRect(QRect(0, 0, width, size.height()), ramp);
}

QImage BoardBackground::LoadTile(const BackgroundSettings& settings)
{
    std::string key;
    switch (settings.kind) {
    case BackgroundKind::PictureFile: key = "picture:" + PictureFilePath(settings.pictureFile).string(); break;
    case BackgroundKind::AdditionalBackground: key = "additional:" + settings.additionalName; break;
    default: key = "texture:" + std::to_string(settings.textureNumber); break;
    }
    if (key == tileKey_)
        return tile_;

    QImage tile;
    if (settings.kind == BackgroundKind::PictureFile) {
        tile = ReadPictureFile(PictureFilePath(settings.pictureFile));
    } else if (settings.kind == BackgroundKind::AdditionalBackground) {
        std::string resource = modules_.ListedResourceName(ResourceModule::AdditionalBackgrounds, settings.additionalName);
        if (resource.empty())
            resource = settings.additionalName;  // stored by its resource name
        if (modules_.Open(ResourceModule::AdditionalBackgrounds))
            tile = DecodeJpeg(modules_.Data(resource));
    } else if (modules_.Open(ResourceModule::Standard)) {
        tile = modules_.Image(TextureName(settings.textureNumber));
    }
    if (tile.isNull())
        return tile;
    // Opaque and in the board's own format, so that tiling is a plain copy.
    tileKey_ = key;
    tile_ = tile.convertToFormat(QImage::Format_RGB32);
    return tile_;
}

void BoardBackground::ReportAndReset(const BackgroundSettings& settings)
{
    if (settings.kind == BackgroundKind::PictureFile) {
        presentation_.ShowInfo("Customized background image not found: " +
                               PictureFilePath(settings.pictureFile).string());
    } else {
        ReportAdditionalPictureFailure(presentation_, dataFolder_, "Background", settings.additionalName);
    }
    registers_.Set(reg::CustomisedBackgroundFile, "N");
    registers_.Set(reg::AdditionalBackgroundFile, "N");
    registers_.Set(reg::DefaultBackground, "Y");
    registers_.Set(reg::FadeBackground, "Y");
    preferences_.WriteString(kPreferenceSection, "Customized_Background", "");
    preferences_.WriteString(kPreferenceSection, "Additional_Background", "");
    preferences_.WriteString(kPreferenceSection, "Background_def", "Y");
    preferences_.WriteString(kPreferenceSection, "Fade_Background", "Y");
}

}  // namespace marlowe
