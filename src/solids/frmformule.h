// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <optional>

// The rectangular parallelepiped: volume and total surface from the two base
// sides and the height.
class FrmFormule final : public Form {
public:
    explicit FrmFormule(Platform &platform);

private:
    struct Measures {
        double a; // the two sides of the base
        double b;
        double c; // the height
    };
    std::optional<Measures> readMeasures();

    void cmdCalcola_Click();
    void cmdCen_Click();
    void cmdArea_Click();
    void cmdReset_Click();
    void cmdStampa_Click();
    void cmdChiudi_Click();
    void txt1_Change();
    void txt2_Change();
    void txt3_Change();

    Control &txt1 = control("txt1");
    Control &txt2 = control("txt2");
    Control &txt3 = control("txt3");
    Control &cmdCalcola = control("cmdCalcola");
    Control &lbl1 = control("lbl1");
    Control &cmdCen = control("cmdCen");
    Control &lblCen = control("lblCen");
    Control &cmdArea = control("cmdArea");
    Control &lblArea = control("lblArea");
    Control &Line1 = control("Line1");
    Control &Line2 = control("Line2");
    Control &Line3 = control("Line3");
};
