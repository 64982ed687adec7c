// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {
TEST(ChordTexts, MillimetresFromTheFactorAndCentimetresFromTheirText)
{
    struct Row {
        const char *name;
        std::string diameter;
        const char *factor;
        bool doubled;
        std::optional<ChordTexts> texts;
    };
    const Row rows[] = {
        {"three holes, not doubled", "4713", "0,86603", false, ChordTexts{"4081,59939", "408,159939"}},
        {"eight holes, doubled", "4713", "0,19134", true, ChordTexts{"1803,57084", "180,357084"}},
        {"the same factor undoubled is half", "4713", "0,19134", false, ChordTexts{"901,78542", "90,178542"}},
        {"leading zeros", "0100", "0,29389", true, ChordTexts{"58,778", "5,8778"}},
        {"zero", "0", "0,50000", false, ChordTexts{"0", "0"}},
        {"exponent form read back", "10000000000000000", "0,50000", false, ChordTexts{"5E+15", "500000000000000"}},
        {"near the top of the double range", "1E+308", "0,86603", false, ChordTexts{"8,6603E+307", "8,6603E+306"}},
        {"empty diameter", "", "0,86603", false, std::nullopt},
        {"pasted letters", "12a", "0,86603", false, std::nullopt},
        {"beyond the double range", "1" + std::string(309, '0'), "0,86603", false, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<ChordTexts> texts = chordTexts(row.diameter, row.factor, row.doubled);
        ASSERT_EQ(texts.has_value(), row.texts.has_value());
        if (texts) {
            EXPECT_EQ(texts->millimetres, row.texts->millimetres);
            EXPECT_EQ(texts->centimetres, row.texts->centimetres);
        }
    }
}
} // namespace
