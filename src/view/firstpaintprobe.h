#pragma once

#include <functional>

class QWidget;

// For the benchmarks: calls back once the window has painted for the first
// time, as soon as the event loop is back from handling that paint (the
// picture is then on its way to the screen).
void afterFirstPaint(QWidget *window, std::function<void()> callback);
// Prints the monotonic clock in nanoseconds on standard output at the window's
// first paint and ends the program. Used when the environment sets
// GEOMIRA_EXIT_ON_FIRST_PAINT.
void exitOnFirstPaint(QWidget *window);
