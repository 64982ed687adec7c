#pragma once

class QIcon;

// The program's icon, drawn here: a grey "G" on the main window's blue-to-black
// gradient, at 16, 32 and 48 pixels.
QIcon applicationIcon();
