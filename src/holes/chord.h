// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The distance between neighbouring holes, as the two result texts of a page.
struct ChordTexts {
    std::string millimetres;
    std::string centimetres; // read back from the millimetre text, as shown
};

// Diameter times the page's five-decimal chord factor, the product added to
// itself where the factor is half the chord's. Nothing when the diameter is
// empty or does not read as a number.
std::optional<ChordTexts> chordTexts(std::string_view diameter, std::string_view factor, bool doubled);
