// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord.h"

#include "numbers.h"

std::optional<ChordTexts> chordTexts(std::string_view diameter, std::string_view factor, bool doubled)
{
    const std::optional<double> d = textToNumber(diameter);
    const std::optional<double> k = textToNumber(factor);
    if (!d || !k)
        return std::nullopt;
    const double product = *k * *d;
    const double chord = doubled ? product + product : product;
    ChordTexts texts{.millimetres = numberToText(chord), .centimetres = {}};
    // The chord stays below the diameter, so its text always reads back.
    texts.centimetres = numberToText(*textToNumber(texts.millimetres) / 10);
    return texts;
}
