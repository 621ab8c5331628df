#pragma once
// TMainGame: the catalogue of built-in games and the words of the running game that the
// preferences and the later engine parts keep. A game's catalogue index is its position in
// the loaded catalogue and also its column of the rule matrix.

#include "app/outcome.h"
#include "catalogue/custom_games.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace marlowe {

class SessionRegisters;

class TMainGame {
public:
    std::filesystem::path programFolder; // GAMES.DAT, the version file
    std::filesystem::path dataFolder;    // GAM_CUST.DAT and the player's files

    // Words kept from the preferences.
    std::int16_t AutoPlayMode = 1;        // 1 one switch, 2 one per game, 3 on at every new game
    std::int16_t RandomGameType = 2;
    std::int16_t GamesFastSearchType = 0;
    std::int16_t FoundationMarkStyle = 0; // the mark on completed foundations
    std::int16_t FoundationMarkColour = 0;
    bool StatisticsDisabled = false;

    // State words of the running game.
    std::int16_t RedealsDone = 0;      // the current pass through the stock, 1 after a deal
    std::int16_t MoveCount = 0;
    std::int16_t GameStarted = 0;      // -1 after the deal, 1 once the player changed the table
    std::int16_t GameCounter1 = 0;     // four words single games use during play
    std::int16_t GameCounter2 = 0;
    std::int16_t GameCounter3 = 0;
    std::int16_t GameCounter4 = 0;
    std::int16_t DealCounter = 0;      // counted dealing clicks of the stock in this game
    std::int16_t BlockedCard = 0;      // a tableau top card the stock deal has blocked; 0 none
    std::int16_t StockPressed = 0;
    std::int16_t DropRetryMark = 0;
    std::int16_t DraggedCard = 0;      // the card held by the pointer (the bottom of a held run)
    std::int16_t DragMoved = 0;        // 1 once the pointer moved while a card is held    // read by the drop resolution; every executed move clears it
    std::int16_t DealingRow = 0;
    std::int16_t Misses = 0;
    std::int16_t RandomDeal = 0;
    std::int16_t TableDrawn = 0;
    std::int16_t CloseRequested = 0;
    std::int16_t CardSizeNoted = 2;
    std::int16_t Msg640Shown = 0;
    std::int16_t CardSizeMsgShown = 0;
    std::int16_t CurrentSpecialCardSet = 4;

    // Reads [Sect1] of the game file: every line of class "0" or "2", decoded, in file order.
    Outcome LoadCatalogue();
    const std::vector<std::string>& Catalogue() const;

    // The name of a built-in game; empty when there is none or for a custom game.
    std::string GameName(int number) const;
    // The family number; 800 for every custom game; -1 when unknown.
    int GameFamily(int number) const;
    // The catalogue index (the rule matrix column); -1 for custom and unknown games.
    int CatalogueIndex(int number) const;
    // The first built-in game called name, compared in lower case without trailing spaces.
    int GameNumberByName(const std::string& name) const;
    // A failure telling the player why when a screen of that width is too narrow for the game.
    Outcome CanPlayOnScreen(int number, int screenWidth) const;
    // The names of every built-in and custom game, sorted without regard to case.
    std::vector<std::string> ListAllGameNames() const;

    std::optional<std::vector<CustomGame>> ListCustomGames() const;
    CustomGameRecord FindCustomGame(int number) const;

    // After loading: a stored current game that is not in the catalogue is forgotten, so that
    // the first game opened is chosen afresh.
    void CheckStoredGame(SessionRegisters& registers) const;

private:
    const std::string* LineOf(int number) const;

    // Shared by the copies of a game, which never change it: a search copies the game very often.
    std::shared_ptr<const std::vector<std::string>> catalogue_;
};

// The fields of a decoded catalogue line.
int CatalogueLineNumber(const std::string& line);
std::string CatalogueLineName(const std::string& line); // trailing spaces removed

// The resource name of a family's node in the game tree ("TREE5_FREECELL_TYPE"); empty for a
// number that names no family.
std::string FamilyResourceName(int family);

// Creates the version file of programFolder when it is missing.
void WriteVersionFileIfMissing(const std::filesystem::path& programFolder);

} // namespace marlowe
