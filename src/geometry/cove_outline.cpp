// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/cove_outline.h"

namespace arcwright {

CoveOutline::CoveOutline(int pointCount, OutlineEnds ends)
    : levels_(heldLevels(pointCount)), ends_(ends) {}

int CoveOutline::size() const {
    if (levels_ == 0) return 0;
    const int turn = levels_ + (ends_.apex ? 1 : 0);
    return 2 * turn - 1 + (ends_.throughLevelZero ? 1 : 0);
}

OutlinePoint CoveOutline::operator[](int p) const {
    const int turn = levels_ + (ends_.apex ? 1 : 0);
    if (p <= levels_) return {p, Side::Left};
    if (p == turn) return {p, Side::Centre};
    return {2 * turn - p, Side::Right};
}

}  // namespace arcwright
