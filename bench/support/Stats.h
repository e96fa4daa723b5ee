#pragma once

// Order statistics of a benchmark's samples.

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

// The sample at fraction q (0 to 1) of the sorted samples, nearest rank.
inline double quantile(std::vector<double> samples, double q)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline double median(const std::vector<double>& samples)
{
    return quantile(samples, 0.5);
}

} // namespace bench
