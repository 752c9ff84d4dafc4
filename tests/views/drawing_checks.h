// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "views/display_list.h"

namespace arcwright::testing {

struct Seg {
    double x1, y1, x2, y2;
};

// A recorded line against its expected end points.
inline void expectLine(const Primitive& p, Seg want, double tol) {
    EXPECT_EQ(p.kind, Primitive::Kind::Line);
    EXPECT_NEAR(p.x1, want.x1, tol);
    EXPECT_NEAR(p.y1, want.y1, tol);
    EXPECT_NEAR(p.x2, want.x2, tol);
    EXPECT_NEAR(p.y2, want.y2, tol);
}

}  // namespace arcwright::testing
