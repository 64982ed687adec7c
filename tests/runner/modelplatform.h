// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Control;

// The program run on the model alone: windows are created from the catalog
// and stacked, message boxes are answered at once, and what the user would
// see or hear is recorded as events in the text of a scenario's `events` step.
class ModelPlatform final : public Platform {
public:
    // Starts the program: the main window is loaded and shown.
    ModelPlatform();
    ~ModelPlatform() override;

    void beep() override { record("beep"); }
    void showMessage(std::string_view prompt, std::string_view title) override;
    bool print(const Form &form) override;
    bool canShow(std::string_view formName) const override;
    void showModal(std::string_view formName) override;
    void unload(Form &form) override;
    void endProgram() override;

    // The window that takes input, null once the program has ended.
    Form *activeWindow() const { return m_open.empty() ? nullptr : m_open.back().get(); }
    bool hasEnded() const { return m_ended; }
    void setPrinter(bool on) { m_printerOn = on; }
    // Lets timer time pass for the open windows; timers fire as it runs out.
    void wait(int milliseconds);
    // After each user action: discards unloaded windows and activates the new top one.
    void settle();
    std::vector<std::string> takeEvents() { return std::exchange(m_events, {}); }
    // The events a window gets as it opens, in order.
    static void opened(Form &form);

private:
    void record(std::string event) { m_events.push_back(std::move(event)); }
    void fireTimers(Form &form, int milliseconds);

    std::vector<std::unique_ptr<Form>> m_open;     // the main window first, the active one last
    std::vector<std::unique_ptr<Form>> m_unloaded; // kept until the running handler has returned
    std::map<const Control *, int> m_timerElapsed;
    std::vector<std::string> m_events;
    const Form *m_lastActive = nullptr;
    bool m_printerOn = false;
    bool m_ended = false;
};
