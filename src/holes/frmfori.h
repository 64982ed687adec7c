// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

struct HolePage;

// The distance between equally spaced holes on a circle: one tab page per
// number of holes, each a small calculator of its own.
class FrmFori final : public Form {
public:
    explicit FrmFori(Platform &platform);

private:
    // One handler of each family per page, bound to that page's controls.
    void Calcola_Click(const HolePage &page);          // Command1_Click ... Command9_Click
    void MillimetreResult_Change(const HolePage &page); // Label20_Change, Label27_Change, ...
    void Diameter_Change(const HolePage &page);        // Text1_Change ... Text9_Change
};
