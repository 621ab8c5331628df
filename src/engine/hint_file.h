#pragma once
// The optional hint file "solr.dat" of the program folder: game-specific texts that replace the
// built-in pile hints of the status bar. It is laid out like an INI file with CR LF line ends: a
// "[Main]" line, then "key=value" lines. The plain key is the game number (4 digits), a pile letter
// and a pile number (3 digits, 1-based; "000" for every pile of that kind). Key and value are
// stored scrambled with the hint key, the value as if it followed the key and "=" in one text.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

class Presentation;

inline constexpr const char* kHintFileName = "solr.dat";
inline constexpr const char* kHintSection = "[Main]";

// The pile letters of the keys.
inline constexpr char kFoundationHintLetter = 'F';
inline constexpr char kTableauHintLetter = 'T';
inline constexpr char kReserveHintLetter = 'R';
inline constexpr char kStockHintLetter = 'S';
inline constexpr char kWasteHintLetter = 'W'; // the waste and the secondary waste
// The pile number of the entry that serves every pile of a kind.
inline constexpr int kEveryPileHint = 0;

// "0012T003": game 12, tableau 3 (1-based).
std::string HintPlainKey(int gameNumber, char pileLetter, int pileNumber);

// The stored line for a plain key and its text: scrambled key, "=", scrambled text.
std::string StoredHintLine(std::string_view plainKey, std::string_view text);
// The plain text of a stored value found after the stored key and "=".
std::string PlainHintText(std::string_view storedKey, std::string_view storedValue);

class HintFile {
public:
    // A file that holds no texts.
    HintFile() = default;
    // The hint texts of the file's lines (line ends removed).
    explicit HintFile(const std::vector<std::string>& lines);

    // The text of the first line for the plain key; nothing when there is none. A damaged line
    // (too short, no "=" after the key, no text) is skipped.
    std::optional<std::string> Find(std::string_view plainKey) const;
    bool Empty() const { return section_.empty(); }

private:
    std::vector<std::string> section_; // the lines of [Main]
};

// Reads the hint file of programFolder (name matched without regard to case). A missing file is
// no error and holds no texts; a file that exists but cannot be read is reported once with
// "Cannot open file <path>" and holds no texts, so the built-in hints stay.
HintFile LoadHintFile(const std::filesystem::path& programFolder, Presentation& presentation);

} // namespace marlowe
