// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIcon;

// The program's icon for every window: the images that the build renders from
// the icon's drawing, the same ones that the desktop's icon theme installs.
QIcon applicationIcon();
