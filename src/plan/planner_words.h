// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the cove planner says beside its boxes: why a cove cannot be cut and what would make
// it possible, which box holds text that is not a length, the wood and the fence's marks in
// words, where the fence goes and how to find the centre point, the warnings, the note
// after the calculator took the set-up, and the headings of the pass table. Each is one
// sentence for the front end to say (see sentence.h), in the planner's unit.

#include <optional>
#include <vector>

#include "plan/cove_placement.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "plan/planner_model.h"
#include "plan/sentence.h"

namespace arcwright {

// What the planner calls a box in its sentences: "Cove width".
Sentence boxName(PlanBox box);

// The one sentence of the status line: the first box that cannot be read, then the tilt,
// the saw's limits, the plan and the cove's place; empty while the cove can be cut there.
Sentence statusSentence(const PlannerModel& model);

// For a box whose text is not a length (or, for the tilt, not an angle): names the box,
// says what is wrong and gives an example. The text itself is not repeated: it may be
// anything at all.
Sentence badBoxSentence(PlanBox box, BoxFault fault);

// Why a tilted blade cannot cut the cove, and what would; empty when it can.
Sentence tiltSentence(const PlannerModel& model);

// One sentence for a request that cannot be cut; empty when it can, or when the saw's
// limits stop it (sawLimitSentence says those).
Sentence problemSentence(const PlanRequest& request, const PlanResult& result, LengthUnit unit);

// One sentence for a cove that cannot be placed where asked; empty when it can.
Sentence placementSentence(const CovePlacement& placement, LengthUnit unit);

// Wood left beside the cove, with its own quarter-inch check (CovePlacement's): "0.5 in.
// (1/2 in.)", or "0.125 in. (1/8 in.), less than 1/4 in.!".
Sentence woodSentence(double inches, bool thin, LengthUnit unit);

// A mark of the fence's place, or why there is none: "more than 36 in. away: use the other
// mark".
Sentence markSentence(const std::optional<double>& inches, LengthUnit unit);

// Which side of the blade the fence goes and which way to feed, in one sentence; the same
// in one line for the foot of the view at the saw; and how to find the blade's centre point.
Sentence fenceSideRule();
Sentence fenceSideRuleInOneLine();
Sentence findingTheCentrePoint();

// Where the cove's deepest line runs with the blade tilted, and how to find it on the saw;
// the centre point for an upright blade or a plan that cannot be cut.
Sentence findingTheDeepestLine(const PlannerModel& model);

// The warnings of the plan shown, one a line: too little wood (as the calculator warns too)
// and a tilted cove's walls that lean under. None while a box cannot be read.
std::vector<Sentence> planWarnings(const PlannerModel& model);

// What the calculator shows of the set-up the planner typed into it, and why it may differ
// from the plan; empty until then.
Sentence calculatorNote(const PlannerModel& model);

// The pass table: its headings (pass, blade height, cove width), the heading of a tilted
// blade's walls, and a pass's walls: "0.5 in. / 0.75 in.".
std::vector<Sentence> passHeadings();
Sentence wallsHeading();
Sentence wallsCell(double fenceSide, double farSide, LengthUnit unit);

// "toward the fence" or "away from the fence": where the top of a tilted blade leans.
Sentence leanPhrase(BladeLean lean);

}  // namespace arcwright
