#include "ui/customize_choices.h"

#include "app/session_registers.h"
#include "app/text_helpers.h"
#include "catalogue/main_game.h"
#include "engine/preferences.h"

#include <string>

namespace marlowe {

namespace {

constexpr const char* kPreference = "Preference";
constexpr long long kButtonFaceColour = -2147483633;

const char* YesNo(bool yes)
{
    return yes ? "Y" : "N";
}

bool IsNot(const Preferences& preferences, const char* key, const char* value)
{
    return preferences.ReadString(kPreference, key) != value;
}

// A flag stored both as a preference and in its register.
void StoreFlag(Preferences& preferences, SessionRegisters& registers, const char* key, RegisterField flag, bool on)
{
    registers.Set(flag, YesNo(on));
    preferences.WriteString(kPreference, key, YesNo(on));
}

// A back of the trees replaces the player's own deck and an additional one, which would
// otherwise keep covering it.
void StoreBack(int back, Preferences& preferences, SessionRegisters& registers)
{
    registers.Set(reg::CardBack, ZeroPad(back, 3));
    preferences.WriteInt(kPreference, "Back_Card", static_cast<int>(registers.GetNumber(reg::CardBack)));
    if (registers.IsYes(reg::CustomisedDeckFile)) {
        registers.Set(reg::CustomisedDeckFile, "N");
        preferences.WriteString(kPreference, "Customized_Deck", "");
    }
    if (registers.IsYes(reg::AdditionalDeckFile)) {
        registers.Set(reg::AdditionalDeckFile, "N");
        preferences.WriteString(kPreference, "Additional_Deck", "");
    }
}

// The four values that name a background. Every choice but the default green turns the default
// off, or the board would go on showing the green.
void StoreBackground(int node, long long plainColour, Preferences& preferences, SessionRegisters& registers)
{
    const bool isDefault = node <= kDefaultBackgroundNode;
    const bool isTexture = node > kPlainColourNode && node <= kLastTextureNode;
    const long long picture = isTexture ? node : 0;
    const long long fixed = node > kLastTextureNode ? node : 0;
    const long long colour = registers.GetNumber(reg::BackgroundColour, kButtonFaceColour);
    const long long storedColour = node == kPlainColourNode ? plainColour : colour;

    registers.Set(reg::BackgroundPicture, picture);
    preferences.WriteString(kPreference, "Background_bmp", std::to_string(picture));
    registers.Set(reg::BackgroundColour, storedColour);
    preferences.WriteString(kPreference, "Background_Col", std::to_string(storedColour));
    registers.Set(reg::FixedBackgroundColour, fixed);
    preferences.WriteString(kPreference, "Background_Fixed_Col", std::to_string(fixed));
    StoreFlag(preferences, registers, "Background_Def", reg::DefaultBackground, isDefault);
    // The player's picture and an additional background come before all of these.
    if (registers.IsYes(reg::CustomisedBackgroundFile)) {
        registers.Set(reg::CustomisedBackgroundFile, "N");
        preferences.WriteString(kPreference, "Customized_Background", "");
    }
    if (registers.IsYes(reg::AdditionalBackgroundFile)) {
        registers.Set(reg::AdditionalBackgroundFile, "N");
        preferences.WriteString(kPreference, "Additional_Background", "");
    }
}

// The player's own size and design: while a game forces a size, the ones it saved.
std::string ChosenCardSize(const SessionRegisters& registers)
{
    const std::string saved = registers.Get(reg::SavedCardSize);
    return saved.empty() ? registers.Get(reg::CardSize) : saved;
}

std::string ChosenFaceDesign(const SessionRegisters& registers)
{
    return registers.Get(registers.Get(reg::SavedCardSize).empty() ? reg::CardSet : reg::SavedCardSet);
}

// A size or design of the player's replaces the one a game saved while it forced another size,
// and a built-in design replaces the player's own card set.
void StoreCards(const CustomizeChoices& choices, Preferences& preferences, SessionRegisters& registers)
{
    const bool designChanged = choices.faceDesign != ChosenFaceDesign(registers);
    registers.Set(reg::CardSize, choices.cardSize);
    registers.Set(reg::CardSet, choices.faceDesign);
    for (RegisterField saved :
         {reg::SavedCardSize, reg::SavedCardSet, reg::SavedCustomisedCardSetFile, reg::SavedAdditionalCardSetFile})
        registers.Set(saved, "");
    preferences.WriteString(kPreference, "Card_Size", choices.cardSize);
    preferences.WriteInt(kPreference, "Card", static_cast<int>(registers.GetNumber(reg::CardSet, 1)));
    if (designChanged) {
        registers.Set(reg::CustomisedCardSetFile, "N");
        registers.Set(reg::AdditionalCardSetFile, "N");
        for (const char* key : {"Customized_Cards_Set", "Additional_Cards_Set", "Customized_Cards_Set_Old_Big",
                                "Additional_Cards_Set_Old_Big"})
            preferences.WriteString(kPreference, key, "");
    }
}

}  // namespace

const std::vector<FaceDesign>& FaceDesigns()
{
    static const std::vector<FaceDesign> designs = {
        {"001", "Traditional"}, {"002", "Standard"}, {"003", "Large indices"}, {"004", "Four colours"}};
    return designs;
}

std::optional<int> BackNodeInEffect(const SessionRegisters& registers)
{
    if (registers.IsYes(reg::CustomisedDeckFile) || registers.IsYes(reg::AdditionalDeckFile))
        return std::nullopt;
    return static_cast<int>(registers.GetNumber(reg::CardBack, 11));
}

std::optional<int> BackgroundNodeInEffect(const SessionRegisters& registers)
{
    if (registers.IsYes(reg::CustomisedBackgroundFile) || registers.IsYes(reg::AdditionalBackgroundFile))
        return std::nullopt;
    if (registers.IsYes(reg::DefaultBackground))
        return kDefaultBackgroundNode;
    const long long picture = registers.GetNumber(reg::BackgroundPicture);
    if (picture > kPlainColourNode && picture <= kLastTextureNode)
        return static_cast<int>(picture);
    const long long fixed = registers.GetNumber(reg::FixedBackgroundColour);
    return fixed > kLastTextureNode ? static_cast<int>(fixed) : kPlainColourNode;
}

CustomizeChoices ReadCustomizeChoices(const Preferences& preferences, const SessionRegisters& registers,
                                      const TMainGame& mainGame)
{
    CustomizeChoices choices;
    choices.largeButtons = preferences.ReadString(kPreference, "ToolBar_Large") == "Y";
    choices.flatButtons = preferences.ReadString(kPreference, "ToolBar_Flat") == "Y";
    choices.showTime = IsNot(preferences, "Show_Time", "N");
    choices.showScore = IsNot(preferences, "Show_Score", "N");
    choices.winningAnimation = IsNot(preferences, "Winning_Animation", "N");
    choices.confirmQuitGame = IsNot(preferences, "ConfirmQuitGame", "N");
    // Closing asks unless the setting is "N"; the box shows what closing will do.
    choices.confirmOnExit = IsNot(preferences, "ConfirmQuit", "N");
    choices.statisticsDisabled = mainGame.StatisticsDisabled;
    choices.winnableDealsOnly = preferences.ReadString(kPreference, "Winnable_Deals_Only") == "Y";
    choices.back = BackNodeInEffect(registers);
    choices.background = BackgroundNodeInEffect(registers);
    choices.plainColour = registers.GetNumber(reg::BackgroundColour, kButtonFaceColour);
    choices.fadeBackground = preferences.ReadString(kPreference, "Fade_Background") == "Y";
    choices.soundsDisabled = IsNot(preferences, "Sounds_Enabled", "Y");
    choices.cardSize = ChosenCardSize(registers);
    choices.faceDesign = ChosenFaceDesign(registers);
    return choices;
}

void StoreCustomizeChoices(const CustomizeChoices& choices, Preferences& preferences, SessionRegisters& registers,
                           TMainGame& mainGame)
{
    // The registers are what the run plays by: sounds and the question before abandoning a
    // game follow the new choice at once, not from the next start.
    StoreFlag(preferences, registers, "Sounds_Enabled", reg::SoundsEnabled, !choices.soundsDisabled);
    if (choices.back && *choices.back > 0)
        StoreBack(*choices.back, preferences, registers);
    if (choices.background)
        StoreBackground(*choices.background, choices.plainColour, preferences, registers);
    StoreFlag(preferences, registers, "Fade_Background", reg::FadeBackground, choices.fadeBackground);
    preferences.WriteString(kPreference, "ToolBar_Large", YesNo(choices.largeButtons));
    preferences.WriteString(kPreference, "ToolBar_Flat", YesNo(choices.flatButtons));
    StoreFlag(preferences, registers, "Show_Time", reg::ShowTime, choices.showTime);
    StoreFlag(preferences, registers, "Show_Score", reg::ShowScore, choices.showScore);
    preferences.WriteString(kPreference, "ConfirmQuit", YesNo(choices.confirmOnExit));
    StoreFlag(preferences, registers, "ConfirmQuitGame", reg::ConfirmQuitGame, choices.confirmQuitGame);
    preferences.WriteString(kPreference, "Winning_Animation", YesNo(choices.winningAnimation));
    if (choices.cardSize != ChosenCardSize(registers) || choices.faceDesign != ChosenFaceDesign(registers))
        StoreCards(choices, preferences, registers);
    preferences.WriteString(kPreference, "Disable_Statistics", YesNo(choices.statisticsDisabled));
    mainGame.StatisticsDisabled = choices.statisticsDisabled;
    // Read at every new deal; nothing else holds it.
    preferences.WriteString(kPreference, "Winnable_Deals_Only", YesNo(choices.winnableDealsOnly));
}

}  // namespace marlowe
