// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The sphere: volume and surface from the diameter, each in mm and cm.
class FrmSfera final : public Form {
public:
    explicit FrmSfera(Platform &platform);

private:
    void Command2_Click();
    void Command1_Click();
    void Command4_Click();
    void Command3_Click();
    void cmdStampa_Click();
    void cmdChiudi_Click();
    void Label2_Change();
    void Label3_Click();
    void Label5_Click();

    Control &Text1 = control("Text1");
    Control &Text2 = control("Text2");
    Control &Command1 = control("Command1");
    Control &Label2 = control("Label2");
    Control &Label3 = control("Label3");
    Control &Label5 = control("Label5");
    Control &Label6 = control("Label6");
    Control &Shape4 = control("Shape4");
    Control &Line4 = control("Line4");
};
