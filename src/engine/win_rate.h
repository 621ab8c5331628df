#pragma once
// How sure a measured win rate is: the 95 % Wilson score interval of won deals among those
// played, which stays inside [0, 1] and is honest at 0 and at all deals won, where the plain
// normal interval collapses to a point.

namespace marlowe {

struct RateInterval {
    double low = 0;
    double high = 1;
};

// The Wilson score interval of successes out of trials at the normal quantile z (1.96: 95 %).
// With no trials nothing is known: [0, 1].
RateInterval WilsonInterval(long long successes, long long trials, double z = 1.959964);

} // namespace marlowe
