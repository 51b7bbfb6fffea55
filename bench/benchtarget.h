#pragma once

#include <cstdio>

// Every benchmark prints each figure beside its target and says whether it is met.
namespace BenchTarget {

inline const char *verdict(bool met)
{
    return met ? "met" : "missed";
}

// A figure that should stay at or below its target; a negative figure is a failed measurement.
inline bool atMost(const char *what, double value, double target, const char *unit = "x")
{
    const bool met = value >= 0 && value <= target;
    std::printf("  %-56s %9.3f%s  (target at most %.4g%s: %s)\n", what, value, unit, target, unit, verdict(met));
    return met;
}

}
