// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/fence_position.h"

#include <cmath>

#include "geometry/cove_solver.h"

namespace arcwright {

namespace {

constexpr double kRadPerDeg = kTenDigitPi / 180;

// distance / sine as a mark, or nothing when it lies past kFarthestMark (the sine may be 0).
std::optional<double> mark(double distance, double sine) {
    if (!(sine > 0) || distance > kFarthestMark * sine) return std::nullopt;
    return distance / sine;
}

}  // namespace

FencePosition fencePosition(const FenceSetup& setup) {
    FencePosition out;
    if (!std::isfinite(setup.angleDeg) || !std::isfinite(setup.fenceToDeepest) ||
        !std::isfinite(setup.deepestOffset) || setup.angleDeg < 0 || setup.angleDeg > 90) {
        return out;
    }
    const double theta = setup.angleDeg * kRadPerDeg;
    // At exactly 90° the ten-digit π leaves a cosine of a few 1e-11: square is square.
    const double sine = setup.angleDeg == 90 ? 1.0 : std::sin(theta);
    const double cosine = setup.angleDeg == 90 ? 0.0 : std::cos(theta);
    // Seen from the front, +1 when the fence passes to the right of O.
    const double side = setup.slant == FenceSlant::FrontLeftToBackRight ? 1.0 : -1.0;

    // Feed runs to the back along the fence, at θ to the blade line; the fence stands on
    // the front side of the board (see the header for why).
    out.feed = {side * sine, cosine};
    out.towardFence = {side * cosine, -sine};
    // The deepest point lies across the blade line toward the far side, away from the
    // fence; its line runs with the feed, and only its offset square to the feed counts.
    const TablePoint deepest{-side * setup.deepestOffset, 0.0};
    const double deepestAcross = deepest.x * out.towardFence.x;  // −offset · cos θ
    out.deepestPoint = {out.towardFence.x * deepestAcross, out.towardFence.y * deepestAcross};
    out.distance = setup.fenceToDeepest + deepestAcross;
    if (!(out.distance > 0) || !std::isfinite(out.distance)) {
        // The fence would stand on O or beyond it, over the blade.
        return FencePosition{};
    }
    out.bladeMark = mark(out.distance, sine);
    out.squareMark = mark(out.distance, cosine);
    out.found = true;
    return out;
}

}  // namespace arcwright
