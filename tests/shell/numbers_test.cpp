// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

namespace {
const std::string thirdDigits = "0," + std::string(10000, '3');
const std::string hugeDigits = std::string(400, '9');

// A number's sign, which tells negative zero apart; texts have none.
bool negative(double x) { return std::signbit(x); }
bool negative(const std::optional<double> &x) { return x && std::signbit(*x); }
bool negative(const std::string &) { return false; }

// What `read` makes of each row's input: the expected value, of the expected sign.
template <class Input, class Value, class Read>
void expectRows(Read read, std::initializer_list<std::tuple<const char *, Input, Value>> rows)
{
    for (const auto &[name, input, expected] : rows) {
        SCOPED_TRACE(name);
        const Value value = read(input);
        EXPECT_EQ(value, expected);
        EXPECT_EQ(negative(value), negative(expected)) << "the sign";
    }
}

TEST(NumberToText, WritesFifteenDigitsWithDecimalComma)
{
    const double inf = std::numeric_limits<double>::infinity();
    expectRows<double, std::string>(numberToText, {
        {"integer", 1000, "1000"},
        {"smallest fixed", 0.0001, "0,0001"},
        {"largest exponent form below one", 0.00001, "1E-05"},
        {"negative exponent form", -1.5e-7, "-1,5E-07"},
        {"two thirds rounds up", 2.0 / 3, "0,666666666666667"},
        {"binary noise is rounded away", 0.1 + 0.2, "0,3"},
        {"square root of two", std::sqrt(2.0), "1,4142135623731"},
        {"negative zero", -0.0, "0"},
        {"fifteen digits with a decimal", 99999999999999.9, "99999999999999,9"},
        {"just below the rounding into exponent form", 999999999999999.4, "999999999999999"},
        {"rounding up into exponent form", 999999999999999.5, "1E+15"},
        {"largest double", DBL_MAX, "1,79769313486232E+308"},
        {"smallest denormal", std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
        {"infinity", inf, "1,#INF"},
        {"negative infinity", -inf, "-1,#INF"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), "-1,#IND"},
    });
}

TEST(TextToNumber, ReadsItalianTextsToTheNearestDouble)
{
    expectRows<std::string, std::optional<double>>(textToNumber, {
        {"thousands point", "1.000", 1000},
        {"thousands points and decimals", "1.234.567,5", 1234567.5},
        {"blanks and tabs around", "  -3,75\t", -3.75},
        {"plus sign", "+7", 7},
        {"no integer digits", ",5", 0.5},
        {"trailing comma", "5,", 5},
        {"exponent after decimals", "1,5E+16", 1.5e16},
        {"lowercase exponent without sign", "2e3", 2000},
        {"negative zero", "-0", -0.0},
        {"negative underflow", "-1E-400", -0.0},
        {"seventeen digits tie to even", "9007199254740993", 9007199254740992.0},
        {"seventeen digits to nearest", "12345678901234567", 12345678901234568.0},
        {"above half the smallest denormal", "2,5E-324", 4.9406564584124654e-324},
        {"below half the smallest denormal", "2,4E-324", 0.0},
        {"largest double in full", "1,7976931348623157E+308", DBL_MAX},
        {"ten thousand decimals", thirdDigits, 1.0 / 3},
        {"empty", "", std::nullopt},
        {"blanks only", "  ", std::nullopt},
        {"comma only", ",", std::nullopt},
        {"sign only", "-", std::nullopt},
        {"leading point", ".5", std::nullopt},
        {"exponent without mantissa", "E5", std::nullopt},
        {"exponent without digits", "1E", std::nullopt},
        {"exponent sign without digits", "1E+", std::nullopt},
        {"inner blank", "1 2", std::nullopt},
        {"blank after sign", "- 5", std::nullopt},
        {"two commas", "1,2,3", std::nullopt},
        {"point after the comma", "1,5.3", std::nullopt},
        {"point in the exponent", "1E5.0", std::nullopt},
        {"letters", "12a", std::nullopt},
        {"fifteen digits above the largest double", "1,79769313486232E+308", std::nullopt},
        {"exponent overflow", "1E+400", std::nullopt},
        {"ten thousand digits", "1" + std::string(10000, '0'), std::nullopt},
    });
}

TEST(LeadingNumber, ReadsTheLongestLeadingNumber)
{
    expectRows<std::string, double>(leadingNumber, {
        {"empty", "", 0},
        {"comma ends the number", "12,5", 12},
        {"negative before a comma", "-3,7", -3},
        {"comma before an exponent", "1,5E+16", 1},
        {"D exponent", "1D3", 1000},
        {"lowercase d exponent", "1d-2", 0.01},
        {"exponent sign without digits", "1E+", 1},
        {"leading point", ".5", 0.5},
        {"no digits", "abc", 0},
        {"letters after the number", "12abc", 12},
        {"second point", "1.5.3", 1.5},
        {"inner blanks", " 1 2 3", 123},
        {"tabs and line feeds", "\t-\n4\r2", -42},
        {"exponent overflow", "1E+400", HUGE_VAL},
        {"four hundred digits", "-" + hugeDigits, -HUGE_VAL},
        {"underflow", "1E-400", 0},
        {"ten thousand decimals", "0." + std::string(10000, '3'), 1.0 / 3},
    });
}

TEST(FixedPointNumber, RoundsHalfToEvenWithinTheRange)
{
    expectRows<std::string, std::optional<double>>(fixedPointNumber, {
        {"thousands point", "1.000,1234", 1000.1234},
        {"exponent after decimals", "1,23456E+2", 123.456},
        {"half rounds up to even", "0,00015", 0.0002},
        {"half rounds down to even", "0,00025", 0.0002},
        {"above half rounds up", "0,000250001", 0.0003},
        {"negative half", "-0,00015", -0.0002},
        {"rounding carries into the integer", "0,99995", 1},
        {"largest value", "922337203685477,5807", 922337203685477.5807},
        {"rounds down to the largest value", "922337203685477,58074", 922337203685477.5807},
        {"half rounds up out of the range", "922337203685477,58075", std::nullopt},
        {"above the range", "922337203685477,5808", std::nullopt},
        {"smallest value", "-922337203685477,5808", -922337203685477.5808},
        {"below the range", "-922337203685477,5809", std::nullopt},
        {"twenty digits", "99999999999999999999", std::nullopt},
        {"underflow", "1E-400", 0},
        {"exponent overflow", "1E+400", std::nullopt},
        {"unreadable", "1.5,3,", std::nullopt},
    });
}
} // namespace
