// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The trapezoid: five measures, the area and a reset.
class FrmTrap final : public Form {
public:
    explicit FrmTrap(Platform &platform);

private:
    void Command2_Click();
    void Label8_Change();
    void Command1_Click();

    Control &Text1 = control("Text1");
    Control &Text2 = control("Text2");
    Control &Text3 = control("Text3");
    Control &Text4 = control("Text4");
    Control &Text5 = control("Text5");
    Control &Label6 = control("Label6");
    Control &Label7 = control("Label7");
    Control &Label8 = control("Label8");
};
