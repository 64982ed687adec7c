#include "openwindow.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {
using Log = std::vector<std::string>;

struct Row {
    const char *name;
    const char *window;
    std::vector<std::pair<const char *, std::string>> measures; // box and text
    std::vector<const char *> buttons;                         // pressed in this order
    const char *label;
    const char *expected;
};

// The largest double, typed out: its 15-digit text would not read back.
const std::string largestDouble = "17976931348623157" + std::string(292, '0');

TEST(SolidsLargeMeasures, ResultsAtTheEdgesOfTheTextForm)
{
    const Row rows[] = {
        {"last volume before the exponent form", "frmFormule",
         {{"txt1", "99999"}, {"txt2", "99999"}, {"txt3", "100000"}}, {"cmdCalcola"}, "lbl1", "999980000100000"},
        {"its cm³ from the shown text", "frmFormule", {{"txt1", "99999"}, {"txt2", "99999"}, {"txt3", "100000"}},
         {"cmdCalcola", "cmdCen"}, "lblCen", "999980000100"},
        {"a 17-digit side is rounded to 15 digits", "frmFormule",
         {{"txt1", "12345678901234567"}, {"txt2", "1"}, {"txt3", "1"}}, {"cmdCalcola", "cmdCen"}, "lbl1",
         "1,23456789012346E+16"},
        {"the cm³ of a 17-digit side come from its 15 digits", "frmFormule",
         {{"txt1", "12345678901234567"}, {"txt2", "1"}, {"txt3", "1"}}, {"cmdCalcola", "cmdCen"}, "lblCen",
         "12345678901234,6"},
        {"cone volume just past 10^15", "frmCono", {{"txtRag", "31622777"}, {"txtAlt", "1"}},
         {"cmdCalc", "cmdCm"}, "lblVcono", "1,04720002638078E+15"},
        {"its cm³", "frmCono", {{"txtRag", "31622777"}, {"txtAlt", "1"}}, {"cmdCalc", "cmdCm"}, "lblCm",
         "1047200026380,78"},
        {"sphere cm³ rounded down from the shown volume", "frmSfera", {{"Text1", "559"}}, {"Command2", "Command1"},
         "Label3", "91414,2333433333"},
        {"sphere cm³ rounded up from the shown volume", "frmSfera", {{"Text1", "562"}}, {"Command2", "Command1"},
         "Label3", "92893,9316533334"},
        {"cylinder with a 16-digit radius", "frmCilindro", {{"txt1", "1234567890123456"}, {"txt2", "1"}},
         {"cmdCalcola"}, "lbl1", "4,78585572851699E+30"},
        {"the cylinder's stored sum of a 16-digit radius", "frmCilindro",
         {{"txt1", "1234567890123456"}, {"txt2", "1"}}, {"cmdCalcola"}, "Text1", "1,23456789012346E+15"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow window(row.window);
        for (const auto &[box, text] : row.measures)
            window.type(box, text);
        for (const char *button : row.buttons)
            window.click(button);
        EXPECT_EQ(window.text(row.label), row.expected);
    }
}

struct OverflowRow {
    const char *name;
    const char *window;
    std::vector<std::pair<const char *, std::string>> measures;
    std::vector<const char *> before; // pressed before the one that overflows
    const char *button;
};

// Each product overflows only at its last step, or lands on the largest double,
// whose text would not read back; either way the window stays as it was.
TEST(SolidsLargeMeasures, ResultsBeyondTheRangeChangeNothing)
{
    const std::string e154 = "1" + std::string(154, '0');
    const OverflowRow rows[] = {
        {"cone volume, last factor", "frmCono", {{"txtRag", e154}, {"txtAlt", "2"}}, {}, "cmdCalc"},
        {"cone surface, last factor", "frmCono", {{"txtL", e154 + "0"}, {"txtR", e154}}, {}, "cmdCalm"},
        {"parallelepiped volume on the largest double", "frmFormule",
         {{"txt1", largestDouble}, {"txt2", "1"}, {"txt3", "1"}}, {}, "cmdCalcola"},
        {"parallelepiped surface, S + S", "frmFormule", {{"txt1", e154}, {"txt2", e154}, {"txt3", "1"}},
         {"cmdCalcola"}, "cmdArea"},
        {"cylinder volume, the factor pi", "frmCilindro", {{"txt1", e154}, {"txt2", "2"}}, {}, "cmdCalcola"},
        {"sphere volume, the cube", "frmSfera", {{"Text1", "1" + std::string(103, '0')}}, {}, "Command2"},
        {"sphere surface, the factor pi", "frmSfera", {{"Text1", e154}}, {}, "Command4"},
    };
    for (const OverflowRow &row : rows) {
        SCOPED_TRACE(row.name);
        OpenWindow window(row.window);
        for (const auto &[box, text] : row.measures)
            window.type(box, text);
        for (const char *button : row.before)
            window.click(button);
        window.record();
        window.click(row.button);
        Log expected{"message \"Numero troppo grande!\""};
        if (std::string(row.window) == "frmSfera")
            expected.insert(expected.begin(), "Line4 shown"); // shown before the check, as always
        EXPECT_EQ(window.take(), expected);
    }
}
} // namespace
