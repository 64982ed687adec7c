// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "platform.h"

#include <stdexcept>

Form::Form(Platform &platform, FormDesign design, std::vector<ControlDesign> controls)
    : m_platform(platform)
    , m_design(std::move(design))
{
    m_controls.reserve(controls.size());
    for (ControlDesign &c : controls) {
        m_controls.push_back(std::make_unique<Control>(std::move(c)));
        m_controls.back()->m_form = this;
    }
}

Form::~Form() = default;

const Control *Form::find(std::string_view name) const
{
    for (const auto &c : m_controls) {
        if (c->name() == name)
            return c.get();
    }
    return nullptr;
}

Control *Form::find(std::string_view name)
{
    return const_cast<Control *>(std::as_const(*this).find(name));
}

Control &Form::control(std::string_view name)
{
    if (Control *c = find(name))
        return *c;
    throw std::logic_error(m_design.name + " has no control " + std::string(name));
}

bool Form::hasHandler(const Control &control, Event event) const
{
    if (event == Event::KeyPress)
        return m_keyHandlers.contains(&control);
    return m_handlers.contains({&control, event});
}

bool Form::hasFormHandler(Event event) const
{
    return m_formHandlers.contains(event);
}

void Form::on(std::string_view name, Event event, std::function<void()> handler)
{
    m_handlers[{&control(name), event}] = std::move(handler);
}

void Form::onForm(Event event, std::function<void()> handler)
{
    m_formHandlers[event] = std::move(handler);
}

void Form::onKeyPress(std::string_view name, std::function<void(int &)> handler)
{
    m_keyHandlers[&control(name)] = std::move(handler);
}

int Form::observe(Observer observer)
{
    m_observers.emplace(m_nextObserver, std::move(observer));
    return m_nextObserver++;
}

void Form::unobserve(int id)
{
    m_observers.erase(id);
}

void Form::notify(const Control &control, Property property)
{
    for (const auto &[id, observer] : m_observers)
        observer(control, property);
}

void Form::raise(const Control &control, Event event)
{
    const auto handler = m_handlers.find({&control, event});
    if (handler != m_handlers.end())
        handler->second();
}

int Form::keyPress(Control &control, int code)
{
    const auto handler = m_keyHandlers.find(&control);
    if (handler != m_keyHandlers.end())
        handler->second(code);
    return code;
}

void Form::edit(Control &control, std::string text)
{
    if (control.m_text == text)
        return;
    control.m_text = std::move(text);
    control.changed(Property::Text);
    raise(control, Event::Change);
}

void Form::click(Control &control)
{
    raise(control, Event::Click);
}

void Form::mouseMove(Control &control)
{
    raise(control, Event::MouseMove);
}

void Form::formEvent(Event event)
{
    const auto handler = m_formHandlers.find(event);
    if (handler != m_formHandlers.end())
        handler->second();
}

void Form::timerElapsed(Control &timer)
{
    if (timer.isEnabled() && timer.design().intervalMs() > 0)
        raise(timer, Event::Timer);
}

void Form::showPage(Control &tabControl, int page)
{
    const int pages = static_cast<int>(tabControl.design().pageCaptions().size());
    if (page < 0 || page >= pages || page == tabControl.m_currentPage)
        return;
    tabControl.m_currentPage = page;
    tabControl.changed(Property::Tab);
}

void Form::closeBox()
{
    m_platform.unload(*this);
}

bool Form::isReachable(const Control &control) const
{
    const Control *c = &control;
    while (c) {
        if (!c->isVisible() || !c->isEnabled())
            return false;
        if (c->design().container().empty())
            return true;
        const Control *holder = find(c->design().container());
        if (holder && holder->kind() == Kind::TabControl && holder->currentPage() != c->design().page())
            return false;
        c = holder;
    }
    return true;
}
