// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "modelsession.h"
#include "randomactions.h"
#include "randomsession.h"

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>

namespace {
constexpr int actionsPerSession = 100;
} // namespace

// A thousand sessions of a hundred random actions on each window, on the models.
class RandomSessions : public testing::TestWithParam<std::string_view> {};

TEST_P(RandomSessions, KeepEveryRuleAfterEveryAction)
{
    const std::string_view window = GetParam();
    const std::vector<std::uint32_t> seeds = sessionSeeds("GEOMIRA_RANDOM_SESSIONS", 1000);
    long actions = 0;
    for (const std::uint32_t seed : seeds) {
        SeededBytes bytes(seed, window);
        const SessionOutcome outcome =
            runRandomSession(std::make_unique<ModelSession>(), bytes, window, actionsPerSession);
        actions += outcome.actions;
        ASSERT_FALSE(outcome.fault) << failureReport(window, seed, outcome);
        // A session stops early only when the program ends.
        ASSERT_TRUE(outcome.actions == actionsPerSession || outcome.ended) << failureReport(window, seed, outcome);
    }
    std::cout << window << ": " << seeds.size() << " sessions, " << actions << " actions checked\n";
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, RandomSessions, testing::ValuesIn(windowNames()),
                         [](const testing::TestParamInfo<std::string_view> &info) { return std::string(info.param); });
