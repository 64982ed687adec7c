// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// An Italian number text checked and translated for the C library's strtod,
// written apart from the program's reader so that the two can be compared.

inline bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the whole text is a number in the Italian format: blanks, a sign,
// digits with thousands points after the first digit, a decimal comma and
// digits, an exponent with at least one digit, blanks. At least one digit
// before the exponent.
inline bool isItalianNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    const auto digits = [&](bool points) {
        const std::size_t start = i;
        while (i < text.size() && (isAsciiDigit(text[i]) || (points && i > start && text[i] == '.')))
            ++i;
        return i > start;
    };
    blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool mantissa = digits(true);
    if (i < text.size() && text[i] == ',') {
        ++i;
        mantissa = digits(false) || mantissa;
    }
    if (!mantissa)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!digits(false))
            return false;
    }
    blanks();
    return i == text.size();
}

// The same number for strtod: no blanks, no thousands points, a decimal point.
inline std::string cNumberText(std::string_view italian)
{
    std::string text;
    for (const char c : italian) {
        if (c == ',')
            text += '.';
        else if (c != '.' && c != ' ' && c != '\t')
            text += c;
    }
    return text;
}
