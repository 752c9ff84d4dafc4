// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner's and the saw's drawings in the desktop's colours, so that a woodworker who
// uses both sees the same board: pale yellow wood, brown lines, the teal saw table; at the
// saw the passes made in grey, the pass in hand in red, the passes to come faint.

#include "views/fitted_board_end.h"
#include "views/pass_view.h"

namespace arcwright::web {

inline constexpr Rgb kWood{255, 255, 128};
inline constexpr Rgb kWoodLines{128, 64, 0};
inline constexpr Rgb kSawTable{0, 128, 128};

inline constexpr BoardEndColours kBoardEndColours{kWood, kWoodLines, kSawTable};
inline constexpr PassColours kPassColours{
    kWoodLines, kSawTable, {128, 128, 128}, {255, 0, 0}, {191, 191, 191}};

}  // namespace arcwright::web
