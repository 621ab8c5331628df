#include "engine/win_rate.h"

#include <algorithm>
#include <cmath>

namespace marlowe {

RateInterval WilsonInterval(long long successes, long long trials, double z)
{
    if (trials <= 0)
        return {};
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double z2 = z * z;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double halfWidth = z / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return {std::max(0.0, centre - halfWidth), std::min(1.0, centre + halfWidth)};
}

} // namespace marlowe
