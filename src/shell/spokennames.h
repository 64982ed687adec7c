// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class Control;
class Form;

// What a screen reader calls the controls, in every view: a box, a tab control
// or a result has no caption of its own, and its row names the label that describes it.

namespace spoken {
// A caption as read aloud: the access key's '&' goes, a doubled one stays single.
std::string withoutAccessKey(const std::string &caption);
// The caption of the label that describes the control; else its tooltip, else the window's name.
std::string describedName(const Form &form, const Control &control);
// The window: its caption, or for a window without one its first label's.
std::string windowNameOf(const Form &form);
} // namespace spoken
