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
    int position = 0;
    int width = 0;
    Machine machine = Machine::None;
};

using enum Into;
using enum Machine;
constexpr auto P = kPreference;

// Every key of the file that has a default, with the register the start-up read fills.
constexpr KeyEntry kKeys[] = {
    {P, "Show_ToolTips", "Y", Text, 244, 1},
    {P, "ToolBar_Large", "", Nothing, 0, 0, NewerDesktop},
    {P, "ToolBar_Flat", "Y"},
    {P, "ToolBar_XP", "", Nothing, 0, 0, NewerDesktop},
    {P, "ToolBar_Visible", "Y"},
    {P, "StatusBar", "N", Text, 76, 1},
    {P, "Back_Card", "11"},
    {P, "Card", "", Nothing, 0, 0, CardSet},
    {P, "Card_Size", "B", Text, 128, 1},
    {P, "Customized_Cards_Set", "", FileFlag, 257, 1},
    {P, "Additional_Cards_Set", "", FileFlag, 258, 1},
    {P, "Customized_Cards_Set_Old_Big", ""},
    {P, "Additional_Cards_Set_Old_Big", ""},
    {P, "Customized_Deck", "", FileFlag, 256, 1},
    {P, "Additional_Deck", "", FileFlag, 259, 1},
    {P, "Background_def", "N", Text, 27, 1},
    {P, "Background_bmp", ""},
    {P, "Background_Col", "-2147483633"},
    {P, "Background_Fixed_Col", "32768", Number, 47, 15},
    {P, "Fade_Background", "Y", Text, 135, 1},
    {P, "Customized_Background", "", FileFlag, 246, 1},
    {P, "Additional_Background", "", FileFlag, 260, 1},
    {P, "Random_Background", "N", Text, 152, 1},
    {P, "Random_Card", "N", Text, 187, 1},
    {P, "Random_Deck", "N", Text, 188, 1},
    {P, "Game", "1"},
    {P, "Game_name", "FreeCell", Text, 189, 50},
    {P, "Game_TreeNum", "-30"},
    {P, "Game_TreePos", ""},
    {P, "Game_TreeType", "0"},
    {P, "Open_Preview_Game", "Y"},
    {P, "Open_Show_Won_Lost", "N"},
    {P, "Show_Time", "Y", Text, 66, 1},
    {P, "Show_Score", "Y", Text, 136, 1},
    {P, "Cards_Animate", "Y", Text, 67, 1},
    {P, "Cards_Shadowed", "", Text, 178, 1, LikeCardsAnimate},
    {P, "Speed_Move_Card", "10", Number, 74, 2},
    {P, "Deal_Animation", "Y", Text, 241, 1},
    {P, "Redeal_Animation", "Y", Text, 242, 1},
    {P, "Winning_Animations", "(Random)"},
    {P, "Winning_Animations_Time", "30"},
    {P, "Winning_Animation", ""}, // written by the customize dialog, never read
    {P, "Piles_TT", "N", Text, 179, 1},
    {P, "ShowPilesSize", "N", Text, 245, 1},
    {P, "VertScrollBar", "Y", Text, 243, 1},
    {P, "Show_Main_Popup_Menu", "Y", Text, 253, 1},
    {P, "Show_Partial_Hidden_Card", "Y", Text, 255, 1},
    {P, "Automatic_FaceUp", "Y", Text, 239, 1},
    {P, "RightClick_To_Foundations", "Y", Text, 247, 1},
    {P, "RightClick_To_Tableaus", "Y", Text, 248, 1},
    {P, "DoubleClick_To_Foundations", "Y", Text, 249, 1},
    {P, "DoubleClick_To_Tableaus", "N", Text, 251, 1},
    {P, "Undo_Enabled", "0", Text, 137, 1},
    {P, "AutoPlay_All_Games", "1"},
    {P, "AutoPlay", "Y"},
    {P, "HighLights_Foundations_Mark", "0"},
    {P, "HighLights_Foundations_Color", "0"},
    {P, "Cursor", "10", Number, 172, 2},
    {P, "Language", "20000", Number, 68, 6},
    {P, "UserDefault", ""},
    {P, "Disable_Statistics", "N"},
    {P, "ConfirmQuitGame", "N", Text, 185, 1},
    {P, "ConfirmEnterHiScores", "Y", Text, 186, 1},
    {P, "ConfirmQuit", "N"},
    {P, "Sounds_Enabled", "Y", Text, 141, 1},
    {P, "Sounds_About", "Y", Text, 142, 1},
    {P, "Sounds_Autoplay", "Y", Text, 143, 1},
    {P, "Sounds_GameWon", "Y", Text, 144, 1},
    {P, "Sounds_NewGame", "N", Text, 145, 1},
    {P, "Sounds_Redo", "Y", Text, 146, 1},
    {P, "Sounds_Restart", "Y", Text, 147, 1},
    {P, "Sounds_Splash", "Y", Text, 148, 1},
    {P, "Sounds_Shuffle", "Y", Text, 149, 1},
    {P, "Sounds_Undo", "Y", Text, 151, 1},
    {P, "Sounds_HiScores", "Y", Text, 171, 1},
    {P, "Sounds_NewHiScores", "Y", Text, 174, 1},
    {P, "Sounds_Pairing", "Y", Text, 175, 1},
    {P, "Sounds_Stock", "Y", Text, 176, 1},
    {P, "Sounds_Tableau", "Y", Text, 177, 1},
    {P, "Sounds_FaceUp", "Y", Text, 180, 1},
    {P, "Sounds_CardDown", "Y", Text, 181, 1},
    {P, "Sounds_CardUp", "Y", Text, 182, 1},
    {P, "Sounds_Redeal", "Y", Text, 183, 1},
    {P, "Sounds_Foundation", "Y", Text, 184, 1},
    {P, "Sounds_Redeal_Without_Animation", "Y", Text, 252, 1},
    {P, "MainWindowState_Left", "50"},
    {P, "MainWindowState_Top", "50"},
    {P, "MainWindowState_Width", "", Nothing, 0, 0, WindowWidth},
    {P, "MainWindowState_Height", "", Nothing, 0, 0, WindowHeight},
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
    const std::string name = registers_.Get(1, 20);
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

bool Preferences::Commit(IniFile& file)
{
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
            registers_.Set(entry.position, entry.width, Text(file, entry.section, entry.key));
            break;
        case Into::Number: {
            const auto fallback = ParseInteger(DefaultOf(file, entry.section, entry.key)).value_or(0);
            registers_.Set(entry.position, entry.width, Fitted(Number(file, entry.section, entry.key), entry.width, fallback));
            break;
        }
        case Into::FileFlag:
            // Cleared rather than left alone, so that a second read cannot keep a stale "Y".
            registers_.Set(entry.position, entry.width, Text(file, entry.section, entry.key).empty() ? "" : "Y");
            break;
        case Into::Nothing:
            break;
        }
    }

    // Card back 0 (and any number below 1) names the first back.
    const int back = Number(file, kPreference, "Back_Card");
    registers_.Set(21, 3, Padded(back < 1 ? 1 : back, 3, 11));
    const int cardSetDefault = static_cast<int>(ParseInteger(DefaultOf(file, kPreference, "Card")).value_or(1));
    const int cardSet = Number(file, kPreference, "Card");
    registers_.Set(24, 3, Padded(cardSet < 1 ? cardSetDefault : cardSet, 3, cardSetDefault));

    const int colour = Number(file, kPreference, "Background_Col");
    registers_.Set(28, 15, static_cast<long long>(colour == 0 ? kButtonFaceColour : colour));
    const std::string picture = Text(file, kPreference, "Background_bmp");
    registers_.Set(43, 4, picture.empty() ? std::string("0") : picture);

    // -1 (no game) is kept as "-001".
    registers_.Set(62, 4, Padded(Number(file, kPreference, "Game"), 4, 1));

    const std::string player = Text(file, kPreference, "UserDefault");
    registers_.Set(77, 30, player.empty() ? std::string(kFirstPlayer) : player);
    registers_.Set(120, 2, "01"); // per-card scoring, the only scoring type

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
    registers_.Set(77, 30, player);
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
