// Values in the INI-like record files. The values are fixed-width, so a changed value is
// written over the old one in place; only a value of another width, a new key or a new section
// changes the rest of the file. Section and key names are matched without regard to case, and a
// key is the whole text before the "=" (so "Anna" never takes the line of "Annabel").

#include "records/statistics_files.h"

#include "app/text_file.h"
#include "app/text_helpers.h"

#include <fstream>
#include <iterator>

namespace marlowe {

namespace {

struct TextLine {
    std::size_t offset = 0; // of the line's first character in the file
    std::string text;       // without its line end
};

std::vector<TextLine> SplitLines(const std::string& content)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string text = content.substr(start, end - start);
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

std::optional<std::string> ReadWhole(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

} // namespace

bool StatisticsFiles::WriteIniValue(const std::filesystem::path& file, std::string_view section,
                                    std::string_view key, std::string_view value)
{
    const auto path = Resolved(file);
    std::error_code error;
    std::string content;
    if (std::filesystem::exists(path, error)) {
        auto read = ReadWhole(path);
        if (!read) {
            Inform(CannotOpenMessage(path));
            return false;
        }
        content = std::move(*read);
    }
    const auto lines = SplitLines(content);
    std::vector<std::string> texts;
    texts.reserve(lines.size() + 1);
    for (const auto& line : lines)
        texts.push_back(line.text);
    const auto range = FindSection(texts, section);
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    if (!range) {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        if (!out) {
            Inform(CannotOpenMessage(path));
            return false;
        }
        if (!content.empty() && content.back() != '\n')
            out << '\n';
        out << '[' << section << "]\n" << keyLine << '\n';
        out.flush();
        if (!out) {
            Inform("Write error on file");
            return false;
        }
        return true;
    }

    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto equals = KeyEnd(lines[i].text, key);
        if (equals == std::string::npos)
            continue;
        if (lines[i].text.size() - equals - 1 != value.size()) {
            // Another width would run into the next line: the section is written anew.
            texts[i] = lines[i].text.substr(0, equals + 1) + std::string(value);
            return CommitLines(path, texts, {});
        }
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        if (!out) {
            Inform(CannotOpenMessage(path));
            return false;
        }
        out.seekp(static_cast<std::streamoff>(lines[i].offset + equals + 1));
        out.write(value.data(), static_cast<std::streamsize>(value.size()));
        out.flush();
        if (!out) {
            Inform("Write error on file");
            return false;
        }
        return true;
    }

    // The new key goes after the section's last line that is not blank.
    std::size_t insertAt = range->header + 1;
    for (std::size_t i = range->header + 1; i < range->end; ++i)
        if (!Trim(lines[i].text).empty())
            insertAt = i + 1;
    texts.insert(texts.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine);
    return CommitLines(path, texts, {});
}

std::vector<std::string> StatisticsFiles::ReadIniValues(const std::filesystem::path& file, std::string_view section,
                                                        const std::vector<std::string>& keys,
                                                        const std::vector<std::string>& defaults) const
{
    std::vector<std::string> values(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        values[k] = k < defaults.size() ? defaults[k] : std::string();
    const auto lines = ReadTextLines(Resolved(file));
    if (!lines)
        return values;
    const auto range = FindSection(*lines, section);
    if (!range)
        return values;
    std::vector<bool> found(keys.size(), false);
    std::size_t missing = keys.size();
    for (std::size_t i = range->header + 1; i < range->end && missing > 0; ++i) {
        const auto& line = (*lines)[i];
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
