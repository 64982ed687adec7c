// SPDX-License-Identifier: GPL-3.0-or-later
#include "holepages.h"

namespace {
constexpr Point holes3[]{{6000, 1200}, {7560, 3960}, {4440, 3960}};
constexpr Point holes5[]{{6000, 1200}, {7800, 2520}, {7080, 4440}, {4920, 4440}, {4200, 2520}};
constexpr Point holes6[]{{6960, 1440}, {7800, 3000}, {6960, 4560}, {5040, 4560}, {4200, 3000}, {5040, 1440}};
constexpr Point holes7[]{{6000, 1200}, {7440, 1920}, {7800, 3360}, {6840, 4680},
                         {5160, 4680}, {4200, 3360}, {4560, 1920}};
constexpr Point holes8[]{{6720, 1320}, {7680, 2280}, {7680, 3720}, {6720, 4680},
                         {5280, 4680}, {4320, 3720}, {4320, 2280}, {5280, 1320}};
constexpr Point holes9[]{{6000, 1200}, {7200, 1560}, {7800, 2640}, {7560, 3960}, {6600, 4680},
                         {5400, 4680}, {4440, 3960}, {4200, 2640}, {4800, 1560}};
constexpr Point holes10[]{{6600, 1320}, {7440, 1920}, {7800, 3000}, {7440, 4080}, {6600, 4680},
                          {5400, 4680}, {4560, 4080}, {4200, 3000}, {4560, 1920}, {5400, 1320}};
constexpr Point holes11[]{{6000, 1200}, {7080, 1560}, {7680, 2400}, {7800, 3480}, {7320, 4320}, {6480, 4800},
                          {5520, 4800}, {4680, 4320}, {4200, 3480}, {4320, 2400}, {4920, 1560}};
constexpr Point holes12[]{{6480, 1200}, {7320, 1680}, {7800, 2520}, {7800, 3480}, {7320, 4320}, {6480, 4800},
                          {5520, 4800}, {4680, 4320}, {4200, 3480}, {4200, 2520}, {4680, 1680}, {5520, 1200}};

// From 7 holes on the results stand to the right of the disc.
constexpr ResultLayout rightOfDisc{.mmUnit = {7320, 4800}, .cmUnit = {7320, 5160}, .mmUnitWidth = 495,
                                   .cmUnitWidth = 495, .unitAlign = Align::Right, .mmResult = {7920, 4800},
                                   .cmResult = {7920, 5160}, .resultWidth = 1335, .resultAlign = Align::Left};
} // namespace

// On the pages for 3, 6 and 12 holes the factor is sin(180°/n); on the others
// it is half of it and the product is doubled.
extern const std::array<HolePage, 9> holePages{{
    {.holes = 3, .caption = "3 Fori", .factor = "0,86603", .doubled = false, .factorLeft = 2400,
     .diameterBox = "Text1", .factorBox = "Text10", .calcola = "Command5", .stampa = "Command14",
     .mmResult = "Label20", .cmResult = "Label22", .diametroLabel = "Label21", .mmUnit = "Label23",
     .cmUnit = "Label24", .chordLeft = "Line2", .chordRight = "Line3", .chordDimension = "Line4",
     .dataPrompt = "lblInse", .diameterPrompt = "Label6", .disc = "Shape1", .chordLine = "Line1",
     .diameterDimension = {"Line5", "Line6", "Line7"}, .firstHoleShape = 2,
     .holePositions = holes3, .chord = {4560, 7560, 4080}, .chordExtensions = {4440, 7680, 4080, 5520},
     .chordDimensionLine = {4440, 7680, 5400},
     .results = {.mmUnit = {5280, 5160}, .cmUnit = {5280, 5520}, .mmUnitWidth = 375, .cmUnitWidth = 495,
                 .unitAlign = Align::Left, .mmResult = {5640, 5160}, .cmResult = {5640, 5520}, .resultWidth = 1455,
                 .resultAlign = Align::Center}},
    {.holes = 5, .caption = "5 Fori", .factor = "0,29389", .doubled = true, .factorLeft = 2400,
     .diameterBox = "Text2", .factorBox = "Text11", .calcola = "Command4", .stampa = "Command13",
     .mmResult = "Label27", .cmResult = "Label28", .diametroLabel = "Label29", .mmUnit = "Label25",
     .cmUnit = "Label26", .chordLeft = "Line9", .chordRight = "Line10", .chordDimension = "Line11",
     .dataPrompt = "Label2", .diameterPrompt = "Label7", .disc = "Shape5", .chordLine = "Line8",
     .diameterDimension = {"Line12", "Line13", "Line14"}, .firstHoleShape = 13,
     .holePositions = holes5, .chord = {5040, 7080, 4560}, .chordExtensions = {4920, 7200, 4560, 5640},
     .chordDimensionLine = {4920, 7200, 5400},
     .results = {.mmUnit = {5160, 5160}, .cmUnit = {5160, 5520}, .mmUnitWidth = 495, .cmUnitWidth = 495,
                 .unitAlign = Align::Right, .mmResult = {5760, 5160}, .cmResult = {5760, 5520}, .resultWidth = 1335,
                 .resultAlign = Align::Left}},
    {.holes = 6, .caption = "6 Fori", .factor = "0,50000", .doubled = false, .factorLeft = 2400,
     .diameterBox = "Text3", .factorBox = "Text12", .calcola = "Command3", .stampa = "Command12",
     .mmResult = "Label32", .cmResult = "Label31", .diametroLabel = "Label30", .mmUnit = "Label34",
     .cmUnit = "Label33", .chordLeft = "Line20", .chordRight = "Line19", .chordDimension = "Line18",
     .dataPrompt = "Label3", .diameterPrompt = "Label8", .disc = "Shape6", .chordLine = "Line21",
     .diameterDimension = {"Line15", "Line16", "Line17"}, .firstHoleShape = 18,
     .holePositions = holes6, .chord = {5160, 6960, 4680}, .chordExtensions = {5040, 7080, 4680, 5520},
     .chordDimensionLine = {5040, 7080, 5400},
     .results = {.mmUnit = {5040, 5040}, .cmUnit = {5040, 5520}, .mmUnitWidth = 495, .cmUnitWidth = 495,
                 .unitAlign = Align::Right, .mmResult = {5640, 5040}, .cmResult = {5640, 5520}, .resultWidth = 1335,
                 .resultAlign = Align::Left}},
    {.holes = 7, .caption = "7 Fori", .factor = "0,21694", .doubled = true, .factorLeft = 2520,
     .diameterBox = "Text4", .factorBox = "Text13", .calcola = "Command2", .stampa = "Command11",
     .mmResult = "Label38", .cmResult = "Label39", .diametroLabel = "Label35", .mmUnit = "Label36",
     .cmUnit = "Label37", .chordLeft = "Line26", .chordRight = "Line27", .chordDimension = "Line28",
     .dataPrompt = "Label4", .diameterPrompt = "Label9", .disc = "Shape7", .chordLine = "Line25",
     .diameterDimension = {"Line22", "Line23", "Line24"}, .firstHoleShape = 24,
     .holePositions = holes7, .chord = {5280, 6840, 4800}, .chordExtensions = {5160, 6960, 4800, 5640},
     .chordDimensionLine = {5040, 9480, 5520}, .results = rightOfDisc},
    {.holes = 8, .caption = "8 Fori", .factor = "0,19134", .doubled = true, .factorLeft = 2400,
     .diameterBox = "Text5", .factorBox = "Text14", .calcola = "Command1", .stampa = "cmdStampa",
     .mmResult = "Label41", .cmResult = "Label40", .diametroLabel = "Label44", .mmUnit = "Label43",
     .cmUnit = "Label42", .chordLeft = "Line31", .chordRight = "Line30", .chordDimension = "Line29",
     .dataPrompt = "Label5", .diameterPrompt = "Label10", .disc = "Shape8", .chordLine = "Line32",
     .diameterDimension = {"Line33", "Line34", "Line35"}, .firstHoleShape = 31,
     .holePositions = holes8, .chord = {5400, 6840, 4800}, .chordExtensions = {5280, 6840, 4800, 5640},
     .chordDimensionLine = {5160, 9360, 5520}, .results = rightOfDisc},
    {.holes = 9, .caption = "9 Fori", .factor = "0,17101", .doubled = true, .factorLeft = 2520,
     .diameterBox = "Text6", .factorBox = "Text15", .calcola = "Command6", .stampa = "Command15",
     .mmResult = "Label48", .cmResult = "Label49", .diametroLabel = "Label45", .mmUnit = "Label46",
     .cmUnit = "Label47", .chordLeft = "Line40", .chordRight = "Line41", .chordDimension = "Line42",
     .dataPrompt = "Label12", .diameterPrompt = "Label11", .disc = "Shape9", .chordLine = "Line39",
     .diameterDimension = {"Line36", "Line37", "Line38"}, .firstHoleShape = 39,
     .holePositions = holes9, .chord = {5400, 6600, 4800}, .chordExtensions = {5400, 6720, 4800, 5640},
     .chordDimensionLine = {5280, 9360, 5520}, .results = rightOfDisc},
    {.holes = 10, .caption = "10 Fori", .factor = "0,15451", .doubled = true, .factorLeft = 2400,
     .diameterBox = "Text7", .factorBox = "Text16", .calcola = "Command7", .stampa = "Command16",
     .mmResult = "Label52", .cmResult = "Label51", .diametroLabel = "Label50", .mmUnit = "Label54",
     .cmUnit = "Label53", .chordLeft = "Line48", .chordRight = "Line47", .chordDimension = "Line46",
     .dataPrompt = "Label14", .diameterPrompt = "Label13", .disc = "Shape10", .chordLine = "Line49",
     .diameterDimension = {"Line43", "Line44", "Line45"}, .firstHoleShape = 48,
     .holePositions = holes10, .chord = {5520, 6720, 4800}, .chordExtensions = {5400, 6720, 4800, 5640},
     .chordDimensionLine = {5280, 9360, 5520}, .results = rightOfDisc},
    {.holes = 11, .caption = "11 Fori", .factor = "0,14087", .doubled = true, .factorLeft = 2400,
     .diameterBox = "Text8", .factorBox = "Text17", .calcola = "Command8", .stampa = "Command17",
     .mmResult = "Label58", .cmResult = "Label59", .diametroLabel = "Label55", .mmUnit = "Label56",
     .cmUnit = "Label57", .chordLeft = "Line54", .chordRight = "Line55", .chordDimension = "Line56",
     .dataPrompt = "Label16", .diameterPrompt = "Label15", .disc = "Shape11", .chordLine = "Line53",
     .diameterDimension = {"Line50", "Line51", "Line52"}, .firstHoleShape = 58,
     .holePositions = holes11, .chord = {5640, 6600, 4920}, .chordExtensions = {5520, 6600, 4920, 5640},
     .chordDimensionLine = {5400, 9360, 5520}, .results = rightOfDisc},
    {.holes = 12, .caption = "12 Fori", .factor = "0,25882", .doubled = false, .factorLeft = 2400,
     .diameterBox = "Text9", .factorBox = "Text18", .calcola = "Command9", .stampa = "Command10",
     .mmResult = "Label62", .cmResult = "Label61", .diametroLabel = "Label60", .mmUnit = "Label64",
     .cmUnit = "Label63", .chordLeft = "Line62", .chordRight = "Line61", .chordDimension = "Line60",
     .dataPrompt = "Label18", .diameterPrompt = "Label17", .disc = "Shape12", .chordLine = "Line63",
     .diameterDimension = {"Line57", "Line58", "Line59"}, .firstHoleShape = 69,
     .holePositions = holes12, .chord = {5640, 6480, 4920}, .chordExtensions = {5640, 6480, 4920, 5640},
     .chordDimensionLine = {5520, 9240, 5520}, .results = rightOfDisc},
}};
