// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// readouts owns how the window writes its numbers for a person: the display patterns of
// the boxes and the result line, the cut width's decimal text, and how each fraction
// read-out row writes its zero and its over/under marks.

#include <string>
#include <string_view>

#include "fractions/shop_fraction.h"
#include "geometry/cove_solver.h"

namespace arcwright {

namespace pattern {
inline constexpr std::string_view kLengthBox = "0.0#### in.";
inline constexpr std::string_view kAngleBox = "##°";
inline constexpr std::string_view kCutWidth = "0.##0 in.";
}  // namespace pattern

// The result line's decimal text of the cut width; empty when the cut is too wide.
std::string cutWidthText(const CoveSolution& solution);

// The settings of each fraction read-out, by who fills it.
namespace readout {
// Rows refreshed after every recomputation (the adjustment target's row).
FractionSettings adjustedWidth();
FractionSettings adjustedThickness();
FractionSettings adjustedBladeHeight();
// Rows rewritten when the resolution is switched.
FractionSettings allWidth();
FractionSettings allThickness();
FractionSettings allBladeHeight();
// The cut width on the result line.
FractionSettings cutWidth();
}  // namespace readout

}  // namespace arcwright
