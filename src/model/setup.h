// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace arcwright {

// pi as the calculations have always used it: ten digits, not full double precision.
inline constexpr double kTenDigitPi = 3.141592654;
// The isometric view's own, shorter pi.
inline constexpr double kIsoPi = 3.1415;

inline constexpr int kDrawScale = 1000;  // drawing units per inch
inline constexpr double kBladeDiameter = 10.0;
inline constexpr double kLevelStep = 0.005;  // inch between profile levels

// 1000 levels reach about 5 in. deep, the radius of the blade.
inline constexpr int kMaxLevels = 1000;
// Level tables are indexed 1..kMaxLevels; entry 0 stays empty.
inline constexpr int kLevelTableSize = kMaxLevels + 1;
// Outline tables hold two flanks of kMaxLevels points plus the printed apex.
inline constexpr int kOutlineTableSize = 2 * kMaxLevels + 2;

using LevelTable = std::array<double, kLevelTableSize>;
using OutlineTable = std::array<double, kOutlineTableSize>;

// The input the step buttons change.
enum class AdjustTarget { BoardWidth, BoardThickness, BladeHeight };

// Display patterns used across the program.
namespace pattern {
inline constexpr std::string_view kLengthBox = "0.0#### in.";
inline constexpr std::string_view kAngleBox = "##°";
inline constexpr std::string_view kCutWidth = "0.##0 in.";
}  // namespace pattern

// Start-up texts of the four input boxes.
inline constexpr double kStartBladeHeight = 0.5;
inline constexpr double kStartAngle = 45.0;
inline constexpr double kStartThickness = 0.75;
inline constexpr double kStartWidth = 4.0;

}  // namespace arcwright
