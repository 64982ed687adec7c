// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmfori.h"

#include "chord.h"
#include "holepages.h"
#include "keys.h"
#include "operations.h"
#include "platform.h"

#include <optional>
#include <string>
#include <vector>

namespace {
constexpr std::string_view tabControlName = "SSTab1";
// Focus runs from the tab control to Chiudi, then through the page shown.
constexpr int firstPageTabIndex = 2;

std::string name(std::string_view text)
{
    return std::string(text);
}

// The controls of one page, all placed on its page of the tab control.
void addPage(std::vector<ControlDesign> &table, const HolePage &page, int index)
{
    const auto onPage = [&](ControlDesign row) { table.push_back(std::move(row.in(name(tabControlName), index))); };
    const int tabIndex = firstPageTabIndex + 3 * index;

    onPage(label(name(page.dataPrompt), "Inserire i dati in millimetri").at(360, 1560, 2295, 375)
               .font({.bold = true, .underline = true}));
    onPage(label(name(page.diameterPrompt), "Inserire il diametrro :").role(Role::Prompt).at(360, 2280, 1815, 255)
               .fore(colors::maroon).transparent());
    onPage(textBox(name(page.diameterBox)).describedBy(name(page.diameterPrompt)).at(360, 2520, 1815, 375)
               .tab(tabIndex));
    onPage(textBox(name(page.factorBox), name(page.factor)).role(Role::Constant).describedBy(name(page.diameterPrompt))
               .at(page.factorLeft, 2520, 1455, 375).hidden());
    onPage(button(name(page.calcola), "Calcola").at(360, 3480, 1815, 735).tab(tabIndex + 1)
               .graphical(colors::lightGrey).font({.face = "MS Serif", .points = 13.5}));
    onPage(button(name(page.stampa), "Stampa").at(360, 4560, 1815, 375).tab(tabIndex + 2).disabled());

    // The drawing: the disc beneath all, the "Diametro" label above the grey
    // dimension line, which it interrupts.
    onPage(shapeControl(name(page.disc), ShapeKind::Circle).at(4200, 1200, 3735, 3735)
               .border(colors::teal).fill(FillStyle::Solid, colors::teal));
    const auto &[leftLine, rightLine, dimensionLine] = page.diameterDimension;
    onPage(line(name(leftLine), 4200, 720, 4200, 2880).border(colors::grey));
    onPage(line(name(rightLine), 7920, 720, 7920, 2880).border(colors::grey));
    onPage(line(name(dimensionLine), 4200, 840, 7920, 840).border(colors::grey));
    onPage(label(name(page.diametroLabel), "Diametro").role(Role::Echo).at(5520, 720, 975, 255).fore(colors::maroon)
               .align(Align::Center));
    onPage(line(name(page.chordLine), page.chord.x1, page.chord.y, page.chord.x2, page.chord.y)
               .border(colors::red, 1, LineStyle::Dot));
    int shape = page.firstHoleShape;
    for (const Point &hole : page.holePositions) {
        onPage(shapeControl("Shape" + std::to_string(shape++), ShapeKind::Circle).at(hole.left, hole.top, 135, 135)
                   .fill(FillStyle::Solid, colors::lightYellow));
    }
    const Extensions &ext = page.chordExtensions;
    const Span &dim = page.chordDimensionLine;
    onPage(line(name(page.chordLeft), ext.left, ext.top, ext.left, ext.bottom).border(colors::black).hidden());
    onPage(line(name(page.chordRight), ext.right, ext.top, ext.right, ext.bottom).border(colors::black).hidden());
    onPage(line(name(page.chordDimension), dim.x1, dim.y, dim.x2, dim.y).border(colors::black).hidden());

    const ResultLayout &at = page.results;
    onPage(label(name(page.mmUnit), "mm :").at(at.mmUnit.left, at.mmUnit.top, at.mmUnitWidth, 255)
               .align(at.unitAlign).transparent().hidden());
    onPage(label(name(page.cmUnit), "cm :").at(at.cmUnit.left, at.cmUnit.top, at.cmUnitWidth, 255)
               .align(at.unitAlign).transparent().hidden());
    const Font resultFont{.points = 9.75};
    onPage(label(name(page.mmResult), "").role(Role::Result).describedBy(name(page.mmUnit))
               .at(at.mmResult.left, at.mmResult.top, at.resultWidth, 255)
               .align(at.resultAlign).fore(colors::maroon).font(resultFont));
    onPage(label(name(page.cmResult), "").role(Role::Result).describedBy(name(page.cmUnit))
               .at(at.cmResult.left, at.cmResult.top, at.resultWidth, 255)
               .align(at.resultAlign).fore(colors::maroon).font(resultFont));
}

std::vector<ControlDesign> controlTable()
{
    std::vector<std::string> captions;
    for (const HolePage &page : holePages)
        captions.emplace_back(page.caption);
    std::vector<ControlDesign> table{
        label("Label1", "Determina i  fori  ugualmente  distanti  su  una  circonferenza").at(1320, 0, 7215, 375)
            .fore(colors::navy).font({.face = "MS Serif", .points = 13.5}).transparent(),
        label("Label19", "inserendo solo  il  diametro  del  cerchio  primitivo").at(1800, 360, 6135, 255)
            .fore(colors::navy).font({.points = 9.75}).align(Align::Center).transparent(),
        tabControl(name(tabControlName), std::move(captions)).describedBy("Label19").at(120, 720, 9615, 5895)
            .font({.points = 9.75}).tab(0),
        button("cmdChiudi", "Chiudi").at(9120, 6720, 615, 255).tab(1),
    };
    for (std::size_t index = 0; index < holePages.size(); ++index)
        addPage(table, holePages[index], static_cast<int>(index));
    return table;
}
} // namespace

FrmFori::FrmFori(Platform &platform)
    : Form(platform, {.name = "frmFori", .caption = "Fori", .clientWidth = 9855, .clientHeight = 7065},
           controlTable())
{
    for (const HolePage &page : holePages) {
        onKeyPress(page.diameterBox, [](int &code) { code = digitKeyFilter(code); });
        on(page.diameterBox, Event::Change, [this, &page] { Diameter_Change(page); });
        on(page.calcola, Event::Click, [this, &page] { Calcola_Click(page); });
        on(page.mmResult, Event::Change, [this, &page] { MillimetreResult_Change(page); });
        on(page.stampa, Event::Click, [this] { printWindow(this->platform(), *this); });
    }
    on("cmdChiudi", Event::Click, [this] { closeWindow(this->platform(), *this); });
}

void FrmFori::Calcola_Click(const HolePage &page)
{
    const std::optional<ChordTexts> chord =
        chordTexts(control(page.diameterBox).text(), control(page.factorBox).text(), page.doubled);
    if (!chord) {
        showValidation(platform(), "Inserire il diametro ");
        return;
    }
    // The mm label's Change beeps before the cm result is written.
    control(page.mmResult).setText(chord->millimetres);
    control(page.cmResult).setText(chord->centimetres);
}

// A result shows the chord's dimension and its units, and lets the page be printed.
void FrmFori::MillimetreResult_Change(const HolePage &page)
{
    control(page.chordLeft).setVisible(true);
    control(page.chordRight).setVisible(true);
    control(page.chordDimension).setVisible(true);
    control(page.mmUnit).setVisible(true);
    control(page.cmUnit).setVisible(true);
    control(page.stampa).setEnabled(true);
    platform().beep();
}

// The dimension above the disc shows the diameter as typed, without unit.
void FrmFori::Diameter_Change(const HolePage &page)
{
    control(page.diametroLabel).setText(control(page.diameterBox).text());
}
