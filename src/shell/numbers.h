// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The number conversions of the Italian number format (decimal comma). No
// other code of the program reads or writes a number as text.

// Reads a text by the Italian rules: "," is the decimal separator and "." the
// thousands separator; blanks around the number, a leading sign and an
// exponent ("5E+15", "1,5E-05") are accepted. Gives the nearest double, or
// nothing for an empty text, a text that is not a number, or a value beyond
// the range of a double.
std::optional<double> textToNumber(std::string_view text);

// Writes a double with at most 15 significant digits, rounded to nearest,
// with a decimal comma and no grouping; exponent form ("1E+15", "1E-05") when
// the decimal exponent is below -4 or at least 15. Negative zero is "0".
std::string numberToText(double value);

// Reads the longest leading number of a text with "." as the decimal point:
// an optional sign, digits, and an optional exponent ("E" or "D"). Blanks, tabs
// and line feeds anywhere are skipped; the first other character ends the
// number ("12,5" gives 12). A text without a number gives 0; a value beyond
// the range of a double gives an infinity.
double leadingNumber(std::string_view text);

// Reads a text by the rules of textToNumber into a count of ten-thousandths
// (a signed 64-bit fixed-point value, rounded half to even at the fourth
// decimal) and gives the nearest double to it; nothing for a text that
// textToNumber cannot read or a value beyond +-922337203685477.5807.
std::optional<double> fixedPointNumber(std::string_view text);
