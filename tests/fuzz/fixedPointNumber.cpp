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

// The number of the text as its digits without leading zeros and the place
// of its decimal point among them (negative: zeros before the first digit).
struct Digits {
    bool negative = false;
    std::string digits;
    long long point = 0;
};

Digits digitsOf(const std::string &cText)
{
    Digits number;
    std::size_t i = 0;
    number.negative = cText[i] == '-';
    if (cText[i] == '+' || cText[i] == '-')
        ++i;
    for (; i < cText.size() && cText[i] != 'e' && cText[i] != 'E'; ++i) {
        if (cText[i] == '.')
            number.point = static_cast<long long>(number.digits.size());
        else
            number.digits += cText[i];
    }
    if (cText.find('.') == std::string::npos)
        number.point = static_cast<long long>(number.digits.size());
    if (i < cText.size()) {
        const bool negativeExponent = cText[i + 1] == '-';
        long long exponent = 0;
        for (++i; i < cText.size(); ++i) {
            if (isAsciiDigit(cText[i]))
                exponent = std::min(exponent * 10 + (cText[i] - '0'), exponentLimit);
        }
        number.point += negativeExponent ? -exponent : exponent;
    }
    const std::size_t first = number.digits.find_first_not_of('0');
    number.digits.erase(0, std::min(first, number.digits.size()));
    number.point -= static_cast<long long>(first == std::string::npos ? 0 : first);
    return number;
}

// The count of ten-thousandths rounded half to even; nothing beyond 2^64.
std::optional<Count> tenThousandthsOf(const Digits &number)
{
    const long long point = number.point + 4;
    if (number.digits.empty() || point < 0)
        return 0;
    if (point > 21)
        return std::nullopt;
    Count count = 0;
    for (long long i = 0; i < point; ++i)
        count = count * 10 + static_cast<unsigned>(i < static_cast<long long>(number.digits.size())
                                                       ? number.digits[i] - '0' : 0);
    const std::string rest = point < static_cast<long long>(number.digits.size())
        ? number.digits.substr(static_cast<std::size_t>(point)) : "";
    const bool anyAfterFirst = rest.find_first_not_of('0', 1) != std::string::npos;
    const bool aboveHalf = !rest.empty() && (rest[0] > '5' || (rest[0] == '5' && anyAfterFirst));
    const bool half = !rest.empty() && rest[0] == '5' && !anyAfterFirst;
    if (aboveHalf || (half && count % 2 == 1))
        ++count;
    return count;
}

std::optional<double> expectedValue(std::string_view text)
{
    const Digits number = digitsOf(cNumberText(text));
    const std::optional<Count> count = tenThousandthsOf(number);
    const Count limit = number.negative ? Count{1} << 63 : (Count{1} << 63) - 1;
    if (!count || *count > limit)
        return std::nullopt;
    const auto whole = static_cast<std::uint64_t>(*count / 10000);
    const auto fraction = static_cast<unsigned>(*count % 10000);
    std::string decimal = number.negative && *count != 0 ? "-" : "";
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
