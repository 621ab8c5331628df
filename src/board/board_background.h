#pragma once
// The table under the cards: the default green, a plain colour (optionally faded), a picture of
// the player's, an additional background of the plus module or a built-in texture. It is painted
// into the board's background image whenever the board is redrawn in full or changes size. A
// picture or additional background that cannot be loaded is reported and every background choice
// goes back to the default, so that the next redraw does not fail again.

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>

namespace marlowe {

class Preferences;
class Presentation;
class ResourceModules;
class SessionRegisters;

enum class BackgroundKind {
    DefaultGreen,
    PlainColour,
    PictureFile,
    AdditionalBackground,
    Texture,
};

struct BackgroundSettings {
    BackgroundKind kind = BackgroundKind::DefaultGreen;
    QColor colour = QColor(0, 128, 0);  // the plain colour; the default green for DefaultGreen
    bool fade = false;                  // colours only
    int textureNumber = 0;              // Texture only
    std::string pictureFile;            // PictureFile: a path, or a name in the data folder
    std::string additionalName;         // AdditionalBackground: the name the player sees
};

// The colour of a stored colour value: blue in the high byte, red in the low byte. Negative
// values name system colours; the one the program stores is the button face, which becomes the
// desktop's button colour.
QColor BackgroundColourOf(long long value);

// The background the current choices ask for: a picture of the player's, then an additional
// background, then the default green, then a built-in texture (2..1000), then a fixed colour
// (above 1000), and otherwise the chosen colour.
BackgroundSettings ChooseBackground(const SessionRegisters& registers, const Preferences& preferences);

// A built-in texture over the whole board: textures below 500 are tiled from the top-left
// corner, the others are full pictures drawn once at the top-left corner over the default green.
void DrawTexture(QImage& background, int number, const QImage& texture);

class BoardBackground {
public:
    BoardBackground(ResourceModules& modules, SessionRegisters& registers, Preferences& preferences,
                    Presentation& presentation, std::filesystem::path dataFolder, long long colourCount);

    // Paints the whole of background, which already has the board's size. A fade covers the
    // board less the scroll bar strip at the right (scrollBarWidth 0 when none is shown).
    void Paint(QImage& background, const BackgroundSettings& settings, int scrollBarWidth = 0);

    // The file a picture name stands for: a name without a folder is a ".bmp" of the data folder.
    std::filesystem::path PictureFilePath(const std::string& name) const;

private:
    void PaintColour(QImage& background, const QColor& colour, bool fade, int scrollBarWidth) const;
    // The picture, decoded texture or additional background, or a null image when it cannot be
    // had. Kept for the next redraw, which repeats on every resize.
    QImage LoadTile(const BackgroundSettings& settings);
    void ReportAndReset(const BackgroundSettings& settings);

    ResourceModules& modules_;
    SessionRegisters& registers_;
    Preferences& preferences_;
    Presentation& presentation_;
    std::filesystem::path dataFolder_;
    long long colourCount_;

    std::string tileKey_;
    QImage tile_;
};

}  // namespace marlowe
