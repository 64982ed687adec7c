// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

class Form;

// Everything a window's handlers need of the world outside the model. The
// application implements it on Qt; tests and the scenario runner on a record.
class Platform {
public:
    virtual ~Platform() = default;

    // The system's default beep.
    virtual void beep() = 0;
    // A message box with the exclamation icon and one OK button; returns once
    // the user has pressed OK.
    virtual void showMessage(std::string_view prompt, std::string_view title) = 0;
    // Prints an image of the window's client area on the default printer;
    // false when printing failed for any reason.
    virtual bool print(const Form &form) = 0;
    // Whether the program has a window of that name.
    virtual bool canShow(std::string_view formName) const = 0;
    // Loads a fresh instance of the window and shows it modally.
    virtual void showModal(std::string_view formName) = 0;
    // Unloads the window: it disappears and its state is discarded.
    virtual void unload(Form &form) = 0;
    // Ends the whole program at once.
    virtual void endProgram() = 0;
};
