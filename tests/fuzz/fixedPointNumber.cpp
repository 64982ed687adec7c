// SPDX-License-Identifier: GPL-3.0-or-later
// fixedPointNumber reads the Italian number texts to the nearest double to
// their count of ten-thousandths, rounded half to even, and refuses the
// counts beyond a signed 64-bit integer. The count is worked out here on the
// decimal digits, apart from the program's reader.
#include "fuzzcheck.h"
#include "italiantext.h"
#include "numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
using Count = unsigned __int128;

// Exponents beyond this make the count zero or far too large for any text
// that fits in a fuzzer's input.
constexpr long long exponentLimit = 10'000'000;

// The count of ten-thousandths of a number in the C library's form, rounded
// half to even; nothing beyond 2^64.
std::optional<Count> tenThousandthsOf(const std::string &cText)
{
    const std::size_t exponentAt = std::min(cText.find_first_of("eE"), cText.size());
    std::string digits;
    long long point = -1; // how many digits come before the decimal point
    for (std::size_t i = 0; i < exponentAt; ++i) {
        if (cText[i] == '.')
            point = static_cast<long long>(digits.size());
        else if (isAsciiDigit(cText[i]))
            digits += cText[i];
    }
    if (point < 0)
        point = static_cast<long long>(digits.size());
    if (exponentAt < cText.size())
        point += std::clamp(std::strtoll(cText.c_str() + exponentAt + 1, nullptr, 10), -exponentLimit, exponentLimit);
    point += 4;
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
    digits.erase(0, first);
    point -= static_cast<long long>(first);
    if (digits.empty() || point < 0)
        return 0;
    if (point > 21)
        return std::nullopt;
    digits.resize(std::max(digits.size(), static_cast<std::size_t>(point)), '0');
    Count count = 0;
    for (long long i = 0; i < point; ++i)
        count = count * 10 + static_cast<unsigned>(digits[i] - '0');
    std::string rest = digits.substr(static_cast<std::size_t>(point));
    rest.erase(rest.find_last_not_of('0') + 1);
    // Trailing zeros gone, the rest compares with a half as text does.
    if (rest > "5" || (rest == "5" && count % 2 == 1))
        ++count;
    return count;
}

std::optional<double> expectedValue(std::string_view text)
{
    const std::string cText = cNumberText(text);
    const bool negative = cText[0] == '-';
    const std::optional<Count> count = tenThousandthsOf(cText);
    const Count limit = negative ? Count{1} << 63 : (Count{1} << 63) - 1;
    if (!count || *count > limit)
        return std::nullopt;
    const auto whole = static_cast<std::uint64_t>(*count / 10000);
    const auto fraction = static_cast<unsigned>(*count % 10000);
    std::string decimal = negative && *count != 0 ? "-" : "";
    decimal += std::to_string(whole) + '.';
    decimal += std::to_string(10000 + fraction).substr(1);
    return std::strtod(decimal.c_str(), nullptr);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> value = fixedPointNumber(text);
    if (!isItalianNumber(text)) {
        require(!value, "a text that is not a number is not read");
        return 0;
    }
    const std::optional<double> expected = expectedValue(text);
    require(value.has_value() == expected.has_value(),
            "a number is read exactly when its count of ten-thousandths fits in 64 bits");
    if (value)
        require(sameDouble(*value, *expected),
                "the count of ten-thousandths is rounded half to even and read to the nearest double");
    return 0;
}
