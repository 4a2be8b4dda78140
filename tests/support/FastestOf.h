#pragma once
// The shortest of a few runs of an action, so one badly scheduled run on a
// busy machine does not decide a timing check.

#include <algorithm>
#include <chrono>

namespace tavernrush::testing {

template <typename Action>
std::chrono::steady_clock::duration fastestOf(int runs, Action&& action)
{
    auto best = std::chrono::steady_clock::duration::max();
    for (int k = 0; k < runs; ++k) {
        const auto start = std::chrono::steady_clock::now();
        action();
        best = std::min(best, std::chrono::steady_clock::now() - start);
    }
    return best;
}

} // namespace tavernrush::testing
