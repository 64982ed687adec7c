// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <array>
#include <span>
#include <string_view>

struct Point {
    int left;
    int top;
};

// A horizontal stretch of the drawing: from x1 to x2 at height y.
struct Span {
    int x1;
    int x2;
    int y;
};

// Two vertical lines at left and right, from top down to bottom.
struct Extensions {
    int left;
    int right;
    int top;
    int bottom;
};

// Where the unit labels and the results stand.
struct ResultLayout {
    Point mmUnit;
    Point cmUnit;
    int mmUnitWidth;
    int cmUnitWidth;
    Align unitAlign;
    Point mmResult;
    Point cmResult;
    int resultWidth;
    Align resultAlign;
};

// One page of the holes window: the number of holes, its chord factor, the
// names of its controls and its drawing. Coordinates are twips from the
// top-left corner of the tab control, tab strip included.
struct HolePage {
    int holes;
    std::string_view caption;
    std::string_view factor; // the chord factor, five decimals
    bool doubled;            // the factor is half the chord's: the product is added to itself
    int factorLeft;

    // The controls that the calculation and its reactions use.
    std::string_view diameterBox;
    std::string_view factorBox;
    std::string_view calcola;
    std::string_view stampa;
    std::string_view mmResult;
    std::string_view cmResult;
    std::string_view diametroLabel;
    std::string_view mmUnit;
    std::string_view cmUnit;
    std::string_view chordLeft;
    std::string_view chordRight;
    std::string_view chordDimension;

    // The static controls.
    std::string_view dataPrompt;
    std::string_view diameterPrompt;
    std::string_view disc;
    std::string_view chordLine;
    std::array<std::string_view, 3> diameterDimension; // left, right, dimension line
    int firstHoleShape;                                 // the holes are numbered on from this shape

    // The drawing.
    std::span<const Point> holePositions; // clockwise from the top
    Span chord;                           // between the two lowest holes
    Extensions chordExtensions;
    Span chordDimensionLine;
    ResultLayout results;
};

// The nine pages in tab order: 3 and 5 to 12 holes.
extern const std::array<HolePage, 9> holePages;
