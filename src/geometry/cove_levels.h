// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>

namespace arcwright {

// The cove is worked out in levels from the board face inward; these say how far apart
// they are and how many the tables hold.

inline constexpr double kBladeDiameter = 10.0;
inline constexpr double kLevelStep = 0.005;  // inch between profile levels

// 1000 levels reach about 5 in. deep, the radius of the blade.
inline constexpr int kMaxLevels = 1000;
// Level tables are indexed 1..kMaxLevels; entry 0 stays empty.
inline constexpr int kLevelTableSize = kMaxLevels + 1;

using LevelTable = std::array<double, kLevelTableSize>;

// A level count cut to what the tables hold.
constexpr int heldLevels(int pointCount) {
    return std::clamp(pointCount, 0, kMaxLevels);
}

}  // namespace arcwright
