#pragma once
// The fields of the session registers, each named for what it holds. A field is a place
// (position, width) inside one of the three areas. Only this table makes fields, so every read
// and write of the registers goes through one of these names.

#include <array>
#include <span>

namespace marlowe {

// The positions each area addresses; 250 and 500 lie in none.
struct RegisterArea {
    int first;
    int last;
    constexpr bool Holds(int position) const { return position >= first && position <= last; }
};
inline constexpr std::array<RegisterArea, 3> kRegisterAreas{{{1, 249}, {251, 499}, {501, 999}}};

class RegisterField {
public:
    constexpr int Position() const { return position_; }
    constexpr int Width() const { return width_; }
    // The last position the field covers.
    constexpr int End() const { return position_ + width_ - 1; }

private:
    constexpr RegisterField(int position, int width) : position_(position), width_(width) {}

    friend struct reg;
    friend struct SoundSwitch;
    friend struct RegisterFieldForTests; // the registers' own tests address fields outside the table

    int position_;
    int width_;
};

// Flags hold "Y"/"N" unless said otherwise; numbers are decimal text.
// (A struct rather than a namespace, so that only the table can make fields.)
struct reg {
    static constexpr RegisterField PreferencesFileName{1, 20}; // "Cfg.dat", written by Reset
    static constexpr RegisterField CardBack{21, 3};            // zero-padded back number
    static constexpr RegisterField CardSet{24, 3};             // zero-padded card-set number
    static constexpr RegisterField DefaultBackground{27, 1};
    static constexpr RegisterField BackgroundColour{28, 15};   // signed 32-bit colour value
    static constexpr RegisterField BackgroundPicture{43, 4};   // texture number, "0" for none
    static constexpr RegisterField FixedBackgroundColour{47, 15};
    static constexpr RegisterField GameNumber{62, 4};          // zero-padded; "-001" for none
    static constexpr RegisterField ShowTime{66, 1};
    static constexpr RegisterField AnimateCardMoves{67, 1};
    static constexpr RegisterField LanguageBase{68, 6};        // base number of the message texts
    static constexpr RegisterField MoveSpeed{74, 2};           // pause per glide step, milliseconds
    static constexpr RegisterField StatusBar{76, 1};
    static constexpr RegisterField Player{77, 30};
    static constexpr RegisterField ScoringType{120, 2};        // "01": per-card scoring
    static constexpr RegisterField Score{122, 6};
    static constexpr RegisterField CardSize{128, 1};           // "X", "S", "B", "M" or "L"
    static constexpr RegisterField SavedCardSet{129, 3};       // while a game forces another size
    static constexpr RegisterField FadeBackground{135, 1};
    static constexpr RegisterField ShowScore{136, 1};
    static constexpr RegisterField UndoSetting{137, 1};        // "2" disables undo and redo
    static constexpr RegisterField UndoRecorded{138, 1};       // "0" once a snapshot enters the undo history
    static constexpr RegisterField RedoRecorded{139, 1};       // "0" once a snapshot enters the redo history
    static constexpr RegisterField SoundsEnabled{141, 1};      // the master switch of every sound
    static constexpr RegisterField RandomBackground{152, 1};
    static constexpr RegisterField DealNumber{153, 15};        // 13 digits, zero-padded
    static constexpr RegisterField CursorSet{172, 2};          // 10: the system's pointer
    static constexpr RegisterField CardShadows{178, 1};        // "N": none
    static constexpr RegisterField PickedCardsDrawing{179, 1};
    static constexpr RegisterField ConfirmQuitGame{185, 1};    // "N": abandon without asking
    static constexpr RegisterField ConfirmEnterHiScores{186, 1};
    static constexpr RegisterField RandomCardSet{187, 1};
    static constexpr RegisterField RandomCardBack{188, 1};
    static constexpr RegisterField GameName{189, 50};
    static constexpr RegisterField AutomaticFaceUp{239, 1};
    static constexpr RegisterField SavedCardSize{240, 1};      // while a game forces another size
    static constexpr RegisterField DealAnimation{241, 1};
    static constexpr RegisterField RedealAnimation{242, 1};
    static constexpr RegisterField VerticalScrollBar{243, 1};
    static constexpr RegisterField ShowToolTips{244, 1};
    static constexpr RegisterField ShowPileSizes{245, 1};
    static constexpr RegisterField CustomisedBackgroundFile{246, 1}; // "Y" when the preference names a file
    static constexpr RegisterField RightClickToFoundations{247, 1};
    static constexpr RegisterField RightClickToTableaus{248, 1};
    static constexpr RegisterField DoubleClickToFoundations{249, 1};
    static constexpr RegisterField DoubleClickToTableaus{251, 1};
    static constexpr RegisterField MainPopupMenu{253, 1};
    static constexpr RegisterField ShowPartlyHiddenCards{255, 1};
    static constexpr RegisterField CustomisedDeckFile{256, 1};
    static constexpr RegisterField CustomisedCardSetFile{257, 1};
    static constexpr RegisterField AdditionalCardSetFile{258, 1};
    static constexpr RegisterField AdditionalDeckFile{259, 1};
    static constexpr RegisterField AdditionalBackgroundFile{260, 1};
    static constexpr RegisterField SavedCustomisedCardSetFile{261, 1}; // while a game forces another size
    static constexpr RegisterField SavedAdditionalCardSetFile{262, 1};
};

// The switch of each game event's sound; a sound plays only when its switch and the master
// switch (reg::SoundsEnabled) are both "Y".
struct SoundSwitch {
    static constexpr RegisterField About{142, 1};
    static constexpr RegisterField Autoplay{143, 1};
    static constexpr RegisterField GameWon{144, 1};
    static constexpr RegisterField NewGame{145, 1};
    static constexpr RegisterField Redo{146, 1};
    static constexpr RegisterField Restart{147, 1};
    static constexpr RegisterField Splash{148, 1};
    static constexpr RegisterField Shuffle{149, 1};
    static constexpr RegisterField Undo{151, 1};
    static constexpr RegisterField HiScores{171, 1};
    static constexpr RegisterField NewHiScores{174, 1};
    static constexpr RegisterField Pairing{175, 1};
    static constexpr RegisterField Stock{176, 1};
    static constexpr RegisterField Tableau{177, 1};
    static constexpr RegisterField FaceUp{180, 1};
    static constexpr RegisterField CardDown{181, 1};
    static constexpr RegisterField CardUp{182, 1};
    static constexpr RegisterField Redeal{183, 1};
    static constexpr RegisterField Foundation{184, 1};
    static constexpr RegisterField RedealWithoutAnimation{252, 1};
};

// Every field of the table above, for the checks that they neither overlap nor cross an area.
std::span<const RegisterField> EveryRegisterField();

} // namespace marlowe
