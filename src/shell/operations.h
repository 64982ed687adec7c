// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

class Control;
class Form;
class Platform;

// The title of every message box but the printing one.
inline constexpr std::string_view appTitle = "Geomira";
inline constexpr std::string_view tooBigPrompt = "Numero troppo grande!";

// The message for a missing measure: exclamation icon, OK, the program's title.
void showValidation(Platform &platform, std::string_view prompt);
// Prints the window; a failure is reported and leaves the window as it was.
void printWindow(Platform &platform, const Form &form);
// Unloads the window that holds the button.
void closeWindow(Platform &platform, Form &form);

// Reads a measure or constant box for a computation. An empty box, or text that
// does not read as a number, shows the box's prompt and gives nothing, so that
// the handler stops before it has changed anything.
std::optional<double> readBox(Platform &platform, const Control &box, std::string_view prompt);

// The text to write for a result. A result that is not finite, or whose text
// would not read back as a number, shows "Numero troppo grande!" and gives
// nothing, so that the handler stops before it has changed anything.
std::optional<std::string> resultText(Platform &platform, double value);

// A centimetre result from the millimetre result as shown: the label's text
// read back and divided by 10, 100 or 1000, so that it carries the 15-digit
// form of the displayed value. Nothing while the label shows no number.
std::optional<std::string> centimetres(Platform &platform, const Control &mmLabel, double divisor);
