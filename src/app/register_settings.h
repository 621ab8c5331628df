#pragma once
// The register values that several parts of the program read, as the settings they stand for.
// Each keeps the register's own reading: a switch that is on "unless N" stays so.

#include <string>

namespace marlowe {

class SessionRegisters;

// Card moves glide unless the player turned the animation off.
bool AnimatesCardMoves(const SessionRegisters& registers);
// Cards cast shadows unless turned off; with shadows, the automatic face-up flips with its animation.
bool ShowsCardShadows(const SessionRegisters& registers);
// Exposed cards turn face up by themselves unless turned off.
bool TurnsExposedCardsFaceUp(const SessionRegisters& registers);

// The card size letter of "Auto": the largest card at which the game fits the board.
inline constexpr char kAutoSizeLetter = 'A';
// The card size follows the board.
bool FollowsBoardSize(const SessionRegisters& registers);

// The number of the game being played; -1 when there is none.
int CurrentGameNumber(const SessionRegisters& registers);
std::string CurrentPlayer(const SessionRegisters& registers);
int CurrentScore(const SessionRegisters& registers);

// No card set and no deck chosen from a file: the cards and backs come from the modules.
void ClearCardFileChoices(SessionRegisters& registers);

} // namespace marlowe
