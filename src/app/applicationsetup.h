#pragma once

// What every Geomira process sets on its QApplication before the first window:
// the Fusion style, the program's icon and desktop entry, and an end only when
// the windows say so.
void setUpApplication();
