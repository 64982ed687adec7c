// SPDX-License-Identifier: GPL-3.0-or-later
// leadingNumber reads the longest leading number, with blanks anywhere, to
// the nearest double as the C library reads the same digits.
#include "fuzzcheck.h"
#include "italiantext.h"
#include "numbers.h"

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
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            compact += c;
    }
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < compact.size() && isAsciiDigit(compact[end]))
            ++end;
        return end;
    };
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    const std::size_t integerStart = i;
    i = digitsFrom(i);
    bool anyDigit = i > integerStart;
    if (i < compact.size() && compact[i] == '.') {
        const std::size_t end = digitsFrom(i + 1);
        anyDigit = anyDigit || end > i + 1;
        i = end;
    }
    if (!anyDigit)
        return {};
    std::string number = compact.substr(0, i);
    if (i < compact.size() && std::string_view("EeDd").find(compact[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-'))
            ++j;
        const std::size_t end = digitsFrom(j);
        if (end > j)
            number += 'e' + compact.substr(i + 1, end - i - 1);
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
