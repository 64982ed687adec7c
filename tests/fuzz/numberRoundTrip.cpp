// SPDX-License-Identifier: GPL-3.0-or-later
// Every finite double is written with its 15 significant digits rounded to
// nearest, and the text reads back to a double that is written the same.
// The input is taken eight bytes at a time as doubles.
#include "fuzzcheck.h"
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
void checkRoundTrip(double x)
{
    const std::string text = numberToText(x);
    const std::optional<double> read = textToNumber(text);
    // Only the doubles whose 15 digits round above the largest double give a
    // text that cannot be read back, and the windows say so.
    if (!read) {
        require(std::abs(x) > 1.79769313486231e308, "the text of a finite double reads back");
        return;
    }
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.14e", x);
    // The same double, told apart from its negative zero, which is written "0".
    const double nearest = std::strtod(digits, nullptr) + 0.0;
    require(*read == nearest && std::signbit(*read) == std::signbit(nearest),
            "the text holds the double's 15 digits rounded to nearest");
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
