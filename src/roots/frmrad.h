// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <optional>
#include <string>
#include <string_view>

// The n-th root of a whole number, under a drawn radical sign that repeats
// the typed number and index.
class FrmRad final : public Form {
public:
    explicit FrmRad(Platform &platform);

private:
    void Text1_Change();
    void Text2_Change();
    void Label3_Click();
    void Command1_Click();
    std::optional<std::string> squareRoot();
    std::optional<std::string> nthRoot();
    std::optional<double> readFixedPoint(const Control &box, std::string_view prompt);

    Control &Text1 = control("Text1");
    Control &Text2 = control("Text2");
    Control &Label1 = control("Label1");
    Control &Label2 = control("Label2");
    Control &Label3 = control("Label3");
};
