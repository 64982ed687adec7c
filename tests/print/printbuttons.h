#pragma once

#include <string>
#include <vector>

// A button of one of the program's windows whose click prints the window.
struct PrintButton {
    std::string window;
    std::string button;
};

// Every print button of every window, found by clicking each button of a fresh
// window model with a working printer, so that a window added later is covered.
std::vector<PrintButton> printButtons();
