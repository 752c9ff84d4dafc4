// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A colour as the page's SVG, canvas and CSS take it.

#include <string>

#include "views/canvas.h"

namespace arcwright::web {

// "#rrggbb", lower case.
inline std::string hexColour(Rgb colour) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string hex = "#";
    for (const int part : {colour.r, colour.g, colour.b}) {
        hex += kDigits[(part >> 4) & 0xf];
        hex += kDigits[part & 0xf];
    }
    return hex;
}

}  // namespace arcwright::web
