// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

// A label that the window leaves blank in its design, where a result goes.
// The one place the tests tell a result from other labels.
inline bool isResultLabel(const Control &control)
{
    return control.kind() == Kind::Label && control.text().empty();
}
