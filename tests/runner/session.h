// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertyvalue.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class Form;

// A step that cannot be carried out (an unknown control, say); the scenario fails there.
class ScenarioError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One running program that a scenario drives: on the model, or on the real
// widgets. Actions on a control that is disabled, hidden or on a tab page not
// shown do nothing; actions while the program has ended do nothing.
class Session {
public:
    virtual ~Session() = default;

    virtual void menu(std::string_view item) = 0;
    // One key typed, with the character code of a scenario's `key` step; the
    // runner types each character of a `type` step this way.
    virtual void key(std::string_view control, int code) = 0;
    virtual void paste(std::string_view control, std::string_view text) = 0;
    virtual void clear(std::string_view control) = 0;
    virtual void click(std::string_view control) = 0;
    // "form" is the active window's background.
    virtual void mouseMove(std::string_view control) = 0;
    virtual void showTab(int page) = 0;
    virtual void closeBox() = 0;
    virtual void setPrinter(bool on) = 0;
    virtual void wait(int milliseconds) = 0;

    // The active window's name, "none" once the program has ended.
    virtual std::string activeWindow() = 0;
    // A property of a control of the active window ("form" for the window
    // itself), in the canonical text of formatValue (propertyvalue.h).
    virtual std::string read(std::string_view control, Readable property) = 0;
    // A colour as this session shows it: a system colour may come out as the
    // plain colour it stands for.
    virtual std::string showColor(std::string_view canonical) { return std::string(canonical); }
    // The events since the last call, each in the text of a scenario's `events` step.
    virtual std::vector<std::string> takeEvents() = 0;

    // For tests that reach past the user's steps: the model behind the active
    // window (null once the program has ended), and a window opened by its
    // name over the active one, as a handler that shows it opens it.
    virtual Form *activeForm() = 0;
    virtual void open(std::string_view window) = 0;
};
