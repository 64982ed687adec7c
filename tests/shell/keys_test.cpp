#include "keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
TEST(DigitKeyFilter, LetsOnlyDigitsAndBackspaceThrough)
{
    std::vector<int> codes = {224, 8364, -1, 65536 + '0', 65536 + 8};
    for (int code = 0; code <= 127; ++code)
        codes.push_back(code);
    for (const int code : codes) {
        SCOPED_TRACE(code);
        const bool passes = (code >= '0' && code <= '9') || code == 8;
        EXPECT_EQ(digitKeyFilter(code), passes ? code : 0);
        EXPECT_EQ(noKeyFilter(code), 0);
    }
}

TEST(DigitKeyFilter, SwallowsEditingAndControlKeys)
{
    struct Row { const char *name; int code; int result; };
    const Row rows[] = {
        {"backspace", 8, 8},
        {"zero", '0', '0'},
        {"nine", '9', '9'},
        {"slash before zero", '/', 0},
        {"colon after nine", ':', 0},
        {"minus", '-', 0},
        {"plus", '+', 0},
        {"comma", ',', 0},
        {"point", '.', 0},
        {"space", ' ', 0},
        {"enter", 13, 0},
        {"escape", 27, 0},
        {"ctrl c", 3, 0},
        {"ctrl v", 22, 0},
        {"ctrl x", 24, 0},
        {"ctrl z", 26, 0},
        {"a grave", 224, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(digitKeyFilter(row.code), row.result);
    }
}
} // namespace
