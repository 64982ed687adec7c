// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

class Control;
class Form;

// The names a screen reader gives the controls (spokennames.h), as Qt holds them.
QString withoutAccessKey(const std::string &caption);
QString describedName(const Form &form, const Control &control);
QString windowNameOf(const Form &form);
