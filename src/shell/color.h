// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A colour as the windows give it: 0x00BBGGRR, or a system colour when the top
// bit is set (the low byte is then the system colour's index).
using Color = std::uint32_t;

namespace colors {
inline constexpr Color black = 0x00000000;
inline constexpr Color white = 0x00FFFFFF;
inline constexpr Color red = 0x000000FF;
inline constexpr Color darkRed = 0x000000C0;
inline constexpr Color maroon = 0x00000080;
inline constexpr Color veryDarkRed = 0x00000040;
inline constexpr Color navy = 0x00800000;
inline constexpr Color darkNavy = 0x00400000;
inline constexpr Color teal = 0x00808000;
inline constexpr Color darkTeal = 0x00404000;
inline constexpr Color grey = 0x00808080;
inline constexpr Color lightGrey = 0x00E0E0E0;
inline constexpr Color lightYellow = 0x0080FFFF;
inline constexpr Color paleYellow = 0x00C0FFFF;

// System colours.
inline constexpr Color windowText = 0x80000008;
inline constexpr Color titleText = 0x80000009;
inline constexpr Color buttonFace = 0x8000000F;
inline constexpr Color buttonText = 0x80000012;
inline constexpr Color tooltipBack = 0x80000018;
inline constexpr Color windowBack = 0x80000005;

constexpr bool isSystem(Color color) { return (color & 0x80000000u) != 0; }
} // namespace colors
