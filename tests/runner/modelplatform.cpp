// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelplatform.h"

#include "catalog.h"
#include "control.h"
#include "form.h"
#include "propertyvalue.h"

#include <algorithm>

ModelPlatform::ModelPlatform()
{
    m_open.push_back(createWindow("frmGeomira", *this));
    opened(*m_open.back());
    m_lastActive = m_open.back().get();
}

ModelPlatform::~ModelPlatform() = default;

void ModelPlatform::showMessage(std::string_view prompt, std::string_view title)
{
    record(messageEvent(prompt, title));
}

bool ModelPlatform::print(const Form &)
{
    if (m_printerOn)
        record("print");
    return m_printerOn;
}

bool ModelPlatform::canShow(std::string_view formName) const
{
    return hasWindow(formName);
}

void ModelPlatform::showModal(std::string_view formName)
{
    std::unique_ptr<Form> form = createWindow(formName, *this);
    if (!form)
        return;
    Form &shown = *form;
    m_open.push_back(std::move(form));
    record("show " + shown.name());
    opened(shown);
}

void ModelPlatform::opened(Form &form)
{
    for (const Event event : {Event::Load, Event::Resize, Event::Activate, Event::Paint})
        form.formEvent(event);
}

void ModelPlatform::unload(Form &form)
{
    const auto open = std::find_if(m_open.begin(), m_open.end(), [&](const auto &f) { return f.get() == &form; });
    if (open == m_open.end())
        return;
    record("close " + form.name());
    m_unloaded.push_back(std::move(*open));
    m_open.erase(open);
}

void ModelPlatform::endProgram()
{
    if (m_ended)
        return;
    record("end");
    m_ended = true;
    for (auto &form : m_open)
        m_unloaded.push_back(std::move(form));
    m_open.clear();
}

void ModelPlatform::wait(int milliseconds)
{
    // Only the active window's timers matter: a window below a modal one has none.
    if (Form *form = activeWindow())
        fireTimers(*form, milliseconds);
    settle();
}

void ModelPlatform::fireTimers(Form &form, int milliseconds)
{
    for (const auto &control : form.controls()) {
        if (control->kind() != Kind::Timer || !control->isEnabled() || control->design().intervalMs() <= 0)
            continue;
        int &elapsed = m_timerElapsed[control.get()];
        int remaining = milliseconds;
        while (remaining > 0) {
            const int due = control->design().intervalMs() - elapsed;
            if (due > remaining) {
                elapsed += remaining;
                break;
            }
            remaining -= due;
            elapsed = 0;
            form.timerElapsed(*control);
            if (activeWindow() != &form)
                return; // the timer ended the program or closed its window
        }
    }
}

void ModelPlatform::settle()
{
    for (const auto &form : m_unloaded) {
        for (const auto &control : form->controls())
            m_timerElapsed.erase(control.get());
    }
    m_unloaded.clear();
    Form *active = activeWindow();
    if (active && active != m_lastActive)
        active->formEvent(Event::Activate);
    m_lastActive = active;
}

