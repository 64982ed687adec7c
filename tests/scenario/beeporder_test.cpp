// SPDX-License-Identifier: GPL-3.0-or-later
#include "control.h"
#include "form.h"
#include "modelplatform.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {
// Where a handler beeps between two results, the first is on screen while the
// beep sounds and the second is not yet; a mark shown before a check is on
// screen while its message is: the order of the writes is visible.
TEST(BeepOrder, ResultsWrittenAroundTheBeep)
{
    const struct {
        const char *window;
        std::vector<std::pair<const char *, const char *>> boxes;
        const char *button;
        const char *writes;
        const char *mark = nullptr; // a mark whose showing is written down too
    } rows[] = {
        {"frmCono", {{"txtRag", "3"}, {"txtAlt", "4"}}, "cmdCalc", "lblVcono, beep"},
        {"frmFormule", {{"txt1", "2"}, {"txt2", "3"}, {"txt3", "5"}}, "cmdCalcola", "lbl1, beep"},
        {"frmCilindro", {{"txt1", "3"}, {"txt2", "4"}}, "cmdCalcola", "lbl1, Text1, beep"},
        {"frmSfera", {{"Text1", "3"}}, "Command2", "Label2, beep"},
        {"frmTri", {{"Text1", "7"}}, "Command2", "Label2, beep, Label3"},
        {"frmTri", {{"Text3", "7"}}, "Command1", "Label12, beep, Label11, Label15"},
        {"frmQua", {{"Text1", "7"}}, "Command2", "Label2, Label3, Label13, beep"},
        {"frmQua", {{"Text2", "3"}, {"Text3", "4"}}, "Command1", "Label10, Label8, Text4, beep, Label12"},
        {"frmTrap", {{"Text1", "1"}, {"Text2", "2"}, {"Text3", "1"}, {"Text4", "1"}, {"Text5", "0"}}, "Command2",
         "Label6, Label8, beep, Label7"},
        {"frmFori", {{"Text1", "37"}}, "Command5", "Label20, beep, Label22"},
        {"frmSfera", {}, "Command2", "Line4 shown, message \"Inserire i dati (Diametro)\"", "Line4"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.window) + " " + row.button);
        ModelPlatform platform;
        platform.showModal(row.window);
        Form &form = *platform.activeWindow();
        for (const auto &[box, text] : row.boxes)
            form.edit(*form.find(box), text);
        platform.takeEvents();
        std::string writes;
        const auto add = [&](const std::string &entry) { writes += (writes.empty() ? "" : ", ") + entry; };
        form.observe([&](const Control &control, Property property) {
            for (const std::string &event : platform.takeEvents())
                add(event);
            if (property == Property::Text)
                add(control.name());
            else if (property == Property::Visible && row.mark && control.name() == row.mark)
                add(control.name() + " shown");
        });
        form.click(*form.find(row.button));
        for (const std::string &event : platform.takeEvents())
            add(event);
        EXPECT_EQ(writes, row.writes);
    }
}
} // namespace
