// SPDX-License-Identifier: GPL-3.0-or-later
// textToNumber reads exactly the Italian number texts, each to the nearest
// double as the C library reads the same digits, and nothing beyond the range.
#include "fuzzcheck.h"
#include "italiantext.h"
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> value = textToNumber(text);
    if (!isItalianNumber(text)) {
        require(!value, "a text that is not a number is not read");
        return 0;
    }
    const double expected = std::strtod(cNumberText(text).c_str(), nullptr);
    if (std::isinf(expected)) {
        require(!value, "a number beyond the range of a double is not read");
        return 0;
    }
    require(value.has_value(), "a number within the range is read");
    require(sameDouble(*value, expected), "a number is read to the nearest double");
    return 0;
}
