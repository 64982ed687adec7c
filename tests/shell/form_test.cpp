// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"
#include "modelplatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// A window whose handlers write down the order in which they run.
class Probe final : public Form {
public:
    explicit Probe(Platform &platform, int scaleHeight = 0)
        : Form(platform,
               {.name = "frmProbe", .caption = "Probe", .clientWidth = 1500, .clientHeight = 3000,
                .scaleHeight = scaleHeight},
               {
                   textBox("txtA"),
                   label("lblB", ""),
                   button("cmdGo", "Go"),
                   frame("Frame1", "F"),
                   button("cmdInFrame", "In").in("Frame1"),
                   tabControl("Tabs", {"one", "two"}),
                   button("cmdPage1", "P").in("Tabs", 1),
                   label("lblTop", "").at(0, 1500, 10, 10),
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

class FormTest : public testing::Test {
protected:
    ModelPlatform platform;
    Probe form{platform};
};
} // namespace

TEST_F(FormTest, ChangeRunsInsideEverySetterAndOnUserEditsThatChangeTheText)
{
    const std::string changeOfA = "txtA_Change 7; lblB_Change from A; txtA_Change done; ";
    form.txtA.setText("7");
    EXPECT_EQ(form.order, changeOfA);
    form.edit(form.txtA, "7");
    EXPECT_EQ(form.order, changeOfA);
    form.click(*form.find("cmdGo"));
    const std::string emptyA = "txtA_Change ; lblB_Change from A; txtA_Change done; ";
    EXPECT_EQ(form.order, changeOfA + emptyA + emptyA);
}

TEST_F(FormTest, ObserversHearEachChangeInOrderAndCanLeave)
{
    std::string heard;
    const int id = form.observe([&](const Control &c, Property p) {
        heard += c.name() + (p == Property::Text ? " text; " : " other; ");
    });
    form.txtA.setText("1");
    form.lblB.setVisible(false);
    form.unobserve(id);
    form.lblB.setVisible(true);
    EXPECT_EQ(heard, "txtA text; lblB text; lblB other; ");
}

TEST_F(FormTest, ReachableThroughContainersAndTabPages)
{
    Control &inFrame = *form.find("cmdInFrame");
    Control &onPage1 = *form.find("cmdPage1");
    EXPECT_TRUE(form.isReachable(inFrame));
    form.find("Frame1")->setEnabled(false);
    EXPECT_FALSE(form.isReachable(inFrame));
    EXPECT_FALSE(form.isReachable(onPage1)); // page 0 is shown
    form.showPage(*form.find("Tabs"), 1);
    EXPECT_TRUE(form.isReachable(onPage1));
    form.find("Tabs")->setVisible(false);
    EXPECT_FALSE(form.isReachable(onPage1));
}

TEST_F(FormTest, TopFollowsTheWindowScale)
{
    EXPECT_EQ(form.find("lblTop")->top(), 1500);
    Probe scaled{platform, 256};
    Control &top = *scaled.find("lblTop");
    EXPECT_EQ(top.top(), 128);
    top.setTop(150);
    EXPECT_EQ(top.topTwips(), 1758); // 150 of 256 units of a 3000-twip client area
    EXPECT_EQ(top.top(), 150);
    EXPECT_EQ(scaled.find("cmdInFrame")->top(), 0); // inside a frame the scale is twips
}

namespace {
// A window whose handlers name a control that its table lacks.
class Misbound final : public Form {
public:
    explicit Misbound(Platform &platform)
        : Form(platform, {.name = "frmMisbound", .caption = ""}, {label("Label1", "")})
    {
    }
    Control &Label2 = control("Label2");
};
} // namespace

TEST_F(FormTest, BindingAMissingControlFailsWhenTheWindowIsBuilt)
{
    EXPECT_THROW(Misbound{platform}, std::logic_error);
}
