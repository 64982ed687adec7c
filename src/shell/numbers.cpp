// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace {
// Doubles to and from text, correctly rounded: with <charconv> where the C++
// library has it for floating point, otherwise (the web toolchain's) with the
// C library's strtod and snprintf, which round correctly too. parseDouble reads
// the "C" locale's form, nothing beyond the range either way (where it would be
// an infinity or zero); scientific15 writes "-d.dddddddddddddde+dd", the value
// rounded once to 15 significant digits.
#if GEOMIRA_FLOAT_CHARCONV
std::optional<double> parseDouble(const std::string &text)
{
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range)
        return std::nullopt;
    return value;
}

std::string scientific15(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    return std::string(buffer, written.ptr);
}
#else
std::optional<double> parseDouble(const std::string &text)
{
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    if (errno == ERANGE && (std::isinf(value) || value == 0))
        return std::nullopt;
    return value;
}

std::string scientific15(double value)
{
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}
#endif

// A decimal value as sign, significant digits (no leading or trailing zeros)
// and the power of ten of the first digit: d1.d2d3... x 10^exponent. No
// digits means zero.
struct Decimal
{
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

// Written exponents saturate here: far beyond any double, yet far from the
// limits of long long, so very long exponent texts cannot overflow.
constexpr long long exponentLimit = 1'000'000'000'000'000;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char at(std::string_view text, std::size_t pos)
{
    return pos < text.size() ? text[pos] : '\0';
}

// mantissa holds every digit written, the last fractionDigits of them after
// the decimal separator.
Decimal makeDecimal(bool negative, const std::string &mantissa, std::size_t fractionDigits,
                    long long writtenExponent)
{
    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos)
        return {negative, {}, 0};
    const std::size_t last = mantissa.find_last_not_of('0');
    const long long exponent = static_cast<long long>(mantissa.size() - 1 - first)
        - static_cast<long long>(fractionDigits) + writtenExponent;
    return {negative, mantissa.substr(first, last - first + 1), exponent};
}

// Reads an exponent's optional sign and digits after the exponent letter;
// leaves pos alone when no digit follows.
std::optional<long long> readExponent(std::string_view text, std::size_t &pos)
{
    std::size_t i = pos;
    const bool negative = at(text, i) == '-';
    if (at(text, i) == '+' || at(text, i) == '-')
        ++i;
    if (!isDigit(at(text, i)))
        return std::nullopt;
    long long value = 0;
    for (; isDigit(at(text, i)); ++i)
        value = std::min(value * 10 + (text[i] - '0'), exponentLimit);
    pos = i;
    return negative ? -value : value;
}

void skipBlanks(std::string_view text, std::size_t &pos)
{
    while (at(text, pos) == ' ' || at(text, pos) == '\t')
        ++pos;
}

// The Italian grammar shared by textToNumber and fixedPointNumber. A "." is
// a thousands separator only once the integer part has begun.
std::optional<Decimal> readItalian(std::string_view text)
{
    std::size_t pos = 0;
    skipBlanks(text, pos);
    const bool negative = at(text, pos) == '-';
    if (at(text, pos) == '+' || at(text, pos) == '-')
        ++pos;
    std::string mantissa;
    for (; isDigit(at(text, pos)) || (at(text, pos) == '.' && !mantissa.empty()); ++pos) {
        if (text[pos] != '.')
            mantissa += text[pos];
    }
    std::size_t fractionDigits = 0;
    if (at(text, pos) == ',') {
        for (++pos; isDigit(at(text, pos)); ++pos, ++fractionDigits)
            mantissa += text[pos];
    }
    if (mantissa.empty())
        return std::nullopt;
    long long exponent = 0;
    if (at(text, pos) == 'E' || at(text, pos) == 'e') {
        ++pos;
        const auto written = readExponent(text, pos);
        if (!written)
            return std::nullopt;
        exponent = *written;
    }
    skipBlanks(text, pos);
    if (pos != text.size())
        return std::nullopt;
    return makeDecimal(negative, mantissa, fractionDigits, exponent);
}

// The nearest double, an infinity beyond the range. Exponents far outside
// the range are settled before from_chars, which reports overflow and
// underflow alike as out of range.
double nearestDouble(const Decimal &number)
{
    const double sign = number.negative ? -1.0 : 1.0;
    const double zero = std::copysign(0.0, sign);
    // Below 1E-324 even the smallest denormal is more than twice as far.
    if (number.digits.empty() || number.exponent < -324)
        return zero;
    if (number.exponent > 308)
        return sign * HUGE_VAL;
    std::string text = number.negative ? "-" : "";
    text += number.digits.front();
    if (number.digits.size() > 1) {
        text += '.';
        text.append(number.digits, 1);
    }
    text += 'e';
    text += std::to_string(number.exponent);
    const std::optional<double> value = parseDouble(text);
    if (!value)
        return number.exponent > 0 ? sign * HUGE_VAL : zero;
    return *value;
}

// The magnitude of the count of ten-thousandths, rounded half to even;
// nothing when it has more than 19 digits.
std::optional<std::uint64_t> tenThousandths(const Decimal &number)
{
    const std::string &digits = number.digits;
    const long long whole = number.exponent + 5; // digits of the count before its point
    if (digits.empty() || whole < 0)
        return 0;
    if (whole > 19)
        return std::nullopt;
    const auto size = static_cast<long long>(digits.size());
    std::uint64_t count = 0;
    for (long long i = 0; i < whole; ++i)
        count = count * 10 + static_cast<std::uint64_t>(i < size ? digits[i] - '0' : 0);
    if (size > whole) {
        // The digits end on a nonzero one, so any digit after the first
        // dropped one puts the rest above a half.
        const char dropped = digits[whole];
        if (dropped > '5' || (dropped == '5' && (size > whole + 1 || count % 2 == 1)))
            ++count;
    }
    return count;
}
} // namespace

std::optional<double> textToNumber(std::string_view text)
{
    const auto number = readItalian(text);
    if (!number)
        return std::nullopt;
    const double value = nearestDouble(*number);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::string numberToText(double value)
{
    if (std::isnan(value))
        return "-1,#IND";
    if (std::isinf(value))
        return value > 0 ? "1,#INF" : "-1,#INF";
    if (value == 0)
        return "0";

    // "-d.dddddddddddddde+dd", rounded once to 15 digits; the exponent is
    // that of the rounded value.
    const std::string scientific = scientific15(value);
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.')
            digits += c;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    std::from_chars(scientific.data() + e + 2, scientific.data() + scientific.size(), exponent);
    if (scientific[e + 1] == '-')
        exponent = -exponent;

    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits.front();
        if (digits.size() > 1) {
            text += ',';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        if (std::abs(exponent) < 10)
            text += '0';
        text += std::to_string(std::abs(exponent));
    } else if (exponent >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text += digits;
            text.append(wholeDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, wholeDigits);
            text += ',';
            text.append(digits, wholeDigits);
        }
    } else {
        text += "0,";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

double leadingNumber(std::string_view text)
{
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            compact += c;
    }
    std::size_t pos = 0;
    const bool negative = at(compact, pos) == '-';
    if (at(compact, pos) == '+' || at(compact, pos) == '-')
        ++pos;
    std::string mantissa;
    for (; isDigit(at(compact, pos)); ++pos)
        mantissa += compact[pos];
    std::size_t fractionDigits = 0;
    if (at(compact, pos) == '.') {
        for (++pos; isDigit(at(compact, pos)); ++pos, ++fractionDigits)
            mantissa += compact[pos];
    }
    if (mantissa.empty())
        return 0;
    long long exponent = 0;
    const char letter = at(compact, pos);
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
        ++pos;
        exponent = readExponent(compact, pos).value_or(0);
    }
    return nearestDouble(makeDecimal(negative, mantissa, fractionDigits, exponent));
}

std::optional<double> fixedPointNumber(std::string_view text)
{
    const auto number = readItalian(text);
    if (!number)
        return std::nullopt;
    const auto count = tenThousandths(*number);
    // The negative range reaches one unit further, to -2^63.
    const std::uint64_t limit = number->negative ? 9223372036854775808u : 9223372036854775807u;
    if (!count || *count > limit)
        return std::nullopt;
    std::string decimal = number->negative && *count != 0 ? "-" : "";
    decimal += std::to_string(*count / 10000);
    const std::string fraction = std::to_string(*count % 10000);
    decimal += '.';
    decimal.append(4 - fraction.size(), '0');
    decimal += fraction;
    return parseDouble(decimal);
}
