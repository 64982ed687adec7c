// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtri.h"

#include "keys.h"
#include "operations.h"
#include "planecontrols.h"
#include "platform.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
constexpr std::array<std::string_view, 8> hatchLines{
    "Line4", "Line5", "Line6", "Line7", "Line8", "Line9", "Line10", "Line11"};

constexpr std::string_view sidePrompt = "Inserire i dati (Lato)";
constexpr std::string_view diameterPrompt = "Inserire i dati (Diametro)";

std::vector<ControlDesign> controlTable()
{
    const auto tri = [](ControlDesign c) { return c.in("frmTri"); };
    const auto circ = [](ControlDesign c) { return c.in("frmCirc"); };
    const auto outline = [&](std::string name, int x1, int y1, int x2, int y2) {
        return tri(line(std::move(name), x1, y1, x2, y2).border(colors::teal, 3));
    };
    const auto hatch = [&](std::string name, int x1, int y1, int x2, int y2) {
        return tri(line(std::move(name), x1, y1, x2, y2).hidden());
    };
    return {
        figureFrame("frmTri", "Triangolo equilatero").at(120, 120, 9615, 3135),
        figureFrame("frmCirc", "Circolo").at(120, 3480, 9615, 3495),

        outline("Line1", 6960, 2520, 9120, 2520),
        outline("Line2", 6960, 2520, 8040, 720),
        outline("Line3", 9120, 2520, 8040, 720),
        hatch("Line4", 7850, 1000, 8560, 1560),
        hatch("Line5", 7720, 1250, 8820, 2040),
        hatch("Line6", 7570, 1450, 9120, 2520),
        hatch("Line7", 7440, 1680, 8640, 2520),
        hatch("Line8", 7320, 1920, 8160, 2520),
        hatch("Line9", 7200, 2190, 7680, 2520),
        hatch("Line10", 8280, 1080, 8000, 840),
        hatch("Line11", 7040, 2410, 7200, 2520),
        tri(heading("lblInser").at(240, 720, 2295, 255)),
        tri(prompt("Label1", "Lato:").role(Role::Prompt).at(240, 1200, 615, 255)),
        tri(measureBox("Text1").describedBy("Label1").at(240, 1440, 1455, 405).tab(0)),
        tri(calcButton("Command2").at(240, 2040, 1455, 495).tab(1)),
        tri(button("cmdStampa", "Stampa").at(240, 2640, 1455, 375).tab(6)),
        tri(textBox("Text2", "0,433").role(Role::Constant).describedBy("lblInser").at(2760, 360, 1335, 375).hidden()),
        tri(prompt("Label4", "Area in mm:").at(2040, 1560, 855, 255)),
        tri(resultLabel("Label2").describedBy("Label4").at(3120, 1440, 3015, 375)),
        tri(prompt("Label5", "Area in cm:").at(2040, 2280, 855, 255)),
        tri(resultLabel("Label3").describedBy("Label5").at(3120, 2160, 3015, 375)),
        tri(sideLetter("Label6", "l").at(7920, 2520, 255, 375)),

        // The light grey line lies under the grey one: an etched separator.
        circ(line("Line12", 3120, 2400, 6120, 2400).border(colors::lightGrey, 3)),
        circ(line("Line13", 3120, 2400, 6120, 2400).border(colors::grey, 2)),
        circ(shapeControl("Shape1", ShapeKind::Circle).at(6960, 720, 2175, 2055).border(colors::teal, 3)),
        circ(line("Line14", 6480, 720, 7920, 720).border(colors::lightGrey)),
        circ(line("Line15", 6480, 2760, 7800, 2760).border(colors::lightGrey)),
        circ(line("Line16", 6600, 720, 6600, 2760).border(colors::darkRed)),
        circ(prompt("Label17", "D").at(6720, 1320, 255, 255).font({.face = "Book Antiqua", .points = 12})),
        circ(heading("Label7").at(240, 480, 2295, 255)),
        circ(prompt("Label8", "Diametro:").role(Role::Prompt).at(240, 960, 855, 255)),
        circ(measureBox("Text3").describedBy("Label8").at(240, 1200, 1455, 405).tab(4)),
        circ(calcButton("Command1").at(240, 1800, 1455, 495).tab(3)),
        circ(button("Command3", "&Stampa").at(240, 2520, 975, 375).tab(7)),
        circ(textBox("Text4", "0,7854").role(Role::Constant).describedBy("Label7").at(2760, 600, 1335, 375).hidden()),
        circ(textBox("Text5", "3,14").role(Role::Constant).describedBy("Label7").at(4320, 600, 1335, 375).hidden()),
        circ(prompt("Label10", "Area in mm:").at(2040, 1320, 855, 255)),
        circ(resultLabel("Label12").describedBy("Label10").at(3120, 1200, 3015, 375)),
        circ(prompt("Label9", "Area in cm:").at(2040, 1920, 855, 255)),
        circ(resultLabel("Label11").describedBy("Label9").at(3120, 1800, 3015, 375)),
        circ(prompt("Label14", "Circonferenza").at(1320, 2640, 1095, 255).align(Align::Right)),
        circ(prompt("Label16", "mm:").at(2520, 2640, 375, 255)),
        circ(resultLabel("Label15").describedBy("Label16").at(3120, 2640, 3015, 255)),
        circ(button("cmd3", "cm:").at(2400, 3120, 615, 255).tab(5).disabled()),
        circ(resultLabel("Label13").describedBy("cmd3").at(3120, 3120, 3015, 255)),
        circ(button("cmdChiudi", "Chiudi").at(8880, 3120, 615, 255).tab(2)),
    };
}
} // namespace

FrmTri::FrmTri(Platform &platform)
    : Form(platform,
           {.name = "frmTri", .caption = "Triangolo equilatero e circolo", .clientWidth = 9855,
            .clientHeight = 7065},
           controlTable())
{
    on("Command2", Event::Click, [this] { Command2_Click(); });
    on("Label2", Event::Change, [this] { Label2_Change(); });
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Label12", Event::Change, [this] { Label12_Change(); });
    on("cmd3", Event::Click, [this] { cmd3_Click(); });
    on("Label13", Event::Change, [this] { Label13_Change(); });
    onKeyPress("Text1", [this](int &code) { Text1_KeyPress(code); });
    onKeyPress("Text3", [](int &code) { code = digitKeyFilter(code); });
    on("cmdStampa", Event::Click, [this] { printWindow(this->platform(), *this); });
    on("Command3", Event::Click, [this] { printWindow(this->platform(), *this); });
    on("cmdChiudi", Event::Click, [this] { closeWindow(this->platform(), *this); });
}

void FrmTri::Command2_Click()
{
    const auto side = readBox(platform(), Text1, sidePrompt);
    if (!side)
        return;
    // The area factor is sqrt(3)/4 cut to 0,433.
    const auto area = resultText(platform(), (*side * *side) * shownValue(Text2.text()));
    if (!area)
        return;
    const auto areaCm = resultText(platform(), shownValue(*area) / 100);
    if (!areaCm)
        return;
    // Label2's change shows the hatching and beeps before the cm² result appears.
    Label2.setText(*area);
    Label3.setText(*areaCm);
}

void FrmTri::Label2_Change()
{
    for (const std::string_view name : hatchLines)
        control(name).setVisible(true);
    platform().beep();
}

void FrmTri::Command1_Click()
{
    const auto diameter = readBox(platform(), Text3, diameterPrompt);
    if (!diameter)
        return;
    // pi/4 is 0,7854 and pi is 3,14.
    const auto area = resultText(platform(), (*diameter * *diameter) * shownValue(Text4.text()));
    if (!area)
        return;
    const auto areaCm = resultText(platform(), shownValue(*area) / 100);
    if (!areaCm)
        return;
    const auto circumference = resultText(platform(), *diameter * shownValue(Text5.text()));
    if (!circumference)
        return;
    Shape1.setFillStyle(FillStyle::UpwardDiagonal);
    cmd3.setEnabled(true);
    Label12.setText(*area);
    Label11.setText(*areaCm);
    Label15.setText(*circumference);
}

void FrmTri::Label12_Change()
{
    platform().beep();
}

void FrmTri::cmd3_Click()
{
    // The diameter box is checked, yet the shown circumference is converted.
    if (!readBox(platform(), Text3, diameterPrompt))
        return;
    const auto circumferenceCm = resultText(platform(), shownValue(Label15.text()) / 10);
    if (!circumferenceCm)
        return;
    Label13.setText(*circumferenceCm);
}

void FrmTri::Label13_Change()
{
    platform().beep();
}

void FrmTri::Text1_KeyPress(int &code)
{
    Label6.setVisible(true);
    code = digitKeyFilter(code);
}
