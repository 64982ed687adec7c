#include "openwindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Log = std::vector<std::string>;

TEST(SolidsChangeOrder, ConeResetEnablesTheCmButtonBeforeDisablingIt)
{
    OpenWindow window("frmCono");
    window.type("txtRag", "37");
    window.type("txtAlt", "53");
    window.click("cmdCalc");
    window.click("cmdL");
    window.record();
    window.click("cmdRes");
    EXPECT_EQ(window.take(), (Log{"lblVcono \"\"", "cmdCm enabled", "txtAlt \"\"", "Line4 shown", "txtRag \"\"",
                                  "Line3 shown", "Line3 hidden", "Line4 hidden", "lblCm \"\"", "cmdCm disabled",
                                  "Line1 teal", "lblLl hidden"}));
}

TEST(SolidsChangeOrder, ConeVolumeEnablesTheCmButtonBeforeTheBeep)
{
    OpenWindow window("frmCono");
    window.type("txtRag", "3");
    window.type("txtAlt", "4");
    window.record();
    window.click("cmdCalc");
    EXPECT_EQ(window.take(), (Log{"lblVcono \"37,6992\"", "cmdCm enabled", "beep"}));
    window.type("txtL", "5");
    window.click("cmdL");
    EXPECT_EQ(window.take(), (Log{"txtL \"5\"", "Line1 red", "Line1 width 1", "lblLl shown", "Line1 red",
                                  "Line1 width 2"}));
}

TEST(SolidsChangeOrder, ParallelepipedResetShowsItsMarkersBeforeHidingThem)
{
    OpenWindow window("frmFormule");
    window.type("txt1", "23");
    window.type("txt2", "41");
    window.type("txt3", "17");
    window.record();
    window.click("cmdCalcola");
    EXPECT_EQ(window.take(), (Log{"lbl1 \"16031\"", "Line1 hidden", "Line2 hidden", "Line3 hidden", "cmdCen enabled",
                                  "cmdArea enabled", "beep"}));
    window.click("cmdReset");
    EXPECT_EQ(window.take(),
              (Log{"txt1 \"\"", "Line1 shown", "txt2 \"\"", "Line2 shown", "txt3 \"\"", "Line3 shown",
                   "cmdCalcola enabled", "lbl1 \"\"", "Line1 hidden", "Line2 hidden", "Line3 hidden",
                   "cmdCalcola disabled", "cmdCen disabled", "lblCen \"\"", "cmdArea disabled", "lblArea \"\""}));
}

TEST(SolidsChangeOrder, CylinderStoresTheSumAfterEnablingAndBeepsLast)
{
    OpenWindow window("frmCilindro");
    window.type("txt1", "37");
    window.type("txt2", "53");
    window.record();
    window.click("cmdCalcola");
    EXPECT_EQ(window.take(), (Log{"lbl1 \"227828,98\"", "cmdArea enabled", "cmdCen enabled", "Text1 \"90\"", "beep"}));
    window.click("cmdArea");
    EXPECT_EQ(window.take(), (Log{"Text1 \"90\"", "lblArea \"209,124\""}));
    window.click("cmdReset");
    EXPECT_EQ(window.take(),
              (Log{"txt1 \"\"", "Line3 shown", "txt2 \"\"", "cmdCalcola enabled", "Line4 shown", "lbl1 \"\"",
                   "cmdArea enabled", "cmdCalcola disabled", "cmdCen disabled", "lblCen \"\"", "lblArea \"\"",
                   "cmdArea disabled", "Line3 hidden", "Line4 hidden", "Text1 \"\""}));
}

TEST(SolidsChangeOrder, SphereShowsItsDiameterFirstAndBeepsThroughItsVolumeLabel)
{
    OpenWindow window("frmSfera");
    window.record();
    window.click("Command2");
    EXPECT_EQ(window.take(), (Log{"Line4 shown", "message \"Inserire i dati (Diametro)\""}));
    window.type("Text1", "37");
    window.click("Command2");
    EXPECT_EQ(window.take(), (Log{"Text1 \"37\"", "Line4 shown", "Label2 \"26508,4033333333\"", "Command1 enabled",
                                  "Shape4 hatched", "beep"}));
    window.click("Command3");
    EXPECT_EQ(window.take(), (Log{"Label2 \"\"", "Command1 enabled", "Shape4 hatched", "beep", "Label3 \"\"",
                                  "Label5 \"\"", "Label6 \"\"", "Line4 hidden", "Command1 disabled",
                                  "Shape4 unfilled", "Text1 \"\""}));
}
} // namespace
