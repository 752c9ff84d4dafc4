// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether a whole text is one number of the shapes the planner's boxes take; the value is
// leadingNumber's to give.

#include <string_view>

namespace arcwright {

// An optional "+", then a decimal with an optional exponent ("2.5", ".5", "3.", "1e3"), or
// a fraction with optional whole inches before it, apart by blanks or a dash ("3/4",
// "1 1/2", "1-1/2"); a denominator of only zeros is none. So "1.2.3", "3/4/5" or "1/0" is
// not taken for 1.2, 3/4 or 1 the way the calculator's boxes would take it.
bool looksLikeOneNumber(std::string_view number);

// A plain decimal with an optional sign, as an angle is typed: "-2.5", "+.5", "3.".
bool looksLikeOneDecimal(std::string_view text);

}  // namespace arcwright
