// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include <gtest/gtest.h>

namespace {
TEST(KeyFilters, DigitsAndBackspacePassTheDigitFilterAndNothingPassesTheBanner)
{
    const struct {
        const char *name;
        int code;
        int passed;
    } rows[] = {
        {"backspace", 8, 8}, {"zero", '0', '0'}, {"nine", '9', '9'}, {"slash before zero", '/', 0},
        {"colon after nine", ':', 0}, {"minus", '-', 0}, {"comma", ',', 0}, {"point", '.', 0}, {"space", ' ', 0},
        {"enter", 13, 0}, {"escape", 27, 0}, {"tab", 9, 0}, {"ctrl v", 22, 0}, {"a grave", 224, 0},
        {"a digit beyond 16 bits", 65536 + '0', 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(digitKeyFilter(row.code), row.passed);
        EXPECT_EQ(noKeyFilter(row.code), 0);
    }
}
} // namespace
