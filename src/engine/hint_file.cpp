#include "engine/hint_file.h"

#include "app/text_file.h"
#include "app/text_helpers.h"
#include "engine/presentation.h"

namespace marlowe {

namespace {

constexpr char kHintKey[] = {2, 4, 1, 3, 3, 1, 4, 2, 2, 4, 3, 1, 1, 2, 4};
constexpr std::string_view HintKey() { return {kHintKey, sizeof kHintKey}; }

} // namespace

std::string HintPlainKey(int gameNumber, char pileLetter, int pileNumber)
{
    return ZeroPad(gameNumber, 4) + pileLetter + ZeroPad(pileNumber, 3);
}

std::string StoredHintLine(std::string_view plainKey, std::string_view text)
{
    const std::string whole = std::string(plainKey) + "=" + std::string(text);
    return ScrambleAdd(plainKey, HintKey()) + "=" + ScrambleAdd(whole, HintKey()).substr(plainKey.size() + 1);
}

std::string PlainHintText(std::string_view storedKey, std::string_view storedValue)
{
    const std::string whole = std::string(storedKey) + "=" + std::string(storedValue);
    return ScrambleSub(whole, HintKey()).substr(storedKey.size() + 1);
}

HintFile::HintFile(const std::vector<std::string>& lines) : section_(ExtractSection(lines, kHintSection)) {}

std::optional<std::string> HintFile::Find(std::string_view plainKey) const
{
    const std::string storedKey = ScrambleAdd(plainKey, HintKey());
    for (const auto& line : section_) {
        if (line.size() <= storedKey.size() || line.compare(0, storedKey.size(), storedKey) != 0 ||
            line[storedKey.size()] != '=')
            continue;
        const std::string value = TrimRight(std::string_view(line).substr(storedKey.size() + 1));
        if (!value.empty())
            return PlainHintText(storedKey, value);
    }
    return std::nullopt;
}

HintFile LoadHintFile(const std::filesystem::path& programFolder, Presentation& presentation)
{
    const auto path = FindFileNoCase(programFolder, kHintFileName);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    const auto lines = ReadTextLines(path);
    if (!lines) {
        presentation.ShowInfo("Cannot open file " + path.string());
        return {};
    }
    return HintFile(*lines);
}

} // namespace marlowe
