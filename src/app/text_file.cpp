#include "app/text_file.h"

#include "app/text_helpers.h"

#include <fstream>
#include <iterator>

namespace marlowe {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad())
        return std::nullopt;
    return lines;
}

bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    for (const auto& line : lines)
        out << line << '\n';
    out.flush();
    return static_cast<bool>(out);
}

std::filesystem::path FindFileNoCase(const std::filesystem::path& folder, const std::string& name)
{
    std::error_code error;
    if (std::filesystem::exists(folder / name, error))
        return folder / name;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (EqualsNoCase(it->path().filename().string(), name))
            return it->path();
    }
    return folder / name;
}

} // namespace marlowe
