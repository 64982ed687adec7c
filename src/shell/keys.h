// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Key filters for KeyPress handlers. They take the typed character's code and
// give the code to insert, 0 for none.

// The character codes that filters and boxes treat apart from the others.
namespace keys {
constexpr int backspace = 8;
constexpr int enter = 13; // the carriage return that Enter types
constexpr int escape = 27;
constexpr int space = 32; // the first printable character
} // namespace keys

// Lets only the digits 0 to 9 and Backspace through.
int digitKeyFilter(int code);

// Lets no character through (the main window's banner).
int noKeyFilter(int code);
