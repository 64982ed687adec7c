// SPDX-License-Identifier: GPL-3.0-or-later
// The roots: the n-th root reads index and number in ten-thousandths of a
// 64-bit count, the square root (empty index) with the range of a double.
#include "windowrows.h"

namespace {
const WindowRow rows[] = {
    {"16 under the default index 2, no beep", "frmRad", "Text1=16; Command1", "Label3=4; Label2=16", ""},
    {"an empty index takes the square root", "frmRad", "Text1=2; Text2=; Command1", "Label3=1,4142135623731", ""},
    {"cube root of 31", "frmRad", "Text1=31; Text2=3; Command1", "Label3=3,14138065239139; Label1=3", ""},
    {"fourth root", "frmRad", "Text1=98765; Text2=4; Command1", "Label3=17,7276336001644", ""},
    {"largest fixed-point number", "frmRad", "Text1=922337203685477; Text2=3; Command1", "Label3=97341,173055887", ""},
    {"largest index", "frmRad", "Text1=922337203685477; Text2=922337203685477; Command1", "Label3=1,00000000000004", ""},
    {"the number rounded half to even at the fourth decimal", "frmRad", "Text1=6,25005; Text2=1; Command1", "Label3=6,25", ""},
    {"and upward past the half", "frmRad", "Text1=6,25015; Text2=2; Command1", "Label3=2,50003999968001", ""},
    {"the square root of 0", "frmRad", "Text1=0; Text2=; Command1", "Label3=0", ""},
    {"negative zero is no negative number", "frmRad", "Text1=-0; Text2=3; Command1", "Label3=0", ""},
    {"square root beyond the fixed-point range", "frmRad", "Text1=1E+300; Text2=; Command1", "Label3=1E+150", ""},
    {"a negative index", "frmRad", "Text1=4096; Text2=-2; Command1", "Label3=0,015625", ""},
    {"the number first, then an index of 0", "frmRad", "Text1=64; Command1; Text1=; Text2=0; Command1; Text1=81; Command1",
     "Label3=8", R"~(message "Inserire il Numero!", message "Inserire la radice!")~"},
    {"zeros only and an index rounding to 0", "frmRad", "Text1=121; Command1; Text2=00; Command1; Text2=0,00004; Command1",
     "Label3=11", R"~(message "Inserire la radice!", message "Inserire la radice!")~"},
    {"the index is read before the number", "frmRad", "Text1=x; Text2=y; Command1; Text2=922337203685478; Command1; Text2=3; Command1",
     "Label3=", R"~(message "Inserire la radice!", message "Numero troppo grande!", message "Inserire il Numero!")~"},
    {"numbers refused", "frmRad",
     "Text1=9; Command1; Text1=922337203685478; Command1; Text1=-8; Command1; Text2=; Command1; Text1=1E+309; Command1",
     "Label3=3",
     R"~(message "Numero troppo grande!", message "Inserire il Numero!", message "Inserire il Numero!", message "Inserire il Numero!")~"},
    {"roots that overflow", "frmRad", "Text1=10; Text2=0,0001; Command1; Text1=0; Text2=-2; Command1", "Label3=",
     R"~(message "Numero troppo grande!", message "Numero troppo grande!")~"},
    {"the digit filter passes 0 to 9 only, not the keys around them, tab, ctrl V, à or a digit beyond 16 bits", "frmRad",
     "key Text1 47; key Text1 48; key Text1 57; key Text1 58; key Text1 9; key Text1 22; key Text1 224; key Text1 65584",
     "Text1=09", ""},
    {"the result beeps when clicked", "frmRad", R"~(type Text1 "4a9"; Command1; Label3)~", "Label3=7; Text1=49", "beep"},
};
} // namespace

const std::span<const WindowRow> windowRows = rows;
