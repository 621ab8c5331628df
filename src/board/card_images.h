#pragma once
// The card pictures of the board for the current card size: the 53 faces (index 0..51 by
// FaceImageIndex, 52 the joker), the back, the shadow and raised-border strips and the mark of a
// space for court cards. They come from the resource modules, from a card set or deck of the
// player's own (the data folder's "custom card sets" and "custom decks"), or from the additional
// modules; the choices live in the session registers and the preferences.

#include "board/card_art.h"
#include "resources/resource_names.h"

#include <QImage>

#include <array>
#include <map>
#include <memory>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace marlowe {

class Preferences;
class Presentation;
class ResourceModules;
class SessionRegisters;

inline constexpr int kFaceImageCount = 53;

class CardImages {
public:
    CardImages(ResourceModules& modules, SessionRegisters& registers, Preferences& preferences,
               Presentation& presentation, std::filesystem::path dataFolder, long long colourCount);

    char SizeLetter() const { return sizeLetter_; }
    bool IsAutoSize() const;
    int cardWidth() const { return cardWidth_; }
    int cardHeight() const { return cardHeight_; }

    const QImage& Face(int index) const { return faces_.at(static_cast<std::size_t>(index)); }
    const QImage& Back() const { return back_; }
    const QImage& Joker() const { return faces_[kFaceImageCount - 1]; }
    const QImage& ShadowStrip(int strip) const { return strip == 1 ? shadowRight_ : shadowBottom_; }
    const QImage& BorderStrip(int strip) const { return strip == 1 ? borderLight_ : borderDark_; }
    const QImage& CourtCardSpaceMark() const { return courtCardSpace_; }

    // A named picture of SOL.RGF, or of the size-"X" module for the "X" names. False when the
    // modules hold no such picture.
    bool LoadNamedImage(QImage& bitmap, std::string_view name);
    // An empty-pile mark by its mark name (any case); "deck" is the back. A name that is not a
    // mark shows "Error: " and the name. Size-"X" marks are stretched to the card size.
    bool LoadMarkImage(QImage& bitmap, std::string_view markName);
    // The mark picture of a resource suffix ("021" the empty stock of the families that show
    // one), at the card size. Marks are decoded once per card size.
    bool LoadMarkBySuffix(QImage& bitmap, const std::string& suffix);

    // Fills the faces for the current size, style and card set; suitSheetMode is the game's
    // rule: 1 draws every suit with the spades pictures, 2 the red suits with the hearts and the
    // black suits with the spades; without it the mode in use stays. Unless keepExtras, also the
    // court-card mark, the back, the strips and the joker.
    void LoadCardImages(bool keepExtras, std::optional<int> suitSheetMode = std::nullopt);
    // The suit-sheet mode the faces were last drawn with.
    int SuitSheetMode() const { return suitSheetMode_; }
    // The back from the chosen source (a deck of the player's, an additional deck, or a
    // built-in back), stretched to the card size.
    void LoadCardBack();

    // Takes the size letter into use (register and pictures), with the suit-sheet mode given or
    // the one in use. A failing size-"X" module resets every card choice.
    void SetCardSize(char letter, std::optional<int> suitSheetMode = std::nullopt);
    // Draws the cards at a smaller fixed size than the one chosen, for a board the chosen size
    // cannot hold; the player's choice stays in the register.
    void DrawAtFallbackSize(char letter, std::optional<int> suitSheetMode = std::nullopt);
    // The card width of the size "Auto" (the height keeps the cards' proportions); the pictures
    // are drawn again when it changes while "Auto" is in use.
    void SetAutoCardWidth(int width);
    // While allowed, faces of a size not drawn yet are stand-ins scaled from another size
    // (a window being resized); DrawExactFaces draws them properly.
    void AllowStandIns(bool allowed) { allowStandIns_ = allowed; }
    bool HasStandIns() const { return hasStandIns_; }
    void DrawExactFaces();
    // The device pixels per board pixel of the screen; the pictures are drawn at that many.
    void SetPixelRatio(double ratio);
    double PixelRatio() const { return pixelRatio_; }
    // The folder the drawn faces are kept in between runs; none by default.
    void SetArtCacheFolder(std::filesystem::path folder) { artCacheFolder_ = std::move(folder); }
    // The pictures of any size, once the standard module is open.
    CardArt& Art();

    // Size "B", the default style and back, no card set or deck of the player's or the modules.
    void ResetCardChoices();
    // First start: the size and style from the card set in use, or from the screen width.
    void ChooseFirstCardSize(int screenWidth);

    // The size letter of a card set file by its pixel size, or nothing for any other size and
    // for a file that is not a whole Windows bitmap.
    static std::optional<char> DetectCardSetSize(const std::filesystem::path& file);

private:
    // SetCardSize, recording the size in the register only when the player chose it.
    void TakeCardSize(char letter, std::optional<int> suitSheetMode, bool chosen);
    std::string DefaultStyle() const;
    std::filesystem::path CustomCardSetFile(const std::string& name) const;
    std::filesystem::path CustomDeckFile(const std::string& name) const;
    QImage CardSetSheet();
    void LoadBuiltInFaces();
    void CutCardSet(const QImage& sheet);
    void LoadExtras();
    void ResetDeckChoices();
    QImage FitToCard(const QImage& image) const;
    // Pictures drawn while running, for "Auto" and for pixel ratios other than 1.
    bool DrawsPictures() const;
    CardArtSize ArtSize() const { return {cardWidth_, cardHeight_, pixelRatio_}; }
    std::string BackNumber() const;
    std::string BuiltInStyle() const;

    ResourceModules& modules_;
    SessionRegisters& registers_;
    Preferences& preferences_;
    Presentation& presentation_;
    std::filesystem::path dataFolder_;
    long long colourCount_;

    char sizeLetter_ = 'B';
    int cardWidth_ = 71;
    int cardHeight_ = 96;
    int suitSheetMode_ = 0;
    int autoWidth_ = 0;  // 0 until the board's layout has chosen it
    double pixelRatio_ = 1.0;
    bool allowStandIns_ = false;
    bool hasStandIns_ = false;
    std::filesystem::path artCacheFolder_;
    std::unique_ptr<CardArt> art_;
    std::array<QImage, kFaceImageCount> faces_;
    QImage back_;
    QImage shadowRight_;
    QImage shadowBottom_;
    QImage borderLight_;
    QImage borderDark_;
    QImage courtCardSpace_;
    std::map<std::string, QImage> marks_;  // by suffix, for the current size
};

}  // namespace marlowe
