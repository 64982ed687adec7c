// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmqua.h"

#include "keys.h"
#include "operations.h"
#include "planecontrols.h"
#include "platform.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {
std::vector<ControlDesign> controlTable()
{
    const auto square = [](ControlDesign c) { return c.in("Frame1"); };
    const auto rectangle = [](ControlDesign c) { return c.in("Frame2"); };
    const Font letterD{.face = "Book Antiqua", .points = 9.75};
    return {
        figureFrame("Frame1", "Quadrato").at(120, 120, 9615, 3255),
        figureFrame("Frame2", "Rettangolo").at(120, 3480, 9615, 3495),

        square(shapeControl("Shape1", ShapeKind::Square).at(6720, 720, 2055, 1935).border(colors::teal, 2)),
        square(line("Line1", 8640, 720, 6720, 2640).border(colors::red, 1, LineStyle::Dot)),
        square(prompt("Label19", "D").at(7560, 1200, 255, 255).align(Align::Right).transparent().font(letterD)),
        square(sideLetter("Label16", "l").at(7680, 2760, 255, 375)),
        square(heading("lblInser").at(240, 480, 2295, 255)),
        square(prompt("Label1", "Lato:").role(Role::Prompt).at(240, 960, 615, 255)),
        square(measureBox("Text1").describedBy("Label1").at(240, 1200, 1455, 405).tab(0)),
        square(calcButton("Command2").at(240, 1800, 1455, 375).tab(2)),
        square(button("cmdStampa", "Stampa").at(240, 2520, 975, 495).tab(6)),
        square(prompt("Label4", "Area in mm:").at(2040, 1320, 855, 255)),
        square(resultLabel("Label2").describedBy("Label4").at(3120, 1200, 2775, 375)),
        square(prompt("Label5", "Area in cm:").at(2040, 2040, 855, 255)),
        square(resultLabel("Label3").describedBy("Label5").at(3120, 1920, 2775, 375)),
        square(prompt("Label14", "Diagonale (D) in  mm:").at(1320, 2760, 1695, 255)),
        square(resultLabel("Label13").describedBy("Label14").at(3120, 2640, 2775, 375)),

        rectangle(shapeControl("Shape2", ShapeKind::Rectangle).at(6120, 960, 2775, 1455).border(colors::teal, 2)),
        rectangle(line("Line2", 8880, 960, 6120, 2400).border(colors::red, 1, LineStyle::Dot)),
        rectangle(prompt("Label18", "D").at(7200, 1320, 255, 255).align(Align::Right).transparent().font(letterD)),
        rectangle(sideLetter("Label17", "l  A").at(7560, 2520, 495, 375)),
        rectangle(sideLetter("Label20", "l  B").at(9000, 1440, 495, 375)),
        rectangle(heading("Label11").at(240, 480, 2295, 255)),
        rectangle(prompt("Label9", "Lato A:").role(Role::Prompt).at(240, 840, 615, 255)),
        rectangle(measureBox("Text2").describedBy("Label9").at(240, 1080, 1455, 405).tab(4)),
        rectangle(prompt("Label21", "Lato B:").role(Role::Prompt).at(240, 1560, 615, 255)),
        rectangle(measureBox("Text3").describedBy("Label21").at(240, 1800, 1455, 405).tab(5)),
        rectangle(calcButton("Command1").at(240, 2280, 1455, 375).tab(3)),
        rectangle(button("Command3", "&Stampa").at(240, 2760, 975, 495).tab(7)),
        rectangle(prompt("Label7", "Area in mm:").at(2040, 1320, 855, 255)),
        rectangle(resultLabel("Label10").describedBy("Label7").at(3120, 1200, 2775, 375)),
        rectangle(prompt("Label6", "Area in cm:").at(2040, 2040, 855, 255)),
        rectangle(resultLabel("Label8").describedBy("Label6").at(3120, 1920, 2775, 375)),
        rectangle(prompt("Label15", "Diagonale (D) in mm:").at(1440, 2760, 1575, 255)),
        rectangle(resultLabel("Label12").describedBy("Label15").at(3120, 2640, 2775, 375)),
        rectangle(textBox("Text4").describedBy("Label15").at(3120, 3120, 1695, 285).hidden()),
        rectangle(button("cmdChiudi", "Chiudi").at(8880, 3120, 615, 255).tab(1)),
    };
}

// A square written as text and read back. Read by the Italian rules, it stays
// exact below 10^15 and close above, where the exponent form has a comma.
std::optional<double> squareThroughText(Platform &platform, double side)
{
    const auto text = resultText(platform, side * side);
    if (!text)
        return std::nullopt;
    return shownValue(*text);
}
} // namespace

FrmQua::FrmQua(Platform &platform)
    : Form(platform,
           {.name = "frmQua", .caption = "Quadrato e Rettangolo", .clientWidth = 9855, .clientHeight = 7065},
           controlTable())
{
    on("Command2", Event::Click, [this] { Command2_Click(); });
    on("Command1", Event::Click, [this] { Command1_Click(); });
    for (const char *box : {"Text1", "Text2", "Text3"})
        onKeyPress(box, [](int &code) { code = digitKeyFilter(code); });
    on("cmdStampa", Event::Click, [this] { printWindow(this->platform(), *this); });
    on("Command3", Event::Click, [this] { printWindow(this->platform(), *this); });
    on("cmdChiudi", Event::Click, [this] { closeWindow(this->platform(), *this); });
}

void FrmQua::Command2_Click()
{
    const auto side = readBox(platform(), Text1, "Inserire i dati (Lato)");
    if (!side)
        return;
    const auto area = resultText(platform(), *side * *side);
    if (!area)
        return;
    const auto areaCm = resultText(platform(), shownValue(*area) / 100);
    if (!areaCm)
        return;
    // The square's diagonal uses sqrt(2) cut to 1.4142.
    const auto diagonal = resultText(platform(), *side * 1.4142);
    if (!diagonal)
        return;
    Label2.setText(*area);
    Shape1.setFillStyle(FillStyle::UpwardDiagonal);
    Label3.setText(*areaCm);
    Label13.setText(*diagonal);
    platform().beep();
}

void FrmQua::Command1_Click()
{
    const auto sideA = readBox(platform(), Text2, "Inserire i dati (Lato A)");
    if (!sideA)
        return;
    const auto sideB = readBox(platform(), Text3, "Inserire i dati (Lato B)");
    if (!sideB)
        return;
    const auto area = resultText(platform(), *sideA * *sideB);
    if (!area)
        return;
    const auto areaCm = resultText(platform(), shownValue(*area) / 100);
    if (!areaCm)
        return;
    const auto squareB = squareThroughText(platform(), *sideB);
    if (!squareB)
        return;
    const auto squareA = squareThroughText(platform(), *sideA);
    if (!squareA)
        return;
    const auto sum = resultText(platform(), *squareA + *squareB);
    if (!sum)
        return;
    const auto diagonal = resultText(platform(), std::sqrt(shownValue(*sum)));
    if (!diagonal)
        return;
    Label10.setText(*area);
    Shape2.setFillStyle(FillStyle::UpwardDiagonal);
    Label8.setText(*areaCm);
    // The sum of the squares is kept in the hidden box, the diagonal read from it.
    Text4.setText(*sum);
    platform().beep();
    Label12.setText(*diagonal);
}
