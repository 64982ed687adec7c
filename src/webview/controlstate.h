// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class Control;
class Form;

// A window as the page builds it, as JSON: its design, each control's design and state,
// geometry in CSS pixels, the free font faces, the names a screen reader says.
std::string windowDesign(const Form &form);
// What a control shows now: the properties that change at run time.
std::string controlState(const Control &control);
