// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmrad.h"

#include "keys.h"
#include "numbers.h"
#include "operations.h"
#include "platform.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {
constexpr std::string_view numberPrompt = "Inserire il Numero!";
constexpr std::string_view indexPrompt = "Inserire la radice!";

std::vector<ControlDesign> controlTable()
{
    const Font serif{.face = "MS Serif", .points = 13.5};
    return {
        frame("Frame1", "Radici").at(240, 240, 9495, 6735).fore(colors::navy).font(serif),
        // The radical sign, drawn beneath the index and the number.
        line("Line1", 3960, 2160, 4080, 2160).in("Frame1").border(colors::windowText, 4),
        line("Line2", 4680, 3360, 4080, 2160).in("Frame1").border(colors::windowText, 4),
        line("Line3", 4680, 3360, 5640, 1920).in("Frame1").border(colors::windowText, 3),
        line("Line4", 8760, 1920, 5640, 1920).in("Frame1").border(colors::windowText, 2),
        // An equals sign turned upright between the sign and the result.
        line("Line5", 6120, 3960, 6120, 4320).in("Frame1").border(colors::maroon, 2),
        line("Line6", 6360, 3960, 6360, 4320).in("Frame1").border(colors::maroon, 2),
        label("Label4", "Numero :").role(Role::Prompt).in("Frame1").at(1080, 1560, 1215, 255).fore(colors::navy).tab(8),
        textBox("Text1").describedBy("Label4").in("Frame1").at(1080, 1920, 1935, 375)
            .tip("INSERIRE IL NUMERO DA SOTTOPORRE A RADICE")
            .tab(0),
        label("Label5", "Radice :").role(Role::Prompt).in("Frame1").at(1080, 2880, 975, 255).fore(colors::navy).tab(9),
        textBox("Text2", "2").describedBy("Label5").in("Frame1").at(1080, 3240, 1935, 375)
            .tip("INSERIRE IL VALORE DELLA RADICE").tab(1),
        button("Command1", "Calcola  Radice").in("Frame1").at(1080, 4560, 1935, 735).font(serif).tab(2),
        button("cmdStampa", "Stampa").in("Frame1").at(1080, 5640, 1935, 375).tab(10),
        button("cmdChiudi", "Chiudi").in("Frame1").at(8760, 6360, 615, 255).tab(4),
        label("Label1", "_").role(Role::Echo)
            .in("Frame1").at(4440, 1800, 615, 735).tab(5).transparent().fore(colors::darkRed)
            .font({.face = "MS Sans Serif", .points = 24, .bold = true}),
        label("Label2", "N°").role(Role::Echo)
            .in("Frame1").at(6240, 2520, 2535, 735).tab(6).transparent().fore(colors::navy)
            .font({.face = "MS Serif", .points = 24}),
        label("Label3", "").role(Role::Result).describedBy("Command1").in("Frame1").at(4440, 4560, 4215, 375).tab(7)
            .back(colors::tooltipBack).font(serif),
    };
}
} // namespace

FrmRad::FrmRad(Platform &platform)
    : Form(platform, {.name = "frmRad", .caption = "Radici", .clientWidth = 9855, .clientHeight = 7065},
           controlTable())
{
    onKeyPress("Text1", [](int &code) { code = digitKeyFilter(code); });
    onKeyPress("Text2", [](int &code) { code = digitKeyFilter(code); });
    on("Text1", Event::Change, [this] { Text1_Change(); });
    on("Text2", Event::Change, [this] { Text2_Change(); });
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Label3", Event::Click, [this] { Label3_Click(); });
    on("cmdStampa", Event::Click, [this] { printWindow(this->platform(), *this); });
    on("cmdChiudi", Event::Click, [this] { closeWindow(this->platform(), *this); });
}

void FrmRad::Text1_Change()
{
    Label2.setText(Text1.text());
}

void FrmRad::Text2_Change()
{
    Label1.setText(Text2.text());
}

void FrmRad::Label3_Click()
{
    platform().beep();
}

void FrmRad::Command1_Click()
{
    if (Text1.text().empty()) {
        showValidation(platform(), numberPrompt);
        return;
    }
    if (Text2.text() == "0") {
        showValidation(platform(), indexPrompt);
        return;
    }
    // An empty index means the square root.
    const std::optional<std::string> root = Text2.text().empty() ? squareRoot() : nthRoot();
    if (root)
        Label3.setText(*root);
}

// The square root reads the number with the full range of a double.
std::optional<std::string> FrmRad::squareRoot()
{
    const std::optional<double> x = readBox(platform(), Text1, numberPrompt);
    if (!x)
        return std::nullopt;
    // A negative number has no real root: ask for the number again.
    if (*x < 0) {
        showValidation(platform(), numberPrompt);
        return std::nullopt;
    }
    return resultText(platform(), std::sqrt(*x));
}

// Index and number pass through the fixed-point reading, the index first.
std::optional<std::string> FrmRad::nthRoot()
{
    const std::optional<double> n = readFixedPoint(Text2, indexPrompt);
    if (!n)
        return std::nullopt;
    // "00" and the like read as zero just as "0" does, and 1/0 is no index.
    if (*n == 0) {
        showValidation(platform(), indexPrompt);
        return std::nullopt;
    }
    const double e = 1 / *n;
    const std::optional<double> x = readFixedPoint(Text1, numberPrompt);
    if (!x)
        return std::nullopt;
    if (*x < 0) {
        showValidation(platform(), numberPrompt);
        return std::nullopt;
    }
    return resultText(platform(), std::pow(*x, e));
}

// Text that does not read asks for the box again; a value beyond the
// ten-thousandths count of 64 bits is too big.
std::optional<double> FrmRad::readFixedPoint(const Control &box, std::string_view prompt)
{
    if (!readBox(platform(), box, prompt))
        return std::nullopt;
    const std::optional<double> value = fixedPointNumber(box.text());
    if (!value)
        platform().showMessage(tooBigPrompt, appTitle);
    return value;
}
