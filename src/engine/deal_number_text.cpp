#include "engine/deal_number_text.h"

#include "engine/shuffle.h"

namespace marlowe {

std::string ReadableDealNumber(std::string_view digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    const std::string_view significant = first == std::string_view::npos ? "0" : digits.substr(first);
    std::string readable;
    for (std::size_t i = 0; i < significant.size(); ++i) {
        if (i > 0 && (significant.size() - i) % 3 == 0)
            readable += ' ';
        readable += significant[i];
    }
    return readable;
}

std::optional<std::string> ParseDealNumber(std::string_view typed)
{
    std::string digits;
    for (const char c : typed) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c != ' ')
            return std::nullopt;
    }
    if (digits.empty() || digits.size() > static_cast<std::size_t>(kDealNumberDigits))
        return std::nullopt;
    return std::string(kDealNumberDigits - digits.size(), '0') + digits;
}

} // namespace marlowe
