#pragma once
// Deal numbers for measurements. Consecutive small deal numbers give strongly correlated
// deals, so win rates and benchmarks draw random 13-digit numbers from a seeded generator: the
// same seed gives the same numbers, and every measurement that shares a seed plays the same
// deals.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace marlowe {

// The seed measurements use unless told otherwise.
constexpr std::uint64_t kDealSampleSeed = 20261209;

// count different deal numbers, each zero-padded to 13 digits, drawn with std::mt19937_64
// from the seed.
std::vector<std::string> SampleDealNumbers(std::size_t count, std::uint64_t seed = kDealSampleSeed);

} // namespace marlowe
