// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "geometry/cove_levels.h"

namespace arcwright {

// Outline tables hold two flanks of kMaxLevels points plus the printed apex.
inline constexpr int kOutlineTableSize = 2 * kMaxLevels + 2;
using OutlineTable = std::array<double, kOutlineTableSize>;

// Which side of the board's centre line an outline point lies on.
enum class Side { Left, Centre, Right };

struct OutlinePoint {
    int level = 0;  // the profile level whose width places the point
    Side side = Side::Left;

    bool operator==(const OutlinePoint&) const = default;
};

// How a drawing closes the outline beyond the plain mirror.
struct OutlineEnds {
    // One more point on the centre line, a level below the deepest, and the deepest level
    // drawn again on the right: the printed sheet's pointed bottom.
    bool apex = false;
    // The right flank runs on to the empty level 0 at the face: the section view keeps
    // that point in its table without drawing it.
    bool throughLevelZero = false;
};

// The cove as seen on the end of the board, point by point, numbered from 1: the left
// flank from level 1 at the face down to the deepest level n, then the right flank
// mirrored back up to level 1. The one index rule: with m = n (or n + 1 with an apex),
// point p stands at level p on the left while p <= n, and at level 2m - p on the right
// once p > m. Each drawing turns levels into coordinates its own way.
class CoveOutline {
  public:
    explicit CoveOutline(int pointCount, OutlineEnds ends = {})
        : levels_(heldLevels(pointCount)), turn_(levels_ + (ends.apex ? 1 : 0)), ends_(ends) {}

    int levels() const { return levels_; }  // n, cut to what the tables hold

    // Points; 0 without levels.
    int size() const { return levels_ == 0 ? 0 : 2 * turn_ - 1 + (ends_.throughLevelZero ? 1 : 0); }

    // Point p, 1 <= p <= size(). Inline: the drawings walk it on every keystroke.
    OutlinePoint operator[](int p) const {
        if (p <= levels_) return {p, Side::Left};
        if (p == turn_) return {p, Side::Centre};
        return {2 * turn_ - p, Side::Right};
    }

  private:
    int levels_;
    int turn_;  // m: the deepest level, or the apex one below it
    OutlineEnds ends_;
};

}  // namespace arcwright
