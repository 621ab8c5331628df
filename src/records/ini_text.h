#pragma once
// The INI-like record files as text: a value set in a file's content and values read from its
// lines, without touching the disk. Section and key names are matched without regard to case,
// and a key is the whole text before the "=" (so "Anna" never takes the line of "Annabel").

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// The lines of a file's content without their line ends ("\n" or "\r\n").
std::vector<std::string> TextLines(std::string_view content);
// Lines joined into a file's content, each ending in "\n".
std::string JoinedLines(const std::vector<std::string>& lines);

// A value set in a file's content. A value of the old width is written over the old one
// (inPlaceAt is where it starts, every other byte stays); otherwise lines is the new content:
// the key added at the end of its section, or the section added at the end of the file.
struct IniEdit {
    std::optional<std::size_t> inPlaceAt;
    std::vector<std::string> lines;
};
IniEdit EditIniValue(std::string_view content, std::string_view section, std::string_view key, std::string_view value);
// The content with the value set, as EditIniValue describes it.
std::string WithIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::string_view value);

// Whether lines hold the section's header.
bool HasIniSection(const std::vector<std::string>& lines, std::string_view section);
// The values of keys in section (the text after "=" of the first line holding the key),
// defaults for the keys not found.
std::vector<std::string> IniValuesIn(const std::vector<std::string>& lines, std::string_view section,
                                     const std::vector<std::string>& keys, const std::vector<std::string>& defaults);

} // namespace marlowe
