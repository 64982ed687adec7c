// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// How a window's design measures and reads on any screen, the same for every view.

inline constexpr int twipsPerPixel = 15;
int twipsToPixels(int twips);

// The free face, installed on the desktop and shipped with the page, that has the
// metrics of the face a window asks for; an unknown face is kept as it is.
std::string_view freeFace(std::string_view face);

// What a screen reader says of a picture; empty for one the program cannot draw.
std::string_view pictureDescription(std::string_view pictureId);
