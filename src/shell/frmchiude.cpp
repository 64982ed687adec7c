// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmchiude.h"

#include "platform.h"

namespace {
std::vector<ControlDesign> controlTable()
{
    return {
        shapeControl("Shape1", ShapeKind::RoundedRectangle).at(0, 0, 7575, 735).border(colors::veryDarkRed, 6),
        label("Label1", "Grazie per aver usato questo software, spero che vi sia stato utile!")
            .at(120, 240, 7455, 375).transparent().fore(colors::maroon)
            .font({.face = "Times New Roman", .points = 14.25}),
        timer("Timer1", 2500),
    };
}
} // namespace

FrmChiude::FrmChiude(Platform &platform)
    : Form(platform,
           {.name = "frmChiude", .caption = "", .clientWidth = 7575, .clientHeight = 720,
            .border = BorderStyle::None, .backColor = colors::white},
           controlTable())
{
    onForm(Event::Load, [this] { this->platform().beep(); });
    on("Timer1", Event::Timer, [this] { this->platform().endProgram(); });
}
