// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtrap.h"

#include "keys.h"
#include "operations.h"
#include "planecontrols.h"
#include "platform.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
constexpr std::array<std::string_view, 8> hatchLines{
    "Line18", "Line19", "Line20", "Line21", "Line22", "Line23", "Line24", "Line25"};

std::vector<ControlDesign> controlTable()
{
    const auto inFrame = [](ControlDesign c) { return c.in("Frame1"); };
    const auto inArea = [](ControlDesign c) { return c.in("Frame2"); };
    const auto plain = [&](std::string name, int x1, int y1, int x2, int y2) {
        return inFrame(line(std::move(name), x1, y1, x2, y2));
    };
    const auto outline = [&](std::string name, int x1, int y1, int x2, int y2) {
        return plain(std::move(name), x1, y1, x2, y2).border(colors::teal, 2);
    };
    const auto height = [&](std::string name, int x1, int y1, int x2, int y2) {
        return plain(std::move(name), x1, y1, x2, y2).border(colors::windowText, 1, LineStyle::Dot);
    };
    const auto hatch = [&](std::string name, int x1, int y1, int x2, int y2) {
        return plain(std::move(name), x1, y1, x2, y2).hidden();
    };
    const auto letter = [&](std::string name, std::string caption) {
        return inFrame(prompt(std::move(name), std::move(caption)).align(Align::Center)
                           .font({.face = "Times New Roman", .points = 14.25}));
    };
    const auto measure = [&](std::string name) {
        return inFrame(prompt(std::move(name), "").role(Role::Prompt).transparent());
    };
    const auto result = [&](std::string name) {
        return inArea(label(std::move(name), "").role(Role::Result).back(colors::tooltipBack).fore(colors::navy)
                          .font({.face = "MS Serif", .points = 13.5}));
    };
    const auto unit = [&](std::string name, std::string caption) {
        return inArea(prompt(std::move(name), std::move(caption)).align(Align::Center).transparent());
    };
    return {
        figureFrame("Frame1", "Trapezio").at(120, 120, 9615, 6855),

        outline("Line1", 3600, 3960, 7920, 3960),
        outline("Line2", 7200, 1800, 7920, 3960),
        outline("Line3", 4200, 2400, 3600, 3960),
        outline("Line4", 7200, 1800, 4200, 2400),
        height("Line5", 4200, 2400, 4200, 3960),
        height("Line6", 7200, 1800, 7200, 3960),
        plain("Line7", 7200, 1800, 9120, 1800),
        plain("Line8", 7920, 3960, 9120, 3960),
        plain("Line16", 9000, 1800, 9000, 3960),
        plain("Line13", 4200, 2400, 2880, 2400),
        plain("Line14", 3600, 3960, 2880, 3960),
        plain("Line15", 3000, 2400, 3000, 3960),
        plain("Line12", 3600, 3960, 3600, 4800),
        plain("Line11", 4200, 3960, 4200, 4800),
        plain("Line9", 7200, 3960, 7200, 4800),
        plain("Line10", 7920, 3960, 7920, 4800),
        plain("Line17", 3360, 4680, 8160, 4680),
        hatch("Line18", 6720, 1920, 7320, 2280),
        hatch("Line19", 6240, 2040, 7560, 2880),
        hatch("Line20", 5520, 2160, 7800, 3600),
        hatch("Line21", 4920, 2280, 7560, 3960),
        hatch("Line22", 4440, 2400, 6720, 3960),
        hatch("Line23", 4080, 2640, 5880, 3960),
        hatch("Line24", 3960, 3120, 5040, 3960),
        hatch("Line25", 3720, 3600, 4200, 3960),
        letter("Label9", "H").at(8640, 2760, 735, 375),
        letter("Label10", "h").at(2640, 3000, 735, 375),
        letter("Label11", "b").at(3720, 4560, 255, 375),
        letter("Label12", "a").at(5160, 4560, 855, 375),
        letter("Label13", "c").at(7440, 4560, 255, 375),

        inFrame(heading("lblInser").at(360, 600, 2295, 255)),
        measure("Label1").caption("H :").at(360, 1200, 1455, 255),
        inFrame(measureBox("Text1").describedBy("Label1").at(360, 1440, 1455, 375).tab(0)),
        measure("Label2").caption("h :").at(360, 2040, 1455, 255),
        inFrame(measureBox("Text2").describedBy("Label2").at(360, 2280, 1455, 375).tab(1)),
        measure("Label3").caption("a :").at(360, 2880, 1455, 255),
        inFrame(measureBox("Text3").describedBy("Label3").at(360, 3120, 1455, 375).tab(2)),
        measure("Label4").caption("b :").at(360, 3720, 1455, 255),
        inFrame(measureBox("Text4").describedBy("Label4").at(360, 3960, 1455, 375).tab(3)),
        measure("Label5").caption("c :").at(360, 4560, 1455, 255),
        inFrame(measureBox("Text5").describedBy("Label5").at(360, 4800, 1455, 375).tab(4)),
        inFrame(calcButton("Command2").at(360, 5400, 1455, 615).tab(5)),
        inFrame(button("Command1", "&Reset").at(360, 6120, 1455, 375).tab(7)
                    .font({.face = "MS Sans Serif", .points = 9.75, .bold = true})),
        inFrame(frame("Frame2", "Area:").at(2520, 5160, 4815, 1335).fore(colors::maroon)
                    .font({.face = "MS Serif", .points = 13.5})),
        unit("Label14", "mm :").at(960, 360, 615, 255),
        result("Label8").describedBy("Label14").at(1800, 240, 2895, 375),
        unit("Label15", "cm :").at(960, 840, 615, 255),
        result("Label7").describedBy("Label15").at(1800, 840, 2895, 375),
        inFrame(prompt("Label6", "").role(Role::Result).describedBy("Label11").at(2280, 5040, 2295, 495).hidden()),
        inFrame(button("cmdStampa", "&Stampa").at(8280, 5760, 1215, 495).tab(8)),
        inFrame(button("cmdChiudi", "Chiudi").at(8880, 6480, 615, 255).tab(6)),
    };
}

// A product written as text and read back. Read by the Italian rules, it stays
// exact below 10^15 and close above, where the exponent form has a comma.
std::optional<double> productThroughText(Platform &platform, double left, double right)
{
    const auto text = resultText(platform, left * right);
    if (!text)
        return std::nullopt;
    return shownValue(*text);
}
} // namespace

FrmTrap::FrmTrap(Platform &platform)
    : Form(platform, {.name = "frmTrap", .caption = "Trapezio", .clientWidth = 9855, .clientHeight = 7065},
           controlTable())
{
    on("Command2", Event::Click, [this] { Command2_Click(); });
    on("Label8", Event::Change, [this] { Label8_Change(); });
    on("Command1", Event::Click, [this] { Command1_Click(); });
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        onKeyPress(box, [](int &code) { code = digitKeyFilter(code); });
    on("cmdStampa", Event::Click, [this] { printWindow(this->platform(), *this); });
    on("cmdChiudi", Event::Click, [this] { closeWindow(this->platform(), *this); });
}

void FrmTrap::Command2_Click()
{
    const auto H = readBox(platform(), Text1, "Inserire il Dato H ");
    if (!H)
        return;
    const auto h = readBox(platform(), Text2, "Inserire il Dato h ");
    if (!h)
        return;
    const auto a = readBox(platform(), Text3, "Inserire il Dato a ");
    if (!a)
        return;
    const auto b = readBox(platform(), Text4, "Inserire il Dato b ");
    if (!b)
        return;
    const auto c = readBox(platform(), Text5, "Inserire il Dato c ");
    if (!c)
        return;
    const auto hb = productThroughText(platform(), *h, *b);
    if (!hb)
        return;
    const auto Hc = productThroughText(platform(), *H, *c);
    if (!Hc)
        return;
    // Twice the area: the middle trapezoid plus the triangles on either side.
    const double twiceArea = ((*a * (*H + *h)) + *hb) + *Hc;
    const auto twice = resultText(platform(), twiceArea);
    if (!twice)
        return;
    const auto area = resultText(platform(), shownValue(*twice) / 2);
    if (!area)
        return;
    const auto areaCm = resultText(platform(), shownValue(*area) / 100);
    if (!areaCm)
        return;
    Label6.setText(*twice);
    // Label8's change shows the hatching and beeps before the cm² result appears.
    Label8.setText(*area);
    Label7.setText(*areaCm);
}

void FrmTrap::Label8_Change()
{
    for (const std::string_view name : hatchLines)
        control(name).setVisible(true);
    platform().beep();
}

void FrmTrap::Command1_Click()
{
    Label7.setText("");
    // Clearing the mm² result shows the hatching and beeps, so it is hidden last.
    Label8.setText("");
    for (Control *box : {&Text1, &Text2, &Text3, &Text4, &Text5})
        box->setText("");
    for (const std::string_view name : hatchLines)
        control(name).setVisible(false);
}
