// SPDX-License-Identifier: GPL-3.0-or-later
// The plane figures: worked values, validation order and what a refused input
// leaves. The triangle's factor is 0,433, the circle's 0,7854 and 3,14, the
// square's diagonal 1,4142.
#include "windowrows.h"

namespace {
const WindowRow rows[] = {
    {"triangle of side 37, hatched", "frmTri", "Text1=37; Command2",
     "Label2=592,777; Label3=5,92777; Line4.Visible=True; Line5.Visible=True; Line6.Visible=True; Line7.Visible=True; "
     "Line8.Visible=True; Line9.Visible=True; Line10.Visible=True; Line11.Visible=True", "beep"},
    {"triangle refused sides keep the area", "frmTri", "Text1=10; Command2; Text1=; Command2; Text1=tre; Command2; Text1=1E+200; Command2",
     "Label2=43,3; Label3=0,433",
     R"~(beep, message "Inserire i dati (Lato)", message "Inserire i dati (Lato)", message "Numero troppo grande!")~"},
    {"triangle key press shows its label", "frmTri", R"~(type Text1 "a")~", "Label6.Visible=True; Text1=", ""},
    {"circle of diameter 23, circumference in cm", "frmTri", "Text3=23; Command1; cmd3",
     "Label12=415,4766; Label11=4,154766; Label15=72,22; Label13=7,222; Shape1.FillStyle=upward-diagonal", "beep, beep"},
    {"circle exponent form", "frmTri", "Text3=98765432; Command1; cmd3",
     "Label12=7,66127113236836E+15; Label11=76612711323683,6; Label15=310123456,48; Label13=31012345,648", "beep, beep"},
    {"circumference cm checks the box, converts the shown value", "frmTri", "Text3=10; Command1; Text3=0; cmd3; Text3=; cmd3",
     "Label13=3,14", R"~(beep, beep, message "Inserire i dati (Diametro)")~"},
    {"circle refused diameters", "frmTri", "Command1; Text3=12abc; Command1; Text3=1E+200; Command1",
     "cmd3.Enabled=False; Shape1.FillStyle=transparent; Label12=",
     R"~(message "Inserire i dati (Diametro)", message "Inserire i dati (Diametro)", message "Numero troppo grande!")~"},
    {"both print buttons", "frmTri", "cmdStampa; Command3; printer on; cmdStampa; Command3", "",
     R"~(message "C'è un problema di stampa!" "Verificare lo stato della stampante", message "C'è un problema di stampa!" "Verificare lo stato della stampante", print, print)~"},

    {"square of side 37", "frmQua", "Text1=37; Command2",
     "Label2=1369; Label3=13,69; Label13=52,3254; Shape1.FillStyle=upward-diagonal", "beep"},
    {"square refused sides", "frmQua", "Command2; Text1=sette; Command2; Text1=1E+200; Command2",
     "Label2=; Shape1.FillStyle=transparent",
     R"~(message "Inserire i dati (Lato)", message "Inserire i dati (Lato)", message "Numero troppo grande!")~"},
    {"rectangle 13 by 29, the sum of squares in the hidden box", "frmQua", "Text2=13; Text3=29; Command1",
     "Label10=377; Label8=3,77; Text4=1010; Label12=31,7804971641414; Shape2.FillStyle=upward-diagonal", "beep"},
    {"rectangle whose squares pass 10^15", "frmQua", "Text2=40000000; Text3=40000000; Command1",
     "Label10=1,6E+15; Label8=16000000000000; Text4=3,2E+15; Label12=56568542,4949238", "beep"},
    {"rectangle side A before side B, results stay", "frmQua", "Text3=4; Command1; Text2=3; Command1; Text3=4,5x; Command1; Text3=1E+200; Command1",
     "Label10=12; Label8=0,12; Text4=25; Label12=5",
     R"~(message "Inserire i dati (Lato A)", beep, message "Inserire i dati (Lato B)", message "Numero troppo grande!")~"},

    {"trapezium H 47 h 23 a 61 b 19 c 13", "frmTrap", "Text1=47; Text2=23; Text3=61; Text4=19; Text5=13; Command2",
     "Label6=5318; Label8=2659; Label7=26,59; Line18.Visible=True; Line19.Visible=True; Line20.Visible=True; "
     "Line21.Visible=True; Line22.Visible=True; Line23.Visible=True; Line24.Visible=True; Line25.Visible=True", "beep"},
    {"trapezium pasted height 4,5 counts in full in the sum too", "frmTrap", "Text1=4,5; Text2=2; Text3=10; Text4=1; Text5=1; Command2",
     "Label6=71,5; Label8=35,75; Label7=0,3575", "beep"},
    {"trapezium products past 10^15 keep their value", "frmTrap",
     "Text1=40000000; Text2=1; Text3=0; Text4=1; Text5=40000000; Command2",
     "Label6=1,6E+15; Label8=800000000000000; Label7=8000000000000", "beep"},
    {"trapezium validation order H, h, a, b, c", "frmTrap",
     "Command2; Text1=100; Command2; Text2=40; Command2; Text3=250; Command2; Text4=35; Command2",
     "Label6=; Line18.Visible=False",
     R"~(message "Inserire il Dato H ", message "Inserire il Dato h ", message "Inserire il Dato a ", message "Inserire il Dato b ", message "Inserire il Dato c ")~"},
    {"trapezium refused after a result", "frmTrap",
     "Text1=100; Text2=40; Text3=250; Text4=35; Text5=80; Command2; Text5=-; Command2; Text1=1E+200; Text5=1E+200; Command2",
     "Label6=44400; Label8=22200; Label7=222",
     R"~(beep, message "Inserire il Dato c ", message "Numero troppo grande!")~"},
    {"trapezium reset beeps and hides the hatching", "frmTrap", "Text1=47; Text2=23; Text3=61; Text4=19; Text5=13; Command2; Command1",
     "Text1=; Text5=; Label6=5318; Label8=; Label7=; Line18.Visible=False", "beep, beep"},
};
} // namespace

const std::span<const WindowRow> windowRows = rows;
