// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmsfera.h"

#include "keys.h"
#include "numbers.h"
#include "operations.h"
#include "platform.h"

#include <optional>
#include <string>

namespace {
const Font serif975{.face = "MS Serif", .points = 9.75};
const Font serif135{.face = "MS Serif", .points = 13.5};
const Font serifBold12{.face = "MS Serif", .points = 12, .bold = true};
const Font sansBold975{.face = "MS Sans Serif", .points = 9.75, .bold = true};

std::vector<ControlDesign> controlTable()
{
    return {
        // Two frames of the same caption lie one over the other; the second holds the controls.
        frame("Frame1", "Sfera").at(120, 120, 9615, 6855).tab(2).fore(colors::navy).font(serif135),
        frame("Frame2", "Sfera").in("Frame1").at(0, 0, 9615, 6855).tab(11).fore(colors::navy).font(serif135),

        // The figure: the red diameter lies over the dotted one.
        shapeControl("Shape4", ShapeKind::Circle).in("Frame2").at(5640, 480, 2655, 2655).border(colors::teal, 2)
            .fill(FillStyle::Transparent, colors::darkTeal),
        line("Line1", 7920, 840, 6000, 2760).in("Frame2").border(colors::maroon, 1, LineStyle::Dot),
        line("Line4", 7920, 840, 6000, 2760).in("Frame2").border(colors::red).hidden(),
        label("Label9", "d").in("Frame2").at(6600, 1560, 255, 255).fore(colors::maroon).transparent().font(serif135),

        label("lblInser", "Inserire i dati in millimetri").in("Frame2").at(840, 1440, 2295, 255).tab(27)
            .transparent().font({.face = "MS Sans Serif", .points = 8.25, .bold = true, .underline = true}),
        label("Label4", "Diametro").role(Role::Prompt).in("Frame2").at(840, 1800, 855, 255).tab(18).fore(colors::navy),
        textBox("Text1").describedBy("Label4").in("Frame2").at(840, 2040, 1455, 405).tab(0)
            .font({.face = "MS Sans Serif", .points = 9.75}),
        textBox("Text2", "3,14").role(Role::Constant).describedBy("Label4")
            .in("Frame2").at(240, 4440, 1335, 375).tab(25).hidden(),
        button("Command2", "Calcola").in("Frame2").at(2280, 3600, 1215, 495).tab(13).graphical(colors::lightGrey)
            .font(sansBold975),
        label("Label1", "Volume in mm cubi =").in("Frame2").at(3840, 3600, 2175, 495).tab(15).font(sansBold975),
        label("Label2", "").role(Role::Result).describedBy("Label1").in("Frame2").at(6360, 3600, 3015, 495).tab(16)
            .back(colors::tooltipBack)
            .font(serifBold12),
        button("Command1", "Volume in cm cubi =").in("Frame2").at(3840, 4320, 2175, 255).tab(12)
            .font({.face = "MS Sans Serif", .points = 8.25, .bold = true}).disabled(),
        label("Label3", "").role(Role::Result).describedBy("Command1").in("Frame2").at(6360, 4320, 3015, 495).tab(17)
            .back(colors::tooltipBack)
            .font(serifBold12),
        button("Command3", "&Reset").in("Frame2").at(2280, 5160, 1215, 1215).tab(14),
        button("cmdStampa", "&Stampa").in("Frame2").at(840, 5880, 1215, 495).tab(28),

        frame("Frame3", "").in("Frame2").at(3840, 4920, 5655, 1455).tab(19).font(serif975),
        button("Command4", "Superficie").in("Frame3").at(120, 240, 1095, 495).tab(20).font(serif975),
        label("Label7", "mm").in("Frame3").at(2040, 360, 375, 255).tab(23).fore(colors::navy).font(serif975),
        label("Label5", "").role(Role::Result).describedBy("Label7").in("Frame3").at(2520, 360, 3015, 375).tab(21)
            .back(colors::tooltipBack).font(serif975),
        label("Label8", "cm").in("Frame3").at(2040, 840, 375, 255).tab(24).fore(colors::navy).font(serif975),
        label("Label6", "").role(Role::Result).describedBy("Label8").in("Frame3").at(2520, 840, 3015, 375).tab(22)
            .back(colors::tooltipBack).font(serif975),

        // On the window itself, above the frames' lower right corner.
        button("cmdChiudi", "Chiudi").at(9000, 6600, 615, 255).tab(1),
    };
}
} // namespace

FrmSfera::FrmSfera(Platform &platform)
    : Form(platform,
           {.name = "frmSfera", .caption = "Sfera", .clientWidth = 9855, .clientHeight = 7110,
            .border = BorderStyle::Sizable},
           controlTable())
{
    on("Command2", Event::Click, [this] { Command2_Click(); });
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command4", Event::Click, [this] { Command4_Click(); });
    on("Command3", Event::Click, [this] { Command3_Click(); });
    on("cmdStampa", Event::Click, [this] { cmdStampa_Click(); });
    on("cmdChiudi", Event::Click, [this] { cmdChiudi_Click(); });
    on("Label2", Event::Change, [this] { Label2_Change(); });
    on("Label3", Event::Click, [this] { Label3_Click(); });
    on("Label5", Event::Click, [this] { Label5_Click(); });
    onKeyPress("Text1", [](int &code) { code = digitKeyFilter(code); });
}

// pi x d³ / 6, multiplied as ((d x d) x d) x pi. The red diameter shows before
// the check, so it stays even when the box is empty; the beep comes from Label2.
void FrmSfera::Command2_Click()
{
    Line4.setVisible(true);
    const std::optional<double> d = readBox(platform(), Text1, "Inserire i dati (Diametro)");
    if (!d)
        return;
    const double t = *textToNumber(Text2.text()); // pi as 3,14, a hidden constant
    const std::optional<std::string> volume = resultText(platform(), (((*d * *d) * *d) * t) / 6);
    if (!volume)
        return;
    Label2.setText(*volume);
}

void FrmSfera::Command1_Click()
{
    if (const std::optional<std::string> cm = centimetres(platform(), Label2, 1000))
        Label3.setText(*cm);
}

// pi x d² in mm², and the cm² from the mm² text as it will be shown.
void FrmSfera::Command4_Click()
{
    Line4.setVisible(true);
    const std::optional<double> d = readBox(platform(), Text1, "Inserire i dati (Diametro)");
    if (!d)
        return;
    const double t = *textToNumber(Text2.text());
    const std::optional<std::string> surface = resultText(platform(), (*d * *d) * t);
    if (!surface)
        return;
    const std::optional<std::string> cm = resultText(platform(), *textToNumber(*surface) / 100);
    if (!cm)
        return;
    Label5.setText(*surface);
    Label6.setText(*cm);
}

// Clearing the volume runs Label2's Change (enabled, hatched, a beep) before
// the button is disabled and the hatching removed.
void FrmSfera::Command3_Click()
{
    Label2.setText("");
    Label3.setText("");
    Label5.setText("");
    Label6.setText("");
    Line4.setVisible(false);
    Command1.setEnabled(false);
    Shape4.setFillStyle(FillStyle::Transparent);
    Text1.setText("");
}

void FrmSfera::cmdStampa_Click()
{
    printWindow(platform(), *this);
}

void FrmSfera::cmdChiudi_Click()
{
    closeWindow(platform(), *this);
}

void FrmSfera::Label2_Change()
{
    Command1.setEnabled(true);
    Shape4.setFillStyle(FillStyle::Cross);
    platform().beep();
}

void FrmSfera::Label3_Click()
{
    platform().beep();
}

void FrmSfera::Label5_Click()
{
    platform().beep();
}
