// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The closing greeting: a beep, a thank-you line, and the end of the program
// when its timer runs out.
class FrmChiude final : public Form {
public:
    explicit FrmChiude(Platform &platform);

    // The greeting has no close box to speak of: only its timer ends it.
    void closeBox() override {}
};
