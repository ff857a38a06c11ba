#pragma once

#include "tests/support/skript.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace vun::bench {

// Dialogs that answer at once (OK, or Yes to a question) and keep no record that would grow.
struct StilleDialoge : test::SkriptDialoge {
    StilleDialoge() { aufzeichnen = false; }
};

// Repeated runs report their fastest and slowest beside mean, median and deviation, so every
// figure comes with its spread.
inline void mitSpanne(benchmark::internal::Benchmark* b) {
    b->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    b->ComputeStatistics(
        "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

} // namespace vun::bench
