#pragma once
// The names of every picture, cursor and sound the program loads from its resource modules, with
// the module that holds each and the pixel size it must have. The resource generator makes exactly
// these entries, and a test loads every one of them back, so a name the program asks for cannot
// go missing from the shipped modules.

#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// The five card sizes by letter, largest first.
inline constexpr std::string_view kCardSizeLetters = "XSBML";

struct CardPixelSize {
    int width = 0;
    int height = 0;
};

// Card width and height for a size letter; any letter that is not X, S, M or L means "B".
CardPixelSize CardSizeOf(char sizeLetter);

enum class ResourceModule {
    Standard,               // SOL.RGF beside the program
    ExtraLarge,             // plus/soladd.rgf: every image of size "X"
    AdditionalCardSets,     // plus/c01.rgf
    AdditionalBacks,        // plus/d01.rgf
    AdditionalBackgrounds,  // plus/b01.rgf
};

// What an entry is, which also tells the generator how to make it.
enum class ResourceFamily {
    CardSheet,         // "C" + size + style + suit: 13 faces in rows of 5, 5 and 3 cells
    CardBack,          // "D" + size + back number
    Joker,             // "JOKER_" + size
    Shadow,            // "SHADOW_" + size + 1 (right strip) or 2 (bottom strip); white is transparent
    Border,            // "3D_BORDER_" + size + 1 or 2; pure blue is transparent
    Mark,              // "W" + size + mark suffix: what an empty pile takes
    Texture,           // "B" + three digits: a built-in board background
    Miniature,         // the selection dialog's preview pieces ("Tab_...", "SL...")
    Characteristic,    // "PROG_...": game time, difficulty, skill and chance pictures
    TreeImage,         // "TREE5_..." family nodes with their won forms, "TREE1", "TREE2", "N_TREE3..5"
    ToolbarImage,      // "TB_..." and the "2000_TB_..." forms
    MenuImage,         // "MN_..."
    ButtonImage,       // "BTN_NEW", "BTN_EDIT", "BTN_DELETE"
    StatusBarImage,    // "STATUSBAR_..."
    SuitImage,         // "SUIT_..."
    Cursor,            // "CUR_..."
    Sound,             // a WAVE entry named as the sound events name it
    AdditionalCardSet, // a whole 5 x 12 card set sheet of one card size
    AdditionalBack,    // a back of the additional decks module
    AdditionalBackground,  // a JPEG background of the additional backgrounds module
    DeckDrawing,       // an SVG deck's drawing file, named by its folder, for faces of any size
};

struct ResourceEntry {
    std::string name;       // as the program asks for it; looked up without regard to case
    ResourceModule module = ResourceModule::Standard;
    ResourceFamily family = ResourceFamily::CardSheet;
    char sizeLetter = 0;    // the card size an image belongs to, 0 when none
    std::string variant;    // the style, back number, mark suffix, set key... that picks the picture
    int width = 0;          // required pixel size; 0 when the picture may have any size
    int height = 0;
};

// The decks whose drawings the standard module carries, by folder name.
const std::vector<std::string>& PackedDeckNames();

// Every entry of every module, in a fixed order.
const std::vector<ResourceEntry>& AllResourceEntries();

// The built-in card styles ("001" the default, "003" the clearest, "004" the special set).
const std::vector<std::string>& CardStyles();
// The built-in back numbers the customize dialog offers, three digits each.
const std::vector<std::string>& CardBackNumbers();
// The built-in textures, three digits each.
const std::vector<std::string>& TextureNumbers();
// The sound names the events play.
const std::vector<std::string>& SoundNames();

// Name builders, so the program and the generator spell every name the same way.
std::string CardSheetName(char sizeLetter, std::string_view style, char suitLetter);
std::string CardBackName(char sizeLetter, std::string_view backNumber);
std::string JokerName(char sizeLetter);
std::string ShadowStripName(char sizeLetter, int strip);
std::string BorderStripName(char sizeLetter, int strip);
std::string MarkResourceName(char sizeLetter, std::string_view suffix);
std::string TextureName(int number);

// The resource suffix of an empty-pile mark name (matched without regard to case), or "" for a
// name that is not a mark. "deck" is not a mark: it names the back.
std::string MarkSuffixOf(std::string_view markName);

// The module file an entry lives in, relative to the program folder ("SOL.RGF", "plus/c01.rgf").
std::string ModuleFileName(ResourceModule module);
// The list file of an additional module ("plus/c01.dat"), or "" for the modules without one.
std::string ModuleListFileName(ResourceModule module);

// The display names of the additional modules: resource name and the name the player sees.
struct ListedResource {
    std::string resourceName;
    std::string displayName;
};
const std::vector<ListedResource>& ListedResources(ResourceModule module);

}  // namespace marlowe
