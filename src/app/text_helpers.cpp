#include "app/text_helpers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace marlowe {

std::string ReplaceField(std::string_view text, int position, int width, std::string_view insert)
{
    const std::size_t before = static_cast<std::size_t>(std::max(position - 1, 0));
    const std::size_t after = before + static_cast<std::size_t>(std::max(width, 0));
    std::string result(text.substr(0, std::min(before, text.size())));
    result += insert;
    if (after < text.size())
        result += text.substr(after);
    return result;
}

std::string RightChars(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    const auto count = static_cast<std::size_t>(n);
    return std::string(count >= text.size() ? text : text.substr(text.size() - count));
}

std::string RepeatChar(char ch, int n)
{
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ch);
}

std::string ReplaceChar(std::string_view text, char ch, std::string_view by)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ch)
            result += by;
        else
            result += c;
    }
    return result;
}

std::string PadRight(std::string_view text, int width)
{
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    std::string result(text.substr(0, std::min(w, text.size())));
    result.resize(w, ' ');
    return result;
}

std::string TrimLeft(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRight(std::string_view text)
{
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text)
{
    return TrimLeft(TrimRight(text));
}

namespace {

// Right-aligns a number's text in width, zero-filled, with the sign moved to the front.
std::string ZeroFill(std::string digits, int width)
{
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    if (digits.size() > w)
        return std::string(w, '*');
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.erase(0, 1);
    std::string result(w - digits.size() - (negative ? 1 : 0), '0');
    result += digits;
    return negative ? "-" + result : result;
}

} // namespace

std::string ZeroPad(long long value, int width)
{
    return ZeroFill(std::to_string(value), width);
}

std::string FormatFixed(double value, int width, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(decimals, 0), value);
    return ZeroFill(buffer, width);
}

std::optional<long long> ParseInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9' || value > 100000000000000000LL)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::vector<std::string> ExtractSection(const std::vector<std::string>& lines, std::string_view header)
{
    std::vector<std::string> section;
    bool inside = false;
    for (const auto& line : lines) {
        if (line.compare(0, header.size(), header) == 0 && line.size() >= header.size()) {
            inside = true;
        } else if (!line.empty() && line.front() == '[') {
            inside = false;
        } else if (inside) {
            section.push_back(line);
        }
    }
    return section;
}

std::string ShiftText(std::string_view text)
{
    std::string result(text);
    for (auto& c : result) {
        const auto byte = static_cast<unsigned char>(c);
        c = static_cast<char>(byte >= 80 ? byte - 48 : (byte + 48) & 0xFF);
    }
    return result;
}

namespace {

std::string Scramble(std::string_view text, std::string_view key, int sign)
{
    std::string result(text);
    if (key.empty())
        return result;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const int byte = static_cast<unsigned char>(result[i]);
        const int k = static_cast<unsigned char>(key[i % key.size()]);
        result[i] = static_cast<char>((byte + sign * k + 256) & 0xFF);
    }
    return result;
}

} // namespace

std::string ScrambleAdd(std::string_view text, std::string_view key)
{
    return Scramble(text, key, +1);
}

std::string ScrambleSub(std::string_view text, std::string_view key)
{
    return Scramble(text, key, -1);
}

std::int32_t TextChecksum(std::string_view text)
{
    std::uint32_t sum = 0;
    for (std::size_t n = 0; n < text.size(); ++n) {
        const std::uint32_t i = static_cast<std::uint32_t>(n + 1);
        const std::uint32_t v = static_cast<unsigned char>(text[n]);
        sum += v + (i * v) / 2 + (i + v) % 3 + i;
    }
    return static_cast<std::int32_t>(sum);
}

long long IntPower(long long a, int n)
{
    long long result = 1;
    for (int i = 0; i < n; ++i)
        result *= a;
    return result;
}

std::string TextColumns(std::string_view text, std::size_t first, std::size_t count)
{
    return first >= 1 && first - 1 < text.size() ? std::string(text.substr(first - 1, count)) : std::string();
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string ToLowerAscii(std::string_view text)
{
    std::string result(text);
    for (auto& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && ToLowerAscii(a) == ToLowerAscii(b);
}

bool LessNoCase(std::string_view a, std::string_view b)
{
    return ToLowerAscii(a) < ToLowerAscii(b);
}

} // namespace marlowe
