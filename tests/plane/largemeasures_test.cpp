#include "numbers.h"
#include "openwindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Products of 10^15 or more are written in exponent form with a decimal comma;
// the windows read them back by the Italian rules. Below 10^15 every product of
// whole millimetres is a whole number written in plain digits, so reading it
// with the point as decimal separator gives the same value.
namespace {
// The rectangle's diagonal with its squares read with the point as separator.
std::string pointReadDiagonal(double a, double b)
{
    const double sum = leadingNumber(numberToText(a * a)) + leadingNumber(numberToText(b * b));
    return numberToText(std::sqrt(*textToNumber(numberToText(sum))));
}

// The trapezoid's area with its products read with the point as separator.
std::string pointReadArea(double H, double h, double a, double b, double c)
{
    const double hb = leadingNumber(numberToText(h * b));
    const double Hc = leadingNumber(numberToText(H * c));
    const double twice = *textToNumber(numberToText(((a * (H + h)) + hb) + Hc));
    return numberToText(*textToNumber(numberToText(twice / 2)));
}

struct Rectangle { const char *name; double a, b; };
struct Trapezoid { const char *name; double H, h, a, b, c; };

std::string rectangleDiagonal(const Rectangle &row)
{
    OpenWindow window("frmQua");
    window.type("Text2", numberToText(row.a));
    window.type("Text3", numberToText(row.b));
    window.click("Command1");
    return window.text("Label12");
}

std::string trapezoidArea(const Trapezoid &row)
{
    OpenWindow window("frmTrap");
    window.type("Text1", numberToText(row.H));
    window.type("Text2", numberToText(row.h));
    window.type("Text3", numberToText(row.a));
    window.type("Text4", numberToText(row.b));
    window.type("Text5", numberToText(row.c));
    window.click("Command2");
    return window.text("Label8");
}

TEST(PlaneLargeMeasures, SquaresBelowTenToTheFifteenthGiveTheSameDiagonalEitherWay)
{
    const Rectangle rows[] = {
        {"small sides", 13, 29},
        {"largest square below 10^15 on both sides", 31622776, 31622776},
        {"largest square below 10^15 and a zero", 0, 31622776},
        {"eight-digit sides", 12345678, 23456789},
    };
    for (const Rectangle &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(rectangleDiagonal(row), pointReadDiagonal(row.a, row.b));
    }
}

TEST(PlaneLargeMeasures, SquaresFromTenToTheFifteenthKeepTheirValue)
{
    const Rectangle rows[] = {
        {"smallest square from 10^15", 31622777, 1},
        {"equal sides of 40000000", 40000000, 40000000},
        {"twelve-digit side", 123456789012, 5},
    };
    for (const Rectangle &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string diagonal = rectangleDiagonal(row);
        EXPECT_NE(diagonal, pointReadDiagonal(row.a, row.b));
        const double exact = std::hypot(row.a, row.b);
        EXPECT_NEAR(*textToNumber(diagonal), exact, exact * 1e-14);
    }
}

TEST(PlaneLargeMeasures, ProductsBelowTenToTheFifteenthGiveTheSameAreaEitherWay)
{
    const Trapezoid rows[] = {
        {"small measures", 47, 23, 61, 19, 13},
        {"both products just below 10^15", 31622776, 31622776, 5, 31622776, 31622776},
        {"product of 15 digits", 99999999, 1, 123, 9999999, 10000000},
    };
    for (const Trapezoid &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(trapezoidArea(row), pointReadArea(row.H, row.h, row.a, row.b, row.c));
    }
}

TEST(PlaneLargeMeasures, ProductsFromTenToTheFifteenthKeepTheirValue)
{
    const Trapezoid rows[] = {
        {"Hc of 1,6E+15", 40000000, 1, 0, 1, 40000000},
        {"both products above 10^15", 123456789, 987654321, 7, 1234567890, 76543210},
    };
    for (const Trapezoid &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string area = trapezoidArea(row);
        EXPECT_NE(area, pointReadArea(row.H, row.h, row.a, row.b, row.c));
        const double exact = (row.a * (row.H + row.h) + row.h * row.b + row.H * row.c) / 2;
        EXPECT_NEAR(*textToNumber(area), exact, exact * 1e-14);
    }
}
} // namespace
