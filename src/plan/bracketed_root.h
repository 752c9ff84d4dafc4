// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One root of a function that changes sign between two points, for the tilted planner's
// inverse: false position with the Illinois correction, falling back to halving the
// bracket where the function is infinite at an end or the false position leaves it.

#include <cmath>

namespace arcwright {

// A root of f in [lo, hi] (lo < hi) where f(lo) and f(hi) differ in sign, to where the
// bracket is a few doubles wide or |f| is at most `closeEnough`; the end with the smaller
// |f| when the signs do not differ.
template <typename Function>
double rootBetween(Function f, double lo, double hi, double closeEnough = 0.0) {
    double fLo = f(lo);
    double fHi = f(hi);
    if (fLo == 0) return lo;
    if (fHi == 0) return hi;
    if ((fLo > 0) == (fHi > 0)) return std::fabs(fLo) < std::fabs(fHi) ? lo : hi;
    int lastMoved = 0;  // -1 lo, +1 hi: an end that stays put twice has its f halved
    for (int i = 0; i < 200; ++i) {
        double x = 0.5 * (lo + hi);
        if (std::isfinite(fLo) && std::isfinite(fHi)) {
            const double secant = (lo * fHi - hi * fLo) / (fHi - fLo);
            if (secant > lo && secant < hi) x = secant;
        }
        if (!(x > lo && x < hi)) break;  // no number left between the ends
        const double fx = f(x);
        if (std::fabs(fx) <= closeEnough) return x;
        if ((fx > 0) == (fLo > 0)) {
            lo = x;
            fLo = fx;
            if (lastMoved == -1) fHi /= 2;
            lastMoved = -1;
        } else {
            hi = x;
            fHi = fx;
            if (lastMoved == +1) fLo /= 2;
            lastMoved = +1;
        }
        if (hi - lo <= 1e-15 * std::fmax(std::fabs(lo), std::fabs(hi))) break;
    }
    return std::fabs(fLo) < std::fabs(fHi) ? lo : hi;
}

}  // namespace arcwright
