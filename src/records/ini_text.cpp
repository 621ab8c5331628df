#include "records/ini_text.h"

#include "app/text_helpers.h"

namespace marlowe {

namespace {

struct TextLine {
    std::size_t offset = 0; // of the line's first character in the content
    std::string text;       // without its line end
};

std::vector<TextLine> SplitLines(std::string_view content)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string text(content.substr(start, end - start));
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        lines.push_back({start, std::move(text)});
        start = end + 1;
    }
    return lines;
}

bool StartsSection(std::string_view line)
{
    return StartsWith(line, "[");
}

bool IsHeaderOf(std::string_view line, std::string_view section)
{
    return EqualsNoCase(Trim(line), "[" + std::string(section) + "]");
}

// The position of the "=" when the line holds key; npos otherwise.
std::size_t KeyEnd(std::string_view line, std::string_view key)
{
    const auto equals = line.find('=');
    return equals != std::string_view::npos && EqualsNoCase(line.substr(0, equals), key) ? equals
                                                                                          : std::string_view::npos;
}

// The index of the section's header and the index one past its last line.
struct SectionRange {
    std::size_t header = 0;
    std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!IsHeaderOf(lines[i], section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !StartsSection(lines[end]))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> TextLines(std::string_view content)
{
    std::vector<std::string> texts;
    for (auto& line : SplitLines(content))
        texts.push_back(std::move(line.text));
    return texts;
}

std::string JoinedLines(const std::vector<std::string>& lines)
{
    std::string content;
    for (const auto& line : lines)
        content.append(line).push_back('\n');
    return content;
}

IniEdit EditIniValue(std::string_view content, std::string_view section, std::string_view key, std::string_view value)
{
    const auto lines = SplitLines(content);
    std::vector<std::string> texts;
    texts.reserve(lines.size() + 2);
    for (const auto& line : lines)
        texts.push_back(line.text);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const auto range = FindSection(texts, section);
    if (!range) {
        texts.push_back("[" + std::string(section) + "]");
        texts.push_back(keyLine);
        return {std::nullopt, std::move(texts)};
    }
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto equals = KeyEnd(lines[i].text, key);
        if (equals == std::string::npos)
            continue;
        if (lines[i].text.size() - equals - 1 == value.size())
            return {lines[i].offset + equals + 1, {}};
        // Another width would run into the next line: the file is written anew.
        texts[i] = lines[i].text.substr(0, equals + 1) + std::string(value);
        return {std::nullopt, std::move(texts)};
    }
    // The new key goes after the section's last line that is not blank.
    std::size_t insertAt = range->header + 1;
    for (std::size_t i = range->header + 1; i < range->end; ++i)
        if (!Trim(lines[i].text).empty())
            insertAt = i + 1;
    texts.insert(texts.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine);
    return {std::nullopt, std::move(texts)};
}

std::string WithIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::string_view value)
{
    const IniEdit edit = EditIniValue(content, section, key, value);
    if (!edit.inPlaceAt)
        return JoinedLines(edit.lines);
    std::string changed(content);
    changed.replace(*edit.inPlaceAt, value.size(), value);
    return changed;
}

bool HasIniSection(const std::vector<std::string>& lines, std::string_view section)
{
    return FindSection(lines, section).has_value();
}

std::vector<std::string> IniValuesIn(const std::vector<std::string>& lines, std::string_view section,
                                     const std::vector<std::string>& keys, const std::vector<std::string>& defaults)
{
    std::vector<std::string> values(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        values[k] = k < defaults.size() ? defaults[k] : std::string();
    const auto range = FindSection(lines, section);
    if (!range)
        return values;
    std::vector<bool> found(keys.size(), false);
    std::size_t missing = keys.size();
    for (std::size_t i = range->header + 1; i < range->end && missing > 0; ++i) {
        const auto& line = lines[i];
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const auto equals = found[k] ? std::string::npos : KeyEnd(line, keys[k]);
            if (equals == std::string::npos)
                continue;
            values[k] = line.substr(equals + 1);
            found[k] = true;
            --missing;
        }
    }
    return values;
}

} // namespace marlowe
