#include "catalogue/preview_file.h"

#include "app/text_file.h"
#include "app/text_helpers.h"

#include <algorithm>

namespace marlowe {

namespace {

constexpr std::size_t kHeadLength = 4;
constexpr std::size_t kRecordLength = 9;

std::optional<int> Digits(std::string_view text)
{
    if (text.size() != 3 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return static_cast<int>(*ParseInteger(text));
}

} // namespace

std::string PreviewLineText(const std::vector<PreviewRecord>& records)
{
    std::string text = ZeroPad(std::min<long long>(static_cast<long long>(records.size()), 9999), 4);
    for (const auto& record : records)
        text += ZeroPad(std::clamp(record.picture, 0, 999), 3) + ZeroPad(std::clamp(record.x, 0, 999), 3) +
                ZeroPad(std::clamp(record.y, 0, 999), 3);
    return text;
}

std::vector<PreviewRecord> ParsePreviewLine(std::string_view decoded)
{
    std::vector<PreviewRecord> records;
    for (std::size_t at = kHeadLength; at + kRecordLength <= decoded.size(); at += kRecordLength) {
        const auto picture = Digits(decoded.substr(at, 3));
        const auto x = Digits(decoded.substr(at + 3, 3));
        const auto y = Digits(decoded.substr(at + 6, 3));
        if (picture && x && y && *picture >= 1 && *picture <= miniature::Count)
            records.push_back({*picture, *x, *y});
    }
    return records;
}

std::optional<std::vector<PreviewRecord>> ReadPreviewRecords(const std::filesystem::path& programFolder, int number)
{
    if (number < 0)
        return std::nullopt;
    const auto lines = ReadTextLines(FindFileNoCase(programFolder, kPreviewFileName));
    if (!lines || static_cast<std::size_t>(number) >= lines->size())
        return std::nullopt;
    const std::string decoded = ScrambleSub((*lines)[static_cast<std::size_t>(number)], kPreviewKey);
    if (decoded.size() <= kHeadLength)
        return std::nullopt;
    return ParsePreviewLine(decoded);
}

} // namespace marlowe
