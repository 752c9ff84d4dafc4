// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three conversions between numbers and digits that the number text rests on, in two
// interchangeable ways: the C++ library's <charconv>, where it converts floating point, and
// a portable way over the C library for the ones whose C++ library lacks it (the browser
// build's). Both give the same results bit for bit; the number text uses `best`.
//
// The portable way reads through strtod, which takes its decimal point from the process
// locale: it is the one in use only where the C library has no other decimal point than
// ".", and tests run it in the "C" locale.

#include <optional>
#include <string>
#include <string_view>

namespace arcwright::conversions {

// A decimal number as [-]digits[.digits][(e|E)[+|-]digits], the text being exactly that;
// nothing when it lies beyond a double's range, either way (overflow, or a nonzero number
// that rounds to zero).
using ReadDecimal = std::optional<double> (*)(std::string_view text);
// A run of hexadecimal digits as a whole number; nothing when it overflows.
using ReadHex = std::optional<double> (*)(std::string_view digits);
// A finite, non-negative number in scientific notation with 15 significant digits,
// correctly rounded: "6.25000000000000e-02".
using Scientific15 = std::string (*)(double magnitude);

struct Conversions {
    ReadDecimal readDecimal;
    ReadHex readHex;
    Scientific15 scientific15;
};

Conversions portable();
// The C++ library's, where it has floating-point <charconv>.
std::optional<Conversions> charconv();
// The C++ library's where it has them, the portable ones otherwise.
Conversions best();

}  // namespace arcwright::conversions
