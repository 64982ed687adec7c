// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The equilateral triangle and the circle: two calculators, one per frame.
class FrmTri final : public Form {
public:
    explicit FrmTri(Platform &platform);

private:
    void Command2_Click();
    void Label2_Change();
    void Command1_Click();
    void Label12_Change();
    void cmd3_Click();
    void Label13_Change();
    void Text1_KeyPress(int &code);

    Control &Text1 = control("Text1");
    Control &Text2 = control("Text2");
    Control &Label2 = control("Label2");
    Control &Label3 = control("Label3");
    Control &Label6 = control("Label6");
    Control &Text3 = control("Text3");
    Control &Text4 = control("Text4");
    Control &Text5 = control("Text5");
    Control &Label11 = control("Label11");
    Control &Label12 = control("Label12");
    Control &Label13 = control("Label13");
    Control &Label15 = control("Label15");
    Control &Shape1 = control("Shape1");
    Control &cmd3 = control("cmd3");
};
