// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// model owns numbers as text: reading the number at the start of a box's text, and
// writing a number through a display pattern, whatever the process locale.

#include <string>
#include <string_view>

namespace arcwright {

// The number at the start of a text, 0 when there is none. Blanks anywhere in the
// text are ignored; shop fractions such as "1 1/2", "1-1/2" and "3/4" read as their
// value. Never fails: a number beyond the range of a double also reads as 0.
double leadingNumber(std::string_view text);

// A number written through a display pattern such as "0.0#### in." or "##°".
// Always uses "." as the decimal point, whatever the process locale.
std::string formatNumber(double value, std::string_view pattern);

// A number as plain decimal text: 15 significant digits, no trailing zeros.
std::string plainNumberText(double value);

}  // namespace arcwright
