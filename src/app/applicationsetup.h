// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every Geomira process sets on its QApplication before the first window:
// the Fusion style, the program's icon and desktop entry, Qt's own texts in
// Italian, and an end only when the windows say so.
void setUpApplication();
