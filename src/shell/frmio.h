// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

// The about window: a picture, the scrolling description and OK.
class FrmIo final : public Form {
public:
    explicit FrmIo(Platform &platform);

private:
    Control &Label1 = control("Label1");
};
