// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmformule.h"

#include "keys.h"
#include "numbers.h"
#include "operations.h"
#include "platform.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace {
const Font sansBold975{.face = "MS Sans Serif", .points = 9.75, .bold = true};
const Font serifBold12{.face = "MS Serif", .points = 12, .bold = true};

std::vector<ControlDesign> controlTable()
{
    return {
        // The grey frame, its top edge broken where the title sits.
        line("Line4", 120, 240, 120, 6960).border(colors::grey),
        line("Line5", 9720, 6960, 120, 6960).border(colors::grey),
        line("Line14", 9720, 240, 9720, 6960).border(colors::grey),
        line("Line15", 120, 240, 480, 240).border(colors::grey),
        line("Line16", 9720, 240, 2880, 240).border(colors::grey),

        // The box in oblique projection; the red markers lie over its edges.
        shapeControl("Shape1", ShapeKind::Rectangle).at(5880, 1800, 1215, 1695).border(colors::darkTeal),
        line("Line10", 6360, 1440, 7560, 1440).border(colors::darkTeal),
        line("Line9", 7560, 1440, 7560, 3120).border(colors::darkTeal),
        line("Line8", 6360, 1440, 5880, 1800).border(colors::darkTeal),
        line("Line7", 7560, 1440, 7080, 1800).border(colors::darkTeal),
        line("Line6", 7560, 3120, 7080, 3480).border(colors::darkTeal),
        line("Line11", 6360, 3120, 6360, 1440).border(colors::teal, 1, LineStyle::Dot),
        line("Line12", 5880, 3480, 6360, 3120).border(colors::teal, 1, LineStyle::Dot),
        line("Line13", 7560, 3120, 6360, 3120).border(colors::teal, 1, LineStyle::Dot),
        line("Line1", 5880, 3480, 7080, 3480).border(colors::red, 2).hidden(),
        line("Line2", 7560, 3120, 7080, 3480).border(colors::red, 2).hidden(),
        line("Line3", 7080, 1800, 7080, 3480).border(colors::red, 2).hidden(),
        label("Label6", "L").at(6360, 3600, 255, 375).tab(19).fore(colors::maroon).transparent(),
        label("Label5", "l").at(7320, 3360, 255, 375).tab(18).fore(colors::maroon).transparent()
            .align(Align::Center).font({.face = "Times New Roman", .points = 9.75}),
        label("Label7", "h").at(6720, 2400, 255, 255).tab(20).fore(colors::maroon).transparent()
            .align(Align::Right).font({.face = "MS Sans Serif", .points = 9.75}),

        label("Label1", "Volume - Superfice").at(600, 120, 2295, 615).tab(14).fore(colors::navy).transparent()
            .font({.face = "MS Serif", .points = 13.5}),
        label("lblMill", "Inserire dati in millimetri").at(600, 840, 3375, 255).tab(11).align(Align::Center)
            .transparent().font({.face = "MS Sans Serif", .points = 8.25, .bold = true, .underline = true}),
        label("Label2", "Lato:").role(Role::Prompt).at(1320, 1200, 615, 255).tab(5).fore(colors::navy).transparent(),
        textBox("txt1").describedBy("Label2").at(1320, 1440, 1215, 285).tab(0),
        label("Label3", "lato:").role(Role::Prompt).at(1320, 1920, 495, 375).tab(6).fore(colors::navy).transparent(),
        textBox("txt2").describedBy("Label3").at(1320, 2160, 1215, 285).tab(1),
        label("Label4", "Altezza:").role(Role::Prompt).at(1320, 2760, 615, 255).tab(7).fore(colors::navy).transparent(),
        textBox("txt3").describedBy("Label4").at(1320, 3000, 1215, 285).tab(2),
        button("cmdCalcola", "&Calcola").at(3120, 4440, 1215, 495).tab(3).graphical(colors::lightGrey)
            .font(sansBold975).disabled(),
        label("lblRisultato", "Volume in mm cubi =").at(5400, 4440, 2175, 495).tab(10).font(sansBold975)
            .transparent(),
        label("lbl1", "").role(Role::Result).describedBy("lblRisultato")
            .at(7680, 4440, 1815, 495).tab(4).back(colors::tooltipBack)
            .font(serifBold12),
        button("cmdReset", "&Reset").at(3120, 5160, 1215, 1215).tab(8),
        button("cmdCen", "Volume in cm cubi =").at(5400, 5160, 2175, 255).tab(12)
            .font({.face = "MS Sans Serif", .points = 8.25, .bold = true}).disabled(),
        label("lblCen", "").role(Role::Result).describedBy("cmdCen")
            .at(7680, 5160, 1815, 495).tab(13).back(colors::tooltipBack)
            .font(serifBold12),
        button("cmdStampa", "&Stampa").at(1320, 5880, 1215, 495).tab(17),
        button("cmdArea", "Area in cm quadrati").at(5400, 5880, 2175, 495).tab(15).font(sansBold975).disabled(),
        label("lblArea", "").role(Role::Result).describedBy("cmdArea")
            .at(7680, 5880, 1815, 495).tab(16).back(colors::tooltipBack)
            .font({.face = "MS Serif", .points = 13.5}),
        button("cmdChiudi", "Chiudi").at(8880, 6600, 615, 255).tab(9),
    };
}
} // namespace

FrmFormule::FrmFormule(Platform &platform)
    : Form(platform,
           {.name = "frmFormule", .caption = "Parallelepipedo rettangolo", .clientWidth = 9885,
            .clientHeight = 7095},
           controlTable())
{
    on("cmdCalcola", Event::Click, [this] { cmdCalcola_Click(); });
    on("cmdCen", Event::Click, [this] { cmdCen_Click(); });
    on("cmdArea", Event::Click, [this] { cmdArea_Click(); });
    on("cmdReset", Event::Click, [this] { cmdReset_Click(); });
    on("cmdStampa", Event::Click, [this] { cmdStampa_Click(); });
    on("cmdChiudi", Event::Click, [this] { cmdChiudi_Click(); });
    on("txt1", Event::Change, [this] { txt1_Change(); });
    on("txt2", Event::Change, [this] { txt2_Change(); });
    on("txt3", Event::Change, [this] { txt3_Change(); });
    for (const char *box : {"txt1", "txt2", "txt3"})
        onKeyPress(box, [](int &code) { code = digitKeyFilter(code); });
}

// The two sides and the height, checked in this order with their prompts.
std::optional<FrmFormule::Measures> FrmFormule::readMeasures()
{
    const std::optional<double> a = readBox(platform(), txt1, "Inserire i dati (Lato)");
    if (!a)
        return std::nullopt;
    const std::optional<double> b = readBox(platform(), txt2, "Inserire i dati (Lato)");
    if (!b)
        return std::nullopt;
    const std::optional<double> c = readBox(platform(), txt3, "Inserire i dati (Altezza)");
    if (!c)
        return std::nullopt;
    return Measures{*a, *b, *c};
}

void FrmFormule::cmdCalcola_Click()
{
    const std::optional<Measures> m = readMeasures();
    if (!m)
        return;
    const std::optional<std::string> volume = resultText(platform(), (m->a * m->b) * m->c);
    if (!volume)
        return;
    lbl1.setText(*volume);
    Line1.setVisible(false);
    Line2.setVisible(false);
    Line3.setVisible(false);
    cmdCen.setEnabled(true);
    cmdArea.setEnabled(true);
    platform().beep();
}

void FrmFormule::cmdCen_Click()
{
    if (const std::optional<std::string> cm = centimetres(platform(), lbl1, 1000))
        lblCen.setText(*cm);
}

// Reads the boxes as they are now, not the measures of the last volume; a box
// emptied since then gives Calcola's prompt.
void FrmFormule::cmdArea_Click()
{
    const std::optional<Measures> m = readMeasures();
    if (!m)
        return;
    const double s = ((m->a * m->b) + (m->a * m->c)) + (m->c * m->b);
    const std::optional<std::string> area = resultText(platform(), (s + s) / 100);
    if (!area)
        return;
    lblArea.setText(*area);
}

// Clearing the boxes shows the markers and enables Calcola through their
// Change handlers; only then are they hidden and disabled.
void FrmFormule::cmdReset_Click()
{
    txt1.setText("");
    txt2.setText("");
    txt3.setText("");
    lbl1.setText("");
    Line1.setVisible(false);
    Line2.setVisible(false);
    Line3.setVisible(false);
    cmdCalcola.setEnabled(false);
    cmdCen.setEnabled(false);
    lblCen.setText("");
    cmdArea.setEnabled(false);
    lblArea.setText("");
}

void FrmFormule::cmdStampa_Click()
{
    printWindow(platform(), *this);
}

void FrmFormule::cmdChiudi_Click()
{
    closeWindow(platform(), *this);
}

void FrmFormule::txt1_Change()
{
    Line1.setVisible(true);
}

void FrmFormule::txt2_Change()
{
    Line2.setVisible(true);
}

// Calcola waits for the last measure, the height.
void FrmFormule::txt3_Change()
{
    Line3.setVisible(true);
    cmdCalcola.setEnabled(true);
}
