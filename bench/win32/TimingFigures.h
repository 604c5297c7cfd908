// What every timing program under Wine prints: figures of a few interleaved rounds, as minimum and
// median, beside a baseline measured in the same rounds.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace tilora::timing {

inline double MillisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline double Min(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

// The value below which the share q of the values lie (nearest rank).
inline double Quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    return values[rank];
}

// One line: minimum, lower quartile, median, upper quartile and maximum.
inline void PrintSpread(const char* what, const std::vector<double>& values,
                        const char* unit = "ms") {
    std::printf("%s: min %.2f, quartiles %.2f / %.2f / %.2f, max %.2f %s (%zu values)\n", what,
                Min(values), Quantile(values, 0.25), Median(values), Quantile(values, 0.75),
                Quantile(values, 1.0), unit, values.size());
}

// One line: the figure's minimum and median, the baseline's, and the two ratios.
inline void PrintBeside(const char* what, const std::vector<double>& figure,
                        const std::vector<double>& baseline, const char* unit = "ms") {
    std::printf(
        "%s: min %.2f %s, median %.2f %s; baseline min %.2f %s, median %.2f %s; ratio of "
        "minima %.2f, of medians %.2f\n",
        what, Min(figure), unit, Median(figure), unit, Min(baseline), unit, Median(baseline), unit,
        Min(figure) / Min(baseline), Median(figure) / Median(baseline));
}

}  // namespace tilora::timing
