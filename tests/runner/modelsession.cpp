// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelsession.h"

#include "control.h"
#include "form.h"
#include "keys.h"
#include "propertyvalue.h"

namespace {
// Decodes one UTF-8 character at `at`, advancing it; malformed bytes stand for themselves.
int nextCodePoint(std::string_view text, std::size_t &at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (at + length > text.size() || length == 1) {
        ++at;
        return lead;
    }
    int code = lead & (0xFF >> (length + 1));
    for (int i = 1; i < length; ++i)
        code = (code << 6) | (byte(at + i) & 0x3F);
    at += length;
    return code;
}

std::string encode(int code)
{
    std::string out;
    const auto c = static_cast<unsigned>(code);
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Removes the last character, as Backspace does with the caret at the end.
void dropLast(std::string &text)
{
    if (text.empty())
        return;
    std::size_t at = text.size() - 1;
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

void ModelSession::typeCode(Control &box, int code)
{
    Form &form = *m_platform.activeWindow();
    code = form.keyPress(box, code);
    if (code == 0 || box.design().isLocked() || box.kind() != Kind::TextBox)
        return;
    std::string text = box.text();
    if (code == keys::backspace)
        dropLast(text);
    else if (code == keys::enter && box.design().isMultiLine())
        text += "\r\n";
    else if (code >= keys::space)
        text += encode(code);
    form.edit(box, std::move(text));
}

void ModelSession::type(std::string_view control, std::string_view chars)
{
    std::size_t at = 0;
    while (at < chars.size()) {
        const int code = nextCodePoint(chars, at);
        // Each key may change what can be reached, so look again every time.
        if (Control *box = reachable(control))
            typeCode(*box, code);
        m_platform.settle();
    }
}

void ModelSession::key(std::string_view control, int code)
{
    if (Control *box = reachable(control))
        typeCode(*box, code);
    m_platform.settle();
}

void ModelSession::paste(std::string_view control, std::string_view text)
{
    Control *box = reachable(control);
    if (box && box->kind() == Kind::TextBox && !box->design().isLocked() && !text.empty())
        m_platform.activeWindow()->edit(*box, box->text() + std::string(text));
    m_platform.settle();
}

void ModelSession::clear(std::string_view control)
{
    Control *box = reachable(control);
    if (box && box->kind() == Kind::TextBox && !box->design().isLocked())
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

void ModelSession::setPrinter(bool on)
{
    m_platform.setPrinter(on);
}

void ModelSession::wait(int milliseconds)
{
    m_platform.wait(milliseconds);
}

std::string ModelSession::activeWindow()
{
    const Form *form = m_platform.activeWindow();
    return form ? form->name() : "none";
}

std::string ModelSession::read(std::string_view name, std::string_view property)
{
    if (name == "form" && property == "Caption") {
        const Form *form = m_platform.activeWindow();
        if (!form)
            throw ScenarioError("the program has ended");
        return quote(form->caption());
    }
    const std::optional<ReadableProperty> readableProperty = readable(property);
    if (!readableProperty)
        throw ScenarioError("no property " + std::string(property));
    return readModel(find(name), readableProperty->which);
}

std::vector<std::string> ModelSession::takeEvents()
{
    return m_platform.takeEvents();
}
