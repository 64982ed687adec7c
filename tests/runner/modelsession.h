// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modelplatform.h"
#include "form.h"
#include "session.h"

class Control;

// A scenario's program run on the window models alone.
class ModelSession : public Session {
public:
    void menu(std::string_view item) override;
    void key(std::string_view control, int code) override;
    void paste(std::string_view control, std::string_view text) override;
    void clear(std::string_view control) override;
    void click(std::string_view control) override;
    void mouseMove(std::string_view control) override;
    void showTab(int page) override;
    void closeBox() override;
    void setPrinter(bool on) override { m_platform.setPrinter(on); }
    void wait(int milliseconds) override { m_platform.wait(milliseconds); }
    std::string activeWindow() override { return activeForm() ? activeForm()->name() : "none"; }
    std::string read(std::string_view control, Readable property) override;
    std::vector<std::string> takeEvents() override { return m_platform.takeEvents(); }
    Form *activeForm() override { return m_platform.activeWindow(); }
    void open(std::string_view window) override;

private:
    // The named control of the active window when the user can reach it.
    Control *reachable(std::string_view name);
    Control &find(std::string_view name);
    // Whether the user can type into the control.
    static bool editable(const Control *box);

    ModelPlatform m_platform;
};
