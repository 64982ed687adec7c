// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// One case of a window's behaviour: open the window from the main menu, carry
// out the steps, then check the results and every event since the opening.
// Lists are separated by "; ". A step "box=text" empties the box and pastes
// the text, a bare name clicks that control, and anything else is a scenario
// step as written in a scenario file. A result "control=text" checks the
// Caption or Text, "control.Property=value" any property.
struct WindowRow {
    const char *name;
    const char *window;
    const char *steps;
    const char *results;
    const char *events; // as a scenario's `events` step writes them, after "show WINDOW"
};

// The rows of a test program, which defines them. The program's main runs
// them as scenarios on the models, with --gui on the real widgets, or with
// --web DIR on the web edition built into DIR, and prints the failures.
extern const std::span<const WindowRow> windowRows;
