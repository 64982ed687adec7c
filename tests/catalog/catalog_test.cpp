// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "control.h"
#include "form.h"
#include "modelplatform.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

// What every control table must hold to, checked on every window there is: its
// controls fit their containers, and the roles it states agree with its rows and
// with what the handlers copy.
TEST(Catalog, EveryWindowHasAConsistentControlTable)
{
    ModelPlatform platform;
    EXPECT_FALSE(hasWindow("frmNone") || createWindow("frmNone", platform));
    for (const std::string_view name : windowNames()) {
        SCOPED_TRACE(std::string(name));
        const std::unique_ptr<Form> form = createWindow(name, platform);
        ASSERT_TRUE(form && form->name() == name);
        EXPECT_TRUE(form->clientWidth() > 0 && form->clientHeight() > 0);
        std::set<std::string> names, prompts;
        std::vector<Control *> boxes;
        for (const auto &control : form->controls()) {
            SCOPED_TRACE(control->name());
            const ControlDesign &design = control->design();
            EXPECT_TRUE(names.insert(control->name()).second) << "a second control of that name";
            const Role role = design.role();
            const bool isLabel = design.kind() == Kind::Label;
            const bool isBox = design.kind() == Kind::TextBox;
            EXPECT_EQ(isLabel && design.text().empty(), role == Role::Result) << "a blank label is a result";
            EXPECT_TRUE(isLabel || (role != Role::Prompt && role != Role::Echo)) << "only a label prompts or echoes";
            EXPECT_EQ(isBox && !design.isVisible() && textToNumber(design.text()), role == Role::Constant)
                << "a hidden box holding a number is a constant";
            EXPECT_TRUE(design.describer().empty() || form->find(design.describer())) << "no such describer";
            if (isBox && design.isVisible()) {
                boxes.push_back(control.get());
                if (!design.describer().empty())
                    prompts.insert(design.describer());
            }
            if (design.container().empty())
                continue;
            const Control *holder = form->find(design.container());
            ASSERT_TRUE(holder) << "its container is missing";
            const int pages = static_cast<int>(holder->design().pageCaptions().size());
            const bool fits = holder->kind() == Kind::Frame
                || (holder->kind() == Kind::Menu && control->kind() == Kind::Menu)
                || (holder->kind() == Kind::TabControl && design.page() >= 0 && design.page() < pages);
            EXPECT_TRUE(fits) << "it does not fit its container";
        }
        // Typing a different number into each box shows which labels copy it.
        std::set<std::string> echoes;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const std::string typed = std::to_string(4321 + i);
            form->edit(*boxes[i], typed);
            for (const auto &control : form->controls())
                if (control->kind() == Kind::Label && control->text() == typed)
                    echoes.insert(control->name());
        }
        for (const auto &control : form->controls()) {
            SCOPED_TRACE(control->name());
            EXPECT_EQ(prompts.contains(control->name()), control->design().role() == Role::Prompt)
                << "a prompt is what a box shown is described by";
            EXPECT_EQ(echoes.contains(control->name()), control->design().role() == Role::Echo)
                << "an echo is a label that copies a box";
        }
    }
}
