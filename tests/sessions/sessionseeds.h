// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomsession.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// The seeds of a window's random sessions: 0 to count - 1, where the count is
// `fallback` or the number in the environment variable `countVariable`; only
// the seed in GEOMIRA_RANDOM_SEED when that is set, to replay a failure.
inline std::vector<std::uint32_t> sessionSeeds(const char *countVariable, int fallback)
{
    if (const char *seed = std::getenv("GEOMIRA_RANDOM_SEED"))
        return {static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10))};
    int count = fallback;
    if (const char *written = std::getenv(countVariable))
        count = std::atoi(written);
    std::vector<std::uint32_t> seeds;
    for (int seed = 0; seed < count; ++seed)
        seeds.push_back(static_cast<std::uint32_t>(seed));
    return seeds;
}

// A failed session, told so that it can be run again.
inline std::string failureReport(std::string_view window, std::uint32_t seed, const SessionOutcome &outcome)
{
    std::string report = std::string(window) + ", seed " + std::to_string(seed) + " (GEOMIRA_RANDOM_SEED="
        + std::to_string(seed) + " runs it alone), after " + std::to_string(outcome.actions) + " actions:\n";
    for (const std::string &step : outcome.steps)
        report += "  " + step + "\n";
    return report + "fault: " + outcome.fault.value_or("none");
}
