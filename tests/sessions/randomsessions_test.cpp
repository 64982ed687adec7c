// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "modelsession.h"
#include "randomsession.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A thousand sessions of a hundred random actions on each window, on the models.
class RandomSessions : public testing::TestWithParam<std::string_view> {};

TEST_P(RandomSessions, KeepEveryRuleAfterEveryAction)
{
    const std::optional<std::string> failed =
        failedSession(GetParam(), "GEOMIRA_RANDOM_SESSIONS", 1000, [] { return std::make_unique<ModelSession>(); });
    EXPECT_FALSE(failed) << *failed;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, RandomSessions, testing::ValuesIn(windowNames()),
                         [](const testing::TestParamInfo<std::string_view> &info) { return std::string(info.param); });
