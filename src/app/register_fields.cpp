#include "app/register_fields.h"

#include <array>

namespace marlowe {

namespace {

constexpr std::array kEveryField = {
    reg::PreferencesFileName, reg::CardBack, reg::CardSet, reg::DefaultBackground, reg::BackgroundColour,
    reg::BackgroundPicture, reg::FixedBackgroundColour, reg::GameNumber, reg::ShowTime, reg::AnimateCardMoves,
    reg::LanguageBase, reg::MoveSpeed, reg::StatusBar, reg::Player, reg::ScoringType, reg::Score, reg::CardSize,
    reg::SavedCardSet, reg::FadeBackground, reg::ShowScore, reg::UndoSetting, reg::UndoRecorded, reg::RedoRecorded,
    reg::SoundsEnabled, reg::RandomBackground, reg::DealNumber, reg::CursorSet, reg::CardShadows,
    reg::PickedCardsDrawing, reg::ConfirmQuitGame, reg::ConfirmEnterHiScores, reg::RandomCardSet,
    reg::RandomCardBack, reg::GameName, reg::AutomaticFaceUp, reg::SavedCardSize, reg::DealAnimation,
    reg::RedealAnimation, reg::VerticalScrollBar, reg::ShowToolTips, reg::ShowPileSizes,
    reg::CustomisedBackgroundFile, reg::RightClickToFoundations, reg::RightClickToTableaus,
    reg::DoubleClickToFoundations, reg::DoubleClickToTableaus, reg::MainPopupMenu, reg::ShowPartlyHiddenCards,
    reg::CustomisedDeckFile, reg::CustomisedCardSetFile, reg::AdditionalCardSetFile, reg::AdditionalDeckFile,
    reg::AdditionalBackgroundFile, reg::SavedCustomisedCardSetFile, reg::SavedAdditionalCardSetFile,
    SoundSwitch::About, SoundSwitch::Autoplay, SoundSwitch::GameWon, SoundSwitch::NewGame, SoundSwitch::Redo,
    SoundSwitch::Restart, SoundSwitch::Splash, SoundSwitch::Shuffle, SoundSwitch::Undo, SoundSwitch::HiScores,
    SoundSwitch::NewHiScores, SoundSwitch::Pairing, SoundSwitch::Stock, SoundSwitch::Tableau, SoundSwitch::FaceUp,
    SoundSwitch::CardDown, SoundSwitch::CardUp, SoundSwitch::Redeal, SoundSwitch::Foundation,
    SoundSwitch::RedealWithoutAnimation,
};

} // namespace

std::span<const RegisterField> EveryRegisterField()
{
    return kEveryField;
}

} // namespace marlowe
