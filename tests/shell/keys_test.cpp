// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include <gtest/gtest.h>

namespace {
// The edges of the digit filter; the cone's key row types the letters, signs
// and separators, and the banner's scenario the filter that passes nothing.
TEST(KeyFilters, DigitsAndBackspacePassTheDigitFilter)
{
    const struct {
        const char *name;
        int code;
        int passed;
    } rows[] = {
        {"zero", '0', '0'}, {"nine", '9', '9'}, {"slash before zero", '/', 0}, {"colon after nine", ':', 0},
        {"tab", 9, 0}, {"ctrl v", 22, 0}, {"a grave", 224, 0}, {"a digit beyond 16 bits", 65536 + '0', 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(digitKeyFilter(row.code), row.passed);
    }
}
} // namespace
