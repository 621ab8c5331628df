#pragma once
// The preferences file "Cfg.dat" of the data folder: everything the program remembers between
// runs apart from statistics and custom games. Most preferences are read once at start-up into
// the session registers and TMainGame words; the parts that change a preference write the key
// (and their register) at once. The file is opened for every read or write batch, never cached.

#include <filesystem>
#include <string>
#include <string_view>

namespace marlowe {

class IniFile;
class Presentation;
class SessionRegisters;
class TMainGame;

// The facts about the display that some defaults depend on.
struct DisplayFacts {
    int screenWidth = 1024;
    int screenHeight = 768;
    long long colourCount = 999999999; // ScreenColourCount of the display
};

class Preferences {
public:
    Preferences(std::filesystem::path dataFolder, SessionRegisters& registers, Presentation& presentation);

    // The data folder's preferences file, whatever the case of its name on disk.
    std::filesystem::path FilePath() const;

    // A key's value. Without a fallback, a missing key gives the default of the key table
    // (empty, or 0, for keys it does not list). ReadInt also falls back when the value is not
    // a decimal number.
    std::string ReadString(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int ReadInt(std::string_view section, std::string_view key) const;
    int ReadInt(std::string_view section, std::string_view key, int fallback) const;

    // Writes one key to the file at once, keeping every other key. False when the file cannot
    // be written; the first such failure of this object is reported to the player (the
    // settings already in the registers stay in effect for the run), later ones are silent.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

    // Start-up: every key of "Preference" (and "Settings") that has a register or a TMainGame
    // word receives its value, converted to the register's form. Remembers the display facts
    // for the machine-dependent defaults of later reads.
    void ReadAllPreferences(TMainGame& game, const DisplayFacts& display);

    // Start-up: a file without a current player gets "Player 1" and the three first players;
    // the current player goes to its register in every case.
    void EnsureDefaultPlayers();

    // Start-up: counts this run in "Run_Exe", up to 51. Returns the count now stored.
    int CountRun();

    // The per-game autoplay switch, kept only with AutoPlayMode 2 while the autoplay command is
    // enabled. Returns false only when the write failed.
    bool StoreAutoplaySwitch(const TMainGame& game, int number, bool on, bool autoplayCommandEnabled);
    // The stored switch of a game: on unless stored as "N".
    bool ReadAutoplaySwitch(const TMainGame& game, int number) const;

private:
    // The table's default of a key; some depend on the display or on another key of file.
    std::string DefaultOf(const IniFile& file, std::string_view section, std::string_view key) const;
    // A key of file, or its table default when missing.
    std::string Text(const IniFile& file, std::string_view section, std::string_view key) const;
    int Number(const IniFile& file, std::string_view section, std::string_view key) const;
    // Saves file; reports the first failure. A damaged file is first kept beside it as a copy
    // (with ".damaged" added to its name) and the player told; without the copy nothing is saved.
    bool Commit(IniFile& file);
    bool KeepDamagedFile(const IniFile& file);

    std::filesystem::path dataFolder_;
    SessionRegisters& registers_;
    Presentation& presentation_;
    DisplayFacts display_;
    bool failureReported_ = false;
};

} // namespace marlowe
