// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmgeomira.h"

#include "keys.h"
#include "platform.h"

#include <array>
#include <string_view>

namespace {
const std::string separator(35, '-');

struct MenuEntry {
    std::string_view item;
    std::string_view parent;
    std::string_view caption;
    std::string_view window; // the window that choosing the item shows, if any
};

constexpr std::array menu{
    MenuEntry{"mnuMenù", "", "&Menù", ""},
    MenuEntry{"mnuChiudi", "mnuMenù", "Chiudi", ""},
    MenuEntry{"mnuSep1", "mnuMenù", "", ""},
    MenuEntry{"mnuCalcola", "mnuMenù", "Corpi Solidi :", ""},
    MenuEntry{"mnuAreaVolume", "mnuCalcola", "Parallelepipedo rettangolo", "frmFormule"},
    MenuEntry{"mnuCono", "mnuCalcola", "Cono retto", "frmCono"},
    MenuEntry{"mnuCilindro", "mnuCalcola", "Cilindro circolare retto", "frmCilindro"},
    MenuEntry{"mnuSfera", "mnuCalcola", "Sfera", "frmSfera"},
    MenuEntry{"mnuPiane", "mnuMenù", "Area delle figure piane :", ""},
    MenuEntry{"mnuTricirc", "mnuPiane", "Triangolo equilatero e Circolo", "frmTri"},
    MenuEntry{"mnuQuadrato", "mnuPiane", "Quadrato e Rettangolo", "frmQua"},
    MenuEntry{"mnuTrapezio", "mnuPiane", "Trapezio", "frmTrap"},
    MenuEntry{"nmuSep2", "mnuMenù", "", ""},
    MenuEntry{"mnuRadici", "mnuMenù", "Radici", "frmRad"},
    MenuEntry{"mnuSep3", "mnuMenù", "", ""},
    MenuEntry{"mnuFori", "mnuMenù", "Fori equidistanti", "frmFori"},
    MenuEntry{"mnuInfo", "", "&Info", "frmIo"},
};

std::vector<ControlDesign> controlTable(const Platform &platform)
{
    const Font times{.face = "Times New Roman", .points = 48, .bold = true};
    std::vector<ControlDesign> table{
        textBox("Text1", "Geomira").at(2280, 0, 5295, 1215).tab(1).font(times).align(Align::Center)
            .borderless().fore(colors::grey).back(colors::darkNavy),
        textBox("Text2", "Geomira Varonel").at(4560, 4320, 855, 495).tab(0)
            .font({.face = "Times New Roman", .points = 8.25}).align(Align::Center).borderless().multiLine()
            .fore(colors::red).back(colors::black),
    };
    for (const MenuEntry &entry : menu) {
        // The separators are ordinary items whose caption is a row of hyphens.
        ControlDesign item = menuItem(std::string(entry.item),
                                entry.caption.empty() ? separator : std::string(entry.caption),
                                std::string(entry.parent));
        // A window not built into this program leaves its item disabled.
        if (!entry.window.empty() && !platform.canShow(entry.window))
            item.disabled();
        table.push_back(std::move(item));
    }
    return table;
}
} // namespace

// The view paints the gradient in 256 bands from bright blue to black; the
// window's scale has 256 units from top to bottom, in which the banner moves.
FrmGeomira::FrmGeomira(Platform &platform)
    : Form(platform,
           {.name = "frmGeomira", .caption = "Geomira", .clientWidth = 9885, .clientHeight = 6810,
            .border = BorderStyle::FixedSingle, .scaleHeight = 256, .gradient = true},
           controlTable(platform))
{
    onForm(Event::MouseMove, [this] { Form_MouseMove(); });
    on("Text1", Event::MouseMove, [this] { Text1_MouseMove(); });
    onKeyPress("Text1", [](int &code) { code = noKeyFilter(code); });
    on("mnuChiudi", Event::Click, [this] { mnuChiudi_Click(); });
    for (const MenuEntry &entry : menu) {
        if (!entry.window.empty())
            on(entry.item, Event::Click, [this, window = entry.window] { this->platform().showModal(window); });
    }
}

void FrmGeomira::Form_MouseMove()
{
    Text1.setForeColor(colors::grey);
    Text1.setBackColor(colors::darkNavy);
}

// The banner moves down to 150 of the 256 units and stays there.
void FrmGeomira::Text1_MouseMove()
{
    Text1.setForeColor(colors::darkRed);
    Text1.setBackColor(colors::black);
    Text1.setTop(150);
}

void FrmGeomira::mnuChiudi_Click()
{
    platform().unload(*this);
    platform().showModal("frmChiude");
}

void FrmGeomira::closeBox()
{
    platform().unload(*this);
    platform().endProgram();
}
