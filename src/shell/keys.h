#pragma once

// Key filters for KeyPress handlers. They take the typed character's code and
// give the code to insert, 0 for none.

// Lets only the digits 0 to 9 and Backspace through.
int digitKeyFilter(int code);

// Lets no character through (the main window's banner).
int noKeyFilter(int code);
