// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Platform;

enum class Event { Click, Change, KeyPress, MouseMove, Timer, Activate, Paint, Resize, Load };

enum class BorderStyle {
    Sizable,     // an ordinary resizable border with minimise and maximise buttons
    FixedSingle, // a fixed border without minimise and maximise buttons
    None,        // no border and no title bar
};

struct FormDesign {
    std::string name;
    std::string caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    BorderStyle border = BorderStyle::Sizable;
    Color backColor = colors::buttonFace;
    // The vertical scale of the client area for the controls placed on it: 0
    // for twips, otherwise the number of units from the top to the bottom edge.
    int scaleHeight = 0;
    bool gradient = false; // the background is the blue-to-black gradient
};

// A window: its controls in design order and its event handlers. A subclass
// per window writes its control table and binds its handlers; the host (the
// view, the scenario runner) feeds the user's actions in through the methods
// under "Input".
class Form {
public:
    using Observer = std::function<void(const Control &, Property)>;

    Form(Platform &platform, FormDesign design, std::vector<ControlDesign> controls);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const FormDesign &design() const { return m_design; }
    const std::string &name() const { return m_design.name; }
    const std::string &caption() const { return m_design.caption; }
    int clientWidth() const { return m_design.clientWidth; }
    int clientHeight() const { return m_design.clientHeight; }
    BorderStyle border() const { return m_design.border; }
    Color backColor() const { return m_design.backColor; }
    const std::vector<std::unique_ptr<Control>> &controls() const { return m_controls; }
    const Control *find(std::string_view name) const;
    Control *find(std::string_view name);
    bool hasHandler(const Control &control, Event event) const;
    bool hasFormHandler(Event event) const;

    // Observers hear of every property change, in order; the id removes one.
    int observe(Observer observer);
    void unobserve(int id);

    // Input: the user's actions, as the host delivers them.
    // Runs the control's KeyPress handler; returns the code to insert (0: none).
    int keyPress(Control &control, int code);
    // The user changed a box's text: Change runs if the text differs.
    void edit(Control &control, std::string text);
    void click(Control &control);
    void mouseMove(Control &control);
    void formEvent(Event event); // Load, Activate, Paint, Resize, MouseMove
    void timerElapsed(Control &timer);
    void showPage(Control &tabControl, int page);
    // The title-bar close box; by default the window unloads.
    virtual void closeBox();
    // Whether the user can reach the control now: it and its containers are
    // visible and enabled, and its tab page is the one shown.
    bool isReachable(const Control &control) const;

protected:
    Platform &platform() const { return m_platform; }
    // The control of that name; a missing name is a fault in the window's code.
    Control &control(std::string_view name);
    void on(std::string_view control, Event event, std::function<void()> handler);
    void onForm(Event event, std::function<void()> handler);
    void onKeyPress(std::string_view control, std::function<void(int &code)> handler);

private:
    friend class Control;
    void notify(const Control &control, Property property);
    void raise(const Control &control, Event event);

    Platform &m_platform;
    FormDesign m_design;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::map<std::pair<const Control *, Event>, std::function<void()>> m_handlers;
    std::map<Event, std::function<void()>> m_formHandlers;
    std::map<const Control *, std::function<void(int &)>> m_keyHandlers;
    std::map<int, Observer> m_observers;
    int m_nextObserver = 0;
};
