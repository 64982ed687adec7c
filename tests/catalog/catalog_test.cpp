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
    for (const std::string_view name : windowNames()) {
        SCOPED_TRACE(std::string(name));
        const std::unique_ptr<Form> form = createWindow(name, platform);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->name(), name);
        EXPECT_GT(form->clientWidth(), 0);
        EXPECT_GT(form->clientHeight(), 0);
        std::set<std::string> names;
        std::set<int> tabIndexes;
        for (const auto &control : form->controls()) {
            SCOPED_TRACE(control->name());
            EXPECT_TRUE(names.insert(control->name()).second) << "a second control of that name";
            if (control->tabIndex() >= 0) {
                EXPECT_TRUE(tabIndexes.insert(control->tabIndex()).second) << "a second control with that tab index";
            }
            if (control->container().empty())
                continue;
            const Control *holder = form->find(control->container());
            ASSERT_TRUE(holder) << "its container is missing";
            switch (holder->kind()) {
            case Kind::TabControl:
                EXPECT_GE(control->page(), 0);
                EXPECT_LT(control->page(), static_cast<int>(holder->pageCaptions().size()));
                break;
            case Kind::Menu:
                EXPECT_EQ(control->kind(), Kind::Menu);
                break;
            default:
                EXPECT_EQ(holder->kind(), Kind::Frame);
            }
        }
    }
}

TEST(Catalog, UnknownWindowsAreNotThere)
{
    ModelPlatform platform;
    EXPECT_FALSE(createWindow("frmNone", platform));
    EXPECT_FALSE(hasWindow("frmNone"));
}
