// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <array>
#include <cmath>
#include <utility>

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

std::string_view freeFace(std::string_view face)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> faces{{
        {"Times New Roman", "Liberation Serif"},
        {"Book Antiqua", "P052"},
        {"MS Serif", "Liberation Serif"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Comic Sans MS", "Comic Neue"},
        {"Courier New", "Liberation Mono"},
    }};
    for (const auto &[designed, free] : faces) {
        if (designed == face)
            return free;
    }
    return face;
}

std::string_view pictureDescription(std::string_view pictureId)
{
    if (pictureId == "portrait")
        return "Emblema dell'autore: un compasso che traccia un cerchio su una squadra";
    return {};
}
