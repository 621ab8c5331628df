#include "board/card_images.h"

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "app/text_file.h"
#include "app/text_helpers.h"
#include "board/picture_files.h"
#include "board/resource_modules.h"
#include "engine/preferences.h"
#include "engine/presentation.h"
#include "layout/card_geometry.h"

#include <QFileInfo>


namespace marlowe {
namespace {

constexpr char kSuitLetters[] = {'H', 'D', 'C', 'S'};
constexpr int kSheetColumns = 5;
constexpr int kRanksPerSuit = 13;
constexpr const char* kPreferenceSection = "Preference";

// Card sets that came with earlier versions as files and now live in the additional module.
constexpr std::string_view kFormerCustomSets[] = {"Children's Card Set", "Small (16 colors)",
                                                  "Traditional English Playing Cards"};

// The suit whose pictures draw a suit under the game's sheet rule.
int PictureSuitOf(int suit, int suitSheetMode)
{
    if (suitSheetMode == 1)
        return 3;
    if (suitSheetMode == 2)
        return suit < 2 ? 0 : 3;
    return suit;
}

// Cell (column, row) of the card of a rank in a sheet whose suit starts at firstRow.
QRect CellOf(int rank, int firstRow, int width, int height)
{
    const int cell = rank - 1;
    return {(cell % kSheetColumns) * width, (firstRow + cell / kSheetColumns) * height, width, height};
}

// The size letter of a card set sheet by its pixel size; nothing for any other size.
std::optional<char> CardSetSizeOf(const QImage& sheet)
{
    for (char letter : std::string_view("XSBM")) {
        const CardPixelSize card = CardSizeOf(letter);
        if (sheet.width() == card.width * kSheetColumns && sheet.height() == card.height * 12)
            return letter;
    }
    return std::nullopt;
}

bool HasExtension(const std::string& name)
{
    const std::string extension = std::filesystem::path(name).extension().string();
    return EqualsNoCase(extension, ".bmp") || EqualsNoCase(extension, ".jpg") || EqualsNoCase(extension, ".jpeg");
}

}  // namespace

CardImages::CardImages(ResourceModules& modules, SessionRegisters& registers, Preferences& preferences,
                       Presentation& presentation, std::filesystem::path dataFolder, long long colourCount)
    : modules_(modules),
      registers_(registers),
      preferences_(preferences),
      presentation_(presentation),
      dataFolder_(std::move(dataFolder)),
      colourCount_(colourCount)
{
}

std::string CardImages::DefaultStyle() const
{
    return colourCount_ > 256 ? "001" : "003";
}

bool CardImages::LoadNamedImage(QImage& bitmap, std::string_view name)
{
    bitmap = modules_.Image(name);
    return !bitmap.isNull();
}

bool CardImages::LoadMarkImage(QImage& bitmap, std::string_view markName)
{
    if (EqualsNoCase(markName, "deck")) {
        bitmap = back_;
        return !bitmap.isNull();
    }
    const std::string suffix = MarkSuffixOf(markName);
    if (suffix.empty()) {
        presentation_.ShowInfo("Error: " + std::string(markName));
        bitmap = QImage();
        return false;
    }
    return LoadMarkBySuffix(bitmap, suffix);
}

bool CardImages::LoadMarkBySuffix(QImage& bitmap, const std::string& suffix)
{
    const auto cached = marks_.find(suffix);
    if (cached != marks_.end()) {
        bitmap = cached->second;
        return true;
    }
    if (DrawsPictures()) {
        bitmap = Art().Mark(suffix, ArtSize());
        if (bitmap.isNull())
            return false;
        marks_[suffix] = bitmap;
        return true;
    }
    if (!LoadNamedImage(bitmap, MarkResourceName(sizeLetter_, suffix)))
        return false;
    bitmap = FitToCard(bitmap);
    marks_[suffix] = bitmap;
    return true;
}

QImage CardImages::FitToCard(const QImage& image) const
{
    const int width = DevicePixels(cardWidth_, pixelRatio_);
    const int height = DevicePixels(cardHeight_, pixelRatio_);
    if (image.isNull() || (image.width() == width && image.height() == height))
        return AtRatio(image, pixelRatio_);
    return AtRatio(image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), pixelRatio_);
}

bool CardImages::IsAutoSize() const
{
    return sizeLetter_ == kAutoSizeLetter;
}

bool CardImages::DrawsPictures() const
{
    return IsAutoSize() || pixelRatio_ != 1.0;
}

CardArt& CardImages::Art()
{
    if (!art_) {
        // The decks lie in the standard module, one folder each.
        const QString drawing = modules_.EntryPath(PackedDeckNames().front());
        const QString decks = QFileInfo(QFileInfo(drawing).path()).path();
        art_ = std::make_unique<CardArt>(decks, artCacheFolder_);
    }
    return *art_;
}

std::string CardImages::BuiltInStyle() const
{
    return registers_.Get(reg::CardSet).empty() ? DefaultStyle() : registers_.Get(reg::CardSet);
}

std::string CardImages::BackNumber() const
{
    return registers_.Get(reg::CardBack).empty() ? "011" : registers_.Get(reg::CardBack);
}

void CardImages::SetAutoCardWidth(int width)
{
    const bool known = autoWidth_ > 0;
    autoWidth_ = width;
    if (!IsAutoSize() || (known && width == cardWidth_))
        return;
    const CardMetrics card = CardMetricsOfWidth(width, false);
    cardWidth_ = card.cardWidth;
    cardHeight_ = card.cardHeight;
    LoadCardImages(false);
}

void CardImages::DrawExactFaces()
{
    if (!hasStandIns_)
        return;
    allowStandIns_ = false;
    LoadCardImages(false);
}

void CardImages::SetPixelRatio(double ratio)
{
    if (ratio <= 0 || ratio == pixelRatio_)
        return;
    pixelRatio_ = ratio;
    if (!IsAutoSize() || autoWidth_ > 0)
        LoadCardImages(false);
}

std::optional<char> CardImages::DetectCardSetSize(const std::filesystem::path& file)
{
    return CardSetSizeOf(ReadBitmapFile(file));
}

std::filesystem::path CardImages::CustomCardSetFile(const std::string& name) const
{
    const std::filesystem::path folder = dataFolder_ / "custom card sets";
    const std::filesystem::path found = FindFileNoCase(folder, name + ".crs");
    return found.empty() ? folder / (name + ".crs") : found;
}

std::filesystem::path CardImages::CustomDeckFile(const std::string& name) const
{
    const std::filesystem::path folder = dataFolder_ / "custom decks";
    const std::string file = HasExtension(name) ? name : name + ".bmp";
    const std::filesystem::path found = FindFileNoCase(folder, file);
    return found.empty() ? folder / file : found;
}

// The sheet of the card set in use at the current size, or a null image for the built-in
// faces. A set that cannot be used is reported and every card choice goes back to its default.
QImage CardImages::CardSetSheet()
{
    if (registers_.IsYes(reg::CustomisedCardSetFile)) {
        const std::string name = preferences_.ReadString(kPreferenceSection, "Customized_Cards_Set");
        const std::filesystem::path file = CustomCardSetFile(name);
        if (!std::filesystem::exists(file)) {
            for (std::string_view former : kFormerCustomSets)
                if (name == former) {
                    // The set now comes with the additional module under the same name.
                    registers_.Set(reg::CustomisedCardSetFile, "N");
                    registers_.Set(reg::AdditionalCardSetFile, "Y");
                    preferences_.WriteString(kPreferenceSection, "Customized_Cards_Set", "");
                    preferences_.WriteString(kPreferenceSection, "Additional_Cards_Set",
                                             modules_.ListedResourceName(ResourceModule::AdditionalCardSets, name));
                    return CardSetSheet();
                }
            presentation_.ShowInfo("Customized cards set image not found: " + file.string());
            ResetCardChoices();
            return {};
        }
        QImage sheet = ReadBitmapFile(file);
        const std::optional<char> size = CardSetSizeOf(sheet);
        if (!size) {
            presentation_.ShowInfo("The format of the Customized card set image is not valid.\n" + file.string());
            ResetCardChoices();
            return {};
        }
        if (*size != sizeLetter_)
            SetCardSize(*size);  // the set's own size decides the card size
        return sheet;
    }
    if (registers_.IsYes(reg::AdditionalCardSetFile) && sizeLetter_ != 'L') {
        if (IsAutoSize())
            SetCardSize('B');  // the additional sets come in the fixed sizes only
        const std::string name = preferences_.ReadString(kPreferenceSection, "Additional_Cards_Set");
        std::string resource = modules_.ListedResourceName(ResourceModule::AdditionalCardSets, name);
        if (resource.empty())
            resource = name;  // stored by its resource name
        QImage sheet;
        if (modules_.Open(ResourceModule::AdditionalCardSets))
            sheet = modules_.Image(resource + "_" + sizeLetter_);
        if (sheet.isNull()) {
            ReportAdditionalPictureFailure(presentation_, dataFolder_, "Card Set", name);
            ResetCardChoices();
        }
        return sheet;
    }
    return {};
}

void CardImages::LoadBuiltInFaces()
{
    const std::string style = BuiltInStyle();
    if (DrawsPictures()) {
        const CardFaceSet& drawn = Art().Faces(style, ArtSize(), allowStandIns_);
        hasStandIns_ = Art().GaveStandIns();
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 1; rank <= kRanksPerSuit; ++rank)
                faces_[static_cast<std::size_t>(suit * kRanksPerSuit + rank - 1)] =
                    drawn[static_cast<std::size_t>(PictureSuitOf(suit, suitSheetMode_) * kRanksPerSuit + rank - 1)];
        return;
    }
    const CardPixelSize cell = CardSizeOf(sizeLetter_);
    for (int suit = 0; suit < 4; ++suit) {
        const QImage sheet = modules_.Image(CardSheetName(sizeLetter_, style, kSuitLetters[PictureSuitOf(suit, suitSheetMode_)]));
        for (int rank = 1; rank <= kRanksPerSuit; ++rank)
            faces_[static_cast<std::size_t>(suit * kRanksPerSuit + rank - 1)] =
                FitToCard(sheet.copy(CellOf(rank, 0, cell.width, cell.height)));
    }
}

void CardImages::CutCardSet(const QImage& sheet)
{
    for (int suit = 0; suit < 4; ++suit) {
        const int firstRow = 3 * PictureSuitOf(suit, suitSheetMode_);
        for (int rank = 1; rank <= kRanksPerSuit; ++rank)
            faces_[static_cast<std::size_t>(suit * kRanksPerSuit + rank - 1)] =
                sheet.copy(CellOf(rank, firstRow, cardWidth_, cardHeight_));
    }
}

void CardImages::LoadCardImages(bool keepExtras, std::optional<int> suitSheetMode)
{
    hasStandIns_ = false;
    if (suitSheetMode)
        suitSheetMode_ = *suitSheetMode;
    const QImage setSheet = CardSetSheet();
    if (setSheet.isNull())
        LoadBuiltInFaces();
    else
        CutCardSet(setSheet);
    if (!keepExtras)
        LoadExtras();
}

void CardImages::LoadExtras()
{
    marks_.clear();
    LoadMarkImage(courtCardSpace_, "emptypositionjqk");
    LoadCardBack();
    if (DrawsPictures()) {
        CardArt& art = Art();
        shadowRight_ = art.ShadowStrip(1, CardMetricsFor('B', true).shadowDepth, ArtSize());
        shadowBottom_ = art.ShadowStrip(2, CardMetricsFor('B', true).shadowDepth, ArtSize());
        borderLight_ = art.BorderStrip(1, ArtSize());
        borderDark_ = art.BorderStrip(2, ArtSize());
        faces_[kFaceImageCount - 1] = art.Faces(BuiltInStyle(), ArtSize(), allowStandIns_)[kFaceImageCount - 1];
        return;
    }
    LoadNamedImage(shadowRight_, ShadowStripName(sizeLetter_, 1));
    LoadNamedImage(shadowBottom_, ShadowStripName(sizeLetter_, 2));
    LoadNamedImage(borderLight_, BorderStripName(sizeLetter_, 1));
    LoadNamedImage(borderDark_, BorderStripName(sizeLetter_, 2));
    borderLight_ = FitToCard(borderLight_);
    borderDark_ = FitToCard(borderDark_);
    QImage joker;
    LoadNamedImage(joker, JokerName(sizeLetter_));
    faces_[kFaceImageCount - 1] = FitToCard(joker);
}

void CardImages::ResetDeckChoices()
{
    registers_.Set(reg::CustomisedDeckFile, "N");
    registers_.Set(reg::AdditionalDeckFile, "N");
    registers_.Set(reg::CardBack, "011");
    preferences_.WriteString(kPreferenceSection, "Customized_Deck", "");
    preferences_.WriteString(kPreferenceSection, "Additional_Deck", "");
    preferences_.WriteInt(kPreferenceSection, "Back_Card", 11);
}

void CardImages::LoadCardBack()
{
    QImage picture;
    if (registers_.IsYes(reg::CustomisedDeckFile)) {
        const std::filesystem::path file =
            CustomDeckFile(preferences_.ReadString(kPreferenceSection, "Customized_Deck"));
        picture = ReadPictureFile(file);
        if (picture.isNull()) {
            presentation_.ShowInfo("Customized deck image not found: " + file.string());
            ResetDeckChoices();
        }
    } else if (registers_.IsYes(reg::AdditionalDeckFile)) {
        const std::string name = preferences_.ReadString(kPreferenceSection, "Additional_Deck");
        std::string resource = modules_.ListedResourceName(ResourceModule::AdditionalBacks, name);
        if (resource.empty())
            resource = name;
        if (modules_.Open(ResourceModule::AdditionalBacks))
            picture = modules_.Image(resource);
        if (picture.isNull()) {
            ReportAdditionalPictureFailure(presentation_, dataFolder_, "Deck", name);
            ResetDeckChoices();
        }
    }
    if (picture.isNull() && DrawsPictures()) {
        back_ = Art().Back(BackNumber(), ArtSize());
        if (!back_.isNull())
            return;
    }
    if (picture.isNull())
        LoadNamedImage(picture, CardBackName(sizeLetter_, BackNumber()));
    // A back of any size, a small-size back included, covers the whole card.
    back_ = FitToCard(picture);
}

void CardImages::SetCardSize(char letter, std::optional<int> suitSheetMode)
{
    TakeCardSize(letter, suitSheetMode, true);
}

void CardImages::DrawAtFallbackSize(char letter, std::optional<int> suitSheetMode)
{
    TakeCardSize(letter, suitSheetMode, false);
}

void CardImages::TakeCardSize(char letter, std::optional<int> suitSheetMode, bool chosen)
{
    if (letter == 'X') {
        const Outcome opened = modules_.Open(ResourceModule::ExtraLarge);
        if (!opened) {
            presentation_.ShowInfo(opened.message());
            ResetCardChoices();
            return;
        }
    }
    const bool known = letter == kAutoSizeLetter || std::string_view(kCardSizeLetters).find(letter) != std::string_view::npos;
    sizeLetter_ = known ? letter : 'B';
    const CardMetrics card =
        IsAutoSize() ? CardMetricsOfWidth(std::max(autoWidth_, 1), false) : CardMetricsFor(sizeLetter_, false);
    cardWidth_ = card.cardWidth;
    cardHeight_ = card.cardHeight;
    if (chosen)
        registers_.Set(reg::CardSize, std::string(1, sizeLetter_));
    // "Auto" draws its pictures once the board's layout has chosen the card.
    if (IsAutoSize() && autoWidth_ == 0)
        return;
    LoadCardImages(false, suitSheetMode);
}

void CardImages::ResetCardChoices()
{
    ClearCardFileChoices(registers_);
    for (const char* key : {"Customized_Cards_Set", "Additional_Cards_Set", "Customized_Deck", "Additional_Deck"})
        preferences_.WriteString(kPreferenceSection, key, "");
    registers_.Set(reg::CardSet, DefaultStyle());
    preferences_.WriteInt(kPreferenceSection, "Card", std::stoi(DefaultStyle()));
    preferences_.WriteString(kPreferenceSection, "Card_Size", "B");
    SetCardSize('B');
}

void CardImages::ChooseFirstCardSize(int screenWidth)
{
    std::optional<char> size;
    if (registers_.IsYes(reg::CustomisedCardSetFile))
        size = DetectCardSetSize(CustomCardSetFile(preferences_.ReadString(kPreferenceSection, "Customized_Cards_Set")));
    else if (registers_.IsYes(reg::AdditionalCardSetFile))
        size = 'B';  // the additional sets come in every size; the usual one serves
    if (!size) {
        // A new player's cards fit the window whatever its size.
        size = kAutoSizeLetter;
        const std::string style = screenWidth >= 650 ? DefaultStyle() : "003";
        registers_.Set(reg::CardSet, style);
        preferences_.WriteInt(kPreferenceSection, "Card", std::stoi(style));
        preferences_.WriteString(kPreferenceSection, "Customized_Cards_Set", "");
        preferences_.WriteString(kPreferenceSection, "Additional_Cards_Set", "");
    }
    preferences_.WriteString(kPreferenceSection, "Card_Size", std::string(1, *size));
    SetCardSize(*size);
}

}  // namespace marlowe
