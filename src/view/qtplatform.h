// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class FormWidget;
class QMessageBox;

// The program's windows on Qt: each window is loaded from the catalog into a
// FormWidget and stacked over the one that opened it.
class QtPlatform final : public Platform {
public:
    // Blocking: modal windows and message boxes wait in a nested event loop,
    // as a desktop program does. NonBlocking: they are shown and the call
    // returns at once, so that a driver can act on them step by step.
    enum class Modality { Blocking, NonBlocking };
    // Where printing goes: the system's default printer, a PDF file in a
    // temporary folder that is thrown away, or nowhere (printing fails).
    enum class Printer { System, PdfFile, Off };
    // Hears of what the user would see or hear: "beep", "print", "show NAME", "close NAME", "end".
    using Listener = std::function<void(const std::string &event)>;
    // In the NonBlocking modality, answers each message box while it is up.
    using MessageHandler = std::function<void(QMessageBox &box)>;

    QtPlatform(Modality modality, Printer printer);
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
    void setPrinter(Printer printer) { m_printer = printer; }
    void setListener(Listener listener) { m_listener = std::move(listener); }
    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }

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

    const Modality m_modality;
    Printer m_printer;
    Listener m_listener;
    MessageHandler m_messageHandler;
    std::vector<FormWidget *> m_open; // the main window first, the active one last
    QPointer<FormWidget> m_main;
    bool m_ended = false;
};
