// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <string>
#include <vector>

// Records what handlers ask of the outside world, one line per request.
class RecordingPlatform final : public Platform {
public:
    std::vector<std::string> log;
    bool printerWorks = false;

    void beep() override { log.push_back("beep"); }
    void showMessage(std::string_view prompt, std::string_view title) override
    {
        log.push_back("message " + std::string(prompt) + " | " + std::string(title));
    }
    bool print(const Form &) override
    {
        log.push_back(printerWorks ? "print" : "print failed");
        return printerWorks;
    }
    bool canShow(std::string_view formName) const override { return formName != "frmMissing"; }
    void showModal(std::string_view formName) override { log.push_back("show " + std::string(formName)); }
    void unload(Form &) override { log.push_back("unload"); }
    void endProgram() override { log.push_back("end"); }
};
