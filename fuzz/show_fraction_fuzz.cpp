// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ShowFraction at both resolutions and with the settings of all seven read-outs, for
// arbitrary doubles, for dyadic values right at the rounding edges, and for numbers read
// from arbitrary text. Checks what the captions mean, not only that they come out.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <string_view>

#include "fractions/shop_fraction.h"
#include "fuzz_checks.h"
#include "model/number_text.h"
#include "readouts/readouts.h"

using namespace arcwright;
using namespace arcwright::fuzzing;

namespace {

constexpr std::array<FractionSettings (*)(), 7> kSettings{
    readout::adjustedWidth, readout::adjustedThickness, readout::adjustedBladeHeight,
    readout::allWidth,      readout::allThickness,      readout::allBladeHeight,
    readout::cutWidth,
};

// Up to this magnitude the captions are checked against the value; beyond it the whole
// part is written in exponent form and only the text rules are checked.
constexpr double kValueLimit = 2147483648.0;

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

long long smallInteger(std::string_view s) {
    check(allDigits(s) && s.size() <= 3, "numerator or denominator is not a small integer", s);
    return std::stoll(std::string(s));
}

void checkCaptions(double value, int minFraction, const FractionSettings& settings) {
    const FractionCaptions c = ShowFraction(value, minFraction, settings);
    for (const std::string* caption : {&c.whole, &c.numerator, &c.slash, &c.denominator, &c.mark}) {
        checkText(*caption, "a caption shows a non-finite number");
    }
    if (!std::isfinite(value)) return;

    const bool hasFraction = !c.numerator.empty();
    check(hasFraction == !c.denominator.empty(), "numerator without denominator or back");
    check(c.slash == (hasFraction ? "/" : ""), "slash does not match the fraction", c.slash);
    check(c.mark == settings.minusMark || c.mark == settings.plusMark ||
              c.mark == settings.exactMark || c.mark == " in." || c.mark == "+in.",
          "unknown mark", c.mark);

    long long numerator = 0;
    long long denominator = 1;
    if (hasFraction) {
        numerator = smallInteger(c.numerator);
        denominator = smallInteger(c.denominator);
        check(denominator >= 2 && denominator <= minFraction && minFraction % denominator == 0,
              "denominator does not divide the resolution", c.denominator);
        check(numerator >= 1 && numerator < denominator, "fraction is not proper", c.numerator);
        check(std::gcd(numerator, denominator) == 1, "fraction is not in lowest terms",
              c.numerator);
    }

    if (std::fabs(value) >= kValueLimit) return;

    const double floorValue = std::floor(value);
    check(!c.whole.empty() || settings.wholeZeroBlank, "whole part blanked against the setting");
    const double whole = c.whole.empty() ? 0.0 : leadingNumber(c.whole);
    check(c.whole.empty() || c.whole == plainNumberText(whole), "whole part is not an integer",
          c.whole);
    const double shown = whole + static_cast<double>(numerator) / static_cast<double>(denominator);
    const double error = value - shown;  // > 0: the value is more than shown
    const double unit = 1.0 / minFraction;
    const double eps = 1e-12 * std::max(1.0, std::fabs(value));

    if ((value - floorValue) * minFraction < 1.0) {
        // Whole inches, or less than one unit past them: never rounded up.
        check(whole == floorValue && !hasFraction, "below one unit is not its whole inches",
              c.whole);
        check(c.whole.empty() == (floorValue == 0.0 && settings.wholeZeroBlank),
              "whole caption blank when it should not be, or not when it should", c.whole);
        check(c.mark == (value == floorValue ? " in." : "+in."), "below-one-unit mark", c.mark);
        return;
    }

    check(std::fabs(error) <= unit / 2 + eps, "shown fraction is not the nearest", c.numerator);
    if (!hasFraction) {
        // Rounded up to the next whole inch, which is always written.
        check(whole == floorValue + 1 && !c.whole.empty(), "rounding without a fraction", c.whole);
    }
    if (c.mark == settings.exactMark && c.mark != settings.plusMark &&
        c.mark != settings.minusMark) {
        check(std::fabs(error) <= eps, "marked exact but is not", c.mark);
    }
    if (c.mark == settings.minusMark && c.mark != settings.plusMark) {
        check(error <= eps, "marked as a little less but the value is more", c.mark);
    }
    if (c.mark == settings.plusMark && c.mark != settings.minusMark && c.mark != "+in.") {
        check(error >= -eps, "marked as a little more but the value is less", c.mark);
    }
}

double readDouble(const std::uint8_t* data, std::size_t size) {
    double v = 0.0;
    std::memcpy(&v, data, std::min(size, sizeof v));
    return v;
}

// A value near a multiple of 1/2^k, nudged by a few units in the last place: the ties
// and carries of the rounding sit exactly there.
double edgeValue(const std::uint8_t* data, std::size_t size) {
    if (size < 6) return 0.0;
    std::int32_t numerator = 0;
    std::memcpy(&numerator, data, sizeof numerator);
    const int shift = data[4] % 40;
    double v = std::ldexp(static_cast<double>(numerator), -shift);
    const int nudge = static_cast<int>(data[5] % 7) - 3;
    for (int i = 0; i < std::abs(nudge); ++i) {
        v = std::nextafter(v, nudge > 0 ? INFINITY : -INFINITY);
    }
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    currentInput() = std::string_view(reinterpret_cast<const char*>(data), size);
    const std::uint8_t mode = data[0] % 3;
    const std::uint8_t* rest = data + 1;
    const std::size_t restSize = size - 1;

    double value = 0.0;
    switch (mode) {
        case 0:
            value = readDouble(rest, restSize);
            break;
        case 1:
            value = edgeValue(rest, restSize);
            break;
        default:
            value = leadingNumber(std::string_view(reinterpret_cast<const char*>(rest), restSize));
            break;
    }

    for (const int minFraction : {16, 32}) {
        for (const auto settings : kSettings) checkCaptions(value, minFraction, settings());
    }
    return 0;
}
