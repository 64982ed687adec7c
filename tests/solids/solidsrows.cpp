// SPDX-License-Identifier: GPL-3.0-or-later
// The solids: worked values, validation order, what a refused input leaves,
// and the reset state. Volumes use pi/3 as 1,0472 and pi as 3,14.
#include "windowrows.h"

namespace {
const WindowRow rows[] = {
    {"cone volume and cm³", "frmCono", "txtRag=37; txtAlt=53; cmdCalc; cmdCm", "lblVcono=75981,6904; lblCm=75,9816904; Line3.Visible=True; Line4.Visible=True", "beep"},
    {"cone cm³ from the 15 digits shown", "frmCono", "txtRag=31622777; txtAlt=1; cmdCalc; cmdCm",
     "lblVcono=1,04720002638078E+15; lblCm=1047200026380,78", "beep"},
    {"cone zero radius still enables cm³", "frmCono", "txtRag=0; txtAlt=53; cmdCalc", "lblVcono=0; cmdCm.Enabled=True", "beep"},
    {"cone radius checked before height", "frmCono", "txtAlt=4; cmdCalc; txtRag=3; txtAlt=; cmdCalc",
     "lblVcono=; cmdCm.Enabled=False", R"~(message "Inserire i dati (Raggio)", message "Inserire i dati (Altezza)")~"},
    {"cone refused measures keep the volume", "frmCono",
     "txtRag=37; txtAlt=53; cmdCalc; cmdCm; txtRag=abc; cmdCalc; txtRag=1E+309; cmdCalc; txtRag=1E+200; cmdCalc",
     "lblVcono=75981,6904; lblCm=75,9816904",
     R"~(beep, message "Inserire i dati (Raggio)", message "Inserire i dati (Raggio)", message "Numero troppo grande!")~"},
    {"cone surface, no beep", "frmCono", "txtL=47; txtR=29; cmdCalm; cmdCent", "lblSm=4279,82; lblCentt=42,7982; lblVcono=", ""},
    {"cone surface checks L first", "frmCono", "txtR=29; cmdCalm; txtL=47; txtR=?; cmdCalm",
     "lblSm=; cmdCent.Enabled=False",
     R"~(message "Superficie del Mantello\r\nInserire i dati (L)", message "Superficie del Mantello:\r\nInserire i dati (Raggio)")~"},
    {"cone surface overflow", "frmCono", "txtL=1E+200; txtR=1E+200; cmdCalm", "lblSm=", "message \"Numero troppo grande!\""},
    {"cone marks", "frmCono", "txtR=8", "Line3.Visible=True; Line4.Visible=False", ""},
    {"cone slant marks: cmdL widens, the box narrows", "frmCono", "cmdL; txtL=6",
     "lblLl.Visible=True; Line1.BorderColor=0x000000FF; Line1.BorderWidth=1", ""},
    {"cone reset: volume half cleared, width kept", "frmCono",
     "txtRag=37; txtAlt=53; cmdCalc; cmdCm; txtL=47; txtR=29; cmdCalm; cmdL; cmdRes",
     "txtRag=; txtAlt=; lblVcono=; lblCm=; cmdCm.Enabled=False; Line3.Visible=False; Line4.Visible=False; "
     "Line1.BorderColor=0x00808000; Line1.BorderWidth=2; lblLl.Visible=False; txtL=47; lblSm=4279,82", "beep"},
    {"cone key filter", "frmCono", R"~(type txtRag "1a2,3-4 5.6"; type txtAlt "+7\b8"; key txtL 13; key txtL 27)~",
     "txtRag=123456; txtAlt=8; txtL=", ""},

    {"parallelepiped volume, cm³ and surface", "frmFormule", "txt1=23; txt2=41; txt3=17; cmdCalcola; cmdCen; cmdArea",
     "lbl1=16031; lblCen=16,031; lblArea=40,62; Line1.Visible=False; Line2.Visible=False; Line3.Visible=False", "beep"},
    {"parallelepiped surface reads the boxes now", "frmFormule", "txt1=23; txt2=41; txt3=17; cmdCalcola; txt1=20; cmdArea",
     "lblArea=37,14; lbl1=16031", "beep"},
    {"parallelepiped marks, and the height enables Calcola", "frmFormule", "txt2=6; txt3=5",
     "Line1.Visible=False; Line2.Visible=True; Line3.Visible=True; cmdCalcola.Enabled=True", ""},
    {"parallelepiped validation order, marks kept once emptied", "frmFormule",
     "txt3=5; cmdCalcola; txt1=2; txt2=3; txt3=; cmdCalcola", "lbl1=; cmdCen.Enabled=False; Line1.Visible=True; Line3.Visible=True", R"~(message "Inserire i dati (Lato)", message "Inserire i dati (Altezza)")~"},
    {"parallelepiped refused after a volume", "frmFormule", "txt1=23; txt2=41; txt3=17; cmdCalcola; txt2=x; cmdArea; txt2=4; txt3=1,2,3; cmdCalcola",
     "lbl1=16031; lblArea=", R"~(beep, message "Inserire i dati (Lato)", message "Inserire i dati (Altezza)")~"},
    {"parallelepiped surface overflow", "frmFormule", "txt1=1E+154; txt2=1E+154; txt3=1; cmdCalcola; cmdArea",
     "lbl1=1E+308; lblArea=", R"~(beep, message "Numero troppo grande!")~"},
    {"parallelepiped on the largest double", "frmFormule",
     "txt1=1,7976931348623157E+308; txt2=1; txt3=1; cmdCalcola", "lbl1=", R"~(message "Numero troppo grande!")~"},
    {"parallelepiped reset", "frmFormule", "txt1=23; txt2=41; txt3=17; cmdCalcola; cmdCen; cmdArea; cmdReset",
     "txt1=; lbl1=; lblCen=; lblArea=; Line1.Visible=False; Line3.Visible=False; cmdCalcola.Enabled=False; "
     "cmdCen.Enabled=False; cmdArea.Enabled=False", "beep"},

    {"cylinder volume, sum, cm³ and surface", "frmCilindro", "txt1=37; txt2=53; cmdCalcola; cmdCen; cmdArea",
     "lbl1=227828,98; Text1=90; lblCen=227,82898; lblArea=209,124; Line3.Visible=True; Line4.Visible=True", "beep"},
    {"cylinder exponent form", "frmCilindro", "txt1=123456789; txt2=98765; cmdCalcola; cmdCen; cmdArea",
     "lbl1=4,72675040932446E+21; Text1=123555554; lblCen=4,72675040932446E+18; lblArea=957936879085244", "beep"},
    {"cylinder sum read with the point as separator", "frmCilindro", "txt1=2,5; txt2=4; cmdCalcola; cmdArea",
     "lbl1=78,5; Text1=6; lblArea=0,942", "beep"},
    {"cylinder surface takes the edited radius", "frmCilindro", "txt1=37; txt2=53; cmdCalcola; txt1=20; cmdArea",
     "lblArea=91,688; Text1=73; lbl1=227828,98", "beep"},
    {"cylinder validation keeps the stored sum", "frmCilindro", "txt2=4; cmdCalcola; txt1=3; txt2=h; cmdCalcola",
     "Text1=Text1; lbl1=", R"~(message "Inserire i dati (Raggio)", message "Inserire i dati (Altezza)")~"},
    {"cylinder overflow", "frmCilindro", "txt1=37; txt2=53; cmdCalcola; txt1=1E+200; txt2=1E+200; cmdArea",
     "Text1=90; lblArea=", R"~(beep, message "Numero troppo grande!")~"},
    {"cylinder reset", "frmCilindro", "txt1=37; txt2=53; cmdCalcola; cmdCen; cmdArea; cmdReset",
     "txt1=; lbl1=; lblCen=; lblArea=; Text1=; cmdCalcola.Enabled=False; cmdCen.Enabled=False; "
     "cmdArea.Enabled=False; Line3.Visible=False; Line4.Visible=False", "beep"},

    {"sphere volume, cm³, surface", "frmSfera", "Text1=37; Command2; Command1; Command4",
     "Label2=26508,4033333333; Label3=26,5084033333333; Label5=4298,66; Label6=42,9866; Shape4.FillStyle=cross", "beep"},
    {"sphere cm³ rounded from the shown volume", "frmSfera", "Text1=562; Command2; Command1",
     "Label3=92893,9316533334", "beep"},
    {"sphere volume: red diameter before the check", "frmSfera", "Command2", "Line4.Visible=True; Label2=",
     R"~(message "Inserire i dati (Diametro)")~"},
    {"sphere surface: red diameter before the check", "frmSfera", "Command4", "Line4.Visible=True; Label5=",
     R"~(message "Inserire i dati (Diametro)")~"},
    {"sphere refused diameters keep the results", "frmSfera", "Text1=37; Command2; Command4; Text1=mm; Command2; Text1=1E+200; Command2; Command4",
     "Label2=26508,4033333333; Label5=4298,66",
     R"~(beep, message "Inserire i dati (Diametro)", message "Numero troppo grande!", message "Numero troppo grande!")~"},
    {"sphere surface alone", "frmSfera", "Text1=37; Command4", "Command1.Enabled=False; Shape4.FillStyle=transparent", ""},
    {"sphere reset beeps through the volume label", "frmSfera", "Text1=37; Command2; Command1; Command4; Command3",
     "Text1=; Label2=; Label3=; Label5=; Label6=; Line4.Visible=False; Command1.Enabled=False; "
     "Shape4.FillStyle=transparent", "beep, beep"},
    {"sphere labels that beep", "frmSfera", "Label3; Label5; Label2", "", "beep, beep"},

    {"printing fails, then prints", "frmSfera", "Text1=7; Command2; cmdStampa; printer on; cmdStampa", "Label2=179,503333333333",
     R"~(beep, message "C'è un problema di stampa!" "Verificare lo stato della stampante", print)~"},
};
} // namespace

const std::span<const WindowRow> windowRows = rows;
