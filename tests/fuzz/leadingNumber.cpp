// SPDX-License-Identifier: GPL-3.0-or-later
// leadingNumber reads the longest leading number, with blanks anywhere, to
// the nearest double as the C library reads the same digits.
#include "fuzzcheck.h"
#include "italiantext.h"
#include "numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
// The leading number of the text without its blanks, in the C library's
// form: sign, digits, point and digits, exponent. Empty without a digit.
std::string leadingCNumber(std::string_view text)
{
    std::string compact;
    for (const char c : text) {
        if (std::string_view(" \t\n\r").find(c) == std::string_view::npos)
            compact += c;
    }
    const auto digitsFrom = [&](std::size_t from) {
        return std::min(compact.find_first_not_of("0123456789", from), compact.size());
    };
    const std::size_t start = compact.starts_with('+') || compact.starts_with('-') ? 1 : 0;
    std::size_t end = digitsFrom(start);
    bool anyDigit = end > start;
    if (end < compact.size() && compact[end] == '.') {
        const std::size_t decimals = digitsFrom(end + 1);
        anyDigit = anyDigit || decimals > end + 1;
        end = decimals;
    }
    if (!anyDigit)
        return {};
    std::string number = compact.substr(0, end);
    if (end < compact.size() && std::string_view("EeDd").find(compact[end]) != std::string_view::npos) {
        const std::size_t sign = end + 1 < compact.size() && (compact[end + 1] == '+' || compact[end + 1] == '-');
        const std::size_t exponentEnd = digitsFrom(end + 1 + sign);
        if (exponentEnd > end + 1 + sign)
            number += 'e' + compact.substr(end + 1, exponentEnd - end - 1);
    }
    return number;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::string number = leadingCNumber(text);
    const double expected = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
    require(sameDouble(leadingNumber(text), expected),
            "the leading number is read to the nearest double, or an infinity beyond the range");
    return 0;
}
