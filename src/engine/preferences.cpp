#include "engine/preferences.h"

#include "app/ini_file.h"
#include "app/session_registers.h"
#include "app/system_helpers.h"
#include "app/text_file.h"
#include "app/text_helpers.h"
#include "catalogue/custom_games.h"
#include "catalogue/main_game.h"
#include "engine/presentation.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace marlowe {

namespace {

constexpr std::string_view kPreference = "Preference";
constexpr std::string_view kSettings = "Settings";
constexpr std::string_view kParameters = "Parameters";
constexpr std::string_view kUsers = "Users";
constexpr std::string_view kAutoplay = "Autoplay";

constexpr std::string_view kFileName = "Cfg.dat";
constexpr std::string_view kFirstPlayer = "Player 1";
constexpr int kButtonFaceColour = -2147483633; // the system colour that a stored 0 stands for
constexpr int kCountedRuns = 51;

// Defaults that are not one fixed text.
enum class Machine {
    None,
    CardSet,          // 3 on a display of 256 colours or fewer, else 1
    WindowWidth,      // screen width - 150
    WindowHeight,     // screen height - 150
    LikeCardsAnimate, // shadows follow the animation setting until chosen
    NewerDesktop,     // "Y" on the newer desktops
};

// How the start-up read fills the key's register.
enum class Into {
    Nothing,  // read where it is needed, or converted by ReadAllPreferences itself
    Text,     // the value as it stands
    Number,   // the value as a decimal number
    FileFlag, // "Y" when the value names a file
};

struct KeyEntry {
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
    Into into = Into::Nothing;
    std::optional<RegisterField> field = std::nullopt;
    Machine machine = Machine::None;
};

using enum Into;
using enum Machine;
constexpr auto P = kPreference;

// Every key of the file that has a default, with the register the start-up read fills.
constexpr KeyEntry kKeys[] = {
    {P, "Show_ToolTips", "Y", Text, reg::ShowToolTips},
    {P, "ToolBar_Large", "", Nothing, {}, NewerDesktop},
    {P, "ToolBar_Flat", "Y"},
    {P, "ToolBar_XP", "", Nothing, {}, NewerDesktop},
    {P, "ToolBar_Visible", "Y"},
    {P, "StatusBar", "N", Text, reg::StatusBar},
    {P, "Back_Card", "11"},
    {P, "Card", "", Nothing, {}, CardSet},
    {P, "Card_Size", "B", Text, reg::CardSize},
    {P, "Customized_Cards_Set", "", FileFlag, reg::CustomisedCardSetFile},
    {P, "Additional_Cards_Set", "", FileFlag, reg::AdditionalCardSetFile},
    {P, "Customized_Cards_Set_Old_Big", ""},
    {P, "Additional_Cards_Set_Old_Big", ""},
    {P, "Customized_Deck", "", FileFlag, reg::CustomisedDeckFile},
    {P, "Additional_Deck", "", FileFlag, reg::AdditionalDeckFile},
    {P, "Background_def", "N", Text, reg::DefaultBackground},
    {P, "Background_bmp", ""},
    {P, "Background_Col", "-2147483633"},
    {P, "Background_Fixed_Col", "32768", Number, reg::FixedBackgroundColour},
    {P, "Fade_Background", "Y", Text, reg::FadeBackground},
    {P, "Customized_Background", "", FileFlag, reg::CustomisedBackgroundFile},
    {P, "Additional_Background", "", FileFlag, reg::AdditionalBackgroundFile},
    {P, "Random_Background", "N", Text, reg::RandomBackground},
    {P, "Random_Card", "N", Text, reg::RandomCardSet},
    {P, "Random_Deck", "N", Text, reg::RandomCardBack},
    {P, "Game", "1"},
    {P, "Game_name", "FreeCell", Text, reg::GameName},
    {P, "Game_TreeNum", "-30"},
    {P, "Game_TreePos", ""},
    {P, "Game_TreeType", "0"},
    {P, "Open_Preview_Game", "Y"},
    {P, "Open_Show_Won_Lost", "N"},
    {P, "Show_Time", "Y", Text, reg::ShowTime},
    {P, "Show_Score", "Y", Text, reg::ShowScore},
    {P, "Cards_Animate", "Y", Text, reg::AnimateCardMoves},
    {P, "Cards_Shadowed", "", Text, reg::CardShadows, LikeCardsAnimate},
    {P, "Speed_Move_Card", "10", Number, reg::MoveSpeed},
    {P, "Deal_Animation", "Y", Text, reg::DealAnimation},
    {P, "Redeal_Animation", "Y", Text, reg::RedealAnimation},
    {P, "Winning_Animations", "(Random)"},
    {P, "Winning_Animations_Time", "30"},
    {P, "Winning_Animation", ""}, // written by the customize dialog, never read
    {P, "Piles_TT", "N", Text, reg::PickedCardsDrawing},
    {P, "ShowPilesSize", "N", Text, reg::ShowPileSizes},
    {P, "VertScrollBar", "Y", Text, reg::VerticalScrollBar},
    {P, "Show_Main_Popup_Menu", "Y", Text, reg::MainPopupMenu},
    {P, "Show_Partial_Hidden_Card", "Y", Text, reg::ShowPartlyHiddenCards},
    {P, "Automatic_FaceUp", "Y", Text, reg::AutomaticFaceUp},
    {P, "RightClick_To_Foundations", "Y", Text, reg::RightClickToFoundations},
    {P, "RightClick_To_Tableaus", "Y", Text, reg::RightClickToTableaus},
    {P, "DoubleClick_To_Foundations", "Y", Text, reg::DoubleClickToFoundations},
    {P, "DoubleClick_To_Tableaus", "N", Text, reg::DoubleClickToTableaus},
    {P, "Undo_Enabled", "0", Text, reg::UndoSetting},
    {P, "AutoPlay_All_Games", "1"},
    {P, "AutoPlay", "Y"},
    {P, "Winnable_Deals_Only", "N"},
    {P, "HighLights_Foundations_Mark", "0"},
    {P, "HighLights_Foundations_Color", "0"},
    {P, "Cursor", "10", Number, reg::CursorSet},
    {P, "Language", "20000", Number, reg::LanguageBase},
    {P, "UserDefault", ""},
    {P, "Disable_Statistics", "N"},
    {P, "ConfirmQuitGame", "N", Text, reg::ConfirmQuitGame},
    {P, "ConfirmEnterHiScores", "Y", Text, reg::ConfirmEnterHiScores},
    {P, "ConfirmQuit", "N"},
    {P, "Sounds_Enabled", "Y", Text, reg::SoundsEnabled},
    {P, "Sounds_About", "Y", Text, SoundSwitch::About},
    {P, "Sounds_Autoplay", "Y", Text, SoundSwitch::Autoplay},
    {P, "Sounds_GameWon", "Y", Text, SoundSwitch::GameWon},
    {P, "Sounds_NewGame", "N", Text, SoundSwitch::NewGame},
    {P, "Sounds_Redo", "Y", Text, SoundSwitch::Redo},
    {P, "Sounds_Restart", "Y", Text, SoundSwitch::Restart},
    {P, "Sounds_Splash", "Y", Text, SoundSwitch::Splash},
    {P, "Sounds_Shuffle", "Y", Text, SoundSwitch::Shuffle},
    {P, "Sounds_Undo", "Y", Text, SoundSwitch::Undo},
    {P, "Sounds_HiScores", "Y", Text, SoundSwitch::HiScores},
    {P, "Sounds_NewHiScores", "Y", Text, SoundSwitch::NewHiScores},
    {P, "Sounds_Pairing", "Y", Text, SoundSwitch::Pairing},
    {P, "Sounds_Stock", "Y", Text, SoundSwitch::Stock},
    {P, "Sounds_Tableau", "Y", Text, SoundSwitch::Tableau},
    {P, "Sounds_FaceUp", "Y", Text, SoundSwitch::FaceUp},
    {P, "Sounds_CardDown", "Y", Text, SoundSwitch::CardDown},
    {P, "Sounds_CardUp", "Y", Text, SoundSwitch::CardUp},
    {P, "Sounds_Redeal", "Y", Text, SoundSwitch::Redeal},
    {P, "Sounds_Foundation", "Y", Text, SoundSwitch::Foundation},
    {P, "Sounds_Redeal_Without_Animation", "Y", Text, SoundSwitch::RedealWithoutAnimation},
    {P, "MainWindowState_Left", "50"},
    {P, "MainWindowState_Top", "50"},
    {P, "MainWindowState_Width", "", Nothing, {}, WindowWidth},
    {P, "MainWindowState_Height", "", Nothing, {}, WindowHeight},
    {P, "MainWindowState_Maximized", "Y"},
    {P, "Full_Screen", "N"},
    {kSettings, "Random_Game_Type", "2"},
    {kSettings, "Games_Fast_Search_Type", "0"},
    {kParameters, "Run_Exe", "0"},
    {kParameters, "Players_Names_V01", "N"},
};

const KeyEntry* FindKey(std::string_view section, std::string_view key)
{
    for (const KeyEntry& entry : kKeys)
        if (EqualsNoCase(entry.key, key) && EqualsNoCase(entry.section, section))
            return &entry;
    return nullptr;
}

// value zero-padded to width; fallback instead when it does not fit (ZeroPad gives asterisks).
std::string Padded(long long value, int width, long long fallback)
{
    const std::string text = ZeroPad(value, width);
    return text.find('*') == std::string::npos ? text : ZeroPad(fallback, width);
}

// value in decimal; fallback instead when it is too long for a field of width characters.
std::string Fitted(long long value, int width, long long fallback)
{
    const std::string text = std::to_string(value);
    return text.size() <= static_cast<std::size_t>(width) ? text : std::to_string(fallback);
}

std::int16_t Word(int value, std::int16_t fallback)
{
    using Limits = std::numeric_limits<std::int16_t>;
    return value >= Limits::min() && value <= Limits::max() ? static_cast<std::int16_t>(value) : fallback;
}

// The "Cust_" key of a custom game: the number has four digits in the custom range.
std::string CustomAutoplayKey(int number)
{
    return "Cust_" + std::to_string(number);
}

} // namespace

Preferences::Preferences(std::filesystem::path dataFolder, SessionRegisters& registers, Presentation& presentation)
    : dataFolder_(std::move(dataFolder)), registers_(registers), presentation_(presentation)
{
}

std::filesystem::path Preferences::FilePath() const
{
    const std::string name = registers_.Get(reg::PreferencesFileName);
    return FindFileNoCase(dataFolder_, name.empty() ? std::string(kFileName) : name);
}

std::string Preferences::DefaultOf(const IniFile& file, std::string_view section, std::string_view key) const
{
    const KeyEntry* entry = FindKey(section, key);
    if (!entry)
        return {};
    switch (entry->machine) {
    case CardSet:
        return display_.colourCount <= 256 ? "3" : "1";
    case WindowWidth:
        return std::to_string(display_.screenWidth - 150);
    case WindowHeight:
        return std::to_string(display_.screenHeight - 150);
    case LikeCardsAnimate:
        return Text(file, kPreference, "Cards_Animate");
    case NewerDesktop:
        return IsWindowsXP() ? "Y" : "N";
    case Machine::None:
        break;
    }
    return std::string(entry->fallback);
}

std::string Preferences::Text(const IniFile& file, std::string_view section, std::string_view key) const
{
    if (file.HasKey(section, key))
        return file.ReadString(section, key, "");
    return DefaultOf(file, section, key);
}

int Preferences::Number(const IniFile& file, std::string_view section, std::string_view key) const
{
    const auto fallback = ParseInteger(DefaultOf(file, section, key)).value_or(0);
    return file.ReadInt(section, key, static_cast<int>(fallback));
}

std::string Preferences::ReadString(std::string_view section, std::string_view key) const
{
    return Text(IniFile(FilePath()), section, key);
}

std::string Preferences::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return IniFile(FilePath()).ReadString(section, key, fallback);
}

int Preferences::ReadInt(std::string_view section, std::string_view key) const
{
    return Number(IniFile(FilePath()), section, key);
}

int Preferences::ReadInt(std::string_view section, std::string_view key, int fallback) const
{
    return IniFile(FilePath()).ReadInt(section, key, fallback);
}

bool Preferences::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    IniFile file(FilePath());
    file.WriteString(section, key, value);
    return Commit(file);
}

bool Preferences::WriteInt(std::string_view section, std::string_view key, int value)
{
    IniFile file(FilePath());
    file.WriteInt(section, key, value);
    return Commit(file);
}

bool Preferences::KeepDamagedFile(const IniFile& file)
{
    const std::filesystem::path copy = file.Path().string() + ".damaged";
    std::error_code error;
    std::filesystem::copy_file(file.Path(), copy, std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        if (!failureReported_)
            presentation_.ShowInfo("The preferences file\n" + file.Path().string() +
                                   "\nis damaged, and no copy of it could be kept as\n" + copy.string() +
                                   "\nIt is left as it is; your settings will not be remembered.");
        failureReported_ = true;
        return false;
    }
    presentation_.ShowInfo("The preferences file\n" + file.Path().string() +
                           "\nwas damaged. It has been kept as\n" + copy.string() +
                           "\nand the settings that could not be read are back at their defaults.");
    return true;
}

bool Preferences::Commit(IniFile& file)
{
    if (file.Damaged() && !KeepDamagedFile(file))
        return false;
    if (file.Save())
        return true;
    if (!failureReported_) {
        failureReported_ = true;
        presentation_.ShowInfo("The preferences file\n" + file.Path().string() +
                               "\ncannot be written. Your settings stay in effect until the program ends,"
                               " but they will not be remembered.");
    }
    return false;
}

void Preferences::ReadAllPreferences(TMainGame& game, const DisplayFacts& display)
{
    display_ = display;
    const IniFile file(FilePath());

    for (const KeyEntry& entry : kKeys) {
        switch (entry.into) {
        case Into::Text:
            registers_.Set(*entry.field, Text(file, entry.section, entry.key));
            break;
        case Into::Number: {
            const auto fallback = ParseInteger(DefaultOf(file, entry.section, entry.key)).value_or(0);
            registers_.Set(*entry.field, Fitted(Number(file, entry.section, entry.key), entry.field->Width(), fallback));
            break;
        }
        case Into::FileFlag:
            // Cleared rather than left alone, so that a second read cannot keep a stale "Y".
            registers_.Set(*entry.field, Text(file, entry.section, entry.key).empty() ? "" : "Y");
            break;
        case Into::Nothing:
            break;
        }
    }

    // Card back 0 (and any number below 1) names the first back.
    const int back = Number(file, kPreference, "Back_Card");
    registers_.Set(reg::CardBack, Padded(back < 1 ? 1 : back, reg::CardBack.Width(), 11));
    const int cardSetDefault = static_cast<int>(ParseInteger(DefaultOf(file, kPreference, "Card")).value_or(1));
    const int cardSet = Number(file, kPreference, "Card");
    registers_.Set(reg::CardSet, Padded(cardSet < 1 ? cardSetDefault : cardSet, reg::CardSet.Width(), cardSetDefault));

    const int colour = Number(file, kPreference, "Background_Col");
    registers_.Set(reg::BackgroundColour, static_cast<long long>(colour == 0 ? kButtonFaceColour : colour));
    const std::string picture = Text(file, kPreference, "Background_bmp");
    registers_.Set(reg::BackgroundPicture, picture.empty() ? std::string("0") : picture);

    // -1 (no game) is kept as "-001".
    registers_.Set(reg::GameNumber, Padded(Number(file, kPreference, "Game"), reg::GameNumber.Width(), 1));

    const std::string player = Text(file, kPreference, "UserDefault");
    registers_.Set(reg::Player, player.empty() ? std::string(kFirstPlayer) : player);
    registers_.Set(reg::ScoringType, "01"); // per-card scoring, the only scoring type

    const int autoplayMode = Number(file, kPreference, "AutoPlay_All_Games");
    game.AutoPlayMode = static_cast<std::int16_t>(autoplayMode >= 1 && autoplayMode <= 3 ? autoplayMode : 1);
    game.FoundationMarkStyle = Word(Number(file, kPreference, "HighLights_Foundations_Mark"), 0);
    game.FoundationMarkColour = Word(Number(file, kPreference, "HighLights_Foundations_Color"), 0);
    game.StatisticsDisabled = Text(file, kPreference, "Disable_Statistics") == "Y";
    game.RandomGameType = Word(Number(file, kSettings, "Random_Game_Type"), 2);
    game.GamesFastSearchType = Word(Number(file, kSettings, "Games_Fast_Search_Type"), 0);
}

void Preferences::EnsureDefaultPlayers()
{
    IniFile file(FilePath());
    std::string player = file.ReadString(kPreference, "UserDefault", "");
    if (player.empty()) {
        player = kFirstPlayer;
        file.WriteString(kPreference, "UserDefault", player);
        // Names already in the player list are kept: they name players with records.
        for (int n = 1; n <= 3; ++n) {
            const std::string key = "User" + ZeroPad(n, 3);
            if (file.ReadString(kUsers, key, "").empty())
                file.WriteString(kUsers, key, "Player " + std::to_string(n));
        }
        Commit(file);
    }
    registers_.Set(reg::Player, player);
}

int Preferences::CountRun()
{
    IniFile file(FilePath());
    int runs = Number(file, kParameters, "Run_Exe");
    if (runs < kCountedRuns) {
        file.WriteInt(kParameters, "Run_Exe", ++runs);
        Commit(file);
    }
    return runs;
}

bool Preferences::StoreAutoplaySwitch(const TMainGame& game, int number, bool on, bool autoplayCommandEnabled)
{
    if (game.AutoPlayMode != 2 || !autoplayCommandEnabled || number < 0)
        return true; // nothing is remembered per game
    IniFile file(FilePath());
    const char mark = on ? 'Y' : 'N';
    if (number >= kFirstCustomGameNumber) {
        file.WriteString(kAutoplay, CustomAutoplayKey(number), std::string(1, mark));
    } else {
        // One character per built-in game, game n at index n; grown with a margin of "Y".
        std::string games = file.ReadString(kAutoplay, "Games", "");
        const auto index = static_cast<std::size_t>(number);
        if (games.size() <= index + 1)
            games.resize(index + 10, 'Y');
        games[index] = mark;
        file.WriteString(kAutoplay, "Games", games);
    }
    return Commit(file);
}

bool Preferences::ReadAutoplaySwitch(const TMainGame& /*game*/, int number) const
{
    const IniFile file(FilePath());
    if (number >= kFirstCustomGameNumber)
        return file.ReadString(kAutoplay, CustomAutoplayKey(number), "Y") != "N";
    const std::string games = file.ReadString(kAutoplay, "Games", "");
    const auto index = static_cast<std::size_t>(number);
    return number < 0 || index >= games.size() || games[index] != 'N';
}

} // namespace marlowe
