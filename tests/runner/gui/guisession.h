// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qtplatform.h"
#include "session.h"
#include "stepwiseseams.h"
#include "widgetreader.h"

#include <string>
#include <utility>
#include <vector>

class FormWidget;
class QWidget;

// A scenario's program on the real windows: steps become key and mouse events
// on the widgets, message boxes are read and answered with OK, and checks read
// the widgets rather than the models.
class GuiSession final : public Session {
public:
    GuiSession();
    ~GuiSession() override;

    void menu(std::string_view item) override;
    void key(std::string_view control, int code) override;
    void paste(std::string_view control, std::string_view text) override;
    void clear(std::string_view control) override;
    void click(std::string_view control) override;
    void mouseMove(std::string_view control) override;
    void showTab(int page) override;
    void closeBox() override;
    void setPrinter(bool on) override { m_printer.switchOn(on); }
    void wait(int milliseconds) override;
    std::string activeWindow() override;
    std::string read(std::string_view control, Readable property) override;
    std::string showColor(std::string_view canonical) override { return shownColor(canonical); }
    std::vector<std::string> takeEvents() override { return std::exchange(m_log.events, {}); }
    Form *activeForm() override;
    void open(std::string_view window) override;
    // The program's windows, for tests that look at the widgets themselves.
    const QtPlatform &platform() const { return m_platform; }

private:
    FormWidget &window() const;
    // The control's widget in the active window, found by its object name.
    QWidget *find(std::string_view control) const;
    // The same, when the user can reach it now; null otherwise.
    QWidget *reachable(std::string_view control) const;

    EventLog m_log;
    StepwiseWaiting m_waiting;
    TrialPrinter m_printer;
    QtPlatform m_platform;
};
