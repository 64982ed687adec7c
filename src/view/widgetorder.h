// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FormWidget;

// How a window's widgets lie over one another and follow one another under Tab.

// Windowed controls (boxes, buttons, frames, tab controls) always lie above the
// graphical ones of their container, each group in the table's order.
void stackWindowedControls(const FormWidget &window);
// Tab follows the tab indexes, and the first control that can take the focus has it.
void orderTabStops(const FormWidget &window);
