// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelsession.h"

#include "control.h"
#include "form.h"
#include "keys.h"
#include "propertyvalue.h"

namespace {
std::string encode(int code)
{
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    std::string out(static_cast<std::size_t>(length), '\0');
    for (int i = length - 1; i > 0; --i, code >>= 6)
        out[static_cast<std::size_t>(i)] = static_cast<char>(0x80 | (code & 0x3F));
    out[0] = static_cast<char>((0xF00 >> length) | code);
    return out;
}

// Removes the last character, as Backspace does with the caret at the end.
void dropLast(std::string &text)
{
    std::size_t at = text.empty() ? 0 : text.size() - 1;
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    text.erase(at);
}
} // namespace

Control &ModelSession::find(std::string_view name)
{
    Form *form = m_platform.activeWindow();
    Control *control = form ? form->find(name) : nullptr;
    if (!control)
        throw ScenarioError("no control " + std::string(name) + " in " + (form ? form->name() : "the ended program"));
    return *control;
}

Control *ModelSession::reachable(std::string_view name)
{
    if (m_platform.hasEnded())
        return nullptr;
    Control &control = find(name);
    return m_platform.activeWindow()->isReachable(control) ? &control : nullptr;
}

void ModelSession::menu(std::string_view item)
{
    Form *form = m_platform.activeWindow();
    if (!form || form->name() != "frmGeomira")
        return; // while a child window is open the menu takes no input
    if (Control *control = reachable(item)) {
        form->click(*control);
        m_platform.settle();
    }
}

void ModelSession::key(std::string_view control, int code)
{
    Control *box = reachable(control);
    Form *form = m_platform.activeWindow();
    code = box ? form->keyPress(*box, code) : 0;
    if (code != 0 && editable(box)) {
        std::string text = box->text();
        if (code == keys::backspace)
            dropLast(text);
        else if (code == keys::enter && box->design().isMultiLine())
            text += "\r\n";
        else if (code >= keys::space)
            text += encode(code);
        form->edit(*box, std::move(text));
    }
    m_platform.settle();
}

bool ModelSession::editable(const Control *box)
{
    return box && box->kind() == Kind::TextBox && !box->design().isLocked();
}

void ModelSession::paste(std::string_view control, std::string_view text)
{
    if (Control *box = reachable(control); editable(box) && !text.empty())
        m_platform.activeWindow()->edit(*box, box->text() + std::string(text));
    m_platform.settle();
}

void ModelSession::clear(std::string_view control)
{
    if (Control *box = reachable(control); editable(box))
        m_platform.activeWindow()->edit(*box, {});
    m_platform.settle();
}

void ModelSession::click(std::string_view control)
{
    if (Control *target = reachable(control))
        m_platform.activeWindow()->click(*target);
    m_platform.settle();
}

void ModelSession::mouseMove(std::string_view control)
{
    if (m_platform.hasEnded())
        return;
    if (control == "form")
        m_platform.activeWindow()->formEvent(Event::MouseMove);
    else if (Control *target = reachable(control))
        m_platform.activeWindow()->mouseMove(*target);
    m_platform.settle();
}

void ModelSession::showTab(int page)
{
    Form *form = m_platform.activeWindow();
    if (!form)
        return;
    for (const auto &control : form->controls()) {
        if (control->kind() == Kind::TabControl && form->isReachable(*control)) {
            form->showPage(*control, page);
            return;
        }
    }
    throw ScenarioError(form->name() + " has no tab control");
}

void ModelSession::closeBox()
{
    if (Form *form = m_platform.activeWindow())
        form->closeBox();
    m_platform.settle();
}

std::string ModelSession::read(std::string_view name, Readable property)
{
    const Form *form = m_platform.activeWindow();
    if (name != "form" || property != Readable::Caption)
        return readModel(find(name), property);
    if (!form)
        throw ScenarioError("the program has ended");
    return quote(form->caption());
}

void ModelSession::open(std::string_view window)
{
    m_platform.showModal(window);
    m_platform.settle();
}
