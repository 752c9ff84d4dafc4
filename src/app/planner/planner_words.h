// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the cove planner says: why a cove cannot be cut and what would make it possible,
// which box holds text that is not a length, and the lengths of its read-outs.

#include <QString>
#include <optional>

#include "plan/cove_placement.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "plan/planner_model.h"
#include "print/saw_plan.h"

namespace arcwright {

// A length as the planner shows it: "0.625 in. (5/8 in.)" or "15.9 mm".
QString plannerLength(double inches, LengthUnit unit);

// A length to measure at the saw: in the planner's unit with the shop fraction in inches
// beside it, "2.25 in. (2 1/4 in.)" or "57.2 mm (2 1/4 in.)".
QString sawLength(double inches, LengthUnit unit);

// Wood left beside the cove, with its own quarter-inch check (CovePlacement's): "0.5 in.
// (1/2 in.)", or "0.125 in. (1/8 in.), less than 1/4 in.!".
QString woodText(double inches, bool thin, LengthUnit unit);

// A mark of the fence's place, or why there is none: "farther than 36 in. from the
// centre point".
QString markText(const std::optional<double>& inches, LengthUnit unit);

// What the set-up page says of the plan of the saw table after it, for this paper.
QString planSheetsLine(const SawPlanLayout& layout);

// Which side of the blade the fence goes and which way to feed, in one sentence; and how to
// find the blade's centre point on the saw.
QString fenceSideRule();
// The same rule in one line, for the foot of the view at the saw.
QString fenceSideRuleInOneLine();
QString findingTheCentrePoint();

// Where the cove's deepest line runs with the blade tilted, and how to find it on the saw.
QString findingTheDeepestLine(const PlannerModel& model);

// Why a tilted blade cannot cut the cove, and what would; empty when it can.
QString tiltSentence(const PlannerModel& model);

// For a tilt box whose text is not an angle.
QString badTiltSentence(const QString& boxLabel, const QString& text);

// A wall that leans under, in words: how far, and why it matters.
QString leaningWallsLines(const PlannerModel& model);

// A fence angle as the planner shows and types it: one decimal, "36.8°".
QString degreesText(double degrees);

// One sentence for a request that cannot be cut; empty when it can.
QString problemSentence(const PlanRequest& request, const PlanResult& result, LengthUnit unit);

// One sentence for a cove that cannot be placed where asked; empty when it can.
QString placementSentence(const CovePlacement& placement, LengthUnit unit);

// The warnings the calculator gives too, one line each; empty when there are none.
QString warningLines(const PlanResult& result);

// For a box whose text is not a length: names the box (by its label) and gives an
// example. The text itself is not repeated: it may be anything at all.
QString badBoxSentence(const QString& boxLabel, const QString& text);

// What the template's Print and Preview buttons do, for their tooltips while the cove can
// be cut.
QString printTemplateTip();
QString previewTemplateTip();

}  // namespace arcwright
