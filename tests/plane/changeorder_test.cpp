#include "openwindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Log = std::vector<std::string>;

TEST(PlaneChangeOrder, TriangleShowsItsHatchingAndBeepsBeforeTheCmResult)
{
    OpenWindow window("frmTri");
    window.type("Text1", "7");
    window.record();
    window.click("Command2");
    EXPECT_EQ(window.take(), (Log{"Label2 \"21,217\"", "Line4 shown", "Line5 shown", "Line6 shown", "Line7 shown",
                               "Line8 shown", "Line9 shown", "Line10 shown", "Line11 shown", "beep",
                               "Label3 \"0,21217\""}));
}

TEST(PlaneChangeOrder, CircleFillsAndEnablesBeforeItsResultsAndBeepsOnce)
{
    OpenWindow window("frmTri");
    window.type("Text3", "7");
    window.record();
    window.click("Command1");
    EXPECT_EQ(window.take(), (Log{"Shape1 hatched", "cmd3 enabled", "Label12 \"38,4846\"", "beep",
                               "Label11 \"0,384846\"", "Label15 \"21,98\""}));
    window.click("cmd3");
    EXPECT_EQ(window.take(), (Log{"Label13 \"2,198\"", "beep"}));
}

TEST(PlaneChangeOrder, SquareFillsAfterItsAreaAndBeepsLast)
{
    OpenWindow window("frmQua");
    window.type("Text1", "7");
    window.record();
    window.click("Command2");
    EXPECT_EQ(window.take(), (Log{"Label2 \"49\"", "Shape1 hatched", "Label3 \"0,49\"", "Label13 \"9,8994\"", "beep"}));
}

TEST(PlaneChangeOrder, RectangleBeepsBeforeItsDiagonal)
{
    OpenWindow window("frmQua");
    window.type("Text2", "10");
    window.type("Text3", "20");
    window.record();
    window.click("Command1");
    EXPECT_EQ(window.take(), (Log{"Label10 \"200\"", "Shape2 hatched", "Label8 \"2\"", "Text4 \"500\"", "beep",
                               "Label12 \"22,3606797749979\""}));
}

TEST(PlaneChangeOrder, TrapezoidWritesTwiceTheAreaThenHatchesAndBeepsBeforeTheCmResult)
{
    OpenWindow window("frmTrap");
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        window.type(box, "1");
    window.record();
    window.click("Command2");
    EXPECT_EQ(window.take(), (Log{"Label6 \"4\"", "Label8 \"2\"", "Line18 shown", "Line19 shown", "Line20 shown",
                               "Line21 shown", "Line22 shown", "Line23 shown", "Line24 shown", "Line25 shown",
                               "beep", "Label7 \"0,02\""}));
}

TEST(PlaneChangeOrder, TrapezoidResetShowsTheHatchingThroughTheResultThenHidesIt)
{
    OpenWindow window("frmTrap");
    window.record();
    window.click("Command1");
    EXPECT_EQ(window.take(), (Log{"Label7 \"\"", "Label8 \"\"", "Line18 shown", "Line19 shown", "Line20 shown",
                               "Line21 shown", "Line22 shown", "Line23 shown", "Line24 shown", "Line25 shown",
                               "beep", "Text1 \"\"", "Text2 \"\"", "Text3 \"\"", "Text4 \"\"", "Text5 \"\"",
                               "Line18 hidden", "Line19 hidden", "Line20 hidden", "Line21 hidden", "Line22 hidden",
                               "Line23 hidden", "Line24 hidden", "Line25 hidden"}));
}
} // namespace
