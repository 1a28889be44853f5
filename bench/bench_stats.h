#pragma once

// Order statistics of timing samples, shared by the benchmarks.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zentadial::bench {

// The sample at or below which the given share of samples lie.
[[nodiscard]] inline double quantile(std::vector<double> samples, double share) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(samples.size())));
    return samples[std::min(samples.size(), std::max<std::size_t>(rank, 1)) - 1];
}

[[nodiscard]] inline double median(const std::vector<double>& samples) {
    return quantile(samples, 0.5);
}

} // namespace zentadial::bench
