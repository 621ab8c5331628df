#include "app/ini_file.h"

#include "app/system_helpers.h"
#include "app/text_file.h"
#include "app/text_helpers.h"

#include <climits>
#include <cstdio>
#include <fstream>

namespace marlowe {

namespace fs = std::filesystem;

namespace {

// The file a save must replace: the target of a link, so that the link stays a link.
fs::path SaveTarget(const fs::path& path)
{
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path target = fs::canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

// True when an existing file may be changed. Opening it for update without truncating it
// tells a read-only file (or a folder in its place) apart without touching its contents.
bool ExistingFileIsWritable(const fs::path& path)
{
    std::error_code error;
    if (!fs::exists(path, error))
        return true;
    if (!fs::is_regular_file(path, error))
        return false;
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

bool WriteWholeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}

bool ReplaceFile(const fs::path& path, const std::string& text)
{
    const fs::path target = SaveTarget(path);
    if (!ExistingFileIsWritable(target))
        return false;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const fs::path temporary = TempFileName(folder, "rpl");
    if (temporary.empty())
        return false;
    std::error_code error;
    if (fs::exists(target, error))
        fs::permissions(temporary, fs::status(target, error).permissions(), error);
    if (!WriteWholeFile(temporary, text)) {
        DeleteFileNamed(temporary);
        return false;
    }
    fs::rename(temporary, target, error);
    if (error) {
        DeleteFileNamed(temporary);
        return false;
    }
    return true;
}

// Whether text holds something the parser passes over, which a save would therefore drop.
bool HoldsUnreadableText(const std::string& text)
{
    if (text.find('\0') != std::string::npos)
        return true;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view whole = std::string_view(text).substr(start, end - start);
        const auto first = whole.find_first_not_of(" \t\r");
        const std::string_view line = first == std::string_view::npos ? std::string_view() : whole.substr(first);
        start = end + 1;
        const bool understood = line.empty() || line[0] == ';' || line[0] == '#' ||
                                (line[0] == '[' && line.find(']') != std::string_view::npos) ||
                                line.find('=') != std::string_view::npos;
        if (!understood)
            return true;
    }
    return false;
}

} // namespace

IniFile::IniFile(fs::path path)
    : path_(std::move(path)), ini_(/*isUtf8*/ false, /*multiKey*/ false, /*multiLine*/ false)
{
    // "key=value" without spaces, as the file has always been written.
    ini_.SetSpaces(false);
    std::error_code error;
    const bool exists = fs::exists(path_, error);
    if (error) {
        unreadable_ = true;
        return;
    }
    if (!exists)
        return;
    if (!fs::is_regular_file(path_, error)) {
        unreadable_ = true;
        return;
    }
    const std::optional<std::string> text = ReadFileBytes(path_);
    if (!text || ini_.LoadData(*text) < 0) {
        ini_.Reset();
        unreadable_ = true;
        return;
    }
    damaged_ = HoldsUnreadableText(*text);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const char* value = ini_.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    return value ? std::string(value) : std::string(fallback);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int fallback) const
{
    if (!HasKey(section, key))
        return fallback;
    const auto number = ParseInteger(ReadString(section, key, ""));
    if (!number || *number < INT_MIN || *number > INT_MAX)
        return fallback;
    return static_cast<int>(*number);
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const
{
    return ini_.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr) != nullptr;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line(value);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    ini_.SetValue(std::string(section).c_str(), std::string(key).c_str(), line.c_str());
}

void IniFile::WriteInt(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

bool IniFile::Save()
{
    if (unreadable_)
        return false;
    std::string text;
    if (ini_.Save(text) < 0)
        return false;
    return ReplaceFile(path_, text);
}

} // namespace marlowe
