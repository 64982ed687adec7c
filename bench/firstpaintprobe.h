// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// For the benchmarks: calls back once the window has painted for the first
// time, as soon as the event loop is back from handling that paint (the
// picture is then on its way to the screen).
void afterFirstPaint(QWidget *window, std::function<void()> callback);
// Prints the monotonic clock in nanoseconds on standard output at the window's
// first paint and ends the program.
void exitOnFirstPaint(QWidget *window);
