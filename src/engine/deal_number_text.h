#pragma once
// Deal numbers as people read, say and type them: the stored 13 digits without their leading
// zeros, in groups of three ("11 982"), and a typed number checked and padded back to 13 digits.

#include <optional>
#include <string>
#include <string_view>

namespace marlowe {

// "0000000011982" reads "11 982"; all zeros read "0".
std::string ReadableDealNumber(std::string_view digits);

// A deal number the player typed: decimal digits, spaces between them allowed, at most 13
// digits. The 13-digit form, or nothing when the text is not such a number.
std::optional<std::string> ParseDealNumber(std::string_view typed);

} // namespace marlowe
