// SPDX-License-Identifier: GPL-3.0-or-later
#include "planecontrols.h"

#include "numbers.h"

#include <utility>

ControlDesign figureFrame(std::string name, std::string caption)
{
    return frame(std::move(name), std::move(caption)).fore(colors::navy)
        .font({.face = "MS Serif", .points = 13.5});
}

ControlDesign heading(std::string name)
{
    return label(std::move(name), "Inserire i dati in millimetri").transparent()
        .font({.face = "MS Sans Serif", .points = 8.25, .bold = true, .underline = true});
}

ControlDesign prompt(std::string name, std::string caption)
{
    return label(std::move(name), std::move(caption)).fore(colors::maroon);
}

ControlDesign measureBox(std::string name)
{
    return textBox(std::move(name)).font({.face = "MS Sans Serif", .points = 9.75});
}

ControlDesign calcButton(std::string name)
{
    return button(std::move(name), "Calcola").graphical(colors::lightGrey)
        .font({.face = "MS Sans Serif", .points = 9.75, .bold = true});
}

ControlDesign resultLabel(std::string name)
{
    return label(std::move(name), "").role(Role::Result).back(colors::tooltipBack)
        .font({.face = "MS Serif", .points = 12, .bold = true});
}

ControlDesign sideLetter(std::string name, std::string caption)
{
    return prompt(std::move(name), std::move(caption)).transparent()
        .font({.face = "Book Antiqua", .points = 12, .italic = true});
}

double shownValue(std::string_view text)
{
    return textToNumber(text).value();
}
