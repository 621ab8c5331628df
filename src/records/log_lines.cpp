#include "records/log_lines.h"

#include "records/statistics_files.h"

namespace marlowe {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether a log line starts at at: "YYYYMMDD HH:MM:SS ".
bool LineStartsAt(std::string_view text, std::size_t at)
{
    constexpr std::string_view kShape = "dddddddd dd:dd:dd ";
    if (text.size() - at < kShape.size())
        return false;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const char c = text[at + i];
        if (kShape[i] == 'd' ? !IsDigit(c) : c != kShape[i])
            return false;
    }
    return true;
}

// The line that comes last on one line of the file: what precedes a glued line is torn.
std::string_view LastGluedLine(std::string_view text)
{
    for (std::size_t at = text.size(); at-- > 1;)
        if (LineStartsAt(text, at))
            return text.substr(at);
    return text;
}

// The content without a last line that an interrupted append left unfinished.
std::string_view WithoutTornEnd(std::string_view content)
{
    const auto lastEnd = content.rfind('\n');
    const std::size_t start = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
    const auto last = LastGluedLine(content.substr(start));
    return last.size() < kLogLineLength ? content.substr(0, start) : content;
}

} // namespace

std::vector<std::string> WholeLogLines(std::string_view content)
{
    const std::string_view whole = WithoutTornEnd(content);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < whole.size()) {
        auto end = whole.find('\n', start);
        if (end == std::string_view::npos)
            end = whole.size();
        std::string_view line = LastGluedLine(whole.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string LogWithLine(std::string_view content, std::string_view line)
{
    std::string text(WithoutTornEnd(content));
    if (!text.empty() && text.back() != '\n')
        text.push_back('\n');
    return text.append(line).append("\n");
}

} // namespace marlowe
