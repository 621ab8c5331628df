#pragma once
// The preview file "solp.dat" of the program folder: the miniature table of every built-in
// game for the game selection dialog. Line n (counted from 0) belongs to game number n and is
// stored scrambled (ScrambleAdd with kPreviewKey); a number without a game has an empty line.
// A decoded line is a 4-character head (the record count, for people reading the file) and
// then records of 9 digits: the miniature picture (1..99), x and y, three digits each.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

inline constexpr const char* kPreviewFileName = "solp.dat";
inline constexpr std::string_view kPreviewKey = "6150493872";

// The miniature the records are laid out for; every picture is drawn at (x + 3, y + 8) on it.
inline constexpr int kPreviewWidth = 420;
inline constexpr int kPreviewHeight = 270;
inline constexpr int kPreviewOffsetX = 3;
inline constexpr int kPreviewOffsetY = 8;

// The miniature pictures, numbered as the records name them.
namespace miniature {
constexpr int FirstFace = 1;     // 1-52: hearts, diamonds, clubs, spades, each Ace to King
constexpr int Joker = 53;
constexpr int Back = 54;
constexpr int FirstMark = 55;    // 55-63: the empty-pile marks
constexpr int RedealMark = 64;
constexpr int StopMark = 65;
constexpr int Stock = 66;        // a squared stock of one pack
constexpr int FirstFanDown = 67; // 67-76: 1-10 cards fanned downward, face down but the top
constexpr int FirstFanRight = 77; // 77-86: the same fanned to the right
constexpr int FirstFanFaceUp = 87; // 87-96: 1-10 cards face up, fanned downward
constexpr int EmptyPlace = 97;
constexpr int SquaredFaceUp = 98;
constexpr int DoubleStock = 99;  // a squared stock of two packs or more
constexpr int Count = 99;
constexpr int FanLengths = 10;
} // namespace miniature

struct PreviewRecord {
    int picture = 0;
    int x = 0;
    int y = 0;
    bool operator==(const PreviewRecord&) const = default;
};

// The decoded text of a line for the records; a coordinate outside 0..999 is clamped.
std::string PreviewLineText(const std::vector<PreviewRecord>& records);
// The records of a decoded line. A record whose numbers do not convert, or whose picture is not
// one of the 99, is skipped; a short tail is ignored.
std::vector<PreviewRecord> ParsePreviewLine(std::string_view decoded);

// The records of a game from the program folder's preview file; nothing when the file or the
// game's line is missing or the line holds no more than its head.
std::optional<std::vector<PreviewRecord>> ReadPreviewRecords(const std::filesystem::path& programFolder, int number);

} // namespace marlowe
