// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmcono.h"

#include "keys.h"
#include "numbers.h"
#include "operations.h"
#include "platform.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace {
const Font sansBold975{.face = "MS Sans Serif", .points = 9.75, .bold = true};
const Font sansBold825{.face = "MS Sans Serif", .points = 8.25, .bold = true};
const Font serifBold975{.face = "MS Serif", .points = 9.75, .bold = true};

std::vector<ControlDesign> controlTable()
{
    return {
        frame("Frame1", " Cono retto").at(120, 120, 9615, 6855).tab(1).fore(colors::navy)
            .font({.face = "MS Serif", .points = 13.5}),

        // The figure, beneath the controls: the red marks lie over the dotted ones.
        shapeControl("Shape1", ShapeKind::Oval).in("Frame1").at(6120, 2400, 1695, 495).border(colors::teal),
        line("Line1", 6120, 2640, 6960, 720).in("Frame1").border(colors::teal),
        line("Line2", 7800, 2640, 6960, 720).in("Frame1").border(colors::teal),
        line("Line6", 6960, 720, 6960, 2640).in("Frame1").border(colors::maroon, 1, LineStyle::Dot),
        line("Line5", 6960, 2640, 7320, 2880).in("Frame1").border(colors::maroon, 1, LineStyle::Dot),
        line("Line4", 6960, 2640, 6960, 720).in("Frame1").border(colors::red).hidden(),
        line("Line3", 6960, 2640, 7320, 2880).in("Frame1").border(colors::red, 2).hidden(),
        label("Label6", "H").in("Frame1").at(7080, 1680, 135, 255).fore(colors::maroon).transparent(),
        label("Label5", "R").in("Frame1").at(7200, 2520, 255, 255).fore(colors::maroon).transparent(),
        label("lblLl", "l").in("Frame1").at(6360, 1680, 135, 255).align(Align::Center).transparent()
            .font({.face = "Times New Roman", .points = 9.75}).hidden(),

        // The volume half and the common buttons.
        label("lblInse", "Inserire i dati in millimetri").in("Frame1").at(1200, 600, 2295, 375).tab(7)
            .font({.face = "MS Sans Serif", .points = 8.25, .bold = true, .underline = true}),
        label("lblRaggiocono", "Raggio:").role(Role::Prompt)
            .in("Frame1").at(1200, 1080, 855, 255).tab(5).fore(colors::navy),
        textBox("txtRag").describedBy("lblRaggiocono").in("Frame1").at(1200, 1320, 1335, 285).tab(0),
        label("lblAltezzacono", "Altezza:").role(Role::Prompt)
            .in("Frame1").at(1200, 2040, 855, 255).tab(6).fore(colors::navy),
        textBox("txtAlt").describedBy("lblAltezzacono").in("Frame1").at(1200, 2280, 1335, 285).tab(3),
        textBox("txtNascos", "1,0472").role(Role::Constant).describedBy("lblVolcono")
            .in("Frame1").at(120, 1320, 855, 285).tab(13).hidden(),
        button("cmdCalc", "Calcola").in("Frame1").at(2640, 3960, 1215, 495).tab(4).graphical(colors::lightGrey)
            .font(sansBold975),
        label("lblVolcono", "Volume in mm cubi =").in("Frame1").at(4080, 3240, 2175, 495).tab(8).font(sansBold975),
        label("lblVcono", "").role(Role::Result).describedBy("lblVolcono").in("Frame1").at(6360, 3240, 3015, 495).tab(9)
            .back(colors::tooltipBack)
            .font(serifBold975),
        button("cmdCm", "Volume in cm cubi =").in("Frame1").at(4080, 3960, 2175, 255).tab(11).font(sansBold825)
            .disabled(),
        label("lblCm", "").role(Role::Result).describedBy("cmdCm")
            .in("Frame1").at(6360, 3960, 3015, 495).tab(12).back(colors::tooltipBack)
            .font(serifBold975),
        button("cmdRes", "&Reset").in("Frame1").at(2640, 5160, 1215, 1215).tab(10),
        button("cmdStampa", "&Stampa").in("Frame1").at(1200, 5880, 1215, 495).tab(28),
        button("cmdChiudi", "Chiudi").in("Frame1").at(8760, 6480, 615, 255).tab(2),

        // The lateral surface.
        frame("Frame2", "Superficie del mantello").in("Frame1").at(4080, 4440, 5295, 1935).tab(14)
            .fore(colors::navy).font(sansBold825),
        label("Label4", "- millimetri -").in("Frame2").at(120, 240, 975, 255).tab(27).transparent(),
        label("Label1", "Inserire quì il dato :").role(Role::Prompt)
            .in("Frame2").at(120, 480, 1575, 255).tab(15).transparent(),
        button("cmdL", "l").in("Frame2").at(1800, 480, 255, 255).tab(16)
            .font({.face = "Times New Roman", .points = 8.25}),
        textBox("txtL").describedBy("Label1").in("Frame2").at(120, 720, 1935, 285).tab(18),
        label("Label2", "Inserire quì il Raggio").role(Role::Prompt)
            .in("Frame2").at(120, 1080, 1935, 255).tab(20).transparent(),
        textBox("txtR").describedBy("Label2").in("Frame2").at(120, 1320, 1935, 285).tab(19),
        textBox("txtTre", "3,14").role(Role::Constant).describedBy("Label2")
            .in("Frame2").at(960, 1680, 1095, 285).tab(24).hidden(),
        button("cmdCalm", "Calcola").in("Frame2").at(2160, 480, 975, 615).tab(21)
            .font({.face = "MS Serif", .points = 8.25}),
        label("Label3", "Superficie in mm q =").in("Frame2").at(3240, 360, 1455, 255).tab(22)
            .align(Align::Center).transparent(),
        label("lblSm", "").role(Role::Result).describedBy("Label3").in("Frame2").at(3240, 840, 1935, 255).tab(23)
            .back(colors::tooltipBack),
        button("cmdCent", "Sup.cm q =").in("Frame2").at(2160, 1200, 975, 615).tab(25).disabled(),
        label("lblCentt", "").role(Role::Result).describedBy("cmdCent").in("Frame2").at(3240, 1560, 1935, 255).tab(26)
            .back(colors::tooltipBack),
    };
}
} // namespace

FrmCono::FrmCono(Platform &platform)
    : Form(platform,
           {.name = "frmCono", .caption = "Cono retto", .clientWidth = 9885, .clientHeight = 7095,
            .border = BorderStyle::FixedSingle},
           controlTable())
{
    on("cmdCalc", Event::Click, [this] { cmdCalc_Click(); });
    on("cmdCm", Event::Click, [this] { cmdCm_Click(); });
    on("cmdCalm", Event::Click, [this] { cmdCalm_Click(); });
    on("cmdCent", Event::Click, [this] { cmdCent_Click(); });
    on("cmdL", Event::Click, [this] { cmdL_Click(); });
    on("cmdRes", Event::Click, [this] { cmdRes_Click(); });
    on("cmdStampa", Event::Click, [this] { cmdStampa_Click(); });
    on("cmdChiudi", Event::Click, [this] { cmdChiudi_Click(); });
    on("lblVcono", Event::Change, [this] { lblVcono_Change(); });
    on("lblSm", Event::Change, [this] { lblSm_Change(); });
    on("txtRag", Event::Change, [this] { txtRag_Change(); });
    on("txtAlt", Event::Change, [this] { txtAlt_Change(); });
    on("txtL", Event::Change, [this] { txtL_Change(); });
    on("txtR", Event::Change, [this] { txtR_Change(); });
    for (const char *box : {"txtRag", "txtAlt", "txtL", "txtR"})
        onKeyPress(box, [](int &code) { code = digitKeyFilter(code); });
}

// The volume is pi/3 x r^2 x h with pi/3 taken as 1,0472, multiplied as r x r, x k, x h.
void FrmCono::cmdCalc_Click()
{
    const std::optional<double> r = readBox(platform(), txtRag, "Inserire i dati (Raggio)");
    if (!r)
        return;
    const std::optional<double> h = readBox(platform(), txtAlt, "Inserire i dati (Altezza)");
    if (!h)
        return;
    const double k = *textToNumber(txtNascos.text()); // a hidden constant, always readable
    const std::optional<std::string> volume = resultText(platform(), ((*r * *r) * k) * *h);
    if (!volume)
        return;
    lblVcono.setText(*volume);
    platform().beep();
}

void FrmCono::cmdCm_Click()
{
    if (const std::optional<std::string> cm = centimetres(platform(), lblVcono, 1000))
        lblCm.setText(*cm);
}

void FrmCono::cmdCalm_Click()
{
    const std::optional<double> l = readBox(platform(), txtL, "Superficie del Mantello\r\nInserire i dati (L)");
    if (!l)
        return;
    const std::optional<double> r =
        readBox(platform(), txtR, "Superficie del Mantello:\r\nInserire i dati (Raggio)");
    if (!r)
        return;
    const double t = *textToNumber(txtTre.text()); // pi as 3,14
    const std::optional<std::string> surface = resultText(platform(), (*r * t) * *l);
    if (!surface)
        return;
    lblSm.setText(*surface);
}

void FrmCono::cmdCent_Click()
{
    if (const std::optional<std::string> cm = centimetres(platform(), lblSm, 100))
        lblCentt.setText(*cm);
}

void FrmCono::cmdL_Click()
{
    lblLl.setVisible(true);
    Line1.setBorderColor(colors::red);
    Line1.setBorderWidth(2);
}

// Clearing the label and the boxes runs their Change handlers, which enable
// cmdCm and show the red marks; only then are they disabled and hidden.
void FrmCono::cmdRes_Click()
{
    lblVcono.setText("");
    txtAlt.setText("");
    txtRag.setText("");
    Line3.setVisible(false);
    Line4.setVisible(false);
    lblCm.setText("");
    cmdCm.setEnabled(false);
    Line1.setBorderColor(colors::teal); // the width stays as cmdL left it
    lblLl.setVisible(false);
}

void FrmCono::cmdStampa_Click()
{
    printWindow(platform(), *this);
}

void FrmCono::cmdChiudi_Click()
{
    closeWindow(platform(), *this);
}

void FrmCono::lblVcono_Change()
{
    cmdCm.setEnabled(true);
}

void FrmCono::lblSm_Change()
{
    cmdCent.setEnabled(true);
}

void FrmCono::txtRag_Change()
{
    Line3.setVisible(true);
}

void FrmCono::txtAlt_Change()
{
    Line4.setVisible(true);
}

void FrmCono::txtL_Change()
{
    Line1.setBorderColor(colors::red);
    Line1.setBorderWidth(1);
}

// Both boxes hold a radius, so both show the red radius.
void FrmCono::txtR_Change()
{
    Line3.setVisible(true);
}
