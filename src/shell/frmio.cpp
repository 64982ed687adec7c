// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmio.h"

#include "operations.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace {
std::string blanks(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

std::string hyphens(int count)
{
    return std::string(static_cast<std::size_t>(count), '-');
}

constexpr std::string_view contact = "geomira@example.org";

// 27 lines joined by CR LF; the blanks at the ends of the lines are part of the text.
std::string aboutText()
{
    const std::string lines[] = {
        "  Geomira è un piccolo software per calcolare in pochi attimi e",
        "  scarsi dati, aree e volumi delle figure geometriche più comuni.",
        "  ",
        "  Comprende inoltre un'applicazione per determinare le equidistanze",
        "  trà più fori, distribuiti su qualsiasi circonferenza.",
        "",
        hyphens(71),
        "  Geomira è alla sua prima versione, sono quindi auspicabili",
        "  prossime versioni aggiornate.",
        hyphens(71),
        blanks(11) + "Questo programma è stato realizzato interamente da" + blanks(5),
        blanks(23) + "il team di Geomira" + blanks(12),
        blanks(11) + "Per qualsiasi ulteriore informazione sul software",
        blanks(17) + "ed aggiornamenti mandate un'e-mail a:" + blanks(2),
        hyphens(25) + blanks(2) + std::string(contact) + blanks(2) + hyphens(24),
        "",
        "",
        blanks(13) + "Importante! Geomira ha bisogno delle librerie di Qt 6",
        "libQt6Core.so.6, libQt6Gui.so.6, libQt6Widgets.so.6 e",
        "libQt6PrintSupport.so.6, e dei caratteri Liberation Serif,",
        "Liberation Sans e Comic Neue. Debian li fornisce nei pacchetti",
        "libqt6widgets6, libqt6printsupport6, fonts-liberation e",
        "fonts-comic-neue, scaricabili da https://packages.debian.org;",
        "apt-get li copia nella cartella di sistema /usr/lib e /usr/share/fonts.",
        "",
        blanks(13) + "[ Geomira, il team di Geomira: " + std::string(contact) + " ]",
        "",
    };
    std::string text;
    for (const std::string &line : lines) {
        if (&line != &lines[0])
            text += "\r\n";
        text += line;
    }
    return text;
}

std::vector<ControlDesign> controlTable()
{
    return {
        image("Image1", "portrait").at(0, 0, 2250, 2250),
        label("Label1", "che sono io:-)").at(240, 1680, 1215, 375).tab(2).transparent().hidden()
            .font({.face = "Comic Sans MS", .points = 8.25, .bold = true}).fore(colors::lightYellow),
        button("Command1", "&OK").at(1680, 1740, 375, 345).tab(0).graphical(colors::paleYellow)
            .font({.face = "Times New Roman", .points = 9.75, .bold = true}),
        textBox("Text1", aboutText()).at(2280, 120, 5895, 2055).tab(1).multiLine(true).locked()
            .align(Align::Center).back(colors::tooltipBack),
    };
}
} // namespace

FrmIo::FrmIo(Platform &platform)
    : Form(platform,
           {.name = "frmIo", .caption = "Io", .clientWidth = 8295, .clientHeight = 2280,
            .border = BorderStyle::None, .backColor = colors::darkNavy},
           controlTable())
{
    on("Command1", Event::Click, [this] { closeWindow(this->platform(), *this); });
    on("Image1", Event::MouseMove, [this] { Label1.setVisible(false); });
    on("Text1", Event::MouseMove, [this] { Label1.setVisible(true); });
}
