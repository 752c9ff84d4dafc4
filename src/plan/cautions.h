// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Cautions: a plan that can be cut, but that the shop writers warn about. They leave the
// plan standing, and stand beside it in the window, on the printed template and at the saw,
// one sentence each with its reason.

#include <vector>

#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "plan/sentence.h"

namespace arcwright {

enum class Caution {
    SteepFence,   // the fence over kSteepestFenceDeg to the blade
    DeepPasses,   // a pass raises the blade more than kDeepestPass
    NoKerf,       // the kerf typed as 0
    ManyPasses,   // more than kMostPasses passes
    NarrowBoard,  // a board narrower than kNarrowestHeldBoard
};

// Over 80° the board is fed nearly square across the blade: the teeth pull it hard
// sideways, the set-up the shop writers call frightening.
inline constexpr double kSteepestFenceDeg = 80.0;
// Shop practice is about 1/16 in. a pass with a light final pass; past 1/8 in. the blade
// grabs and the cut tears.
inline constexpr double kDeepestPass = 0.125;
inline constexpr double kUsualPass = 0.0625;
// Past 40 passes the fence stands a long time under the load of the cut: its clamps creep.
inline constexpr int kMostPasses = 40;
// The usual advice: cut a cove in a board at least 3 in. wide, so the hands on the push
// blocks stay clear of the blade, and rip a narrow moulding free afterwards.
inline constexpr double kNarrowestHeldBoard = 3.0;

// The cautions for a plan, in the order above; none unless it can be cut.
std::vector<Caution> cautionsFor(const PlanRequest& request, const PlanResult& result);

// One sentence a caution, its lengths in `unit` (with the shop fraction in inches).
std::vector<Sentence> cautionSentences(const PlanRequest& request, const PlanResult& result,
                                       LengthUnit unit);

}  // namespace arcwright
