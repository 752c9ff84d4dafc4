// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner's words that follow its shop rules: the wood-left warnings, the saw's limits
// and the numbers in them, in the unit the woodworker plans in.

#include <string>
#include <vector>

#include "plan/blade_tilt.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "plan/sentence.h"

namespace arcwright {

// A fence angle as the planner shows it: one decimal, "36.8°".
std::string angleText(double degrees);

// A length as the planner shows it: "0.625 in. (5/8 in.)" or "15.9 mm".
std::string spokenLength(double inches, LengthUnit unit);

// A shop rule's length: "1/4 in." or "6.4 mm".
std::string ruleLength(double inches, LengthUnit unit);

// "Less than 1/4 in. of wood beside the cove!" and above the blade, as the plan warns.
std::vector<Sentence> woodWarnings(const PlanResult& result, LengthUnit unit);

// Why the saw cannot cut the plan (PlanProblem::BladeSizeUnusual, DeeperThanSawReaches);
// no sentence (empty text) for any other problem.
Sentence sawLimitSentence(const PlanResult& result, const BladeTilt& tilt, LengthUnit unit);

}  // namespace arcwright
