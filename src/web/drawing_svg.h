// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drawing as SVG markup for a picture of `width` by `height` pixels, mapped as the desktop
// maps it: the scale fills the picture inside a two-pixel border, an arc's radius follows
// the x scale and its angles run counter-clockwise. Runs of lines of one colour, width and
// style become one path, so a page draws even the moulding's hundreds of lines at once.

#include <string>

#include "views/display_list.h"

namespace arcwright::web {

// The elements inside the picture's <svg> (whose viewBox is 0 0 width height).
std::string drawingSvg(const DisplayList& drawing, int width, int height);

}  // namespace arcwright::web
