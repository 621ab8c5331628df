#pragma once
// What the customize dialog lets the player choose, read from the preferences and the session
// registers when it opens and stored by its OK step. Backs and backgrounds are named by the node
// numbers of the dialog's trees: a back by its back number; a background by 0 (the default green
// table), 1 (a plain colour), 2..1000 (a built-in texture) or a fixed colour value above 1000.

#include <optional>
#include <string>
#include <vector>

namespace marlowe {

class Preferences;
class SessionRegisters;
class TMainGame;

inline constexpr int kDefaultBackgroundNode = 0;
inline constexpr int kPlainColourNode = 1;
inline constexpr int kLastTextureNode = 1000;

struct CustomizeChoices {
    bool largeButtons = true;
    bool flatButtons = true;
    bool showTime = true;
    bool showScore = true;
    bool winningAnimation = true;
    bool confirmQuitGame = false;
    bool confirmOnExit = false;
    bool statisticsDisabled = false;
    bool winnableDealsOnly = false;
    // Nothing while the player's own deck or background (or one the trees lack) is in effect
    // and no other was chosen: the OK step then keeps it.
    std::optional<int> back;
    std::optional<int> background;
    long long plainColour = 0;  // the colour value of a plain-colour background
    bool fadeBackground = true;
    bool soundsDisabled = false;
    // The player's card size letter (X, S, B, M, L) and face design (a card style number), as
    // chosen: a game that forces a smaller size for the screen does not change them.
    std::string cardSize = "B";
    std::string faceDesign = "001";
};

// The face designs the player can choose: card style number and name.
struct FaceDesign {
    const char* style;
    const char* name;
};
const std::vector<FaceDesign>& FaceDesigns();

// The back and the background in effect, as node numbers; nothing for the player's own deck
// or picture and for the additional ones.
std::optional<int> BackNodeInEffect(const SessionRegisters& registers);
std::optional<int> BackgroundNodeInEffect(const SessionRegisters& registers);

CustomizeChoices ReadCustomizeChoices(const Preferences& preferences, const SessionRegisters& registers,
                                      const TMainGame& mainGame);

// The OK step: sounds, back, background, fade, toolbar and panels, confirmations, the winning
// animation, the statistics switch, the winnable deals and the card size and design, each written to its preference and
// its register (or TMainGame word) in that order.
void StoreCustomizeChoices(const CustomizeChoices& choices, Preferences& preferences, SessionRegisters& registers,
                           TMainGame& mainGame);

}  // namespace marlowe
