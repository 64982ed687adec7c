#pragma once

#include "form.h"
#include "modelplatform.h"

#include <string>
#include <string_view>

// One plane window opened on the recording platform, driven by control name.
class PlaneWindow {
public:
    explicit PlaneWindow(std::string_view formName)
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

private:
    ModelPlatform m_platform;
};
