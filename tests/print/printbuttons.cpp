#include "printbuttons.h"

#include "catalog.h"
#include "form.h"
#include "modelplatform.h"

#include <algorithm>

namespace {
std::vector<std::string> buttonsOf(std::string_view window)
{
    ModelPlatform platform;
    platform.showModal(window);
    platform.settle();
    std::vector<std::string> names;
    if (const Form *form = platform.activeWindow(); form && form->name() == window)
        for (const auto &control : form->controls())
            if (control->kind() == Kind::CommandButton)
                names.push_back(control->name());
    return names;
}

bool prints(std::string_view window, const std::string &button)
{
    ModelPlatform platform;
    platform.setPrinter(true);
    platform.showModal(window);
    platform.settle();
    Form *form = platform.activeWindow();
    platform.takeEvents();
    form->click(*form->find(button));
    const std::vector<std::string> events = platform.takeEvents();
    return std::find(events.begin(), events.end(), "print") != events.end();
}
} // namespace

std::vector<PrintButton> printButtons()
{
    std::vector<PrintButton> found;
    for (const std::string_view window : windowNames())
        for (const std::string &button : buttonsOf(window))
            if (prints(window, button))
                found.push_back({std::string(window), button});
    return found;
}
