// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The right cone: volume from radius and height, lateral surface from slant
// height and radius, each in mm and on request in cm.
class FrmCono final : public Form {
public:
    explicit FrmCono(Platform &platform);

private:
    void cmdCalc_Click();
    void cmdCm_Click();
    void cmdCalm_Click();
    void cmdCent_Click();
    void cmdL_Click();
    void cmdRes_Click();
    void cmdStampa_Click();
    void cmdChiudi_Click();
    void lblVcono_Change();
    void lblSm_Change();
    void txtRag_Change();
    void txtAlt_Change();
    void txtL_Change();
    void txtR_Change();

    Control &txtRag = control("txtRag");
    Control &txtAlt = control("txtAlt");
    Control &txtNascos = control("txtNascos");
    Control &lblVcono = control("lblVcono");
    Control &cmdCm = control("cmdCm");
    Control &lblCm = control("lblCm");
    Control &txtL = control("txtL");
    Control &txtR = control("txtR");
    Control &txtTre = control("txtTre");
    Control &lblSm = control("lblSm");
    Control &cmdCent = control("cmdCent");
    Control &lblCentt = control("lblCentt");
    Control &Line1 = control("Line1");
    Control &Line3 = control("Line3");
    Control &Line4 = control("Line4");
    Control &lblLl = control("lblLl");
};
