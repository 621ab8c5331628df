#include "engine/deal_sample.h"

#include "engine/shuffle.h"

#include <random>
#include <unordered_set>

namespace marlowe {

std::vector<std::string> SampleDealNumbers(std::size_t count, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<long long> number(1, 9999999999999LL);
    std::unordered_set<long long> drawn;
    std::vector<std::string> numbers;
    numbers.reserve(count);
    while (numbers.size() < count) {
        const long long next = number(random);
        if (!drawn.insert(next).second)
            continue;
        const std::string digits = std::to_string(next);
        numbers.push_back(std::string(kDealNumberDigits - digits.size(), '0') + digits);
    }
    return numbers;
}

} // namespace marlowe
