// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagecalls.h"

#include "controlstate.h"

#include <emscripten/emscripten.h>

#include <string>

using emscripten::val;

namespace {
val thePage()
{
    return val::global("geomiraPage");
}

// The page resolves the promise when the user presses OK; until then the program is suspended.
EM_ASYNC_JS(void, waitForMessage, (const char *prompt, const char *title), {
    await globalThis.geomiraPage.showMessage(UTF8ToString(prompt), UTF8ToString(title));
});
} // namespace

namespace page {
void openWindow(int id, const Form &form)
{
    thePage().call<void>("openWindow", id, windowDesign(form));
}

void mirror(int id, const Control &control)
{
    thePage().call<void>("mirror", id, controlState(control));
}

void showWindow(int id)
{
    thePage().call<void>("showWindow", id);
}

void closeWindow(int id)
{
    thePage().call<void>("closeWindow", id);
}

void beep()
{
    thePage().call<void>("beep");
}

void showMessage(std::string_view prompt, std::string_view title)
{
    waitForMessage(std::string(prompt).c_str(), std::string(title).c_str());
}

bool print(int id)
{
    return thePage().call<bool>("print", id);
}

void ended()
{
    thePage().call<void>("ended");
}
} // namespace page
