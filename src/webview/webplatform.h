// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"
#include "platform.h"

#include <map>
#include <memory>
#include <string_view>
#include <vector>

// The program in the page: its open windows, each known to the page by a
// number, and the platform through which their handlers reach the page.
class WebPlatform : public Platform {
public:
    // Loads the first window and shows it.
    void start(std::string_view formName);
    // The window the page knows by that number, while it is open.
    Form *window(int id) const;
    // The window that takes the user's input: the last one shown, over the others.
    bool isActive(int id) const;
    // A window unloads from its own handler: it is deleted once the input that ran it has returned.
    void deleteClosed();

    void beep() override;
    void showMessage(std::string_view prompt, std::string_view title) override;
    bool print(const Form &form) override;
    bool canShow(std::string_view formName) const override;
    void showModal(std::string_view formName) override;
    void unload(Form &form) override;
    void endProgram() override;

private:
    // A new instance of the window, built in the page and not yet shown: its number, or 0.
    int load(std::string_view formName);
    int idOf(const Form &form) const;

    std::map<int, std::unique_ptr<Form>> m_open; // by number, which grows with each window opened
    std::vector<std::unique_ptr<Form>> m_closed;
    int m_lastId = 0;
    bool m_ended = false;
};
