// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <optional>
#include <string>

// The right circular cylinder: volume from radius and height, in mm³ and cm³,
// and its total surface in cm².
class FrmCilindro final : public Form {
public:
    explicit FrmCilindro(Platform &platform);

private:
    void cmdCalcola_Click();
    void cmdCen_Click();
    void cmdArea_Click();
    void cmdReset_Click();
    void cmdStampa_Click();
    void cmdChiudi_Click();
    void lbl1_Change();
    void txt1_Change();
    void txt2_Change();

    // Radius and height as read for a computation, and the text of their sum.
    struct Measures {
        double radius;
        double height;
        std::string sum;
    };
    std::optional<Measures> readMeasures();

    Control &txt1 = control("txt1");
    Control &txt2 = control("txt2");
    Control &Text1 = control("Text1");
    Control &txtTre = control("txtTre");
    Control &cmdCalcola = control("cmdCalcola");
    Control &lbl1 = control("lbl1");
    Control &cmdCen = control("cmdCen");
    Control &lblCen = control("lblCen");
    Control &cmdArea = control("cmdArea");
    Control &lblArea = control("lblArea");
    Control &Line3 = control("Line3");
    Control &Line4 = control("Line4");
};
