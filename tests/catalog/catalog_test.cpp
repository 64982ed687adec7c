// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "control.h"
#include "form.h"
#include "modelplatform.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// What every control table must hold to, checked on every window there is.
TEST(Catalog, EveryWindowHasAConsistentControlTable)
{
    ModelPlatform platform;
    EXPECT_FALSE(hasWindow("frmNone") || createWindow("frmNone", platform));
    for (const std::string_view name : windowNames()) {
        SCOPED_TRACE(std::string(name));
        const std::unique_ptr<Form> form = createWindow(name, platform);
        ASSERT_TRUE(form && form->name() == name);
        EXPECT_TRUE(form->clientWidth() > 0 && form->clientHeight() > 0);
        std::set<std::string> names;
        for (const auto &control : form->controls()) {
            SCOPED_TRACE(control->name());
            EXPECT_TRUE(names.insert(control->name()).second) << "a second control of that name";
            if (control->container().empty())
                continue;
            const Control *holder = form->find(control->container());
            ASSERT_TRUE(holder) << "its container is missing";
            const int pages = static_cast<int>(holder->pageCaptions().size());
            const bool fits = holder->kind() == Kind::Frame
                || (holder->kind() == Kind::Menu && control->kind() == Kind::Menu)
                || (holder->kind() == Kind::TabControl && control->page() >= 0 && control->page() < pages);
            EXPECT_TRUE(fits) << "it does not fit its container";
        }
    }
}
