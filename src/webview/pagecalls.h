// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <string_view>

class Control;
class Form;

// What the program asks of the page (page.js): each call names the window by its number.
namespace page {
void openWindow(int id, const Form &form);
void mirror(int id, const Control &control);
void showWindow(int id);
void closeWindow(int id);
void beep();
// Waits, with the rest of the program, until the user has answered the message with OK.
void showMessage(std::string_view prompt, std::string_view title);
bool print(int id);
void ended();
} // namespace page
