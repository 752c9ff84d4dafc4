// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fractions/shop_fraction.h"

#include <cmath>
#include <numeric>

#include "model/number_text.h"

namespace arcwright {

namespace {

constexpr const char* kWholeInchMark = " in.";
// Less than one unit beyond the whole inches: always without a blank.
constexpr const char* kBelowOneUnitMark = "+in.";

struct Reduced {
    long long numerator;
    long long denominator;
};

// The first k of minFraction-2, minFraction-4, ... down to 2 that divides both numbers,
// found among the divisors of their common divisor so that a large resolution costs no
// more than a small one. Without such a k the fraction stays as it is.
Reduced reduce(long long numerator, long long minFraction) {
    const long long common = std::gcd(numerator, minFraction);
    long long best = 0;
    auto consider = [&](long long k) {
        if (k >= 2 && k <= minFraction - 2 && (minFraction - k) % 2 == 0 && k > best) best = k;
    };
    for (long long d = 1; d <= common / d; ++d) {
        if (common % d == 0) {
            consider(d);
            consider(common / d);
        }
    }
    if (best == 0) return {numerator, minFraction};
    return {numerator / best, minFraction / best};
}

}  // namespace

FractionCaptions ShowFraction(double value, int minFraction, const FractionSettings& settings) {
    FractionCaptions out;
    if (!std::isfinite(value)) {
        out.mark = kWholeInchMark;
        return out;
    }
    const long long resolution = minFraction > 0 ? minFraction : 16;

    const double whole = std::floor(value);
    out.whole = (whole == 0.0 && settings.wholeZeroBlank) ? "" : plainNumberText(whole);

    const double fracPart = value - whole;
    const double fracUnits = fracPart / (1.0 / static_cast<double>(resolution));
    const double fracFloor = std::floor(fracUnits);
    const double fracRemainder = fracUnits - fracFloor;

    if (fracUnits == 0.0) {
        out.mark = kWholeInchMark;
        return out;
    }
    if (fracUnits < 1.0) {
        out.mark = kBelowOneUnitMark;
        return out;
    }

    // Nearest unit, a tie going up.
    long long fracNumerator = static_cast<long long>(fracFloor);
    if (fracRemainder >= 0.5) {
        ++fracNumerator;
        out.mark = settings.minusMark;
    } else {
        out.mark = fracRemainder == 0.0 ? settings.exactMark : settings.plusMark;
    }

    if (fracNumerator >= resolution) {
        // Rounded up into the next inch; shown even when that inch is the first.
        out.whole = plainNumberText(whole + 1.0);
        return out;
    }

    // Only a fraction with a numerator gets its slash. Built as a character rather than
    // assigned from a literal: GCC 12 at -O3 takes the literal's copy for an overlapping
    // one (-Wrestrict) and reports a fault that is not there.
    out.slash.assign(1, '/');
    if (fracNumerator % 2 != 0) {
        out.numerator = plainNumberText(static_cast<double>(fracNumerator));
        out.denominator = plainNumberText(static_cast<double>(resolution));
        return out;
    }
    const Reduced r = reduce(fracNumerator, resolution);
    out.numerator = plainNumberText(static_cast<double>(r.numerator));
    out.denominator = plainNumberText(static_cast<double>(r.denominator));
    return out;
}

}  // namespace arcwright
