#pragma once

class QWidget;

// For the start-up benchmark: once the window has painted for the first time,
// prints the monotonic clock in nanoseconds on standard output and ends the
// program. Used when the environment sets GEOMIRA_EXIT_ON_FIRST_PAINT.
void exitOnFirstPaint(QWidget *window);
