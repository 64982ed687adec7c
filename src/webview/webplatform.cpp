// SPDX-License-Identifier: GPL-3.0-or-later
#include "webplatform.h"

#include "catalog.h"
#include "pagecalls.h"

#include <iterator>
#include <utility>

void WebPlatform::start(std::string_view formName)
{
    const int id = load(formName);
    if (id == 0)
        return;
    window(id)->formEvent(Event::Load);
    if (window(id))
        page::showWindow(id);
}

Form *WebPlatform::window(int id) const
{
    const auto open = m_open.find(id);
    return open == m_open.end() ? nullptr : open->second.get();
}

bool WebPlatform::isActive(int id) const
{
    return !m_open.empty() && std::prev(m_open.end())->first == id;
}

void WebPlatform::deleteClosed()
{
    m_closed.clear();
}

void WebPlatform::beep()
{
    page::beep();
}

void WebPlatform::showMessage(std::string_view prompt, std::string_view title)
{
    page::showMessage(prompt, title);
}

bool WebPlatform::print(const Form &form)
{
    const int id = idOf(form);
    return id != 0 && page::print(id);
}

bool WebPlatform::canShow(std::string_view formName) const
{
    return hasWindow(formName);
}

// The page keeps the window modal over the others; the handler that opened it
// goes on at once, since opening a window is always a handler's last step.
void WebPlatform::showModal(std::string_view formName)
{
    const int id = load(formName);
    if (id == 0)
        return;
    window(id)->formEvent(Event::Load);
    // Its Load may have unloaded it, or ended the program.
    if (window(id))
        page::showWindow(id);
}

void WebPlatform::unload(Form &form)
{
    const int id = idOf(form);
    if (id == 0)
        return;
    m_closed.push_back(std::move(m_open.at(id)));
    m_open.erase(id);
    page::closeWindow(id);
}

void WebPlatform::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    for (auto &[id, form] : m_open)
        m_closed.push_back(std::move(form));
    m_open.clear();
    page::ended();
}

int WebPlatform::load(std::string_view formName)
{
    if (m_ended)
        return 0;
    std::unique_ptr<Form> form = createWindow(formName, *this);
    if (!form)
        return 0;
    const int id = ++m_lastId;
    form->observe([id](const Control &control, Property) { page::mirror(id, control); });
    page::openWindow(id, *form);
    m_open.emplace(id, std::move(form));
    return id;
}

int WebPlatform::idOf(const Form &form) const
{
    for (const auto &[id, open] : m_open) {
        if (open.get() == &form)
            return id;
    }
    return 0;
}
