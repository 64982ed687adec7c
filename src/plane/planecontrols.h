// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <string>
#include <string_view>

// The looks that the plane-figure windows share, and one conversion they all need.

// A figure's frame: navy caption in MS Serif 13.5 pt.
ControlDesign figureFrame(std::string name, std::string caption);
// "Inserire i dati in millimetri", bold and underlined on a transparent background.
ControlDesign heading(std::string name);
// A maroon label in the window's default font.
ControlDesign prompt(std::string name, std::string caption);
// A measure in whole millimetres, in MS Sans Serif 9.75 pt.
ControlDesign measureBox(std::string name);
// "Calcola" on a light grey face, bold.
ControlDesign calcButton(std::string name);
// An empty result on the tooltip yellow, MS Serif 12 pt bold.
ControlDesign resultLabel(std::string name);
// The italic letter that names a side under a figure.
ControlDesign sideLetter(std::string name, std::string caption);

// The value of a text that always reads: a constant box's design text, or a
// result written through resultText.
double shownValue(std::string_view text);
