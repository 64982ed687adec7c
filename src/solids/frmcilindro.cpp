// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmcilindro.h"

#include "keys.h"
#include "numbers.h"
#include "operations.h"
#include "platform.h"

#include <initializer_list>
#include <utility>

namespace {
const Font sansBold975{.face = "MS Sans Serif", .points = 9.75, .bold = true};
const Font serifBold12{.face = "MS Serif", .points = 12, .bold = true};

std::vector<ControlDesign> controlTable()
{
    return {
        frame("Frame1", "Cilindro circolare retto").at(120, 120, 9615, 6855).tab(1).fore(colors::navy)
            .font({.face = "MS Serif", .points = 13.5}),

        // The figure, beneath the controls: the red marks lie over the axis and the radius.
        shapeControl("Shape1", ShapeKind::Oval).in("Frame1").at(6240, 1080, 1455, 495).border(colors::darkTeal),
        shapeControl("Shape2", ShapeKind::Oval).in("Frame1").at(6240, 2760, 1455, 495).border(colors::darkTeal),
        line("Line1", 6240, 1320, 6240, 3000).in("Frame1").border(colors::darkTeal),
        line("Line2", 7680, 1320, 7680, 3000).in("Frame1").border(colors::darkTeal),
        line("Line9", 6960, 1320, 6960, 3000).in("Frame1").border(colors::maroon, 1, LineStyle::DashDot),
        line("Line8", 6960, 1320, 7560, 1440).in("Frame1").border(colors::maroon, 1, LineStyle::Dot),
        line("Line7", 5640, 1320, 5640, 3000).in("Frame1").border(colors::teal),
        line("Line6", 6960, 1320, 5400, 1320).in("Frame1").border(colors::teal, 1, LineStyle::Dot),
        line("Line5", 6960, 3000, 5400, 3000).in("Frame1").border(colors::teal, 1, LineStyle::Dot),
        line("Line4", 6960, 1320, 6960, 3000).in("Frame1").border(colors::red, 1, LineStyle::DashDot).hidden(),
        line("Line3", 6960, 1320, 7560, 1440).in("Frame1").border(colors::red, 2).hidden(),
        label("lblR", "R").in("Frame1").at(7320, 1200, 255, 255).fore(colors::maroon).transparent(),
        label("lblH", "h").in("Frame1").at(5520, 2040, 255, 255).fore(colors::maroon).align(Align::Center),

        label("lblInser", "Inserire i dati in millimetri").in("Frame1").at(720, 840, 2295, 255).tab(3)
            .transparent().font({.face = "MS Sans Serif", .points = 8.25, .bold = true, .underline = true}),
        label("lblRaggiocono", "Raggio:").role(Role::Prompt)
            .in("Frame1").at(960, 1320, 855, 255).tab(6).fore(colors::navy),
        textBox("txt1").describedBy("lblRaggiocono").in("Frame1").at(960, 1560, 1935, 285).tab(0),
        label("lblAltezzacono", "Altezza:").role(Role::Prompt)
            .in("Frame1").at(960, 2520, 855, 255).tab(5).fore(colors::navy),
        textBox("txt2").describedBy("lblAltezzacono").in("Frame1").at(960, 2760, 1935, 285).tab(4),
        textBox("Text1", "Text1").describedBy("lblAltezzacono").in("Frame1").at(960, 3480, 1455, 495).tab(18).hidden(),
        textBox("txtTre", "3,14").role(Role::Constant).describedBy("lblRisultato")
            .in("Frame1").at(6720, 6120, 1095, 285).tab(15).hidden(),
        button("cmdCalcola", "&Calcola").in("Frame1").at(2880, 3960, 1215, 495).tab(8)
            .graphical(colors::lightGrey).font(sansBold975).disabled(),
        label("lblRisultato", "Volume in mm cubi =").in("Frame1").at(4320, 3960, 2175, 495).tab(14)
            .font(sansBold975).transparent(),
        label("lbl1", "").role(Role::Result).describedBy("lblRisultato").in("Frame1").at(6720, 3960, 2655, 495).tab(11)
            .back(colors::tooltipBack)
            .font(serifBold12),
        button("cmdCen", "Volume in cm cubi =").in("Frame1").at(4320, 4680, 2175, 255).tab(13)
            .font({.face = "MS Sans Serif", .points = 8.25, .bold = true}).disabled(),
        label("lblCen", "").role(Role::Result).describedBy("cmdCen").in("Frame1").at(6720, 4680, 2655, 495).tab(10)
            .back(colors::tooltipBack)
            .font(serifBold12),
        button("cmdArea", "Area in cm quadrati").in("Frame1").at(4320, 5400, 2175, 495).tab(12)
            .font(sansBold975).disabled(),
        label("lblArea", "").role(Role::Result).describedBy("cmdArea").in("Frame1").at(6720, 5400, 2655, 495).tab(9)
            .back(colors::tooltipBack)
            .font({.face = "MS Serif", .points = 13.5}),
        button("cmdReset", "&Reset").in("Frame1").at(2880, 4800, 1215, 1095).tab(7),
        button("cmdStampa", "&Stampa").in("Frame1").at(960, 5400, 1215, 495).tab(19),
        button("cmdChiudi", "Chiudi").in("Frame1").at(8760, 6480, 615, 255).tab(2),
    };
}
} // namespace

FrmCilindro::FrmCilindro(Platform &platform)
    : Form(platform,
           {.name = "frmCilindro", .caption = "Cilindro circolare retto", .clientWidth = 9855,
            .clientHeight = 7065, .border = BorderStyle::Sizable},
           controlTable())
{
    on("cmdCalcola", Event::Click, [this] { cmdCalcola_Click(); });
    on("cmdCen", Event::Click, [this] { cmdCen_Click(); });
    on("cmdArea", Event::Click, [this] { cmdArea_Click(); });
    on("cmdReset", Event::Click, [this] { cmdReset_Click(); });
    on("cmdStampa", Event::Click, [this] { cmdStampa_Click(); });
    on("cmdChiudi", Event::Click, [this] { cmdChiudi_Click(); });
    on("lbl1", Event::Change, [this] { lbl1_Change(); });
    on("txt1", Event::Change, [this] { txt1_Change(); });
    on("txt2", Event::Change, [this] { txt2_Change(); });
    for (const char *box : {"txt1", "txt2"})
        onKeyPress(box, [](int &code) { code = digitKeyFilter(code); });
}

// Validates radius and height, in this order. The sum that the surface uses is
// read with leadingNumber, not textToNumber, and kept as the text it is stored as.
std::optional<FrmCilindro::Measures> FrmCilindro::readMeasures()
{
    const std::optional<double> r = readBox(platform(), txt1, "Inserire i dati (Raggio)");
    if (!r)
        return std::nullopt;
    const std::optional<double> h = readBox(platform(), txt2, "Inserire i dati (Altezza)");
    if (!h)
        return std::nullopt;
    std::optional<std::string> sum = resultText(platform(), leadingNumber(txt1.text()) + leadingNumber(txt2.text()));
    if (!sum)
        return std::nullopt;
    return Measures{*r, *h, std::move(*sum)};
}

void FrmCilindro::cmdCalcola_Click()
{
    const std::optional<Measures> m = readMeasures();
    if (!m)
        return;
    const double t = *textToNumber(txtTre.text()); // pi as 3,14, a hidden constant
    const std::optional<std::string> volume = resultText(platform(), ((m->radius * m->radius) * t) * m->height);
    if (!volume)
        return;
    lbl1.setText(*volume);
    cmdCen.setEnabled(true);
    Text1.setText(m->sum);
    platform().beep();
}

void FrmCilindro::cmdCen_Click()
{
    if (const std::optional<std::string> cm = centimetres(platform(), lbl1, 1000))
        lblCen.setText(*cm);
}

// 2 x pi x r x (r + h) / 100. Radius and height are taken together from the
// boxes as they are now, so an edited radius never meets an old height.
void FrmCilindro::cmdArea_Click()
{
    const std::optional<Measures> m = readMeasures();
    if (!m)
        return;
    const double t = *textToNumber(txtTre.text());
    const double d = t + t;
    const double s = *textToNumber(m->sum); // resultText made sure it reads back
    const std::optional<std::string> area = resultText(platform(), ((d * m->radius) * s) / 100);
    if (!area)
        return;
    Text1.setText(m->sum);
    lblArea.setText(*area);
}

// Clearing the boxes and the volume runs their Change handlers (marks shown,
// buttons enabled); only then are the buttons disabled and the marks hidden.
void FrmCilindro::cmdReset_Click()
{
    txt1.setText("");
    txt2.setText("");
    lbl1.setText("");
    cmdCalcola.setEnabled(false);
    cmdCen.setEnabled(false);
    lblCen.setText("");
    lblArea.setText("");
    cmdArea.setEnabled(false);
    Line3.setVisible(false);
    Line4.setVisible(false);
    Text1.setText("");
}

void FrmCilindro::cmdStampa_Click()
{
    printWindow(platform(), *this);
}

void FrmCilindro::cmdChiudi_Click()
{
    closeWindow(platform(), *this);
}

void FrmCilindro::lbl1_Change()
{
    cmdArea.setEnabled(true);
}

void FrmCilindro::txt1_Change()
{
    Line3.setVisible(true);
}

void FrmCilindro::txt2_Change()
{
    cmdCalcola.setEnabled(true);
    Line4.setVisible(true);
}
