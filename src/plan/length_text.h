// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Lengths as the planner's boxes take and show them: inches or millimetres, with the
// unit written after the number or taken from the user's choice; and the blade's tilt in
// degrees.

#include <optional>
#include <string>
#include <string_view>

namespace arcwright {

enum class LengthUnit { Inch, Millimetre };

// A length typed into a box, in inches: a decimal or shop fraction as the window's boxes
// read it ("3.5", "3 1/2", "3-1/2", "7/8"), or a decimal with a comma ("2,5"), optionally
// followed by "in.", "in", "inch",
// "inches", "\"", "mm" or "cm" (any case). A bare number is in `bareUnit`. Nothing when
// the text is empty, is not one whole number, names another unit or is longer than
// kLongestLength (so that every length converts and prints as a finite number).
std::optional<double> readLength(std::string_view text, LengthUnit bareUnit);

// A minus sign before what would be a length above zero ("-3", "-1/8 in."): a length
// meant, typed below zero.
bool isLengthBelowZero(std::string_view text, LengthUnit bareUnit);

// An angle typed into a box, in degrees: a decimal with an optional sign, optionally followed
// by "°", "deg" or "degrees". Nothing when the text is empty or is not one number.
std::optional<double> readDegrees(std::string_view text);

// "0.6875 in." (up to four decimals) or "17.5 mm" (one decimal).
std::string lengthText(double inches, LengthUnit unit);

// The nearest 1/32 in. as a shop fraction with the window's marks: "5/8 in.",
// "3 1/16 + in." (a little more), "2 11/16 - in." (a little less).
std::string shopFractionText(double inches);

// A length for a box, as a user would type it, to the places the read-outs show: "0.625"
// in inches, "15.9 mm" in millimetres.
std::string lengthBoxText(double inches, LengthUnit unit);

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kLongestLength = 1e6;  // inches; no shop has a longer board

}  // namespace arcwright
