// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The window rows give every page's factor on an ordinary diameter and the
// refused ones; these are the edges of the two texts.
TEST(ChordTexts, MillimetresFromTheFactorAndCentimetresFromTheirText)
{
    const struct {
        const char *name;
        const char *diameter;
        const char *factor;
        bool doubled;
        const char *millimetres;
        const char *centimetres;
    } rows[] = {
        {"leading zeros", "0100", "0,29389", true, "58,778", "5,8778"},
        {"zero", "0", "0,50000", false, "0", "0"},
        {"exponent form read back", "10000000000000000", "0,50000", false, "5E+15", "500000000000000"},
        {"near the top of the double range", "1E+308", "0,86603", false, "8,6603E+307", "8,6603E+306"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<ChordTexts> texts = chordTexts(row.diameter, row.factor, row.doubled);
        ASSERT_TRUE(texts);
        EXPECT_EQ(texts->millimetres, row.millimetres);
        EXPECT_EQ(texts->centimetres, row.centimetres);
    }
}
} // namespace
