#include "resources/resource_names.h"

#include "app/text_helpers.h"
#include "catalogue/main_game.h"

#include <algorithm>
#include <cctype>

namespace marlowe {
namespace {

constexpr int kMiniatureFanLengths = 10;
constexpr int kShadowDepth = 9;
constexpr int kCustomGamesFamily = 800;
constexpr char kSuitLetters[] = {'H', 'D', 'C', 'S'};

std::string Upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

struct MarkRow {
    const char* mark;
    const char* suffix;
};

// Each empty-pile mark the piles ask for by name, and the suffix of its picture.
constexpr MarkRow kMarks[] = {
    {"StockVisible", "_WASTE"},   {"FirstTableauAll", "004"}, {"StockUp", "022"},
    {"stockdown", "005"},         {"StockStop", "008"},       {"Foundation", "004"},
    {"FoundationA", "010"},       {"Foundation2", "012"},     {"Foundation3", "013"},
    {"Foundation4", "014"},       {"Foundation5", "015"},     {"Foundation6", "016"},
    {"Foundation7", "017"},       {"Foundation8", "018"},     {"Foundation9", "019"},
    {"Foundation10", "020"},      {"Foundation11", "006"},    {"Foundation12", "003"},
    {"Foundation13", "011"},      {"Position", "_TABLEAU"},   {"EmptyPosition", "001"},
    {"emptypositionjqk", "009"},
};

// Every mark picture: the suffixes above, "002" and "007" that only the miniatures use, and "021",
// the empty stock of the families that show one.
std::vector<std::string> MarkSuffixes()
{
    std::vector<std::string> suffixes;
    for (int n = 1; n <= 22; ++n)
        suffixes.push_back(ZeroPad(n, 3));
    suffixes.push_back("_WASTE");
    suffixes.push_back("_TABLEAU");
    return suffixes;
}

ResourceModule ModuleForSize(char sizeLetter)
{
    return sizeLetter == 'X' ? ResourceModule::ExtraLarge : ResourceModule::Standard;
}

void AddSizedImages(std::vector<ResourceEntry>& entries, char size)
{
    const CardPixelSize card = CardSizeOf(size);
    const ResourceModule module = ModuleForSize(size);
    for (const std::string& style : CardStyles())
        for (char suit : kSuitLetters)
            entries.push_back({CardSheetName(size, style, suit), module, ResourceFamily::CardSheet, size,
                               style + suit, card.width * 5, card.height * 3});
    for (const std::string& back : CardBackNumbers())
        entries.push_back({CardBackName(size, back), module, ResourceFamily::CardBack, size, back,
                           card.width, card.height});
    entries.push_back({JokerName(size), module, ResourceFamily::Joker, size, "", card.width, card.height});
    entries.push_back({ShadowStripName(size, 1), module, ResourceFamily::Shadow, size, "1", kShadowDepth,
                       card.height});
    entries.push_back({ShadowStripName(size, 2), module, ResourceFamily::Shadow, size, "2", card.width,
                       kShadowDepth});
    entries.push_back({BorderStripName(size, 1), module, ResourceFamily::Border, size, "1", card.width,
                       card.height});
    entries.push_back({BorderStripName(size, 2), module, ResourceFamily::Border, size, "2", card.width,
                       card.height});
    for (const std::string& suffix : MarkSuffixes())
        entries.push_back({MarkResourceName(size, suffix), module, ResourceFamily::Mark, size, suffix,
                           card.width, card.height});
}

}  // namespace

const std::vector<std::string>& PackedDeckNames()
{
    // The decks of the built-in styles.
    static const std::vector<std::string> decks = {"svg-gm-paris", "svg-nicu-white", "svg-standard"};
    return decks;
}

namespace {

void AddNamed(std::vector<ResourceEntry>& entries, ResourceFamily family, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        entries.push_back({name, ResourceModule::Standard, family, 0, name, 0, 0});
}

void AddMiniatures(std::vector<ResourceEntry>& entries)
{
    AddNamed(entries, ResourceFamily::Miniature, {"Tab_d_01", "Tab_d_02", "Tab_s_01", "SL001", "SL002", "SL003"});
    for (const char* fan : {"Tab_v_", "Tab_h_", "Tab_a_"})
        for (int n = 1; n <= kMiniatureFanLengths; ++n) {
            const std::string name = fan + ZeroPad(n, 2);
            entries.push_back({name, ResourceModule::Standard, ResourceFamily::Miniature, 0, name, 0, 0});
        }
}

void AddInterfaceImages(std::vector<ResourceEntry>& entries)
{
    AddNamed(entries, ResourceFamily::Characteristic,
             {"PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK", "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM",
              "PROG_DIFF_HARD", "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
              "PROG_CHAN_VERYLOW", "PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
              "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY", "PROG_DISABLED"});

    std::vector<int> families;
    for (int family = 2; family <= 27; ++family)
        families.push_back(family);
    families.push_back(kCustomGamesFamily);
    for (int family : families)
        for (const char* form : {"", "_WIN", "_NOWIN", "_NOPLAYED"}) {
            const std::string name = FamilyResourceName(family) + form;
            entries.push_back({name, ResourceModule::Standard, ResourceFamily::TreeImage, 0, name, 0, 0});
        }
    AddNamed(entries, ResourceFamily::TreeImage, {"TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5"});

    const char* const commands[] = {"NEW", "OPEN", "RESTART", "SAVE", "UNDO", "REDO", "AUTOPLAY", "STAT", "RULES", "EXIT"};
    std::vector<std::string> toolbar;
    for (const char* command : commands)
        for (const char* form : {"_SMALL", "_LARGE"})
            toolbar.push_back(std::string("TB_") + command + form);
    for (const char* disabled : {"TB_RESTART_LARGE_DIS", "TB_UNDO_LARGE_DIS", "TB_REDO_LARGE_DIS",
                                 "TB_AUTOPLAY_LARGE_DIS", "TB_RESTORE_AFTER_F11_LARGE",
                                 "TB_RESTORE_AFTER_F11_SMALL"})
        toolbar.push_back(disabled);
    for (const std::string& name : toolbar)
        for (const char* look : {"", "2000_"})
            entries.push_back({look + name, ResourceModule::Standard, ResourceFamily::ToolbarImage, 0, look + name, 0, 0});

    AddNamed(entries, ResourceFamily::MenuImage,
             {"MN_SELECT", "MN_PLAYERS", "MN_BOOKMARK", "MN_PAUSE", "MN_SERIES", "MN_FAVORITES", "MN_CUSTOMIZE",
              "MN_RULESWIZARD", "MN_CARDCOUNTER"});
    AddNamed(entries, ResourceFamily::ButtonImage, {"BTN_NEW", "BTN_EDIT", "BTN_DELETE"});
    AddNamed(entries, ResourceFamily::StatusBarImage,
             {"STATUSBAR_STOCK", "STATUSBAR_WASTE", "STATUSBAR_FOUNDATION", "STATUSBAR_TABLEAU", "STATUSBAR_RESERVE"});
    AddNamed(entries, ResourceFamily::SuitImage, {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"});
    for (const char* hand : {"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1", "LEFT_HAND2"})
        for (const char* form : {"A", "B"}) {
            const std::string name = std::string("CUR_") + hand + form;
            entries.push_back({name, ResourceModule::Standard, ResourceFamily::Cursor, 0, name, 32, 32});
        }
}

void AddAdditionalModules(std::vector<ResourceEntry>& entries)
{
    for (const ListedResource& set : ListedResources(ResourceModule::AdditionalCardSets))
        for (char size : std::string_view("XSBM")) {
            const CardPixelSize card = CardSizeOf(size);
            entries.push_back({set.resourceName + "_" + size, ResourceModule::AdditionalCardSets,
                               ResourceFamily::AdditionalCardSet, size, set.resourceName, card.width * 5,
                               card.height * 12});
        }
    // Additional backs come at the largest card size; the loader stretches them to the card.
    const CardPixelSize largest = CardSizeOf('X');
    for (const ListedResource& back : ListedResources(ResourceModule::AdditionalBacks))
        entries.push_back({back.resourceName, ResourceModule::AdditionalBacks, ResourceFamily::AdditionalBack, 0,
                           back.resourceName, largest.width, largest.height});
    for (const ListedResource& background : ListedResources(ResourceModule::AdditionalBackgrounds))
        entries.push_back({background.resourceName, ResourceModule::AdditionalBackgrounds,
                           ResourceFamily::AdditionalBackground, 0, background.resourceName, 0, 0});
}

std::vector<ResourceEntry> BuildEntries()
{
    std::vector<ResourceEntry> entries;
    for (char size : kCardSizeLetters)
        AddSizedImages(entries, size);
    for (const std::string& texture : TextureNumbers())
        entries.push_back({"B" + texture, ResourceModule::Standard, ResourceFamily::Texture, 0, texture, 0, 0});
    AddMiniatures(entries);
    AddInterfaceImages(entries);
    for (const std::string& deck : PackedDeckNames())
        entries.push_back({deck, ResourceModule::Standard, ResourceFamily::DeckDrawing, 0, deck, 0, 0});
    for (const std::string& sound : SoundNames())
        entries.push_back({sound, ResourceModule::Standard, ResourceFamily::Sound, 0, sound, 0, 0});
    AddAdditionalModules(entries);
    return entries;
}

}  // namespace

CardPixelSize CardSizeOf(char sizeLetter)
{
    switch (sizeLetter) {
    case 'X': return {102, 138};
    case 'S': return {85, 115};
    case 'M': return {59, 80};
    case 'L': return {25, 32};
    default: return {71, 96};
    }
}

const std::vector<ResourceEntry>& AllResourceEntries()
{
    static const std::vector<ResourceEntry> entries = BuildEntries();
    return entries;
}

const std::vector<std::string>& CardStyles()
{
    static const std::vector<std::string> styles = {"001", "002", "003", "004"};
    return styles;
}

const std::vector<std::string>& CardBackNumbers()
{
    static const std::vector<std::string> backs = {"001", "003", "006", "007", "011", "014", "019", "020"};
    return backs;
}

const std::vector<std::string>& TextureNumbers()
{
    static const std::vector<std::string> textures = {"102", "287", "296", "304", "311", "324"};
    return textures;
}

const std::vector<std::string>& SoundNames()
{
    static const std::vector<std::string> sounds = {"Splash", "New",     "Shuffle", "Stock",   "Foundation",
                                                    "Tableau", "Face_up", "card_up", "Redeal",  "Autoplay",
                                                    "Pairing", "Eddy",    "Red_no_a", "About",
                                                    "card_down", "Won"};
    return sounds;
}

std::string CardSheetName(char sizeLetter, std::string_view style, char suitLetter)
{
    return std::string("C") + sizeLetter + std::string(style) + suitLetter;
}

std::string CardBackName(char sizeLetter, std::string_view backNumber)
{
    return std::string("D") + sizeLetter + std::string(backNumber);
}

std::string JokerName(char sizeLetter) { return std::string("JOKER_") + sizeLetter; }

std::string ShadowStripName(char sizeLetter, int strip)
{
    return std::string("SHADOW_") + sizeLetter + std::to_string(strip);
}

std::string BorderStripName(char sizeLetter, int strip)
{
    return std::string("3D_BORDER_") + sizeLetter + std::to_string(strip);
}

std::string MarkResourceName(char sizeLetter, std::string_view suffix)
{
    return std::string("W") + sizeLetter + std::string(suffix);
}

std::string TextureName(int number) { return "B" + ZeroPad(number, 3); }

std::string MarkSuffixOf(std::string_view markName)
{
    const std::string wanted = Upper(markName);
    for (const MarkRow& row : kMarks)
        if (Upper(row.mark) == wanted)
            return row.suffix;
    return {};
}

std::string ModuleFileName(ResourceModule module)
{
    switch (module) {
    case ResourceModule::Standard: return "SOL.RGF";
    case ResourceModule::ExtraLarge: return "plus/soladd.rgf";
    case ResourceModule::AdditionalCardSets: return "plus/c01.rgf";
    case ResourceModule::AdditionalBacks: return "plus/d01.rgf";
    case ResourceModule::AdditionalBackgrounds: return "plus/b01.rgf";
    }
    return {};
}

std::string ModuleListFileName(ResourceModule module)
{
    switch (module) {
    case ResourceModule::AdditionalCardSets: return "plus/c01.dat";
    case ResourceModule::AdditionalBacks: return "plus/d01.dat";
    case ResourceModule::AdditionalBackgrounds: return "plus/b01.dat";
    default: return {};
    }
}

const std::vector<ListedResource>& ListedResources(ResourceModule module)
{
    // The card sets keep the three display names that earlier custom sets may still carry.
    static const std::vector<ListedResource> cardSets = {
        {"CS01", "Children's Card Set"},
        {"CS02", "Small (16 colors)"},
        {"CS03", "Traditional English Playing Cards"},
        {"CS04", "Ornamental"},
    };
    static const std::vector<ListedResource> backs = {
        {"DK01", "Oxygen"},       {"DK02", "Dondorf"},  {"DK03", "Ancient Egypt"},
        {"DK04", "Jolly Royal"},  {"DK05", "Penguins"}, {"DK06", "Future"},
    };
    static const std::vector<ListedResource> backgrounds = {
        {"BG01", "Green felt"}, {"BG02", "Blue velvet"}, {"BG03", "Oak table"}, {"BG04", "Slate"},
    };
    static const std::vector<ListedResource> none;
    switch (module) {
    case ResourceModule::AdditionalCardSets: return cardSets;
    case ResourceModule::AdditionalBacks: return backs;
    case ResourceModule::AdditionalBackgrounds: return backgrounds;
    default: return none;
    }
}

}  // namespace marlowe
