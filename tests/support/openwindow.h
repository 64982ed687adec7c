#pragma once

#include "control.h"
#include "form.h"
#include "modelplatform.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One window opened on the recording platform and driven by control name. Its
// log lists the window's changes in order once recording has started, with
// the beeps and messages interleaved where they happen.
class OpenWindow {
public:
    explicit OpenWindow(std::string_view formName)
    {
        m_platform.showModal(formName);
        m_platform.settle();
        m_platform.takeEvents();
    }

    Form &form() { return *m_platform.activeWindow(); }
    ModelPlatform &platform() { return m_platform; }
    void type(std::string_view box, std::string text) { form().edit(*form().find(box), std::move(text)); }
    void click(std::string_view button) { form().click(*form().find(button)); }
    std::string text(std::string_view name) { return form().find(name)->text(); }

    // Starts logging the changes from now on; earlier events are dropped.
    void record()
    {
        m_platform.takeEvents();
        form().observe([this](const Control &control, Property property) { log(control, property); });
    }

    std::vector<std::string> take()
    {
        drainEvents();
        return std::exchange(m_entries, {});
    }

private:
    void drainEvents()
    {
        for (std::string &event : m_platform.takeEvents())
            m_entries.push_back(std::move(event));
    }

    void log(const Control &control, Property property)
    {
        drainEvents();
        const std::string &name = control.name();
        switch (property) {
        case Property::Text: m_entries.push_back(name + " \"" + control.text() + "\""); break;
        case Property::Visible: m_entries.push_back(name + (control.isVisible() ? " shown" : " hidden")); break;
        case Property::Enabled: m_entries.push_back(name + (control.isEnabled() ? " enabled" : " disabled")); break;
        case Property::FillStyle:
            m_entries.push_back(name + (control.fillStyle() == FillStyle::Transparent ? " unfilled" : " hatched"));
            break;
        case Property::BorderColor:
            m_entries.push_back(name + (control.borderColor() == colors::red ? " red" : " teal"));
            break;
        case Property::BorderWidth:
            m_entries.push_back(name + " width " + std::to_string(control.borderWidth()));
            break;
        default: m_entries.push_back(name + " changed");
        }
    }

    ModelPlatform m_platform;
    std::vector<std::string> m_entries;
};
