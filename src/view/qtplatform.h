// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"
#include "platformseams.h"

#include <QPointer>

#include <string>
#include <vector>

class FormWidget;

// The program's windows on Qt: each window is loaded from the catalog into a
// FormWidget and stacked over the one that opened it.
class QtPlatform final : public Platform {
public:
    // The desktop program's: it waits for the user, prints on the default
    // printer, and nobody listens.
    QtPlatform();
    // A driver's own: the seams must outlive the platform; listener may be null.
    QtPlatform(Waiting &waiting, PrintTarget &printer, EventListener *listener = nullptr);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    // Loads the program's first window and shows it, without waiting.
    void start(std::string_view formName);
    // The window on top of the stack, null once the program has ended.
    FormWidget *activeWindow() const;
    // The first window, while it is open.
    FormWidget *mainWindow() const;
    bool hasEnded() const { return m_ended; }

    void beep() override;
    void showMessage(std::string_view prompt, std::string_view title) override;
    bool print(const Form &form) override;
    bool canShow(std::string_view formName) const override;
    void showModal(std::string_view formName) override;
    void unload(Form &form) override;
    void endProgram() override;

private:
    FormWidget *load(std::string_view formName);
    bool isOpen(const FormWidget *window) const;
    void report(const std::string &event) const;

    // The desktop's seams, used unless a driver brings its own.
    Waiting m_desktopWaiting;
    PrintTarget m_defaultPrinter;
    Waiting &m_waiting;
    PrintTarget &m_printer;
    EventListener *const m_listener;
    std::vector<FormWidget *> m_open; // the main window first, the active one last
    QPointer<FormWidget> m_main;
    bool m_ended = false;
};
