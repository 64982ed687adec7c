// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The square and the rectangle: two calculators, one per frame.
class FrmQua final : public Form {
public:
    explicit FrmQua(Platform &platform);

private:
    void Command2_Click();
    void Command1_Click();

    Control &Text1 = control("Text1");
    Control &Label2 = control("Label2");
    Control &Label3 = control("Label3");
    Control &Label13 = control("Label13");
    Control &Shape1 = control("Shape1");
    Control &Text2 = control("Text2");
    Control &Text3 = control("Text3");
    Control &Text4 = control("Text4");
    Control &Label8 = control("Label8");
    Control &Label10 = control("Label10");
    Control &Label12 = control("Label12");
    Control &Shape2 = control("Shape2");
};
