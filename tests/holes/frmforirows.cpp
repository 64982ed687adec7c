// SPDX-License-Identifier: GPL-3.0-or-later
// The holes: the chord of n holes on a circle, page by page, and the edges of its
// two texts: millimetres from the factor, centimetres from their text.
#include "windowrows.h"

namespace {
const WindowRow rows[] = {
    {"a diameter of 4713 on every page", "frmFori",
     "Text1=4713; Command5; tab 1; Text2=4713; Command4; tab 2; Text3=4713; Command3; tab 3; Text4=4713; Command2; "
     "tab 4; Text5=4713; Command1; tab 5; Text6=4713; Command6; tab 6; Text7=4713; Command7; tab 7; Text8=4713; "
     "Command8; tab 8; Text9=4713; Command9",
     "Label20=4081,59939; Label22=408,159939; Label27=2770,20714; Label28=277,020714; Label32=2356,5; Label31=235,65; "
     "Label38=2044,87644; Label39=204,487644; Label41=1803,57084; Label40=180,357084; Label48=1611,94026; "
     "Label49=161,194026; Label52=1456,41126; Label51=145,641126; Label58=1327,84062; Label59=132,784062; "
     "Label62=1219,81866; Label61=121,981866; Label60=4713; Line60.Visible=True; Line61.Visible=True; "
     "Line62.Visible=True; Label64.Visible=True; Label63.Visible=True",
     "beep, beep, beep, beep, beep, beep, beep, beep, beep"},
    {"edges of the chord texts: top of the double range, leading zeros, exponent form read back", "frmFori",
     "Text1=1E+308; Command5; tab 1; Text2=0100; Command4; tab 2; Text3=10000000000000000; Command3",
     "Label20=8,6603E+307; Label22=8,6603E+306; Label27=58,778; Label28=5,8778; Label32=5E+15; Label31=500000000000000",
     "beep, beep, beep"},
    {"a chord of zero", "frmFori", "tab 2; Text3=0; Command3", "Label32=0; Label31=0", "beep"},
    {"only the page shown takes input", "frmFori", "Text2=5; Command4; tab 1; Command4", "Label29=Diametro; Label27=",
     R"~(message "Inserire il diametro ")~"},
    {"refused diameters keep the result", "frmFori", "tab 6; Text7=48; Command7; Text7=12a; Command7; Text7=1E+309; Command7",
     "Label52=14,83296; Label51=1,483296; Label50=1E+309", R"~(beep, message "Inserire il diametro ", message "Inserire il diametro ")~"},
    {"printing waits for a result", "frmFori", "tab 3; Command11; Text4=65; Command2; Command11; printer on; Command11",
     "Label38=28,2022", R"~(beep, message "C'è un problema di stampa!" "Verificare lo stato della stampante", print)~"},
};
} // namespace

const std::span<const WindowRow> windowRows = rows;
