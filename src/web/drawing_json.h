// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drawing as the browser draws it: its scale (the user coordinates of the picture's
// corners) and its lines, arcs and polygons in those coordinates, each with its colour
// ("#rrggbb", or null for the foreground), style and width.

#include <nlohmann/json.hpp>

#include "views/display_list.h"

namespace arcwright::web {

nlohmann::ordered_json drawingJson(const DisplayList& drawing);

}  // namespace arcwright::web
