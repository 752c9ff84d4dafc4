// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/calculator/form1.h"

namespace arcwright {

// What the tests and benchmarks read from inside the window, and nothing else does: the
// window itself shows its results only through its controls.
struct Form1::TestAccess {
    static int minFraction(const Form1& window) { return window.minFraction_; }
    static int drawScale(const Form1& window) { return window.drawScale_; }
    static const CoveSolution& solution(const Form1& window) { return window.solution_; }
    // How often the isometric view was asked to redraw, drawn or kept.
    static int isoViewCalls(const Form1& window) { return window.isoViewCalls_; }
};

}  // namespace arcwright
