// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The main window: the banner on the blue-to-black gradient and the menu that
// opens every other window.
class FrmGeomira final : public Form {
public:
    explicit FrmGeomira(Platform &platform);

    // Closing the main window by its title-bar box ends the program at once,
    // without the greeting.
    void closeBox() override;

private:
    void Form_MouseMove();
    void Text1_MouseMove();
    void mnuChiudi_Click();

    Control &Text1 = control("Text1");
};
