// SPDX-License-Identifier: GPL-3.0-or-later
// Every finite double is written with its 15 significant digits rounded to
// nearest, and the text reads back to a double that is written the same.
// The input is taken eight bytes at a time as doubles.
#include "fuzzcheck.h"
#include "italiantext.h"
#include "numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
// The one text written for the doubles whose 15 digits round above the
// largest double; it cannot be read back, and the windows say so.
bool isBeyondTheLargestDouble(const std::string &text)
{
    return text == "1,79769313486232E+308" || text == "-1,79769313486232E+308";
}

void checkRoundTrip(double x)
{
    const std::string text = numberToText(x);
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.14e", x);
    require(sameDouble(std::strtod(cNumberText(text).c_str(), nullptr),
                       std::strtod(digits, nullptr) + 0.0),
            "the text holds the double's 15 digits rounded to nearest");
    const std::optional<double> read = textToNumber(text);
    if (isBeyondTheLargestDouble(text)) {
        require(!read, "the text beyond the largest double is not read");
        require(std::abs(x) > 1.79769313486231e308, "only the largest doubles round beyond it");
        return;
    }
    require(read.has_value(), "the text of a finite double reads back");
    require(numberToText(*read) == text, "the text read back is written the same");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double x;
        std::memcpy(&x, data + at, sizeof x);
        if (std::isfinite(x))
            checkRoundTrip(x);
    }
    return 0;
}
