// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session.h"

#include <functional>
#include <memory>
#include <string>

class BrowserDriver;

// A scenario's program on the web edition, in headless Chromium: steps become
// real key and mouse input on the page, message boxes are read and answered
// with OK, and checks read what the page shows. A driver process
// (tests/web/driver.mjs) holds the browser; each session is a fresh page.
class WebSession final : public Session {
public:
    explicit WebSession(std::shared_ptr<BrowserDriver> driver);
    ~WebSession() override;

    void menu(std::string_view item) override;
    void key(std::string_view control, int code) override;
    void paste(std::string_view control, std::string_view text) override;
    void clear(std::string_view control) override;
    void click(std::string_view control) override;
    void mouseMove(std::string_view control) override;
    void showTab(int page) override;
    void closeBox() override;
    void setPrinter(bool on) override;
    void wait(int milliseconds) override;
    std::string activeWindow() override;
    std::string read(std::string_view control, Readable property) override;
    std::string showColor(std::string_view canonical) override;
    std::vector<std::string> takeEvents() override;
    // The page's model is out of reach of the test side.
    Form *activeForm() override { return nullptr; }
    void open(std::string_view window) override;

private:
    std::shared_ptr<BrowserDriver> m_driver;
};

// Starts the driver on the web edition in the folder, once, and gives a maker of sessions on it.
std::function<std::unique_ptr<Session>()> webSessions(const std::string &folder);
