// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the program: the user's actions on a window, by its
// number and the control's name, through the same entry points as the desktop.
#include "catalog.h"
#include "controlstate.h"
#include "form.h"
#include "webplatform.h"

#include <emscripten/bind.h>

#include <string>

namespace {
WebPlatform &program()
{
    static WebPlatform platform;
    return platform;
}

// The active window's control that the user can reach now, or null.
Control *reachable(int id, const std::string &name)
{
    Form *form = program().isActive(id) ? program().window(id) : nullptr;
    Control *control = form ? form->find(name) : nullptr;
    return control && form->isReachable(*control) ? control : nullptr;
}

template <typename Action>
void onControl(int id, const std::string &name, Action action)
{
    if (Control *control = reachable(id, name))
        action(*program().window(id), *control);
    program().deleteClosed();
}

void start()
{
    program().start("frmGeomira");
}

// The character the box takes for the key (0: none).
int keyPress(int id, const std::string &name, int code)
{
    int typed = 0;
    onControl(id, name, [&](Form &form, Control &box) { typed = form.keyPress(box, code); });
    return typed;
}

void edit(int id, const std::string &name, const std::string &text)
{
    onControl(id, name, [&](Form &form, Control &box) { form.edit(box, text); });
}

void click(int id, const std::string &name)
{
    onControl(id, name, [](Form &form, Control &control) { form.click(control); });
}

void mouseMove(int id, const std::string &name)
{
    onControl(id, name, [](Form &form, Control &control) { form.mouseMove(control); });
}

void showPage(int id, const std::string &name, int page)
{
    onControl(id, name, [page](Form &form, Control &tabs) { form.showPage(tabs, page); });
}

// A timer ticks in any open window, also under another one.
void timerElapsed(int id, const std::string &name)
{
    if (Form *form = program().window(id)) {
        if (Control *timer = form->find(name))
            form->timerElapsed(*timer);
    }
    program().deleteClosed();
}

void backgroundMouseMove(int id)
{
    if (Form *form = program().isActive(id) ? program().window(id) : nullptr)
        form->formEvent(Event::MouseMove);
}

void activated(int id)
{
    if (Form *form = program().window(id))
        form->formEvent(Event::Activate);
    program().deleteClosed();
}

void closeBox(int id)
{
    if (Form *form = program().isActive(id) ? program().window(id) : nullptr)
        form->closeBox();
    program().deleteClosed();
}

// The window at this place of the program's list is made, with its design for the page, and
// thrown away: its code is then compiled before the user first opens it. False past the end.
bool prepare(int index)
{
    const std::vector<std::string_view> names = windowNames();
    if (index < 0 || index >= static_cast<int>(names.size()))
        return false;
    if (const std::unique_ptr<Form> form = createWindow(names[index], program()))
        windowDesign(*form);
    return true;
}
} // namespace

EMSCRIPTEN_BINDINGS(geomira)
{
    emscripten::function("start", &start);
    emscripten::function("keyPress", &keyPress);
    emscripten::function("edit", &edit);
    emscripten::function("click", &click);
    emscripten::function("mouseMove", &mouseMove);
    emscripten::function("showPage", &showPage);
    emscripten::function("timerElapsed", &timerElapsed);
    emscripten::function("backgroundMouseMove", &backgroundMouseMove);
    emscripten::function("activated", &activated);
    emscripten::function("closeBox", &closeBox);
    emscripten::function("prepare", &prepare);
}
