#pragma once
// Small text helpers shared by the whole program. Their exact behaviour shows in the file
// formats (the game file's byte shift, the scrambled statistics and preview files, the
// checksums) and in values other parts compare, so they are kept byte-exact.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// text before position (1-based) + insert + text from position + width on.
std::string ReplaceField(std::string_view text, int position, int width, std::string_view insert);
// The last n characters; the whole text when it is not longer; empty for n <= 0.
std::string RightChars(std::string_view text, int n);
std::string RepeatChar(char ch, int n);
// Every occurrence of ch replaced by the string by.
std::string ReplaceChar(std::string_view text, char ch, std::string_view by);
// Cut to width or pad with spaces on the right.
std::string PadRight(std::string_view text, int width);
// Strip leading / trailing spaces (spaces only, not tabs).
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string Trim(std::string_view text);

// value right-aligned in width characters with zeros instead of spaces and the minus sign in
// front (-5 in 3 gives "-05"); width asterisks when the number does not fit.
std::string ZeroPad(long long value, int width);
// The same for a real number written with the given number of decimals.
std::string FormatFixed(double value, int width, int decimals);

// A decimal integer: optional leading spaces, an optional sign, digits and nothing else.
std::optional<long long> ParseInteger(std::string_view text);

// The lines that follow every line beginning with header, up to the next line beginning with
// "[", for all matching headers in file order.
std::vector<std::string> ExtractSection(const std::vector<std::string>& lines, std::string_view header);

// The game file's byte shift: a byte >= 80 becomes byte - 48, any other byte + 48.
std::string ShiftText(std::string_view text);

// The keyed byte scrambler: byte i plus (minus) key byte ((i - 1) mod key length), modulo 256.
std::string ScrambleAdd(std::string_view text, std::string_view key);
std::string ScrambleSub(std::string_view text, std::string_view key);

// Sum over i = 1..n of v + trunc(i*v/2) + ((i + v) mod 3) + i, with v the byte at i.
std::int32_t TextChecksum(std::string_view text);

// a to the power n by repeated multiplication; 1 for n <= 0.
long long IntPower(long long a, int n);

// The count characters of text from the 1-based column first on; empty past the end.
std::string TextColumns(std::string_view text, std::size_t first, std::size_t count);
// True when text begins with prefix.
bool StartsWith(std::string_view text, std::string_view prefix);

// Lower-case ASCII copy, and case-insensitive comparison of ASCII text.
std::string ToLowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool LessNoCase(std::string_view a, std::string_view b);

} // namespace marlowe
