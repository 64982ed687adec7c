// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"
#include "modelplatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// A window whose handlers write down the order in which they run.
class Probe final : public Form {
public:
    explicit Probe(Platform &platform)
        : Form(platform,
               {.name = "frmProbe", .caption = "Probe", .clientWidth = 1500, .clientHeight = 3000},
               {
                   textBox("txtA"),
                   label("lblB", ""),
                   button("cmdGo", "Go"),
               })
    {
        on("txtA", Event::Change, [this] {
            order += "txtA_Change " + txtA.text() + "; ";
            lblB.setText("from A");
            order += "txtA_Change done; ";
        });
        on("lblB", Event::Change, [this] { order += "lblB_Change " + lblB.text() + "; "; });
        on("cmdGo", Event::Click, [this] {
            txtA.setText("");
            txtA.setText("");
        });
    }
    std::string order;
    Control &txtA = control("txtA");
    Control &lblB = control("lblB");
};
} // namespace

TEST(FormTest, ChangeRunsInsideEverySetterAndOnUserEditsThatChangeTheText)
{
    ModelPlatform platform;
    Probe form(platform);
    const std::string changeOfA = "txtA_Change 7; lblB_Change from A; txtA_Change done; ";
    form.txtA.setText("7");
    EXPECT_EQ(form.order, changeOfA);
    form.edit(form.txtA, "7");
    EXPECT_EQ(form.order, changeOfA);
    form.click(*form.find("cmdGo"));
    const std::string emptyA = "txtA_Change ; lblB_Change from A; txtA_Change done; ";
    EXPECT_EQ(form.order, changeOfA + emptyA + emptyA);
}
