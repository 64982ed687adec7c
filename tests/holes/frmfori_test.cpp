#include "frmfori.h"

#include "holepages.h"
#include "modelplatform.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace {
// Each page's factor is sin(180°/n) to five decimals, halved where doubled.
TEST(HolePages, FactorsAreTheChordOfTheirNumberOfHoles)
{
    for (const HolePage &page : holePages) {
        SCOPED_TRACE(page.caption);
        EXPECT_EQ(page.caption, std::to_string(page.holes) + " Fori");
        EXPECT_EQ(page.holePositions.size(), static_cast<std::size_t>(page.holes));
        const double chord = std::sin(std::numbers::pi / page.holes);
        const double factor = *textToNumber(page.factor) * (page.doubled ? 2 : 1);
        EXPECT_NEAR(factor, chord, 1e-5);
    }
}

// Every page's controls exist on its own page, and no name serves twice.
TEST(HolePages, ControlsLieOnTheirOwnPages)
{
    ModelPlatform platform;
    FrmFori window(platform);
    std::set<std::string> names;
    for (const auto &control : window.controls())
        EXPECT_TRUE(names.insert(control->name()).second) << control->name();
    for (std::size_t index = 0; index < holePages.size(); ++index) {
        const HolePage &page = holePages[index];
        SCOPED_TRACE(page.caption);
        for (std::string_view name : {page.diameterBox, page.factorBox, page.calcola, page.stampa, page.mmResult,
                                      page.cmResult, page.diametroLabel, page.chordDimension, page.disc}) {
            const Control *control = window.find(name);
            ASSERT_NE(control, nullptr) << name;
            EXPECT_EQ(control->page(), static_cast<int>(index)) << name;
        }
    }
}

// The beep of the mm label's change sounds after the mm result is written
// and before the cm result is.
TEST(FrmFori, BeepsBetweenTheTwoResults)
{
    ModelPlatform platform;
    FrmFori window(platform);
    std::vector<std::string> order;
    window.observe([&](const Control &control, Property property) {
        if (property != Property::Text || control.name().starts_with("Text"))
            return;
        for (const std::string &event : platform.takeEvents())
            order.push_back(event);
        order.push_back(control.name() + " " + control.text());
    });
    window.edit(*window.find("Text1"), "37");
    window.click(*window.find("Command5"));
    const std::vector<std::string> expected{"Label21 37", "Label20 32,04311", "beep", "Label22 3,204311"};
    EXPECT_EQ(order, expected);
}
} // namespace
